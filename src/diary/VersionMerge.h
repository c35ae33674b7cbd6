// Two versions of the whole diary made one, day by day, by the one rule of sync/DayRule.h: the
// diary file's version and another (a conflict copy a sync engine left). Entries keep every
// value they hold, and the result depends only on the two lists and on what this machine
// knows of each day's texts, so that two machines merging the same versions write the same
// bytes.
#pragma once

#include "sync/DayRule.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QVariantList>
#include <functional>

namespace penwick::diary {

// What the rule needs to know of a day's text besides the text: whether it is the text the two
// sides last shared, and whether it is one this machine wrote and has replaced since.
struct DayKnowledge
{
    std::function<bool(const QString &dayKey, const QString &text)> isBase;
    std::function<bool(const QString &dayKey, const QString &text)> isStale;
};

// A day the two versions held differently, and how it was settled.
struct SettledDay
{
    QString dayKey;
    QString diaryText;
    QString otherText;
    sync::Settled settled = sync::Settled::Diary;
    QString text; // the day's text after the merge
};

struct MergedVersions
{
    QVariantList entries; // every dated entry in date order, then the others
    QMap<QString, QString> fromOther; // the days only the other version had, with their texts
    QList<SettledDay> settled; // the days that differed, in date order
    // Day key to text for every day whose text the merge changes in diary.
    QMap<QString, QString> changedInDiary() const;
};

// Merges other into diary: a day in one of them only is kept; the same text is kept once;
// different texts go by the rule. source names the other version in a joined day.
MergedVersions mergeVersions(const QVariantList &diary, const QVariantList &other,
        const DayKnowledge &knowledge, const QString &source);

} // namespace penwick::diary

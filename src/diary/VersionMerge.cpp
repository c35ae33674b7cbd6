#include "VersionMerge.h"

#include "diary/NoteFile.h"

#include <QMap>

namespace penwick::diary {

namespace {

const QString dateKey = QStringLiteral("date");
const QString textKey = QStringLiteral("text");

// The first entry of each date, by date; the rest as they come.
struct Days
{
    QMap<QString, QVariantMap> first;
    QVariantList others;
};

Days byDate(const QVariantList &entries)
{
    Days days;
    for (const QVariant &entry : entries) {
        const QString date = entry.toMap().value(dateKey).toString();
        if (isDiaryEntry(entry) && !days.first.contains(date))
            days.first.insert(date, entry.toMap());
        else
            days.others.append(entry);
    }
    return days;
}

} // namespace

QMap<QString, QString> MergedVersions::changedInDiary() const
{
    QMap<QString, QString> changed = fromOther;
    for (const SettledDay &day : settled)
        if (day.text != day.diaryText)
            changed.insert(day.dayKey, day.text);
    return changed;
}

MergedVersions mergeVersions(const QVariantList &diary, const QVariantList &other,
        const DayKnowledge &knowledge, const QString &source)
{
    const Days mine = byDate(diary);
    const Days theirs = byDate(other);
    QMap<QString, QVariantMap> merged = mine.first;
    MergedVersions result;
    for (auto it = theirs.first.cbegin(); it != theirs.first.cend(); ++it) {
        const auto here = merged.find(it.key());
        if (here == merged.end()) {
            merged.insert(it.key(), it.value());
            result.fromOther.insert(it.key(), it.value().value(textKey).toString());
            continue;
        }
        SettledDay day { it.key(), here->value(textKey).toString(),
            it.value().value(textKey).toString(), sync::Settled::Diary, {} };
        if (day.diaryText == day.otherText)
            continue;
        const auto know = [&](const auto &ask, const QString &text) {
            return ask && ask(day.dayKey, text);
        };
        day.settled = sync::settleDay({ day.diaryText, day.otherText,
                know(knowledge.isBase, day.diaryText), know(knowledge.isBase, day.otherText),
                know(knowledge.isStale, day.diaryText), know(knowledge.isStale, day.otherText) });
        switch (day.settled) {
        case sync::Settled::Diary:
            day.text = day.diaryText;
            break;
        case sync::Settled::Other:
            day.text = day.otherText;
            *here = it.value(); // the other entry whole, with every value it holds
            break;
        case sync::Settled::Both:
            day.text = sync::joinedText(day.diaryText, day.otherText, source);
            here->insert(textKey, day.text);
            break;
        }
        result.settled.append(day);
    }
    for (const QVariantMap &entry : std::as_const(merged))
        result.entries.append(entry);
    result.entries += mine.others;
    for (const QVariant &extra : theirs.others)
        if (!mine.others.contains(extra))
            result.entries.append(extra);
    return result;
}

} // namespace penwick::diary

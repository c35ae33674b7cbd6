// The diary's tags: the tags each entry's text holds, and for each tag the days that hold it,
// read from a snapshot of the diary file. Built off the window's thread; an index of a newer
// snapshot takes over what an older one found in every text that is byte for byte the same, so
// that a rewrite of the file costs a comparison of bytes, not a second reading of the diary.
#pragma once

#include "diary/DiarySnapshot.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <memory>
#include <vector>

namespace penwick::tags {

struct TagCount
{
    QString name; // as it is written most often, with its "#"
    QString key; // what tells it from the others (see diary::tagKey)
    int days = 0;
    friend bool operator==(const TagCount &, const TagCount &) = default;
};

class TagIndex
{
public:
    using Pointer = std::shared_ptr<const TagIndex>;

    // The tags of every entry of snapshot (on any thread).
    static Pointer build(diary::SnapshotPointer snapshot, Pointer older = {});

    const diary::SnapshotPointer &snapshot() const { return m_snapshot; }
    // Every tag with the number of days that hold it, where unsaved (day key to text) stands in
    // for the file's text of its days: most days first, then by name.
    QList<TagCount> counts(const QMap<QString, QString> &unsaved = {}) const;

private:
    struct Tag
    {
        QString key;
        QString spelling;
    };
    void add(const QString &day, const QList<Tag> &tags);

    diary::SnapshotPointer m_snapshot;
    std::vector<QList<Tag>> m_entryTags; // by entry, in the file's order
    QHash<QString, QSet<QString>> m_tagsOfDay; // day key to the keys of its tags
    QHash<QString, int> m_days; // key to the days that hold it
    QHash<QString, QHash<QString, int>> m_spellings; // key to each way it is written, how often
};

} // namespace penwick::tags

// The diary's tags: the tags each entry's text holds, and for each tag the days that hold it,
// read from a snapshot of the diary file. Built off the window's thread; an index of a newer
// snapshot takes over what an older one found in every text that is byte for byte the same, so
// that a rewrite of the file costs a comparison of bytes, not a second reading of the diary.
#pragma once

#include "diary/DiarySnapshot.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
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
    using Tags = QList<Tag>;
    struct Seen
    {
        int days = 0;
        QHash<QString, int> spellings; // each way it is written, how often
    };
    void add(QDate day, const Tags &tags);
    void count();
    QList<QString> keysOf(QDate day) const;

    diary::SnapshotPointer m_snapshot;
    std::vector<Tags> m_entryTags; // by entry, in the file's order
    std::vector<std::pair<QDate, const Tags *>> m_tagged; // the entries with tags, by day
    QHash<QString, Seen> m_seen; // by key
};

} // namespace penwick::tags

#include "TagIndex.h"

#include "diary/DayKey.h"
#include "diary/NoteScan.h"
#include "diary/Words.h"

#include <QVariantMap>
#include <algorithm>

namespace penwick::tags {

namespace {

// Reads tags, the same tag written the same way once: a diary of decades holds a few hundred
// tags written many thousand times.
class TagReader
{
public:
    QList<std::pair<QString, QString>> read(QStringView text) // key, spelling
    {
        QList<std::pair<QString, QString>> tags;
        for (const diary::TagSpan &span : diary::findTags(text)) {
            const QString tag = text.sliced(span.at, span.length).toString();
            tags.append({ keyOf(tag), tag });
        }
        return tags;
    }

    QList<std::pair<QString, QString>> readStored(QByteArrayView raw, bool plain)
    {
        QList<std::pair<QString, QString>> tags;
        for (const QString &tag : diary::tagsInStoredText(raw, plain))
            tags.append({ keyOf(tag), tag });
        return tags;
    }

private:
    QString keyOf(const QString &tag)
    {
        auto known = m_keys.constFind(tag);
        if (known == m_keys.cend())
            known = m_keys.insert(tag, diary::tagKey(tag));
        return *known;
    }

    QHash<QString, QString> m_keys; // spelling to key
};

// A stored date in the day form, from its bytes: a diary's dates are ASCII.
QDate dayOf(QByteArrayView raw)
{
    return diary::dayFromKey(diary::decodeCharacterData(raw));
}

} // namespace

TagIndex::Pointer TagIndex::build(diary::SnapshotPointer snapshot, Pointer older)
{
    auto index = std::make_shared<TagIndex>();
    index->m_snapshot = snapshot;
    if (!snapshot || !snapshot->outcome().ok())
        return index;
    TagReader reader;
    auto tagsOf = [](const QList<std::pair<QString, QString>> &read) {
        Tags tags;
        tags.reserve(read.size());
        for (const auto &[key, spelling] : read)
            tags.append({ key, spelling });
        return tags;
    };
    std::vector<Tags> &entryTags = index->m_entryTags;
    std::vector<QDate> days;
    if (const std::optional<diary::NoteScan> &scan = snapshot->scan()) {
        const QByteArray &bytes = snapshot->bytes();
        const diary::DiarySnapshot *before = older && older->m_snapshot && older->m_snapshot->scan()
                ? older->m_snapshot.get()
                : nullptr;
        entryTags.resize(scan->entries.size());
        days.resize(scan->entries.size());
        for (size_t i = 0; i < scan->entries.size(); ++i) {
            const diary::ScannedEntry &entry = scan->entries[i];
            const QByteArrayView raw = entry.text.of(bytes);
            if (before && i < older->m_entryTags.size()
                    && before->scan()->entries[i].text.of(before->bytes()) == raw)
                entryTags[i] = older->m_entryTags[i];
            else if (raw.contains('#') || raw.contains("\xEF\xBC\x83") || !entry.textIsPlain)
                entryTags[i] = tagsOf(reader.readStored(raw, entry.textIsPlain));
            if (!entryTags[i].isEmpty())
                days[i] = dayOf(entry.date.of(bytes));
        }
    } else {
        for (const QVariant &entry : snapshot->entries()) {
            if (!diary::isDiaryEntry(entry))
                continue;
            const QVariantMap map = entry.toMap();
            entryTags.push_back(tagsOf(reader.read(map.value(QStringLiteral("text")).toString())));
            days.push_back(diary::dayFromKey(map.value(QStringLiteral("date")).toString()));
        }
    }
    for (size_t i = 0; i < entryTags.size(); ++i) {
        if (!entryTags[i].isEmpty())
            index->m_tagged.push_back({ days[i], &entryTags[i] });
    }
    index->count();
    return index;
}

// Each tag once a day, however many entries of the day hold it.
void TagIndex::count()
{
    std::stable_sort(m_tagged.begin(), m_tagged.end(),
            [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QString> ofDay; // a day holds a few tags
    for (size_t i = 0; i < m_tagged.size(); ++i) {
        if (i == 0 || m_tagged[i].first != m_tagged[i - 1].first)
            ofDay.resize(0);
        for (const Tag &tag : *m_tagged[i].second) {
            Seen &seen = m_seen[tag.key];
            ++seen.spellings[tag.spelling];
            if (!ofDay.contains(tag.key)) {
                ofDay.append(tag.key);
                ++seen.days;
            }
        }
    }
}

QList<QString> TagIndex::keysOf(QDate day) const
{
    QList<QString> keys;
    const auto first = std::lower_bound(m_tagged.cbegin(), m_tagged.cend(), day,
            [](const auto &tagged, QDate d) { return tagged.first < d; });
    for (auto it = first; it != m_tagged.cend() && it->first == day; ++it) {
        for (const Tag &tag : *it->second) {
            if (!keys.contains(tag.key))
                keys.append(tag.key);
        }
    }
    return keys;
}

QList<TagCount> TagIndex::counts(const QMap<QString, QString> &unsaved) const
{
    QHash<QString, int> days;
    for (auto it = m_seen.cbegin(); it != m_seen.cend(); ++it)
        days.insert(it.key(), it->days);
    QHash<QString, QString> typed; // the spelling of a tag only the window's texts hold
    TagReader reader;
    for (auto it = unsaved.cbegin(); it != unsaved.cend(); ++it) {
        const QList<QString> before = keysOf(diary::dayFromKey(it.key()));
        QList<QString> now;
        for (const auto &[key, spelling] : reader.read(it.value())) {
            if (!now.contains(key))
                now.append(key);
            if (!m_seen.contains(key) && !typed.contains(key))
                typed.insert(key, spelling);
        }
        for (const QString &key : before)
            days[key] -= now.contains(key) ? 0 : 1;
        for (const QString &key : now)
            days[key] += before.contains(key) ? 0 : 1;
    }
    QList<TagCount> counts;
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        if (it.value() <= 0)
            continue;
        QString name = typed.value(it.key());
        int most = 0;
        const QHash<QString, int> spellings = m_seen.value(it.key()).spellings;
        for (auto s = spellings.cbegin(); s != spellings.cend(); ++s) {
            // the way most often written; of two as often, the first in order, so that the
            // name does not change from one run to the next
            if (s.value() > most || (s.value() == most && s.key() < name)) {
                most = s.value();
                name = s.key();
            }
        }
        counts.append({ name, it.key(), it.value() });
    }
    std::sort(counts.begin(), counts.end(), [](const TagCount &a, const TagCount &b) {
        return a.days != b.days ? a.days > b.days : a.key < b.key;
    });
    return counts;
}

} // namespace penwick::tags

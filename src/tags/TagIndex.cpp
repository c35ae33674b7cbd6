#include "TagIndex.h"

#include "diary/NoteScan.h"
#include "diary/Words.h"

#include <QVariantMap>
#include <algorithm>

namespace penwick::tags {

namespace {

QList<QPair<QString, QString>> tagsIn(const QString &text)
{
    QList<QPair<QString, QString>> tags; // key, spelling
    for (const diary::TagSpan &span : diary::findTags(text)) {
        const QStringView tag = QStringView(text).sliced(span.at, span.length);
        tags.append({ diary::tagKey(tag), tag.toString() });
    }
    return tags;
}

// A stored text without a "#" or a "＃" in its bytes holds no tag; only those with one are read.
bool mayHoldTags(QByteArrayView raw, bool plain)
{
    return !plain || raw.contains('#') || raw.contains("\xEF\xBC\x83");
}

} // namespace

TagIndex::Pointer TagIndex::build(diary::SnapshotPointer snapshot, Pointer older)
{
    auto index = std::make_shared<TagIndex>();
    index->m_snapshot = snapshot;
    if (!snapshot || !snapshot->outcome().ok())
        return index;
    auto tagsOf = [](const QString &text) {
        QList<Tag> tags;
        for (const auto &[key, spelling] : tagsIn(text))
            tags.append({ key, spelling });
        return tags;
    };
    if (const std::optional<diary::NoteScan> &scan = snapshot->scan()) {
        const QByteArray &bytes = snapshot->bytes();
        const bool reuse = older && older->m_snapshot && older->m_snapshot->scan();
        index->m_entryTags.resize(scan->entries.size());
        for (size_t i = 0; i < scan->entries.size(); ++i) {
            const diary::ScannedEntry &entry = scan->entries[i];
            const QByteArrayView raw = entry.text.of(bytes);
            QList<Tag> &tags = index->m_entryTags[i];
            if (reuse && i < older->m_entryTags.size()
                    && older->m_snapshot->scan()->entries[i].text.of(older->m_snapshot->bytes())
                            == raw)
                tags = older->m_entryTags[i];
            else if (mayHoldTags(raw, entry.textIsPlain))
                tags = tagsOf(diary::decodeCharacterData(raw));
            if (!tags.isEmpty())
                index->add(diary::decodeCharacterData(entry.date.of(bytes)), tags);
        }
        return index;
    }
    for (const QVariant &entry : snapshot->entries()) {
        if (!diary::isDiaryEntry(entry))
            continue;
        const QVariantMap map = entry.toMap();
        index->m_entryTags.push_back(tagsOf(map.value(QStringLiteral("text")).toString()));
        if (!index->m_entryTags.back().isEmpty())
            index->add(map.value(QStringLiteral("date")).toString(), index->m_entryTags.back());
    }
    return index;
}

void TagIndex::add(const QString &day, const QList<Tag> &tags)
{
    QSet<QString> &ofDay = m_tagsOfDay[day];
    for (const Tag &tag : tags) {
        ++m_spellings[tag.key][tag.spelling];
        if (!ofDay.contains(tag.key)) {
            ofDay.insert(tag.key);
            ++m_days[tag.key];
        }
    }
}

QList<TagCount> TagIndex::counts(const QMap<QString, QString> &unsaved) const
{
    QHash<QString, int> days = m_days;
    QHash<QString, QString> typed; // the spelling of a tag only the window's texts hold
    for (auto it = unsaved.cbegin(); it != unsaved.cend(); ++it) {
        const QSet<QString> before = m_tagsOfDay.value(it.key());
        QSet<QString> now;
        for (const auto &[key, spelling] : tagsIn(it.value())) {
            now.insert(key);
            if (!m_spellings.contains(key) && !typed.contains(key))
                typed.insert(key, spelling);
        }
        for (const QString &gone : before - now)
            --days[gone];
        for (const QString &added : now - before)
            ++days[added];
    }
    QList<TagCount> counts;
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        if (it.value() <= 0)
            continue;
        QString name = typed.value(it.key());
        const QHash<QString, int> spellings = m_spellings.value(it.key());
        int most = 0;
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

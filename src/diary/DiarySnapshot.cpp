#include "DiarySnapshot.h"

#include "diary/DayKey.h"
#include "diary/SearchQuery.h"
#include "privacy/SealedFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace penwick::diary {

namespace {

const QString dateKey = QStringLiteral("date");
const QString textKey = QStringLiteral("text");

} // namespace

SnapshotPointer DiarySnapshot::load(const QString &path, const privacy::KeyPointer &key)
{
    auto snapshot = std::make_shared<DiarySnapshot>();
    snapshot->m_path = path;
    snapshot->m_outcome = readNoteBytes(path, &snapshot->m_bytes, &snapshot->m_identity);
    if (!snapshot->m_outcome.ok())
        return snapshot;
    if (privacy::isSealed(snapshot->m_bytes)) {
        // a file that does not open is refused whole, and never written over: its bytes go
        snapshot->m_sealed = true;
        privacy::Unsealed opened = key ? privacy::open(snapshot->m_bytes, *key)
                                       : privacy::Unsealed { privacy::Unsealed::WrongKey,
                                             QCoreApplication::translate("DiarySnapshot",
                                                     "it is protected by a passphrase."),
                                             {}, {} };
        snapshot->m_bytes = std::move(opened.clear);
        if (!opened.ok()) {
            snapshot->m_outcome = { Status::Unreadable, opened.error };
            return snapshot;
        }
    }
    snapshot->m_scan = NoteScan::scan(snapshot->m_bytes);
    if (!snapshot->m_scan) {
        Entries all = parseNoteBytes(snapshot->m_bytes);
        snapshot->m_outcome = all.outcome;
        snapshot->m_entries = std::move(all.entries);
    }
    return snapshot;
}

std::optional<QString> DiarySnapshot::glanceAtEnd(
        const QString &path, const QString &dayKey, qint64 tailBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= tailBytes
            || !file.seek(file.size() - tailBytes))
        return std::nullopt;
    const QByteArray tail = file.read(tailBytes);
    // The end read as a diary of its own: a head, then the entries from one that starts in it.
    // A <dict> that opens a value inside an entry leaves the closing tags unmatched, and the
    // scanner declines; the next one is tried.
    constexpr QByteArrayView head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                    "<plist version=\"1.0\">\n<array>";
    qsizetype from = 0;
    for (int tries = 0; tries < 8; ++tries, from += 6) {
        from = tail.indexOf("<dict>", from);
        if (from < 0)
            break;
        const QByteArray end = head.toByteArray() + QByteArrayView(tail).sliced(from);
        if (const std::optional<NoteScan> scan = NoteScan::scan(end)) {
            const qsizetype i = scan->find(end, dayKey.toUtf8());
            return i < 0 ? QString() : decodeCharacterData(scan->entries[size_t(i)].text.of(end));
        }
    }
    return std::nullopt;
}

SnapshotPointer DiarySnapshot::fromWritten(const QString &path, QByteArray bytes,
        std::optional<NoteScan> scan, const FileIdentity &written, bool sealed)
{
    auto snapshot = std::make_shared<DiarySnapshot>();
    snapshot->m_path = path;
    snapshot->m_sealed = sealed;
    snapshot->m_identity = written;
    snapshot->m_bytes = std::move(bytes);
    snapshot->m_scan = scan ? std::move(scan) : NoteScan::scan(snapshot->m_bytes);
    return snapshot;
}

QString DiarySnapshot::textOf(const QString &dayKey) const
{
    if (!m_outcome.ok())
        return {};
    if (m_scan) {
        const qsizetype i = m_scan->find(m_bytes, dayKey.toUtf8());
        return i < 0 ? QString() : decodeCharacterData(m_scan->entries[size_t(i)].text.of(m_bytes));
    }
    return lookupText(m_entries, dayKey);
}

namespace {

// Each day's first entry: its text as raw character data where the scanner mapped the file,
// else decoded.
struct FirstTexts
{
    QHash<QString, QByteArrayView> raw;
    QMap<QString, QString> decoded;
};

FirstTexts firstTexts(const DiarySnapshot &file)
{
    FirstTexts texts;
    if (!file.outcome().ok())
        return texts;
    if (const std::optional<NoteScan> &scan = file.scan()) {
        texts.raw.reserve(qsizetype(scan->entries.size()));
        for (const ScannedEntry &entry : scan->entries) {
            const QString date = decodeCharacterData(entry.date.of(file.bytes()));
            if (!texts.raw.contains(date))
                texts.raw.insert(date, entry.text.of(file.bytes()));
        }
        return texts;
    }
    for (const QVariant &entry : file.entries()) {
        const QVariantMap map = entry.toMap();
        if (isDiaryEntry(entry) && !texts.decoded.contains(map.value(dateKey).toString()))
            texts.decoded.insert(map.value(dateKey).toString(), map.value(textKey).toString());
    }
    return texts;
}

} // namespace

QMap<QString, QString> DiarySnapshot::dayTexts() const
{
    FirstTexts texts = firstTexts(*this);
    for (auto it = texts.raw.cbegin(); it != texts.raw.cend(); ++it)
        texts.decoded.insert(it.key(), decodeCharacterData(it.value()));
    return texts.decoded;
}

QList<DiarySnapshot::DayChange> DiarySnapshot::changedDays(
        const DiarySnapshot &older, const DiarySnapshot &newer)
{
    QMap<QString, DayChange> changes;
    const FirstTexts before = firstTexts(older);
    const FirstTexts after = firstTexts(newer);
    if (!before.raw.isEmpty() && !after.raw.isEmpty()) {
        // the common case: raw bytes compared, only a day that differs is decoded
        for (auto it = after.raw.cbegin(); it != after.raw.cend(); ++it) {
            const auto was = before.raw.constFind(it.key());
            if (was != before.raw.cend() && *was == *it)
                continue;
            const QString now = decodeCharacterData(*it);
            const QString then = was == before.raw.cend() ? QString() : decodeCharacterData(*was);
            if (now != then)
                changes.insert(it.key(), { it.key(), then, now });
        }
        for (auto it = before.raw.cbegin(); it != before.raw.cend(); ++it)
            if (!after.raw.contains(it.key()) && !it->isEmpty())
                changes.insert(it.key(), { it.key(), decodeCharacterData(*it), {} });
        return changes.values();
    }
    const QMap<QString, QString> was = older.dayTexts();
    const QMap<QString, QString> now = newer.dayTexts();
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (was.value(it.key()) != it.value())
            changes.insert(it.key(), { it.key(), was.value(it.key()), it.value() });
    for (auto it = was.cbegin(); it != was.cend(); ++it)
        if (!now.contains(it.key()) && !it->isEmpty())
            changes.insert(it.key(), { it.key(), it.value(), {} });
    return changes.values();
}

QSet<QDate> DiarySnapshot::daysWithText(QDate month) const
{
    QSet<QDate> days;
    if (!m_outcome.ok())
        return days;
    const QByteArray prefix = QString::asprintf("%04d-%02d-", month.year(), month.month()).toUtf8();
    auto consider = [&](const QString &date, bool hasText) {
        if (hasText)
            if (const QDate day = dayFromKey(date); day.isValid())
                days.insert(day);
    };
    if (m_scan) {
        for (const ScannedEntry &entry : m_scan->entries) {
            const QByteArrayView rawDate = entry.date.of(m_bytes);
            if (rawDate.startsWith(prefix))
                consider(decodeCharacterData(rawDate), entry.text.end > entry.text.begin);
        }
        return days;
    }
    for (const QVariant &entry : m_entries) {
        if (!isDiaryEntry(entry))
            continue;
        const QVariantMap map = entry.toMap();
        const QString date = map.value(dateKey).toString();
        if (date.startsWith(QString::fromUtf8(prefix)))
            consider(date, !map.value(textKey).toString().isEmpty());
    }
    return days;
}

namespace {

// A stored date in the day form, read from its bytes without decoding them (a diary's dates are
// ASCII): the day, or an invalid date for anything else.
QDate dayFromBytes(QByteArrayView raw)
{
    if (raw.size() != 10 || raw[4] != '-' || raw[7] != '-')
        return dayFromKey(decodeCharacterData(raw));
    int digits[8];
    int n = 0;
    for (const qsizetype i : { 0, 1, 2, 3, 5, 6, 8, 9 }) {
        if (raw[i] < '0' || raw[i] > '9')
            return {};
        digits[n++] = raw[i] - '0';
    }
    return QDate(digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3],
            digits[4] * 10 + digits[5], digits[6] * 10 + digits[7]);
}

} // namespace

QSet<QDate> DiarySnapshot::daysWithText(const QMap<QString, QString> &replaced) const
{
    QSet<QDate> days;
    if (m_outcome.ok() && m_scan) {
        days.reserve(qsizetype(m_scan->entries.size()));
        for (const ScannedEntry &entry : m_scan->entries) {
            if (entry.text.end > entry.text.begin)
                if (const QDate day = dayFromBytes(entry.date.of(m_bytes)); day.isValid())
                    days.insert(day);
        }
    } else if (m_outcome.ok()) {
        for (const QVariant &entry : m_entries) {
            const QVariantMap map = entry.toMap();
            if (isDiaryEntry(entry) && !map.value(textKey).toString().isEmpty())
                if (const QDate day = dayFromKey(map.value(dateKey).toString()); day.isValid())
                    days.insert(day);
        }
    }
    for (auto it = replaced.cbegin(); it != replaced.cend(); ++it) {
        if (it.value().isEmpty())
            days.remove(dayFromKey(it.key()));
        else if (const QDate day = dayFromKey(it.key()); day.isValid())
            days.insert(day);
    }
    return days;
}

QMap<QDate, QString> DiarySnapshot::textsOfYear(
        int year, const QMap<QString, QString> &replaced) const
{
    QMap<QDate, QString> texts;
    QSet<QDate> seen; // a day's first entry is the one the window shows
    auto consider = [&](QDate day, auto text) {
        if (day.year() != year || seen.contains(day))
            return;
        seen.insert(day);
        if (const QString value = text(); !value.isEmpty())
            texts.insert(day, value);
    };
    if (m_outcome.ok() && m_scan) {
        const QByteArray prefix = QString::asprintf("%04d-", year).toUtf8();
        for (const ScannedEntry &entry : m_scan->entries) {
            const QByteArrayView rawDate = entry.date.of(m_bytes);
            if (rawDate.startsWith(prefix) || rawDate.contains('&'))
                consider(dayFromBytes(rawDate),
                        [&] { return decodeCharacterData(entry.text.of(m_bytes)); });
        }
    } else if (m_outcome.ok()) {
        for (const QVariant &entry : m_entries) {
            if (isDiaryEntry(entry)) {
                const QVariantMap map = entry.toMap();
                consider(dayFromKey(map.value(dateKey).toString()),
                        [&] { return map.value(textKey).toString(); });
            }
        }
    }
    for (auto it = replaced.cbegin(); it != replaced.cend(); ++it) {
        const QDate day = dayFromKey(it.key());
        if (day.year() != year)
            continue;
        if (it.value().isEmpty())
            texts.remove(day);
        else
            texts.insert(day, it.value());
    }
    return texts;
}

const QStringList &DiarySnapshot::foldedTexts(const DiarySnapshot *older) const
{
    std::call_once(m_foldedOnce, [&] {
        const std::vector<ScannedEntry> &entries = m_scan->entries;
        const bool reuse = older && older->m_scan && older->m_foldedReady;
        m_folded.reserve(qsizetype(entries.size()));
        for (size_t i = 0; i < entries.size(); ++i) {
            const QByteArrayView raw = entries[i].text.of(m_bytes);
            if (reuse && i < older->m_scan->entries.size()
                    && older->m_scan->entries[i].text.of(older->m_bytes) == raw)
                m_folded.append(older->m_folded.at(qsizetype(i)));
            else
                m_folded.append(foldedForSearch(decodeCharacterData(raw)));
        }
        m_foldedReady = true;
    });
    return m_folded;
}

void DiarySnapshot::inheritFoldedTexts(const DiarySnapshot &older) const
{
    if (m_scan && older.m_foldedReady)
        foldedTexts(&older);
}

void DiarySnapshot::prepareFoldedTexts() const
{
    if (m_scan)
        foldedTexts();
}

QList<DiaryEntry> DiarySnapshot::search(const QString &keyword,
        const QMap<QString, QString> &replaced, bool ignoreCaseAndAccents) const
{
    QList<DiaryEntry> found;
    const QueryMatcher matcher(keyword, ignoreCaseAndAccents);
    if (matcher.isEmpty())
        return found;
    QSet<QString> seen;
    auto consider = [&](const QString &date, const QString &text) {
        if (matcher.matches(text))
            found.append({ date, text });
    };
    if (m_outcome.ok() && m_scan) {
        QSet<QByteArray> replacedDates;
        for (auto it = replaced.cbegin(); it != replaced.cend(); ++it)
            replacedDates.insert(it.key().toUtf8());
        const QStringList *folded = matcher.ignoresCase() ? &foldedTexts() : nullptr;
        for (size_t i = 0; i < m_scan->entries.size(); ++i) {
            const ScannedEntry &entry = m_scan->entries[i];
            const QByteArrayView rawDate = entry.date.of(m_bytes);
            const bool plainDate = !rawDate.contains('&') && !rawDate.contains('\r');
            if (!replacedDates.isEmpty()
                    && (!plainDate || replacedDates.contains(rawDate.toByteArray()))) {
                const QString date = decodeCharacterData(rawDate);
                if (replaced.contains(date) && !seen.contains(date)) {
                    // the first entry of a day is the one the window shows and edits
                    seen.insert(date);
                    consider(date, replaced.value(date));
                    continue;
                }
            }
            const QByteArrayView raw = entry.text.of(m_bytes);
            if (folded) {
                if (matcher.matchesFolded(folded->at(qsizetype(i))))
                    found.append({ decodeCharacterData(rawDate), decodeCharacterData(raw) });
                continue;
            }
            switch (matcher.judge(raw, entry.textIsPlain)) {
            case KeywordMatcher::Verdict::No:
                break;
            case KeywordMatcher::Verdict::Yes:
                found.append({ decodeCharacterData(rawDate), decodeCharacterData(raw) });
                break;
            case KeywordMatcher::Verdict::Maybe:
                consider(decodeCharacterData(rawDate), decodeCharacterData(raw));
                break;
            }
        }
    } else if (m_outcome.ok()) {
        for (const QVariant &entry : m_entries) {
            if (!isDiaryEntry(entry))
                continue;
            const QVariantMap map = entry.toMap();
            const QString date = map.value(dateKey).toString();
            if (replaced.contains(date) && !seen.contains(date)) {
                seen.insert(date);
                consider(date, replaced.value(date));
                continue;
            }
            consider(date, map.value(textKey).toString());
        }
    }
    for (auto it = replaced.cbegin(); it != replaced.cend(); ++it) {
        if (!seen.contains(it.key()))
            consider(it.key(), it.value());
    }
    sortByDate(found);
    return found;
}

} // namespace penwick::diary

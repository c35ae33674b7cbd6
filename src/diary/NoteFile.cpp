#include "NoteFile.h"

#include "NoteScan.h"
#include "platform/AtomicFile.h"
#include "platform/Plist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace penwick::diary {

namespace {

const QString dateKey = QStringLiteral("date");
const QString textKey = QStringLiteral("text");

struct NoteFileText
{
    Q_DECLARE_TR_FUNCTIONS(NoteFile)
};

Outcome unreadable(const QString &why)
{
    return { Status::Unreadable, why };
}

struct FileBytes
{
    Outcome outcome;
    QByteArray bytes;
};

FileBytes readFile(const QString &path, FileIdentity *identity = nullptr)
{
    ReadResult read = readRegularFile(path);
    if (identity)
        *identity = read.identity;
    switch (read.kind) {
    case ReadResult::Ok:
        return { {}, std::move(read.bytes) };
    case ReadResult::Missing:
        return { { Status::Missing, {} }, {} };
    case ReadResult::FolderMissing:
        return {
            { Status::FolderMissing, QDir::toNativeSeparators(QFileInfo(path).absolutePath()) }, {}
        };
    case ReadResult::NotRegular:
        return { unreadable(QFileInfo(path).isDir()
                                 ? NoteFileText::tr("it is a folder.")
                                 : NoteFileText::tr("it is not a regular file.")),
            {} };
    case ReadResult::TooLarge:
        return { unreadable(NoteFileText::tr("it is larger than 1 GB.")), {} };
    case ReadResult::Failed:
    case ReadResult::Link: // the diary is read through links: never said here
    case ReadResult::NotOwn:
        break;
    }
    return { unreadable(read.error + QLatin1Char('.')), {} };
}

Entries parseEntries(QByteArrayView bytes)
{
    if (bytes.trimmed().isEmpty())
        return { unreadable(NoteFileText::tr("it is empty.")), {} };
    const plist::ReadResult result = plist::read(bytes);
    if (!result.value)
        return { unreadable(result.error), {} };
    if (result.value->typeId() != QMetaType::QVariantList)
        return { unreadable(NoteFileText::tr("it does not hold a list of diary entries.")), {} };
    return { {}, result.value->toList() };
}

Outcome written(const WriteResult &result)
{
    if (result.ok)
        return {};
    return { Status::WriteFailed, result.error };
}

QByteArray escaped(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 64);
    plist::appendEscaped(out, utf8);
    return out;
}

} // namespace

Outcome readNoteBytes(const QString &path, QByteArray *bytes, FileIdentity *identity)
{
    FileBytes file = readFile(path, identity);
    *bytes = std::move(file.bytes);
    return file.outcome;
}

Entries parseNoteBytes(QByteArrayView bytes)
{
    return parseEntries(bytes);
}

QString storableText(const QString &text)
{
    auto storable = [](QStringView s, qsizetype i) {
        const char16_t u = s[i].unicode();
        if (u < 0x20)
            return u == 0x09 || u == 0x0A || u == 0x0D;
        if (u == 0xFFFE || u == 0xFFFF)
            return false;
        if (QChar::isHighSurrogate(u))
            return i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1].unicode());
        if (QChar::isLowSurrogate(u))
            return i > 0 && QChar::isHighSurrogate(s[i - 1].unicode());
        return true;
    };
    const QStringView view(text);
    qsizetype i = 0;
    while (i < view.size() && storable(view, i))
        ++i;
    if (i == view.size())
        return text; // the common case: nothing to remove, no copy
    QString kept = text.left(i);
    for (; i < view.size(); ++i) {
        if (storable(view, i))
            kept.append(view[i]);
    }
    return kept;
}

QString noteFilePath(
        const QString &safePreference, const QString &applicationSupport, const QString &home)
{
    if (safePreference.isEmpty())
        return QDir(applicationSupport).filePath(defaultRelativePath);
    if (safePreference.startsWith(QLatin1String("~/")))
        return QDir::cleanPath(QDir(home).filePath(safePreference.mid(2)));
    if (QDir::isRelativePath(safePreference))
        return QDir::cleanPath(QDir(home).filePath(safePreference));
    return safePreference;
}

Entries loadEntries(const QString &path)
{
    FileBytes file = readFile(path);
    if (!file.outcome.ok())
        return { file.outcome, {} };
    return parseEntries(file.bytes);
}

DiaryEntries diaryEntries(const QString &path, const std::function<bool(const QString &text)> &keep,
        const std::function<bool(QByteArrayView utf8)> &mightKeep)
{
    FileBytes file = readFile(path);
    if (!file.outcome.ok())
        return { file.outcome, {} };
    QList<DiaryEntry> kept;
    if (auto scan = NoteScan::scan(file.bytes)) {
        // the scan already holds every entry's place: decode the texts only, not the whole tree
        for (const ScannedEntry &entry : scan->entries) {
            const QByteArrayView raw = entry.text.of(file.bytes);
            if (mightKeep && !mightKeep(raw))
                continue;
            QString text = decodeCharacterData(raw);
            if (keep(text))
                kept.append({ decodeCharacterData(entry.date.of(file.bytes)), std::move(text) });
        }
        return { {}, kept };
    }
    Entries all = parseEntries(file.bytes);
    for (const QVariant &entry : std::as_const(all.entries)) {
        if (isDiaryEntry(entry)) {
            const QVariantMap map = entry.toMap();
            QString text = map.value(textKey).toString();
            if (keep(text))
                kept.append({ map.value(dateKey).toString(), std::move(text) });
        }
    }
    return { all.outcome, kept };
}

DayText readDayText(const QString &path, const QString &date)
{
    FileBytes file = readFile(path);
    if (!file.outcome.ok())
        return { file.outcome, {} };
    if (auto scan = NoteScan::scan(file.bytes)) {
        const qsizetype i = scan->find(file.bytes, date.toUtf8());
        if (i < 0)
            return {};
        return { {}, decodeCharacterData(scan->entries[size_t(i)].text.of(file.bytes)) };
    }
    Entries all = parseEntries(file.bytes);
    return { all.outcome, lookupText(all.entries, date) };
}

Outcome saveDayText(const QString &path, const QString &date, const QString &text)
{
    FileBytes file = readFile(path);
    if (!file.outcome.ok())
        return file.outcome;
    const QByteArrayView bytes = file.bytes;

    if (auto scan = NoteScan::scan(bytes)) {
        // The common case: splice the day's new text into the bytes as they are.
        const QByteArray value = escaped(text);
        const qsizetype i = scan->find(bytes, date.toUtf8());
        if (i >= 0) {
            const ScannedEntry &entry = scan->entries[size_t(i)];
            if (entry.textSelfClosing) {
                return written(replaceFileAtomically(path,
                        { bytes.first(entry.textElement.begin), "<string>", value, "</string>",
                                bytes.sliced(entry.textElement.end) }));
            }
            return written(replaceFileAtomically(
                    path, { bytes.first(entry.text.begin), value, bytes.sliced(entry.text.end) }));
        }
        const QByteArray added = newEntryXml(escaped(date), value);
        if (scan->emptyArrayTag.isValid()) {
            return written(replaceFileAtomically(path,
                    { bytes.first(scan->emptyArrayTag.begin), "<array>", added, "\n</array>",
                            bytes.sliced(scan->emptyArrayTag.end) }));
        }
        return written(replaceFileAtomically(
                path, { bytes.first(scan->insertAt), added, bytes.sliced(scan->insertAt) }));
    }

    // Any other form (binary, comments, another layout): through the full reader and writer,
    // which keep every value though not every byte.
    Entries all = parseEntries(bytes);
    if (!all.outcome.ok())
        return all.outcome;
    replaceEntry(all.entries, date, text);
    return writeEntries(path, all.entries);
}

Outcome removeEmptyEntries(const QString &path, int *removed)
{
    Entries all = loadEntries(path);
    if (!all.outcome.ok())
        return all.outcome;
    const int count = removeEmpty(all.entries);
    if (removed)
        *removed = count;
    return writeEntries(path, all.entries);
}

Outcome writeEntries(const QString &path, const QVariantList &entries)
{
    return written(replaceFileAtomically(path, plist::writeXml(entries)));
}

bool isDiaryEntry(const QVariant &entry)
{
    if (entry.typeId() != QMetaType::QVariantMap)
        return false;
    const QVariantMap map = entry.toMap();
    return map.value(dateKey).typeId() == QMetaType::QString
            && map.value(textKey).typeId() == QMetaType::QString;
}

QString lookupText(const QVariantList &entries, const QString &date)
{
    for (const QVariant &entry : entries) {
        if (isDiaryEntry(entry)) {
            const QVariantMap map = entry.toMap();
            if (map.value(dateKey).toString() == date)
                return map.value(textKey).toString();
        }
    }
    return {};
}

void replaceEntry(QVariantList &entries, const QString &date, const QString &text)
{
    for (QVariant &entry : entries) {
        if (isDiaryEntry(entry)) {
            QVariantMap map = entry.toMap();
            if (map.value(dateKey).toString() == date) {
                // other keys of the entry stay as they are
                map.insert(textKey, text);
                entry = map;
                return;
            }
        }
    }
    entries.append(QVariantMap { { dateKey, date }, { textKey, text } });
}

int removeEmpty(QVariantList &entries)
{
    const qsizetype before = entries.size();
    entries.removeIf([](const QVariant &entry) {
        return isDiaryEntry(entry) && entry.toMap().value(textKey).toString().isEmpty();
    });
    return int(before - entries.size());
}

void sortByDate(QList<DiaryEntry> &entries)
{
    const auto earlier = [](const DiaryEntry &a, const DiaryEntry &b) { return a.date < b.date; };
    // a diary is mostly kept in date order already: one pass tells, and the sort is spared
    if (!std::is_sorted(entries.cbegin(), entries.cend(), earlier))
        std::stable_sort(entries.begin(), entries.end(), earlier);
}

} // namespace penwick::diary

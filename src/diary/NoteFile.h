// The note file: where it is, reading one day's text, storing one day's text, and removing
// entries with empty text. Nothing is cached: every call reads the file anew, and every change
// rewrites it whole with a crash-safe replacement.
//
// A file that cannot be read is never written: a change made then is reported, not stored.
// Calls report a status and the system's reason; the window words the sentence the user reads.
#pragma once

#include "platform/AtomicFile.h"

#include <QString>
#include <QVariantList>
#include <functional>

namespace penwick::diary {

inline const QString defaultRelativePath = QStringLiteral("Hollyfen/Penwick/note.plist");

// The note file's path: the "safe" preference when it holds text, else the default place in
// the application-support folder. A "safe" starting with "~/", or any other relative one, is
// taken from the home folder, never from wherever Penwick was started.
QString noteFilePath(
        const QString &safePreference, const QString &applicationSupport, const QString &home);

enum class Status {
    Ok,
    Missing, // no file at the path, in a folder that exists
    FolderMissing, // not even the folder that should hold the file (a disconnected drive?)
    Unreadable, // a file that is no property list, or whose root is not an array
    WriteFailed, // read fine, but the new version could not be written
};

struct Outcome
{
    Status status = Status::Ok;
    QString reason; // why, in the system's or the reader's words, when status is not Ok
    bool ok() const { return status == Status::Ok; }
    friend bool operator==(const Outcome &, const Outcome &) = default;
};

// One day of the diary, as the search and the results list carry it.
struct DiaryEntry
{
    QString date; // the day key as stored, "yyyy-MM-dd" in a well-formed diary
    QString text;
    friend bool operator==(const DiaryEntry &, const DiaryEntry &) = default;
};

// Orders entries by their day key, keeping the file's order among entries of the same key.
void sortByDate(QList<DiaryEntry> &entries);

// Every element of the root array, every value as the property-list reader gives it, so that
// what Penwick does not understand survives a rewrite.
struct Entries
{
    Outcome outcome;
    QVariantList entries; // as stored, in file order
};

struct DiaryEntries
{
    Outcome outcome;
    QList<DiaryEntry> entries;
};

struct DayText
{
    Outcome outcome;
    QString text; // empty when the day has no entry or the file cannot be read
};

// All entries, every value as the property-list reader gives it.
Entries loadEntries(const QString &path);

// The note file's bytes, refusing a folder or a file too large to be a diary.
Outcome readNoteBytes(const QString &path, QByteArray *bytes, FileIdentity *identity = nullptr);
// The entries that bytes hold, or why they hold none.
Entries parseNoteBytes(QByteArrayView bytes);

// The text as it can be stored: without the characters XML 1.0 cannot carry (controls other
// than tab, line feed and carriage return, U+FFFE, U+FFFF and lone surrogates), which no other
// reader would accept in the file.
QString storableText(const QString &text);

// The diary entries for which keep(text) holds, in file order.
// Entries without a string date and text are passed over. When given, mightKeep first sees the
// text's raw character data wherever it is UTF-8 with at most the five named entities (no
// character references, no CR); a text it turns down is passed over without being decoded.
DiaryEntries diaryEntries(const QString &path, const std::function<bool(const QString &text)> &keep,
        const std::function<bool(QByteArrayView utf8)> &mightKeep = {});

// The text of the first entry whose date equals date.
DayText readDayText(const QString &path, const QString &date);

// Stores text as the day's entry: in place of the first entry for date, else appended.
Outcome saveDayText(const QString &path, const QString &date, const QString &text);

// Removes the entries whose text is empty; removed receives how many.
Outcome removeEmptyEntries(const QString &path, int *removed = nullptr);

// Rewrites the whole file from entries.
Outcome writeEntries(const QString &path, const QVariantList &entries);

// The list operations behind the calls above, for entries already in memory. An entry counts
// only when it is a dictionary whose "date" and "text" are strings; others are passed over and
// kept as they are.
bool isDiaryEntry(const QVariant &entry);
QString lookupText(const QVariantList &entries, const QString &date);
void replaceEntry(QVariantList &entries, const QString &date, const QString &text);
int removeEmpty(QVariantList &entries);

} // namespace penwick::diary

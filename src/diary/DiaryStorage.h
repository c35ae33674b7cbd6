// What can be done to the diary file as a whole, decided without a widget: moving it, starting
// an empty one, checking a file before it becomes the diary, exporting the diary as text, and
// reading the diary an earlier version kept in its preferences file.
#pragma once

#include "diary/NoteFile.h"
#include "platform/AtomicFile.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace penwick::diary {

// Moves the note file to destination, which must not exist: nothing is ever replaced. Across
// file systems the bytes are copied and synced before the original is removed.
WriteResult moveNoteFile(const QString &from, const QString &destination);

// Why destination may not receive a move, a new diary or an export while the diary at
// notePath is open: it is that very file (through any link or spelling of the path). Empty
// when it may.
QString refusalToReplaceDiary(const QString &notePath, const QString &destination);

// Writes a diary without entries to path, crash-safely.
WriteResult writeEmptyDiary(const QString &path);

// The note file's path when the diary is kept in folder under the name "safe" gives it, or
// under "note.plist" when "safe" names none.
QString pathInFolder(const QString &folder, const QString &safePreference);

enum class ImportCheck {
    Accepted,
    WrongName, // the path does not end with "plist" (case-sensitive)
    WrongFormat, // no property list with an array of dictionaries at its root
};
ImportCheck checkImport(const QString &path);

// The whole diary as text: per entry in date order, its date, a line feed, its text as stored,
// and two line feeds. UTF-8 without a byte-order mark; entries of the same date keep their
// order in the file.
QByteArray exportText(QList<DiaryEntry> entries);

// Writes text straight to destination, replacing what is there, as a text export is written;
// only ever into a regular file (a FIFO or a device is refused, never waited on).
WriteResult writeTextFile(const QString &destination, const QByteArray &text);

// Writes the export of the note file at notePath straight to destination. A diary that cannot
// be read exports as an empty file.
WriteResult exportDiary(const QString &notePath, const QString &destination);

// The array under "note" in a property-list file (an earlier version's preferences), or
// nothing when the file cannot be read or "note" is missing or not an array.
std::optional<QVariantList> legacyDiaryIn(const QString &path);

} // namespace penwick::diary

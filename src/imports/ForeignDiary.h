// Diaries kept by other programs, read into one list of dated entries: jrnl (plain text and its
// JSON export), a RedNotebook data folder, a Day One JSON export (a .zip or its .json) and a
// folder of daily notes named by date. The kind is told from the content. Every file is
// untrusted: reading stays within the limits below and fails with one sentence for the user,
// never with part of a diary.
#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QTime>

namespace penwick::imports {

// A single file (or a file inside a zip archive) larger than this is refused.
constexpr qint64 maxFileSize = qint64(64) << 20;
// A zip archive with more members than this is refused.
constexpr qint64 maxZipMembers = 10'000;
// What one import reads at most: the journals inflated from a zip archive, or the files of a
// folder. Counted while inflating, since a zip header may lie about a member's size.
constexpr qint64 maxTotalSize = qint64(256) << 20;
// JSON nested deeper than this is refused before it is parsed.
constexpr int maxJsonDepth = 64;
// A folder holding more files than this is refused.
constexpr qint64 maxFolderFiles = 100'000;
// The text one day receives from an import, in UTF-8 bytes.
constexpr qint64 maxDayTextSize = qint64(10) << 20;
// YAML aliases are refused outright (a few lines of them can stand for billions of nodes);
// a YAML file with more nodes than this is refused too.
constexpr qint64 maxYamlNodes = 1'000'000;
// The years a date may carry.
constexpr int firstYear = 1;
constexpr int lastYear = 9999;

struct ImportedEntry
{
    QDate day;
    QTime time; // invalid when the format keeps none
    QString title;
    QString body;
};

struct ImportedDiary
{
    QString kind; // the name the user knows: "jrnl", "RedNotebook", "Day One", "daily notes"
    QList<ImportedEntry> entries;
    int attachmentsLeftOut = 0; // Day One photos, audio, videos and PDFs: counted, not imported
    QString error; // empty on success; otherwise a sentence for the user, and nothing else is set
};

// Reads the diary at path, a file or a folder.
ImportedDiary readForeignDiary(const QString &path);

// One text per day, keyed by "yyyy-MM-dd": the day's entries in time order, separated by a blank
// line; an entry with a time or a title starts with the line "HH:MM title" (as much as it has).
QMap<QString, QString> textsByDay(const ImportedDiary &diary);

// The day's text after importing into it: the imported text where the day is blank, the day as
// it stands where it already holds the imported text (so importing twice changes nothing), and
// otherwise the day followed by a blank line and the imported text.
QString mergedDayText(const QString &here, const QString &imported);

} // namespace penwick::imports

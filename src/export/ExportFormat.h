// What an export is made of, decided without a widget: the formats with their names on the
// command line and their suggested file names, the options the user picks, the progress a
// running export shares with the window, and the wording of a range of days.
#pragma once

#include "diary/NoteFile.h"

#include <QDate>
#include <QFont>
#include <QLocale>
#include <QString>
#include <atomic>
#include <optional>

namespace penwick::exports {

using diary::DiaryEntry;

enum class Format {
    Text, // today's plain text export, byte for byte
    Markdown, // one file: a heading per year and per day
    DailyNotes, // a folder of YYYY-MM-DD.md files
    Html, // one self-contained page
    Pdf,
    Json, // jrnl's export shape
};

// The command line's name of a format: "text", "markdown", "notes", "html", "pdf", "json".
QString formatName(Format format);
std::optional<Format> formatNamed(const QString &name);
// "Penwick-Export.md" and so on; for daily notes a folder name.
QString suggestedName(Format format);

struct ExportOptions
{
    Format format = Format::Text;
    bool leaveOutEmptyDays = false;
    bool monthsOnNewPages = true; // PDF and printing
    QFont font; // PDF and printing: the user's font
    QLocale locale; // day and month names, paper size
};

// Shared by the thread that exports and the window that shows how far it got.
struct ExportProgress
{
    std::atomic<qint64> done { 0 };
    std::atomic<qint64> total { 0 };
    std::atomic<bool> cancelled { false };
    // One more day done; false once the user cancelled.
    bool step()
    {
        done.fetch_add(1, std::memory_order_relaxed);
        return !cancelled.load(std::memory_order_relaxed);
    }
};

// A day whose text is empty or only white space.
bool isEmptyDay(const DiaryEntry &day);
// The days without the empty ones when the options leave them out.
QList<DiaryEntry> daysToExport(QList<DiaryEntry> days, const ExportOptions &options);

// A month with its year: "March 2026", "2026年3月" (the order is the translation's).
QString monthAndYear(QDate day, const QLocale &locale);
// A day in the locale's long form without the weekday: "15 March 2026", "15. März 2026".
QString dayWithoutWeekday(QDate day, const QLocale &locale);
// The first and the last of days as "1 January 2026 – 31 December 2026" (one day alone when
// they are the same); empty for no days.
QString rangeText(const QList<DiaryEntry> &days, const QLocale &locale);

} // namespace penwick::exports

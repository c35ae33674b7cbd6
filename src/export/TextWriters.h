// The exports that are text: each takes the days in date order and gives the file's bytes
// (UTF-8 without a byte-order mark), or nothing once progress says the user cancelled. Every
// day counts one step of progress.
#pragma once

#include "export/ExportFormat.h"

#include <QByteArray>

namespace penwick::exports {

// Today's plain text export: per day its date, a line feed, its text and two line feeds.
std::optional<QByteArray> plainText(const QList<DiaryEntry> &days, ExportProgress *progress);

// One Markdown file: "# 2026" before each year's days, "## Sunday, 15 March 2026" (the
// locale's long date) before each day, then the day's text as written. A line of the text that
// Markdown would read as a heading ("# …", or a line of "-" or "=" under a line of text) is
// escaped with a backslash, so that the years and days stay the only headings.
std::optional<QByteArray> markdown(
        const QList<DiaryEntry> &days, const QLocale &locale, ExportProgress *progress);

// One HTML page with nothing outside it: a month index at the top, a heading per month and per
// day, each text escaped with its line breaks kept and its direction its own; light or dark as
// the reader's system is, and as readable on a phone as on a desk.
std::optional<QByteArray> html(
        const QList<DiaryEntry> &days, const QLocale &locale, ExportProgress *progress);

// jrnl's JSON export: {"tags": {}, "entries": [{"title", "body", "date", "time", "tags",
// "starred"}]}, a day's whole text as the body. Penwick keeps no title, time or tags, so those
// are empty.
std::optional<QByteArray> jrnlJson(const QList<DiaryEntry> &days, ExportProgress *progress);

// A daily note: its file name "2026-03-15.md" and its text as written, ending in a line feed.
QString dailyNoteName(const DiaryEntry &day);
QByteArray dailyNote(const DiaryEntry &day);

} // namespace penwick::exports

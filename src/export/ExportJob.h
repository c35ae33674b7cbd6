// One export from start to end, on whichever thread runs it: the days in the chosen format,
// written to the destination crash-safely (a reader finds the old file or the whole new one,
// never a part), and never onto the diary itself. A cancelled or failed export leaves nothing
// behind: not a part of a file, not a folder of some of the days.
#pragma once

#include "export/ExportFormat.h"

namespace penwick::exports {

struct ExportOutcome
{
    bool cancelled = false;
    QString error; // a sentence for the user; empty on success and when cancelled
    bool ok() const { return !cancelled && error.isEmpty(); }
};

// Writes days (in date order) to destination: a file, or for daily notes a folder that is
// new or empty. diaryPath is the open diary, which an export never replaces.
ExportOutcome writeExport(const QList<DiaryEntry> &days, const ExportOptions &options,
        const QString &destination, const QString &diaryPath, ExportProgress *progress);

// The PDF's bytes, or nothing when cancelled (error says why when it failed).
std::optional<QByteArray> pdf(const QList<DiaryEntry> &days, const ExportOptions &options,
        ExportProgress *progress, QString *error);

} // namespace penwick::exports

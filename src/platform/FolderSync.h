// Making a folder of new files durable before it takes its place: what a folder written whole
// (an export of daily notes) needs before it is renamed to its final name.
#pragma once

#include <QString>

namespace penwick {

// Syncs the files in folder and the folder itself to the disk: on Linux with one syncfs of
// the file system that holds it (thousands of small files cost one call), elsewhere file by
// file. False, with the system's reason, when it fails.
bool syncFolderAndFiles(const QString &folder, QString *error);

// Syncs folder's own entries (a rename into it), as far as the system allows.
void syncFolderEntries(const QString &folder);

} // namespace penwick

// The files around a protected diary that Penwick made, brought into line with its protection:
// backups sealed when it is protected, opened again when protection is removed, sealed anew
// under a new passphrase's header; a conflict copy merged into a protected diary goes into the
// backups sealed. Each file is replaced crash-safely: the clear one is gone only once the
// sealed one is synced to the disk in its place.
#pragma once

#include "privacy/DiaryKey.h"

#include <QString>
#include <QStringList>

namespace penwick::privacy {

// Replaces the file at path by its contents sealed under to (in clear where to is null), opening
// it with from where it is sealed. A file already so is left untouched; one that from does not
// open (another passphrase's, damaged) is left as it is. An error sentence, or nothing.
QString convertFile(const QString &path, const DiaryKey *from, const DiaryKey *to);

struct FolderConversion
{
    QStringList converted; // file names
    QStringList leftAlone; // sealed under another key, damaged, or unreadable
    QStringList errors; // sentences
};
// Every diary file in folder (a property list or a sealed file), converted as by convertFile.
FolderConversion convertFolder(const QString &folder, const DiaryKey *from, const DiaryKey *to);

// Writes the clear file at path into folder sealed (under its name, never replacing a file
// there), then removes it. An error sentence, or nothing.
QString sealFileInto(const QString &path, const QString &folder, const DiaryKey &key);

} // namespace penwick::privacy

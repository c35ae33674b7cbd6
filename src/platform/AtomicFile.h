// Crash-safe replacement of a whole file: the new bytes go to a temporary file beside the
// target, every byte is checked written and synced, the temporary file is renamed over the
// target and the folder is synced. A reader always finds the old or the new file whole.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <initializer_list>

namespace penwick {

struct WriteResult
{
    bool ok = false;
    QString error; // a full sentence with the system's reason when ok is false
};

// The failure of a write to path for the system's error number, as a sentence for the user.
WriteResult writeFailure(const QString &path, int error);

// Replaces the file at path with the concatenation of pieces. A symlink at path stays a
// symlink and its target receives the bytes; an existing file keeps its permission bits.
// The folder must exist: it is not created.
WriteResult replaceFileAtomically(
        const QString &path, std::initializer_list<QByteArrayView> pieces);

inline WriteResult replaceFileAtomically(const QString &path, QByteArrayView bytes)
{
    return replaceFileAtomically(path, { bytes });
}

// Writes a new file at path as crash-safely, failing rather than replacing a file that stands
// there (or appears meanwhile).
WriteResult createFileAtomically(const QString &path, QByteArrayView bytes);

// Removes the temporary files that replacements of path left behind when their process was
// killed before the rename. Only safe while no replacement of path is under way.
int removeStaleTemporaryFiles(const QString &path);

} // namespace penwick

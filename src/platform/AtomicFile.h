// Crash-safe replacement of a whole file: the new bytes go to a temporary file beside the
// target, every byte is checked written and synced, the temporary file is renamed over the
// target and the folder is synced. A reader always finds the old or the new file whole.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <initializer_list>

namespace penwick {

// What tells one version of a file from another without reading it.
struct FileIdentity
{
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;

    static FileIdentity of(const QString &path); // follows symlinks
    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

struct WriteResult
{
    bool ok = false;
    QString error; // a full sentence with the system's reason when ok is false
    // The file as placed, taken from the written descriptor: a rename landing right after
    // ours then shows as another version rather than as ours.
    FileIdentity written;
    // A replacement that was told which file it replaces found another program's version
    // there instead, and left it in place.
    bool changedMeanwhile = false;
    // Such a version that could not be put back in place (or a third one that landed while it
    // was), kept beside the file under this path rather than lost.
    QString keptAside;

    static WriteResult success() { return { true, {}, {}, false, {} }; }
    static WriteResult failure(const QString &error) { return { false, error, {}, false, {} }; }
};

// The name under which another program's version of path is kept beside it: "note (another
// program's version 2026-12-09 101010).plist" for note.plist.
QString keptAsideName(const QString &path, const QDateTime &when);

// Files larger than this are refused rather than read: fifty years of daily pages are 15 MB.
constexpr qint64 maxReadableSize = qint64(1) << 30;

struct ReadResult
{
    enum Kind {
        Ok,
        Missing,
        FolderMissing,
        NotRegular,
        TooLarge,
        Failed,
        Link, // a symlink where only a file of the user's own is read
        NotOwn, // a file of another user's there
    };
    Kind kind = Failed;
    QString error; // the system's reason, for Failed
    QByteArray bytes;
    FileIdentity identity; // of the very file the bytes came from
};

// Reads a regular file whole, never blocking on a FIFO or device and never reading more than
// maxSize (a larger file is TooLarge, told from its size before a byte is read). With ownFileOnly
// (a file Penwick reads for itself from a folder others write into), a symlink is not followed
// and a file of another user's is not read.
ReadResult readRegularFile(
        const QString &path, qint64 maxSize = maxReadableSize, bool ownFileOnly = false);

// Whether path is a symlink, or something other than a folder, where Penwick keeps a folder of
// its own (the backups): then nothing is written there.
bool isForeignFolder(const QString &path);

// The failure of a write to path for the system's error number, as a sentence for the user.
WriteResult writeFailure(const QString &path, int error);

// Replaces the file at path with the concatenation of pieces. A symlink at path stays a
// symlink and its target receives the bytes; an existing file keeps its permission bits.
// The folder must exist: it is not created.
// With expected, the replacement happens only while the file standing there is that version;
// otherwise nothing changes and changedMeanwhile says so.
WriteResult replaceFileAtomically(const QString &path, std::initializer_list<QByteArrayView> pieces,
        const FileIdentity *expected = nullptr);

inline WriteResult replaceFileAtomically(const QString &path, QByteArrayView bytes)
{
    return replaceFileAtomically(path, { bytes });
}

// Tests: runs between the exchange that finds another program's version and the exchange that
// puts it back, where a third program's rename would land.
void setBetweenExchangesHook(void (*hook)());

// Writes a new file at path as crash-safely, failing rather than replacing a file that stands
// there (or appears meanwhile).
WriteResult createFileAtomically(const QString &path, QByteArrayView bytes);

// Creates folder and the folders above it that are missing, each for the user alone (0700);
// folders that exist keep their mode. True when folder exists afterwards.
bool makePrivateFolder(const QString &folder);

// True when both paths name the same file (through any link or spelling of the path).
bool isSameFile(const QString &a, const QString &b);

// Removes the temporary files that replacements of path left behind when their process was
// killed before the rename: only names of Penwick's own making, older than a minute.
int removeStaleTemporaryFiles(const QString &path);

} // namespace penwick

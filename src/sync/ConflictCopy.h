// Conflict copies: when two machines changed the diary between two syncs, the sync engine keeps
// one version as the diary and leaves the other beside it under a name of its own. This finds
// them, reads them as the untrusted files they are, and moves a merged one aside.
#pragma once

#include "platform/AtomicFile.h"
#include "privacy/DiaryKey.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace penwick::sync {

// True when fileName is a conflict copy of the diary named diaryFileName, as Syncthing
// ("note.sync-conflict-20240102-101500-ABCDEF1.plist"), Nextcloud and ownCloud
// ("note (conflicted copy 2024-01-02 101500).plist") and Dropbox
// ("note (Jane's laptop conflicted copy 2024-01-02).plist") name them.
bool isConflictCopyName(const QString &fileName, const QString &diaryFileName);

// The conflict copies beside the diary at diaryPath, by name.
QStringList conflictCopiesOf(const QString &diaryPath);

// Largest conflict copy read: a copy is untrusted, held to the limits of an imported file.
constexpr qint64 maxCopySize = qint64(64) << 20;

struct CopyRead
{
    QString name; // the copy's file name
    QByteArray bytes;
    QVariantList entries;
    FileIdentity identity;
    QString error; // a sentence for the user when the copy is no diary that can be merged
    bool ok() const { return error.isEmpty(); }
};

// Reads the copy at path: a regular file of at most maxCopySize, checked before a byte is read,
// holding a property list of dictionaries. A sealed copy is opened with key (its bytes are then
// the clear ones); one that key does not open is refused.
CopyRead readConflictCopy(const QString &path, const privacy::KeyPointer &key = {});

// Moves the copy at path into folder (made private if missing), never replacing a file there;
// the moved copy is the user's alone. Returns an error sentence, or nothing.
QString moveCopyInto(const QString &path, const QString &folder);

} // namespace penwick::sync

// Conflict copies: when two machines changed the diary between two syncs, the sync engine keeps
// one version as the diary and leaves the other beside it under a name of its own. This finds
// them and merges them into the diary day by day, so no machine's days are lost.
#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

namespace penwick::history {
class HistoryStore;
}

namespace penwick::sync {

// True when fileName is a conflict copy of the diary named diaryFileName, as Syncthing
// ("note.sync-conflict-20240102-101500-ABCDEF1.plist"), Nextcloud and ownCloud
// ("note (conflicted copy 2024-01-02 101500).plist") and Dropbox
// ("note (Jane's laptop conflicted copy 2024-01-02).plist") name them.
bool isConflictCopyName(const QString &fileName, const QString &diaryFileName);

// The conflict copies beside the diary at diaryPath, by name.
QStringList conflictCopiesOf(const QString &diaryPath);

// A day whose text differed in the two files: kept stays the day's text, other goes to history.
struct DayConflict
{
    QString dayKey;
    QString keptText;
    QString otherText;
};

struct EntriesMerge
{
    QVariantList entries; // every dated entry in date order, then the others
    int daysFromCopy = 0; // days only the copy had
    QList<DayConflict> conflicts; // in date order
};

// Merges copy into diary. A day in one of them only is kept; the same text is kept once;
// different texts: the newer file's entry stays (copyIsNewer says which), except for
// protectedDay, whose text in diary always stays (the user is writing it). Entries keep every
// value they hold; the result depends only on the two lists and copyIsNewer.
EntriesMerge mergeEntries(const QVariantList &diary, const QVariantList &copy, bool copyIsNewer,
        const QString &protectedDay = {});

// Largest conflict copy read: a copy is untrusted, held to the limits of an imported file.
constexpr qint64 maxCopySize = qint64(64) << 20;

struct CopyMerge
{
    QString copyName;
    QString error; // a sentence for the user; the copy is left where it is
    int daysFromCopy = 0;
    QList<DayConflict> conflicts;
    bool ok() const { return error.isEmpty(); }
};

// Merges the conflict copy at copyPath into the diary at diaryPath: both read, merged, every
// other text of a day recorded in history (as merged from the copy), the diary written in one
// crash-safe step over the version read, and only then the copy moved into backupsFolder.
// A copy that does not read as a diary is refused whole and left alone.
CopyMerge mergeConflictCopy(const QString &diaryPath, const QString &copyPath,
        history::HistoryStore *history, const QString &backupsFolder,
        const QString &protectedDay = {});

} // namespace penwick::sync

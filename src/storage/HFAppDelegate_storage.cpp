// Storage and migration: the controller's side of carrying legacy diaries into the note file.
#include "app/HFAppDelegate.h"
#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/Plist.h"
#include "platform/Preferences.h"
#include "storage/Migration.h"

#include <QDir>
#include <QFileInfo>

using namespace penwick;

void HFAppDelegate::rise()
{
    Preferences &prefs = *m_preferences;
    if (prefs.array(prefkey::note).isEmpty()) {
        prefs.setValue(prefkey::note,
                storage::legacyEntries(
                        prefs.keys(), [&prefs](const QString &key) { return prefs.value(key); }));
        prefs.sync();
    }

    const QString path = rest();
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
        return; // an existing note file, readable or not, is never touched here

    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written in one atomic step: an empty file left by a failed write would be unreadable,
    // and would stop every later start from creating the diary.
    const WriteResult written
            = replaceFileAtomically(path, plist::writeXml(prefs.array(prefkey::note)));
    if (!written.ok)
        qCWarning(lcPenwick) << "Could not create the diary file:" << written.error;
}

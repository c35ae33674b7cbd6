// A protected diary's key and the conversions that add, change or remove its protection, over
// the diary's services: the diary file, the history's texts and the backups are brought into
// line together, in an order that leaves a diary that opens, under the old passphrase or the
// new one, wherever a conversion stops (a crash, a full disk):
//
//   protect:  the diary file is sealed first (one crash-safe replacement), then the history's
//             texts (one transaction), then each backup; a start under the new passphrase
//             finishes what is left in clear.
//   remove:   the backups and the history are opened first, the diary file last; a start
//             while the file is still sealed seals them again.
//   change:   the data key stays, so the history stays as it is; the diary file gets the new
//             header, then each backup.
//
// A lock writes everything that waits, then lets go of the key and of every text in memory.
#pragma once

#include "privacy/SealedFile.h"

#include <QObject>
#include <QStringList>
#include <functional>

namespace penwick::diary {
class DiarySession;
}
namespace penwick::history {
class HistoryStore;
}

namespace penwick {

struct Conversion
{
    QString error; // a sentence when the conversion did not happen; nothing was changed then
    // the places outside Penwick's folders that may still hold the diary in clear, for the user
    QStringList mayHoldClearText;
    QStringList leftAlone; // backups that do not open with this diary's key
    bool ok() const { return error.isEmpty(); }
};

class DiaryProtection : public QObject
{
    Q_OBJECT
public:
    DiaryProtection(diary::DiarySession &session, history::HistoryStore *history,
            const QString &backupsFolder, QObject *parent = nullptr);

    // True when the diary file is sealed (a look at its first bytes).
    bool diaryIsSealed() const;
    // True while the diary is protected and its key is in memory.
    bool isUnlocked() const;
    // A protected diary whose key is not in memory: nothing of it can be shown.
    bool isLocked() const { return diaryIsSealed() && !isUnlocked(); }

    // The key from the passphrase or the recovery key, tried on the diary file as it stands;
    // used at once when it opens the file.
    privacy::Unsealed unlock(const QString &secret, bool isRecoveryKey);
    // The key goes to the session and the history, and whatever a conversion left half-done
    // (a text or a backup in clear) is sealed now.
    void useKey(privacy::KeyPointer key);
    // Everything waiting is written, then the key and every text in memory go.
    void lock();

    // True when passphrase opens the diary as it is unlocked now (asked before a removal).
    bool checkPassphrase(const QString &passphrase) const;
    // Another file became the diary: a clear one is kept in clear (the key goes), one this key
    // does not open is locked until its own passphrase is given.
    void followDiary();

    Conversion protect(const QString &passphrase, const QString &recoveryKey);
    Conversion changePassphrase(const QString &passphrase);
    Conversion removeProtection();

    // Tests: called after each step of a conversion ("diary", "history", "backups"), where a
    // kill would stop it.
    void setStepHookForTest(std::function<void(const char *step)> hook)
    {
        m_step = std::move(hook);
    }

Q_SIGNALS:
    void lockedChanged(bool locked);

private:
    // Writes the whole diary file under the session's key now; the error when it could not.
    QString rewriteDiary();
    QMap<QString, QString> fileTexts();
    QStringList placesOutside() const;

    diary::DiarySession &m_session;
    history::HistoryStore *m_history;
    QString m_backupsFolder;
    std::function<void(const char *)> m_step = [](const char *) {};
};

} // namespace penwick

// The lock of a protected diary, and its commands: File → Protect with a Passphrase…, Change
// Passphrase…, Remove Protection…, Lock Now (Ctrl+L), Lock After (the idle time), and keeping
// the passphrase in the keyring. While the diary is locked the window shows the unlock view in
// place of the calendar and the page, its title names no day, and every command that would
// show the diary is disabled; on a lock every widget that held a text of the diary lets go of it
// (the page and its undo history, the search, On This Day, the history dialog).
//
// It locks after the chosen time without use of Penwick, when the desktop session locks, and by
// Lock Now; before it locks, everything typed is stored. Wrong passphrases make the next try
// wait longer (privacy/LockRules.h).
#pragma once

#include "privacy/LockRules.h"

#include <QObject>
#include <QPointer>
#include <functional>

class Dialogs;
class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QTimer;
class UnlockView;
namespace penwick {
class DiaryServices;
class DiaryProtection;
} // namespace penwick

class DiaryLock : public QObject
{
    Q_OBJECT
public:
    DiaryLock(penwick::DiaryServices *services, QMainWindow *window,
            std::function<Dialogs *()> dialogs);

    // The commands, before before in file.
    void addActionsTo(QMenu *file, QAction *before);
    // At start: a locked diary shows the unlock view, and start runs once it is unlocked.
    // True when the start waits.
    bool holdStart(std::function<void()> start);
    bool isLocked() const;

public Q_SLOTS:
    void lockNow();
    void protect();
    void changePassphrase();
    void removeProtection();

Q_SIGNALS:
    void noticeRaised(const QString &notice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showLocked();
    void showUnlocked();
    void tryUnlock(const QString &secret, bool isRecoveryKey);
    void askKeyringForPassphrase();
    void forgetShownTexts();
    void updateActions();
    void setIdleMinutes(int minutes);
    void rememberPassphrase(bool remember, const QString &passphrase);
    QString keyringAccount() const;

    penwick::DiaryServices *m_services;
    penwick::DiaryProtection &m_protection;
    QMainWindow *m_window;
    std::function<Dialogs *()> m_dialogs;
    UnlockView *m_unlockView;
    QPointer<QWidget> m_diaryView; // the window's own central widget while locked
    std::function<void()> m_heldStart;
    penwick::privacy::UnlockThrottle m_throttle;
    QTimer *m_idle;
    QList<QAction *> m_disabled; // the window's commands disabled by the lock
    QAction *m_protect = nullptr;
    QAction *m_change = nullptr;
    QAction *m_remove = nullptr;
    QAction *m_lockNow = nullptr;
    QAction *m_keyring = nullptr;
    QMenu *m_lockAfter = nullptr;
    QObject *m_sessionLock = nullptr;
};

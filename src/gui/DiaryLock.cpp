#include "DiaryLock.h"

#include "DayPage.h"
#include "Dialogs.h"
#include "HistoryDialog.h"
#include "Keyring.h"
#include "OnThisDay.h"
#include "PassphraseDialogs.h"
#include "PrintPage.h"
#include "SearchPopover.h"
#include "UnlockView.h"
#include "diary/DiarySession.h"
#include "diary/DiaryStorage.h"
#include "history/Backups.h"
#include "platform/Modules.h"
#include "platform/Preferences.h"
#include "privacy/SessionLockWatch.h"
#include "services/DiaryProtection.h"
#include "services/DiaryServices.h"

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>

using penwick::privacy::Unsealed;

DiaryLock::DiaryLock(
        penwick::DiaryServices *services, QMainWindow *window, std::function<Dialogs *()> dialogs)
    : QObject(window)
    , m_services(services)
    , m_protection(services->protection())
    , m_window(window)
    , m_dialogs(std::move(dialogs))
    , m_unlockView(new UnlockView(window))
    , m_idle(new QTimer(this))
{
    setObjectName(QStringLiteral("diaryLock"));
    m_unlockView->hide();
    connect(m_unlockView, &UnlockView::unlockRequested, this, &DiaryLock::tryUnlock);
    connect(m_unlockView, &UnlockView::keyringRequested, this, &DiaryLock::askKeyringForPassphrase);
    m_idle->setSingleShot(true);
    connect(m_idle, &QTimer::timeout, this, &DiaryLock::lockNow);
    setIdleMinutes(penwick::privacy::idleLockMinutes(
            services->session().preferences().value(penwick::privacy::idleLockPreference)));
    qApp->installEventFilter(this);
    connect(&m_protection, &penwick::DiaryProtection::lockedChanged, this,
            &DiaryLock::updateActions);
    // another diary opened while this one is unlocked: its own protection, its own key
    connect(&services->session(), &penwick::diary::DiarySession::noteFileChanged, this, [this] {
        m_protection.followDiary();
        if (m_protection.isLocked())
            showLocked();
        updateActions();
    });
}

void DiaryLock::addActionsTo(QMenu *file, QAction *before)
{
    const auto add = [&](const char *name, const QString &text, auto slot) {
        auto *action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        file->insertAction(before, action);
        return action;
    };
    m_protect = add("actionProtect", tr("Prote&ct with a Passphrase…"), &DiaryLock::protect);
    m_change = add(
            "actionChangePassphrase", tr("C&hange Passphrase…"), &DiaryLock::changePassphrase);
    m_remove = add(
            "actionRemoveProtection", tr("Remove Protectio&n…"), &DiaryLock::removeProtection);
    m_lockNow = add("actionLockNow", tr("&Lock Now"), &DiaryLock::lockNow);
    m_lockNow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_lockAfter = new QMenu(tr("Lock &After"), file);
    m_lockAfter->setObjectName(QStringLiteral("menuLockAfter"));
    auto *choices = new QActionGroup(m_lockAfter);
    const int chosen = penwick::privacy::idleLockMinutes(
            m_services->session().preferences().value(penwick::privacy::idleLockPreference));
    for (const int minutes : penwick::privacy::idleLockChoices) {
        QAction *choice = m_lockAfter->addAction(
                minutes == 0 ? tr("&Off") : tr("%n minute(s) without use", nullptr, minutes));
        choice->setCheckable(true);
        choice->setChecked(minutes == chosen);
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, minutes] {
            penwick::Preferences &preferences = m_services->session().preferences();
            preferences.setValue(penwick::privacy::idleLockPreference, minutes);
            preferences.sync();
            setIdleMinutes(minutes);
        });
    }
    file->insertMenu(before, m_lockAfter);
    m_keyring = new QAction(tr("Keep Passphrase in &Keyring"), this);
    m_keyring->setObjectName(QStringLiteral("actionKeepInKeyring"));
    m_keyring->setCheckable(true);
    m_keyring->setChecked(m_services->session()
                                  .preferences()
                                  .value(penwick::privacy::keyringPreference)
                                  .toBool());
    connect(m_keyring, &QAction::toggled, this, [this](bool on) {
        // turned on, it takes the passphrase at the next unlock; turned off, it is removed now
        penwick::Preferences &preferences = m_services->session().preferences();
        preferences.setValue(penwick::privacy::keyringPreference, on);
        preferences.sync();
        if (!on)
            rememberPassphrase(false, {});
    });
    file->insertAction(before, m_keyring);
    file->insertSeparator(before);
    updateActions();
}

bool DiaryLock::isLocked() const
{
    return m_protection.isLocked();
}

bool DiaryLock::holdStart(std::function<void()> start)
{
    if (!m_protection.isLocked())
        return false;
    m_heldStart = std::move(start);
    showLocked();
    m_window->show();
    if (m_services->session().preferences().value(penwick::privacy::keyringPreference).toBool())
        askKeyringForPassphrase();
    return true;
}

void DiaryLock::lockNow()
{
    if (!m_protection.isUnlocked())
        return;
    m_protection.lock(); // everything typed is stored first
    showLocked();
}

void DiaryLock::setIdleMinutes(int minutes)
{
    m_idle->setInterval(minutes * 60 * 1000);
    if (minutes > 0 && m_protection.isUnlocked())
        m_idle->start();
    else
        m_idle->stop();
}

bool DiaryLock::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        if (m_idle->interval() > 0 && m_protection.isUnlocked())
            m_idle->start(); // used: the idle time starts again
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void DiaryLock::forgetShownTexts()
{
    for (QDialog *dialog : m_window->findChildren<QDialog *>())
        if (dialog->isVisible())
            dialog->reject();
    // the search first: closing it marks the page's matches anew
    if (auto *field = m_window->findChild<QLineEdit *>(QStringLiteral("searchField")))
        field->setText(QString()); // with its undo history
    if (auto *popover = m_window->findChild<SearchPopover *>())
        popover->setResults({});
    if (auto *page = m_window->findChild<DayPage *>())
        page->forgetDays();
    if (auto *onThisDay = m_window->findChild<OnThisDay *>())
        onThisDay->clear();
    if (auto *history = m_window->findChild<HistoryDialog *>())
        history->forget();
    if (auto *bar = m_window->findChild<QWidget *>(QStringLiteral("conflictCopyBar")))
        bar->hide();
    m_window->statusBar()->clearMessage();
}

void DiaryLock::showLocked()
{
    forgetShownTexts();
    m_idle->stop();
    if (m_window->centralWidget() != m_unlockView) {
        m_diaryView = m_window->takeCentralWidget();
        if (m_diaryView) {
            m_diaryView->setParent(m_window);
            m_diaryView->hide();
        }
        m_window->setCentralWidget(m_unlockView);
    }
    m_unlockView->show();
    m_unlockView->reset();
    m_unlockView->setKeyringOffered(m_services->session()
                                            .preferences()
                                            .value(penwick::privacy::keyringPreference)
                                            .toBool());
    m_window->setWindowTitle(tr("Penwick — Locked"));
    // every command that would show or change the diary waits for the unlock
    const QStringList stayEnabled = { QStringLiteral("actionQuit"), QStringLiteral("actionHelp"),
        QStringLiteral("actionAbout") };
    std::function<void(QMenu *)> disableIn = [&](QMenu *menu) {
        for (QAction *action : menu->actions()) {
            if (action->menu()) {
                disableIn(action->menu());
            } else if (action->isEnabled() && !action->isSeparator()
                    && !stayEnabled.contains(action->objectName())) {
                action->setEnabled(false);
                m_disabled.append(action);
            }
        }
    };
    for (QAction *menu : m_window->menuBar()->actions())
        if (menu->menu())
            disableIn(menu->menu());
    m_unlockView->setFocus();
}

void DiaryLock::showUnlocked()
{
    if (m_window->centralWidget() == m_unlockView && m_diaryView) {
        m_window->takeCentralWidget();
        m_unlockView->setParent(m_window);
        m_unlockView->hide();
        m_window->setCentralWidget(m_diaryView);
        m_diaryView->show();
    }
    for (QAction *action : std::exchange(m_disabled, {}))
        action->setEnabled(true);
    updateActions();
    setIdleMinutes(penwick::privacy::idleLockMinutes(
            m_services->session().preferences().value(penwick::privacy::idleLockPreference)));
    if (std::function<void()> start = std::exchange(m_heldStart, {}))
        start();
    else
        QMetaObject::invokeMethod(m_window, "showSelectedDay");
    QMetaObject::invokeMethod(m_window, "focusEditor");
}

void DiaryLock::tryUnlock(const QString &secret, bool isRecoveryKey)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Unsealed unlocked = m_protection.unlock(secret, isRecoveryKey);
    QApplication::restoreOverrideCursor();
    if (unlocked.ok()) {
        m_throttle.succeeded();
        if (!isRecoveryKey
                && m_services->session()
                           .preferences()
                           .value(penwick::privacy::keyringPreference)
                           .toBool())
            rememberPassphrase(true, secret);
        showUnlocked();
        return;
    }
    if (unlocked.failure == Unsealed::WrongKey) {
        m_throttle.failed();
        const int wait = m_throttle.waitSeconds();
        m_unlockView->showMessage(wait > 0
                        ? tr("%1 After %2 wrong tries, the next one waits %3 seconds.")
                                  .arg(unlocked.error)
                                  .arg(m_throttle.failures())
                                  .arg(wait)
                        : unlocked.error);
        m_unlockView->waitBeforeNextTry(wait);
        return;
    }
    // changed, damaged or from a newer Penwick: said as such, and the file left as it is
    m_unlockView->showMessage(
            tr("Your diary at %1 cannot be opened: %2 It is left as it is; "
               "its backups are in %3.")
                    .arg(QDir::toNativeSeparators(m_services->session().noteFilePath()),
                            unlocked.error,
                            QDir::toNativeSeparators(penwick::history::backupsFolder())));
}

QString DiaryLock::keyringAccount() const
{
    return QDir::cleanPath(QFileInfo(m_services->session().noteFilePath()).absoluteFilePath());
}

void DiaryLock::askKeyringForPassphrase()
{
    askKeyring(this, KeyringRequest::Read, keyringAccount(), {},
            [this](bool ok, const QString &secret, const QString &error) {
                if (!m_protection.isLocked())
                    return;
                if (!ok || secret.isEmpty()) {
                    m_unlockView->showMessage(
                            tr("The keyring did not give the passphrase: %1").arg(error));
                    return;
                }
                tryUnlock(secret, false);
            });
}

void DiaryLock::rememberPassphrase(bool remember, const QString &passphrase)
{
    askKeyring(this, remember ? KeyringRequest::Write : KeyringRequest::Remove, keyringAccount(),
            passphrase, [this, remember](bool ok, const QString &, const QString &error) {
                if (!ok && remember)
                    Q_EMIT noticeRaised(
                            tr("The passphrase could not be kept in the keyring: %1").arg(error));
            });
}

void DiaryLock::updateActions()
{
    if (!m_protect)
        return;
    const bool unlocked = m_protection.isUnlocked();
    const bool locked = m_protection.isLocked();
    if ((unlocked || locked) && !m_sessionLock) {
        // the desktop's buses are asked only for a protected diary: no part of every start
        auto *watch = new penwick::privacy::SessionLockWatch(this);
        m_sessionLock = watch;
        connect(watch, &penwick::privacy::SessionLockWatch::sessionLocked, this,
                &DiaryLock::lockNow);
    }
    m_protect->setVisible(!unlocked && !locked);
    m_change->setVisible(unlocked);
    m_remove->setVisible(unlocked);
    m_lockNow->setEnabled(unlocked);
}

void DiaryLock::protect()
{
    PassphraseDialog ask(PassphraseDialog::Purpose::Protect, m_window);
    ask.setRememberInKeyring(m_keyring && m_keyring->isChecked());
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString recoveryKey = penwick::privacy::recovery::generate();
    RecoveryKeyDialog shown(recoveryKey, m_window);
    connect(&shown, &RecoveryKeyDialog::printRequested, this, [this](const QString &key) {
        QString failure;
        static const auto printPage = reinterpret_cast<PrintPage>(penwick::moduleFunction(
                QStringLiteral("penwick_print"), printPageSymbol, printPageVersion, &failure));
        QTextDocument page;
        page.setPlainText(tr("Penwick: the recovery key of your diary\n\n%1").arg(key));
        if (printPage)
            printPage(&page, tr("Recovery Key"), tr("Print the Recovery Key"), m_window);
    });
    connect(&shown, &RecoveryKeyDialog::saveRequested, this, [this](const QString &key) {
        const QString path = m_dialogs()->saveFileName(m_window, tr("Save the Recovery Key"),
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                QStringLiteral("Penwick Recovery Key.txt"), tr("Text files (*.txt)"), true);
        if (!path.isEmpty()) {
            const penwick::WriteResult written
                    = penwick::diary::writeTextFile(path, (key + QLatin1Char('\n')).toUtf8());
            if (!written.ok)
                m_dialogs()->showFailure(m_window, written.error);
        }
    });
    if (shown.exec() != QDialog::Accepted)
        return; // nothing is converted before the user has the recovery key
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const penwick::Conversion done = m_protection.protect(ask.passphrase(), recoveryKey);
    QApplication::restoreOverrideCursor();
    if (!done.ok()) {
        m_dialogs()->showFailure(m_window, done.error);
        return;
    }
    if (ask.rememberInKeyring()) {
        m_keyring->setChecked(true);
        rememberPassphrase(true, ask.passphrase());
    }
    setIdleMinutes(penwick::privacy::idleLockMinutes(
            m_services->session().preferences().value(penwick::privacy::idleLockPreference)));
    QString message = tr("Your diary, its history and its backups are encrypted now. Files "
                         "Penwick did not make may still hold your diary in clear:");
    for (const QString &place : done.mayHoldClearText)
        message += QStringLiteral("\n• ") + place;
    QMessageBox::information(m_window, tr("Your Diary Is Protected"), message);
}

void DiaryLock::changePassphrase()
{
    PassphraseDialog ask(PassphraseDialog::Purpose::Change, m_window);
    ask.setRememberInKeyring(m_keyring && m_keyring->isChecked());
    if (ask.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const penwick::Conversion done = m_protection.changePassphrase(ask.passphrase());
    QApplication::restoreOverrideCursor();
    if (!done.ok()) {
        m_dialogs()->showFailure(m_window, done.error);
        return;
    }
    if (m_keyring->isChecked() || ask.rememberInKeyring())
        rememberPassphrase(ask.rememberInKeyring(), ask.passphrase());
    m_keyring->setChecked(ask.rememberInKeyring());
    Q_EMIT noticeRaised(tr("The passphrase is changed; the recovery key stays as it was."));
}

void DiaryLock::removeProtection()
{
    PassphraseDialog ask(PassphraseDialog::Purpose::Confirm, m_window);
    if (ask.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool right = m_protection.checkPassphrase(ask.passphrase());
    const penwick::Conversion done = right
            ? m_protection.removeProtection()
            : penwick::Conversion { tr("This passphrase does not open the diary."), {}, {} };
    QApplication::restoreOverrideCursor();
    if (!done.ok()) {
        m_dialogs()->showFailure(m_window, done.error);
        return;
    }
    rememberPassphrase(false, {});
    m_idle->stop();
    Q_EMIT noticeRaised(tr("Your diary is stored without encryption again."));
}

// What the window shows of a protected diary that is locked: nothing of the diary, a field for
// the passphrase (Return unlocks), Use Recovery Key… to type that instead, and, when the
// passphrase is kept in the keyring, Unlock from Keyring. It only asks; DiaryLock decides.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class UnlockView : public QWidget
{
    Q_OBJECT
public:
    explicit UnlockView(QWidget *parent = nullptr);

    // Empty again, asking for the passphrase, the keyboard in the field.
    void reset();
    void showMessage(const QString &message);
    // The next try waits this long: Unlock stays disabled, counting down.
    void waitBeforeNextTry(int seconds);
    void setKeyringOffered(bool offered);

Q_SIGNALS:
    void unlockRequested(const QString &secret, bool isRecoveryKey);
    void keyringRequested();

private:
    void unlock();
    void setRecoveryMode(bool recovery);
    void countDown();

    QLabel *m_prompt;
    QLineEdit *m_field;
    QPushButton *m_unlock;
    QPushButton *m_recovery;
    QPushButton *m_keyring;
    QLabel *m_message;
    QTimer *m_wait;
    int m_secondsLeft = 0;
    bool m_recoveryMode = false;
};

// The dialogs of a protected diary. PassphraseDialog asks for a new passphrase twice, with a
// hint of its strength and no rules that annoy, or for the current one before protection is
// removed. RecoveryKeyDialog shows the recovery key once, offers to print or save it, and asks
// for its last group back, so that the user is known to have it.
#pragma once

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

class PassphraseDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Purpose { Protect, Change, Confirm };
    PassphraseDialog(Purpose purpose, QWidget *parent = nullptr);

    QString passphrase() const;
    // Protect and Change: the user asked to keep the passphrase in the keyring.
    bool rememberInKeyring() const;
    void setRememberInKeyring(bool remember);

private:
    void follow();

    Purpose m_purpose;
    QLineEdit *m_first;
    QLineEdit *m_second = nullptr;
    QLabel *m_hint = nullptr;
    QCheckBox *m_keyring = nullptr;
    QDialogButtonBox *m_buttons;
};

class RecoveryKeyDialog : public QDialog
{
    Q_OBJECT
public:
    RecoveryKeyDialog(const QString &recoveryKey, QWidget *parent = nullptr);

Q_SIGNALS:
    void printRequested(const QString &text);
    void saveRequested(const QString &text);

private:
    QString m_key;
};

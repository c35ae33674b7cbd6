#include "PassphraseDialogs.h"

#include "privacy/DiaryKey.h"
#include "privacy/LockRules.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using penwick::privacy::Strength;

PassphraseDialog::PassphraseDialog(Purpose purpose, QWidget *parent)
    : QDialog(parent)
    , m_purpose(purpose)
    , m_first(new QLineEdit)
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setObjectName(QStringLiteral("passphraseDialog"));
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_first->setEchoMode(QLineEdit::Password);
    m_first->setObjectName(QStringLiteral("passphraseField"));
    m_first->setMinimumWidth(m_first->fontMetrics().averageCharWidth() * 36);
    auto *intro = new QLabel;
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addLayout(form);
    if (purpose == Purpose::Confirm) {
        setWindowTitle(tr("Remove Protection"));
        intro->setText(tr("Your diary, its history and its backups will be stored without "
                          "encryption again. Type the passphrase to go on."));
        form->addRow(tr("&Passphrase:"), m_first);
        m_first->setAccessibleName(tr("Passphrase"));
        m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Remove Protection"));
    } else {
        setWindowTitle(purpose == Purpose::Protect ? tr("Protect with a Passphrase")
                                                   : tr("Change Passphrase"));
        intro->setText(tr("The diary, its history and its backups are encrypted with this "
                          "passphrase. A few words that you remember and nobody would guess make "
                          "a good one. Without it, only the recovery key opens the diary."));
        m_second = new QLineEdit;
        m_second->setEchoMode(QLineEdit::Password);
        m_second->setObjectName(QStringLiteral("passphraseAgainField"));
        m_first->setAccessibleName(tr("New passphrase"));
        m_second->setAccessibleName(tr("New passphrase again"));
        m_hint = new QLabel;
        m_hint->setObjectName(QStringLiteral("passphraseHint"));
        m_hint->setWordWrap(true);
        form->addRow(tr("&New passphrase:"), m_first);
        form->addRow(tr("&Again:"), m_second);
        form->addRow(QString(), m_hint);
        m_keyring = new QCheckBox(tr("&Keep the passphrase in the desktop's keyring"));
        m_keyring->setObjectName(QStringLiteral("rememberInKeyring"));
        layout->addWidget(m_keyring);
        m_buttons->button(QDialogButtonBox::Ok)
                ->setText(purpose == Purpose::Protect ? tr("&Protect") : tr("&Change"));
        connect(m_second, &QLineEdit::textChanged, this, &PassphraseDialog::follow);
    }
    layout->addWidget(m_buttons);
    connect(m_first, &QLineEdit::textChanged, this, &PassphraseDialog::follow);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    follow();
}

QString PassphraseDialog::passphrase() const
{
    return m_first->text();
}

bool PassphraseDialog::rememberInKeyring() const
{
    return m_keyring && m_keyring->isChecked();
}

void PassphraseDialog::setRememberInKeyring(bool remember)
{
    if (m_keyring)
        m_keyring->setChecked(remember);
}

void PassphraseDialog::follow()
{
    const QString typed = m_first->text();
    bool acceptable = !typed.isEmpty();
    if (m_second) {
        static const char *const strengths[] = {
            QT_TR_NOOP("Weak: easy to guess. Longer, or a few unrelated words, is better."),
            QT_TR_NOOP("Fair: a few more characters or words make it much harder to guess."),
            QT_TR_NOOP("Good."),
            QT_TR_NOOP("Strong."),
        };
        QString hint = typed.isEmpty()
                ? QString()
                : tr(strengths[int(penwick::privacy::passphraseStrength(typed))]);
        if (!m_second->text().isEmpty() && m_second->text() != typed)
            hint = tr("The two passphrases differ.");
        m_hint->setText(hint);
        acceptable = acceptable && m_second->text() == typed;
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(acceptable);
}

RecoveryKeyDialog::RecoveryKeyDialog(const QString &recoveryKey, QWidget *parent)
    : QDialog(parent), m_key(penwick::privacy::recovery::grouped(recoveryKey))
{
    setObjectName(QStringLiteral("recoveryKeyDialog"));
    setWindowTitle(tr("Your Recovery Key"));
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("If you forget the passphrase, this recovery key opens your "
                                "diary. It is shown only now: print it or write it down, and keep "
                                "it apart from the computer."));
    intro->setWordWrap(true);
    auto *key = new QLabel(m_key);
    key->setObjectName(QStringLiteral("recoveryKey"));
    key->setAccessibleName(tr("Recovery key"));
    key->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(mono.pointSizeF() * 1.4);
    key->setFont(mono);
    key->setAlignment(Qt::AlignCenter);
    auto *check = new QLineEdit;
    check->setObjectName(QStringLiteral("recoveryKeyCheck"));
    check->setAccessibleName(tr("The recovery key's last group"));
    auto *checkLabel = new QLabel(tr("To show that you have it, type its &last group:"));
    checkLabel->setBuddy(check);
    auto *buttons = new QDialogButtonBox;
    QPushButton *print = buttons->addButton(tr("&Print…"), QDialogButtonBox::ActionRole);
    QPushButton *save = buttons->addButton(tr("&Save…"), QDialogButtonBox::ActionRole);
    QPushButton *done = buttons->addButton(tr("&Done"), QDialogButtonBox::AcceptRole);
    done->setObjectName(QStringLiteral("recoveryKeyDone"));
    done->setEnabled(false);
    layout->addWidget(intro);
    layout->addWidget(key);
    layout->addWidget(checkLabel);
    layout->addWidget(check);
    layout->addWidget(buttons);
    const QString lastGroup = recoveryKey.right(5);
    connect(check, &QLineEdit::textChanged, this, [done, lastGroup](const QString &typed) {
        // read as the recovery key is read: capitals, O as 0, I and L as 1
        QString group = typed.trimmed().toUpper();
        group.replace(QLatin1Char('O'), QLatin1Char('0'));
        group.replace(QLatin1Char('I'), QLatin1Char('1'))
                .replace(QLatin1Char('L'), QLatin1Char('1'));
        done->setEnabled(group == lastGroup);
    });
    connect(print, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(m_key); });
    connect(save, &QPushButton::clicked, this, [this] { Q_EMIT saveRequested(m_key); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

#include "UnlockView.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

UnlockView::UnlockView(QWidget *parent)
    : QWidget(parent)
    , m_prompt(new QLabel)
    , m_field(new QLineEdit)
    , m_unlock(new QPushButton(tr("&Unlock")))
    , m_recovery(new QPushButton)
    , m_keyring(new QPushButton(tr("Unlock from &Keyring")))
    , m_message(new QLabel)
    , m_wait(new QTimer(this))
{
    setObjectName(QStringLiteral("unlockView"));
    setAccessibleName(tr("Unlock the diary"));
    auto *heading = new QLabel(tr("This diary is protected by a passphrase."));
    heading->setObjectName(QStringLiteral("unlockHeading"));
    QFont bigger = heading->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.3);
    heading->setFont(bigger);
    heading->setWordWrap(true);
    m_field->setObjectName(QStringLiteral("passphraseField"));
    setFocusProxy(m_field); // the view given the focus is ready for the passphrase
    m_field->setEchoMode(QLineEdit::Password);
    m_field->setMinimumWidth(m_field->fontMetrics().averageCharWidth() * 32);
    m_prompt->setBuddy(m_field);
    m_unlock->setObjectName(QStringLiteral("unlockButton"));
    m_unlock->setDefault(true);
    m_recovery->setObjectName(QStringLiteral("useRecoveryKeyButton"));
    m_keyring->setObjectName(QStringLiteral("unlockFromKeyringButton"));
    m_keyring->hide();
    m_message->setObjectName(QStringLiteral("unlockMessage"));
    m_message->setWordWrap(true);
    m_message->setAccessibleName(tr("Why the diary did not unlock"));

    auto *form = new QFormLayout;
    form->addRow(m_prompt, m_field);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_recovery);
    buttons->addWidget(m_keyring);
    buttons->addStretch();
    buttons->addWidget(m_unlock);
    auto *box = new QWidget;
    box->setMinimumWidth(m_field->fontMetrics().averageCharWidth() * 60);
    box->setMaximumWidth(m_field->fontMetrics().averageCharWidth() * 80);
    auto *inner = new QVBoxLayout(box);
    inner->addWidget(heading);
    inner->addSpacing(8);
    inner->addLayout(form);
    inner->addLayout(buttons);
    inner->addWidget(m_message);
    // centred by stretches, not by alignment: the box then grows with a message of many lines
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(box);
    row->addStretch();
    auto *outer = new QVBoxLayout(this);
    outer->addStretch(1);
    outer->addLayout(row);
    outer->addStretch(2);

    connect(m_field, &QLineEdit::returnPressed, this, &UnlockView::unlock);
    connect(m_unlock, &QPushButton::clicked, this, &UnlockView::unlock);
    connect(m_recovery, &QPushButton::clicked, this, [this] { setRecoveryMode(!m_recoveryMode); });
    connect(m_keyring, &QPushButton::clicked, this, &UnlockView::keyringRequested);
    m_wait->setInterval(1000);
    connect(m_wait, &QTimer::timeout, this, &UnlockView::countDown);
    setRecoveryMode(false);
}

void UnlockView::reset()
{
    m_wait->stop();
    m_secondsLeft = 0;
    m_unlock->setEnabled(true);
    m_message->clear();
    setRecoveryMode(false);
}

void UnlockView::setRecoveryMode(bool recovery)
{
    m_recoveryMode = recovery;
    m_field->setText(QString()); // and its undo history with it
    m_field->setEchoMode(recovery ? QLineEdit::Normal : QLineEdit::Password);
    m_prompt->setText(recovery ? tr("&Recovery key:") : tr("&Passphrase:"));
    m_field->setAccessibleName(recovery ? tr("Recovery key") : tr("Passphrase"));
    m_field->setPlaceholderText(
            recovery ? QStringLiteral("XXXXX-XXXXX-XXXXX-XXXXX-XXXXX") : QString());
    m_recovery->setText(recovery ? tr("Use &Passphrase") : tr("Use &Recovery Key…"));
    m_field->setFocus();
}

void UnlockView::setKeyringOffered(bool offered)
{
    m_keyring->setVisible(offered);
}

void UnlockView::showMessage(const QString &message)
{
    m_message->setText(message);
}

void UnlockView::waitBeforeNextTry(int seconds)
{
    m_secondsLeft = seconds;
    if (seconds <= 0)
        return;
    m_unlock->setEnabled(false);
    countDown();
    m_wait->start();
}

void UnlockView::countDown()
{
    if (m_secondsLeft <= 0) {
        m_wait->stop();
        m_unlock->setEnabled(true);
        m_unlock->setText(tr("&Unlock"));
        return;
    }
    m_unlock->setText(tr("Unlock (%1 s)").arg(m_secondsLeft));
    --m_secondsLeft;
}

void UnlockView::unlock()
{
    if (!m_unlock->isEnabled() || m_field->text().isEmpty())
        return;
    const QString secret = m_field->text();
    m_field->setText(QString());
    Q_EMIT unlockRequested(secret, m_recoveryMode);
}

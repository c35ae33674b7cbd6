#include "UpdateNotice.h"

#include "help/UpdateCheck.h"
#include "platform/Preferences.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

UpdateNotice::UpdateNotice(const QString &version, const QUrl &productPage, QWidget *parent)
    : QDialog(parent), m_productPage(productPage)
{
    setWindowTitle(tr("Update Available"));
    setMinimumWidth(320);
    auto *message = new QLabel(tr("Penwick %1 is available.").arg(version));
    message->setObjectName(QStringLiteral("updateMessage"));
    message->setWordWrap(true);
    m_noBrowser = new QLabel(tr("No browser could be opened. Copy this address into one:"));
    m_noBrowser->setObjectName(QStringLiteral("noBrowserMessage"));
    m_noBrowser->setWordWrap(true);
    m_noBrowser->hide();
    m_address = new QLineEdit(productPage.toString());
    m_address->setObjectName(QStringLiteral("productPageAddress"));
    m_address->setAccessibleName(tr("Product page address"));
    m_address->setReadOnly(true);
    m_address->hide();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *open = buttons->addButton(tr("Open Product Page"), QDialogButtonBox::ActionRole);
    open->setObjectName(QStringLiteral("openProductPageButton"));
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, [this] {
        if (openProductPage())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(m_noBrowser);
    layout->addWidget(m_address);
    layout->addWidget(buttons);
}

bool UpdateNotice::openProductPage()
{
    if (QDesktopServices::openUrl(m_productPage))
        return true;
    m_noBrowser->show();
    m_address->show();
    m_address->selectAll();
    m_address->setFocus();
    return false;
}

UpdateWatch::UpdateWatch(penwick::Preferences &preferences, QWidget *window)
    : QObject(window)
    , m_preferences(preferences)
    , m_window(window)
    , m_check(new penwick::help::UpdateCheck(this))
{
    connect(m_check, &penwick::help::UpdateCheck::newerVersionFound, this,
            &UpdateWatch::showNotice);
}

void UpdateWatch::addActionTo(QMenu *menu, QAction *before)
{
    auto *action = new QAction(tr("Check for &Updates at Start-up"), this);
    action->setObjectName(QStringLiteral("actionCheckForUpdates"));
    action->setCheckable(true);
    action->setChecked(isEnabled());
    connect(action, &QAction::toggled, this, &UpdateWatch::setEnabled);
    menu->insertAction(before, action);
    menu->insertSeparator(before);
}

void UpdateWatch::startIfEnabled()
{
    if (isEnabled())
        m_check->start(penwick::help::siteBaseUrl(), QStringLiteral("Penwick"),
                QCoreApplication::applicationVersion());
}

// "NU" set and non-zero turns the check off; unset, the build decides.
bool UpdateWatch::isEnabled() const
{
    const QVariant noUpdates = m_preferences.value(penwick::prefkey::noUpdates);
    if (!noUpdates.isValid())
        return PENWICK_UPDATE_CHECK_DEFAULT;
    return noUpdates.toLongLong() == 0;
}

void UpdateWatch::setEnabled(bool enabled)
{
    m_preferences.setValue(penwick::prefkey::noUpdates, qlonglong(enabled ? 0 : 1));
    QString error;
    if (!m_preferences.sync(&error))
        Q_EMIT noticeRaised(error);
}

void UpdateWatch::showNotice(const QString &version)
{
    auto *notice = new UpdateNotice(version,
            penwick::help::productPageUrl(penwick::help::siteBaseUrl(), QStringLiteral("Penwick")),
            m_window);
    notice->setObjectName(QStringLiteral("updateNotice"));
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->show();
    notice->raise();
    notice->activateWindow();
}

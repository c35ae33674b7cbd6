#include "UpdateNotice.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
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

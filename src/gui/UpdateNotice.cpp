#include "UpdateNotice.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

UpdateNotice::UpdateNotice(const QUrl &productPage, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Update Available"));
    setMinimumWidth(380);
    auto *message = new QLabel(tr("A newer version of Penwick is available."));
    message->setObjectName(QStringLiteral("updateMessage"));
    message->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *open = buttons->addButton(tr("Open Product Page"), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("openProductPageButton"));
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this,
            [this, productPage] { Q_EMIT productPageRequested(productPage); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(buttons);
}

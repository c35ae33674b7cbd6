// The panel that says a newer Penwick is published, with a button that opens its page.
#pragma once

#include <QDialog>
#include <QUrl>

class UpdateNotice : public QDialog
{
    Q_OBJECT
public:
    UpdateNotice(const QUrl &productPage, QWidget *parent = nullptr);

Q_SIGNALS:
    // The user asked for the product page; the window opens it in the browser.
    void productPageRequested(const QUrl &page);
};

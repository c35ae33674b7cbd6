// The panel that says which newer Penwick is published, with a button that opens its page in
// the browser; where no browser opens, the panel says so and shows the address to copy.
#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QLineEdit;

class UpdateNotice : public QDialog
{
    Q_OBJECT
public:
    UpdateNotice(const QString &version, const QUrl &productPage, QWidget *parent = nullptr);

    // Opens the product page; false, with the address shown, when nothing could open it.
    bool openProductPage();

private:
    QUrl m_productPage;
    QLabel *m_noBrowser;
    QLineEdit *m_address;
};

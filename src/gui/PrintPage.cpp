#include "PrintPage.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

extern "C" Q_DECL_EXPORT bool penwickPrintPage(
        QTextDocument *page, const QString &name, const QString &dialogTitle, QWidget *parent)
{
    QPrinter printer;
    printer.setDocName(name);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(dialogTitle);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    page->print(&printer);
    return true;
}

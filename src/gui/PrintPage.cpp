#include "PrintPage.h"

#include "platform/Modules.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

PENWICK_MODULE_VERSION(printPageVersion)

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

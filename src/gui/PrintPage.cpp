#include "PrintPage.h"

#include "platform/Modules.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
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

extern "C" Q_DECL_EXPORT bool penwickPrintPages(const PaintPages &paint, const QString &name,
        const QString &dialogTitle, bool preview, QWidget *parent)
{
    QPrinter printer;
    printer.setDocName(name);
    if (preview) {
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(dialogTitle);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                [&paint](QPrinter *shown) { paint(shown); });
        return dialog.exec() == QDialog::Accepted;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(dialogTitle);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (paint(&printer))
        return true;
    printer.abort(); // what was painted is not sent
    return false;
}

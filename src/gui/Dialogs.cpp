#include "Dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString runFileDialog(QFileDialog &dialog)
{
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtDialogs::saveFileName(QWidget *parent, const QString &title, const QString &suggested,
        const QString &filter, bool confirmOverwrite)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(suggested);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    return runFileDialog(dialog);
}

QString QtDialogs::openFileName(QWidget *parent, const QString &title)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString QtDialogs::folderName(QWidget *parent, const QString &title)
{
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return runFileDialog(dialog);
}

bool QtDialogs::confirm(QWidget *parent, const QString &question, const QString &informative,
        const QString &acceptLabel)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), question,
            QMessageBox::Cancel, parent);
    box.setInformativeText(informative);
    QPushButton *accept = box.addButton(acceptLabel, QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    return box.clickedButton() == accept;
}

void QtDialogs::showFailure(QWidget *parent, const QString &informative)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(),
            QCoreApplication::translate("Dialogs", "Failed"), QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("failureAlert"));
    box->setInformativeText(informative);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

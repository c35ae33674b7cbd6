#include "Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
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

QString QtDialogs::saveFileName(QWidget *parent, const QString &title, const QString &folder,
        const QString &suggested, const QString &filter, bool confirmOverwrite)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(QDir(folder).filePath(suggested));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    return runFileDialog(dialog);
}

QString QtDialogs::openFileName(QWidget *parent, const QString &title, const QString &folder)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString QtDialogs::folderName(QWidget *parent, const QString &title, const QString &folder)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return runFileDialog(dialog);
}

QString QtDialogs::askForText(QWidget *parent, const QString &title, const QString &label)
{
    return QInputDialog::getText(parent, title, label).trimmed();
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

Dialogs::UnsavedChoice QtDialogs::askAboutUnsavedChanges(
        QWidget *parent, const QString &informative)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
            QCoreApplication::translate("Dialogs", "Some changes are not saved"),
            QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("unsavedChangesDialog"));
    box.setInformativeText(informative);
    QPushButton *tryAgain = box.addButton(
            QCoreApplication::translate("Dialogs", "Try Again"), QMessageBox::AcceptRole);
    QPushButton *saveCopy = box.addButton(
            QCoreApplication::translate("Dialogs", "Save a Copy As…"), QMessageBox::ActionRole);
    QPushButton *quit = box.addButton(QCoreApplication::translate("Dialogs", "Quit Without Saving"),
            QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(tryAgain);
    box.setEscapeButton(cancel);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    if (box.clickedButton() == tryAgain)
        return UnsavedChoice::TryAgain;
    if (box.clickedButton() == saveCopy)
        return UnsavedChoice::SaveCopy;
    if (box.clickedButton() == quit)
        return UnsavedChoice::QuitWithoutSaving;
    return UnsavedChoice::Cancel;
}

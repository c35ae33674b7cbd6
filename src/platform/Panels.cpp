#include "Panels.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace penwick {

namespace {

void openFileDialog(QWidget *window, const QString &title, QFileDialog::FileMode mode,
        QFileDialog::AcceptMode accept, const QString &suggested, std::function<void(QString)> done)
{
    auto *dialog = new QFileDialog(window, title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setFileMode(mode);
    dialog->setAcceptMode(accept);
    if (mode == QFileDialog::Directory)
        dialog->setOption(QFileDialog::ShowDirsOnly);
    if (!suggested.isEmpty())
        dialog->selectFile(suggested);
    // exactly one answer, whether the dialog is accepted or dismissed
    QObject::connect(
            dialog, &QDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
                const QStringList files = dialog->selectedFiles();
                done(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
            });
    dialog->open();
}

} // namespace

void QtPanels::alert(QWidget *window, const QString &message, const QString &informative)
{
    auto *box = new QMessageBox(QMessageBox::Warning, message, message, QMessageBox::Ok, window);
    box->setInformativeText(informative);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void QtPanels::confirm(QWidget *window, const QString &message, const QString &informative,
        const QString &yesLabel, std::function<void(bool)> done)
{
    auto *box
            = new QMessageBox(QMessageBox::Question, message, message, QMessageBox::Cancel, window);
    box->setInformativeText(informative);
    QPushButton *yes = box->addButton(yesLabel, QMessageBox::AcceptRole);
    box->setDefaultButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    QObject::connect(box, &QMessageBox::finished, box,
            [box, yes, done = std::move(done)](int) { done(box->clickedButton() == yes); });
    box->open();
}

void QtPanels::chooseFile(QWidget *window, const QString &title, std::function<void(QString)> done)
{
    openFileDialog(
            window, title, QFileDialog::ExistingFile, QFileDialog::AcceptOpen, {}, std::move(done));
}

void QtPanels::chooseFolder(
        QWidget *window, const QString &title, std::function<void(QString)> done)
{
    openFileDialog(
            window, title, QFileDialog::Directory, QFileDialog::AcceptOpen, {}, std::move(done));
}

void QtPanels::chooseSaveFile(QWidget *window, const QString &title, const QString &suggestedName,
        std::function<void(QString)> done)
{
    openFileDialog(window, title, QFileDialog::AnyFile, QFileDialog::AcceptSave, suggestedName,
            std::move(done));
}

} // namespace penwick

#include "Dialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

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

QString QtDialogs::openFileNameFiltered(QWidget *parent, const QString &title,
        const QString &folder, const QStringList &filters, const QString &note)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    // Qt's own chooser has room for a line under its controls; a platform's has none
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
        auto *line = new QLabel(note, &dialog);
        line->setObjectName(QStringLiteral("chooserNote"));
        line->setWordWrap(true);
        grid->addWidget(line, grid->rowCount(), 0, 1, grid->columnCount());
        // with the line it still fits a small screen at a large scale
        if (const QScreen *screen = parent ? parent->screen() : nullptr)
            dialog.resize(dialog.sizeHint().boundedTo(screen->availableSize() * 9 / 10));
    }
    return runFileDialog(dialog);
}

bool QtDialogs::ask(QWidget *parent, const QString &question, const QString &informative,
        const QString &acceptLabel)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), question,
            QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("question"));
    box.setInformativeText(informative);
    QPushButton *accept = box.addButton(acceptLabel, QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(
            QCoreApplication::translate("Dialogs", "&Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(accept);
    box.setEscapeButton(cancel);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    return box.clickedButton() == accept;
}

QDate QtDialogs::askForDate(QWidget *parent, const QString &title, const QString &label,
        const std::function<QDate(const QString &)> &readDate, const QString &unreadable)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dateDialog"));
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::WindowModal);
    auto *prompt = new QLabel(label, &dialog); // on one line: the examples stay whole
    auto *field = new QLineEdit(&dialog);
    field->setObjectName(QStringLiteral("dateField"));
    field->setAccessibleName(QCoreApplication::translate("Dialogs", "Date"));
    prompt->setBuddy(field);
    auto *problem = new QLabel(&dialog);
    problem->setObjectName(QStringLiteral("dateProblem"));
    problem->setWordWrap(true);
    problem->hide();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(prompt);
    layout->addWidget(field);
    layout->addWidget(problem);
    layout->addWidget(buttons);
    QDate day;
    // a date that cannot be read is said here, and the dialog stays for another try
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const QString typed = field->text().trimmed();
        day = typed.isEmpty() ? QDate() : readDate(typed);
        if (day.isValid()) {
            dialog.accept();
            return;
        }
        problem->setText(unreadable.arg(typed));
        problem->show();
        dialog.adjustSize();
        field->selectAll();
        field->setFocus();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted ? day : QDate();
}

void showTextToCopy(QWidget *parent, const QString &title, const QString &message,
        const QString &text, const QString &textName)
{
    auto *dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("textToCopyDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(title);
    auto *said = new QLabel(message, dialog);
    said->setObjectName(QStringLiteral("textToCopyMessage"));
    said->setWordWrap(true);
    auto *field = new QLineEdit(text, dialog);
    field->setObjectName(QStringLiteral("textToCopy"));
    field->setAccessibleName(textName);
    field->setReadOnly(true);
    // the whole text shows where the screen allows
    field->setMinimumWidth(std::min(field->fontMetrics().horizontalAdvance(text) + 40,
            parent ? parent->width() * 9 / 10 : 600));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(said);
    layout->addWidget(field);
    layout->addWidget(buttons);
    field->setSelection(int(text.size()), -int(text.size())); // all of it, shown from its start
    field->setFocus();
    dialog->open();
}

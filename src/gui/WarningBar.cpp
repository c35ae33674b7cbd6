#include "WarningBar.h"

#include "diary/DiarySession.h"
#include "ui_WarningBar.h"

#include <QDir>

using penwick::diary::Status;

WarningBar::WarningBar(QWidget *parent) : QFrame(parent), m_ui(new Ui::WarningBar)
{
    m_ui->setupUi(this);
    // An amber tint over the palette's window colour, so the bar reads in light and dark themes.
    QPalette tinted = palette();
    const QColor base = tinted.color(QPalette::Window);
    const QColor amber(255, 176, 32);
    tinted.setColor(QPalette::Window,
            QColor::fromRgbF(base.redF() * 0.7f + amber.redF() * 0.3f,
                    base.greenF() * 0.7f + amber.greenF() * 0.3f,
                    base.blueF() * 0.7f + amber.blueF() * 0.3f));
    setPalette(tinted);
    setAutoFillBackground(true);
    hide();
    connect(m_ui->tryAgainButton, &QPushButton::clicked, this, &WarningBar::tryAgainRequested);
}

WarningBar::~WarningBar() = default;

void WarningBar::showWarning(const QString &text, bool canTryAgain)
{
    m_ui->warningText->setText(text);
    m_ui->tryAgainButton->setVisible(canTryAgain);
    show();
}

void WarningBar::clearWarning()
{
    hide();
    m_ui->warningText->clear();
}

QString WarningBar::textFor(
        const penwick::diary::DiaryProblem &problem, const QString &noteFilePath)
{
    const QString path = QDir::toNativeSeparators(noteFilePath);
    QString warning;
    switch (problem.status) {
    case Status::Ok:
        break;
    case Status::Missing:
        warning = tr("There is no diary file at %1, so nothing can be written. Try Again starts an "
                     "empty diary there.")
                          .arg(path);
        break;
    case Status::FolderMissing:
        warning = tr("The folder %1 that holds your diary is missing (a disconnected drive?), so "
                     "nothing can be written. Try Again looks again.")
                          .arg(problem.reason);
        break;
    case Status::Unreadable:
        warning = tr("The diary file %1 cannot be read: %2 Nothing can be written, and the file "
                     "is left as it is. Try Again reads it again.")
                          .arg(path, problem.reason);
        break;
    case Status::WriteFailed:
        if (problem.unsavedDays > 1) {
            warning = tr("Changes to %n days could not be saved. %1 They are still in the "
                         "window, and are saved with your next change.",
                    nullptr, problem.unsavedDays)
                              .arg(problem.reason);
        } else {
            warning = tr("Your latest change could not be saved. %1 It is still in the window, "
                         "and is saved with your next change.")
                              .arg(problem.reason);
        }
        break;
    }
    return warning;
}

#include "MainWindow.h"

#include "Dialogs.h"
#include "HelpWindow.h"
#include "SearchPopover.h"
#include "StorageSheet.h"
#include "UpdateNotice.h"
#include "calendar/MonthGrid.h"
#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "help/UpdateCheck.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QKeySequence>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStatusBar>
#include <limits>

using penwick::diary::DiaryProblem;
using penwick::diary::DiarySession;
using penwick::diary::Status;

MainWindow::MainWindow(
        DiarySession *session, penwick::reminder::Reminder *reminder, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(new Ui::MainWindow)
    , m_session(session)
    , m_dialogs(std::make_unique<QtDialogs>())
{
    m_ui->setupUi(this);
    m_ui->reminder->setReminder(reminder);
    m_ui->reminder->setVisible(reminder != nullptr);
    connect(m_ui->reminder, &ReminderWidget::switchOnFailed, this,
            &MainWindow::reportReminderFailure);
    m_ui->editor->document()->setDocumentMargin(14);
    m_ui->splitter->setStretchFactor(0, 0);
    m_ui->splitter->setStretchFactor(1, 1);
    m_ui->splitter->setSizes({ 320, 640 });

    m_searchPopover = new SearchPopover(m_ui->searchField, this);
    m_searchPopover->setObjectName(QStringLiteral("searchPopover"));
    m_updateCheck = new penwick::help::UpdateCheck(this);
    connect(m_updateCheck, &penwick::help::UpdateCheck::newerVersionFound, this,
            &MainWindow::showUpdateNotice);
    m_storageSheet = new StorageSheet(m_session, m_dialogs.get(), this);
    m_storageSheet->setObjectName(QStringLiteral("storageSheet"));
    connect(m_storageSheet, &StorageSheet::diaryChanged, this, &MainWindow::showSelectedDay);
    connect(m_storageSheet, &StorageSheet::removeEmptyEntriesRequested, this,
            &MainWindow::removeEmptyEntries);

    CalendarWidget *calendar = m_ui->calendar;
    connect(calendar, &CalendarWidget::dayChosen, this, &MainWindow::showDay);
    connect(calendar, &CalendarWidget::dayStepRequested, this, &MainWindow::stepDays);
    connect(calendar, &CalendarWidget::previousMonthRequested, this,
            &MainWindow::showPreviousMonth);
    connect(calendar, &CalendarWidget::todayRequested, this, &MainWindow::showToday);
    connect(calendar, &CalendarWidget::nextMonthRequested, this, &MainWindow::showNextMonth);

    connect(m_searchPopover, &SearchPopover::searchRequested, this, &MainWindow::runSearch);
    connect(m_searchPopover, &SearchPopover::resultChosen, this, &MainWindow::showDay);
    connect(m_searchPopover, &SearchPopover::editorRequested, m_ui->editor,
            qOverload<>(&QWidget::setFocus));

    connect(m_ui->editor, &QPlainTextEdit::textChanged, this, &MainWindow::storeEditorText);
    connect(m_session, &DiarySession::problemChanged, this, &MainWindow::showProblem);
    connect(m_ui->warningBar, &WarningBar::tryAgainRequested, m_session,
            &DiarySession::retryPendingChanges);

    createActions();
}

MainWindow::~MainWindow() = default;

void MainWindow::setDialogs(std::unique_ptr<Dialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
    m_storageSheet->setDialogs(m_dialogs.get());
}

void MainWindow::createActions()
{
    Ui::MainWindow &ui = *m_ui;
    ui.actionQuit->setShortcut(QKeySequence::Quit);
    connect(ui.actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(ui.actionRemoveEmptyEntries, &QAction::triggered, this,
            &MainWindow::removeEmptyEntries);
    ui.actionStorage->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    ui.actionOpenDiaryFile->setShortcut(QKeySequence::Open);
    ui.actionExportAsText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(ui.actionStorage, &QAction::triggered, m_storageSheet, &StorageSheet::present);
    connect(ui.actionOpenDiaryFile, &QAction::triggered, m_storageSheet,
            &StorageSheet::openDiaryFile);
    connect(ui.actionExportAsText, &QAction::triggered, m_storageSheet,
            &StorageSheet::exportAsText);

    // Editing commands go to the editor; a field with focus handles its own shortcuts first.
    QPlainTextEdit *editor = ui.editor;
    const struct
    {
        QAction *action;
        QKeySequence::StandardKey key;
        void (QPlainTextEdit::*slot)();
    } editing[] = {
        { ui.actionUndo, QKeySequence::Undo, &QPlainTextEdit::undo },
        { ui.actionRedo, QKeySequence::Redo, &QPlainTextEdit::redo },
        { ui.actionCut, QKeySequence::Cut, &QPlainTextEdit::cut },
        { ui.actionCopy, QKeySequence::Copy, &QPlainTextEdit::copy },
        { ui.actionPaste, QKeySequence::Paste, &QPlainTextEdit::paste },
        { ui.actionSelectAll, QKeySequence::SelectAll, &QPlainTextEdit::selectAll },
    };
    for (const auto &e : editing) {
        e.action->setShortcut(e.key);
        connect(e.action, &QAction::triggered, editor, e.slot);
    }
    ui.actionUndo->setEnabled(false);
    ui.actionRedo->setEnabled(false);
    connect(editor, &QPlainTextEdit::undoAvailable, ui.actionUndo, &QAction::setEnabled);
    connect(editor, &QPlainTextEdit::redoAvailable, ui.actionRedo, &QAction::setEnabled);

    ui.actionFind->setShortcut(QKeySequence::Find);
    connect(ui.actionFind, &QAction::triggered, m_searchPopover, &SearchPopover::focusField);

    ui.actionPreviousMonth->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    ui.actionToday->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    ui.actionNextMonth->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    ui.actionPreviousDay->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    ui.actionNextDay->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    connect(ui.actionPreviousMonth, &QAction::triggered, this, &MainWindow::showPreviousMonth);
    connect(ui.actionToday, &QAction::triggered, this, &MainWindow::showToday);
    connect(ui.actionNextMonth, &QAction::triggered, this, &MainWindow::showNextMonth);
    connect(ui.actionPreviousDay, &QAction::triggered, this, &MainWindow::showPreviousDay);
    connect(ui.actionNextDay, &QAction::triggered, this, &MainWindow::showNextDay);

    ui.actionHelp->setShortcut(QKeySequence::HelpContents);
    connect(ui.actionHelp, &QAction::triggered, this, &MainWindow::showHelp);
    ui.actionCheckForUpdates->setChecked(isUpdateCheckEnabled());
    connect(ui.actionCheckForUpdates, &QAction::toggled, this, &MainWindow::setUpdateCheckEnabled);
    connect(ui.actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::start()
{
    m_session->open();
    showSelectedDay();
    show();
    m_ui->editor->setFocus();
    m_ui->reminder->showSavedState();
    if (isUpdateCheckEnabled())
        m_updateCheck->start(penwick::help::siteBaseUrl(), QStringLiteral("Penwick"),
                QApplication::applicationVersion());
}

void MainWindow::showSelectedDay()
{
    const QDate day = m_session->selectedDay();
    m_ui->calendar->showDay(day);
    placeText(m_session->textOf(day));
}

void MainWindow::showDay(QDate day)
{
    m_session->selectDay(day);
    showSelectedDay();
}

void MainWindow::showPreviousMonth()
{
    showDay(penwick::calendar::firstDayOfMonth(m_session->selectedDay(), -1));
}

void MainWindow::showToday()
{
    showDay(m_session->today());
}

void MainWindow::showNextMonth()
{
    showDay(penwick::calendar::firstDayOfMonth(m_session->selectedDay(), 1));
}

void MainWindow::showPreviousDay()
{
    stepDays(-1);
}

void MainWindow::showNextDay()
{
    stepDays(1);
}

void MainWindow::stepDays(int days)
{
    showDay(m_session->selectedDay().addDays(days));
}

void MainWindow::raiseWindow()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::placeText(const QString &text)
{
    // Text the program places is no edit: no change signal, and no undo step into another day.
    const QSignalBlocker blocker(m_ui->editor);
    m_ui->editor->setPlainText(text);
    m_ui->editor->moveCursor(QTextCursor::End);
    m_ui->actionUndo->setEnabled(false);
    m_ui->actionRedo->setEnabled(false);
}

void MainWindow::storeEditorText()
{
    const QString stored = m_session->storeText(m_ui->editor->toPlainText());
    // an open list of results follows the text as it changes: the edited day's row alone
    if (m_searchPopover->isShown() && !m_searchPopover->keyword().isEmpty())
        m_searchPopover->followEdit({ penwick::diary::dayKey(m_session->selectedDay()), stored });
}

void MainWindow::runSearch(const QString &keyword)
{
    m_searchPopover->setResults(m_session->search(keyword));
    // The calendar's cells are never selected, so its row is always -1; no result selected is
    // the largest index.
    const int row = m_searchPopover->selectedRow();
    qCDebug(lcPenwick, "GRID:%ld, CTRL:%ld", -1L,
            row < 0 ? std::numeric_limits<long>::max() : long(row));
}

void MainWindow::removeEmptyEntries()
{
    if (const std::optional<int> removed = m_session->removeEmptyEntries())
        statusBar()->showMessage(*removed == 1 ? tr("Removed 1 empty entry.")
                                               : tr("Removed %1 empty entries.").arg(*removed),
                5000);
}

void MainWindow::showProblem(const DiaryProblem &problem)
{
    const QString path = QDir::toNativeSeparators(m_session->noteFilePath());
    switch (problem.status) {
    case Status::Ok:
        m_ui->warningBar->clearWarning();
        return;
    case Status::Missing:
        m_ui->warningBar->showWarning(
                tr("There is no diary file at %1, so what you type now is not saved.").arg(path),
                false);
        return;
    case Status::Unreadable:
        m_ui->warningBar->showWarning(
                tr("The diary file %1 cannot be read: %2 What you type now is not saved, and "
                   "the file is left as it is.")
                        .arg(path, problem.reason),
                false);
        return;
    case Status::WriteFailed:
        if (problem.unsavedDays > 1) {
            m_ui->warningBar->showWarning(
                    tr("Changes to %n days could not be saved. %1 They are still in the window, "
                       "and are saved with your next change.",
                            nullptr, problem.unsavedDays)
                            .arg(problem.reason),
                    true);
        } else {
            m_ui->warningBar->showWarning(
                    tr("Your latest change could not be saved. %1 It is still in the window, "
                       "and is saved with your next change.")
                            .arg(problem.reason),
                    true);
        }
        return;
    }
}

void MainWindow::showAbout()
{
    QMessageBox::about(this, tr("About Penwick"),
            tr("<b>Penwick %1</b><p>A small diary that keeps every word you type.</p>"
               "<p>Your diary is kept in %2</p>")
                    .arg(QApplication::applicationVersion(),
                            QDir::toNativeSeparators(m_session->noteFilePath()).toHtmlEscaped()));
}

void MainWindow::reportReminderFailure(const QString &reason)
{
    statusBar()->showMessage(tr("The reminder could not be switched on. %1").arg(reason));
}

void MainWindow::showHelp()
{
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow(this);
        m_helpWindow->setObjectName(QStringLiteral("helpWindow"));
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void MainWindow::showUpdateNotice()
{
    auto *notice = new UpdateNotice(
            penwick::help::productPageUrl(penwick::help::siteBaseUrl(), QStringLiteral("Penwick")),
            this);
    notice->setObjectName(QStringLiteral("updateNotice"));
    notice->setAttribute(Qt::WA_DeleteOnClose);
    connect(notice, &UpdateNotice::productPageRequested, this,
            [](const QUrl &page) { QDesktopServices::openUrl(page); });
    notice->show();
    notice->raise();
    notice->activateWindow();
}

// "NU" set and non-zero turns the check off; unset, the build decides.
bool MainWindow::isUpdateCheckEnabled() const
{
    const QVariant noUpdates = m_session->preferences().value(penwick::prefkey::noUpdates);
    if (!noUpdates.isValid())
        return PENWICK_UPDATE_CHECK_DEFAULT;
    return noUpdates.toLongLong() == 0;
}

void MainWindow::setUpdateCheckEnabled(bool enabled)
{
    penwick::Preferences &preferences = m_session->preferences();
    preferences.setValue(penwick::prefkey::noUpdates, qlonglong(enabled ? 0 : 1));
    QString error;
    if (!preferences.sync(&error))
        statusBar()->showMessage(error);
}

#include "MainWindow.h"

#include "CalendarModel.h"
#include "Dialogs.h"
#include "HelpWindow.h"
#include "HistoryDialog.h"
#include "SearchPopover.h"
#include "SpellingSupport.h"
#include "StorageSheet.h"
#include "UpdateNotice.h"
#include "calendar/MonthGrid.h"
#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "diary/DiaryStorage.h"
#include "diary/Search.h"
#include "help/UpdateCheck.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "platform/StandardPaths.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextDocumentLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTimer>
#include <cmath>
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
    connect(m_ui->reminder, &ReminderWidget::noticeShown, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
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
    // Ctrl+Tab from the page: search, the days, then the month's controls
    QWidget::setTabOrder(m_ui->editor, m_ui->searchField);
    calendar->chainFocusAfter(m_ui->searchField);
    connect(calendar, &CalendarWidget::dayChosen, this, &MainWindow::chooseDay);
    connect(calendar, &CalendarWidget::dayActivated, this, &MainWindow::focusEditor);
    connect(calendar, &CalendarWidget::dayStepRequested, this, &MainWindow::stepDays);
    connect(calendar, &CalendarWidget::previousMonthRequested, this,
            &MainWindow::showPreviousMonth);
    connect(calendar, &CalendarWidget::todayRequested, this, [this] {
        showToday();
        focusEditor();
    });
    connect(calendar, &CalendarWidget::nextMonthRequested, this, &MainWindow::showNextMonth);

    connect(m_searchPopover, &SearchPopover::searchRequested, this, &MainWindow::runSearch);
    m_searchPopover->setIgnoreCaseAndAccents(
            m_session->preferences().value(penwick::prefkey::searchIgnoresCase).toBool());
    connect(m_searchPopover, &SearchPopover::ignoreCaseAndAccentsChanged, this, [this](bool on) {
        m_session->preferences().setValue(penwick::prefkey::searchIgnoresCase, on);
        m_session->preferences().sync();
    });
    connect(m_searchPopover, &SearchPopover::resultChosen, this, [this](QDate day) {
        showDay(day);
        selectFirstMatch();
    });
    connect(m_searchPopover, &SearchPopover::editorRequested, m_ui->editor,
            qOverload<>(&QWidget::setFocus));

    connect(m_ui->editor, &QPlainTextEdit::textChanged, this, &MainWindow::storeEditorText);
    m_fileWatcher = new QFileSystemWatcher(this);
    m_outsideCheck = new QTimer(this);
    m_outsideCheck->setSingleShot(true);
    m_outsideCheck->setInterval(150);
    connect(m_fileWatcher, &QFileSystemWatcher::fileChanged, m_outsideCheck,
            qOverload<>(&QTimer::start));
    connect(m_fileWatcher, &QFileSystemWatcher::directoryChanged, m_outsideCheck,
            qOverload<>(&QTimer::start));
    connect(m_outsideCheck, &QTimer::timeout, this, [this] {
        m_session->checkForOutsideChanges();
        watchDiaryFile(); // a file replaced by a rename is watched anew
    });
    connect(m_session, &DiarySession::selectedDayChangedOutside, this,
            &MainWindow::showOutsideChange);
    connect(m_session, &DiarySession::problemChanged, this, &MainWindow::showProblem);
    connect(m_ui->warningBar, &WarningBar::tryAgainRequested, this, &MainWindow::tryAgain);

    m_wordCount = new QLabel(this);
    m_wordCount->setObjectName(QStringLiteral("wordCount"));
    // room for a long count in any language, clear of the window's edge
    m_wordCount->setContentsMargins(0, 0, 8, 0);
    m_wordCount->setMinimumWidth(
            m_wordCount->fontMetrics().horizontalAdvance(tr("%1 words").arg(88888)) + 12);
    m_wordCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->addPermanentWidget(m_wordCount);
    createActions();
}

MainWindow::~MainWindow() = default;

void MainWindow::setDialogs(std::unique_ptr<Dialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
    m_storageSheet->setDialogs(m_dialogs.get());
}

void MainWindow::setHistory(penwick::history::HistoryStore *history)
{
    m_historyDialog = new HistoryDialog(history, m_session, m_ui->editor, this);
    m_historyDialog->setObjectName(QStringLiteral("historyDialog"));
    m_historyDialog->addActionsTo(m_ui->menuEdit, m_ui->menuFile, m_ui->actionRemoveEmptyEntries);
    connect(m_historyDialog, &HistoryDialog::noticeRaised, statusBar(),
            [this](const QString &notice) { statusBar()->showMessage(notice); });
    connect(m_storageSheet, &StorageSheet::diaryMoved, m_historyDialog,
            &HistoryDialog::followMovedDiary);
}

void MainWindow::createActions()
{
    Ui::MainWindow &ui = *m_ui;
    m_spelling = new SpellingSupport(ui.editor, m_session->preferences(), this);
    m_spelling->addActionsTo(ui.menuEdit);
    ui.editor->setCorrectionOffer([this](QMenu *menu, const QTextCursor &word) {
        m_spelling->offerCorrections(menu, word);
    });
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
    // the keyword's places in the open day, one after another
    auto *findNext = ui.menuEdit->addAction(tr("Find Next"), this,
            [this] { selectMatch(m_ui->editor->textCursor().selectionEnd(), false); });
    findNext->setShortcuts({ QKeySequence(Qt::Key_F3), QKeySequence(Qt::CTRL | Qt::Key_G) });
    auto *findPrevious = ui.menuEdit->addAction(tr("Find Previous"), this,
            [this] { selectMatch(m_ui->editor->textCursor().selectionStart(), true); });
    findPrevious->setShortcuts({ QKeySequence(Qt::SHIFT | Qt::Key_F3),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G) });

    // any day in a few keys: a date typed, or a year at a time
    auto *goToDate = ui.menuView->addAction(tr("Go to Date…"), this, &MainWindow::goToDate);
    goToDate->setObjectName(QStringLiteral("actionGoToDate"));
    goToDate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    ui.menuGo->addSeparator();
    auto *previousYear = ui.menuGo->addAction(tr("Previous Year"), this, [this] { stepYears(-1); });
    previousYear->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp));
    auto *nextYear = ui.menuGo->addAction(tr("Next Year"), this, [this] { stepYears(1); });
    nextYear->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown));
    // a day chosen from the Go menu is a day to write in
    for (const auto &[action, show] :
            { std::pair { ui.actionPreviousMonth, &MainWindow::showPreviousMonth },
                    { ui.actionToday, &MainWindow::showToday },
                    { ui.actionNextMonth, &MainWindow::showNextMonth },
                    { ui.actionPreviousDay, &MainWindow::showPreviousDay },
                    { ui.actionNextDay, &MainWindow::showNextDay } }) {
        connect(action, &QAction::triggered, this, [this, show = show] {
            (this->*show)();
            focusEditor();
        });
    }

    ui.actionHelp->setShortcut(QKeySequence::HelpContents);
    connect(ui.actionHelp, &QAction::triggered, this, &MainWindow::showHelp);
    ui.actionCheckForUpdates->setChecked(isUpdateCheckEnabled());
    connect(ui.actionCheckForUpdates, &QAction::toggled, this, &MainWindow::setUpdateCheckEnabled);
    connect(ui.actionAbout, &QAction::triggered, this, &MainWindow::showAbout);

    ui.actionZoomIn->setShortcuts({ QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    ui.actionZoomOut->setShortcut(QKeySequence::ZoomOut);
    ui.actionActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(ui.actionZoomIn, &QAction::triggered, this, [this] { zoomEditor(1); });
    connect(ui.actionZoomOut, &QAction::triggered, this, [this] { zoomEditor(-1); });
    connect(ui.actionActualSize, &QAction::triggered, this, [this] { zoomEditor(-m_zoom); });
    ui.actionPrint->setShortcut(QKeySequence::Print);
    connect(ui.actionPrint, &QAction::triggered, this, &MainWindow::printDay);

    // F10 opens the menu bar from the keyboard, as on other desktops
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

void MainWindow::start()
{
    m_session->open();
    restoreWindowState();
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
    watchDiaryFile();
    m_ui->calendar->showDay(day);
    CalendarModel *calendar = m_ui->calendar->model();
    calendar->setToday(m_session->today());
    calendar->setDaysWithText(m_session->daysWithText(day));
    placeText(m_session->textOf(day));
    // the open day, named in the user's language, over the editor and in the title
    const QString name = QLocale().toString(day, QLocale::LongFormat);
    m_ui->dayTitle->setText(name);
    setWindowTitle(tr("%1 — Penwick").arg(name));
}

void MainWindow::focusEditor()
{
    m_ui->editor->setFocus(Qt::OtherFocusReason);
    m_ui->editor->moveCursor(QTextCursor::End);
}

void MainWindow::selectFirstMatch()
{
    selectMatch(0, false);
}

void MainWindow::selectMatch(qsizetype from, bool backwards)
{
    // the keyword's next place in the day becomes the selection, in view; past the last one
    // the search goes round
    const QString text = m_ui->editor->toPlainText();
    const QString keyword = m_searchPopover->keyword();
    const bool ignore = m_searchPopover->ignoresCaseAndAccents();
    penwick::diary::MatchSpan found
            = penwick::diary::nextMatch(text, keyword, ignore, from, backwards);
    if (found.at < 0)
        found = penwick::diary::nextMatch(
                text, keyword, ignore, backwards ? text.size() : 0, backwards);
    if (found.at < 0)
        return;
    QTextCursor cursor = m_ui->editor->textCursor();
    cursor.setPosition(int(found.at));
    cursor.setPosition(int(found.at + found.length), QTextCursor::KeepAnchor);
    m_ui->editor->setTextCursor(cursor);
    m_ui->editor->ensureCursorVisible();
}

void MainWindow::chooseDay(QDate day)
{
    showDay(day);
    focusEditor();
}

void MainWindow::showDay(QDate day)
{
    if (day != m_session->selectedDay() && !m_outsideNotice.isEmpty()) {
        m_outsideNotice.clear();
        showProblem(m_session->problem());
    }
    if (day != m_session->selectedDay() && m_historyDialog)
        m_historyDialog->leaveDay();
    m_session->selectDay(day);
    showSelectedDay();
}

void MainWindow::goToDate()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    const QString typed = m_dialogs->askForText(
            this, tr("Go to Date"), tr("Date (%1 or yyyy-MM-dd):").arg(format));
    if (typed.isEmpty())
        return;
    const QDate day = penwick::calendar::dayFromTyped(typed, QLocale(), m_session->today());
    if (!day.isValid()) {
        m_dialogs->showFailure(this,
                tr("“%1” is no date Penwick can read; type it as %2 or as yyyy-MM-dd.")
                        .arg(typed, format));
        return;
    }
    chooseDay(day);
}

void MainWindow::stepYears(int years)
{
    const QDate day = m_session->selectedDay().addYears(years);
    if (day.isValid())
        chooseDay(day);
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
    // Each day keeps its own document while Penwick runs, and with it its own undo history:
    // back on a day, Edit > Undo steps back through what was typed there.
    QTextDocument *&document = m_dayDocuments[m_session->selectedDay()];
    if (!document) {
        document = new QTextDocument(this);
        document->setDocumentLayout(new QPlainTextDocumentLayout(document));
        document->setDefaultFont(editorFont());
        document->setDocumentMargin(14);
        document->clearUndoRedoStacks(); // the margin is no step of the user's
    }
    const QSignalBlocker blocker(m_ui->editor);
    if (m_ui->editor->document() != document) {
        m_ui->editor->setDocument(document);
        m_spelling->followDocument();
    }
    // an edit merges into the undo step before it only while the document counts as modified:
    // each visit to the day starts a step of its own
    document->setModified(false);
    if (m_ui->editor->diaryText() != text) {
        // Text the program places is no edit: no change signal, and no undo step, so undo never
        // reaches into what the file held before.
        document->setUndoRedoEnabled(false);
        document->setPlainText(text);
        document->setUndoRedoEnabled(true);
    }
    m_ui->editor->moveCursor(QTextCursor::End);
    m_ui->actionUndo->setEnabled(document->isUndoAvailable());
    m_ui->actionRedo->setEnabled(document->isRedoAvailable());
    showWordCount(m_ui->editor->diaryText());
}

void MainWindow::storeEditorText()
{
    const QString stored = m_session->storeText(m_ui->editor->diaryText());
    m_ui->calendar->model()->setDayHasText(m_session->selectedDay(), !stored.isEmpty());
    showWordCount(stored);
    // an open list of results follows the text as it changes: the edited day's row alone
    if (m_searchPopover->isShown() && !m_searchPopover->keyword().isEmpty())
        m_searchPopover->followEdit({ penwick::diary::dayKey(m_session->selectedDay()), stored });
}

void MainWindow::runSearch(const QString &keyword)
{
    const bool ignore = m_searchPopover->ignoresCaseAndAccents();
    QList<penwick::diary::DiaryEntry> found = m_session->search(keyword, ignore);
    // nothing found literally: say how many days the other reading would find
    m_searchPopover->setOtherCaseCount(
            found.isEmpty() && !ignore ? int(m_session->search(keyword, true).size()) : 0);
    m_searchPopover->setResults(std::move(found));
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
    // Nothing typed could be stored while no diary can be read: the editor says so by
    // refusing it, rather than keeping text that would go nowhere.
    m_ui->editor->setReadOnly(!m_session->isWritable());
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
    if (m_session->preferences().isUnreadable()) {
        const QString preferences
                = tr("Your preferences at %1 cannot be read; they are left as "
                     "they are, and Penwick uses the diary at %2.")
                          .arg(QDir::toNativeSeparators(m_session->preferences().location()), path);
        warning = warning.isEmpty() ? preferences : warning + QLatin1Char(' ') + preferences;
    }
    if (!m_outsideNotice.isEmpty())
        warning = warning.isEmpty() ? m_outsideNotice
                                    : warning + QLatin1Char(' ') + m_outsideNotice;
    if (warning.isEmpty())
        m_ui->warningBar->clearWarning();
    else
        m_ui->warningBar->showWarning(warning, !problem.ok());
}

void MainWindow::tryAgain()
{
    m_session->tryAgain();
    // the day as the diary now holds it, with what waited in the window
    showSelectedDay();
}

void MainWindow::quitWithoutAsking()
{
    m_askBeforeClosing = false;
    // other windows (the manual) must not keep Penwick running
    if (close())
        QCoreApplication::exit(0);
}

void MainWindow::storeEverything()
{
    if (m_session->hasUnsavedChanges())
        m_session->retryPendingChanges();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // what is on its way to the disk gets there first; asked to end by the system, there is
    // about a second for it
    m_session->flush(m_askBeforeClosing ? 10000 : 800);
    if (!m_askBeforeClosing && m_session->hasUnsavedChanges())
        keepUnsavedChangesAside();
    while (m_askBeforeClosing && m_session->hasUnsavedChanges()) {
        const DiaryProblem problem = m_session->problem();
        const int days = int(m_session->unsavedChanges().size());
        const QString where = problem.reason.isEmpty()
                ? QDir::toNativeSeparators(m_session->noteFilePath())
                : problem.reason;
        const QString informative = days == 1
                ? tr("What you wrote on one day is still only in the window. %1").arg(where)
                : tr("What you wrote on %1 days is still only in the window. %2")
                          .arg(days)
                          .arg(where);
        switch (m_dialogs->askAboutUnsavedChanges(this, informative)) {
        case Dialogs::UnsavedChoice::TryAgain:
            m_session->tryAgain();
            continue;
        case Dialogs::UnsavedChoice::SaveCopy:
            if (saveCopyOfUnsavedChanges())
                break;
            continue;
        case Dialogs::UnsavedChoice::QuitWithoutSaving:
            break;
        case Dialogs::UnsavedChoice::Cancel:
            event->ignore();
            return;
        }
        break;
    }
    saveWindowState();
    event->accept();
}

void MainWindow::keepUnsavedChangesAside()
{
    // Nobody to ask: the texts the diary could not take go to a file of their own beside the
    // default diary, which the log names.
    QList<penwick::diary::DiaryEntry> days;
    const QMap<QString, QString> &unsaved = m_session->unsavedChanges();
    for (auto it = unsaved.cbegin(); it != unsaved.cend(); ++it)
        days.append({ it.key(), it.value() });
    const QString path = QDir(penwick::paths::applicationSupport())
                                 .filePath(QStringLiteral("Hollyfen/Penwick/Unsaved %1.txt")
                                                   .arg(QDateTime::currentDateTime().toString(
                                                           QStringLiteral("yyyy-MM-dd HHmmss"))));
    penwick::makePrivateFolder(QFileInfo(path).absolutePath());
    const penwick::WriteResult written
            = penwick::diary::writeTextFile(path, penwick::diary::exportText(days));
    qCWarning(lcPenwick) << "Ended with changes not stored in the diary; kept in" << path
                         << (written.ok ? QString() : written.error);
}

bool MainWindow::saveCopyOfUnsavedChanges()
{
    const QString path = m_dialogs->saveFileName(this, tr("Save a Copy As"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QStringLiteral("Penwick-Unsaved.txt"), tr("Text files (*.txt)"), true);
    if (path.isEmpty())
        return false;
    QList<penwick::diary::DiaryEntry> days;
    const QMap<QString, QString> &unsaved = m_session->unsavedChanges();
    for (auto it = unsaved.cbegin(); it != unsaved.cend(); ++it)
        days.append({ it.key(), it.value() });
    const penwick::WriteResult written
            = penwick::diary::writeTextFile(path, penwick::diary::exportText(days));
    if (!written.ok)
        m_dialogs->showFailure(this, written.error);
    return written.ok;
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
        m_helpWindow = new HelpWindow(m_session->preferences(), this);
        m_helpWindow->setObjectName(QStringLiteral("helpWindow"));
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void MainWindow::showUpdateNotice(const QString &version)
{
    auto *notice = new UpdateNotice(version,
            penwick::help::productPageUrl(penwick::help::siteBaseUrl(), QStringLiteral("Penwick")),
            this);
    notice->setObjectName(QStringLiteral("updateNotice"));
    notice->setAttribute(Qt::WA_DeleteOnClose);
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

void MainWindow::watchDiaryFile()
{
    const QString path = m_session->noteFilePath();
    const QString folder = QFileInfo(path).absolutePath();
    if (path == m_watchedPath && m_fileWatcher->files().contains(path))
        return;
    if (!m_fileWatcher->files().isEmpty())
        m_fileWatcher->removePaths(m_fileWatcher->files());
    if (!m_fileWatcher->directories().isEmpty())
        m_fileWatcher->removePaths(m_fileWatcher->directories());
    if (QFileInfo::exists(path))
        m_fileWatcher->addPath(path);
    if (QFileInfo(folder).isDir())
        m_fileWatcher->addPath(folder);
    m_watchedPath = path;
}

// Another program changed the shown day. Its text comes into the editor as one step of the
// day's undo history, with the cursor kept where it was as closely as the new text allows. When
// the user's own text replaced it, the other version goes onto the undo history beneath it.
void MainWindow::showOutsideChange(const QString &text, bool conflict)
{
    DiaryEditor *editor = m_ui->editor;
    const int position = editor->textCursor().position();
    const QString mine = editor->diaryText();
    {
        const QSignalBlocker blocker(editor);
        auto replaceAll = [editor](const QString &with) {
            QTextCursor all(editor->document());
            all.beginEditBlock();
            all.select(QTextCursor::Document);
            all.insertText(with);
            all.endEditBlock();
        };
        replaceAll(text);
        if (conflict)
            replaceAll(mine);
    }
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(std::min(position, editor->document()->characterCount() - 1));
    editor->setTextCursor(cursor);
    m_ui->actionUndo->setEnabled(editor->document()->isUndoAvailable());
    if (conflict) {
        m_outsideNotice = tr("Another program changed this day while you wrote. Your text is "
                             "kept; Edit > Undo brings back the other version.");
        showProblem(m_session->problem());
    }
}

namespace {
const QString geometryKey = QStringLiteral("window/geometry");
const QString splitterKey = QStringLiteral("window/splitter");
const QString zoomKey = QStringLiteral("editor/zoom");
} // namespace

void MainWindow::restoreWindowState()
{
    penwick::Preferences &preferences = m_session->preferences();
    m_zoom = int(preferences.value(zoomKey).toLongLong());
    zoomEditor(0);
    const QRect screenArea = screen()->availableGeometry();
    if (!restoreGeometry(preferences.value(geometryKey).toByteArray())) {
        // a first start fits any screen at any scale
        resize(std::min(960, screenArea.width() * 9 / 10),
                std::min(620, screenArea.height() * 9 / 10));
        move(screenArea.center() - rect().center());
    }
    // a window remembered on a larger or another screen is brought back onto this one
    resize(std::min(width(), screenArea.width()), std::min(height(), screenArea.height()));
    if (!screenArea.intersects(frameGeometry()))
        move(screenArea.topLeft());
    m_ui->splitter->restoreState(preferences.value(splitterKey).toByteArray());
}

void MainWindow::saveWindowState()
{
    penwick::Preferences &preferences = m_session->preferences();
    preferences.setValue(geometryKey, saveGeometry());
    preferences.setValue(splitterKey, m_ui->splitter->saveState());
    preferences.setValue(zoomKey, qlonglong(m_zoom));
    preferences.sync();
}

QFont MainWindow::editorFont() const
{
    QFont font = QApplication::font(m_ui->editor);
    font.setPointSizeF(std::max(6.0, font.pointSizeF() * std::pow(1.15, m_zoom)));
    return font;
}

void MainWindow::zoomEditor(int steps)
{
    m_zoom = std::clamp(m_zoom + steps, -4, 10);
    const QFont font = editorFont();
    m_ui->editor->setFont(font);
    for (QTextDocument *document : std::as_const(m_dayDocuments))
        document->setDefaultFont(font);
}

void MainWindow::showWordCount(const QString &text)
{
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
    int count = 0;
    for (qsizetype at = words.toNextBoundary(); at >= 0; at = words.toNextBoundary()) {
        if (words.boundaryReasons().testFlag(QTextBoundaryFinder::EndOfItem))
            ++count;
    }
    m_wordCount->setText(count == 1 ? tr("1 word") : tr("%1 words").arg(count));
}

void MainWindow::printDay()
{
    QPrinter printer;
    printer.setDocName(m_ui->dayTitle->text());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Day"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument page;
    QTextCursor cursor(&page);
    QTextCharFormat title;
    QFont titleFont = editorFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title.setFont(titleFont);
    cursor.insertText(m_ui->dayTitle->text() + QStringLiteral("\n\n"), title);
    QTextCharFormat body;
    body.setFont(editorFont());
    cursor.insertText(m_ui->editor->diaryText(), body);
    page.print(&printer);
}

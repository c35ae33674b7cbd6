#include "MainWindow.h"

#include "CalendarModel.h"
#include "ConflictCopyBar.h"
#include "DayPage.h"
#include "Dialogs.h"
#include "DiaryExport.h"
#include "DiaryImport.h"
#include "DiaryLock.h"
#include "HelpWindow.h"
#include "HistoryDialog.h"
#include "OnThisDay.h"
#include "ReadAheadGate.h"
#include "SearchPopover.h"
#include "StorageSheet.h"
#include "TagsPane.h"
#include "UnsavedChanges.h"
#include "UpdateNotice.h"
#include "WindowState.h"
#include "YearOverview.h"
#include "calendar/MonthGrid.h"
#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "services/DiaryServices.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <limits>

using penwick::diary::DiaryProblem;
using penwick::diary::DiarySession;
using penwick::diary::Status;

MainWindow::MainWindow(
        penwick::DiaryServices *services, penwick::reminder::Reminder *reminder, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(new Ui::MainWindow)
    , m_services(services)
    , m_session(&services->session())
    , m_dialogs(std::make_unique<QtDialogs>())
{
    m_ui->setupUi(this);
    m_ui->reminder->setReminder(reminder);
    m_ui->reminder->setVisible(reminder != nullptr);
    connect(m_ui->reminder, &ReminderWidget::switchOnFailed, this,
            &MainWindow::reportReminderFailure);
    connect(m_ui->reminder, &ReminderWidget::noticeShown, this, &MainWindow::showNotice);
    m_ui->splitter->setStretchFactor(0, 0);
    m_ui->splitter->setStretchFactor(1, 1);
    m_ui->splitter->setSizes({ 320, 640 });

    m_searchPopover = new SearchPopover(m_ui->searchField, this, &m_session->preferences());
    m_searchPopover->setObjectName(QStringLiteral("searchPopover"));
    m_updateWatch = new UpdateWatch(m_session->preferences(), this);
    connect(m_updateWatch, &UpdateWatch::noticeRaised, this, &MainWindow::showNotice);
    m_page = new DayPage(m_ui->editor, m_ui->dayTitle, m_session->preferences(), this);
    connect(m_page, &DayPage::findNextRequested, this, [this](bool backwards) {
        m_page->selectMatch(
                m_searchPopover->keyword(), m_searchPopover->ignoresCaseAndAccents(), backwards);
    });
    m_onThisDay = new OnThisDay(m_session, this);
    m_ui->calendarPaneLayout->insertWidget(1, m_onThisDay);
    connect(m_onThisDay, &OnThisDay::dayChosen, this, &MainWindow::chooseDay);

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
    connect(m_searchPopover, &SearchPopover::resultChosen, this, [this](QDate day) {
        showDay(day);
        m_page->selectMatch(
                m_searchPopover->keyword(), m_searchPopover->ignoresCaseAndAccents(), false, true);
    });
    connect(m_searchPopover, &SearchPopover::shownChanged, this, &MainWindow::markMatches);
    connect(m_searchPopover, &SearchPopover::editorRequested, m_ui->editor,
            qOverload<>(&QWidget::setFocus));

    connect(m_ui->editor, &DiaryEditor::textEdited, this, &MainWindow::storeEditorText);
    connect(m_session, &DiarySession::selectedDayReplaced, this, &MainWindow::showReplacedText);
    connect(m_session, &DiarySession::problemChanged, this, &MainWindow::showProblem);
    connect(m_ui->warningBar, &WarningBar::tryAgainRequested, this, &MainWindow::tryAgain);
    connect(m_services, &penwick::DiaryServices::noticeRaised, this, &MainWindow::showNotice);

    // what settling another version of the diary did: said in a bar over the page
    m_conflictCopies = new ConflictCopyBar(m_session, this);
    m_ui->editorPaneLayout->insertWidget(2, m_conflictCopies);
    connect(m_conflictCopies, &ConflictCopyBar::historyRequested, this, [this](QDate day) {
        chooseDay(day);
        if (m_historyDialog)
            m_historyDialog->present();
    });
    connect(m_session, &DiarySession::versionsSettled, this, [this] {
        m_ui->calendar->model()->setDaysWithText(m_session->daysWithText(m_session->selectedDay()));
    });

    m_page->addWordCountTo(statusBar());
    createActions();
    if (penwick::history::HistoryStore *history = m_services->history()) {
        m_historyDialog = new HistoryDialog(history, m_session, m_ui->editor, this);
        m_historyDialog->setObjectName(QStringLiteral("historyDialog"));
        m_historyDialog->addActionsTo(
                m_ui->menuEdit, m_ui->menuFile, m_ui->actionRemoveEmptyEntries);
    }
    m_import = new DiaryImport(m_session, m_dialogs.get(), this);
    const QList<QAction *> file = m_ui->menuFile->actions();
    m_import->addActionTo(m_ui->menuFile, file.value(file.indexOf(m_ui->actionExportAsText) + 1));
    connect(m_import, &DiaryImport::diaryChanged, this, &MainWindow::showSelectedDay);
    connect(m_import, &DiaryImport::noticeRaised, this, &MainWindow::showNotice);
}

MainWindow::~MainWindow()
{
    // the popover hides as the window's children go, and must not call back into it then
    disconnect(m_searchPopover, nullptr, this, nullptr);
}

void MainWindow::setDialogs(std::unique_ptr<Dialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
    if (m_storageSheet)
        m_storageSheet->setDialogs(m_dialogs.get());
    if (m_import)
        m_import->setDialogs(m_dialogs.get());
}

// Built when first asked for: its dialog buttons load the style's icons, no part of the start.
StorageSheet *MainWindow::storageSheet()
{
    if (m_storageSheet)
        return m_storageSheet;
    m_storageSheet = new StorageSheet(m_session, m_dialogs.get(), this);
    m_storageSheet->setObjectName(QStringLiteral("storageSheet"));
    connect(m_storageSheet, &StorageSheet::diaryChanged, this, &MainWindow::showSelectedDay);
    connect(m_storageSheet, &StorageSheet::removeEmptyEntriesRequested, this,
            &MainWindow::removeEmptyEntries);
    return m_storageSheet;
}

void MainWindow::importDiary(const QString &source)
{
    if (m_import)
        m_import->importFrom(source, false);
}

void MainWindow::createActions()
{
    Ui::MainWindow &ui = *m_ui;
    ui.actionQuit->setShortcut(QKeySequence::Quit);
    connect(ui.actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(ui.actionRemoveEmptyEntries, &QAction::triggered, this,
            &MainWindow::removeEmptyEntries);
    ui.actionOpenDiaryFile->setShortcut(QKeySequence::Open);
    connect(ui.actionStorage, &QAction::triggered, this, [this] { storageSheet()->present(); });
    connect(ui.actionOpenDiaryFile, &QAction::triggered, this,
            [this] { storageSheet()->openDiaryFile(); });
    connect(ui.actionExportAsText, &QAction::triggered, this,
            [this] { storageSheet()->exportAsText(); });
    ui.actionFind->setShortcut(QKeySequence::Find);
    connect(ui.actionFind, &QAction::triggered, m_searchPopover, &SearchPopover::focusField);

    // any day in a few keys: a year at a time, or a date typed
    ui.menuView->addAction(m_onThisDay->toggleAction());
    auto *tags = new TagsPane(m_session, m_ui->editor, this);
    tags->addActionsTo(ui.menuView);
    connect(tags, &TagsPane::tagChosen, m_searchPopover, &SearchPopover::searchFor);
    auto *overview = new YearOverview(m_session, this);
    overview->addActionsTo(ui.menuView);
    connect(overview, &YearOverview::dayChosen, this, &MainWindow::chooseDay);
    connect(overview, &YearOverview::tagChosen, m_searchPopover, &SearchPopover::searchFor);
    ui.menuGo->addSeparator();
    auto *yearBefore = ui.menuGo->addAction(tr("Previous &Year"), this, [this] { stepYears(-1); });
    yearBefore->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp));
    auto *yearAfter = ui.menuGo->addAction(tr("Next Ye&ar"), this, [this] { stepYears(1); });
    yearAfter->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown));
    auto *goToDate = ui.menuGo->addAction(tr("&Go to Date…"), this, &MainWindow::goToDate);
    goToDate->setObjectName(QStringLiteral("actionGoToDate"));
    goToDate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    ui.calendar->setMonthLabelActions(
            { yearBefore, ui.actionPreviousMonth, ui.actionNextMonth, yearAfter });
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
    m_updateWatch->addActionTo(ui.menuHelp, ui.actionAbout);
    connect(ui.actionAbout, &QAction::triggered, this, &MainWindow::showAbout);

    m_page->addActionsTo(ui.menuFile, ui.actionQuit, ui.menuEdit, ui.menuView);
    auto *exporter = new DiaryExport(
            m_session, m_searchPopover->model(), [this] { return m_dialogs.get(); }, this);
    exporter->addActionsTo(ui.menuFile, ui.actionExportAsText, ui.actionQuit);
    connect(exporter, &DiaryExport::noticeRaised, this, &MainWindow::showNotice);
    auto *lock = new DiaryLock(m_services, this, [this] { return m_dialogs.get(); });
    lock->addActionsTo(ui.menuFile, ui.actionQuit);
    connect(lock, &DiaryLock::noticeRaised, this, &MainWindow::showNotice);

    // F10 opens the menu bar from the keyboard, as on other desktops
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

void MainWindow::start()
{
    m_services->open();
    restoreWindowState();
    // a protected diary is unlocked first: the day is shown after the unlock
    if (!findChild<DiaryLock *>()->holdStart([this] { showDiary(); }))
        showDiary();
}

void MainWindow::showDiary()
{
    // A large diary shows the day from the file's end at once; the calendar's marks and On This
    // Day follow when the whole file is read, and no input comes before that.
    const std::optional<QString> glance = m_session->glanceAt(m_session->selectedDay());
    if (glance)
        showDayText(*glance);
    else
        showSelectedDay();
    show();
    if (glance)
        connect(new ReadAheadGate(m_session, this), &ReadAheadGate::opened, this,
                &MainWindow::showSelectedDay);
    m_ui->editor->setFocus();
    m_ui->reminder->showSavedState();
    // after the first frame: the network, and the style's icon for clearing the search field,
    // are no part of showing the window
    QTimer::singleShot(0, this, [this] {
        m_ui->searchField->setClearButtonEnabled(true);
        m_updateWatch->startIfEnabled();
    });
    m_services->startWatching();
}

void MainWindow::showSelectedDay()
{
    const QDate day = m_session->selectedDay();
    showDayText(m_session->textOf(day));
    m_ui->calendar->model()->setDaysWithText(m_session->daysWithText(day));
    m_onThisDay->follow(day);
    markMatches();
}

void MainWindow::showDayText(const QString &text)
{
    const QDate day = m_session->selectedDay();
    m_ui->calendar->showDay(day);
    m_ui->calendar->model()->setToday(m_session->today());
    m_page->showDay(day, text);
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

void MainWindow::chooseDay(QDate day)
{
    showDay(day);
    focusEditor();
}

void MainWindow::showDay(QDate day)
{
    m_session->selectDay(day);
    showSelectedDay();
}

void MainWindow::goToDate()
{
    const QDate day = m_ui->calendar->askForDate(m_dialogs.get(), m_session->today());
    if (day.isValid())
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

void MainWindow::storeEditorText(const QString &text)
{
    const QString stored = m_session->storeText(text);
    m_ui->calendar->model()->setDayHasText(m_session->selectedDay(), !stored.isEmpty());
    m_page->countWords(stored);
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
    markMatches();
    // The calendar's cells are never selected, so its row is always -1; no result selected is
    // the largest index.
    const int row = m_searchPopover->selectedRow();
    qCDebug(lcPenwick, "GRID:%ld, CTRL:%ld", -1L,
            row < 0 ? std::numeric_limits<long>::max() : long(row));
}

void MainWindow::markMatches()
{
    m_page->markMatches(m_searchPopover->isShown() ? m_searchPopover->keyword() : QString(),
            m_searchPopover->ignoresCaseAndAccents());
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
    // Nothing typed could be stored while no diary can be read: the editor says so by
    // refusing it, rather than keeping text that would go nowhere.
    m_ui->editor->setReadOnly(!m_session->isWritable());
    QString warning = WarningBar::textFor(problem, m_session->noteFilePath());
    if (m_session->preferences().isUnreadable()) {
        const QString preferences
                = tr("Your preferences at %1 cannot be read; they are left as "
                     "they are, and Penwick uses the diary at %2.")
                          .arg(QDir::toNativeSeparators(m_session->preferences().location()),
                                  QDir::toNativeSeparators(m_session->noteFilePath()));
        warning = warning.isEmpty() ? preferences : warning + QLatin1Char(' ') + preferences;
    }
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
        UnsavedChanges::keepAside(m_session);
    if (m_askBeforeClosing
            && !UnsavedChanges::settleBeforeClosing(this, m_session, m_dialogs.get())) {
        event->ignore();
        return;
    }
    saveWindowState();
    event->accept();
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

void MainWindow::showReplacedText(const QString &text)
{
    m_page->takeOutsideText(text, false);
    m_ui->calendar->model()->setDayHasText(m_session->selectedDay(), !text.isEmpty());
}

void MainWindow::restoreWindowState()
{
    m_page->restoreZoom();
    WindowState::restore(this, m_ui->splitter, m_session->preferences());
}

void MainWindow::saveWindowState()
{
    WindowState::save(this, m_ui->splitter, m_session->preferences());
    m_page->saveZoom();
    m_session->preferences().sync();
}

// Penwick's one window: the calendar and the search field on the left, the day's text on the
// right, the warning bar over it, and the menus. It composes the feature widgets and wires
// them to the diary session, which holds the open diary's state; the window keeps none of its
// own beyond what it shows.
#pragma once

#include <QDate>
#include <QMainWindow>
#include <QScopedPointer>
#include <QStatusBar>
#include <memory>

namespace Ui {
class MainWindow;
}
namespace penwick {
class DiaryServices;
}
namespace penwick::diary {
class DiarySession;
struct DiaryProblem;
} // namespace penwick::diary
namespace penwick::reminder {
class Reminder;
}
class Dialogs;
class HelpWindow;
class HistoryDialog;
class SearchPopover;
class StorageSheet;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Without a reminder, its controls are not shown; without a history in services, neither
    // are its commands.
    MainWindow(penwick::DiaryServices *services, penwick::reminder::Reminder *reminder,
            QWidget *parent = nullptr);
    ~MainWindow() override;

    // Tests answer the file choosers and alerts through their own.
    void setDialogs(std::unique_ptr<Dialogs> dialogs);

    // Start-up: opens the diary on today, shows the day and the window, keyboard in the editor,
    // and last the reminder's state.
    void start();

public Q_SLOTS:
    // Shows the selected day's month with the day marked, and its text in the editor.
    void showSelectedDay();
    void showDay(QDate day);
    void showPreviousMonth();
    void showToday();
    void showNextMonth();
    void showPreviousDay();
    // Asks for a date and opens that day for writing.
    void goToDate();
    void showNextDay();
    void raiseWindow();
    // Imports another program's diary as the command line asked, without asking again.
    void importDiary(const QString &source);
    // A day chosen to write in: shown, with the keyboard in the editor at the end of its text.
    void chooseDay(QDate day);
    void focusEditor();
    // Reads the diary again, starts a missing one, and writes what waits.
    void tryAgain();
    // Ends Penwick as the system asks (a signal, logout): what waits is stored, nobody asked.
    void quitWithoutAsking();
    // The session manager's request to save: every text waiting is written now.
    void storeEverything();

private Q_SLOTS:
    void storeEditorText(const QString &text);
    void runSearch(const QString &keyword);
    void removeEmptyEntries();
    // The open day marks the searched word's places while the results are shown.
    void markMatches();
    void showProblem(const penwick::diary::DiaryProblem &problem);
    void showAbout();
    void reportReminderFailure(const QString &reason);
    void showNotice(const QString &text) { statusBar()->showMessage(text); }
    // The selected day took another text than the user's typing: shown, one undo away.
    void showReplacedText(const QString &text);
    void showHelp();

protected:
    // Closing with changes not yet stored asks what to do with them.
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    StorageSheet *storageSheet();
    void stepDays(int days);
    void stepYears(int years);
    // The opened diary's day, the window and what follows its first frame.
    void showDiary();
    // The selected day with text in the editor, in the calendar and the title.
    void showDayText(const QString &text);
    void restoreWindowState();
    void saveWindowState();

    const QScopedPointer<Ui::MainWindow> m_ui;
    penwick::DiaryServices *m_services;
    penwick::diary::DiarySession *m_session;
    std::unique_ptr<Dialogs> m_dialogs;
    SearchPopover *m_searchPopover;
    StorageSheet *m_storageSheet = nullptr;
    HelpWindow *m_helpWindow = nullptr;
    HistoryDialog *m_historyDialog = nullptr;
    class ConflictCopyBar *m_conflictCopies = nullptr;
    class DiaryImport *m_import = nullptr;
    class OnThisDay *m_onThisDay;
    bool m_askBeforeClosing = true;
    class DayPage *m_page;
    class UpdateWatch *m_updateWatch;
};

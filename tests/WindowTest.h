// The shared fixture of the real-window tests: where the diary lives, its entries on disk, a
// Penwick started as a user starts it with its controls found by their object names, and the
// file choosers and alerts answered by the test.
#pragma once

#include "TestEnvironment.h"
#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "gui/CalendarModel.h"
#include "gui/Dialogs.h"
#include "gui/MainWindow.h"
#include "gui/SearchPopover.h"
#include "history/HistoryStore.h"
#include "reminder/Reminder.h"
#include "services/DiaryServices.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QQueue>
#include <QTableView>
#include <QToolButton>
#include <memory>

namespace penwick::test {

// Stands in for the file choosers and alerts: choosers answer from a queue (an empty answer or
// an empty queue cancels), questions get the answers set here, and alerts are recorded.
class AnsweringDialogs : public Dialogs
{
public:
    QQueue<QString> answers;
    QStringList suggestions; // the names the save choosers offered
    QStringList folders; // where each chooser started
    bool acceptConfirm = true;
    QStringList questions;
    QStringList failures;
    QList<UnsavedChoice> unsavedAnswers;
    QStringList unsavedQuestions;

    QString saveFileName(QWidget *, const QString &, const QString &folder,
            const QString &suggested, const QString &, bool) override
    {
        suggestions << suggested;
        return next(folder);
    }
    QString openFileName(QWidget *, const QString &, const QString &f) override { return next(f); }
    QString folderName(QWidget *, const QString &, const QString &f) override { return next(f); }
    bool confirm(QWidget *, const QString &question, const QString &, const QString &) override
    {
        questions << question;
        return acceptConfirm;
    }
    void showFailure(QWidget *, const QString &informative) override { failures << informative; }
    QString askForText(QWidget *, const QString &, const QString &f) override { return next(f); }
    UnsavedChoice askAboutUnsavedChanges(QWidget *, const QString &informative) override
    {
        unsavedQuestions << informative;
        return unsavedAnswers.isEmpty() ? UnsavedChoice::Cancel : unsavedAnswers.takeFirst();
    }

private:
    QString next(const QString &folder)
    {
        folders << folder;
        return answers.isEmpty() ? QString() : answers.dequeue();
    }
};

inline QString notePath()
{
    return environment().dataHome() + "/Hollyfen/Penwick/note.plist";
}

inline QString prefsPath()
{
    return environment().configHome() + "/Hollyfen/Penwick.plist";
}

class Penwick;
inline Penwick *&runningPenwick()
{
    static Penwick *running = nullptr;
    return running;
}
inline void flushRunningPenwick();

// The entries the note file holds once the running Penwick has written what it was given.
inline QVariantList entriesOnDisk()
{
    flushRunningPenwick();
    return entriesIn(notePath());
}

inline bool writeDiary(const QVariantList &entries)
{
    return writeAll(notePath(), plist::writeXml(entries));
}

// A running Penwick: its diary session and its window, started on the given clock, with a
// history in the default place where asked.
class Penwick
{
public:
    explicit Penwick(diary::DiarySession::Clock clock, bool withHistory)
        : services(std::move(clock), withHistory)
        , session(services.session())
        , reminder(runner, reminder::Scheduler::SystemdUser, reminder::Reminder::userFolders())
        , store(services.history())
        , window(&services, &reminder)
    {
        runningPenwick() = this;
        window.start();
    }
    ~Penwick()
    {
        if (runningPenwick() == this)
            runningPenwick() = nullptr;
    }

    template<typename T> T *child(const char *name) const
    {
        T *found = window.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s named %s", T::staticMetaObject.className(), name);
        return found;
    }

    QPlainTextEdit *editor() const { return child<QPlainTextEdit>("editor"); }
    QLineEdit *searchField() const { return child<QLineEdit>("searchField"); }
    QTableView *calendarView() const { return child<QTableView>("calendarView"); }
    CalendarModel *calendarModel() const
    {
        return static_cast<CalendarModel *>(calendarView()->model());
    }
    QString monthLabel() const { return child<QPushButton>("monthButton")->text(); }
    SearchPopover *searchPopover() const { return child<SearchPopover>("searchPopover"); }
    QTableView *resultsView() const { return child<QTableView>("resultsView"); }
    QWidget *warningBar() const { return child<QWidget>("warningBar"); }
    QString warningText() const { return child<QLabel>("warningText")->text(); }
    QString selectedDayKey() const { return diary::dayKey(session.selectedDay()); }

    DiaryServices services;
    diary::DiarySession &session;
    RecordingRunner runner;
    reminder::Reminder reminder;
    history::HistoryStore *store;
    MainWindow window;
};

inline void flushRunningPenwick()
{
    if (runningPenwick())
        QVERIFY(runningPenwick()->session.flush());
}

// What every window test holds: the running Penwick, its clock and its answered dialogs.
class WindowFixture
{
protected:
    std::unique_ptr<Penwick> m_app;
    AnsweringDialogs *m_dialogs = nullptr;
    QDateTime m_now { QDate(2026, 3, 5), QTime(9, 0) };

    // Starts Penwick with its clock reading m_now, and waits for its window.
    void launch(bool withHistory = false)
    {
        m_app = std::make_unique<Penwick>([this] { return m_now; }, withHistory);
        QVERIFY(QTest::qWaitForWindowExposed(&m_app->window));
        auto dialogs = std::make_unique<AnsweringDialogs>();
        m_dialogs = dialogs.get();
        m_app->window.setDialogs(std::move(dialogs));
    }
    // Starts Penwick on a diary holding these entries.
    void launchOn(const QVariantList &diary, bool withHistory = false)
    {
        QVERIFY(writeDiary(diary));
        launch(withHistory);
    }
    QAction *action(const char *name) const { return m_app->child<QAction>(name); }
    void press(const char *button) const { m_app->child<QPushButton>(button)->click(); }
    void click(const QModelIndex &cell) const
    {
        QTableView *view = m_app->calendarView();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
    }
    void clickDay(QDate day) const { click(m_app->calendarModel()->indexOf(day)); }
};

} // namespace penwick::test

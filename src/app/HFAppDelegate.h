// HFAppDelegate: the one controller of Penwick. It builds the window from MainWindow.ui, holds
// references to its controls, keeps the selected day, and carries the diary's operations. The
// algorithms live in the subsystem libraries; the controller wires them to the controls.
//
// Contents, each section defined in its own file:
//   Start-up and window ........ app/HFAppDelegate.cpp
//   Note file and auto-save .... store/HFAppDelegate_store.cpp
//   Calendar ................... calendar/HFAppDelegate_calendar.cpp
//   Search ..................... search/HFAppDelegate_search.cpp
//   Storage and migration ...... storage/HFAppDelegate_storage.cpp
#pragma once

#include "app/DateFormatter.h"
#include "calendar/CalendarModel.h"
#include "calendar/MonthGrid.h"
#include "search/ResultsModel.h"
#include "store/NoteFile.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

namespace Ui {
class MainWindow;
}

namespace penwick {
class Panels;
class Preferences;
} // namespace penwick

class HFAppDelegate : public QObject
{
    Q_OBJECT
public:
    explicit HFAppDelegate(QObject *parent = nullptr);
    ~HFAppDelegate() override;

    // ---- Start-up and window ---------------------------------------------------------------

    // Sets the selected day to now, listens to the editor, creates a missing note file, shows
    // the month and today's entry, and shows the window.
    void applicationDidFinishLaunching();
    // Closing the main window ends Penwick.
    bool applicationShouldTerminateAfterLastWindowClosed() const { return true; }
    // A new formatter: the day form "yyyy-MM-dd" for a non-zero form, the month form "yyyy-MM" for
    // 0.
    penwick::DateFormatter rule(int form) const;
    // Brings the window to the front, for a second launch that handed over to this one.
    void raiseWindow();

    // The instant whose local day the editor shows and edits.
    QDateTime selectedDate() const { return m_selectedDate; }
    void setSelectedDate(const QDateTime &date) { m_selectedDate = date; }
    // The clock behind "now"; tests set their own.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    QDateTime now() const { return m_clock(); }

    penwick::Preferences &preferences() const { return *m_preferences; }
    penwick::Panels &panels() const { return *m_panels; }
    void setPanels(std::unique_ptr<penwick::Panels> panels);

    // The window's controls, by the names they carry in MainWindow.ui.
    CalendarModel *tank() const { return m_tank; }
    QPushButton *move() const { return m_move; }
    QTableView *grid() const { return m_grid; }
    QMainWindow *window() const { return m_window; }
    QPlainTextEdit *text() const { return m_text; }
    QLineEdit *cops() const { return m_cops; }
    QTableView *tabs() const { return m_tabs; }
    QFrame *over() const { return m_over; }
    QDialog *xing() const { return m_xing; }
    QTimeEdit *time() const { return m_time; }
    QButtonGroup *wake() const { return m_wake; }
    void setTank(CalendarModel *v) { m_tank = v; }
    void setMove(QPushButton *v) { m_move = v; }
    void setGrid(QTableView *v) { m_grid = v; }
    void setWindow(QMainWindow *v) { m_window = v; }
    void setText(QPlainTextEdit *v) { m_text = v; }
    void setCops(QLineEdit *v) { m_cops = v; }
    void setTabs(QTableView *v) { m_tabs = v; }
    void setOver(QFrame *v) { m_over = v; }
    void setXing(QDialog *v) { m_xing = v; }
    void setTime(QTimeEdit *v) { m_time = v; }
    void setWake(QButtonGroup *v) { m_wake = v; }

    // ---- Note file and auto-save -----------------------------------------------------------

    // The note file's path: the "safe" preference, or the default place.
    QString rest() const;
    // The diary's entries in file order, or nothing when there is no readable array.
    std::optional<QVariantList> load();
    // The text of the day's entry (day form), or the empty string.
    QString read(const QString &date);
    // Removes the entries with empty text.
    void wipe(QObject *sender);
    // Stores the editor's text as the selected day's entry; sent for every change the user makes.
    void textDidChange();
    // Replaces the editor's text without it counting as an edit.
    void placeText(const QString &text);

    // ---- Calendar --------------------------------------------------------------------------

    // The selected date taken apart in local time: year, month, day and the month's length.
    penwick::calendar::MonthBreakdown pick() const;
    // The weekday (1 = Sunday to 7 = Saturday) of the first day of the date's month, local time.
    int what(const QDateTime &date) const;
    // Rebuilds the grid for the selected date's month, sets the month label and loads the day's
    // text.
    void orgs();
    // A day cell's text in the highlight colour, or in the palette's text colour.
    QVariant draw(const QString &text, bool highlighted) const;
    // Takes the highlight off every day cell.
    void dark();
    // Steps to the previous month (tag 0), to today (tag 1) or to the next month (tag 2).
    void move(QObject *sender);
    // Shows the day of the grid cell the user clicked.
    void show(QObject *sender);
    // Moves the selected day by days, across months too: the grid's arrow keys and the Go menu.
    void stepDay(int days);

    // ---- Search ----------------------------------------------------------------------------

    // Shows the results under the search field and searches for its keyword, when it has one.
    void over(QObject *sender);
    // Fills the results with the days whose text holds the field's keyword, in date order.
    void cops(QObject *sender);
    // Shows the day of the result the user selected.
    void tableViewSelectionDidChange();
    // The selected result's position, or noSelection.
    qint64 resultsSelectionIndex() const;
    static constexpr qint64 noSelection = std::numeric_limits<qint64>::max();
    bool isPopoverShown() const;
    void closePopover();

    // ---- Storage and migration -------------------------------------------------------------

    // Gathers legacy date keys into "note" and creates a missing note file from it.
    void rise();

private:
    // Stores text as the day's entry, remembering it when the write fails.
    void save(const QString &date, const QString &text);
    // Stores the change whose write failed, under the day it was typed for.
    void retryPendingSave();
    // Shows or clears the warning over the editor after a read or write of the note file.
    void report(const penwick::store::Outcome &outcome);
    void buildMenus();
    void wireCalendar();
    void wireSearch();
    void placePopover();
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool calendarEvent(QObject *watched, QEvent *event);
    bool searchEvent(QObject *watched, QEvent *event);

    std::unique_ptr<Ui::MainWindow> m_ui;
    std::unique_ptr<penwick::Preferences> m_preferences;
    std::unique_ptr<penwick::Panels> m_panels;
    std::function<QDateTime()> m_clock;
    QDateTime m_selectedDate;
    bool m_closing = false;
    struct PendingSave
    {
        QString date;
        QString text;
    };
    std::optional<PendingSave> m_pendingSave; // the latest change whose write failed

    ResultsModel *m_ctrl = nullptr; // owned: the results of the latest search
    bool m_restoringSelection = false; // set while a search selects its remembered row
    QPointer<CalendarModel> m_tank;
    int m_clickedRow = -1; // the grid cell of the latest click, -1 when it hit none
    int m_clickedColumn = -1;
    QPointer<QPushButton> m_move;
    QPointer<QTableView> m_grid;
    QMainWindow *m_window = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QPointer<QLineEdit> m_cops;
    QPointer<QTableView> m_tabs;
    QPointer<QFrame> m_over;
    QPointer<QDialog> m_xing;
    QPointer<QTimeEdit> m_time;
    QPointer<QButtonGroup> m_wake;
};

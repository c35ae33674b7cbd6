// The month calendar: the month label between the previous- and next-month buttons, over a
// table of the month's days. It owns its model, shows the day it is given, and reports what
// the user asks for; which day is selected is the diary session's to decide.
#pragma once

#include <QDate>
#include <QScopedPointer>
#include <QWidget>

namespace Ui {
class CalendarWidget;
}
class CalendarModel;
class Dialogs;

class CalendarWidget : public QWidget
{
    Q_OBJECT
public:
    // Go to Date: asks for a date typed in the locale's short format or as yyyy-MM-dd, with an
    // example of each; one that cannot be read is said in the dialog, which stays open. An
    // invalid date when the user cancels.
    QDate askForDate(Dialogs *dialogs, QDate today);
    explicit CalendarWidget(QWidget *parent = nullptr);
    ~CalendarWidget() override;

    CalendarModel *model() const { return m_model; }
    // Shows day's month with day highlighted.
    void showDay(QDate day);
    // The month label's context menu: these actions (a year or a month back and on).
    void setMonthLabelActions(const QList<QAction *> &actions);
    // Puts the days, then ‹, the month label and › after previous in the focus chain; returns
    // the last of them.
    QWidget *chainFocusAfter(QWidget *previous);

Q_SIGNALS:
    // A click on a day cell, also on the day already shown.
    void dayChosen(QDate day);
    // The arrow keys in the table: days to step from the selected day.
    void dayStepRequested(int days);
    // Return in the table: the user wants to write in the day shown.
    void dayActivated();
    void previousMonthRequested();
    void todayRequested();
    void nextMonthRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseCell(const QModelIndex &index);

    const QScopedPointer<Ui::CalendarWidget> m_ui;
    CalendarModel *m_model;
};

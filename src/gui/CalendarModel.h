// The calendar table's model: one month as a grid of seven columns, the weekday titles in the
// first row, and the highlighted day. The month and the day are kept as dates, so nothing is
// ever read back from a cell's text.
#pragma once

#include "calendar/MonthGrid.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDate>
#include <QSet>

class CalendarModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The colour the highlighted day is drawn in; other days take the palette's text colour.
    static QColor highlightColor();
    enum Role { SelectedRole = Qt::UserRole + 1, TodayRole, HasEntryRole };

    // Today gets a ring; days whose entry holds text are drawn bold.
    void setToday(QDate today);
    void setDaysWithText(QSet<QDate> days);
    void setDayHasText(QDate day, bool hasText);

    // Shows the month that holds day, with day highlighted.
    void showDay(QDate day);
    QDate shownMonth() const { return m_grid.firstDay(); }
    QDate highlightedDay() const { return m_highlighted; }
    void clearHighlight();
    // The day a cell shows, or an invalid date for a title or a blank.
    QDate dayAt(const QModelIndex &index) const;
    QModelIndex indexOf(QDate day) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void setHighlightedDay(QDate day);

    void changed(QDate day);

    penwick::calendar::MonthGrid m_grid;
    QDate m_highlighted;
    QDate m_today;
    QSet<QDate> m_withText;
};

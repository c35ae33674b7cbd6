// A month laid out as the calendar shows it, decided without a widget: a title row of the
// weekdays from the week's first day (the locale's: Monday in Germany, Sunday in the United
// States), then one row per week, and a last row for the week still open when the days ran out
// (empty when the month ends on the week's last day). Days are calendar dates, so
// no time zone or missing midnight can move them.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace penwick::calendar {

class MonthGrid
{
public:
    static constexpr int columnCount = 7;
    static constexpr int titleRow = 0;

    // The month that holds day, its weeks starting on firstWeekday.
    explicit MonthGrid(QDate day = {}, Qt::DayOfWeek firstWeekday = Qt::Sunday);

    QDate firstDay() const { return m_first; }
    Qt::DayOfWeek firstWeekday() const { return m_firstWeekday; }
    // The weekday a column shows.
    Qt::DayOfWeek weekdayOf(int column) const;
    // The title row, the week rows and the open last row: 6 or 7.
    int rowCount() const;
    // The day shown in a cell, or an invalid date for a title, a blank or a cell out of range.
    QDate dayAt(int row, int column) const;
    // The row and column that show day; false when day is not in this month.
    bool cellOf(QDate day, int *row, int *column) const;

private:
    // The column of a day of this month.
    int columnOf(QDate day) const;

    QDate m_first;
    Qt::DayOfWeek m_firstWeekday;
};

// The month as its label shows it: the year and the month joined by a full stop ("2026.3").
QString monthLabel(QDate month);

// The first day of the month step months away from day's month (-1 the one before).
QDate firstDayOfMonth(QDate day, int step = 0);

// The day a person typed: ISO "yyyy-MM-dd", or the locale's short date (a two-digit year read
// as one of the hundred years around today). Invalid when the text names no day.
QDate dayFromTyped(const QString &text, const QLocale &locale, QDate today);

} // namespace penwick::calendar

// Month arithmetic and the month grid, decided without a widget. The grid is a list of rows,
// each a map from the weekday keys "Su" to "Sa" to a cell: row 0 holds the weekday titles, the
// rows after it the weeks, and the last row is the one still open when the days ran out (empty
// when the month ends on a Saturday).
#pragma once

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QVariantMap>
#include <functional>

namespace penwick::calendar {

// The selected instant taken apart in local time.
struct MonthBreakdown
{
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0; // 1 to 31
    int daysInMonth = 0; // 28 to 31
};

using Row = QVariantMap;

// "Su", "Mo", "Tu", "We", "Th", "Fr", "Sa": column c shows key c.
const QStringList &weekdayKeys();

// Gregorian: divisible by 400, or by 4 and not by 100.
bool isLeapYear(int year);
int daysInMonth(int year, int month);

MonthBreakdown breakDown(const QDateTime &instant);

// The weekday of the first day of the instant's month in local time, 1 = Sunday to 7 = Saturday.
int firstWeekday(const QDateTime &instant);

// The rows of a month: title cells from titleFor, "" before day 1, and day cells from draw,
// the selected day drawn highlighted.
QList<Row> buildMonthGrid(const MonthBreakdown &month, int firstWeekday,
        const std::function<QVariant(const QString &key)> &titleFor,
        const std::function<QVariant(const QString &text, bool highlighted)> &draw);

// The displayed month's label: year and month joined by a full stop, month not padded ("2026.3").
QString monthLabel(int year, int month);

// The day form of a date, "2026-03-05".
QString dayString(int year, int month, int day);

// The first instant of the first day of the month before (step -1) or after (step 1) the
// instant's month, in local time.
QDateTime neighbouringMonth(const QDateTime &instant, int step);

} // namespace penwick::calendar

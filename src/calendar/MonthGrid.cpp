#include "MonthGrid.h"

namespace penwick::calendar {

const QStringList &weekdayKeys()
{
    static const QStringList keys { "Su", "Mo", "Tu", "We", "Th", "Fr", "Sa" };
    return keys;
}

bool isLeapYear(int year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int daysInMonth(int year, int month)
{
    // entry 0 stands for no month, so that January is entry 1
    int lengths[13] = { 0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (isLeapYear(year))
        lengths[2] = 29;
    return month >= 1 && month <= 12 ? lengths[month] : 0;
}

MonthBreakdown breakDown(const QDateTime &instant)
{
    const QDate date = instant.toLocalTime().date();
    return { date.year(), date.month(), date.day(), daysInMonth(date.year(), date.month()) };
}

int firstWeekday(const QDateTime &instant)
{
    const QDate date = instant.toLocalTime().date();
    // Qt counts Monday 1 to Sunday 7
    return QDate(date.year(), date.month(), 1).dayOfWeek() % 7 + 1;
}

QList<Row> buildMonthGrid(const MonthBreakdown &month, int firstWeekday,
        const std::function<QVariant(const QString &key)> &titleFor,
        const std::function<QVariant(const QString &text, bool highlighted)> &draw)
{
    const QStringList &keys = weekdayKeys();
    QList<Row> rows;
    Row titles;
    for (const QString &key : keys)
        titles.insert(key, titleFor(key));
    rows.append(titles);

    Row row;
    int column = firstWeekday - 1;
    for (int c = 0; c < column; ++c)
        row.insert(keys[c], QString(""));
    for (int d = 1; d <= month.daysInMonth; ++d) {
        row.insert(keys[column], draw(QString::number(d), d == month.day));
        if (column == 6) {
            rows.append(row);
            row.clear();
            column = 0;
        } else {
            ++column;
        }
    }
    rows.append(row); // the open row, even when empty
    return rows;
}

QString monthLabel(int year, int month)
{
    return QStringLiteral("%1.%2").arg(year).arg(month);
}

QString dayString(int year, int month, int day)
{
    return QString::asprintf("%04d-%02d-%02d", year, month, day);
}

QDateTime neighbouringMonth(const QDateTime &instant, int step)
{
    const QDate date = instant.toLocalTime().date();
    return QDate(date.year(), date.month(), 1).addMonths(step).startOfDay();
}

} // namespace penwick::calendar

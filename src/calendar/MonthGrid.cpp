#include "MonthGrid.h"

namespace penwick::calendar {

MonthGrid::MonthGrid(QDate day, Qt::DayOfWeek firstWeekday)
    : m_first(firstDayOfMonth(day)), m_firstWeekday(firstWeekday)
{ }

Qt::DayOfWeek MonthGrid::weekdayOf(int column) const
{
    return Qt::DayOfWeek((m_firstWeekday - 1 + column) % columnCount + 1);
}

int MonthGrid::columnOf(QDate day) const
{
    return (day.dayOfWeek() - m_firstWeekday + columnCount) % columnCount;
}

int MonthGrid::rowCount() const
{
    if (!m_first.isValid())
        return 0;
    const int cells = columnOf(m_first) + m_first.daysInMonth();
    return 1 + cells / columnCount + 1;
}

QDate MonthGrid::dayAt(int row, int column) const
{
    if (row <= titleRow || row >= rowCount() || column < 0 || column >= columnCount)
        return {};
    const int day = (row - 1) * columnCount + column - columnOf(m_first) + 1;
    if (day < 1 || day > m_first.daysInMonth())
        return {};
    return m_first.addDays(day - 1);
}

bool MonthGrid::cellOf(QDate day, int *row, int *column) const
{
    if (!day.isValid() || firstDayOfMonth(day) != m_first)
        return false;
    const int cell = columnOf(m_first) + day.day() - 1;
    *row = 1 + cell / columnCount;
    *column = cell % columnCount;
    return true;
}

QString monthLabel(QDate month)
{
    return QStringLiteral("%1.%2").arg(month.year()).arg(month.month());
}

QDate firstDayOfMonth(QDate day, int step)
{
    if (!day.isValid())
        return {};
    return QDate(day.year(), day.month(), 1).addMonths(step);
}

QDate dayFromTyped(const QString &text, const QLocale &locale, QDate today)
{
    const QString typed = text.trimmed();
    QDate day = QDate::fromString(typed, QStringLiteral("yyyy-MM-dd"));
    if (day.isValid())
        return day;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        QString fourDigits = format;
        day = locale.toDate(typed, fourDigits.replace(QLatin1String("yy"), QLatin1String("yyyy")));
        if (day.isValid())
            return day;
    }
    // a two-digit year is read as 19xx: the one of the hundred years around today instead
    day = locale.toDate(typed, format);
    if (day.isValid() && !format.contains(QLatin1String("yyyy"))) {
        while (day.year() < today.year() - 50)
            day = day.addYears(100);
    }
    return day;
}

} // namespace penwick::calendar

#include "CalendarModel.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>

using penwick::calendar::MonthGrid;

namespace {

// The weekday titles, Sunday first (Qt's 7 taken modulo 7), translated where a translation exists.
const char *const weekdayTitles[] = {
    QT_TRANSLATE_NOOP("Calendar", "Su"),
    QT_TRANSLATE_NOOP("Calendar", "Mo"),
    QT_TRANSLATE_NOOP("Calendar", "Tu"),
    QT_TRANSLATE_NOOP("Calendar", "We"),
    QT_TRANSLATE_NOOP("Calendar", "Th"),
    QT_TRANSLATE_NOOP("Calendar", "Fr"),
    QT_TRANSLATE_NOOP("Calendar", "Sa"),
};

// The locale's first day of the week; the C locale, which names no country, keeps Sunday as
// Penwick always had it.
Qt::DayOfWeek firstWeekday()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? Qt::Sunday : locale.firstDayOfWeek();
}

} // namespace

QColor CalendarModel::highlightColor()
{
    return QColor::fromRgbF(0.0f, 0.7f, 1.0f, 1.0f);
}

void CalendarModel::showDay(QDate day)
{
    if (penwick::calendar::firstDayOfMonth(day) != m_grid.firstDay()) {
        beginResetModel();
        m_grid = MonthGrid(day, firstWeekday());
        m_highlighted = day;
        endResetModel();
        return;
    }
    setHighlightedDay(day);
}

void CalendarModel::setToday(QDate today)
{
    const QDate before = std::exchange(m_today, today);
    changed(before);
    changed(today);
}

void CalendarModel::setDaysWithText(QSet<QDate> days)
{
    m_withText = std::move(days);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(1, 0), index(rowCount() - 1, columnCount() - 1));
}

void CalendarModel::setDayHasText(QDate day, bool hasText)
{
    if (m_withText.contains(day) == hasText)
        return;
    if (hasText)
        m_withText.insert(day);
    else
        m_withText.remove(day);
    changed(day);
}

void CalendarModel::changed(QDate day)
{
    const QModelIndex at = indexOf(day);
    if (at.isValid())
        Q_EMIT dataChanged(at, at);
}

void CalendarModel::clearHighlight()
{
    setHighlightedDay({});
}

void CalendarModel::setHighlightedDay(QDate day)
{
    const QModelIndex before = indexOf(m_highlighted);
    m_highlighted = day;
    for (const QModelIndex &changed : { before, indexOf(day) }) {
        if (changed.isValid())
            Q_EMIT dataChanged(changed, changed);
    }
}

QDate CalendarModel::dayAt(const QModelIndex &index) const
{
    return index.isValid() ? m_grid.dayAt(index.row(), index.column()) : QDate();
}

QModelIndex CalendarModel::indexOf(QDate day) const
{
    int row = 0, column = 0;
    return m_grid.cellOf(day, &row, &column) ? index(row, column) : QModelIndex();
}

int CalendarModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.rowCount();
}

int CalendarModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MonthGrid::columnCount;
}

QVariant CalendarModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.row() == MonthGrid::titleRow) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return QCoreApplication::translate(
                    "Calendar", weekdayTitles[m_grid.weekdayOf(index.column()) % 7]);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    const QDate day = dayAt(index);
    if (!day.isValid())
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(day.day());
    case Qt::AccessibleTextRole: {
        // the whole date and its state, for screen readers and tests alike
        QStringList parts { QLocale().toString(day, QLocale::LongFormat) };
        if (m_withText.contains(day))
            parts << tr("has an entry");
        if (day == m_highlighted)
            parts << tr("selected");
        if (day == m_today)
            parts << tr("today");
        return parts.join(QStringLiteral(", "));
    }
    case Qt::FontRole:
        if (m_withText.contains(day)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case SelectedRole:
        return day == m_highlighted;
    case TodayRole:
        return day == m_today;
    case HasEntryRole:
        return m_withText.contains(day);
    case Qt::ForegroundRole:
        // an invalid colour stands for the palette's, resolved when drawn, so dark themes work
        if (day == m_highlighted)
            return highlightColor();
        return {};
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

Qt::ItemFlags CalendarModel::flags(const QModelIndex &index) const
{
    // cells are shown, never selected or edited: the highlight colour alone marks the day
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

#include "CalendarModel.h"

#include <QCoreApplication>

using penwick::calendar::MonthGrid;

namespace {

// The weekday titles, Sunday first, translated where a translation exists.
const char *const weekdayTitles[] = {
    QT_TRANSLATE_NOOP("Calendar", "Su"),
    QT_TRANSLATE_NOOP("Calendar", "Mo"),
    QT_TRANSLATE_NOOP("Calendar", "Tu"),
    QT_TRANSLATE_NOOP("Calendar", "We"),
    QT_TRANSLATE_NOOP("Calendar", "Th"),
    QT_TRANSLATE_NOOP("Calendar", "Fr"),
    QT_TRANSLATE_NOOP("Calendar", "Sa"),
};

} // namespace

QColor CalendarModel::highlightColor()
{
    return QColor::fromRgbF(0.0f, 0.7f, 1.0f, 1.0f);
}

void CalendarModel::showDay(QDate day)
{
    if (penwick::calendar::firstDayOfMonth(day) != m_grid.firstDay()) {
        beginResetModel();
        m_grid = MonthGrid(day);
        m_highlighted = day;
        endResetModel();
        return;
    }
    setHighlightedDay(day);
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
            return QCoreApplication::translate("Calendar", weekdayTitles[index.column()]);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    const QDate day = dayAt(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return day.isValid() ? QString::number(day.day()) : QString();
    case Qt::ForegroundRole:
        // an invalid colour stands for the palette's, resolved when drawn, so dark themes work
        if (day.isValid() && day == m_highlighted)
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

#include "CalendarModel.h"

#include "calendar/StyledText.h"

using namespace penwick;

void CalendarModel::setRows(QList<calendar::Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void CalendarModel::setCell(int row, const QString &key, const QVariant &cell)
{
    const int column = int(calendar::weekdayKeys().indexOf(key));
    if (row < 0 || row >= m_rows.size() || column < 0)
        return;
    m_rows[row].insert(key, cell);
    const QModelIndex at = index(row, column);
    Q_EMIT dataChanged(at, at);
}

int CalendarModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CalendarModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 7;
}

QVariant CalendarModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const QVariant cell = m_rows[index.row()].value(calendar::weekdayKeys().at(index.column()));
    if (!cell.isValid())
        return {};
    const bool styled = cell.userType() == qMetaTypeId<StyledText>();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(cell);
    case Qt::ForegroundRole:
        if (styled && cell.value<StyledText>().color.isValid())
            return cell.value<StyledText>().color;
        return {};
    case Qt::TextAlignmentRole:
        return int(styled ? cell.value<StyledText>().alignment : Qt::AlignCenter);
    default:
        return {};
    }
}

Qt::ItemFlags CalendarModel::flags(const QModelIndex &index) const
{
    // cells are shown, never selected or edited: the highlight colour alone marks the day
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

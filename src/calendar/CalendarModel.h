// The rows of the calendar table: the model behind the grid, seven columns keyed "Su" to "Sa",
// one table row per grid row, in order. Cells are changed in place by the controller.
#pragma once

#include "calendar/MonthGrid.h"

#include <QAbstractTableModel>

class CalendarModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const QList<penwick::calendar::Row> &rows() const { return m_rows; }
    void setRows(QList<penwick::calendar::Row> rows);
    void setCell(int row, const QString &key, const QVariant &cell);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<penwick::calendar::Row> m_rows;
};

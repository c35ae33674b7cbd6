// The results of a keyword search: diary entries in date order, shown as their date and the
// start of their text.
#pragma once

#include <QAbstractTableModel>
#include <QVariantList>

class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const QVariantList &results() const { return m_results; }
    void setResults(QVariantList results);
    QString dateAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QVariantList m_results;
};

#include "ResultsModel.h"

#include <QVariantMap>

void ResultsModel::setResults(QVariantList results)
{
    beginResetModel();
    m_results = std::move(results);
    endResetModel();
}

QString ResultsModel::dateAt(int row) const
{
    return row >= 0 && row < m_results.size()
            ? m_results[row].toMap().value(QStringLiteral("date")).toString()
            : QString();
}

int ResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_results.size());
}

int ResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_results.size())
        return {};
    const QVariantMap entry = m_results[index.row()].toMap();
    if (index.column() == 0) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return entry.value(QStringLiteral("date"));
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        // the first line with text, enough to tell the days apart
        const QString text = entry.value(QStringLiteral("text")).toString();
        for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
            const QStringView trimmed = line.trimmed();
            if (!trimmed.isEmpty())
                return trimmed.left(role == Qt::ToolTipRole ? 300 : 120).toString();
        }
    }
    return {};
}

#include "ResultsModel.h"

#include "diary/DayKey.h"
#include "diary/SearchQuery.h"

#include <QLocale>
#include <algorithm>

void ResultsModel::setResults(QList<penwick::diary::DiaryEntry> results, const QString &keyword,
        bool ignoreCaseAndAccents)
{
    beginResetModel();
    m_results = std::move(results);
    m_keyword = keyword;
    m_matcher = std::make_shared<penwick::diary::QueryMatcher>(keyword, ignoreCaseAndAccents);
    endResetModel();
}

QString ResultsModel::dateText(QDate day)
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return QLocale().toString(day, format);
}

bool ResultsModel::follow(const penwick::diary::DiaryEntry &edited, bool matches)
{
    const auto byDate = [](const penwick::diary::DiaryEntry &a,
                                const penwick::diary::DiaryEntry &b) { return a.date < b.date; };
    const auto first = std::lower_bound(m_results.begin(), m_results.end(), edited, byDate);
    const int row = int(first - m_results.begin());
    const bool listed = first != m_results.end() && first->date == edited.date;
    if (listed && matches) {
        if (first->text == edited.text)
            return false;
        first->text = edited.text;
        Q_EMIT dataChanged(index(row, 0), index(row, 1));
    } else if (listed) {
        beginRemoveRows({}, row, row);
        m_results.removeAt(row);
        endRemoveRows();
    } else if (matches) {
        beginInsertRows({}, row, row);
        m_results.insert(row, edited);
        endInsertRows();
    } else {
        return false;
    }
    return true;
}

QDate ResultsModel::dayAt(int row) const
{
    return row >= 0 && row < m_results.size() ? penwick::diary::dayFromKey(m_results[row].date)
                                              : QDate();
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
    const penwick::diary::DiaryEntry &entry = m_results[index.row()];
    if (index.column() == 0) {
        const QDate day = penwick::diary::dayFromKey(entry.date);
        if (role == DayKeyRole)
            return entry.date;
        if (role == Qt::DisplayRole)
            return day.isValid() ? dateText(day) : entry.date;
        if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
            return day.isValid() ? QLocale().toString(day, QLocale::LongFormat) : entry.date;
        return {};
    }
    const bool words = role == Qt::DisplayRole || role == Qt::AccessibleTextRole
            || role == MarkedContextRole;
    if (words && m_matcher) {
        // the words around the first place of any term, every term's places in them marked
        const QList<penwick::diary::MatchSpan> places = m_matcher->places(entry.text, 1000);
        if (!places.isEmpty()) {
            const penwick::diary::MarkedWords shown
                    = penwick::diary::wordsAround(entry.text, places);
            const QString more = places.size() > 1 ? tr(" (%n times)", nullptr, int(places.size()))
                                                   : QString();
            if (role != MarkedContextRole)
                return QString(shown.text + more);
            QString marked;
            qsizetype done = 0;
            for (const penwick::diary::MatchSpan &mark : shown.marks) {
                if (mark.at < done)
                    continue; // inside the one before
                marked += QStringView(shown.text)
                                  .mid(done, mark.at - done)
                                  .toString()
                                  .toHtmlEscaped()
                        + QStringLiteral("<b>")
                        + QStringView(shown.text)
                                  .mid(mark.at, mark.length)
                                  .toString()
                                  .toHtmlEscaped()
                        + QStringLiteral("</b>");
                done = mark.at + mark.length;
            }
            return QString(marked + QStringView(shown.text).mid(done).toString().toHtmlEscaped()
                    + more.toHtmlEscaped());
        }
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        // the first line with text, enough to tell the days apart
        for (QStringView line : QStringView(entry.text).split(QLatin1Char('\n'))) {
            const QStringView trimmed = line.trimmed();
            if (!trimmed.isEmpty())
                return trimmed.left(role == Qt::ToolTipRole ? 300 : 120).toString();
        }
    }
    return {};
}

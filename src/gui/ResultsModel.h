// The results of a search: diary entries in date order, shown as their date in the user's locale
// (four-digit years) and the words around the first place of the search's terms in the text,
// each term's places marked. The words are found when a row is shown, so a list of thousands of
// days fills at once.
#pragma once

#include "diary/NoteFile.h"

#include <QAbstractTableModel>
#include <QDate>
#include <memory>

namespace penwick::diary {
class QueryMatcher;
}

class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The date as stored, "yyyy-MM-dd", beside the date shown in the user's locale.
    static constexpr int DayKeyRole = Qt::UserRole;
    // The words around the matches as rich text, the matches in bold.
    static constexpr int MarkedContextRole = Qt::UserRole + 1;

    void setResults(QList<penwick::diary::DiaryEntry> results, const QString &keyword = {},
            bool ignoreCaseAndAccents = false);
    // The locale's short date with the year in four digits.
    static QString dateText(QDate day);
    // The first row of the edited day takes its new text, or goes when it no longer matches;
    // a day without a row that now matches gets one in date order. False when nothing changed.
    bool follow(const penwick::diary::DiaryEntry &edited, bool matches);
    // The day of a row, or an invalid date when its stored date names no day.
    QDate dayAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QList<penwick::diary::DiaryEntry> m_results;
    QString m_keyword;
    std::shared_ptr<const penwick::diary::QueryMatcher> m_matcher;
};

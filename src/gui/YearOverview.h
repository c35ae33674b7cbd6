// The year at a glance (View > Year Overview…): the year's days as small squares, weeks in
// columns, coloured by the words written that day; the days written, the words, the longest and
// the current streak, the words of each month as bars, the year's tags. The squares and the
// bars are tables underneath, so that the keyboard moves over them and a screen reader reads
// each day and each month. Choosing a day opens it, choosing a tag searches for it.
#pragma once

#include "calendar/YearStatistics.h"

#include <QDialog>

class QAction;
class QLabel;
class QMenu;
class QTableView;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class YearGridModel;
class MonthWordsModel;
namespace penwick::diary {
class DiarySession;
}

class YearOverview : public QDialog
{
    Q_OBJECT
public:
    explicit YearOverview(penwick::diary::DiarySession *session, QWidget *parent = nullptr);

    // View > Year Overview…, with its key.
    void addActionsTo(QMenu *view);
    int year() const { return m_stats.year; }

public Q_SLOTS:
    // Opens on the selected day's year, the keyboard on its square.
    void present();
    // Shows year, the keyboard on day (or on the day's place in it).
    void showYear(int year, QDate focus = {});

Q_SIGNALS:
    void dayChosen(QDate day);
    // A tag of the year chosen: its search ("#garden").
    void tagChosen(const QString &search);

private:
    void build();
    void fitToScreen();
    void showFigures();
    void chooseDay(const QModelIndex &index);
    void chooseTag(QTreeWidgetItem *item);
    QString streakText(const penwick::calendar::Streak &streak) const;

    penwick::diary::DiarySession *m_session;
    QAction *m_open;
    penwick::calendar::YearStatistics m_stats;
    bool m_built = false;
    QToolButton *m_previousYear = nullptr;
    QToolButton *m_nextYear = nullptr;
    QLabel *m_yearLabel = nullptr;
    QTableView *m_grid = nullptr;
    YearGridModel *m_gridModel = nullptr;
    QWidget *m_monthRuler = nullptr;
    QLabel *m_daysWritten = nullptr;
    QLabel *m_words = nullptr;
    QLabel *m_longest = nullptr;
    QLabel *m_current = nullptr;
    QTableView *m_months = nullptr;
    MonthWordsModel *m_monthsModel = nullptr;
    QTreeWidget *m_tags = nullptr;
    class QScrollArea *m_scroll = nullptr;
};

// A year of the diary at a glance, decided without a widget: the days laid out as weeks in
// columns (as a contribution graph shows them), and what was written: the words of each day,
// the days written, the words of each month, the longest and the current streak of days written
// in a row, and the year's tags. Days are calendar dates throughout, so a month's or a year's
// end, a leap day or a change of clocks can neither split a streak nor count a day twice.
#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <array>

namespace penwick::calendar {

// The days of a year in weeks: column 0 holds the week of 1 January, row 0 the week's first day.
class YearLayout
{
public:
    static constexpr int rowCount = 7;

    explicit YearLayout(int year = 0, Qt::DayOfWeek firstWeekday = Qt::Monday);

    int year() const { return m_year; }
    int columnCount() const;
    // The day in a cell, or an invalid date for a cell before 1 January or after 31 December.
    QDate dayAt(int row, int column) const;
    // The row and column of a day of the year.
    bool cellOf(QDate day, int *row, int *column) const;
    Qt::DayOfWeek weekdayOf(int row) const;

private:
    int m_year;
    Qt::DayOfWeek m_firstWeekday;
    int m_lead; // the cells of the first column before 1 January
};

// Days written one after another; empty when first is invalid.
struct Streak
{
    QDate first;
    QDate last;
    int days() const { return first.isValid() ? int(first.daysTo(last)) + 1 : 0; }
    friend bool operator==(const Streak &, const Streak &) = default;
};

struct YearTag
{
    QString name; // as written most often that year
    int days = 0;
    friend bool operator==(const YearTag &, const YearTag &) = default;
};

struct YearStatistics
{
    int year = 0;
    QMap<QDate, int> words; // each day of the year with text, its words
    int daysWritten = 0;
    qint64 wordCount = 0;
    std::array<qint64, 12> wordsPerMonth {};
    // The longest run of days written that reaches into the year, whole (it may begin in the
    // year before or go on into the next); the earliest of equally long ones.
    Streak longest;
    // The run of days written up to today (or up to yesterday, while today has no text yet),
    // when it reaches into the year.
    Streak current;
    QList<YearTag> tags; // the year's tags, most days first, then by name

    // texts holds the year's days with text (others are ignored); written every day the diary
    // has text, those of the year included, for the streaks that reach past the year's ends.
    static YearStatistics of(
            int year, const QMap<QDate, QString> &texts, const QSet<QDate> &written, QDate today);

    // How strongly a day is coloured: 0 for no words, else 1 to 4 by the year's quarters of
    // words per day (a day in the top quarter is 4).
    int level(QDate day) const;

private:
    std::array<int, 3> m_quartiles {};
};

} // namespace penwick::calendar

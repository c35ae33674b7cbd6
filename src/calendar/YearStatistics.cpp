#include "YearStatistics.h"

#include "diary/Words.h"

#include <QHash>
#include <algorithm>

namespace penwick::calendar {

YearLayout::YearLayout(int year, Qt::DayOfWeek firstWeekday)
    : m_year(year)
    , m_firstWeekday(firstWeekday)
    , m_lead((QDate(year, 1, 1).dayOfWeek() - firstWeekday + rowCount) % rowCount)
{ }

int YearLayout::columnCount() const
{
    const int days = QDate(m_year, 1, 1).daysInYear();
    return (m_lead + days + rowCount - 1) / rowCount;
}

QDate YearLayout::dayAt(int row, int column) const
{
    if (row < 0 || row >= rowCount || column < 0)
        return {};
    const QDate day = QDate(m_year, 1, 1).addDays(column * rowCount + row - m_lead);
    return day.year() == m_year ? day : QDate();
}

bool YearLayout::cellOf(QDate day, int *row, int *column) const
{
    if (!day.isValid() || day.year() != m_year)
        return false;
    const int cell = day.dayOfYear() - 1 + m_lead;
    *row = cell % rowCount;
    *column = cell / rowCount;
    return true;
}

Qt::DayOfWeek YearLayout::weekdayOf(int row) const
{
    return Qt::DayOfWeek((m_firstWeekday - 1 + row) % rowCount + 1);
}

namespace {

// The whole run of days written that holds day.
Streak runThrough(QDate day, const QSet<QDate> &written)
{
    Streak run { day, day };
    while (written.contains(run.first.addDays(-1)))
        run.first = run.first.addDays(-1);
    while (written.contains(run.last.addDays(1)))
        run.last = run.last.addDays(1);
    return run;
}

bool reachesInto(const Streak &run, int year)
{
    return run.first.isValid() && run.first.year() <= year && run.last.year() >= year;
}

} // namespace

YearStatistics YearStatistics::of(
        int year, const QMap<QDate, QString> &texts, const QSet<QDate> &written, QDate today)
{
    YearStatistics stats;
    stats.year = year;
    QHash<QString, int> tagDays;
    QHash<QString, QHash<QString, int>> spellings;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (it.key().year() != year || it.value().isEmpty())
            continue;
        const int words = diary::countWords(it.value());
        stats.words.insert(it.key(), words);
        ++stats.daysWritten;
        stats.wordCount += words;
        stats.wordsPerMonth[size_t(it.key().month() - 1)] += words;
        QSet<QString> ofDay;
        for (const diary::TagSpan &span : diary::findTags(it.value())) {
            const QString tag = it.value().mid(span.at, span.length);
            const QString key = diary::tagKey(tag);
            ++spellings[key][tag];
            if (!ofDay.contains(key)) {
                ofDay.insert(key);
                ++tagDays[key];
            }
        }
    }
    for (auto it = tagDays.cbegin(); it != tagDays.cend(); ++it) {
        const QHash<QString, int> &ways = spellings[it.key()];
        QString name;
        int most = 0;
        for (auto way = ways.cbegin(); way != ways.cend(); ++way) {
            if (way.value() > most || (way.value() == most && way.key() < name)) {
                most = way.value();
                name = way.key();
            }
        }
        stats.tags.append({ name, it.value() });
    }
    std::sort(stats.tags.begin(), stats.tags.end(), [](const YearTag &a, const YearTag &b) {
        return a.days != b.days ? a.days > b.days : a.name.toCaseFolded() < b.name.toCaseFolded();
    });

    // every run that reaches into the year starts in it, or holds its first day
    for (auto it = stats.words.cbegin(); it != stats.words.cend(); ++it) {
        if (written.contains(it.key().addDays(-1)) && it.key() != QDate(year, 1, 1))
            continue;
        const Streak run = runThrough(it.key(), written);
        if (run.days() > stats.longest.days())
            stats.longest = run;
    }
    const QDate anchor = written.contains(today) ? today : today.addDays(-1);
    if (written.contains(anchor)) {
        const Streak run = runThrough(anchor, written);
        if (reachesInto(run, year))
            stats.current = run;
    }

    QList<int> counts = stats.words.values();
    std::sort(counts.begin(), counts.end());
    for (size_t q = 0; q < 3 && !counts.isEmpty(); ++q)
        stats.m_quartiles[q] = counts.at(qsizetype((q + 1) * size_t(counts.size()) / 4));
    return stats;
}

int YearStatistics::level(QDate day) const
{
    const int count = words.value(day, 0);
    if (count <= 0 && !words.contains(day))
        return 0;
    int level = 1;
    for (const int quartile : m_quartiles)
        level += count >= quartile && quartile > 0 ? 1 : 0;
    return std::min(level, 4);
}

} // namespace penwick::calendar

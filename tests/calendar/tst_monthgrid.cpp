// The month grid's shape for known months, and every month of three centuries laid out so that
// each day stands once, under its own weekday, for weeks that start on Sunday or on Monday.
#include "TestEnvironment.h"
#include "calendar/MonthGrid.h"

#include <QCoreApplication>

using namespace penwick::calendar;

class tst_MonthGrid : public QObject
{
    Q_OBJECT

    // A row of the grid as text: day numbers, "_" for a blank cell.
    static QString rowText(const MonthGrid &grid, int row)
    {
        QStringList cells;
        for (int c = 0; c < MonthGrid::columnCount; ++c) {
            const QDate day = grid.dayAt(row, c);
            cells << (day.isValid() ? QString::number(day.day()) : QStringLiteral("_"));
        }
        return cells.join(' ');
    }

private Q_SLOTS:
    void everyDayOfThreeCenturiesStandsOnceUnderItsWeekday()
    {
        for (QDate month(1900, 1, 1); month.year() <= 2100; month = month.addMonths(1)) {
            const MonthGrid grid(month.addDays(13), month.month() % 2 ? Qt::Sunday : Qt::Monday);
            QSet<QDate> seen;
            for (int r = 1; r < grid.rowCount(); ++r) {
                for (int c = 0; c < MonthGrid::columnCount; ++c) {
                    const QDate day = grid.dayAt(r, c);
                    if (!day.isValid())
                        continue;
                    QVERIFY(!seen.contains(day));
                    seen.insert(day);
                    QCOMPARE(Qt::DayOfWeek(day.dayOfWeek()), grid.weekdayOf(c));
                    int row = -1, column = -1;
                    QVERIFY(grid.cellOf(day, &row, &column));
                    QCOMPARE(QPoint(column, row), QPoint(c, r));
                }
            }
            QCOMPARE(seen.size(), month.daysInMonth());
            QVERIFY(seen.contains(month));
            // the last row is the open one, whatever it holds
            QVERIFY(grid.dayAt(grid.rowCount() - 2, 6).isValid());
        }
    }

    void knownMonths_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("firstWeek");
        QTest::addColumn<QString>("lastTwo");
        const auto row = [](const char *name, QDate month, int rows, const char *firstWeek,
                                 const char *lastTwo) {
            QTest::newRow(name) << month << rows << QString(firstWeek) << QString(lastTwo);
        };
        row("February 2026, four whole weeks and an empty open row", QDate(2026, 2, 14), 6,
                "1 2 3 4 5 6 7", "22 23 24 25 26 27 28|_ _ _ _ _ _ _");
        row("January 2026, ends on a Saturday", QDate(2026, 1, 1), 7, "_ _ _ _ 1 2 3",
                "25 26 27 28 29 30 31|_ _ _ _ _ _ _");
        row("August 2026, starts on a Saturday", QDate(2026, 8, 31), 7, "_ _ _ _ _ _ 1",
                "23 24 25 26 27 28 29|30 31 _ _ _ _ _");
        row("March 2026", QDate(2026, 3, 5), 6, "1 2 3 4 5 6 7",
                "22 23 24 25 26 27 28|29 30 31 _ _ _ _");
        row("February 2024, leap", QDate(2024, 2, 1), 6, "_ _ _ _ 1 2 3",
                "18 19 20 21 22 23 24|25 26 27 28 29 _ _");
    }

    void knownMonths()
    {
        QFETCH(QDate, month);
        QFETCH(int, rows);
        QFETCH(QString, firstWeek);
        QFETCH(QString, lastTwo);
        const MonthGrid grid(month);
        QCOMPARE(grid.firstDay(), QDate(month.year(), month.month(), 1));
        QCOMPARE(grid.rowCount(), rows);
        QCOMPARE(rowText(grid, MonthGrid::titleRow), QString("_ _ _ _ _ _ _"));
        QCOMPARE(rowText(grid, 1), firstWeek);
        QCOMPARE(rowText(grid, rows - 2) + "|" + rowText(grid, rows - 1), lastTwo);
        QVERIFY(!grid.dayAt(rows, 0).isValid());
        QVERIFY(!grid.dayAt(1, 7).isValid());
    }

    void typedDates_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("day");
        const auto row = [](const char *name, const char *locale, const char *typed, QDate day) {
            QTest::newRow(name) << QString(locale) << QString(typed) << day;
        };
        row("ISO", "de_DE", " 2016-05-04 ", QDate(2016, 5, 4));
        row("US, two-digit year", "en_US", "5/4/16", QDate(2016, 5, 4));
        row("US, four-digit year", "en_US", "5/4/1916", QDate(1916, 5, 4));
        row("German", "de_DE", "04.05.16", QDate(2016, 5, 4));
        row("two digits, last century", "de_DE", "04.05.80", QDate(1980, 5, 4));
    }
    void typedDates()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QTEST(dayFromTyped(typed, QLocale(locale), QDate(2026, 12, 7)), "day");
    }
};

PENWICK_TEST_MAIN(tst_MonthGrid, QCoreApplication)
#include "tst_monthgrid.moc"

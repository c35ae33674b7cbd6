// Month arithmetic and grid shapes, checked against the calendar rules for every month of
// three centuries and against known months.
#include "TestEnvironment.h"
#include "calendar/MonthGrid.h"

#include <QCoreApplication>

using namespace penwick::calendar;

namespace {

// Cells as plain strings: day cells carry a '*' when highlighted.
QList<Row> grid(int year, int month, int day = 1)
{
    const QDateTime at = QDate(year, month, day).startOfDay();
    return buildMonthGrid(
            breakDown(at), firstWeekday(at), [](const QString &key) { return QVariant(key); },
            [](const QString &text, bool highlighted) {
                return QVariant(text + (highlighted ? "*" : ""));
            });
}

QString rowText(const Row &row)
{
    QStringList cells;
    for (const QString &key : weekdayKeys())
        cells << (row.contains(key)
                        ? (row.value(key).toString().isEmpty() ? "_" : row.value(key).toString())
                        : ".");
    return cells.join(' ');
}

} // namespace

class tst_MonthGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownMonths_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("firstWeek");
        QTest::addColumn<QString>("lastTwo");
        // "_" a blank cell, "." an absent one
        QTest::newRow("February 2026") << 2026 << 2 << 6 << "1* 2 3 4 5 6 7"
                                       << "22 23 24 25 26 27 28|. . . . . . .";
        QTest::newRow("January 2026") << 2026 << 1 << 7 << "_ _ _ _ 1* 2 3"
                                      << "25 26 27 28 29 30 31|. . . . . . .";
        QTest::newRow("August 2026") << 2026 << 8 << 7 << "_ _ _ _ _ _ 1*"
                                     << "23 24 25 26 27 28 29|30 31 . . . . .";
        QTest::newRow("March 2026") << 2026 << 3 << 6 << "1* 2 3 4 5 6 7"
                                    << "22 23 24 25 26 27 28|29 30 31 . . . .";
    }

    void knownMonths()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, records);
        QFETCH(QString, firstWeek);
        QFETCH(QString, lastTwo);
        const QList<Row> rows = grid(year, month);
        QCOMPARE(rows.size(), records);
        QCOMPARE(rowText(rows[0]), QString("Su Mo Tu We Th Fr Sa"));
        QCOMPARE(rowText(rows[1]), firstWeek);
        QCOMPARE(rowText(rows[rows.size() - 2]) + "|" + rowText(rows.last()), lastTwo);
    }

    void leapYears()
    {
        QCOMPARE(daysInMonth(2000, 2), 29);
        QCOMPARE(daysInMonth(2024, 2), 29);
        QCOMPARE(daysInMonth(1900, 2), 28);
        QCOMPARE(daysInMonth(2026, 2), 28);
        QCOMPARE(daysInMonth(2100, 2), 28);
        QCOMPARE(daysInMonth(2026, 1), 31);
        QCOMPARE(daysInMonth(2026, 12), 31);
        QCOMPARE(breakDown(QDate(2024, 2, 10).startOfDay()).daysInMonth, 29);
    }

    void everyMonthOfThreeCenturies()
    {
        for (int year = 1900; year <= 2100; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const int selected = 1 + (year * 7 + month) % daysInMonth(year, month);
                const QList<Row> rows = grid(year, month, selected);
                const int w = QDate(year, month, 1).dayOfWeek() % 7 + 1;
                const int n = daysInMonth(year, month);
                QCOMPARE(n, QDate(year, month, 1).daysInMonth());
                QCOMPARE(rows.size(), (w - 1 + n) <= 34 ? 6 : 7);
                int seen = 0;
                for (int r = 1; r < rows.size(); ++r) {
                    for (auto it = rows[r].cbegin(); it != rows[r].cend(); ++it) {
                        QString text = it.value().toString();
                        if (text.isEmpty())
                            continue;
                        const bool highlighted = text.endsWith('*');
                        const int d = text.remove('*').toInt();
                        ++seen;
                        QCOMPARE(highlighted, d == selected);
                        QCOMPARE(r, (w + d - 2) / 7 + 1);
                        QCOMPARE(it.key(), weekdayKeys().at(QDate(year, month, d).dayOfWeek() % 7));
                    }
                }
                QCOMPARE(seen, n);
            }
        }
    }

};

PENWICK_TEST_MAIN(tst_MonthGrid, QCoreApplication)
#include "tst_monthgrid.moc"

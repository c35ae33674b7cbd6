// A year at a glance: the days in weeks, the streaks across the ends of months and years and the
// changes of clocks, and the figures of a year read from a real note file.
#include "TestEnvironment.h"
#include "calendar/YearStatistics.h"
#include "diary/DiarySnapshot.h"
#include "diary/NoteFile.h"

#include <QCoreApplication>

using namespace penwick;
using namespace penwick::calendar;

class tst_YearStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDayOfTheYearStandsOnceInItsWeekdaysRow()
    {
        for (const int year : { 2023, 2024, 2026 }) {
            for (const Qt::DayOfWeek first : { Qt::Monday, Qt::Sunday }) {
                const YearLayout layout(year, first);
                int days = 0;
                for (int column = 0; column < layout.columnCount(); ++column) {
                    for (int row = 0; row < YearLayout::rowCount; ++row) {
                        const QDate day = layout.dayAt(row, column);
                        if (!day.isValid())
                            continue;
                        ++days;
                        QCOMPARE(day.dayOfWeek(), int(layout.weekdayOf(row)));
                        int r = -1, c = -1;
                        QVERIFY(layout.cellOf(day, &r, &c) && r == row && c == column);
                    }
                }
                QCOMPARE(days, QDate(year, 1, 1).daysInYear());
            }
        }
        QCOMPARE(YearLayout(2026, Qt::Monday).dayAt(3, 0), QDate(2026, 1, 1)); // a Thursday
        QCOMPARE(YearLayout(2026, Qt::Monday).columnCount(), 53);
    }

    void streaks_data()
    {
        QTest::addColumn<QStringList>("written"); // runs of days, "first..last"
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("timeZone");
        QTest::addColumn<QString>("longest");
        QTest::addColumn<int>("current");
        const auto row = [](const char *name, const QStringList &written, int year, QDate today,
                                 const char *longest, int current, const char *zone = "") {
            QTest::newRow(name) << written << year << today << QString(zone) << QString(longest)
                                << current;
        };
        const QDate march4(2026, 3, 4);
        row("across a month's end", { "2026-01-30..2026-02-02" }, 2026, QDate(2026, 2, 2),
                "2026-01-30..2026-02-02", 4);
        row("across the year's end, from the new year", { "2025-12-30..2026-01-02" }, 2026,
                QDate(2026, 1, 2), "2025-12-30..2026-01-02", 4);
        row("across the year's end, from the old year", { "2025-12-30..2026-01-02" }, 2025,
                QDate(2026, 1, 2), "2025-12-30..2026-01-02", 4);
        row("today not written yet", { "2026-03-01..2026-03-03" }, 2026, march4,
                "2026-03-01..2026-03-03", 3);
        row("a day missed ends it", { "2026-03-01..2026-03-02" }, 2026, march4,
                "2026-03-01..2026-03-02", 0);
        row("not this year's", { "2026-03-01..2026-03-03" }, 2025, march4, "", 0);
        row("a leap day", { "2024-02-28..2024-03-01" }, 2024, QDate(2024, 3, 1),
                "2024-02-28..2024-03-01", 3);
        row("the earlier of two as long", { "2026-01-05..2026-01-06", "2026-01-08..2026-01-09" },
                2026, march4, "2026-01-05..2026-01-06", 0);
        row("across the change to summer time", { "2026-03-28..2026-03-30" }, 2026,
                QDate(2026, 3, 30), "2026-03-28..2026-03-30", 3, "Europe/Berlin");
        row("across the change back to winter time", { "2026-10-24..2026-10-26" }, 2026,
                QDate(2026, 10, 26), "2026-10-24..2026-10-26", 3, "Europe/Berlin");
        row("across a midnight that does not exist", { "2018-11-03..2018-11-05" }, 2018,
                QDate(2018, 11, 5), "2018-11-03..2018-11-05", 3, "America/Sao_Paulo");
    }
    void streaks()
    {
        QFETCH(QStringList, written);
        QFETCH(int, year);
        QFETCH(QDate, today);
        QFETCH(QString, timeZone);
        if (!timeZone.isEmpty())
            test::Environment::setTimeZone(qPrintable(timeZone));
        QMap<QDate, QString> texts;
        QSet<QDate> days;
        for (const QString &run : written) {
            const QDate last = QDate::fromString(run.section("..", 1), Qt::ISODate);
            for (QDate day = QDate::fromString(run.section("..", 0, 0), Qt::ISODate); day <= last;
                    day = day.addDays(1)) {
                days.insert(day);
                texts.insert(day, "a day");
            }
        }
        const YearStatistics stats = YearStatistics::of(year, texts, days, today);
        test::Environment::setTimeZone("Europe/Berlin");
        const Streak longest = stats.longest;
        QTEST(longest.days() ? longest.first.toString(Qt::ISODate) + ".."
                                + longest.last.toString(Qt::ISODate)
                             : QString(),
                "longest");
        QTEST(stats.current.days(), "current");
    }

    // The figures of a year as the diary file and the window's unsaved texts hold it.
    void aYearOfARealDiary()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("note.plist");
        using test::entry;
        QVERIFY(diary::writeEntries(path,
                QVariantList { entry("2025-12-31", "last year's #garden"),
                        entry("2026-01-01", "one two three #Garden"),
                        entry("2026-01-02", "four words #garden #rain"),
                        entry("2026-01-02", "a second entry is not counted"),
                        entry("2026-02-10", "雨が降っていました。"), entry("2026-03-01", ""),
                        entry("2026-03-05", "unsaved text replaces this") })
                        .ok());
        const diary::SnapshotPointer file = diary::DiarySnapshot::load(path);
        const QMap<QString, QString> unsaved { { "2026-03-05", "just #rain" },
            { "2026-03-06", "new" } };
        const YearStatistics stats = YearStatistics::of(2026, file->textsOfYear(2026, unsaved),
                file->daysWithText(unsaved), QDate(2026, 3, 6));
        QCOMPARE(stats.daysWritten, 5);
        QCOMPARE(stats.words.value(QDate(2026, 1, 1)), 4);
        QCOMPARE(stats.wordsPerMonth[0], qint64(8));
        QVERIFY(stats.wordsPerMonth[1] > 0); // Japanese words are counted too
        QCOMPARE(stats.wordsPerMonth[2], qint64(3));
        QCOMPARE(stats.longest, (Streak { QDate(2025, 12, 31), QDate(2026, 1, 2) }));
        QCOMPARE(stats.current, (Streak { QDate(2026, 3, 5), QDate(2026, 3, 6) }));
        QCOMPARE(stats.tags, (QList<YearTag> { { "#Garden", 2 }, { "#rain", 2 } }));
        QCOMPARE(stats.level(QDate(2026, 3, 1)), 0);
        QCOMPARE(stats.level(QDate(2026, 3, 6)), 1); // the fewest words
        QCOMPARE(stats.level(QDate(2026, 1, 1)), 4); // the most
    }
};

PENWICK_TEST_MAIN(tst_YearStatistics, QCoreApplication)
#include "tst_yearstatistics.moc"

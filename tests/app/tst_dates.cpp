// The day and month forms in awkward time zones and locales, and the legacy date keys.
#include "TestEnvironment.h"
#include "app/DateFormatter.h"
#include "storage/Migration.h"

#include <QCoreApplication>
#include <QLocale>

using namespace penwick;

class tst_Dates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatsAndParses()
    {
        const DateFormatter day(DateFormatter::Day), month(DateFormatter::Month);
        const QDateTime eve(QDate(2023, 12, 31), QTime(23, 59));
        QCOMPARE(day.format(eve), QString("2023-12-31"));
        QCOMPARE(month.format(eve), QString("2023-12"));
        QCOMPARE(month.parse("2024-02"), QDateTime(QDate(2024, 2, 1), QTime(0, 0)));
        QCOMPARE(day.parse("2026-03-05"), QDateTime(QDate(2026, 3, 5), QTime(0, 0)));
        QCOMPARE(day.format(QDateTime(QDate(987, 1, 7), QTime(12, 0))), QString("0987-01-07"));
        for (const char *bad :
                { "2024-2-01", "2024-02-30", "2024-13", "24-01-01", "2024-01-01 ", "" })
            QVERIFY2(!day.parse(bad).isValid() && !month.parse(bad).isValid(), bad);
    }

    // Digits stay ASCII whatever the user's locale writes, since the texts name stored entries.
    void digitsAreAsciiInEveryLocale()
    {
        const QLocale saved;
        for (const char *name : { "ar_EG", "fa_IR", "hi_IN", "th_TH", "ja_JP" }) {
            QLocale::setDefault(QLocale(QString::fromLatin1(name)));
            QCOMPARE(DateFormatter(DateFormatter::Day)
                             .format(QDateTime(QDate(2026, 12, 6), QTime(9, 0))),
                    QString("2026-12-06"));
        }
        QLocale::setDefault(saved);
    }

    void legacyDateKeys()
    {
        QVERIFY(storage::isLegacyDateKey("2014-05-01"));
        QVERIFY(storage::isLegacyDateKey("diary 2014-05-01 (old)"));
        QVERIFY(!storage::isLegacyDateKey("2014-5-01"));
        QVERIFY(!storage::isLegacyDateKey(QString::fromUtf8("٢٠١٤-٠٥-٠١"))); // Arabic-Indic digits
        QVERIFY(!storage::isLegacyDateKey(
                QString::fromUtf8("２０１４-０５-０１"))); // full-width digits
        const QVariantList entries = storage::legacyEntries({ "safe", "x2014-05-02", "2014-05-01" },
                [](const QString &key) { return QVariant("text of " + key); });
        QCOMPARE(entries,
                (QVariantList { QVariantMap { { "date", "x2014-05-02" },
                                        { "text", "text of x2014-05-02" } },
                        QVariantMap {
                                { "date", "2014-05-01" }, { "text", "text of 2014-05-01" } } }));
    }
};

PENWICK_TEST_MAIN(tst_Dates, QCoreApplication)
#include "tst_dates.moc"

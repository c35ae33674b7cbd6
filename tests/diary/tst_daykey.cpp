// The day key, and the legacy date keys of diaries kept in the preferences.
#include "TestEnvironment.h"
#include "diary/DayKey.h"
#include "diary/Migration.h"

#include <QCoreApplication>

using namespace penwick::diary;

class tst_DayKey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatsAndParses()
    {
        QCOMPARE(dayKey(QDate(2023, 12, 31)), QString("2023-12-31"));
        QCOMPARE(dayKey(QDate(987, 1, 7)), QString("0987-01-07"));
        QCOMPARE(dayKey(QDate()), QString());
        QCOMPARE(dayFromKey("2026-03-05"), QDate(2026, 3, 5));
        QCOMPARE(dayFromKey("2024-02-29"), QDate(2024, 2, 29));
        for (const char *bad : { "2024-2-01", "2024-02-30", "2024-13-01", "24-01-01", "2024-01-01 ",
                     " 2024-01-01", "2024-01", "" })
            QVERIFY2(!dayFromKey(bad).isValid(), bad);
    }

    void legacyDateKeys()
    {
        QVERIFY(isLegacyDateKey("2014-05-01"));
        QVERIFY(isLegacyDateKey("diary 2014-05-01 (old)"));
        QVERIFY(!isLegacyDateKey("2014-5-01"));
        QVERIFY(!isLegacyDateKey(QString::fromUtf8("٢٠١٤-٠٥-٠١"))); // Arabic-Indic digits
        QVERIFY(!isLegacyDateKey(QString::fromUtf8("２０１４-０５-０１"))); // full-width digits
        const QVariantList entries = legacyEntries({ "safe", "x2014-05-02", "2014-05-01" },
                [](const QString &key) { return QVariant("text of " + key); });
        QCOMPARE(entries,
                (QVariantList { QVariantMap { { "date", "x2014-05-02" },
                                        { "text", "text of x2014-05-02" } },
                        QVariantMap {
                                { "date", "2014-05-01" }, { "text", "text of 2014-05-01" } } }));
    }
};

PENWICK_TEST_MAIN(tst_DayKey, QCoreApplication)
#include "tst_daykey.moc"

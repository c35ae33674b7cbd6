// Conflict copies: which names are copies, the day-by-day merge, and a merge on real files
// with the history, the backups folder and hostile copies.
#include "TestEnvironment.h"
#include "history/HistoryStore.h"
#include "sync/ConflictCopy.h"

#include <QCoreApplication>

using namespace penwick;
using namespace penwick::test;

class tst_Sync : public QObject
{
    Q_OBJECT

    static QStringList otherTexts(const QList<sync::DayConflict> &conflicts)
    {
        QStringList texts;
        for (const sync::DayConflict &day : conflicts)
            texts << day.otherText;
        return texts;
    }

private Q_SLOTS:
    void recognisesCopyNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("copy");
        for (const auto &[name, copy] : std::initializer_list<std::pair<const char *, bool>> {
                     { "note.sync-conflict-20240102-101500-ABCDEF1.plist", true },
                     { "note (conflicted copy 2024-01-02 101500).plist", true },
                     { "note (Jane's laptop conflicted copy 2024-01-02).plist", true },
                     { "note.plist", false },
                     { "note.sync-conflict-20240102-101500-ABCDEF1.txt", false },
                     { "other.sync-conflict-20240102-101500-ABCDEF1.plist", false },
                     { "note.sync-conflict-2024012-101500-ABCDEF1.plist", false },
                     { "note (conflicted copy).plist", false },
                     { "note (Jane's laptop copy 2024-01-02).plist", false },
                     { "note.plist.sync-conflict-20240102-101500-ABCDEF1", false } })
            QTest::newRow(name) << QString::fromUtf8(name) << copy;
    }
    void recognisesCopyNames()
    {
        QFETCH(QString, name);
        QTEST(sync::isConflictCopyName(name, "note.plist"), "copy");
    }

    void mergesDayByDay_data()
    {
        QTest::addColumn<QVariantList>("diary");
        QTest::addColumn<QVariantList>("copy");
        QTest::addColumn<bool>("copyIsNewer");
        QTest::addColumn<QString>("protectedDay");
        QTest::addColumn<QVariantList>("merged");
        QTest::addColumn<QStringList>("other"); // the texts that go to the history
        const QVariantMap withMood { { "date", "2024-01-02" }, { "text", "b" }, { "mood", 3 } };
        QTest::newRow("days of either, in date order, unknown values kept")
                << QVariantList { entry("2024-01-03", "c"), qlonglong(42) }
                << QVariantList { withMood, entry("2024-01-01", "a"), qlonglong(42), true } << false
                << QString()
                << QVariantList { entry("2024-01-01", "a"), withMood, entry("2024-01-03", "c"),
                       qlonglong(42), true }
                << QStringList {};
        QTest::newRow("the same text once")
                << QVariantList { entry("2024-01-01", "same") }
                << QVariantList { entry("2024-01-01", "same") } << true << QString()
                << QVariantList { entry("2024-01-01", "same") } << QStringList {};
        QTest::newRow("the newer file's text stays: the diary's")
                << QVariantList { entry("2024-01-01", "mine") }
                << QVariantList { entry("2024-01-01", "theirs") } << false << QString()
                << QVariantList { entry("2024-01-01", "mine") } << QStringList { "theirs" };
        QTest::newRow("the newer file's text stays: the copy's")
                << QVariantList { entry("2024-01-01", "mine"), entry("2024-01-02", "x") }
                << QVariantList { entry("2024-01-01", "theirs"), entry("2024-01-02", "y") } << true
                << QString("2024-01-02")
                << QVariantList { entry("2024-01-01", "theirs"), entry("2024-01-02", "x") }
                << QStringList { "mine", "y" };
    }
    void mergesDayByDay()
    {
        QFETCH(QVariantList, diary);
        QFETCH(QVariantList, copy);
        QFETCH(bool, copyIsNewer);
        QFETCH(QString, protectedDay);
        const sync::EntriesMerge merge = sync::mergeEntries(diary, copy, copyIsNewer, protectedDay);
        QTEST(merge.entries, "merged");
        QTEST(otherTexts(merge.conflicts), "other");
    }

    // The other text goes to the history, the diary is written, the copy moves into Backups;
    // a copy that is no diary is left as it is and changes nothing.
    void mergesCopyFiles_data()
    {
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<bool>("merged");
        QTest::addRow("a diary") << plist::writeXml(
                QVariantList { entry("2024-01-01", "theirs"), entry("2024-01-02", "new") })
                                 << true;
        QTest::addRow("damaged") << QByteArray("<?xml version=\"1.0\"?><plist><array><dict>")
                                 << false;
        QTest::addRow("a dictionary") << plist::writeXml(QVariantMap { { "a", 1 } }) << false;
        QTest::addRow("entries of other types")
                << plist::writeXml(QVariantList { entry("2024-01-02", "x"), 2 }) << false;
        QTest::addRow("too large") << plist::writeXml(QVariantList { entry("2024-01-02", "x") })
                        + QByteArray(sync::maxCopySize, '\n')
                                   << false;
    }
    void mergesCopyFiles()
    {
        QFETCH(QByteArray, copy);
        QFETCH(bool, merged);
        QTemporaryDir dir;
        const QString diary = dir.filePath("note.plist");
        const QString copyPath = dir.filePath("note (conflicted copy 2024-01-02 101500).plist");
        const QByteArray mine = plist::writeXml(QVariantList { entry("2024-01-01", "mine") });
        QVERIFY(writeAll(diary, mine));
        QVERIFY(writeAll(copyPath, copy));
        QFile older(copyPath); // the diary changed last: its text stays
        QVERIFY(older.open(QIODevice::ReadWrite));
        QVERIFY(older.setFileTime(
                QDateTime::currentDateTime().addSecs(-3600), QFile::FileModificationTime));
        history::HistoryStore store(dir.filePath("history.sqlite"));

        const sync::CopyMerge merge
                = sync::mergeConflictCopy(diary, copyPath, &store, dir.filePath("Backups"));
        QCOMPARE(merge.ok(), merged);
        QCOMPARE(QFileInfo::exists(copyPath), !merged);
        if (!merged) {
            QCOMPARE(readAll(diary), mine);
            QCOMPARE(readAll(copyPath), copy);
            return;
        }
        QCOMPARE(merge.daysFromCopy, 1);
        QCOMPARE(entriesIn(diary),
                (QVariantList { entry("2024-01-01", "mine"), entry("2024-01-02", "new") }));
        QCOMPARE(readAll(dir.filePath("Backups/") + merge.copyName), copy);
        const QList<history::Version> versions
                = store.versions(history::diaryKeyPath(diary), "2024-01-01");
        QCOMPARE(versions.size(), 1);
        QCOMPARE(versions[0].text, QString("theirs"));
        QCOMPARE(versions[0].origin, history::Origin::Merged);
        QCOMPARE(versions[0].detail, merge.copyName);
    }
};

PENWICK_TEST_MAIN(tst_Sync, QCoreApplication)
#include "tst_sync.moc"

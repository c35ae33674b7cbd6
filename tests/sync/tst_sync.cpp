// The one rule per day for who wins, the day-by-day merge of two versions of the diary, and the
// conflict copies a sync engine leaves: which names are copies, and which copies are refused.
#include "TestEnvironment.h"
#include "diary/VersionMerge.h"
#include "sync/ConflictCopy.h"
#include "sync/DayRule.h"

#include <QCoreApplication>

using namespace penwick;
using namespace penwick::test;
using sync::Settled;

class tst_Sync : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recognisesCopyNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("copy");
        for (const auto &[name, copy] : std::initializer_list<std::pair<const char *, bool>> {
                     { "note.sync-conflict-20240102-101500-ABCDEF1.plist", true },
                     { "note (conflicted copy 2024-01-02 101500).plist", true },
                     { "note (Jane's laptop conflicted copy 2024-01-02).plist", true },
                     { "note (another program's version 2024-01-02 101500).plist", true },
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

    // Each row of the rule, in the order it is applied: the diary's text is what the other
    // machines see (the replacing text, for another program's change), the other is this side's.
    void settlesEachDay_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("diary");
        QTest::addColumn<QString>("other");
        QTest::addColumn<int>("stale"); // 1: the diary's text, 2: the other one
        QTest::addColumn<QString>("expected");
        const QString joined = sync::joinedText("theirs", "mine", "copy");
        const auto row = [](const char *name, const QString &base, const QString &diary,
                                 const QString &other, int stale, const QString &expected) {
            QTest::newRow(name) << base << diary << other << stale << expected;
        };
        row("the same text", "b", "x", "x", 0, "x");
        row("a stale delivery yields, even over the base", "b", "older", "b", 1, "b");
        row("a stale other text yields", "b", "new", "older", 2, "new");
        row("a changed diary is kept over the base", "b", "changed", "b", 0, "changed");
        row("a change made elsewhere is never undone", "b", "b", "changed", 0, "changed");
        row("both changed: both stay, the diary's first", "b", "theirs", "mine", 0, joined);
        row("a new day on both sides", "", "theirs", "mine", 0, joined);
        row("a joined day is not joined again", "b", joined, "mine", 0, joined);
        row("nor the other way round", "b", "theirs", joined, 0, joined);
        row("a side emptied: the words stay", "b", "", "mine", 0, "mine");
    }
    void settlesEachDay()
    {
        QFETCH(QString, base);
        QFETCH(QString, diary);
        QFETCH(QString, other);
        QFETCH(int, stale);
        QFETCH(QString, expected);
        const Settled settled = sync::settleDay(
                { diary, other, diary == base, other == base, stale == 1, stale == 2 });
        const QString text = settled == Settled::Diary ? diary
                : settled == Settled::Other            ? other
                                                       : sync::joinedText(diary, other, "copy");
        QCOMPARE(text, expected);
    }

    // Two versions of the whole diary made one: days of either in date order, entries keep every
    // value they hold (and the other version's whole entry when its text wins), the rule decides
    // each day that differs with what this machine knows of it.
    void mergesVersionsDayByDay()
    {
        const QVariantMap withMood { { "date", "2024-01-02" }, { "text", "b2" }, { "mood", 3 } };
        const QVariantList diary { entry("2024-01-03", "c mine"), entry("2024-01-04", "d"),
            entry("2024-01-05", "e stale"), qlonglong(42) };
        const QVariantList other { withMood, entry("2024-01-01", "a"),
            entry("2024-01-03", "c theirs"), entry("2024-01-04", "d changed"),
            entry("2024-01-05", "e new"), qlonglong(42), true };
        diary::DayKnowledge knows;
        knows.isBase = [](const QString &, const QString &text) { return text == "d"; };
        knows.isStale = [](const QString &, const QString &text) { return text == "e stale"; };
        const diary::MergedVersions merged = diary::mergeVersions(diary, other, knows, "copy");
        QCOMPARE(merged.entries,
                (QVariantList { entry("2024-01-01", "a"), withMood,
                        entry("2024-01-03", sync::joinedText("c mine", "c theirs", "copy")),
                        entry("2024-01-04", "d changed"), entry("2024-01-05", "e new"),
                        qlonglong(42), true }));
        QCOMPARE(merged.fromOther.keys(), (QStringList { "2024-01-01", "2024-01-02" }));
        QCOMPARE(merged.changedInDiary().size(), 5);
    }

    // A copy is untrusted: one that is no diary of dictionaries, or too large (told before a
    // byte is read), is refused with a sentence naming it.
    void refusesCopiesThatAreNoDiary_data()
    {
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<bool>("read");
        QTest::addRow("a diary") << plist::writeXml(QVariantList { entry("2024-01-01", "t") })
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
    void refusesCopiesThatAreNoDiary()
    {
        QFETCH(QByteArray, copy);
        QTemporaryDir dir;
        const QString path = dir.filePath("note (conflicted copy 2024-01-02 101500).plist");
        QVERIFY(writeAll(path, copy));
        QCOMPARE(sync::conflictCopiesOf(dir.filePath("note.plist")), QStringList { path });
        const sync::CopyRead read = sync::readConflictCopy(path);
        QTEST(read.ok(), "read");
        QVERIFY(read.ok() || read.error.contains(read.name));
    }
};

PENWICK_TEST_MAIN(tst_Sync, QCoreApplication)
#include "tst_sync.moc"

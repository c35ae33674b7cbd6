// The diary's folder is often a synced one, which others write into, and the data folder holds
// the history and the backups: nothing a stranger leaves there is followed, read or changed.
#include "TestEnvironment.h"
#include "history/Backups.h"
#include "history/HistoryStore.h"
#include "services/DiaryServices.h"
#include "sync/ConflictCopy.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <unistd.h>

using namespace penwick;
using namespace penwick::test;

class tst_Strangers : public QObject
{
    Q_OBJECT

    QString data() const { return environment().dataHome() + "/Hollyfen/Penwick"; }
    QString diary() const { return data() + "/note.plist"; }
    QString copy() const { return data() + "/note.sync-conflict-20261209-101010-ABCDEFG.plist"; }
    static QByteArray diaryOf(const char *day, const char *text)
    {
        return plist::writeXml(QVariantList { entry(day, text) });
    }

private Q_SLOTS:
    void init() { environment().clean(); }

    void nothingOfAStrangerIsTaken_data()
    {
        QTest::addColumn<QString>("stranger");
        QTest::addColumn<QString>("said"); // what the bar or a notice says
        QTest::newRow("a symlinked copy") << "copy link"
                                          << "is a link, not a copy";
        QTest::newRow("a copy of another user") << "copy of nobody"
                                                << "belongs to another user";
        QTest::newRow("a huge copy") << "huge copy"
                                     << "too large";
        QTest::newRow("a symlinked Backups") << "Backups link"
                                             << "is a link, or no folder";
        QTest::newRow("Backups a file") << "Backups file"
                                        << "is a link, or no folder";
        QTest::newRow("a symlinked history") << "history link"
                                             << "is a link, or no file";
    }
    void nothingOfAStrangerIsTaken()
    {
        QFETCH(QString, stranger);
        QFETCH(QString, said);
        const QString elsewhere = environment().home() + "/elsewhere";
        QVERIFY(writeAll(diary(), diaryOf("2026-12-01", "mine")));
        QVERIFY(writeAll(elsewhere + "/private.plist", diaryOf("2026-12-02", "password")));
        QVERIFY(QDir().mkpath(elsewhere + "/folder"));
        ::chmod(QFile::encodeName(elsewhere + "/folder").constData(), 0755);
        const auto link
                = [](const QString &to, const QString &at) { QVERIFY(QFile::link(to, at)); };
        if (stranger == "copy link") {
            link(elsewhere + "/private.plist", copy());
        } else if (stranger == "copy of nobody") {
            QVERIFY(writeAll(copy(), diaryOf("2026-12-02", "theirs")));
            if (::getuid() != 0 || ::chown(QFile::encodeName(copy()).constData(), 65534, 65534))
                QSKIP("only root can give a file to another user here");
        } else if (stranger == "huge copy") {
            QFile huge(copy());
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 30));
        } else if (stranger == "Backups link") {
            link(elsewhere + "/folder", history::backupsFolder());
        } else if (stranger == "Backups file") {
            QVERIFY(writeAll(history::backupsFolder(), "not a folder"));
        } else {
            QVERIFY(writeAll(elsewhere + "/other.sqlite", "SQLite format 3 of somebody else"));
            link(elsewhere + "/other.sqlite", history::HistoryStore::defaultFilePath());
        }
        const QByteArray privateBefore = readAll(elsewhere + "/private.plist");
        const QByteArray otherBefore = readAll(elsewhere + "/other.sqlite");
        QElapsedTimer time;
        time.start();
        DiaryServices services;
        QStringList notices;
        QObject::connect(&services, &DiaryServices::noticeRaised,
                [&](const QString &notice) { notices << notice; });
        QObject::connect(&services.session(), &diary::DiarySession::versionsSettled,
                [&](const diary::SettleReport &report) { notices << report.error; });
        services.open();
        services.session().checkForOutsideChanges();
        notices << history::makeDailyBackup(diary(), history::backupsFolder(), QDate(2026, 12, 9))
                           .error;
        QTRY_VERIFY2(notices.join(' ').contains(said), qPrintable(notices.join('\n')));
        QVERIFY(time.elapsed() < 3000); // a huge copy is refused by its size, not read
        QCOMPARE(readAll(diary()), diaryOf("2026-12-01", "mine"));
        QCOMPARE(readAll(elsewhere + "/private.plist"), privateBefore);
        QCOMPARE(readAll(elsewhere + "/other.sqlite"), otherBefore);
        QCOMPARE(QFileInfo(elsewhere + "/folder").permissions() & 0x0077, 0x0055);
        QVERIFY(QDir(elsewhere + "/folder").isEmpty());
    }

    // A copy among twenty thousand other files is found and merged.
    void aCopyAmongManyFiles()
    {
        QVERIFY(writeAll(diary(), diaryOf("2026-12-01", "mine")));
        for (int i = 0; i < 20000; ++i)
            QFile(data() + QStringLiteral("/other %1.txt").arg(i)).open(QIODevice::WriteOnly);
        QVERIFY(writeAll(copy(), diaryOf("2026-12-02", "theirs")));
        QCOMPARE(sync::conflictCopiesOf(diary()), QStringList { copy() });
        DiaryServices services;
        services.open();
        services.session().checkForOutsideChanges();
        QCOMPARE(entriesIn(diary()).size(), 2);
    }

    // The history deleted while Penwick runs: noticed at the next key, a new one started, and a
    // kill right after loses nothing typed.
    void aVanishedHistoryLosesNothing()
    {
        QVERIFY(writeAll(diary(), diaryOf("2026-12-09", "")));
        auto services = std::make_unique<DiaryServices>();
        services->open();
        services->session().storeText("before ");
        services->session().flush();
        for (const char *end : { "", "-wal", "-shm" })
            QFile::remove(history::HistoryStore::defaultFilePath() + end);
        services->session().storeText("before and after");
        services->history()->flush();
        QTRY_VERIFY(services->history()->notice().contains("removed or replaced"));
        QTRY_VERIFY(QFileInfo::exists(history::HistoryStore::defaultFilePath()));
        services->history()->flush();
        services->session().abandonForTest();
        services.reset();
        DiaryServices again;
        again.open();
        QCOMPARE(entriesIn(diary()), QVariantList { entry("2026-12-09", "before and after") });
    }
};

PENWICK_TEST_MAIN(tst_Strangers, QCoreApplication)
#include "tst_strangers.moc"

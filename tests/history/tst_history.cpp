#include "TestEnvironment.h"
#include "diary/DiarySession.h"
#include "diary/DiaryWriter.h"
#include "diary/NoteFile.h"
#include "history/Backups.h"
#include "history/HistoryStore.h"
#include "history/WordDiff.h"
#include "sync/DayRule.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace penwick::history;
using penwick::diary::DiarySession;

template<typename T> T fetched(const char *column)
{
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}

class tst_History : public QObject
{
    Q_OBJECT
    penwick::test::Environment m_env;
    QDateTime m_now = QDateTime(QDate(2026, 12, 7), QTime(9, 0));
    HistoryStore::Clock clock()
    {
        return [this] { return m_now; };
    }
    QString noteFile() const { return m_env.dataHome() + "/Hollyfen/Penwick/note.plist"; }
    QString fileText(const QString &day) const
    {
        return penwick::diary::lookupText(penwick::diary::loadEntries(noteFile()).entries, day);
    }
    static QStringList texts(const QList<Version> &versions)
    {
        QStringList found;
        for (const Version &version : versions)
            found.append(version.text);
        return found;
    }

private Q_SLOTS:
    void stretches_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("steps"); // "minutes:text"; -1 moves to another day
        QTest::addColumn<QStringList>("expected"); // newest first
        QTest::newRow("typing is one version")
                << "" << QStringList { "0:a", "1:ab", "4:abc" } << QStringList { "abc" };
        QTest::newRow("five minutes' pause closes")
                << "" << QStringList { "0:a", "5:ab" } << QStringList { "ab", "a" };
        QTest::newRow("another day closes")
                << "" << QStringList { "0:a", "-1:", "0:ab" } << QStringList { "ab", "a" };
        QTest::newRow("removing over half closes")
                << "" << QStringList { "0:hello world", "0:hello worl", "0:x" }
                << QStringList { "x", "hello worl" };
        QTest::newRow("last text before empty kept")
                << "" << QStringList { "0:abc", "0:" } << QStringList { "abc" };
        QTest::newRow("text before the first change kept")
                << "old" << QStringList { "0:old!" } << QStringList { "old!", "old" };
    }
    void stretches()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, steps);
        HistoryStore store(
                m_env.dataHome() + '/' + QLatin1String(QTest::currentDataTag()), clock());
        for (const QString &step : std::as_const(steps)) {
            const int minutes = step.section(':', 0, 0).toInt();
            const QString text = step.section(':', 1);
            if (minutes < 0) {
                store.closeStretches();
                continue;
            }
            m_now = m_now.addSecs(minutes * 60);
            store.recordChange("/d", "2026-12-07", before, text);
            before = text;
        }
        QCOMPARE(texts(store.versions("/d", "2026-12-07")), fetched<QStringList>("expected"));
    }
    void survivesRestartAndMove()
    {
        const QString path = m_env.dataHome() + "/keep.sqlite";
        {
            HistoryStore store(path, clock());
            store.recordVersion("/a", "2026-01-02", "merged text", Origin::Merged, "copy");
        }
        HistoryStore store(path, clock());
        store.moveDiary("/a", "/b");
        const QList<Version> versions = store.versions("/b", "2026-01-02");
        QCOMPARE(versions.size(), 1);
        QCOMPARE(versions[0].origin, Origin::Merged);
        QVERIFY(store.wasStored("/b", "2026-01-02", "merged text"));
        QCOMPARE(QFileInfo(path).permissions() & 0x0077, 0);
    }
    // Only a damaged file is put aside (after its journal is read into the new one); one that
    // another program holds for itself is said in words, kept, and taken up again once free.
    void failuresAreReadForWhatTheyAre_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("damaged") << true;
        QTest::newRow("held by another program") << false;
    }
    void failuresAreReadForWhatTheyAre()
    {
        QFETCH(bool, damaged);
        m_env.clean();
        const QString path = m_env.dataHome() + "/held.sqlite";
        {
            HistoryStore store(path, clock());
            store.open("/a");
            store.recordVersion("/a", "2026-01-02", "a version", Origin::Typed);
            store.keep("/a", "2026-01-02", "typed, never written", "");
        }
        QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
        holder.setDatabaseName(path);
        QVERIFY(holder.open());
        QSqlQuery hold(holder);
        if (damaged) { // the versions' page overwritten: the journal still reads
            QVERIFY(hold.exec("SELECT rootpage FROM sqlite_master WHERE name = 'versions'")
                    && hold.next());
            const qint64 page = hold.value(0).toLongLong();
            hold.finish();
            holder.close();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096)
                    && file.write(QByteArray(4096, 'x')) == 4096);
        } else {
            QVERIFY(hold.exec("PRAGMA locking_mode=EXCLUSIVE") && hold.exec("BEGIN EXCLUSIVE"));
        }
        HistoryStore store(path, clock());
        store.versions("/a", "2026-01-02"); // reaches the damage, if any
        QTRY_VERIFY(!store.notice().isEmpty());
        QCOMPARE(store.notice().contains("put aside"), damaged);
        QCOMPARE(store.notice().contains("Another program is using"), !damaged);
        const QStringList aside = QDir(m_env.dataHome()).entryList({ "held.sqlite.damaged-*" });
        QCOMPARE(aside.isEmpty(), !damaged);
        if (!damaged) {
            QVERIFY(!store.isKeeping());
            hold.exec("COMMIT");
            hold = QSqlQuery();
            holder.close();
            QTRY_VERIFY_WITH_TIMEOUT(store.isKeeping(), 8000);
        }
        QCOMPARE(store.open("/a").value(0).text, QString("typed, never written"));
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase("holder");
    }
    // What the journal held when Penwick stopped goes into the file by the one rule against
    // what the file holds now: a day another program changed meanwhile keeps both texts. The
    // typed text enters the history as typed, never as another program's.
    void journalRecovery_data()
    {
        QTest::addColumn<QString>("replaced"); // the day's text when the change was kept
        QTest::addColumn<QString>("atStart"); // the day's text in the file at the next start
        QTest::addColumn<QString>("expected"); // "first|second": both joined
        const auto row = [](const char *name, const char *replaced, const char *atStart,
                                 const char *expected) {
            QTest::newRow(name) << QString(replaced) << QString(atStart) << QString(expected);
        };
        row("unchanged", "old", "old", "old typed");
        row("a new day", "", "", "old typed");
        row("written before the kill", "old", "old typed", "old typed");
        row("Penwick's own earlier text", "old", "mine", "old typed");
        row("another program's", "old", "theirs", "theirs|old typed");
    }
    void journalRecovery()
    {
        QFETCH(QString, atStart);
        QFETCH(QString, expected);
        m_env.clean();
        const QString day = "2024-01-01";
        QVariantList entries { QVariantMap { { "date", "2023-12-31" }, { "text", "other" } } };
        if (!atStart.isEmpty())
            entries.append(QVariantMap { { "date", day }, { "text", atStart } });
        QDir().mkpath(QFileInfo(noteFile()).path());
        QVERIFY(penwick::diary::writeEntries(noteFile(), entries).ok());
        const QString history = m_env.dataHome() + "/history.sqlite";
        {
            HistoryStore store(history, clock());
            store.open(noteFile());
            store.written(noteFile(), { { day, "mine" } });
            store.keep(noteFile(), day, "old typed", fetched<QString>("replaced"));
            store.flush();
        }
        HistoryStore store(history, clock());
        DiarySession session([] { return QDateTime(QDate(2024, 1, 1), QTime(9, 0)); });
        session.open();
        QSignalSpy settled(&session, &DiarySession::versionsSettled);
        session.setJournal(&store);
        QCOMPARE(settled.size(), expected.contains('|') ? 1 : 0);
        const QString text = fileText(day);
        if (expected.contains('|')) {
            QVERIFY2(text.startsWith(expected.section('|', 0, 0))
                            && penwick::sync::holdsJoined(text, expected.section('|', 1)),
                    qPrintable(text));
        } else {
            QCOMPARE(text, expected);
        }
        QCOMPARE(fileText("2023-12-31"), QString("other"));
        QVERIFY(store.open(noteFile()).isEmpty());
        session.storeText(text + "!"); // typing on: the recovered text stays the user's own
        for (const Version &version : store.versions(noteFile(), day))
            QVERIFY(version.origin != Origin::ChangedOutside || version.text == "theirs");
    }
    // Typing is kept in the journal; the file follows a second after a pause, on another day,
    // at the latest a few seconds into typing that goes on; and straight away, change by change,
    // when the history cannot be written.
    void journalSpacesTheRewrites()
    {
        for (const bool usable : { true, false }) {
            m_env.clean();
            const QString blocked = m_env.dataHome() + "/file";
            QVERIFY(penwick::test::writeAll(blocked, "not a folder"));
            HistoryStore store(
                    usable ? m_env.dataHome() + "/history.sqlite" : blocked + "/history.sqlite");
            DiarySession session([] { return QDateTime(QDate(2024, 1, 1), QTime(9, 0)); });
            session.open();
            session.setJournal(&store);
            QAtomicInt writes = 0;
            session.writer().setBeforeWrite([&writes] { writes.fetchAndAddOrdered(1); });
            QString text;
            for (int key = 0; key < 30; ++key) {
                session.storeText(text += 'k');
                if (!usable)
                    QVERIFY(session.flush());
            }
            QCOMPARE(writes.loadAcquire(), usable ? 0 : 30);
            QTRY_COMPARE(fileText("2024-01-01"), text);
            QTRY_VERIFY(store.open(noteFile()).isEmpty()); // once the write is reported
            if (!usable)
                continue;
            QElapsedTimer typing;
            typing.start();
            while (typing.elapsed() < 6000 && writes.loadAcquire() < 2) {
                session.storeText(text += 'k');
                QTest::qWait(200); // never a second's pause
            }
            QCOMPARE(writes.loadAcquire(), 2);
            QVERIFY2(typing.elapsed() >= 4500, "rewritten before the spacing"); // not per key
            session.storeText(text += '!');
            session.selectDay(QDate(2024, 1, 2));
            QVERIFY(session.writer().waitForIdle(5000));
            QCOMPARE(fileText("2024-01-01"), text);
        }
    }
    void wordDiff_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("marked"); // [-removed-] {+added+}
        const auto row
                = [](const char *name, const char *from, const char *to, const char *marked) {
                      QTest::newRow(name) << QString(from) << QString(to) << QString(marked);
                  };
        row("same", "a b", "a b", "a b");
        row("word changed", "the red cat", "the blue cat", "the [-red-]{+blue+} cat");
        row("word added at end", "one", "one two", "one{+ two+}");
        row("all new", "", "hi", "{+hi+}");
        row("moved word", "a b c", "b c a", "[-a -]b c{+ a+}");
    }
    void wordDiff()
    {
        QString marked;
        for (const DiffPiece &piece : diffWords(fetched<QString>("from"), fetched<QString>("to")))
            marked += piece.kind == DiffPiece::Same    ? piece.text
                    : piece.kind == DiffPiece::Removed ? "[-" + piece.text + "-]"
                                                       : "{+" + piece.text + "+}";
        QCOMPARE(marked, fetched<QString>("marked"));
    }
    void backups()
    {
        const QString folder = m_env.dataHome() + "/Backups";
        const QString diary = m_env.dataHome() + "/note.plist";
        QDir().mkpath(folder);
        QFile file(diary);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<plist/>") > 0);
        file.close();
        const QDate today(2026, 12, 7);
        for (int days = 1; days < 400; ++days)
            QFile(folder + today.addDays(-days).toString("'/note-'yyyy-MM-dd'.plist'"))
                    .open(QIODevice::WriteOnly);
        for (const char *name : { "/other.txt", "/note-2026-11-06-before-merge.plist",
                     "/note-2026-11-08-before-import.plist" })
            QFile(folder + QLatin1String(name)).open(QIODevice::WriteOnly);
        QVERIFY(makeDailyBackup(diary, folder, today, 50).error.contains("tenth of the free"));
        QVERIFY(makeDailyBackup(diary, diary + "/Backups", today).error.contains("be created"));
        const BackupResult made = makeDailyBackup(diary, folder, today, 1 << 30);
        QCOMPARE(made.path, folder + "/note-2026-12-07.plist");
        // 7 days, weeks 1-3, months 1-11 with one overlap, the import's backup, the other file
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 7 + 3 + 11 - 1 + 2);
        QVERIFY(QFile::exists(folder + "/note-2026-11-30.plist"));
        QCOMPARE(makeDailyBackup(diary, folder, today.addDays(1), 1 << 30).path,
                made.path); // same bytes
        QCOMPARE(makeBackupBefore(diary, "take-over", folder, today).path,
                folder + "/note-2026-12-07-before-take-over.plist");

        // a FIFO in the diary's place is refused, not waited on (and Penwick's quit with it)
        const QByteArray fifo = QFile::encodeName(m_env.dataHome() + "/fifo.plist");
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        auto refused = std::async(std::launch::async,
                [&] { return makeDailyBackup(QFile::decodeName(fifo), folder, today, 1 << 30); });
        const bool answered
                = refused.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
        if (!answered) // a writer frees the waiting read before the test fails
            ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
        QVERIFY(answered);
        QVERIFY(!refused.get().ok());
    }
};

QTEST_GUILESS_MAIN(tst_History)
#include "tst_history.moc"

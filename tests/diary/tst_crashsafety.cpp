// A keystroke's rewrite killed at any moment, or stopped by a full disk, leaves the note file
// whole: the old version or the new one, never a mix or a torn file.
#include "TestEnvironment.h"
#include "diary/DiarySession.h"
#include "diary/DiaryWriter.h"
#include "diary/NoteFile.h"
#include "history/HistoryStore.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>
#include <array>
#include <cstdio>
#include <numeric>

using namespace penwick::diary;

namespace {

const QString day = "2024-06-01";

QString version(char c)
{
    return QString(300000, QLatin1Char(c)); // long enough that a write takes a while
}

// The writer, run in a child process: alternates the day's text for ever.
int runWriter(const QString &path)
{
    for (quint64 i = 0;; ++i) {
        if (!saveDayText(path, day, version(i % 2 ? 'b' : 'a')).ok())
            return 3;
        if (i == 0) { // from here on the kills fall between and inside writes
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}

// A typist, run in a child process: the writer thread stores the day's growing text as keys
// come, until the process is killed; with a file size limit, every write fails.
int runTypist(const QString &path, const QString &dayKey, bool failing)
{
    if (failing) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small { 64, 64 }; // smaller than any diary file
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    DiaryWriter writer;
    QString text;
    for (int key = 0;; ++key) {
        writer.store(path, dayKey, text += QChar(u'a' + key % 26));
        if (key == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
        QThread::usleep(300);
    }
}

// A typist in a session that keeps each key in the history first: prints the length of the
// day's text whenever the history has committed it, pausing now and then so that the file's
// rewrites are hit too.
int runJournalTypist(const QString &dayKey)
{
    DiarySession session;
    session.open();
    penwick::history::HistoryStore store;
    session.setJournal(&store);
    session.selectDay(QDate::fromString(dayKey, Qt::ISODate));
    QString text;
    for (int key = 0;; ++key) {
        session.storeText(text += QChar(u'a' + key % 26));
        store.flush();
        std::printf("%d\n", key + 1);
        std::fflush(stdout);
        QTest::qWait(key % 20 == 19 ? 1100 : 2);
    }
}

} // namespace

class tst_CrashSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWriterLeavesOldOrNew()
    {
        QTemporaryDir dir;
        QVariantList diary;
        for (int i = 0; i < 2000; ++i)
            diary.append(QVariantMap {
                    { "date", QString::asprintf("2019-%02d-%02d", i % 12 + 1, i % 28 + 1) },
                    { "text", QString(500, QLatin1Char('x')) } });
        // a few writers at once, each on a diary of its own, so the kills take less waiting
        constexpr int writers = 3;
        QStringList paths;
        for (int w = 0; w < writers; ++w) {
            paths << dir.filePath(QString("note%1.plist").arg(w));
            QVERIFY(writeEntries(paths[w], diary).ok());
            QVERIFY(saveDayText(paths[w], day, version('a')).ok());
        }

        // kills spread over a few writes' time, however fast this machine writes
        QElapsedTimer one;
        one.start();
        QVERIFY(saveDayText(paths[0], day, version('a')).ok());
        const int window = std::max(20, int(one.elapsed()) * 4);

        QRandomGenerator random(3);
        int sawA = 0, sawB = 0;
        QElapsedTimer budget;
        budget.start();
        int kills = 0;
        while (kills < 300 && budget.elapsed() < 60000) {
            std::array<QProcess, writers> processes;
            std::array<int, writers> killAt {};
            for (int w = 0; w < writers; ++w) {
                processes[w].start(
                        QCoreApplication::applicationFilePath(), { "--writer", paths[w] });
                killAt[w] = int(random.bounded(window * 1000));
            }
            for (QProcess &writer : processes) {
                QVERIFY(writer.waitForStarted());
                QVERIFY(writer.waitForReadyRead(30000));
            }
            QElapsedTimer since;
            since.start();
            std::array<int, writers> order {};
            std::iota(order.begin(), order.end(), 0);
            std::sort(order.begin(), order.end(),
                    [&](int a, int b) { return killAt[a] < killAt[b]; });
            for (const int w : order) {
                const qint64 wait = killAt[w] - since.nsecsElapsed() / 1000;
                if (wait > 0)
                    QThread::usleep(wait);
                ::kill(pid_t(processes[w].processId()), SIGKILL);
            }
            for (int w = 0; w < writers; ++w, ++kills) {
                QVERIFY(processes[w].waitForFinished());
                QCOMPARE(processes[w].exitStatus(), QProcess::CrashExit); // killed while writing
                const Entries after = loadEntries(paths[w]);
                QVERIFY2(after.outcome.ok(), qPrintable(after.outcome.reason));
                QCOMPARE(after.entries.size(), diary.size() + 1);
                const QString text = lookupText(after.entries, day);
                QVERIFY(text == version('a') || text == version('b'));
                (text == version('a') ? sawA : sawB)++;
            }
        }
        qInfo("%d kills: %d left the a version, %d the b version", kills, sawA, sawB);
        // what the killed writers left is removed once it is old enough to be nobody's work,
        // and nothing else is: other programs' files of similar names stay
        const QStringList others { ".note0.plist.backup", ".note0.plist.penwick-abc",
            ".note0.plist.penwick-abcdef~", ".note0.plist.penwick-ab.def" };
        for (const QString &other : others)
            QVERIFY(penwick::test::writeAll(dir.filePath(other), "mine"));
        for (const QString &path : paths)
            QCOMPARE(penwick::removeStaleTemporaryFiles(path), 0);
        for (const QFileInfo &left : QDir(dir.path()).entryInfoList(QDir::Files | QDir::Hidden)) {
            QFile file(left.filePath());
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.setFileTime(
                    QDateTime::currentDateTime().addSecs(-120), QFile::FileModificationTime);
        }
        for (const QString &path : paths)
            QVERIFY(penwick::removeStaleTemporaryFiles(path) > 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                writers + others.size());
        QVERIFY(kills >= 100);
        QVERIFY(sawA > 0 && sawB > 0); // the kills landed in the middle of the work
    }

    // Fifty typists killed at random, some of them unable to write: each round's day holds a
    // prefix of what was typed (or nothing), every earlier day stays as it was, and Python's
    // plistlib reads the file after every round.
    void killedTypistsLoseNothingStored()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("note.plist");
        QVERIFY(writeEntries(
                path, { QVariantMap { { "date", "2024-01-01" }, { "text", "first" } } })
                        .ok());
        QRandomGenerator random(11);
        QMap<QString, QString> stored { { "2024-01-01", "first" } };
        QStringList rounds;
        int keptKeys = 0;
        // the journal's typists keep their diary where Penwick keeps it unless told otherwise
        QVERIFY(DiarySession().setNoteFilePath(path));
        for (int round = 0; round < 50; ++round) {
            const QString dayKey = QDate(2024, 7, 1).addDays(round).toString(Qt::ISODate);
            const bool failing = round % 5 == 4;
            const bool journal = round % 5 == 2; // long enough for rewrites to be hit
            QProcess typist;
            typist.start(QCoreApplication::applicationFilePath(),
                    journal ? QStringList { "--journal-typist", dayKey }
                            : QStringList {
                                    "--typist", path, dayKey, failing ? "failing" : "writing" });
            QVERIFY(typist.waitForStarted());
            QVERIFY(typist.waitForReadyRead(30000));
            QThread::usleep(random.bounded(journal ? 1600000 : 40000));
            ::kill(pid_t(typist.processId()), SIGKILL);
            QVERIFY(typist.waitForFinished());
            if (journal) { // what the history committed reaches the file at the next start
                const QList<QByteArray> said = typist.readAllStandardOutput().split('\n');
                const int kept = said.size() > 1 ? said[said.size() - 2].toInt() : 0;
                keptKeys = std::max(keptKeys, kept);
                penwick::history::HistoryStore store;
                DiarySession session;
                session.open();
                session.setJournal(&store);
                QVERIFY(session.flush());
                QVERIFY(lookupText(loadEntries(path).entries, dayKey).size() >= kept);
                QCOMPARE(store.notice(), QString());
            }

            const QString copy = dir.filePath(QString("round%1.plist").arg(round));
            QVERIFY(QFile::copy(path, copy));
            rounds << copy;
            const Entries after = loadEntries(path);
            QVERIFY(after.outcome.ok());
            for (auto it = stored.cbegin(); it != stored.cend(); ++it)
                QCOMPARE(lookupText(after.entries, it.key()), it.value());
            const QString typed = lookupText(after.entries, dayKey);
            QVERIFY(QString("abcdefghijklmnopqrstuvwxyz").repeated(400).startsWith(typed));
            if (failing)
                QCOMPARE(typed, QString());
            stored.insert(dayKey, typed);
        }
        QVERIFY(keptKeys > 20); // the kills did land after a rewrite
        // the file as each round left it, read by plistlib in one go
        bool ok = false;
        penwick::test::python(
                "import plistlib,sys\nfor f in sys.argv[1:]: plistlib.load(open(f,'rb'))", rounds,
                &ok);
        QVERIFY2(ok, "plistlib refused the file");
    }

    void fullDiskKeepsTheOldFileAndSaysWhy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("note.plist");
        QVERIFY(writeEntries(path, { QVariantMap { { "date", day }, { "text", "kept" } } }).ok());
        const Outcome outcome = [&] {
            penwick::test::FileSizeLimit full(8192);
            return saveDayText(path, day, QString(100000, QLatin1Char('n')));
        }();

        QCOMPARE(outcome.status, Status::WriteFailed);
        QVERIFY2(outcome.reason.contains("File too large") && outcome.reason.contains(path),
                qPrintable(outcome.reason));
        QCOMPARE(lookupText(loadEntries(path).entries, day), QString("kept")); // tst_atomicfile
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--writer") == 0)
        return runWriter(QString::fromLocal8Bit(argv[2]));
    if (argc == 5 && qstrcmp(argv[1], "--typist") == 0)
        return runTypist(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                qstrcmp(argv[4], "failing") == 0);
    if (argc == 3 && qstrcmp(argv[1], "--journal-typist") == 0) {
        QCoreApplication app(argc, argv);
        return runJournalTypist(QString::fromLocal8Bit(argv[2]));
    }
    penwick::test::environment();
    QCoreApplication app(argc, argv);
    tst_CrashSafety tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_crashsafety.moc"

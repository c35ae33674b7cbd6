// A keystroke's rewrite killed at any moment, or stopped by a full disk, leaves the note file
// whole: the old version or the new one, never a mix or a torn file.
#include "TestEnvironment.h"
#include "diary/NoteFile.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cstdio>

using namespace penwick::diary;

namespace {

const QString day = QStringLiteral("2024-06-01");

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

} // namespace

class tst_CrashSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWriterLeavesOldOrNew()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("note.plist");
        QVariantList diary;
        for (int i = 0; i < 2000; ++i)
            diary.append(QVariantMap {
                    { "date", QString::asprintf("2019-%02d-%02d", i % 12 + 1, i % 28 + 1) },
                    { "text", QString(500, QLatin1Char('x')) } });
        QVERIFY(writeEntries(path, diary).ok());
        QVERIFY(saveDayText(path, day, version('a')).ok());

        // kills spread over a few writes' time, however fast this machine writes
        QElapsedTimer one;
        one.start();
        QVERIFY(saveDayText(path, day, version('a')).ok());
        const int window = std::max(20, int(one.elapsed()) * 4);

        QRandomGenerator random(3);
        int sawA = 0, sawB = 0;
        QElapsedTimer budget;
        budget.start();
        int kills = 0;
        for (; kills < 300 && budget.elapsed() < 60000; ++kills) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), { "--writer", path });
            QVERIFY(writer.waitForStarted());
            QVERIFY(writer.waitForReadyRead(30000));
            QThread::usleep(random.bounded(window * 1000));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished());
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit); // it was killed while writing

            const Entries after = loadEntries(path);
            QVERIFY2(after.outcome.ok(), qPrintable(after.outcome.reason));
            QCOMPARE(after.entries.size(), diary.size() + 1);
            const QString text = lookupText(after.entries, day);
            QVERIFY(text == version('a') || text == version('b'));
            (text == version('a') ? sawA : sawB)++;
        }
        qInfo("%d kills: %d left the a version, %d the b version", kills, sawA, sawB);
        QVERIFY(penwick::removeStaleTemporaryFiles(path) > 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                QStringList { "note.plist" });
        QVERIFY(kills >= 100);
        QVERIFY(sawA > 0 && sawB > 0); // the kills landed in the middle of the work
    }

    void fullDiskKeepsTheOldFileAndSaysWhy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("note.plist");
        QVERIFY(writeEntries(path, { QVariantMap { { "date", day }, { "text", "kept" } } }).ok());
        const QByteArray before = penwick::test::readAll(path);

        const Outcome outcome = [&] {
            penwick::test::FileSizeLimit full(8192);
            return saveDayText(path, day, QString(100000, QLatin1Char('n')));
        }();

        QCOMPARE(outcome.status, Status::WriteFailed);
        QVERIFY2(outcome.reason.contains("File too large") && outcome.reason.contains(path),
                qPrintable(outcome.reason));
        QCOMPARE(penwick::test::readAll(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                QStringList { "note.plist" });
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--writer") == 0)
        return runWriter(QString::fromLocal8Bit(argv[2]));
    penwick::test::environment();
    QCoreApplication app(argc, argv);
    tst_CrashSafety tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_crashsafety.moc"

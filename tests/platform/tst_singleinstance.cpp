// Launches of the real executable: a second launch of the same user hands over to the first and
// leaves, whichever diary its preferences name (the running window may have made another file
// the diary); an import is handed over whole; a frozen first is reported.
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <sys/socket.h>
#include <sys/un.h>

class tst_SingleInstance : public QObject
{
    Q_OBJECT

    const QString m_home = penwick::test::environment().home();

    // Preferences of their own for a launch, with "safe" naming the diary it opens.
    QProcessEnvironment launchEnvironment(const QString &name, const QString &safe)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString config = m_home + "/config-" + name;
        env.insert("XDG_CONFIG_HOME", config);
        env.insert("XDG_DATA_HOME", m_home + "/data-" + name);
        penwick::test::writeAll(config + "/Hollyfen/Penwick.plist",
                penwick::plist::writeXml(QVariantMap { { "safe", safe }, { "NU", 1 } }));
        return env;
    }

    std::unique_ptr<QProcess> start(const QProcessEnvironment &env)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(env);
        process->start(PENWICK_EXECUTABLE, {});
        return process;
    }

private Q_SLOTS:
    void init() { penwick::test::environment().clean(); }

    void secondLaunchRaisesTheFirst()
    {
        QDir().mkpath(m_home + "/real");
        QVERIFY(QFile::link(m_home + "/real", m_home + "/link"));
        auto first = start(launchEnvironment("a", m_home + "/real/note.plist"));
        QVERIFY(first->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_home + "/real/note.plist"), 10000);
        // its lock and socket are in the user's own runtime folder
        QTRY_COMPARE(
                QDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
                        .entryList({ "penwick.lock", "penwick.socket" }, QDir::System | QDir::Files)
                        .size(),
                2);

        // a client that connects and says nothing holds up no launch
        const QString socketPath = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
                                           .entryInfoList({ "penwick.socket" }, QDir::System)
                                           .value(0)
                                           .absoluteFilePath();
        const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(socketPath).constData(),
                sizeof address.sun_path);
        QCOMPARE(::connect(silent, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);

        // other data and preference folders, the same diary through a symlinked folder
        QElapsedTimer timer;
        timer.start();
        auto second = start(launchEnvironment("b", m_home + "/link/note.plist"));
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(timer.elapsed() < 5000);
        QByteArray log;
        QTRY_VERIFY_WITH_TIMEOUT(
                (log += first->readAllStandardError()).contains("asked to raise the window"), 5000);

        // another diary, and an import of a path with a line feed in it: both reach the first
        auto other = start(launchEnvironment("c", m_home + "/real/other.plist"));
        QVERIFY(other->waitForFinished(5000));
        QCOMPARE(other->exitCode(), 0);
        const QString odd = m_home + "/two\nlines.txt";
        QVERIFY(penwick::test::writeAll(odd, "[2026-01-02 09:00] Hello\n"));
        QProcess import;
        import.setProcessEnvironment(launchEnvironment("c", m_home + "/real/other.plist"));
        import.start(PENWICK_EXECUTABLE, { "--import", odd });
        QVERIFY(import.waitForFinished(10000));
        QCOMPARE(import.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(
                (log += first->readAllStandardError()).contains("two\\nlines.txt"), 5000);

        // a frozen first: the second says so instead of leaving without a word
        ::kill(pid_t(first->processId()), SIGSTOP);
        auto third = start(launchEnvironment("d", m_home + "/real/note.plist"));
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT(
                (said += third->readAllStandardError()).contains("does not answer"), 6000);
        third->kill();
        third->waitForFinished(5000);
        ::close(silent);
        ::kill(pid_t(first->processId()), SIGCONT);
        first->kill();
        QVERIFY(first->waitForFinished(5000));

        // with the first killed, its lock is gone with it: a new launch runs again
        auto again = start(launchEnvironment("a", m_home + "/real/note.plist"));
        QVERIFY(!again->waitForFinished(1500));
        again->terminate();
        QVERIFY(again->waitForFinished(5000));
    }

    // Asked to end by the system, Penwick ends as after a quit, at once and cleanly; a file-size
    // limit makes its writes fail instead of killing it. What it creates is the user's alone.
    void endsCleanlyWhenTheSystemAsks_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("fileSizeLimit");
        QTest::newRow("SIGTERM") << int(SIGTERM) << 0;
        QTest::newRow("SIGHUP") << int(SIGHUP) << 0;
        QTest::newRow("SIGTERM with a file-size limit") << int(SIGTERM) << 120;
    }
    void endsCleanlyWhenTheSystemAsks()
    {
        QFETCH(int, signal);
        QFETCH(int, fileSizeLimit);
        const QString folder = m_home + "/data-e/Hollyfen/Penwick";
        QProcess process;
        process.setProcessEnvironment(launchEnvironment("e", QString()));
        process.setChildProcessModifier([fileSizeLimit] {
            if (fileSizeLimit > 0) {
                const rlimit small { rlim_t(fileSizeLimit), rlim_t(fileSizeLimit) };
                ::setrlimit(RLIMIT_FSIZE, &small);
            }
        });
        process.start(PENWICK_EXECUTABLE, {});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(folder + "/note.plist"), 10000);
        QTest::qWait(500);
        QCOMPARE(process.state(), QProcess::Running);
        ::kill(pid_t(process.processId()), signal);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(process.waitForFinished(5000));
        QVERIFY(timer.elapsed() < 1500);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QFileInfo::exists(folder + "/note.plist"));
        QCOMPARE(QDir(folder).entryList({ ".*.penwick-*" }, QDir::Files | QDir::Hidden), {});
        if (!fileSizeLimit) {
            QCOMPARE(QFileInfo(folder + "/note.plist").permissions() & 0x0777, 0x0600);
            QCOMPARE(QFileInfo(folder).permissions() & 0x0777, 0x0700);
        }
    }
};

PENWICK_TEST_MAIN(tst_SingleInstance, QCoreApplication)
#include "tst_singleinstance.moc"

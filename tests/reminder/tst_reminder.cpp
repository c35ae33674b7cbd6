// The reminder's agent file, on disk and read back by Python's plistlib, and what it asks of
// launchd and of the systemd user manager, in order, through a recording runner.
#include "TestEnvironment.h"
#include "reminder/Reminder.h"

#include <QCoreApplication>
#include <QStandardPaths>

using namespace penwick;
using namespace penwick::reminder;
using namespace penwick::test;

class tst_Reminder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingRunner m_runner;

    Reminder reminder(Scheduler scheduler)
    {
        return Reminder(m_runner, scheduler,
                { m_dir.filePath("home"), m_dir.filePath("units"), "/usr/bin/true" });
    }

private Q_SLOTS:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.filePath("home"));
        m_runner.calls.clear();
    }

    void launchdLoadsAfterTheWriteAndUnloadsBeforeTheRemoval()
    {
        Reminder r = reminder(Scheduler::Launchd);
        const QString agent = r.agentFilePath();
        QCOMPARE(agent, m_dir.filePath("home/Library/LaunchAgents/com.hollyfen.penwick.plist"));
        m_runner.watchedFile = agent;
        QVERIFY(!r.isOn());

        // the LaunchAgents folder of a fresh account is created
        QVERIFY(r.switchOn(QTime(9, 5)).ok);
        QCOMPARE(m_runner.calls, QStringList { "start: /bin/launchctl load " + agent + " [file]" });
        // what Python's plistlib reads in it (nothing where it cannot read it)
        QCOMPARE(python("import plistlib,sys\nprint(plistlib.load(open(sys.argv[1],'rb')))",
                         { agent })
                         .trimmed(),
                QByteArray("{'AbandonProcessGroup': True, 'Label': 'com.hollyfen.penwick', "
                           "'ProgramArguments': ['/usr/bin/open', '-a', 'Penwick'], "
                           "'StartCalendarInterval': {'Hour': 9, 'Minute': 5}}"));

        m_runner.calls.clear();
        r.switchOff();
        QCOMPARE(
                m_runner.calls, QStringList { "wait: /bin/launchctl unload " + agent + " [file]" });
        QVERIFY(!QFileInfo::exists(agent));
        QVERIFY(!QFileInfo::exists(r.timerUnitPath()));

        // off again: unload runs again, the missing file is no error
        r.switchOff();
        QCOMPARE(m_runner.calls.size(), 2);
    }

    void systemdTimerIsWrittenBeforeTheManagerIsAsked()
    {
        Reminder r = reminder(Scheduler::SystemdUser);
        m_runner.watchedFile = r.timerUnitPath();
        QString notStarted;
        QVERIFY(r.switchOn(QTime(21, 5), &notStarted).ok && notStarted.isEmpty());
        QVERIFY(!QFileInfo::exists(m_dir.filePath("home/Library"))); // the units alone
        QCOMPARE(QFileInfo(m_dir.filePath("units/timers.target.wants/com.hollyfen.penwick.timer"))
                         .symLinkTarget(),
                r.timerUnitPath());
        QCOMPARE(m_runner.calls,
                (QStringList { "wait: systemctl --user daemon-reload [file]",
                        "wait: systemctl --user restart com.hollyfen.penwick.timer [file]" }));
        QVERIFY(readAll(r.timerUnitPath()).contains("OnCalendar=*-*-* 21:05:00\n"));
        QVERIFY(readAll(r.timerUnitPath()).contains("Persistent=true\n"));
        QVERIFY(readAll(r.serviceUnitPath()).contains("ExecStart=\"/usr/bin/true\"\n"));

        // no user manager: still on, from the next login, and the reason is told
        m_runner.succeeds = false;
        QVERIFY(r.switchOn(QTime(7, 30), &notStarted).ok && !notStarted.isEmpty());
        QCOMPARE(reminder(Scheduler::SystemdUser).savedTime(), std::optional(QTime(7, 30)));
        m_runner.succeeds = true;

        m_runner.calls.clear();
        r.switchOff();
        QCOMPARE(m_runner.calls,
                (QStringList {
                        "wait: systemctl --user disable --now com.hollyfen.penwick.timer [file]",
                        "start: systemctl --user daemon-reload [no file]" }));
        QVERIFY(!QFileInfo::exists(r.serviceUnitPath()));

        // every time of day comes back after a restart
        for (const QTime time :
                { QTime(0, 0), QTime(1, 5), QTime(2, 15), QTime(10, 5), QTime(23, 59) }) {
            QVERIFY(r.switchOn(time).ok);
            QCOMPARE(reminder(Scheduler::SystemdUser).savedTime(), std::optional(time));
        }
    }

    // The service starts exactly the executable, its path quoted by systemd's rules; a path
    // systemd cannot run or no quoting carries safely is refused, and nothing is written.
    void executablePaths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("space and semicolon") << "pen ; wick" << true;
        QTest::newRow("dollar and percent") << "pen$HOME%h%%" << true;
        QTest::newRow("quote") << "pen \"wick\"" << false;
        QTest::newRow("apostrophe") << "pen's" << false;
        QTest::newRow("backslash") << "pen\\nwick" << false;
        QTest::newRow("newline") << "pen\nExecStart=/usr/bin/touch x" << false;
    }

    void executablePaths()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        const QString executable = m_dir.filePath(name);
        QVERIFY(!accepted || QFile::link("/usr/bin/true", executable));
        Reminder r(m_runner, Scheduler::SystemdUser, { {}, m_dir.filePath("units"), executable });
        if (!accepted)
            QTest::ignoreMessage(QtWarningMsg, "Something went wrong");
        QCOMPARE(r.switchOn(QTime(9, 5)).ok, accepted);
        QCOMPARE(QFileInfo::exists(r.serviceUnitPath()), accepted);
        if (!accepted || QStandardPaths::findExecutable("systemd-analyze").isEmpty())
            return;
        QProcess verify;
        verify.setProcessChannelMode(QProcess::MergedChannels);
        verify.start("systemd-analyze", { "verify", r.serviceUnitPath(), r.timerUnitPath() });
        QVERIFY(verify.waitForFinished(30000));
        QVERIFY2(verify.exitCode() == 0, verify.readAll().constData());
    }

    void oddAgentFilesAndAnUnwritableFolder()
    {
        Reminder r = reminder(Scheduler::Launchd);
        const QString agent = r.agentFilePath();
        for (const QByteArray &bytes : { QByteArray("not a plist"),
                     plist::writeXml(QVariantMap { { "Label", "x" } }),
                     plist::writeXml(QVariantMap { { "StartCalendarInterval",
                             QVariantMap {
                                     { "Hour", qlonglong(25) }, { "Minute", qlonglong(0) } } } }),
                     plist::writeXml(QVariantMap { { "StartCalendarInterval",
                             QVariantMap { { "Hour", "9" }, { "Minute", qlonglong(5) } } } }) }) {
            QVERIFY(writeAll(agent, bytes));
            QVERIFY(r.isOn()); // present means on, whatever it holds
            QVERIFY(!r.savedTime());
        }
        QVERIFY(QFile::remove(agent));

        // LaunchAgents and the units folder are files: nothing can be written, whoever runs it
        QVERIFY(QDir(m_dir.filePath("home/Library/LaunchAgents")).removeRecursively());
        QVERIFY(writeAll(m_dir.filePath("home/Library/LaunchAgents"), "in the way"));
        QVERIFY(writeAll(m_dir.filePath("units"), "in the way"));
        for (const Scheduler scheduler : { Scheduler::Launchd, Scheduler::SystemdUser }) {
            QTest::ignoreMessage(QtWarningMsg, "Something went wrong");
            const WriteResult result = reminder(scheduler).switchOn(QTime(9, 5));
            QVERIFY(!result.ok);
            QVERIFY(!result.error.isEmpty());
            QVERIFY(m_runner.calls.isEmpty());
            QVERIFY(!reminder(scheduler).isOn());
            QVERIFY(!QFileInfo::exists(reminder(scheduler).timerUnitPath()));
        }
    }
};

PENWICK_TEST_MAIN(tst_Reminder, QCoreApplication)
#include "tst_reminder.moc"

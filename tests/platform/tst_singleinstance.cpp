// Two launches of the real executable: the second hands over to the first and leaves.
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondLaunchRaisesTheFirst()
    {
        penwick::test::environment().clean();
        const QString note
                = penwick::test::environment().dataHome() + "/Hollyfen/Penwick/note.plist";
        QProcess first;
        first.start(PENWICK_EXECUTABLE, {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(note), 10000); // up and running

        QElapsedTimer timer;
        timer.start();
        QProcess second;
        second.start(PENWICK_EXECUTABLE, {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(timer.elapsed() < 5000);

        QByteArray log;
        QTRY_VERIFY_WITH_TIMEOUT(
                (log += first.readAllStandardError()).contains("asked to raise the window"), 5000);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(5000));

        // with the first gone, and its lock with it, a new launch runs again
        QProcess third;
        third.start(PENWICK_EXECUTABLE, {});
        QVERIFY(!third.waitForFinished(1500));
        third.terminate();
        QVERIFY(third.waitForFinished(5000));
    }
};

PENWICK_TEST_MAIN(tst_SingleInstance, QCoreApplication)
#include "tst_singleinstance.moc"

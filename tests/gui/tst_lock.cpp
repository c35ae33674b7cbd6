// The lock in the real window: a protected diary opens to the unlock view, which says a wrong
// passphrase plainly; a lock stores what was typed and leaves no text of the diary in the
// editor and its undo history, the search, On This Day or the history dialog.
#include "WindowTest.h"
#include "gui/OnThisDay.h"
#include "privacy/SealedFile.h"
#include "services/DiaryProtection.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDialog>
#include <QProcess>

using namespace penwick;
using namespace penwick::test;

class TestLock : public QObject, public WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        privacy::setLimitsForTest({ 2, 64 * 1024 });
        // a session bus of the test's own, before anything in the process looks for one
        m_bus.start("dbus-daemon", { "--session", "--nofork", "--print-address" });
        if (m_bus.waitForStarted() && m_bus.waitForReadyRead(5000))
            qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
    }
    void cleanupTestCase()
    {
        m_bus.kill();
        m_bus.waitForFinished();
    }
    void init() { environment().clean(); }
    void cleanup() { m_app.reset(); }

    void lockEmptiesTheWidgets()
    {
        QVERIFY(writeDiary(
                { entry("2025-03-05", "a year ago: heron"), entry("2026-03-05", "heron today") }));
        {
            DiaryServices services;
            services.open();
            QVERIFY(services.protection().protect("words", privacy::recovery::generate()).ok());
        }
        launch(true);
        auto *field = m_app->child<QLineEdit>("passphraseField");
        QVERIFY(field->isVisible());
        QVERIFY(!m_app->editor()->isVisible());
        QVERIFY(!m_app->window.windowTitle().contains("2026"));
        QVERIFY(!action("actionExportAsText")->isEnabled());
        QTest::keyClicks(field, "not the words");
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(m_app->child<QLabel>("unlockMessage")->text().contains("does not open"));
        QTest::keyClicks(field, "words");
        QTest::keyClick(field, Qt::Key_Return);
        QTRY_VERIFY(m_app->editor()->isVisible());
        QCOMPARE(m_app->editor()->toPlainText(), "heron today");

        m_app->editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(m_app->editor(), " and egret");
        QTest::keyClicks(m_app->searchField(), "heron");
        QTest::keyClick(m_app->searchField(), Qt::Key_Return);
        QTRY_COMPARE(m_app->resultsView()->model()->rowCount(), 2);
        action("actionLockNow")->trigger();

        QVERIFY(field->isVisible());
        QCOMPARE(QApplication::focusWidget(), field); // the passphrase is typed at once
        QCOMPARE(m_app->editor()->toPlainText(), "");
        QVERIFY(!m_app->editor()->document()->isUndoAvailable());
        QCOMPARE(m_app->searchField()->text(), "");
        QVERIFY(!m_app->searchField()->isUndoAvailable());
        QCOMPARE(m_app->resultsView()->model()->rowCount(), 0);
        QCOMPARE(m_app->window.findChild<OnThisDay *>()->count(), 0);
        for (const QDialog *dialog : m_app->window.findChildren<QDialog *>())
            QVERIFY(!dialog->isVisible());
        QVERIFY(!m_app->session.key());
        QVERIFY(!m_app->window.windowTitle().contains("2026"));

        // what was typed was stored before the lock, sealed
        QVERIFY(privacy::isSealed(readAll(notePath())));
        QTest::keyClicks(field, "words");
        QTest::keyClick(field, Qt::Key_Return);
        QTRY_COMPARE(m_app->editor()->toPlainText(), "heron today and egret");
    }

    void desktopLockLocks()
    {
        if (m_bus.state() != QProcess::Running)
            QSKIP("dbus-daemon is not installed");
        QVERIFY(writeDiary({ entry("2026-03-05", "heron today") }));
        {
            DiaryServices services;
            services.open();
            QVERIFY(services.protection().protect("words", privacy::recovery::generate()).ok());
        }
        launch(true);
        QTest::keyClicks(m_app->child<QLineEdit>("passphraseField"), "words");
        QTest::keyClick(m_app->child<QLineEdit>("passphraseField"), Qt::Key_Return);
        QTRY_COMPARE(m_app->editor()->toPlainText(), "heron today");
        // the screen saver of another program on the bus says the screen locked
        const QDBusConnection other = QDBusConnection::connectToBus(
                qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), "screenSaver");
        QDBusMessage active = QDBusMessage::createSignal(
                "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver", "ActiveChanged");
        active << true;
        QVERIFY(other.send(active));
        QTRY_VERIFY(!m_app->session.key());
        QVERIFY(m_app->child<QLineEdit>("passphraseField")->isVisible());
        QCOMPARE(m_app->editor()->toPlainText(), "");
    }

private:
    QProcess m_bus;
};

PENWICK_TEST_MAIN(TestLock, QApplication)
#include "tst_lock.moc"

// A protected diary over the real services (session, history, backups, conflict copies): a
// conversion stopped after any of its steps leaves a diary that opens under the old passphrase
// or the new one, with every text; after a protected session no file holds a typed word in
// clear; a changed file is refused and never written; a copy under another passphrase is left
// alone.
#include "TestEnvironment.h"
#include "diary/DayKey.h"
#include "history/Backups.h"
#include "history/HistoryStore.h"
#include "privacy/SealedFile.h"
#include "services/DiaryProtection.h"
#include "services/DiaryServices.h"

#include <QDirIterator>
#include <QSignalSpy>

using namespace penwick;
using namespace penwick::test;

namespace {

struct StopHere
{
};

QDateTime now;

QString note()
{
    return environment().dataHome() + "/Hollyfen/Penwick/note.plist";
}

std::unique_ptr<DiaryServices> start()
{
    now = QDateTime(QDate(2026, 3, 5), QTime(9, 0));
    auto services = std::make_unique<DiaryServices>([] { return now; });
    services->open();
    return services;
}

void type(DiaryServices &services, QDate day, const QString &text)
{
    services.session().selectDay(day);
    services.session().storeText(text);
    QVERIFY(services.session().flush());
}

// The files under the data folder (the diary, the history and its journal, the backups) that
// hold word in clear.
QStringList filesHolding(const QString &word)
{
    QStringList found;
    QDirIterator files(
            environment().dataHome(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        if (readAll(files.next()).contains(word.toUtf8()))
            found << files.filePath();
    return found;
}

} // namespace

class TestProtection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { privacy::setLimitsForTest({ 2, 64 * 1024 }); }
    void init() { environment().clean(); }

    void stoppedAnywhere_data()
    {
        QTest::addColumn<QString>("conversion");
        QTest::addColumn<QString>("stopAfter"); // empty: not stopped
        QTest::addColumn<QString>("opensWith"); // empty: in clear
        for (const char *step : { "diary", "history", "backups", "" })
            QTest::addRow("protect, stopped after %s", step) << "protect" << step << "new words";
        for (const char *step : { "diary", "" })
            QTest::addRow("change, stopped after %s", step) << "change" << step << "new words";
        for (const char *step : { "backups", "history" })
            QTest::addRow("remove, stopped after %s", step) << "remove" << step << "old words";
        QTest::newRow("remove, not stopped") << "remove"
                                             << ""
                                             << "";
    }
    void stoppedAnywhere()
    {
        QFETCH(QString, conversion);
        QFETCH(QString, stopAfter);
        QFETCH(QString, opensWith);
        QVERIFY(writeAll(
                note(), plist::writeXml(QVariantList { entry("2026-03-01", "first page") })));
        {
            auto services = start();
            type(*services, QDate(2026, 3, 5), "typed before");
            QVERIFY(history::makeDailyBackup(
                    note(), history::backupsFolder(), QDate(2026, 3, 5), 1 << 30)
                            .ok());
            DiaryProtection &protection = services->protection();
            if (conversion != "protect")
                QVERIFY(protection.protect("old words", privacy::recovery::generate()).ok());
            protection.setStepHookForTest([&](const char *step) {
                if (stopAfter == step)
                    throw StopHere {};
            });
            try {
                const Conversion done = conversion == "protect"
                        ? protection.protect("new words", privacy::recovery::generate())
                        : conversion == "change" ? protection.changePassphrase("new words")
                                                 : protection.removeProtection();
                QVERIFY2(done.ok(), qPrintable(done.error));
            } catch (const StopHere &) { }
        }
        auto services = start();
        DiaryProtection &protection = services->protection();
        QCOMPARE(protection.isLocked(), !opensWith.isEmpty());
        if (!opensWith.isEmpty()) {
            const privacy::Unsealed unlocked = protection.unlock(opensWith, false);
            QVERIFY2(unlocked.ok(), qPrintable(unlocked.error));
        }
        QCOMPARE(services->session().textOf(QDate(2026, 3, 1)), "first page");
        QCOMPARE(services->session().textOf(QDate(2026, 3, 5)), "typed before");
        QCOMPARE(services->history()->versions(note(), "2026-03-05").value(0).text, "typed before");
        // what the conversion left half-done is finished at the unlock: nothing in clear
        services->history()->flush();
        QCOMPARE(filesHolding("typed before").isEmpty(), !opensWith.isEmpty());
        QCOMPARE(filesHolding("first page").isEmpty(), !opensWith.isEmpty());
    }

    void noTypedWordInClear()
    {
        QVERIFY(writeAll(note(), plist::writeXml(QVariantList { entry("2026-03-01", "walnut") })));
        auto services = start();
        type(*services, QDate(2026, 3, 2), "before protection: lantern");
        const QString recoveryKey = privacy::recovery::generate();
        QVERIFY(services->protection().protect("words", recoveryKey).ok());
        type(*services, QDate(2026, 3, 3), "saffron");
        type(*services, QDate(2026, 3, 3), "saffron and thistle");
        services->session().replaceDays(
                { { "2026-03-04", "imported: juniper" } }, diary::Origin::Imported);
        QVERIFY(history::makeDailyBackup(
                note(), history::backupsFolder(), QDate(2026, 3, 6), 1 << 30)
                        .ok());
        // a clear conflict copy merged: it goes into the backups sealed
        QVERIFY(writeAll(environment().dataHome()
                        + "/Hollyfen/Penwick/note.sync-conflict-20260305-101500-ABCDEF1.plist",
                plist::writeXml(QVariantList { entry("2026-03-07", "from elsewhere: quince") })));
        now = now.addSecs(60); // merged once typing has paused
        QVERIFY(services->session().flush()); // and once no write of its own runs
        services->session().checkForOutsideChanges();
        QVERIFY(services->session().flush());
        QCOMPARE(services->session().textOf(QDate(2026, 3, 7)), "from elsewhere: quince");
        services->protection().lock();
        QVERIFY(services->protection().unlock(recoveryKey, true).ok());
        type(*services, QDate(2026, 3, 8), "after the lock: marigold");
        services->history()->flush();
        for (const char *word :
                { "walnut", "lantern", "saffron", "thistle", "juniper", "quince", "marigold" })
            QVERIFY2(filesHolding(word).isEmpty(), qPrintable(filesHolding(word).join(", ")));
        QCOMPARE(services->history()->versions(note(), "2026-03-03").value(0).text,
                "saffron and thistle");
    }

    void changedFileRefused_data()
    {
        QTest::addColumn<int>("offset"); // from the end when negative
        QTest::newRow("in the salt") << 30;
        QTest::newRow("in the body's nonce") << 190;
        QTest::newRow("in the text") << 250;
        QTest::newRow("in the tag") << -1;
    }
    void changedFileRefused()
    {
        QFETCH(int, offset);
        QVERIFY(writeAll(note(), plist::writeXml(QVariantList { entry("2026-03-01", "a day") })));
        privacy::KeyPointer key;
        {
            auto services = start();
            QVERIFY(services->protection().protect("words", privacy::recovery::generate()).ok());
            key = services->session().key();
        }
        QByteArray bytes = readAll(note());
        bytes[offset < 0 ? bytes.size() + offset : offset] ^= 0x01;
        QVERIFY(writeAll(note(), bytes));
        auto services = start();
        services->protection().unlock("words", false); // a changed header opens no key at all
        services->protection().useKey(key);
        services->session().selectDay(QDate(2026, 3, 1));
        services->session().storeText("typed over a damaged file");
        services->session().flush();
        QCOMPARE(readAll(note()), bytes);
        QVERIFY2(services->session().problem().reason.contains("changed or damaged"),
                qPrintable(services->session().problem().reason));
    }

    void copyUnderAnotherPassphraseLeftAlone()
    {
        QVERIFY(writeAll(note(), plist::writeXml(QVariantList { entry("2026-03-01", "mine") })));
        auto services = start();
        QVERIFY(services->protection().protect("words", privacy::recovery::generate()).ok());
        const privacy::KeyPointer other
                = privacy::protect("other words", privacy::recovery::generate(), { 2, 64 * 1024 });
        const QString copy = environment().dataHome()
                + "/Hollyfen/Penwick/note.sync-conflict-20260305-101500-ABCDEF1.plist";
        const QByteArray sealed = privacy::seal(
                plist::writeXml(QVariantList { entry("2026-03-02", "theirs") }), *other);
        QVERIFY(writeAll(copy, sealed));
        QSignalSpy settled(&services->session(), &diary::DiarySession::versionsSettled);
        services->session().checkForOutsideChanges();
        QCOMPARE(settled.size(), 1);
        QVERIFY(settled.first().first().value<diary::SettleReport>().error.contains(
                "another passphrase"));
        QCOMPARE(readAll(copy), sealed);
        QCOMPARE(services->session().textOf(QDate(2026, 3, 2)), "");
    }
};

PENWICK_TEST_MAIN(TestProtection, QCoreApplication)
#include "tst_protection.moc"

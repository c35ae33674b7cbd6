// The storage sheet in the real window, with the file choosers answered by the test: each way
// of moving, starting, using, opening, exporting and taking over the diary, with the files and
// the preferences checked on disk.
#include "WindowTest.h"

#include <QApplication>
#include <QDialog>

using namespace penwick;
using namespace penwick::test;

namespace {

QString safeOnDisk()
{
    const plist::ReadResult prefs = plist::read(readAll(prefsPath()));
    return prefs.value ? prefs.value->toMap().value("safe").toString() : QString();
}

} // namespace

class tst_StorageSheet : public QObject, WindowFixture
{
    Q_OBJECT

    QTemporaryDir m_elsewhere;

    QString elsewhere(const QString &name) const { return m_elsewhere.filePath(name); }
    void openSheet()
    {
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+Shift+L"));
        QVERIFY(m_app->child<QDialog>("storageSheet")->isVisible());
    }

private Q_SLOTS:
    void init()
    {
        environment().clean();
        QDir(m_elsewhere.path()).removeRecursively();
        QDir().mkpath(m_elsewhere.path());
        QVERIFY(writeDiary({ entry("2026-03-05", "today's page") }));
    }
    void cleanup() { m_app.reset(); }

    void moveTakesTheDiaryAlong()
    {
        launch();
        openSheet();
        QCOMPARE(m_app->child<QLabel>("locationPath")->text(), notePath());
        m_dialogs->answers << elsewhere("moved.plist");
        press("moveButton");
        QVERIFY(!m_app->child<QDialog>("storageSheet")->isVisible());
        QCOMPARE(m_dialogs->suggestions, QStringList { "note.plist" });
        QVERIFY(!QFileInfo::exists(notePath()));
        QCOMPARE(safeOnDisk(), elsewhere("moved.plist"));
        QCOMPARE(m_app->editor()->toPlainText(), QString("today's page"));
        QTest::keyClicks(m_app->editor(), "!");
        QVERIFY(m_app->session.flush());
        QCOMPARE(entriesIn(elsewhere("moved.plist")),
                QVariantList { entry("2026-03-05", "today's page!") });
    }

    void failedMoveChangesNothing()
    {
        launch();
        QVERIFY(writeAll(elsewhere("taken.plist"), "someone else's"));
        m_dialogs->answers << elsewhere("taken.plist"); // the refusal itself: tst_storage
        openSheet();
        press("moveButton");
        QCOMPARE(m_dialogs->failures,
                QStringList { "Failed to load a diary. Or tried to write in a directory that's "
                              "not permitted." });
        QCOMPARE(safeOnDisk(), QString());
        QTest::keyClicks(m_app->editor(), "?");
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "today's page?") });
    }

    void newAndUseAndFolder()
    {
        launch();
        // a new diary where a folder cannot be: the alert, and the diary stays
        QVERIFY(writeAll(elsewhere("a-file"), "x"));
        m_dialogs->answers << elsewhere("a-file/note.plist") << elsewhere("fresh.plist");
        openSheet();
        press("newButton");
        QCOMPARE(m_dialogs->failures.size(), 1);
        QVERIFY(m_dialogs->failures[0].startsWith("Failed to write."));
        QCOMPARE(safeOnDisk(), QString());
        press("newButton");
        QCOMPARE(entriesIn(elsewhere("fresh.plist")), QVariantList {});
        QCOMPARE(safeOnDisk(), elsewhere("fresh.plist"));
        QCOMPARE(m_app->editor()->toPlainText(), QString());
        QVERIFY(QFileInfo::exists(notePath())); // the old diary is left where it was

        // use: only the preference changes, no file is made
        m_dialogs->answers << elsewhere("nothing-yet.plist");
        press("useButton");
        QCOMPARE(safeOnDisk(), elsewhere("nothing-yet.plist"));
        QVERIFY(!QFileInfo::exists(elsewhere("nothing-yet.plist")));

        // a folder keeps the file's name
        QDir().mkpath(elsewhere("sync"));
        m_dialogs->answers << elsewhere("sync");
        m_dialogs->folders.clear();
        press("folderButton");
        QCOMPARE(m_dialogs->folders, QStringList { m_elsewhere.path() }); // the diary's folder
        QCOMPARE(m_dialogs->questions.last(),
                QString("There is no diary in sync yet. Start a new one there?"));
        QCOMPARE(safeOnDisk(), elsewhere("sync/nothing-yet.plist"));
    }

    void openingADiaryFile()
    {
        launch();
        const QByteArray other = plist::writeXml(QVariantList { entry("2026-03-05", "theirs") });
        QVERIFY(writeAll(elsewhere("other.PLIST"), other));
        QVERIFY(writeAll(elsewhere("otherplist"), other));
        m_dialogs->answers << elsewhere("other.PLIST"); // the checks themselves: tst_storage
        QTest::keySequence(&m_app->window, QKeySequence::Open);
        QCOMPARE(m_dialogs->failures.value(0).section('\n', 0, 0), "Not a appropriate document.");
        QVERIFY(m_dialogs->failures.value(0).contains("other.PLIST"));
        QCOMPARE(safeOnDisk(), QString());

        m_dialogs->answers << elsewhere("otherplist");
        QTest::keySequence(&m_app->window, QKeySequence::Open);
        QCOMPARE(safeOnDisk(), elsewhere("otherplist"));
        QCOMPARE(m_app->editor()->toPlainText(), QString("theirs"));
        QCOMPARE(readAll(elsewhere("otherplist")), other); // in its place, untouched
    }

    void exportFromTheMenu()
    {
        launchOn({ entry("2026-03-05", "b"), entry("2026-03-01", "a") });
        m_dialogs->answers << elsewhere("Penwick-Export.txt");
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+E"));
        QCOMPARE(m_dialogs->suggestions, QStringList { "Penwick-Export.txt" });
        QCOMPARE(readAll(elsewhere("Penwick-Export.txt")),
                QByteArray("2026-03-01\na\n\n2026-03-05\nb\n\n"));
        m_dialogs->answers << elsewhere("no-folder/x.txt");
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+E"));
        QCOMPARE(m_dialogs->failures.size(), 1);
    }

    void takingOverAnEarlierDiaryAsksFirst()
    {
        launch();
        QVERIFY(writeAll(elsewhere("old-prefs.plist"),
                plist::writeXml(QVariantMap { { "note",
                        QVariantList { entry("2026-03-05", "from before"),
                                entry("2014-01-01", "x") } } })));
        const QByteArray mine = readAll(notePath());
        m_dialogs->acceptConfirm = false;
        m_dialogs->answers << elsewhere("old-prefs.plist");
        openSheet();
        press("takeOverButton");
        QCOMPARE(m_dialogs->questions.size(), 1);
        QCOMPARE(readAll(notePath()), mine);

        m_dialogs->acceptConfirm = true;
        m_dialogs->answers << elsewhere("old-prefs.plist");
        press("takeOverButton");
        QCOMPARE(entriesOnDisk(),
                (QVariantList { entry("2026-03-05", "from before"), entry("2014-01-01", "x") }));
        // the editor shows the day as it now stands, so the next key cannot undo the take-over
        QCOMPARE(m_app->editor()->toPlainText(), QString("from before"));
        QTest::keyClicks(m_app->editor(), ".");
        QCOMPARE(entriesOnDisk().first(), QVariant(entry("2026-03-05", "from before.")));
    }
};

PENWICK_TEST_MAIN(tst_StorageSheet, QApplication)
#include "tst_storagesheet.moc"

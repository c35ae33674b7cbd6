// The history in the real window: a day cleared by mistake, Penwick quit and started again,
// comes back from the day's history, as one step the editor can undo.
#include "WindowTest.h"
#include "gui/DiaryEditor.h"
#include "gui/HistoryDialog.h"

#include <QListWidget>
#include <QStatusBar>

using namespace penwick;
using namespace penwick::test;

struct HistoryPenwick
{
    diary::DiarySession session { [] { return QDateTime(QDate(2026, 3, 5), QTime(9, 0)); } };
    history::HistoryStore store;
    MainWindow window { &session, nullptr };
    HistoryPenwick()
    {
        window.setHistory(&store);
        window.start();
    }
    QPlainTextEdit *editor() { return window.findChild<QPlainTextEdit *>("editor"); }
};

class tst_HistoryDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clearedDayComesBack()
    {
        QVERIFY(writeDiary({ entry("2026-03-05", "morning pages") }));
        auto app = std::make_unique<HistoryPenwick>();
        QCOMPARE(app->editor()->toPlainText(), "morning pages");
        QTest::keyClick(app->editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(app->editor(), Qt::Key_Delete);
        QVERIFY(app->session.flush());
        app.reset();

        app = std::make_unique<HistoryPenwick>();
        QVERIFY(QTest::qWaitForWindowActive(&app->window));
        QCOMPARE(app->editor()->toPlainText(), QString());
        QTest::keyClick(app->editor(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        auto *dialog = app->window.findChild<HistoryDialog *>("historyDialog");
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QListWidget *>("versionList")->count(), 1);
        dialog->findChild<QPushButton *>("restoreButton")->click();
        QCOMPARE(app->editor()->toPlainText(), "morning pages");
        QVERIFY(app->session.flush());
        QCOMPARE(plist::read(readAll(notePath())).value->toList(),
                QVariantList { entry("2026-03-05", "morning pages") });
        const QList<history::Version> versions = app->store.versions(
                history::diaryKeyPath(notePath()), QStringLiteral("2026-03-05"));
        QCOMPARE(versions.size(), 2);
        QCOMPARE(versions[0].origin, history::Origin::Restored);
        QTest::keyClick(app->editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(app->editor()->toPlainText(), QString());
    }
    void damagedHistoryIsSaidInTheBar()
    {
        QVERIFY(writeAll(history::HistoryStore::defaultFilePath(), QByteArray(4096, 'x')));
        HistoryPenwick app;
        QTRY_VERIFY(app.window.statusBar()->currentMessage().contains("put aside"));
    }
    void undoStepEnds_data()
    {
        QTest::addColumn<bool>("visitBetween");
        QTest::addColumn<QString>("afterUndo");
        QTest::newRow("at a word after a pause") << false << "abc ";
        QTest::newRow("at a visit to the day") << true << "abc";
    }
    void undoStepEnds()
    {
        QFETCH(bool, visitBetween);
        QVERIFY(writeDiary({}));
        HistoryPenwick app;
        QVERIFY(QTest::qWaitForWindowActive(&app.window));
        static_cast<DiaryEditor *>(app.editor())->setUndoPause(visitBetween ? 1'000'000 : 0);
        QTest::keyClicks(app.editor(), "abc");
        if (visitBetween) {
            QTest::keyClick(app.editor(), Qt::Key_Right, Qt::AltModifier);
            QTest::keyClick(app.editor(), Qt::Key_Left, Qt::AltModifier);
        } else {
            QTest::keyClick(app.editor(), Qt::Key_Space);
        }
        QTest::keyClicks(app.editor(), "def");
        QTest::keyClick(app.editor(), Qt::Key_Z, Qt::ControlModifier);
        QTEST(app.editor()->toPlainText(), "afterUndo");
    }
    void versionsFollowAMove() // last: the preferences name the moved diary from here on
    {
        QVERIFY(writeDiary({ entry("2026-03-05", "kept") }));
        HistoryPenwick app;
        auto dialogs = std::make_unique<AnsweringDialogs>();
        const QString moved = environment().home() + "/moved.plist";
        dialogs->answers << moved;
        app.window.setDialogs(std::move(dialogs));
        QTest::keyClicks(app.editor(), "!");
        app.window.findChild<QPushButton *>("moveButton")->click();
        QCOMPARE(app.session.noteFilePath(), moved);
        QCOMPARE(app.store.versions(moved, "2026-03-05").value(0).text, "kept!");
        QVERIFY(app.store.versions(notePath(), "2026-03-05").isEmpty());
    }

    // A sync engine handing back an earlier version of the day: the newer text stays and is
    // written back; a text Penwick never stored is taken as the day's, one undo step away.
    void staleVersionFromOutsideIsUndone()
    {
        environment().clean();
        QVERIFY(writeDiary({ entry("2026-03-05", "draft") }));
        HistoryPenwick app;
        QTest::keyClicks(app.editor(), " and more");
        app.store.closeStretches();
        QVERIFY(app.session.flush());
        QVERIFY(writeDiary({ entry("2026-03-05", "draft") }));
        QTRY_COMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "draft and more") });
        QCOMPARE(app.editor()->toPlainText(), "draft and more");
        QVERIFY(writeDiary({ entry("2026-03-05", "from the laptop") }));
        QTRY_COMPARE(app.editor()->toPlainText(), "from the laptop");
        QTest::keyClick(app.editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(app.editor()->toPlainText(), "draft and more");
    }

    // A conflict copy appearing beside the diary while Penwick runs is merged within two
    // seconds: the bar says what came in, its button opens the history holding the other text.
    void conflictCopyIsMergedWhileRunning()
    {
        environment().clean();
        QVERIFY(writeDiary({ entry("2026-03-04", "mine") }));
        HistoryPenwick app;
        QTest::qWait(50); // started, with no copy beside the diary
        const QString copy = QFileInfo(notePath()).absolutePath()
                + "/note.sync-conflict-20260305-090000-ABCDEF1.plist";
        QVERIFY(writeAll(copy + ".part",
                plist::writeXml(QVariantList {
                        entry("2026-03-04", "theirs"), entry("2026-03-05", "from the laptop") })));
        QFile part(copy + ".part");
        QVERIFY(part.open(QIODevice::ReadWrite));
        QVERIFY(part.setFileTime(
                QDateTime::currentDateTime().addSecs(-60), QFile::FileModificationTime));
        QVERIFY(part.rename(copy));
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(copy), 2000);
        QCOMPARE(app.editor()->toPlainText(), "from the laptop");
        auto *message = app.window.findChild<QLabel *>("conflictCopyMessage");
        QVERIFY2(message->text().contains("1 day came from it, 1 day had different text"),
                qPrintable(message->text()));
        QTest::mouseClick(
                app.window.findChild<QPushButton *>("conflictCopyHistoryButton"), Qt::LeftButton);
        QCOMPARE(app.session.selectedDay(), QDate(2026, 3, 4));
        QCOMPARE(app.editor()->toPlainText(), "mine");
        QTRY_COMPARE(app.window.findChild<QListWidget *>("versionList")->count(), 1);
    }
};

PENWICK_TEST_MAIN(tst_HistoryDialog, QApplication)
#include "tst_historydialog.moc"

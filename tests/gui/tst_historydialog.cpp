// The history in the real window: a day cleared by mistake, Penwick quit and started again,
// comes back from the day's history, as one step the editor can undo.
#include "WindowTest.h"
#include "gui/HistoryDialog.h"

#include <QListWidget>

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
};

PENWICK_TEST_MAIN(tst_HistoryDialog, QApplication)
#include "tst_historydialog.moc"

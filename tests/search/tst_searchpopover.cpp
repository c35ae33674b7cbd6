// The search in the real window: the field, the popover and its list, choosing a result, and
// the list following the text while the user writes.
#include "WindowTest.h"

#include <QApplication>
#include <QToolButton>

using namespace penwick;
using namespace penwick::test;

namespace {

const QVariantList diary {
    entry("2026-03-10", "rain in March"),
    entry("2025-12-24", "rain on Christmas Eve"),
    entry("2026-01-15", "Rain, capital"),
    entry("2026-02-02", "more rain"),
    entry("2026-03-18", "today: rain"),
    entry("2026-03-11", ""),
    entry("2026-02-20", "no rain? rain"),
    entry("2026-02-21", "rainbow"),
};

} // namespace

class tst_SearchPopover : public QObject
{
    Q_OBJECT

    std::unique_ptr<HFAppDelegate> m_app;

    void launch()
    {
        QVERIFY(writeDiary(diary));
        QVERIFY(penwick::test::launch(
                m_app, [] { return QDateTime(QDate(2026, 3, 18), QTime(9, 0)); }));
    }

    void search(const QString &keyword)
    {
        m_app->cops()->setFocus();
        m_app->cops()->selectAll();
        QTest::keyClicks(m_app->cops(), keyword);
        QTest::keyClick(m_app->cops(), Qt::Key_Return);
    }

    QStringList listed() const
    {
        QStringList dates;
        for (int r = 0; r < m_app->tabs()->model()->rowCount(); ++r)
            dates << m_app->tabs()->model()->index(r, 0).data().toString();
        return dates;
    }

    void selectResult(int row) const
    {
        QTest::mouseClick(m_app->tabs()->viewport(), Qt::LeftButton, {},
                m_app->tabs()->visualRect(m_app->tabs()->model()->index(row, 0)).center());
    }

    QString shownDay() const { return m_app->rule(1).format(m_app->selectedDate()); }

private Q_SLOTS:
    void init() { penwick::test::environment().clean(); }
    void cleanup() { m_app.reset(); }

    void returnListsMatchingDaysInDateOrder()
    {
        launch();
        QTest::ignoreMessage(QtInfoMsg, "GRID:-1, CTRL:9223372036854775807");
        search("rain");
        QVERIFY(m_app->isPopoverShown());
        QCOMPARE(listed(),
                (QStringList { "2025-12-24", "2026-02-02", "2026-02-20", "2026-02-21", "2026-03-10",
                        "2026-03-18" }));
        QCOMPARE(m_app->tabs()->model()->index(0, 1).data().toString(),
                QString("rain on Christmas Eve"));
        QVERIFY(m_app->cops()->hasFocus()); // showing the list takes no focus

        // the popover sits under the field or above it, inside the window, clear of the field
        const QRect field(m_app->cops()->mapTo(m_app->window(), QPoint()), m_app->cops()->size());
        const QRect popover = m_app->over()->geometry();
        QVERIFY(m_app->window()->rect().contains(popover));
        QVERIFY(!popover.intersects(field));
        QVERIFY(popover.width() >= field.width());

        search("rain on");
        QCOMPARE(listed(), QStringList { "2025-12-24" });
        search("Rain");
        QCOMPARE(listed(), QStringList { "2026-01-15" });
    }

    void choosingAResultShowsItsDayForWriting()
    {
        launch();
        search("rain");
        selectResult(0);
        QCOMPARE(m_app->move()->text(), QString("2025.12"));
        QCOMPARE(m_app->text()->toPlainText(), QString("rain on Christmas Eve"));
        QVERIFY(m_app->text()->hasFocus());
        QTest::keyClicks(m_app->text(), "!");
        const QVariantList onDisk = plist::read(readAll(notePath())).value->toList();
        QCOMPARE(onDisk[1], QVariant(entry("2025-12-24", "rain on Christmas Eve!")));
        QCOMPARE(m_app->resultsSelectionIndex(), 0);

        // elsewhere, a click on the same, still selected result goes back to it
        m_app->window()->findChild<QToolButton *>("nextMonth")->click();
        QCOMPARE(shownDay(), QString("2026-01-01"));
        selectResult(0);
        QCOMPARE(shownDay(), QString("2025-12-24"));

        // taking the selection away changes nothing
        QTest::mouseClick(m_app->tabs()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                m_app->tabs()->visualRect(m_app->tabs()->model()->index(0, 0)).center());
        QCOMPARE(m_app->resultsSelectionIndex(), HFAppDelegate::noSelection);
        QCOMPARE(shownDay(), QString("2025-12-24"));
        QCOMPARE(m_app->text()->toPlainText(), QString("rain on Christmas Eve!"));
    }

    // With the list open, it follows each keystroke; the remembered row is kept where the list
    // still has it, and keeping it never moves the editor to another day.
    void listFollowsTypingAndNeverMovesTheEditor()
    {
        launch();
        search("rain");
        selectResult(5); // 2026-03-18, today
        QCOMPARE(shownDay(), QString("2026-03-18"));
        m_app->text()->selectAll();
        QTest::keyClicks(m_app->text(), "sunshine");
        QCOMPARE(listed(),
                (QStringList {
                        "2025-12-24", "2026-02-02", "2026-02-20", "2026-02-21", "2026-03-10" }));
        QCOMPARE(m_app->resultsSelectionIndex(), HFAppDelegate::noSelection); // row 5 is gone

        selectResult(1); // 2026-02-02
        m_app->text()->selectAll();
        QTest::keyClicks(m_app->text(), "dry");
        // row 1 is kept, and now shows another day; the editor stays on the day being written
        QCOMPARE(
                listed(), (QStringList { "2025-12-24", "2026-02-20", "2026-02-21", "2026-03-10" }));
        QCOMPARE(m_app->resultsSelectionIndex(), 1);
        QCOMPARE(shownDay(), QString("2026-02-02"));
        QCOMPARE(m_app->text()->toPlainText(), QString("dry"));
        QTest::keyClicks(m_app->text(), " day");
        const QVariantList onDisk = plist::read(readAll(notePath())).value->toList();
        QCOMPARE(onDisk[3], QVariant(entry("2026-02-02", "dry day")));

        // closed, the list is left as it was
        QTest::keyClick(m_app->text(), Qt::Key_Escape);
        QVERIFY(!m_app->isPopoverShown());
        m_app->text()->selectAll();
        QTest::keyClicks(m_app->text(), "rain again");
        QCOMPARE(listed().size(), 4);
    }

    void clearingAndClosing()
    {
        launch();
        search("rain");
        QVERIFY(m_app->isPopoverShown());
        m_app->window()->findChild<QToolButton *>("overClose")->click();
        QVERIFY(!m_app->isPopoverShown());
        QCOMPARE(listed().size(), 6);

        QTest::keyClick(m_app->cops(), Qt::Key_Return);
        QVERIFY(m_app->isPopoverShown());
        QTest::keyClick(m_app->cops(), Qt::Key_Escape);
        QVERIFY(!m_app->isPopoverShown());

        QTest::keyClick(m_app->cops(), Qt::Key_Return);
        m_app->cops()->clear(); // what the field's clear button does
        QVERIFY(!m_app->isPopoverShown());
        QCOMPARE(listed(), QStringList {});
        QTest::keyClick(m_app->cops(),
                Qt::Key_Return); // an empty field shows the popover, searches nothing
        QVERIFY(m_app->isPopoverShown());
        QCOMPARE(listed(), QStringList {});
    }

    void keyboardOnly()
    {
        launch();
        m_app->text()->setFocus();
        QTest::keySequence(m_app->window(), QKeySequence::Find);
        QVERIFY(m_app->cops()->hasFocus());
        QTest::keyClicks(m_app->cops(), "rain");
        QTest::keyClick(m_app->cops(), Qt::Key_Return);
        QTest::keyClick(m_app->cops(), Qt::Key_Down);
        QVERIFY(m_app->tabs()->hasFocus());
        QCOMPARE(shownDay(), QString("2025-12-24"));
        QTest::keyClick(m_app->tabs(), Qt::Key_Down);
        QCOMPARE(shownDay(), QString("2026-02-02"));
        QTest::keyClick(m_app->tabs(), Qt::Key_Return);
        QVERIFY(m_app->text()->hasFocus());
        QCOMPARE(m_app->text()->toPlainText(), QString("more rain"));
    }
};

PENWICK_TEST_MAIN(tst_SearchPopover, QApplication)
#include "tst_searchpopover.moc"

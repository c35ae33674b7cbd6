// Penwick as a desktop user meets it: where the keyboard goes, what says which day is open,
// what the calendar marks, what is remembered.
#include "WindowTest.h"

#include <QApplication>
#include <QListWidget>

using namespace penwick;
using namespace penwick::test;

class tst_Desktop : public QObject, WindowFixture
{
    Q_OBJECT

    void launch()
    {
        m_now = QDateTime(QDate(2026, 12, 6), QTime(9, 0));
        WindowFixture::launch();
        QVERIFY(QTest::qWaitForWindowActive(&m_app->window));
    }

    QModelIndex cellOf(int day) const
    {
        return m_app->calendarModel()->indexOf(QDate(2026, 12, day));
    }

private Q_SLOTS:
    void init() { environment().clean(); }
    void cleanup() { m_app.reset(); }

    // Tab leaves the calendar for its month controls (the arrows walk the days: tst_calendar),
    // Return goes to the editor, Ctrl+Tab leaves it for the search field.
    void keyboardMovesOn()
    {
        launch();
        m_app->calendarView()->setFocus();
        QTest::keyClick(m_app->calendarView(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("previousMonthButton"));
        m_app->calendarView()->setFocus();
        QTest::keyClick(m_app->calendarView(), Qt::Key_Return);
        QVERIFY(m_app->editor()->hasFocus());
        QTest::keyClick(m_app->editor(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), m_app->searchField());
    }

    // The title and the line over the editor name the open day; the calendar marks today, the
    // selected day, and the days that hold text, and says so to screen readers.
    void theOpenDayIsNamed()
    {
        QVERIFY(writeDiary({ entry("2026-12-03", "something"), entry("2026-12-04", "") }));
        launch();
        QCOMPARE(m_app->window.windowTitle(), QString("Sunday, 6 December 2026 — Penwick"));
        QCOMPARE(m_app->child<QLabel>("dayTitle")->text(), QString("Sunday, 6 December 2026"));
        auto bold
                = [this](int day) { return cellOf(day).data(Qt::FontRole).value<QFont>().bold(); };
        QVERIFY(bold(3));
        QVERIFY(!bold(4));
        QVERIFY(!bold(6));
        QCOMPARE(cellOf(3).data(Qt::AccessibleTextRole).toString(),
                QString("Thursday, 3 December 2026, has an entry"));
        QTest::keyClicks(m_app->editor(), "now");
        QVERIFY(bold(6));
        QCOMPARE(cellOf(6).data(Qt::AccessibleTextRole).toString(),
                QString("Sunday, 6 December 2026, has an entry, selected, today"));
        clickDay(QDate(2026, 12, 3));
        QCOMPARE(cellOf(6).data(Qt::AccessibleTextRole).toString(),
                QString("Sunday, 6 December 2026, has an entry, today"));
        QCOMPARE(m_app->window.windowTitle(), QString("Thursday, 3 December 2026 — Penwick"));
    }

    // Window size, splitter and zoom come back at the next start.
    void windowStateIsRemembered()
    {
        launch();
        m_app->window.resize(700, 480); // within the offscreen screen's 800 x 600
        action("actionZoomIn")->trigger();
        const qreal zoomed = m_app->editor()->font().pointSizeF();
        QVERIFY(m_app->window.close());
        m_app.reset();
        launch();
        QCOMPARE(m_app->window.size(), QSize(700, 480));
        QCOMPARE(m_app->editor()->font().pointSizeF(), zoomed);
        action("actionActualSize")->trigger();
        QVERIFY(m_app->editor()->font().pointSizeF() < zoomed);
    }

    // On This Day lists the chosen calendar day of earlier years, newest first, and opens one.
    void onThisDayListsEarlierYears()
    {
        QVERIFY(writeDiary({ entry("2019-12-06", "Snow in 2019"), entry("2025-12-06", "Rain"),
                entry("2025-12-05", "not this day") }));
        launch();
        auto *list = m_app->child<QListWidget>("onThisDay");
        QVERIFY(!list->isVisible());
        action("actionOnThisDay")->trigger();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString("2025 — Rain"));
        QCOMPARE(list->item(1)->text(), QString("2019 — Snow in 2019"));
        QTest::mouseClick(
                list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(m_app->session.selectedDay(), QDate(2019, 12, 6));
        QVERIFY(m_app->editor()->hasFocus());
        QCOMPARE(list->item(0)->text(), QString("Nothing on this day in earlier years"));
    }
};

PENWICK_TEST_MAIN(tst_Desktop, QApplication)
#include "tst_desktop.moc"

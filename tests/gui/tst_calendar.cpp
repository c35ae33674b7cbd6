// The calendar in the real window: clicks on days, month steps by button, label and shortcut,
// the highlight, and what reaches the note file (only typing does); and Penwick as a desktop
// user meets it: where the keyboard goes, what names the open day, what is remembered.
#include "WindowTest.h"

#include <QApplication>
#include <QListWidget>
#include <QToolButton>
#include <QTranslator>

using namespace penwick;
using namespace penwick::test;

namespace {

const QColor highlight = QColor::fromRgbF(0.0f, 0.7f, 1.0f, 1.0f);

} // namespace

class tst_Calendar : public QObject, WindowFixture
{
    Q_OBJECT

    // The days drawn in the highlight colour.
    QStringList highlighted() const
    {
        QStringList days;
        CalendarModel *model = m_app->calendarModel();
        for (int r = 1; r < model->rowCount(); ++r)
            for (int c = 0; c < 7; ++c)
                if (model->index(r, c).data(Qt::ForegroundRole).value<QColor>() == highlight)
                    days << model->index(r, c).data().toString();
        return days;
    }
    // The month shown and its highlighted days: "2026.3 18".
    QString shown() const { return m_app->monthLabel() + ' ' + highlighted().join(','); }

    // Starts on Sunday 6 December 2026, the window active for the keyboard.
    void launchInDecember()
    {
        m_now = QDateTime(QDate(2026, 12, 6), QTime(9, 0));
        launch();
        QVERIFY(QTest::qWaitForWindowActive(&m_app->window));
    }
    QModelIndex cellOf(int day) const
    {
        return m_app->calendarModel()->indexOf(QDate(2026, 12, day));
    }

private Q_SLOTS:
    void init()
    {
        m_now = QDateTime(QDate(2026, 3, 18), QTime(9, 30)); // a Wednesday
        environment().clean();
    }

    void cleanup() { m_app.reset(); }

    void clickingADayShowsItAndTypingWritesThere()
    {
        launchOn({ entry("2026-03-05", "the fifth"), entry("2026-03-18", "today") });
        QCOMPARE(shown(), QString("2026.3 18"));
        QCOMPARE(m_app->editor()->toPlainText(), QString("today"));
        const QByteArray before = readAll(notePath());

        clickDay(QDate(2026, 3, 5));
        QCOMPARE(m_app->editor()->toPlainText(), QString("the fifth"));
        QCOMPARE(highlighted(), QStringList { "5" });
        QVERIFY(!m_app->calendarModel()
                         ->indexOf(QDate(2026, 3, 18))
                         .data(Qt::ForegroundRole)
                         .isValid()); // the palette's
        QCOMPARE(readAll(notePath()), before);

        QTest::keyClicks(m_app->editor(), "!");
        QCOMPARE(entriesOnDisk(),
                (QVariantList { entry("2026-03-05", "the fifth!"), entry("2026-03-18", "today") }));
        // the editor keeps the keyboard after a click on a day
        QVERIFY(!m_app->calendarView()->hasFocus());
    }

    void clickingBlankOrTitleChangesNothingButTheHighlight()
    {
        m_now = QDateTime(QDate(2026, 1, 14), QTime(9, 0)); // January 2026 starts on a Thursday
        launchOn({ entry("2026-03-18", "today") });
        const QByteArray before = readAll(notePath());
        click(m_app->calendarModel()->index(1, 0)); // the blank cell before day 1
        QCOMPARE(highlighted(), QStringList {});
        QCOMPARE(m_app->editor()->toPlainText(), QString());
        click(m_app->calendarModel()->index(0, 3)); // a weekday title
        click(m_app->calendarModel()->index(
                m_app->calendarModel()->rowCount() - 1, 4)); // the empty last row
        QCOMPARE(highlighted(), QStringList {});
        QCOMPARE(readAll(notePath()), before);
        QTest::keyClicks(m_app->editor(), "still the 14th");
        QCOMPARE(entriesOnDisk().last(), QVariant(entry("2026-01-14", "still the 14th")));
    }

    // Month steps land on the first; the month label and Ctrl+T bring today back; the arrows
    // walk the days, a month and a year at a time too (by key or the label's menu), and any day
    // can be typed.
    void walkingThroughTheCalendar()
    {
        launchOn({ entry("2026-03-18", "today") });
        m_app->child<QToolButton>("nextMonthButton")->click();
        m_app->child<QToolButton>("nextMonthButton")->click();
        QCOMPARE(shown(), QString("2026.5 1")); // a month step lands on the first
        QCOMPARE(m_app->editor()->toPlainText(), QString());
        press("monthButton");
        QCOMPARE(shown(), QString("2026.3 18"));
        QCOMPARE(m_app->editor()->toPlainText(), QString("today"));
        m_app->child<QToolButton>("previousMonthButton")->click();
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+T"));
        QCOMPARE(shown(), QString("2026.3 18"));
        m_app->calendarView()->setFocus();
        QTest::keyClick(m_app->calendarView(), Qt::Key_Down);
        QCOMPARE(highlighted(), QStringList { "25" });
        QTest::keyClick(m_app->calendarView(), Qt::Key_Down);
        QCOMPARE(shown(), QString("2026.4 1"));
        QTest::keySequence(&m_app->window, QKeySequence("Alt+Left"));
        QCOMPARE(shown(), QString("2026.3 31"));
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+PgDown"));
        QCOMPARE(m_app->selectedDayKey(), QString("2026-04-01"));
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+PgUp"));
        QCOMPARE(m_app->monthLabel(), QString("2026.3"));
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+Shift+PgUp"));
        QCOMPARE(m_app->selectedDayKey(), QString("2025-03-01"));
        m_app->child<QWidget>("monthButton")->actions().last()->trigger(); // its context menu
        QCOMPARE(m_app->selectedDayKey(), QString("2026-03-01"));
        m_dialogs->answers << "2016-05-04";
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+J"));
        QCOMPARE(m_app->selectedDayKey(), QString("2016-05-04"));
        QVERIFY(m_app->editor()->hasFocus());
    }

    void weekdayTitlesAreTranslated()
    {
        QTranslator german;
        QVERIFY(german.load(QLocale(QLocale::German), "penwick", "_", ":/i18n"));
        QCoreApplication::installTranslator(&german);
        launch();
        QStringList titles;
        for (int c = 0; c < 7; ++c)
            titles << m_app->calendarModel()->index(0, c).data().toString();
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(titles, (QStringList { "So", "Mo", "Di", "Mi", "Do", "Fr", "Sa" }));
    }

    // Tab leaves the calendar for its month controls (the arrows walk the days: tst_calendar),
    // Return goes to the editor, Ctrl+Tab leaves it for the search field.
    void keyboardMovesOn()
    {
        launchInDecember();
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
        launchInDecember();
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
        launchInDecember();
        m_app->window.resize(700, 480); // within the offscreen screen's 800 x 600
        action("actionZoomIn")->trigger();
        const qreal zoomed = m_app->editor()->font().pointSizeF();
        QVERIFY(m_app->window.close());
        m_app.reset();
        launchInDecember();
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
        launchInDecember();
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

PENWICK_TEST_MAIN(tst_Calendar, QApplication)
#include "tst_calendar.moc"

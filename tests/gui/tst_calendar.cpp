// The calendar in the real window: clicks on days, month steps by button, label and shortcut,
// the highlight, and what reaches the note file (only typing does).
#include "WindowTest.h"

#include <QApplication>
#include <QHeaderView>
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

private Q_SLOTS:
    void init()
    {
        penwick::test::environment().clean();
        penwick::test::Environment::setTimeZone("Europe/Berlin");
        m_now = QDateTime(QDate(2026, 3, 18), QTime(9, 30));
    }

    void cleanup() { m_app.reset(); }

    void clickingADayShowsItAndTypingWritesThere()
    {
        QVERIFY(writeDiary({ entry("2026-03-05", "the fifth"), entry("2026-03-18", "today") }));
        launch();
        QCOMPARE(m_app->monthLabel(), QString("2026.3"));
        QCOMPARE(highlighted(), QStringList { "18" });
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
        QVERIFY(writeDiary({ entry("2026-03-18", "today") }));
        m_now = QDateTime(QDate(2026, 1, 14), QTime(9, 0)); // January 2026 starts on a Thursday
        launch();
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

    void clickingTheSelectedDayReloadsIt()
    {
        QVERIFY(writeDiary({ entry("2026-03-18", "old") }));
        launch();
        QVERIFY(writeDiary({ entry("2026-03-18", "changed on disk") }));
        clickDay(QDate(2026, 3, 18));
        QCOMPARE(m_app->editor()->toPlainText(), QString("changed on disk"));
        QCOMPARE(highlighted(), QStringList { "18" });
    }

    void todayComesBackByLabelAndShortcut()
    {
        QVERIFY(writeDiary({ entry("2026-03-18", "today") }));
        launch();
        m_app->child<QToolButton>("nextMonthButton")->click();
        m_app->child<QToolButton>("nextMonthButton")->click();
        QCOMPARE(m_app->monthLabel(), QString("2026.5"));
        QCOMPARE(highlighted(), QStringList { "1" }); // a month step lands on the first
        QCOMPARE(m_app->editor()->toPlainText(), QString());
        press("monthButton");
        QCOMPARE(m_app->monthLabel(), QString("2026.3"));
        QCOMPARE(highlighted(), QStringList { "18" });
        QCOMPARE(m_app->editor()->toPlainText(), QString("today"));
        m_app->child<QToolButton>("previousMonthButton")->click();
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+T"));
        QCOMPARE(m_app->monthLabel(), QString("2026.3"));
        QCOMPARE(highlighted(), QStringList { "18" });
    }

    void arrowKeysWalkTheDays()
    {
        launch();
        m_app->calendarView()->setFocus();
        QTest::keyClick(m_app->calendarView(), Qt::Key_Down);
        QCOMPARE(highlighted(), QStringList { "25" });
        QTest::keyClick(m_app->calendarView(), Qt::Key_Down);
        QCOMPARE(m_app->monthLabel(), QString("2026.4"));
        QCOMPARE(highlighted(), QStringList { "1" });
        QTest::keySequence(&m_app->window, QKeySequence("Alt+Left"));
        QCOMPARE(m_app->monthLabel(), QString("2026.3"));
        QCOMPARE(highlighted(), QStringList { "31" });
        // a month, a year at a time, and any day typed
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+PgDown"));
        QCOMPARE(m_app->selectedDayKey(), QString("2026-04-01"));
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+PgUp"));
        QCOMPARE(m_app->monthLabel(), QString("2026.3"));
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+Shift+PgUp"));
        QCOMPARE(m_app->selectedDayKey(), QString("2025-03-01"));
        m_dialogs->answers << "2016-05-04";
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+J"));
        QCOMPARE(m_app->selectedDayKey(), QString("2016-05-04"));
        QVERIFY(m_app->editor()->hasFocus());
    }

    // In Sao Paulo, 4 November 2018 had no midnight: the clocks went from 00:00 to 01:00. In
    // Honolulu, half past eleven on 31 January is already February in UTC.
    void timeZoneEdges_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("key");
        QTest::newRow("a day without midnight")
                << QByteArray("America/Sao_Paulo") << QDateTime(QDate(2018, 11, 10), QTime(12, 0))
                << "2018-11-04";
        QTest::newRow("late evening on a month's last day")
                << QByteArray("Pacific/Honolulu") << QDateTime(QDate(2026, 1, 31), QTime(23, 30))
                << "2026-01-31";
    }

    void timeZoneEdges()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, now);
        QFETCH(QString, key);
        penwick::test::Environment::setTimeZone(zone.constData());
        m_now = QDateTime(now.date(), now.time()); // in the zone just set
        launch();
        const QDate day = QDate::fromString(key, Qt::ISODate);
        QCOMPARE(m_app->monthLabel(), QString("%1.%2").arg(day.year()).arg(day.month()));
        clickDay(day);
        QCOMPARE(highlighted(), QStringList { QString::number(day.day()) });
        QTest::keyClicks(m_app->editor(), "x");
        QCOMPARE(entriesOnDisk(), QVariantList { entry(key, "x") });
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
};

PENWICK_TEST_MAIN(tst_Calendar, QApplication)
#include "tst_calendar.moc"

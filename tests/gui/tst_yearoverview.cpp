// The year at a glance in the real window: its figures, a day read out as a screen reader reads
// it, the keyboard moving over the squares and opening a day, another year, a tag searched.
#include "WindowTest.h"

#include <QApplication>
#include <QDialog>
#include <QTreeWidget>

using namespace penwick;
using namespace penwick::test;

class tst_YearOverview : public QObject, WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { environment().clean(); }
    void cleanup() { m_app.reset(); }

    void figuresKeyboardAndChoices()
    {
        m_now = QDateTime(QDate(2026, 3, 4), QTime(9, 0));
        launchOn({ entry("2025-12-31", "old year #garden"), entry("2026-01-01", "one two #garden"),
                entry("2026-01-02", "three four five"), entry("2026-03-03", "yesterday #rain") });
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+Shift+Y"));
        auto *overview = m_app->child<QDialog>("yearOverview");
        QVERIFY(overview->isVisible());
        const auto text = [this](const char *label) { return m_app->child<QLabel>(label)->text(); };
        QCOMPARE(text("yearLabel"), QString("2026"));
        QCOMPARE(text("daysWritten"), QString("3 of 365"));
        QCOMPARE(text("yearWords"), QString("8"));
        QVERIFY2(text("longestStreak").startsWith("3 days"), qPrintable(text("longestStreak")));
        QVERIFY2(text("currentStreak").startsWith("1 day"), qPrintable(text("currentStreak")));
        auto *tags = m_app->child<QTreeWidget>("yearTags");
        QCOMPARE(tags->topLevelItem(0)->text(0), QString("#garden"));

        // the keyboard starts on the open day; its square reads as a day and its words
        auto *grid = m_app->child<QTableView>("yearGrid");
        QTRY_VERIFY(grid->hasFocus());
        QCOMPARE(grid->currentIndex().data(Qt::UserRole).toDate(), QDate(2026, 3, 4));
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(grid->currentIndex().data(Qt::AccessibleTextRole).toString(),
                QString("Tuesday, 3 March 2026: 2 words"));
        QTest::keyClick(grid, Qt::Key_Left); // a week before
        QCOMPARE(grid->currentIndex().data(Qt::UserRole).toDate(), QDate(2026, 2, 24));
        const QAbstractItemModel *months = m_app->child<QTableView>("monthWords")->model();
        QCOMPARE(months->index(0, 0).data(Qt::AccessibleTextRole).toString(),
                QString("January: 6 words"));

        // another year, the same place in it; Return opens the day for writing
        QTest::keySequence(overview, QKeySequence("Ctrl+Shift+PgUp"));
        QCOMPARE(text("yearLabel"), QString("2025"));
        QCOMPARE(text("daysWritten"), QString("1 of 365"));
        QCOMPARE(grid->currentIndex().data(Qt::UserRole).toDate(), QDate(2025, 2, 24));
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!overview->isVisible());
        QCOMPARE(m_app->selectedDayKey(), QString("2025-02-24"));
        QTRY_VERIFY(m_app->editor()->hasFocus());

        // a tag of the year, chosen, is searched
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+Shift+Y"));
        QCOMPARE(text("yearLabel"), QString("2025"));
        Q_EMIT tags->itemActivated(tags->topLevelItem(0), 0);
        QVERIFY(!overview->isVisible());
        QCOMPARE(m_app->searchField()->text(), QString("#garden"));
        QVERIFY(m_app->searchPopover()->isShown());
    }
};

PENWICK_TEST_MAIN(tst_YearOverview, QApplication)
#include "tst_yearoverview.moc"

// The search in the real window: the field, the popover and its list, choosing a result, and
// the list following the text while the user writes.
#include "WindowTest.h"
#include "gui/ResultsModel.h"
#include "platform/Preferences.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

using namespace penwick;
using namespace penwick::test;

namespace {

const QVariantList rainyDiary {
    entry("2026-03-10", "rain in March"),
    entry("2025-12-24", "rain on Christmas Eve"),
    entry("2026-01-15", "Rain, capital"),
    entry("2026-02-02", "more rain"),
    entry("2026-03-18", "today: rain"),
    entry("2026-03-11", ""),
    entry("2026-02-20", "no rain? rain"),
    entry("2026-02-21", "rainbow"),
};

// Takes Ctrl+E for the field, as a line edit does on X11 desktops (its end of the line there);
// the offscreen platform binds nothing to it.
struct LineEndKey : QObject
{
    QObject *field = nullptr;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == field && event->type() == QEvent::ShortcutOverride
                && static_cast<QKeyEvent *>(event)->keyCombination()
                        == QKeyCombination(Qt::ControlModifier, Qt::Key_E))
            event->accept();
        return false;
    }
};

} // namespace

class tst_SearchPopover : public QObject, WindowFixture
{
    Q_OBJECT

    void launch()
    {
        QVERIFY(writeDiary(rainyDiary));
        m_now = QDateTime(QDate(2026, 3, 18), QTime(9, 0));
        WindowFixture::launch();
    }

    void search(const QString &keyword)
    {
        m_app->searchField()->setFocus();
        m_app->searchField()->selectAll();
        QTest::keyClicks(m_app->searchField(), keyword);
        QTest::keyClick(m_app->searchField(), Qt::Key_Return);
    }

    QStringList listed() const
    {
        QStringList dates;
        const QAbstractItemModel *model = m_app->resultsView()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            dates << model->index(r, 0).data(ResultsModel::DayKeyRole).toString();
        return dates;
    }

    void selectResult(int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTableView *view = m_app->resultsView();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                view->visualRect(view->model()->index(row, 0)).center());
    }

private Q_SLOTS:
    void init() { environment().clean(); }
    void cleanup() { m_app.reset(); }

    void returnListsMatchingDaysInDateOrder()
    {
        launch();
        search("rain");
        QVERIFY(m_app->searchPopover()->isShown());
        QCOMPARE(listed(),
                (QStringList { "2025-12-24", "2026-02-02", "2026-02-20", "2026-02-21", "2026-03-10",
                        "2026-03-18" }));
        QCOMPARE(m_app->resultsView()->model()->index(0, 1).data().toString(),
                QString("rain on Christmas Eve"));
        QVERIFY(m_app->searchField()->hasFocus()); // showing the list takes no focus

        // the popover sits under the field or above it, inside the window, clear of the field
        const QRect field(m_app->searchField()->mapTo(&m_app->window, QPoint()),
                m_app->searchField()->size());
        const QRect popover = m_app->searchPopover()->geometry();
        QVERIFY(m_app->window.rect().contains(popover));
        QVERIFY(!popover.intersects(field));
        QVERIFY(popover.width() >= field.width());

        // nothing found as typed: the title counts the days found in another case, and its
        // click turns that reading on (remembered)
        search("RAIN ON");
        QVERIFY(listed().isEmpty());
        auto *title = m_app->child<QLabel>("resultsTitle");
        QVERIFY2(title->text().contains("1 day holds it in another case"),
                qPrintable(title->text()));
        Q_EMIT title->linkActivated("fold");
        QCOMPARE(listed(), QStringList { "2025-12-24" });
        QVERIFY(m_app->child<QCheckBox>("ignoreCaseCheckBox")->isChecked());
        QCOMPARE(m_app->session.preferences().value("search/ignoreCaseAndAccents"), QVariant(true));

        // the next start reads it so: its first search folds case, and the box shows it
        m_app.reset();
        launch();
        search("RAIN ON");
        QCOMPARE(listed(), QStringList { "2025-12-24" });
        QVERIFY(m_app->child<QCheckBox>("ignoreCaseCheckBox")->isChecked());
    }

    void choosingAResultShowsItsDayForWriting()
    {
        launch();
        search("rain");
        selectResult(0);
        QCOMPARE(m_app->monthLabel(), QString("2025.12"));
        QCOMPARE(m_app->editor()->toPlainText(), QString("rain on Christmas Eve"));
        QVERIFY(m_app->editor()->hasFocus());
        QCOMPARE(m_app->editor()->textCursor().selectedText(), QString("rain")); // the match
        QTest::keyClick(m_app->editor(), Qt::Key_End);
        QTest::keyClicks(m_app->editor(), "!");
        const QVariantList onDisk = entriesOnDisk();
        QCOMPARE(onDisk[1], QVariant(entry("2025-12-24", "rain on Christmas Eve!")));
        QCOMPARE(m_app->searchPopover()->selectedRow(), 0);

        // elsewhere, a click on the same, still selected result goes back to it
        m_app->child<QToolButton>("nextMonthButton")->click();
        QCOMPARE(m_app->selectedDayKey(), QString("2026-01-01"));
        selectResult(0);
        QCOMPARE(m_app->selectedDayKey(), QString("2025-12-24"));

        // taking the selection away changes nothing
        selectResult(0, Qt::ControlModifier);
        QCOMPARE(m_app->searchPopover()->selectedRow(), -1);
        QCOMPARE(m_app->selectedDayKey(), QString("2025-12-24"));
        QCOMPARE(m_app->editor()->toPlainText(), QString("rain on Christmas Eve!"));

        // every place of the word is marked while the results are shown, none once they close
        selectResult(2);
        QCOMPARE(m_app->editor()->toPlainText(), QString("no rain? rain"));
        QCOMPARE(m_app->editor()->extraSelections().size(), 2);
        m_app->searchField()->clear();
        QVERIFY(m_app->editor()->extraSelections().isEmpty());
    }

    // In a long day only the places in view are marked, and the others as they come into view.
    void marksFollowWhatIsInView()
    {
        QString day = "rain at the top";
        for (int i = 0; i < 3000; ++i)
            day += "\na dry line of text here";
        day += "\nrain at the end";
        QVERIFY(writeDiary({ entry("2026-03-18", day) }));
        m_now = QDateTime(QDate(2026, 3, 18), QTime(9, 0));
        WindowFixture::launch();
        search("rain");
        selectResult(0); // the first place selected, at the top
        auto marked = [this] {
            QList<int> at;
            for (const QTextEdit::ExtraSelection &mark : m_app->editor()->extraSelections())
                at << mark.cursor.selectionStart();
            return at;
        };
        QTRY_COMPARE(marked(), QList<int> { 0 });
        m_app->editor()->moveCursor(QTextCursor::End);
        QTRY_COMPARE(marked(), QList<int> { int(day.lastIndexOf("rain")) });
    }

    // With the list open, it follows each keystroke; the remembered row is kept where the list
    // still has it, and keeping it never moves the editor to another day.
    void listFollowsTypingAndNeverMovesTheEditor()
    {
        launch();
        search("rain");
        selectResult(5); // 2026-03-18, today
        QCOMPARE(m_app->selectedDayKey(), QString("2026-03-18"));
        m_app->editor()->selectAll();
        QTest::keyClicks(m_app->editor(), "sunshine");
        QCOMPARE(listed(),
                (QStringList {
                        "2025-12-24", "2026-02-02", "2026-02-20", "2026-02-21", "2026-03-10" }));
        QCOMPARE(m_app->searchPopover()->selectedRow(), -1); // row 5 is gone

        selectResult(1); // 2026-02-02
        m_app->editor()->selectAll();
        QTest::keyClicks(m_app->editor(), "dry");
        // row 1 is kept, and now shows another day; the editor stays on the day being written
        QCOMPARE(
                listed(), (QStringList { "2025-12-24", "2026-02-20", "2026-02-21", "2026-03-10" }));
        QCOMPARE(m_app->searchPopover()->selectedRow(), 1);
        QCOMPARE(m_app->selectedDayKey(), QString("2026-02-02"));
        QCOMPARE(m_app->editor()->toPlainText(), QString("dry"));
        QTest::keyClicks(m_app->editor(), " day");
        const QVariantList onDisk = entriesOnDisk();
        QCOMPARE(onDisk[3], QVariant(entry("2026-02-02", "dry day")));

        // closed, the list is left as it was
        QTest::keyClick(m_app->editor(), Qt::Key_Escape);
        QVERIFY(!m_app->searchPopover()->isShown());
        m_app->editor()->selectAll();
        QTest::keyClicks(m_app->editor(), "rain again");
        QCOMPARE(listed().size(), 4);
    }

    void keyboardOnlyAndClosing()
    {
        launch();
        m_app->editor()->setFocus();
        QTest::keySequence(&m_app->window, QKeySequence::Find);
        QVERIFY(m_app->searchField()->hasFocus());
        QTest::keyClicks(m_app->searchField(), "rain");
        QTest::keyClick(m_app->searchField(), Qt::Key_Return);
        QTest::keyClick(m_app->searchField(), Qt::Key_Down);
        QVERIFY(m_app->resultsView()->hasFocus());
        QCOMPARE(m_app->selectedDayKey(), QString("2025-12-24"));
        QTest::keyClick(m_app->resultsView(), Qt::Key_Down);
        QCOMPARE(m_app->selectedDayKey(), QString("2026-02-02"));
        QTest::keyClick(m_app->resultsView(), Qt::Key_Return);
        QVERIFY(m_app->editor()->hasFocus());
        QCOMPARE(m_app->editor()->toPlainText(), QString("more rain"));

        // closing by button and by Esc, clearing the field
        search("rain");
        m_app->child<QToolButton>("closeResultsButton")->click();
        QVERIFY(!m_app->searchPopover()->isShown());
        QCOMPARE(listed().size(), 6); // closed, the list is kept
        QTest::keyClick(m_app->searchField(), Qt::Key_Return);
        QVERIFY(m_app->searchPopover()->isShown());
        QTest::keyClick(m_app->searchField(), Qt::Key_Escape);
        QVERIFY(!m_app->searchPopover()->isShown());

        QTest::keyClick(m_app->searchField(), Qt::Key_Return);
        m_app->searchField()->clear(); // what the field's clear button does
        QVERIFY(!m_app->searchPopover()->isShown());
        QCOMPARE(listed(), QStringList {});
        // an empty field says what to type, and searches nothing
        QTest::keyClick(m_app->searchField(), Qt::Key_Return);
        QVERIFY(!m_app->searchPopover()->isShown());
        QCOMPARE(listed(), QStringList {});
    }

    // Several terms: the days holding all, each term marked in the day, F3 stepping through
    // every place; the hint under the field shows until the first search is done and left.
    void severalTermsAndTheirHint()
    {
        launch();
        m_app->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_app->window));
        m_app->searchField()->setFocus();
        QVERIFY(m_app->child<QLabel>("searchHint")->isVisible());
        search("rain -capital -Christmas -rainbow \"no rain\"");
        QCOMPARE(listed(), QStringList { "2026-02-20" });
        selectResult(0);
        QCOMPARE(m_app->editor()->extraSelections().size(), 3); // "no rain", and "rain" twice
        QCOMPARE(m_app->editor()->textCursor().selectionStart(), 0);
        QTest::keyClick(m_app->editor(), Qt::Key_F3);
        QCOMPARE(m_app->editor()->textCursor().selectionStart(), 9);
        QVERIFY(!m_app->child<QLabel>("searchHint")->isVisible());
        m_app.reset();
        launch();
        m_app->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_app->window));
        m_app->searchField()->setFocus();
        QVERIFY(!m_app->window.findChild<QLabel *>("searchHint"));
    }

    // The window's commands act from the field; Home, End and the page keys move in the list,
    // which grows with many results to the window's height.
    void keysFromTheFieldAndInTheList()
    {
        QVariantList diary;
        for (int day = 1; day <= 28; ++day)
            diary << entry(QString("2026-02-%1").arg(day, 2, 10, QChar('0')), "rain");
        QVERIFY(writeDiary(diary));
        WindowFixture::launch();
        m_app->window.resize(900, 700);
        search("rain");
        const int rowHeight = m_app->resultsView()->verticalHeader()->defaultSectionSize();
        QVERIFY(m_app->resultsView()->height() > 12 * rowHeight);
        QVERIFY(m_app->window.rect().contains(m_app->searchPopover()->geometry()));
        LineEndKey lineEnd;
        lineEnd.field = m_app->searchField();
        qApp->installEventFilter(&lineEnd);
        for (const char *name : { "actionExportAsText", "actionOpenDiaryFile", "actionToday" }) {
            QAction *command = action(name);
            QSignalSpy triggered(command, &QAction::triggered);
            m_app->searchField()->setFocus();
            QTest::keySequence(m_app->searchField(), command->shortcut());
            QVERIFY2(triggered.count() == 1, name);
        }
        qApp->removeEventFilter(&lineEnd);
        m_app->searchField()->setFocus();
        QTest::keyClick(m_app->searchField(), Qt::Key_End); // still the field's own
        QCOMPARE(m_app->searchField()->cursorPosition(), 4);
        QTest::keyClick(m_app->searchField(), Qt::Key_PageDown);
        QCOMPARE(m_app->selectedDayKey(), QString("2026-02-01"));
        QTest::keyClick(m_app->resultsView(), Qt::Key_End);
        QCOMPARE(m_app->selectedDayKey(), QString("2026-02-28"));
        QTest::keyClick(m_app->resultsView(), Qt::Key_Home);
        QCOMPARE(m_app->selectedDayKey(), QString("2026-02-01"));
        QTest::keyClick(m_app->resultsView(), Qt::Key_PageDown);
        QVERIFY(m_app->selectedDayKey() > QString("2026-02-10"));
    }
};

PENWICK_TEST_MAIN(tst_SearchPopover, QApplication)
#include "tst_searchpopover.moc"

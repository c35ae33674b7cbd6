// Tags in the real window: drawn as tags in the page, offered while one is typed, counted in the
// pane, whose choice searches for them.
#include "WindowTest.h"
#include "gui/DiaryTags.h"
#include "gui/ResultsModel.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeView>

using namespace penwick;
using namespace penwick::test;

class tst_Tags : public QObject, WindowFixture
{
    Q_OBJECT

    QStringList shownTags() const
    {
        QStringList rows;
        const QAbstractItemModel *model = m_app->child<QTreeView>("tagList")->model();
        for (int r = 0; r < model->rowCount(); ++r)
            rows << model->index(r, 0).data().toString() + ' '
                            + model->index(r, 1).data().toString();
        return rows;
    }

private Q_SLOTS:
    void init() { environment().clean(); }
    void cleanup() { m_app.reset(); }

    void thePaneCountsFiltersAndSearches()
    {
        m_now = QDateTime(QDate(2026, 3, 18), QTime(9, 0));
        launchOn({ entry("2026-03-01", "#Garden and #rain"), entry("2026-03-02", "#garden #zoo"),
                entry("2026-03-03", "#Reise nach Rom #zoo"), entry("2026-03-04", "#zoo") });
        m_app->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_app->window));
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+Shift+T"));
        QVERIFY(m_app->child<QWidget>("tagsPane")->isVisible());
        QVERIFY(m_app->child<QLineEdit>("tagFilter")->hasFocus());
        QTRY_COMPARE(shownTags(), (QStringList { "#zoo 3", "#Garden 2", "#rain 1", "#Reise 1" }));
        m_app->child<QComboBox>("tagOrder")->setCurrentIndex(1);
        QCOMPARE(shownTags(), (QStringList { "#Garden 2", "#rain 1", "#Reise 1", "#zoo 3" }));
        m_app->child<QComboBox>("tagOrder")->setCurrentIndex(0);

        // what is typed in the page is counted, shortly
        m_app->editor()->setFocus();
        QTest::keyClicks(m_app->editor(), "#Rain ");
        QTRY_COMPARE(shownTags(), (QStringList { "#zoo 3", "#Garden 2", "#Rain 2", "#Reise 1" }));

        // filtered as typed, case and accents aside; Return searches the first one shown
        m_app->child<QLineEdit>("tagFilter")->setFocus();
        QTest::keyClicks(m_app->child<QLineEdit>("tagFilter"), "REI");
        QCOMPARE(shownTags(), QStringList { "#Reise 1" });
        QTest::keyClick(m_app->child<QLineEdit>("tagFilter"), Qt::Key_Return);
        QCOMPARE(m_app->searchField()->text(), QString("#Reise"));
        QVERIFY(m_app->searchPopover()->isShown());
        QCOMPARE(m_app->resultsView()->model()->index(0, 0).data(ResultsModel::DayKeyRole),
                QVariant("2026-03-03"));

        // shown or not is remembered
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+Shift+T"));
        QVERIFY(!m_app->child<QWidget>("tagsPane")->isVisible());
        QVERIFY(m_app->editor()->hasFocus()); // from the pane back to the page
        m_app.reset();
        launch();
        QVERIFY(!m_app->child<QWidget>("tagsPane")->isVisible());
    }

    // The page draws tags as tags, and offers the diary's while one is typed: most used first,
    // Return puts one in place, Esc ignores the list and leaves the search results open.
    void thePageDrawsAndOffersTags()
    {
        launchOn({ entry("2026-03-01", "#garden #gardening #gardening #rain"),
                entry("2026-03-02", "#gardening") });
        m_app->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_app->window));
        QTRY_VERIFY(
                !m_app->child<DiaryTags>("diaryTags")->counts().isEmpty()); // read off the thread
        m_app->editor()->setFocus();
        QTest::keyClicks(m_app->editor(), "x #ga");
        auto *offer = m_app->child<QListWidget>("tagCompletion");
        QVERIFY(offer->isVisible());
        QCOMPARE(offer->item(0)->text(), QString("#gardening"));
        QCOMPARE(offer->count(), 2);
        QTest::keyClick(m_app->editor(), Qt::Key_Down);
        QTest::keyClick(m_app->editor(), Qt::Key_Return);
        QVERIFY(!offer->isVisible());
        QCOMPARE(m_app->editor()->toPlainText(), QString("x #garden"));
        const QList<QTextLayout::FormatRange> formats
                = m_app->editor()->document()->firstBlock().layout()->formats();
        QVERIFY(std::any_of(formats.cbegin(), formats.cend(), [](const auto &range) {
            return range.start == 2 && range.length == 7 && range.format.background().style();
        }));

        m_app->searchField()->setText("garden");
        QTest::keyClick(m_app->searchField(), Qt::Key_Return);
        m_app->editor()->setFocus();
        QTest::keyClicks(m_app->editor(), " #r");
        QVERIFY(offer->isVisible());
        QTest::keyClick(m_app->editor(), Qt::Key_Escape);
        QVERIFY(!offer->isVisible());
        QVERIFY(m_app->searchPopover()->isShown());
        QTest::keyClicks(m_app->editor(), "a");
        QVERIFY(!offer->isVisible()); // ignored for this word
        QCOMPARE(m_app->editor()->toPlainText(), QString("x #garden #ra"));
    }
};

PENWICK_TEST_MAIN(tst_Tags, QApplication)
#include "tst_tags.moc"

// File > Export… in the real window: the days the search found, with the text just typed, go
// out in the chosen format; dates typed wrongly are said, and export nothing.
#include "WindowTest.h"
#include "gui/ResultsModel.h"

#include <QComboBox>
#include <QDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRadioButton>
#include <QStatusBar>

using namespace penwick;
using namespace penwick::test;

class tst_DiaryExport : public QObject, WindowFixture
{
    Q_OBJECT

    QTemporaryDir m_out;

    QDialog *openExport()
    {
        QTest::keySequence(&m_app->window, QKeySequence("Ctrl+Shift+E"));
        auto *dialog = m_app->child<QDialog>("diaryExport");
        return dialog->isVisible() ? dialog : nullptr;
    }

private Q_SLOTS:
    void init() { environment().clean(); }
    void cleanup() { m_app.reset(); }

    void exportsTheDaysTheSearchFound()
    {
        launchOn({ entry("2026-03-01", "rain in the morning"), entry("2026-03-02", "sun"),
                entry("2026-02-04", "rain again"), entry("2026-03-05", "") });
        QTest::keyClicks(m_app->editor(), "more rain");
        m_app->searchField()->setText("rain");
        QTest::keyClick(m_app->searchField(), Qt::Key_Return);
        QTRY_COMPARE(m_app->searchPopover()->model()->rowCount(), 3);
        QDialog *dialog = openExport();
        QVERIFY(dialog);
        m_app->child<QRadioButton>("searchDaysButton")->click();
        auto *format = m_app->child<QComboBox>("formatBox");
        format->setCurrentIndex(format->findText("JSON, as jrnl exports it"));
        const QString out = m_out.filePath("found.json");
        m_dialogs->answers << out;
        press("goButton");
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(m_dialogs->suggestions, QStringList { "Penwick-Export.json" });
        QStringList days;
        for (const QJsonValue &day :
                QJsonDocument::fromJson(readAll(out)).object()["entries"].toArray())
            days << day["date"].toString() + ' ' + day["body"].toString();
        QCOMPARE(days,
                QStringList({ "2026-02-04 rain again", "2026-03-01 rain in the morning",
                        "2026-03-05 more rain" }));
        QCOMPARE(m_app->window.statusBar()->currentMessage(),
                "Exported 3 days to " + QDir::toNativeSeparators(out) + '.');
    }

    void datesTypedWronglyExportNothing_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("said");
        QTest::newRow("no such day") << "2026-02-30"
                                     << "2026-03-01"
                                     << "“2026-02-30” is no date";
        QTest::newRow("the first after the last") << "2026-03-02"
                                                  << "2026-03-01"
                                                  << "The first day, 2 Mar 2026, comes after";
    }
    void datesTypedWronglyExportNothing()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, said);
        launchOn({ entry("2026-03-01", "one") });
        QDialog *dialog = openExport();
        QVERIFY(dialog);
        auto *first = m_app->child<QLineEdit>("fromField");
        first->clear();
        QTest::keyClicks(first, from);
        QVERIFY(m_app->child<QRadioButton>("datesButton")->isChecked());
        m_app->child<QLineEdit>("toField")->setText(to);
        m_dialogs->answers << m_out.filePath("never.txt");
        press("goButton");
        QCOMPARE(m_dialogs->failures.size(), 1);
        QVERIFY2(m_dialogs->failures.first().startsWith(said),
                qPrintable(m_dialogs->failures.first()));
        QVERIFY(dialog->isVisible());
        QVERIFY(!QFileInfo::exists(m_out.filePath("never.txt")));
    }
};

PENWICK_TEST_MAIN(tst_DiaryExport, QApplication)
#include "tst_diaryexport.moc"

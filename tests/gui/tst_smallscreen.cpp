// Every window and sheet at 200 % fits a 1366×768 screen with room for a title bar and a panel,
// and at that size every label still gets the height its text needs.
#include "WindowTest.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLayout>

using namespace penwick::test;

namespace {

const bool scaled = qputenv("QT_SCALE_FACTOR", "2");

// The screen's pixels less a title bar and a panel of 32 pixels each, in pixels of the window.
QSize roomAtDoubleScale()
{
    return QSize(1366, 768 - 2 * 2 * 32) / 2;
}

bool fitsIn(QWidget *window, QSize room, QString *why)
{
    window->resize(room);
    QApplication::processEvents();
    const QSize minimum = window->minimumSize().expandedTo(window->minimumSizeHint());
    *why = QStringLiteral("%1 needs %2×%3 in %4×%5")
                   .arg(window->objectName())
                   .arg(minimum.width())
                   .arg(minimum.height())
                   .arg(room.width())
                   .arg(room.height());
    // every label shown gets the height its text needs at its width: no cut line, no descender
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                             : label->minimumSizeHint().height();
        if (label->isVisibleTo(window) && label->height() < needed) {
            *why += QStringLiteral("; %1 is %2 high of %3")
                            .arg(label->objectName())
                            .arg(label->height())
                            .arg(needed);
            return false;
        }
    }
    return minimum.width() <= room.width() && minimum.height() <= room.height()
            && window->size() == room;
}

} // namespace

class tst_SmallScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<Penwick> m_app;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(scaled);
        environment().clean();
        QVERIFY(writeDiary({ entry("2026-03-05", "today's page") }));
        QVERIFY(launch(m_app, [] { return QDateTime(QDate(2026, 3, 5), QTime(9, 0)); }));
        QCOMPARE(m_app->window.devicePixelRatio(), 2.0);
    }

    void windowsFit_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << ""
                                     << "MainWindow";
        QTest::newRow("storage sheet") << "actionStorage"
                                       << "storageSheet";
        QTest::newRow("help") << "actionHelp"
                              << "helpWindow";
    }

    void windowsFit()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        if (!action.isEmpty())
            m_app->child<QAction>(qPrintable(action))->trigger();
        QWidget *shown = window == "MainWindow" ? &m_app->window
                                                : m_app->child<QWidget>(qPrintable(window));
        QVERIFY(shown->isVisible());
        QString why;
        QVERIFY2(fitsIn(shown, roomAtDoubleScale(), &why), qPrintable(why));
        if (shown != &m_app->window)
            shown->close();
    }
};

PENWICK_TEST_MAIN(tst_SmallScreen, QApplication)
#include "tst_smallscreen.moc"

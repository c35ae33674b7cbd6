// Every window and sheet at 200 % fits a 1366×768 screen less a title bar and a panel of 32
// pixels each, and at that size every label gets the height its text needs.
#include "WindowTest.h"

#include <QApplication>

using namespace penwick::test;

static const bool scaled = qputenv("QT_SCALE_FACTOR", "2");

class tst_SmallScreen : public QObject, WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void everyWindowFits()
    {
        environment().clean();
        launch();
        QVERIFY(scaled && m_app->window.devicePixelRatio() == 2.0);
        action("actionStorage")->trigger();
        action("actionHelp")->trigger();
        const QSize room = QSize(1366, 768 - 2 * 2 * 32) / 2;
        for (QWidget *window : { static_cast<QWidget *>(&m_app->window),
                     m_app->child<QWidget>("storageSheet"), m_app->child<QWidget>("helpWindow") }) {
            window->resize(room);
            QApplication::processEvents();
            QCOMPARE(window->size(), room);
            for (QLabel *label : window->findChildren<QLabel *>()) {
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : label->minimumSizeHint().height();
                QVERIFY2(!label->isVisibleTo(window) || label->height() >= needed,
                        qPrintable(label->objectName()));
            }
        }
    }
};

PENWICK_TEST_MAIN(tst_SmallScreen, QApplication)
#include "tst_smallscreen.moc"

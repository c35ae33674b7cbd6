// The real window, driven as a user drives it: start-up, typing, the warning bar, menu commands.
#include "HttpServer.h"
#include "WindowTest.h"
#include "gui/LazyIconStyle.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTextBlock>
#include <QTimeEdit>

using namespace penwick;
using namespace penwick::test;

class tst_MainWindow : public QObject, WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        penwick::test::environment().clean();
        m_now = QDateTime(QDate(2026, 3, 5), QTime(10, 15));
    }

    void cleanup() { m_app.reset(); }

    void firstLaunchCreatesTheDiaryAndStoresTyping()
    {
        launch();
        QCOMPARE(readAll(notePath()), plist::writeXml(QVariantList {}));
        QCOMPARE(m_app->editor()->toPlainText(), QString());
        QVERIFY(!m_app->warningBar()->isVisible());

        QTest::keyClicks(m_app->editor(), "Hello");
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "Hello") });
    }

    void legacyDiaryIsCarriedInBeforeTheFirstDayShows()
    {
        QVERIFY(penwick::test::writeAll(prefsPath(),
                plist::writeXml(QVariantMap { { "2026-03-05", "from the old version" },
                        { "2026-03-01", "earlier" }, { "NU", qlonglong(0) } })));
        launch();
        QCOMPARE(m_app->editor()->toPlainText(), QString("from the old version"));
        QTest::keyClicks(m_app->editor(), "!");
        QCOMPARE(entriesOnDisk(),
                (QVariantList { entry("2026-03-01", "earlier"),
                        entry("2026-03-05", "from the old version!") }));
        // the preferences keep every legacy key, and "note" now holds the gathered list
        const QVariantMap prefs = plist::read(readAll(prefsPath())).value->toMap();
        QCOMPARE(prefs.value("2026-03-01"), QVariant("earlier"));
        QCOMPARE(prefs.value("note").toList().size(), 2);
    }

    void existingDiaryIsNeverReplacedByTheLegacyOne()
    {
        QVERIFY(penwick::test::writeAll(prefsPath(),
                plist::writeXml(QVariantMap {
                        { "note", QVariantList { entry("2026-03-05", "legacy") } } })));
        const QByteArray mine = plist::writeXml(QVariantList { entry("2026-03-05", "mine") });
        QVERIFY(penwick::test::writeAll(notePath(), mine));
        launch();
        QCOMPARE(readAll(notePath()), mine);
        QCOMPARE(m_app->editor()->toPlainText(), QString("mine"));
    }

    // Every change that could not be written waits under its own day, stays in the window, and
    // is stored by itself once space is back; the warning stays until all are stored (Try
    // Again: tst_nothinglost).
    void failedChangesWaitPerDayUntilStored()
    {
        QVariantList diary;
        for (int i = 1; i <= 28; ++i)
            diary.append(entry(QString::asprintf("2026-02-%02d", i), QString(1000, 'x')));
        launchOn(diary);

        {
            // smaller than the diary: every write stops short
            penwick::test::FileSizeLimit full(4096);
            QTest::keyClicks(m_app->editor(), "lost?");
            QVERIFY(m_app->session.flush());
            QVERIFY2(m_app->warningText().contains("could not be saved"),
                    qPrintable(m_app->warningText()));
            // reading another day, which works, must not hide the change still waiting
            m_app->window.showPreviousDay();
            QVERIFY(m_app->warningBar()->isVisible());
            QTest::keyClicks(m_app->editor(), "yesterday");
            QVERIFY(m_app->session.flush());
            QVERIFY2(m_app->warningText().contains("2 days"), qPrintable(m_app->warningText()));
            m_app->window.showNextDay();
            QCOMPARE(m_app->editor()->toPlainText(), QString("lost?"));
        }
        QCOMPARE(entriesOnDisk(), diary);

        // space again: the waiting days are stored by themselves, without another keystroke
        QTRY_COMPARE_WITH_TIMEOUT(entriesOnDisk().mid(28),
                (QVariantList { entry("2026-03-04", "yesterday"), entry("2026-03-05", "lost?") }),
                8000);
        QTest::keyClicks(m_app->editor(), "!");
        QCOMPARE(entriesOnDisk().mid(28),
                (QVariantList { entry("2026-03-04", "yesterday"), entry("2026-03-05", "lost?!") }));
        QVERIFY(!m_app->warningBar()->isVisible());
    }

    void misspeltWordIsUnderlinedWithSuggestionsAndNothingWritten()
    {
        launchOn({ entry("2026-03-05", "Teh recieve leters") });
        const QDateTime written = QFileInfo(notePath()).lastModified();
        auto *languages = m_app->child<QMenu>("spellingLanguageMenu");
        QTRY_VERIFY(languages->isEnabled()); // the dictionary loads off the window's thread
        const QList<QAction *> tags = languages->actions();
        const auto english = std::find_if(tags.begin(), tags.end(),
                [](QAction *tag) { return tag->text().contains("en_US"); });
        if (english == tags.end())
            QSKIP("no en_US dictionary is installed (hunspell-en-us)");
        (*english)->trigger();

        auto underlined = [this] {
            const QTextBlock block = m_app->editor()->document()->firstBlock();
            QStringList words;
            for (const QTextLayout::FormatRange &range : block.layout()->formats())
                if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                    words << block.text().mid(range.start, range.length);
            return words.join(' ');
        };
        // the first word and the word at the cursor too: nobody is typing them
        QTRY_COMPARE(underlined(), QString("Teh recieve leters"));
        QTextCursor word(m_app->editor()->document());
        word.setPosition(5);
        const QPoint at = m_app->editor()->cursorRect(word).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_app->editor()->mapToGlobal(at));
        QApplication::sendEvent(m_app->editor()->viewport(), &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().constFirst()->text(), QString("receive"));
        QVERIFY(menu->findChildren<QAction *>().size() > 3);
        menu->close();
        // underlining is no edit: the diary file is not written for it
        QVERIFY(m_app->session.flush());
        QCOMPARE(QFileInfo(notePath()).lastModified(), written);
        // a word is checked once it is typed, not letter by letter
        QTest::keyClicks(m_app->editor(), " wrodd");
        QCOMPARE(underlined(), QString("Teh recieve leters"));
        QTest::keyClick(m_app->editor(), Qt::Key_Space);
        QCOMPARE(underlined(), QString("Teh recieve leters wrodd"));
        // a key in an underlined paragraph repaints that paragraph, not the whole page
        struct Painted : QObject
        {
            QRegion region;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    region += static_cast<QPaintEvent *>(event)->region();
                return false;
            }
        } painted;
        QApplication::processEvents();
        m_app->editor()->viewport()->installEventFilter(&painted);
        QTest::keyClick(m_app->editor(), Qt::Key_A);
        QTRY_VERIFY(!painted.region.isEmpty());
        QCOMPARE(underlined(), QString("Teh recieve leters wrodd"));
        const QTextBlock paragraph = m_app->editor()->document()->firstBlock();
        QVERIFY2(painted.region.boundingRect().height() <= paragraph.document()
                                                                   ->documentLayout()
                                                                   ->blockBoundingRect(paragraph)
                                                                   .height()
                                + 2,
                qPrintable(QString::number(painted.region.boundingRect().height())));
    }

    // What the window shows after each key is what a whole new paint shows: an edit repaints
    // every line it moved, changed or underlined, and the paragraphs it pushed down or pulled up.
    void eachKeyLeavesTheViewAsAFreshPaintDrawsIt_data()
    {
        QTest::addColumn<QString>("text");
        // where typing starts: characters back from the end of the first paragraph, or (below
        // zero) the start of that line of it
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("keys"); // \b is a backspace
        const QString words = QString("word ").repeated(30);
        QTest::newRow("typing wraps a line, the paragraphs below move down")
                << words + "\nbelow\nand below" << 0 << "more words to wrap the line on";
        QTest::newRow("backspaces pull a word up a line, the paragraphs below move up")
                << words + "\nbelow" << -1 << "\b\b\b\b\b\b\b\b";
        QTest::newRow("a misspelt word typed mid-paragraph is underlined where it wraps")
                << words + "end\nbelow" << 110 << "recieve leters wrodd ";
        QTest::newRow("text in a taller fallback font changes a line's height")
                << words + "\nbelow" << 60 << QString::fromUtf8("日本語の文章です。𠮷野家");
    }

    void eachKeyLeavesTheViewAsAFreshPaintDrawsIt()
    {
        QFETCH(QString, text);
        QFETCH(int, at);
        QFETCH(QString, keys);
        QApplication::setCursorFlashTime(0); // the cursor stays drawn, in both pictures
        launchOn({ entry("2026-03-05", text) });
        QPlainTextEdit *editor = m_app->editor();
        QTRY_VERIFY(m_app->child<QMenu>("spellingLanguageMenu")->isEnabled());
        const QTextBlock first = editor->document()->firstBlock();
        QTextCursor cursor(first);
        cursor.setPosition(at < 0 ? first.layout()->lineAt(-at).textStart()
                                  : first.position() + first.length() - 1 - at);
        editor->setTextCursor(cursor);
        QWidget *view = editor->viewport();
        for (const char32_t key : keys.toUcs4()) {
            if (key == '\b') {
                QTest::keyClick(editor, Qt::Key_Backspace);
            } else {
                QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&key, 1));
                QApplication::sendEvent(editor, &typed);
            }
            QApplication::processEvents(); // the underline, then the paint, as a window would
            QApplication::processEvents();
            const QPoint origin = view->mapTo(view->window(), QPoint());
            const QImage shown = view->screen()
                                         ->grabWindow(view->window()->winId(), origin.x(),
                                                 origin.y(), view->width(), view->height())
                                         .toImage()
                                         .convertToFormat(QImage::Format_RGB32);
            const QImage fresh = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(shown == fresh, qPrintable(editor->toPlainText().left(200)));
        }
    }

    void removeEmptyEntriesFromTheMenu()
    {
        launchOn(QVariantList { entry("2026-03-01", ""), entry("2026-03-02", "kept"),
                entry("2026-03-03", ""), qlonglong(5) });
        action("actionRemoveEmptyEntries")->trigger();
        QCOMPARE(entriesOnDisk(), (QVariantList { entry("2026-03-02", "kept"), qlonglong(5) }));
        QVERIFY(m_app->window.statusBar()->currentMessage().contains("2"));
    }

    void typingAfterMidnightStaysOnTheChosenDay()
    {
        m_now = QDateTime(QDate(2026, 3, 5), QTime(23, 59, 50));
        launch();
        m_now = m_now.addSecs(30);
        QTest::keyClicks(m_app->editor(), "late");
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "late") });
    }

    // The reminder's controls show the timer's state at start-up; a time changed while on is
    // written at once; a failure to write says why and leaves the switch off.
    void reminderControlsFollowTheAgentFile()
    {
        RecordingRunner runner;
        reminder::Reminder before(
                runner, reminder::Scheduler::SystemdUser, reminder::Reminder::userFolders());
        QVERIFY(before.switchOn(QTime(7, 45)).ok);
        launch();
        auto *time = m_app->child<QTimeEdit>("reminderTime");
        auto *on = m_app->child<QPushButton>("reminderOnButton");
        auto *off = m_app->child<QPushButton>("reminderOffButton");
        QVERIFY(on->isChecked());
        QCOMPARE(time->time(), QTime(7, 45));
        time->setTime(QTime(8, 10));
        Q_EMIT time->editingFinished();
        QCOMPARE(m_app->reminder.savedTime(), std::optional(QTime(8, 10)));

        QTest::mouseClick(off, Qt::LeftButton);
        QVERIFY(off->isChecked());
        QVERIFY(!m_app->reminder.isOn());

        time->setTime(QTime(21, 5));
        QTest::mouseClick(on, Qt::LeftButton);
        QCOMPARE(m_app->reminder.savedTime(), std::optional(QTime(21, 5)));

        QTest::mouseClick(off, Qt::LeftButton);
        const QString folder = QFileInfo(m_app->reminder.timerUnitPath()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(writeAll(folder, "a file where the folder should be"));
        QTest::ignoreMessage(QtWarningMsg, "Something went wrong");
        QTest::mouseClick(on, Qt::LeftButton);
        QVERIFY(off->isChecked());
        QVERIFY(time->isEnabled());
        QVERIFY2(m_app->window.statusBar()->currentMessage().contains("Not a directory"),
                qPrintable(m_app->window.statusBar()->currentMessage()));
    }

    // The style's icons that Penwick loads only when drawn draw as the style's own.
    void lazyIconsDrawAsTheStyles()
    {
        const std::unique_ptr<QStyle> plain(QStyleFactory::create("fusion"));
        LazyIconStyle lazy("fusion");
        for (const QStyle::StandardPixmap which :
                { QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_LineEditClearButton }) {
            const QIcon icon = lazy.standardIcon(which);
            QVERIFY(!icon.isNull());
            for (const qreal scale : { 1.0, 2.0 })
                QCOMPARE(icon.pixmap({ 16, 16 }, scale).toImage(),
                        plain->standardIcon(which).pixmap({ 16, 16 }, scale).toImage());
        }
    }

    // With "NU" set no request is made; without it a newer version brings the notice. The
    // Help menu switches the check and writes "NU".
    void updateNoticeAndHelp()
    {
        DocumentServer server(R"([{"name":"Penwick","dots":"0.0","vers":"999.0"}])");
        const QByteArray saved = qgetenv("PENWICK_UPDATE_URL");
        qputenv("PENWICK_UPDATE_URL", server.base().toEncoded());
        QVERIFY(writeAll(prefsPath(), plist::writeXml(QVariantMap { { "NU", qlonglong(1) } })));
        launch();
        QTest::qWait(300);
        QCOMPARE(server.requests, 0);
        QVERIFY(!action("actionCheckForUpdates")->isChecked());
        action("actionCheckForUpdates")->trigger();
        QCOMPARE(plist::read(readAll(prefsPath())).value->toMap().value("NU"),
                QVariant(qlonglong(0)));
        m_app.reset();

        launch();
        QTRY_VERIFY(m_app->window.findChild<QDialog *>("updateNotice"));
        QCOMPARE(server.requests, 1);
        qputenv("PENWICK_UPDATE_URL", saved);
    }
};

PENWICK_TEST_MAIN(tst_MainWindow, QApplication)
#include "tst_mainwindow.moc"

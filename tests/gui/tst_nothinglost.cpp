// Nothing typed is lost, tried as a user would: a diary that vanishes or cannot be read, a
// preferences file that points oddly or cannot be read, quitting with changes not stored, and
// each day's own undo history.
#include "WindowTest.h"
#include "diary/DiaryWriter.h"
#include "platform/AtomicFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

using namespace penwick;
using namespace penwick::test;

class tst_NothingLost : public QObject, WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { environment().clean(); }
    void cleanup() { m_app.reset(); }

    // The diary vanishes under the running window: the typed letter waits, the editor takes
    // no more, and Try Again starts an empty diary and stores what waited.
    void vanishedDiary()
    {
        launch();
        QFile::remove(notePath());
        QTest::keyClicks(m_app->editor(), "a");
        QVERIFY(m_app->session.flush());
        QVERIFY(m_app->warningText().contains("no diary file"));
        QVERIFY(m_app->editor()->isReadOnly());
        QTest::keyClicks(m_app->editor(), "b");
        QCOMPARE(m_app->editor()->toPlainText(), QString("a"));
        press("tryAgainButton");
        QVERIFY2(!m_app->warningBar()->isVisible(), qPrintable(m_app->warningText()));
        QVERIFY(!m_app->editor()->isReadOnly());
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "a") });
        QTest::keyClicks(m_app->editor(), "b");
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "ab") });
    }

    // An unreadable diary takes no typing and is never written; repaired, it opens again.
    void unreadableDiaryIsReadOnlyUntilRepaired()
    {
        const QByteArray good = plist::writeXml(QVariantList { entry("2026-03-05", "kept") });
        QVERIFY(writeAll(notePath(), good.left(90)));
        launch();
        QVERIFY(m_app->editor()->isReadOnly());
        QVERIFY(m_app->warningText().contains("cannot be read"));
        press("tryAgainButton");
        QCOMPARE(readAll(notePath()), good.left(90));
        QVERIFY(writeAll(notePath(), good));
        press("tryAgainButton");
        QVERIFY(!m_app->editor()->isReadOnly());
        QCOMPARE(m_app->editor()->toPlainText(), QString("kept"));
        QTest::keyClicks(m_app->editor(), "!");
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "kept!") });
    }

    // Quitting with a change not stored asks: Esc keeps the window; Save a Copy As writes the
    // day as the export does, Try Again stores it, and either quits.
    void quittingWithUnsavedChangesAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("save a copy") << int(Dialogs::UnsavedChoice::SaveCopy);
        QTest::newRow("try again") << int(Dialogs::UnsavedChoice::TryAgain);
    }
    void quittingWithUnsavedChangesAsks()
    {
        QFETCH(int, answer);
        launch();
        const QString copy = environment().home() + "/copy.txt";
        {
            FileSizeLimit full(100); // nothing can be written
            QTest::keyClicks(m_app->editor(), "precious");
            QVERIFY(m_app->session.flush());
        }
        QVERIFY(!m_app->window.close());
        QVERIFY(m_app->window.isVisible());
        QVERIFY(m_dialogs->unsavedQuestions.value(0).contains("one day"));
        m_dialogs->unsavedAnswers << Dialogs::UnsavedChoice(answer);
        m_dialogs->answers << copy;
        QVERIFY(m_app->window.close());
        QCOMPARE(m_dialogs->unsavedQuestions.size(), 2);
        if (answer == int(Dialogs::UnsavedChoice::SaveCopy))
            QCOMPARE(readAll(copy), QByteArray("2026-03-05\nprecious\n\n"));
        else
            QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "precious") });
    }

    // "safe" from the home folder, never the working directory; a folder that is missing gets
    // nothing created in it.
    void preferencesPointSafely()
    {
        QVERIFY(writeAll(
                prefsPath(), plist::writeXml(QVariantMap { { "safe", "~/Diary/mine.plist" } })));
        QDir().mkpath(environment().home() + "/Diary");
        launch();
        QCOMPARE(m_app->session.noteFilePath(), environment().home() + "/Diary/mine.plist");
        QTest::keyClicks(m_app->editor(), "home");
        QVERIFY(m_app->session.flush());
        QCOMPARE(plist::read(readAll(environment().home() + "/Diary/mine.plist")).value->toList(),
                QVariantList { entry("2026-03-05", "home") });
        m_app.reset();

        QVERIFY(writeAll(
                prefsPath(), plist::writeXml(QVariantMap { { "safe", "Relative/note.plist" } })));
        launch();
        QCOMPARE(m_app->session.noteFilePath(), environment().home() + "/Relative/note.plist");
        QVERIFY(m_app->warningText().contains("missing"));
        QVERIFY(m_app->editor()->isReadOnly());
        QVERIFY(!QFileInfo::exists(environment().home() + "/Relative"));
        press("tryAgainButton"); // looks again, and still creates nothing
        QVERIFY(!QFileInfo::exists(environment().home() + "/Relative"));
    }

    void unreadablePreferencesAreSaidAndKept()
    {
        QVERIFY(writeAll(prefsPath(), "garbage, not a property list"));
        launch();
        QVERIFY2(m_app->warningText().contains("preferences")
                        && m_app->warningText().contains(notePath()),
                qPrintable(m_app->warningText()));
        QTest::keyClicks(m_app->editor(), "still works");
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "still works") });
        QCOMPARE(readAll(prefsPath()), QByteArray("garbage, not a property list"));
    }

    // The stored text is the editor's characters, and pasted characters XML cannot carry are
    // left out of both.
    void exactTextAndCleanPaste()
    {
        launch();
        QTest::keyClicks(m_app->editor(), QString("no\u00A0break"));
        QTest::keyClick(m_app->editor(), Qt::Key_Return, Qt::ShiftModifier); // a line separator
        QTest::keyClicks(m_app->editor(), "x");
        QApplication::clipboard()->setText(QString("a\u000Bb\u000Cc"));
        m_app->editor()->paste();
        QCOMPARE(entriesOnDisk(),
                QVariantList { entry("2026-03-05", QString("no\u00A0break\u2028xabc")) });
        QCOMPARE(m_app->editor()->document()->toRawText(), QString("no\u00A0break\u2028xabc"));
    }

    // Back on a day, Edit > Undo steps back through what was typed there, and each step is
    // stored; loading a day is no step.
    void eachDayKeepsItsUndo()
    {
        launch();
        QTest::keyClicks(m_app->editor(), "today");
        m_app->window.showPreviousDay();
        QTest::keyClicks(m_app->editor(), "yesterday");
        m_app->window.showNextDay();
        QAction *undo = action("actionUndo");
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(m_app->editor()->toPlainText(), QString());
        QCOMPARE(entriesOnDisk().first(), QVariant(entry("2026-03-05", "")));
        m_app->window.showPreviousDay();
        QVERIFY(undo->isEnabled());
        m_app->window.showPreviousDay(); // a day never typed in: nothing to undo
        QVERIFY(!undo->isEnabled());
    }

    // Another program (a sync tool, another machine) changes the shown day: with nothing of the
    // user's waiting, its text comes into the editor, one Undo away from the old one.
    void outsideChangeToTheShownDayIsLoaded()
    {
        QVERIFY(writeDiary({ entry("2026-03-05", "mine"), entry("2026-03-04", "yesterday") }));
        launch();
        QVERIFY(replaceFileAtomically(notePath(),
                plist::writeXml(QVariantList { entry("2026-03-05", "mine, edited elsewhere"),
                        entry("2026-03-04", "yesterday") }))
                        .ok);
        QTRY_COMPARE(m_app->editor()->toPlainText(), QString("mine, edited elsewhere"));
        QVERIFY(!m_app->warningBar()->isVisible());
        action("actionUndo")->trigger();
        QCOMPARE(entriesOnDisk().first(), QVariant(entry("2026-03-05", "mine")));
    }

    // Both sides changed the day: the user's text is stored, the other version is kept on the
    // day's undo history, and the warning says so.
    void bothSidesChangedTheDay()
    {
        QVERIFY(writeDiary({ entry("2026-03-05", "") }));
        launch();
        m_app->session.writer().setBeforeWrite([] {
            static bool once = false;
            if (!std::exchange(once, true))
                replaceFileAtomically(notePath(),
                        plist::writeXml(QVariantList { entry("2026-03-05", "theirs") }));
        });
        QTest::keyClicks(m_app->editor(), "x");
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "x") });
        QTRY_VERIFY(m_app->warningText().contains("Another program changed this day"));
        action("actionUndo")->trigger();
        QCOMPARE(m_app->editor()->toPlainText(), QString("theirs"));
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "theirs") });
    }
};

PENWICK_TEST_MAIN(tst_NothingLost, QApplication)
#include "tst_nothinglost.moc"

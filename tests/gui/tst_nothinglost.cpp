// Nothing typed is lost, tried as a user would: a diary that vanishes or cannot be read, a
// preferences file that points oddly or cannot be read, quitting with changes not stored, each
// day's own undo history, and the history window (a day cleared by mistake, Penwick quit and
// started again, comes back from the day's history as one step the editor can undo).
#include "WindowTest.h"
#include "diary/DiaryWriter.h"
#include "gui/DiaryEditor.h"
#include "gui/HistoryDialog.h"
#include "platform/AtomicFile.h"
#include "sync/DayRule.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QStatusBar>

using namespace penwick;
using namespace penwick::test;

class tst_NothingLost : public QObject, WindowFixture
{
    Q_OBJECT

    QList<history::Version> versionsOfToday(const QString &diary = notePath()) const
    {
        return m_app->store->versions(history::diaryKeyPath(diary), "2026-03-05");
    }
    void undo() const { QTest::keyClick(m_app->editor(), Qt::Key_Z, Qt::ControlModifier); }

private Q_SLOTS:
    void init() { environment().clean(); }
    void cleanup() { m_app.reset(); }

    // A large diary shows the day from its end before the whole file is read. A key typed at
    // once still lands on the text the whole file holds (here an earlier entry for the day, which
    // the reader takes), and the month's marks come when the read is in.
    void firstKeyWaitsForTheWholeDiary()
    {
        QVariantList entries { entry("2026-03-05", "first") };
        for (int day = 1; day < 1000; ++day)
            entries << entry(diary::dayKey(QDate(2026, 3, 4).addDays(-day)), QString(80, 'w'));
        entries << entry("2026-03-01", "in March") << entry("2026-03-05", "second");
        QVERIFY(writeDiary(entries));
        m_app = std::make_unique<Penwick>([] { return QDateTime(QDate(2026, 3, 5), {}); }, false);
        QTest::keyClick(m_app->editor(), Qt::Key_Exclam);
        QCOMPARE(m_app->editor()->toPlainText(), QString("first!"));
        const QVariantList disk = entriesOnDisk();
        QCOMPARE(disk.first(), QVariant(entry("2026-03-05", "first!")));
        QCOMPARE(disk.last(), QVariant(entry("2026-03-05", "second")));
        QTRY_VERIFY(m_app->calendarModel()
                            ->data(m_app->calendarModel()->indexOf(QDate(2026, 3, 1)),
                                    CalendarModel::HasEntryRole)
                            .toBool());
    }

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

    // A relative "safe" is taken from the home folder (the rule itself: tst_storage), and a
    // folder that is missing gets nothing created in it.
    void preferencesPointSafely()
    {
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
        launchOn({ entry("2026-03-05", "mine"), entry("2026-03-04", "yesterday") });
        QVERIFY(replaceFileAtomically(notePath(),
                plist::writeXml(QVariantList { entry("2026-03-05", "mine, edited elsewhere"),
                        entry("2026-03-04", "yesterday") }))
                        .ok);
        QTRY_COMPARE(m_app->editor()->toPlainText(), QString("mine, edited elsewhere"));
        QVERIFY(!m_app->warningBar()->isVisible());
        action("actionUndo")->trigger();
        QCOMPARE(entriesOnDisk().first(), QVariant(entry("2026-03-05", "mine")));
    }

    // Both sides changed the day: both texts stay in it, the other program's first, and the bar
    // says so; one undo takes the joined day back to the user's text.
    void bothSidesChangedTheDay()
    {
        launchOn({ entry("2026-03-05", "") });
        m_app->session.writer().setBeforeWrite([] {
            static bool once = false;
            if (!std::exchange(once, true))
                replaceFileAtomically(notePath(),
                        plist::writeXml(QVariantList { entry("2026-03-05", "theirs") }));
        });
        QTest::keyClicks(m_app->editor(), "x");
        QTRY_VERIFY(
                entriesOnDisk().value(0).toMap().value("text").toString().startsWith("theirs\n\n"));
        QVERIFY(sync::holdsJoined(m_app->editor()->toPlainText(), "x"));
        QVERIFY(m_app->child<QLabel>("conflictCopyMessage")->text().contains("both texts"));
        action("actionUndo")->trigger();
        QCOMPARE(m_app->editor()->toPlainText(), QString("x"));
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "x") });
    }

    void clearedDayComesBack()
    {
        launchOn({ entry("2026-03-05", "morning pages") }, true);
        QCOMPARE(m_app->editor()->toPlainText(), "morning pages");
        QTest::keyClick(m_app->editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_app->editor(), Qt::Key_Delete);
        QVERIFY(m_app->session.flush());
        m_app.reset();

        launch(true);
        QVERIFY(QTest::qWaitForWindowActive(&m_app->window));
        QCOMPARE(m_app->editor()->toPlainText(), QString());
        QTest::keyClick(m_app->editor(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        auto *dialog = m_app->child<HistoryDialog>("historyDialog");
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(m_app->child<QListWidget>("versionList")->count(), 1);
        press("restoreButton");
        QCOMPARE(m_app->editor()->toPlainText(), "morning pages");
        QCOMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "morning pages") });
        QCOMPARE(versionsOfToday().size(), 2);
        QCOMPARE(versionsOfToday()[0].origin, history::Origin::Restored);
        undo();
        QCOMPARE(m_app->editor()->toPlainText(), QString());
    }
    void damagedHistoryIsSaidInTheBar()
    {
        QVERIFY(writeAll(history::HistoryStore::defaultFilePath(), QByteArray(4096, 'x')));
        launch(true);
        QTRY_VERIFY(m_app->window.statusBar()->currentMessage().contains("put aside"));
    }
    void undoStepEnds_data()
    {
        QTest::addColumn<bool>("visitBetween");
        QTest::addColumn<QString>("afterUndo");
        QTest::newRow("at a word after a pause") << false << "abc ";
        QTest::newRow("at a visit to the day") << true << "abc";
    }
    void undoStepEnds()
    {
        QFETCH(bool, visitBetween);
        launchOn({}, true);
        QVERIFY(QTest::qWaitForWindowActive(&m_app->window));
        static_cast<DiaryEditor *>(m_app->editor())->setUndoPause(visitBetween ? 1'000'000 : 0);
        QTest::keyClicks(m_app->editor(), "abc");
        if (visitBetween) {
            QTest::keyClick(m_app->editor(), Qt::Key_Right, Qt::AltModifier);
            QTest::keyClick(m_app->editor(), Qt::Key_Left, Qt::AltModifier);
        } else {
            QTest::keyClick(m_app->editor(), Qt::Key_Space);
        }
        QTest::keyClicks(m_app->editor(), "def");
        undo();
        QTEST(m_app->editor()->toPlainText(), "afterUndo");
    }
    void versionsFollowAMove()
    {
        launchOn({ entry("2026-03-05", "kept") }, true);
        const QString moved = environment().home() + "/moved.plist";
        m_dialogs->answers << moved;
        QTest::keyClicks(m_app->editor(), "!");
        action("actionStorage")->trigger();
        press("moveButton");
        QCOMPARE(m_app->session.noteFilePath(), moved);
        QCOMPARE(versionsOfToday(moved).value(0).text, "kept!");
        QVERIFY(versionsOfToday().isEmpty());
    }

    // A sync engine handing back a text Penwick wrote earlier: the newer text stays and is written
    // back; a text Penwick never wrote is taken as the day's, one undo step away.
    void staleVersionFromOutsideIsUndone()
    {
        launchOn({ entry("2026-03-05", "draft") }, true);
        QTest::keyClicks(m_app->editor(), " and more");
        QVERIFY(m_app->session.flush());
        QTest::keyClicks(m_app->editor(), "!");
        QVERIFY(m_app->session.flush());
        QVERIFY(writeDiary({ entry("2026-03-05", "draft and more") }));
        QTRY_COMPARE(entriesOnDisk(), QVariantList { entry("2026-03-05", "draft and more!") });
        QCOMPARE(m_app->editor()->toPlainText(), "draft and more!");
        QVERIFY(writeDiary({ entry("2026-03-05", "from the laptop") }));
        QTRY_COMPARE(m_app->editor()->toPlainText(), "from the laptop");
        undo();
        QCOMPARE(m_app->editor()->toPlainText(), "draft and more!");
    }

    // A conflict copy appearing beside the diary while Penwick runs is merged within two
    // seconds: the copy's change to a day the diary left as it was is taken, the bar says so,
    // and its button opens the history holding the diary's text.
    void conflictCopyIsMergedWhileRunning()
    {
        launchOn({ entry("2026-03-04", "mine") }, true);
        QTest::qWait(50); // started, with no copy beside the diary
        const QString copy = QFileInfo(notePath()).absolutePath()
                + "/note.sync-conflict-20260305-090000-ABCDEF1.plist";
        QVERIFY(writeAll(copy + ".part",
                plist::writeXml(QVariantList {
                        entry("2026-03-04", "theirs"), entry("2026-03-05", "from the laptop") })));
        QFile part(copy + ".part");
        QVERIFY(part.open(QIODevice::ReadWrite));
        QVERIFY(part.setFileTime(
                QDateTime::currentDateTime().addSecs(-60), QFile::FileModificationTime));
        QVERIFY(part.rename(copy));
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(copy), 2000);
        QCOMPARE(m_app->editor()->toPlainText(), "from the laptop");
        const QString message = m_app->child<QLabel>("conflictCopyMessage")->text();
        QVERIFY2(message.contains("1 day came from it. 4 Mar 2026: the copy's text"),
                qPrintable(message));
        QTest::mouseClick(m_app->child<QPushButton>("conflictCopyHistoryButton"), Qt::LeftButton);
        QCOMPARE(m_app->session.selectedDay(), QDate(2026, 3, 4));
        QCOMPARE(m_app->editor()->toPlainText(), "theirs");
        QTRY_VERIFY(m_app->child<QListWidget>("versionList")->count() >= 2);
    }
};

PENWICK_TEST_MAIN(tst_NothingLost, QApplication)
#include "tst_nothinglost.moc"

// The diary file as a whole: moving it without ever replacing a file, the checks a file must
// pass to become the diary, the text export byte for byte, the day keys, and the diary of an
// earlier version with its legacy date keys.
#include "TestEnvironment.h"
#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "diary/DiaryStorage.h"
#include "diary/Migration.h"

#include <QCoreApplication>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace penwick;
using namespace penwick::diary;
using namespace penwick::test;

class tst_Storage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void movingNeverReplaces()
    {
        const QByteArray diary = plist::writeXml(QVariantList { entry("2026-01-01", "a") });
        QVERIFY(writeAll(path("note.plist"), diary));
        QVERIFY(moveNoteFile(path("note.plist"), path("moved.plist")).ok);
        QVERIFY(!QFileInfo::exists(path("note.plist")));
        QCOMPARE(readAll(path("moved.plist")), diary);

        QVERIFY(writeAll(path("other.plist"), "someone else's"));
        const WriteResult onto = moveNoteFile(path("moved.plist"), path("other.plist"));
        QVERIFY(!onto.ok);
        QVERIFY(onto.error.contains("other.plist"));
        QCOMPARE(readAll(path("other.plist")), QByteArray("someone else's"));
        QCOMPARE(readAll(path("moved.plist")), diary);
        QVERIFY(!moveNoteFile(path("moved.plist"), path("moved.plist")).ok);
        QVERIFY(!moveNoteFile(path("missing.plist"), path("new.plist")).ok);
        QVERIFY(!QFileInfo::exists(path("new.plist")));
        QVERIFY(!moveNoteFile(path("moved.plist"), path("other.plist/inside.plist")).ok);
        QCOMPARE(readAll(path("moved.plist")), diary);
    }

    void movingAcrossFileSystemsCopiesThenRemoves()
    {
        struct stat here
        {
        }, there {};
        QTemporaryDir shm(QStringLiteral("/dev/shm/penwick-XXXXXX"));
        if (!shm.isValid() || ::stat(QFile::encodeName(m_dir.path()).constData(), &here) != 0
                || ::stat(QFile::encodeName(shm.path()).constData(), &there) != 0
                || here.st_dev == there.st_dev)
            QSKIP("no second file system at hand");
        const QByteArray diary = plist::writeXml(QVariantList { entry("2026-01-02", "b") });
        QVERIFY(writeAll(path("far.plist"), diary));
        QVERIFY(moveNoteFile(path("far.plist"), shm.filePath("note.plist")).ok);
        QVERIFY(!QFileInfo::exists(path("far.plist")));
        QCOMPARE(readAll(shm.filePath("note.plist")), diary);
        QCOMPARE(QDir(shm.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void importChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("check");
        const auto row
                = [](const char *name, const char *file, const QVariant &value, ImportCheck c) {
                      const QByteArray bytes = value.typeId() == QMetaType::QByteArray
                              ? value.toByteArray()
                              : plist::writeXml(value);
                      QTest::newRow(name) << QString(file) << bytes << int(c);
                  };
        const QVariantList diary { entry("2026-01-01", "a") };
        row("a diary", "d.plist", diary, ImportCheck::Accepted);
        row("PLIST in capitals", "d.PLIST", diary, ImportCheck::WrongName);
        row("plist without a dot", "dplist", diary, ImportCheck::Accepted);
        row("an empty array", "e.plist", QVariantList {}, ImportCheck::Accepted);
        row("a dictionary root", "p.plist", QVariantMap { { "note", diary } },
                ImportCheck::WrongFormat);
        row("a text file", "t.plist", QByteArray("Dear diary"), ImportCheck::WrongFormat);
        row("elements that are no entries", "n.plist", diary + QVariantList { 5 },
                ImportCheck::WrongFormat);
    }

    void importChecks()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, check);
        QVERIFY(writeAll(path(name), bytes));
        QCOMPARE(int(checkImport(path(name))), check);
    }

    // The example of the export format, and the cases around it.
    void exportIsExactText()
    {
        const QString note = path("export-note.plist");
        QVERIFY(writeEntries(
                note, { entry("2015-03-01", "Rain."), entry("2015-02-28", "Up early\nWalked") })
                        .ok());
        QVERIFY(exportDiary(note, path("out.txt")).ok);
        QCOMPARE(readAll(path("out.txt")),
                QByteArray("2015-02-28\nUp early\nWalked\n\n2015-03-01\nRain.\n\n"));

        QCOMPARE(exportText({ { "2026-01-02", "" }, { "2026-01-01", "日本語 é ü\n" },
                         { "2026-01-01", "second of the day" } }),
                QString("2026-01-01\n日本語 é ü\n\n\n2026-01-01\nsecond of the day\n\n"
                        "2026-01-02\n\n\n")
                        .toUtf8());
        QCOMPARE(exportText({}), QByteArray());

        // no readable diary: an empty file, still written over what was there
        QVERIFY(exportDiary(path("missing.plist"), path("out.txt")).ok);
        QCOMPARE(QFileInfo(path("out.txt")).size(), 0);
        QVERIFY(writeAll(path("blocker"), "a file"));
        QVERIFY(!exportDiary(note, path("blocker/out.txt")).ok);
        // never onto the diary itself, through any link, and never into a FIFO
        const QByteArray diary = readAll(note);
        QVERIFY(QFile::link(note, path("link.txt")));
        QVERIFY(!exportDiary(note, path("link.txt")).ok);
        QVERIFY(!refusalToReplaceDiary(note, path("link.txt")).isEmpty());
        QCOMPARE(readAll(note), diary);
        QCOMPARE(::mkfifo(QFile::encodeName(path("fifo.txt")).constData(), 0600), 0);
        QVERIFY(!exportDiary(note, path("fifo.txt")).ok);
    }

    void earlierDiaries()
    {
        const QString prefs = path("prefs.plist");
        bool ok = false;
        python("import plistlib,sys\nplistlib.dump({'note': [{'date': '2014-05-01', "
               "'text': 'old'}], 'NU': 1}, open(sys.argv[1],'wb'), fmt=plistlib.FMT_BINARY)",
                { prefs }, &ok);
        QVERIFY(ok);
        QCOMPARE(legacyDiaryIn(prefs), std::optional(QVariantList { entry("2014-05-01", "old") }));
        QVERIFY(writeAll(prefs, plist::writeXml(QVariantMap { { "NU", 1 } })));
        QVERIFY(!legacyDiaryIn(prefs));
        QVERIFY(writeAll(prefs, plist::writeXml(QVariantMap { { "note", "text" } })));
        QVERIFY(!legacyDiaryIn(prefs));
        QVERIFY(!legacyDiaryIn(path("nothing-here")));
        const QByteArray fifo = QFile::encodeName(path("fifo.plist"));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        auto refused
                = std::async(std::launch::async, [&] { return legacyDiaryIn(path("fifo.plist")); });
        const bool answered
                = refused.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
        if (!answered) // a writer frees the waiting read before the test fails
            ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
        QVERIFY(answered && !refused.get());

        QCOMPARE(noteFilePath("~/Diary/a.plist", "/support", "/home/u"), "/home/u/Diary/a.plist");
        QCOMPARE(noteFilePath("Diary/../b.plist", "/support", "/home/u"), "/home/u/b.plist");
        QCOMPARE(noteFilePath("/c.plist", "/support", "/home/u"), "/c.plist");
        QCOMPARE(pathInFolder("/sync", ""), QString("/sync/note.plist"));
        QCOMPARE(pathInFolder("/sync", "/old/place/diary.plist"), QString("/sync/diary.plist"));
    }

    void dayKeysFormatAndParse()
    {
        QCOMPARE(dayKey(QDate(2023, 12, 31)), QString("2023-12-31"));
        QCOMPARE(dayKey(QDate(987, 1, 7)), QString("0987-01-07"));
        QCOMPARE(dayKey(QDate(12026, 3, 4)), QString("12026-03-04"));
        QCOMPARE(dayKey(QDate()), QString());
        QCOMPARE(dayFromKey("2024-02-29"), QDate(2024, 2, 29));
        for (const char *bad : { "2024-2-01", "2024-02-30", "2024-13-01", "24-01-01", "2024-01-01 ",
                     " 2024-01-01", "2024-01", "" })
            QVERIFY2(!dayFromKey(bad).isValid(), bad);
    }

    // The preferences are written at a start only when there is something to carry over:
    // rewriting them at every start would race other writers of the file for nothing.
    void startWritesThePreferencesOnlyToCarryOver()
    {
        environment().clean();
        const QString prefs = environment().configHome() + "/Hollyfen/Penwick.plist";
        auto startOnce = [] {
            DiarySession session;
            session.open();
        };
        startOnce();
        const QDateTime first = QFileInfo(prefs).lastModified();
        QVERIFY(first.isValid());
        QTest::qWait(20);
        startOnce();
        QCOMPARE(QFileInfo(prefs).lastModified(), first);
    }

    void legacyDateKeys()
    {
        QVERIFY(isLegacyDateKey("2014-05-01"));
        QVERIFY(isLegacyDateKey("diary 2014-05-01 (old)"));
        QVERIFY(!isLegacyDateKey("2014-5-01"));
        QVERIFY(!isLegacyDateKey(QString::fromUtf8("٢٠١٤-٠٥-٠١"))); // Arabic-Indic digits
        QVERIFY(!isLegacyDateKey(QString::fromUtf8("２０１４-０５-０１"))); // full-width digits
        const QVariantList entries = legacyEntries({ "safe", "x2014-05-02", "2014-05-01" },
                [](const QString &key) { return QVariant("text of " + key); });
        QCOMPARE(entries,
                (QVariantList { QVariantMap { { "date", "x2014-05-02" },
                                        { "text", "text of x2014-05-02" } },
                        QVariantMap {
                                { "date", "2014-05-01" }, { "text", "text of 2014-05-01" } } }));
    }
};

PENWICK_TEST_MAIN(tst_Storage, QCoreApplication)
#include "tst_storage.moc"

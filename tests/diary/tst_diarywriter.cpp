// The writer off the window's thread: the map the scanner keeps stays true through every
// splice, the newest text is the one that ends on disk, writes never reorder, other programs'
// changes to other days are kept, and the session reads its unsaved texts back.
#include "TestEnvironment.h"
#include "diary/DiarySession.h"
#include "diary/DiaryWriter.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>

using namespace penwick;
using namespace penwick::diary;
using namespace penwick::test;

namespace {

bool sameMap(const NoteScan &a, const NoteScan &b)
{
    const auto fields = [](const ScannedEntry &e) {
        return std::tuple(e.date.begin, e.date.end, e.text.begin, e.text.end, e.textElement.begin,
                e.textElement.end, e.textSelfClosing, e.textIsPlain);
    };
    return a.insertAt == b.insertAt
            && std::equal(a.entries.begin(), a.entries.end(), b.entries.begin(), b.entries.end(),
                    [&](const auto &x, const auto &y) { return fields(x) == fields(y); });
}

} // namespace

class tst_DiaryWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    // Random splices into diaries of several shapes: the moved map equals a fresh scan of the
    // new bytes, and the bytes hold what replacing the entries' values would give.
    void spliceKeepsTheMapTrue()
    {
        QRandomGenerator random(7);
        const QStringList texts { "", "plain", "a & b < c", "line\nbreak", "cr\rhere",
            "日本語のテキスト", "\t", "x" };
        for (int round = 0; round < 30; ++round) {
            QVariantList model;
            for (int i = 0; i < int(random.bounded(6)); ++i)
                model.append(entry(
                        QString("2024-01-%1").arg(i + 10), texts[random.bounded(texts.size())]));
            if (random.bounded(2))
                model.insert(0,
                        QVariantMap { { "mood", qlonglong(3) }, { "date", "2024-01-10" },
                                { "text", "with other keys" } });
            if (random.bounded(2))
                model.append(qlonglong(42));
            QByteArray bytes = plist::writeXml(model);
            if (random.bounded(2)) // self-closing empty strings, as other writers put them
                bytes.replace("<string></string>", "<string/>");
            std::optional<NoteScan> scan = NoteScan::scan(bytes);
            QVERIFY(scan);
            for (int step = 0; step < 12; ++step) {
                const QString date = QString("2024-01-%1").arg(10 + random.bounded(8));
                const QString text = texts[random.bounded(texts.size())] + QString::number(step);
                QByteArray value;
                plist::appendEscaped(value, text.toUtf8());
                bytes = scan->spliceText(bytes, date.toUtf8(), value);
                replaceEntry(model, date, text);
                const std::optional<NoteScan> fresh = NoteScan::scan(bytes);
                QVERIFY2(fresh && sameMap(*scan, *fresh), bytes.constData());
                QCOMPARE(plist::read(bytes).value->toList(), model);
            }
        }
    }

    // A slow write, then a burst: the writes stay in order and the newest text wins.
    void newestTextWinsAndWritesNeverReorder()
    {
        const QString path = m_dir.filePath("order.plist");
        QVERIFY(writeEntries(path, { entry("2024-01-01", "old") }).ok());
        DiaryWriter writer;
        QAtomicInt writes = 0;
        writer.setBeforeWrite([&writes] {
            if (writes.fetchAndAddOrdered(1) == 0)
                QThread::msleep(150); // the first write is slow
        });
        writer.store(path, "2024-01-01", "1");
        QThread::msleep(30); // the first write has begun
        for (const char *text : { "12", "123", "1234" })
            writer.store(path, "2024-01-01", text);
        writer.store(path, "2024-01-02", "other day");
        QVERIFY(writer.waitForIdle(5000));
        QCOMPARE(writes.loadRelaxed(), 2); // the burst waited and went as one write
        QCOMPARE(entriesIn(path),
                (QVariantList { entry("2024-01-01", "1234"), entry("2024-01-02", "other day") }));
        const QList<WriteReport> reports = writer.takeReports();
        QCOMPARE(reports.size(), 2);
        QCOMPARE(reports[0].texts.value("2024-01-01"), QString("1"));
        QVERIFY(reports[1].outcome.ok());
    }

    // Another program replaces the file the way sync tools do (a new file renamed over it) at
    // each step of a write: its change to another day always stays, and the typed text too. The
    // writer writes only over the version the session knows; the session settles the rest.
    void otherProgramsChangesAreKept_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("between two keystrokes") << 0;
        QTest::newRow("as the write begins") << 1;
        QTest::newRow("right before the replacement") << 2;
        QTest::newRow("right after the replacement") << 3;
    }
    void otherProgramsChangesAreKept()
    {
        QFETCH(int, step);
        environment().clean();
        DiarySession session([] { return QDateTime(QDate(2024, 1, 1), QTime(9, 0)); });
        const QString path = session.noteFilePath();
        QDir().mkpath(QFileInfo(path).path());
        QVERIFY(writeEntries(path, { entry("2024-01-01", "a"), entry("2024-01-02", "b") }).ok());
        session.open();
        const auto otherProgram = [path] {
            QVariantList entries = entriesIn(path);
            entries[1] = entry("2024-01-02", "b from the other machine");
            entries.append(entry("2024-01-03", "c"));
            replaceFileAtomically(path, plist::writeXml(entries));
        };
        session.storeText("a1");
        QVERIFY(session.flush());
        QAtomicInt once = 0;
        const auto at = [&](int here) {
            if (step == here && once.fetchAndAddOrdered(1) == 0)
                otherProgram();
        };
        session.writer().setBeforeWrite([&] { at(1); });
        session.writer().setReplaceHook([&](bool replaced) { at(replaced ? 3 : 2); });
        at(0);
        session.storeText("a12");
        QVERIFY(session.flush());
        session.checkForOutsideChanges(); // the folder watch's look
        session.storeText("a123");
        QVERIFY(session.flush());
        QCOMPARE(entriesIn(path),
                (QVariantList { entry("2024-01-01", "a123"),
                        entry("2024-01-02", "b from the other machine"),
                        entry("2024-01-03", "c") }));
    }

    // Today is the day on the wall clock: half past eleven on 31 January in Honolulu is already
    // February in UTC.
    void todayIsTheLocalDay()
    {
        const DiarySession session([] { return QDateTime(QDate(2026, 1, 31), QTime(23, 30)); });
        Environment::setTimeZone("Pacific/Honolulu");
        const QDate today = session.today();
        Environment::setTimeZone("Europe/Berlin");
        QCOMPARE(today, QDate(2026, 1, 31));
    }

    // The session shows its unsaved text at once, stores only what XML can carry, and a file
    // Penwick could not read is never written: a newer text that meets it stays unsaved, even
    // after the older one was stored.
    void sessionReadsItsUnsavedTexts()
    {
        environment().clean();
        const QString note = environment().dataHome() + "/Hollyfen/Penwick/note.plist";
        DiarySession session([] { return QDateTime(QDate(2024, 1, 1), QTime(9, 0)); });
        session.open();
        QAtomicInt writes = 0;
        session.writer().setBeforeWrite([&writes, note] {
            if (writes.fetchAndAddOrdered(1) == 2) // the third write finds a damaged file
                writeAll(note, "truncated <plist");
            QThread::msleep(100);
        });
        QCOMPARE(session.storeText(QString("a\u000Bb\u00A0c\u2028d") + QChar(0xD800) + "e"),
                QString("ab\u00A0c\u2028de"));
        QVERIFY(session.hasUnsavedChanges());
        QCOMPARE(session.textOf(QDate(2024, 1, 1)), QString("ab\u00A0c\u2028de"));
        QCOMPARE(session.search("c\u2028d").size(), 1);
        QVERIFY(session.flush());
        QVERIFY(!session.hasUnsavedChanges());
        bool ok = false;
        const QByteArray seen
                = python("import plistlib,sys\nprint(ascii(plistlib.load(open(sys.argv[1],'rb'))))",
                        { note }, &ok);
        QVERIFY(ok);
        QCOMPARE(seen.trimmed(),
                QByteArray("[{'date': '2024-01-01', 'text': 'ab\\xa0c\\u2028de'}]"));

        session.storeText("stored");
        QThread::msleep(30); // its write has begun
        session.storeText("never written");
        QVERIFY(session.flush());
        QCOMPARE(readAll(note), QByteArray("truncated <plist"));
        QCOMPARE(session.problem().status, Status::Unreadable);
        QVERIFY(session.hasUnsavedChanges());
    }
};

PENWICK_TEST_MAIN(tst_DiaryWriter, QCoreApplication)
#include "tst_diarywriter.moc"

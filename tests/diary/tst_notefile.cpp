// The note file: lookup, the keystroke's rewrite in every file layout, files that must never be
// overwritten, and removal of empty entries. Files are real, in a temporary folder.
#include "TestEnvironment.h"
#include "diary/DiarySnapshot.h"
#include "diary/NoteFile.h"
#include "diary/NoteScan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

using namespace penwick;
using namespace penwick::diary;
using namespace penwick::test;

namespace {

// A diary as files from elsewhere may hold it: values of every type, entries that are not
// dictionaries, a repeated date, an entry whose text is not a string, one without a date.
QVariantList unusualDiary()
{
    return {
        entry("2024-01-01", "first & <one>"),
        qlonglong(42),
        QVariantMap { { "date", "2024-01-02" }, { "text", "second" }, { "mood", qlonglong(3) },
                { "tags", QVariantList { "a", true, 2.5 } },
                { "when", QDateTime(QDate(2020, 2, 29), QTime(23, 59, 59), Qt::UTC) },
                { "blob", QByteArray("\x00\xff", 2) } },
        entry("2024-01-02", "duplicate, never looked up"),
        entry("2024-01-04", qlonglong(7)),
        QVariantMap { { "text", "no date" } },
        entry("2024-01-03", ""),
        QVariantList { QVariantMap {} },
    };
}

// The same diary laid out in several ways; the keystroke must keep every value in each.
QByteArray layout(const QString &name, const QVariantList &entries, const QString &scratch)
{
    const QByteArray ours = plist::writeXml(entries);
    if (name == "ours")
        return ours;
    if (name == "crlf and entities") {
        QByteArray b = ours;
        b.replace("\n", "\r\n")
                .replace("second", "s&#101;cond")
                .replace("<key>date</key>", "<key>d&#97;te</key>");
        return b;
    }
    if (name == "comments") // outside the scanner's subset: the full reader takes over
        return QByteArray(ours).replace("<array>", "<array><!-- a comment -->");
    if (name == "byte-order mark")
        return "\xEF\xBB\xBF" + ours;
    // plistlib writes XML and binary forms of its own
    writeAll(scratch, ours);
    python(QStringLiteral("import plistlib,sys\nv=plistlib.load(open(sys.argv[1],'rb'))\n"
                          "plistlib.dump(v, open(sys.argv[1],'wb'), fmt=plistlib.%1)")
                    .arg(name == "python binary" ? "FMT_BINARY" : "FMT_XML"),
            { scratch });
    return readAll(scratch);
}

} // namespace

class tst_NoteFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        m_path = m_tmp->filePath("note.plist");
    }

    void keystrokeKeepsEveryValueInEveryLayout_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : { "ours", "crlf and entities", "comments", "byte-order mark",
                     "python xml", "python binary" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // Random edits of existing and new days, compared with the same edits on the list in memory.
    void keystrokeKeepsEveryValueInEveryLayout()
    {
        QFETCH(QString, name);
        QVERIFY(writeAll(m_path, layout(name, unusualDiary(), m_tmp->filePath("scratch"))));
        QVariantList model = unusualDiary();
        QCOMPARE(loadEntries(m_path).entries, model);

        const QStringList dates { "2024-01-01", "2024-01-02", "2024-01-03", "2024-01-04",
            "2024-02-10", "2024-02-11" };
        const QStringList texts { "", "plain", "a & b < c > d", "line\nbreak\r\nand\rreturns",
            QString::fromUtf8("日本語 é e\u0301 🙂"), "]]> <![CDATA[ &amp; </string>",
            QString(QChar(1)) + "ctl\ttab", QString(QChar(0xFEFF)) + "starts with U+FEFF" };
        QRandomGenerator random(7);
        for (int i = 0; i < 40; ++i) {
            const QString date = dates[random.bounded(dates.size())];
            const QString text = texts[random.bounded(texts.size())] + QString::number(i);
            QVERIFY(saveDayText(m_path, date, text).ok());
            replaceEntry(model, date, text);
            QCOMPARE(loadEntries(m_path).entries, model);
            QCOMPARE(readDayText(m_path, date).text, lookupText(model, date));
        }
        // and the result is a file that an independent reader takes with the same values
        // (plistlib refuses control characters in any form, so they are taken out first)
        QVERIFY(saveDayText(m_path, "2024-01-01", "last").ok());
        replaceEntry(model, "2024-01-01", "last");
        for (const QString &date : dates) {
            if (lookupText(model, date).contains(QChar(1))) {
                QVERIFY(saveDayText(m_path, date, "clean").ok());
                replaceEntry(model, date, "clean");
            }
        }
        bool ok = false;
        const QByteArray count
                = python("import plistlib,sys\nprint(len(plistlib.load(open(sys.argv[1],'rb'))))",
                        { m_path }, &ok);
        QVERIFY(ok);
        QCOMPARE(count.trimmed().toInt(), model.size());
    }

    // In the plain layout a keystroke touches nothing but the day's text.
    void keystrokeRewritesOnlyTheDaysText()
    {
        const QByteArray before
                = python("import plistlib,sys\nsys.stdout.buffer.write("
                         "plistlib.dumps([{'date':'2024-01-01','text':'aaa','x':1.5}"
                         ",{'date':'2024-01-02','text':'bbb'}]))");
        QVERIFY(writeAll(m_path, before));
        QVERIFY(saveDayText(m_path, "2024-01-01", "A&B").ok());
        QByteArray expected = before;
        expected.replace("<string>aaa</string>", "<string>A&amp;B</string>");
        QCOMPARE(readAll(m_path), expected);
    }

    // A missing file is reported and not created; one that cannot be read is never written.
    void unreadableFilesAreNeverWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = plist::writeXml(unusualDiary());
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("truncated") << good.left(good.size() - 20);
        QTest::newRow("root is a dictionary") << plist::writeXml(QVariantMap { { "n", 1 } });
        QTest::newRow("not a property list") << QByteArray("Dear diary, today I...");
        QTest::newRow("stray text in the array") << QByteArray(good).replace("<array>", "<array>x");
    }

    void unreadableFilesAreNeverWritten()
    {
        QFETCH(QByteArray, bytes);
        const bool missing = QTest::currentDataTag() == QByteArray("no file");
        QVERIFY(missing || writeAll(m_path, bytes));
        const Status status = missing ? Status::Missing : Status::Unreadable;
        const Outcome saved = saveDayText(m_path, "2024-01-01", "typed");
        QCOMPARE(saved.status, status);
        QVERIFY(missing || !saved.reason.isEmpty());
        QCOMPARE(readDayText(m_path, "2024-01-01").outcome.status, status);
        QCOMPARE(removeEmptyEntries(m_path).status, status);
        QCOMPARE(QFileInfo::exists(m_path), !missing);
        QCOMPARE(readAll(m_path), bytes);
    }

    // What is no regular file is refused at once, never waited on or read without end.
    void otherKindsOfFileAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a FIFO nobody writes") << "fifo";
        QTest::newRow("a link to an endless device") << "zero";
    }
    void otherKindsOfFileAreRefused()
    {
        QFETCH(QString, kind);
        const QString path = m_tmp->filePath(kind + ".plist");
        if (kind == "folder")
            QVERIFY(QDir(m_tmp->path()).mkdir(kind + ".plist"));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link("/dev/zero", path));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(readDayText(path, "2024-01-01").outcome.status, Status::Unreadable);
        QCOMPARE(saveDayText(path, "2024-01-01", "x").status, Status::Unreadable);
        QVERIFY(timer.elapsed() < 1000);
    }

    void removesOnlyEmptyEntriesInOrder()
    {
        QVariantList diary = unusualDiary();
        diary.insert(1, entry("2023-12-30", ""));
        diary.insert(2, entry("2023-12-31", ""));
        QVERIFY(writeEntries(m_path, diary).ok());
        int removed = -1;
        QVERIFY(removeEmptyEntries(m_path, &removed).ok());
        QCOMPARE(removed, 3);
        QVariantList expected = unusualDiary();
        expected.removeAt(6); // 2024-01-03, empty
        QCOMPARE(loadEntries(m_path).entries, expected);
    }

    // The day read from the file's end alone, before the whole file is: a text only where the
    // end says it for sure, nothing where it cannot.
    void glanceAtTheEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("day");
        QTest::addColumn<qsizetype>("tail"); // the end's bytes read
        QTest::addColumn<QVariant>("expected"); // a QString, or invalid for nothing

        QVariantList filler;
        for (int i = 1; i <= 28; ++i)
            filler << entry(QString::asprintf("2024-02-%02d", i), QString(40, 'x'));
        const QByteArray big = plist::writeXml(QVariantList { entry("2024-03-01", "early") }
                + filler
                + QVariantList { entry("2024-03-01", "late"), entry("2024-03-02", "a & <b>") });
        // from inside the entry of 25 February
        const qsizetype end = big.size() - big.indexOf("2024-02-25");
        QTest::newRow("the last entry") << big << "2024-03-02" << end << QVariant("a & <b>");
        // the whole file answers otherwise: the earlier entry for the day comes first
        QTest::newRow("first in the end") << big << "2024-03-01" << end << QVariant("late");
        QTest::newRow("not in the end") << big << "2024-01-01" << end << QVariant(QString());
        QTest::newRow("small file") << big << "2024-03-02" << big.size() << QVariant();
        // the end starts inside an entry's own dictionary: the next whole entry is found
        const QByteArray nested = plist::writeXml(filler
                + QVariantList { QVariantMap { { "date", "2024-03-03" }, { "text", "n" },
                                         { "meta", QVariantMap { { "k", "v" } } } },
                        entry("2024-03-04", "after") });
        QTest::newRow("cut in a value")
                << nested << "2024-03-04" << nested.size() - nested.indexOf("<key>meta")
                << QVariant("after");
        QTest::newRow("not a diary's end")
                << QByteArray(4000, 'x') << "2024-03-02" << qsizetype(1000) << QVariant();
        const QByteArray cut = QByteArray(big).replace("</dict>\n</array>", "</arr");
        QTest::newRow("cut tags") << cut << "2024-03-02" << end << QVariant();
    }

    void glanceAtTheEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, day);
        QFETCH(qsizetype, tail);
        QFETCH(QVariant, expected);
        QVERIFY(writeAll(m_path, bytes));
        const std::optional<QString> glance = DiarySnapshot::glanceAtEnd(m_path, day, tail);
        QCOMPARE(glance.has_value(), expected.isValid());
        if (glance)
            QCOMPARE(*glance, expected.toString());
        QVERIFY(!DiarySnapshot::glanceAtEnd(m_tmp->filePath("missing.plist"), day, 10));
    }

    // The scanner is a shortcut; it must never accept a file the full reader refuses or read it
    // differently. Mutate a file byte by byte and compare the two on every result.
    void scannerAgreesWithTheFullReader()
    {
        const QByteArray good = plist::writeXml(QVariantList { entry("2024-01-01", "a&b"),
                entry("2024-01-02", "x"),
                QVariantMap { { "date", "2024-01-03" }, { "text", "t" }, { "n", qlonglong(5) } } });
        const QByteArray alphabet(
                "<>/&;#\"' \n\rabdeginorstxyz0123456789-!?[]\0", 41); // NUL included
        QRandomGenerator random(11);
        int accepted = 0;
        for (int i = 0; i < 6000; ++i) {
            QByteArray bytes = good;
            for (int n = 1 + int(random.bounded(2)); n > 0; --n) {
                const int at = int(random.bounded(bytes.size()));
                const quint32 how = random.bounded(3); // replace, remove or insert
                if (how == 1)
                    bytes.remove(at, 1 + int(random.bounded(4)));
                else if (how == 0)
                    bytes[at] = alphabet[random.bounded(alphabet.size())];
                else
                    bytes.insert(at, alphabet[random.bounded(alphabet.size())]);
            }
            const auto scan = NoteScan::scan(bytes);
            if (!scan)
                continue;
            ++accepted;
            const plist::ReadResult full = plist::read(bytes);
            QVERIFY2(full.value && full.value->typeId() == QMetaType::QVariantList,
                    bytes.constData());
            const QVariantList entries = full.value->toList();
            for (const char *date : { "2024-01-01", "2024-01-02", "2024-01-03", "2024-01-0" }) {
                const qsizetype found = scan->find(bytes, date);
                const QString fast = found < 0
                        ? QString()
                        : decodeCharacterData(scan->entries[size_t(found)].text.of(bytes));
                QVERIFY2(fast == lookupText(entries, date), bytes.constData());
            }
        }
        QVERIFY(accepted > 100); // the mutations that keep a valid file were tried too
    }
};

PENWICK_TEST_MAIN(tst_NoteFile, QCoreApplication)
#include "tst_notefile.moc"

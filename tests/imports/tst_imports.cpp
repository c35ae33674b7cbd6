// Reading other programs' diaries from small samples written here, and refusing hostile ones.
#include "TestEnvironment.h"
#include "history/HistoryStore.h"
#include "imports/ForeignDiary.h"

#include <QCoreApplication>
#include <zip.h>

using namespace penwick::imports;
using namespace penwick::test;

// A file to place in the test folder; "a.zip/b.json" is member b.json of the zip archive a.zip.
// The bytes are padded to padTo with padding, so that huge files need no huge table.
struct Planted
{
    QString name;
    QByteArray bytes;
    qint64 padTo = 0;
    char padding = ' ';
};
using Files = QList<Planted>;
using Texts = QMap<QString, QString>;
Q_DECLARE_METATYPE(Files)

static QByteArray padded(const Planted &file)
{
    return file.bytes
            + QByteArray(std::max<qint64>(0, file.padTo - file.bytes.size()), file.padding);
}

static void plant(const QString &folder, const Files &files)
{
    QMap<QString, zip_t *> archives;
    for (const Planted &file : files) {
        const qsizetype zipEnd = file.name.indexOf(u".zip/");
        const QString path = folder + u'/' + file.name.left(zipEnd < 0 ? -1 : zipEnd + 4);
        QDir().mkpath(QFileInfo(path).path());
        if (zipEnd < 0) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(padded(file)) >= 0);
            continue;
        }
        if (!archives.contains(path))
            archives[path] = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE, nullptr);
        const QByteArray bytes = padded(file);
        void *copy = malloc(std::max<qsizetype>(1, bytes.size()));
        memcpy(copy, bytes.constData(), bytes.size());
        zip_source_t *source = zip_source_buffer(archives[path], copy, bytes.size(), 1);
        QVERIFY(zip_file_add(archives[path], file.name.mid(zipEnd + 5).toUtf8(), source, 0) >= 0);
    }
    for (zip_t *archive : std::as_const(archives))
        QCOMPARE(zip_close(archive), 0);
}

class tst_Imports : public QObject
{
    Q_OBJECT

    // The files planted in a fresh folder, read as a diary from the first file's top folder or
    // file.
    static ImportedDiary readPlanted(const Files &files)
    {
        const QTemporaryDir dir;
        plant(dir.path(), files);
        return readForeignDiary(dir.filePath(files.first().name.section(u'/', 0, 0)));
    }

private Q_SLOTS:
    void readsEachFormat_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("attachments");
        QTest::addColumn<Texts>("texts");
        QTest::newRow("jrnl text: 24 and 12 hours, seconds, time order")
                << Files { { "diary.txt",
                           "\n[2021-03-04 09:30] Morning\nWent out.\n\n"
                           "[2021-03-04 08:15:20] Earlier\nFirst.\n"
                           "[2021-03-05 01:10 PM] Tea\n[2021-03-05 12:05 AM] Night\n"
                           "[2021-03-05 12:30pm]  Noon \r\nLunch.\r\n\n \n" } }
                << "jrnl" << 0
                << Texts { { "2021-03-04", "08:15 Earlier\nFirst.\n\n09:30 Morning\nWent out." },
                       { "2021-03-05", "00:05 Night\n\n12:30 Noon\nLunch.\n\n13:10 Tea" } };
        QTest::newRow("jrnl JSON") << Files {
            { "x.json", R"({"tags": {"@a": 1}, "entries": [
                    {"title": "Tea", "body": "Green.\n", "date": "2020-01-02", "time": "17:45", "tags": ["@a"], "starred": true},
                    {"title": "", "body": "Plain", "date": "2020-01-02", "time": "07:00", "tags": [], "starred": false}]})" }
        } << "jrnl" << 0 << Texts { { "2020-01-02", "07:00\nPlain\n\n17:45 Tea\nGreen." } };
        QTest::newRow("RedNotebook: block and flow style, other keys and files ignored")
                << Files { { "data/2019-07.txt",
                                   "4:\n  Cat: {x: null}\n  text: |\n    Block one\n    two\n"
                                   "12: {text: 'Flow ''quoted'''}\n30: {Tags: {}}\n" },
                       { "data/2019-08.txt", "1: {text: \"August\"}\n" },
                       { "data/2019-09-01.md", "not a note here" } }
                << "RedNotebook" << 0
                << Texts { { "2019-07-04", "Block one\ntwo" }, { "2019-07-12", "Flow 'quoted'" },
                       { "2019-08-01", "August" } };
        QTest::newRow("Day One JSON: the day and time where written, the user's own without a zone")
                << Files { { "Journal.json", R"({"metadata": {}, "entries": [
                    {"creationDate": "2021-03-05T03:30:00Z", "timeZone": "America/New_York", "text": "Late **walk**\n", "photos": [{}, {}]},
                    {"creationDate": "2021-03-05T23:30:00Z", "timeZone": "Nowhere/Else", "text": "Early"},
                    {"creationDate": "2021-03-06T23:10:00", "text": "Zoneless"},
                    {"creationDate": "2021-03-06T10:00:00Z", "pdfAttachments": [{}]}]})" } }
                << "Day One" << 3
                << Texts { { "2021-03-04", "22:30\nLate **walk**" },
                       { "2021-03-06", "00:30\nEarly" }, { "2021-03-07", "00:10\nZoneless" } };
        QTest::newRow("Day One zip: two journals and a photo")
                << Files { { "e.zip/Journal.json",
                                   R"({"entries": [{"creationDate": "2022-06-01T10:00:00Z",
                                "timeZone": "Europe/Berlin", "text": "Home", "photos": [{"md5": "ab"}]}]})" },
                       { "e.zip/photos/ab.jpeg", "\xff\xd8\xff" },
                       { "e.zip/Travel.json",
                               R"({"entries": [{"creationDate": "2022-06-01T20:00:00Z",
                                "timeZone": "Asia/Tokyo", "text": "Kyoto", "audios": [{}]}]})" } }
                << "Day One" << 2
                << Texts { { "2022-06-01", "12:00\nHome" }, { "2022-06-02", "05:00\nKyoto" } };
        QTest::newRow("daily notes")
                << Files { { "n/2023-01-09.md", "# Monday\n\nfine\n\n" },
                       { "n/2023-01-10.TXT", "Tue" }, { "n/readme.md", "ignored" },
                       { "n/2023-01-11.doc", "ignored" } }
                << "daily notes" << 0
                << Texts { { "2023-01-09", "# Monday\n\nfine" }, { "2023-01-10", "Tue" } };
    }

    void readsEachFormat()
    {
        QFETCH(Files, files);
        const ImportedDiary diary = readPlanted(files);
        QCOMPARE(diary.error, QString());
        QTEST(diary.kind, "kind");
        QTEST(diary.attachmentsLeftOut, "attachments");
        QTEST(textsByDay(diary), "texts");
    }

    void merges_data()
    {
        QTest::addColumn<QString>("here");
        QTest::addColumn<QString>("imported");
        QTest::addColumn<QString>("merged");
        for (const auto &[name, here, imported, merged] :
                { std::tuple { "blank day takes the import", " \n", "new\n", "new" },
                        { "day holding the import is unchanged", "old\nnew\nmore", "new\n\n",
                                "old\nnew\nmore" },
                        { "other text is followed by the import", "old\n", "new", "old\n\nnew" } })
            QTest::newRow(name) << QString(here) << QString(imported) << QString(merged);
    }

    void merges()
    {
        QFETCH(QString, here);
        QFETCH(QString, imported);
        QTEST(mergedDayText(here, imported), "merged");
        QFETCH(QString, merged); // importing again changes nothing
        QCOMPARE(mergedDayText(merged, imported), merged);
    }

    void refusesHostileFiles_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("error");
        const auto one = [](const char *name, const char *file, const QByteArray &bytes,
                                 const char *error) {
            QTest::newRow(name) << Files { { file, bytes } } << QString(error);
        };
        const QByteArray emptyJournal = R"({"entries": []})";
        QTest::newRow("zip bomb") << Files { { "b.zip/J.json", "", qint64(300) << 20, '\0' } }
                                  << "larger than 64 MiB";
        Files parts;
        for (int i = 0; i < 5; ++i)
            parts.append({ QString("b.zip/%1.json").arg(i), emptyJournal, qint64(60) << 20 });
        QTest::newRow("zip unpacking past the total") << parts << "more than 256 MiB in total";
        Files members;
        for (int i = 0; i <= maxZipMembers; ++i)
            members.append({ QString("m.zip/%1").arg(i), "" });
        QTest::newRow("zip with too many members") << members << "more than 10000 files";
        Files many;
        for (int i = 0; i <= maxFolderFiles; ++i)
            many.append({ QString("f/%1").arg(i), "" });
        QTest::newRow("folder with too many files") << many << "more than 100000 files";
        QTest::newRow("file too large")
                << Files { { "big.txt", "[2021-01-01 10:00]", qint64(65) << 20 } }
                << "larger than 64 MiB";
        QTest::newRow("day too large")
                << Files { { "d.txt", "[2021-01-01 10:00]\n", qint64(11) << 20, 'x' } }
                << "10 MiB of text for 2021-01-01";
        one("deep JSON", "deep.json",
                "{\"entries\": " + QByteArray(65, '[') + QByteArray(65, ']') + "}",
                "nested deeper than 64 levels");
        one("YAML alias bomb", "r/2020-01.txt",
                "a: &a [x, x]\nb: &b [*a, *a]\nc: &c [*b, *b]\n1: {text: *c}\n",
                "uses YAML aliases");
        one("invalid UTF-8", "u.txt", "[2021-01-01 10:00] t\nbad \xff\xfe\n",
                "u.txt is not valid UTF-8");
        one("year 0", "n/0000-05-01.md", "x", "date 0000-05-01");
        one("year 10000", "j.txt", "[10000-01-01 10:00] x", "date 10000-01-01");
        one("February 30", "j.json", R"({"entries": [{"date": "2021-02-30", "body": ""}]})",
                "date 2021-02-30");
        one("13 PM", "j.txt", "[2021-01-01 13:00 PM]", "time 13:00 PM");
        one("Day One entry without a date", "o.json",
                R"({"entries": [{"creationDate": "2021-01-01T00:00:00Z"}, {"text": "x"}]})",
                "not in the form Penwick expects");
        one("not a diary", "letter.txt", "Dear diary,\n[2021-01-01 10:00]", "not a diary");
        one("empty file", "e.txt", "", "not a diary");
        one("folder of other files", "o/2021-13.md", "x", "not a diary");
    }

    void refusesHostileFiles()
    {
        QFETCH(Files, files);
        QFETCH(QString, error);
        const ImportedDiary diary = readPlanted(files);
        QVERIFY2(diary.error.contains(error), qPrintable(diary.error));
        QVERIFY(diary.entries.isEmpty());
        QCOMPARE(diary.attachmentsLeftOut, 0);
    }

    // Into the diary: days appended to, every changed day in the history, a backup first;
    // from the command line, with no display, the same question printed and the exit code.
    void importsFromTheCommandLine_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("a jrnl file") << "j.txt" << 0 << "Import 2 days from jrnl? 1 of them";
        QTest::newRow("the same again") << "j.txt" << 0 << "here already: nothing to import";
        QTest::newRow("no diary") << "other.txt" << 2 << "is not a diary Penwick can import";
        QTest::newRow("missing") << "gone.txt" << 2 << "cannot be read";
    }
    void importsFromTheCommandLine()
    {
        QFETCH(QString, source);
        const QString folder = environment().home();
        const QString penwickData = environment().dataHome() + "/Hollyfen/Penwick";
        const QString diary = penwickData + "/note.plist";
        if (QTest::currentDataTag() == QLatin1String("a jrnl file")) {
            plant(folder,
                    { { "j.txt", "[2024-03-01 09:15] Run\n5k.\n[2024-03-02 07:00] Rain\n" },
                            { "other.txt", "Dear diary" } });
            QVERIFY(writeAll(diary,
                    "<plist><array><dict><key>date</key><string>2024-03-01</string>"
                    "<key>text</key><string>mine</string></dict></array></plist>"));
        }
        QProcess penwick;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        penwick.setProcessEnvironment(env);
        penwick.start(PENWICK_EXECUTABLE, { "--import", folder + "/" + source });
        QVERIFY(penwick.waitForFinished(30000));
        QTEST(penwick.exitCode(), "exitCode");
        QFETCH(QString, said);
        const QString output = QString::fromUtf8(
                penwick.readAllStandardOutput() + penwick.readAllStandardError());
        QVERIFY2(output.contains(said), qPrintable(output));
        const QByteArray stored = readAll(diary);
        QVERIFY(stored.contains("<string>mine\n\n09:15 Run\n5k.</string>"));
        QVERIFY(stored.contains("<string>07:00 Rain</string>"));
        penwick::history::HistoryStore history(penwickData + "/history.sqlite");
        const auto versions = history.versions(penwick::history::diaryKeyPath(diary), "2024-03-01");
        QCOMPARE(versions.size(), 2); // as it was, and as the import left it
        QCOMPARE(versions.first().origin, penwick::history::Origin::Imported);
        QCOMPARE(QDir(penwickData + "/Backups").entryList(QDir::Files).size(), 1);
    }
};

PENWICK_TEST_MAIN(tst_Imports, QCoreApplication)
#include "tst_imports.moc"

// The exports on real files: each format over a range of a diary read through a session (the
// days at the range's edges, an empty day, text that needs escaping, right-to-left and Japanese
// text), the PDF read back with pdftotext, the round trips through Penwick's own import, what a
// cancelled or refused export leaves, and the command line's exit codes.
#include "TestEnvironment.h"
#include "diary/DiarySession.h"
#include "diary/DiaryStorage.h"
#include "export/ExportCommand.h"
#include "export/ExportJob.h"
#include "imports/ImportIntoDiary.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

using namespace penwick;
using namespace penwick::exports;
using penwick::test::entry;
using penwick::test::readAll;

namespace {

const QString tricky = QString::fromUtf8("A <b>bold</b> & \"quoted\" day\n# not a heading\n"
                                         "---\nשלום עולם\n今日は雨が降っていました。");

QString notePath()
{
    return test::environment().dataHome() + "/Hollyfen/Penwick/note.plist";
}

// Out of order in the file, as an import may leave it.
QVariantList sampleDiary()
{
    return { entry("2026-02-01", "after the range"), entry("2026-01-01", tricky),
        entry("2026-01-15", ""), entry("2026-01-31", "  Last day, indented.\n\nEnd."),
        entry("2025-12-31", "before the range") };
}

// What a file or a folder of daily notes holds, as text; a PDF's text as pdftotext reads it.
QString contentOf(const QString &path, Format format)
{
    if (format == Format::DailyNotes) {
        QString all;
        for (const QString &name : QDir(path).entryList(QDir::Files))
            all += name + '\n' + QString::fromUtf8(readAll(QDir(path).filePath(name)));
        return all;
    }
    if (format != Format::Pdf)
        return QString::fromUtf8(readAll(path));
    QProcess text;
    text.start("pdftotext", { path, "-" });
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace

class tst_Export : public QObject
{
    Q_OBJECT

    QTemporaryDir m_out;

    ExportOutcome exportDays(Format format, const QString &to, QDate first = { 1, 1, 1 },
            QDate last = { 9999, 12, 31 }, bool leaveOutEmpty = false,
            ExportProgress *progress = nullptr)
    {
        diary::DiarySession session;
        session.flush();
        ExportOptions options;
        options.format = format;
        options.leaveOutEmptyDays = leaveOutEmpty;
        ExportProgress own;
        return writeExport(session.daysBetween(first, last), options, to, notePath(),
                progress ? progress : &own);
    }

private Q_SLOTS:
    void init()
    {
        test::environment().clean();
        QVERIFY(test::writeAll(notePath(), plist::writeXml(sampleDiary())));
        QDir(m_out.path()).removeRecursively();
        QDir().mkpath(m_out.path());
    }

    void formats_data()
    {
        QTest::addColumn<Format>("format");
        QTest::addColumn<bool>("leaveOutEmpty");
        QTest::addColumn<QStringList>("inOrder");
        QTest::addColumn<QStringList>("absent");
        const QStringList outside { "before the range", "after the range" };
        QTest::newRow("text: today's blocks, the empty day too")
                << Format::Text << false
                << QStringList { "2026-01-01\n" + tricky + "\n\n", "2026-01-15\n\n\n",
                       "2026-01-31\n  Last day" }
                << outside;
        QTest::newRow("markdown: year and day headings, headings in the text escaped")
                << Format::Markdown << true
                << QStringList { "# 2026\n\n## Thursday, 1 January 2026\n\nA <b>bold</b>",
                       "\n\\# not a heading\n\\---\nשלום", "## Saturday, 31 January 2026" }
                << outside + QStringList { "15 January", "\n# not", "\n---" };
        QTest::newRow("daily notes: one file a day, the text as written")
                << Format::DailyNotes << false
                << QStringList { "2026-01-01.md\n" + tricky + "\n", "2026-01-15.md\n2026-01-31.md" }
                << outside;
        QTest::newRow("html: index, headings, the text escaped with its direction")
                << Format::Html << false
                << QStringList { "<a href=\"#m2026-01\">January</a>", "<h2 id=\"m2026-01\">",
                       "Thursday, 1 January 2026</h3>",
                       "dir=\"auto\">A &lt;b&gt;bold&lt;/b&gt; &amp; &quot;quoted&quot; day\n# not",
                       "Thursday, 15 January 2026", "  Last day, indented.\n\nEnd.</p>" }
                << outside + QStringList { "<b>", "src=", "href=\"http" };
        QTest::newRow("pdf: the range, months and days in order, text set right")
                << Format::Pdf << true
                << QStringList { "1 January 2026 – 31 January 2026", "2 days", "January 2026",
                       "Thursday, 1 January 2026", "A <b>bold</b> & \"quoted\" day",
                       "# not a heading", "今日は雨が降っていました。", "Saturday, 31 January 2026",
                       "Last day, indented." }
                << outside + QStringList { "15 January" };
        QTest::newRow("json: jrnl's shape, the text escaped")
                << Format::Json << false
                << QStringList { "{\n  \"tags\": {},\n  \"entries\": [\n    {\n      \"title\": "
                                 "\"\",",
                       "\"body\": \"A <b>bold</b> & \\\"quoted\\\" day\\n# not a heading\\n",
                       "\"date\": \"2026-01-01\",\n      \"time\": \"\",", "\"body\": \"\",",
                       "\"date\": \"2026-01-31\"" }
                << outside;
    }
    void formats()
    {
        QFETCH(Format, format);
        QFETCH(bool, leaveOutEmpty);
        QFETCH(QStringList, inOrder);
        QFETCH(QStringList, absent);
        if (format == Format::Pdf && QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString out = m_out.filePath("export");
        QVERIFY(exportDays(format, out, { 2026, 1, 1 }, { 2026, 1, 31 }, leaveOutEmpty).ok());
        const QString content = contentOf(out, format);
        qsizetype at = 0;
        for (const QString &part : inOrder) {
            const qsizetype found = content.indexOf(part, at);
            QVERIFY2(found >= 0, qPrintable("missing or out of order: " + part + "\n" + content));
            at = found + part.size();
        }
        for (const QString &part : absent)
            QVERIFY2(!content.contains(part), qPrintable("should not hold: " + part));
    }

    void wholeDiaryAsTextIsTodaysExport()
    {
        const QString out = m_out.filePath("new.txt");
        QVERIFY(exportDays(Format::Text, out).ok());
        QVERIFY(diary::exportDiary(notePath(), m_out.filePath("today.txt")).ok);
        QCOMPARE(readAll(out), readAll(m_out.filePath("today.txt")));
    }

    void readsTheTextNotYetStored()
    {
        diary::DiarySession session([] { return QDateTime(QDate(2026, 1, 15), QTime(9, 0)); });
        {
            test::FileSizeLimit full(8192); // the diary cannot take the new text
            session.storeText(QString(100000, 'n'));
            session.flush();
        }
        QVERIFY(session.hasUnsavedChanges());
        const QList<DiaryEntry> days = session.daysBetween({ 2026, 1, 15 }, { 2026, 1, 31 });
        QCOMPARE(days.size(), 2);
        QCOMPARE(days[0].text, QString(100000, 'n'));
        QCOMPARE(days[1].date, "2026-01-31");
    }

    void roundTrip_data()
    {
        QTest::addColumn<Format>("format");
        QTest::newRow("daily notes") << Format::DailyNotes;
        QTest::newRow("json") << Format::Json;
    }
    void roundTrip()
    {
        QFETCH(Format, format);
        const QString out = m_out.filePath(format == Format::Json ? "diary.json" : "notes");
        QVERIFY(exportDays(format, out).ok());
        const QString empty = m_out.filePath("empty.plist");
        QVERIFY(diary::writeEmptyDiary(empty).ok);
        const QString preferences = m_out.filePath("preferences.plist");
        QVERIFY(test::writeAll(preferences, plist::writeXml(QVariantMap { { "safe", empty } })));
        diary::DiarySession session({}, preferences);
        const imports::ImportPlan plan = imports::planImport(out, session);
        QVERIFY2(plan.error.isEmpty(), qPrintable(plan.error));
        QMap<QString, QString> expected; // an empty day has nothing to bring back
        for (const QVariant &day : sampleDiary())
            if (!day.toMap()["text"].toString().isEmpty())
                expected.insert(day.toMap()["date"].toString(), day.toMap()["text"].toString());
        QCOMPARE(plan.changes, expected);
    }

    void cancelledOrRefusedLeavesNothing_data()
    {
        QTest::addColumn<Format>("format");
        QTest::addColumn<bool>("ontoDiary");
        QTest::newRow("text over a file, cancelled") << Format::Text << false;
        QTest::newRow("pdf over a file, cancelled") << Format::Pdf << false;
        QTest::newRow("daily notes, cancelled") << Format::DailyNotes << false;
        QTest::newRow("onto the diary itself") << Format::Markdown << true;
    }
    void cancelledOrRefusedLeavesNothing()
    {
        QFETCH(Format, format);
        QFETCH(bool, ontoDiary);
        const QString out = ontoDiary ? notePath() : m_out.filePath("export");
        if (format != Format::DailyNotes && !ontoDiary)
            QVERIFY(test::writeAll(out, "the file as it was"));
        const QByteArray before = readAll(out);
        ExportProgress progress;
        progress.cancelled = !ontoDiary;
        const ExportOutcome outcome
                = exportDays(format, out, { 1, 1, 1 }, { 9999, 12, 31 }, false, &progress);
        QCOMPARE(outcome.cancelled, !ontoDiary);
        QCOMPARE(outcome.error.contains("is the diary Penwick has open"), ontoDiary);
        QCOMPARE(readAll(out), before);
        QCOMPARE(QDir(m_out.path())
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                format == Format::DailyNotes || ontoDiary ? QStringList()
                                                          : QStringList { "export" });
    }

    void dailyNotesNeverReplaceNotes()
    {
        const QString folder = m_out.filePath("notes");
        QVERIFY(test::writeAll(folder + "/2026-01-01.md", "written elsewhere"));
        QVERIFY(exportDays(Format::DailyNotes, folder).error.contains("not an empty folder"));
        QCOMPARE(readAll(folder + "/2026-01-01.md"), QByteArray("written elsewhere"));
        QVERIFY(QFile::remove(folder + "/2026-01-01.md"));
        QVERIFY(exportDays(Format::DailyNotes, folder).ok()); // an empty folder takes them
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 5);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        const QString out = "OUT";
        QTest::newRow("a range as pdf") << QStringList { "pdf", "--from", "2026-01-01", "--to",
            "2026-01-31", out } << 0 << "Exported 3 days to OUT.";
        QTest::newRow("unknown format")
                << QStringList { "docx", out } << 2 << "“docx” is no format";
        QTest::newRow("a day that does not exist") << QStringList { "text", "--from", "2026-02-30",
            out } << 2 << "“2026-02-30” after --from";
        QTest::newRow("from after to") << QStringList { "json", "--from", "2026-02-01", "--to",
            "2026-01-01", out } << 2 << "2026-02-01, comes after";
        QTest::newRow("no destination") << QStringList { "html" } << 2 << "Usage: penwick --export";
        QTest::newRow("a folder that is not there")
                << QStringList { "markdown", "missing/x.md" } << 1 << "missing/x.md";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QProcess penwick;
        penwick.setWorkingDirectory(m_out.path());
        penwick.start(PENWICK_EXECUTABLE, QStringList { "--export" } + arguments);
        QVERIFY(penwick.waitForFinished(60000));
        const QString output = QString::fromUtf8(
                exitCode ? penwick.readAllStandardError() : penwick.readAllStandardOutput());
        QVERIFY2(output.contains(said), qPrintable(output));
        QCOMPARE(penwick.exitCode(), exitCode);
        QCOMPARE(QFileInfo::exists(m_out.filePath("OUT")), exitCode == 0);
    }
};

PENWICK_TEST_MAIN(tst_Export, QGuiApplication)
#include "tst_export.moc"

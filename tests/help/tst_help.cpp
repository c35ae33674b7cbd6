// Help: the update check against a real HTTP server on 127.0.0.1 (which documents bring the
// notice; a silent server, a 404 or an odd document end it without one, in time), and the
// manual's styling in English and in each translation, whatever ends their sentences.
#include "HttpServer.h"
#include "TestEnvironment.h"
#include "help/Manual.h"
#include "help/UpdateCheck.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTranslator>

using namespace penwick::help;

namespace {

QByteArray app(const char *vers, const char *dots = "10.0", const char *name = "Penwick")
{
    return QStringLiteral(R"({"name": "%1", "dots": "%2", "vers": "%3"})")
            .arg(name, dots, vers)
            .toUtf8();
}

} // namespace

class tst_Help : public QObject
{
    Q_OBJECT

    static QString styles(const QList<ManualParagraph> &paragraphs)
    {
        QString out;
        for (const ManualParagraph &p : paragraphs)
            out += p.pointSize == 14 ? 'T' : p.bold ? 'H' : 'b';
        return out;
    }

private Q_SLOTS:
    void versionsReadAsTheirDigits()
    {
        for (const auto &[text, number] : std::initializer_list<std::pair<const char *, qint64>> {
                     { "1.4", 14 }, { "1.4.1", 141 }, { "1.10", 110 }, { "2.0", 20 },
                     { "  -3.1x", -31 }, { "beta", 0 },
                     { "99999999999999999999", std::numeric_limits<qint64>::max() } })
            QCOMPARE(versionNumber(text), number);
        QCOMPARE(productPageUrl(QUrl("https://penwick.example/"), "Pen Wick's"),
                QUrl("https://penwick.example/penwicks.html"));
    }

    void documents_data()
    {
        QTest::addColumn<QString>("running");
        QTest::addColumn<quint64>("system");
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<bool>("notice");
        const auto row = [](const char *name, const char *running, const QByteArray &document,
                                 bool notice, quint64 system = 1015) {
            QTest::newRow(name) << QString(running) << system << document << notice;
        };
        // dotted versions compare part by part, a missing part reading as 0
        for (const auto &[running, listed,
                     newer] : std::initializer_list<std::tuple<const char *, const char *, bool>> {
                     { "1.4", "1.5", true }, { "1.4", "1.4", false }, { "1.4", "1.3", false },
                     { "1.4", "1.4.1", true }, { "1.10", "1.9", false }, { "2.0", "1.9.9", false },
                     { "2.0.0", "3.0", true }, { "2.0.0", "10.0", true }, { "1.9", "1.10", true },
                     { "2.0", "2.0.0", false }, { "2.0.0", "2.0.0.1", true } })
            row(qPrintable(QString("%1 to %2").arg(running, listed)), running,
                    "[" + app(listed) + "]", newer);
        row("not dotted numbers: digits", "1.4", "[" + app("1.5beta") + "]", true);
        row("system above dots", "1.0", "[" + app("2.0", "10.13") + "]", true);
        row("system below dots", "1.0", "[" + app("2.0", "10.10") + "]", false, 1009);
        row("11.2 against 12.0", "1.0", "[" + app("2.0", "12.0") + "]", false, 1102);
        row("negative dots", "1.0", "[" + app("2.0", "-1.0") + "]", false);
        row("first of two decides", "1.0", "[" + app("0.9") + "," + app("2.0") + "]", false);
        row("name in another case", "1.0", "[" + app("2.0", "1.0", "penwick") + "]", false);
        row("another app first", "1.0", "[" + app("9.0", "1.0", "Other") + "," + app("2.0") + "]",
                true);
        row("no dots", "1.0", R"([{"name":"Penwick","vers":"2.0"}])", true);
        row("no vers", "1.0", R"([{"name":"Penwick","dots":"1.0"}])", false);
        row("dots of one part", "1.0", "[" + app("2.0", "10") + "]", false);
        row("not an array", "1.0", app("2.0"), false);
        row("not objects", "1.0", R"([1, "Penwick"])", false);
        row("a number for vers", "1.0", R"([{"name":"Penwick","dots":"1.0","vers":2}])", false);
        row("html", "1.0", "<html>Not found</html>", false);
    }

    void documents()
    {
        QFETCH(QString, running);
        QFETCH(quint64, system);
        QFETCH(QByteArray, document);
        QFETCH(bool, notice);
        const QString listed = newerVersionListed(document, "Penwick", running, system);
        QCOMPARE(!listed.isEmpty(), notice);
        QVERIFY(listed.isEmpty() || document.contains(QByteArray("\"" + listed.toUtf8() + "\"")));
    }

    // Over real HTTP: the document's address, a notice, redirects (followed on the same host
    // only), a body past the limit, a 404, and a server that never answers.
    void overHttp()
    {
        const QByteArray notice = "[" + app("999.0", "0.0") + "]";
        penwick::test::DocumentServer server(notice);
        UpdateCheck check;
        QSignalSpy found(&check, &UpdateCheck::newerVersionFound);
        QSignalSpy finished(&check, &UpdateCheck::finished);
        const auto run = [&] {
            check.start(server.base(), "Penwick", "2.0.0");
            QVERIFY(finished.wait(5000));
        };
        run();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0][0].toString(), QString("999.0"));
        QCOMPARE(server.lastPath, QByteArray("/site/xapp.json"));

        server.redirects["/site/xapp.json"] = "/site/moved.json";
        run();
        QCOMPARE(found.size(), 2);
        server.redirects["/site/xapp.json"]
                = "http://localhost:" + QByteArray::number(server.serverPort()) + "/site/";
        run();
        QCOMPARE(server.requests, 4);
        server.redirects.clear();
        server.body = notice + QByteArray(UpdateCheck::bodyLimit, ' ');
        run();
        server.body = notice;
        server.status = "404 Not Found";
        run();
        QCOMPARE(found.size(), 2);

        server.silent = true;
        QElapsedTimer timer;
        timer.start();
        check.start(server.base(), "Penwick", "2.0.0");
        QVERIFY(check.isRunning()); // the event loop goes on meanwhile
        QVERIFY(finished.wait(UpdateCheck::deadlineMs + 3000));
        QVERIFY2(timer.elapsed() >= UpdateCheck::deadlineMs - 100,
                qPrintable(QString::number(timer.elapsed())));
        QVERIFY(timer.elapsed() < UpdateCheck::deadlineMs + 2000);
        QCOMPARE(found.size(), 2);
        QCOMPARE(server.requests, 7);
    }

    void theRuleFollowsTheTranslatedText()
    {
        // a body sentence ending in an ideographic full stop is body text; without a full stop
        // it is a heading, and the title stays the title whatever it ends with
        const QList<ManualParagraph> styled = manual([](const char *english) {
            const QString text = QString::fromUtf8(english);
            if (text.startsWith("A diary"))
                return QStringLiteral("自動保存の日記です。");
            if (text.startsWith("When you write text"))
                return QStringLiteral("Automatically saved");
            if (text == "Penwick Help")
                return QStringLiteral("Help.");
            return text;
        });
        QCOMPARE(styles(styled), QString("THbHbHHbHbHbHbbbbHbHbHb"));
        QCOMPARE(styled[2].pointSize, 12);
        QVERIFY(!styled[2].bold);
    }

    void everyTranslationKeepsTheShape_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "";
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
        QTest::newRow("Japanese") << "ja";
    }

    void everyTranslationKeepsTheShape()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language.isEmpty() || translator.load(QLocale(language), "penwick", "_", ":/i18n"));
        QCoreApplication::installTranslator(&translator);
        const QList<ManualParagraph> translated = manual();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(styles(translated), QString("THbHbbHbHbHbHbbbbHbHbHb"));
        const QList<ManualParagraph> english = manual(); // built anew each time
        QCOMPARE(english[16].text, "Clicking on x in the search box will delete the list.");
        QCOMPARE(translated[2].text != english[2].text, !language.isEmpty());
        if (language == "ja")
            QVERIFY(translated[2].text.endsWith(QChar(0x3002)));
    }
};

PENWICK_TEST_MAIN(tst_Help, QCoreApplication)
#include "tst_help.moc"

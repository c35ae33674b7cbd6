// The update check against a real HTTP server on 127.0.0.1: which documents bring the notice,
// and that a silent server, a 404 or an odd document end the check without one, in time.
#include "TestEnvironment.h"
#include "help/UpdateCheck.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

using namespace penwick::help;

namespace {

// Answers every request with one response, or with none at all when silent.
class DocumentServer : public QTcpServer
{
public:
    QByteArray status = "200 OK";
    QByteArray body;
    bool silent = false;
    int requests = 0;
    QByteArray lastPath;
    QMap<QByteArray, QByteArray> redirects; // path -> Location

    DocumentServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    ++requests;
                    lastPath = request.split(' ').value(1);
                    if (silent)
                        return;
                    const QByteArray location = redirects.value(lastPath);
                    const QByteArray locationLine
                            = location.isEmpty() ? QByteArray() : "\r\nLocation: " + location;
                    socket->write("HTTP/1.1 " + (location.isEmpty() ? status : "302 Found")
                            + locationLine
                            + "\r\nContent-Type: application/json\r\n"
                              "Content-Length: "
                            + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n"
                            + body);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QUrl base() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/site/").arg(serverPort()));
    }
};

QByteArray app(const char *vers, const char *dots = "10.0", const char *name = "Penwick")
{
    return QStringLiteral(R"({"name": "%1", "dots": "%2", "vers": "%3"})")
            .arg(name, dots, vers)
            .toUtf8();
}

} // namespace

class tst_UpdateCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionsReadAsTheirDigits()
    {
        QCOMPARE(versionNumber("1.4"), 14);
        QCOMPARE(versionNumber("1.4.1"), 141);
        QCOMPARE(versionNumber("1.10"), 110);
        QCOMPARE(versionNumber("2.0"), 20);
        QCOMPARE(versionNumber("  -3.1x"), -31);
        QCOMPARE(versionNumber("beta"), 0);
        QCOMPARE(versionNumber("99999999999999999999"), std::numeric_limits<qint64>::max());
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
        row("newer", "1.4", "[" + app("1.5") + "]", true);
        row("equal", "1.4", "[" + app("1.4") + "]", false);
        row("older", "1.4", "[" + app("1.3") + "]", false);
        row("1.4 to 1.4.1", "1.4", "[" + app("1.4.1") + "]", true);
        row("1.10 to 1.9", "1.10", "[" + app("1.9") + "]", false);
        row("2.0 to 1.9.9", "2.0", "[" + app("1.9.9") + "]", false);
        row("2.0.0 to 3.0", "2.0.0", "[" + app("3.0") + "]", true);
        row("2.0.0 to 10.0", "2.0.0", "[" + app("10.0") + "]", true);
        row("1.9 to 1.10", "1.9", "[" + app("1.10") + "]", true);
        row("2.0 to 2.0.0", "2.0", "[" + app("2.0.0") + "]", false);
        row("2.0.0 to 2.0.0.1", "2.0.0", "[" + app("2.0.0.1") + "]", true);
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
        DocumentServer server;
        const QByteArray notice = "[" + app("999.0", "0.0") + "]";
        server.body = notice;
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
};

PENWICK_TEST_MAIN(tst_UpdateCheck, QCoreApplication)
#include "tst_updatecheck.moc"

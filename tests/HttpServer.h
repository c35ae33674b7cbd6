// A real HTTP server on 127.0.0.1 for the update check: every request is answered with one
// response (a redirect where one is set), or with none at all when silent.
#pragma once

#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace penwick::test {

class DocumentServer : public QTcpServer
{
public:
    QByteArray status = "200 OK";
    QByteArray body;
    bool silent = false;
    int requests = 0;
    QByteArray lastPath;
    QMap<QByteArray, QByteArray> redirects; // path -> Location

    explicit DocumentServer(const QByteArray &document = {}) : body(document)
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }
    QUrl base() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/site/").arg(serverPort()));
    }

private:
    void answer(QTcpSocket *socket)
    {
        ++requests;
        lastPath = socket->readAll().split(' ').value(1);
        if (silent)
            return;
        const QByteArray location = redirects.value(lastPath);
        socket->write("HTTP/1.1 "
                + (location.isEmpty() ? status : QByteArray("302 Found\r\nLocation: " + location))
                + "\r\nContent-Type: application/json\r\nContent-Length: "
                + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
};

} // namespace penwick::test

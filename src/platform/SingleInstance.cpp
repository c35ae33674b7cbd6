#include "SingleInstance.h"

#include "Log.h"
#include "StandardPaths.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <unistd.h>

namespace penwick {

namespace {
constexpr char raiseMessage[] = "raise\n";
}

SingleInstance::SingleInstance(QString key, QObject *parent)
    : QObject(parent), m_key(std::move(key))
{ }

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    const QByteArray who = QFile::encodeName(paths::applicationSupport()) + '\0'
            + QByteArray::number(::getuid());
    return QStringLiteral("penwick-")
            + QString::fromLatin1(
                    QCryptographicHash::hash(who, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::claim()
{
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(m_key + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0); // stale only when its process is gone
    if (m_lock->tryLock(0)) {
        // whatever socket is left belongs to a process that died
        QLocalServer::removeServer(m_key);
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server->listen(m_key))
            qCWarning(lcPenwick) << "Cannot listen for later launches:" << m_server->errorString();
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    if (socket->readAll().contains("raise")) {
                        qCInfo(lcPenwick) << "Another launch asked to raise the window";
                        Q_EMIT raiseRequested();
                    }
                    socket->disconnectFromServer();
                });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        return true;
    }

    // The running process may still be starting up: give it a moment to listen.
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_key);
        if (socket.waitForConnected(500)) {
            socket.write(raiseMessage);
            socket.waitForBytesWritten(1000);
            socket.waitForDisconnected(1000);
            return false;
        }
        QThread::msleep(100);
    }
    m_error = tr("Penwick is already running, but does not answer.");
    return false;
}

} // namespace penwick

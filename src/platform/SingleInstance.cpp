#include "SingleInstance.h"

#include "Log.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <sys/stat.h>
#include <unistd.h>

namespace penwick {

namespace {

constexpr char raiseMessage[] = "raise\n";
constexpr char raisedAnswer[] = "raised\n";

struct SingleInstanceText
{
    Q_DECLARE_TR_FUNCTIONS(SingleInstance)
};

// A folder only this user can enter, and that this user owns.
bool isPrivateFolder(const QString &path)
{
    struct stat st
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode)
            && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

} // namespace

SingleInstance::SingleInstance(const QString &diaryPath, QObject *parent)
    : QObject(parent), m_key(keyFor(diaryPath))
{ }

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyFor(const QString &diaryPath)
{
    // The file when it exists; else its folder's canonical path and its name, so that routes
    // through symlinked folders meet too.
    const QFileInfo file(diaryPath);
    QString canonical = file.canonicalFilePath();
    if (canonical.isEmpty()) {
        const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
        canonical = (folder.isEmpty() ? file.absolutePath() : folder) + QLatin1Char('/')
                + file.fileName();
    }
    return QStringLiteral("penwick-")
            + QString::fromLatin1(
                    QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha1)
                            .toHex()
                            .left(16));
}

QString SingleInstance::runtimeFolder(QString *error)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return runtime;
    const QString own = QDir::home().filePath(QStringLiteral(".cache/penwick-runtime"));
    QDir().mkpath(own);
    ::chmod(QFile::encodeName(own).constData(), 0700);
    if (isPrivateFolder(own))
        return own;
    if (error)
        *error = SingleInstanceText::tr("Penwick cannot make a private folder at %1.")
                         .arg(QDir::toNativeSeparators(own));
    return {};
}

bool SingleInstance::claim(const QString &importPath)
{
    const QString folder = runtimeFolder(&m_error);
    if (folder.isEmpty())
        return false;
    const QString socketPath = QDir(folder).filePath(m_key + QStringLiteral(".socket"));
    m_lock = std::make_unique<QLockFile>(QDir(folder).filePath(m_key + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0); // stale only when its process is gone
    if (m_lock->tryLock(0)) {
        // whatever socket is left belongs to a process that died
        QLocalServer::removeServer(socketPath);
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server->listen(socketPath))
            qCWarning(lcPenwick) << "Cannot listen for later launches:" << m_server->errorString();
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    const QByteArray message = socket->readAll();
                    if (message.startsWith("import ")) {
                        const QString path = QString::fromUtf8(message.mid(7).trimmed());
                        qCInfo(lcPenwick) << "Another launch asked to import" << path;
                        Q_EMIT importRequested(path);
                        socket->write(raisedAnswer);
                        socket->flush();
                    } else if (message.contains("raise")) {
                        qCInfo(lcPenwick) << "Another launch asked to raise the window";
                        Q_EMIT raiseRequested();
                        socket->write(raisedAnswer);
                        socket->flush();
                    }
                    socket->disconnectFromServer();
                });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        return true;
    }

    // The running process may still be starting up; it has a moment to answer, no more.
    QDeadlineTimer deadline(answerTimeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(importPath.isEmpty() ? QByteArray(raiseMessage)
                                              : "import " + importPath.toUtf8() + '\n');
            socket.waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime())));
            while (!deadline.hasExpired() && !socket.readAll().contains("raised"))
                socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
            if (!deadline.hasExpired())
                return false; // raised
            break;
        }
        QThread::msleep(50);
    }
    m_error = SingleInstanceText::tr("Penwick is already running, but does not answer.");
    return false;
}

} // namespace penwick

#include "SingleInstance.h"

#include "Log.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#ifndef MSG_NOSIGNAL // macOS: SO_NOSIGPIPE on the socket instead
#define MSG_NOSIGNAL 0
#endif

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

SingleInstance::SingleInstance(QObject *parent) : QObject(parent)
{ }

SingleInstance::~SingleInstance()
{
    delete m_listening;
    if (m_listenFd >= 0)
        ::close(m_listenFd);
    if (m_lockFd >= 0)
        ::close(m_lockFd); // the lock goes with it
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
    const QString lockPath = QDir(folder).filePath(QStringLiteral("penwick.lock"));
    const QString socketPath = QDir(folder).filePath(QStringLiteral("penwick.socket"));
    m_lockFd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd < 0) {
        m_error = SingleInstanceText::tr("Penwick cannot open its lock file %1: %2")
                          .arg(QDir::toNativeSeparators(lockPath),
                                  QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0) {
        // Who holds it, as QLockFile writes it: a Penwick that locks with QLockFile (an earlier
        // version, run after this one) then tells a running holder from a gone one. The file
        // stays when this process ends: removing it would let a launch that opened it just
        // before lock a file no later launch sees.
        const QByteArray holder = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                + QCoreApplication::applicationName().toUtf8() + '\n'
                + QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n'
                + QSysInfo::bootUniqueId() + '\n';
        if (::ftruncate(m_lockFd, 0) != 0
                || ::pwrite(m_lockFd, holder.constData(), size_t(holder.size()), 0) < 0)
            qCInfo(lcPenwick) << "Cannot note the holder in" << lockPath;
        listen(socketPath);
        return true;
    }
    ::close(m_lockFd);
    m_lockFd = -1;
    // a path may hold any character, a line feed too: it travels percent-encoded
    const QByteArray message = importPath.isEmpty()
            ? QByteArray(raiseMessage)
            : "import " + QFile::encodeName(importPath).toPercentEncoding() + '\n';
    if (handOver(socketPath, message))
        return false; // raised
    m_error = SingleInstanceText::tr("Penwick is already running, but does not answer.");
    return false;
}

namespace {

bool socketAddress(const QString &path, sockaddr_un *address)
{
    const QByteArray name = QFile::encodeName(path);
    *address = sockaddr_un {};
    address->sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof address->sun_path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

// Not inherited by children, never blocking, and no SIGPIPE from a peer that went away.
int prepared(int fd)
{
    if (fd >= 0) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
#ifdef SO_NOSIGPIPE
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
    }
    return fd;
}

// Waits for fd to be ready for events, until the deadline; false when it is not.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd one { fd, events, 0 };
    for (;;) {
        const int ms = int(std::clamp<qint64>(deadline.remainingTime(), 0, 60000));
        const int ready = ::poll(&one, 1, ms);
        if (ready > 0)
            return true;
        if (ready == 0 ? deadline.hasExpired() : errno != EINTR)
            return false;
    }
}

// A later launch's connection: its one line, then the answer, then closed. One that says
// nothing is dropped after a while, so that no client can hold the listener's resources.
class Launch : public QObject
{
public:
    Launch(int fd, SingleInstance *instance, std::function<void(const QByteArray &)> handle)
        : QObject(instance), m_fd(fd), m_handle(std::move(handle))
    {
        auto *readable = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(readable, &QSocketNotifier::activated, this, &Launch::read);
        QTimer::singleShot(SingleInstance::answerTimeoutMs, this, &QObject::deleteLater);
    }
    ~Launch() override { ::close(m_fd); }

private:
    void read()
    {
        char chunk[4096];
        const ssize_t got = ::read(m_fd, chunk, sizeof chunk);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got > 0)
            m_line.append(chunk, got);
        const qsizetype end = m_line.indexOf('\n');
        if (end < 0 && got > 0 && m_line.size() < 65536)
            return; // the line goes on
        if (end >= 0) {
            m_handle(m_line.left(end));
            (void)!::send(m_fd, raisedAnswer, sizeof raisedAnswer - 1, MSG_NOSIGNAL);
        }
        deleteLater();
    }

    int m_fd;
    std::function<void(const QByteArray &)> m_handle;
    QByteArray m_line;
};

} // namespace

void SingleInstance::listen(const QString &socketPath)
{
    sockaddr_un address;
    m_listenFd = socketAddress(socketPath, &address) ? prepared(::socket(AF_UNIX, SOCK_STREAM, 0))
                                                     : -1;
    // whatever socket is left belongs to a process that died: the lock is ours
    ::unlink(address.sun_path);
    const mode_t mask = ::umask(077); // the socket is the user's alone
    const bool listening = m_listenFd >= 0
            && ::bind(m_listenFd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
            && ::listen(m_listenFd, 16) == 0;
    ::umask(mask);
    if (!listening) {
        qCWarning(lcPenwick) << "Cannot listen for later launches at" << socketPath << ":"
                             << std::strerror(errno);
        return;
    }
    m_listening = new QSocketNotifier(m_listenFd, QSocketNotifier::Read, this);
    connect(m_listening, &QSocketNotifier::activated, this, &SingleInstance::acceptLaunches);
}

void SingleInstance::acceptLaunches()
{
    for (;;) {
        const int fd = prepared(::accept(m_listenFd, nullptr, nullptr));
        if (fd < 0)
            return;
        new Launch(fd, this, [this](const QByteArray &line) {
            if (line.startsWith("import ")) {
                const QString path
                        = QFile::decodeName(QByteArray::fromPercentEncoding(line.mid(7)));
                qCInfo(lcPenwick) << "Another launch asked to import" << path;
                Q_EMIT importRequested(path);
            } else if (line.trimmed() == "raise") {
                qCInfo(lcPenwick) << "Another launch asked to raise the window";
                Q_EMIT raiseRequested();
            }
        });
    }
}

bool SingleInstance::handOver(const QString &socketPath, const QByteArray &message)
{
    sockaddr_un address;
    if (!socketAddress(socketPath, &address))
        return false;
    // The running process may still be starting up; it has a moment to answer, no more.
    const QDeadlineTimer deadline(answerTimeoutMs);
    while (!deadline.hasExpired()) {
        const int fd = prepared(::socket(AF_UNIX, SOCK_STREAM, 0));
        if (fd < 0)
            return false;
        const auto closing = qScopeGuard([fd] { ::close(fd); });
        const bool connected
                = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
                || (errno == EAGAIN && waitFor(fd, POLLOUT, deadline));
        if (!connected) {
            QThread::msleep(50); // not listening yet
            continue;
        }
        qsizetype sent = 0;
        while (sent < message.size() && waitFor(fd, POLLOUT, deadline)) {
            const ssize_t n = ::send(
                    fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            sent += std::max<ssize_t>(n, 0);
        }
        QByteArray answer;
        while (!answer.contains("raised") && waitFor(fd, POLLIN, deadline)) {
            char chunk[64];
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
                return false;
            answer.append(chunk, std::max<ssize_t>(n, 0));
        }
        return answer.contains("raised");
    }
    return false;
}

} // namespace penwick

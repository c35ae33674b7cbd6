// One Penwick per user. The first process holds a lock on a file and listens on a Unix socket,
// both kept in the user's own runtime folder; a later launch finds the lock taken, asks the
// first to raise its window (or to import a diary) and waits for its answer. Since the claim is
// the user's, not a diary's, it holds whatever file the running window makes the diary (a move,
// Open, New, Use): two processes never race on a note file. The lock is the kernel's (flock), so
// it ends with its process, however that ends. Plain sockets rather than a networking library:
// this runs before the window shows, in every launch.
#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace penwick {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    static constexpr int answerTimeoutMs = 2000;

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the one to run. Otherwise the running one has been asked to
    // raise its window (or could not be reached: see errorString) and this one should quit.
    // With importPath, the running one is asked to import that diary instead.
    bool claim(const QString &importPath = {});
    QString errorString() const { return m_error; }

    // XDG_RUNTIME_DIR when it is the user's own and private, else a private folder of the
    // user's under the home folder; never the shared temporary folder. Empty, with a reason,
    // when no such folder can be had.
    static QString runtimeFolder(QString *error = nullptr);

Q_SIGNALS:
    void raiseRequested();
    void importRequested(const QString &path);

private:
    void listen(const QString &socketPath);
    void acceptLaunches();
    bool handOver(const QString &socketPath, const QByteArray &message);

    QString m_error;
    int m_lockFd = -1;
    int m_listenFd = -1;
    QSocketNotifier *m_listening = nullptr;
};

} // namespace penwick

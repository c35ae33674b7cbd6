// One Penwick per user and diary location. The first process holds a lock file and listens on a
// local socket; a later one finds the lock taken, asks the first to raise its window and quits,
// so that two processes never race on the note file.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

namespace penwick {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // key tells instances apart; the default is made from the user's data folder.
    explicit SingleInstance(QString key = defaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the one to run. Otherwise the running one has been asked to
    // raise its window (or could not be reached: see errorString) and this one should quit.
    bool claim();
    QString errorString() const { return m_error; }

    static QString defaultKey();

Q_SIGNALS:
    void raiseRequested();

private:
    QString m_key;
    QString m_error;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace penwick

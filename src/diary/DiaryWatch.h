// Watches the open diary's file and its folder, so changes other programs make and conflict
// copies a sync engine leaves are seen: a burst of changes is looked at once, shortly after it
// ends, and a file replaced by a rename, or a diary that moved, is watched anew.
#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

class QFileSystemWatcher;
class QTimer;

namespace penwick::diary {

class DiarySession;

class DiaryWatch : public QObject
{
    Q_OBJECT
public:
    explicit DiaryWatch(DiarySession *session, QObject *parent = nullptr);
    // Waits for a look at the folder under way.
    ~DiaryWatch() override;

    // Watches the session's diary file where it is now (after a move, a new path).
    void follow();

private:
    DiarySession *m_session;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settle;
    QString m_watchedPath;
    // Looks for conflict copies off the window's thread: the folder may hold thousands of files.
    QThreadPool m_looks;
};

} // namespace penwick::diary

#include "DiaryWatch.h"

#include "DiarySession.h"
#include "sync/ConflictCopy.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace penwick::diary {

DiaryWatch::DiaryWatch(DiarySession *session, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(150);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settle, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle,
            qOverload<>(&QTimer::start));
    m_looks.setMaxThreadCount(1);
    connect(m_settle, &QTimer::timeout, this, [this] {
        m_looks.start([this, path = m_session->noteFilePath()] {
            const QStringList copies = sync::conflictCopiesOf(path);
            QMetaObject::invokeMethod(this, [this, path, copies] {
                if (path == m_session->noteFilePath())
                    m_session->checkForOutsideChanges(copies);
                follow();
            });
        });
    });
    connect(m_session, &DiarySession::noteFileChanged, this, &DiaryWatch::follow);
    follow();
}

DiaryWatch::~DiaryWatch()
{
    m_looks.waitForDone();
}

void DiaryWatch::follow()
{
    const QString path = m_session->noteFilePath();
    const QString folder = QFileInfo(path).absolutePath();
    if (path == m_watchedPath && m_watcher->files().contains(path))
        return;
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    if (QFileInfo::exists(path))
        m_watcher->addPath(path);
    if (QFileInfo(folder).isDir())
        m_watcher->addPath(folder);
    m_watchedPath = path;
}

} // namespace penwick::diary

#include "DiaryTags.h"

#include "diary/DiarySession.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrentRun>

using penwick::tags::TagIndex;

DiaryTags::DiaryTags(penwick::diary::DiarySession *session, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_building(new QFutureWatcher<TagIndex::Pointer>(this))
    , m_editPause(new QTimer(this))
    , m_watch(new QTimer(this))
{
    setObjectName(QStringLiteral("diaryTags"));
    connect(m_building, &QFutureWatcherBase::finished, this, [this] {
        m_index = m_building->result();
        Q_EMIT changed();
        if (std::exchange(m_buildAgain, false))
            refresh();
    });
    m_editPause->setSingleShot(true);
    m_editPause->setInterval(400);
    connect(m_editPause, &QTimer::timeout, this, [this] {
        refresh(); // the writer may have stored a new file meanwhile
        Q_EMIT changed();
    });
    // a look at a pointer a second: what the session last read or wrote
    m_watch->setInterval(1000);
    connect(m_watch, &QTimer::timeout, this, &DiaryTags::refresh);
    // once the whole diary is in: at once for a diary read before the window shows, after the
    // read ahead for a large one
    connect(session, &penwick::diary::DiarySession::readAheadFinished, this, &DiaryTags::refresh);
    QTimer::singleShot(0, this, &DiaryTags::refresh);
}

DiaryTags::~DiaryTags()
{
    m_building->waitForFinished();
}

QList<penwick::tags::TagCount> DiaryTags::counts() const
{
    return m_index ? m_index->counts(m_session->unsavedChanges())
                   : QList<penwick::tags::TagCount>();
}

void DiaryTags::refresh()
{
    const penwick::diary::SnapshotPointer file = m_session->lastSnapshot();
    if (!file || (m_index && m_index->snapshot() == file))
        return;
    if (m_building->isRunning()) {
        m_buildAgain = true;
        return;
    }
    m_building->setFuture(QtConcurrent::run(TagIndex::build, file, m_index));
}

void DiaryTags::followEdit()
{
    m_editPause->start();
}

void DiaryTags::setWatched(bool watched)
{
    if (watched)
        m_watch->start();
    else
        m_watch->stop();
}

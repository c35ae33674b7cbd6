#include "DiaryServices.h"

#include "diary/DiaryWatch.h"
#include "history/Backups.h"
#include "history/HistoryStore.h"
#include "services/DiaryProtection.h"

#include <QTimer>

namespace penwick {

DiaryServices::DiaryServices(diary::DiarySession::Clock clock, bool withHistory,
        const QString &historyPath, const QString &preferencesFile, QObject *parent)
    : QObject(parent)
    , m_session(std::move(clock), preferencesFile)
    , m_history(withHistory ? std::make_unique<history::HistoryStore>(historyPath) : nullptr)
{
    m_session.setCopiesFolder(history::backupsFolder());
    m_protection = new DiaryProtection(m_session, m_history.get(), history::backupsFolder(), this);
    connect(&m_session, &diary::DiarySession::noticeRaised, this, &DiaryServices::passOn);
    if (m_history) {
        connect(m_history.get(), &history::HistoryStore::noticeRaised, this,
                &DiaryServices::passOn);
        m_backups = new history::BackupSchedule(
                [this] { return m_session.noteFilePath(); }, {}, this);
        connect(m_backups, &history::BackupSchedule::noticeRaised, this, &DiaryServices::passOn);
    }
}

DiaryServices::~DiaryServices()
{
    // the journal goes before the session: what it kept is written first
    m_session.setJournal(nullptr);
}

void DiaryServices::open()
{
    m_session.open();
    // a protected diary's journal is opened once the key is there (DiaryProtection::useKey)
    if (!m_history || m_protection->isLocked())
        return;
    m_session.setJournal(m_history.get());
    // the store may have said something before anyone listened
    QTimer::singleShot(0, this, [this] { passOn(m_history->notice()); });
}

void DiaryServices::startWatching()
{
    m_watch = new diary::DiaryWatch(&m_session, this);
    // a copy beside the diary at start is merged once the diary is read
    const auto look = [this] { m_session.checkForOutsideChanges(); };
    connect(&m_session, &diary::DiarySession::readAheadFinished, this, look);
    QTimer::singleShot(0, this, look);
    if (m_backups) {
        // The first backup once the window has settled: comparing the diary with the last
        // backup reads both whole, work that would compete with the start for the processor.
        QTimer::singleShot(3000, m_backups, &history::BackupSchedule::backUpIfDateChanged);
    }
}

void DiaryServices::passOn(const QString &notice)
{
    if (notice.isEmpty() || m_noticesPassedOn.contains(notice))
        return;
    m_noticesPassedOn.append(notice);
    Q_EMIT noticeRaised(notice);
}

} // namespace penwick

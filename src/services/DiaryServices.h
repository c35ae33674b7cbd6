// The services that keep the diary, built and wired in one place: the session (the one way
// into the diary), the history with its journal, the daily backups, and the watch on the
// diary's folder that brings other programs' changes and conflict copies to the session. The
// window and the command line use them; dialogs and bars only show and ask.
#pragma once

#include "diary/DiarySession.h"

#include <QObject>
#include <memory>

namespace penwick::diary {
class DiaryWatch;
}
namespace penwick::history {
class BackupSchedule;
class HistoryStore;
} // namespace penwick::history

namespace penwick {

class DiaryProtection;

class DiaryServices : public QObject
{
    Q_OBJECT
public:
    // With history, every version of the days is kept in historyPath (its default place when
    // empty) and every change goes through its journal first. Tests give their own preferences
    // file, to run several diaries at once.
    explicit DiaryServices(diary::DiarySession::Clock clock = {}, bool withHistory = true,
            const QString &historyPath = {}, const QString &preferencesFile = {},
            QObject *parent = nullptr);
    ~DiaryServices() override;

    diary::DiarySession &session() { return m_session; }
    history::HistoryStore *history() const { return m_history.get(); }
    // The protected diary's key, its lock and the conversions to and from protection.
    DiaryProtection &protection() { return *m_protection; }

    // Start-up, before the first day is shown: the session opens the diary, and the journal
    // settles what it held when Penwick last stopped.
    void open();
    // Once the window shows: the watch on the diary's folder and the first look at the copies
    // beside the diary; the day's backup a few seconds later, when the start has settled.
    void startWatching();

Q_SIGNALS:
    // The history or the backups cannot do their work, or the session has something to say: a
    // sentence for the window's bar, each once.
    void noticeRaised(const QString &notice);

private:
    void passOn(const QString &notice);

    diary::DiarySession m_session;
    std::unique_ptr<history::HistoryStore> m_history;
    history::BackupSchedule *m_backups = nullptr;
    diary::DiaryWatch *m_watch = nullptr;
    DiaryProtection *m_protection;
    QStringList m_noticesPassedOn;
};

} // namespace penwick

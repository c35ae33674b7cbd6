// Penwick's memory of every version of every day: one SQLite file per machine (history.sqlite in
// the application data folder), never beside the diary, whose folder may be synced.
//
// Every write runs on the store's own thread, which owns the database connection, so the window
// never waits for it; reads wait for the writes queued before them. Typing is coalesced into
// editing stretches: one row per stretch, updated in place, closed after five minutes without a
// change, when another day is changed or shown, when one change removes more than half of the
// day's characters, and at quit. A file that cannot be opened or is damaged is renamed aside,
// never deleted, and a new one started.
//
// It is also the diary's journal: each change of a day is committed here at once, fully synced,
// and marked as not yet in the diary file until a rewrite of the file carries it.
#pragma once

#include "diary/DiaryJournal.h"

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

class QThread;

namespace penwick::history {

enum class Origin { Typed, Restored, ChangedOutside, Merged, Imported };

struct Version
{
    qint64 id = 0;
    QString dayKey;
    QString text;
    QDateTime storedAt;
    Origin origin = Origin::Typed;
    QString detail;
};

class HistoryWorker;

class HistoryStore : public QObject, public diary::DiaryJournal
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // The file defaults to history.sqlite in the application data folder; tests give a clock.
    explicit HistoryStore(
            const QString &filePath = {}, Clock clock = {}, QObject *parent = nullptr);
    ~HistoryStore() override;

    static QString defaultFilePath();
    QString filePath() const { return m_filePath; }

    // Keeps text as a closed version of the day (dayKey "yyyy-MM-dd") of the diary at diaryPath
    // (canonical path); detail names e.g. the copy or the import it came from.
    void recordVersion(const QString &diaryPath, const QString &dayKey, const QString &text,
            Origin origin, const QString &detail = {});
    // Penwick replaced previousText of the day by newText: the day's open stretch follows it.
    void recordChange(const QString &diaryPath, const QString &dayKey, const QString &previousText,
            const QString &newText);
    // Closes every open stretch: the next change of any day starts a new version.
    void closeStretches();
    // The diary moved: its versions follow it.
    void moveDiary(const QString &fromPath, const QString &toPath);

    // True when Penwick itself stored exactly this text for the day before.
    bool wasStored(
            const QString &diaryPath, const QString &dayKey, const QString &text) const override;
    // The day's versions, newest first.
    QList<Version> versions(const QString &diaryPath, const QString &dayKey) const;
    // Waits until every queued write is done.
    void flush() const;
    // What went wrong with the file, said once; empty when nothing did.
    QString notice() const;

    // The journal (see diary::DiaryJournal); paths name the diary as given.
    bool isKeeping() const override { return m_keeping; }
    void setStoppedHandler(std::function<void()> handler) override;
    void keep(const QString &diaryPath, const QString &dayKey, const QString &text,
            const QString &fileText) override;
    void written(const QString &diaryPath, const QMap<QString, QString> &texts) override;
    QList<diary::UnwrittenText> unwritten(const QString &diaryPath) override;
    void keepAside(const QString &diaryPath, const QString &dayKey, const QString &text) override;

    // A translated name of where a version came from.
    static QString originName(Origin origin);

Q_SIGNALS:
    // The file was put aside or cannot be written: a sentence for the window's bar, sent once.
    void noticeRaised(const QString &notice);

private:
    friend class HistoryWorker;
    // Called on the store's thread: commits the kept texts waiting, in one transaction.
    void commitKeptTexts();
    void stopKeeping();

    QString m_filePath;
    Clock m_clock;
    QThread *m_thread;
    HistoryWorker *m_worker;
    std::atomic<bool> m_keeping { true };
    QMutex m_journalLock;
    // (diary, day) to (text, file text), kept but not yet committed: a burst of keys that
    // arrives while a commit runs costs one commit more, not one per key
    QMap<std::pair<QString, QString>, std::pair<QString, QString>> m_keptWaiting;
    bool m_commitPosted = false;
    std::pair<QString, QString> m_keptPath; // the diary's path as given, and as named here
    std::function<void()> m_stoppedHandler;
};

// The canonical path that names a diary in the history (the path itself while it is missing).
QString diaryKeyPath(const QString &diaryPath);

} // namespace penwick::history

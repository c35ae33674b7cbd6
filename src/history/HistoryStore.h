// Penwick's memory of every version of every day: one SQLite file per machine (history.sqlite in
// the application data folder), never beside the diary, whose folder may be synced.
//
// Every write runs on the store's own thread, which owns the database connection, so the window
// never waits for it; reads wait for the writes queued before them. Typing is coalesced into
// editing stretches: one row per stretch, updated in place, closed after five minutes without a
// change, when another day is changed or shown, when one change removes more than half of the
// day's characters, when anything else replaces the day's text, and at quit.
//
// It is also the diary's journal: each change of a day is committed here at once, fully synced,
// and marked as not yet in the diary file until a rewrite of the file carries it. And it knows,
// by a print of each, every text this machine wrote into the diary file and the text each day
// held when the file last came from elsewhere.
//
// A failure is read for what it is: only a file SQLite calls damaged ("corrupt", "not a
// database") is put aside, never deleted, after what its journal still holds is read into a
// new one. A history that is busy (another program holds it), full or cannot be opened is said
// once, in words; the diary file is then kept current directly, and the history is tried again
// until it can be taken up.
#pragma once

#include "diary/DiaryJournal.h"
#include "privacy/DiaryKey.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>
#include <QWaitCondition>
#include <atomic>
#include <functional>

class QThread;

namespace penwick::history {

using diary::Origin;

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

    // The day's versions, newest first. Paths name the diary as given; the store knows it by its
    // canonical path.
    QList<Version> versions(const QString &diaryPath, const QString &dayKey) const;
    // True when a version of the day holds exactly this text.
    bool wasStored(const QString &diaryPath, const QString &dayKey, const QString &text) const;
    // Waits until every queued write is done.
    void flush() const;
    // What went wrong with the file, said once; empty when nothing did.
    QString notice() const;

    // The journal, the history and what is known of the file (see diary::DiaryJournal).
    bool isKeeping() const override { return m_keeping; }
    void setKeepingHandler(std::function<void(bool keeping)> handler) override;
    QList<diary::UnwrittenText> open(const QString &diaryPath) override;
    void keep(const QString &diaryPath, const QString &dayKey, const QString &text,
            const QString &fileText) override;
    void written(const QString &diaryPath, const QMap<QString, QString> &texts) override;
    void forget(const QString &diaryPath, const QStringList &dayKeys) override;
    void typedOver(const QString &diaryPath, const QString &dayKey, const QString &text) override;
    bool wasWritten(
            const QString &diaryPath, const QString &dayKey, const QString &text) const override;
    bool wasShared(
            const QString &diaryPath, const QString &dayKey, const QString &text) const override;
    bool isShared(
            const QString &diaryPath, const QString &dayKey, const QString &text) const override;
    void share(const QString &diaryPath, diary::SnapshotPointer file,
            bool exceptOwnTexts = false) override;
    void recordChange(const QString &diaryPath, const QString &dayKey, const QString &previousText,
            const QString &newText) override;
    void recordReplacement(const QString &diaryPath, const QString &dayKey,
            const QString &previousText, const QString &newText, Origin origin,
            const QString &detail) override;
    void recordVersion(const QString &diaryPath, const QString &dayKey, const QString &text,
            Origin origin, const QString &detail = {}) override;
    void closeStretches() override;
    void moveDiary(const QString &fromPath, const QString &toPath) override;

    // A translated name of where a version came from.
    static QString originName(Origin origin);
    // The print that stands for a day's text: the same on every run and machine.
    static qint64 textPrint(const QString &dayKey, const QString &text);
    // The print as this store keeps it: keyed by the key of a protected diary, so that it
    // tells nothing about the text.
    qint64 printOf(const QString &dayKey, const QString &text) const;

    // The key of the protected diary at diaryPath (nullptr: none, or a lock): texts are sealed
    // under it from now on. The texts kept in clear, or the prints made before, are brought
    // into line first (a conversion that stopped half-way); at a lock, what waits is written
    // and every text let go.
    void setKey(const QString &diaryPath, privacy::KeyPointer key,
            const QMap<QString, QString> &fileTexts = {});
    // Protection added, its passphrase changed or removed: every text of the diary kept here is
    // sealed under to, or opened into clear, in one transaction (see setKey); false when the
    // history could not be converted.
    bool convert(const QString &diaryPath, const privacy::KeyPointer &from,
            const privacy::KeyPointer &to, const QMap<QString, QString> &fileTexts);
    // A lock: what waits is written, then the key goes with every text in memory, and nothing
    // is written until setKey gives it back.
    void lock();

Q_SIGNALS:
    // The file was put aside or cannot be written: a sentence for the window's bar, sent once.
    void noticeRaised(const QString &notice);

private:
    friend class HistoryWorker;
    // Called on the store's thread: commits the kept texts waiting, in one transaction.
    void commitKeptTexts();
    void setKeeping(bool keeping);
    // The canonical path that names diaryPath here, looked up once per path.
    QString keyOf(const QString &diaryPath) const;
    // What is known of the open diary's texts, kept in memory for the window's questions.
    struct Knowledge
    {
        QString diary;
        QSet<qint64> written;
        QHash<QString, qint64> shared;
        QSet<qint64> wasShared;
        int pending = 0; // loads and updates queued on the store's thread
    };
    // Waits a short while for what the store's thread still loads or works out; called with
    // m_knowledgeLock held.
    void waitForShares() const;
    // Takes texts as what the sides share; with onlyFromElsewhere, not the days whose text is
    // one this machine wrote (at start: the file may hold this machine's own last write).
    void updateShared(
            const QString &diary, const QMap<QString, QString> &texts, bool onlyFromElsewhere);

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
    std::function<void(bool)> m_keepingHandler;
    mutable QMutex m_keysLock;
    mutable QHash<QString, QString> m_keys;
    mutable QMutex m_knowledgeLock;
    mutable QWaitCondition m_knowledgeSettled;
    Knowledge m_knowledge;
    mutable QMutex m_keyLock;
    privacy::KeyPointer m_key;
};

// The canonical path that names a diary in the history (the path itself while it is missing).
QString diaryKeyPath(const QString &diaryPath);

} // namespace penwick::history

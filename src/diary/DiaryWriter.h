// Writes the diary off the window's thread. The session hands it each day's latest text and
// goes on; the writer keeps, per day, only the newest text waiting, and writes what waits in
// one crash-safe replacement of the file, one write after another, never two at once and never
// out of order. It keeps the file's bytes in memory between writes.
//
// It only ever writes over the very version the session last knew (its own last write, or the
// file as the session last read it): when another program replaced the file meanwhile, it
// writes nothing and says so, and the session settles the other program's days first.
#pragma once

#include "diary/DiarySnapshot.h"

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QVariantList>
#include <QWaitCondition>
#include <functional>
#include <optional>

class QThread;

namespace penwick::diary {

// What one write did: the texts it tried to store, how that went, and the file after it.
struct WriteReport
{
    QString path;
    QMap<QString, QString> texts; // day key to text
    Outcome outcome;
    SnapshotPointer snapshot;
    // Another program replaced the file since Penwick last read or wrote it: nothing was
    // written, and the texts wait.
    bool changedMeanwhile = false;
    int removedEntries = 0; // by a removal of empty entries
    // Where another program's version was kept beside the diary when it could not be put back
    // after a replacement found it (see replaceFileAtomically).
    QString keptAside;
};

class DiaryWriter : public QObject
{
    Q_OBJECT
public:
    explicit DiaryWriter(QObject *parent = nullptr);
    // Writes what still waits, then stops.
    ~DiaryWriter() override;

    // Stores text as the day's entry in the note file at path, soon; a text still waiting for
    // the same day is replaced.
    void store(const QString &path, const QString &dayKey, const QString &text);
    // Several days at once: they go in the same write.
    void store(const QString &path, const QMap<QString, QString> &texts);
    // The whole diary becomes entries (a merge, a diary taken over); texts names the days whose
    // text this changes. Texts given later still go on top.
    void storeEntries(
            const QString &path, const QVariantList &entries, const QMap<QString, QString> &texts);
    // The next write of path also removes the entries whose text is empty.
    void removeEmptyEntries(const QString &path);
    // Waits until nothing waits and no write runs; false when timeoutMs ran out first.
    bool waitForIdle(int timeoutMs);
    bool isIdle() const;
    // The reports of the writes finished since the last call, oldest first.
    QList<WriteReport> takeReports();

    // The file as the session read it: what the next write goes over while it is still the
    // file on disk.
    void setKnownFile(SnapshotPointer file);

    // The key every write from now on seals the file with, and opens it with (nullptr: the
    // file is written in clear). Writes given before still go as they were given.
    void setKey(privacy::KeyPointer key);
    // The next write of path writes the whole file even with no text to store: protection
    // was added, changed or removed.
    void rewrite(const QString &path);
    // Lets go of the file's bytes kept between writes (a lock): the next write reads it anew.
    void forgetFile();

    // Tests: runs on the writer's thread before each write.
    void setBeforeWrite(std::function<void()> hook);
    // Tests: runs on the writer's thread right before the new bytes replace the file (false)
    // and right after (true), where another program's rename would land unseen.
    void setReplaceHook(std::function<void(bool replaced)> hook);

Q_SIGNALS:
    // Reports are ready to be taken; sent from the writer's thread.
    void reportsReady();

private:
    using Texts = QList<std::pair<QString, QString>>;
    struct Job
    {
        Texts texts; // the days in the order they were first given: new days append in order
        std::optional<QVariantList> entries;
        QMap<QString, QString> entriesTexts;
        bool removeEmpty = false;
        bool rewrite = false;
        privacy::KeyPointer key;
    };

    void run();
    WriteReport write(
            const QString &path, const Job &job, const std::function<void(bool)> &replaceHook);

    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_idle;
    QMap<QString, Job> m_waiting; // per path
    bool m_writing = false;
    bool m_stopping = false;
    bool m_forgetFile = false;
    QList<WriteReport> m_reports;
    std::function<void()> m_beforeWrite;
    std::function<void(bool)> m_replaceHook;
    SnapshotPointer m_file; // the writer thread's own: the file as last read or written
    SnapshotPointer m_knownFile; // given by the session's thread, taken before the next write
    privacy::KeyPointer m_key; // what the writes given from now on seal with
    QThread *m_thread;
};

} // namespace penwick::diary

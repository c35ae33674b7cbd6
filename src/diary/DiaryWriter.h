// Writes the diary off the window's thread. The window hands it each day's latest text and
// goes on; the writer keeps, per day, only the newest text waiting, and writes what waits in
// one crash-safe replacement of the file, one write after another, never two at once and never
// out of order. It keeps the file's bytes in memory between writes and checks the file's
// identity before each, so changes other programs made to the file are read and kept.
#pragma once

#include "diary/DiarySnapshot.h"

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QWaitCondition>
#include <functional>

class QThread;

namespace penwick::diary {

// What one write did: the texts it tried to store, how that went, and the file after it.
struct WriteReport
{
    QString path;
    QMap<QString, QString> texts; // day key to text
    Outcome outcome;
    SnapshotPointer snapshot;
    // Days another program changed since Penwick last read or wrote the file, whose texts this
    // write replaced: day key to the other program's text.
    QMap<QString, QString> replacedOutsideChanges;
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
    // Waits until nothing waits and no write runs; false when timeoutMs ran out first.
    bool waitForIdle(int timeoutMs);
    bool isIdle() const;
    // The reports of the writes finished since the last call, oldest first.
    QList<WriteReport> takeReports();

    // The file as the window read it, for telling other programs' changes from Penwick's own;
    // taken before the next write while it is still the file on disk.
    void setKnownFile(SnapshotPointer file);

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

    void run();
    WriteReport write(
            const QString &path, const Texts &texts, const std::function<void(bool)> &replaceHook);

    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_idle;
    // Per path, each day's newest text, the days in the order they were first given, so that
    // new days are appended in the order they were written.
    QMap<QString, Texts> m_waiting;
    bool m_writing = false;
    bool m_stopping = false;
    QList<WriteReport> m_reports;
    std::function<void()> m_beforeWrite;
    std::function<void(bool)> m_replaceHook;
    SnapshotPointer m_file; // the writer thread's own: the file as last read or written
    SnapshotPointer m_knownFile; // given by the window's thread, taken before the next write
    QThread *m_thread;
};

} // namespace penwick::diary

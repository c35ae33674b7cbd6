// The open diary, without a widget: which day is selected, the clock that says what today is,
// where the note file lives, and the one way into it. Every change of day texts, whoever makes
// it — the user's typing, a restore, an import, a merge, another program's change, what the
// journal held after a crash — goes through here with its origin: the history keeps the text
// that leaves a day first, the session's picture of the file follows, and the writer writes
// over the very version the session last read or wrote, so that Penwick never mistakes its own
// write for another program's.
//
// Writes go to a writer off the window's thread; reads come from the file as last read or
// written, checked against the file's identity first, so the window never waits for the disk
// and still sees other programs' changes. Where two sides hold a day differently, the rule of
// sync/DayRule.h decides, day by day. Every text the window holds that is not yet stored waits
// under its day until it is.
//
// Given a journal, each change is kept there first and the whole file is rewritten only at a
// bounded rate: about a second after typing pauses, when another day is chosen, at flush() (quit,
// a move, an export), and while typing goes on, at the latest after rewriteSpacingMs().
#pragma once

#include "diary/DiaryJournal.h"
#include "diary/DiarySnapshot.h"
#include "diary/VersionMerge.h"

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace penwick {
class Preferences;
}

namespace penwick::diary {

class DiaryWriter;

// What stands in the way of the diary now, and how many days' texts wait to be stored.
struct DiaryProblem
{
    Status status = Status::Ok;
    QString reason;
    int unsavedDays = 0;
    bool ok() const { return status == Status::Ok; }
    friend bool operator==(const DiaryProblem &, const DiaryProblem &) = default;
};

// What settling another version of the diary did, for the window to say.
struct SettleReport
{
    enum class From {
        ConflictCopy, // a copy a sync engine left beside the diary
        OtherProgram, // a program that replaced the diary file
        EarlierRun, // what the journal held when Penwick last stopped
    };
    From from = From::ConflictCopy;
    QString copyName;
    int daysFromOther = 0; // days only the other version had
    QList<SettledDay> days; // the days the two held differently, and how each was settled
    QString error; // a copy that cannot be merged: why; the copy is left where it is
    bool changesDiary() const { return daysFromOther > 0 || !days.isEmpty(); }
};

class DiarySession : public QObject
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // A session on the system clock and the user's preferences, unless tests give others.
    explicit DiarySession(
            Clock clock = {}, const QString &preferencesFile = {}, QObject *parent = nullptr);
    ~DiarySession() override;

    // Start-up: selects today, removes what a killed save left, carries a diary kept in the
    // preferences by an earlier version into the preferences' "note", and creates a missing
    // note file from it, before the first day is shown.
    void open();
    // Before the note file is first read: the day's text as the file's end holds it (see
    // DiarySnapshot::glanceAtEnd), so that a large diary's day shows before the whole file is
    // read. Nothing for a small file, or when the end says nothing sure.
    std::optional<QString> glanceAt(QDate day) const;
    // Starts reading the note file on another thread; readAheadFinished() tells when it is in.
    // What it read is used only when the file is still the same by then.
    void readAhead();
    // Waits for the read ahead and takes it in; every read waits for it in any case.
    void waitForReadAhead();

    // The local calendar day of the clock's now.
    QDate today() const;
    QDate selectedDay() const { return m_selectedDay; }
    // Another day: what waits for the file is written first.
    void selectDay(QDate day);

    // The "safe" preference when it holds a path, else the default place.
    QString noteFilePath() const;
    // Makes path the note file: writes "safe" once what waits for the old file is written.
    // With moved, the diary's history follows it there. False, with the reason, when the
    // preferences cannot be written.
    bool setNoteFilePath(const QString &path, QString *error = nullptr, bool moved = false);

    // The day's text as the window last gave it, else as the file holds it; the empty string
    // when it has none or the diary cannot be read.
    QString textOf(QDate day);
    // Stores text, without characters XML cannot carry, as the selected day's entry: the
    // user's typing. Returns what is stored. The text the day holds already writes nothing.
    QString storeText(const QString &text);
    // Any other change of day texts (a restore, an import): each day's text is replaced by the
    // given one, the text it replaces kept in the history first, and all go to the file in one
    // write. Returns the days whose text changed.
    QStringList replaceDays(
            const QMap<QString, QString> &texts, Origin origin, const QString &detail = {});
    // The whole diary becomes entries (an earlier diary taken over); the texts that leave are
    // kept in the history first. False when the diary could not be written.
    bool replaceAllEntries(const QVariantList &entries, Origin origin, const QString &detail = {});
    // Writes every text still waiting and waits for that; true when nothing is left unsaved.
    bool retryPendingChanges();
    // Looks at the diary file again: reads it anew, starts an empty diary where the file is
    // missing from a folder that exists, and writes every text still waiting. True when the
    // diary can be written now.
    bool tryAgain();
    // True while no diary can be read: nothing typed could be stored.
    bool isWritable() const;
    // Writes what waits, joins the days that wait for a pause in typing, and waits until the
    // writer has written it (at most timeoutMs).
    bool flush(int timeoutMs = 10000);
    bool hasUnsavedChanges() const { return !m_unsaved.isEmpty(); }
    // The texts not yet stored, by day key.
    const QMap<QString, QString> &unsavedChanges() const { return m_unsaved; }
    // Removes the entries whose text is empty; how many, or nothing when the diary could not
    // be rewritten.
    std::optional<int> removeEmptyEntries();
    // The days of month whose entry holds text, the window's unsaved texts included.
    QSet<QDate> daysWithText(QDate month);
    // The entries whose text holds keyword, in date order, with the window's unsaved texts.
    QList<DiaryEntry> search(const QString &keyword, bool ignoreCaseAndAccents = false);

    // Where merged conflict copies go; without it, copies beside the diary are left alone.
    void setCopiesFolder(const QString &folder) { m_copiesFolder = folder; }
    // Looks at the diary's folder: merges the conflict copies a sync engine left there, and
    // takes in a change another program made to the file, day by day by the one rule. A copy
    // waits while the user types (until ten seconds after the last key).
    void checkForOutsideChanges();
    // The same, with the conflict copies beside the diary already found (off this thread).
    void checkForOutsideChanges(const QStringList &copies);

    // Keeps every change in journal before the file is rewritten, and every version in its
    // history (nullptr: neither). First settles what the journal holds that the file lacks
    // since Penwick last stopped, by the one rule against what the file holds now.
    void setJournal(DiaryJournal *journal);
    DiaryJournal *journal() const { return m_journal; }
    // While typing goes on, the file is rewritten at most this often: about 256 KB a second
    // for a large diary, every 5 s for a small one, never more than 30 s apart.
    static int rewriteSpacingMs(qint64 fileSize);

    DiaryProblem problem() const { return m_problem; }
    Preferences &preferences() const { return *m_preferences; }
    DiaryWriter &writer() const { return *m_writer; }

    // The key of a protected diary (nullptr: the diary is not protected): from now on the file
    // is opened and every write sealed with it. What waits is written first.
    void setKey(privacy::KeyPointer key);
    const privacy::KeyPointer &key() const { return m_key; }
    // Writes the whole file again under the key now (protection added, changed or removed).
    void rewriteFile();
    // At a lock: what waits is written, then the session lets go of every text of the diary it
    // holds in memory (the file's snapshot, the writer's copy) until it is read again.
    void forgetTexts();

    // Tests: as if the process were killed now: what waits in memory is dropped, and only what
    // the journal committed is left for the next start.
    void abandonForTest();
    // The diary file as last read or written (unsavedChanges() holds what the window has newer),
    // or nothing before the first read: never reads the file or waits for it, so a worker can
    // take what it holds while the window goes on.
    SnapshotPointer lastSnapshot() const { return m_file; }

Q_SIGNALS:
    // The read ahead is done, and what the session answers comes from the whole file.
    void readAheadFinished();
    void problemChanged(const penwick::diary::DiaryProblem &problem);
    // The selected day took another text than the user's typing (another program's change, a
    // merge, a restore, an import): the window shows it as one step the user can undo.
    void selectedDayReplaced(const QString &text);
    // Another version of the diary was settled with this one (or a copy refused).
    void versionsSettled(const penwick::diary::SettleReport &report);
    // Something about the diary the user should read, once: a sentence.
    void noticeRaised(const QString &notice);
    // The diary is another file now.
    void noteFileChanged();

private:
    void takeReports();
    // Hands every text the journal holds and the file does not yet to the writer.
    void writeKeptTexts();
    void settleJournal();
    // The file as it is now: the last snapshot while the file is unchanged, else read anew.
    const DiarySnapshot &currentFile();
    void useFile(SnapshotPointer file);
    void updateProblem();
    void retryFailedDays();
    qint64 freeSpaceAtDiary() const;
    void scheduleRetry();
    void carryOverLegacyDiary();
    bool typedRecently() const;
    // Settles what other programs left: a change to the file, and with mergeCopies also the
    // conflict copies beside it.
    void settleOutsideVersions(bool mergeCopies, std::optional<QStringList> found = {});
    // Settles the file another program left (now) with what this session holds, day by day
    // against before, the file as Penwick last read or wrote it.
    void takeInOutsideVersion(const SnapshotPointer &before, const SnapshotPointer &now);
    // Merges a conflict copy into the diary as both machines merge it.
    void mergeCopy(const QString &copyPath);
    void takeInConcurrentVersion(const SnapshotPointer &before, const SnapshotPointer &now,
            const QString &copyPath, const QVariantList &copy);
    // Writes a merge's entries over the file; what it leaves is what the two sides share.
    void writeMerge(const MergedVersions &merged, const QString &source, const DiarySnapshot &held);
    DayKnowledge knowledge();
    // The texts a merge settled are kept in the history: the one that leaves a day first.
    void recordSettled(
            const QList<SettledDay> &days, const QString &source, const DiarySnapshot &held);
    void settlePendingJoins(bool evenWhileTyping);
    void storeSettled(const QMap<QString, QString> &texts);
    QString joinLine(SettleReport::From from) const;
    QString moveMergedCopy(const QString &copyPath);
    privacy::KeyPointer m_key;

    std::unique_ptr<Preferences> m_preferences;
    mutable std::optional<std::pair<QString, QString>> m_notePath; // the preference, its path
    Clock m_clock;
    QDate m_selectedDay;
    std::unique_ptr<DiaryWriter> m_writer;
    SnapshotPointer m_file;
    std::future<SnapshotPointer> m_readAhead;
    QMap<QString, QString> m_unsaved; // day key to the text the window holds, not yet stored
    QSet<QString> m_failedDays; // unsaved days whose last write failed
    Outcome m_lastFailure;
    DiaryProblem m_problem;
    QTimer m_retry; // tries the failed days again
    int m_retryDelayMs = 1000;
    qint64 m_freeSpaceAtFailure = 0;
    DiaryJournal *m_journal = nullptr;
    QMap<QString, QString> m_kept; // kept in the journal, not yet handed to the writer
    // day key to the day's text in the file that a kept text replaces
    QMap<QString, QString> m_replacedTexts;
    QTimer m_rewriteAfterPause;
    QTimer m_rewriteAtLatest;
    QDateTime m_lastTyped;
    QString m_lastTypedDay;
    // days another program changed while the user typed in them: its text, joined with the
    // user's at the next pause
    QMap<QString, QString> m_pendingJoins;
    QTimer m_settleAfterTyping;
    QString m_copiesFolder;
    QSet<QString> m_refusedCopies; // copies said once to be unreadable, by path and identity
    // copies merged, moved into the copies folder once the diary holds the merge
    QStringList m_copiesToMove;
    bool m_learnFileWhenRead = false; // the journal learns the file as Penwick first reads it
    bool m_changedUnderWrite = false;
    bool m_settling = false;

public:
    // The days from first to last, both included, in date order, each with the text the window
    // shows for it (the day's first entry, or the window's text not yet stored); an entry whose
    // date names no day is passed over. What an export or a printout reads.
    QList<DiaryEntry> daysBetween(QDate first, QDate last);
};

} // namespace penwick::diary

Q_DECLARE_METATYPE(penwick::diary::DiaryProblem)
Q_DECLARE_METATYPE(penwick::diary::SettleReport)

// The open diary, without a widget: which day is selected, the clock that says what today is,
// where the note file lives, and every read and write of it that the window asks for.
//
// Writes go to a writer off the window's thread; reads come from the file as last read or
// written, checked against the file's identity first, so the window never waits for the disk
// and still sees other programs' changes. Every text the window holds that is not yet stored
// waits under its day until it is, however many days that is; it is tried again with every
// later write and by retryPendingChanges().
//
// Given a journal, each change is kept there first and the whole file is rewritten only at a
// bounded rate: about a second after typing pauses, when another day is chosen, at flush() (quit,
// a move, an export), and while typing goes on, at the latest after rewriteSpacingMs().
#pragma once

#include "diary/DiaryJournal.h"
#include "diary/DiarySnapshot.h"

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

class DiarySession : public QObject
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // A session on the system clock, unless tests give it another.
    explicit DiarySession(Clock clock = {}, QObject *parent = nullptr);
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
    // False, with the reason, when the preferences cannot be written.
    bool setNoteFilePath(const QString &path, QString *error = nullptr);

    // The day's text as the window last gave it, else as the file holds it; the empty string
    // when it has none or the diary cannot be read.
    QString textOf(QDate day);
    // Stores text, without characters XML cannot carry, as the selected day's entry; returns
    // what is stored. The text the day holds already writes nothing.
    QString storeText(const QString &text);
    // Writes every text still waiting and waits for that; true when nothing is left unsaved.
    bool retryPendingChanges();
    // Looks at the diary file again: reads it anew, starts an empty diary where the file is
    // missing from a folder that exists, and writes every text still waiting. True when the
    // diary can be written now.
    bool tryAgain();
    // True while no diary can be read: nothing typed could be stored.
    bool isWritable() const;
    // Waits until the writer has written what it was given (at most timeoutMs), and takes in
    // what it reports.
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

    // Looks whether another program changed the file since Penwick last read or wrote it, and
    // reports a change to the selected day. Does nothing while a write runs: the writer sees
    // the change itself.
    void checkForOutsideChanges();

    // Told on the window's thread of each day's text before and after Penwick stores a change
    // (the history keeps it).
    using TextObserver = std::function<void(
            const QString &dayKey, const QString &previousText, const QString &newText)>;
    void setTextObserver(TextObserver observer) { m_textObserver = std::move(observer); }
    // Whether Penwick itself stored text for the day before (the history knows). A text coming
    // back from outside that is one of these is stale: a sync engine delivering a version this
    // machine wrote earlier. The newer text then stays and is written back.
    using StaleTextCheck = std::function<bool(const QString &dayKey, const QString &text)>;
    void setStaleTextCheck(StaleTextCheck check) { m_isStale = std::move(check); }

    // Keeps every change in journal before the file is rewritten (nullptr: no journal). First
    // writes into the diary file, in one replacement, what the journal holds that the file lacks
    // since Penwick last stopped: a day whose text in the file is still the one the kept text
    // replaced (or one Penwick stored itself) takes the kept text; a day another program changed
    // meanwhile keeps the file's text, and the kept one goes aside in the journal's history.
    // Returns the day keys of those.
    QStringList setJournal(DiaryJournal *journal);
    // While typing goes on, the file is rewritten at most this often: about 256 KB a second
    // for a large diary, every 5 s for a small one, never more than 30 s apart.
    static int rewriteSpacingMs(qint64 fileSize);

    DiaryProblem problem() const { return m_problem; }
    Preferences &preferences() const { return *m_preferences; }
    DiaryWriter &writer() const { return *m_writer; }

    // The diary file as last read or written (unsavedChanges() holds what the window has newer),
    // or nothing before the first read: never reads the file or waits for it, so a worker can
    // take what it holds while the window goes on.
    SnapshotPointer lastSnapshot() const { return m_file; }

Q_SIGNALS:
    // The read ahead is done, and what the session answers comes from the whole file.
    void readAheadFinished();
    void problemChanged(const penwick::diary::DiaryProblem &problem);
    // Another program changed the selected day's text. With nothing of the user's waiting for
    // the day, text is the day's new text; when the user's text replaced it (conflict), text is
    // the other program's version, which the window keeps within reach.
    void selectedDayChangedOutside(const QString &text, bool conflict);

private:
    void takeReports();
    // Hands every text the journal holds and the file does not yet to the writer.
    void writeKeptTexts();
    void journalStopped();
    // The file as it is now: the last snapshot while the file is unchanged, else read anew.
    const DiarySnapshot &currentFile();
    void updateProblem();
    void retryFailedDays();
    qint64 freeSpaceAtDiary() const;
    void scheduleRetry();
    void carryOverLegacyDiary();
    // The days whose text went back to a stale one: their newer text, written back.
    QMap<QString, QString> keepNewerThanStale(
            const DiarySnapshot &before, const DiarySnapshot &now);

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
    TextObserver m_textObserver;
    StaleTextCheck m_isStale;
};

} // namespace penwick::diary

Q_DECLARE_METATYPE(penwick::diary::DiaryProblem)

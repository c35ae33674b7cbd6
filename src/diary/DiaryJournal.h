// What Penwick remembers of the diary besides the file: the journal, where each change of a day
// is kept durably the moment it is made, before the diary file is rewritten; every earlier
// version of every day; and what this machine knows of each day's texts in the file (every text
// it wrote there, and the text the day held when the file last came from elsewhere), which is
// what tells a stale delivery from another writer's change.
//
// With a journal the session rewrites the whole file only at a bounded rate (after a pause in
// typing, on a day change, at quit, and at least every few seconds while typing goes on);
// without one, or while it cannot keep changes, every change rewrites the file at once.
#pragma once

#include "diary/DiarySnapshot.h"

#include <QList>
#include <QMap>
#include <QString>
#include <functional>

namespace penwick::diary {

// Where a version of a day came from.
enum class Origin { Typed, Restored, ChangedOutside, Merged, Imported };

// A change kept in the journal that the diary file did not hold yet when it was kept.
struct UnwrittenText
{
    QString dayKey;
    QString text;
    QString fileText; // the day's text in the diary file that this text replaces
    friend bool operator==(const UnwrittenText &, const UnwrittenText &) = default;
};

class DiaryJournal
{
public:
    virtual ~DiaryJournal() = default;

    // False while the journal cannot keep changes: they then go straight to the diary file.
    virtual bool isKeeping() const = 0;
    // Called, on any thread, when the journal stops keeping changes (false) or takes them up
    // again (true).
    virtual void setKeepingHandler(std::function<void(bool keeping)> handler) = 0;

    // Opens the journal for the diary at diaryPath: returns what is kept and not in the diary
    // file yet.
    virtual QList<UnwrittenText> open(const QString &diaryPath) = 0;
    // Keeps text as the day's newest, not yet in the diary file at diaryPath, where the day
    // holds fileText. Returns at once; the commit follows off the caller's thread.
    virtual void keep(const QString &diaryPath, const QString &dayKey, const QString &text,
            const QString &fileText)
            = 0;
    // Penwick wrote these texts (day key to text) into the diary file: they need no keeping any
    // more, and are known as this machine's own from now on.
    virtual void written(const QString &diaryPath, const QMap<QString, QString> &texts) = 0;
    // What the journal kept for these days will not reach the file: the day took another text.
    virtual void forget(const QString &diaryPath, const QStringList &dayKeys) = 0;

    // The user's typing replaced text, the day's text in the file: an older text of this
    // machine's from now on, as those it wrote.
    virtual void typedOver(const QString &diaryPath, const QString &dayKey, const QString &text)
            = 0;
    // Whether this machine wrote text into the diary file as the day's text at some time, or
    // typed over it there.
    virtual bool wasWritten(
            const QString &diaryPath, const QString &dayKey, const QString &text) const = 0;
    // Whether the day held text when the file came from elsewhere at some time.
    virtual bool wasShared(
            const QString &diaryPath, const QString &dayKey, const QString &text) const = 0;
    // Whether text is the day's text as the file last came from elsewhere (a day never seen
    // from elsewhere has the empty text).
    virtual bool isShared(
            const QString &diaryPath, const QString &dayKey, const QString &text) const = 0;
    // The file came from elsewhere holding these texts, or a merge both sides make alike left
    // them: they are what the sides share now. With exceptOwnTexts (the file as Penwick first
    // reads it), a day holding a text this machine wrote keeps what it shared before: only what
    // another program changed while Penwick did not run came from elsewhere.
    virtual void share(const QString &diaryPath, SnapshotPointer file, bool exceptOwnTexts = false)
            = 0;

    // The user's typing replaced previousText of the day by newText.
    virtual void recordChange(const QString &diaryPath, const QString &dayKey,
            const QString &previousText, const QString &newText)
            = 0;
    // Something other than the user's next keystroke replaced previousText by newText: the text
    // that leaves the day is kept as a version of its own first, then newText with its origin.
    virtual void recordReplacement(const QString &diaryPath, const QString &dayKey,
            const QString &previousText, const QString &newText, Origin origin,
            const QString &detail)
            = 0;
    // Keeps text as a closed version of the day.
    virtual void recordVersion(const QString &diaryPath, const QString &dayKey, const QString &text,
            Origin origin, const QString &detail)
            = 0;
    // The next change of any day starts a new version.
    virtual void closeStretches() = 0;
    // The diary file moved: everything known of it follows.
    virtual void moveDiary(const QString &fromPath, const QString &toPath) = 0;
};

} // namespace penwick::diary

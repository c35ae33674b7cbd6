// Where each change of a day is kept durably the moment it is made, before the diary file is
// rewritten. With a journal the session rewrites the whole file only at a bounded rate (after a
// pause in typing, on a day change, at quit, and at least every few seconds while typing goes
// on); without one, or once it cannot keep changes, every change rewrites the file at once.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <functional>

namespace penwick::diary {

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

    // False once the journal cannot keep changes: they then go straight to the diary file.
    virtual bool isKeeping() const = 0;
    // Called, on any thread, when the journal stops keeping changes.
    virtual void setStoppedHandler(std::function<void()> handler) = 0;
    // Keeps text as the day's newest, not yet in the diary file at diaryPath, where the day
    // holds fileText. Returns at once; the commit follows off the caller's thread.
    virtual void keep(const QString &diaryPath, const QString &dayKey, const QString &text,
            const QString &fileText)
            = 0;
    // The diary file holds these texts now (day key to text): they need no keeping any more.
    virtual void written(const QString &diaryPath, const QMap<QString, QString> &texts) = 0;
    // What is kept and not in the diary file yet; waits for the commits queued before it.
    virtual QList<UnwrittenText> unwritten(const QString &diaryPath) = 0;
    // Whether Penwick itself stored text for the day before.
    virtual bool wasStored(
            const QString &diaryPath, const QString &dayKey, const QString &text) const = 0;
    // A kept text that the diary file will not take (another program changed the day since):
    // kept as an earlier version of the day instead.
    virtual void keepAside(const QString &diaryPath, const QString &dayKey, const QString &text)
            = 0;
};

} // namespace penwick::diary

// The open diary, without a widget: which day is selected, the clock that says what today is,
// where the note file lives, and every read and write of it that the window asks for. It keeps
// the change whose write failed, tries it again before the next read, and reports the diary's
// current problem (or its absence) so the window can show it.
#pragma once

#include "diary/NoteFile.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace penwick {
class Preferences;
}

namespace penwick::diary {

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

    // The local calendar day of the clock's now.
    QDate today() const;
    QDate selectedDay() const { return m_selectedDay; }
    void selectDay(QDate day) { m_selectedDay = day; }

    // The "safe" preference when it holds a path, else the default place.
    QString noteFilePath() const;
    // Makes path the note file: writes "safe". False, with the reason, when the preferences
    // cannot be written.
    bool setNoteFilePath(const QString &path, QString *error = nullptr);

    // The day's text, or the empty string when it has none or the diary cannot be read.
    QString textOf(QDate day);
    // Stores text as the selected day's entry.
    void storeText(const QString &text);
    // Stores the change whose write failed, if there is one. True when nothing is left pending.
    bool retryPendingChange();
    bool hasPendingChange() const { return m_pending.has_value(); }
    // Removes the entries whose text is empty; how many, or nothing when the diary could not
    // be rewritten.
    std::optional<int> removeEmptyEntries();
    // The entries whose text holds keyword, in date order.
    QList<DiaryEntry> search(const QString &keyword);

    // What stands in the way of the diary now: a pending change's failed write first, else the
    // latest read's or write's outcome.
    Outcome problem() const { return m_problem; }

    Preferences &preferences() const { return *m_preferences; }

Q_SIGNALS:
    void problemChanged(const penwick::diary::Outcome &problem);

private:
    void report(const Outcome &outcome);
    void save(QDate day, const QString &text);
    void carryOverLegacyDiary();

    std::unique_ptr<Preferences> m_preferences;
    Clock m_clock;
    QDate m_selectedDay;
    struct PendingChange
    {
        QDate day;
        QString text;
        Outcome outcome;
    };
    std::optional<PendingChange> m_pending; // the latest change whose write failed
    Outcome m_problem;
};

} // namespace penwick::diary

#include "DiarySession.h"

#include "diary/DayKey.h"
#include "diary/Migration.h"
#include "diary/Search.h"
#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/Plist.h"
#include "platform/Preferences.h"
#include "platform/StandardPaths.h"

#include <QDir>
#include <QFileInfo>

namespace penwick::diary {

DiarySession::DiarySession(Clock clock, QObject *parent)
    : QObject(parent)
    , m_preferences(std::make_unique<Preferences>())
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTime(); })
{
    m_selectedDay = today();
}

DiarySession::~DiarySession() = default;

QDate DiarySession::today() const
{
    return m_clock().toLocalTime().date();
}

QString DiarySession::noteFilePath() const
{
    return diary::noteFilePath(m_preferences->string(prefkey::safe), paths::applicationSupport());
}

bool DiarySession::setNoteFilePath(const QString &path, QString *error)
{
    // the change waiting for the old file is stored there before the diary moves on
    retryPendingChange();
    m_preferences->setValue(prefkey::safe, path);
    return m_preferences->sync(error) && noteFilePath() == path;
}

void DiarySession::open()
{
    m_selectedDay = today();
    // Penwick runs once per diary, so a temporary file beside the note file is one that a
    // killed save left behind.
    removeStaleTemporaryFiles(noteFilePath());
    carryOverLegacyDiary();
}

void DiarySession::carryOverLegacyDiary()
{
    Preferences &prefs = *m_preferences;
    if (prefs.array(prefkey::note).isEmpty()) {
        prefs.setValue(prefkey::note, legacyEntries(prefs.keys(), [&prefs](const QString &key) {
            return prefs.value(key);
        }));
        prefs.sync();
    }

    const QString path = noteFilePath();
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
        return; // an existing note file, readable or not, is never touched here

    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written in one atomic step: an empty file left by a failed write would be unreadable,
    // and would stop every later start from creating the diary.
    const WriteResult written
            = replaceFileAtomically(path, plist::writeXml(prefs.array(prefkey::note)));
    if (!written.ok)
        qCWarning(lcPenwick) << "Could not create the diary file:" << written.error;
}

// Reads try a change whose write failed once more first, so that they see it, and so that the
// window never replaces a change that could be stored by now.
QString DiarySession::textOf(QDate day)
{
    retryPendingChange();
    const DayText found = readDayText(noteFilePath(), dayKey(day));
    report(found.outcome);
    return found.text;
}

void DiarySession::storeText(const QString &text)
{
    save(m_selectedDay, text);
}

void DiarySession::save(QDate day, const QString &text)
{
    const Outcome outcome = saveDayText(noteFilePath(), dayKey(day), text);
    if (outcome.status == Status::WriteFailed)
        m_pending = PendingChange { day, text, outcome };
    else if (outcome.ok())
        m_pending.reset();
    report(outcome);
}

bool DiarySession::retryPendingChange()
{
    if (m_pending) {
        const PendingChange pending = *m_pending;
        save(pending.day, pending.text);
    }
    return !m_pending;
}

std::optional<int> DiarySession::removeEmptyEntries()
{
    int removed = 0;
    const Outcome outcome = diary::removeEmptyEntries(noteFilePath(), &removed);
    report(outcome);
    return outcome.ok() ? std::optional(removed) : std::nullopt;
}

QList<DiaryEntry> DiarySession::search(const QString &keyword)
{
    if (keyword.isEmpty())
        return {};
    retryPendingChange(); // the search sees the text as it stands in the window
    DiaryEntries found = searchDiary(noteFilePath(), keyword);
    report(found.outcome);
    return std::move(found.entries);
}

void DiarySession::report(const Outcome &outcome)
{
    // A failed change stays the problem until it is stored: reading another day does not
    // store it.
    const Outcome problem = outcome.ok() && m_pending ? m_pending->outcome : outcome;
    m_problem = problem;
    Q_EMIT problemChanged(problem);
}

} // namespace penwick::diary

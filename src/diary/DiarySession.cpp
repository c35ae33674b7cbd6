#include "DiarySession.h"

#include "diary/DayKey.h"
#include "diary/DiaryWriter.h"
#include "diary/Migration.h"
#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/Plist.h"
#include "platform/Preferences.h"
#include "platform/StandardPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QThreadPool>

namespace penwick::diary {

DiarySession::DiarySession(Clock clock, QObject *parent)
    : QObject(parent)
    , m_preferences(std::make_unique<Preferences>())
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTime(); })
    , m_writer(std::make_unique<DiaryWriter>())
{
    m_selectedDay = today();
    connect(m_writer.get(), &DiaryWriter::reportsReady, this, &DiarySession::takeReports,
            Qt::QueuedConnection);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &DiarySession::retryFailedDays);
    m_rewriteAfterPause.setSingleShot(true);
    m_rewriteAfterPause.setInterval(1000);
    m_rewriteAtLatest.setSingleShot(true);
    for (QTimer *timer : { &m_rewriteAfterPause, &m_rewriteAtLatest })
        connect(timer, &QTimer::timeout, this, &DiarySession::writeKeptTexts);
}

DiarySession::~DiarySession()
{
    if (m_readAhead.valid())
        m_readAhead.wait(); // its report to this session is dropped with it
    writeKeptTexts(); // the writer writes what waits before it stops
}

void DiarySession::selectDay(QDate day)
{
    if (day != m_selectedDay)
        writeKeptTexts();
    m_selectedDay = day;
}

int DiarySession::rewriteSpacingMs(qint64 fileSize)
{
    constexpr qint64 bytesPerSecond = 256 * 1024;
    return int(std::clamp<qint64>(fileSize * 1000 / bytesPerSecond, 5000, 30000));
}

QStringList DiarySession::setJournal(DiaryJournal *journal)
{
    if (m_journal) {
        // what the journal kept is written and the journal told so, quietly: the journal is
        // taken away as its window goes
        const QSignalBlocker quiet(this);
        flush();
        m_journal->setStoppedHandler({});
    }
    m_journal = journal;
    if (!journal)
        return {};
    journal->setStoppedHandler([this] {
        QMetaObject::invokeMethod(this, &DiarySession::journalStopped, Qt::QueuedConnection);
    });
    const QString path = noteFilePath();
    const QList<UnwrittenText> left = journal->unwritten(path);
    if (left.isEmpty())
        return {};
    const DiarySnapshot &file = currentFile();
    QMap<QString, QString> take, done;
    QStringList keptAside;
    for (const UnwrittenText &kept : left) {
        if (!file.outcome().ok()) {
            take.insert(kept.dayKey, kept.text); // waits, shown, until the diary can be written
            continue;
        }
        const QString now = file.textOf(kept.dayKey);
        if (now == kept.text) {
            done.insert(kept.dayKey, kept.text);
        } else if (now == kept.fileText || journal->wasStored(path, kept.dayKey, now)) {
            take.insert(kept.dayKey, kept.text);
        } else {
            journal->keepAside(path, kept.dayKey, kept.text);
            done.insert(kept.dayKey, kept.text);
            keptAside.append(kept.dayKey);
        }
    }
    qCInfo(lcPenwick) << left.size() << "days were kept but not yet in the diary file;"
                      << take.size() << "written now," << keptAside.size() << "kept aside";
    if (!done.isEmpty())
        journal->written(path, done);
    if (!take.isEmpty()) {
        for (auto it = take.cbegin(); it != take.cend(); ++it)
            m_unsaved.insert(it.key(), it.value());
        m_writer->store(path, take);
        flush();
    }
    return keptAside;
}

void DiarySession::journalStopped()
{
    // what the journal may not have kept goes to the file at once, and so does every change
    // from now on
    writeKeptTexts();
}

void DiarySession::writeKeptTexts()
{
    m_rewriteAfterPause.stop();
    m_rewriteAtLatest.stop();
    if (m_kept.isEmpty())
        return;
    for (auto it = m_kept.cbegin(); it != m_kept.cend(); ++it)
        m_replacedTexts.insert(it.key(), it.value()); // the file's text once this write lands
    m_writer->store(noteFilePath(), std::exchange(m_kept, {}));
}

QDate DiarySession::today() const
{
    return m_clock().toLocalTime().date();
}

QString DiarySession::noteFilePath() const
{
    // asked on every keystroke: worked out again only when the preference changes
    const QString chosen = m_preferences->string(prefkey::safe);
    if (!m_notePath || m_notePath->first != chosen)
        m_notePath = { chosen,
            diary::noteFilePath(chosen, paths::applicationSupport(), QDir::homePath()) };
    return m_notePath->second;
}

bool DiarySession::setNoteFilePath(const QString &path, QString *error)
{
    // what waits for the old file is written there before the diary moves on
    flush();
    m_preferences->setValue(prefkey::safe, path);
    const bool written = m_preferences->sync(error) && noteFilePath() == path;
    m_file.reset();
    updateProblem();
    return written;
}

void DiarySession::open()
{
    m_selectedDay = today();
    // Penwick runs once per diary, so a temporary file beside the note file is one that a
    // killed save left behind.
    removeStaleTemporaryFiles(noteFilePath());
    carryOverLegacyDiary();
    m_file.reset();
}

void DiarySession::readAhead()
{
    m_readAhead = std::async(std::launch::async, [this, path = noteFilePath()] {
        SnapshotPointer file = DiarySnapshot::load(path);
        // taken in on the session's thread; the future holds the snapshot a moment later
        QMetaObject::invokeMethod(
                this,
                [this] {
                    waitForReadAhead();
                    Q_EMIT readAheadFinished();
                },
                Qt::QueuedConnection);
        return file;
    });
}

std::optional<QString> DiarySession::glanceAt(QDate day) const
{
    if (m_file || m_readAhead.valid())
        return std::nullopt;
    return DiarySnapshot::glanceAtEnd(noteFilePath(), dayKey(day));
}

void DiarySession::waitForReadAhead()
{
    if (m_readAhead.valid())
        currentFile();
    if (m_readAhead.valid())
        m_readAhead.get(); // a later read came first
}

void DiarySession::carryOverLegacyDiary()
{
    Preferences &prefs = *m_preferences;
    if (prefs.array(prefkey::note).isEmpty()) {
        const QVariantList legacy = legacyEntries(
                prefs.keys(), [&prefs](const QString &key) { return prefs.value(key); });
        // once "note" is there, a start with nothing to carry over leaves the file untouched
        if (!legacy.isEmpty() || !prefs.keys().contains(prefkey::note)) {
            prefs.setValue(prefkey::note, legacy);
            prefs.sync();
        }
    }

    const QString path = noteFilePath();
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
        return; // an existing note file, readable or not, is never touched here

    // The default place gets its folders; a place the user chose whose folder is missing (an
    // unmounted drive) gets nothing, or a fresh diary would appear under the mount point.
    if (!prefs.string(prefkey::safe).isEmpty()
            && !QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return;
    makePrivateFolder(QFileInfo(path).absolutePath());
    // Written in one atomic step: an empty file left by a failed write would be unreadable,
    // and would stop every later start from creating the diary.
    const WriteResult written
            = replaceFileAtomically(path, plist::writeXml(prefs.array(prefkey::note)));
    if (!written.ok)
        qCWarning(lcPenwick) << "Could not create the diary file:" << written.error;
}

const DiarySnapshot &DiarySession::currentFile()
{
    takeReports(); // the writer's latest, when it has finished one
    const QString path = noteFilePath();
    if (!m_file || m_file->path() != path || !m_file->isCurrent()) {
        SnapshotPointer ahead = m_readAhead.valid() ? m_readAhead.get() : nullptr;
        m_file = ahead && ahead->path() == path && ahead->isCurrent() ? std::move(ahead)
                                                                      : DiarySnapshot::load(path);
        // searches ignoring case and accents fold every text once: done now, off this thread
        if (m_preferences->value(prefkey::searchIgnoresCase).toBool())
            QThreadPool::globalInstance()->start([file = m_file] { file->prepareFoldedTexts(); });
        m_replacedTexts.clear(); // another program's write, or another file
        m_writer->setKnownFile(m_file);
        updateProblem();
    }
    return *m_file;
}

void DiarySession::checkForOutsideChanges()
{
    takeReports();
    // the folder changed: when that freed space (not just a failed write's own traces), the
    // failed days go again at once
    if (!m_failedDays.isEmpty() && freeSpaceAtDiary() > m_freeSpaceAtFailure)
        retryFailedDays();
    if (!m_writer->isIdle() || (m_file && m_file->path() == noteFilePath() && m_file->isCurrent()))
        return;
    const SnapshotPointer before = m_file;
    m_file.reset();
    const DiarySnapshot &now = currentFile();
    m_writer->setKnownFile(m_file);
    const QString key = dayKey(m_selectedDay);
    if (!before || !before->outcome().ok() || !now.outcome().ok())
        return; // a diary that became readable or unreadable: the problem says so
    const QMap<QString, QString> keptNewer = keepNewerThanStale(*before, now);
    const QString text = now.textOf(key);
    if (text == before->textOf(key) || keptNewer.contains(key))
        return;
    const auto unsaved = m_unsaved.constFind(key);
    if (unsaved == m_unsaved.cend())
        Q_EMIT selectedDayChangedOutside(text, false);
    else if (*unsaved != text)
        Q_EMIT selectedDayChangedOutside(text, true); // the user's text is on its way over it
}

QMap<QString, QString> DiarySession::keepNewerThanStale(
        const DiarySnapshot &before, const DiarySnapshot &now)
{
    QMap<QString, QString> newer;
    if (!m_isStale)
        return newer;
    const auto firstTexts = [](const DiarySnapshot &file) {
        QMap<QString, QString> texts;
        for (const QVariant &entry : parseNoteBytes(file.bytes()).entries) {
            const QVariantMap map = entry.toMap();
            if (isDiaryEntry(entry)
                    && !texts.contains(map.value(QStringLiteral("date")).toString()))
                texts.insert(map.value(QStringLiteral("date")).toString(),
                        map.value(QStringLiteral("text")).toString());
        }
        return texts;
    };
    const QMap<QString, QString> was = firstTexts(before);
    const QMap<QString, QString> is = firstTexts(now);
    for (auto it = was.cbegin(); it != was.cend(); ++it) {
        const QString outside = is.value(it.key());
        if (outside != it.value() && !m_unsaved.contains(it.key()) && m_isStale(it.key(), outside))
            newer.insert(it.key(), it.value());
    }
    if (newer.isEmpty())
        return newer;
    qCInfo(lcPenwick) << "An earlier version of" << newer.size()
                      << "days came back from outside; the newer text is kept";
    for (auto it = newer.cbegin(); it != newer.cend(); ++it)
        m_unsaved.insert(it.key(), it.value());
    m_writer->store(noteFilePath(), newer);
    return newer;
}

QString DiarySession::textOf(QDate day)
{
    const QString key = dayKey(day);
    const auto unsaved = m_unsaved.constFind(key);
    const DiarySnapshot &file = currentFile();
    return unsaved != m_unsaved.cend() ? *unsaved : file.textOf(key);
}

QString DiarySession::storeText(const QString &text)
{
    const QString path = noteFilePath();
    const QString key = dayKey(m_selectedDay);
    QString stored = storableText(text);
    const auto unsaved = m_unsaved.constFind(key);
    const QString previous = unsaved != m_unsaved.cend() ? *unsaved : currentFile().textOf(key);
    // the day's own text again (the spelling underline redrawn, a day shown anew) writes nothing
    if (previous == stored)
        return stored;
    if (m_textObserver)
        m_textObserver(key, previous, stored);
    m_unsaved.insert(key, stored);
    if (m_journal && m_journal->isKeeping() && m_failedDays.isEmpty()) {
        // kept at once; the file follows at a bounded rate. The text this one replaces in the
        // file is looked up once a day and write, not once a key: a lookup reads the file.
        auto replaced = m_replacedTexts.constFind(key);
        if (replaced == m_replacedTexts.cend())
            replaced = m_replacedTexts.insert(key, currentFile().textOf(key));
        m_journal->keep(path, key, stored, *replaced);
        m_kept.insert(key, stored);
        m_rewriteAfterPause.start();
        if (!m_rewriteAtLatest.isActive())
            m_rewriteAtLatest.start(rewriteSpacingMs(currentFile().bytes().size()));
        return stored;
    }
    m_kept.remove(key);
    if (m_failedDays.isEmpty()) {
        m_writer->store(path, key, stored);
        return stored;
    }
    // every change that could not be written goes again, in the same write as this one
    QMap<QString, QString> texts { { key, stored } };
    for (const QString &failed : std::as_const(m_failedDays))
        texts.insert(failed, m_unsaved.value(failed));
    m_writer->store(path, texts);
    return stored;
}

bool DiarySession::retryPendingChanges()
{
    m_kept.clear();
    m_writer->store(noteFilePath(), m_unsaved);
    flush();
    return m_unsaved.isEmpty();
}

bool DiarySession::tryAgain()
{
    m_file.reset();
    if (currentFile().outcome().status == Status::Missing) {
        const WriteResult created
                = createFileAtomically(noteFilePath(), plist::writeXml(QVariantList {}));
        if (!created.ok)
            qCWarning(lcPenwick) << "Could not start an empty diary:" << created.error;
        m_file.reset();
        currentFile();
    }
    if (!m_unsaved.isEmpty())
        retryPendingChanges();
    return isWritable() && m_failedDays.isEmpty();
}

bool DiarySession::isWritable() const
{
    const Status status = m_file ? m_file->outcome().status : Status::Ok;
    return status == Status::Ok;
}

bool DiarySession::flush(int timeoutMs)
{
    writeKeptTexts();
    const bool idle = m_writer->waitForIdle(timeoutMs);
    takeReports();
    return idle;
}

void DiarySession::takeReports()
{
    const QList<WriteReport> reports = m_writer->takeReports();
    if (reports.isEmpty())
        return;
    const QString path = noteFilePath();
    const QString selected = dayKey(m_selectedDay);
    for (const WriteReport &report : reports) {
        if (report.path == path && report.snapshot) {
            if (m_file)
                report.snapshot->inheritFoldedTexts(*m_file);
            m_file = report.snapshot;
        }
        const auto replaced = report.replacedOutsideChanges.constFind(selected);
        if (replaced != report.replacedOutsideChanges.cend())
            Q_EMIT selectedDayChangedOutside(*replaced, true);
        if (report.outcome.ok() && m_journal)
            m_journal->written(report.path, report.texts);
        for (auto it = report.texts.cbegin(); it != report.texts.cend(); ++it) {
            if (report.outcome.ok()) {
                m_failedDays.remove(it.key());
                // a newer text of the day may be on its way; only what was stored is done
                if (m_unsaved.value(it.key()) == it.value())
                    m_unsaved.remove(it.key());
                continue;
            }
            m_replacedTexts.remove(it.key()); // the file still holds what it held
            if (m_unsaved.contains(it.key())) {
                m_failedDays.insert(it.key());
                m_lastFailure = report.outcome;
                m_freeSpaceAtFailure = freeSpaceAtDiary();
            }
        }
    }
    updateProblem();
}

qint64 DiarySession::freeSpaceAtDiary() const
{
    return QStorageInfo(QFileInfo(noteFilePath()).absolutePath()).bytesAvailable();
}

void DiarySession::retryFailedDays()
{
    if (m_failedDays.isEmpty())
        return;
    m_freeSpaceAtFailure = freeSpaceAtDiary();
    QMap<QString, QString> texts;
    for (const QString &failed : std::as_const(m_failedDays))
        texts.insert(failed, m_unsaved.value(failed));
    m_writer->store(noteFilePath(), texts);
}

void DiarySession::scheduleRetry()
{
    // While a change cannot be stored it is tried again by itself, soon after the failure and
    // then less and less often: a freed disk takes the text without another keystroke.
    if (m_failedDays.isEmpty()) {
        m_retry.stop();
        m_retryDelayMs = 1000;
        return;
    }
    if (m_retry.isActive())
        return;
    m_retry.start(m_retryDelayMs);
    m_retryDelayMs = std::min(m_retryDelayMs * 2, 30000);
}

void DiarySession::updateProblem()
{
    scheduleRetry();
    DiaryProblem problem;
    if (!m_failedDays.isEmpty())
        problem = { m_lastFailure.status, m_lastFailure.reason, int(m_failedDays.size()) };
    else if (m_file && !m_file->outcome().ok())
        problem = { m_file->outcome().status, m_file->outcome().reason, 0 };
    m_problem = problem;
    Q_EMIT problemChanged(problem);
}

std::optional<int> DiarySession::removeEmptyEntries()
{
    flush();
    int removed = 0;
    const Outcome outcome = diary::removeEmptyEntries(noteFilePath(), &removed);
    m_file.reset();
    currentFile();
    if (!outcome.ok() && m_problem.ok()) {
        m_problem = { outcome.status, outcome.reason, 0 };
        Q_EMIT problemChanged(m_problem);
    }
    return outcome.ok() ? std::optional(removed) : std::nullopt;
}

QSet<QDate> DiarySession::daysWithText(QDate month)
{
    QSet<QDate> days = currentFile().daysWithText(month);
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it) {
        const QDate day = dayFromKey(it.key());
        if (day.year() == month.year() && day.month() == month.month()) {
            if (it.value().isEmpty())
                days.remove(day);
            else
                days.insert(day);
        }
    }
    return days;
}

QList<DiaryEntry> DiarySession::search(const QString &keyword, bool ignoreCaseAndAccents)
{
    if (keyword.isEmpty())
        return {};
    return currentFile().search(keyword, m_unsaved, ignoreCaseAndAccents);
}

QList<DiaryEntry> DiarySession::daysBetween(QDate first, QDate last)
{
    const DiarySnapshot &file = currentFile();
    const QString from = dayKey(first), to = dayKey(last);
    QMap<QString, QString> days; // the first entry of a day is the one the window shows
    const auto consider = [&](const QString &date, auto text) {
        if (date.size() == 10 && date >= from && date <= to && !days.contains(date)
                && dayFromKey(date).isValid())
            days.insert(date, text());
    };
    if (file.outcome().ok() && file.scan()) {
        for (const ScannedEntry &entry : file.scan()->entries) {
            const QByteArrayView raw = entry.date.of(file.bytes());
            consider(raw.size() == 10 ? QString::fromLatin1(raw) : decodeCharacterData(raw),
                    [&] { return decodeCharacterData(entry.text.of(file.bytes())); });
        }
    } else if (file.outcome().ok()) {
        for (const QVariant &entry : file.entries()) {
            const QVariantMap map = entry.toMap();
            if (isDiaryEntry(entry))
                consider(map.value(QStringLiteral("date")).toString(),
                        [&] { return map.value(QStringLiteral("text")).toString(); });
        }
    }
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it) {
        if (it.key() >= from && it.key() <= to)
            days.insert(it.key(), it.value());
    }
    QList<DiaryEntry> inOrder;
    inOrder.reserve(days.size());
    for (auto it = days.cbegin(); it != days.cend(); ++it)
        inOrder.append({ it.key(), it.value() });
    return inOrder;
}

} // namespace penwick::diary

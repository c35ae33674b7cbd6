#include "DiarySession.h"

#include "diary/DayKey.h"
#include "diary/DiaryWriter.h"
#include "diary/Migration.h"
#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/Plist.h"
#include "platform/Preferences.h"
#include "platform/StandardPaths.h"
#include "privacy/SealedFile.h"
#include "privacy/SealedFiles.h"
#include "sync/ConflictCopy.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QThreadPool>

namespace penwick::diary {

namespace {

// A day typed in this recently is not joined or merged under the user's hands.
constexpr qint64 typingPauseMs = 10 * 1000;

} // namespace

DiarySession::DiarySession(Clock clock, const QString &preferencesFile, QObject *parent)
    : QObject(parent)
    , m_preferences(std::make_unique<Preferences>(preferencesFile))
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTime(); })
    , m_writer(std::make_unique<DiaryWriter>())
{
    qRegisterMetaType<SettleReport>();
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
    m_settleAfterTyping.setSingleShot(true);
    m_settleAfterTyping.setInterval(int(typingPauseMs));
    connect(&m_settleAfterTyping, &QTimer::timeout, this, [this] {
        settlePendingJoins(false);
        checkForOutsideChanges(); // conflict copies that waited for the pause
    });
}

DiarySession::~DiarySession()
{
    if (m_readAhead.valid())
        m_readAhead.wait(); // its report to this session is dropped with it
    if (m_journal)
        m_journal->setKeepingHandler({});
    settlePendingJoins(true);
    writeKeptTexts(); // the writer writes what waits before it stops
}

void DiarySession::abandonForTest()
{
    if (m_journal)
        m_journal->setKeepingHandler({});
    m_journal = nullptr;
    m_kept.clear();
    m_pendingJoins.clear();
    m_rewriteAfterPause.stop();
    m_rewriteAtLatest.stop();
    m_writer->waitForIdle(10000);
    m_writer->takeReports();
    m_unsaved.clear();
}

void DiarySession::selectDay(QDate day)
{
    if (day != m_selectedDay) {
        writeKeptTexts();
        if (m_journal)
            m_journal->closeStretches(); // the next change of a day starts a new version
    }
    m_selectedDay = day;
}

int DiarySession::rewriteSpacingMs(qint64 fileSize)
{
    constexpr qint64 bytesPerSecond = 256 * 1024;
    return int(std::clamp<qint64>(fileSize * 1000 / bytesPerSecond, 5000, 30000));
}

void DiarySession::setJournal(DiaryJournal *journal)
{
    if (m_journal) {
        // what the journal kept is written and the journal told so, quietly: the journal is
        // taken away as its owner goes
        const QSignalBlocker quiet(this);
        flush();
        m_journal->setKeepingHandler({});
    }
    m_journal = journal;
    if (!journal)
        return;
    journal->setKeepingHandler([this](bool keeping) {
        QMetaObject::invokeMethod(
                this,
                [this, keeping] {
                    // stopped: what the journal may not have kept goes to the file at once, as
                    // every change from now on; taken up again: what it held is settled first
                    if (keeping)
                        settleJournal();
                    else
                        writeKeptTexts();
                },
                Qt::QueuedConnection);
    });
    settleJournal();
}

QString DiarySession::joinLine(SettleReport::From from) const
{
    const QString when = QLocale().toString(m_clock(), QLocale::ShortFormat);
    switch (from) {
    case SettleReport::From::OtherProgram:
        return QCoreApplication::translate(
                "DiarySession", "Written here while another program changed this day, %1")
                .arg(when);
    case SettleReport::From::EarlierRun:
        return QCoreApplication::translate("DiarySession",
                "Typed before Penwick last stopped; another program changed this day "
                "meanwhile");
    case SettleReport::From::ConflictCopy:
        break;
    }
    return {};
}

void DiarySession::settleJournal()
{
    const QString path = noteFilePath();
    const QList<UnwrittenText> left = m_journal->open(path);
    // the file as Penwick first reads it tells what another program changed while it did not
    // run; that read waits for the window, unless something is left to settle now
    m_learnFileWhenRead = true;
    if (m_file && m_file->path() == path)
        useFile(m_file);
    if (left.isEmpty())
        return;
    const DiarySnapshot &file = currentFile();
    QMap<QString, QString> take, done;
    QStringList forgotten;
    SettleReport report;
    report.from = SettleReport::From::EarlierRun;
    for (const UnwrittenText &kept : left) {
        if (!file.outcome().ok()) {
            take.insert(kept.dayKey, kept.text); // waits, shown, until the diary can be written
            continue;
        }
        const QString now = file.textOf(kept.dayKey);
        if (now == kept.text) {
            done.insert(kept.dayKey, kept.text);
            continue;
        }
        SettledDay day { kept.dayKey, now, kept.text,
            sync::settleDay({ now, kept.text, now == kept.fileText, kept.text == kept.fileText,
                    m_journal->wasWritten(path, kept.dayKey, now), false }),
            {} };
        const QString detail
                = QCoreApplication::translate("DiarySession", "Recovered after Penwick stopped");
        switch (day.settled) {
        case sync::Settled::Diary:
            day.text = now;
            m_journal->recordVersion(path, kept.dayKey, kept.text, Origin::Typed, detail);
            forgotten.append(kept.dayKey);
            break;
        case sync::Settled::Other:
            day.text = kept.text;
            break;
        case sync::Settled::Both:
            day.text = sync::joinedText(now, kept.text, joinLine(report.from));
            report.days.append(day);
            break;
        }
        if (day.text != now) {
            // the typed text is the user's own: it enters the history as typed, never as a
            // change another program made
            m_journal->recordReplacement(path, kept.dayKey, now, kept.text, Origin::Typed, detail);
            if (day.text != kept.text) {
                m_journal->recordReplacement(
                        path, kept.dayKey, kept.text, day.text, Origin::Merged, {});
                m_journal->keep(path, kept.dayKey, day.text, now); // kept until written
            }
            take.insert(kept.dayKey, day.text);
        }
    }
    qCInfo(lcPenwick) << left.size() << "days were kept but not yet in the diary file;"
                      << take.size() << "written now," << report.days.size() << "joined";
    if (!done.isEmpty())
        m_journal->written(path, done);
    if (!forgotten.isEmpty())
        m_journal->forget(path, forgotten);
    if (!take.isEmpty()) {
        for (auto it = take.cbegin(); it != take.cend(); ++it)
            m_unsaved.insert(it.key(), it.value());
        m_writer->store(path, take);
        flush();
    }
    if (!report.days.isEmpty())
        Q_EMIT versionsSettled(report);
}

void DiarySession::writeKeptTexts()
{
    m_rewriteAfterPause.stop();
    m_rewriteAtLatest.stop();
    if (m_kept.isEmpty())
        return;
    QMap<QString, QString> texts = std::exchange(m_kept, {});
    // a day another program changed under the user's typing keeps that program's text in the
    // file until the two are joined
    for (auto it = m_pendingJoins.cbegin(); it != m_pendingJoins.cend(); ++it)
        if (texts.contains(it.key()))
            m_kept.insert(it.key(), texts.take(it.key()));
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        m_replacedTexts.insert(it.key(), it.value()); // the file's text once this write lands
    if (!texts.isEmpty())
        m_writer->store(noteFilePath(), texts);
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

bool DiarySession::setNoteFilePath(const QString &path, QString *error, bool moved)
{
    // what waits for the old file is written there before the diary moves on
    flush();
    const QString from = noteFilePath();
    m_preferences->setValue(prefkey::safe, path);
    const bool written = m_preferences->sync(error) && noteFilePath() == path;
    if (written && moved && m_journal)
        m_journal->moveDiary(from, path);
    m_file.reset();
    m_pendingJoins.clear();
    if (written && m_journal && m_journal->isKeeping())
        settleJournal(); // what is known of the diary now open
    updateProblem();
    if (written)
        Q_EMIT noteFileChanged();
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
    m_readAhead = std::async(std::launch::async, [this, path = noteFilePath(), key = m_key] {
        SnapshotPointer file = DiarySnapshot::load(path, key);
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
    if (!m_file || m_file->path() != path) {
        SnapshotPointer ahead = m_readAhead.valid() ? m_readAhead.get() : nullptr;
        useFile(ahead && ahead->path() == path && ahead->isCurrent()
                        ? std::move(ahead)
                        : DiarySnapshot::load(path, m_key));
    } else if (!m_file->isCurrent() && m_writer->isIdle() && !m_settling) {
        // another program changed the file: taken in by the rule, never just believed; while a
        // write runs, its report of the change brings the settling
        m_settling = true;
        settleOutsideVersions(false);
        m_settling = false;
    }
    return *m_file;
}

void DiarySession::useFile(SnapshotPointer file)
{
    m_file = std::move(file);
    if (m_journal && std::exchange(m_learnFileWhenRead, false))
        m_journal->share(noteFilePath(), m_file, true);
    // searches ignoring case and accents fold every text once: done now, off this thread
    if (m_preferences->value(prefkey::searchIgnoresCase).toBool())
        QThreadPool::globalInstance()->start([file = m_file] { file->prepareFoldedTexts(); });
    m_replacedTexts.clear(); // another program's write, or another file
    m_writer->setKnownFile(m_file);
    updateProblem();
}

QString DiarySession::textOf(QDate day)
{
    const QString key = dayKey(day);
    const DiarySnapshot &file = currentFile(); // first: it may settle what waits
    const auto unsaved = m_unsaved.constFind(key);
    return unsaved != m_unsaved.cend() ? *unsaved : file.textOf(key);
}

QString DiarySession::storeText(const QString &text)
{
    const QString path = noteFilePath();
    const QString key = dayKey(m_selectedDay);
    QString stored = storableText(text);
    const DiarySnapshot &file = currentFile(); // first: it may settle what waits
    const bool wasUnsaved = m_unsaved.contains(key);
    const QString previous = wasUnsaved ? m_unsaved.value(key) : file.textOf(key);
    // the day's own text again (the spelling underline redrawn, a day shown anew) writes nothing
    if (previous == stored)
        return stored;
    m_lastTyped = m_clock();
    m_lastTypedDay = key;
    if (m_journal) {
        // the file's text the user types over is an older text of this machine's: coming back
        // from elsewhere, it is a stale delivery
        if (!wasUnsaved)
            m_journal->typedOver(path, key, previous);
        m_journal->recordChange(path, key, previous, stored);
    }
    m_unsaved.insert(key, stored);
    if (m_journal && m_journal->isKeeping() && m_failedDays.isEmpty()) {
        // kept at once; the file follows at a bounded rate. The text this one replaces in the
        // file is looked up once a day and write, not once a key: a lookup reads the file.
        auto replaced = m_replacedTexts.constFind(key);
        if (replaced == m_replacedTexts.cend())
            replaced = m_replacedTexts.insert(key, file.textOf(key));
        m_journal->keep(path, key, stored, *replaced);
        m_kept.insert(key, stored);
        m_rewriteAfterPause.start();
        if (!m_rewriteAtLatest.isActive())
            m_rewriteAtLatest.start(rewriteSpacingMs(file.bytes().size()));
        if (m_pendingJoins.contains(key))
            m_settleAfterTyping.start();
        return stored;
    }
    m_kept.remove(key);
    if (m_pendingJoins.contains(key))
        settlePendingJoins(true); // with nothing to keep the typing, nothing waits
    storeSettled({ { key, m_unsaved.value(key) } });
    return stored;
}

void DiarySession::storeSettled(const QMap<QString, QString> &texts)
{
    // the journal holds each day's newest text until the file does: what it holds after a
    // crash is then never older than what the file held
    if (m_journal && m_journal->isKeeping() && m_file)
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            m_journal->keep(noteFilePath(), it.key(), it.value(), m_file->textOf(it.key()));
    // every change that could not be written goes again, in the same write as these
    QMap<QString, QString> all = texts;
    for (const QString &failed : std::as_const(m_failedDays))
        all.insert(failed, m_unsaved.value(failed));
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        m_kept.remove(it.key());
    if (!all.isEmpty())
        m_writer->store(noteFilePath(), all);
}

QStringList DiarySession::replaceDays(
        const QMap<QString, QString> &texts, Origin origin, const QString &detail)
{
    const QString path = noteFilePath();
    const DiarySnapshot &file = currentFile();
    QMap<QString, QString> changed;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        const QString stored = storableText(it.value());
        const QString before = m_unsaved.value(it.key(), file.textOf(it.key()));
        if (before == stored)
            continue;
        if (m_journal) {
            // what an import or another change of the user's leaves behind is an older text of
            // this machine's, as what typing leaves; a restore goes back to an older text on
            // purpose, and the text it leaves may still come back
            if (origin != Origin::Restored && !m_unsaved.contains(it.key()))
                m_journal->typedOver(path, it.key(), before);
            m_journal->recordReplacement(path, it.key(), before, stored, origin, detail);
        }
        m_pendingJoins.remove(it.key()); // the day takes this text over both
        m_unsaved.insert(it.key(), stored);
        changed.insert(it.key(), stored);
    }
    storeSettled(changed);
    if (const auto selected = changed.constFind(dayKey(m_selectedDay)); selected != changed.cend())
        Q_EMIT selectedDayReplaced(*selected);
    return changed.keys();
}

bool DiarySession::replaceAllEntries(
        const QVariantList &entries, Origin origin, const QString &detail)
{
    flush();
    const QString path = noteFilePath();
    const QMap<QString, QString> before = currentFile().dayTexts();
    const QMap<QString, QString> after = [&] {
        QMap<QString, QString> texts;
        for (const QVariant &entry : entries) {
            const QVariantMap map = entry.toMap();
            if (isDiaryEntry(entry)
                    && !texts.contains(map.value(QStringLiteral("date")).toString()))
                texts.insert(map.value(QStringLiteral("date")).toString(),
                        map.value(QStringLiteral("text")).toString());
        }
        return texts;
    }();
    QMap<QString, QString> changed;
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (after.value(it.key()) != it.value())
            changed.insert(it.key(), after.value(it.key()));
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (!before.contains(it.key()) && !it->isEmpty())
            changed.insert(it.key(), it.value());
    if (m_journal)
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            m_journal->recordReplacement(
                    path, it.key(), before.value(it.key()), it.value(), origin, detail);
    // waiting as unsaved until the write lands: a write that fails is said and tried again
    m_unsaved.insert(changed);
    m_writer->storeEntries(path, entries, changed);
    flush();
    if (changed.contains(dayKey(m_selectedDay)))
        Q_EMIT selectedDayReplaced(textOf(m_selectedDay));
    return !hasUnsavedChanges();
}

bool DiarySession::retryPendingChanges()
{
    settlePendingJoins(true);
    m_kept.clear();
    m_writer->store(noteFilePath(), m_unsaved);
    flush();
    return m_unsaved.isEmpty();
}

bool DiarySession::tryAgain()
{
    m_file.reset();
    if (currentFile().outcome().status == Status::Missing) {
        const QByteArray empty = plist::writeXml(QVariantList {});
        const WriteResult created = createFileAtomically(
                noteFilePath(), m_key ? privacy::seal(empty, *m_key) : empty);
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
    settlePendingJoins(true);
    writeKeptTexts();
    QDeadlineTimer deadline(timeoutMs);
    // a write that met another program's version settles it and goes again
    for (int round = 0; round < 4; ++round) {
        if (!m_writer->waitForIdle(int(deadline.remainingTime())))
            return false;
        takeReports();
        if (!std::exchange(m_changedUnderWrite, false))
            break;
        settleOutsideVersions(false);
    }
    return m_writer->isIdle();
}

void DiarySession::takeReports()
{
    const QList<WriteReport> reports = m_writer->takeReports();
    if (reports.isEmpty())
        return;
    const QString path = noteFilePath();
    for (const WriteReport &report : reports) {
        if (!report.keptAside.isEmpty())
            Q_EMIT noticeRaised(QCoreApplication::translate("DiarySession",
                    "Another program replaced your diary while Penwick "
                    "wrote it, and its version could not be put back: it "
                    "is kept as %1 and merged like a conflict copy.")
                                        .arg(QDir::toNativeSeparators(report.keptAside)));
        if (report.changedMeanwhile) {
            // nothing was written: the texts wait, and the other program's days are settled
            // before they go again
            for (auto it = report.texts.cbegin(); it != report.texts.cend(); ++it)
                m_replacedTexts.remove(it.key());
            if (report.path == path && !m_changedUnderWrite) {
                m_changedUnderWrite = true;
                QMetaObject::invokeMethod(
                        this,
                        [this] {
                            if (std::exchange(m_changedUnderWrite, false))
                                settleOutsideVersions(false);
                        },
                        Qt::QueuedConnection);
            }
            continue;
        }
        if (report.path == path && report.snapshot) {
            if (m_file)
                report.snapshot->inheritFoldedTexts(*m_file);
            m_file = report.snapshot;
        }
        if (report.outcome.ok() && m_journal) {
            m_journal->written(report.path, report.texts);
        }
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
        if (report.outcome.ok() && report.path == path) {
            for (const QString &copy : std::exchange(m_copiesToMove, {})) {
                const QString error = moveMergedCopy(copy);
                if (!error.isEmpty())
                    Q_EMIT noticeRaised(error);
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
    const QString path = noteFilePath();
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_writer->removeEmptyEntries(path);
        if (!m_writer->waitForIdle(10000))
            return std::nullopt;
        const QList<WriteReport> reports = m_writer->takeReports();
        for (const WriteReport &report : reports) {
            if (report.changedMeanwhile)
                continue;
            if (report.snapshot && report.path == path)
                m_file = report.snapshot;
            if (!report.outcome.ok()) {
                m_problem = { report.outcome.status, report.outcome.reason, int(m_unsaved.size()) };
                Q_EMIT problemChanged(m_problem);
                return std::nullopt;
            }
            return report.removedEntries;
        }
        settleOutsideVersions(false); // another program's version first, then the removal again
    }
    return std::nullopt;
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

bool DiarySession::typedRecently() const
{
    return m_lastTyped.isValid() && m_lastTyped.msecsTo(m_clock()) < typingPauseMs;
}

void DiarySession::checkForOutsideChanges()
{
    checkForOutsideChanges(sync::conflictCopiesOf(noteFilePath()));
}

void DiarySession::checkForOutsideChanges(const QStringList &copies)
{
    takeReports();
    // the folder changed: when that freed space (not just a failed write's own traces), the
    // failed days go again at once
    if (!m_failedDays.isEmpty() && freeSpaceAtDiary() > m_freeSpaceAtFailure)
        retryFailedDays();
    if (!m_writer->isIdle())
        return; // a write that meets another program's version says so, and is settled then
    settleOutsideVersions(true, copies);
}

DayKnowledge DiarySession::knowledge()
{
    if (!m_journal)
        return {};
    const QString path = noteFilePath();
    return {
        [this, path](const QString &day, const QString &text) {
            return m_journal->isShared(path, day, text);
        },
        // an older text, of this machine's own or one the file came with from elsewhere, which
        // the day has left since: a copy made of an older version
        [this, path](const QString &day, const QString &text) {
            return text != m_unsaved.value(day, m_file->textOf(day))
                    && (m_journal->wasWritten(path, day, text)
                            || m_journal->wasShared(path, day, text));
        },
    };
}

void DiarySession::settleOutsideVersions(bool mergeCopies, std::optional<QStringList> found)
{
    // Only while no write runs, and with every finished write taken in: a write that ended a
    // moment ago is Penwick's own, never another program's change.
    if (!m_writer->isIdle())
        return;
    takeReports();
    const QString path = noteFilePath();
    if (!m_file || m_file->path() != path) {
        // nothing known of the file yet: the read under way brings it, and a look then
        if (m_readAhead.valid())
            return;
        currentFile();
    }
    QStringList copies;
    if (!m_copiesFolder.isEmpty()) {
        copies = found ? *found : sync::conflictCopiesOf(path);
        copies.removeIf([this](const QString &copy) {
            const FileIdentity id = FileIdentity::of(copy);
            return m_refusedCopies.contains(copy + QLatin1Char(':') + QString::number(id.size)
                    + QLatin1Char(':') + QString::number(id.modifiedNs));
        });
    }
    if (m_file->isCurrent() && (copies.isEmpty() || !mergeCopies))
        return;
    const SnapshotPointer before = m_file;
    const SnapshotPointer now = m_file->isCurrent() ? m_file : DiarySnapshot::load(path, m_key);
    if (!before->outcome().ok() || !now->outcome().ok()) {
        useFile(now); // a diary that became readable or unreadable: the problem says so
        return;
    }
    if (now != before) {
        // The sync engine may have moved this machine's own last version aside as a conflict
        // copy and put another machine's in its place: the two are then merged as the other
        // machine merges them, not taken as a change made on top of this machine's.
        for (const QString &copy : std::as_const(copies)) {
            if (FileIdentity::of(copy).size
                    != before->bytes().size() + (m_key ? privacy::sealingOverhead : 0))
                continue;
            const sync::CopyRead read = sync::readConflictCopy(copy, m_key);
            if (read.ok() && read.bytes == before->bytes()) {
                // the file is another machine's now: taken in at once, the day typed in keeps
                // the user's text until the pause
                takeInConcurrentVersion(before, now, copy, read.entries);
                return;
            }
        }
        takeInOutsideVersion(before, now);
    }
    if (copies.isEmpty() || !mergeCopies)
        return;
    // a copy is not merged under the user's hands, but at the pause
    if (typedRecently()) {
        m_settleAfterTyping.start();
        return;
    }
    // a copy is merged into the diary as it stands on disk, with nothing of this machine's
    // waiting: then both machines merge the same two files
    if (!flush() || hasUnsavedChanges())
        return;
    for (const QString &copy : std::as_const(copies))
        mergeCopy(copy);
}

void DiarySession::takeInOutsideVersion(const SnapshotPointer &before, const SnapshotPointer &now)
{
    const QString path = noteFilePath();
    const QList<DiarySnapshot::DayChange> changes = DiarySnapshot::changedDays(*before, *now);
    useFile(now);
    SettleReport report;
    report.from = SettleReport::From::OtherProgram;
    QMap<QString, QString> writeBack;
    QStringList forgotten;
    const QString selected = dayKey(m_selectedDay);
    for (const DiarySnapshot::DayChange &change : changes) {
        const QString ours = m_unsaved.value(change.dayKey, change.before);
        SettledDay day { change.dayKey, change.after, ours,
            sync::settleDay(
                    { change.after, ours, change.after == change.before, ours == change.before,
                            change.after != ours && m_journal
                                    && m_journal->wasWritten(path, change.dayKey, change.after),
                            false }),
            {} };
        switch (day.settled) {
        case sync::Settled::Diary:
            if (m_journal && ours != change.after)
                m_journal->recordReplacement(
                        path, change.dayKey, ours, change.after, Origin::ChangedOutside, {});
            // the other program's text holds nothing of what this machine wrote there: it may
            // have been made on an older version, so the bar says where the user's text is
            day.text = change.after;
            if (!ours.isEmpty() && !change.after.contains(ours) && m_journal
                    && m_journal->wasWritten(path, change.dayKey, ours))
                report.days.append(day);
            if (m_unsaved.remove(change.dayKey) > 0)
                forgotten.append(change.dayKey);
            m_kept.remove(change.dayKey);
            m_pendingJoins.remove(change.dayKey);
            if (change.dayKey == selected)
                Q_EMIT selectedDayReplaced(change.after);
            break;
        case sync::Settled::Other:
            // a stale delivery: an older text of this machine's, which the newer one replaces
            // again
            qCInfo(lcPenwick) << "An earlier version of a day came back from outside; the newer "
                                 "text is kept";
            writeBack.insert(change.dayKey, ours);
            break;
        case sync::Settled::Both:
            if (m_journal)
                m_journal->recordVersion(
                        path, change.dayKey, change.after, Origin::ChangedOutside, {});
            if (change.dayKey == m_lastTypedDay && typedRecently() && m_journal
                    && m_journal->isKeeping()) {
                // the user is writing in it: joined at the pause, the file keeps the other
                // program's text until then and the journal the user's
                m_pendingJoins.insert(change.dayKey, change.after);
                m_settleAfterTyping.start();
                break;
            }
            day.text = sync::joinedText(change.after, ours, joinLine(report.from));
            if (m_journal)
                m_journal->recordReplacement(
                        path, change.dayKey, ours, day.text, Origin::Merged, {});
            writeBack.insert(change.dayKey, day.text);
            if (change.dayKey == selected)
                Q_EMIT selectedDayReplaced(day.text);
            report.days.append(day);
            break;
        }
    }
    if (m_journal) {
        m_journal->share(path, now); // what the other side holds
        if (!forgotten.isEmpty())
            m_journal->forget(path, forgotten);
    }
    for (auto it = writeBack.cbegin(); it != writeBack.cend(); ++it)
        m_unsaved.insert(it.key(), it.value());
    // what waited for the file goes over the other program's version now; what the journal
    // holds follows at its own rate
    QMap<QString, QString> waiting = m_unsaved;
    for (auto it = m_pendingJoins.cbegin(); it != m_pendingJoins.cend(); ++it)
        waiting.remove(it.key());
    for (auto it = m_kept.cbegin(); it != m_kept.cend(); ++it)
        if (!writeBack.contains(it.key()))
            waiting.remove(it.key());
    storeSettled(waiting);
    if (!report.days.isEmpty())
        Q_EMIT versionsSettled(report);
}

void DiarySession::recordSettled(
        const QList<SettledDay> &days, const QString &source, const DiarySnapshot &held)
{
    if (!m_journal)
        return;
    const QString path = noteFilePath();
    for (const SettledDay &day : days) {
        const QString current = held.textOf(day.dayKey);
        // a text that leaves the diary and is not the one this machine holds goes into the
        // history; the one it holds is kept as a version of its own before it is replaced
        for (const QString &text : { day.diaryText, day.otherText })
            if (text != day.text && text != current && !text.isEmpty())
                m_journal->recordVersion(path, day.dayKey, text, Origin::Merged, source);
        if (day.text != current)
            m_journal->recordReplacement(
                    path, day.dayKey, current, day.text, Origin::Merged, source);
    }
}

void DiarySession::writeMerge(
        const MergedVersions &merged, const QString &source, const DiarySnapshot &held)
{
    recordSettled(merged.settled, source, held);
    const QMap<QString, QString> changed = merged.changedInDiary();
    m_unsaved.insert(changed); // until the write lands
    if (m_journal && m_journal->isKeeping())
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            m_journal->keep(noteFilePath(), it.key(), it.value(), held.textOf(it.key()));
    m_writer->storeEntries(noteFilePath(), merged.entries, changed);
    flush();
    // the other machine merges the same two versions alike: what the merge leaves is what the
    // two share from now on
    if (m_journal && m_file->isCurrent())
        m_journal->share(noteFilePath(), m_file);
}

void DiarySession::mergeCopy(const QString &copyPath)
{
    const QString path = noteFilePath();
    SettleReport report;
    report.from = SettleReport::From::ConflictCopy;
    const sync::CopyRead copy = sync::readConflictCopy(copyPath, m_key);
    report.copyName = copy.name;
    if (!copy.ok()) {
        const FileIdentity id = FileIdentity::of(copyPath);
        m_refusedCopies.insert(copyPath + QLatin1Char(':') + QString::number(id.size)
                + QLatin1Char(':') + QString::number(id.modifiedNs));
        report.error = copy.error;
        Q_EMIT versionsSettled(report);
        return;
    }
    const QVariantList diary
            = m_file->scan() ? parseNoteBytes(m_file->bytes()).entries : m_file->entries();
    const MergedVersions merged = mergeVersions(diary, copy.entries, knowledge(), copy.name);
    report.daysFromOther = int(merged.fromOther.size());
    report.days = merged.settled;
    if (merged.entries == diary) {
        // the diary holds the merge already (the other machine's): nothing to write, and
        // nothing to say
        recordSettled(merged.settled, copy.name, *m_file);
        if (m_journal)
            m_journal->share(path, m_file);
        if (const QString error = moveMergedCopy(copyPath); !error.isEmpty())
            Q_EMIT noticeRaised(error);
        return;
    }
    const QString shown = textOf(m_selectedDay);
    m_copiesToMove.append(copyPath);
    writeMerge(merged, copy.name, *m_file);
    if (const QString now = textOf(m_selectedDay); now != shown)
        Q_EMIT selectedDayReplaced(now);
    Q_EMIT versionsSettled(report);
}

void DiarySession::takeInConcurrentVersion(const SnapshotPointer &before,
        const SnapshotPointer &now, const QString &copyPath, const QVariantList &copy)
{
    const QString path = noteFilePath();
    SettleReport report;
    report.from = SettleReport::From::ConflictCopy;
    report.copyName = QFileInfo(copyPath).fileName();
    // the merge the other machine makes of its diary and this copy. What this machine alone
    // knows of older texts stays out of it: the other machine may know the same of this one's,
    // and the two would each keep their own. Where the bases say both changed, both texts stay.
    DayKnowledge knows = knowledge();
    knows.isStale = {};
    const QVariantList diary = now->scan() ? parseNoteBytes(now->bytes()).entries : now->entries();
    const MergedVersions merged = mergeVersions(diary, copy, knows, report.copyName);
    report.daysFromOther = int(merged.fromOther.size());
    report.days = merged.settled;
    const QString selected = dayKey(m_selectedDay);
    const QString shown = m_unsaved.value(selected, before->textOf(selected));
    useFile(now);
    // what the user wrote after this machine's last version goes on top once the merge is
    // written, by the rule, against that version
    QMap<QString, QString> typed = std::exchange(m_unsaved, {});
    m_kept.clear();
    m_copiesToMove.append(copyPath);
    writeMerge(merged, report.copyName, *before);
    QMap<QString, QString> again;
    QStringList forgotten;
    for (auto it = typed.cbegin(); it != typed.cend(); ++it) {
        const QString merge = m_file->textOf(it.key());
        const QString base = before->textOf(it.key());
        switch (sync::settleDay({ merge, *it, merge == base, *it == base, false, false })) {
        case sync::Settled::Diary:
            if (m_journal)
                m_journal->recordReplacement(
                        path, it.key(), *it, merge, Origin::Merged, report.copyName);
            forgotten.append(it.key());
            break;
        case sync::Settled::Other:
            again.insert(it.key(), *it);
            break;
        case sync::Settled::Both:
            m_pendingJoins.insert(it.key(), merge);
            m_unsaved.insert(it.key(), *it); // the journal holds it; joined at the pause
            m_kept.insert(it.key(), *it);
            break;
        }
    }
    if (m_journal && !forgotten.isEmpty())
        m_journal->forget(path, forgotten);
    for (auto it = again.cbegin(); it != again.cend(); ++it)
        m_unsaved.insert(it.key(), it.value());
    settlePendingJoins(false);
    storeSettled(again);
    if (const QString final = textOf(m_selectedDay); final != shown)
        Q_EMIT selectedDayReplaced(final);
    if (report.changesDiary())
        Q_EMIT versionsSettled(report);
}

void DiarySession::settlePendingJoins(bool evenWhileTyping)
{
    if (m_pendingJoins.isEmpty())
        return;
    if (!evenWhileTyping && typedRecently()) {
        m_settleAfterTyping.start();
        return;
    }
    const QString path = noteFilePath();
    SettleReport report;
    report.from = SettleReport::From::OtherProgram;
    QMap<QString, QString> joined;
    for (auto it = m_pendingJoins.cbegin(); it != m_pendingJoins.cend(); ++it) {
        const QString ours = m_unsaved.value(it.key(), it.value());
        if (ours == it.value())
            continue;
        const QString text = sync::joinedText(it.value(), ours, joinLine(report.from));
        if (m_journal)
            m_journal->recordReplacement(path, it.key(), ours, text, Origin::Merged, {});
        joined.insert(it.key(), text);
        report.days.append({ it.key(), it.value(), ours, sync::Settled::Both, text });
    }
    m_pendingJoins.clear();
    for (auto it = joined.cbegin(); it != joined.cend(); ++it)
        m_unsaved.insert(it.key(), it.value());
    storeSettled(joined);
    if (const auto selected = joined.constFind(dayKey(m_selectedDay)); selected != joined.cend())
        Q_EMIT selectedDayReplaced(*selected);
    if (!report.days.isEmpty())
        Q_EMIT versionsSettled(report);
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

namespace penwick::diary {

void DiarySession::setKey(privacy::KeyPointer key)
{
    // what waits is written under the key it was given with; the file is read anew under the
    // new one
    flush();
    if (m_readAhead.valid())
        m_readAhead.get();
    m_key = std::move(key);
    m_writer->setKey(m_key);
    m_file.reset();
    m_replacedTexts.clear();
    m_writer->setKnownFile({});
}

void DiarySession::rewriteFile()
{
    flush();
    m_writer->rewrite(noteFilePath());
    flush();
}

void DiarySession::forgetTexts()
{
    // nothing of the diary stays in the session's memory: the file is read again, under the key,
    // when the diary is unlocked
    flush();
    if (m_readAhead.valid())
        m_readAhead.get();
    m_file.reset();
    m_replacedTexts.clear();
    m_pendingJoins.clear();
    m_writer->setKnownFile({});
    m_writer->forgetFile();
}

QString DiarySession::moveMergedCopy(const QString &copyPath)
{
    // a copy a protected diary merged goes into the backups sealed: moved as it is when it is,
    // else written there sealed and then removed
    if (m_key && !privacy::isSealed(readRegularFile(copyPath, sync::maxCopySize).bytes))
        return privacy::sealFileInto(copyPath, m_copiesFolder, *m_key);
    return sync::moveCopyInto(copyPath, m_copiesFolder);
}

} // namespace penwick::diary

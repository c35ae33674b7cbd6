#include "DiaryWriter.h"

#include "platform/AtomicFile.h"
#include "platform/Plist.h"
#include "privacy/SealedFile.h"

#include <QDeadlineTimer>
#include <QThread>

namespace penwick::diary {

DiaryWriter::DiaryWriter(QObject *parent) : QObject(parent)
{
    m_thread = QThread::create([this] { run(); });
    m_thread->setObjectName(QStringLiteral("DiaryWriter"));
    m_thread->start();
}

DiaryWriter::~DiaryWriter()
{
    {
        const QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_wake.wakeAll();
    }
    m_thread->wait();
    delete m_thread;
}

namespace {

void replaceOrAppend(
        QList<std::pair<QString, QString>> &texts, const QString &day, const QString &text)
{
    for (auto &[waitingDay, waitingText] : texts) {
        if (waitingDay == day) {
            waitingText = text;
            return;
        }
    }
    texts.append({ day, text });
}

} // namespace

void DiaryWriter::store(const QString &path, const QString &dayKey, const QString &text)
{
    const QMutexLocker lock(&m_mutex);
    m_waiting[path].key = m_key;
    replaceOrAppend(m_waiting[path].texts, dayKey, text);
    m_wake.wakeAll();
}

void DiaryWriter::store(const QString &path, const QMap<QString, QString> &texts)
{
    const QMutexLocker lock(&m_mutex);
    m_waiting[path].key = m_key;
    Texts &waiting = m_waiting[path].texts;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        replaceOrAppend(waiting, it.key(), it.value());
    m_wake.wakeAll();
}

void DiaryWriter::storeEntries(
        const QString &path, const QVariantList &entries, const QMap<QString, QString> &texts)
{
    const QMutexLocker lock(&m_mutex);
    Job &job = m_waiting[path];
    job.key = m_key;
    // the texts waiting were given before: the new entries hold what they are to hold
    job.texts.clear();
    job.entries = entries;
    job.entriesTexts.insert(texts);
    m_wake.wakeAll();
}

void DiaryWriter::removeEmptyEntries(const QString &path)
{
    const QMutexLocker lock(&m_mutex);
    m_waiting[path].removeEmpty = true;
    m_waiting[path].key = m_key;
    m_wake.wakeAll();
}

void DiaryWriter::setKey(privacy::KeyPointer key)
{
    const QMutexLocker lock(&m_mutex);
    m_key = std::move(key);
}

void DiaryWriter::forgetFile()
{
    const QMutexLocker lock(&m_mutex);
    // the writer's thread touches its file only while it writes
    if (m_writing)
        m_forgetFile = true;
    else
        m_file.reset();
}

void DiaryWriter::rewrite(const QString &path)
{
    const QMutexLocker lock(&m_mutex);
    m_waiting[path].rewrite = true;
    m_waiting[path].key = m_key;
    m_wake.wakeAll();
}

bool DiaryWriter::waitForIdle(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&m_mutex);
    while (m_writing || !m_waiting.isEmpty()) {
        if (!m_idle.wait(&m_mutex, deadline))
            return false;
    }
    return true;
}

bool DiaryWriter::isIdle() const
{
    const QMutexLocker lock(&m_mutex);
    return !m_writing && m_waiting.isEmpty();
}

QList<WriteReport> DiaryWriter::takeReports()
{
    const QMutexLocker lock(&m_mutex);
    return std::exchange(m_reports, {});
}

void DiaryWriter::setKnownFile(SnapshotPointer file)
{
    const QMutexLocker lock(&m_mutex);
    m_knownFile = std::move(file);
}

void DiaryWriter::setBeforeWrite(std::function<void()> hook)
{
    const QMutexLocker lock(&m_mutex);
    m_beforeWrite = std::move(hook);
}

void DiaryWriter::setReplaceHook(std::function<void(bool)> hook)
{
    const QMutexLocker lock(&m_mutex);
    m_replaceHook = std::move(hook);
}

void DiaryWriter::run()
{
    QMutexLocker lock(&m_mutex);
    for (;;) {
        while (m_waiting.isEmpty() && !m_stopping)
            m_wake.wait(&m_mutex);
        if (m_waiting.isEmpty())
            return; // stopping, and nothing left to write
        // Everything waiting goes in this write: the newest text of each day.
        const QMap<QString, Job> batch = std::exchange(m_waiting, {});
        m_writing = true;
        const std::function<void()> beforeWrite = m_beforeWrite;
        const std::function<void(bool)> replaceHook = m_replaceHook;
        // The session read the file since this thread wrote it: that is the version it knows,
        // and the only one written over; when it is no longer the file on disk, the write says
        // so rather than read the other program's version and believe it.
        if (std::exchange(m_forgetFile, false))
            m_file.reset();
        if (SnapshotPointer known = std::exchange(m_knownFile, {}))
            m_file = std::move(known);
        lock.unlock();

        if (beforeWrite)
            beforeWrite();
        QList<WriteReport> reports;
        for (auto it = batch.cbegin(); it != batch.cend(); ++it)
            reports.append(write(it.key(), it.value(), replaceHook));

        lock.relock();
        m_reports.append(reports);
        m_writing = false;
        if (m_waiting.isEmpty())
            m_idle.wakeAll();
        lock.unlock();
        Q_EMIT reportsReady();
        lock.relock();
    }
}

WriteReport DiaryWriter::write(
        const QString &path, const Job &job, const std::function<void(bool)> &replaceHook)
{
    WriteReport report;
    report.path = path;
    report.texts = job.entriesTexts;
    for (const auto &[day, text] : job.texts)
        report.texts.insert(day, text);
    // A file nobody has read yet is read now; one that changed since it was last read or
    // written is another program's version, which the session settles before anything is
    // written over it.
    if (!m_file || m_file->path() != path)
        m_file = DiarySnapshot::load(path, job.key);
    if (!m_file->isCurrent()) {
        report.changedMeanwhile = true;
        report.outcome = { Status::WriteFailed, {} };
        return report;
    }
    if (!m_file->outcome().ok()) {
        report.outcome = m_file->outcome();
        report.snapshot = m_file;
        return report;
    }

    QByteArray bytes;
    std::optional<NoteScan> scan;
    if (m_file->scan() && !job.entries && !job.removeEmpty) {
        // the common case: each day's text spliced into the bytes as they are
        scan = m_file->scan();
        bytes = m_file->bytes();
        for (const auto &[day, text] : job.texts) {
            QByteArray value;
            plist::appendEscaped(value, text.toUtf8());
            bytes = scan->spliceText(bytes, day.toUtf8(), value);
        }
    } else {
        // the whole diary anew, through the full writer, which keeps every value though not
        // every byte
        QVariantList entries = job.entries
                ? *job.entries
                : (m_file->scan() ? parseNoteBytes(m_file->bytes()).entries : m_file->entries());
        for (const auto &[day, text] : job.texts)
            replaceEntry(entries, day, text);
        if (job.removeEmpty)
            report.removedEntries = removeEmpty(entries);
        bytes = plist::writeXml(entries);
    }
    // a protected diary is sealed here, at the file's edge: everything above works on its clear
    // bytes in memory, and no byte of it reaches the disk in clear, a temporary file neither
    const QByteArray sealed = job.key ? privacy::seal(bytes, *job.key) : QByteArray();
    if (replaceHook)
        replaceHook(false);
    const FileIdentity expected = m_file->identity();
    const WriteResult written
            = replaceFileAtomically(path, { job.key ? sealed : bytes }, &expected);
    if (replaceHook)
        replaceHook(true);
    report.keptAside = written.keptAside;
    if (written.changedMeanwhile) {
        report.changedMeanwhile = true;
        report.outcome = { Status::WriteFailed, {} };
        return report;
    }
    if (!written.ok) {
        report.outcome = { Status::WriteFailed, written.error };
        report.snapshot = m_file;
        return report;
    }
    m_file = DiarySnapshot::fromWritten(
            path, std::move(bytes), std::move(scan), written.written, job.key != nullptr);
    report.snapshot = m_file;
    return report;
}

} // namespace penwick::diary

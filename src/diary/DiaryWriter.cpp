#include "DiaryWriter.h"

#include "platform/AtomicFile.h"
#include "platform/Plist.h"

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
    replaceOrAppend(m_waiting[path], dayKey, text);
    m_wake.wakeAll();
}

void DiaryWriter::store(const QString &path, const QMap<QString, QString> &texts)
{
    const QMutexLocker lock(&m_mutex);
    Texts &waiting = m_waiting[path];
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        replaceOrAppend(waiting, it.key(), it.value());
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
        const QMap<QString, Texts> batch = std::exchange(m_waiting, {});
        m_writing = true;
        const std::function<void()> beforeWrite = m_beforeWrite;
        const std::function<void(bool)> replaceHook = m_replaceHook;
        // The window read the file since this thread did: that is what the user sees, so
        // changes are told from it, as long as it is still the file on disk.
        if (const SnapshotPointer known = std::exchange(m_knownFile, {});
                known && known->isCurrent())
            m_file = known;
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
        const QString &path, const Texts &ordered, const std::function<void(bool)> &replaceHook)
{
    QMap<QString, QString> texts;
    for (const auto &[day, text] : ordered)
        texts.insert(day, text);
    QMap<QString, QString> replacedOutside;
    // The replacement happens only over the very version the texts were spliced into; when
    // another program's rename lands in between, its version is read and the texts go into
    // that one instead, so no outside change is undone.
    for (int attempt = 0;; ++attempt) {
        // The file is read again only when it is not the one last written: another program,
        // or a change of place, made it so.
        if (!m_file || m_file->path() != path || !m_file->isCurrent()) {
            const SnapshotPointer known = m_file && m_file->path() == path ? m_file : nullptr;
            m_file = DiarySnapshot::load(path);
            // a day another program changed meanwhile, which this write is about to replace
            if (known && known->outcome().ok() && m_file->outcome().ok()) {
                for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
                    const QString outside = m_file->textOf(it.key());
                    if (outside != known->textOf(it.key()) && outside != it.value())
                        replacedOutside.insert(it.key(), outside);
                }
            }
        }
        if (!m_file->outcome().ok())
            return { path, texts, m_file->outcome(), m_file, {} };

        QByteArray bytes;
        std::optional<NoteScan> scan;
        if (m_file->scan()) {
            // the common case: each day's text spliced into the bytes as they are
            scan = m_file->scan();
            bytes = m_file->bytes();
            for (const auto &[day, text] : ordered) {
                QByteArray value;
                plist::appendEscaped(value, text.toUtf8());
                bytes = scan->spliceText(bytes, day.toUtf8(), value);
            }
        } else {
            // another layout: through the full writer, which keeps every value though not
            // every byte
            QVariantList entries = m_file->entries();
            for (const auto &[day, text] : ordered)
                replaceEntry(entries, day, text);
            bytes = plist::writeXml(entries);
        }
        if (replaceHook)
            replaceHook(false);
        const FileIdentity expected = m_file->identity();
        const WriteResult written = replaceFileAtomically(path, { bytes }, &expected);
        if (replaceHook)
            replaceHook(true);
        if (written.changedMeanwhile && attempt < 8) {
            m_file.reset();
            continue;
        }
        if (!written.ok)
            return { path, texts, { Status::WriteFailed, written.error }, m_file, {} };
        m_file = DiarySnapshot::fromWritten(
                path, std::move(bytes), std::move(scan), written.written);
        return { path, texts, {}, m_file, replacedOutside };
    }
}

} // namespace penwick::diary

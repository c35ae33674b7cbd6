#include "HistoryStore.h"

#include "platform/Log.h"
#include "platform/StandardPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>
#include <optional>

namespace penwick::history {

namespace {

// a stretch of typing without a pause this long stays one version
constexpr qint64 stretchPauseMs = 5 * 60 * 1000;

const char *const originKeys[] = { "typed", "restored", "changed-outside", "merged", "imported" };

QString originKey(Origin origin)
{
    return QString::fromLatin1(originKeys[int(origin)]);
}

Origin originFromKey(const QString &key)
{
    for (int i = 0; i < int(std::size(originKeys)); ++i) {
        if (key == QLatin1String(originKeys[i]))
            return Origin(i);
    }
    return Origin::Typed;
}

// How many characters the change from before to after removes, counting what both share at
// their start and end as kept.
qsizetype removedCharacters(const QString &before, const QString &after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix
            && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return before.size() - prefix - suffix;
}

// SQL binds a null string as NULL, which the columns refuse
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

QString diaryKeyPath(const QString &diaryPath)
{
    const QString canonical = QFileInfo(diaryPath).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(diaryPath).absoluteFilePath())
                               : canonical;
}

// Lives on the store's thread, which alone uses its database connection.
class HistoryWorker : public QObject
{
public:
    explicit HistoryWorker(HistoryStore *store)
        : m_store(store), m_connection(QStringLiteral("penwick-history-%1").arg(quintptr(this)))
    { }

    void open(const QString &path);
    void close();
    void recordVersion(const QString &diary, const QString &day, const QString &text, Origin origin,
            const QString &detail, const QDateTime &now);
    void recordChange(const QString &diary, const QString &day, const QString &before,
            const QString &after, const QDateTime &now);
    void closeStretches() { endStretch(); }
    void writePendingStretch() { writeStretch(); }
    void moveDiary(const QString &from, const QString &to);
    using KeptTexts = QMap<std::pair<QString, QString>, std::pair<QString, QString>>;
    bool commitKept(const KeptTexts &kept, const QDateTime &now);
    bool forgetWritten(const QString &diary, const QMap<QString, QString> &texts);
    QList<diary::UnwrittenText> unwritten(const QString &diary);
    bool wasStored(const QString &diary, const QString &day, const QString &text);
    QList<Version> versions(const QString &diary, const QString &day);

    bool isUsable() const { return m_usable; }
    QString notice() const
    {
        const QMutexLocker locker(&m_noticeLock);
        return m_notice;
    }

private:
    bool prepareSchema();
    qint64 insert(const QString &diary, const QString &day, const QString &text, Origin origin,
            const QString &detail, const QDateTime &now);
    std::optional<QString> newestText(const QString &diary, const QString &day);
    QSqlQuery run(const QString &sql, const QVariantList &values);
    // Runs body in one transaction; false, with nothing changed, when any of it failed.
    bool inTransaction(const std::function<bool()> &body);
    void raiseNotice(const QString &notice);

    struct Stretch
    {
        QString diary;
        QString day;
        qint64 row = 0;
        QDateTime lastChange;
        std::optional<QString> unwrittenText; // the stretch's latest text, written shortly
    };
    // Writes the open stretch's latest text: a burst of keys costs one update.
    void writeStretch();
    void endStretch()
    {
        writeStretch();
        m_stretch.reset();
    }

    HistoryStore *m_store;
    QString m_connection;
    bool m_usable = false;
    bool m_writeFailureSaid = false;
    std::optional<Stretch> m_stretch;
    std::optional<QSqlQuery> m_keepQuery;
    QTimer *m_writeTimer = nullptr;
    mutable QMutex m_noticeLock;
    QString m_notice;
};

void HistoryWorker::raiseNotice(const QString &notice)
{
    {
        const QMutexLocker locker(&m_noticeLock);
        if (!m_notice.isEmpty())
            return; // said once
        m_notice = notice;
    }
    qCWarning(lcPenwick) << notice;
    Q_EMIT m_store->noticeRaised(notice);
}

QSqlQuery HistoryWorker::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!m_usable)
        return query;
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec() && !m_writeFailureSaid) {
        // the diary's own write comes first; the history says once that it falls behind
        m_writeFailureSaid = true;
        raiseNotice(QCoreApplication::translate("HistoryStore",
                "Earlier versions of your days cannot be kept now: %1 Your diary itself "
                "is not affected.")
                            .arg(query.lastError().text()));
    }
    return query;
}

bool HistoryWorker::prepareSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!db.open() || !query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next()
            || query.value(0).toString() != QLatin1String("wal"))
        return false;
    // every commit reaches the disk before it counts: the journal's changes are the only copy
    // of what was typed until the diary file is rewritten, and must survive a power cut
    if (!query.exec(QStringLiteral("PRAGMA synchronous=FULL"))
            || !query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()
            || query.value(0).toString() != QLatin1String("ok"))
        return false;
    return query.exec(QStringLiteral(
                   "CREATE TABLE IF NOT EXISTS versions (id INTEGER PRIMARY KEY, diary TEXT NOT "
                   "NULL, day TEXT NOT NULL, text TEXT NOT NULL, stored_at INTEGER NOT NULL, "
                   "origin TEXT NOT NULL, detail TEXT NOT NULL DEFAULT '')"))
            && query.exec(QStringLiteral(
                    "CREATE INDEX IF NOT EXISTS versions_of_day ON versions (diary, day, id)"))
            && query.exec(QStringLiteral(
                    "CREATE TABLE IF NOT EXISTS journal (diary TEXT NOT NULL, day TEXT NOT NULL, "
                    "text TEXT NOT NULL, file_text TEXT NOT NULL, changed_at INTEGER NOT NULL, "
                    "PRIMARY KEY (diary, day))"));
}

bool HistoryWorker::inTransaction(const std::function<bool()> &body)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!m_usable || !db.transaction())
        return false;
    if (body() && db.commit())
        return true;
    db.rollback();
    return false;
}

bool HistoryWorker::commitKept(const KeptTexts &kept, const QDateTime &now)
{
    return inTransaction([&] {
        // prepared once: a commit comes with nearly every key
        if (!m_keepQuery) {
            m_keepQuery.emplace(QSqlDatabase::database(m_connection, false));
            if (!m_keepQuery->prepare(QStringLiteral(
                        "INSERT INTO journal (diary, day, text, file_text, changed_at) VALUES (?, "
                        "?, ?, ?, ?) ON CONFLICT (diary, day) DO UPDATE SET text = excluded.text, "
                        "file_text = excluded.file_text, changed_at = excluded.changed_at"))) {
                m_keepQuery.reset();
                return false;
            }
        }
        for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
            for (const QVariant &value : { QVariant(it.key().first), QVariant(it.key().second),
                         QVariant(notNull(it.value().first)), QVariant(notNull(it.value().second)),
                         QVariant(now.toMSecsSinceEpoch()) })
                m_keepQuery->addBindValue(value);
            if (!m_keepQuery->exec())
                return false;
        }
        return true;
    });
}

bool HistoryWorker::forgetWritten(const QString &diary, const QMap<QString, QString> &texts)
{
    return inTransaction([&] {
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            // a newer text of the day stays kept: only what the file holds now is done
            if (!run(QStringLiteral("DELETE FROM journal WHERE diary = ? AND day = ? AND text = ?"),
                        { diary, it.key(), notNull(it.value()) })
                            .isActive())
                return false;
        }
        return true;
    });
}

QList<diary::UnwrittenText> HistoryWorker::unwritten(const QString &diary)
{
    QSqlQuery query = run(QStringLiteral("SELECT day, text, file_text FROM journal WHERE diary = ? "
                                         "ORDER BY day"),
            { diary });
    QList<diary::UnwrittenText> found;
    while (query.next())
        found.append({ query.value(0).toString(), query.value(1).toString(),
                query.value(2).toString() });
    return found;
}

void HistoryWorker::open(const QString &path)
{
    // a stretch's newest text waits this long in memory; the diary file has it already
    m_writeTimer = new QTimer(this);
    m_writeTimer->setSingleShot(true);
    m_writeTimer->setInterval(1000);
    connect(m_writeTimer, &QTimer::timeout, this, [this] { writeStretch(); });
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto start = [&] {
        if (!QFileInfo::exists(path)) {
            // created private before SQLite opens it; its journal files take the same mode
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.close();
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        m_usable = prepareSchema();
        if (!m_usable) {
            const QString reason = db.lastError().text();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            return reason;
        }
        return QString();
    };
    const QString reason = start();
    if (m_usable)
        return;
    // Damaged or unopenable: renamed aside with its journal, never deleted, so that nothing in
    // it is lost to a new start.
    const QString aside = path
            + QDateTime::currentDateTime().toString(QStringLiteral("'.damaged-'yyyyMMdd-hhmmss"));
    const bool moved = QFile::rename(path, aside);
    for (const QString &journal : { QStringLiteral("-wal"), QStringLiteral("-shm") })
        QFile::rename(path + journal, aside + journal);
    if (moved)
        start();
    if (m_usable)
        raiseNotice(QCoreApplication::translate("HistoryStore",
                "The history of your days at %1 could not be opened, so it was put aside "
                "as %2 and a new one started. Your diary itself is not affected.")
                            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside)));
    else
        raiseNotice(QCoreApplication::translate("HistoryStore",
                "Earlier versions of your days cannot be kept: the history at %1 cannot "
                "be opened (%2). Your diary itself is not affected.")
                            .arg(QDir::toNativeSeparators(path), reason));
}

void HistoryWorker::writeStretch()
{
    if (!m_stretch || !m_stretch->unwrittenText)
        return;
    run(QStringLiteral("UPDATE versions SET text = ?, stored_at = ? WHERE id = ?"),
            { *m_stretch->unwrittenText, m_stretch->lastChange.toMSecsSinceEpoch(),
                    m_stretch->row });
    m_stretch->unwrittenText.reset();
}

void HistoryWorker::close()
{
    endStretch();
    m_keepQuery.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_usable = false;
}

qint64 HistoryWorker::insert(const QString &diary, const QString &day, const QString &text,
        Origin origin, const QString &detail, const QDateTime &now)
{
    const QSqlQuery query
            = run(QStringLiteral("INSERT INTO versions (diary, day, text, "
                                 "stored_at, origin, detail) VALUES (?, ?, ?, ?, ?, ?)"),
                    { diary, day, notNull(text), now.toMSecsSinceEpoch(), originKey(origin),
                            notNull(detail) });
    return query.lastInsertId().toLongLong();
}

std::optional<QString> HistoryWorker::newestText(const QString &diary, const QString &day)
{
    QSqlQuery query = run(QStringLiteral("SELECT text FROM versions WHERE diary = ? AND day = ? "
                                         "ORDER BY id DESC LIMIT 1"),
            { diary, day });
    if (!query.next())
        return std::nullopt;
    return query.value(0).toString();
}

void HistoryWorker::recordVersion(const QString &diary, const QString &day, const QString &text,
        Origin origin, const QString &detail, const QDateTime &now)
{
    if (m_stretch && m_stretch->diary == diary && m_stretch->day == day)
        endStretch();
    insert(diary, day, text, origin, detail, now);
}

void HistoryWorker::recordChange(const QString &diary, const QString &day, const QString &before,
        const QString &after, const QDateTime &now)
{
    if (m_stretch
            && (m_stretch->diary != diary || m_stretch->day != day
                    || m_stretch->lastChange.msecsTo(now) >= stretchPauseMs))
        endStretch();
    // select all and type, a paste over everything, a clear: what was there stays a version
    if (removedCharacters(before, after) * 2 > before.size())
        endStretch();
    if (!m_stretch && !before.isEmpty()) {
        // the day's text before Penwick first changes it: written before the history, or by
        // another program
        const std::optional<QString> newest = newestText(diary, day);
        if (!wasStored(diary, day, before))
            insert(diary, day, before, newest ? Origin::ChangedOutside : Origin::Typed, {}, now);
    }
    if (after.isEmpty()) {
        endStretch(); // the last text before empty is the version kept
        return;
    }
    if (m_stretch) {
        m_stretch->unwrittenText = after;
        m_stretch->lastChange = now;
        if (!m_writeTimer->isActive())
            m_writeTimer->start();
        return;
    }
    // a text that is the newest version already (a restore) starts no stretch of its own
    if (newestText(diary, day) == after)
        return;
    m_stretch = Stretch { diary, day, insert(diary, day, after, Origin::Typed, {}, now), now, {} };
}

void HistoryWorker::moveDiary(const QString &from, const QString &to)
{
    writeStretch();
    if (m_stretch && m_stretch->diary == from)
        m_stretch->diary = to;
    run(QStringLiteral("UPDATE versions SET diary = ? WHERE diary = ?"), { to, from });
    run(QStringLiteral("UPDATE OR REPLACE journal SET diary = ? WHERE diary = ?"), { to, from });
}

bool HistoryWorker::wasStored(const QString &diary, const QString &day, const QString &text)
{
    writeStretch();
    QSqlQuery query = run(QStringLiteral("SELECT 1 FROM versions WHERE diary = ? AND day = ? AND "
                                         "text = ? LIMIT 1"),
            { diary, day, text });
    return query.next();
}

QList<Version> HistoryWorker::versions(const QString &diary, const QString &day)
{
    writeStretch();
    QSqlQuery query = run(QStringLiteral("SELECT id, text, stored_at, origin, detail FROM versions "
                                         "WHERE diary = ? AND day = ? ORDER BY id DESC"),
            { diary, day });
    QList<Version> found;
    while (query.next()) {
        found.append({ query.value(0).toLongLong(), day, query.value(1).toString(),
                QDateTime::fromMSecsSinceEpoch(query.value(2).toLongLong()),
                originFromKey(query.value(3).toString()), query.value(4).toString() });
    }
    return found;
}

HistoryStore::HistoryStore(const QString &filePath, Clock clock, QObject *parent)
    : QObject(parent)
    , m_filePath(filePath.isEmpty() ? defaultFilePath() : filePath)
    // in UTC: the store keeps instants, and a local time costs a time zone lookup on each key
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTimeUtc(); })
    , m_thread(new QThread)
    , m_worker(new HistoryWorker(this))
{
    m_thread->setObjectName(QStringLiteral("history"));
    m_worker->moveToThread(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(
            m_worker, [w = m_worker, path = m_filePath] { w->open(path); }, Qt::QueuedConnection);
}

HistoryStore::~HistoryStore()
{
    // at quit every stretch closes; its row already holds the last text. The worker goes on its
    // own thread, where its timers live.
    QMetaObject::invokeMethod(
            m_worker,
            [w = m_worker] {
                w->close();
                delete w;
            },
            Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

QString HistoryStore::defaultFilePath()
{
    return QDir(paths::applicationSupport())
            .filePath(QStringLiteral("Hollyfen/Penwick/history.sqlite"));
}

void HistoryStore::recordVersion(const QString &diaryPath, const QString &dayKey,
        const QString &text, Origin origin, const QString &detail)
{
    QMetaObject::invokeMethod(
            m_worker,
            [w = m_worker, diaryPath, dayKey, text, origin, detail, now = m_clock()] {
                w->recordVersion(diaryPath, dayKey, text, origin, detail, now);
            },
            Qt::QueuedConnection);
}

void HistoryStore::recordChange(const QString &diaryPath, const QString &dayKey,
        const QString &previousText, const QString &newText)
{
    QMetaObject::invokeMethod(
            m_worker,
            [w = m_worker, diaryPath, dayKey, previousText, newText, now = m_clock()] {
                w->recordChange(diaryPath, dayKey, previousText, newText, now);
            },
            Qt::QueuedConnection);
}

void HistoryStore::closeStretches()
{
    QMetaObject::invokeMethod(
            m_worker, [w = m_worker] { w->closeStretches(); }, Qt::QueuedConnection);
}

void HistoryStore::moveDiary(const QString &fromPath, const QString &toPath)
{
    QMetaObject::invokeMethod(
            m_worker, [w = m_worker, fromPath, toPath] { w->moveDiary(fromPath, toPath); },
            Qt::QueuedConnection);
}

bool HistoryStore::wasStored(
        const QString &diaryPath, const QString &dayKey, const QString &text) const
{
    bool stored = false;
    QMetaObject::invokeMethod(
            m_worker, [&] { stored = m_worker->wasStored(diaryKeyPath(diaryPath), dayKey, text); },
            Qt::BlockingQueuedConnection);
    return stored;
}

QList<Version> HistoryStore::versions(const QString &diaryPath, const QString &dayKey) const
{
    QList<Version> found;
    QMetaObject::invokeMethod(
            m_worker, [&] { found = m_worker->versions(diaryPath, dayKey); },
            Qt::BlockingQueuedConnection);
    return found;
}

void HistoryStore::flush() const
{
    QMetaObject::invokeMethod(
            m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void HistoryStore::setStoppedHandler(std::function<void()> handler)
{
    const QMutexLocker lock(&m_journalLock);
    m_stoppedHandler = std::move(handler);
}

void HistoryStore::stopKeeping()
{
    if (!m_keeping.exchange(false))
        return;
    std::function<void()> handler;
    {
        const QMutexLocker lock(&m_journalLock);
        handler = m_stoppedHandler;
    }
    if (handler)
        handler();
}

void HistoryStore::keep(const QString &diaryPath, const QString &dayKey, const QString &text,
        const QString &fileText)
{
    {
        const QMutexLocker lock(&m_journalLock);
        // the path is named once for a run of keys (naming it asks the file system), once the
        // file is there
        if (diaryPath != m_keptPath.first || m_keptPath.second.isEmpty())
            m_keptPath = { diaryPath, QFileInfo(diaryPath).canonicalFilePath() };
        const QString diary
                = m_keptPath.second.isEmpty() ? diaryKeyPath(diaryPath) : m_keptPath.second;
        m_keptWaiting.insert({ diary, dayKey }, { text, fileText });
        if (std::exchange(m_commitPosted, true))
            return; // the commit on its way takes this text too
    }
    QMetaObject::invokeMethod(
            m_worker, [this] { commitKeptTexts(); }, Qt::QueuedConnection);
}

void HistoryStore::commitKeptTexts()
{
    HistoryWorker::KeptTexts kept;
    {
        const QMutexLocker lock(&m_journalLock);
        kept = std::exchange(m_keptWaiting, {});
        m_commitPosted = false;
    }
    if (!kept.isEmpty() && !m_worker->commitKept(kept, m_clock()))
        stopKeeping();
}

void HistoryStore::written(const QString &diaryPath, const QMap<QString, QString> &texts)
{
    QMetaObject::invokeMethod(
            m_worker,
            [this, diary = diaryKeyPath(diaryPath), texts] {
                commitKeptTexts(); // a text kept before this write is committed first
                if (!m_worker->forgetWritten(diary, texts))
                    stopKeeping();
            },
            Qt::QueuedConnection);
}

QList<diary::UnwrittenText> HistoryStore::unwritten(const QString &diaryPath)
{
    QList<diary::UnwrittenText> found;
    QMetaObject::invokeMethod(
            m_worker,
            [&] {
                // the journal cannot be read: what it may hold stays for a later start
                commitKeptTexts();
                found = m_worker->unwritten(diaryKeyPath(diaryPath));
                if (!m_worker->isUsable())
                    stopKeeping();
            },
            Qt::BlockingQueuedConnection);
    return found;
}

void HistoryStore::keepAside(const QString &diaryPath, const QString &dayKey, const QString &text)
{
    recordVersion(diaryKeyPath(diaryPath), dayKey, text, Origin::Typed,
            QCoreApplication::translate("HistoryStore",
                    "Typed before Penwick stopped; another program changed the day meanwhile"));
}

QString HistoryStore::notice() const
{
    return m_worker->notice();
}

QString HistoryStore::originName(Origin origin)
{
    switch (origin) {
    case Origin::Typed:
        return QCoreApplication::translate("HistoryStore", "Typed");
    case Origin::Restored:
        return QCoreApplication::translate("HistoryStore", "Restored");
    case Origin::ChangedOutside:
        return QCoreApplication::translate("HistoryStore", "Changed by another program");
    case Origin::Merged:
        return QCoreApplication::translate("HistoryStore", "Merged from another copy");
    case Origin::Imported:
        return QCoreApplication::translate("HistoryStore", "Imported");
    }
    return {};
}

} // namespace penwick::history

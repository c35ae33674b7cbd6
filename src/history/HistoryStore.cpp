#include "HistoryStore.h"

#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/StandardPaths.h"
#include "privacy/SealedFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace penwick::history {

namespace {

// a stretch of typing without a pause this long stays one version
constexpr qint64 stretchPauseMs = 5 * 60 * 1000;
// a history another program holds, or that cannot be opened, is tried again this often
constexpr int reopenMs = 5000;

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

// What SQLite's result code says of the file: only "corrupt" and "not a database" mean the
// file itself is damaged.
enum class Failure { Damaged, Busy, Full, CannotOpen, Other };

Failure failureOf(const QSqlError &error)
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    if (!number)
        return Failure::Other;
    switch (code) {
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return Failure::Damaged;
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return Failure::Busy;
    case 13: // SQLITE_FULL
        return Failure::Full;
    case 8: // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN
    case 23: // SQLITE_AUTH
        return Failure::CannotOpen;
    default:
        return Failure::Other;
    }
}

QString sentenceFor(Failure failure, const QString &path, const QSqlError &error)
{
    const QString where = QDir::toNativeSeparators(path);
    switch (failure) {
    case Failure::Busy:
        return QCoreApplication::translate("HistoryStore",
                "Another program is using the history of your days at %1, so earlier "
                "versions are not kept for now. Penwick keeps your diary file up to "
                "date meanwhile and takes the history up again when it can.")
                .arg(where);
    case Failure::Full:
        return QCoreApplication::translate("HistoryStore",
                "The disk that holds the history of your days at %1 is full, so "
                "earlier versions are not kept for now. Penwick keeps your diary file up "
                "to date meanwhile.")
                .arg(where);
    case Failure::CannotOpen:
        return QCoreApplication::translate("HistoryStore",
                "The history of your days at %1 cannot be opened or written, so "
                "earlier versions are not kept for now. Penwick keeps your diary file up "
                "to date meanwhile.")
                .arg(where);
    case Failure::Damaged:
    case Failure::Other:
        break;
    }
    return QCoreApplication::translate("HistoryStore",
            "Earlier versions of your days cannot be kept now (%1). Penwick keeps your "
            "diary file up to date meanwhile.")
            .arg(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

} // namespace

QString diaryKeyPath(const QString &diaryPath)
{
    const QString canonical = QFileInfo(diaryPath).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(diaryPath).absoluteFilePath())
                               : canonical;
}

qint64 HistoryStore::textPrint(const QString &dayKey, const QString &text)
{
    QCryptographicHash hash(QCryptographicHash::Blake2b_160);
    hash.addData(dayKey.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(text.toUtf8());
    const QByteArray digest = hash.result();
    qint64 print = 0;
    std::memcpy(&print, digest.constData(), sizeof print);
    return print;
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
    void recordReplacement(const QString &diary, const QString &day, const QString &before,
            const QString &after, Origin origin, const QString &detail, const QDateTime &now);
    void recordChange(const QString &diary, const QString &day, const QString &before,
            const QString &after, const QDateTime &now);
    void closeStretches() { endStretch(); }
    void moveDiary(const QString &from, const QString &to);
    using KeptTexts = QMap<std::pair<QString, QString>, std::pair<QString, QString>>;
    bool commitKept(const KeptTexts &kept, const QDateTime &now);
    bool forgetWritten(const QString &diary, const QMap<QString, QString> &texts);
    void forgetDays(const QString &diary, const QStringList &days);
    QList<diary::UnwrittenText> unwritten(const QString &diary);
    // With merge, what the window learnt meanwhile stays beside what was stored.
    void loadKnowledge(const QString &diary, bool merge = false);
    void storePrints(const QString &diary, const QList<qint64> &written,
            const QList<std::pair<QString, qint64>> &shared);
    bool wasStored(const QString &diary, const QString &day, const QString &text);
    QList<Version> versions(const QString &diary, const QString &day);

    bool isUsable() const { return m_usable; }
    // The key of a protected diary: texts are stored sealed under it, and read with it.
    void setKey(privacy::KeyPointer key)
    {
        m_key = std::move(key);
        m_locked = false;
    }
    // Seals or opens every text of diary kept here, and changes its prints, from key from to key
    // to (nullptr: in clear), in one transaction; then rewrites the file, so that no freed page
    // keeps a text in clear. What the history holds under neither is left.
    bool convert(const QString &diary, const privacy::KeyPointer &from,
            const privacy::KeyPointer &to, const QMap<QString, QString> &fileTexts);
    // Whether diary's texts here are in line with key (sealed under it; in clear without one).
    bool inLineWith(const QString &diary, const privacy::KeyPointer &key);
    // A lock: the key goes, with every text waiting in memory.
    void lock()
    {
        endStretch();
        m_key.reset();
        m_locked = true; // nothing is written until the key is back: it would be in clear
    }
    QString notice() const
    {
        const QMutexLocker locker(&m_noticeLock);
        return m_notice;
    }

private:
    // Opens the file and its tables; the error when it cannot.
    std::optional<QSqlError> start();
    std::optional<QSqlError> prepareSchema();
    void failed(const QSqlError &error);
    void recover(const QSqlError &error);
    // False, once said, when the file at the path is no longer the one open: deleted or
    // replaced while Penwick runs. A new one is started then, holding what the journal held.
    bool stillThere();
    QList<QVariantList> journalRows();
    // A damaged file: what its journal still holds is read, the file renamed aside with its
    // own journal files, and a new one started holding those rows.
    void putAside();
    void tryAgain();
    qint64 insert(const QString &diary, const QString &day, const QString &text, Origin origin,
            const QString &detail, const QDateTime &now);
    std::optional<QString> newestText(const QString &diary, const QString &day);
    // The origin of a text found in a day before Penwick changes it: its own when it wrote it
    // into the file, another program's when the day has versions already.
    Origin originOfFound(const QString &diary, const QString &day, const QString &text);
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

    // A text as stored: sealed under the key of a protected diary.
    QVariant stored(const QString &text) const
    {
        return m_key ? QVariant(privacy::sealText(text, *m_key)) : QVariant(notNull(text));
    }
    // A text as read: a sealed one (a blob) opened with the key.
    QString readText(const QVariant &value) const
    {
        if (value.typeId() != QMetaType::QByteArray)
            return value.toString();
        return m_key ? privacy::openText(value.toByteArray(), *m_key) : QString();
    }

    HistoryStore *m_store;
    privacy::KeyPointer m_key;
    bool m_locked = false;
    QString m_connection;
    QString m_path;
    FileIdentity m_opened; // the file the connection has open: a history replaced is noticed
    bool m_usable = false;
    std::optional<Stretch> m_stretch;
    std::optional<QSqlQuery> m_keepQuery;
    QTimer *m_writeTimer = nullptr;
    QTimer *m_reopenTimer = nullptr;
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
    if (!m_usable || m_locked)
        return query;
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        failed(query.lastError());
    return query;
}

void HistoryWorker::failed(const QSqlError &error)
{
    if (!m_usable)
        return;
    // nothing more is asked of the file; what is done about it comes once the statement that
    // failed is gone
    m_usable = false;
    qCWarning(lcPenwick) << "The history failed:" << error.nativeErrorCode() << error.text();
    QMetaObject::invokeMethod(
            this, [this, error] { recover(error); }, Qt::QueuedConnection);
}

void HistoryWorker::recover(const QSqlError &error)
{
    const Failure failure = failureOf(error);
    if (failure == Failure::Damaged) {
        putAside();
        return;
    }
    // the diary's own write comes first: the history says once that it falls behind, keeps
    // nothing meanwhile, and is tried again
    raiseNotice(sentenceFor(failure, m_path, error));
    close();
    m_store->setKeeping(false);
    m_reopenTimer->start();
}

std::optional<QSqlError> HistoryWorker::prepareSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!db.open())
        return db.lastError();
    const auto exec = [&](const char *sql) { return query.exec(QString::fromLatin1(sql)); };
    if (!exec("PRAGMA journal_mode=WAL") || !query.next())
        return query.lastError();
    if (query.value(0).toString() != QLatin1String("wal"))
        return QSqlError(QString(), QStringLiteral("journal mode"), QSqlError::ConnectionError,
                QStringLiteral("5"));
    // every commit reaches the disk before it counts: the journal's changes are the only copy
    // of what was typed until the diary file is rewritten, and must survive a power cut
    for (const char *sql : {
                 "PRAGMA synchronous=FULL",
                 "CREATE TABLE IF NOT EXISTS versions (id INTEGER PRIMARY KEY, diary TEXT NOT "
                 "NULL, day TEXT NOT NULL, text TEXT NOT NULL, stored_at INTEGER NOT NULL, origin "
                 "TEXT NOT NULL, detail TEXT NOT NULL DEFAULT '')",
                 "CREATE INDEX IF NOT EXISTS versions_of_day ON versions (diary, day, id)",
                 "CREATE TABLE IF NOT EXISTS journal (diary TEXT NOT NULL, day TEXT NOT NULL, "
                 "text TEXT NOT NULL, file_text TEXT NOT NULL, changed_at INTEGER NOT NULL, "
                 "PRIMARY KEY (diary, day))",
                 // the prints of every text this machine wrote into the diary file
                 "CREATE TABLE IF NOT EXISTS written (diary TEXT NOT NULL, print INTEGER NOT "
                 "NULL, PRIMARY KEY (diary, print)) WITHOUT ROWID",
                 // each day's text as the file last came from elsewhere, and every text it
                 // came with at some time
                 "CREATE TABLE IF NOT EXISTS shared (diary TEXT NOT NULL, day TEXT NOT NULL, "
                 "print INTEGER NOT NULL, PRIMARY KEY (diary, day)) WITHOUT ROWID",
                 "CREATE TABLE IF NOT EXISTS was_shared (diary TEXT NOT NULL, print INTEGER NOT "
                 "NULL, PRIMARY KEY (diary, print)) WITHOUT ROWID",
         }) {
        if (!exec(sql))
            return query.lastError();
    }
    return std::nullopt;
}

std::optional<QSqlError> HistoryWorker::start()
{
    // Penwick's own file, never one a link leads to: another database would take its tables
    const QFileInfo file(m_path);
    if (file.isSymLink() || (file.exists() && (!file.isFile() || file.ownerId() != ::getuid())))
        return QSqlError(QCoreApplication::translate("HistoryStore",
                                 "it is a link, or no file of yours, and is left as it is"),
                QString(), QSqlError::ConnectionError, QStringLiteral("link"));
    if (!QFileInfo::exists(m_path)) {
        // created private before SQLite opens it; its journal files take the same mode
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly))
            file.close();
    }
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        // another program holding the file makes a statement fail at once, not after seconds:
        // the window may be waiting for the answer
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
    }
    m_usable = true;
    const std::optional<QSqlError> error = prepareSchema();
    m_opened = FileIdentity::of(m_path);
    if (error) {
        m_usable = false;
        m_keepQuery.reset();
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    return error;
}

void HistoryWorker::open(const QString &path)
{
    m_path = path;
    // a stretch's newest text waits this long in memory; the diary file has it already
    m_writeTimer = new QTimer(this);
    m_writeTimer->setSingleShot(true);
    m_writeTimer->setInterval(1000);
    connect(m_writeTimer, &QTimer::timeout, this, [this] { writeStretch(); });
    m_reopenTimer = new QTimer(this);
    m_reopenTimer->setSingleShot(true);
    m_reopenTimer->setInterval(reopenMs);
    connect(m_reopenTimer, &QTimer::timeout, this, &HistoryWorker::tryAgain);
    makePrivateFolder(QFileInfo(path).absolutePath());
    QFile::setPermissions(
            QFileInfo(path).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const std::optional<QSqlError> error = start();
    if (!error)
        return;
    if (failureOf(*error) == Failure::Damaged) {
        putAside();
        return;
    }
    raiseNotice(sentenceFor(failureOf(*error), path, *error));
    m_store->setKeeping(false);
    m_reopenTimer->start();
}

void HistoryWorker::tryAgain()
{
    if (m_usable)
        return;
    const std::optional<QSqlError> error = start();
    if (!error) {
        qCInfo(lcPenwick) << "The history is taken up again";
        m_store->setKeeping(true);
        return;
    }
    if (failureOf(*error) == Failure::Damaged)
        putAside();
    else
        m_reopenTimer->start();
}

QList<QVariantList> HistoryWorker::journalRows()
{
    // what the journal still holds, as far as SQLite can read it: typing that may never have
    // reached the diary file
    QList<QVariantList> journal;
    if (QSqlDatabase::database(m_connection, false).isOpen()) {
        QSqlQuery rows(QSqlDatabase::database(m_connection, false));
        if (rows.exec(QStringLiteral(
                    "SELECT diary, day, text, file_text, changed_at FROM journal"))) {
            while (rows.next())
                journal.append({ rows.value(0), rows.value(1), rows.value(2), rows.value(3),
                        rows.value(4) });
        }
    }
    return journal;
}

bool HistoryWorker::stillThere()
{
    if (!m_usable)
        return false;
    const FileIdentity now = FileIdentity::of(m_path);
    if (now.exists && now.inode == m_opened.inode && now.device == m_opened.device)
        return true;
    const QList<QVariantList> journal = journalRows();
    m_stretch.reset();
    close();
    // what waits goes to the diary file at once, and the new history takes up the journal
    m_store->setKeeping(false);
    if (start())
        return false;
    for (const QVariantList &row : journal)
        run(QStringLiteral("INSERT OR REPLACE INTO journal (diary, day, text, file_text, "
                           "changed_at) VALUES (?, ?, ?, ?, ?)"),
                row);
    raiseNotice(QCoreApplication::translate("HistoryStore",
            "The history of your days at %1 was removed or replaced while Penwick "
            "ran, so a new one is started. Your diary itself is not affected.")
                        .arg(QDir::toNativeSeparators(m_path)));
    QMetaObject::invokeMethod(
            this, [this] { m_store->setKeeping(m_usable); }, Qt::QueuedConnection);
    return m_usable;
}

void HistoryWorker::putAside()
{
    const QList<QVariantList> journal = journalRows();
    m_stretch.reset();
    close();
    const QString aside = m_path
            + QDateTime::currentDateTime().toString(QStringLiteral("'.damaged-'yyyyMMdd-hhmmss"));
    const bool moved = QFile::rename(m_path, aside);
    for (const QString &journalFile : { QStringLiteral("-wal"), QStringLiteral("-shm") })
        QFile::rename(m_path + journalFile, aside + journalFile);
    const std::optional<QSqlError> error = moved ? start() : std::nullopt;
    if (!moved || error) {
        raiseNotice(
                QCoreApplication::translate("HistoryStore",
                        "Earlier versions of your days cannot be kept: the history at %1 "
                        "is damaged and cannot be replaced (%2). Your diary itself is not "
                        "affected.")
                        .arg(QDir::toNativeSeparators(m_path), error ? error->text() : QString()));
        m_store->setKeeping(false);
        return;
    }
    for (const QVariantList &row : std::as_const(journal))
        run(QStringLiteral("INSERT OR REPLACE INTO journal (diary, day, text, file_text, "
                           "changed_at) VALUES (?, ?, ?, ?, ?)"),
                row);
    raiseNotice(QCoreApplication::translate("HistoryStore",
            "The history of your days at %1 was damaged, so it was put aside as "
            "%2 and a new one started. Your diary itself is not affected.")
                        .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(aside)));
}

bool HistoryWorker::inTransaction(const std::function<bool()> &body)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!m_usable)
        return false;
    if (!db.transaction()) {
        failed(db.lastError());
        return false;
    }
    if (body() && db.commit())
        return true;
    const QSqlError error = db.lastError();
    db.rollback();
    if (error.isValid())
        failed(error);
    return false;
}

bool HistoryWorker::commitKept(const KeptTexts &kept, const QDateTime &now)
{
    if (!stillThere())
        return false;
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
            for (const QVariant &value :
                    { QVariant(it.key().first), QVariant(it.key().second), stored(it.value().first),
                            stored(it.value().second), QVariant(now.toMSecsSinceEpoch()) })
                m_keepQuery->addBindValue(value);
            if (!m_keepQuery->exec()) {
                failed(m_keepQuery->lastError());
                return false;
            }
        }
        return true;
    });
}

bool HistoryWorker::forgetWritten(const QString &diary, const QMap<QString, QString> &texts)
{
    return inTransaction([&] {
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            // a newer text of the day stays kept: only what the file holds now is done (compared
            // here, not in SQL: a sealed text differs from its twin sealed again)
            QSqlQuery kept
                    = run(QStringLiteral("SELECT text FROM journal WHERE diary = ? AND day = ?"),
                            { diary, it.key() });
            if (kept.next() && readText(kept.value(0)) == notNull(it.value())
                    && !run(QStringLiteral("DELETE FROM journal WHERE diary = ? AND day = ?"),
                            { diary, it.key() })
                                .isActive())
                return false;
            if (!kept.isActive()
                    || !run(QStringLiteral("INSERT OR IGNORE INTO written (diary, print) VALUES "
                                           "(?, ?)"),
                            { diary, m_store->printOf(it.key(), it.value()) })
                                .isActive())
                return false;
        }
        return true;
    });
}

void HistoryWorker::forgetDays(const QString &diary, const QStringList &days)
{
    for (const QString &day : days)
        run(QStringLiteral("DELETE FROM journal WHERE diary = ? AND day = ?"), { diary, day });
}

QList<diary::UnwrittenText> HistoryWorker::unwritten(const QString &diary)
{
    QSqlQuery query = run(QStringLiteral("SELECT day, text, file_text FROM journal WHERE diary = ? "
                                         "ORDER BY day"),
            { diary });
    QList<diary::UnwrittenText> found;
    while (query.next()) {
        if (!m_key && query.value(1).typeId() == QMetaType::QByteArray)
            continue; // sealed, and no key: never taken for an empty text
        found.append(
                { query.value(0).toString(), readText(query.value(1)), readText(query.value(2)) });
    }
    return found;
}

void HistoryWorker::loadKnowledge(const QString &diary, bool merge)
{
    HistoryStore::Knowledge known;
    known.diary = diary;
    QSqlQuery written = run(QStringLiteral("SELECT print FROM written WHERE diary = ?"), { diary });
    while (written.next())
        known.written.insert(written.value(0).toLongLong());
    QSqlQuery shared
            = run(QStringLiteral("SELECT day, print FROM shared WHERE diary = ?"), { diary });
    while (shared.next())
        known.shared.insert(shared.value(0).toString(), shared.value(1).toLongLong());
    QSqlQuery earlier
            = run(QStringLiteral("SELECT print FROM was_shared WHERE diary = ?"), { diary });
    while (earlier.next())
        known.wasShared.insert(earlier.value(0).toLongLong());
    const QMutexLocker lock(&m_store->m_knowledgeLock);
    HistoryStore::Knowledge &now = m_store->m_knowledge;
    if (!merge) {
        known.pending = now.pending;
        now = std::move(known);
    } else if (now.diary == diary) { // not when another diary was opened meanwhile
        now.written.unite(known.written);
        now.wasShared.unite(known.wasShared);
        for (auto it = known.shared.cbegin(); it != known.shared.cend(); ++it)
            now.shared.insert(it.key(), now.shared.value(it.key(), it.value()));
    }
}

void HistoryWorker::storePrints(const QString &diary, const QList<qint64> &written,
        const QList<std::pair<QString, qint64>> &shared)
{
    inTransaction([&] {
        for (const qint64 print : written)
            if (!run(QStringLiteral("INSERT OR IGNORE INTO written (diary, print) VALUES (?, ?)"),
                        { diary, print })
                            .isActive())
                return false;
        for (const auto &[day, print] : shared)
            if (!run(QStringLiteral(
                             "INSERT OR REPLACE INTO shared (diary, day, print) VALUES (?, ?, ?)"),
                        { diary, day, print })
                            .isActive()
                    || !run(QStringLiteral("INSERT OR IGNORE INTO was_shared (diary, print) VALUES "
                                           "(?, ?)"),
                            { diary, print })
                                .isActive())
                return false;
        return true;
    });
}

void HistoryWorker::writeStretch()
{
    if (!m_stretch || !m_stretch->unwrittenText)
        return;
    run(QStringLiteral("UPDATE versions SET text = ?, stored_at = ? WHERE id = ?"),
            { stored(*m_stretch->unwrittenText), m_stretch->lastChange.toMSecsSinceEpoch(),
                    m_stretch->row });
    m_stretch->unwrittenText.reset();
}

void HistoryWorker::close()
{
    writeStretch();
    m_stretch.reset();
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
                    { diary, day, stored(text), now.toMSecsSinceEpoch(), originKey(origin),
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
    return readText(query.value(0));
}

Origin HistoryWorker::originOfFound(const QString &diary, const QString &day, const QString &text)
{
    if (m_store->wasWritten(diary, day, text))
        return Origin::Typed;
    return newestText(diary, day) ? Origin::ChangedOutside : Origin::Typed;
}

void HistoryWorker::recordVersion(const QString &diary, const QString &day, const QString &text,
        Origin origin, const QString &detail, const QDateTime &now)
{
    if (m_stretch && m_stretch->diary == diary && m_stretch->day == day)
        endStretch();
    insert(diary, day, text, origin, detail, now);
}

void HistoryWorker::recordReplacement(const QString &diary, const QString &day,
        const QString &before, const QString &after, Origin origin, const QString &detail,
        const QDateTime &now)
{
    // the text that leaves the day is closed as a version of its own first, so that no later
    // keystroke can overwrite it in place
    if (m_stretch && m_stretch->diary == diary && m_stretch->day == day)
        endStretch();
    if (!before.isEmpty() && newestText(diary, day) != before)
        insert(diary, day, before, originOfFound(diary, day, before), {}, now);
    if (!after.isEmpty())
        insert(diary, day, after, origin, detail, now);
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
        if (!wasStored(diary, day, before))
            insert(diary, day, before, originOfFound(diary, day, before), {}, now);
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
    for (const char *table : { "journal", "written", "shared", "was_shared" })
        run(QStringLiteral("UPDATE OR REPLACE %1 SET diary = ? WHERE diary = ?")
                        .arg(QLatin1String(table)),
                { to, from });
}

bool HistoryWorker::wasStored(const QString &diary, const QString &day, const QString &text)
{
    writeStretch();
    if (m_key) {
        QSqlQuery query
                = run(QStringLiteral("SELECT text FROM versions WHERE diary = ? AND day = ?"),
                        { diary, day });
        while (query.next())
            if (readText(query.value(0)) == text)
                return true;
        return false;
    }
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
        found.append({ query.value(0).toLongLong(), day, readText(query.value(1)),
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

QString HistoryStore::keyOf(const QString &diaryPath) const
{
    const QMutexLocker lock(&m_keysLock);
    auto known = m_keys.constFind(diaryPath);
    if (known != m_keys.cend())
        return *known;
    // named once the file is there: naming asks the file system, and a key can come per key
    const QString key = diaryKeyPath(diaryPath);
    if (QFileInfo::exists(diaryPath))
        m_keys.insert(diaryPath, key);
    return key;
}

void HistoryStore::recordVersion(const QString &diaryPath, const QString &dayKey,
        const QString &text, Origin origin, const QString &detail)
{
    QMetaObject::invokeMethod(
            m_worker,
            [w = m_worker, diary = keyOf(diaryPath), dayKey, text, origin, detail,
                    now = m_clock()] {
                w->recordVersion(diary, dayKey, text, origin, detail, now);
            },
            Qt::QueuedConnection);
}

void HistoryStore::recordReplacement(const QString &diaryPath, const QString &dayKey,
        const QString &previousText, const QString &newText, Origin origin, const QString &detail)
{
    QMetaObject::invokeMethod(
            m_worker,
            [w = m_worker, diary = keyOf(diaryPath), dayKey, previousText, newText, origin, detail,
                    now = m_clock()] {
                w->recordReplacement(diary, dayKey, previousText, newText, origin, detail, now);
            },
            Qt::QueuedConnection);
}

void HistoryStore::recordChange(const QString &diaryPath, const QString &dayKey,
        const QString &previousText, const QString &newText)
{
    QMetaObject::invokeMethod(
            m_worker,
            [w = m_worker, diary = keyOf(diaryPath), dayKey, previousText, newText,
                    now = m_clock()] {
                w->recordChange(diary, dayKey, previousText, newText, now);
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
    const QString from = keyOf(fromPath);
    {
        const QMutexLocker lock(&m_keysLock);
        m_keys.remove(toPath);
    }
    const QString to = keyOf(toPath);
    {
        const QMutexLocker lock(&m_knowledgeLock);
        if (m_knowledge.diary == from)
            m_knowledge.diary = to;
    }
    QMetaObject::invokeMethod(
            m_worker, [w = m_worker, from, to] { w->moveDiary(from, to); }, Qt::QueuedConnection);
}

bool HistoryStore::wasStored(
        const QString &diaryPath, const QString &dayKey, const QString &text) const
{
    bool stored = false;
    QMetaObject::invokeMethod(
            m_worker, [&] { stored = m_worker->wasStored(keyOf(diaryPath), dayKey, text); },
            Qt::BlockingQueuedConnection);
    return stored;
}

QList<Version> HistoryStore::versions(const QString &diaryPath, const QString &dayKey) const
{
    QList<Version> found;
    QMetaObject::invokeMethod(
            m_worker, [&] { found = m_worker->versions(keyOf(diaryPath), dayKey); },
            Qt::BlockingQueuedConnection);
    return found;
}

void HistoryStore::flush() const
{
    QMetaObject::invokeMethod(
            m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void HistoryStore::setKeepingHandler(std::function<void(bool)> handler)
{
    const QMutexLocker lock(&m_journalLock);
    m_keepingHandler = std::move(handler);
}

void HistoryStore::setKeeping(bool keeping)
{
    if (m_keeping.exchange(keeping) == keeping)
        return;
    std::function<void(bool)> handler;
    {
        const QMutexLocker lock(&m_journalLock);
        handler = m_keepingHandler;
    }
    if (handler)
        handler(keeping);
}

void HistoryStore::keep(const QString &diaryPath, const QString &dayKey, const QString &text,
        const QString &fileText)
{
    {
        const QMutexLocker lock(&m_journalLock);
        m_keptWaiting.insert({ keyOf(diaryPath), dayKey }, { text, fileText });
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
        setKeeping(false);
}

void HistoryStore::written(const QString &diaryPath, const QMap<QString, QString> &texts)
{
    const QString diary = keyOf(diaryPath);
    {
        // known at once: the next outside change may bring one of them back
        const QMutexLocker lock(&m_knowledgeLock);
        if (m_knowledge.diary == diary)
            for (auto it = texts.cbegin(); it != texts.cend(); ++it)
                m_knowledge.written.insert(printOf(it.key(), it.value()));
    }
    QMetaObject::invokeMethod(
            m_worker,
            [this, diary, texts] {
                commitKeptTexts(); // a text kept before this write is committed first
                if (!m_worker->forgetWritten(diary, texts))
                    setKeeping(false);
            },
            Qt::QueuedConnection);
}

void HistoryStore::typedOver(const QString &diaryPath, const QString &dayKey, const QString &text)
{
    const QString diary = keyOf(diaryPath);
    const qint64 print = printOf(dayKey, text);
    {
        const QMutexLocker lock(&m_knowledgeLock);
        if (m_knowledge.diary != diary || m_knowledge.written.contains(print))
            return;
        m_knowledge.written.insert(print);
    }
    QMetaObject::invokeMethod(
            m_worker, [this, diary, print] { m_worker->storePrints(diary, { print }, {}); },
            Qt::QueuedConnection);
}

void HistoryStore::forget(const QString &diaryPath, const QStringList &dayKeys)
{
    QMetaObject::invokeMethod(
            m_worker,
            [this, diary = keyOf(diaryPath), dayKeys] {
                commitKeptTexts();
                m_worker->forgetDays(diary, dayKeys);
            },
            Qt::QueuedConnection);
}

QList<diary::UnwrittenText> HistoryStore::open(const QString &diaryPath)
{
    QList<diary::UnwrittenText> found;
    const QString diary = keyOf(diaryPath);
    {
        // what the window learns from now on is kept for this diary, beside what is loaded
        const QMutexLocker lock(&m_knowledgeLock);
        if (m_knowledge.diary != diary) {
            const int pending = m_knowledge.pending;
            m_knowledge = {};
            m_knowledge.diary = diary;
            m_knowledge.pending = pending;
        }
        ++m_knowledge.pending;
    }
    QMetaObject::invokeMethod(
            m_worker,
            [&] {
                commitKeptTexts();
                found = m_worker->unwritten(diary);
            },
            Qt::BlockingQueuedConnection);
    // The prints of a long diary are many rows: read on the store's thread while the window
    // shows, and waited for by the first question that needs them.
    QMetaObject::invokeMethod(
            m_worker,
            [this, diary] {
                m_worker->loadKnowledge(diary, true);
                const QMutexLocker lock(&m_knowledgeLock);
                --m_knowledge.pending;
                m_knowledgeSettled.wakeAll();
            },
            Qt::QueuedConnection);
    return found;
}

void HistoryStore::share(const QString &diaryPath, diary::SnapshotPointer file, bool exceptOwnTexts)
{
    if (!file || !file->outcome().ok())
        return;
    const QString diary = keyOf(diaryPath);
    {
        const QMutexLocker lock(&m_knowledgeLock);
        ++m_knowledge.pending;
    }
    // worked out on the store's thread: every day's text is read and printed
    QMetaObject::invokeMethod(
            m_worker,
            [this, diary, file, exceptOwnTexts] {
                updateShared(diary, file->dayTexts(), exceptOwnTexts);
            },
            Qt::QueuedConnection);
}

void HistoryStore::updateShared(
        const QString &diary, const QMap<QString, QString> &texts, bool onlyFromElsewhere)
{
    QList<std::pair<QString, qint64>> changed;
    {
        const QMutexLocker lock(&m_knowledgeLock);
        if (m_knowledge.diary == diary) {
            // a diary never seen before: what it holds now is what the sides share
            const bool first = m_knowledge.shared.isEmpty();
            for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
                const qint64 print = printOf(it.key(), it.value());
                const auto known = m_knowledge.shared.constFind(it.key());
                if (known != m_knowledge.shared.cend() && *known == print)
                    continue;
                if (onlyFromElsewhere && !first && m_knowledge.written.contains(print))
                    continue; // this machine's own text: no sign of elsewhere
                m_knowledge.shared.insert(it.key(), print);
                m_knowledge.wasShared.insert(print);
                changed.append({ it.key(), print });
            }
        }
        --m_knowledge.pending;
        m_knowledgeSettled.wakeAll();
    }
    if (!changed.isEmpty())
        m_worker->storePrints(diary, {}, changed);
}

bool HistoryStore::wasWritten(
        const QString &diaryPath, const QString &dayKey, const QString &text) const
{
    const qint64 print = printOf(dayKey, text);
    const QString diary = keyOf(diaryPath);
    const QMutexLocker lock(&m_knowledgeLock);
    waitForShares();
    return m_knowledge.diary == diary && m_knowledge.written.contains(print);
}

void HistoryStore::waitForShares() const
{
    // what the store's thread is still working out is waited for, a short while at most
    QDeadlineTimer deadline(3000);
    while (m_knowledge.pending > 0 && m_knowledgeSettled.wait(&m_knowledgeLock, deadline)) { }
}

bool HistoryStore::wasShared(
        const QString &diaryPath, const QString &dayKey, const QString &text) const
{
    const QString diary = keyOf(diaryPath);
    const QMutexLocker lock(&m_knowledgeLock);
    waitForShares();
    return m_knowledge.diary == diary && m_knowledge.wasShared.contains(printOf(dayKey, text));
}

bool HistoryStore::isShared(
        const QString &diaryPath, const QString &dayKey, const QString &text) const
{
    const QString diary = keyOf(diaryPath);
    const QMutexLocker lock(&m_knowledgeLock);
    waitForShares();
    if (m_knowledge.diary != diary)
        return text.isEmpty();
    const auto known = m_knowledge.shared.constFind(dayKey);
    return known == m_knowledge.shared.cend() ? text.isEmpty() : *known == printOf(dayKey, text);
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

// Protection: the texts of a protected diary are kept sealed, its prints keyed.

namespace {

const QString sealedTable = QStringLiteral(
        "CREATE TABLE IF NOT EXISTS sealed (diary TEXT PRIMARY KEY, key_check INTEGER NOT NULL) "
        "WITHOUT ROWID");

// What tells which key a diary's prints were made with, without telling the key.
qint64 keyCheck(const privacy::DiaryKey &key)
{
    return privacy::keyedPrint(QString(), QStringLiteral("penwick key check"), key);
}

} // namespace

qint64 HistoryStore::printOf(const QString &dayKey, const QString &text) const
{
    privacy::KeyPointer key;
    {
        const QMutexLocker lock(&m_keyLock);
        key = m_key;
    }
    return key ? privacy::keyedPrint(dayKey, text, *key) : textPrint(dayKey, text);
}

bool HistoryWorker::inLineWith(const QString &diary, const privacy::KeyPointer &key)
{
    run(sealedTable, {});
    QSqlQuery marker
            = run(QStringLiteral("SELECT key_check FROM sealed WHERE diary = ?"), { diary });
    const std::optional<qint64> check
            = marker.next() ? std::optional(marker.value(0).toLongLong()) : std::nullopt;
    if (key ? check != keyCheck(*key) : check.has_value())
        return false;
    // a row in the other form: a conversion that stopped half-way
    const QString other = key ? QStringLiteral("text") : QStringLiteral("blob");
    for (const char *table : { "versions", "journal" }) {
        QSqlQuery found
                = run(QStringLiteral("SELECT 1 FROM %1 WHERE diary = ? AND typeof(text) = ? "
                                     "LIMIT 1")
                                .arg(QLatin1String(table)),
                        { diary, other });
        if (found.next())
            return false;
    }
    return true;
}

bool HistoryWorker::convert(const QString &diary, const privacy::KeyPointer &from,
        const privacy::KeyPointer &to, const QMap<QString, QString> &fileTexts)
{
    writeStretch();
    m_stretch.reset();
    run(sealedTable, {});
    QSqlQuery marker
            = run(QStringLiteral("SELECT key_check FROM sealed WHERE diary = ?"), { diary });
    // the prints were made under from when the marker says so, else in clear
    const bool keyedBefore
            = from && marker.next() && marker.value(0).toLongLong() == keyCheck(*from);
    marker.finish();
    const auto printBefore = [&](const QString &day, const QString &text) {
        return keyedBefore ? privacy::keyedPrint(day, text, *from)
                           : HistoryStore::textPrint(day, text);
    };
    const auto printAfter = [&](const QString &day, const QString &text) {
        return to ? privacy::keyedPrint(day, text, *to) : HistoryStore::textPrint(day, text);
    };
    QHash<qint64, qint64> prints;
    const auto known = [&](const QString &day, const QString &text) {
        prints.insert(printBefore(day, text), printAfter(day, text));
    };
    for (auto it = fileTexts.cbegin(); it != fileTexts.cend(); ++it)
        known(it.key(), it.value());
    // one text as read under from, or nothing when from cannot read it (another key's)
    const auto opened = [&](const QVariant &value) -> std::optional<QString> {
        m_key = from;
        bool ok = value.typeId() != QMetaType::QByteArray;
        const QString text = ok
                ? value.toString()
                : (from ? privacy::openText(value.toByteArray(), *from, &ok) : QString());
        return ok ? std::optional(text) : std::nullopt;
    };
    const bool done = inTransaction([&] {
        QSqlQuery rows(QSqlDatabase::database(m_connection, false));
        rows.prepare(QStringLiteral("SELECT id, day, text FROM versions WHERE diary = ?"));
        rows.addBindValue(diary);
        if (!rows.exec())
            return false;
        QList<std::pair<qint64, QVariant>> versions;
        while (rows.next()) {
            const std::optional<QString> text = opened(rows.value(2));
            if (!text)
                continue;
            known(rows.value(1).toString(), *text);
            m_key = to;
            versions.append({ rows.value(0).toLongLong(), stored(*text) });
        }
        rows.prepare(QStringLiteral("SELECT day, text, file_text FROM journal WHERE diary = ?"));
        rows.addBindValue(diary);
        if (!rows.exec())
            return false;
        QList<QVariantList> journal;
        while (rows.next()) {
            const std::optional<QString> text = opened(rows.value(1));
            const std::optional<QString> fileText = opened(rows.value(2));
            if (!text || !fileText)
                continue;
            known(rows.value(0).toString(), *text);
            m_key = to;
            journal.append({ stored(*text), stored(*fileText), diary, rows.value(0) });
        }
        rows.finish();
        m_key = to;
        for (const auto &[id, text] : versions)
            if (!run(QStringLiteral("UPDATE versions SET text = ? WHERE id = ?"), { text, id })
                            .isActive())
                return false;
        for (const QVariantList &row : journal)
            if (!run(QStringLiteral(
                             "UPDATE journal SET text = ?, file_text = ? WHERE diary = ? AND "
                             "day = ?"),
                        row)
                            .isActive())
                return false;
        // every print follows, where the text behind it is known; the others are dropped, as
        // they could tell something of a text
        for (const char *table : { "written", "was_shared" }) {
            QSqlQuery old = run(QStringLiteral("SELECT print FROM %1 WHERE diary = ?")
                                        .arg(QLatin1String(table)),
                    { diary });
            QList<qint64> kept;
            while (old.next())
                if (const auto found = prints.constFind(old.value(0).toLongLong());
                        found != prints.cend())
                    kept.append(*found);
            old.finish();
            run(QStringLiteral("DELETE FROM %1 WHERE diary = ?").arg(QLatin1String(table)),
                    { diary });
            for (const qint64 print : kept)
                run(QStringLiteral("INSERT OR IGNORE INTO %1 (diary, print) VALUES (?, ?)")
                                .arg(QLatin1String(table)),
                        { diary, print });
        }
        QSqlQuery shared
                = run(QStringLiteral("SELECT day, print FROM shared WHERE diary = ?"), { diary });
        QList<std::pair<QString, qint64>> keptShared;
        while (shared.next())
            if (const auto found = prints.constFind(shared.value(1).toLongLong());
                    found != prints.cend())
                keptShared.append({ shared.value(0).toString(), *found });
        shared.finish();
        run(QStringLiteral("DELETE FROM shared WHERE diary = ?"), { diary });
        for (const auto &[day, print] : keptShared)
            run(QStringLiteral("INSERT INTO shared (diary, day, print) VALUES (?, ?, ?)"),
                    { diary, day, print });
        run(QStringLiteral("DELETE FROM sealed WHERE diary = ?"), { diary });
        if (to)
            run(QStringLiteral("INSERT INTO sealed (diary, key_check) VALUES (?, ?)"),
                    { diary, keyCheck(*to) });
        return m_usable;
    });
    m_key = done ? to : from;
    if (!done)
        return false;
    // the pages that held the texts in their earlier form are rewritten, and the write-ahead log
    // that held them emptied
    QSqlQuery tidy(QSqlDatabase::database(m_connection, false));
    tidy.exec(QStringLiteral("PRAGMA secure_delete=ON"));
    tidy.exec(QStringLiteral("VACUUM"));
    tidy.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return true;
}

void HistoryStore::setKey(
        const QString &diaryPath, privacy::KeyPointer key, const QMap<QString, QString> &fileTexts)
{
    const QString diary = keyOf(diaryPath);
    QMetaObject::invokeMethod(
            m_worker,
            [&] {
                commitKeptTexts();
                if (key && m_worker->isUsable() && !m_worker->inLineWith(diary, key))
                    m_worker->convert(diary, key, key, fileTexts);
                m_worker->setKey(key);
            },
            Qt::BlockingQueuedConnection);
    const QMutexLocker lock(&m_keyLock);
    m_key = std::move(key);
}

void HistoryStore::lock()
{
    {
        const QMutexLocker lock(&m_knowledgeLock);
        m_knowledge = {};
    }
    QMetaObject::invokeMethod(
            m_worker,
            [this] {
                commitKeptTexts();
                m_worker->lock();
            },
            Qt::BlockingQueuedConnection);
    const QMutexLocker lock(&m_keyLock);
    m_key.reset();
}

bool HistoryStore::convert(const QString &diaryPath, const privacy::KeyPointer &from,
        const privacy::KeyPointer &to, const QMap<QString, QString> &fileTexts)
{
    const QString diary = keyOf(diaryPath);
    bool done = false;
    QMetaObject::invokeMethod(
            m_worker,
            [&] {
                commitKeptTexts();
                done = m_worker->isUsable() && m_worker->convert(diary, from, to, fileTexts);
                if (done) {
                    const QMutexLocker lock(&m_keyLock);
                    m_key = to;
                }
                m_worker->loadKnowledge(diary);
            },
            Qt::BlockingQueuedConnection);
    return done;
}

} // namespace penwick::history

#include "Backups.h"

#include "diary/NoteFile.h"
#include "platform/AtomicFile.h"
#include "platform/StandardPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStorageInfo>
#include <QThreadPool>
#include <QTimer>

namespace penwick::history {

namespace {

// "note" for note.plist: the backups' names start with it
QString baseName(const QString &diaryPath)
{
    const QFileInfo info(diaryPath);
    return info.suffix().compare(QLatin1String("plist"), Qt::CaseInsensitive) == 0
            ? info.completeBaseName()
            : info.fileName();
}

QString dayText(QDate day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

QRegularExpression dailyPattern(const QString &diaryPath)
{
    return QRegularExpression(QStringLiteral("^%1-(\\d{4}-\\d{2}-\\d{2})\\.plist$")
                                      .arg(QRegularExpression::escape(baseName(diaryPath))));
}

QRegularExpression beforePattern(const QString &diaryPath)
{
    return QRegularExpression(
            QStringLiteral("^%1-(\\d{4}-\\d{2}-\\d{2})-before-[a-z-]+(-\\d+)?\\.plist$")
                    .arg(QRegularExpression::escape(baseName(diaryPath))));
}

QString failure(const QString &diaryPath, const QString &reason)
{
    return QCoreApplication::translate("Backups", "The diary %1 could not be backed up: %2")
            .arg(QDir::toNativeSeparators(diaryPath), reason);
}

// Backups go only into a folder of Penwick's own, never through a link to somewhere else.
QString foreignFolder(const QString &folder)
{
    if (!isForeignFolder(folder))
        return {};
    return QCoreApplication::translate("Backups",
            "Backups of your diary have stopped: %1 is a link, or no folder of yours; it is left "
            "as it is.")
            .arg(QDir::toNativeSeparators(folder));
}

BackupResult copyInto(const QString &diaryPath, const QByteArray &bytes, const QString &target)
{
    if (const QString refused = foreignFolder(QFileInfo(target).absolutePath()); !refused.isEmpty())
        return { {}, refused };
    if (QFileInfo(target).isSymLink())
        return { {},
            failure(diaryPath,
                    QCoreApplication::translate("Backups", "%1 is a link.")
                            .arg(QDir::toNativeSeparators(target))) };
    makePrivateFolder(QFileInfo(target).absolutePath());
    const WriteResult written = replaceFileAtomically(target, bytes);
    if (!written.ok)
        return { {}, failure(diaryPath, written.error) };
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return { target, {} };
}

bool readDiary(const QString &diaryPath, QByteArray *bytes, QString *error)
{
    // read as the diary itself is read: a FIFO or device in its place is never opened, where
    // the read would wait for ever, and Penwick's quit with it
    const diary::Outcome read = diary::readNoteBytes(diaryPath, bytes);
    if (read.ok())
        return true;
    *error = failure(diaryPath,
            read.status == diary::Status::Missing || read.status == diary::Status::FolderMissing
                    ? QCoreApplication::translate("Backups", "it is missing.")
                    : read.reason);
    return false;
}

} // namespace

QString backupsFolder()
{
    return QDir(paths::applicationSupport()).filePath(QStringLiteral("Hollyfen/Penwick/Backups"));
}

BackupResult makeBackupBefore(
        const QString &diaryPath, const QString &what, const QString &folder, QDate today)
{
    QByteArray bytes;
    QString error;
    if (!readDiary(diaryPath, &bytes, &error))
        return { {}, error };
    // an earlier backup of the same day and kind is never replaced
    const QString stem
            = QStringLiteral("%1-%2-before-%3").arg(baseName(diaryPath), dayText(today), what);
    QString target = QDir(folder).filePath(stem + QStringLiteral(".plist"));
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QDir(folder).filePath(QStringLiteral("%1-%2.plist").arg(stem).arg(n));
    return copyInto(diaryPath, bytes, target);
}

BackupResult makeDailyBackup(
        const QString &diaryPath, const QString &folder, QDate today, qint64 freeBytes)
{
    if (const QString refused = foreignFolder(folder); !refused.isEmpty())
        return { {}, refused };
    QByteArray bytes;
    QString error;
    if (!readDiary(diaryPath, &bytes, &error))
        return { {}, error };
    const QDir dir(folder);
    const QRegularExpression daily = dailyPattern(diaryPath);
    QString newest;
    qint64 folderSize = 0;
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files)) {
        folderSize += info.size();
        if (daily.match(info.fileName()).hasMatch() && info.fileName() > newest)
            newest = info.fileName();
    }
    if (!newest.isEmpty() && QFileInfo(dir.filePath(newest)).size() == bytes.size()) {
        const ReadResult last = readRegularFile(dir.filePath(newest));
        if (last.kind == ReadResult::Ok && last.bytes == bytes)
            return { dir.filePath(newest), {} };
    }
    if (freeBytes < 0) {
        if (!makePrivateFolder(folder))
            return { {},
                QCoreApplication::translate("Backups",
                        "Backups of your diary have stopped: the folder %1 cannot be created.")
                        .arg(QDir::toNativeSeparators(folder)) };
        freeBytes = QStorageInfo(folder).bytesAvailable();
    }
    if ((folderSize + bytes.size()) * 10 > freeBytes) {
        return { {},
            QCoreApplication::translate("Backups",
                    "Backups of your diary have stopped: the folder %1 would take more "
                    "than a tenth of the free space on its disk.")
                    .arg(QDir::toNativeSeparators(folder)) };
    }
    const BackupResult made = copyInto(diaryPath, bytes,
            dir.filePath(QStringLiteral("%1-%2.plist").arg(baseName(diaryPath), dayText(today))));
    if (made.ok())
        pruneBackups(diaryPath, folder, today);
    return made;
}

QStringList pruneBackups(const QString &diaryPath, const QString &folder, QDate today)
{
    QDir dir(folder);
    const QRegularExpression daily = dailyPattern(diaryPath);
    const QRegularExpression before = beforePattern(diaryPath);
    QMap<QDate, QString> dailies; // by day, oldest first
    QStringList removed;
    for (const QString &name : dir.entryList(QDir::Files)) {
        if (const QRegularExpressionMatch m = daily.match(name); m.hasMatch()) {
            dailies.insert(QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd")), name);
        } else if (const QRegularExpressionMatch b = before.match(name); b.hasMatch()) {
            const QDate made = QDate::fromString(b.captured(1), QStringLiteral("yyyy-MM-dd"));
            if (made.isValid() && made.daysTo(today) > 30 && dir.remove(name))
                removed.append(name);
        }
    }
    QSet<QString> kept;
    QSet<qint64> weeks;
    QSet<int> months;
    int days = 0;
    for (auto it = dailies.cend(); it != dailies.cbegin();) { // newest first
        --it; // newest first
        const QDate day = it.key();
        if (!day.isValid() || day > today) {
            kept.insert(it.value()); // a name that is not plainly in the past is left alone
            continue;
        }
        const qint64 week = day.daysTo(today) / 7;
        const int month = (today.year() - day.year()) * 12 + today.month() - day.month();
        bool keep = false;
        if (days < 7) {
            ++days;
            keep = true;
        }
        if (week < 4 && !weeks.contains(week)) {
            weeks.insert(week);
            keep = true;
        }
        if (month < 12 && !months.contains(month)) {
            months.insert(month);
            keep = true;
        }
        if (keep)
            kept.insert(it.value());
    }
    for (const QString &name : std::as_const(dailies)) {
        if (!kept.contains(name) && dir.remove(name))
            removed.append(name);
    }
    return removed;
}

BackupSchedule::BackupSchedule(std::function<QString()> diaryPath, Clock clock, QObject *parent)
    : QObject(parent)
    , m_diaryPath(std::move(diaryPath))
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTime(); })
{
    // the date can change while Penwick runs; a minute's delay is no loss
    auto *timer = new QTimer(this);
    timer->setInterval(60 * 1000);
    connect(timer, &QTimer::timeout, this, &BackupSchedule::backUpIfDateChanged);
    timer->start();
}

BackupSchedule::~BackupSchedule()
{
    QThreadPool::globalInstance()->waitForDone();
}

void BackupSchedule::backUpIfDateChanged()
{
    const QDate today = m_clock().toLocalTime().date();
    if (today == m_lastDay)
        return;
    m_lastDay = today;
    const QString diary = m_diaryPath();
    QThreadPool::globalInstance()->start([this, diary, today] {
        const BackupResult made = makeDailyBackup(diary, backupsFolder(), today);
        if (!made.ok()) {
            QMetaObject::invokeMethod(this, [this, error = made.error] {
                if (!m_noticeSaid) {
                    m_noticeSaid = true;
                    Q_EMIT noticeRaised(error);
                }
            });
        }
    });
}

} // namespace penwick::history

// Backups of the diary file: plain diary files in <data folder>/Backups, so any tool and the
// storage sheet can open them. A daily one at start and when the local date changes, kept
// 7 days, the newest of each of the last 4 weeks and of each of the last 12 months; one before
// the diary's content is replaced as a whole, kept 30 days. Nothing else in the folder is ever
// deleted.
#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace penwick::history {

struct BackupResult
{
    QString path; // the backup made, or the newest one when nothing changed
    QString error; // a sentence for the user when no backup could be made
    bool ok() const { return error.isEmpty(); }
};

QString backupsFolder();

// A crash-safe copy of the diary into folder before content is replaced as a whole; what =
// "take-over", "import", "merge". Returns the backup's path, or an error sentence.
BackupResult makeBackupBefore(const QString &diaryPath, const QString &what,
        const QString &folder = backupsFolder(), QDate today = QDate::currentDate());

// The day's backup when the diary's bytes differ from the newest backup, then the retention.
// freeBytes < 0 asks the file system; the backup is not made when the folder would take more
// than a tenth of it.
BackupResult makeDailyBackup(
        const QString &diaryPath, const QString &folder, QDate today, qint64 freeBytes = -1);

// Removes the daily backups of diaryPath's name that the retention lets go, and the backups
// made before a replacement that are older than 30 days; returns the names removed.
QStringList pruneBackups(const QString &diaryPath, const QString &folder, QDate today);

// Makes the daily backup off the window's thread at start and whenever the local date changes.
class BackupSchedule : public QObject
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    BackupSchedule(std::function<QString()> diaryPath, Clock clock = {}, QObject *parent = nullptr);
    // waits for a backup under way
    ~BackupSchedule() override;

    // Makes a backup now when the date changed since the last one, off the window's thread.
    void backUpIfDateChanged();

Q_SIGNALS:
    // The backups stopped or failed: said once.
    void noticeRaised(const QString &notice);

private:
    std::function<QString()> m_diaryPath;
    Clock m_clock;
    QDate m_lastDay;
    bool m_noticeSaid = false;
};

} // namespace penwick::history

// The daily reminder: Penwick opens every day at a chosen time, and keeps no state for it but
// the scheduler's own files. On macOS the record is the agent file
// ~/Library/LaunchAgents/<label>.plist, whose presence means on and whose StartCalendarInterval
// holds the time; launchd runs it. On Linux the record is a systemd user timer and its service,
// which starts the running Penwick's executable (raising an open window instead of starting
// twice); nothing is written under ~/Library there.
#pragma once

#include "platform/AtomicFile.h"

#include <QString>
#include <QTime>
#include <QVariant>
#include <optional>

namespace penwick {
class CommandRunner;
}

namespace penwick::reminder {

// Penwick's reverse-DNS identifier: the agent's label, the macOS bundle identifier and the name
// of the Linux desktop entry.
inline const QString agentLabel = QStringLiteral(PENWICK_APP_ID);

// The agent file's content for a daily start at time.
QVariantMap agentFileContent(QTime time);
// The time an agent file's content starts the job at, or nothing when it names none.
std::optional<QTime> agentFileTime(const QVariant &content);

// The systemd user units that stand in for launchd.
QString timerUnit(QTime time);
// The time a timer unit's text starts the service at, or nothing when it names none.
std::optional<QTime> timerUnitTime(const QString &unit);
// The service for executable, its path quoted by systemd's rules; nothing when the path is not
// absolute or holds what systemd cannot run or no quoting carries safely (a quote, a backslash,
// a control character).
std::optional<QString> serviceUnit(const QString &executable);

enum class Scheduler {
    Launchd, // macOS: /bin/launchctl load and unload the agent file
    SystemdUser, // Linux: a user timer and service rendered from the agent file
};

class Reminder
{
public:
    struct Folders
    {
        QString home; // the agent file lives under home/Library/LaunchAgents
        QString systemdUnits; // where the user's systemd units go
        QString executable; // what the systemd service starts
    };

    // The folders and scheduler of this user on this system.
    static Folders userFolders();
    static Scheduler systemScheduler();

    Reminder(CommandRunner &runner, Scheduler scheduler, Folders folders);

    QString agentFilePath() const;
    QString timerUnitPath() const;
    QString serviceUnitPath() const;

    // On when the agent file (macOS) or the timer unit (Linux) exists; its time when it holds
    // one.
    bool isOn() const;
    std::optional<QTime> savedTime() const;

    // Writes the agent file or the units (creating their folder when missing) and has the
    // scheduler load them; switching on again rewrites them for the new time. When something
    // cannot be written, nothing is loaded, nothing is left, and the result says why. When the
    // units are written but the user's service manager cannot be reached, the reminder is on
    // from the next login and notStartedReason (when given) says why it did not start now.
    WriteResult switchOn(QTime time, QString *notStartedReason = nullptr);
    // Unloads the job, waiting for that, then removes its files; failures are ignored.
    void switchOff();

private:
    QString timerLinkPath() const;
    WriteResult loadSystemdTimer(QTime time, QString *notStartedReason);
    void unloadSystemdTimer();

    CommandRunner &m_runner;
    Scheduler m_scheduler;
    Folders m_folders;
};

} // namespace penwick::reminder

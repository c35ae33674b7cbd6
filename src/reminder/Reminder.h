// The daily reminder: Penwick opens every day at a chosen time. Its one record is the agent
// file ~/Library/LaunchAgents/<label>.plist, whose presence means on and whose
// StartCalendarInterval holds the time; Penwick keeps no other state for it. On macOS launchd
// runs the agent file itself. Elsewhere a systemd user timer rendered from it takes launchd's
// place, starting the running Penwick's executable (which raises an open window instead of
// starting twice).
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
QString serviceUnit(const QString &executable);

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

    // On when the agent file exists; its time when it holds one.
    bool isOn() const;
    std::optional<QTime> savedTime() const;

    // Writes the agent file (creating its folder when missing) and has the scheduler load it.
    // When something cannot be written, nothing is loaded, no agent file is left, and the
    // result says why.
    WriteResult switchOn(QTime time);
    // Unloads the job, waiting for that, then removes the agent file; failures are ignored.
    void switchOff();

private:
    WriteResult loadSystemdTimer(QTime time);
    void unloadSystemdTimer();

    CommandRunner &m_runner;
    Scheduler m_scheduler;
    Folders m_folders;
};

} // namespace penwick::reminder

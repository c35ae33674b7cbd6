#include "Reminder.h"

#include "platform/CommandRunner.h"
#include "platform/Log.h"
#include "platform/Plist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace penwick::reminder {

namespace {

const QString launchctl = QStringLiteral("/bin/launchctl");
const QString systemctl = QStringLiteral("systemctl");
const QString startKey = QStringLiteral("StartCalendarInterval");
const QString hourKey = QStringLiteral("Hour");
const QString minuteKey = QStringLiteral("Minute");

// A path as one word of a systemd command line: quoted, with the characters systemd expands
// ("%" specifiers, "$" variables) escaped.
QString systemdWord(const QString &path)
{
    QString word = path;
    word.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('"'), QLatin1String("\\\""))
            .replace(QLatin1Char('%'), QLatin1String("%%"))
            .replace(QLatin1Char('$'), QLatin1String("$$"));
    return QLatin1Char('"') + word + QLatin1Char('"');
}

std::optional<int> integer(const QVariant &value, int lowest, int highest)
{
    const int type = value.typeId();
    if (type != QMetaType::LongLong && type != QMetaType::ULongLong && type != QMetaType::Int)
        return std::nullopt;
    const qlonglong n = value.toLongLong();
    if (n < lowest || n > highest)
        return std::nullopt;
    return int(n);
}

} // namespace

QVariantMap agentFileContent(QTime time)
{
    // Written in the keys' alphabetical order, which is the order launchd's own files use.
    return {
        { QStringLiteral("AbandonProcessGroup"), true },
        { QStringLiteral("Label"), agentLabel },
        { QStringLiteral("ProgramArguments"),
                QVariantList { QStringLiteral("/usr/bin/open"), QStringLiteral("-a"),
                        QStringLiteral("Penwick") } },
        { startKey,
                QVariantMap { { hourKey, qlonglong(time.hour()) },
                        { minuteKey, qlonglong(time.minute()) } } },
    };
}

std::optional<QTime> agentFileTime(const QVariant &content)
{
    const QVariant interval = content.toMap().value(startKey);
    if (interval.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const auto hour = integer(interval.toMap().value(hourKey), 0, 23);
    const auto minute = integer(interval.toMap().value(minuteKey), 0, 59);
    if (!hour || !minute)
        return std::nullopt;
    return QTime(*hour, *minute);
}

QString timerUnit(QTime time)
{
    return QStringLiteral("[Unit]\n"
                          "Description=Daily reminder to write in the Penwick diary\n"
                          "\n"
                          "[Timer]\n"
                          "OnCalendar=*-*-* %1:00\n"
                          "Persistent=true\n"
                          "\n"
                          "[Install]\n"
                          "WantedBy=timers.target\n")
            .arg(time.toString(QStringLiteral("HH:mm")));
}

QString serviceUnit(const QString &executable)
{
    return QStringLiteral("[Unit]\n"
                          "Description=Open the Penwick diary\n"
                          "\n"
                          "[Service]\n"
                          "Type=exec\n"
                          "ExecStart=%1\n")
            .arg(systemdWord(executable));
}

Reminder::Folders Reminder::userFolders()
{
    return { QDir::homePath(),
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                .filePath(QStringLiteral("systemd/user")),
        QCoreApplication::applicationFilePath() };
}

Scheduler Reminder::systemScheduler()
{
#ifdef Q_OS_MACOS
    return Scheduler::Launchd;
#else
    return Scheduler::SystemdUser;
#endif
}

Reminder::Reminder(CommandRunner &runner, Scheduler scheduler, Folders folders)
    : m_runner(runner), m_scheduler(scheduler), m_folders(std::move(folders))
{ }

QString Reminder::agentFilePath() const
{
    return QDir(m_folders.home)
            .filePath(QStringLiteral("Library/LaunchAgents/") + agentLabel
                    + QStringLiteral(".plist"));
}

QString Reminder::timerUnitPath() const
{
    return QDir(m_folders.systemdUnits).filePath(agentLabel + QStringLiteral(".timer"));
}

QString Reminder::serviceUnitPath() const
{
    return QDir(m_folders.systemdUnits).filePath(agentLabel + QStringLiteral(".service"));
}

bool Reminder::isOn() const
{
    const QFileInfo agent(agentFilePath());
    return agent.exists() || agent.isSymLink();
}

std::optional<QTime> Reminder::savedTime() const
{
    QFile file(agentFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const plist::ReadResult read = plist::read(file.read(1 << 20));
    return read.value ? agentFileTime(*read.value) : std::nullopt;
}

WriteResult Reminder::switchOn(QTime time)
{
    const QString path = agentFilePath();
    // A fresh account has no LaunchAgents folder; without it the reminder could never work.
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteResult written = replaceFileAtomically(path, plist::writeXml(agentFileContent(time)));
    if (written.ok && m_scheduler == Scheduler::SystemdUser) {
        written = loadSystemdTimer(time);
        if (!written.ok)
            QFile::remove(path); // no record of a reminder that is not scheduled
    }
    if (!written.ok) {
        qCWarning(lcPenwick, "Something went wrong");
        qCInfo(lcPenwick) << written.error;
        return written;
    }
    if (m_scheduler == Scheduler::Launchd)
        m_runner.start(launchctl, { QStringLiteral("load"), path });
    return written;
}

void Reminder::switchOff()
{
    const QString path = agentFilePath();
    if (m_scheduler == Scheduler::Launchd)
        m_runner.run(launchctl, { QStringLiteral("unload"), path });
    else
        unloadSystemdTimer();
    QFile::remove(path);
}

// Where no user manager runs (a container, a session without systemd), systemctl fails and is
// not asked again: the units stay in place, and the timer starts with the next login's manager.
WriteResult Reminder::loadSystemdTimer(QTime time)
{
    QDir().mkpath(m_folders.systemdUnits);
    WriteResult written
            = replaceFileAtomically(serviceUnitPath(), serviceUnit(m_folders.executable).toUtf8());
    if (written.ok)
        written = replaceFileAtomically(timerUnitPath(), timerUnit(time).toUtf8());
    if (!written.ok) {
        QFile::remove(serviceUnitPath());
        return written;
    }
    m_runner.run(systemctl, { QStringLiteral("--user"), QStringLiteral("daemon-reload") });
    m_runner.start(systemctl,
            { QStringLiteral("--user"), QStringLiteral("enable"), QStringLiteral("--now"),
                    agentLabel + QStringLiteral(".timer") });
    return written;
}

void Reminder::unloadSystemdTimer()
{
    m_runner.run(systemctl,
            { QStringLiteral("--user"), QStringLiteral("disable"), QStringLiteral("--now"),
                    agentLabel + QStringLiteral(".timer") });
    QFile::remove(timerUnitPath());
    QFile::remove(serviceUnitPath());
    m_runner.start(systemctl, { QStringLiteral("--user"), QStringLiteral("daemon-reload") });
}

} // namespace penwick::reminder

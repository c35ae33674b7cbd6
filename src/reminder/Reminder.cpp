#include "Reminder.h"

#include "platform/CommandRunner.h"
#include "platform/Log.h"
#include "platform/Plist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace penwick::reminder {

namespace {

const QString launchctl = QStringLiteral("/bin/launchctl");
const QString systemctl = QStringLiteral("systemctl");
const QString startKey = QStringLiteral("StartCalendarInterval");
const QString hourKey = QStringLiteral("Hour");
const QString minuteKey = QStringLiteral("Minute");

const QString timerName = agentLabel + QStringLiteral(".timer");

// The executable's path as the first word of a systemd command line: in double quotes, with
// "%" doubled (a specifier otherwise); "$" stays, as the executable's name is not expanded.
// systemd refuses an executable whose name holds a quote or a backslash, and a control
// character has no safe place in a unit file line, nor has a relative path.
std::optional<QString> systemdWord(const QString &path)
{
    if (!QDir::isAbsolutePath(path))
        return std::nullopt;
    for (const QChar c : path) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control
                || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
                || c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('\\'))
            return std::nullopt;
    }
    QString word = path;
    word.replace(QLatin1Char('%'), QLatin1String("%%"));
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

std::optional<QTime> timerUnitTime(const QString &unit)
{
    static const QRegularExpression onCalendar(
            QStringLiteral("^OnCalendar=\\*-\\*-\\* ([0-9]{2}):([0-9]{2}):00$"),
            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = onCalendar.match(unit);
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt());
    if (!match.hasMatch() || !time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QString> serviceUnit(const QString &executable)
{
    const std::optional<QString> word = systemdWord(executable);
    if (!word)
        return std::nullopt;
    return QStringLiteral("[Unit]\n"
                          "Description=Open the Penwick diary\n"
                          "\n"
                          "[Service]\n"
                          "Type=exec\n"
                          "ExecStart=%1\n")
            .arg(*word);
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

QString Reminder::timerLinkPath() const
{
    return QDir(m_folders.systemdUnits)
            .filePath(QStringLiteral("timers.target.wants/") + timerName);
}

bool Reminder::isOn() const
{
    const QFileInfo record(m_scheduler == Scheduler::Launchd ? agentFilePath() : timerUnitPath());
    return record.exists() || record.isSymLink();
}

std::optional<QTime> Reminder::savedTime() const
{
    const bool launchd = m_scheduler == Scheduler::Launchd;
    QFile file(launchd ? agentFilePath() : timerUnitPath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(1 << 20);
    if (!launchd)
        return timerUnitTime(QString::fromUtf8(bytes));
    const plist::ReadResult read = plist::read(bytes);
    return read.value ? agentFileTime(*read.value) : std::nullopt;
}

WriteResult Reminder::switchOn(QTime time, QString *notStartedReason)
{
    WriteResult written;
    if (m_scheduler == Scheduler::SystemdUser) {
        written = loadSystemdTimer(time, notStartedReason);
    } else {
        const QString path = agentFilePath();
        // A fresh account has no LaunchAgents folder; without it the reminder could never work.
        QDir().mkpath(QFileInfo(path).absolutePath());
        written = replaceFileAtomically(path, plist::writeXml(agentFileContent(time)));
        if (written.ok)
            m_runner.start(launchctl, { QStringLiteral("load"), path });
    }
    if (!written.ok) {
        qCWarning(lcPenwick, "Something went wrong");
        qCInfo(lcPenwick) << written.error;
    }
    return written;
}

void Reminder::switchOff()
{
    if (m_scheduler == Scheduler::Launchd) {
        m_runner.run(launchctl, { QStringLiteral("unload"), agentFilePath() });
        QFile::remove(agentFilePath());
    } else {
        unloadSystemdTimer();
    }
}

// The units are written and linked into timers.target the way "systemctl enable" links them, so
// the timer starts with the next login's manager even where systemctl cannot reach one now (a
// container, a session without a user bus).
WriteResult Reminder::loadSystemdTimer(QTime time, QString *notStartedReason)
{
    const std::optional<QString> service = serviceUnit(m_folders.executable);
    if (!service) {
        return WriteResult::failure(QCoreApplication::translate(
                "Reminder", "Penwick's path cannot be written into a systemd unit safely: %1")
                                            .arg(QDir::toNativeSeparators(m_folders.executable)));
    }
    const QString link = timerLinkPath();
    QDir().mkpath(QFileInfo(link).absolutePath());
    WriteResult written = replaceFileAtomically(serviceUnitPath(), service->toUtf8());
    if (written.ok)
        written = replaceFileAtomically(timerUnitPath(), timerUnit(time).toUtf8());
    if (written.ok && !QFileInfo(link).isSymLink() && !QFile::link(timerUnitPath(), link))
        written = WriteResult::failure(
                QCoreApplication::translate("Reminder", "The timer could not be enabled at %1.")
                        .arg(QDir::toNativeSeparators(link)));
    if (!written.ok) {
        QFile::remove(link);
        QFile::remove(timerUnitPath());
        QFile::remove(serviceUnitPath());
        return written;
    }
    const bool started
            = m_runner.run(systemctl, { QStringLiteral("--user"), QStringLiteral("daemon-reload") })
            && m_runner.run(
                    systemctl, { QStringLiteral("--user"), QStringLiteral("restart"), timerName });
    if (!started && notStartedReason) {
        *notStartedReason = QCoreApplication::translate("Reminder",
                "It starts with your next login: \"systemctl --user\" could not reach your "
                "session's service manager.");
    }
    return written;
}

void Reminder::unloadSystemdTimer()
{
    m_runner.run(systemctl,
            { QStringLiteral("--user"), QStringLiteral("disable"), QStringLiteral("--now"),
                    timerName });
    QFile::remove(timerLinkPath());
    QFile::remove(timerUnitPath());
    QFile::remove(serviceUnitPath());
    m_runner.start(systemctl, { QStringLiteral("--user"), QStringLiteral("daemon-reload") });
}

} // namespace penwick::reminder

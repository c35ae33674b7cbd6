#include "CommandRunner.h"

#include "Log.h"

#include <QProcess>

namespace penwick {

bool ProcessRunner::run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) {
        qCWarning(lcPenwick) << "Could not start" << program << process.errorString();
        return false;
    }
    if (!process.waitForFinished(timeoutMs)) {
        qCWarning(lcPenwick) << program << "did not finish in time";
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qCInfo(lcPenwick) << program << arguments << "ended with status" << process.exitCode();
        return false;
    }
    return true;
}

bool ProcessRunner::start(const QString &program, const QStringList &arguments)
{
    if (QProcess::startDetached(program, arguments))
        return true;
    qCWarning(lcPenwick) << "Could not start" << program;
    return false;
}

} // namespace penwick

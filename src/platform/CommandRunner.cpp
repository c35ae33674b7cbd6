#include "CommandRunner.h"

#include "Log.h"

#include <QProcess>

namespace penwick {

CommandResult ProcessRunner::run(
        const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    CommandResult result;
    if (!process.waitForStarted(timeoutMs)) {
        qCWarning(lcPenwick) << "Could not start" << program << process.errorString();
        return result;
    }
    result.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAll();
    return result;
}

} // namespace penwick

// Runs a child process with an argument list, never through a shell. A seam, so that tests can
// stand in for programs that cannot run here (launchctl, systemctl).
#pragma once

#include <QString>
#include <QStringList>

namespace penwick {

struct CommandResult
{
    bool started = false;
    int exitCode = -1;
    QByteArray output; // standard output and error, merged
};

class CommandRunner
{
public:
    virtual ~CommandRunner() = default;
    // Runs program to its end (or until timeoutMs passes) and reports how it went.
    virtual CommandResult run(
            const QString &program, const QStringList &arguments, int timeoutMs = 30000)
            = 0;
};

class ProcessRunner final : public CommandRunner
{
public:
    CommandResult run(const QString &program, const QStringList &arguments, int timeoutMs) override;
};

} // namespace penwick

// Runs a child process with an argument list, never through a shell. A seam, so that tests can
// stand in for programs that cannot run here (launchctl, systemctl) and see exactly what would
// have run, in order.
#pragma once

#include <QString>
#include <QStringList>

namespace penwick {

class CommandRunner
{
public:
    virtual ~CommandRunner() = default;
    // Runs program to its end (or until timeoutMs passes); false when it could not be started,
    // did not finish in time or ended with a failure status.
    virtual bool run(const QString &program, const QStringList &arguments, int timeoutMs = 30000)
            = 0;
    // Starts program and returns at once; it runs to its end on its own.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
};

class ProcessRunner final : public CommandRunner
{
public:
    bool run(const QString &program, const QStringList &arguments, int timeoutMs) override;
    bool start(const QString &program, const QStringList &arguments) override;
};

} // namespace penwick

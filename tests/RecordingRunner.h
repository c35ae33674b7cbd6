// Stands in for launchctl and systemctl: records each program with its arguments, whether the
// caller waited for it, and whether the agent file existed at that moment.
#pragma once

#include "platform/CommandRunner.h"

#include <QFileInfo>
#include <QStringList>

namespace penwick::test {

class RecordingRunner : public CommandRunner
{
public:
    QString watchedFile; // whose presence each call records
    QStringList calls; // "wait: program args [file]" or "start: program args [file]"
    bool succeeds = true; // what run() answers, as a program that ran to a good or a bad end

    bool run(const QString &program, const QStringList &arguments, int) override
    {
        record(QStringLiteral("wait"), program, arguments);
        return succeeds;
    }
    bool start(const QString &program, const QStringList &arguments) override
    {
        record(QStringLiteral("start"), program, arguments);
        return true;
    }

private:
    void record(const QString &how, const QString &program, const QStringList &arguments)
    {
        QString call = how + QStringLiteral(": ") + program + QLatin1Char(' ')
                + arguments.join(QLatin1Char(' '));
        if (!watchedFile.isEmpty())
            call += QFileInfo::exists(watchedFile) ? QStringLiteral(" [file]")
                                                   : QStringLiteral(" [no file]");
        calls << call;
    }
};

} // namespace penwick::test

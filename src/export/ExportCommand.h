// penwick --export FORMAT [--from yyyy-MM-dd] [--to yyyy-MM-dd] OUT: an export without a
// window and without a display. It reads the diary Penwick would open, through a diary session
// of its own, and hands nothing to a running Penwick: an export only reads.
#pragma once

#include "export/ExportFormat.h"

namespace penwick::diary {
class DiarySession;
}

namespace penwick::exports {

struct ExportCommand
{
    Format format = Format::Text;
    QDate from { 1, 1, 1 };
    QDate to { 9999, 12, 31 };
    QString destination;
};

// The arguments after "--export", or a sentence naming what is wrong with them.
struct ParsedExport
{
    std::optional<ExportCommand> command;
    QString error;
};
ParsedExport parseExportArguments(const QStringList &arguments);

// Exit codes: success, a diary or destination that cannot be read or written, a bad argument.
enum ExitCode { Exported = 0, CannotWrite = 1, BadArgument = 2 };

struct CommandOutcome
{
    int exitCode = Exported;
    QString message; // for the standard output on success, the standard error otherwise
};
CommandOutcome runExport(const ExportCommand &command, diary::DiarySession &session);

// With "--export" among the arguments, does the whole export (its own application, offscreen,
// translated) and returns the exit code; otherwise -1, and nothing has happened.
int exportFromCommandLine(int argc, char *argv[]);

} // namespace penwick::exports

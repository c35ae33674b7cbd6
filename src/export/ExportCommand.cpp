#include "ExportCommand.h"

#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "export/ExportJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTranslator>
#include <cstdio>

namespace penwick::exports {

ParsedExport parseExportArguments(const QStringList &arguments)
{
    const QString usage = QCoreApplication::translate("Export",
            "Usage: penwick --export FORMAT [--from yyyy-MM-dd] "
            "[--to yyyy-MM-dd] OUT, where FORMAT is text, markdown, "
            "notes, html, pdf or json.");
    if (arguments.isEmpty())
        return { {}, usage };
    ExportCommand command;
    const std::optional<Format> format = formatNamed(arguments.first());
    if (!format)
        return { {},
            QCoreApplication::translate("Export",
                    "“%1” is no format Penwick exports: use text, markdown, notes, html, pdf "
                    "or json.")
                    .arg(arguments.first()) };
    command.format = *format;
    QStringList destinations;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool from = argument == u"--from";
        if (from || argument == u"--to") {
            if (i + 1 == arguments.size())
                return { {},
                    QCoreApplication::translate(
                            "Export", "%1 needs a day after it, written yyyy-MM-dd.")
                            .arg(argument) };
            const QString written = arguments.at(++i);
            const QDate day = written.size() == 10 ? diary::dayFromKey(written) : QDate();
            if (!day.isValid())
                return { {},
                    QCoreApplication::translate("Export",
                            "“%1” after %2 is no day: write it as yyyy-MM-dd, for example "
                            "2026-03-15.")
                            .arg(written, argument) };
            (from ? command.from : command.to) = day;
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            return { {},
                QCoreApplication::translate("Export", "“%1” is no option of --export. %2")
                        .arg(argument, usage) };
        } else {
            destinations.append(argument);
        }
    }
    if (destinations.size() != 1)
        return { {}, usage };
    if (command.from > command.to)
        return { {},
            QCoreApplication::translate(
                    "Export", "The day after --from, %1, comes after the day after --to, %2.")
                    .arg(diary::dayKey(command.from), diary::dayKey(command.to)) };
    command.destination = destinations.first();
    return { command, {} };
}

CommandOutcome runExport(const ExportCommand &command, diary::DiarySession &session)
{
    session.flush();
    const QList<DiaryEntry> days = session.daysBetween(command.from, command.to);
    const diary::DiaryProblem problem = session.problem();
    // a diary not yet started is an empty one; one that cannot be read is no export
    if (!problem.ok() && problem.status != diary::Status::Missing)
        return { CannotWrite,
            QCoreApplication::translate("Export", "The diary at %1 cannot be read: %2")
                    .arg(QDir::toNativeSeparators(session.noteFilePath()), problem.reason) };
    ExportOptions options;
    options.format = command.format;
    options.font = QGuiApplication::font();
    options.locale = QLocale();
    ExportProgress progress;
    const ExportOutcome outcome
            = writeExport(days, options, command.destination, session.noteFilePath(), &progress);
    if (!outcome.ok())
        return { CannotWrite, outcome.error };
    return { Exported,
        QCoreApplication::translate(
                "Export", "Exported %n days to %1.", nullptr, int(progress.total))
                .arg(QDir::toNativeSeparators(command.destination)) };
}

int exportFromCommandLine(int argc, char *argv[])
{
    int at = 1;
    while (at < argc && qstrcmp(argv[at], "--export") != 0)
        ++at;
    if (at == argc)
        return -1;
    QStringList arguments; // before the application takes its own options out of argv
    for (int i = at + 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // no display is needed: the pages are laid out offscreen, with the same fonts
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    QCoreApplication::setOrganizationName(QStringLiteral("Hollyfen"));
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("penwick"), QStringLiteral("_"),
                QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&translator);
    const ParsedExport parsed = parseExportArguments(arguments);
    if (!parsed.command) {
        std::fprintf(stderr, "%s\n", qPrintable(parsed.error));
        return BadArgument;
    }
    diary::DiarySession session;
    const CommandOutcome outcome = runExport(*parsed.command, session);
    std::fprintf(
            outcome.exitCode == Exported ? stdout : stderr, "%s\n", qPrintable(outcome.message));
    return outcome.exitCode;
}

} // namespace penwick::exports

#include "ExportJob.h"

#include "diary/DiaryStorage.h"
#include "export/BookLayout.h"
#include "export/TextWriters.h"
#include "platform/AtomicFile.h"
#include "platform/FolderSync.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>

namespace penwick::exports {

namespace {

ExportOutcome failure(const QString &error)
{
    return { false, error };
}

ExportOutcome cancelled()
{
    return { true, {} };
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The notes are written into a hidden folder beside the destination and synced; only then does
// that folder take the destination's name, in one rename. So the destination holds every
// note or none, whatever happens meanwhile.
ExportOutcome writeDailyNotes(
        const QList<DiaryEntry> &days, const QString &destination, ExportProgress *progress)
{
    const QFileInfo target(destination);
    if (target.exists()
            && (!target.isDir()
                    || !QDir(destination)
                                .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                        | QDir::System)))
        return failure(QCoreApplication::translate("Export",
                "%1 is not an empty folder: daily notes go into a new or empty folder, so that "
                "no note there is replaced.")
                               .arg(shown(destination)));
    const QString parent = target.absolutePath();
    QTemporaryDir staging(QDir(parent).filePath(
            QLatin1Char('.') + target.fileName() + QStringLiteral(".export-XXXXXX")));
    if (!staging.isValid())
        return failure(QCoreApplication::translate("Export", "%1 cannot be written: %2")
                               .arg(shown(destination), staging.errorString()));
    for (const DiaryEntry &day : days) {
        QFile note(staging.filePath(dailyNoteName(day)));
        const QByteArray bytes = dailyNote(day);
        if (!note.open(QIODevice::WriteOnly | QIODevice::NewOnly)
                || note.write(bytes) != bytes.size() || !note.flush())
            return failure(QCoreApplication::translate("Export", "%1 cannot be written: %2")
                                   .arg(shown(destination), note.errorString()));
        if (!progress->step())
            return cancelled();
    }
    QString error;
    if (!syncFolderAndFiles(staging.path(), &error))
        return failure(QCoreApplication::translate("Export", "%1 cannot be written: %2")
                               .arg(shown(destination), error));
    if (progress->cancelled)
        return cancelled();
    // over an empty folder too: a rename replaces an empty folder, never a full one
    if (std::rename(QFile::encodeName(staging.path()).constData(),
                QFile::encodeName(target.absoluteFilePath()).constData())
            != 0)
        return failure(writeFailure(destination, errno).error);
    staging.setAutoRemove(false);
    syncFolderEntries(parent);
    return {};
}

} // namespace

std::optional<QByteArray> pdf(const QList<DiaryEntry> &days, const ExportOptions &options,
        ExportProgress *progress, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Penwick"));
        writer.setTitle(QCoreApplication::translate("Export", "Diary") + QStringLiteral(": ")
                + rangeText(days, options.locale));
        writer.setPageSize(QPageSize(paperFor(options.locale)));
        if (!paintBook(writer, days, options, progress, error))
            return std::nullopt;
    } // the writer finishes the file as the painter ends
    return buffer.data();
}

ExportOutcome writeExport(const QList<DiaryEntry> &allDays, const ExportOptions &options,
        const QString &destination, const QString &diaryPath, ExportProgress *progress)
{
    if (const QString refusal = diary::refusalToReplaceDiary(diaryPath, destination);
            !refusal.isEmpty())
        return failure(refusal);
    const QList<DiaryEntry> days = daysToExport(allDays, options);
    progress->total = days.size();
    QString error;
    std::optional<QByteArray> bytes;
    switch (options.format) {
    case Format::DailyNotes:
        return writeDailyNotes(days, destination, progress);
    case Format::Text:
        bytes = plainText(days, progress);
        break;
    case Format::Markdown:
        bytes = markdown(days, options.locale, progress);
        break;
    case Format::Html:
        bytes = html(days, options.locale, progress);
        break;
    case Format::Pdf:
        bytes = pdf(days, options, progress, &error);
        break;
    case Format::Json:
        bytes = jrnlJson(days, progress);
        break;
    }
    if (!error.isEmpty())
        return failure(error);
    if (!bytes || progress->cancelled)
        return cancelled();
    const WriteResult written = replaceFileAtomically(destination, *bytes);
    return written.ok ? ExportOutcome {} : failure(written.error);
}

} // namespace penwick::exports

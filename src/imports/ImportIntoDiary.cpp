#include "ImportIntoDiary.h"

#include "diary/NoteFile.h"
#include "history/Backups.h"
#include "history/HistoryStore.h"
#include "platform/AtomicFile.h"
#include "platform/Plist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

namespace penwick::imports {

namespace {

// A file that is one part of a diary kept as a folder: a RedNotebook month or a daily note.
bool isPartOfAFolderDiary(const QFileInfo &file)
{
    static const QRegularExpression part(
            QStringLiteral("^\\d{4}-\\d{2}(\\.txt|-\\d{2}\\.(md|txt))$"),
            QRegularExpression::CaseInsensitiveOption);
    return file.isFile() && part.match(file.fileName()).hasMatch();
}

} // namespace

ImportPlan planImport(const QString &source, const QString &diaryPath)
{
    ImportPlan plan;
    plan.source = source;
    ImportedDiary foreign = readForeignDiary(source);
    if (!foreign.error.isEmpty() && isPartOfAFolderDiary(QFileInfo(source))) {
        ImportedDiary folder = readForeignDiary(QFileInfo(source).absolutePath());
        if (folder.error.isEmpty()) {
            foreign = std::move(folder);
            plan.source = QFileInfo(source).absolutePath();
        }
    }
    if (!foreign.error.isEmpty()) {
        plan.error = foreign.error;
        return plan;
    }
    const diary::Entries here = diary::loadEntries(diaryPath);
    if (!here.outcome.ok()) {
        plan.error = here.outcome.reason.isEmpty()
                ? QCoreApplication::translate(
                        "Import", "There is no diary file at %1 to import into.")
                          .arg(QDir::toNativeSeparators(diaryPath))
                : here.outcome.reason;
        return plan;
    }
    plan.kind = foreign.kind;
    plan.attachmentsLeftOut = foreign.attachmentsLeftOut;
    const QMap<QString, QString> texts = textsByDay(foreign);
    plan.days = int(texts.size());
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        const QString now = diary::lookupText(here.entries, it.key());
        const QString after = mergedDayText(now, it.value());
        if (!now.trimmed().isEmpty() && after != now)
            ++plan.daysWithText;
        if (after != now) {
            plan.changes.insert(it.key(), after);
            plan.before.insert(it.key(), now);
        }
    }
    return plan;
}

QString importQuestion(const ImportPlan &plan)
{
    const QLocale locale;
    if (plan.changes.isEmpty())
        return QCoreApplication::translate(
                "Import", "Every day from %1 is here already: nothing to import.")
                .arg(plan.kind);
    QString question = plan.days == 1
            ? QCoreApplication::translate("Import", "Import 1 day from %1?").arg(plan.kind)
            : QCoreApplication::translate("Import", "Import %1 days from %2?")
                      .arg(locale.toString(plan.days), plan.kind);
    if (plan.daysWithText == 1)
        question += QLatin1Char(' ')
                + QCoreApplication::translate("Import",
                        "1 of them already has text here; the imported text will be added below "
                        "it.");
    else if (plan.daysWithText > 1)
        question += QLatin1Char(' ')
                + QCoreApplication::translate("Import",
                        "%1 of them already have text here; the imported text will be added below "
                        "it.")
                          .arg(locale.toString(plan.daysWithText));
    if (plan.attachmentsLeftOut > 0)
        question += QLatin1Char(' ')
                + QCoreApplication::translate(
                        "Import", "%1 photos, recordings and other attachments are left out.")
                          .arg(locale.toString(plan.attachmentsLeftOut));
    return question;
}

QString applyImport(const ImportPlan &plan, const QString &diaryPath,
        history::HistoryStore *history, const QString &backupsFolder)
{
    if (plan.changes.isEmpty())
        return {};
    const ReadResult read = readRegularFile(diaryPath);
    diary::Entries here = diary::parseNoteBytes(read.bytes);
    if (read.kind != ReadResult::Ok || !here.outcome.ok())
        return here.outcome.reason.isEmpty() ? read.error : here.outcome.reason;
    for (auto it = plan.before.cbegin(); it != plan.before.cend(); ++it)
        if (diary::lookupText(here.entries, it.key()) != it.value())
            return QCoreApplication::translate("Import",
                    "The diary changed while the import was prepared; nothing was imported. "
                    "Try the import again.");
    const history::BackupResult backup
            = history::makeBackupBefore(diaryPath, QStringLiteral("import"), backupsFolder);
    if (!backup.ok())
        return backup.error;
    const QString detail = QStringLiteral("%1, %2").arg(
            plan.kind, QDir::toNativeSeparators(QFileInfo(plan.source).fileName()));
    const QString diaryKey = history ? history::diaryKeyPath(diaryPath) : QString();
    for (auto it = plan.changes.cbegin(); it != plan.changes.cend(); ++it) {
        diary::replaceEntry(here.entries, it.key(), it.value());
        if (!history)
            continue;
        // the day as it was is within reach as well as the day as the import leaves it
        const QString before = plan.before.value(it.key());
        if (!before.isEmpty() && !history->wasStored(diaryKey, it.key(), before))
            history->recordVersion(diaryKey, it.key(), before, history::Origin::Typed);
        history->recordVersion(diaryKey, it.key(), it.value(), history::Origin::Imported, detail);
    }
    if (history)
        history->flush();
    const WriteResult written
            = replaceFileAtomically(diaryPath, { plist::writeXml(here.entries) }, &read.identity);
    if (written.changedMeanwhile)
        return QCoreApplication::translate("Import",
                "The diary changed while the import was prepared; nothing was imported. Try the "
                "import again.");
    return written.ok ? QString() : written.error;
}

} // namespace penwick::imports

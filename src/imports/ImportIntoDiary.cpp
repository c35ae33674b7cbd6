#include "ImportIntoDiary.h"

#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "history/Backups.h"

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

namespace {

// The foreign diary at source, the folder it is part of when the file alone is none.
ImportedDiary readSource(const QString &source, QString *readFrom)
{
    *readFrom = source;
    ImportedDiary foreign = readForeignDiary(source);
    if (!foreign.error.isEmpty() && isPartOfAFolderDiary(QFileInfo(source))) {
        ImportedDiary folder = readForeignDiary(QFileInfo(source).absolutePath());
        if (folder.error.isEmpty()) {
            *readFrom = QFileInfo(source).absolutePath();
            return folder;
        }
    }
    return foreign;
}

} // namespace

QString sourceError(const QString &source)
{
    QString readFrom;
    return readSource(source, &readFrom).error;
}

ImportPlan planImport(const QString &source, diary::DiarySession &session)
{
    ImportPlan plan;
    const ImportedDiary foreign = readSource(source, &plan.source);
    if (!foreign.error.isEmpty()) {
        plan.error = foreign.error;
        return plan;
    }
    session.textOf(session.selectedDay()); // the diary as it is now
    if (!session.isWritable()) {
        plan.error = session.problem().reason.isEmpty()
                ? QCoreApplication::translate(
                        "Import", "There is no diary file at %1 to import into.")
                          .arg(QDir::toNativeSeparators(session.noteFilePath()))
                : session.problem().reason;
        return plan;
    }
    plan.kind = foreign.kind;
    plan.attachmentsLeftOut = foreign.attachmentsLeftOut;
    plan.imported = textsByDay(foreign);
    plan.days = int(plan.imported.size());
    for (auto it = plan.imported.cbegin(); it != plan.imported.cend(); ++it) {
        const QString now = session.textOf(diary::dayFromKey(it.key()));
        const QString after = mergedDayText(now, it.value());
        if (!now.trimmed().isEmpty() && after != now)
            ++plan.daysWithText;
        if (after != now)
            plan.changes.insert(it.key(), after);
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

QString applyImport(
        const ImportPlan &plan, diary::DiarySession &session, const QString &backupsFolder)
{
    if (plan.changes.isEmpty())
        return {};
    // what waits for the diary is written first, so that the backup holds it
    if (!session.flush() || session.hasUnsavedChanges())
        return QCoreApplication::translate(
                "Import", "Nothing was imported: your latest changes are not stored yet. %1")
                .arg(session.problem().reason);
    const history::BackupResult backup = history::makeBackupBefore(
            session.noteFilePath(), QStringLiteral("import"), backupsFolder);
    if (!backup.ok())
        return backup.error;
    // an import adds below what a day holds when it lands, whoever changed it since the plan
    QMap<QString, QString> texts;
    for (auto it = plan.changes.cbegin(); it != plan.changes.cend(); ++it)
        texts.insert(it.key(),
                mergedDayText(session.textOf(diary::dayFromKey(it.key())),
                        plan.imported.value(it.key())));
    const QString detail = QStringLiteral("%1, %2").arg(
            plan.kind, QDir::toNativeSeparators(QFileInfo(plan.source).fileName()));
    const QStringList changed = session.replaceDays(texts, diary::Origin::Imported, detail);
    session.flush();
    for (const QString &day : changed)
        if (session.unsavedChanges().contains(day))
            return session.problem().reason.isEmpty()
                    ? QCoreApplication::translate("Import", "The diary could not be written.")
                    : session.problem().reason;
    return {};
}

} // namespace penwick::imports

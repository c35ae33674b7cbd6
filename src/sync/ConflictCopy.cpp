#include "ConflictCopy.h"

#include "diary/NoteFile.h"
#include "history/HistoryStore.h"
#include "platform/AtomicFile.h"
#include "platform/Plist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

namespace penwick::sync {

namespace {

const QString dateKey = QStringLiteral("date");
const QString textKey = QStringLiteral("text");

// The first entry of each date, by date; the rest as they come.
struct Days
{
    QMap<QString, QVariantMap> first;
    QVariantList others;
};

Days byDate(const QVariantList &entries)
{
    Days days;
    for (const QVariant &entry : entries) {
        const QString date = entry.toMap().value(dateKey).toString();
        if (diary::isDiaryEntry(entry) && !days.first.contains(date))
            days.first.insert(date, entry.toMap());
        else
            days.others.append(entry);
    }
    return days;
}

} // namespace

bool isConflictCopyName(const QString &fileName, const QString &diaryFileName)
{
    const QFileInfo diary(diaryFileName);
    const QString base = QRegularExpression::escape(diary.completeBaseName());
    const QString suffix = diary.suffix().isEmpty()
            ? QString()
            : QStringLiteral("\\.") + QRegularExpression::escape(diary.suffix());
    static const QStringList forms {
        QStringLiteral("%1\\.sync-conflict-\\d{8}-\\d{6}-[A-Z0-9]{7}%2"), // Syncthing
        QStringLiteral("%1 \\(conflicted copy \\d{4}-\\d{2}-\\d{2} \\d{6}\\)%2"), // Nextcloud
        QStringLiteral("%1 \\([^()/]+ conflicted copy \\d{4}-\\d{2}-\\d{2}\\)%2"), // Dropbox
    };
    for (const QString &form : forms) {
        const QRegularExpression name(QRegularExpression::anchoredPattern(form.arg(base, suffix)));
        if (name.match(fileName).hasMatch())
            return true;
    }
    return false;
}

QStringList conflictCopiesOf(const QString &diaryPath)
{
    const QFileInfo diary(diaryPath);
    QStringList copies;
    const QStringList names = diary.dir().entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names)
        if (isConflictCopyName(name, diary.fileName()))
            copies << diary.dir().filePath(name);
    return copies;
}

EntriesMerge mergeEntries(const QVariantList &diary, const QVariantList &copy, bool copyIsNewer,
        const QString &protectedDay)
{
    const Days mine = byDate(diary);
    const Days theirs = byDate(copy);
    QMap<QString, QVariantMap> merged = mine.first;
    EntriesMerge result;
    for (auto it = theirs.first.cbegin(); it != theirs.first.cend(); ++it) {
        const auto here = merged.constFind(it.key());
        if (here == merged.cend()) {
            merged.insert(it.key(), it.value());
            ++result.daysFromCopy;
            continue;
        }
        const QString myText = here->value(textKey).toString();
        const QString theirText = it.value().value(textKey).toString();
        if (myText == theirText)
            continue;
        const bool takeTheirs = copyIsNewer && it.key() != protectedDay;
        result.conflicts.append(
                { it.key(), takeTheirs ? theirText : myText, takeTheirs ? myText : theirText });
        if (takeTheirs)
            merged.insert(it.key(), it.value());
    }
    for (const QVariantMap &entry : std::as_const(merged))
        result.entries.append(entry);
    result.entries += mine.others;
    for (const QVariant &other : theirs.others)
        if (!mine.others.contains(other))
            result.entries.append(other);
    return result;
}

CopyMerge mergeConflictCopy(const QString &diaryPath, const QString &copyPath,
        history::HistoryStore *history, const QString &backupsFolder, const QString &protectedDay)
{
    CopyMerge result;
    result.copyName = QFileInfo(copyPath).fileName();
    const ReadResult copyRead = readRegularFile(copyPath);
    if (copyRead.kind != ReadResult::Ok || copyRead.bytes.size() > maxCopySize) {
        result.error = QCoreApplication::translate("ConflictCopy",
                "The conflict copy %1 cannot be read or is too large; it is left as "
                "it is.")
                               .arg(result.copyName);
        return result;
    }
    const plist::ReadResult parsed = plist::read(copyRead.bytes);
    const bool isDiary = parsed.value && parsed.value->typeId() == QMetaType::QVariantList
            && std::all_of(parsed.value->toList().cbegin(), parsed.value->toList().cend(),
                    [](const QVariant &e) { return e.typeId() == QMetaType::QVariantMap; });
    if (!isDiary) {
        result.error = QCoreApplication::translate("ConflictCopy",
                "The conflict copy %1 is not a diary Penwick can read; it is left as "
                "it is.")
                               .arg(result.copyName);
        return result;
    }
    const QVariantList copy = parsed.value->toList();
    const bool copyIsNewer
            = QFileInfo(copyPath).lastModified() > QFileInfo(diaryPath).lastModified();
    // another program may replace the diary meanwhile: the merge is made again on its version
    const QString diaryKey = history ? history::diaryKeyPath(diaryPath) : QString();
    bool merged = false;
    for (int attempt = 0; attempt < 4 && !merged; ++attempt) {
        const ReadResult diaryRead = readRegularFile(diaryPath);
        const diary::Entries mine = diary::parseNoteBytes(diaryRead.bytes);
        if (diaryRead.kind != ReadResult::Ok || !mine.outcome.ok()) {
            result.error = QCoreApplication::translate("ConflictCopy",
                    "The diary cannot be read, so the conflict copy %1 waits beside it.")
                                   .arg(result.copyName);
            return result;
        }
        const EntriesMerge merge = mergeEntries(mine.entries, copy, copyIsNewer, protectedDay);
        // the other texts are in the history before the diary loses them
        for (const DayConflict &day : merge.conflicts)
            if (history)
                history->recordVersion(diaryKey, day.dayKey, day.otherText, history::Origin::Merged,
                        result.copyName);
        if (history)
            history->flush();
        result.daysFromCopy = merge.daysFromCopy;
        result.conflicts = merge.conflicts;
        const QByteArray bytes = plist::writeXml(merge.entries);
        if (bytes == diaryRead.bytes) { // the diary holds the merge already (the other machine's)
            merged = true;
            break;
        }
        const WriteResult written
                = replaceFileAtomically(diaryPath, { bytes }, &diaryRead.identity);
        if (!written.ok && !written.changedMeanwhile) {
            result.error = written.error;
            return result;
        }
        merged = written.ok;
    }
    if (!merged) {
        result.error = QCoreApplication::translate(
                "ConflictCopy", "The diary kept changing, so the conflict copy %1 waits beside it.")
                               .arg(result.copyName);
        return result;
    }
    // moved aside, never deleted: it is not merged twice, and the engine carries the merge on
    makePrivateFolder(backupsFolder);
    QString target = QDir(backupsFolder).filePath(result.copyName);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QDir(backupsFolder).filePath(QStringLiteral("%1 %2").arg(n).arg(result.copyName));
    if (!QFile::rename(copyPath, target))
        result.error = QCoreApplication::translate(
                "ConflictCopy", "The conflict copy %1 is merged but could not be moved into %2.")
                               .arg(result.copyName, QDir::toNativeSeparators(backupsFolder));
    return result;
}

} // namespace penwick::sync

#include "ConflictCopy.h"

#include "platform/Plist.h"
#include "privacy/SealedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace penwick::sync {

namespace {

// The names a copy of one diary can have, compiled once per diary name: the folder may hold
// thousands of other files, and it is looked at after every change in it.
const QList<QRegularExpression> &copyNamesOf(const QString &diaryFileName)
{
    thread_local QString cachedFor;
    thread_local QList<QRegularExpression> cached;
    if (cachedFor == diaryFileName && !cached.isEmpty())
        return cached;
    const QFileInfo diary(diaryFileName);
    const QString base = QRegularExpression::escape(diary.completeBaseName());
    const QString suffix = diary.suffix().isEmpty()
            ? QString()
            : QStringLiteral("\\.") + QRegularExpression::escape(diary.suffix());
    cached.clear();
    for (const char *form : {
                 "%1\\.sync-conflict-\\d{8}-\\d{6}-[A-Z0-9]{7}%2", // Syncthing
                 "%1 \\(conflicted copy \\d{4}-\\d{2}-\\d{2} \\d{6}\\)%2", // Nextcloud
                 "%1 \\([^()/]+ conflicted copy \\d{4}-\\d{2}-\\d{2}\\)%2", // Dropbox
                 // kept by Penwick when another program's version could not be put back
                 "%1 \\(another program's version \\d{4}-\\d{2}-\\d{2} \\d{6}\\)%2",
         })
        cached.append(QRegularExpression(
                QRegularExpression::anchoredPattern(QString::fromLatin1(form).arg(base, suffix))));
    cachedFor = diaryFileName;
    return cached;
}

// A sealed copy is opened in place into its clear bytes; why it is refused otherwise (%1 is the
// copy's name). A copy under another passphrase is never merged blind.
std::optional<QString> openSealedCopy(QByteArray &bytes, const privacy::KeyPointer &key)
{
    if (!privacy::isSealed(bytes))
        return std::nullopt;
    privacy::Unsealed opened = key ? privacy::open(bytes, *key) : privacy::Unsealed {};
    if (!opened.ok())
        return QCoreApplication::translate("ConflictCopy",
                "The conflict copy %1 is protected by another passphrase, or was changed "
                "or damaged; it is left as it is.");
    bytes = std::move(opened.clear);
    return std::nullopt;
}

} // namespace

bool isConflictCopyName(const QString &fileName, const QString &diaryFileName)
{
    // every form starts with the diary's own base name: most names are turned down here
    if (!fileName.startsWith(QFileInfo(diaryFileName).completeBaseName()))
        return false;
    for (const QRegularExpression &name : copyNamesOf(diaryFileName))
        if (name.match(fileName).hasMatch())
            return true;
    return false;
}

QStringList conflictCopiesOf(const QString &diaryPath)
{
    const QFileInfo diary(diaryPath);
    const QString base = diary.completeBaseName();
    QStringList copies;
    // an iterator without name filters: QDir's listing compiles a wildcard pattern even for none
    QDirIterator names(diary.absolutePath(), QDir::Files | QDir::Hidden | QDir::System);
    while (names.hasNext()) {
        names.next();
        const QString name = names.fileName();
        if (name.startsWith(base) && isConflictCopyName(name, diary.fileName()))
            copies << names.filePath();
    }
    copies.sort();
    return copies;
}

CopyRead readConflictCopy(const QString &path, const privacy::KeyPointer &key)
{
    CopyRead copy;
    copy.name = QFileInfo(path).fileName();
    // a copy is one the sync engine left: a file of the user's own, never followed elsewhere
    ReadResult read = readRegularFile(path, maxCopySize, true);
    if (read.kind == ReadResult::Link || read.kind == ReadResult::NotOwn) {
        copy.error = (read.kind == ReadResult::Link
                        ? QCoreApplication::translate("ConflictCopy",
                                "%1 is a link, not a copy a sync engine left; it is left as "
                                "it is.")
                        : QCoreApplication::translate("ConflictCopy",
                                "%1 belongs to another user, so it is no copy a sync engine "
                                "left for you; it is left as it is."))
                             .arg(copy.name);
        return copy;
    }
    if (read.kind != ReadResult::Ok) {
        copy.error = QCoreApplication::translate("ConflictCopy",
                "The conflict copy %1 cannot be read or is too large; it is left "
                "as it is.")
                             .arg(copy.name);
        return copy;
    }
    if (std::optional<QString> refused = openSealedCopy(read.bytes, key)) {
        copy.error = refused->arg(copy.name);
        return copy;
    }
    const plist::ReadResult parsed = plist::read(read.bytes);
    const bool isDiary = parsed.value && parsed.value->typeId() == QMetaType::QVariantList
            && std::all_of(parsed.value->toList().cbegin(), parsed.value->toList().cend(),
                    [](const QVariant &e) { return e.typeId() == QMetaType::QVariantMap; });
    if (!isDiary) {
        copy.error = QCoreApplication::translate("ConflictCopy",
                "The conflict copy %1 is not a diary Penwick can read; it is left "
                "as it is.")
                             .arg(copy.name);
        return copy;
    }
    copy.bytes = read.bytes;
    copy.entries = parsed.value->toList();
    copy.identity = read.identity;
    return copy;
}

QString moveCopyInto(const QString &path, const QString &folder)
{
    const QString name = QFileInfo(path).fileName();
    if (isForeignFolder(folder) || !makePrivateFolder(folder))
        return QCoreApplication::translate("ConflictCopy",
                "The conflict copy %1 is merged but could not be moved into %2, which "
                "is a link or no folder of yours; it stays where it is.")
                .arg(name, QDir::toNativeSeparators(folder));
    QString target = QDir(folder).filePath(name);
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = QDir(folder).filePath(QStringLiteral("%1 %2").arg(n).arg(name));
    if (!QFile::rename(path, target))
        return QCoreApplication::translate(
                "ConflictCopy", "The conflict copy %1 is merged but could not be moved into %2.")
                .arg(name, QDir::toNativeSeparators(folder));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return {};
}

} // namespace penwick::sync

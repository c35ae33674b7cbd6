#include "SealedFiles.h"

#include "platform/AtomicFile.h"
#include "privacy/SealedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace penwick::privacy {

namespace {

struct SealedFilesText
{
    Q_DECLARE_TR_FUNCTIONS(SealedFiles)
};

// True for the bytes of a property list, XML or binary.
bool isPropertyList(QByteArrayView bytes)
{
    const QByteArrayView start = bytes.first(std::min<qsizetype>(bytes.size(), 64)).trimmed();
    return start.startsWith("bplist") || start.startsWith("<?xml") || start.startsWith("<plist")
            || start.startsWith("\xEF\xBB\xBF");
}

enum class Outcome { Done, Untouched, LeftAlone, Failed };

Outcome convert(const QString &path, const DiaryKey *from, const DiaryKey *to, QString *error)
{
    const ReadResult read = readRegularFile(path);
    if (read.kind != ReadResult::Ok)
        return Outcome::LeftAlone;
    QByteArray clear;
    if (isSealed(read.bytes)) {
        if (to && sameHeader(read.bytes, *to))
            return Outcome::Untouched;
        Unsealed opened = from ? open(read.bytes, *from) : Unsealed {};
        if (!opened.ok())
            return Outcome::LeftAlone;
        clear = std::move(opened.clear);
    } else if (!to) {
        return Outcome::Untouched;
    } else {
        clear = read.bytes;
    }
    const WriteResult written = replaceFileAtomically(path, to ? seal(clear, *to) : clear);
    if (written.ok)
        return Outcome::Done;
    *error = written.error;
    return Outcome::Failed;
}

} // namespace

QString convertFile(const QString &path, const DiaryKey *from, const DiaryKey *to)
{
    QString error;
    switch (convert(path, from, to, &error)) {
    case Outcome::Done:
    case Outcome::Untouched:
        return {};
    case Outcome::LeftAlone:
        return SealedFilesText::tr("%1 does not open with this diary's key and is left as it is.")
                .arg(QDir::toNativeSeparators(path));
    case Outcome::Failed:
        break;
    }
    return error;
}

FolderConversion convertFolder(const QString &folder, const DiaryKey *from, const DiaryKey *to)
{
    FolderConversion done;
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (info.isSymLink())
            continue; // not Penwick's making
        // the header first: a backup already in line is not read whole
        QFile file(info.filePath());
        const QByteArray head
                = file.open(QIODevice::ReadOnly) ? file.read(sealingOverhead) : QByteArray();
        if ((!isSealed(head) && !isPropertyList(head)) || (to && sameHeader(head, *to)))
            continue;
        QString error;
        switch (convert(info.filePath(), from, to, &error)) {
        case Outcome::Done:
            done.converted << info.fileName();
            break;
        case Outcome::Untouched:
            break;
        case Outcome::LeftAlone:
            done.leftAlone << info.fileName();
            break;
        case Outcome::Failed:
            done.errors << error;
            break;
        }
    }
    return done;
}

QString sealFileInto(const QString &path, const QString &folder, const DiaryKey &key)
{
    const QString name = QFileInfo(path).fileName();
    const ReadResult read = readRegularFile(path);
    makePrivateFolder(folder);
    QString target = QDir(folder).filePath(name);
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = QDir(folder).filePath(QStringLiteral("%1 %2").arg(n).arg(name));
    const WriteResult written = read.kind == ReadResult::Ok
            ? createFileAtomically(target, seal(read.bytes, key))
            : WriteResult::failure(read.error);
    if (!written.ok || !QFile::remove(path))
        return SealedFilesText::tr("The conflict copy %1 is merged but could not be moved into %2.")
                .arg(name, QDir::toNativeSeparators(folder));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return {};
}

} // namespace penwick::privacy

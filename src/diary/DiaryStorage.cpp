#include "DiaryStorage.h"

#include "platform/AtomicFile.h"
#include "platform/Plist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace penwick::diary {

WriteResult moveNoteFile(const QString &from, const QString &destination)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(destination);
    if (!QFileInfo(from).exists())
        return writeFailure(from, ENOENT);
    // A hard link, unlike rename, never replaces what stands at the destination.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return WriteResult::success();
    }
    if (errno != EXDEV && errno != EPERM && errno != ENOTSUP)
        return writeFailure(destination, errno);

    // Another file system: copy crash-safely, again never over a file that appeared meanwhile,
    // and only then remove the original.
    QFile file(from);
    if (!file.open(QIODevice::ReadOnly))
        return WriteResult::failure(file.errorString());
    const WriteResult copied = createFileAtomically(destination, file.readAll());
    if (copied.ok)
        ::unlink(source.constData());
    return copied;
}

QString refusalToReplaceDiary(const QString &notePath, const QString &destination)
{
    if (!isSameFile(notePath, destination))
        return {};
    return QCoreApplication::translate(
            "DiaryStorage", "%1 is the diary Penwick has open. Choose another file.")
            .arg(QDir::toNativeSeparators(destination));
}

WriteResult writeEmptyDiary(const QString &path)
{
    return replaceFileAtomically(path, plist::writeXml(QVariantList {}));
}

QString pathInFolder(const QString &folder, const QString &safePreference)
{
    const QString name = safePreference.isEmpty() ? QStringLiteral("note.plist")
                                                  : QFileInfo(safePreference).fileName();
    return QDir(folder).filePath(name);
}

ImportCheck checkImport(const QString &path)
{
    if (!path.endsWith(QLatin1String("plist")))
        return ImportCheck::WrongName;
    const Entries all = loadEntries(path);
    if (!all.outcome.ok())
        return ImportCheck::WrongFormat;
    const bool dictionaries = std::all_of(all.entries.cbegin(), all.entries.cend(),
            [](const QVariant &v) { return v.typeId() == QMetaType::QVariantMap; });
    return dictionaries ? ImportCheck::Accepted : ImportCheck::WrongFormat;
}

QByteArray exportText(QList<DiaryEntry> entries)
{
    sortByDate(entries);
    QByteArray text;
    for (const DiaryEntry &entry : std::as_const(entries)) {
        text += entry.date.toUtf8();
        text += '\n';
        text += entry.text.toUtf8();
        text += "\n\n";
    }
    return text;
}

WriteResult exportDiary(const QString &notePath, const QString &destination)
{
    if (const QString refusal = refusalToReplaceDiary(notePath, destination); !refusal.isEmpty())
        return WriteResult::failure(refusal);
    const DiaryEntries all = diaryEntries(notePath, [](const QString &) { return true; });
    return writeTextFile(destination, exportText(all.entries));
}

WriteResult writeTextFile(const QString &destination, const QByteArray &text)
{
    // Written in place, as a text export is: no temporary file beside a file the user chose.
    // Non-blocking, and checked on the descriptor, so a FIFO never holds the window.
    const QByteArray name = QFile::encodeName(destination);
    const int fd = ::open(
            name.constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0)
        return writeFailure(destination, errno);
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return WriteResult::failure(
                QCoreApplication::translate("DiaryStorage", "%1 is not a regular file.")
                        .arg(QDir::toNativeSeparators(destination)));
    }
    int error = 0;
    if (::ftruncate(fd, 0) != 0)
        error = errno;
    for (qsizetype done = 0; !error && done < text.size();) {
        const ssize_t n = ::write(fd, text.constData() + done, size_t(text.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            error = n < 0 ? errno : ENOSPC;
        else
            done += n;
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    return error ? writeFailure(destination, error) : WriteResult::success();
}

std::optional<QVariantList> legacyDiaryIn(const QString &path)
{
    // a file the user picked: a FIFO or device there is refused, never waited on
    const ReadResult file = readRegularFile(path);
    if (file.kind != ReadResult::Ok)
        return std::nullopt;
    const plist::ReadResult read = plist::read(file.bytes);
    if (!read.value || read.value->typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariant note = read.value->toMap().value(QStringLiteral("note"));
    if (note.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    return note.toList();
}

} // namespace penwick::diary

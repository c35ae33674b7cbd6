#include "DiaryStorage.h"

#include "platform/Plist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
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
        return { true, {} };
    }
    if (errno != EXDEV && errno != EPERM && errno != ENOTSUP)
        return writeFailure(destination, errno);

    // Another file system: copy crash-safely, again never over a file that appeared meanwhile,
    // and only then remove the original.
    QFile file(from);
    if (!file.open(QIODevice::ReadOnly))
        return { false, file.errorString() };
    const WriteResult copied = createFileAtomically(destination, file.readAll());
    if (copied.ok)
        ::unlink(source.constData());
    return copied;
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
    const DiaryEntries all = diaryEntries(notePath, [](const QString &) { return true; });
    return writeTextFile(destination, exportText(all.entries));
}

WriteResult writeTextFile(const QString &destination, const QByteArray &text)
{
    // Written in place, as a text export is: no temporary file beside a file the user chose.
    QFile file(destination);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return { false, file.errorString() };
    if (file.write(text) != text.size() || !file.flush())
        return { false, file.errorString() };
    file.close();
    if (file.error() != QFileDevice::NoError)
        return { false, file.errorString() };
    return { true, {} };
}

std::optional<QVariantList> legacyDiaryIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > (qint64(1) << 30))
        return std::nullopt;
    const plist::ReadResult read = plist::read(file.readAll());
    if (!read.value || read.value->typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariant note = read.value->toMap().value(QStringLiteral("note"));
    if (note.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    return note.toList();
}

} // namespace penwick::diary

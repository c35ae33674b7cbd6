#include "imports/ForeignDiary.h"

#include "imports/ImportSupport_p.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <algorithm>

namespace penwick::imports {

using namespace detail;

namespace {

void readDiaryFile(const QString &path, ImportedDiary &diary)
{
    // A Day One archive is read through libzip member by member, so its photos (which may
    // well pass the limit of one file) are never read at all.
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)
            && file.read(4) == "PK\x03\x04") {
        readDayOneZip(path, diary);
        return;
    }
    ReadBudget budget(path);
    const QByteArray bytes = readBoundedFile(path, budget);
    const QString notADiary
            = QCoreApplication::translate("Import", "%1 is not a diary Penwick can import.")
                      .arg(shownName(path));
    if (looksLikeJrnlText(bytes)) {
        readJrnlText(decodedUtf8(bytes, path), path, diary);
        return;
    }
    if (!bytes.trimmed().startsWith('{') && !bytes.trimmed().startsWith("\xEF\xBB\xBF{"))
        fail(notADiary);
    const QJsonObject root = parsedJsonObject(bytes, path);
    if (!root.value(u"entries").isArray())
        fail(notADiary);
    const QJsonArray entries = root.value(u"entries").toArray();
    if (entries.isEmpty())
        fail(QCoreApplication::translate("Import", "%1 holds no entries to import.")
                        .arg(shownName(path)));
    if (isDayOneEntries(entries)) {
        readDayOneJson(entries, path, diary);
        return;
    }
    const QJsonObject first = entries.first().toObject();
    if (!first.contains(u"date") || !first.contains(u"body"))
        fail(notADiary);
    readJrnlJson(entries, path, diary);
}

void checkDayTexts(const ImportedDiary &diary, const QString &path)
{
    const QMap<QString, QString> texts = textsByDay(diary);
    for (auto day = texts.cbegin(); day != texts.cend(); ++day) {
        if (day.value().size() * qint64(3) > maxDayTextSize
                && day.value().toUtf8().size() > maxDayTextSize)
            fail(QCoreApplication::translate("Import",
                    "%1 holds more than %2 MiB of text for %3, more than Penwick keeps for one "
                    "day.")
                            .arg(shownName(path))
                            .arg(maxDayTextSize >> 20)
                            .arg(day.key()));
    }
}

} // namespace

ImportedDiary readForeignDiary(const QString &path)
{
    ImportedDiary diary;
    try {
        if (QFileInfo(path).isDir())
            readDiaryFolder(path, diary);
        else
            readDiaryFile(path, diary);
        if (diary.entries.isEmpty())
            fail(QCoreApplication::translate("Import", "%1 holds no entries to import.")
                            .arg(shownName(path)));
        checkDayTexts(diary, path);
    } catch (const ImportFailure &failure) {
        ImportedDiary failed;
        failed.error = failure.message;
        return failed;
    }
    return diary;
}

QMap<QString, QString> textsByDay(const ImportedDiary &diary)
{
    QMap<QString, QList<const ImportedEntry *>> days;
    for (const ImportedEntry &entry : diary.entries)
        days[entry.day.toString(u"yyyy-MM-dd")].append(&entry);
    QMap<QString, QString> texts;
    for (auto day = days.begin(); day != days.end(); ++day) {
        // An entry without a time keeps its place before those with one.
        std::stable_sort(day->begin(), day->end(),
                [](const ImportedEntry *a, const ImportedEntry *b) { return a->time < b->time; });
        QStringList pieces;
        for (const ImportedEntry *entry : std::as_const(*day)) {
            QStringList heading;
            if (entry->time.isValid())
                heading.append(entry->time.toString(u"HH:mm"));
            if (!entry->title.isEmpty())
                heading.append(entry->title);
            QStringList lines;
            if (!heading.isEmpty())
                lines.append(heading.join(u' '));
            if (!entry->body.isEmpty())
                lines.append(entry->body);
            pieces.append(lines.join(u'\n'));
        }
        texts.insert(day.key(), pieces.join(u"\n\n"));
    }
    return texts;
}

QString mergedDayText(const QString &here, const QString &imported)
{
    const QString importedText = withoutTrailingWhitespace(imported);
    if (importedText.isEmpty() || here.contains(importedText))
        return here;
    const QString hereText = withoutTrailingWhitespace(here);
    if (hereText.isEmpty())
        return importedText;
    return hereText + u"\n\n" + importedText;
}

} // namespace penwick::imports

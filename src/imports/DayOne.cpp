// Day One's JSON export: a .zip holding one .json file per journal beside the photos, or one
// such .json file alone. Each entry's day and time are the ones on the clock where it was
// written, in the time zone the entry names (the user's own when it names none).
#include "imports/ImportSupport_p.h"
#include "imports/ZipReading.h"
#include "platform/Modules.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QTimeZone>

namespace penwick::imports::detail {

bool isDayOneEntries(const QJsonArray &entries)
{
    return !entries.isEmpty() && entries.first().toObject().contains(u"creationDate");
}

static ImportedEntry dayOneEntry(const QJsonObject &object, const QString &name)
{
    const QString written = object.value(u"creationDate").toString();
    QDateTime created = QDateTime::fromString(written, Qt::ISODate);
    if (!created.isValid())
        fail(QCoreApplication::translate(
                "Import", "%1 holds the date %2, which is not a valid day in the years 1 to 9999.")
                        .arg(shownName(name), written));
    if (created.timeSpec() == Qt::LocalTime) // written without an offset: Day One writes UTC
        created.setTimeZone(QTimeZone::utc());
    // an entry naming no zone, or one unknown here, falls on the day of the user's own clock
    const QTimeZone zone(object.value(u"timeZone").toString().toUtf8());
    const QDateTime local = zone.isValid() ? created.toTimeZone(zone) : created.toLocalTime();
    ImportedEntry entry;
    entry.day = checkedDay(
            local.date().year(), local.date().month(), local.date().day(), written, name);
    entry.time = local.time();
    entry.body = withoutTrailingWhitespace(object.value(u"text").toString());
    return entry;
}

void readDayOneJson(const QJsonArray &entries, const QString &name, ImportedDiary &diary)
{
    diary.kind = QStringLiteral("Day One");
    for (const QJsonValue &value : entries) {
        const QJsonObject object = value.toObject();
        if (!object.value(u"creationDate").isString())
            fail(QCoreApplication::translate(
                    "Import", "%1 holds an entry that is not in the form Penwick expects.")
                            .arg(shownName(name)));
        for (const auto key : { u"photos", u"audios", u"videos", u"pdfAttachments" })
            diary.attachmentsLeftOut += object.value(key).toArray().size();
        ImportedEntry entry = dayOneEntry(object, name);
        // An entry holding only a photo leaves nothing to import.
        if (!entry.body.isEmpty())
            diary.entries.append(entry);
    }
}

namespace {

// The zip module's entry point, looked for once.
ReadZip zipModule(QString *failure)
{
    static QString missing;
    static const auto readZip = reinterpret_cast<ReadZip>(
            moduleFunction(QStringLiteral("penwick_zip"), readZipSymbol, readZipVersion, &missing));
    *failure = missing;
    return readZip;
}

[[noreturn]] void failReading(const QString &name, const QString &reason)
{
    fail(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                    .arg(shownName(name), reason));
}

bool isJournalName(const QString &memberName)
{
    if (!memberName.endsWith(u".json", Qt::CaseInsensitive))
        return false; // photos and the like: counted through their entries
    // Finder's resource forks when an export was zipped again on a Mac
    return !memberName.startsWith(u"__MACOSX/") && !memberName.section(u'/', -1).startsWith(u"._");
}

} // namespace

void readDayOneZip(const QString &path, ImportedDiary &diary)
{
    QString missing;
    const ReadZip readZip = zipModule(&missing);
    if (!readZip)
        fail(QCoreApplication::translate(
                "Import", "Penwick cannot read %1 here: its zip module is missing (%2).")
                        .arg(shownName(path), missing));
    ReadBudget budget(path);
    QString name; // of the journal being read
    QByteArray bytes;
    bool journalFound = false;
    ZipReader reader;
    reader.counted = [&path](qint64 members) {
        if (members > maxZipMembers)
            fail(QCoreApplication::translate(
                    "Import", "%1 holds more than %2 files, more than Penwick imports at once.")
                            .arg(shownName(path))
                            .arg(maxZipMembers));
    };
    reader.wanted = [&](const QString &memberName) {
        name = path + u'/' + memberName;
        bytes.clear();
        return isJournalName(memberName);
    };
    // Each piece is counted as it is inflated, so that a member larger than its header says is
    // stopped at the limit.
    reader.read = [&](QByteArrayView piece) {
        if (!piece.isEmpty()) {
            if (bytes.size() + piece.size() > maxFileSize)
                fail(QCoreApplication::translate("Import",
                        "%1 is larger than %2 MiB, more than Penwick imports from one file.")
                                .arg(shownName(name))
                                .arg(maxFileSize >> 20));
            budget.spend(piece.size());
            bytes.append(piece);
            return;
        }
        const QJsonObject journal = parsedJsonObject(bytes, name);
        const QJsonArray entries = journal.value(u"entries").toArray();
        if (!journal.value(u"entries").isArray()
                || (!entries.isEmpty() && !isDayOneEntries(entries)))
            fail(QCoreApplication::translate("Import", "%1 is not a diary Penwick can import.")
                            .arg(shownName(name)));
        readDayOneJson(entries, name, diary);
        journalFound = true;
    };
    const ZipFailure failure = readZip(path, reader);
    if (!failure.reason.isEmpty())
        failReading(failure.member.isEmpty() ? path : path + u'/' + failure.member, failure.reason);
    if (!journalFound)
        fail(QCoreApplication::translate("Import", "%1 is not a diary Penwick can import.")
                        .arg(shownName(path)));
    diary.kind = QStringLiteral("Day One");
}

} // namespace penwick::imports::detail

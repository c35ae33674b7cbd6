// Day One's JSON export: a .zip holding one .json file per journal beside the photos, or one
// such .json file alone. Each entry's day and time are the ones on the clock where it was
// written, in the time zone the entry names.
#include "imports/ImportSupport_p.h"
#include "platform/LateLibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QTimeZone>
#include <memory>
#include <zip.h>

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
    QTimeZone zone(object.value(u"timeZone").toString().toUtf8());
    if (!zone.isValid())
        zone = QTimeZone::utc();
    const QDateTime local = created.toTimeZone(zone);
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

// libzip is opened with the first archive read rather than with Penwick: it brings the system's
// cryptography library along, whose loading would cost every start several milliseconds.
class ZipLibrary
{
public:
    // The library, loaded at the first call; nothing when it cannot be (errorString() says why).
    static const ZipLibrary *get()
    {
        static const ZipLibrary library;
        return library.m_error.isEmpty() ? &library : nullptr;
    }
    static QString errorString() { return ZipLibrary().m_error; }

    decltype(&::zip_open) open = nullptr;
    decltype(&::zip_discard) discard = nullptr;
    decltype(&::zip_get_num_entries) memberCount = nullptr;
    decltype(&::zip_get_name) memberName = nullptr;
    decltype(&::zip_fopen_index) openMember = nullptr;
    decltype(&::zip_fread) read = nullptr;
    decltype(&::zip_fclose) closeMember = nullptr;
    decltype(&::zip_strerror) archiveError = nullptr;
    decltype(&::zip_file_strerror) memberError = nullptr;
    decltype(&::zip_error_init_with_code) initError = nullptr;
    decltype(&::zip_error_strerror) errorText = nullptr;
    decltype(&::zip_error_fini) finishError = nullptr;

private:
    ZipLibrary()
    {
        LateLibrary library(QStringLiteral(PENWICK_LIBZIP), QStringLiteral("zip"));
        library.resolve(open, "zip_open");
        library.resolve(discard, "zip_discard");
        library.resolve(memberCount, "zip_get_num_entries");
        library.resolve(memberName, "zip_get_name");
        library.resolve(openMember, "zip_fopen_index");
        library.resolve(read, "zip_fread");
        library.resolve(closeMember, "zip_fclose");
        library.resolve(archiveError, "zip_strerror");
        library.resolve(memberError, "zip_file_strerror");
        library.resolve(initError, "zip_error_init_with_code");
        library.resolve(errorText, "zip_error_strerror");
        library.resolve(finishError, "zip_error_fini");
        m_error = library.errorString();
    }

    QString m_error;
};

// Only called once the library is loaded.
const ZipLibrary &zip()
{
    return *ZipLibrary::get();
}

struct ZipCloser
{
    void operator()(zip_t *archive) const { zip().discard(archive); }
};
struct ZipFileCloser
{
    void operator()(zip_file_t *file) const { zip().closeMember(file); }
};

QString zipError(int code)
{
    zip_error_t error;
    zip().initError(&error, code);
    const QString text = QString::fromLocal8Bit(zip().errorText(&error));
    zip().finishError(&error);
    return text;
}

[[noreturn]] void failReading(const QString &name, const QString &reason)
{
    fail(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                    .arg(shownName(name), reason));
}

// The member's bytes, inflated a piece at a time so that a member larger than its header says
// is stopped at the limit.
QByteArray inflatedMember(
        zip_t *archive, zip_uint64_t index, const QString &name, ReadBudget &budget)
{
    const std::unique_ptr<zip_file_t, ZipFileCloser> file(zip().openMember(archive, index, 0));
    if (!file)
        failReading(name, QString::fromLocal8Bit(zip().archiveError(archive)));
    QByteArray bytes;
    char piece[64 * 1024];
    for (;;) {
        const zip_int64_t read = zip().read(file.get(), piece, sizeof piece);
        if (read < 0)
            failReading(name, QString::fromLocal8Bit(zip().memberError(file.get())));
        if (read == 0)
            return bytes;
        if (bytes.size() + read > maxFileSize)
            fail(QCoreApplication::translate(
                    "Import", "%1 is larger than %2 MiB, more than Penwick imports from one file.")
                            .arg(shownName(name))
                            .arg(maxFileSize >> 20));
        budget.spend(read);
        bytes.append(piece, read);
    }
}

} // namespace

void readDayOneZip(const QString &path, ImportedDiary &diary)
{
    if (!ZipLibrary::get())
        failReading(path, ZipLibrary::errorString());
    int code = 0;
    const std::unique_ptr<zip_t, ZipCloser> archive(
            zip().open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code));
    if (!archive)
        failReading(path, zipError(code));
    const zip_int64_t members = zip().memberCount(archive.get(), 0);
    if (members > maxZipMembers)
        fail(QCoreApplication::translate(
                "Import", "%1 holds more than %2 files, more than Penwick imports at once.")
                        .arg(shownName(path))
                        .arg(maxZipMembers));
    ReadBudget budget(path);
    bool journalFound = false;
    for (zip_int64_t index = 0; index < members; ++index) {
        const char *rawName = zip().memberName(archive.get(), index, 0);
        const QString memberName = rawName ? QString::fromUtf8(rawName) : QString();
        if (!memberName.endsWith(u".json", Qt::CaseInsensitive))
            continue; // photos and the like: counted through their entries
        // Finder's resource forks when an export was zipped again on a Mac
        if (memberName.startsWith(u"__MACOSX/") || memberName.section(u'/', -1).startsWith(u"._"))
            continue;
        const QString name = path + u'/' + memberName;
        const QJsonObject journal
                = parsedJsonObject(inflatedMember(archive.get(), index, name, budget), name);
        const QJsonArray entries = journal.value(u"entries").toArray();
        if (!journal.value(u"entries").isArray()
                || (!entries.isEmpty() && !isDayOneEntries(entries)))
            fail(QCoreApplication::translate("Import", "%1 is not a diary Penwick can import.")
                            .arg(shownName(name)));
        readDayOneJson(entries, name, diary);
        journalFound = true;
    }
    if (!journalFound)
        fail(QCoreApplication::translate("Import", "%1 is not a diary Penwick can import.")
                        .arg(shownName(path)));
    diary.kind = QStringLiteral("Day One");
}

} // namespace penwick::imports::detail

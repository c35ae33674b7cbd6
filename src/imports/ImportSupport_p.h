// What the readers of foreign diaries share: failing with a sentence for the user, reading a
// file within the limits, checking text, dates, times and JSON before trusting them.
#pragma once

#include "imports/ForeignDiary.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace penwick::imports::detail {

// Thrown by the readers and caught by readForeignDiary, so that a failure anywhere leaves
// nothing half read behind.
struct ImportFailure
{
    QString message;
};

[[noreturn]] void fail(const QString &message);

// The name of a file or folder as the user sees it in a message.
QString shownName(const QString &path);

// Counts what one import reads against maxTotalSize.
class ReadBudget
{
public:
    explicit ReadBudget(QString source) : m_source(std::move(source)) { }
    void spend(qint64 bytes);

private:
    QString m_source;
    qint64 m_spent = 0;
};

// A regular file's bytes, at most maxFileSize of them.
QByteArray readBoundedFile(const QString &path, ReadBudget &budget);

// The text of bytes that must be UTF-8; name is the file they came from.
QString decodedUtf8(const QByteArray &bytes, const QString &name);

// The text without the white space at its end.
QString withoutTrailingWhitespace(const QString &text);

// The day year-month-day, failing with a message quoting asWritten where no such day exists
// within firstYear..lastYear.
QDate checkedDay(int year, int month, int day, const QString &asWritten, const QString &name);
// A day written as "YYYY-MM-DD".
QDate checkedDay(const QString &asWritten, const QString &name);
// A time written as "HH:MM" or "HH:MM:SS".
QTime checkedTime(const QString &asWritten, const QString &name);

// The JSON object held by bytes (UTF-8 text), or a null object when bytes are not a JSON object.
// Nesting deeper than maxJsonDepth fails before anything is parsed.
QJsonObject parsedJsonObject(const QByteArray &bytes, const QString &name);

// Readers, each adding to diary and failing through fail().
bool looksLikeJrnlText(const QByteArray &bytes);
void readJrnlText(const QString &text, const QString &name, ImportedDiary &diary);
void readJrnlJson(const QJsonArray &entries, const QString &name, ImportedDiary &diary);
bool isDayOneEntries(const QJsonArray &entries);
void readDayOneJson(const QJsonArray &entries, const QString &name, ImportedDiary &diary);
void readDayOneZip(const QString &path, ImportedDiary &diary);
void readDiaryFolder(const QString &path, ImportedDiary &diary);

} // namespace penwick::imports::detail

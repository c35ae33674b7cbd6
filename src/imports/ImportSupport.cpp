#include "imports/ImportSupport_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStringDecoder>

namespace penwick::imports::detail {

void fail(const QString &message)
{
    throw ImportFailure { message };
}

QString shownName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void ReadBudget::spend(qint64 bytes)
{
    m_spent += bytes;
    if (m_spent > maxTotalSize)
        fail(QCoreApplication::translate(
                "Import", "%1 holds more than %2 MiB in total, more than Penwick imports at once.")
                        .arg(shownName(m_source))
                        .arg(maxTotalSize >> 20));
}

QByteArray readBoundedFile(const QString &path, ReadBudget &budget)
{
    // Only regular files: a FIFO or a device would block or never end.
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        fail(QCoreApplication::translate("Import", "%1 is not a diary Penwick can import.")
                        .arg(shownName(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                        .arg(shownName(path), file.errorString()));
    // Read one byte past the limit rather than trusting the size the folder reports.
    QByteArray bytes = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        fail(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                        .arg(shownName(path), file.errorString()));
    if (bytes.size() > maxFileSize)
        fail(QCoreApplication::translate(
                "Import", "%1 is larger than %2 MiB, more than Penwick imports from one file.")
                        .arg(shownName(path))
                        .arg(maxFileSize >> 20));
    budget.spend(bytes.size());
    return bytes;
}

QString decodedUtf8(const QByteArray &bytes, const QString &name)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError())
        fail(QCoreApplication::translate("Import", "%1 is not valid UTF-8 text.")
                        .arg(shownName(name)));
    return text;
}

QString withoutTrailingWhitespace(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

QDate checkedDay(int year, int month, int day, const QString &asWritten, const QString &name)
{
    const QDate date(year, month, day);
    if (year < firstYear || year > lastYear || !date.isValid())
        fail(QCoreApplication::translate(
                "Import", "%1 holds the date %2, which is not a valid day in the years 1 to 9999.")
                        .arg(shownName(name), asWritten));
    return date;
}

QDate checkedDay(const QString &asWritten, const QString &name)
{
    static const QRegularExpression written(QStringLiteral("^(\\d{1,5})-(\\d{1,2})-(\\d{1,2})$"));
    const QRegularExpressionMatch match = written.match(asWritten);
    if (!match.hasMatch())
        return checkedDay(0, 0, 0, asWritten, name);
    return checkedDay(match.captured(1).toInt(), match.captured(2).toInt(),
            match.captured(3).toInt(), asWritten, name);
}

QTime checkedTime(const QString &asWritten, const QString &name)
{
    static const QRegularExpression written(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch match = written.match(asWritten);
    const QTime time = match.hasMatch()
            ? QTime(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt())
            : QTime();
    if (!time.isValid())
        fail(QCoreApplication::translate(
                "Import", "%1 holds the time %2, which is not a valid time of day.")
                        .arg(shownName(name), asWritten));
    return time;
}

// Counts brackets outside strings: cheap, and it keeps a hostile file from reaching the parser's
// recursion at all.
static int jsonDepth(const QByteArray &bytes)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            deepest = std::max(deepest, ++depth);
            if (deepest > maxJsonDepth)
                break;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return deepest;
}

QJsonObject parsedJsonObject(const QByteArray &bytes, const QString &name)
{
    decodedUtf8(bytes, name);
    if (jsonDepth(bytes) > maxJsonDepth)
        fail(QCoreApplication::translate(
                "Import", "%1 is nested deeper than %2 levels, more than Penwick reads.")
                        .arg(shownName(name))
                        .arg(maxJsonDepth));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    return document.object();
}

} // namespace penwick::imports::detail

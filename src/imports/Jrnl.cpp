// jrnl's plain text journal, where each entry starts with a line "[2021-03-04 09:30] Title"
// (seconds and a 12-hour clock are jrnl settings), and jrnl's JSON export.
#include "imports/ImportSupport_p.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QRegularExpression>

namespace penwick::imports::detail {

static const QRegularExpression &entryLine()
{
    static const QRegularExpression line(
            QStringLiteral("^\\[((\\d{1,5})-(\\d{1,2})-(\\d{1,2})) "
                           "((\\d{1,2}):(\\d{2})(?::(\\d{2}))?(?: ?([AaPp][Mm]))?)\\]"
                           "(.*)$"));
    return line;
}

bool looksLikeJrnlText(const QByteArray &bytes)
{
    qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArray line = bytes.mid(start, end - start);
        if (!line.trimmed().isEmpty()) {
            // matched as readJrnlText will: only the line's end is trimmed
            const QString matched = QString::fromLatin1(line);
            return entryLine()
                    .match(matched.endsWith(u'\r') ? matched.chopped(1) : matched)
                    .hasMatch();
        }
        start = end + 1;
    }
    return false;
}

static QTime entryTime(const QRegularExpressionMatch &match, const QString &name)
{
    int hour = match.captured(6).toInt();
    const QString halfDay = match.captured(9).toUpper();
    if (!halfDay.isEmpty()) {
        // 12 AM is midnight, 12 PM noon
        if (hour < 1 || hour > 12)
            hour = 99;
        else
            hour = hour % 12 + (halfDay == u"PM" ? 12 : 0);
    }
    const QTime time(hour, match.captured(7).toInt(), match.captured(8).toInt());
    if (!time.isValid())
        fail(QCoreApplication::translate(
                "Import", "%1 holds the time %2, which is not a valid time of day.")
                        .arg(shownName(name), match.captured(5)));
    return time;
}

static void dropTrailingBlankLines(QStringList &lines)
{
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
}

void readJrnlText(const QString &text, const QString &name, ImportedDiary &diary)
{
    diary.kind = QStringLiteral("jrnl");
    QStringList body;
    const auto finishEntry = [&] {
        if (diary.entries.isEmpty())
            return;
        dropTrailingBlankLines(body);
        diary.entries.last().body = body.join(u'\n');
        body.clear();
    };
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QRegularExpressionMatch match = entryLine().match(line);
        if (!match.hasMatch()) {
            // Before the first entry there are only blank lines: the file was sniffed so.
            if (!diary.entries.isEmpty())
                body.append(line.toString());
            continue;
        }
        finishEntry();
        ImportedEntry entry;
        entry.day = checkedDay(match.captured(2).toInt(), match.captured(3).toInt(),
                match.captured(4).toInt(), match.captured(1), name);
        entry.time = entryTime(match, name);
        entry.title = match.captured(10).trimmed();
        diary.entries.append(entry);
    }
    finishEntry();
}

void readJrnlJson(const QJsonArray &entries, const QString &name, ImportedDiary &diary)
{
    diary.kind = QStringLiteral("jrnl");
    for (const QJsonValue &value : entries) {
        const QJsonObject object = value.toObject();
        if (!object.value(u"date").isString() || !object.value(u"body").isString())
            fail(QCoreApplication::translate(
                    "Import", "%1 holds an entry that is not in the form Penwick expects.")
                            .arg(shownName(name)));
        ImportedEntry entry;
        entry.day = checkedDay(object.value(u"date").toString(), name);
        if (const QString time = object.value(u"time").toString(); !time.isEmpty())
            entry.time = checkedTime(time, name);
        entry.title = object.value(u"title").toString().trimmed();
        entry.body = withoutTrailingWhitespace(object.value(u"body").toString());
        diary.entries.append(entry);
    }
}

} // namespace penwick::imports::detail

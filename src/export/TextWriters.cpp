#include "TextWriters.h"

#include "diary/DayKey.h"

#include <QCoreApplication>

namespace penwick::exports {

using diary::dayFromKey;

std::optional<QByteArray> plainText(const QList<DiaryEntry> &days, ExportProgress *progress)
{
    // diary::exportText's format, which Export as Text writes: per day its date, a line feed,
    // its text and two line feeds
    QByteArray text;
    for (const DiaryEntry &day : days) {
        text += day.date.toUtf8() + '\n' + day.text.toUtf8() + "\n\n";
        if (!progress->step())
            return std::nullopt;
    }
    return text;
}

namespace {

// Whether Markdown would read line as a heading: "#" after at most three spaces, or a line of
// only "-" or only "=" (which makes the line above it one).
bool readsAsHeading(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && i < 3 && line[i] == u' ')
        ++i;
    if (i == line.size())
        return false;
    const QChar first = line[i];
    if (first == u'#')
        return true;
    if (first != u'-' && first != u'=')
        return false;
    for (qsizetype j = i; j < line.size(); ++j) {
        if (line[j] != first && line[j] != u' ' && line[j] != u'\t')
            return false;
    }
    return true;
}

// The text with a backslash before the first mark of each line that would read as a heading.
QString escapedMarkdown(const QString &text)
{
    QString escaped;
    bool changed = false;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        const QStringView line = QStringView(text).sliced(start, end - start);
        if (readsAsHeading(line)) {
            if (!changed)
                escaped = text.left(start);
            changed = true;
            qsizetype mark = 0;
            while (line[mark] == u' ')
                ++mark;
            escaped += line.left(mark) + u'\\' + line.sliced(mark);
        } else if (changed) {
            escaped += line;
        }
        if (changed && end < text.size())
            escaped += u'\n';
        start = end + 1;
    }
    return changed ? escaped : text;
}

QString escapedHtml(const QString &text)
{
    return text.toHtmlEscaped();
}

QString diaryTitle()
{
    return QCoreApplication::translate("Export", "Diary");
}

} // namespace

std::optional<QByteArray> markdown(
        const QList<DiaryEntry> &days, const QLocale &locale, ExportProgress *progress)
{
    QByteArray text;
    int year = 0;
    for (const DiaryEntry &day : days) {
        const QDate date = dayFromKey(day.date);
        if (date.year() != year) {
            year = date.year();
            text += (text.isEmpty() ? "# " : "\n# ") + QByteArray::number(year) + "\n";
        }
        text += "\n## " + locale.toString(date, QLocale::LongFormat).toUtf8() + "\n";
        if (!day.text.isEmpty())
            text += "\n" + escapedMarkdown(day.text).toUtf8() + "\n";
        if (!progress->step())
            return std::nullopt;
    }
    return text;
}

std::optional<QByteArray> html(
        const QList<DiaryEntry> &days, const QLocale &locale, ExportProgress *progress)
{
    const QString title = diaryTitle();
    const QString range = rangeText(days, locale);
    QString page;
    page.reserve(qsizetype(days.size()) * 700 + 4096);
    page += QStringLiteral("<!DOCTYPE html>\n<html lang=\"") + locale.bcp47Name()
            + (locale.textDirection() == Qt::RightToLeft ? QStringLiteral("\" dir=\"rtl")
                                                         : QString())
            + QStringLiteral(
                    "\">\n<head>\n<meta charset=\"utf-8\">\n"
                    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                    "<meta name=\"color-scheme\" content=\"light dark\">\n<title>")
            + escapedHtml(range.isEmpty() ? title : title + QStringLiteral(": ") + range)
            + QStringLiteral(
                    "</title>\n<style>\n"
                    ":root { color-scheme: light dark; --text: #1f1f1f; --page: #fbfaf7;"
                    " --quiet: #6b6b6b; --line: #dcd8d0; --link: #2458a6; }\n"
                    "@media (prefers-color-scheme: dark) { :root { --text: #e4e2de;"
                    " --page: #1c1c1e; --quiet: #9c9a96; --line: #3a3937; --link: #8ab4f8; } }\n"
                    "body { margin: 0 auto; max-width: 42em; padding: 1em 1.2em 3em;"
                    " color: var(--text); background: var(--page);"
                    " font: 1.05em/1.6 system-ui, -apple-system, \"Segoe UI\", sans-serif; }\n"
                    "h1 { font-size: 1.8em; margin: 0.6em 0 0; }\n"
                    ".range { color: var(--quiet); margin: 0 0 1.5em; }\n"
                    "nav { border-bottom: 1px solid var(--line); padding-bottom: 1em; }\n"
                    "nav p { margin: 0.3em 0; }\n"
                    "nav a { color: var(--link); margin-inline-end: 0.6em;"
                    " text-decoration: none; white-space: nowrap; }\n"
                    "h2 { font-size: 1.4em; margin: 2em 0 0.5em;"
                    " border-bottom: 1px solid var(--line); }\n"
                    "h3 { font-size: 1.05em; margin: 1.6em 0 0.3em; color: var(--quiet); }\n"
                    ".text { white-space: pre-wrap; overflow-wrap: anywhere; margin: 0; }\n"
                    "</style>\n</head>\n<body>\n<h1>")
            + escapedHtml(title) + QStringLiteral("</h1>\n<p class=\"range\">") + escapedHtml(range)
            + QStringLiteral("</p>\n<nav>\n");
    // the month index: a line per year, a link per month that has days
    int year = 0, month = 0;
    for (const DiaryEntry &day : days) {
        const QDate date = dayFromKey(day.date);
        if (date.year() == year && date.month() == month)
            continue;
        if (date.year() != year)
            page += (year ? QStringLiteral("</p>\n<p><strong>") : QStringLiteral("<p><strong>"))
                    + QString::number(date.year()) + QStringLiteral("</strong> ");
        year = date.year();
        month = date.month();
        page += QStringLiteral("<a href=\"#m%1\">%2</a>")
                        .arg(date.toString(u"yyyy-MM"),
                                escapedHtml(locale.standaloneMonthName(month)));
    }
    page += (year ? QStringLiteral("</p>\n</nav>\n") : QStringLiteral("</nav>\n"));
    year = month = 0;
    for (const DiaryEntry &day : days) {
        const QDate date = dayFromKey(day.date);
        if (date.year() != year || date.month() != month) {
            year = date.year();
            month = date.month();
            page += QStringLiteral("<h2 id=\"m") + date.toString(u"yyyy-MM") + QStringLiteral("\">")
                    + escapedHtml(monthAndYear(date, locale)) + QStringLiteral("</h2>\n");
        }
        page += QStringLiteral("<h3 id=\"d") + day.date + QStringLiteral("\">")
                + escapedHtml(locale.toString(date, QLocale::LongFormat))
                + QStringLiteral("</h3>\n<p class=\"text\" dir=\"auto\">") + escapedHtml(day.text)
                + QStringLiteral("</p>\n");
        if (!progress->step())
            return std::nullopt;
    }
    page += QStringLiteral("</body>\n</html>\n");
    return page.toUtf8();
}

namespace {

// text as a JSON string, in UTF-8: quotes, backslashes and control characters escaped
void appendJsonString(QByteArray &json, const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    const QByteArray utf8 = text.toUtf8();
    json += '"';
    qsizetype plain = 0; // where the bytes not yet appended start
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const uchar c = uchar(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        json.append(utf8.constData() + plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '"':
        case '\\':
            json += '\\';
            json += char(c);
            break;
        case '\n':
            json += "\\n";
            break;
        case '\t':
            json += "\\t";
            break;
        case '\r':
            json += "\\r";
            break;
        default:
            json += "\\u00";
            json += hex[c >> 4];
            json += hex[c & 15];
        }
    }
    json.append(utf8.constData() + plain, utf8.size() - plain);
    json += '"';
}

} // namespace

std::optional<QByteArray> jrnlJson(const QList<DiaryEntry> &days, ExportProgress *progress)
{
    // laid out as jrnl lays it out (two spaces a level, its keys in its order), written
    // directly: fifty years go out in one pass
    QByteArray json = "{\n  \"tags\": {},\n  \"entries\": [";
    json.reserve(qsizetype(days.size()) * 760 + 64);
    for (const DiaryEntry &day : days) {
        json += &day == &days.constFirst() ? "\n" : ",\n";
        json += "    {\n      \"title\": \"\",\n      \"body\": ";
        appendJsonString(json, day.text);
        json += ",\n      \"date\": ";
        appendJsonString(json, day.date);
        json += ",\n      \"time\": \"\",\n      \"tags\": [],\n      \"starred\": false\n    }";
        if (!progress->step())
            return std::nullopt;
    }
    json += days.isEmpty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

QString dailyNoteName(const DiaryEntry &day)
{
    return day.date + QStringLiteral(".md");
}

QByteArray dailyNote(const DiaryEntry &day)
{
    QByteArray note = day.text.toUtf8();
    if (!note.isEmpty() && !note.endsWith('\n'))
        note += '\n';
    return note;
}

} // namespace penwick::exports

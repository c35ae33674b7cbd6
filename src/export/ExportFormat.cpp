#include "ExportFormat.h"

#include "diary/DayKey.h"

#include <QCoreApplication>

namespace penwick::exports {

namespace {

struct Named
{
    Format format;
    const char *name;
    const char *fileName;
};

constexpr Named formats[] = {
    { Format::Text, "text", "Penwick-Export.txt" },
    { Format::Markdown, "markdown", "Penwick-Export.md" },
    { Format::DailyNotes, "notes", "Penwick-Notes" },
    { Format::Html, "html", "Penwick-Export.html" },
    { Format::Pdf, "pdf", "Penwick-Export.pdf" },
    { Format::Json, "json", "Penwick-Export.json" },
};

} // namespace

QString formatName(Format format)
{
    return QLatin1String(formats[int(format)].name);
}

std::optional<Format> formatNamed(const QString &name)
{
    for (const Named &named : formats) {
        if (name == QLatin1String(named.name))
            return named.format;
    }
    return std::nullopt;
}

QString suggestedName(Format format)
{
    return QLatin1String(formats[int(format)].fileName);
}

bool isEmptyDay(const DiaryEntry &day)
{
    return std::all_of(day.text.cbegin(), day.text.cend(), [](QChar c) { return c.isSpace(); });
}

QList<DiaryEntry> daysToExport(QList<DiaryEntry> days, const ExportOptions &options)
{
    if (options.leaveOutEmptyDays)
        days.removeIf(isEmptyDay);
    return days;
}

QString monthAndYear(QDate day, const QLocale &locale)
{
    return QCoreApplication::translate("Export", "%1 %2", "a month's name, then its year")
            .arg(locale.standaloneMonthName(day.month()), QString::number(day.year()));
}

QString dayWithoutWeekday(QDate day, const QLocale &locale)
{
    // "dddd, d MMMM yyyy", "dddd, d. MMMM yyyy", "yyyy年M月d日dddd": the weekday and what
    // separates it go
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(QLatin1String("dddd"));
    while (!format.isEmpty() && (format.front() == u',' || format.front().isSpace()))
        format.remove(0, 1);
    while (!format.isEmpty() && (format.back() == u',' || format.back().isSpace()))
        format.chop(1);
    return locale.toString(day, format);
}

QString rangeText(const QList<DiaryEntry> &days, const QLocale &locale)
{
    if (days.isEmpty())
        return {};
    const QString first = dayWithoutWeekday(diary::dayFromKey(days.first().date), locale);
    const QString last = dayWithoutWeekday(diary::dayFromKey(days.last().date), locale);
    return first == last ? first : first + QStringLiteral(" – ") + last;
}

} // namespace penwick::exports

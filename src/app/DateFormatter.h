// The two date forms every part of the diary uses: the day form "yyyy-MM-dd" that names an
// entry, and the month form "yyyy-MM". Both work in local time and always write ASCII digits,
// whatever the locale, since the texts are stored in the note file.
#pragma once

#include <QDateTime>
#include <QString>

namespace penwick {

class DateFormatter
{
public:
    enum Form { Month = 0, Day = 1 };

    explicit DateFormatter(Form form) : m_form(form) { }

    Form form() const { return m_form; }

    // The local calendar date of the instant, in this form.
    QString format(const QDateTime &instant) const;

    // The first instant of the day (or of the month's first day) in local time; an invalid
    // QDateTime when the text does not fit the form. A day whose midnight does not exist
    // (a daylight-saving change at 00:00) starts at its first existing instant.
    QDateTime parse(const QString &text) const;

private:
    Form m_form;
};

} // namespace penwick

#include "DateFormatter.h"

#include <QRegularExpression>

namespace penwick {

QString DateFormatter::format(const QDateTime &instant) const
{
    if (!instant.isValid())
        return {};
    const QDate date = instant.toLocalTime().date();
    if (m_form == Month)
        return QString::asprintf("%04d-%02d", date.year(), date.month());
    return QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

QDateTime DateFormatter::parse(const QString &text) const
{
    static const QRegularExpression dayForm(QStringLiteral("^([0-9]{4,})-([0-9]{2})-([0-9]{2})$"));
    static const QRegularExpression monthForm(QStringLiteral("^([0-9]{4,})-([0-9]{2})$"));
    const QRegularExpressionMatch match = (m_form == Day ? dayForm : monthForm).match(text);
    if (!match.hasMatch())
        return {};
    const QDate date(match.capturedView(1).toInt(), match.capturedView(2).toInt(),
            m_form == Day ? match.capturedView(3).toInt() : 1);
    if (!date.isValid())
        return {};
    return date.startOfDay();
}

} // namespace penwick

#include "DayKey.h"

#include <QRegularExpression>

namespace penwick::diary {

QString dayKey(QDate day)
{
    if (!day.isValid())
        return {};
    return QString::asprintf("%04d-%02d-%02d", day.year(), day.month(), day.day());
}

QDate dayFromKey(const QString &key)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{4,})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(key);
    if (!match.hasMatch())
        return {};
    return QDate(match.capturedView(1).toInt(), match.capturedView(2).toInt(),
            match.capturedView(3).toInt());
}

} // namespace penwick::diary

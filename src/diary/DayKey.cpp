#include "DayKey.h"

#include <QRegularExpression>

namespace penwick::diary {

QString dayKey(QDate day)
{
    if (!day.isValid())
        return {};
    int year = 0, month = 0, dayOfMonth = 0;
    day.getDate(&year, &month, &dayOfMonth);
    if (year < 0 || year > 9999)
        return QString::asprintf("%04d-%02d-%02d", year, month, dayOfMonth);
    // written out by hand: a key is made several times per keystroke
    auto digit = [](int value) { return QChar(u'0' + value % 10); };
    const QChar key[] = { digit(year / 1000), digit(year / 100), digit(year / 10), digit(year),
        u'-', digit(month / 10), digit(month), u'-', digit(dayOfMonth / 10), digit(dayOfMonth) };
    return QString(key, 10);
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

#include "Migration.h"

#include <QRegularExpression>

namespace penwick::diary {

bool isLegacyDateKey(const QString &key)
{
    static const QRegularExpression date(QStringLiteral("[0-9]{4}-[0-9]{2}-[0-9]{2}"));
    return date.match(key).hasMatch();
}

QVariantList legacyEntries(
        const QStringList &keys, const std::function<QVariant(const QString &)> &valueOf)
{
    QVariantList entries;
    for (const QString &key : keys) {
        if (isLegacyDateKey(key))
            entries.append(QVariantMap {
                    { QStringLiteral("date"), key }, { QStringLiteral("text"), valueOf(key) } });
    }
    return entries;
}

} // namespace penwick::diary

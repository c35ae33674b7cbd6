#include "Migration.h"

namespace penwick::diary {

// Four ASCII digits, a hyphen, two digits, a hyphen and two digits, anywhere in the key; scanned
// by hand, as this runs at every start and a regular expression would be compiled for it.
bool isLegacyDateKey(const QString &key)
{
    static constexpr char shape[] = "dddd-dd-dd";
    constexpr qsizetype length = sizeof(shape) - 1;
    auto fits = [&key](qsizetype at) {
        for (qsizetype i = 0; i < length; ++i) {
            const QChar c = key.at(at + i);
            if (shape[i] == 'd' ? !(c >= u'0' && c <= u'9') : c != u'-')
                return false;
        }
        return true;
    };
    for (qsizetype at = 0; at + length <= key.size(); ++at) {
        if (fits(at))
            return true;
    }
    return false;
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

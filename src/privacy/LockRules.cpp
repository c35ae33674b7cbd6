#include "LockRules.h"

#include <QSet>
#include <QVariant>
#include <cmath>

namespace penwick::privacy {

int idleLockMinutes(const QVariant &preference)
{
    bool number = false;
    const int minutes = preference.toInt(&number);
    return number && minutes >= 0 ? minutes : defaultIdleLockMinutes;
}

int UnlockThrottle::waitSeconds() const
{
    if (m_failures < 3)
        return 0;
    return int(std::min<qint64>(60, qint64(1) << std::min(m_failures - 2, 6)));
}

Strength passphraseStrength(const QString &passphrase)
{
    // the characters' kinds give each one's share of an alphabet; words of a phrase count by
    // their length, which is what makes a phrase strong
    bool lower = false, upper = false, digit = false, other = false;
    QSet<QChar> distinct;
    for (const QChar c : passphrase) {
        lower |= c.isLower();
        upper |= c.isUpper();
        digit |= c.isDigit();
        other |= !c.isLetterOrNumber();
        distinct.insert(c);
    }
    const int alphabet = (lower ? 26 : 0) + (upper ? 26 : 0) + (digit ? 10 : 0) + (other ? 33 : 0);
    // repeated characters add little
    const double length = std::min<double>(passphrase.size(), distinct.size() * 2.0);
    const double bits = alphabet > 0 ? length * std::log2(alphabet) : 0;
    if (bits < 40)
        return Strength::Weak;
    if (bits < 60)
        return Strength::Fair;
    if (bits < 80)
        return Strength::Good;
    return Strength::Strong;
}

} // namespace penwick::privacy

// The lock's rules, decided without a widget: how long a diary may stay unlocked without use,
// and how long the unlock view waits after wrong passphrases.
#pragma once

#include <QList>
#include <QString>

namespace penwick::privacy {

// Preference: minutes without use before a protected diary locks; 0 is Off.
inline const QString idleLockPreference = QStringLiteral("privacy/lockAfterMinutes");
constexpr int defaultIdleLockMinutes = 10;
// The choices offered (0: Off).
inline const QList<int> idleLockChoices = { 1, 5, 10, 30, 60, 0 };
// Preference: true when the passphrase is kept in the desktop's keyring (off by default).
inline const QString keyringPreference = QStringLiteral("privacy/rememberInKeyring");

// The minutes the preference holds: the default when it holds none, Off when it says 0.
int idleLockMinutes(const QVariant &preference);

// Wrong passphrases in a row make the next try wait: none for the first three, then 2, 4, 8 …
// seconds, at most a minute. A right one starts again from nothing.
class UnlockThrottle
{
public:
    void failed() { ++m_failures; }
    void succeeded() { m_failures = 0; }
    int failures() const { return m_failures; }
    // How long the next try waits, in seconds.
    int waitSeconds() const;

private:
    int m_failures = 0;
};

// How strong a passphrase looks, as a hint and never a rule: from its length and the kinds of
// characters it mixes, an estimate of its bits.
enum class Strength { Weak, Fair, Good, Strong };
Strength passphraseStrength(const QString &passphrase);

} // namespace penwick::privacy

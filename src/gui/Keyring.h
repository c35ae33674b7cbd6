// The passphrase of a protected diary in the desktop's keyring (the Secret Service on Linux,
// the Keychain on macOS), through QtKeychain in a module of its own (penwick_keyring), opened
// only when the user keeps the passphrase there: its libraries do not load with every start.
#pragma once

#include <QString>
#include <functional>

class QObject;

// What the keyring is asked for the diary named account: its passphrase read, written
// (secret) or removed. done follows once, in context's thread, with the passphrase read or why
// the keyring did not answer.
enum class KeyringRequest { Read, Write, Remove };
using KeyringDone = std::function<void(bool ok, const QString &secret, const QString &error)>;
using AskKeyring = void (*)(QObject *context, KeyringRequest request, const QString &account,
        const QString &secret, const KeyringDone &done);

inline constexpr char askKeyringSymbol[] = "penwickAskKeyring";
inline constexpr int askKeyringVersion = 1;

// Asks through the module; done says why when the module is missing.
void askKeyring(QObject *context, KeyringRequest request, const QString &account,
        const QString &secret, const KeyringDone &done);

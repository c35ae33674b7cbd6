// The sealed file: a protected diary, a backup of one, or the texts Penwick could not store at
// quit, as one file whose every byte after a short header is encrypted and authenticated. The
// format is written down in docs/protected-diary.md, so fully that a short script with any
// libsodium binding opens such a file without Penwick:
//
//   magic "PWSEALED", format version, Argon2id's limits and salt, the data key wrapped by the
//   passphrase's key and by the recovery key (XChaCha20-Poly1305), then the body: the whole
//   clear file (the diary's property list) sealed by the data key with XChaCha20-Poly1305,
//   the header as associated data.
//
// One sealed file rather than a property list of sealed entries: a reader of the file learns
// only its size, not the days written nor each day's length; merging by day needs the texts,
// which Penwick has in memory once the file is opened.
#pragma once

#include "privacy/DiaryKey.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace penwick::privacy {

// The format this Penwick writes; a file of a later one is refused, never opened as empty.
constexpr quint16 formatVersion = 1;

// How many bytes sealing adds to a file: the header, the body's nonce and its tag.
constexpr qsizetype sealingOverhead = 188 + 24 + 16;

// True when bytes start as a sealed file does (of any version).
bool isSealed(QByteArrayView bytes);

struct Unsealed
{
    enum Failure {
        None,
        NewerFormat, // written by a later Penwick
        Damaged, // changed or damaged: the authentication fails, or the header is no header
        WrongKey, // the passphrase, the recovery key or the data key does not open it
    };
    Failure failure = Damaged;
    QString error; // a sentence for the user when it failed
    QByteArray clear; // open(): the body
    KeyPointer key; // unlock…(): the data key, its header that of the file
    bool ok() const { return failure == None; }
};

// The key that opens the sealed file bytes, from the passphrase (Argon2id with the file's
// limits: about half a second) or from the recovery key.
Unsealed unlockWithPassphrase(QByteArrayView bytes, const QString &passphrase);
Unsealed unlockWithRecoveryKey(QByteArrayView bytes, const QString &recoveryKey);

// A new data key whose header wraps it by the passphrase (with these limits) and by
// recoveryKey (see recovery::generate()).
KeyPointer protect(
        const QString &passphrase, const QString &recoveryKey, const KeyDerivationLimits &limits);
// The same data key and recovery key, its passphrase another: the history stays as it is.
KeyPointer withNewPassphrase(
        const DiaryKey &key, const QString &passphrase, const KeyDerivationLimits &limits);

// The sealed file holding clear, under key's header.
QByteArray seal(QByteArrayView clear, const DiaryKey &key);
// The body of the sealed file bytes, when key opens it.
Unsealed open(QByteArrayView bytes, const DiaryKey &key);
// True when the sealed file bytes carry key's header (a backup made before the passphrase
// changed carries the earlier one).
bool sameHeader(QByteArrayView bytes, const DiaryKey &key);

// The limits under which Argon2id takes about targetMs here, at 64 MiB of memory or more.
KeyDerivationLimits calibratedLimits(int targetMs = 500);
// Tests: the limits protect() is given by the window instead of calibrated ones.
void setLimitsForTest(const KeyDerivationLimits &limits);
KeyDerivationLimits limitsForNewKey();

// Sealing and opening of the history's texts under the history key: a random nonce, then the
// text's UTF-8 sealed (XChaCha20-Poly1305). open gives a null string when it fails.
QByteArray sealText(const QString &text, const DiaryKey &key);
QString openText(QByteArrayView sealed, const DiaryKey &key, bool *ok = nullptr);
// A keyed print (BLAKE2b under the print key) of a day's text: equal texts, equal prints, and
// nothing learnt of a text from its print without the key.
qint64 keyedPrint(const QString &dayKey, const QString &text, const DiaryKey &key);

} // namespace penwick::privacy

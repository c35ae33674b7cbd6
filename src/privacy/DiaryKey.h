// The key of a protected diary, held in locked memory (sodium_malloc: kept out of swap, with
// guard pages, wiped when freed) for as long as the diary is unlocked, and never anywhere else:
// not in the preferences, not in the log. One random data key seals the diary file and the
// history's texts; the file's header holds it twice, wrapped by the key derived from the
// passphrase and by the recovery key (see docs/protected-diary.md).
//
// A key is shared between the threads that read and write the diary (std::shared_ptr to a
// const key); it is wiped once the last of them lets it go, at a lock or at quit.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace penwick::privacy {

constexpr int keyBytes = 32;

// Argon2id's work for one passphrase, as the file stores it.
struct KeyDerivationLimits
{
    quint64 opsLimit = 0;
    quint64 memLimit = 0; // bytes
    friend bool operator==(const KeyDerivationLimits &, const KeyDerivationLimits &) = default;
};

// True once libsodium is ready; false when it cannot start (no source of randomness).
bool sodiumReady();

class DiaryKey
{
public:
    // A new random data key.
    static std::shared_ptr<DiaryKey> generate();
    // The data key given (keyBytes bytes), copied into locked memory.
    static std::shared_ptr<DiaryKey> fromBytes(const unsigned char *dataKey);
    ~DiaryKey();
    DiaryKey(const DiaryKey &) = delete;
    DiaryKey &operator=(const DiaryKey &) = delete;

    // Seals the diary file's body.
    const unsigned char *dataKey() const { return m_secret; }
    // Derived from the data key (crypto_kdf, context "PWKHIST1"): the history's texts, and the
    // prints that stand for texts there, which then tell nothing about them.
    const unsigned char *historyKey() const { return m_secret + keyBytes; }
    const unsigned char *printKey() const { return m_secret + 2 * keyBytes; }

    // The file's header for this key (everything before the body's nonce): the derivation's
    // limits and salt and the two wrapped copies of the data key.
    const QByteArray &header() const { return m_header; }
    void setHeader(QByteArray header) { m_header = std::move(header); }

private:
    DiaryKey();
    unsigned char *m_secret = nullptr; // data, history and print keys
    QByteArray m_header;
};

using KeyPointer = std::shared_ptr<const DiaryKey>;

// The recovery key: 25 characters of Crockford's base 32 (digits and capitals without I, L, O
// and U, 125 bits), shown in five groups of five: "7K3QD-…".
namespace recovery {
QString generate();
// The key as the user typed it, in its one spelling (capitals, no separators; O read as 0, I
// and L as 1), or an empty string when it is not 25 such characters.
QString normalized(const QString &typed);
// In groups of five, for showing.
QString grouped(const QString &key);
} // namespace recovery

} // namespace penwick::privacy

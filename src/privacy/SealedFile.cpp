#include "SealedFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtEndian>
#include <cstring>
#include <optional>
#include <sodium.h>

namespace penwick::privacy {

namespace {

// The layout of version 1 (docs/protected-diary.md): offsets into the file.
constexpr QByteArrayView magic = "PWSEALED";
constexpr qsizetype versionAt = 8;
constexpr qsizetype kdfAt = 10;
constexpr qsizetype opsAt = 12;
constexpr qsizetype memAt = 20;
constexpr qsizetype saltAt = 28;
constexpr qsizetype passphraseSlotAt = 44; // nonce, then the wrapped data key
constexpr qsizetype recoverySlotAt = 116;
constexpr qsizetype slotBytes = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES + keyBytes
        + crypto_aead_xchacha20poly1305_ietf_ABYTES; // 72
constexpr qsizetype headerBytes = 188;
constexpr qsizetype bodyAt = headerBytes; // nonce, then the sealed body
constexpr qsizetype slotAdBytes = 10; // magic and version: what both wrapped keys are bound to
constexpr unsigned char argon2id = crypto_pwhash_ALG_ARGON2ID13; // 2
constexpr QByteArrayView recoveryDomain = "penwick-recovery-key-v1:";

// What a damaged header might ask: more than this is no header Penwick wrote.
constexpr quint64 maxOps = 1000;
constexpr quint64 maxMem = quint64(4) << 30;

static_assert(passphraseSlotAt + slotBytes == recoverySlotAt);
static_assert(recoverySlotAt + slotBytes == headerBytes);

std::optional<KeyDerivationLimits> limitsForTest;

struct SealedFileText
{
    Q_DECLARE_TR_FUNCTIONS(SealedFile)
};

const unsigned char *u(const char *p)
{
    return reinterpret_cast<const unsigned char *>(p);
}

Unsealed failed(Unsealed::Failure failure, const QString &error)
{
    Unsealed result;
    result.failure = failure;
    result.error = error;
    return result;
}

Unsealed damaged()
{
    return failed(Unsealed::Damaged,
            SealedFileText::tr(
                    "it was changed or damaged: its contents do not pass the check of its "
                    "encryption."));
}

// The header's own faults, before any key is tried.
std::optional<Unsealed> headerFault(QByteArrayView bytes)
{
    if (!isSealed(bytes))
        return damaged();
    if (bytes.size() < versionAt + 2)
        return damaged();
    const quint16 version = qFromLittleEndian<quint16>(bytes.data() + versionAt);
    if (version > formatVersion)
        return failed(Unsealed::NewerFormat,
                SealedFileText::tr(
                        "it was written by a newer version of Penwick (format %1), which "
                        "this one cannot read. Open it with that version.")
                        .arg(version));
    if (version != formatVersion || bytes.size() < bodyAt + 24 + 16
            || quint8(bytes[kdfAt]) != argon2id)
        return damaged();
    const quint64 ops = qFromLittleEndian<quint64>(bytes.data() + opsAt);
    const quint64 mem = qFromLittleEndian<quint64>(bytes.data() + memAt);
    if (ops < crypto_pwhash_argon2id_OPSLIMIT_MIN || ops > maxOps
            || mem < crypto_pwhash_argon2id_MEMLIMIT_MIN || mem > maxMem)
        return damaged();
    return std::nullopt;
}

// Unwraps the data key in the slot at slotAt with wrapKey.
Unsealed unwrap(QByteArrayView bytes, qsizetype slotAt, const unsigned char *wrapKey,
        const QString &wrongKey)
{
    unsigned char *dataKey = static_cast<unsigned char *>(sodium_malloc(keyBytes));
    if (!dataKey)
        return failed(
                Unsealed::Damaged, SealedFileText::tr("there is not enough memory to open it."));
    unsigned long long length = 0;
    const char *slot = bytes.data() + slotAt;
    const int opened = crypto_aead_xchacha20poly1305_ietf_decrypt(dataKey, &length, nullptr,
            u(slot + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES),
            slotBytes - crypto_aead_xchacha20poly1305_ietf_NPUBBYTES, u(bytes.data()), slotAdBytes,
            u(slot), wrapKey);
    Unsealed result;
    if (opened != 0 || length != keyBytes) {
        result = failed(Unsealed::WrongKey, wrongKey);
    } else {
        auto key = DiaryKey::fromBytes(dataKey);
        key->setHeader(bytes.first(headerBytes).toByteArray());
        result.failure = Unsealed::None;
        result.key = std::move(key);
    }
    sodium_free(dataKey);
    return result;
}

QByteArray wrap(const DiaryKey &key, const unsigned char *wrapKey, QByteArrayView ad)
{
    QByteArray slot(slotBytes, Qt::Uninitialized);
    unsigned char *nonce = reinterpret_cast<unsigned char *>(slot.data());
    randombytes_buf(nonce, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
    crypto_aead_xchacha20poly1305_ietf_encrypt(nonce + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES,
            nullptr, key.dataKey(), keyBytes, u(ad.data()), ad.size(), nullptr, nonce, wrapKey);
    return slot;
}

// The key from the passphrase (NFC, UTF-8) under the limits and salt, in locked memory.
struct LockedKey
{
    unsigned char *bytes = static_cast<unsigned char *>(sodium_malloc(keyBytes));
    ~LockedKey() { sodium_free(bytes); }
};

bool passphraseKey(LockedKey &out, const QString &passphrase, const char *salt,
        const KeyDerivationLimits &limits)
{
    const QByteArray utf8 = passphrase.normalized(QString::NormalizationForm_C).toUtf8();
    const bool ok = out.bytes
            && crypto_pwhash(out.bytes, keyBytes, utf8.constData(), utf8.size(), u(salt),
                       limits.opsLimit, size_t(limits.memLimit), crypto_pwhash_ALG_ARGON2ID13)
                    == 0;
    sodium_memzero(const_cast<char *>(utf8.constData()), utf8.size());
    return ok;
}

bool recoveryWrapKey(LockedKey &out, const QString &recoveryKey)
{
    const QByteArray input = recoveryDomain.toByteArray() + recoveryKey.toLatin1();
    const bool ok = out.bytes
            && crypto_generichash(
                       out.bytes, keyBytes, u(input.constData()), input.size(), nullptr, 0)
                    == 0;
    sodium_memzero(const_cast<char *>(input.constData()), input.size());
    return ok;
}

// The header before its slots: magic, version, algorithm, limits, salt.
QByteArray headerStart(const KeyDerivationLimits &limits, QByteArrayView salt)
{
    QByteArray head(saltAt, '\0');
    std::memcpy(head.data(), magic.data(), magic.size());
    qToLittleEndian<quint16>(formatVersion, head.data() + versionAt);
    head[kdfAt] = char(argon2id);
    qToLittleEndian<quint64>(limits.opsLimit, head.data() + opsAt);
    qToLittleEndian<quint64>(limits.memLimit, head.data() + memAt);
    return head + salt.toByteArray();
}

} // namespace

bool isSealed(QByteArrayView bytes)
{
    return bytes.startsWith(magic);
}

Unsealed unlockWithPassphrase(QByteArrayView bytes, const QString &passphrase)
{
    if (!sodiumReady())
        return failed(
                Unsealed::Damaged, SealedFileText::tr("the encryption library cannot start."));
    if (std::optional<Unsealed> fault = headerFault(bytes))
        return *fault;
    const KeyDerivationLimits limits { qFromLittleEndian<quint64>(bytes.data() + opsAt),
        qFromLittleEndian<quint64>(bytes.data() + memAt) };
    LockedKey wrapKey;
    if (!passphraseKey(wrapKey, passphrase, bytes.data() + saltAt, limits))
        return failed(Unsealed::Damaged,
                SealedFileText::tr(
                        "there is not enough memory to work out the key from the passphrase."));
    return unwrap(bytes, passphraseSlotAt, wrapKey.bytes,
            SealedFileText::tr("This passphrase does not open the diary."));
}

Unsealed unlockWithRecoveryKey(QByteArrayView bytes, const QString &recoveryKey)
{
    if (!sodiumReady())
        return failed(
                Unsealed::Damaged, SealedFileText::tr("the encryption library cannot start."));
    if (std::optional<Unsealed> fault = headerFault(bytes))
        return *fault;
    const QString key = recovery::normalized(recoveryKey);
    const QString wrong = SealedFileText::tr("This recovery key does not open the diary.");
    if (key.isEmpty())
        return failed(Unsealed::WrongKey,
                SealedFileText::tr(
                        "A recovery key is 25 letters and digits, in five groups of five."));
    LockedKey wrapKey;
    if (!recoveryWrapKey(wrapKey, key))
        return failed(
                Unsealed::Damaged, SealedFileText::tr("there is not enough memory to open it."));
    return unwrap(bytes, recoverySlotAt, wrapKey.bytes, wrong);
}

KeyPointer protect(
        const QString &passphrase, const QString &recoveryKey, const KeyDerivationLimits &limits)
{
    if (!sodiumReady())
        return nullptr;
    std::shared_ptr<DiaryKey> key = DiaryKey::generate();
    QByteArray salt(crypto_pwhash_SALTBYTES, Qt::Uninitialized);
    randombytes_buf(salt.data(), salt.size());
    LockedKey passKey, recoveryKeyBytes;
    if (!passphraseKey(passKey, passphrase, salt.constData(), limits)
            || !recoveryWrapKey(recoveryKeyBytes, recovery::normalized(recoveryKey)))
        return nullptr;
    const QByteArray head = headerStart(limits, salt);
    const QByteArrayView ad = QByteArrayView(head).first(slotAdBytes);
    key->setHeader(head + wrap(*key, passKey.bytes, ad) + wrap(*key, recoveryKeyBytes.bytes, ad));
    return key;
}

KeyPointer withNewPassphrase(
        const DiaryKey &key, const QString &passphrase, const KeyDerivationLimits &limits)
{
    if (!sodiumReady() || key.header().size() != headerBytes)
        return nullptr;
    QByteArray salt(crypto_pwhash_SALTBYTES, Qt::Uninitialized);
    randombytes_buf(salt.data(), salt.size());
    LockedKey passKey;
    if (!passphraseKey(passKey, passphrase, salt.constData(), limits))
        return nullptr;
    std::shared_ptr<DiaryKey> changed = DiaryKey::fromBytes(key.dataKey());
    const QByteArray head = headerStart(limits, salt);
    changed->setHeader(head + wrap(key, passKey.bytes, QByteArrayView(head).first(slotAdBytes))
            + key.header().sliced(recoverySlotAt, slotBytes));
    return changed;
}

QByteArray seal(QByteArrayView clear, const DiaryKey &key)
{
    const QByteArray &head = key.header();
    QByteArray sealed(head.size() + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES + clear.size()
                    + crypto_aead_xchacha20poly1305_ietf_ABYTES,
            Qt::Uninitialized);
    std::memcpy(sealed.data(), head.constData(), head.size());
    unsigned char *nonce = reinterpret_cast<unsigned char *>(sealed.data()) + head.size();
    randombytes_buf(nonce, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
    crypto_aead_xchacha20poly1305_ietf_encrypt(nonce + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES,
            nullptr, u(clear.data()), clear.size(), u(head.constData()), head.size(), nullptr,
            nonce, key.dataKey());
    return sealed;
}

Unsealed open(QByteArrayView bytes, const DiaryKey &key)
{
    if (std::optional<Unsealed> fault = headerFault(bytes))
        return *fault;
    const qsizetype cipherAt = bodyAt + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
    Unsealed result;
    result.clear.resize(bytes.size() - cipherAt - crypto_aead_xchacha20poly1305_ietf_ABYTES);
    unsigned long long length = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
                reinterpret_cast<unsigned char *>(result.clear.data()), &length, nullptr,
                u(bytes.data() + cipherAt), bytes.size() - cipherAt, u(bytes.data()), headerBytes,
                u(bytes.data() + bodyAt), key.dataKey())
            != 0) {
        // another data key, or a byte changed anywhere: the header is bound to the body, and a
        // header that wraps our data key opens it
        const bool ours = QByteArrayView(bytes).first(headerBytes) == QByteArrayView(key.header());
        return ours ? damaged()
                    : failed(Unsealed::WrongKey,
                            SealedFileText::tr(
                                    "it does not open with this diary's key: it was changed or "
                                    "damaged, or it is protected by another passphrase."));
    }
    result.failure = Unsealed::None;
    return result;
}

bool sameHeader(QByteArrayView bytes, const DiaryKey &key)
{
    return bytes.size() >= headerBytes && bytes.first(headerBytes) == QByteArrayView(key.header());
}

KeyDerivationLimits calibratedLimits(int targetMs)
{
    if (!sodiumReady())
        return { crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE };
    KeyDerivationLimits limits { 2, quint64(64) << 20 };
    const char salt[crypto_pwhash_SALTBYTES] = {};
    LockedKey out;
    // more memory first (what makes guessing costly on other hardware), then more passes
    for (;;) {
        QElapsedTimer timer;
        timer.start();
        if (!passphraseKey(out, QStringLiteral("calibration"), salt, limits))
            return { crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE,
                crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE };
        const qint64 ms = std::max<qint64>(1, timer.elapsed());
        if (ms * 4 < targetMs && limits.memLimit < (quint64(1) << 30)) {
            limits.memLimit *= 2;
            continue;
        }
        limits.opsLimit = std::clamp<quint64>(limits.opsLimit * targetMs / ms, 1, maxOps);
        return limits;
    }
}

void setLimitsForTest(const KeyDerivationLimits &limits)
{
    limitsForTest = limits;
}

KeyDerivationLimits limitsForNewKey()
{
    return limitsForTest ? *limitsForTest : calibratedLimits();
}

QByteArray sealText(const QString &text, const DiaryKey &key)
{
    const QByteArray clear = text.toUtf8();
    QByteArray sealed(crypto_aead_xchacha20poly1305_ietf_NPUBBYTES + clear.size()
                    + crypto_aead_xchacha20poly1305_ietf_ABYTES,
            Qt::Uninitialized);
    unsigned char *nonce = reinterpret_cast<unsigned char *>(sealed.data());
    randombytes_buf(nonce, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
    crypto_aead_xchacha20poly1305_ietf_encrypt(nonce + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES,
            nullptr, u(clear.constData()), clear.size(), nullptr, 0, nullptr, nonce,
            key.historyKey());
    return sealed;
}

QString openText(QByteArrayView sealed, const DiaryKey &key, bool *ok)
{
    constexpr qsizetype overhead = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES
            + crypto_aead_xchacha20poly1305_ietf_ABYTES;
    if (ok)
        *ok = false;
    if (sealed.size() < overhead)
        return {};
    QByteArray clear(sealed.size() - overhead, Qt::Uninitialized);
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char *>(clear.data()),
                nullptr, nullptr, u(sealed.data() + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES),
                sealed.size() - crypto_aead_xchacha20poly1305_ietf_NPUBBYTES, nullptr, 0,
                u(sealed.data()), key.historyKey())
            != 0)
        return {};
    if (ok)
        *ok = true;
    return QString::fromUtf8(clear);
}

qint64 keyedPrint(const QString &dayKey, const QString &text, const DiaryKey &key)
{
    crypto_generichash_state state;
    crypto_generichash_init(&state, key.printKey(), keyBytes, 16);
    const QByteArray day = dayKey.toUtf8(), body = text.toUtf8();
    crypto_generichash_update(&state, u(day.constData()), day.size());
    crypto_generichash_update(&state, u("\0"), 1);
    crypto_generichash_update(&state, u(body.constData()), body.size());
    unsigned char digest[16];
    crypto_generichash_final(&state, digest, sizeof digest);
    qint64 print = 0;
    std::memcpy(&print, digest, sizeof print);
    return print;
}

} // namespace penwick::privacy

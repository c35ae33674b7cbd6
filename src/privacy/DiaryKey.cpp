#include "DiaryKey.h"

#include <QStringList>
#include <cstring>
#include <new>
#include <sodium.h>

namespace penwick::privacy {

namespace {

constexpr char recoveryAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int recoveryLength = 25;
constexpr char historyContext[crypto_kdf_CONTEXTBYTES] = { 'P', 'W', 'K', 'H', 'I', 'S', 'T', '1' };

} // namespace

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

DiaryKey::DiaryKey()
{
    if (!sodiumReady())
        throw std::bad_alloc();
    m_secret = static_cast<unsigned char *>(sodium_malloc(3 * keyBytes));
    if (!m_secret)
        throw std::bad_alloc();
}

DiaryKey::~DiaryKey()
{
    sodium_free(m_secret); // wipes the keys before the memory goes
}

std::shared_ptr<DiaryKey> DiaryKey::generate()
{
    std::shared_ptr<DiaryKey> key(new DiaryKey);
    randombytes_buf(key->m_secret, keyBytes);
    crypto_kdf_derive_from_key(
            key->m_secret + keyBytes, keyBytes, 1, historyContext, key->m_secret);
    crypto_kdf_derive_from_key(
            key->m_secret + 2 * keyBytes, keyBytes, 2, historyContext, key->m_secret);
    return key;
}

std::shared_ptr<DiaryKey> DiaryKey::fromBytes(const unsigned char *dataKey)
{
    std::shared_ptr<DiaryKey> key(new DiaryKey);
    std::memcpy(key->m_secret, dataKey, keyBytes);
    crypto_kdf_derive_from_key(
            key->m_secret + keyBytes, keyBytes, 1, historyContext, key->m_secret);
    crypto_kdf_derive_from_key(
            key->m_secret + 2 * keyBytes, keyBytes, 2, historyContext, key->m_secret);
    return key;
}

namespace recovery {

QString generate()
{
    if (!sodiumReady())
        return {};
    QString key;
    for (int i = 0; i < recoveryLength; ++i)
        key += QLatin1Char(recoveryAlphabet[randombytes_uniform(32)]);
    return key;
}

QString normalized(const QString &typed)
{
    QString key;
    for (QChar c : typed) {
        c = c.toUpper();
        if (c.isSpace() || c == QLatin1Char('-'))
            continue;
        if (c == QLatin1Char('O'))
            c = QLatin1Char('0');
        else if (c == QLatin1Char('I') || c == QLatin1Char('L'))
            c = QLatin1Char('1');
        if (c.unicode() == 0 || c.unicode() > 127 || !std::strchr(recoveryAlphabet, c.toLatin1()))
            return {};
        key += c;
    }
    return key.size() == recoveryLength ? key : QString();
}

QString grouped(const QString &key)
{
    QStringList groups;
    for (qsizetype i = 0; i < key.size(); i += 5)
        groups << key.mid(i, 5);
    return groups.join(QLatin1Char('-'));
}

} // namespace recovery

} // namespace penwick::privacy

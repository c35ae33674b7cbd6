// The sealed file: a known answer, read both by Penwick and by the steps docs/protected-diary.md
// gives (libsodium's own calls, apart from Penwick's code); what is refused, and why; every
// flipped byte refused.
#include "TestEnvironment.h"
#include "privacy/LockRules.h"
#include "privacy/SealedFile.h"

#include <QtEndian>
#include <sodium.h>

using namespace penwick;
using namespace penwick::privacy;
using namespace penwick::test;

namespace {

// A deterministic source of randomness while the known answer is made, the system's otherwise.
bool deterministic = false;
quint8 counter = 0;
void fill(void *buffer, size_t size)
{
    if (!deterministic)
        return randombytes_sysrandom_implementation.buf(buffer, size);
    for (size_t i = 0; i < size; ++i)
        static_cast<quint8 *>(buffer)[i] = counter++;
}
uint32_t number()
{
    uint32_t n;
    fill(&n, sizeof n);
    return n;
}
randombytes_implementation counting
        = { [] { return "counting"; }, number, nullptr, nullptr, fill, nullptr };

const QString passphrase = QString::fromUtf8("Kaffee mit Milch, caf\u00e9");
const QByteArray diary = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n"
                         "<array>\n\t<dict>\n\t\t<key>date</key>\n\t\t<string>2026-03-05</string>\n"
                         "\t\t<key>text</key>\n\t\t<string>Rain all day.</string>\n\t</dict>\n"
                         "</array>\n</plist>\n";
const KeyDerivationLimits fast { 2, 64 * 1024 };

QByteArray fixture()
{
    return readAll(QFINDTESTDATA("protected-v1.sealed"));
}

// The steps of docs/protected-diary.md, with libsodium's calls only.
QByteArray openAsTheDocumentSays(const QByteArray &data, const QByteArray &secret, bool recovery)
{
    const auto *d = reinterpret_cast<const unsigned char *>(data.constData());
    if (!data.startsWith("PWSEALED") || qFromLittleEndian<quint16>(d + 8) != 1 || d[10] != 2)
        return {};
    unsigned char key[32], dataKey[32];
    if (recovery) {
        const QByteArray input = "penwick-recovery-key-v1:" + secret;
        crypto_generichash(key, 32, reinterpret_cast<const unsigned char *>(input.constData()),
                input.size(), nullptr, 0);
    } else if (crypto_pwhash(key, 32, secret.constData(), secret.size(), d + 28,
                       qFromLittleEndian<quint64>(d + 12), qFromLittleEndian<quint64>(d + 20),
                       crypto_pwhash_ALG_ARGON2ID13)
            != 0) {
        return {};
    }
    const int slot = recovery ? 116 : 44;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
                dataKey, nullptr, nullptr, d + slot + 24, 48, d, 10, d + slot, key)
            != 0)
        return {};
    QByteArray clear(data.size() - 212 - 16, '\0');
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char *>(clear.data()),
                nullptr, nullptr, d + 212, data.size() - 212, d, 188, d + 188, dataKey)
            != 0)
        return {};
    return clear;
}

} // namespace

class TestPrivacy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { randombytes_set_implementation(&counting); }

    void knownAnswer()
    {
        deterministic = true;
        counter = 0;
        const QString recoveryKey = recovery::generate();
        const KeyPointer key = protect(passphrase, recoveryKey, fast);
        const QByteArray sealed = seal(diary, *key);
        deterministic = false;
        if (qEnvironmentVariableIsSet("PENWICK_WRITE_FIXTURE"))
            QVERIFY(writeAll(qEnvironmentVariable("PENWICK_WRITE_FIXTURE"), sealed));
        QCOMPARE(recovery::grouped(recoveryKey), QStringLiteral("GMRW0-48CGM-RW048-CGMRW-048CG"));
        QCOMPARE(sealed, fixture());

        // Penwick opens it, the passphrase typed decomposed (e and a combining accent)
        const Unsealed unlocked = unlockWithPassphrase(
                fixture(), QString::fromUtf8("Kaffee mit Milch, cafe\u0301"));
        QVERIFY2(unlocked.ok(), qPrintable(unlocked.error));
        QCOMPARE(open(fixture(), *unlocked.key).clear, diary);
        QString typed = recovery::grouped(recoveryKey).toLower().replace('0', 'o');
        const Unsealed recovered = unlockWithRecoveryKey(fixture(), typed.replace('-', ' '));
        QVERIFY2(recovered.ok(), qPrintable(recovered.error));
        QCOMPARE(open(fixture(), *recovered.key).clear, diary);

        // so do the documented steps
        QCOMPARE(openAsTheDocumentSays(fixture(), passphrase.toUtf8(), false), diary);
        QCOMPARE(openAsTheDocumentSays(fixture(), recoveryKey.toLatin1(), true), diary);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("secret");
        QTest::addColumn<bool>("recoveryKey");
        QTest::addColumn<int>("failure");
        QByteArray newer = fixture(), heavy = fixture();
        qToLittleEndian<quint16>(2, newer.data() + 8);
        qToLittleEndian<quint64>(quint64(64) << 30, heavy.data() + 20);
        QTest::newRow("a wrong passphrase")
                << fixture() << "Kaffee mit Milch" << false << int(Unsealed::WrongKey);
        QTest::newRow("a wrong recovery key")
                << fixture() << "AAAAA-AAAAA-AAAAA-AAAAA-AAAAA" << true << int(Unsealed::WrongKey);
        QTest::newRow("a recovery key too short")
                << fixture() << "AAAAA-AAAAA" << true << int(Unsealed::WrongKey);
        QTest::newRow("a recovery key with a U")
                << fixture() << "UAAAA-AAAAA-AAAAA-AAAAA-AAAAA" << true << int(Unsealed::WrongKey);
        QTest::newRow("a newer format, never opened as empty")
                << newer << passphrase << false << int(Unsealed::NewerFormat);
        QTest::newRow("limits no Penwick writes")
                << heavy << passphrase << false << int(Unsealed::Damaged);
        QTest::newRow("cut short")
                << fixture().left(200) << passphrase << false << int(Unsealed::Damaged);
    }
    void refused()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, secret);
        QFETCH(bool, recoveryKey);
        QFETCH(int, failure);
        const Unsealed unlocked = recoveryKey ? unlockWithRecoveryKey(file, secret)
                                              : unlockWithPassphrase(file, secret);
        QCOMPARE(int(unlocked.failure), failure);
        QVERIFY(!unlocked.key);
        QVERIFY(!unlocked.error.isEmpty());
    }

    void everyFlippedByteIsRefused()
    {
        const KeyPointer key = unlockWithPassphrase(fixture(), passphrase).key;
        QVERIFY(key);
        for (qsizetype at = 0; at < fixture().size(); ++at) {
            QByteArray flipped = fixture();
            flipped[at] = char(flipped[at] ^ 0x10);
            QVERIFY2(!open(flipped, *key).ok(), qPrintable(QString::number(at)));
            if (at >= 28 && at < 188) // the salt and the slots: the passphrase opens no key
                QVERIFY2(!unlockWithPassphrase(flipped, passphrase).ok()
                                || !open(flipped, *unlockWithPassphrase(flipped, passphrase).key)
                                            .ok(),
                        qPrintable(QString::number(at)));
        }
    }

    void anotherPassphraseKeepsTheDataKey()
    {
        const KeyPointer key = unlockWithPassphrase(fixture(), passphrase).key;
        const KeyPointer changed = withNewPassphrase(*key, QStringLiteral("new words"), fast);
        const QByteArray sealed = seal(diary, *changed);
        QVERIFY(!unlockWithPassphrase(sealed, passphrase).ok());
        QCOMPARE(open(sealed, *unlockWithPassphrase(sealed, QStringLiteral("new words")).key).clear,
                diary);
        // the old key still opens it (the same data key), and so does the old recovery slot
        QCOMPARE(open(sealed, *key).clear, diary);
        QCOMPARE(sealText(QStringLiteral("x"), *key).size(), 24 + 1 + 16);
        QCOMPARE(
                openText(sealText(QStringLiteral("день"), *key), *changed), QStringLiteral("день"));
        QCOMPARE(keyedPrint("d", "t", *key), keyedPrint("d", "t", *changed));
        QVERIFY(keyedPrint("d", "t", *key) != keyedPrint("d", "u", *key));
    }

    void throttleWaitsLonger()
    {
        UnlockThrottle throttle;
        QList<int> waits;
        for (int i = 0; i < 10; ++i) {
            throttle.failed();
            waits << throttle.waitSeconds();
        }
        QCOMPARE(waits, (QList<int> { 0, 0, 2, 4, 8, 16, 32, 60, 60, 60 }));
        throttle.succeeded();
        QCOMPARE(throttle.waitSeconds(), 0);
    }
};

PENWICK_TEST_MAIN(TestPrivacy, QCoreApplication)
#include "tst_privacy.moc"

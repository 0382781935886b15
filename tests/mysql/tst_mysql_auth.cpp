// The answers of the login plugins: the SHA-256 scramble, the ed25519
// signature, the password prepared for the server's RSA key and the
// encryption itself. The expected values come from outside the library:
// tests/mysql/auth_answers.py (hashlib and the RFC 8032 reference
// arithmetic) and the test vectors of RFC 8032.
#include "FakeMysqlServer.h"
#include "uMysqlAuth.h"

#include <QTest>

using namespace mysql;

namespace {

template <size_t N>
QByteArray hexOf(const std::array<uint8_t, N>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(N)).toHex();
}

std::string std8(const QByteArray& bytes) {
    return bytes.toStdString();
}

const QByteArray kScramble("abcdefghijklmnopqrst");
const QByteArray kNonce("ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`");

} // namespace

class AuthTest : public QObject {
    Q_OBJECT

private slots:
    void sha256Scramble_data();
    void sha256Scramble();
    void ed25519Answer_data();
    void ed25519Answer();
    void xorWithScramble();
    void rsaOaepEncrypt_data();
    void rsaOaepEncrypt();
    void pluginNames_data();
    void pluginNames();
};

void AuthTest::sha256Scramble_data() {
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("p")
            << QByteArray("p")
            << QByteArray("fa54c48511635baf90f6c9405e78dc59a90729d855c854b886ebdb665efab77b");
    QTest::newRow("secret")
            << QByteArray("secret")
            << QByteArray("c76e2898612a4cf042c77fa8c4702c4c64c0c2c557c53c4d75595aaa6abae809");
    QTest::newRow("Cyrillic UTF-8")
            << QStringLiteral("пароль").toUtf8()
            << QByteArray("5716b3a474eed797b72216599a742e9722a0f5543cf66028f7455f96d52456ac");
    QTest::newRow("100 bytes, two blocks")
            << QByteArray(100, 'x')
            << QByteArray("5ca5994fc9925bf6d8b1a221501bdc976ae971b65fe3443332958858f016776b");
}

void AuthTest::sha256Scramble() {
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, answer);
    QCOMPARE(hexOf(Sha256Scramble(std8(kScramble), std8(password))), answer);
    // The scramble's zero byte, as a switch request carries it, is not part
    // of it.
    QCOMPARE(hexOf(Sha256Scramble(std8(kScramble + '\0'), std8(password))), answer);
}

void AuthTest::ed25519Answer_data() {
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("nonce");
    QTest::addColumn<QByteArray>("signature");
    // With a 32-byte password the answer is a plain RFC 8032 signature whose
    // secret key is the password: test 1 and test 2 of RFC 8032, 7.1.
    QTest::newRow("RFC 8032 test 1")
            << QByteArray::fromHex(
                       "9d61b19deffd5a60ba844af492ec2cc44449c5697b326919703bac031cae7f60")
            << QByteArray()
            << QByteArray("e5564300c360ac729086e2cc806e828a84877f1eb8e5d974d873e06522490155"
                          "5fb8821590a33bacc61e39701cf9b46bd25bf5f0595bbe24655141438e7a100b");
    QTest::newRow("RFC 8032 test 2")
            << QByteArray::fromHex(
                       "4ccd089b28ff96da9db6c346ec114e0f5b8a319f35aba624da8cf6ed4fb8a6fb")
            << QByteArray::fromHex("72")
            << QByteArray("92a009a9f0d4cab8720e820b5f642540a2b27b5416503f8fb3762223ebdb69da"
                          "085ac1e43e15996e458f3613d0f11d8c387b2eaeb4302aeeb00d291612bb0c00");
    QTest::newRow("secret, 32-byte nonce")
            << QByteArray("secret") << kNonce
            << QByteArray("822a0202f412c10cb79f6adb2d298f927a26e68e151f69d252b5da999c260532"
                          "7c78001d9042ff778535a5330683a0e35d5dba0e2a980cf511ee9a4a27532404");
    QTest::newRow("p")
            << QByteArray("p") << kNonce
            << QByteArray("b061da6a3ea7bf4264698a67488b65257f0e65050fbe484c9972815e2051d2cf"
                          "c8ba9ec54e8acf225ecf005dc60fb599ef047f88f211debae1e342bdf9f7ff00");
    QTest::newRow("empty password")
            << QByteArray() << kNonce
            << QByteArray("bc62dbe186abb2056938b7e521fb5112c7db2de56a6ace103ff40953b7b2f347"
                          "da3beeb07375186512ac3af1445d3471558cd15e20fbf6cf02a717f6aa39b20e");
}

void AuthTest::ed25519Answer() {
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, nonce);
    QFETCH(QByteArray, signature);
    QCOMPARE(hexOf(Ed25519Answer(std8(password), std8(nonce))), signature);
}

void AuthTest::xorWithScramble() {
    // The password's bytes and its zero byte, each XOR the scramble byte at
    // the same place, the scramble starting again after 20 bytes.
    const std::string out = XorWithScramble(std::string(21, 'A'), std8(kScramble));
    QByteArray expected;
    for (int i = 0; i < 22; ++i)
        expected.append(char((i < 21 ? 'A' : 0) ^ kScramble[i % 20]));
    QCOMPARE(QByteArray::fromStdString(out).toHex(), expected.toHex());
}

void AuthTest::rsaOaepEncrypt_data() {
    QTest::addColumn<QByteArray>("pem");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QString>("error");
    const QByteArray key = QByteArray::fromStdString(FakeMysqlServer::rsaPublicKeyPem());
    QTest::newRow("password and scramble")
            << key << QByteArray::fromStdString(XorWithScramble("secret", std8(kScramble)))
            << QString();
    // OAEP with SHA-1 leaves 2048 / 8 - 42 bytes for the message.
    QTest::newRow("longest message") << key << QByteArray(214, 'm') << QString();
    QTest::newRow("one byte too long")
            << key << QByteArray(215, 'm')
            << QStringLiteral("the password is too long for the server's public key");
    QTest::newRow("not a key") << QByteArray("-----BEGIN PUBLIC KEY-----\nAAAA\n")
                               << QByteArray("x")
                               << QStringLiteral("the server's public key cannot be read");
    QTest::newRow("an EC key")
            << QByteArray("-----BEGIN PUBLIC KEY-----\n"
                          "MFkwEwYHKoZIzj0CAQYIKoZIzj0DAQcDQgAEtFN7AeSJ6y7DN/YiWuenDKHnTvbo\n"
                          "asdPsI8oeQSkN1Md+T4QI/LfvIJZERcpqr7LNK4kZJ+6HGl6kFeaG49BRg==\n"
                          "-----END PUBLIC KEY-----\n")
            << QByteArray("x") << QStringLiteral("the server's public key cannot be read");
}

void AuthTest::rsaOaepEncrypt() {
    QFETCH(QByteArray, pem);
    QFETCH(QByteArray, plain);
    QFETCH(QString, error);
    std::string out, reason;
    const bool done = RsaOaepEncrypt(std8(pem), std8(plain), out, reason);
    QCOMPARE(QString::fromStdString(reason), error);
    QCOMPARE(done, error.isEmpty());
    if (!done)
        return;
    QCOMPARE(out.size(), size_t(256));
    QCOMPARE(QByteArray::fromStdString(FakeMysqlServer::rsaDecrypt(out)), plain);
}

void AuthTest::pluginNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    for (const char* name : {"mysql_native_password", "mysql_old_password", "client_ed25519",
                             "caching_sha2_password", "sha256_password"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    QTest::newRow("clear text is not offered") << QStringLiteral("mysql_clear_password") << false;
    QTest::newRow("unknown") << QStringLiteral("auth_gssapi_client") << false;
    QTest::newRow("case matters") << QStringLiteral("MYSQL_NATIVE_PASSWORD") << false;
}

void AuthTest::pluginNames() {
    QFETCH(QString, name);
    QFETCH(bool, known);
    const auto plugin = TMysqlAuthPlugin::Create(name.toStdString(), "p", true);
    QCOMPARE(plugin != nullptr, known);
    if (plugin)
        QCOMPARE(QString::fromLatin1(plugin->Name()), name);
}

QTEST_APPLESS_MAIN(AuthTest)
#include "tst_mysql_auth.moc"

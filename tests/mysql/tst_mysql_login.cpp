// Login with authentication plugins and TLS against the scripted fake
// server, for what the test server cannot show: MySQL 8's caching_sha2_password
// and sha256_password (fast path, full path over TLS, full path with the
// server's RSA key), a switch to each plugin, unknown plugins, broken rounds,
// and servers that offer no TLS or break the handshake off.
//
// The expected answers were computed outside the library: the SHA-256 and
// ed25519 answers by tests/mysql/auth_answers.py (hashlib, RFC 8032
// arithmetic); what the fake server decrypts with its private key is the
// password and its zero byte XOR the scramble, "p\0" XOR "ab" = 11 62; the
// pre-4.1 answer of "old-secret" to "abcdefgh" is the known "]AKJREIB".
#include "FakeMysqlServer.h"
#include "uMysqlClient.h"
#include "uMysqlNewPassword.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <openssl/evp.h>
#include <openssl/pem.h>

using namespace mysql;
using Fake = FakeMysqlServer;

namespace {

const std::string kScramble = "abcdefghijklmnopqrst";
const std::string kNewScramble = "ABCDEFGHIJKLMNOPQRST";
// A 32-byte nonce of an ed25519 switch request.
const std::string kNonce = "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`";
// Sha256Scramble(kScramble, "p"), from auth_answers.py.
const std::string kSha256OfP = QByteArray::fromHex("fa54c48511635baf90f6c9405e78dc59"
                                                   "a90729d855c854b886ebdb665efab77b")
                                       .toStdString();
// Ed25519Answer("secret", kNonce), from auth_answers.py.
const std::string kEd25519OfSecret =
        QByteArray::fromHex("822a0202f412c10cb79f6adb2d298f927a26e68e151f69d252b5da999c260532"
                            "7c78001d9042ff778535a5330683a0e35d5dba0e2a980cf511ee9a4a27532404")
                .toStdString();
// "p\0" XOR "ab".
const std::string kRsaPlainOfP = "\x11"
                                 "b";

constexpr uint32_t kPluginFlags = 0xE205 | CLIENT_PLUGIN_AUTH;
constexpr uint16_t kUpperPluginAuth = CLIENT_PLUGIN_AUTH >> 16;
constexpr uint16_t kUpperLengthCoded = CLIENT_PLUGIN_AUTH_LENENC_CLIENT_DATA >> 16;
constexpr uint16_t kOffersTls = 0xF7FF | CLIENT_SSL;

const auto le = &littleEndian;

std::string bytesOf(const TScrambleAnswer& a) {
    return std::string(reinterpret_cast<const char*>(a.data()), a.size());
}

std::string head41(uint32_t flags) {
    return le(flags, 4) + le(0x01000000, 4) + char(33) + std::string(23, '\0');
}

// A login packet of user "u" with a plugin's answer (one length byte).
std::string pluginLogin(uint32_t flags, const std::string& answer, const std::string& plugin) {
    return head41(flags) + "u" + '\0' + char(answer.size()) + answer + plugin + '\0';
}

std::string switchTo(const std::string& plugin, const std::string& challenge) {
    return "\xFE" + plugin + '\0' + challenge;
}

std::string moreData(const std::string& data) {
    return "\x01" + data;
}

// One turn of the login after the greeting.
struct Turn {
    enum Who {
        Server,    // the server sends bytes
        Client,    // the client must send bytes
        Encrypted, // the client must send what decrypts to bytes with the server's key
        Tls,       // the server shakes hands for TLS
    } who;
    std::string bytes;
};
using Script = std::vector<Turn>;

Turn server(const std::string& bytes) {
    return {Turn::Server, bytes};
}
Turn client(const std::string& bytes) {
    return {Turn::Client, bytes};
}

QByteArray q(const std::string& s) {
    return QByteArray::fromStdString(s);
}

// A file holding pem, for the options that pin the server's key.
std::string pinnedKeyFile(const std::string& pem) {
    static QTemporaryDir dir;
    static int files = 0;
    const QString path = dir.filePath(QStringLiteral("key-%1.pem").arg(++files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(q(pem)) != qint64(pem.size()))
        qFatal("cannot write %s", qPrintable(path));
    return path.toStdString();
}

// The public half of an RSA key that is not the fake server's.
std::string otherPublicKeyPem() {
    EVP_PKEY* key = EVP_RSA_gen(2048);
    BIO* bio = BIO_new(BIO_s_mem());
    PEM_write_bio_PUBKEY(bio, key);
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    std::string pem(data, size_t(size));
    BIO_free(bio);
    EVP_PKEY_free(key);
    return pem;
}

// Plays the turns on the fake server: its packets numbered on from the
// greeting, the client's read.
void play(Fake& fake, const Fake::Greeting& g, const Script& script) {
    fake.writePacket(0, Fake::greeting(g));
    uint8_t sequence = 1;
    for (const Turn& turn : script) {
        if (turn.who == Turn::Server)
            fake.writePacket(sequence++, turn.bytes);
        else if (turn.who == Turn::Tls)
            fake.startTls();
        else {
            fake.readPacket();
            ++sequence;
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Script)
Q_DECLARE_METATYPE(TTlsMode)
Q_DECLARE_METATYPE(TTlsFailure)
Q_DECLARE_METATYPE(TAuthOptions)
Q_DECLARE_METATYPE(TAuthRefusal)

class LoginTest : public QObject {
    Q_OBJECT

private slots:
    void pluginRounds_data();
    void pluginRounds();
    void passwordWithheld_data();
    void passwordWithheld();
    void verifyCaWithoutCaFileIsRefused();
    void oldTlsServerIsNamed();
    void unknownPlugin();
    void brokenRounds_data();
    void brokenRounds();
    void tlsRefused_data();
    void tlsRefused();
    void bytesBeforeTlsAreRefused();
    void tlsWaitsEndWithinTheirLimit_data();
    void tlsWaitsEndWithinTheirLimit();
    void modeOffNeverAsksForTls();
};

void LoginTest::pluginRounds_data() {
    QTest::addColumn<QString>("greetingPlugin");
    QTest::addColumn<bool>("tls");
    QTest::addColumn<int>("upper");
    QTest::addColumn<std::string>("password");
    QTest::addColumn<Script>("script");
    QTest::addColumn<TAuthOptions>("options");

    const std::string pem = Fake::rsaPublicKeyPem();
    TAuthOptions serverKeyAllowed;
    serverKeyAllowed.AllowServerPublicKey = true;
    TAuthOptions keyPinned;
    keyPinned.ServerPublicKeyFile = pinnedKeyFile(pem);
    TAuthOptions oldAllowed;
    oldAllowed.AllowOldPasswords = true;
    const std::string caching = "caching_sha2_password";
    const std::string sha256 = "sha256_password";
    const std::string native = "mysql_native_password";
    const uint32_t tlsFlags = kPluginFlags | CLIENT_SSL;
    const std::string tlsRequest = head41(tlsFlags);
    const std::string nativeLogin =
            pluginLogin(kPluginFlags, bytesOf(SecureScramble(kScramble, "p")), native);

    QTest::newRow("caching_sha2: fast path")
            << QString::fromStdString(caching) << false << int(kUpperPluginAuth) << std::string("p")
            << Script{client(pluginLogin(kPluginFlags, kSha256OfP, caching)),
                      server(moreData("\x03")), server(Fake::ok())}
            << TAuthOptions();
    QTest::newRow("caching_sha2: empty password")
            << QString::fromStdString(caching) << false << int(kUpperPluginAuth) << std::string()
            << Script{client(pluginLogin(kPluginFlags, "", caching)), server(Fake::ok())}
            << TAuthOptions();
    QTest::newRow("caching_sha2: full path, the server's key allowed")
            << QString::fromStdString(caching) << false << int(kUpperPluginAuth) << std::string("p")
            << Script{client(pluginLogin(kPluginFlags, kSha256OfP, caching)),
                      server(moreData("\x04")),
                      client("\x02"),
                      server(moreData(pem)),
                      {Turn::Encrypted, kRsaPlainOfP},
                      server(Fake::ok())}
            << serverKeyAllowed;
    // The key is asked for and compared; the password goes to the pinned key.
    QTest::newRow("caching_sha2: full path, the key pinned")
            << QString::fromStdString(caching) << false << int(kUpperPluginAuth) << std::string("p")
            << Script{client(pluginLogin(kPluginFlags, kSha256OfP, caching)),
                      server(moreData("\x04")),
                      client("\x02"),
                      server(moreData(pem)),
                      {Turn::Encrypted, kRsaPlainOfP},
                      server(Fake::ok())}
            << keyPinned;
    QTest::newRow("caching_sha2: full path over TLS")
            << QString::fromStdString(caching) << true << int(kUpperPluginAuth) << std::string("p")
            << Script{client(tlsRequest),
                      {Turn::Tls, {}},
                      client(pluginLogin(tlsFlags, kSha256OfP, caching)),
                      server(moreData("\x04")),
                      client(std::string("p\0", 2)),
                      server(Fake::ok())}
            << TAuthOptions();
    QTest::newRow("sha256_password: the key pinned")
            << QString::fromStdString(sha256) << false << int(kUpperPluginAuth) << std::string("p")
            << Script{client(pluginLogin(kPluginFlags, "\x01", sha256)),
                      server(moreData(pem)),
                      {Turn::Encrypted, kRsaPlainOfP},
                      server(Fake::ok())}
            << keyPinned;
    QTest::newRow("sha256_password over TLS")
            << QString::fromStdString(sha256) << true << int(kUpperPluginAuth) << std::string("p")
            << Script{client(tlsRequest),
                      {Turn::Tls, {}},
                      client(pluginLogin(tlsFlags, std::string("p\0", 2), sha256)),
                      server(Fake::ok())}
            << TAuthOptions();
    const std::string longPassword(300, 'x');
    const uint32_t codedFlags = tlsFlags | CLIENT_PLUGIN_AUTH_LENENC_CLIENT_DATA;
    QTest::newRow("sha256_password over TLS, a length-coded answer")
            << QString::fromStdString(sha256) << true << int(kUpperPluginAuth | kUpperLengthCoded)
            << longPassword
            << Script{client(head41(codedFlags)),
                      {Turn::Tls, {}},
                      client(head41(codedFlags) + "u" + '\0' + "\xFC" + le(301, 2) + longPassword +
                             '\0' + sha256 + '\0'),
                      server(Fake::ok())}
            << TAuthOptions();

    QTest::newRow("switch to mysql_native_password")
            << QString::fromStdString(caching) << false << int(kUpperPluginAuth) << std::string("p")
            << Script{client(pluginLogin(kPluginFlags, kSha256OfP, caching)),
                      server(switchTo(native, kNewScramble + '\0')),
                      client(bytesOf(SecureScramble(kNewScramble, "p"))), server(Fake::ok())}
            << TAuthOptions();
    QTest::newRow("switch to mysql_old_password")
            << QString::fromStdString(native) << false << int(kUpperPluginAuth)
            << std::string("old-secret")
            << Script{client(pluginLogin(kPluginFlags,
                                         bytesOf(SecureScramble(kScramble, "old-secret")), native)),
                      server(switchTo("mysql_old_password", kScramble + '\0')),
                      client(std::string("]AKJREIB\0", 9)), server(Fake::ok())}
            << oldAllowed;
    QTest::newRow("switch to client_ed25519")
            << QString::fromStdString(native) << false << int(kUpperPluginAuth)
            << std::string("secret")
            << Script{client(pluginLogin(kPluginFlags, bytesOf(SecureScramble(kScramble, "secret")),
                                         native)),
                      server(switchTo("client_ed25519", kNonce)), client(kEd25519OfSecret),
                      server(Fake::ok())}
            << TAuthOptions();
    QTest::newRow("switch to caching_sha2_password")
            << QString::fromStdString(native) << false << int(kUpperPluginAuth) << std::string("p")
            << Script{client(nativeLogin), server(switchTo(caching, kScramble + '\0')),
                      client(kSha256OfP), server(moreData("\x03")), server(Fake::ok())}
            << TAuthOptions();
    QTest::newRow("switch to sha256_password")
            << QString::fromStdString(native) << false << int(kUpperPluginAuth) << std::string("p")
            << Script{client(nativeLogin),
                      server(switchTo(sha256, kScramble + '\0')),
                      client("\x01"),
                      server(moreData(pem)),
                      {Turn::Encrypted, kRsaPlainOfP},
                      server(Fake::ok())}
            << serverKeyAllowed;
    // The greeting names a plugin this library does not have: the 4.1
    // answer goes first, as the native plugin.
    QTest::newRow("greeting names an unknown plugin")
            << QStringLiteral("auth_gssapi_client") << false << int(kUpperPluginAuth)
            << std::string("p") << Script{client(nativeLogin), server(Fake::ok())}
            << TAuthOptions();
    QTest::newRow("single-byte switch to the pre-4.1 answer")
            << QString::fromStdString(native) << false << int(kUpperPluginAuth)
            << std::string("old-secret")
            << Script{client(pluginLogin(kPluginFlags,
                                         bytesOf(SecureScramble(kScramble, "old-secret")), native)),
                      server("\xFE"), client(std::string("]AKJREIB\0", 9)), server(Fake::ok())}
            << oldAllowed;
}

void LoginTest::pluginRounds() {
    QFETCH(QString, greetingPlugin);
    QFETCH(bool, tls);
    QFETCH(int, upper);
    QFETCH(std::string, password);
    QFETCH(Script, script);
    QFETCH(TAuthOptions, options);
    Fake::Greeting g;
    g.plugin = greetingPlugin.toStdString();
    g.upperCapabilities = uint16_t(upper);
    if (tls)
        g.capabilities = kOffersTls;
    Fake fake;
    play(fake, g, script);
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, password);
    client.SetAuthOptions(options);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QCOMPARE(client.Encrypted(), tls);
    QVERIFY2(fake.finish(), fake.error().c_str());

    std::vector<Turn> expected;
    for (const Turn& turn : script) {
        if (turn.who == Turn::Client || turn.who == Turn::Encrypted)
            expected.push_back(turn);
    }
    QCOMPARE(fake.received().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const std::string& got = fake.received()[i];
        if (expected[i].who == Turn::Encrypted) {
            QCOMPARE(got.size(), size_t(256));
            QCOMPARE(q(Fake::rsaDecrypt(got)).toHex(), q(expected[i].bytes).toHex());
        } else {
            QCOMPARE(q(got).toHex(' '), q(expected[i].bytes).toHex(' '));
        }
    }
    // Each packet numbered on from the one before.
    for (size_t i = 1; i < fake.receivedSequences().size(); ++i)
        QVERIFY(fake.receivedSequences()[i] > fake.receivedSequences()[i - 1]);
}

void LoginTest::passwordWithheld_data() {
    QTest::addColumn<QString>("greetingPlugin");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("secureConnection");
    QTest::addColumn<Script>("script");
    QTest::addColumn<TAuthOptions>("options");
    QTest::addColumn<TAuthRefusal>("refusal");
    QTest::addColumn<QString>("text");
    const std::string pem = Fake::rsaPublicKeyPem();
    const std::string caching = "caching_sha2_password";
    const std::string sha256 = "sha256_password";
    const std::string native = "mysql_native_password";
    const QString modern = QStringLiteral("8.0.36");
    const QString refusedKey = QStringLiteral(
            "Authentication plugin '%1' reported error: no TLS, and the password would go to a "
            "key the server sends: set ServerPublicKey or AllowServerPublicKey, or use TLS");
    const QString refusedOld = QStringLiteral(
            "Authentication plugin 'mysql_old_password' reported error: the server asks for the "
            "pre-4.1 password scramble, which is unsalted and can be broken; allow it with "
            "OldPasswords");
    const std::string nativeLogin =
            pluginLogin(kPluginFlags, bytesOf(SecureScramble(kScramble, "p")), native);

    // A server without TLS that wants the full path and hands out its own
    // key unasked.
    QTest::newRow("caching_sha2 full path, no key to trust")
            << QString::fromStdString(caching) << modern << true
            << Script{client(pluginLogin(kPluginFlags, kSha256OfP, caching)),
                      server(moreData("\x04")), server(moreData(pem))}
            << TAuthOptions() << TAuthRefusal::ServerKey << refusedKey.arg(caching.c_str());
    QTest::newRow("sha256_password in the greeting, no key to trust")
            << QString::fromStdString(sha256) << modern << true << Script{} << TAuthOptions()
            << TAuthRefusal::ServerKey << refusedKey.arg(sha256.c_str());
    QTest::newRow("switch to sha256_password, no key to trust")
            << QString::fromStdString(native) << modern << true
            << Script{client(nativeLogin), server(switchTo(sha256, kScramble + '\0')),
                      server(moreData(pem))}
            << TAuthOptions() << TAuthRefusal::ServerKey << refusedKey.arg(sha256.c_str());
    TAuthOptions otherKey;
    otherKey.ServerPublicKeyFile = pinnedKeyFile(otherPublicKeyPem());
    QTest::newRow("the server's key is not the pinned one")
            << QString::fromStdString(caching) << modern << true
            << Script{client(pluginLogin(kPluginFlags, kSha256OfP, caching)),
                      server(moreData("\x04")), client("\x02"), server(moreData(pem))}
            << otherKey << TAuthRefusal::ServerKey
            << QStringLiteral("Authentication plugin 'caching_sha2_password' reported error: "
                              "the server's public key is not the one in '%1'")
                       .arg(QString::fromStdString(otherKey.ServerPublicKeyFile));
    TAuthOptions missingKey;
    missingKey.ServerPublicKeyFile = "/nonexistent/server-key.pem";
    QTest::newRow("the pinned key file cannot be read")
            << QString::fromStdString(caching) << modern << true
            << Script{client(pluginLogin(kPluginFlags, kSha256OfP, caching)),
                      server(moreData("\x04")), client("\x02"), server(moreData(pem))}
            << missingKey << TAuthRefusal::ServerKey
            << QStringLiteral("Authentication plugin 'caching_sha2_password' reported error: "
                              "cannot read the server's public key file "
                              "'/nonexistent/server-key.pem'");
    // A server of 4.1 or later asks for the pre-4.1 scramble.
    QTest::newRow("switch to mysql_old_password")
            << QString::fromStdString(native) << modern << true
            << Script{client(nativeLogin), server(switchTo("mysql_old_password", kScramble + '\0'))}
            << TAuthOptions() << TAuthRefusal::OldScramble << refusedOld;
    QTest::newRow("the single-byte switch")
            << QString::fromStdString(native) << modern << true
            << Script{client(nativeLogin), server("\xFE")} << TAuthOptions()
            << TAuthRefusal::OldScramble << refusedOld;
    QTest::newRow("the greeting names mysql_old_password")
            << QStringLiteral("mysql_old_password") << modern << true
            << Script{client(nativeLogin), server(switchTo("mysql_old_password", kScramble + '\0'))}
            << TAuthOptions() << TAuthRefusal::OldScramble << refusedOld;
    QTest::newRow("a 5.x greeting without the 4.1 answer")
            << QString() << QStringLiteral("5.7.44") << false << Script{} << TAuthOptions()
            << TAuthRefusal::OldScramble << refusedOld;
}

void LoginTest::passwordWithheld() {
    QFETCH(QString, greetingPlugin);
    QFETCH(QString, version);
    QFETCH(bool, secureConnection);
    QFETCH(Script, script);
    QFETCH(TAuthOptions, options);
    QFETCH(TAuthRefusal, refusal);
    QFETCH(QString, text);
    Fake::Greeting g;
    g.version = version.toStdString();
    if (!greetingPlugin.isEmpty()) {
        g.plugin = greetingPlugin.toStdString();
        g.upperCapabilities = kUpperPluginAuth;
    }
    if (!secureConnection)
        g.capabilities &= uint16_t(~CLIENT_SECURE_CONNECTION);
    Fake fake;
    play(fake, g, script);
    fake.stall(3000);
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, "p");
    client.SetAuthOptions(options);
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), 2061);
    QCOMPARE(QString::fromStdString(client.ErrorText()), text);
    QCOMPARE(client.AuthRefusal(), refusal);
    QVERIFY(!client.Connected());
    fake.finish();
    QVERIFY(!fake.stallRanOut());
    // The client sent what the script expects and then nothing: no answer
    // made of the password, no password encrypted to any key.
    std::vector<std::string> expected;
    for (const Turn& turn : script) {
        if (turn.who == Turn::Client)
            expected.push_back(turn.bytes);
    }
    QCOMPARE(fake.received().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(q(fake.received()[i]).toHex(' '), q(expected[i]).toHex(' '));
    QCOMPARE(fake.bytesDuringStall(), size_t(0));
}

void LoginTest::verifyCaWithoutCaFileIsRefused() {
    // Refused before any connection is tried: nothing listens on the port,
    // which would otherwise give 2003.
    TMysqlClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(1);
    client.SetUser("u");
    client.SetPassword("p");
    client.SetReconnect(false);
    client.SetTlsOptions({TTlsMode::VerifyCa, {}});
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), 2026);
    QCOMPARE(client.ErrorText(), std::string("SSL connection error: verify-ca needs a CA file "
                                             "(CAFile), and none is set"));
    QCOMPARE(client.TlsFailure(), TTlsFailure::NoCaFile);
    // verify-identity may use the system's authorities, since it checks the
    // name: it goes as far as the connection.
    client.SetTlsOptions({TTlsMode::VerifyIdentity, {}});
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), 2003);
}

void LoginTest::oldTlsServerIsNamed() {
    // A server that speaks TLS 1.1 at most, under the default mode.
    Fake::Greeting g;
    g.capabilities = kOffersTls;
    Fake fake;
    fake.writePacket(0, Fake::greeting(g)).readPacket().startTls(Fake::TlsVersions::UpTo11);
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, "p");
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), 2026);
    QCOMPARE(client.TlsFailure(), TTlsFailure::OldProtocol);
    QVERIFY2(client.ErrorText().find("the server speaks only TLS versions older than 1.2") !=
                     std::string::npos,
             client.ErrorText().c_str());
    QVERIFY(!client.Connected());
    fake.finish();
    // Only the request for TLS went out: no login in clear after it.
    QCOMPARE(fake.received().size(), size_t(1));
}

void LoginTest::unknownPlugin() {
    Fake::Greeting g;
    g.upperCapabilities = kUpperPluginAuth;
    Fake fake;
    play(fake, g,
         {client({}), server(switchTo("auth_gssapi_client", "principal")), server(Fake::ok())});
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, "p");
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), 2059);
    QCOMPARE(client.ErrorText(),
             std::string("Authentication plugin 'auth_gssapi_client' cannot be loaded"));
    QVERIFY(!client.Connected());
    fake.finish();
    // Nothing was answered to the switch.
    QCOMPARE(fake.received().size(), size_t(1));
}

void LoginTest::brokenRounds_data() {
    QTest::addColumn<Script>("script");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    const QString lost = QStringLiteral("Lost connection to MySQL server during query");
    const std::string caching = "caching_sha2_password";
    QTest::newRow("a second switch")
            << Script{client({}), server(switchTo(caching, kScramble + '\0')), client({}),
                      server(switchTo(caching, kScramble + '\0'))}
            << 2013 << lost;
    QTest::newRow("more data the plugin does not expect")
            << Script{client({}), server(switchTo(caching, kScramble + '\0')), client({}),
                      server(moreData("\x07"))}
            << 2013 << lost;
    QTest::newRow("more data to the native plugin")
            << Script{client({}), server(moreData("\x03"))} << 2013 << lost;
    QTest::newRow("a reply that is no verdict")
            << Script{client({}), server("\x05")} << 2013 << lost;
    QTest::newRow("a public key that is none")
            << Script{client({}), server(switchTo(caching, kScramble + '\0')),
                      client({}), server(moreData("\x04")),
                      client({}), server(moreData("not a key"))}
            << 2061
            << QStringLiteral("Authentication plugin 'caching_sha2_password' reported error: the "
                              "server's public key cannot be read");
    QTest::newRow("the password refused after the switch")
            << Script{client({}), server(switchTo("client_ed25519", kNonce)), client({}),
                      server(Fake::error41(1045, "28000", "Access denied for user 'u'"))}
            << 1045 << QStringLiteral("Access denied for user 'u'");
    Script endless{client({})};
    for (int i = 0; i < 10; ++i) {
        endless.push_back(server("\xFE"));
        endless.push_back(client({}));
    }
    QTest::newRow("rounds without end") << endless << 2013 << lost;
}

void LoginTest::brokenRounds() {
    QFETCH(Script, script);
    QFETCH(int, error);
    QFETCH(QString, text);
    Fake::Greeting g;
    g.upperCapabilities = kUpperPluginAuth;
    Fake fake;
    play(fake, g, script);
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, "p");
    // The rounds break whatever the login is allowed to answer.
    TAuthOptions options;
    options.AllowServerPublicKey = true;
    options.AllowOldPasswords = true;
    client.SetAuthOptions(options);
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), error);
    QCOMPARE(QString::fromStdString(client.ErrorText()), text);
    QVERIFY(!client.Connected());
    fake.finish();
}

void LoginTest::tlsRefused_data() {
    QTest::addColumn<bool>("offered");
    QTest::addColumn<TTlsMode>("mode");
    QTest::addColumn<QString>("caFile");
    QTest::addColumn<TTlsFailure>("failure");
    QTest::addColumn<QString>("text");
    QTest::newRow("required, the server offers none")
            << false << TTlsMode::Required << QString() << TTlsFailure::NotOffered
            << QStringLiteral("SSL connection error: TLS is required, but the server does not "
                              "offer it");
    QTest::newRow("verify the certificate, the server offers none")
            << false << TTlsMode::VerifyIdentity << QString() << TTlsFailure::NotOffered
            << QStringLiteral("SSL connection error: TLS is required, but the server does not "
                              "offer it");
    QTest::newRow("the CA file cannot be read")
            << true << TTlsMode::VerifyCa << QStringLiteral("/nonexistent/ca.pem")
            << TTlsFailure::CaFile
            << QStringLiteral(
                       "SSL connection error: cannot read the CA file '/nonexistent/ca.pem'");
    QTest::newRow("a self-signed certificate")
            << true << TTlsMode::VerifyIdentity << QString() << TTlsFailure::Certificate
            << QStringLiteral("SSL connection error: self-signed certificate");
    QTest::newRow("the server breaks the handshake off")
            << true << TTlsMode::Required << QString() << TTlsFailure::Handshake
            << QStringLiteral("SSL connection error: the server closed the connection");
}

void LoginTest::tlsRefused() {
    QFETCH(bool, offered);
    QFETCH(TTlsMode, mode);
    QFETCH(QString, caFile);
    QFETCH(TTlsFailure, failure);
    QFETCH(QString, text);
    Fake::Greeting g;
    if (offered)
        g.capabilities = kOffersTls;
    Fake fake;
    fake.writePacket(0, Fake::greeting(g));
    if (failure == TTlsFailure::Certificate)
        fake.readPacket().startTls();
    else if (failure == TTlsFailure::Handshake)
        fake.readPacket().close();
    else
        fake.stall(3000);
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, "p");
    client.SetTlsOptions({mode, caFile.toStdString()});
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), 2026);
    QCOMPARE(QString::fromStdString(client.ErrorText()), text);
    QCOMPARE(client.TlsFailure(), failure);
    QVERIFY(!client.Connected());
    fake.finish();
    QVERIFY(!fake.stallRanOut());
    // Nothing but the request for TLS left the client: no login in clear.
    QCOMPARE(fake.received().size(), size_t(offered && failure != TTlsFailure::CaFile ? 1 : 0));
    for (const std::string& packet : fake.received())
        QCOMPARE(packet.size(), size_t(32));
    if (offered && failure == TTlsFailure::CaFile)
        QCOMPARE(fake.bytesDuringStall(), size_t(36));
}

void LoginTest::bytesBeforeTlsAreRefused() {
    // Bytes that follow the greeting before the client has asked for TLS
    // would be read as if they had come encrypted.
    Fake::Greeting g;
    g.capabilities = kOffersTls;
    Fake fake;
    fake.write(Fake::packet(0, Fake::greeting(g)) + Fake::packet(2, Fake::ok())).stall(3000);
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, "p");
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), 2013);
    QVERIFY(!client.Connected());
    fake.finish();
    QVERIFY(!fake.stallRanOut());
    QCOMPARE(fake.bytesDuringStall(), size_t(0));
}

void LoginTest::tlsWaitsEndWithinTheirLimit_data() {
    QTest::addColumn<bool>("duringHandshake");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    // The connect's limit of one second ends a handshake the server never
    // answers; the read limit of one second a reply that never comes.
    QTest::newRow("silent during the handshake")
            << true << 2026
            << QStringLiteral("SSL connection error: the server did not answer in time");
    QTest::newRow("silent after a statement")
            << false << 2013 << QStringLiteral("Lost connection to MySQL server during query");
}

void LoginTest::tlsWaitsEndWithinTheirLimit() {
    QFETCH(bool, duringHandshake);
    QFETCH(int, error);
    QFETCH(QString, text);
    Fake::Greeting g;
    g.capabilities = kOffersTls;
    Fake fake;
    fake.writePacket(0, Fake::greeting(g)).readPacket();
    if (!duringHandshake)
        fake.startTls().readPacket().writePacket(3, Fake::ok()).readPacket();
    fake.stall();
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, "p");
    client.SetConnectTimeout(duringHandshake ? 1 : 5);
    client.SetReadTimeout(duringHandshake ? 600 : 1);
    QElapsedTimer timer;
    timer.start();
    if (duringHandshake) {
        QVERIFY(!client.Connect());
        QCOMPARE(client.TlsFailure(), TTlsFailure::Handshake);
    } else {
        QVERIFY2(client.Connect(), client.ErrorText().c_str());
        QVERIFY(client.Encrypted());
        timer.restart();
        bool success = true;
        QVERIFY(!client.Query("DELETE FROM t", true, success));
        QVERIFY(!success);
    }
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(client.ErrorCode(), error);
    QCOMPARE(QString::fromStdString(client.ErrorText()), text);
    QVERIFY(!client.Connected());
    QVERIFY2(elapsed >= 900 && elapsed < 5000, qPrintable(QString::number(elapsed)));
    QVERIFY2(fake.finish(), fake.error().c_str());
    QVERIFY2(!fake.stallRanOut(), "the client waited for the server's watchdog");
}

void LoginTest::modeOffNeverAsksForTls() {
    // The server offers TLS and names plugins: with the mode off the login
    // goes in clear text, without the TLS flag.
    Fake::Greeting g;
    g.capabilities = kOffersTls;
    g.upperCapabilities = kUpperPluginAuth;
    Fake fake;
    play(fake, g,
         {client(pluginLogin(kPluginFlags, bytesOf(SecureScramble(kScramble, "p")),
                             "mysql_native_password")),
          server(Fake::ok())});
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, "p");
    client.SetTlsOptions({TTlsMode::Off, {}});
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QVERIFY(!client.Encrypted());
    QCOMPARE(client.TlsVersion(), std::string());
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(fake.received().size(), size_t(1));
    QCOMPARE(q(fake.received().at(0)).toHex(' '),
             q(pluginLogin(kPluginFlags, bytesOf(SecureScramble(kScramble, "p")),
                           "mysql_native_password"))
                     .toHex(' '));
}

QTEST_APPLESS_MAIN(LoginTest)
#include "tst_mysql_login.moc"

// The protocol against a scripted fake server, for what a real server will
// not do: login packet layouts, old and odd greetings, the 4.1.0 challenge,
// broken replies, compressed blocks carrying several packets, local files,
// servers that fall silent and connections dropped at every turn.
#include "FakeMysqlServer.h"
#include "uMysqlClient.h"
#include "uMysqlNewPassword.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <sys/socket.h>
#include <unistd.h>

using namespace mysql;
using Fake = FakeMysqlServer;

namespace {

const std::string kScramble = "abcdefghijklmnopqrst";

const auto le = &littleEndian;

std::string bytesOf(const TScrambleAnswer& a) {
    return std::string(reinterpret_cast<const char*>(a.data()), a.size());
}

// Greeting, login and its OK.
void scriptLogin(Fake& fake, const Fake::Greeting& g = {}) {
    fake.writePacket(0, Fake::greeting(g)).readPacket().writePacket(2, Fake::ok());
}

const std::string kLost = "Lost connection to MySQL server during query";

// How a server falls silent (waitsEndWithinTheirLimit).
enum class Silence { AfterOneGreetingByte, AfterGreeting, StatementUnanswered, StatementUnread };

QByteArray q(const std::string& s) {
    return QByteArray::fromStdString(s);
}

} // namespace

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Silence)

class ProtocolTest : public QObject {
    Q_OBJECT

private slots:
    void loginPacket_data();
    void loginPacket();
    void oldPasswordRequestGetsNineBytes();
    void greetingWithoutSecondScrambleLosesSecureAnswer();
    void greetingFaults_data();
    void greetingFaults();
    void challengeOf410Servers_data();
    void challengeOf410Servers();
    void replyFaults_data();
    void replyFaults();
    void compressedBlockCarriesSeveralPackets_data();
    void compressedBlockCarriesSeveralPackets();
    void compressedStatementsAboveAndBelowThreshold();
    void lostReplyToQueryIsNotResent();
    void errorReplyToQueryIsReturnedAtOnce();
    void okAndEndPacketsReportNoBackslashEscapes();
    void localFile();
    void missingLocalFileKeepsSessionInStep();
    void localFileRequestRefusedByDefault_data();
    void localFileRequestRefusedByDefault();
    void localFileCutOffIsLostConnection();
    void loginThatCannotBeSentNamesItsReason();

    void waitsEndWithinTheirLimit_data();
    void waitsEndWithinTheirLimit();
    void reconnectsAtMostOncePerCommand_data();
    void reconnectsAtMostOncePerCommand();
    void compressedBlockFaults_data();
    void compressedBlockFaults();
    void setUpStatementsOnlyForServersWithSessionSettings_data();
    void setUpStatementsOnlyForServersWithSessionSettings();
};

void ProtocolTest::loginPacket_data() {
    QTest::addColumn<std::string>("user");
    QTest::addColumn<std::string>("password");
    QTest::addColumn<std::string>("database");
    QTest::addColumn<int>("capabilities");
    QTest::addColumn<bool>("localFiles");
    QTest::addColumn<std::string>("login");

    const std::string user40(40, 'U');
    const std::string db70(70, 'D');
    const std::string header41 = le(0xE20D, 4) + le(0x01000000, 4) + char(33) + std::string(23, 0);
    QTest::newRow("4.1 form, SHA-1 answer, names cut")
            << user40 << std::string("p") << db70 << 0xF7FF << false
            << header41 + std::string(32, 'U') + '\0' + char(20) +
                       bytesOf(SecureScramble(kScramble, "p")) + std::string(64, 'D') + '\0';
    QTest::newRow("empty password is one zero byte")
            << std::string("u") << std::string() << std::string() << 0xF7FF << false
            << le(0xE205, 4) + le(0x01000000, 4) + char(33) + std::string(23, 0) + "u" + '\0' +
                       '\0' + '\0';
    QTest::newRow("old server gets the old form")
            << std::string("u") << std::string("p") << std::string() << 0x2005 << false
            << le(0x2005, 2) + std::string(3, 0) + "u" + '\0' + OldScramble("p", "abcdefgh") +
                       '\0' + '\0';
    QTest::newRow("local files offered only when allowed")
            << std::string("u") << std::string() << std::string() << 0xF7FF << true
            << le(0xE285, 4) + le(0x01000000, 4) + char(33) + std::string(23, 0) + "u" + '\0' +
                       '\0' + '\0';
}

void ProtocolTest::loginPacket() {
    QFETCH(std::string, user);
    QFETCH(std::string, password);
    QFETCH(std::string, database);
    QFETCH(int, capabilities);
    QFETCH(bool, localFiles);
    QFETCH(std::string, login);
    Fake fake;
    Fake::Greeting g;
    g.capabilities = uint16_t(capabilities);
    // A server without the 4.1 protocol is older than 4.1.
    if (!(capabilities & CLIENT_PROTOCOL_41))
        g.version = "4.0.27-log";
    scriptLogin(fake, g);
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, password);
    client.SetAllowLocalFiles(localFiles);
    client.SetUser(user);
    client.SetDatabase(database);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(q(fake.received().at(0)).toHex(' '), q(login).toHex(' '));
    QCOMPARE(fake.receivedSequences().at(0), 1);
    QCOMPARE(client.ThreadId(), 7u);
    QCOMPARE(client.Scramble(), kScramble);
    QCOMPARE(client.ServerLanguage(), 33u);
}

void ProtocolTest::oldPasswordRequestGetsNineBytes() {
    Fake fake;
    fake.writePacket(0, Fake::greeting({}))
            .readPacket()
            .writePacket(2, "\xFE")
            .readPacket()
            .writePacket(4, Fake::ok());
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake, "old-secret");
    // A server of 4.1 or later gets the old answer only where it is allowed.
    TAuthOptions options;
    options.AllowOldPasswords = true;
    client.SetAuthOptions(options);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(q(fake.received().at(1)), QByteArray("]AKJREIB\0", 9));
    QCOMPARE(fake.receivedSequences().at(1), 3);
}

void ProtocolTest::greetingWithoutSecondScrambleLosesSecureAnswer() {
    // A greeting that ends between L + 33 and L + 45 bytes has no second
    // scramble part: the server gets the pre-4.1 answer of the first 8.
    Fake::Greeting g;
    const int L = int(g.version.size());
    Fake fake;
    fake.writePacket(0, Fake::greeting(g, L + 40)).readPacket().writePacket(2, Fake::ok());
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    TAuthOptions options;
    options.AllowOldPasswords = true;
    client.SetAuthOptions(options);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(client.Scramble(), std::string("abcdefgh"));
    QVERIFY(!(client.ServerCapabilities() & CLIENT_SECURE_CONNECTION));
    const std::string& login = fake.received().at(0);
    QCOMPARE(q(login.substr(32)),
             q(std::string("u\0", 2) + OldScramble("p", "abcdefgh") + std::string("\0\0", 2)));
}

void ProtocolTest::greetingFaults_data() {
    QTest::addColumn<std::string>("greeting");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    Fake::Greeting g;
    g.protocol = 11;
    QTest::newRow("protocol version 11")
            << Fake::greeting(g) << 2007
            << QStringLiteral("Protocol mismatch. Server Version = 11 Client Version = 10");
    const QString lost = QStringLiteral("Lost connection to MySQL server during query");
    const std::string full = Fake::greeting({});
    const size_t L = Fake::Greeting().version.size();
    QTest::newRow("version text without its end") << full.substr(0, L) << 2013 << lost;
    QTest::newRow("cut inside the first scramble") << full.substr(0, L + 10) << 2013 << lost;
    QTest::newRow("empty greeting") << std::string() << 2013 << lost;
    QTest::newRow("error packet as greeting") << std::string("\xFF\x10\x04Too many connections")
                                              << 1040 << QStringLiteral("Too many connections");
}

void ProtocolTest::greetingFaults() {
    QFETCH(std::string, greeting);
    QFETCH(int, error);
    QFETCH(QString, text);
    Fake fake;
    fake.writePacket(0, greeting).close();
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), error);
    QCOMPARE(QString::fromStdString(client.ErrorText()), text);
    QVERIFY(!client.Connected());
    QVERIFY2(fake.finish(), fake.error().c_str());
}

void ProtocolTest::challengeOf410Servers_data() {
    QTest::addColumn<char>("first");
    QTest::newRow("star: pre-4.1 scramble") << '*';
    QTest::newRow("other: SHA-1 answer") << 'S';
}

void ProtocolTest::challengeOf410Servers() {
    QFETCH(char, first);
    std::string challenge(24, '\0');
    challenge[0] = first;
    for (int i = 1; i < 24; ++i)
        challenge[size_t(i)] = char(0x41 + i);
    const auto* c = reinterpret_cast<const uint8_t*>(challenge.data());
    const std::string expected = first == '*' ? bytesOf(Challenge410Old("p", c + 4))
                                              : bytesOf(Challenge410("p", c, c + 4));
    Fake::Greeting g;
    g.version = "4.1.0-alpha";
    Fake fake;
    fake.writePacket(0, Fake::greeting(g))
            .readPacket()
            .writePacket(2, challenge)
            .readPacket()
            .writePacket(4, Fake::ok());
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QVERIFY(client.Old410Mode());
    QVERIFY2(fake.finish(), fake.error().c_str());
    // The login carries eight x characters in the password place.
    QCOMPARE(q(fake.received().at(0).substr(32)), QByteArray("u\0xxxxxxxx\0\0", 12));
    QCOMPARE(q(fake.received().at(1)).toHex(), q(expected).toHex());
    QCOMPARE(fake.receivedSequences().at(1), 3);
}

void ProtocolTest::replyFaults_data() {
    QTest::addColumn<bool>("oldServer");
    QTest::addColumn<std::string>("reply");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("connected");
    const QString lost = QStringLiteral("Lost connection to MySQL server during query");
    const std::string one = Fake::packet(1, "\x01") + Fake::packet(2, Fake::field("a")) +
                            Fake::packet(3, Fake::eof());

    QTest::newRow("wrong sequence number")
            << false << Fake::packet(5, Fake::ok()) << 2013 << lost << false;
    QTest::newRow("zero-length reply") << false << Fake::packet(1, "") << 2013 << lost << false;
    QTest::newRow("reply cut short")
            << false << le(20, 3) + char(1) + std::string("\x00\x01", 2) << 2013 << lost << false;
    QTest::newRow("error packet with SQL state")
            << false << Fake::packet(1, Fake::error41(1064, "42000", "You have an error")) << 1064
            << QStringLiteral("You have an error") << true;
    QTest::newRow("error packet of an old server")
            << true << Fake::packet(1, Fake::error41(1064, "42000", "You have an error")) << 1064
            << QStringLiteral("#42000You have an error") << true;
    QTest::newRow("error packet of three bytes") << false << Fake::packet(1, "\xFF\x28\x04") << 2000
                                                 << QStringLiteral("Unknown MySQL error") << true;
    QTest::newRow("error message cut to 199")
            << false << Fake::packet(1, Fake::error41(1105, "HY000", std::string(300, 'm'))) << 1105
            << QString(199, 'm') << true;
    QTest::newRow("OK packet cut inside affected rows")
            << false << Fake::packet(1, "\x00\xFC\x01") << 2013 << lost << false;
    QTest::newRow("OK packet info longer than the packet")
            << false << Fake::packet(1, std::string("\x00\x00\x00\x02\x00\x00\x00\x09info", 11))
            << 2013 << lost << false;
    QTest::newRow("column count cut short")
            << false << Fake::packet(1, "\xFD\x01") << 2013 << lost << false;
    QTest::newRow("column count out of reach")
            << false << Fake::packet(1, "\xFE\xFF\xFF\xFF\xFF\x00\x00\x00\x00") << 2013 << lost
            << false;
    QTest::newRow("end before every descriptor")
            << false
            << Fake::packet(1, "\x02") + Fake::packet(2, Fake::field("a")) +
                       Fake::packet(3, Fake::eof())
            << 2013 << lost << false;
    QTest::newRow("more descriptors than columns")
            << false
            << Fake::packet(1, "\x01") + Fake::packet(2, Fake::field("a")) +
                       Fake::packet(3, Fake::field("b")) + Fake::packet(4, Fake::eof())
            << 2013 << lost << false;
    QTest::newRow("descriptor cut inside a name")
            << false
            << Fake::packet(1, "\x01") + Fake::packet(2, "\x03"
                                                         "def\x02"
                                                         "db\x10"
                                                         "ab")
            << 2013 << lost << false;
    QTest::newRow("descriptor without its fixed block")
            << false
            << Fake::packet(1, "\x01") + Fake::packet(2, "\x03"
                                                         "def\x02"
                                                         "db\x01t\x01t\x01"
                                                         "a\x01"
                                                         "a")
            << 2013 << lost << false;
    QTest::newRow("row value longer than its packet") << false
                                                      << one + Fake::packet(4, "\x0A"
                                                                               "abc")
                                                      << 2013 << lost << false;
    QTest::newRow("row value with an 8-byte length")
            << false
            << one + Fake::packet(4, std::string("\xFE\xFF\xFF\xFF\xFF\x00\x00\x00\x00x", 10))
            << 2013 << lost << false;
    QTest::newRow("row with too few values")
            << false
            << Fake::packet(1, "\x02") + Fake::packet(2, Fake::field("a")) +
                       Fake::packet(3, Fake::field("b")) + Fake::packet(4, Fake::eof()) +
                       Fake::packet(5, "\x01"
                                       "a")
            << 2013 << lost << false;
    QTest::newRow("rows end with the connection") << false
                                                  << one + Fake::packet(4, "\x01"
                                                                           "a")
                                                  << 2013 << lost << false;
}

void ProtocolTest::replyFaults() {
    QFETCH(bool, oldServer);
    QFETCH(std::string, reply);
    QFETCH(int, error);
    QFETCH(QString, text);
    QFETCH(bool, connected);
    Fake::Greeting g;
    if (oldServer) {
        g.capabilities = 0x2005;
        g.version = "4.0.27-log";
    }
    Fake fake;
    scriptLogin(fake, g);
    fake.readPacket().write(reply).close();
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    bool success = true;
    QVERIFY(!client.Query("SELECT a", true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), error);
    QCOMPARE(QString::fromStdString(client.ErrorText()), text);
    QCOMPARE(client.Connected(), connected);
    QCOMPARE(client.Status(), 0);
    QVERIFY2(fake.finish(), fake.error().c_str());
}

void ProtocolTest::compressedBlockCarriesSeveralPackets_data() {
    QTest::addColumn<int>("split");
    QTest::newRow("one block") << 0;
    QTest::newRow("a packet split across two blocks") << 3;
    QTest::newRow("split inside a header") << 2;
}

void ProtocolTest::compressedBlockCarriesSeveralPackets() {
    QFETCH(int, split);
    std::string inner = Fake::packet(1, "\x01") + Fake::packet(2, Fake::field("a")) +
                        Fake::packet(3, Fake::eof()) +
                        Fake::packet(4, "\x05"
                                        "first") +
                        Fake::packet(5, "\xFB") +
                        Fake::packet(6, "\x06"
                                        "second") +
                        Fake::packet(7, Fake::eof());
    Fake::Greeting g;
    Fake fake;
    scriptLogin(fake, g);
    fake.readCompressed();
    if (split == 0) {
        fake.write(Fake::compressed(1, inner, true));
    } else {
        // The first block ends inside the last row (or the end packet's
        // header); the second block brings the rest.
        const size_t cut = inner.size() - size_t(Fake::eof().size()) - 4 - size_t(split);
        fake.write(Fake::compressed(1, inner.substr(0, cut), true) +
                   Fake::compressed(2, inner.substr(cut), false));
    }
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetCompress(true);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QVERIFY(client.Net().Compress());
    bool success = false;
    auto result = client.Query("SELECT a", true, success);
    QVERIFY2(success, client.ErrorText().c_str());
    QVERIFY(result);
    QCOMPARE(result->RowCount(), quint64(3));
    QCOMPARE(QByteArray(result->Value(0)), QByteArray("first"));
    result->Next();
    QVERIFY(result->Value(0) == nullptr);
    result->Next();
    QCOMPARE(QByteArray(result->Value(0)), QByteArray("second"));
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(q(fake.received().at(1)), QByteArray("\x09\x00\x00\x00\x03SELECT a", 13));
}

void ProtocolTest::compressedStatementsAboveAndBelowThreshold() {
    Fake fake;
    scriptLogin(fake);
    fake.readCompressed()
            .write(Fake::compressed(1, Fake::packet(1, Fake::ok()), false))
            .readCompressed()
            .write(Fake::compressed(1, Fake::packet(1, Fake::ok()), false));
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetCompress(true);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    bool success = false;
    // The block handed to compression is the plain packet: 4 header bytes,
    // the command byte and the statement.
    const std::string below(49 - 5, 'b');
    const std::string above(50 - 5, 'a');
    client.Query(below, true, success);
    QVERIFY(success);
    client.Query(above, true, success);
    QVERIFY(success);
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(fake.compressedLengths().at(0), 0u);
    QCOMPARE(fake.compressedLengths().at(1), 50u);
    QCOMPARE(q(fake.received().at(2).substr(5)), q(above));
    QCOMPARE(fake.receivedSequences().at(1), 0);
}

void ProtocolTest::lostReplyToQueryIsNotResent() {
    Fake fake;
    scriptLogin(fake);
    fake.readPacket().writePacket(1, Fake::ok()).readPacket().close();
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetReconnect(true);
    QVERIFY(client.Connect());
    bool success = true;
    QVERIFY(!client.Query("INSERT INTO t VALUES (1)", true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 2013);
    QVERIFY(!client.Connected());
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(fake.received().size(), size_t(3));
    QCOMPARE(q(fake.received().at(1)), QByteArray("\x0E"));
    QCOMPARE(q(fake.received().at(2)), QByteArray("\x03INSERT INTO t VALUES (1)"));
}

void ProtocolTest::errorReplyToQueryIsReturnedAtOnce() {
    Fake fake;
    scriptLogin(fake);
    fake.readPacket()
            .writePacket(1, Fake::ok())
            .readPacket()
            .writePacket(1, Fake::error41(1213, "40001", "Deadlock found"))
            .readPacket();
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetReconnect(true);
    QVERIFY(client.Connect());
    bool success = true;
    QVERIFY(!client.Query("UPDATE t SET a = 1", true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 1213);
    QCOMPARE(client.ErrorText(), std::string("Deadlock found"));
    client.Close();
    QVERIFY2(fake.finish(), fake.error().c_str());
    // Ping, the statement once, then the quit of Close.
    QCOMPARE(fake.received().size(), size_t(4));
    QCOMPARE(q(fake.received().at(2)), QByteArray("\x03UPDATE t SET a = 1"));
    QCOMPARE(q(fake.received().at(3)), QByteArray("\x01"));
}

void ProtocolTest::okAndEndPacketsReportNoBackslashEscapes() {
    constexpr uint16_t kNoBackslashEscapes = 0x200 | 0x2;
    Fake fake;
    scriptLogin(fake);
    // A result whose last end packet says so; then an OK that does not, and
    // one that does.
    fake.readPacket()
            .writePacket(1, Fake::lengthCoded(1))
            .writePacket(2, Fake::field("v"))
            .writePacket(3, Fake::eof(0, 2))
            .writePacket(4, Fake::lengthCodedString("x"))
            .writePacket(5, Fake::eof(0, kNoBackslashEscapes))
            .readPacket()
            .writePacket(1, Fake::ok(0, 0, 2))
            .readPacket()
            .writePacket(1, Fake::ok(0, 0, kNoBackslashEscapes))
            .readPacket();
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    QVERIFY(client.Connect());
    QVERIFY(!client.NoBackslashEscapes());
    bool success = false;
    QVERIFY(client.Query("SELECT v", true, success));
    QVERIFY(success);
    QVERIFY(client.NoBackslashEscapes());
    client.Query("SET a = 1", true, success);
    QVERIFY(success);
    QVERIFY(!client.NoBackslashEscapes());
    client.Query("SET b = 1", true, success);
    QVERIFY(success);
    QVERIFY(client.NoBackslashEscapes());
    client.Close();
    QVERIFY2(fake.finish(), fake.error().c_str());
}

void ProtocolTest::localFile() {
    QTemporaryFile file;
    QVERIFY(file.open());
    const QByteArray content = QByteArray(0xF000 + 10, 'L');
    file.write(content);
    file.flush();
    Fake fake;
    scriptLogin(fake);
    fake.readPacket()
            .writePacket(1, "\xFB" + file.fileName().toStdString())
            .readPacket()
            .readPacket()
            .readPacket()
            .writePacket(5, Fake::ok(2));
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetAllowLocalFiles(true);
    QVERIFY(client.Connect());
    bool success = false;
    client.Query("LOAD DATA LOCAL INFILE 'x' INTO TABLE t", true, success);
    QVERIFY2(success, client.ErrorText().c_str());
    QCOMPARE(client.AffectedRows(), quint64(2));
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(q(fake.received().at(2)), content.left(0xF000));
    QCOMPARE(q(fake.received().at(3)), content.mid(0xF000));
    QCOMPARE(q(fake.received().at(4)), QByteArray());
    QCOMPARE(fake.receivedSequences().at(4), 4);
}

void ProtocolTest::missingLocalFileKeepsSessionInStep() {
    const std::string name = "/nonexistent/realmdesk-local-file";
    Fake fake;
    scriptLogin(fake);
    fake.readPacket()
            .writePacket(1, "\xFB" + name)
            .readPacket()
            .writePacket(3, Fake::ok())
            .readPacket()
            .writePacket(1, Fake::ok(7));
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetAllowLocalFiles(true);
    QVERIFY(client.Connect());
    bool success = true;
    QVERIFY(!client.Query("LOAD DATA LOCAL INFILE 'x' INTO TABLE t", true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 0);
    QCOMPARE(client.ErrorText(), "File '" + name + "' not found (Errcode: 2)");
    // The server's answer to the empty packet was read: the next reply is
    // the next statement's.
    client.Query("DELETE FROM t", true, success);
    QVERIFY2(success, client.ErrorText().c_str());
    QCOMPARE(client.AffectedRows(), quint64(7));
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(q(fake.received().at(2)), QByteArray());
}

void ProtocolTest::localFileRequestRefusedByDefault_data() {
    QTest::addColumn<std::string>("answer");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    QTest::newRow("the server's error is the reason")
            << Fake::error41(1148, "42000", "The used command is not allowed") << 1148
            << QStringLiteral("The used command is not allowed");
    QTest::newRow("a server that takes the empty file")
            << Fake::ok() << 0 << QStringLiteral("File '%1' not sent: local files are off");
}

void ProtocolTest::localFileRequestRefusedByDefault() {
    QFETCH(std::string, answer);
    QFETCH(int, error);
    QFETCH(QString, text);
    QTemporaryFile file;
    QVERIFY(file.open());
    const QByteArray secret("secret of this machine");
    file.write(secret);
    file.flush();
    const std::string name = file.fileName().toStdString();
    Fake fake;
    scriptLogin(fake);
    fake.readPacket()
            .writePacket(1, "\xFB" + name)
            .readPacket()
            .writePacket(3, answer)
            .readPacket()
            .writePacket(1, Fake::ok(7));
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    QVERIFY(client.Connect());
    bool success = true;
    QVERIFY(!client.Query("SHOW DATABASES", true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), error);
    QCOMPARE(QString::fromStdString(client.ErrorText()),
             text.replace(QLatin1String("%1"), file.fileName()));
    // The session is in step: the next statement gets its own reply.
    client.Query("DELETE FROM t", true, success);
    QVERIFY2(success, client.ErrorText().c_str());
    QCOMPARE(client.AffectedRows(), quint64(7));
    QVERIFY2(fake.finish(), fake.error().c_str());
    // Login, statement, an empty file, the next statement: nothing else left.
    QCOMPARE(fake.received().size(), size_t(4));
    QCOMPARE(q(fake.received().at(2)), QByteArray());
    for (const std::string& packet : fake.received())
        QVERIFY(!q(packet).contains(secret));
}

void ProtocolTest::localFileCutOffIsLostConnection() {
    // The server drops the connection while the file is on its way.
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(QByteArray(8 * 1024 * 1024, 'L'));
    file.flush();
    Fake fake;
    scriptLogin(fake);
    fake.readPacket().writePacket(1, "\xFB" + file.fileName().toStdString()).close();
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetAllowLocalFiles(true);
    QVERIFY(client.Connect());
    bool success = true;
    QVERIFY(!client.Query("LOAD DATA LOCAL INFILE 'x' INTO TABLE t", true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 2013);
    QCOMPARE(client.ErrorText(), kLost);
    QVERIFY(!client.Connected());
    QVERIFY2(fake.finish(), fake.error().c_str());
}

void ProtocolTest::loginThatCannotBeSentNamesItsReason() {
    // The server greets and is gone before the login packet leaves.
    int ends[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends), 0);
    const std::string greeting = Fake::packet(0, Fake::greeting({}));
    QCOMPARE(::send(ends[1], greeting.data(), greeting.size(), 0), ssize_t(greeting.size()));
    ::close(ends[1]);
    TMysqlClient client;
    client.SetUser("u");
    client.SetPassword("p");
    client.SetStreamSource([&] { return ends[0]; });
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), 2013);
    QCOMPARE(client.ErrorText(), kLost);
    QVERIFY(!client.Connected());
}

void ProtocolTest::waitsEndWithinTheirLimit_data() {
    QTest::addColumn<Silence>("silence");
    QTest::addColumn<uint>("connectTimeout");
    QTest::addColumn<uint>("readTimeout");
    // Each row's client gives up after one second, on the login's deadline,
    // the read limit or the write limit; the server's watchdog ends the
    // silence after ten.
    QTest::newRow("one greeting byte, then silence") << Silence::AfterOneGreetingByte << 1u << 600u;
    QTest::newRow("a greeting, then silence") << Silence::AfterGreeting << 1u << 600u;
    QTest::newRow("largest connect timeout, read limit still holds")
            << Silence::AfterOneGreetingByte << 0xFFFFFFFFu << 1u;
    QTest::newRow("connect timeout past 2^31 milliseconds")
            << Silence::AfterGreeting << 2147484u << 1u;
    QTest::newRow("a statement never answered") << Silence::StatementUnanswered << 5u << 1u;
    QTest::newRow("a statement the server does not read") << Silence::StatementUnread << 5u << 600u;
}

void ProtocolTest::waitsEndWithinTheirLimit() {
    QFETCH(Silence, silence);
    QFETCH(uint, connectTimeout);
    QFETCH(uint, readTimeout);
    Fake fake;
    const bool atLogin =
            silence == Silence::AfterOneGreetingByte || silence == Silence::AfterGreeting;
    if (silence == Silence::AfterOneGreetingByte)
        fake.write(Fake::packet(0, Fake::greeting({})).substr(0, 1));
    else if (silence == Silence::AfterGreeting)
        fake.writePacket(0, Fake::greeting({})).readPacket();
    else
        scriptLogin(fake);
    if (silence == Silence::StatementUnanswered)
        fake.readPacket().writePacket(1, Fake::ok()).readPacket();
    else if (silence == Silence::StatementUnread)
        fake.readPacket().writePacket(1, Fake::ok());
    fake.stall();
    fake.start();

    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetReconnect(true);
    client.SetConnectTimeout(connectTimeout);
    client.SetReadTimeout(readTimeout);
    client.SetWriteTimeout(1);
    QElapsedTimer timer;
    timer.start();
    if (atLogin) {
        QVERIFY(!client.Connect());
    } else {
        QVERIFY2(client.Connect(), client.ErrorText().c_str());
        timer.restart();
        // A statement larger than what the system buffers between the two.
        const std::string statement = silence == Silence::StatementUnread
                                              ? "SELECT '" + std::string(16000000, 'w') + "'"
                                              : std::string("DELETE FROM t");
        bool success = true;
        QVERIFY(!client.Query(statement, true, success));
        QVERIFY(!success);
    }
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(client.ErrorCode(), 2013);
    QCOMPARE(client.ErrorText(), kLost);
    QVERIFY(!client.Connected());
    QVERIFY2(elapsed >= 900 && elapsed < 5000, qPrintable(QString::number(elapsed)));
    QVERIFY2(fake.finish(), fake.error().c_str());
    QVERIFY2(!fake.stallRanOut(), "the client waited for the server's watchdog");
    QCOMPARE(fake.connections(), 1);
    if (silence == Silence::StatementUnanswered) {
        // Login, ping, the statement: once, never sent again.
        QCOMPARE(fake.received().size(), size_t(3));
        QCOMPARE(q(fake.received().at(2)), QByteArray("\x03"
                                                      "DELETE FROM t"));
        QCOMPARE(fake.bytesDuringStall(), size_t(0));
    }
}

void ProtocolTest::reconnectsAtMostOncePerCommand_data() {
    QTest::addColumn<bool>("dropSelectDatabase");
    QTest::addColumn<int>("connectionsAfterConnect");
    QTest::addColumn<int>("connectionsAfterQuery");
    // Connect fails without reconnecting; the query reconnects once.
    QTest::newRow("select-database dropped at every login") << true << 1 << 2;
    // The query reconnects once to ping, and not again when the ping is
    // lost there too.
    QTest::newRow("ping dropped on every connection") << false << 0 << 1;
}

void ProtocolTest::reconnectsAtMostOncePerCommand() {
    QFETCH(bool, dropSelectDatabase);
    QFETCH(int, connectionsAfterConnect);
    QFETCH(int, connectionsAfterQuery);
    Fake::Greeting g;
    if (dropSelectDatabase)
        g.capabilities &= ~CLIENT_CONNECT_WITH_DB;
    Fake fake;
    scriptLogin(fake, g);
    fake.readPacket().close().serveConnections(8);
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetReconnect(true);
    if (dropSelectDatabase) {
        client.SetDatabase("db");
        QVERIFY(!client.Connect());
        QCOMPARE(client.ErrorCode(), 2013);
        QCOMPARE(client.ErrorText(), kLost);
    }
    QCOMPARE(fake.connections(), connectionsAfterConnect);
    bool success = true;
    QVERIFY(!client.Query("SELECT 1", true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 2013);
    QVERIFY(!client.Connected());
    QCOMPARE(fake.connections(), connectionsAfterQuery);
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(fake.connections(), connectionsAfterQuery);
    // Each connection got a login and one command, the statement never.
    QCOMPARE(fake.received().size(), size_t(2 * connectionsAfterQuery));
    const QByteArray command = dropSelectDatabase ? QByteArray("\x02"
                                                               "db")
                                                  : QByteArray("\x0E");
    for (size_t i = 1; i < fake.received().size(); i += 2)
        QCOMPARE(q(fake.received().at(i)), command);
}

void ProtocolTest::compressedBlockFaults_data() {
    QTest::addColumn<std::string>("block");
    QTest::addColumn<bool>("firstSucceeds");
    QTest::newRow("surplus packet numbered on")
            << Fake::packet(1, Fake::ok(1)) + Fake::packet(2, Fake::ok(5)) << true;
    QTest::newRow("surplus packet with the reply's number")
            << Fake::packet(1, Fake::ok(1)) + Fake::packet(1, Fake::ok(5)) << true;
    QTest::newRow("reply with a wrong number") << Fake::packet(2, Fake::ok(1)) << false;
    QTest::newRow("second packet of a result with a wrong number")
            << Fake::packet(1, "\x01") + Fake::packet(3, Fake::field("a")) +
                       Fake::packet(4, Fake::eof()) + Fake::packet(5, Fake::eof())
            << false;
}

void ProtocolTest::compressedBlockFaults() {
    QFETCH(std::string, block);
    QFETCH(bool, firstSucceeds);
    Fake fake;
    scriptLogin(fake);
    fake.readCompressed().write(Fake::compressed(1, block, true)).stall();
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetCompress(true);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    bool success = false;
    client.Query("UPDATE t SET a = 1", true, success);
    QCOMPARE(success, firstSucceeds);
    if (firstSucceeds) {
        QCOMPARE(client.AffectedRows(), quint64(1));
        // What is left of the block is no reply to the next statement.
        QVERIFY(!client.Query("UPDATE t SET a = 2", true, success));
        QVERIFY(!success);
    }
    QCOMPARE(client.ErrorCode(), 2013);
    QCOMPARE(client.ErrorText(), kLost);
    QVERIFY(!client.Connected());
    QVERIFY2(fake.finish(), fake.error().c_str());
    QVERIFY2(!fake.stallRanOut(), "the client waited for the server's watchdog");
    // The second statement never went out on the session out of step.
    QCOMPARE(fake.bytesDuringStall(), size_t(0));
}

void ProtocolTest::setUpStatementsOnlyForServersWithSessionSettings_data() {
    QTest::addColumn<std::string>("version");
    QTest::addColumn<bool>("setUp");
    QTest::newRow("3.23") << std::string("3.23.58") << false;
    QTest::newRow("4.0") << std::string("4.0.27-log") << false;
    QTest::newRow("4.1") << std::string("4.1.22") << true;
    QTest::newRow("5.0") << std::string("5.0.96-community") << true;
    QTest::newRow("10.11 behind 5.5.5") << std::string("5.5.5-10.11.6-MariaDB") << true;
    QTest::newRow("no number") << std::string("fake") << true;
}

void ProtocolTest::setUpStatementsOnlyForServersWithSessionSettings() {
    QFETCH(std::string, version);
    QFETCH(bool, setUp);
    Fake fake;
    Fake::Greeting g;
    g.version = version;
    scriptLogin(fake, g);
    if (setUp)
        fake.readPacket().writePacket(1, Fake::ok());
    fake.start();
    TMysqlClient client;
    aimAtFake(client, fake);
    client.SetInitStatements({"SET SESSION sql_mode = ''"});
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QVERIFY2(fake.finish(), fake.error().c_str());
    QCOMPARE(fake.received().size(), size_t(setUp ? 2 : 1));
    if (setUp)
        QCOMPARE(q(fake.received().at(1)), QByteArray("\x03SET SESSION sql_mode = ''"));
}

QTEST_APPLESS_MAIN(ProtocolTest)
#include "tst_mysql_protocol.moc"

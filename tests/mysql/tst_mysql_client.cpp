// The client session against the real test server: login (with the native,
// pre-4.1 and ed25519 plugins, in clear text and over TLS, with the
// certificate checks), statements and results, the compressed protocol
// (also inside TLS), the framing limits, reconnecting, streamed results, the
// positioning rules of buffered results and local files.
#include "ServerLog.h"
#include "TestServer.h"
#include "uMysqlClient.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace mysql;

namespace {

const char* const kScratch = "rd_clienttest";

std::string std8(const QString& s) {
    return s.toStdString();
}

QByteArray valueOf(const TMysqlResult& r, int column) {
    const char* v = r.Value(column);
    return v ? QByteArray(v, int(r.ValueLength(column))) : QByteArray();
}

// A port on 127.0.0.1 that nothing listens on.
int closedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

} // namespace

Q_DECLARE_METATYPE(TTlsMode)
Q_DECLARE_METATYPE(TTlsFailure)

class ClientTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void login_data();
    void login();
    void loginWithTls_data();
    void loginWithTls();
    void certificateChecks_data();
    void certificateChecks();
    void userNameCutTo32Bytes();
    void databaseNameCutTo64Bytes();
    void connectRules();
    void namedPipe_data();
    void namedPipe();
    void propertyChangesDropTheConnection();

    void statementsWithAndWithoutResult();
    void serverErrorWithoutSqlState();
    void nullAgainstEmptyText();
    void bytesComeBackUnchanged_data();
    void bytesComeBackUnchanged();

    void compressedProtocol_data();
    void compressedProtocol();
    void compressedLargeValueBothWays();

    void valueLengthsOnLengthCodedBoundaries_data();
    void valueLengthsOnLengthCodedBoundaries();
    void replyPastTheFramingLimit_data();
    void replyPastTheFramingLimit();
    void largestCommand();

    void ping();
    void reconnectAfterKillRunsStatementOnce();
    void noReconnectInsideTransaction();

    void initStatementsRunAfterEveryLogin();
    void failingInitStatementFailsTheConnect();
    void statusReportsNoBackslashEscapes();

    void streamedResultBlocksOtherCommands();
    void freeingStreamedResultEarlyDrainsIt();

    void seekAndValueRules();
    void emptyResult();
    void seekWalkIsLinear();
    void refusedPortReportedAtOnce();

    void loadDataLocalRefusedByDefault();
    void unreadableLocalFileKeepsSessionInStep();

private:
    bool connectAs(TMysqlClient& client, const QString& user, const QString& password,
                   const std::string& database = {});
    bool connectNative(TMysqlClient& client, const std::string& database = {}) {
        return connectAs(client, server.user, server.password, database);
    }
    // Runs a statement that must succeed; returns its result (maybe none).
    std::unique_ptr<TMysqlResult> run(TMysqlClient& client, const std::string& statement,
                                      bool buffered = true);
    void killThread(uint32_t threadId);

    TestServer server;
};

bool ClientTest::connectAs(TMysqlClient& client, const QString& user, const QString& password,
                           const std::string& database) {
    client.SetHost(std8(server.host));
    client.SetPort(server.port);
    client.SetUser(std8(user));
    client.SetPassword(std8(password));
    client.SetPipeName({});
    client.SetDatabase(database);
    client.SetUseNamedPipe(false);
    client.ClearSpareOption();
    client.SetCompress(false);
    client.SetPipeFallback(false);
    return client.Connect();
}

std::unique_ptr<TMysqlResult> ClientTest::run(TMysqlClient& client, const std::string& statement,
                                              bool buffered) {
    bool success = false;
    auto result = client.Query(statement, buffered, success);
    if (!success)
        qWarning("%s: %d %s", statement.substr(0, 200).c_str(), client.ErrorCode(),
                 client.ErrorText().c_str());
    return result;
}

void ClientTest::killThread(uint32_t threadId) {
    TMysqlClient admin;
    QVERIFY(connectNative(admin));
    bool success = false;
    admin.Query("KILL " + std::to_string(threadId), true, success);
    QVERIFY2(success, admin.ErrorText().c_str());
}

void ClientTest::initTestCase() {
    server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(server);
    TMysqlClient client;
    QVERIFY2(connectNative(client), client.ErrorText().c_str());
    bool ok = false;
    for (const std::string& statement :
         {std::string("DROP DATABASE IF EXISTS ") + kScratch,
          std::string("CREATE DATABASE ") + kScratch + " CHARACTER SET utf8mb4",
          std::string("CREATE TABLE ") + kScratch +
                  ".items (id INT AUTO_INCREMENT PRIMARY KEY, name VARCHAR(64), data LONGBLOB) "
                  "ENGINE=InnoDB"}) {
        client.Query(statement, true, ok);
        QVERIFY2(ok, client.ErrorText().c_str());
    }
}

void ClientTest::cleanupTestCase() {
    if (!server.available())
        return;
    TMysqlClient client;
    if (connectNative(client)) {
        bool ok;
        client.Query(std::string("DROP DATABASE IF EXISTS ") + kScratch, true, ok);
    }
}

void ClientTest::login_data() {
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("database");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("oldPasswords");
    TestServer s = TestServer::fromEnvironment();
    QTest::newRow("native password")
            << s.user << s.password << QString() << 0 << QString() << false;
    QTest::newRow("native password with database")
            << s.user << s.password << QString(kScratch) << 0 << QString() << false;
    // The server switches this user to the pre-4.1 scramble: answered only
    // where the setting allows it.
    QTest::newRow("pre-4.1 password, allowed")
            << s.oldUser << s.oldPassword << QString() << 0 << QString() << true;
    QTest::newRow("pre-4.1 password, not allowed")
            << s.oldUser << s.oldPassword << QString() << 2061
            << QStringLiteral("Authentication plugin 'mysql_old_password' reported error: the "
                              "server asks for the pre-4.1 password scramble, which is unsalted "
                              "and can be broken; allow it with OldPasswords")
            << false;
    QTest::newRow("ed25519") << s.ed25519User << s.ed25519Password << QString() << 0 << QString()
                             << false;
    QTest::newRow("ed25519, wrong password")
            << s.ed25519User << QStringLiteral("ed25519-wrong") << QString() << 1045
            << QStringLiteral("Access denied for user '%1'@'127.0.0.1' (using password: YES)")
                       .arg(s.ed25519User)
            << false;
    QTest::newRow("no password") << s.noPasswordUser << QString() << QString() << 0 << QString()
                                 << false;
    QTest::newRow("wrong password")
            << s.user << QStringLiteral("not-the-password") << QString() << 1045
            << QStringLiteral("Access denied for user '%1'@'127.0.0.1' (using password: YES)")
                       .arg(s.user)
            << false;
    QTest::newRow("no rights on the database")
            << s.limitedUser << s.limitedPassword << QStringLiteral("characters") << 1044
            << QStringLiteral("Access denied for user '%1'@'%' to database 'characters'")
                       .arg(s.limitedUser)
            << false;
}

void ClientTest::login() {
    QFETCH(QString, who);
    QFETCH(QString, password);
    QFETCH(QString, database);
    QFETCH(int, error);
    QFETCH(QString, message);
    QFETCH(bool, oldPasswords);
    TMysqlClient client;
    TAuthOptions options;
    options.AllowOldPasswords = oldPasswords;
    client.SetAuthOptions(options);
    const bool connected = connectAs(client, who, password, std8(database));
    QCOMPARE(client.ErrorCode(), error);
    QCOMPARE(QString::fromStdString(client.ErrorText()), message);
    QCOMPARE(connected, error == 0);
    QCOMPARE(client.Connected(), error == 0);
    QCOMPARE(client.AuthRefusal(), error == 2061 ? TAuthRefusal::OldScramble : TAuthRefusal::None);
    if (error != 0)
        return;
    QVERIFY(client.ThreadId() != 0);
    QVERIFY(QByteArray::fromStdString(client.ServerVersion()).contains("MariaDB"));
    auto result = run(client, "SELECT CURRENT_USER(), DATABASE()");
    QVERIFY(result);
    QCOMPARE(QString::fromUtf8(valueOf(*result, 0)), who + QStringLiteral("@%"));
    QCOMPARE(QString::fromUtf8(valueOf(*result, 1)), database);
}

void ClientTest::loginWithTls_data() {
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("password");
    QTest::addColumn<TTlsMode>("mode");
    TestServer s = TestServer::fromEnvironment();
    const struct {
        const char* name;
        QString user;
        QString password;
    } users[] = {{"native", s.user, s.password},
                 {"pre-4.1", s.oldUser, s.oldPassword},
                 {"ed25519", s.ed25519User, s.ed25519Password},
                 {"no password", s.noPasswordUser, QString()}};
    const struct {
        const char* name;
        TTlsMode mode;
    } modes[] = {{"TLS off", TTlsMode::Off},
                 {"TLS preferred", TTlsMode::Preferred},
                 {"TLS required", TTlsMode::Required}};
    for (const auto& user : users) {
        for (const auto& mode : modes)
            QTest::addRow("%s, %s", user.name, mode.name)
                    << user.user << user.password << mode.mode;
    }
}

void ClientTest::loginWithTls() {
    QFETCH(QString, who);
    QFETCH(QString, password);
    QFETCH(TTlsMode, mode);
    TMysqlClient client;
    client.SetTlsOptions({mode, {}});
    TAuthOptions options;
    options.AllowOldPasswords = who == TestServer::fromEnvironment().oldUser;
    client.SetAuthOptions(options);
    QVERIFY2(connectAs(client, who, password), client.ErrorText().c_str());
    const bool encrypted = mode != TTlsMode::Off;
    QCOMPARE(client.Encrypted(), encrypted);
    QCOMPARE(client.TlsFailure(), TTlsFailure::None);
    // The server's view of the session.
    auto result = run(client, "SELECT CURRENT_USER(), VARIABLE_VALUE FROM "
                              "information_schema.SESSION_STATUS WHERE VARIABLE_NAME = "
                              "'SSL_CIPHER'");
    QVERIFY(result);
    QCOMPARE(QString::fromUtf8(valueOf(*result, 0)), who + QStringLiteral("@%"));
    QCOMPARE(valueOf(*result, 1), QByteArray::fromStdString(client.TlsCipher()));
    QCOMPARE(client.TlsCipher().empty(), !encrypted);
    QCOMPARE(client.TlsVersion().rfind("TLSv1.", 0) == 0, encrypted);
}

void ClientTest::certificateChecks_data() {
    QTest::addColumn<TTlsMode>("mode");
    QTest::addColumn<QString>("caFile");
    QTest::addColumn<QString>("host");
    QTest::addColumn<TTlsFailure>("failure");
    QTest::addColumn<QString>("text");
    TestServer s = TestServer::fromEnvironment();
    const TTlsFailure none = TTlsFailure::None;
    // The server sends its authority's certificate along with its own.
    const QString untrusted =
            QStringLiteral("SSL connection error: self-signed certificate in certificate chain");
    QTest::newRow("verify CA, the right CA")
            << TTlsMode::VerifyCa << s.tlsCa << s.host << none << QString();
    QTest::newRow("verify CA, a wrong CA") << TTlsMode::VerifyCa << s.tlsWrongCa << s.host
                                           << TTlsFailure::Certificate << untrusted;
    // Against the system's authorities alone any public certificate for any
    // name would pass: refused before the connection.
    QTest::newRow("verify CA without a CA file")
            << TTlsMode::VerifyCa << QString() << s.host << TTlsFailure::NoCaFile
            << QStringLiteral("SSL connection error: verify-ca needs a CA file (CAFile), and none "
                              "is set");
    QTest::newRow("verify identity, the system's authorities")
            << TTlsMode::VerifyIdentity << QString() << s.host << TTlsFailure::Certificate
            << untrusted;
    // Verifying the authority only, a name the certificate does not carry
    // is accepted.
    QTest::newRow("verify CA, another name of the server")
            << TTlsMode::VerifyCa << s.tlsCa << s.tlsMismatchHost << none << QString();
    QTest::newRow("verify identity, the name matches")
            << TTlsMode::VerifyIdentity << s.tlsCa << s.host << none << QString();
    QTest::newRow("verify identity, the name does not match")
            << TTlsMode::VerifyIdentity << s.tlsCa << s.tlsMismatchHost << TTlsFailure::HostName
            << QStringLiteral("SSL connection error: hostname mismatch");
    QTest::newRow("verify identity, a wrong CA") << TTlsMode::VerifyIdentity << s.tlsWrongCa
                                                 << s.host << TTlsFailure::Certificate << untrusted;
}

void ClientTest::certificateChecks() {
    QFETCH(TTlsMode, mode);
    QFETCH(QString, caFile);
    QFETCH(QString, host);
    QFETCH(TTlsFailure, failure);
    QFETCH(QString, text);
    ServerLog log(server.generalLog);
    TMysqlClient client;
    client.SetTlsOptions({mode, std8(caFile)});
    client.SetHost(std8(host));
    client.SetPort(server.port);
    client.SetUser(std8(server.user));
    client.SetPassword(std8(server.password));
    client.SetCompress(false);
    const bool connected = client.Connect();
    QCOMPARE(connected, failure == TTlsFailure::None);
    QCOMPARE(client.TlsFailure(), failure);
    if (connected) {
        QVERIFY(client.Encrypted());
        QVERIFY(run(client, "SELECT 1"));
        return;
    }
    QCOMPARE(client.ErrorCode(), 2026);
    QCOMPARE(QString::fromStdString(client.ErrorText()), text);
    QVERIFY(!client.Connected());
    // The login never reached the server.
    QVERIFY(log.commandsSinceMark().filter(QRegularExpression("^Connect\t")).isEmpty());
}

void ClientTest::userNameCutTo32Bytes() {
    TMysqlClient admin;
    QVERIFY(connectNative(admin));
    const std::string name32 = "rd_user_name_of_exactly_32_bytes";
    QCOMPARE(name32.size(), size_t(32));
    run(admin, "CREATE OR REPLACE USER '" + name32 + "'@'%' IDENTIFIED BY 'cut-secret'");
    QCOMPARE(admin.ErrorCode(), 0);

    TMysqlClient client;
    QVERIFY2(connectAs(client, QString::fromStdString(name32 + "_and_more"),
                       QStringLiteral("cut-secret")),
             client.ErrorText().c_str());
    auto result = run(client, "SELECT CURRENT_USER()");
    QVERIFY(result);
    QCOMPARE(valueOf(*result, 0), QByteArray::fromStdString(name32 + "@%"));
    run(admin, "DROP USER '" + name32 + "'@'%'");
}

void ClientTest::databaseNameCutTo64Bytes() {
    TMysqlClient admin;
    QVERIFY(connectNative(admin));
    const std::string name64 = "rd_" + std::string(61, 'd');
    run(admin, "CREATE DATABASE IF NOT EXISTS `" + name64 + "`");
    QCOMPARE(admin.ErrorCode(), 0);

    TMysqlClient client;
    QVERIFY2(connectNative(client, name64 + "tail76"), client.ErrorText().c_str());
    auto result = run(client, "SELECT DATABASE()");
    QVERIFY(result);
    QCOMPARE(valueOf(*result, 0), QByteArray::fromStdString(name64));
    run(admin, "DROP DATABASE `" + name64 + "`");
}

void ClientTest::connectRules() {
    TMysqlClient client;
    QCOMPARE(client.Port(), 3306);
    QVERIFY(client.Reconnect());
    QCOMPARE(client.ConnectTimeout(), 30u);
    QVERIFY(client.CompressOption());
    QCOMPARE(client.ClientFlags(), 0xE205u);
    QVERIFY(!client.AllowLocalFiles());
    QCOMPARE(client.ReadTimeout(), 600u);
    QCOMPARE(client.WriteTimeout(), 60u);

    // No host: false, and the error fields stay as they were.
    client.Net().SetError(1234, "earlier");
    QVERIFY(!client.Connect());
    QCOMPARE(client.ErrorCode(), 1234);
    QCOMPARE(client.ErrorText(), std::string("earlier"));

    QVERIFY(connectNative(client));
    const uint32_t thread = client.ThreadId();
    QVERIFY(client.Connect());
    QCOMPARE(client.ThreadId(), thread);
    QVERIFY(!(client.ClientFlags() & CLIENT_LOCAL_FILES));

    // Keep-alive finds a vanished host in about two minutes, also while a
    // long statement runs.
    const int fd = client.Net().Vio().Socket();
    auto option = [fd](int level, int name) {
        int value = -1;
        socklen_t size = sizeof value;
        getsockopt(fd, level, name, &value, &size);
        return value;
    };
    QCOMPARE(option(SOL_SOCKET, SO_KEEPALIVE), 1);
    QCOMPARE(option(IPPROTO_TCP, TCP_KEEPIDLE), 60);
    QCOMPARE(option(IPPROTO_TCP, TCP_KEEPINTVL), 10);
    QCOMPARE(option(IPPROTO_TCP, TCP_KEEPCNT), 6);

    // SetDatabase selects at once on a connected session.
    QVERIFY(client.SetDatabase(kScratch));
    QCOMPARE(client.Database(), std::string(kScratch));
    QVERIFY(!client.SelectDatabase("rd_no_such_database"));
    QCOMPARE(client.ErrorCode(), 1049);
    QVERIFY(!client.SelectDatabase(""));
    QCOMPARE(client.Database(), std::string(kScratch));

    client.Close();
    QVERIFY(!client.Connected());
    QVERIFY(!client.SetDatabase(kScratch));
}

void ClientTest::namedPipe_data() {
    QTest::addColumn<bool>("fallBack");
    QTest::newRow("no fall-back") << false;
    QTest::newRow("fall back to TCP") << true;
}

void ClientTest::namedPipe() {
    QFETCH(bool, fallBack);
    TMysqlClient client;
    client.SetHost(std8(server.host));
    client.SetPort(server.port);
    client.SetUser(std8(server.user));
    client.SetPassword(std8(server.password));
    client.SetCompress(false);
    client.SetPipeName("other");
    client.SetUseNamedPipe(true);
    client.SetPipeFallback(fallBack);
    const bool connected = client.Connect();
    QCOMPARE(connected, fallBack);
    if (!fallBack) {
        // This system has no named pipes: the pipe always targets "MySQL" on
        // the local machine and cannot be opened.
        QCOMPARE(client.ErrorCode(), 2017);
        QCOMPARE(client.ErrorText(),
                 std::string("Can't open named pipe to host: .  pipe: MySQL (2)"));
        QVERIFY(client.UseNamedPipe());
        return;
    }
    QCOMPARE(client.ErrorCode(), 0);
    QVERIFY(!client.UseNamedPipe());
    QCOMPARE(client.PipeName(), std::string());
    QCOMPARE(client.Host(), std8(server.host));
    QVERIFY(run(client, "SELECT 1"));
}

void ClientTest::propertyChangesDropTheConnection() {
    TMysqlClient client;
    QVERIFY(connectNative(client));
    client.SetHost(std8(server.host));
    client.SetPort(server.port);
    client.SetUser(std8(server.user));
    client.SetReconnect(false);
    QVERIFY(client.Connected());

    client.SetHost("localhost");
    QVERIFY(!client.Connected());
    client.SetHost(std8(server.host));
    QVERIFY(client.Connect());
    client.SetCompress(true);
    QVERIFY(!client.Connected());
}

void ClientTest::statementsWithAndWithoutResult() {
    TMysqlClient client;
    QVERIFY(connectNative(client));
    bool success = false;
    auto none = client.Query(std::string("USE ") + kScratch, true, success);
    QVERIFY(success);
    QVERIFY(!none);

    none = client.Query("INSERT INTO items (name) VALUES ('one'), ('two'), ('three')", true,
                        success);
    QVERIFY(success);
    QVERIFY(!none);
    QCOMPARE(client.AffectedRows(), quint64(3));
    const uint64_t firstId = client.InsertId();
    QVERIFY(firstId > 0);
    QVERIFY(QByteArray::fromStdString(client.Info()).contains("Records: 3"));

    client.Query("UPDATE items SET name = 'uno' WHERE id = " + std::to_string(firstId), true,
                 success);
    QVERIFY(success);
    QCOMPARE(client.AffectedRows(), quint64(1));

    auto result = client.Query("SELECT id, name FROM items WHERE id >= " + std::to_string(firstId) +
                                       " ORDER BY id",
                               true, success);
    QVERIFY(success);
    QVERIFY(result);
    QCOMPARE(result->FieldCount(), 2);
    QCOMPARE(result->RowCount(), quint64(3));
    QCOMPARE(client.AffectedRows(), quint64(3));
    QCOMPARE(result->Fields()[1].Name, std::string("name"));
    QCOMPARE(result->Fields()[1].Table, std::string("items"));
    QCOMPARE(result->Fields()[1].Db, std::string(kScratch));
    QCOMPARE(result->Fields()[1].MaxLength, 5u);
    QVERIFY(result->Fields()[0].Flags & NUM_FLAG);
    QVERIFY(!(result->Fields()[1].Flags & NUM_FLAG));
    QCOMPARE(valueOf(*result, 1), QByteArray("uno"));
    result->Next();
    QCOMPARE(valueOf(*result, 1), QByteArray("two"));

    // An empty statement is not sent.
    QVERIFY(!client.Query("", true, success));
    QVERIFY(!success);
    client.Query("DELETE FROM items", true, success);
    QVERIFY(success);
}

void ClientTest::serverErrorWithoutSqlState() {
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    bool success = true;
    auto result = client.Query("SELEKT 1", true, success);
    QVERIFY(!result);
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 1064);
    QVERIFY2(client.ErrorText().rfind("You have an error in your SQL syntax", 0) == 0,
             client.ErrorText().c_str());

    client.Query("SELECT * FROM no_such_table", true, success);
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 1146);
    QCOMPARE(client.ErrorText(),
             std::string("Table '") + kScratch + ".no_such_table' doesn't exist");
    // The session goes on.
    QVERIFY(client.Connected());
    QVERIFY(run(client, "SELECT 1"));
}

void ClientTest::nullAgainstEmptyText() {
    TMysqlClient client;
    QVERIFY(connectNative(client));
    auto result = run(client, "SELECT NULL, '', 'x'");
    QVERIFY(result);
    QVERIFY(result->Value(0) == nullptr);
    QCOMPARE(result->ValueLength(0), size_t(0));
    QVERIFY(result->Value(1) != nullptr);
    QCOMPARE(result->Value(1)[0], '\0');
    QCOMPARE(result->ValueLength(1), size_t(0));
    QCOMPARE(QByteArray(result->Value(2)), QByteArray("x"));
}

void ClientTest::bytesComeBackUnchanged_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8 Cyrillic") << QStringLiteral("Управление БД Мангос.").toUtf8();
    QTest::newRow("UTF-8 four-byte") << QByteArray("\xF0\x9F\x90\x89 dragon");
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high.append(char(b));
    QTest::newRow("bytes 0x80 to 0xFF, not UTF-8") << high;
    QTest::newRow("Windows-1251 text") << QByteArray("\xD3\xEF\xF0\xE0\xE2\xEB\xE5\xED\xE8\xE5");
}

void ClientTest::bytesComeBackUnchanged() {
    QFETCH(QByteArray, bytes);
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    QVERIFY(!run(client, "SET NAMES binary"));
    // The statement carries the raw bytes; they go in and come back as sent.
    const std::string insert =
            "INSERT INTO items (data) VALUES (_binary'" + bytes.toStdString() + "')";
    bool success = false;
    client.Query(insert, true, success);
    QVERIFY2(success, client.ErrorText().c_str());
    const uint64_t id = client.InsertId();
    auto result = run(client, "SELECT data, HEX(data) FROM items WHERE id = " + std::to_string(id));
    QVERIFY(result);
    QCOMPARE(valueOf(*result, 0), bytes);
    QCOMPARE(valueOf(*result, 1), bytes.toHex().toUpper());

    // Zero bytes inside a value.
    result = run(client, "SELECT X'00410042'");
    QVERIFY(result);
    QCOMPARE(valueOf(*result, 0), QByteArray("\0A\0B", 4));
}

void ClientTest::compressedProtocol_data() {
    QTest::addColumn<QByteArray>("statement");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("encrypted");
    for (bool encrypted : {false, true}) {
        const char* how = encrypted ? "TLS" : "clear";
        QTest::addRow("%s: short statement, short result", how)
                << QByteArray("SELECT 'ab'") << QByteArray("ab") << encrypted;
        QTest::addRow("%s: long statement, short result", how)
                << QByteArray("SELECT LENGTH('" + QByteArray(200, 'q') + "')") << QByteArray("200")
                << encrypted;
        QTest::addRow("%s: short statement, long result", how)
                << QByteArray("SELECT REPEAT('xy', 500)")
                << QByteArray(1000, 'x').replace("xx", "xy") << encrypted;
    }
}

void ClientTest::compressedProtocol() {
    QFETCH(QByteArray, statement);
    QFETCH(QByteArray, expected);
    QFETCH(bool, encrypted);
    TMysqlClient client;
    client.SetTlsOptions({encrypted ? TTlsMode::Required : TTlsMode::Off, {}});
    client.SetHost(std8(server.host));
    client.SetPort(server.port);
    client.SetUser(std8(server.user));
    client.SetPassword(std8(server.password));
    client.SetCompress(true);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QVERIFY(client.ClientFlags() & CLIENT_COMPRESS);
    QVERIFY(client.Net().Compress());
    QCOMPARE(client.Encrypted(), encrypted);

    auto result = run(client, statement.toStdString());
    QVERIFY(result);
    QCOMPARE(valueOf(*result, 0), expected);
    result = run(client, "SHOW SESSION STATUS LIKE 'Compression'");
    QVERIFY(result);
    QCOMPARE(valueOf(*result, 1), QByteArray("ON"));
}

void ClientTest::compressedLargeValueBothWays() {
    // Compressed blocks of several megabytes inside TLS records.
    TMysqlClient client;
    client.SetTlsOptions({TTlsMode::Required, {}});
    client.SetHost(std8(server.host));
    client.SetPort(server.port);
    client.SetUser(std8(server.user));
    client.SetPassword(std8(server.password));
    client.SetDatabase(kScratch);
    QVERIFY2(client.Connect(), client.ErrorText().c_str());
    QVERIFY(client.Net().Compress());
    QVERIFY(client.Encrypted());

    // 3 MB of text that compresses, but not to nothing.
    std::string big;
    big.reserve(3 * 1024 * 1024);
    uint32_t x = 12345;
    while (big.size() < 3 * 1024 * 1024) {
        x = x * 1103515245 + 12345;
        big.push_back(char('a' + (x >> 16) % 16));
    }
    bool success = false;
    client.Query("INSERT INTO items (name, data) VALUES ('big', '" + big + "')", true, success);
    QVERIFY2(success, client.ErrorText().c_str());
    const uint64_t id = client.InsertId();
    auto result =
            run(client, "SELECT data, LENGTH(data) FROM items WHERE id = " + std::to_string(id));
    QVERIFY(result);
    QCOMPARE(result->ValueLength(0), big.size());
    QVERIFY(std::memcmp(result->Value(0), big.data(), big.size()) == 0);
    QCOMPARE(QByteArray(result->Value(1)), QByteArray::number(qulonglong(big.size())));
    // The buffer returns to its first size once the result is read, and the
    // compression area of the large block is freed.
    QCOMPARE(client.Net().BufferSize(), size_t(8192));
    QVERIFY2(client.Net().HeldBytes() < 256 * 1024,
             qPrintable(QString::number(client.Net().HeldBytes())));
    client.Close();
    QCOMPARE(client.Net().HeldBytes(), size_t(0));
}

void ClientTest::valueLengthsOnLengthCodedBoundaries_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("compressed");
    for (bool compressed : {false, true}) {
        const char* mode = compressed ? "compressed" : "plain";
        // The largest value: in plain mode four bytes of length prefix and
        // the value fill the largest packet the framing reads (16,777,214
        // bytes); in compressed mode the packet's own four-byte header shares
        // the same buffer.
        const int largest = compressed ? 16777206 : 16777210;
        for (int length : {0, 250, 251, 65535, 65536, largest})
            QTest::addRow("%s %d", mode, length) << length << compressed;
    }
}

void ClientTest::valueLengthsOnLengthCodedBoundaries() {
    QFETCH(int, length);
    QFETCH(bool, compressed);
    TMysqlClient client;
    QVERIFY(connectNative(client));
    if (compressed) {
        client.SetCompress(true);
        QVERIFY(client.Connect());
    }
    auto result = run(client, "SELECT REPEAT('a', " + std::to_string(length) + ")");
    QVERIFY(result);
    QCOMPARE(result->ValueLength(0), size_t(length));
    const char* v = result->Value(0);
    QVERIFY(v);
    QVERIFY(std::string_view(v, size_t(length)).find_first_not_of('a') == std::string_view::npos);
    QCOMPARE(v[length], '\0');
}

void ClientTest::replyPastTheFramingLimit_data() {
    QTest::addColumn<bool>("grownFirst");
    QTest::newRow("fresh session") << false;
    // The buffer reaches 16 MiB: the limit must not move with it.
    QTest::newRow("after the largest reply") << true;
}

void ClientTest::replyPastTheFramingLimit() {
    QFETCH(bool, grownFirst);
    TMysqlClient client;
    QVERIFY(connectNative(client));
    if (grownFirst) {
        auto largest = run(client, "SELECT REPEAT('a', 16777210)");
        QVERIFY(largest);
        QCOMPARE(client.Net().BufferSize(), size_t(0x1000000));
    }
    bool success = true;
    auto result = client.Query("SELECT REPEAT('a', 16777211)", true, success);
    QVERIFY(!result);
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 2020);
    QCOMPARE(client.ErrorText(), std::string("Got packet bigger than 'max_allowed_packet'"));
    QVERIFY(!client.Connected());
    // The next command connects again.
    QVERIFY(run(client, "SELECT 1"));
    QVERIFY(client.Connected());
}

void ClientTest::largestCommand() {
    TMysqlClient client;
    QVERIFY(connectNative(client));
    const uint32_t thread = client.ThreadId();
    // The statement plus the command byte fill a packet of 16,777,215 bytes.
    const std::string head = "SELECT LENGTH('";
    const std::string tail = "')";
    const size_t fill = 16777214 - head.size() - tail.size();
    std::string statement = head + std::string(fill, 'b') + tail;
    QCOMPARE(statement.size(), size_t(16777214));
    auto result = run(client, statement);
    QVERIFY(result);
    QCOMPARE(QByteArray(result->Value(0)), QByteArray::number(qulonglong(fill)));

    // One byte more is refused before anything is sent; the session stays.
    statement.insert(head.size(), 1, 'b');
    bool success = true;
    QVERIFY(!client.Query(statement, true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 1153);
    QVERIFY(client.Connected());
    QVERIFY(run(client, "SELECT 1"));
    QCOMPARE(client.ThreadId(), thread);
}

void ClientTest::ping() {
    TMysqlClient client;
    QVERIFY(!client.Ping());
    QVERIFY(connectNative(client));
    QVERIFY(client.Ping());
    QCOMPARE(client.ErrorCode(), 0);
}

void ClientTest::reconnectAfterKillRunsStatementOnce() {
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    QVERIFY(!run(client, "DELETE FROM items"));
    const uint32_t before = client.ThreadId();
    killThread(before);

    bool success = false;
    client.Query("INSERT INTO items (name) VALUES ('once')", true, success);
    QVERIFY2(success, client.ErrorText().c_str());
    QVERIFY(client.ThreadId() != before);
    auto result = run(client, "SELECT COUNT(*) FROM items WHERE name = 'once'");
    QVERIFY(result);
    QCOMPARE(QByteArray(result->Value(0)), QByteArray("1"));
    QVERIFY(!run(client, "DELETE FROM items"));
}

void ClientTest::noReconnectInsideTransaction() {
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    QVERIFY(!run(client, "START TRANSACTION"));
    QVERIFY(!run(client, "INSERT INTO items (name) VALUES ('in transaction')"));
    QVERIFY(client.ServerStatus() & SERVER_STATUS_IN_TRANS);
    const uint32_t before = client.ThreadId();
    killThread(before);

    bool success = true;
    QVERIFY(!client.Query("INSERT INTO items (name) VALUES ('after kill')", true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 2013);
    QVERIFY(!client.Connected());

    // The command after that connects afresh; the transaction's work is gone
    // and the failed statement never ran.
    auto result = run(client, "SELECT COUNT(*) FROM items");
    QVERIFY(result);
    QVERIFY(client.ThreadId() != before);
    QCOMPARE(QByteArray(result->Value(0)), QByteArray("0"));
}

void ClientTest::initStatementsRunAfterEveryLogin() {
    TMysqlClient client;
    // A statement with rows among them: its result is dropped.
    client.SetInitStatements({"SELECT 'dropped'", "SET SESSION sql_mode = 'NO_BACKSLASH_ESCAPES'"});
    QVERIFY2(connectNative(client, kScratch), client.ErrorText().c_str());
    QVERIFY(client.NoBackslashEscapes());
    auto mode = run(client, "SELECT @@SESSION.sql_mode");
    QVERIFY(mode);
    QCOMPARE(valueOf(*mode, 0), QByteArray("NO_BACKSLASH_ESCAPES"));

    // The session that a reconnect opens is set up the same way.
    const uint32_t before = client.ThreadId();
    killThread(before);
    mode = run(client, "SELECT @@SESSION.sql_mode");
    QVERIFY(mode);
    QVERIFY(client.ThreadId() != before);
    QCOMPARE(valueOf(*mode, 0), QByteArray("NO_BACKSLASH_ESCAPES"));
    QVERIFY(client.NoBackslashEscapes());
}

void ClientTest::failingInitStatementFailsTheConnect() {
    TMysqlClient client;
    client.SetInitStatements({"SET SESSION rd_no_such_variable = 1"});
    QVERIFY(!connectNative(client));
    QCOMPARE(client.ErrorCode(), 1193); // unknown system variable
    QVERIFY(QByteArray(client.ErrorText().c_str()).contains("rd_no_such_variable"));
    QVERIFY(!client.Connected());
    bool success = true;
    QVERIFY(!client.Query("SELECT 1", true, success));
    QVERIFY(!success);
    QVERIFY(!client.Connected());
}

void ClientTest::statusReportsNoBackslashEscapes() {
    TMysqlClient client;
    QVERIFY(connectNative(client));
    run(client, "SET SESSION sql_mode = ''");
    QVERIFY(!client.NoBackslashEscapes());
    // The OK packet of the change reports it, and so does the end packet of
    // every result after it.
    run(client, "SET SESSION sql_mode = 'NO_BACKSLASH_ESCAPES'");
    QVERIFY(client.NoBackslashEscapes());
    QVERIFY(client.ServerStatus() & SERVER_STATUS_NO_BACKSLASH_ESCAPES);
    auto result = run(client, "SELECT '\\'");
    QVERIFY(result);
    QCOMPARE(valueOf(*result, 0), QByteArray("\\"));
    QVERIFY(client.NoBackslashEscapes());
    run(client, "SET SESSION sql_mode = DEFAULT");
    QVERIFY(!client.NoBackslashEscapes());
}

void ClientTest::streamedResultBlocksOtherCommands() {
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    auto streamed = run(client, "SELECT seq FROM seq_1_to_5", false);
    QVERIFY(streamed);
    QVERIFY(!streamed->Buffered());
    QCOMPARE(client.Status(), 2);
    QCOMPARE(QByteArray(streamed->Value(0)), QByteArray("1"));

    bool success = true;
    QVERIFY(!client.Query("SELECT 1", true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 2014);
    QCOMPARE(client.ErrorText(),
             std::string("Commands out of sync;  You can't run this command now"));
    QVERIFY(!client.Ping());
    QCOMPARE(client.ErrorCode(), 2014);

    QByteArray seen;
    while (!streamed->Eof()) {
        seen += streamed->Value(0);
        streamed->Next();
    }
    QCOMPARE(seen, QByteArray("12345"));
    QCOMPARE(streamed->RowCount(), quint64(5));
    QCOMPARE(streamed->FetchState(), 1);
    QCOMPARE(client.Status(), 0);
    QCOMPARE(client.AffectedRows(), quint64(5));
    QVERIFY(run(client, "SELECT 1"));
}

void ClientTest::freeingStreamedResultEarlyDrainsIt() {
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    const uint32_t thread = client.ThreadId();
    auto streamed = run(client, "SELECT seq, REPEAT('z', 100) FROM seq_1_to_20000", false);
    QVERIFY(streamed);
    streamed->Next();
    QCOMPARE(QByteArray(streamed->Value(0)), QByteArray("2"));
    streamed.reset();
    QCOMPARE(client.Status(), 0);
    auto result = run(client, "SELECT 'after'");
    QVERIFY(result);
    QCOMPARE(QByteArray(result->Value(0)), QByteArray("after"));
    QCOMPARE(client.ThreadId(), thread);
}

void ClientTest::seekAndValueRules() {
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    auto r = run(client, "SELECT seq, IF(seq = 2, NULL, seq * 10) FROM seq_0_to_3");
    QVERIFY(r);
    QCOMPARE(r->RowCount(), quint64(4));
    QVERIFY(!r->Eof());
    QCOMPARE(r->RowIndex(), quint64(0));
    QCOMPARE(QByteArray(r->Value(0)), QByteArray("0"));

    r->Seek(2);
    QCOMPARE(QByteArray(r->Value(0)), QByteArray("2"));
    QVERIFY(r->Value(1) == nullptr);
    // Out of range: nothing changes.
    r->Seek(4);
    QCOMPARE(QByteArray(r->Value(0)), QByteArray("2"));
    r->Seek(-1);
    QCOMPARE(QByteArray(r->Value(0)), QByteArray("2"));
    QVERIFY(r->Value(2) == nullptr);
    QVERIFY(r->Value(-1) == nullptr);
    QCOMPARE(r->ValueLength(2), size_t(0));

    // A value stays valid and in place while the cursor moves.
    r->Seek(3);
    const char* last = r->Value(1);
    QCOMPARE(QByteArray(last), QByteArray("30"));
    r->Next();
    QVERIFY(r->Eof());
    r->Seek(0);
    QVERIFY(!r->Eof());
    QCOMPARE(QByteArray(r->Value(1)), QByteArray("0"));
    QCOMPARE(QByteArray(last), QByteArray("30"));

    // Results belong to the caller and outlive later statements.
    auto other = run(client, "SELECT 'other'");
    QVERIFY(other);
    QCOMPARE(QByteArray(r->Value(0)), QByteArray("0"));
}

void ClientTest::emptyResult() {
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    auto r = run(client, "SELECT seq FROM seq_1_to_3 WHERE seq > 5");
    QVERIFY(r);
    QCOMPARE(r->FieldCount(), 1);
    QCOMPARE(r->RowCount(), quint64(0));
    QVERIFY(r->Eof());
    QVERIFY(r->Value(0) == nullptr);
    r->Seek(0);
    QVERIFY(r->Eof());
    r->Next();
    QVERIFY(r->Value(0) == nullptr);
}

void ClientTest::seekWalkIsLinear() {
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    const int rows = 200000;
    auto r = run(client, "SELECT seq FROM seq_0_to_" + std::to_string(rows - 1));
    QVERIFY(r);
    QCOMPARE(r->RowCount(), quint64(rows));
    // Walking every row by index, last to first: a walk from the first row
    // on every call would take minutes here.
    QElapsedTimer timer;
    timer.start();
    for (int i = rows - 1; i >= 0; --i) {
        r->Seek(i);
        if (std::strtol(r->Value(0), nullptr, 10) != i)
            QFAIL(qPrintable(QStringLiteral("row %1 holds %2").arg(i).arg(r->Value(0))));
    }
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

void ClientTest::refusedPortReportedAtOnce() {
    TMysqlClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(closedPort());
    client.SetUser("nobody");
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!client.Connect());
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(client.ErrorCode(), 2003);
    QCOMPARE(client.ErrorText(), std::string("Can't connect to MySQL server on '127.0.0.1' (111)"));
    QVERIFY(!client.Connected());
}

void ClientTest::loadDataLocalRefusedByDefault() {
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write("local secret\n");
    file.flush();
    TMysqlClient client;
    QVERIFY(connectNative(client, kScratch));
    const uint32_t thread = client.ThreadId();
    bool success = true;
    QVERIFY(!client.Query("LOAD DATA LOCAL INFILE '" + std8(file.fileName()) +
                                  "' INTO TABLE items (name)",
                          true, success));
    QVERIFY(!success);
    // The server refuses on its own: the session did not offer local files.
    QCOMPARE(client.ErrorCode(), 4166);
    auto result = run(client, "SELECT COUNT(*) FROM items WHERE name = 'local secret'");
    QVERIFY(result);
    QCOMPARE(QByteArray(result->Value(0)), QByteArray("0"));
    QCOMPARE(client.ThreadId(), thread);
}

void ClientTest::unreadableLocalFileKeepsSessionInStep() {
    // A directory opens but cannot be read.
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    TMysqlClient client;
    client.SetAllowLocalFiles(true);
    // A session out of step would wait for the server's own time-out; this
    // limit turns that into a quick failure.
    client.SetReadTimeout(5);
    QVERIFY(connectNative(client, kScratch));
    QVERIFY(client.ClientFlags() & CLIENT_LOCAL_FILES);
    const uint32_t thread = client.ThreadId();
    auto before = run(client, "SELECT COUNT(*) FROM items");
    QVERIFY(before);
    bool success = true;
    QVERIFY(!client.Query("LOAD DATA LOCAL INFILE '" + std8(directory.path()) +
                                  "' INTO TABLE items (name)",
                          true, success));
    QVERIFY(!success);
    QCOMPARE(client.ErrorCode(), 2);
    QCOMPARE(client.ErrorText(),
             "Error reading file '" + std8(directory.path()) + "' (Errcode: 21)");
    // At once, on the same session, the next statement gets its own reply.
    auto result = run(client, "SELECT 'next', COUNT(*) FROM items");
    QVERIFY(result);
    QCOMPARE(QByteArray(result->Value(0)), QByteArray("next"));
    QCOMPARE(QByteArray(result->Value(1)), QByteArray(before->Value(0)));
    QCOMPARE(client.ThreadId(), thread);
}

QTEST_APPLESS_MAIN(ClientTest)
#include "tst_mysql_client.moc"

#include "TestServer.h"

#include <QProcessEnvironment>

TestServer TestServer::fromEnvironment() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    TestServer server;
    server.host = env.value(QStringLiteral("REALMDESK_TEST_HOST"));
    server.port = env.value(QStringLiteral("REALMDESK_TEST_PORT")).toInt();
    server.user = env.value(QStringLiteral("REALMDESK_TEST_USER"));
    server.password = env.value(QStringLiteral("REALMDESK_TEST_PASSWORD"));
    server.oldUser = env.value(QStringLiteral("REALMDESK_TEST_OLD_USER"));
    server.oldPassword = env.value(QStringLiteral("REALMDESK_TEST_OLD_PASSWORD"));
    server.limitedUser = env.value(QStringLiteral("REALMDESK_TEST_LIMITED_USER"));
    server.limitedPassword = env.value(QStringLiteral("REALMDESK_TEST_LIMITED_PASSWORD"));
    server.noPasswordUser = env.value(QStringLiteral("REALMDESK_TEST_NOPASS_USER"));
    server.ed25519User = env.value(QStringLiteral("REALMDESK_TEST_ED25519_USER"));
    server.ed25519Password = env.value(QStringLiteral("REALMDESK_TEST_ED25519_PASSWORD"));
    server.tlsCa = env.value(QStringLiteral("REALMDESK_TEST_TLS_CA"));
    server.tlsWrongCa = env.value(QStringLiteral("REALMDESK_TEST_TLS_WRONG_CA"));
    server.tlsMismatchHost = env.value(QStringLiteral("REALMDESK_TEST_TLS_MISMATCH_HOST"));
    server.generalLog = env.value(QStringLiteral("REALMDESK_TEST_GENERAL_LOG"));
    server.testdbDir = env.value(QStringLiteral("REALMDESK_TESTDB_DIR"));
    server.testdbScript = env.value(QStringLiteral("REALMDESK_TESTDB_SCRIPT"));
    if (!server.available()) {
        server.port = 0;
        server.m_error = env.value(QStringLiteral("REALMDESK_TEST_SERVER_ERROR"),
                                   QStringLiteral("REALMDESK_TEST_PORT is not set; run the test "
                                                  "through ctest or scripts/testdb exec"));
    }
    return server;
}

bool TestServer::tlsCompressedRun() {
    return qEnvironmentVariableIntValue("REALMDESK_TEST_TLS_COMPRESSED") == 1;
}

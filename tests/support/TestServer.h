#pragma once

#include <QString>

// The throwaway database server of the test run, as scripts/testdb hands it to
// the tests through the environment.
struct TestServer {
    QString host;
    int port = 0;
    QString user;
    QString password;
    QString oldUser;
    QString oldPassword;
    QString limitedUser;
    QString limitedPassword;
    QString noPasswordUser;
    QString ed25519User;
    QString ed25519Password;
    // The server speaks TLS: the authority that signed its certificate,
    // another that did not, and a name of the server that its certificate
    // does not carry (the certificate names 127.0.0.1).
    QString tlsCa;
    QString tlsWrongCa;
    QString tlsMismatchHost;
    QString generalLog;
    QString testdbDir;
    QString testdbScript;

    // The server of this run. When there is none, error() says why.
    static TestServer fromEnvironment();
    // The run sends everything the window does over TLS, compressed
    // (REALMDESK_TEST_TLS_COMPRESSED=1).
    static bool tlsCompressedRun();
    bool available() const { return port > 0; }
    QString error() const { return m_error; }

private:
    QString m_error;
};

// Fails the calling test function with a clear message when the test server
// is not there; a test that needs the server is never skipped.
#define REQUIRE_TEST_SERVER(server)                                                                \
    do {                                                                                           \
        if (!(server).available())                                                                 \
            QFAIL(qPrintable(QStringLiteral("no test server: ") + (server).error()));              \
    } while (false)

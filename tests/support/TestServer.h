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
    QString generalLog;
    QString testdbDir;
    QString testdbScript;

    // The server of this run. When there is none, error() says why.
    static TestServer fromEnvironment();
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

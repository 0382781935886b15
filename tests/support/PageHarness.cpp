#include "PageHarness.h"

#include "uMysqlClient.h"

bool connectToTestServer(QueryContext& context, const TestServer& server) {
    context.setDatabaseNameSource([](Database database) {
        switch (database) {
        case Database::Realmd:
            return QStringLiteral("realmd");
        case Database::Mangos:
            return QStringLiteral("mangos");
        case Database::Characters:
            return QStringLiteral("characters");
        case Database::Scriptdev2:
            return QStringLiteral("scriptdev2");
        }
        return QString();
    });
    mysql::TMysqlClient& session = context.session();
    session.SetHost(server.host.toStdString());
    session.SetPort(server.port);
    session.SetUser(server.user.toStdString());
    session.SetPassword(server.password.toStdString());
    // In a run over TLS with compression, pages built on their own connect
    // as the window does then.
    const bool tlsCompressed = TestServer::tlsCompressedRun();
    session.SetCompress(tlsCompressed);
    if (tlsCompressed)
        session.SetTlsOptions({mysql::TTlsMode::Required, {}});
    return server.available() && session.Connect();
}

#include "MariadbClient.h"

#include <QProcess>

ClientRun loadWithMariadbClient(const TestServer& server, const QString& database,
                                const QString& sqlFile) {
    QProcess client;
    client.setProcessChannelMode(QProcess::MergedChannels);
    client.setStandardInputFile(sqlFile);
    client.start(QStringLiteral("mariadb"),
                 {QStringLiteral("--no-defaults"), QStringLiteral("-h"), server.host,
                  QStringLiteral("-P"), QString::number(server.port), QStringLiteral("-u"),
                  server.user, QStringLiteral("--password=") + server.password, database});
    ClientRun run;
    if (!client.waitForStarted(30000)) {
        run.output = QStringLiteral("mariadb did not start: ") + client.errorString();
        return run;
    }
    if (!client.waitForFinished(300000)) {
        client.kill();
        client.waitForFinished(5000);
        run.output = QStringLiteral("mariadb did not finish within 300 s: ") +
                     QString::fromUtf8(client.readAll());
        return run;
    }
    run.output = QString::fromUtf8(client.readAll());
    run.exitCode = client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1;
    return run;
}

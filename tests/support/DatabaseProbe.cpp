#include "DatabaseProbe.h"

#include "uMysqlClient.h"

#include <QProcess>

DatabaseProbe::DatabaseProbe(const TestServer& server)
    : m_session(std::make_unique<mysql::TMysqlClient>()) {
    m_session->SetHost(server.host.toStdString());
    m_session->SetPort(server.port);
    m_session->SetUser(server.user.toStdString());
    m_session->SetPassword(server.password.toStdString());
    m_session->SetCompress(false);
    if (server.available() && m_session->Connect()) {
        bool ok = false;
        m_session->Query("SET NAMES utf8", true, ok);
    }
}

DatabaseProbe::~DatabaseProbe() = default;

bool DatabaseProbe::connected() const {
    return m_session->Connected();
}

QString DatabaseProbe::lastError() const {
    return QStringLiteral("%1 %2")
            .arg(m_session->ErrorCode())
            .arg(QString::fromStdString(m_session->ErrorText()));
}

bool DatabaseProbe::exec(const QString& statement) {
    bool ok = false;
    const QByteArray bytes = statement.toUtf8();
    m_session->Query(std::string_view(bytes.constData(), size_t(bytes.size())), true, ok);
    return ok;
}

QStringList DatabaseProbe::rows(const QString& statement) {
    bool ok = false;
    const QByteArray bytes = statement.toUtf8();
    auto result =
            m_session->Query(std::string_view(bytes.constData(), size_t(bytes.size())), true, ok);
    QStringList rows;
    if (!ok || !result)
        return rows;
    for (uint64_t row = 0; row < result->RowCount(); ++row) {
        result->Seek(int64_t(row));
        QStringList fields;
        for (int field = 0; field < result->FieldCount(); ++field) {
            const char* value = result->Value(field);
            fields << (value ? QString::fromUtf8(value, qsizetype(result->ValueLength(field)))
                             : QStringLiteral("NULL"));
        }
        rows << fields.join(u'|');
    }
    return rows;
}

bool DatabaseProbe::rawRows(const QString& statement, QList<QList<Value>>& rows) {
    bool ok = false;
    const QByteArray bytes = statement.toUtf8();
    auto result =
            m_session->Query(std::string_view(bytes.constData(), size_t(bytes.size())), true, ok);
    rows.clear();
    if (!ok)
        return false;
    if (!result)
        return true;
    for (uint64_t row = 0; row < result->RowCount(); ++row) {
        result->Seek(int64_t(row));
        QList<Value> values;
        for (int field = 0; field < result->FieldCount(); ++field) {
            const char* value = result->Value(field);
            values << (value ? Value(QByteArray(value, qsizetype(result->ValueLength(field))))
                             : Value());
        }
        rows << values;
    }
    return true;
}

QString DatabaseProbe::scalar(const QString& statement) {
    const QStringList all = rows(statement);
    return all.isEmpty() ? QString() : all.first().section(u'|', 0, 0);
}

QString DatabaseProbe::checksum(const QString& qualifiedTable) {
    const QStringList parts = qualifiedTable.split(u'.');
    const QStringList result = rows(QStringLiteral("CHECKSUM TABLE `%1`.`%2` EXTENDED")
                                            .arg(parts.value(0), parts.value(1)));
    return result.isEmpty() ? QString() : result.first().section(u'|', 1);
}

QStringList DatabaseProbe::checksums(const QStringList& qualifiedTables) {
    QStringList sums;
    for (const QString& table : qualifiedTables)
        sums << table + u' ' + checksum(table);
    return sums;
}

bool DatabaseProbe::reloadDatabases(const TestServer& server) {
    if (server.testdbScript.isEmpty())
        return false;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(server.testdbScript,
                  {QStringLiteral("--dir"), server.testdbDir, QStringLiteral("reload")});
    const bool done = process.waitForFinished(120000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!done)
        qWarning("reloading the test databases failed: %s", process.readAll().constData());
    return done;
}

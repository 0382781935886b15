#pragma once

#include "TestServer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace mysql {
class TMysqlClient;
}

// A second session on the test server, for looking at and preparing the
// database state around a test.
class DatabaseProbe {
public:
    explicit DatabaseProbe(const TestServer& server);
    ~DatabaseProbe();

    bool connected() const;
    QString lastError() const;

    // Runs a statement; false (with lastError) when the server rejects it.
    bool exec(const QString& statement);
    // The rows of a select, each row's fields joined with "|" (NULL as
    // "NULL").
    QStringList rows(const QString& statement);
    // The first field of the first row, or "NULL", or "" without rows.
    QString scalar(const QString& statement);
    // The rows of a select with every value's bytes as the server sent them
    // (no value for NULL); false (with lastError) when the select fails.
    using Value = std::optional<QByteArray>;
    bool rawRows(const QString& statement, QList<QList<Value>>& rows);
    // The server's checksum of every byte of every row of a table
    // ("database.table"), whatever their order; empty when it fails.
    QString checksum(const QString& qualifiedTable);
    // "database.table checksum" for each table, in order.
    QStringList checksums(const QStringList& qualifiedTables);

    // Loads the test databases again, as scripts/testdb started them.
    static bool reloadDatabases(const TestServer& server);

private:
    std::unique_ptr<mysql::TMysqlClient> m_session;
};

#pragma once

// The rows of database tables at one moment, every value kept as the bytes
// the server sent, and what changed between two such moments: the check that
// an operation changed exactly the rows and columns it meant to, and the
// reference state for anything that must put tables back as they were.
#include "DatabaseProbe.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

// One table, "database.table", read whole. Rows are kept by their primary key
// (a table without one is keyed by all its values).
class TableSnapshot {
public:
    using Value = DatabaseProbe::Value;
    using Row = QList<Value>;

    static TableSnapshot take(DatabaseProbe& probe, const QString& qualifiedTable);

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString name() const { return m_name; }
    const QStringList& columns() const { return m_columns; }
    const QStringList& keyColumns() const { return m_keyColumns; }
    int rowCount() const { return int(m_rows.size()); }
    // The row of a key ("7", or "9,17" for a key of two columns), if there
    // is one.
    std::optional<Row> row(const QString& key) const;

    // What changed from this snapshot to a later one of the same table, one
    // line per change, in key order:
    //   "table[key] added: column=value, ..."
    //   "table[key] removed: column=value, ..."
    //   "table[key].column: old -> new"
    // where table is the name without its database and values are shown by
    // shownValue.
    QStringList changesTo(const TableSnapshot& after) const;

private:
    // Compares keys part by part, numbers by their value.
    struct KeyOrder {
        bool operator()(const QString& a, const QString& b) const;
    };

    QString describe(const Row& row) const;

    QString m_name;
    QString m_error;
    QStringList m_columns;
    QStringList m_keyColumns;
    std::map<QString, Row, KeyOrder> m_rows;
};

// A value as the change lines show it: NULL; text between single quotes (a
// quote, a backslash and control characters escaped as in C) when it is
// well-formed UTF-8; otherwise its bytes as X'hex'.
QString shownValue(const TableSnapshot::Value& value);

// Several tables read one after another.
class TablesSnapshot {
public:
    static TablesSnapshot take(DatabaseProbe& probe, const QStringList& qualifiedTables);

    bool ok() const { return error().isEmpty(); }
    // The first table that could not be read, with the reason.
    QString error() const;
    const QList<TableSnapshot>& tables() const { return m_tables; }
    // The changes of every table, table by table in the order they were
    // taken.
    QStringList changesTo(const TablesSnapshot& after) const;

private:
    QList<TableSnapshot> m_tables;
};

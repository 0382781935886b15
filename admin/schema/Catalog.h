#pragma once

#include "common/SqlQuoting.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The tables of one database with their columns, as the server lists them:
// what the schema of a database is made of, read in one query.
namespace schema {

class Catalog {
public:
    // The select that lists every column of every table of the database:
    // table name, column name, in the tables' own column order.
    static QString statement(const QString& database, Quoting quoting);
    // One table and one column per call, as the select gives them.
    void add(const QString& table, const QString& column);

    bool isEmpty() const { return m_tables.isEmpty(); }
    // Names are compared without letter case, as the server does on the
    // systems it runs on for these databases.
    bool hasTable(const QString& table) const;
    bool hasColumn(const QString& table, const QString& column) const;
    // The table's columns in their order; none for a table that is not there.
    QStringList columns(const QString& table) const;
    // Every table, in the order of the select.
    QStringList tables() const { return m_order; }
    // The tables that have a column of that name.
    QStringList tablesWithColumn(const QString& column) const;

private:
    struct Table {
        QString name;
        QStringList columns;
    };
    QHash<QString, Table> m_tables; // by lower-case name
    QStringList m_order;
};

} // namespace schema

#pragma once

// The catalogs of the test databases, read from their own CREATE TABLE
// statements (scripts/db): every family's published columns, and each
// table's storage engine, without a server.
#include "schema/Catalog.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace fixtures {

struct Database {
    schema::Catalog catalog;
    QHash<QString, QString> engines; // by table name
};

// The databases a script creates, by name; tables made LIKE another table
// take its columns and engine.
inline QHash<QString, Database> databasesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    const QString text = QString::fromUtf8(file.readAll());
    QHash<QString, Database> databases;
    QString database;
    static const QRegularExpression use(QStringLiteral("^USE `([^`]+)`;"));
    static const QRegularExpression create(
            QStringLiteral("^CREATE TABLE `([^`]+)`\\s*(LIKE `([^`]+)`\\.`([^`]+)`)?"));
    static const QRegularExpression column(QStringLiteral("^\\s*`([^`]+)`\\s+[a-zA-Z]"));
    static const QRegularExpression engine(QStringLiteral("ENGINE=(\\w+)"));
    QString table;
    for (const QString& line : text.split(u'\n')) {
        if (const auto m = use.match(line); m.hasMatch()) {
            database = m.captured(1);
            table.clear();
        } else if (const auto m = create.match(line); m.hasMatch()) {
            table = m.captured(1);
            if (m.hasCaptured(2)) {
                const Database& source = databases[m.captured(3)];
                for (const QString& c : source.catalog.columns(m.captured(4)))
                    databases[database].catalog.add(table, c);
                databases[database].engines[table] = source.engines.value(m.captured(4));
                table.clear();
            }
        } else if (line.startsWith(u')')) {
            if (const auto m = engine.match(line); m.hasMatch() && !table.isEmpty())
                databases[database].engines[table] = m.captured(1);
            table.clear();
        } else if (const auto m = column.match(line); m.hasMatch() && !table.isEmpty()) {
            databases[database].catalog.add(table, m.captured(1));
        }
    }
    return databases;
}

// Every test database: the 2010 ones and those of every family.
inline const QHash<QString, Database>& all(const QString& sourceDir) {
    static const QHash<QString, Database> databases = [&sourceDir] {
        QHash<QString, Database> merged =
                databasesOf(sourceDir + QStringLiteral("/scripts/db/schema.sql"));
        for (const char* family : {"rel2x", "cmangos", "vmangos", "trinitycore", "azerothcore"}) {
            const auto some = databasesOf(
                    sourceDir +
                    QStringLiteral("/scripts/db/families/%1.sql").arg(QLatin1String(family)));
            for (auto it = some.begin(); it != some.end(); ++it)
                merged.insert(it.key(), it.value());
        }
        return merged;
    }();
    return databases;
}

} // namespace fixtures

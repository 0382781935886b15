#include "schema/Catalog.h"

namespace schema {

QString Catalog::statement(const QString& database, Quoting quoting) {
    return QStringLiteral("select `TABLE_NAME`, `COLUMN_NAME` from `information_schema`.`COLUMNS` "
                          "where `TABLE_SCHEMA` = ") +
           quotedText(database, quoting) +
           QStringLiteral(" order by `TABLE_NAME`, `ORDINAL_POSITION`");
}

void Catalog::add(const QString& table, const QString& column) {
    const QString key = table.toLower();
    auto it = m_tables.find(key);
    if (it == m_tables.end()) {
        it = m_tables.insert(key, {table, {}});
        m_order << table;
    }
    it->columns << column;
}

bool Catalog::hasTable(const QString& table) const {
    return m_tables.contains(table.toLower());
}

bool Catalog::hasColumn(const QString& table, const QString& column) const {
    const auto it = m_tables.constFind(table.toLower());
    return it != m_tables.constEnd() && it->columns.contains(column, Qt::CaseInsensitive);
}

QStringList Catalog::columns(const QString& table) const {
    const auto it = m_tables.constFind(table.toLower());
    return it != m_tables.constEnd() ? it->columns : QStringList();
}

QStringList Catalog::tablesWithColumn(const QString& column) const {
    QStringList found;
    for (const QString& table : m_order) {
        if (hasColumn(table, column))
            found << table;
    }
    return found;
}

} // namespace schema

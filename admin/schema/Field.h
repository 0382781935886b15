#pragma once

#include <QString>
#include <QStringList>

// One notion of a schema as statements use it.
namespace schema {

struct Field {
    // The expression that reads it in a statement on its table: a column
    // between backquotes, or a subquery. Empty: the family lacks it.
    QString read;
    // The column a change writes. Empty: it cannot be changed here (it is
    // computed, or lives elsewhere).
    QString write;
    // "table.column" that the expression needs; a field whose columns the
    // database lacks is dropped.
    QStringList needs;

    bool has() const { return !read.isEmpty(); }
    bool writable() const { return !write.isEmpty(); }

    // A column of the table, read and written as it is.
    static Field column(const QString& table, const QString& name);
    // A value computed by an expression; never written.
    static Field computed(const QString& expression, const QStringList& needs);
    // The select item that shows the field under the alias: the bare column
    // where it is that column, else "expression as `alias`".
    QString selectItem(const QString& alias) const;
};

// A name between backquotes (a backquote inside doubled).
QString quoted(const QString& name);

} // namespace schema

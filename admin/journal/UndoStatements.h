#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Undo scripts: before an operation deletes or changes rows, the rows are
// read and turned into SQL that, loaded with the mariadb client into the same
// database, puts every byte of them back. The statements that read the rows
// and the script itself are built here, as pure functions of plain values.
namespace undosql {

// One column of a table, as the server describes it.
struct Column {
    // How a value of the column is read and written back.
    enum class Form {
        Number,    // integers, decimals, doubles, years: bare
        Float,     // read as a double, which gives every bit of it back
        Bits,      // BIT: a hex literal, which such a column takes as bits
        Timestamp, // read as seconds since 1970 (no time zone can shift it)
        Text,      // a character set of its own: read as its bytes
        Bytes,     // byte strings, dates, times and everything else
    };

    QString name;
    QString dataType; // lower case: "int", "varchar", "float", ...
    QString charset;  // empty for numbers, dates and byte strings
    bool primaryKey = false;
    bool generated = false; // computed by the server; never written

    Form form() const;
    bool operator==(const Column&) const = default;
};

struct Table {
    QString name;
    QList<Column> columns;

    // The column of that name (compared without case), or -1.
    int indexOf(const QString& column) const;
    bool hasPrimaryKey() const;
};

// Whether a server of this version (mysql::VersionNumber) can describe its
// tables in information_schema and load a script written in utf8mb4: 5.5.3
// and later (MariaDB 10 and later too). A version that cannot be read counts
// as able.
inline bool serverTakesUndoScripts(uint32_t versionNumber) {
    return versionNumber == 0 || versionNumber >= 50503;
}

// Reads the columns of a table of the session's database, in the table's
// order: name, data type, character set, key, extra.
QString columnsStatement(const QString& table);
// A column from the five fields of a row of columnsStatement's result (the
// character set empty for NULL).
Column columnFromFields(const QStringList& fields);

// What an operation does to the rows of one table.
struct Target {
    enum class Kind {
        Deleted,   // the rows that match the condition go
        Updated,   // the columns are written in the rows that match it
        Rewritten, // the rows whose key column holds the key value go, and
                   // new rows with that value are written in their place
    };

    Kind kind = Kind::Deleted;
    QString table;
    QString condition;   // Deleted, Updated: the condition of the statement
    QStringList columns; // Updated: the columns it writes
    QString keyColumn;   // Rewritten
    QString keyValue;    // Rewritten: a whole number

    static Target deleted(const QString& table, const QString& condition);
    static Target updated(const QString& table, const QString& condition,
                          const QStringList& columns);
    static Target rewritten(const QString& table, const QString& keyColumn,
                            const QString& keyValue);
    bool operator==(const Target&) const = default;
};

// The condition that picks a target's rows.
QString targetCondition(const Target& target);
// The columns (indexes into the table's columns) whose values the script
// needs: every column that is not generated for rows that go; for an update
// the primary key and the written columns. (Updated rows of a table without
// a primary key cannot be found again: such a target is refused before.)
QList<int> capturedColumns(const Target& target, const Table& table);
// The select of those columns of the target's rows, before the change, read
// so that nothing is lost on the way: a float as a double, a timestamp as its
// seconds, a text as the bytes of its own character set.
QString captureStatement(const Target& target, const Table& table);

// The captured rows, as the select gave them.
class Rows {
public:
    virtual ~Rows() = default;
    virtual int rowCount() const = 0;
    // Makes a row current.
    virtual void seek(int row) = 0;
    // A value of the current row (in the order of capturedColumns); no
    // value for NULL.
    virtual std::optional<QByteArrayView> value(int index) const = 0;
};

// A value as the script writes it for a column: NULL; a number bare; a float
// as the double that holds it; a timestamp with FROM_UNIXTIME (the zero date
// as such); bits as a hex literal; a text that is well-formed UTF-8 between
// single quotes (backslash, quote, NUL, CR, LF and Ctrl-Z escaped), other
// bytes as a hex literal (with the column's character set named for a text
// column). A number is never written in hex, which such a column would read
// as a number.
QByteArray literal(const Column& column, std::optional<QByteArrayView> value);

// What the header of a script says.
struct ScriptInfo {
    QString operation; // "account-delete"
    QDateTime time;
    QString user;
    QString host;
    int port = 0;
    QString database;
    QStringList statements; // the statements it undoes (masked when written)
    bool backslashEscapes = true;
};

// Builds the script of one operation.
class ScriptBuilder {
public:
    explicit ScriptBuilder(ScriptInfo info);

    // The statements that undo what the operation does to a target, from its
    // rows as they were before: rows that went are inserted again (the rows
    // now holding the key value of a rewritten target deleted first), and
    // updated rows get their old values of the written columns back by
    // their primary key. The targets are undone in the opposite order.
    // Inserted rows are inserted as such, never replaced: a row that has come
    // back with the same key since stops the script (loaded in one
    // transaction) instead of being overwritten. A row that an earlier
    // target of the same table already puts back (targets may overlap, as
    // the rows of a group's leader and of its members) is put back once.
    void add(const Target& target, const Table& table, Rows& rows);
    int rowCount() const { return m_rowCount; }
    // The script: a header of comments, the session set up so that the text
    // reads the same on every server (utf8mb4, backslash escapes, zero dates
    // allowed, an id 0 kept, time zone +00:00, no foreign key checks), one
    // transaction with the undoing statements, and the session put back.
    QByteArray finish() const;
    // The same script in pieces, in order, without one copy of it all.
    QByteArrayList pieces() const;

private:
    ScriptInfo m_info;
    QList<QByteArray> m_parts;
    QStringList m_summary;
    // Per table, the keys of the rows that are put back.
    QHash<QString, QSet<QByteArray>> m_insertedKeys;
    int m_rowCount = 0;
};

} // namespace undosql

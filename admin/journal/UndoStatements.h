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
    Table(QString name = {}, QList<Column> columns = {}, QString engine = {})
        : name(std::move(name))
        , columns(std::move(columns))
        , engine(std::move(engine)) {}

    QString name;
    QList<Column> columns;
    QString engine; // as the server names it: "InnoDB", "MyISAM", ...

    // The column of that name (compared without case), or -1.
    int indexOf(const QString& column) const;
    bool hasPrimaryKey() const;
    // Whether its changes wait for COMMIT and its rows can be locked by a
    // read (InnoDB).
    bool transactional() const;
};

// Whether a server of this version (mysql::VersionNumber) can describe its
// tables in information_schema and load a script written in utf8mb4: 5.5.3
// and later (MariaDB 10 and later too). A version that cannot be read counts
// as able.
inline bool serverTakesUndoScripts(uint32_t versionNumber) {
    return versionNumber == 0 || versionNumber >= 50503;
}

// Reads the columns of a table of the session's database, in the table's
// order: name, data type, character set, key, extra, and the table's engine.
QString columnsStatement(const QString& table);
// A column from the first five fields of a row of columnsStatement's result
// (the character set empty for NULL).
Column columnFromFields(const QStringList& fields);
// The table that the rows of columnsStatement's result describe; without
// columns when there is no such table.
Table tableFromFields(const QString& name, const QList<QStringList>& rows);

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
// seconds, a text as the bytes of its own character set. The rows of a
// transactional table are read FOR UPDATE: in the operation's transaction
// they stay as read until it ends.
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

// The selects that read an updated target's rows again after the change, in
// the same transaction: the columns captureStatement reads, of the captured
// rows, found by their primary key (several selects when there are many
// rows). Their literals read the same in every sql_mode. None for a table
// without a primary key or without rows.
QStringList writtenStatements(const Target& target, const Table& table, Rows& captured);

// A value as the script writes it for a column: NULL; a number bare; a float
// as the double that holds it; a timestamp with FROM_UNIXTIME (the zero date
// as such); bits as a hex literal; a text that is well-formed UTF-8 between
// single quotes (backslash, quote, NUL, CR, LF and Ctrl-Z escaped), other
// bytes as a hex literal (with the column's character set named for a text
// column). A number is never written in hex, which such a column would read
// as a number.
QByteArray literal(const Column& column, std::optional<QByteArrayView> value);

// A word as a POSIX shell reads it: bare when it holds only ASCII letters,
// digits and "_@%+=:,./-", otherwise between single quotes (a quote inside
// written '\'').
QString shellQuoted(const QString& word);

// The last line of a whole script.
inline constexpr char kEndLine[] = "-- end of undo script\n";

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

// Builds the script of one operation. Loaded with the mariadb client, the
// script:
//  - works in its own database ("USE"), whatever database the client names;
//  - sets the session up so that the text reads the same on every server
//    (utf8mb4, backslash escapes, strict mode, zero dates allowed, an id 0
//    kept, time zone +00:00, no foreign key checks) and puts it back at the
//    end;
//  - stages the rows in temporary tables of the tables' own column types
//    first, so that a value a table would refuse stops it before anything
//    changes, and a script cut off in its rows changes nothing;
//  - then changes the tables in one transaction, committed after its last
//    change (only the session put back and the staging tables dropped
//    follow): the transactional tables first, then the others (MyISAM),
//    each with statements that never leave a row missing on the way;
//  - puts a column of an updated row back only where it still holds the
//    value the operation wrote (read with addWritten), and ends with a select
//    of how many rows, and which, it left as they are;
//  - ends with kEndLine.
class ScriptBuilder {
public:
    explicit ScriptBuilder(ScriptInfo info);

    // The rows of a target as they were before the operation: rows that
    // went are put back as such, never replaced (a row that has come back
    // with the same key since stops the script instead of being
    // overwritten); the rows now holding the key value of a rewritten target
    // are replaced by the rows that held it; updated rows get their old
    // values of the written columns back, by their primary key. The targets
    // are undone in the opposite order. A row that an earlier target of the
    // same table already puts back (targets may overlap, as the rows of a
    // group's leader and of its members) is put back once.
    void add(const Target& target, const Table& table, Rows& rows);
    // The values the operation left in the rows of an updated target (the
    // index-th added), as writtenStatements reads them; called once per
    // select. Until then, the script puts the columns back whatever they
    // hold.
    void addWritten(int target, Rows& rows);
    int rowCount() const { return m_rowCount; }
    // The script, whose load command names path.
    QByteArray finish(const QString& path) const;
    // The same script in pieces, in order, without one copy of it all.
    QByteArrayList pieces(const QString& path) const;

private:
    using Value = std::optional<QByteArray>;
    struct Part {
        Target target;
        Table table;
        QList<int> captured;
        QByteArray stagedRows;                   // rows that went: their INSERTs into the stage
        QList<QList<Value>> rows;                // updated rows: the captured values
        QHash<QByteArray, QList<Value>> written; // updated rows by key: the values now
        bool writtenRead = false;
        int rowCount = 0; // the rows it puts back
    };

    QByteArray stageStatements(const Part& part, int stage) const;
    QByteArray updateStage(const Part& part, int stage) const;
    QByteArray restoreStatements(const Part& part, int stage) const;

    ScriptInfo m_info;
    QList<Part> m_parts;
    QStringList m_summary;
    // Per table, the keys of the rows that are put back.
    QHash<QString, QSet<QByteArray>> m_insertedKeys;
    int m_rowCount = 0;
};

} // namespace undosql

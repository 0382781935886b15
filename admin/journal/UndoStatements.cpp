#include "journal/UndoStatements.h"

#include "common/QueryConventions.h"
#include "journal/JournalText.h"

#include <QCryptographicHash>

#include <algorithm>
#include <functional>

namespace undosql {

namespace {

// Statements of the script grow to about this size before a new one starts,
// well below the smallest max_allowed_packet a server has.
constexpr qsizetype kStatementSize = 256 * 1024;

const char kHex[] = "0123456789ABCDEF";

bool isUtf8Charset(const QString& charset) {
    return charset == u"utf8" || charset == u"utf8mb3" || charset == u"utf8mb4";
}

// Character sets whose ASCII characters are not single bytes.
bool isWideCharset(const QString& charset) {
    return charset == u"ucs2" || charset == u"utf16" || charset == u"utf16le" ||
           charset == u"utf32";
}

bool isPrintableAscii(QByteArrayView bytes) {
    for (char c : bytes) {
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return true;
}

// A number as the server writes one: sign, digits, point, exponent.
bool isNumber(QByteArrayView text) {
    qsizetype i = 0;
    const qsizetype size = text.size();
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < size && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > from;
    };
    if (i < size && (text[i] == '-' || text[i] == '+'))
        ++i;
    bool any = digits();
    if (i < size && text[i] == '.') {
        ++i;
        any = digits() || any;
    }
    if (!any)
        return false;
    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < size && (text[i] == '-' || text[i] == '+'))
            ++i;
        if (!digits())
            return false;
    }
    return i == size;
}

bool isZeroNumber(QByteArrayView text) {
    for (char c : text) {
        if (c != '0' && c != '.')
            return false;
    }
    return true;
}

void appendHex(QByteArray& out, QByteArrayView bytes) {
    const qsizetype start = out.size();
    out.resize(start + 3 + 2 * bytes.size());
    char* p = out.data() + start;
    *p++ = 'X';
    *p++ = '\'';
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *p++ = kHex[b >> 4];
        *p++ = kHex[b & 15];
    }
    *p = '\'';
}

// The escape of a byte inside a quoted text, or null when it stands as it is.
const char* escapeOf(char c) {
    switch (c) {
    case '\0':
        return "\\0";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\x1A':
        return "\\Z";
    case '\\':
        return "\\\\";
    case '\'':
        return "\\'";
    default:
        return nullptr;
    }
}

void appendQuoted(QByteArray& out, QByteArrayView bytes) {
    out += '\'';
    // Runs of bytes that need no escape go in whole.
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (const char* escape = escapeOf(bytes[i])) {
            out.append(bytes.sliced(runStart, i - runStart));
            out += escape;
            runStart = i + 1;
        }
    }
    out.append(bytes.sliced(runStart));
    out += '\'';
}

void appendLiteral(QByteArray& out, const Column& column, Column::Form form,
                   std::optional<QByteArrayView> value) {
    if (!value) {
        out += "NULL";
        return;
    }
    const QByteArrayView bytes = *value;
    switch (form) {
    case Column::Form::Number:
    case Column::Form::Float:
        if (isNumber(bytes)) {
            out += bytes;
            return;
        }
        break;
    case Column::Form::Bits:
        appendHex(out, bytes);
        return;
    case Column::Form::Timestamp:
        if (isNumber(bytes)) {
            if (isZeroNumber(bytes)) {
                out += "'0000-00-00 00:00:00'";
            } else {
                out += "FROM_UNIXTIME(";
                out += bytes;
                out += ')';
            }
            return;
        }
        break;
    case Column::Form::Text:
        if (isUtf8Charset(column.charset)
                    ? bytes.isValidUtf8()
                    : !isWideCharset(column.charset) && isPrintableAscii(bytes)) {
            appendQuoted(out, bytes);
        } else {
            // The bytes of the column's own character set, unconverted.
            out += '_';
            out += column.charset.toLatin1();
            out += ' ';
            appendHex(out, bytes);
        }
        return;
    case Column::Form::Bytes:
        break;
    }
    if (bytes.isValidUtf8())
        appendQuoted(out, bytes);
    else
        appendHex(out, bytes);
}

QByteArray nameBytes(const QString& name) {
    return quotedName(name).toUtf8();
}

// The primary key's columns among the captured ones, as positions in the
// captured list.
QList<int> keyPositions(const Table& table, const QList<int>& captured) {
    QList<int> key;
    for (int i = 0; i < captured.size(); ++i) {
        if (table.columns[captured[i]].primaryKey)
            key << i;
    }
    return key;
}

// "-- " before every line of a text.
void appendComment(QByteArray& out, const QString& text, const QString& indent = {}) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString clean = line;
        clean.remove(QLatin1Char('\r'));
        out += ("-- " + indent + clean).toUtf8().trimmed();
        out += '\n';
    }
}

QString rowsText(int rows) {
    return rows == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(rows);
}

// A column as the capture reads it (qualifier "live." or empty): a float as a
// double, a timestamp as its seconds, a text as the bytes of its own
// character set.
QByteArray captureExpression(const Column& column, const QByteArray& qualifier = {}) {
    const QByteArray name = qualifier + nameBytes(column.name);
    switch (column.form()) {
    case Column::Form::Float:
        return name + " + 0e0";
    case Column::Form::Timestamp:
        return "UNIX_TIMESTAMP(" + name + ')';
    case Column::Form::Text:
        return "CAST(" + name + " AS BINARY)";
    default:
        return name;
    }
}

// How a value of captureExpression's result is written: a number bare, any
// other value as its bytes.
Column::Form capturedForm(Column::Form form) {
    switch (form) {
    case Column::Form::Float:
    case Column::Form::Timestamp:
        return Column::Form::Number;
    case Column::Form::Text:
        return Column::Form::Bytes;
    default:
        return form;
    }
}

bool isNumberForm(Column::Form form) {
    return capturedForm(form) == Column::Form::Number;
}

// The key of a row: the values at the positions, told apart whatever they
// hold.
template <class Value>
QByteArray rowKey(const QList<int>& positions, const std::function<Value(int)>& value) {
    QByteArray key;
    for (int position : positions) {
        const Value v = value(position);
        key += v ? QByteArray::number(v->size()) + ':' + QByteArray(v->data(), v->size())
                 : QByteArray("N");
        key += ';';
    }
    return key;
}

// Rows written as INSERT statements of one head ("INSERT INTO x (...)
// VALUES\n"), a new statement once one has grown to kStatementSize.
class RowInserts {
public:
    RowInserts(QByteArray& out, QByteArray head)
        : m_out(out)
        , m_head(std::move(head)) {}
    // Ends the last statement.
    void finish() {
        if (m_start >= 0)
            m_out += ";\n";
        m_start = -1;
    }
    // Opens the next row; the caller writes its values.
    void open() {
        if (m_start < 0) {
            m_start = m_out.size();
            m_out += m_head;
        } else {
            m_out += ",\n";
        }
        m_out += '(';
    }
    void close() {
        m_out += ')';
        if (m_out.size() - m_start >= kStatementSize) {
            m_out += ";\n";
            m_start = -1;
        }
    }

private:
    QByteArray& m_out;
    QByteArray m_head;
    qsizetype m_start = -1;
};

// "a,b,c" of the columns' names.
QByteArray nameList(const Table& table, const QList<int>& columns,
                    const QByteArray& qualifier = {}) {
    QByteArray list;
    for (int i = 0; i < columns.size(); ++i) {
        if (i > 0)
            list += ',';
        list += qualifier + nameBytes(table.columns[columns[i]].name);
    }
    return list;
}

// "live.k1 = kept.k1 AND live.k2 = kept.k2" for the key's columns.
QByteArray keyJoin(const Table& table, const QList<int>& keyColumns) {
    QByteArray join;
    for (int index : keyColumns) {
        if (!join.isEmpty())
            join += " AND ";
        const QByteArray name = nameBytes(table.columns[index].name);
        join += "live." + name + " = kept." + name;
    }
    return join;
}

// The values of the current row, copied.
QList<std::optional<QByteArray>> copiedRow(const Rows& rows, qsizetype columns) {
    QList<std::optional<QByteArray>> values;
    for (int i = 0; i < columns; ++i) {
        const auto value = rows.value(i);
        values << (value ? std::optional<QByteArray>(value->toByteArray()) : std::nullopt);
    }
    return values;
}

QByteArray stageName(int stage) {
    return "`realmdesk_undo_" + QByteArray::number(stage) + '`';
}

const char kSkipped[] = "@realmdesk_skipped";
const char kSkippedKeys[] = "@realmdesk_skipped_keys";

} // namespace

Column::Form Column::form() const {
    static const QSet<QString> kNumbers = {
            QStringLiteral("tinyint"), QStringLiteral("smallint"), QStringLiteral("mediumint"),
            QStringLiteral("int"),     QStringLiteral("integer"),  QStringLiteral("bigint"),
            QStringLiteral("decimal"), QStringLiteral("numeric"),  QStringLiteral("double"),
            QStringLiteral("real"),    QStringLiteral("year"),     QStringLiteral("bool"),
            QStringLiteral("boolean")};
    if (kNumbers.contains(dataType))
        return Form::Number;
    if (dataType == u"float")
        return Form::Float;
    if (dataType == u"bit")
        return Form::Bits;
    if (dataType == u"timestamp")
        return Form::Timestamp;
    if (!charset.isEmpty() && charset != u"binary")
        return Form::Text;
    return Form::Bytes;
}

int Table::indexOf(const QString& column) const {
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString columnsStatement(const QString& table) {
    // A single-quoted text means a text in every sql_mode; a name that would
    // need escapes is compared as its bytes.
    QString name;
    if (table.contains(QLatin1Char('\\')) || table.contains(QLatin1Char('\'')))
        name = QStringLiteral("X'") + QString::fromLatin1(table.toUtf8().toHex().toUpper()) +
               QLatin1Char('\'');
    else
        name = QLatin1Char('\'') + table + QLatin1Char('\'');
    return QStringLiteral("select c.COLUMN_NAME, c.DATA_TYPE, c.CHARACTER_SET_NAME, c.COLUMN_KEY, "
                          "c.EXTRA, t.ENGINE from information_schema.COLUMNS c join "
                          "information_schema.TABLES t on t.TABLE_SCHEMA = c.TABLE_SCHEMA and "
                          "t.TABLE_NAME = c.TABLE_NAME where c.TABLE_SCHEMA = DATABASE() and "
                          "c.TABLE_NAME = ") +
           name + QStringLiteral(" order by c.ORDINAL_POSITION");
}

Column columnFromFields(const QStringList& fields) {
    Column column;
    column.name = fields.value(0);
    column.dataType = fields.value(1).toLower();
    column.charset = fields.value(2).toLower();
    column.primaryKey = fields.value(3).compare(QStringLiteral("PRI"), Qt::CaseInsensitive) == 0;
    const QString extra = fields.value(4).toUpper();
    column.generated = extra.contains(QStringLiteral("GENERATED")) || extra == u"VIRTUAL" ||
                       extra == u"PERSISTENT" || extra == u"STORED";
    return column;
}

Table tableFromFields(const QString& name, const QList<QStringList>& rows) {
    Table table{name, {}, {}};
    for (const QStringList& fields : rows) {
        table.columns << columnFromFields(fields);
        table.engine = fields.value(5);
    }
    return table;
}

Target Target::deleted(const QString& table, const QString& condition) {
    Target target;
    target.kind = Kind::Deleted;
    target.table = table;
    target.condition = condition;
    return target;
}

Target Target::updated(const QString& table, const QString& condition, const QStringList& columns) {
    Target target;
    target.kind = Kind::Updated;
    target.table = table;
    target.condition = condition;
    target.columns = columns;
    return target;
}

Target Target::rewritten(const QString& table, const QString& keyColumn, const QString& keyValue) {
    Target target;
    target.kind = Kind::Rewritten;
    target.table = table;
    target.keyColumn = keyColumn;
    target.keyValue = keyValue;
    return target;
}

namespace {

// The key value of a rewritten target as a literal: the number bare, any
// other text quoted.
QByteArray keyLiteral(const QString& value) {
    const QByteArray bytes = value.toUtf8();
    if (isNumber(bytes))
        return bytes;
    QByteArray quoted;
    appendQuoted(quoted, bytes);
    return quoted;
}

// The condition of a rewritten target, its column qualified as given.
QByteArray rewrittenCondition(const Target& target, const QByteArray& qualifier = {}) {
    return qualifier + nameBytes(target.keyColumn) + " = " + keyLiteral(target.keyValue);
}

} // namespace

QString targetCondition(const Target& target) {
    if (target.kind == Target::Kind::Rewritten)
        return QString::fromUtf8(rewrittenCondition(target));
    return target.condition;
}

bool Table::hasPrimaryKey() const {
    for (const Column& column : columns) {
        if (column.primaryKey)
            return true;
    }
    return false;
}

bool Table::transactional() const {
    return engine.compare(QStringLiteral("InnoDB"), Qt::CaseInsensitive) == 0;
}

QList<int> capturedColumns(const Target& target, const Table& table) {
    QList<int> captured;
    for (int i = 0; i < table.columns.size(); ++i) {
        const Column& column = table.columns[i];
        if (column.generated)
            continue;
        if (target.kind == Target::Kind::Updated && !column.primaryKey &&
            !target.columns.contains(column.name, Qt::CaseInsensitive))
            continue;
        captured << i;
    }
    return captured;
}

namespace {

// "select <the captured columns> from <table>", as captureExpression reads
// them.
QByteArray captureSelect(const Table& table, const QList<int>& captured) {
    QByteArray select = "select ";
    for (int i = 0; i < captured.size(); ++i) {
        if (i > 0)
            select += ',';
        select += captureExpression(table.columns[captured[i]]);
    }
    return select + " from " + nameBytes(table.name);
}

} // namespace

QString captureStatement(const Target& target, const Table& table) {
    QByteArray statement = captureSelect(table, capturedColumns(target, table)) + " where " +
                           targetCondition(target).toUtf8();
    if (table.transactional())
        statement += " FOR UPDATE";
    return QString::fromUtf8(statement);
}

QStringList writtenStatements(const Target& target, const Table& table, Rows& captured) {
    const QList<int> columns = capturedColumns(target, table);
    const QList<int> key = keyPositions(table, columns);
    if (key.isEmpty() || captured.rowCount() == 0)
        return {};
    // The key compared as a number, or as its bytes: literals that read the
    // same in every sql_mode.
    QByteArray matched;
    for (int position : key) {
        const Column& column = table.columns[columns[position]];
        if (!matched.isEmpty())
            matched += ',';
        matched += isNumberForm(column.form()) ? captureExpression(column)
                                               : "CAST(" + nameBytes(column.name) + " AS BINARY)";
    }
    if (key.size() > 1)
        matched = '(' + matched + ')';
    const QByteArray head = captureSelect(table, columns) + " where " + matched + " in (";
    QStringList statements;
    QByteArray statement;
    for (int row = 0; row < captured.rowCount(); ++row) {
        captured.seek(row);
        statement += statement.isEmpty() ? head : QByteArray(",");
        if (key.size() > 1)
            statement += '(';
        for (int i = 0; i < key.size(); ++i) {
            if (i > 0)
                statement += ',';
            const auto value = captured.value(key[i]);
            const bool bare = isNumberForm(table.columns[columns[key[i]]].form()) && value &&
                              isNumber(*value);
            if (!value)
                statement += "NULL";
            else if (bare)
                statement += *value;
            else
                appendHex(statement, *value);
        }
        if (key.size() > 1)
            statement += ')';
        if (statement.size() >= kStatementSize || row + 1 == captured.rowCount()) {
            statements << QString::fromUtf8(statement + ')');
            statement.clear();
        }
    }
    return statements;
}

QByteArray literal(const Column& column, std::optional<QByteArrayView> value) {
    QByteArray out;
    appendLiteral(out, column, column.form(), value);
    return out;
}

QString shellQuoted(const QString& word) {
    static const QString kPlain = QStringLiteral("_@%+=:,./-");
    const bool plain = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || kPlain.contains(c);
    });
    if (plain)
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

ScriptBuilder::ScriptBuilder(ScriptInfo info)
    : m_info(std::move(info)) {}

void ScriptBuilder::add(const Target& target, const Table& table, Rows& rows) {
    Part part{target, table, capturedColumns(target, table), {}, {}, {}, false, 0};
    const int count = rows.rowCount();
    if (target.kind == Target::Kind::Updated) {
        m_summary << QStringLiteral("%1: %2 updated (%3)")
                             .arg(quotedName(table.name), rowsText(count),
                                  target.columns.join(QStringLiteral(", ")));
        for (int row = 0; row < count; ++row) {
            rows.seek(row);
            part.rows << copiedRow(rows, part.captured.size());
        }
        part.rowCount = count;
        m_rowCount += count;
        m_parts << part;
        return;
    }

    // The rows put back, each once: known by its primary key, or by all its
    // values in a table without one.
    QList<int> key = keyPositions(table, part.captured);
    if (key.isEmpty()) {
        for (int i = 0; i < part.captured.size(); ++i)
            key << i;
    }
    QSet<QByteArray>& inserted = m_insertedKeys[table.name.toLower()];
    const std::function<std::optional<QByteArrayView>(int)> value = [&rows](int i) {
        return rows.value(i);
    };
    const int stage = int(m_parts.size()) + 1;
    RowInserts inserts(part.stagedRows, "INSERT INTO " + stageName(stage) + " (" +
                                                nameList(table, part.captured) + ") VALUES\n");
    for (int row = 0; row < count; ++row) {
        rows.seek(row);
        const QByteArray keyBytes = rowKey(key, value);
        if (inserted.contains(keyBytes))
            continue;
        inserted.insert(keyBytes);
        ++part.rowCount;
        inserts.open();
        for (int i = 0; i < part.captured.size(); ++i) {
            if (i > 0)
                part.stagedRows += ',';
            const Column& column = table.columns[part.captured[i]];
            appendLiteral(part.stagedRows, column, column.form(), rows.value(i));
        }
        inserts.close();
    }
    inserts.finish();
    m_rowCount += part.rowCount;
    m_summary << QStringLiteral("%1: %2 %3")
                         .arg(quotedName(table.name), rowsText(part.rowCount),
                              target.kind == Target::Kind::Rewritten
                                      ? QStringLiteral("rewritten where ") + targetCondition(target)
                                      : QStringLiteral("deleted"));
    m_parts << part;
}

void ScriptBuilder::addWritten(int target, Rows& rows) {
    Part& part = m_parts[target];
    part.writtenRead = true;
    const QList<int> key = keyPositions(part.table, part.captured);
    const std::function<std::optional<QByteArrayView>(int)> value = [&rows](int i) {
        return rows.value(i);
    };
    for (int row = 0; row < rows.rowCount(); ++row) {
        rows.seek(row);
        part.written.insert(rowKey(key, value), copiedRow(rows, part.captured.size()));
    }
}

namespace {

// The guard of a written column: its value now, as the capture reads it (a
// secret through its SHA-256 digest), is the one the operation wrote.
QByteArray guardExpression(const Column& column, const QByteArray& qualifier) {
    const QByteArray now = captureExpression(column, qualifier);
    return journal::isSecretColumn(column.name) ? "SHA2(" + now + ", 256)" : now;
}

QByteArray writtenName(int written) {
    return "`realmdesk_written_" + QByteArray::number(written) + '`';
}

} // namespace

QByteArray ScriptBuilder::updateStage(const Part& part, int stage) const {
    const QList<int> key = keyPositions(part.table, part.captured);
    QList<int> written; // positions of the written columns
    for (int i = 0; i < part.captured.size(); ++i) {
        if (!key.contains(i))
            written << i;
    }
    QByteArray out = "CREATE TEMPORARY TABLE " + stageName(stage) + " SELECT " +
                     nameList(part.table, part.captured);
    QByteArray columns = nameList(part.table, part.captured);
    if (part.writtenRead) {
        for (int w = 0; w < written.size(); ++w) {
            out += ", " + guardExpression(part.table.columns[part.captured[written[w]]], {}) +
                   " AS " + writtenName(w + 1);
            columns += ',' + writtenName(w + 1);
        }
    }
    out += " FROM " + nameBytes(part.table.name) + " WHERE 0;\n";
    RowInserts inserts(out, "INSERT INTO " + stageName(stage) + " (" + columns + ") VALUES\n");
    for (const QList<Value>& row : part.rows) {
        inserts.open();
        for (int i = 0; i < part.captured.size(); ++i) {
            if (i > 0)
                out += ',';
            const Column& column = part.table.columns[part.captured[i]];
            appendLiteral(out, column, column.form(), row[i]);
        }
        if (part.writtenRead) {
            const std::function<Value(int)> value = [&row](int i) {
                return row[i];
            };
            const QList<Value> now = part.written.value(rowKey(key, value));
            for (int position : written) {
                const Column& column = part.table.columns[part.captured[position]];
                const Value v = now.isEmpty() ? Value() : now[position];
                out += ',';
                if (journal::isSecretColumn(column.name) && v)
                    out += '\'' + QCryptographicHash::hash(*v, QCryptographicHash::Sha256).toHex() +
                           '\'';
                else
                    appendLiteral(out, column, capturedForm(column.form()), v);
            }
        }
        inserts.close();
    }
    inserts.finish();
    return out;
}

QByteArray ScriptBuilder::stageStatements(const Part& part, int stage) const {
    if (part.rowCount == 0)
        return {};
    if (part.target.kind == Target::Kind::Updated)
        return updateStage(part, stage);
    return "CREATE TEMPORARY TABLE " + stageName(stage) + " SELECT " +
           nameList(part.table, part.captured) + " FROM " + nameBytes(part.table.name) +
           " WHERE 0;\n" + part.stagedRows;
}

QByteArray ScriptBuilder::restoreStatements(const Part& part, int stage) const {
    // Rows written where there were none still go.
    if (part.rowCount == 0 && part.target.kind == Target::Kind::Rewritten)
        return "DELETE FROM " + nameBytes(part.table.name) + " WHERE " +
               rewrittenCondition(part.target) + ";\n";
    if (part.rowCount == 0)
        return {};
    const QByteArray table = nameBytes(part.table.name);
    const QByteArray staged = stageName(stage) + " AS kept";
    const QList<int> keyPositionList = keyPositions(part.table, part.captured);
    QList<int> key;
    for (int position : keyPositionList)
        key << part.captured[position];
    const QByteArray columns = nameList(part.table, part.captured);
    const QByteArray keptColumns = nameList(part.table, part.captured, "kept.");

    if (part.target.kind == Target::Kind::Deleted)
        return "INSERT INTO " + table + " (" + columns + ") SELECT " + keptColumns + " FROM " +
               staged + ";\n";

    if (part.target.kind == Target::Kind::Rewritten) {
        if (key.isEmpty())
            return "DELETE FROM " + table + " WHERE " + rewrittenCondition(part.target) +
                   ";\nINSERT INTO " + table + " (" + columns + ") SELECT " + keptColumns +
                   " FROM " + staged + ";\n";
        // No row is ever missing on the way: the rows that are not there are
        // added, those there get their old values, and only then do the rows
        // the operation added go.
        const QByteArray join = keyJoin(part.table, key);
        QByteArray out = "INSERT INTO " + table + " (" + columns + ") SELECT " + keptColumns +
                         " FROM " + staged + " WHERE NOT EXISTS (SELECT 1 FROM " + table +
                         " AS live WHERE " + join + ");\n";
        QByteArray assignments;
        for (int index : part.captured) {
            if (key.contains(index))
                continue;
            const QByteArray name = nameBytes(part.table.columns[index].name);
            assignments +=
                    (assignments.isEmpty() ? "" : ", ") + ("live." + name) + " = kept." + name;
        }
        if (!assignments.isEmpty())
            out += "UPDATE " + table + " AS live JOIN " + staged + " ON " + join + " SET " +
                   assignments + ";\n";
        out += "DELETE live FROM " + table + " AS live LEFT JOIN " + staged + " ON " + join +
               " WHERE " + rewrittenCondition(part.target, "live.") + " AND kept." +
               nameBytes(part.table.columns[key.first()].name) + " IS NULL;\n";
        return out;
    }

    const QByteArray join = keyJoin(part.table, key);
    QByteArray out;
    QByteArray assignments;
    QByteArray guards;
    int written = 0;
    for (int index : part.captured) {
        if (key.contains(index))
            continue;
        const Column& column = part.table.columns[index];
        const QByteArray name = "live." + nameBytes(column.name);
        const QByteArray old = "kept." + nameBytes(column.name);
        if (!assignments.isEmpty())
            assignments += ", ";
        if (!part.writtenRead) {
            assignments += name + " = " + old;
            continue;
        }
        const QByteArray guard =
                guardExpression(column, "live.") + " <=> kept." + writtenName(++written);
        guards += (guards.isEmpty() ? "" : " AND ") + guard;
        assignments += name + " = IF(" + guard + ", " + old + ", " + name + ')';
    }
    if (part.writtenRead) {
        // The rows where a guard does not hold, or that are gone: counted,
        // with their keys, for the report at the end.
        QByteArray tableLabel;
        appendQuoted(tableLabel, table + ": ");
        QByteArray keys;
        for (int index : key) {
            const Column& column = part.table.columns[index];
            QByteArray label;
            appendQuoted(label, nameBytes(column.name) + " = ");
            const QByteArray value = "kept." + nameBytes(column.name);
            keys += (keys.isEmpty() ? "" : ", ") + ("CONCAT(" + label + ", ") +
                    (column.form() == Column::Form::Number
                             ? value
                             : "CONVERT(QUOTE(" + value + ") USING utf8mb4)") +
                    ')';
        }
        out += QByteArray("SELECT ") + kSkipped + " + COUNT(*), CONCAT_WS('; ', " + kSkippedKeys +
               ", GROUP_CONCAT(CONCAT(" + tableLabel + ", CONCAT_WS(', ', " + keys +
               ")) SEPARATOR '; ')) INTO " + kSkipped + ", " + kSkippedKeys + " FROM " + staged +
               " LEFT JOIN " + table + " AS live ON " + join + " WHERE live." +
               nameBytes(part.table.columns[key.first()].name) + " IS NULL OR NOT (" + guards +
               ");\n";
    }
    out += "UPDATE " + table + " AS live JOIN " + staged + " ON " + join + " SET " + assignments +
           ";\n";
    return out;
}

QByteArray ScriptBuilder::finish(const QString& path) const {
    return pieces(path).join();
}

QByteArrayList ScriptBuilder::pieces(const QString& path) const {
    const bool guarded = std::any_of(m_parts.begin(), m_parts.end(), [](const Part& part) {
        return part.target.kind == Target::Kind::Updated && part.writtenRead && part.rowCount > 0;
    });
    QByteArray out;
    appendComment(out, QStringLiteral("realmdesk undo script"));
    appendComment(out, QStringLiteral("Operation: ") + m_info.operation);
    appendComment(out, QStringLiteral("Made: ") + journal::timeText(m_info.time));
    appendComment(
            out, QStringLiteral("Server: %1@%2:%3").arg(m_info.user, m_info.host).arg(m_info.port));
    appendComment(out, QStringLiteral("Database: ") + m_info.database);
    appendComment(out, QStringLiteral("It undoes:"));
    for (const QString& statement : m_info.statements) {
        if (journal::changesData(statement))
            appendComment(out, journal::masked(statement, m_info.backslashEscapes),
                          QStringLiteral("  "));
    }
    appendComment(out, QStringLiteral("Rows it puts back:"));
    for (const QString& line : m_summary)
        appendComment(out, line, QStringLiteral("  "));
    appendComment(out, QStringLiteral("Load it with the mariadb client:"));
    appendComment(out, QStringLiteral("  mariadb -h %1 -P %2 -u %3 -p %4 < %5")
                               .arg(shellQuoted(m_info.host))
                               .arg(m_info.port)
                               .arg(shellQuoted(m_info.user), shellQuoted(m_info.database),
                                    shellQuoted(path)));
    appendComment(
            out,
            QStringLiteral(
                    "It changes that database only. The rows are staged in temporary tables\n"
                    "first; then the tables change in one transaction, committed after the last\n"
                    "change (MyISAM tables change at once, after the others). A column is put\n"
                    "back only where it still holds what the operation wrote; the rows where it\n"
                    "does not are left as they are and shown at the end. A whole script ends\n"
                    "with the line \"-- end of undo script\": without it, it was cut off."));
    out += "USE " + nameBytes(m_info.database) + ";\n";
    out += "SET NAMES utf8mb4;\n"
           "SET @realmdesk_sql_mode = @@SESSION.sql_mode, @realmdesk_time_zone = "
           "@@SESSION.time_zone, @realmdesk_foreign_key_checks = @@SESSION.foreign_key_checks, "
           "@realmdesk_group_concat_max_len = @@SESSION.group_concat_max_len;\n"
           "SET SESSION sql_mode = 'STRICT_ALL_TABLES,NO_AUTO_VALUE_ON_ZERO', SESSION time_zone = "
           "'+00:00', SESSION foreign_key_checks = 0, SESSION group_concat_max_len = 1048576;\n";
    if (guarded)
        out += QByteArray("SET ") + kSkipped + " = 0, " + kSkippedKeys + " = NULL;\n";
    QByteArrayList pieces{out};
    QByteArray stages;
    for (int i = 0; i < m_parts.size(); ++i) {
        const QByteArray staged = stageStatements(m_parts[i], i + 1);
        if (!staged.isEmpty()) {
            pieces << staged;
            stages += (stages.isEmpty() ? "" : ", ") + stageName(i + 1);
        }
    }
    // Undone in the opposite order; the tables that wait for COMMIT first.
    QList<int> order;
    for (int i = int(m_parts.size()) - 1; i >= 0; --i)
        order << i;
    std::stable_partition(order.begin(), order.end(),
                          [this](int i) { return m_parts[i].table.transactional(); });
    QByteArray apply = "START TRANSACTION;\n";
    for (int i : order)
        apply += restoreStatements(m_parts[i], i + 1);
    if (guarded)
        apply += QByteArray("SELECT ") + kSkipped + " AS `rows left as they are`, " + kSkippedKeys +
                 " AS `their keys`;\n";
    apply += "COMMIT;\n"
             "SET SESSION sql_mode = @realmdesk_sql_mode, SESSION time_zone = "
             "@realmdesk_time_zone, SESSION foreign_key_checks = @realmdesk_foreign_key_checks, "
             "SESSION group_concat_max_len = @realmdesk_group_concat_max_len;\n";
    if (!stages.isEmpty())
        apply += "DROP TEMPORARY TABLE " + stages + ";\n";
    apply += kEndLine;
    pieces << apply;
    return pieces;
}

} // namespace undosql

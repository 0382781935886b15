#include "journal/UndoStatements.h"

#include "common/QueryConventions.h"
#include "journal/JournalText.h"

#include <algorithm>

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

// The primary key's columns among the captured ones.
QList<int> keyColumns(const Table& table, const QList<int>& captured) {
    QList<int> key;
    for (int index : captured) {
        if (table.columns[index].primaryKey)
            key << index;
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
    return QStringLiteral("select COLUMN_NAME, DATA_TYPE, CHARACTER_SET_NAME, COLUMN_KEY, EXTRA "
                          "from information_schema.COLUMNS where TABLE_SCHEMA = DATABASE() and "
                          "TABLE_NAME = ") +
           name + QStringLiteral(" order by ORDINAL_POSITION");
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
QString keyLiteral(const QString& value) {
    const QByteArray bytes = value.toUtf8();
    if (isNumber(bytes))
        return value;
    QByteArray quoted;
    appendQuoted(quoted, bytes);
    return QString::fromUtf8(quoted);
}

} // namespace

QString targetCondition(const Target& target) {
    if (target.kind == Target::Kind::Rewritten)
        return quotedName(target.keyColumn) + QStringLiteral(" = ") + keyLiteral(target.keyValue);
    return target.condition;
}

bool Table::hasPrimaryKey() const {
    for (const Column& column : columns) {
        if (column.primaryKey)
            return true;
    }
    return false;
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

QString captureStatement(const Target& target, const Table& table) {
    QStringList expressions;
    for (int index : capturedColumns(target, table)) {
        const Column& column = table.columns[index];
        const QString name = quotedName(column.name);
        switch (column.form()) {
        case Column::Form::Float:
            expressions << name + QStringLiteral(" + 0e0");
            break;
        case Column::Form::Timestamp:
            expressions << QStringLiteral("UNIX_TIMESTAMP(") + name + QLatin1Char(')');
            break;
        case Column::Form::Text:
            expressions << QStringLiteral("CAST(") + name + QStringLiteral(" AS BINARY)");
            break;
        default:
            expressions << name;
        }
    }
    return QStringLiteral("select ") + expressions.join(QLatin1Char(',')) +
           QStringLiteral(" from ") + quotedName(target.table) + QStringLiteral(" where ") +
           targetCondition(target);
}

QByteArray literal(const Column& column, std::optional<QByteArrayView> value) {
    QByteArray out;
    appendLiteral(out, column, column.form(), value);
    return out;
}

ScriptBuilder::ScriptBuilder(ScriptInfo info)
    : m_info(std::move(info)) {}

void ScriptBuilder::add(const Target& target, const Table& table, Rows& rows) {
    const QList<int> captured = capturedColumns(target, table);
    QList<Column::Form> forms;
    for (int index : captured)
        forms << table.columns[index].form();
    const QByteArray tableName = nameBytes(table.name);
    const int count = rows.rowCount();
    QByteArray part;

    if (target.kind == Target::Kind::Updated) {
        m_summary << QStringLiteral("%1: %2 updated (%3)")
                             .arg(quotedName(table.name), rowsText(count),
                                  target.columns.join(QStringLiteral(", ")));
        m_rowCount += count;
        const QList<int> key = keyColumns(table, captured);
        if (key.isEmpty()) {
            // Nothing tells the rows apart (UndoScope refuses such a change).
            part += "-- " + tableName + ": no primary key, the rows cannot be found\n";
            m_parts << part;
            return;
        }
        for (int row = 0; row < count; ++row) {
            rows.seek(row);
            QByteArray assignments;
            for (int i = 0; i < captured.size(); ++i) {
                if (key.contains(captured[i]))
                    continue;
                const Column& column = table.columns[captured[i]];
                if (!assignments.isEmpty())
                    assignments += ", ";
                assignments += nameBytes(column.name) + " = ";
                appendLiteral(assignments, column, forms[i], rows.value(i));
            }
            if (assignments.isEmpty())
                continue;
            part += "UPDATE " + tableName + " SET " + assignments + " WHERE ";
            bool first = true;
            for (int i = 0; i < captured.size(); ++i) {
                if (!key.contains(captured[i]))
                    continue;
                if (!first)
                    part += " AND ";
                first = false;
                part += nameBytes(table.columns[captured[i]].name) + " = ";
                appendLiteral(part, table.columns[captured[i]], forms[i], rows.value(i));
            }
            part += ";\n";
        }
        m_parts << part;
        return;
    }

    // The rows put back, each once: known by its primary key, or by all its
    // values in a table without one.
    QList<int> key = keyColumns(table, captured);
    if (key.isEmpty()) {
        for (int i = 0; i < captured.size(); ++i)
            key << captured[i];
    }
    QSet<QByteArray>& inserted = m_insertedKeys[table.name.toLower()];
    QList<int> fresh;
    for (int row = 0; row < count; ++row) {
        rows.seek(row);
        QByteArray rowKey;
        for (int i = 0; i < captured.size(); ++i) {
            if (!key.contains(captured[i]))
                continue;
            const auto value = rows.value(i);
            rowKey += value ? QByteArray::number(value->size()) + ':' + value->toByteArray()
                            : QByteArray("N");
            rowKey += ';';
        }
        if (!inserted.contains(rowKey)) {
            inserted.insert(rowKey);
            fresh << row;
        }
    }
    m_rowCount += int(fresh.size());

    m_summary << QStringLiteral("%1: %2 %3")
                         .arg(quotedName(table.name), rowsText(int(fresh.size())),
                              target.kind == Target::Kind::Rewritten
                                      ? QStringLiteral("rewritten where ") + targetCondition(target)
                                      : QStringLiteral("deleted"));
    if (target.kind == Target::Kind::Rewritten)
        part += "DELETE FROM " + tableName + " WHERE " + targetCondition(target).toUtf8() + ";\n";
    QByteArray head = "INSERT INTO " + tableName + " (";
    for (int i = 0; i < captured.size(); ++i) {
        if (i > 0)
            head += ',';
        head += nameBytes(table.columns[captured[i]].name);
    }
    head += ") VALUES\n";
    qsizetype statementStart = -1;
    for (int row : fresh) {
        rows.seek(row);
        if (statementStart < 0) {
            statementStart = part.size();
            part += head;
        } else {
            part += ",\n";
        }
        part += '(';
        for (int i = 0; i < captured.size(); ++i) {
            if (i > 0)
                part += ',';
            appendLiteral(part, table.columns[captured[i]], forms[i], rows.value(i));
        }
        part += ')';
        if (part.size() - statementStart >= kStatementSize) {
            part += ";\n";
            statementStart = -1;
        }
    }
    if (statementStart >= 0)
        part += ";\n";
    m_parts << part;
}

QByteArray ScriptBuilder::finish() const {
    return pieces().join();
}

QByteArrayList ScriptBuilder::pieces() const {
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
    appendComment(out, QStringLiteral("Load it into that database with the mariadb client:"));
    appendComment(out, QStringLiteral("  mariadb -h %1 -P %2 -u %3 -p %4 < <this file>")
                               .arg(m_info.host)
                               .arg(m_info.port)
                               .arg(m_info.user, m_info.database));
    out += "SET NAMES utf8mb4;\n"
           "SET @realmdesk_sql_mode = @@SESSION.sql_mode, @realmdesk_time_zone = "
           "@@SESSION.time_zone, @realmdesk_foreign_key_checks = @@SESSION.foreign_key_checks;\n"
           "SET SESSION sql_mode = 'NO_AUTO_VALUE_ON_ZERO', SESSION time_zone = '+00:00', "
           "SESSION foreign_key_checks = 0;\n"
           "START TRANSACTION;\n";
    QByteArrayList pieces{out};
    for (auto part = m_parts.crbegin(); part != m_parts.crend(); ++part)
        pieces << *part;
    pieces << "COMMIT;\n"
              "SET SESSION sql_mode = @realmdesk_sql_mode, SESSION time_zone = "
              "@realmdesk_time_zone, "
              "SESSION foreign_key_checks = @realmdesk_foreign_key_checks;\n";
    return pieces;
}

} // namespace undosql

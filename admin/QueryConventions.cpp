#include "QueryConventions.h"

#include "DialogService.h"
#include "MessageTexts.h"
#include "StringGrid.h"
#include "uMysqlClient.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

// ---- Text conventions -----------------------------------------------------

QString displayDecode(const char* bytes, size_t length) {
    if (bytes == nullptr || length == 0)
        return {};
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    QString text(qsizetype(length), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype written = 0;
    size_t i = 0;
    while (i < length) {
        const unsigned char lead = data[i];
        char32_t code;
        if (lead < 0x80) {
            code = lead;
            i += 1;
        } else if ((lead & 0x20) == 0) {
            if (i + 1 >= length || (data[i + 1] & 0xC0) != 0x80)
                return {};
            code = (char32_t(lead & 0x1F) << 6) | (data[i + 1] & 0x3F);
            i += 2;
        } else {
            if (i + 2 >= length || (data[i + 1] & 0xC0) != 0x80 || (data[i + 2] & 0xC0) != 0x80)
                return {};
            code = (char32_t(lead & 0x0F) << 12) | (char32_t(data[i + 1] & 0x3F) << 6) |
                   (data[i + 2] & 0x3F);
            i += 3;
        }
        // A lone surrogate has no character of its own.
        if (code >= 0xD800 && code <= 0xDFFF)
            code = u'?';
        out[written++] = char16_t(code);
    }
    text.truncate(written);
    return text;
}

QString escapeQuoted(const QString& text, Quoting quoting) {
    QString escaped;
    escaped.reserve(text.size() + 8);
    if (quoting.noBackslashEscapes) {
        for (QChar c : text) {
            if (c == u'"')
                escaped += c;
            escaped += c;
        }
        return escaped;
    }
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QLatin1String("\\\\");
            break;
        case u'"':
            escaped += QLatin1String("\\\"");
            break;
        case u'\'':
            escaped += QLatin1String("\\'");
            break;
        case 0:
            escaped += QLatin1String("\\0");
            break;
        case u'\r':
            escaped += QLatin1String("\\r");
            break;
        case u'\n':
            escaped += QLatin1String("\\n");
            break;
        case 0x1A:
            escaped += QLatin1String("\\Z");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString quotedText(const QString& text, Quoting quoting) {
    return QLatin1Char('"') + escapeQuoted(text, quoting) + QLatin1Char('"');
}

QString escapeLikeQuoted(const QString& text, Quoting quoting) {
    QString pattern = text;
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return escapeQuoted(pattern, quoting);
}

QString likeAnywhere(const QString& text, Quoting quoting) {
    QString pattern =
            QStringLiteral("\"%") + escapeLikeQuoted(text, quoting) + QStringLiteral("%\"");
    if (quoting.noBackslashEscapes)
        pattern += QStringLiteral(" escape \"\\\"");
    return pattern;
}

QString quotedName(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('`'), QLatin1String("``"));
    return QLatin1Char('`') + quoted + QLatin1Char('`');
}

QString qualifierName(const QString& name) {
    const auto plain = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'_' || c == u'$';
    };
    bool isPlain = !name.isEmpty() && !(name[0] >= u'0' && name[0] <= u'9');
    for (QChar c : name)
        isPlain = isPlain && plain(c);
    return isPlain ? name : quotedName(name);
}

QString bareNumber(const QString& text) {
    for (QChar c : text) {
        if ((c < u'0' || c > u'9') && c != u' ')
            return {};
    }
    return text;
}

QString firstDigit(const QString& text) {
    if (text.isEmpty() || text[0] < u'0' || text[0] > u'9')
        return {};
    return text.left(1);
}

QString sessionSetUpStatement() {
    // The mode is a comma-separated list; with a comma on both ends every
    // name can be taken out with its own commas around it.
    static const char* const kRemoved[] = {"ANSI_QUOTES", "NO_BACKSLASH_ESCAPES",
                                           // These combinations include ANSI_QUOTES.
                                           "ANSI", "DB2", "MAXDB", "MSSQL", "ORACLE", "POSTGRESQL"};
    QString list = QStringLiteral("CONCAT(',', @@SESSION.sql_mode, ',')");
    for (const char* name : kRemoved)
        list = QStringLiteral("REPLACE(%1, ',%2,', ',')").arg(list, QLatin1String(name));
    return QStringLiteral("SET SESSION sql_mode = TRIM(BOTH ',' FROM %1)").arg(list);
}

QString trimControls(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

QString upperLatin(QString text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return text;
}

QString lowerLatin(QString text) {
    for (QChar& c : text) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return text;
}

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(QStringLiteral("'%1' is not a valid integer value")
                                 .arg(text)
                                 .toUtf8()
                                 .toStdString()) {}

int toInteger(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i >= text.size())
        throw ConversionError(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            throw ConversionError(text);
        value = value * 10 + (c.unicode() - u'0');
        if (value > (long long)std::numeric_limits<int>::max() + 1)
            throw ConversionError(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throw ConversionError(text);
    return int(value);
}

ResultCells::ResultCells(std::shared_ptr<const mysql::TRowList> rows, CellText cellText)
    : m_rows(std::move(rows))
    , m_cellText(std::move(cellText)) {}

int ResultCells::rowCount() const {
    // A grid counts its rows in an int, the header row among them.
    constexpr uint64_t most = std::numeric_limits<int>::max() - 1;
    return m_rows ? int(std::min(m_rows->RowCount(), most)) : 0;
}

int ResultCells::columnCount() const {
    return m_rows ? m_rows->FieldCount() : 0;
}

QString ResultCells::text(int column, int row) const {
    size_t length = 0;
    const char* bytes = m_rows->Value(uint64_t(row), column, &length);
    QString field = displayDecode(bytes, length);
    return m_cellText ? m_cellText(column, field) : field;
}

// ---- Busy panel -------------------------------------------------------------

int centredOffset(int outer, int inner) {
    return int(std::nearbyint((outer - inner) / 2.0)); // rounds halves to even
}

BusyScope::BusyScope(BusyHost* host, StringGrid* listGrid)
    : m_host(host)
    , m_grid(listGrid) {
    if (m_host)
        m_host->beginBusy();
}

BusyScope::~BusyScope() {
    if (m_host)
        m_host->endBusy(m_grid);
}

// ---- The shared query context ----------------------------------------------

QueryContext::QueryContext(DialogService& dialogs)
    : m_dialogs(dialogs) {}

QueryContext::~QueryContext() {
    m_result.reset();
    m_session.reset();
}

void QueryContext::createSession() {
    m_session = std::make_unique<mysql::TMysqlClient>();
    m_session->SetInitStatements({sessionSetUpStatement().toStdString()});
}

mysql::TMysqlClient& QueryContext::session() {
    if (!m_session)
        createSession();
    return *m_session;
}

void QueryContext::setDatabaseNameSource(std::function<QString(Database)> source) {
    m_databaseName = std::move(source);
}

QString QueryContext::databaseName(Database database) const {
    return m_databaseName ? m_databaseName(database) : QString();
}

bool QueryContext::switchDatabase(Database database, UseForm form, SetNames setNames) {
    QString use = QStringLiteral("use ") + quotedName(databaseName(database));
    if (form == UseForm::WithSemicolon)
        use += QLatin1Char(';');
    if (!run(use))
        return false;
    m_database = databaseName(database);
    m_databaseThread = session().ThreadId();
    if (setNames == SetNames::Send)
        run(QStringLiteral("SET NAMES utf8;"));
    return true;
}

Quoting QueryContext::quoting() const {
    return {m_session && m_session->NoBackslashEscapes()};
}

bool QueryContext::run(const QString& statement) {
    const bool journaled = m_journal.active() && journal::changesData(statement);
    const QDateTime sentAt = journaled ? QDateTime::currentDateTime() : QDateTime();
    const QByteArray bytes = statement.toUtf8();
    bool success = false;
    std::unique_ptr<mysql::TMysqlResult> result = session().Query(
            std::string_view(bytes.constData(), size_t(bytes.size())), true, success);
    // The new result replaces (and so releases) the previous one.
    m_result = std::move(result);
    m_success = success;
    if (journaled)
        journalStatement(statement, sentAt);
    return m_success;
}

QString QueryContext::lastError() const {
    if (!m_session)
        return {};
    return QStringLiteral("Ошибка %1: %2")
            .arg(m_session->ErrorCode())
            .arg(QString::fromUtf8(m_session->ErrorText()));
}

quint64 QueryContext::affectedRows() const {
    return m_session ? m_session->AffectedRows() : 0;
}

bool QueryContext::runChange(const QString& statement) {
    if (run(statement))
        return true;
    m_dialogs.error(QString::fromUtf16(boxes::kChangeFailedCaption),
                    boxes::changeFailedText(lastError()));
    return false;
}

void QueryContext::setLog(std::function<void(const QString&)> log) {
    m_journal.setLog(std::move(log));
}

QString QueryContext::currentDatabase() const {
    if (!m_session || m_session->ThreadId() != m_databaseThread)
        return m_session ? QString::fromStdString(m_session->Database()) : QString();
    return m_database;
}

void QueryContext::journalStatement(const QString& statement, const QDateTime& sentAt) {
    const mysql::TMysqlClient& client = session();
    journal::Entry entry;
    entry.time = sentAt;
    entry.user = QString::fromStdString(client.User());
    entry.host = QString::fromStdString(client.Host());
    entry.port = client.Port();
    entry.database = currentDatabase();
    entry.statement = statement;
    entry.backslashEscapes = !quoting().noBackslashEscapes;
    entry.ok = m_success;
    if (m_success) {
        entry.affectedRows = client.AffectedRows();
    } else {
        entry.errorCode = client.ErrorCode();
        entry.errorText = QString::fromStdString(client.ErrorText());
    }
    entry.undoScript = m_undoScript;
    m_journal.append(entry);
}

std::unique_ptr<mysql::TMysqlResult> QueryContext::read(const QString& statement, QString* error) {
    const QByteArray bytes = statement.toUtf8();
    bool success = false;
    std::unique_ptr<mysql::TMysqlResult> result = session().Query(
            std::string_view(bytes.constData(), size_t(bytes.size())), true, success);
    if (success && result)
        return result;
    *error = success ? QStringLiteral("нет строк в ответе сервера") : lastError();
    return nullptr;
}

void QueryContext::releaseResult() {
    m_result.reset();
}

int QueryContext::rowCount() const {
    return m_result ? int(uint32_t(m_result->RowCount())) : 0;
}

int QueryContext::fieldCount() const {
    return m_result ? m_result->FieldCount() : 0;
}

QString QueryContext::value(int row, int column) const {
    if (!m_result)
        return {};
    m_result->Seek(row);
    return displayDecode(m_result->Value(column), m_result->ValueLength(column));
}

std::shared_ptr<ResultCells> QueryContext::resultCells(ResultCells::CellText cellText) const {
    return std::make_shared<ResultCells>(m_result ? m_result->Rows() : nullptr,
                                         std::move(cellText));
}

QByteArray QueryContext::rawValue(int row, int column) const {
    if (!m_result)
        return {};
    m_result->Seek(row);
    return QByteArray(m_result->Value(column), qsizetype(m_result->ValueLength(column)));
}

void QueryContext::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        m_dialogs.error(applicationTitle(), QString::fromUtf8(error.what()));
    }
}

// ---- Grids ------------------------------------------------------------------

void prepareGridRows(StringGrid& grid, int resultRows) {
    if (resultRows < 1) {
        grid.setRowCount(2);
        grid.clearRow(1);
    } else {
        grid.setRowCount(resultRows + 1);
    }
}

void setGridHeader(StringGrid& grid, const QStringList& titles, const QList<int>& widths) {
    for (int col = 0; col < titles.size(); ++col)
        grid.setCell(col, 0, titles[col]);
    for (int col = 0; col < widths.size(); ++col) {
        if (widths[col] > 0)
            grid.setColWidth(col, widths[col]);
    }
}

void fillGridFromResult(const QueryContext& context, StringGrid& grid, int firstColumn) {
    grid.setDataCells(context.resultCells(), firstColumn);
}

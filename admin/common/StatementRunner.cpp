#include "common/StatementRunner.h"

#include "DialogService.h"
#include "common/DisplayText.h"
#include "common/MessageTexts.h"
#include "common/SqlQuoting.h"
#include "journal/JournalText.h"
#include "schema/Schemas.h"
#include "uMysqlClient.h"

#include <QDateTime>

#include <string_view>

QueryContext::QueryContext(DialogService& dialogs)
    : m_dialogs(dialogs)
    , m_schemas(std::make_unique<schema::Schemas>(*this)) {}

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
    // The mode the statement was written for: a lost connection resets the
    // session's status before the entry is written.
    const bool backslashEscapes = !quoting().noBackslashEscapes;
    const QByteArray bytes = statement.toUtf8();
    bool success = false;
    std::unique_ptr<mysql::TMysqlResult> result = session().Query(
            std::string_view(bytes.constData(), size_t(bytes.size())), true, success);
    // The new result replaces (and so releases) the previous one.
    m_result = std::move(result);
    m_success = success;
    if (journaled)
        journalStatement(statement, sentAt, backslashEscapes);
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

void QueryContext::journalStatement(const QString& statement, const QDateTime& sentAt,
                                    bool backslashEscapes) {
    const mysql::TMysqlClient& client = session();
    journal::Entry entry;
    entry.time = sentAt;
    entry.user = QString::fromStdString(client.User());
    entry.host = QString::fromStdString(client.Host());
    entry.port = client.Port();
    entry.database = currentDatabase();
    entry.statement = statement;
    entry.backslashEscapes = backslashEscapes;
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

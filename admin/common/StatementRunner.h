#pragma once

#include "common/BusyScope.h"
#include "common/GridFill.h"
#include "common/SqlQuoting.h"
#include "journal/ChangeJournal.h"

#include <QString>

#include <functional>
#include <memory>

class DialogService;

namespace mysql {
class TMysqlClient;
class TMysqlResult;
} // namespace mysql

namespace schema {
class Schemas;
} // namespace schema

// The four databases of the connection page, by role.
enum class Database { Realmd, Mangos, Characters, Scriptdev2 };

// The one client session, the current result and the success flag that every
// page uses, with the database switch prologue and the result walk.
class QueryContext {
public:
    enum class UseForm { WithSemicolon, WithoutSemicolon };
    enum class SetNames { Send, Skip };

    explicit QueryContext(DialogService& dialogs);
    // Frees the current result first, then the session (closing it).
    ~QueryContext();
    QueryContext(const QueryContext&) = delete;
    QueryContext& operator=(const QueryContext&) = delete;

    // Creates the client session (not connected yet), set up to run
    // sessionSetUpStatement after every login.
    void createSession();
    mysql::TMysqlClient& session();
    bool hasSession() const { return m_session != nullptr; }

    DialogService& dialogs() { return m_dialogs; }
    // What is known of the assigned databases' schemas.
    schema::Schemas& schemas() { return *m_schemas; }
    BusyHost* busyHost() const { return m_busyHost; }
    void setBusyHost(BusyHost* host) { m_busyHost = host; }

    // The database names are the texts of the connection page's combos, read
    // at the moment of use.
    void setDatabaseNameSource(std::function<QString(Database)> source);
    QString databaseName(Database database) const;

    // The database switch prologue: "use `name`;" (the name as quotedName
    // writes it; or without the semicolon),
    // and, unless skipped, "SET NAMES utf8;" whose outcome is not tested.
    // Returns whether the "use" went through.
    bool switchDatabase(Database database, UseForm form = UseForm::WithSemicolon,
                        SetNames setNames = SetNames::Send);

    // How text values are written for the session as it stands now.
    Quoting quoting() const;

    // Sends one statement (as UTF-8) through the session, buffered. Its result
    // replaces the current result (none for a statement without rows); the
    // success flag tells whether it went through. Returns the success flag.
    bool run(const QString& statement);
    bool success() const { return m_success; }
    // Why the last statement failed: the server's error number and message
    // (or the client library's, for a lost connection), as "Ошибка N: text".
    QString lastError() const;
    // The rows the last change statement touched.
    quint64 affectedRows() const;

    // Sends a statement that changes data. When it does not go through (the
    // server rejects it, or the connection fails), the error box shows the
    // server's message and false is returned: the caller then leaves its page
    // as it was.
    bool runChange(const QString& statement);

    mysql::TMysqlResult* result() const { return m_result.get(); }
    void releaseResult();
    // Rows (low 32 bits) and columns of the current result; 0 without one.
    int rowCount() const;
    int fieldCount() const;
    // The display-decoded value of a cell of the current result; empty for
    // NULL, a cell out of range, or no result.
    QString value(int row, int column) const;
    // The current result's rows as grid cells (none without a result).
    std::shared_ptr<ResultCells> resultCells(ResultCells::CellText cellText = {}) const;
    // The bytes of a cell as the server sent them; empty for NULL too.
    QByteArray rawValue(int row, int column) const;

    // Runs an event handler. An exception that escapes it ends the handler and
    // is shown in the error box captioned with the application title.
    void guarded(const std::function<void()>& handler);

    // ---- The change journal and the undo scripts --------------------------
    // Every statement that run sends and that can change data is appended to
    // the journal, with the session's server, user and database, its outcome
    // and the undo script of the operation it belongs to.
    ChangeJournal& journal() { return m_journal; }
    // The connection log, where the journal and the undo scripts report.
    void setLog(std::function<void(const QString&)> log);
    void log(const QString& line) const { m_journal.log(line); }
    // The file name of the undo script of the operation now running, named by
    // the journal entries of its statements; empty between operations.
    void setUndoScript(const QString& fileName) { m_undoScript = fileName; }
    QString undoScript() const { return m_undoScript; }
    // The database the session works in, as the last "use" chose it; empty
    // when none was chosen (or the session has logged in again since).
    QString currentDatabase() const;
    // Sends a select whose result goes to the caller; the current result and
    // the success flag stay as they are. Without a result, error holds the
    // reason ("Ошибка N: message").
    std::unique_ptr<mysql::TMysqlResult> read(const QString& statement, QString* error);

private:
    void journalStatement(const QString& statement, const QDateTime& sentAt, bool backslashEscapes);

    DialogService& m_dialogs;
    std::unique_ptr<schema::Schemas> m_schemas;
    std::unique_ptr<mysql::TMysqlClient> m_session;
    std::unique_ptr<mysql::TMysqlResult> m_result;
    bool m_success = false;
    std::function<QString(Database)> m_databaseName;
    BusyHost* m_busyHost = nullptr;
    ChangeJournal m_journal;
    QString m_undoScript;
    QString m_database;
    uint32_t m_databaseThread = 0;
};

// A member handler of a page, run through QueryContext::guarded; for
// connecting buttons, grid signals and menu items.
template <class Owner>
std::function<void()> guardedHandler(QueryContext& context, Owner* owner,
                                     void (Owner::*handler)()) {
    return [&context, owner, handler] {
        context.guarded([owner, handler] { (owner->*handler)(); });
    };
}

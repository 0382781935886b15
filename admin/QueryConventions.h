#pragma once

#include "ChangeJournal.h"
#include "GridCells.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>

class DialogService;
class StringGrid;

namespace mysql {
class TMysqlClient;
class TMysqlResult;
class TRowList;
} // namespace mysql

// ---- Text conventions -----------------------------------------------------

// Shows a value read from the server: the bytes are decoded as UTF-8 in its
// one-, two- and three-byte forms (a lead byte with bit 0x20 clear starts a
// two-byte form, with it set a three-byte form; every following byte must be
// 10xxxxxx). A value that breaks the rule anywhere is shown as empty text;
// no value (SQL NULL) is empty text too.
QString displayDecode(const char* bytes, size_t length);

// How text values are written between double quotes for the session they go
// to. Every session starts with backslash escapes and without ANSI_QUOTES
// (sessionSetUpStatement below). Should its mode change later, the server
// reports NO_BACKSLASH_ESCAPES in the status of its OK and end packets; then
// a backslash is an ordinary character and a quote inside a text is doubled
// instead of escaped.
struct Quoting {
    bool noBackslashEscapes = false;

    bool operator==(const Quoting&) const = default;
};

// Escapes a text value that goes between double quotes in a statement.
// Backslash escaping: a backslash before backslash, double and single quote,
// and NUL, CR, LF and Ctrl-Z written as \0, \r, \n and \Z. Without backslash
// escapes: a double quote is doubled and every other character stays as it
// is. "%" and "_" are left alone, so that a LIKE pattern keeps its wildcards.
QString escapeQuoted(const QString& text, Quoting quoting);

// A text value as it goes into a statement: escaped as escapeQuoted does,
// between double quotes.
QString quotedText(const QString& text, Quoting quoting);

// Escapes the value of a LIKE pattern that goes between double quotes, so
// that a backslash, a quote or any other typed character is matched as
// itself while "%" and "_" stay wildcards: a backslash is doubled first
// (LIKE reads it as its escape character), then the text is escaped as
// escapeQuoted does.
QString escapeLikeQuoted(const QString& text, Quoting quoting);

// The pattern of a LIKE condition that finds the text anywhere: "%", the
// text escaped as escapeLikeQuoted does and "%", between double quotes.
// Without backslash escapes servers differ on LIKE's escape character, so the
// pattern names the backslash as its escape character (` escape "\"`).
QString likeAnywhere(const QString& text, Quoting quoting);

// A name (of a database) between backquotes, a backquote inside it doubled.
QString quotedName(const QString& name);

// A database name that qualifies a table without backquotes ("name.table"):
// a plain name (Latin letters, digits, "_" and "$", not starting with a
// digit) stands as it is; any other name goes between backquotes as
// quotedName writes it, so that it can never change the statement.
QString qualifierName(const QString& name);

// A value that goes bare into a statement where a number belongs: the text
// when it holds only digits and blanks, otherwise an empty text (which the
// server rejects where a number belongs).
QString bareNumber(const QString& text);

// The first character of a combo text when it is a digit ("3 - administrator"
// gives "3"), otherwise an empty text.
QString firstDigit(const QString& text);

// The session set-up that the client library runs after every login, its
// reconnects included: the session's sql_mode without ANSI_QUOTES (and the
// combination modes that bring it back when the list is set again) and
// without NO_BACKSLASH_ESCAPES. Every session the program opens thus reads
// its statements the same way, whatever the server's global mode. It is
// written with single quotes, which mean a text in every mode.
QString sessionSetUpStatement();

// Removes every leading and trailing character whose code is 32 or below.
QString trimControls(const QString& text);

// Case changes of the Latin letters A-Z / a-z only; every other character
// stays as it is.
QString upperLatin(QString text);
QString lowerLatin(QString text);

// A failed whole-number conversion of a control's text. Its message is
// "'<text>' is not a valid integer value".
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text);
};

// Converts a decimal whole number (leading blanks and a sign allowed) that
// fits in 32 bits, or throws ConversionError.
int toInteger(const QString& text);

// The rows of a result as the data cells of a grid. They share the result's
// rows, which thus stay as long as a grid shows them, whatever becomes of the
// result, and a cell is display-decoded each time it is read.
class ResultCells : public GridCells {
public:
    // The text of a cell from its display-decoded field (column counted from
    // 0); by default the field itself.
    using CellText = std::function<QString(int column, const QString& field)>;

    // No rows are no cells.
    explicit ResultCells(std::shared_ptr<const mysql::TRowList> rows, CellText cellText = {});

    int rowCount() const override;
    int columnCount() const override;
    QString text(int column, int row) const override;

private:
    std::shared_ptr<const mysql::TRowList> m_rows;
    CellText m_cellText;
};

// ---- Busy panel -------------------------------------------------------------

// The left (top) edge that centres an inner length in an outer one: half the
// difference, rounded to the nearest whole pixel, an exact half to the even
// neighbour.
int centredOffset(int outer, int inner);

// What the window does around a long list load.
class BusyHost {
public:
    virtual ~BusyHost() = default;
    // Hides the page control, places the busy panel in the middle of the
    // window, shows it and paints it at once.
    virtual void beginBusy() = 0;
    // Shows and repaints the page control, shows the list's grid, hides the
    // busy panel.
    virtual void endBusy(StringGrid* listGrid) = 0;
};

// Shows the busy panel for its lifetime; the end runs whatever the outcome.
class BusyScope {
public:
    BusyScope(BusyHost* host, StringGrid* listGrid);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyHost* m_host;
    StringGrid* m_grid;
};

// ---- The shared query context ----------------------------------------------

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
    void journalStatement(const QString& statement, const QDateTime& sentAt);

    DialogService& m_dialogs;
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

// ---- Grids ------------------------------------------------------------------

// Sets the rows of a list grid for a result of resultRows rows: the header
// row plus one row per result row, or, for an empty result, the header row
// and one data row whose cells are all cleared.
void prepareGridRows(StringGrid& grid, int resultRows);

// Writes the header titles into row 0 and, where given (> 0), the widths of
// the columns, both from column 0 on.
void setGridHeader(StringGrid& grid, const QStringList& titles, const QList<int>& widths = {});

// Shows the rows of the current result in the grid: result row r in grid row
// r + 1, field c in column c + firstColumn, display-decoded. The grid gets one
// row per result row (one empty data row for none) and keeps the rows after
// the current result is replaced.
void fillGridFromResult(const QueryContext& context, StringGrid& grid, int firstColumn = 0);

#pragma once

#include "journal/UndoStatements.h"

#include <QString>
#include <QStringList>

#include <memory>

class QueryContext;

// One operation that deletes or changes rows, with its undo script. Before
// the operation changes anything, its transaction starts (when one of its
// tables is transactional), the rows of every table it deletes or changes
// are read there with the same conditions (locked, in a transactional
// table), and the script is saved beside the journal and named in the
// connection log. After its statements, commit reads the rows it updated
// again, completes the script with the values it wrote, and commits. While
// the scope lasts, the journal entries of the operation's statements name
// the script, and a lost connection is not silently replaced by a new one
// outside the transaction.
class UndoScope {
public:
    // operation names the script's file: "undo-<time>-<operation>.sql".
    UndoScope(QueryContext& context, QString operation);
    // An operation left without commit is rolled back.
    ~UndoScope();
    UndoScope(const UndoScope&) = delete;
    UndoScope& operator=(const UndoScope&) = delete;

    // Starts the operation's transaction whatever its tables are and whether
    // or not scripts are kept (for an operation that takes back its
    // transactional part when a later statement fails). False, after the
    // box of QueryContext::runChange, when the server refuses it.
    bool begin();

    // Reads the targets' rows in the session's database and saves the
    // script; statements are those of the operation, named in its header.
    // False when the rows could not be read or the script not saved: an
    // error box has said why, and the operation must not run. Without a
    // journal folder (a page built on its own) no script is kept and the
    // operation runs.
    bool save(const QList<undosql::Target>& targets, const QStringList& statements);

    // Ends the operation: the script gets the values the operation wrote
    // (read again in its transaction, so that it puts a column back only
    // where it still holds them) and the transaction is committed. False,
    // with the reason in error, when the script could not be completed (the
    // transaction is then rolled back) or the commit failed.
    bool commit(QString* error);

    // Rolls the transaction back. The script of an operation whose tables are
    // all transactional, which so changed nothing, is deleted.
    void rollback();

    // The script's file name; empty when none was saved.
    QString fileName() const { return m_fileName; }
    // The rows the script puts back.
    int rowCount() const { return m_rowCount; }

private:
    bool fail(const QString& reason);
    bool readTables(const QList<undosql::Target>& targets, QList<undosql::Table>* tables);
    bool capture(const QList<undosql::Target>& targets, const QList<undosql::Table>& tables);
    // Reads the updated rows again and puts the script with their values in
    // place of the first one.
    bool completeScript(QString* reason);
    void startedTransaction();
    void endedTransaction();

    QueryContext& m_context;
    QString m_operation;
    QString m_fileName;
    int m_rowCount = 0;
    std::unique_ptr<undosql::ScriptBuilder> m_builder;
    // The selects of writtenStatements, by the index of their target.
    QList<std::pair<int, QStringList>> m_writtenReads;
    bool m_inTransaction = false;
    bool m_allTransactional = false;
    bool m_reconnect = true;
};

// A change of one statement: its transaction started, its undo script saved
// first, the statement run, the script completed and the transaction
// committed; a statement that fails is rolled back. False, after a box that
// says why, when the script could not be saved (the statement is then not
// sent), the statement failed or the commit failed.
bool runUndoableChange(QueryContext& context, const QString& operation,
                       const undosql::Target& target, const QString& statement);

// The same for a change of several statements (an account with the rows that
// go with it): one script for all the targets, the statements run in order in
// one transaction up to the first that fails, which rolls them back.
bool runUndoableChanges(QueryContext& context, const QString& operation,
                        const QList<undosql::Target>& targets, const QStringList& statements);

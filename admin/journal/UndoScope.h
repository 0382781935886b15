#pragma once

#include "journal/UndoStatements.h"

#include <QString>
#include <QStringList>

class QueryContext;

// The undo script of one operation. Before the operation changes anything it
// reads the rows of every table the operation deletes or changes, with the
// same conditions, saves the script beside the journal and says so in the
// connection log; while the scope lasts, the journal entries of the
// operation's statements name the script.
class UndoScope {
public:
    // operation names the script's file: "undo-<time>-<operation>.sql".
    UndoScope(QueryContext& context, QString operation);
    ~UndoScope();
    UndoScope(const UndoScope&) = delete;
    UndoScope& operator=(const UndoScope&) = delete;

    // Reads the targets' rows in the session's database and saves the
    // script; statements are those of the operation, named in its header.
    // False when the rows could not be read or the script not saved: an
    // error box has said why, and the operation must not run. Without a
    // journal folder (a page built on its own) no script is kept and the
    // operation runs.
    bool save(const QList<undosql::Target>& targets, const QStringList& statements);

    // The script's file name; empty when none was saved.
    QString fileName() const { return m_fileName; }
    // The rows the script puts back.
    int rowCount() const { return m_rowCount; }

private:
    bool fail(const QString& reason);

    QueryContext& m_context;
    QString m_operation;
    QString m_fileName;
    int m_rowCount = 0;
};

// A change of one statement: its undo script saved first, then the statement
// run as QueryContext::runChange runs it. False, after a box that says why,
// when the script could not be saved (the statement is then not sent) or the
// statement failed.
bool runUndoableChange(QueryContext& context, const QString& operation,
                       const undosql::Target& target, const QString& statement);

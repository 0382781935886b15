#pragma once

#include "TestServer.h"
#include "journal/UndoStatements.h"

#include <QStringList>

// What an operation with an undo script sends around its own statements, as
// the server logs them. The tables' columns and rows are looked up on the
// test server, in the database given, before the operation runs.
struct UndoTraffic {
    // The tables' columns, START TRANSACTION when one of the tables is
    // transactional, then the rows the operation is about to change.
    QStringList before;
    // The updated rows read again, then COMMIT when there is a transaction.
    QStringList after;

    // The operation's statements with what goes around them.
    QStringList around(const QStringList& statements) const;
};

UndoTraffic undoTraffic(const TestServer& server, const QString& database,
                        const QList<undosql::Target>& targets);
inline UndoTraffic undoTraffic(const TestServer& server, const QString& database,
                               const undosql::Target& target) {
    return undoTraffic(server, database, QList<undosql::Target>{target});
}

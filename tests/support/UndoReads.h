#pragma once

#include "TestServer.h"
#include "journal/UndoStatements.h"

#include <QStringList>

// The selects that save the undo script of a change before it is sent, as the
// server logs them: the table's columns, then the rows the change touches.
// The columns are looked up on the test server, in the database given.
QStringList undoReads(const TestServer& server, const QString& database,
                      const undosql::Target& target);
// The same for several targets of one operation, in their order (a table's
// columns are read once).
QStringList undoReads(const TestServer& server, const QString& database,
                      const QList<undosql::Target>& targets);

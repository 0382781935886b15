#pragma once

#include "journal/UndoStatements.h"

#include <QList>
#include <QString>
#include <QStringList>

class QueryContext;

// A change of the accounts page in one or more statements (an account with
// the rows that go with it): one undo script for all the targets saved
// first, then the statements run in order as QueryContext::runChange runs
// them, up to the first that fails. False, after a box that says why, when
// the script could not be saved (nothing is then sent) or a statement failed.
bool runUndoableChanges(QueryContext& context, const QString& operation,
                        const QList<undosql::Target>& targets, const QStringList& statements);

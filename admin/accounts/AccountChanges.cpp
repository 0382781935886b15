#include "accounts/AccountChanges.h"

#include "common/QueryConventions.h"
#include "journal/UndoScope.h"

bool runUndoableChanges(QueryContext& context, const QString& operation,
                        const QList<undosql::Target>& targets, const QStringList& statements) {
    UndoScope undo(context, operation);
    if (!undo.save(targets, statements))
        return false;
    for (const QString& statement : statements) {
        if (!context.runChange(statement))
            return false;
    }
    return true;
}

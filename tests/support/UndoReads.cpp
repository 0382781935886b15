#include "UndoReads.h"

#include "DatabaseProbe.h"
#include "ServerLog.h"
#include "common/QueryConventions.h"

#include <QSet>

QStringList undoReads(const TestServer& server, const QString& database,
                      const undosql::Target& target) {
    return undoReads(server, database, QList<undosql::Target>{target});
}

QStringList undoReads(const TestServer& server, const QString& database,
                      const QList<undosql::Target>& targets) {
    DatabaseProbe probe(server);
    probe.exec(QStringLiteral("use ") + quotedName(database));
    QStringList reads;
    QSet<QString> known;
    for (const undosql::Target& target : targets) {
        const QString columns = undosql::columnsStatement(target.table);
        QList<QList<DatabaseProbe::Value>> rows;
        probe.rawRows(columns, rows);
        undosql::Table table{target.table, {}};
        for (const auto& row : rows) {
            QStringList fields;
            for (const auto& value : row)
                fields << (value ? QString::fromUtf8(*value) : QString());
            table.columns << undosql::columnFromFields(fields);
        }
        if (!known.contains(target.table))
            reads << columns;
        known.insert(target.table);
        reads << undosql::captureStatement(target, table);
    }
    return ServerLog::asLogged(reads);
}

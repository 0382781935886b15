#include "UndoReads.h"

#include "DatabaseProbe.h"
#include "ServerLog.h"
#include "common/QueryConventions.h"

#include <QHash>

namespace {

// Rows a probe read.
class ProbeRows : public undosql::Rows {
public:
    explicit ProbeRows(QList<QList<DatabaseProbe::Value>> rows)
        : m_rows(std::move(rows)) {}
    int rowCount() const override { return int(m_rows.size()); }
    void seek(int row) override { m_row = row; }
    std::optional<QByteArrayView> value(int index) const override {
        const DatabaseProbe::Value& value = m_rows[m_row][index];
        if (!value)
            return std::nullopt;
        return QByteArrayView(*value);
    }

private:
    QList<QList<DatabaseProbe::Value>> m_rows;
    int m_row = 0;
};

} // namespace

QStringList UndoTraffic::around(const QStringList& statements) const {
    return before + ServerLog::asLogged(statements) + after;
}

UndoTraffic undoTraffic(const TestServer& server, const QString& database,
                        const QList<undosql::Target>& targets) {
    DatabaseProbe probe(server);
    probe.exec(QStringLiteral("use ") + quotedName(database));
    UndoTraffic traffic;
    QHash<QString, undosql::Table> tables;
    bool transaction = false;
    for (const undosql::Target& target : targets) {
        if (tables.contains(target.table))
            continue;
        const QString columns = undosql::columnsStatement(target.table);
        QList<QList<DatabaseProbe::Value>> rows;
        probe.rawRows(columns, rows);
        QList<QStringList> fields;
        for (const auto& row : rows) {
            QStringList texts;
            for (const auto& value : row)
                texts << (value ? QString::fromUtf8(*value) : QString());
            fields << texts;
        }
        tables.insert(target.table, undosql::tableFromFields(target.table, fields));
        transaction = transaction || tables[target.table].transactional();
        traffic.before << columns;
    }
    if (transaction)
        traffic.before << QStringLiteral("START TRANSACTION");
    for (const undosql::Target& target : targets) {
        const undosql::Table& table = tables[target.table];
        const QString capture = undosql::captureStatement(target, table);
        traffic.before << capture;
        if (target.kind != undosql::Target::Kind::Updated)
            continue;
        QList<QList<DatabaseProbe::Value>> rows;
        probe.rawRows(capture, rows);
        ProbeRows captured(rows);
        traffic.after << undosql::writtenStatements(target, table, captured);
    }
    if (transaction)
        traffic.after << QStringLiteral("COMMIT");
    traffic.before = ServerLog::asLogged(traffic.before);
    traffic.after = ServerLog::asLogged(traffic.after);
    return traffic;
}

#include "journal/UndoScope.h"

#include "DialogService.h"
#include "common/QueryConventions.h"
#include "uMysqlClient.h"

#include <QDateTime>
#include <QHash>

#include <memory>

namespace {

const QString kFailedCaption = QStringLiteral("Операция не выполнена");
const QString kFailedText =
        QStringLiteral("Не удалось сохранить сценарий отмены, поэтому операция не выполнена.\r\n");

// The rows of a buffered result, for the script builder.
class ResultRows : public undosql::Rows {
public:
    explicit ResultRows(mysql::TMysqlResult& result)
        : m_result(result) {}

    int rowCount() const override { return int(m_result.RowCount()); }
    void seek(int row) override { m_result.Seek(row); }
    std::optional<QByteArrayView> value(int index) const override {
        const char* bytes = m_result.Value(index);
        if (!bytes)
            return std::nullopt;
        return QByteArrayView(bytes, qsizetype(m_result.ValueLength(index)));
    }

private:
    mysql::TMysqlResult& m_result;
};

} // namespace

UndoScope::UndoScope(QueryContext& context, QString operation)
    : m_context(context)
    , m_operation(std::move(operation)) {}

UndoScope::~UndoScope() {
    if (!m_fileName.isEmpty())
        m_context.setUndoScript(QString());
}

bool UndoScope::fail(const QString& reason) {
    m_context.dialogs().error(kFailedCaption, kFailedText + reason);
    return false;
}

bool UndoScope::save(const QList<undosql::Target>& targets, const QStringList& statements) {
    ChangeJournal& journal = m_context.journal();
    if (!journal.undoScripts())
        return true;
    mysql::TMysqlClient& session = m_context.session();
    if (!undosql::serverTakesUndoScripts(session.ServerVersionNumber())) {
        // The operation runs as it always did; the journal still records it.
        m_context.log(QStringLiteral("Сценарий отмены не сохранён: сервер %1 старше MySQL 5.5.3 "
                                     "(нет information_schema или utf8mb4).")
                              .arg(QString::fromStdString(session.ServerVersion())));
        return true;
    }
    const QDateTime now = QDateTime::currentDateTime();
    undosql::ScriptInfo info;
    info.operation = m_operation;
    info.time = now;
    info.user = QString::fromStdString(session.User());
    info.host = QString::fromStdString(session.Host());
    info.port = session.Port();
    info.database = m_context.currentDatabase();
    info.statements = statements;
    info.backslashEscapes = !m_context.quoting().noBackslashEscapes;
    undosql::ScriptBuilder builder(info);

    QHash<QString, undosql::Table> tables;
    for (const undosql::Target& target : targets) {
        QString error;
        if (!tables.contains(target.table)) {
            std::unique_ptr<mysql::TMysqlResult> columns =
                    m_context.read(undosql::columnsStatement(target.table), &error);
            if (!columns)
                return fail(error);
            undosql::Table table{target.table, {}};
            for (uint64_t row = 0; row < columns->RowCount(); ++row) {
                columns->Seek(int64_t(row));
                QStringList fields;
                for (int field = 0; field < columns->FieldCount(); ++field)
                    fields << QString::fromUtf8(columns->Value(field),
                                                qsizetype(columns->ValueLength(field)));
                table.columns << undosql::columnFromFields(fields);
            }
            if (table.columns.isEmpty())
                return fail(QStringLiteral("Таблица %1 не найдена в базе %2.")
                                    .arg(quotedName(target.table), quotedName(info.database)));
            tables.insert(target.table, table);
        }
        const undosql::Table& table = tables[target.table];
        if (target.kind == undosql::Target::Kind::Updated && !table.hasPrimaryKey())
            return fail(QStringLiteral("У таблицы %1 нет первичного ключа: изменённые строки "
                                       "нельзя будет найти, чтобы вернуть им прежние значения.")
                                .arg(quotedName(target.table)));
        std::unique_ptr<mysql::TMysqlResult> rows =
                m_context.read(undosql::captureStatement(target, table), &error);
        if (!rows)
            return fail(error);
        ResultRows source(*rows);
        builder.add(target, table, source);
    }

    QString error;
    const QString baseName = QStringLiteral("undo-") +
                             now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz")) +
                             QLatin1Char('-') + m_operation;
    m_fileName = journal.saveFile(baseName, QStringLiteral("sql"), builder.pieces(), &error);
    if (m_fileName.isEmpty())
        return fail(error);
    m_rowCount = builder.rowCount();
    m_context.setUndoScript(m_fileName);
    m_context.log(QStringLiteral("Сценарий отмены сохранён: %1 (записей: %2)")
                          .arg(journal.path(m_fileName))
                          .arg(m_rowCount));
    return true;
}

bool runUndoableChange(QueryContext& context, const QString& operation,
                       const undosql::Target& target, const QString& statement) {
    UndoScope undo(context, operation);
    return undo.save({target}, {statement}) && context.runChange(statement);
}

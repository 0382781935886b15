#include "journal/UndoScope.h"

#include "DialogService.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "uMysqlClient.h"

#include <QDateTime>
#include <QHash>

#include <algorithm>
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

const QString kStartTransaction = QStringLiteral("START TRANSACTION");
const QString kCommit = QStringLiteral("COMMIT");
const QString kRollback = QStringLiteral("ROLLBACK");

} // namespace

UndoScope::UndoScope(QueryContext& context, QString operation)
    : m_context(context)
    , m_operation(std::move(operation)) {}

UndoScope::~UndoScope() {
    rollback();
    if (!m_fileName.isEmpty())
        m_context.setUndoScript(QString());
}

bool UndoScope::fail(const QString& reason) {
    m_context.dialogs().error(kFailedCaption, kFailedText + reason);
    return false;
}

void UndoScope::startedTransaction() {
    m_inTransaction = true;
    mysql::TMysqlClient& session = m_context.session();
    m_reconnect = session.Reconnect();
    // A connection lost inside the transaction ends the operation: the
    // statements after it must not run in a new session without it.
    session.SetReconnect(false);
}

void UndoScope::endedTransaction() {
    m_inTransaction = false;
    m_context.session().SetReconnect(m_reconnect);
}

bool UndoScope::begin() {
    if (!m_context.runChange(kStartTransaction))
        return false;
    startedTransaction();
    return true;
}

bool UndoScope::readTables(const QList<undosql::Target>& targets, QList<undosql::Table>* tables) {
    QHash<QString, undosql::Table> known;
    for (const undosql::Target& target : targets) {
        if (!known.contains(target.table)) {
            QString error;
            std::unique_ptr<mysql::TMysqlResult> columns =
                    m_context.read(undosql::columnsStatement(target.table), &error);
            if (!columns)
                return fail(error);
            QList<QStringList> rows;
            for (uint64_t row = 0; row < columns->RowCount(); ++row) {
                columns->Seek(int64_t(row));
                QStringList fields;
                for (int field = 0; field < columns->FieldCount(); ++field)
                    fields << QString::fromUtf8(columns->Value(field),
                                                qsizetype(columns->ValueLength(field)));
                rows << fields;
            }
            const undosql::Table table = undosql::tableFromFields(target.table, rows);
            if (table.columns.isEmpty())
                return fail(QStringLiteral("Таблица %1 не найдена в базе %2.")
                                    .arg(quotedName(target.table),
                                         quotedName(m_context.currentDatabase())));
            known.insert(target.table, table);
        }
        const undosql::Table& table = known[target.table];
        if (target.kind == undosql::Target::Kind::Updated && !table.hasPrimaryKey())
            return fail(QStringLiteral("У таблицы %1 нет первичного ключа: изменённые строки "
                                       "нельзя будет найти, чтобы вернуть им прежние значения.")
                                .arg(quotedName(target.table)));
        *tables << table;
    }
    return true;
}

bool UndoScope::capture(const QList<undosql::Target>& targets,
                        const QList<undosql::Table>& tables) {
    for (int i = 0; i < targets.size(); ++i) {
        QString error;
        std::unique_ptr<mysql::TMysqlResult> rows =
                m_context.read(undosql::captureStatement(targets[i], tables[i]), &error);
        if (!rows)
            return fail(error);
        ResultRows source(*rows);
        m_builder->add(targets[i], tables[i], source);
        if (targets[i].kind == undosql::Target::Kind::Updated)
            m_writtenReads.append({i, undosql::writtenStatements(targets[i], tables[i], source)});
    }
    return true;
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

    QList<undosql::Table> tables;
    if (!readTables(targets, &tables))
        return false;
    const auto transactional = [](const undosql::Table& table) {
        return table.transactional();
    };
    m_allTransactional = std::all_of(tables.begin(), tables.end(), transactional);
    if (!m_inTransaction && std::any_of(tables.begin(), tables.end(), transactional)) {
        if (!m_context.run(kStartTransaction))
            return fail(m_context.lastError());
        startedTransaction();
    }
    m_builder = std::make_unique<undosql::ScriptBuilder>(info);
    if (!capture(targets, tables))
        return false;

    QString error;
    const QString baseName = QStringLiteral("undo-") +
                             now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz")) +
                             QLatin1Char('-') + m_operation;
    m_fileName = journal.saveFile(
            baseName, QStringLiteral("sql"),
            [this](const QString& path) { return m_builder->pieces(path); }, &error);
    if (m_fileName.isEmpty())
        return fail(error);
    m_rowCount = m_builder->rowCount();
    m_context.setUndoScript(m_fileName);
    m_context.log(QStringLiteral("Сценарий отмены сохранён: %1 (записей: %2)")
                          .arg(journal.path(m_fileName))
                          .arg(m_rowCount));
    return true;
}

bool UndoScope::completeScript(QString* reason) {
    for (const auto& [target, selects] : m_writtenReads) {
        for (const QString& select : selects) {
            std::unique_ptr<mysql::TMysqlResult> rows = m_context.read(select, reason);
            if (!rows)
                return false;
            ResultRows source(*rows);
            m_builder->addWritten(target, source);
        }
    }
    ChangeJournal& journal = m_context.journal();
    return journal.replaceFile(m_fileName, m_builder->pieces(journal.path(m_fileName)), reason);
}

bool UndoScope::commit(QString* error) {
    QString reason;
    const bool completed = m_writtenReads.isEmpty() || completeScript(&reason);
    m_writtenReads.clear();
    if (!completed) {
        if (m_inTransaction) {
            rollback();
            *error = QStringLiteral("Сценарий отмены не дописан (%1), поэтому изменения "
                                    "отменены.")
                             .arg(reason);
            return false;
        }
        // Changes outside a transaction are made: the script saved first
        // stays, and puts the columns back without looking at them.
        m_context.log(QStringLiteral("Сценарий отмены %1 не дописан (%2): он вернёт столбцам "
                                     "прежние значения, не сверяя их с записанными.")
                              .arg(m_context.journal().path(m_fileName), reason));
    }
    if (!m_inTransaction)
        return true;
    const bool committed = m_context.run(kCommit);
    endedTransaction();
    if (!committed)
        *error = m_context.lastError();
    return committed;
}

void UndoScope::rollback() {
    if (!m_inTransaction)
        return;
    m_context.run(kRollback);
    endedTransaction();
    m_writtenReads.clear();
    if (m_fileName.isEmpty() || !m_allTransactional)
        return;
    ChangeJournal& journal = m_context.journal();
    journal.removeFile(m_fileName);
    m_context.log(QStringLiteral("Сценарий отмены удалён: %1 (изменения отменены).")
                          .arg(journal.path(m_fileName)));
    m_fileName.clear();
    m_context.setUndoScript(QString());
}

bool runUndoableChange(QueryContext& context, const QString& operation,
                       const undosql::Target& target, const QString& statement) {
    return runUndoableChanges(context, operation, {target}, {statement});
}

bool runUndoableChanges(QueryContext& context, const QString& operation,
                        const QList<undosql::Target>& targets, const QStringList& statements) {
    UndoScope undo(context, operation);
    if (!undo.save(targets, statements))
        return false;
    QString error;
    const bool ran = std::all_of(statements.begin(), statements.end(),
                                 [&context](const QString& s) { return context.run(s); });
    if (ran) {
        if (undo.commit(&error))
            return true;
    } else {
        error = context.lastError();
        undo.rollback();
    }
    context.dialogs().error(QString::fromUtf16(boxes::kChangeFailedCaption),
                            boxes::changeFailedText(error));
    return false;
}

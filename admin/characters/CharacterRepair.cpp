#include "characters/CharacterRepair.h"

#include "characters/CharacterDetails.h"
#include "characters/CharacterInGame.h"
#include "characters/CharacterStatements.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "common/WindowLinks.h"
#include "journal/UndoScope.h"
#include "schema/Schemas.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace stm = characterstatements;

CharacterRepair::CharacterRepair(QueryContext& context, WindowLinks& links,
                                 CharacterDetails& details, List list, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_links(links)
    , m_details(details)
    , m_list(std::move(list)) {
    connect(details.richButton(), &QPushButton::clicked, this,
            [this] { m_context.guarded([this] { showRich(); }); });
}

QString CharacterRepair::guid() const {
    return m_details.guidEdit()->text();
}

QString CharacterRepair::accountsDatabase() const {
    return m_context.databaseName(Database::Realmd);
}

bool CharacterRepair::inGameChangeAllowed() const {
    return charactersingame::confirmChange(m_context, guid(), m_details.characterName(),
                                           m_details.characterOnline());
}

bool CharacterRepair::schemaAllows(const QStringList& lacking) const {
    if (lacking.isEmpty())
        return true;
    m_context.dialogs().error(QString::fromUtf16(boxes::kSchemaLacksCaption),
                              boxes::schemaLacksText(lacking));
    return false;
}

void CharacterRepair::repair() {
    if (guid().isEmpty())
        return;
    const schema::CharacterSchema s = m_context.schemas().characters();
    if (!schemaAllows(stm::repairLacks(s)) || !inGameChangeAllowed())
        return;
    if (!m_context.switchDatabase(Database::Characters, QueryContext::UseForm::WithSemicolon,
                                  QueryContext::SetNames::Skip))
        return;
    const QStringList statements = stm::repair(s, guid());
    UndoScope undo(m_context, QStringLiteral("character-repair"));
    if (!undo.save(stm::repairUndo(s, guid()), statements))
        return;
    // Every statement is sent whatever became of the others, and what went
    // through is committed; each failure is reported with the server's
    // message.
    QStringList failures;
    for (const QString& statement : statements) {
        if (!m_context.run(statement))
            failures << m_context.lastError();
    }
    QString error;
    if (!undo.commit(&error))
        failures << error;
    if (failures.isEmpty()) {
        showError(m_context.dialogs(), boxes::kRepairSent);
        return;
    }
    m_context.dialogs().error(boxes::kRepairFailed.captionText(),
                              boxes::kRepairFailed.bodyText() + QStringLiteral("\r\n") +
                                      failures.join(QStringLiteral("\r\n")));
}

void CharacterRepair::resetQuestChain() {
    if (guid().isEmpty() || !confirm(m_context.dialogs(), boxes::kResetQuestChain))
        return;
    const schema::CharacterSchema s = m_context.schemas().characters();
    const schema::WorldSchema w = m_context.schemas().world();
    const QStringList tables = {s.quests.table, s.quests.rewardedTable};
    if (!schemaAllows(s.quests.present ? QStringList() : s.missingOf(tables)) ||
        !inGameChangeAllowed())
        return;
    if (!m_context.switchDatabase(Database::Characters))
        return;
    if (!w.quests.knownChain.isEmpty()) {
        // The chain as the first program knew it, by number.
        if (runUndoableChange(m_context, QStringLiteral("quest-chain-reset"),
                              stm::questChainResetUndo(guid()), stm::questChainReset(guid())))
            m_list.refresh();
        return;
    }
    if (!schemaAllows(w.quests.present ? QStringList() : w.missing))
        return;
    const std::optional<QStringList> quests = questChain(w);
    if (!quests)
        return;
    const QStringList statements = stm::questReset(s, guid(), *quests);
    if (!runUndoableChanges(m_context, QStringLiteral("quest-chain-reset"),
                            stm::questResetUndo(s, guid(), *quests), statements))
        return;
    m_list.refresh();
}

std::optional<QStringList> CharacterRepair::questChain(const schema::WorldSchema& w) {
    // The quests that follow the first one, step by step along the previous
    // quest column; a chain that comes back on itself ends.
    QStringList chain = {QString::number(stm::kQuestChainStart)};
    QStringList step = chain;
    while (!step.isEmpty()) {
        if (!m_context.run(stm::questsAfter(w, m_context.databaseName(Database::Mangos), step))) {
            m_context.dialogs().error(QString::fromUtf16(boxes::kQuestChainCaption),
                                      QString::fromUtf16(boxes::kQuestChainUnread) +
                                              QStringLiteral("\r\n") + m_context.lastError());
            return std::nullopt;
        }
        step.clear();
        for (int row = 0; row < m_context.rowCount(); ++row) {
            const QString quest = m_context.value(row, 0);
            if (!chain.contains(quest)) {
                chain << quest;
                step << quest;
            }
        }
    }
    return chain;
}

void CharacterRepair::showWithoutAccount() {
    m_list.showFiltered(
            stm::withoutAccountFilter(m_context.schemas().characters(), accountsDatabase()));
}

void CharacterRepair::deleteWithoutAccount() {
    const schema::CharacterSchema s = m_context.schemas().characters();
    if (!m_context.switchDatabase(Database::Characters))
        return;
    const QString caption = QString::fromUtf16(boxes::kCleanupCaption);
    if (!m_context.run(stm::withoutAccountGuids(s, accountsDatabase()))) {
        m_context.dialogs().error(caption, QString::fromUtf16(boxes::kCleanupLookupFailed) +
                                                   QStringLiteral("\r\n") + m_context.lastError());
        return;
    }
    QStringList guids;
    for (int row = 0; row < m_context.rowCount(); ++row)
        guids << m_context.value(row, 0);
    if (guids.isEmpty()) {
        m_context.dialogs().notice(QString::fromUtf16(boxes::kNoCharactersWithoutAccount));
        m_list.refresh();
        return;
    }
    if (!m_context.dialogs().confirm(
                boxes::kDeleteCharactersWithoutAccount.captionText(),
                boxes::deleteCharactersWithoutAccountQuestion(int(guids.size())),
                boxes::kDeleteCharactersWithoutAccount.icon))
        return;
    if (!inGameChangeOfManyAllowed(stm::onlineAmong(s, guids)))
        return;
    // The tables are looked up after the question, right before they are
    // used.
    if (!m_context.run(stm::tableColumns(m_context.databaseName(Database::Characters),
                                         m_context.quoting()))) {
        m_context.dialogs().error(caption, QString::fromUtf16(boxes::kCleanupLookupFailed) +
                                                   QStringLiteral("\r\n") + m_context.lastError());
        return;
    }
    removeCharacters(guids, stm::cleanupTargets(s, tablesOfResult()));
}

QList<characterstatements::TableInfo> CharacterRepair::tablesOfResult() const {
    QList<stm::TableInfo> tables;
    for (int row = 0; row < m_context.rowCount(); ++row) {
        const QString name = m_context.value(row, 0);
        if (tables.isEmpty() || tables.last().name != name)
            tables << stm::TableInfo{name, m_context.value(row, 1), {}};
        tables.last().columns << m_context.value(row, 2);
    }
    return tables;
}

namespace {

// Rows removed per table, in the order the tables were first counted.
class RowCounts {
public:
    void add(const QString& table, quint64 rows) {
        for (auto& [name, total] : m_counts) {
            if (name == table) {
                total += rows;
                return;
            }
        }
        m_counts.append({table, rows});
    }
    void add(const RowCounts& other) {
        for (const auto& [table, rows] : other.m_counts)
            add(table, rows);
    }
    // "table: rows" for each table; without the tables of no rows when asked.
    QStringList lines(bool withEmpty = true) const {
        QStringList texts;
        for (const auto& [table, rows] : m_counts) {
            if (withEmpty || rows > 0)
                texts << table + QStringLiteral(": ") + QString::number(rows);
        }
        return texts;
    }

private:
    QList<std::pair<QString, quint64>> m_counts;
};

} // namespace

void CharacterRepair::removeCharacters(const QStringList& guids,
                                       const QList<characterstatements::CleanupTarget>& targets) {
    // The tables that can be undone change in one transaction, committed
    // after the last of them: a failure before that takes their deletions
    // back. The other tables come after them (and `characters` last), so the
    // characters stay, and can be cleaned up again, until every other row is
    // gone. What could not be taken back is reported as done.
    qsizetype lastTransactional = -1;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        if (targets[i].transactional)
            lastTransactional = i;
    }
    const bool transaction = lastTransactional >= 0;
    QStringList statements;
    for (const stm::CleanupTarget& target : targets)
        statements << stm::deleteRowsOf(target, guids);
    UndoScope undo(m_context, QStringLiteral("orphan-characters-delete"));
    if (transaction && !undo.begin())
        return;
    if (!undo.save(stm::cleanupUndo(targets, guids), statements))
        return;
    RowCounts removed;
    RowCounts pending; // deleted in the transaction, not committed yet
    RowCounts forGood; // deleted and beyond taking back
    bool committed = false;
    QString failure;
    for (qsizetype i = 0; i < targets.size() && failure.isEmpty(); ++i) {
        const stm::CleanupTarget& target = targets[i];
        if (!m_context.run(statements[i])) {
            failure = m_context.lastError();
            break;
        }
        const quint64 rows = m_context.affectedRows();
        removed.add(target.table, rows);
        (target.transactional ? pending : forGood).add(target.table, rows);
        if (i == lastTransactional) {
            if (!undo.commit(&failure))
                break;
            committed = true;
        }
    }
    if (failure.isEmpty()) {
        m_context.dialogs().notice(
                (QStringList{QString::fromUtf16(boxes::kCleanupDone)} + removed.lines())
                        .join(QStringLiteral("\r\n")));
        m_list.refresh();
        return;
    }
    QStringList text = {QString::fromUtf16(boxes::kCleanupFailed), failure};
    if (transaction && !committed) {
        undo.rollback();
        text << QString::fromUtf16(boxes::kCleanupRolledBack);
    }
    if (committed)
        forGood.add(pending);
    const QStringList kept = forGood.lines(false);
    if (!kept.isEmpty())
        text << QString::fromUtf16(boxes::kCleanupKept) << kept;
    m_context.dialogs().error(QString::fromUtf16(boxes::kCleanupCaption),
                              text.join(QStringLiteral("\r\n")));
}

void CharacterRepair::moveWithoutAccount() {
    const QString serviceAccount = m_links.adminAccount();
    if (!stm::serviceAccountSet(serviceAccount))
        return;
    if (!confirm(m_context.dialogs(), boxes::kMoveCharactersWithoutAccount))
        return;
    const schema::CharacterSchema s = m_context.schemas().characters();
    if (!m_context.switchDatabase(Database::Characters))
        return;
    if (!inGameChangeOfManyAllowed(stm::onlineWithoutAccount(s, accountsDatabase())))
        return;
    if (!runUndoableChange(m_context, QStringLiteral("orphan-characters-move"),
                           stm::moveWithoutAccountUndo(s, accountsDatabase()),
                           stm::moveWithoutAccount(s, serviceAccount, accountsDatabase())))
        return;
    m_list.refresh();
}

bool CharacterRepair::inGameChangeOfManyAllowed(const QString& onlineSelect) {
    if (!m_context.run(onlineSelect)) {
        m_context.dialogs().error(QString::fromUtf16(boxes::kCleanupCaption),
                                  QString::fromUtf16(boxes::kInGameUnread) +
                                          QStringLiteral("\r\n") + m_context.lastError());
        return false;
    }
    QStringList online;
    for (int row = 0; row < m_context.rowCount(); ++row)
        online << m_context.value(row, 0);
    return charactersingame::confirmChangeOfMany(m_context, online);
}

void CharacterRepair::showOnline() {
    m_list.showFiltered(stm::onlineFilter(m_context.schemas().characters()));
}

void CharacterRepair::showRich() {
    m_list.showFiltered(stm::richFilter(m_context.schemas().characters(), m_links.cheatMoney()));
}

// The statements of the repair, the quest resets and the clean-up of the
// characters without accounts.
#include "characters/CharacterStatements.h"

#include "common/QueryConventions.h"

#include <algorithm>

namespace characterstatements {

using schema::quoted;

namespace {

bool onlyDigits(const QString& text) {
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool onlyZeros(const QString& text) {
    for (QChar c : text) {
        if (c != u'0')
            return false;
    }
    return true;
}

// A condition of the repair: the column, then "= " or "=" as the 2010 texts
// write it, then the trimmed guid.
QString repairCondition(const QString& column, const char* equals, const QString& guid) {
    return quoted(column) + QLatin1String(equals) + bareNumber(trimControls(guid));
}

// The member rows of the groups the character leads.
QString ledMembersCondition(const schema::GroupSchema& g, const QString& guid) {
    if (g.keyedByLeader())
        return repairCondition(g.memberGroup, "= ", guid);
    return quoted(g.memberGroup) + QStringLiteral(" IN (SELECT ") + quoted(g.key) +
           QStringLiteral(" FROM ") + quoted(g.table) + QStringLiteral(" WHERE ") +
           repairCondition(g.leader, "= ", guid) + QLatin1Char(')');
}

// What the repair deletes, in order: table and condition. The members of a
// group go before it unless they name their leader directly.
QList<std::pair<QString, QString>> repairDeletions(const CharacterSchema& s, const QString& guid) {
    const schema::GroupSchema& g = s.groups;
    const std::pair<QString, QString> group = {g.table, repairCondition(g.leader, "= ", guid)};
    const std::pair<QString, QString> ledMembers = {g.memberTable, ledMembersCondition(g, guid)};
    QList<std::pair<QString, QString>> deletions = {
            {s.auras.table, repairCondition(s.auras.owner, "= ", guid)}};
    if (g.keyedByLeader())
        deletions << group << ledMembers;
    else
        deletions << ledMembers << group;
    deletions << std::pair{g.memberTable, repairCondition(g.member, "=", guid)}
              << std::pair{s.corpse.table, repairCondition(s.corpse.owner, "=", guid)};
    return deletions;
}

QList<const schema::Field*> transportFields(const schema::CharacterTable& c) {
    return {&c.transportX, &c.transportY, &c.transportZ, &c.transportO, &c.transportGuid};
}

QString sicknessRow(const schema::AuraSchema& a, const QString& row, const QString& guid) {
    QString statement = QStringLiteral("REPLACE INTO ") + a.table;
    if (a.namedColumns) {
        QStringList columns;
        for (const QString& column : a.columns)
            columns << quoted(column);
        statement += QStringLiteral(" (") + columns.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    QString values = row;
    values.replace(QStringLiteral("{guid}"), bareNumber(guid));
    return statement + QStringLiteral(" VALUES (") + values + QStringLiteral(");");
}

QString numberList(const QStringList& values) {
    QStringList numbers;
    numbers.reserve(values.size());
    for (const QString& value : values)
        numbers << bareNumber(value);
    return numbers.join(QLatin1Char(','));
}

} // namespace

QStringList repair(const QString& guid) {
    return repair(mangos2010(), guid);
}

QStringList repair(const CharacterSchema& s, const QString& guid) {
    const schema::CharacterTable& c = s.characters;
    const schema::HomebindSchema& h = s.homebind;
    const QString g = bareNumber(guid);
    QStringList statements = {QStringLiteral("SET NAMES utf8;")};
    for (const auto& [table, condition] : repairDeletions(s, guid))
        statements << QStringLiteral("DELETE FROM ") + quoted(table) + QStringLiteral(" WHERE ") +
                              condition + QLatin1Char(';');
    QStringList cleared;
    for (const schema::Field* field : transportFields(c))
        cleared << quoted(field->write) + QStringLiteral("=0");
    cleared << quoted(c.taxiPath.write) + QStringLiteral("=\"\"");
    statements << QStringLiteral("UPDATE ") + quoted(c.table) + QStringLiteral(" SET ") +
                          cleared.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ") +
                          repairCondition(c.guid.write, "=", guid) + QLatin1Char(';');
    const auto set = [](const schema::Field& to, const QString& from, const char* equals) {
        return QStringLiteral("c.") + quoted(to.write) + QLatin1String(equals) +
               QStringLiteral("h.") + quoted(from);
    };
    statements << QStringLiteral("UPDATE ") + quoted(c.table) + QStringLiteral(" as c, ") +
                          quoted(h.table) + QStringLiteral(" as h SET ") +
                          set(c.positionX, h.x, "= ") + QStringLiteral(", ") +
                          set(c.positionY, h.y, "= ") + QStringLiteral(", ") +
                          set(c.positionZ, h.z, "=") + QStringLiteral(", ") +
                          set(c.map, h.map, "=") + QStringLiteral(" WHERE (c.") +
                          quoted(c.guid.write) + QStringLiteral("= ") + g +
                          QStringLiteral(") AND ( c.") + quoted(c.guid.write) +
                          QStringLiteral("= h.") + quoted(h.owner) + QStringLiteral(");");
    for (const QString& row : s.auras.sickness)
        statements << sicknessRow(s.auras, row, guid);
    return statements;
}

QStringList repairLacks(const CharacterSchema& s) {
    // The family's columns, as its description names them before they are
    // checked.
    const CharacterSchema all = schema::characterSchema(s.family, schema::Catalog());
    const schema::CharacterTable& c = all.characters;
    const schema::GroupSchema& g = all.groups;
    const schema::HomebindSchema& h = all.homebind;
    QStringList used;
    for (const QString& column : all.auras.columns)
        used << all.auras.table + u'.' + column;
    for (const QString& column : {g.key, g.leader})
        used << g.table + u'.' + column;
    for (const QString& column : {g.memberGroup, g.member})
        used << g.memberTable + u'.' + column;
    used << all.corpse.table + u'.' + all.corpse.owner;
    for (const QString& column : {h.owner, h.map, h.x, h.y, h.z})
        used << h.table + u'.' + column;
    for (const schema::Field* field : transportFields(c))
        used << field->needs;
    for (const schema::Field* field :
         {&c.guid, &c.taxiPath, &c.positionX, &c.positionY, &c.positionZ, &c.map})
        used << field->needs;
    QStringList lacking;
    for (const QString& mark : s.missing) {
        if (used.contains(mark))
            lacking << mark;
    }
    return lacking;
}

QList<undosql::Target> repairUndo(const QString& guid) {
    return repairUndo(mangos2010(), guid);
}

QList<undosql::Target> repairUndo(const CharacterSchema& s, const QString& guid) {
    const schema::CharacterTable& c = s.characters;
    // The auras are deleted and the sickness is written again with the guid.
    QList<undosql::Target> targets = {undosql::Target::rewritten(s.auras.table, s.auras.owner,
                                                                 bareNumber(trimControls(guid)))};
    const QList<std::pair<QString, QString>> deletions = repairDeletions(s, guid);
    for (qsizetype i = 1; i < deletions.size(); ++i)
        targets << undosql::Target::deleted(deletions[i].first, deletions[i].second);
    QStringList columns;
    for (const schema::Field* field : transportFields(c))
        columns << field->write;
    for (const schema::Field* field :
         {&c.taxiPath, &c.positionX, &c.positionY, &c.positionZ, &c.map})
        columns << field->write;
    targets << undosql::Target::updated(c.table, repairCondition(c.guid.write, "=", guid), columns);
    return targets;
}

QString questChainCondition(const QString& guid) {
    return guidCondition(guid) + QStringLiteral(" and `quest` in (1718,1719,1712,1713,1791,1792)");
}

QString questChainReset(const QString& guid) {
    return QStringLiteral("delete from `character_queststatus` where ") +
           questChainCondition(guid) + QLatin1Char(';');
}

undosql::Target questChainResetUndo(const QString& guid) {
    return undosql::Target::deleted(QStringLiteral("character_queststatus"),
                                    questChainCondition(guid));
}

QString questsAfter(const WorldSchema& w, const QString& worldDatabase, const QStringList& quests) {
    const schema::QuestTemplateSchema& q = w.quests;
    return QStringLiteral("select distinct ") + quoted(q.chainKeyName()) +
           QStringLiteral(" from ") + quotedName(worldDatabase) + QLatin1Char('.') +
           quoted(q.chainTableName()) + QStringLiteral(" where ") + quoted(q.prevQuest) +
           QStringLiteral(" in (") + numberList(quests) + QStringLiteral(");");
}

namespace {

// The quest tables of a character: the log, and the rewarded quests where
// they are apart.
QStringList questTables(const CharacterSchema& s) {
    QStringList tables = {s.quests.table};
    if (s.quests.rewardedApart())
        tables << s.quests.rewardedTable;
    return tables;
}

QString questCondition(const CharacterSchema& s, const QString& guid, const QStringList& quests) {
    return quoted(s.quests.owner) + QStringLiteral(" = ") + bareNumber(guid) +
           QStringLiteral(" and ") + quoted(s.quests.quest) + QStringLiteral(" in (") +
           numberList(quests) + QLatin1Char(')');
}

} // namespace

QStringList questReset(const CharacterSchema& s, const QString& guid, const QStringList& quests) {
    QStringList statements;
    for (const QString& table : questTables(s))
        statements << QStringLiteral("delete from ") + quoted(table) + QStringLiteral(" where ") +
                              questCondition(s, guid, quests) + QLatin1Char(';');
    return statements;
}

QList<undosql::Target> questResetUndo(const CharacterSchema& s, const QString& guid,
                                      const QStringList& quests) {
    QList<undosql::Target> targets;
    for (const QString& table : questTables(s))
        targets << undosql::Target::deleted(table, questCondition(s, guid, quests));
    return targets;
}

QString moveWithoutAccount(const QString& serviceAccount, const QString& accountsDatabase) {
    return moveWithoutAccount(mangos2010(), serviceAccount, accountsDatabase);
}

QString moveWithoutAccount(const CharacterSchema& s, const QString& serviceAccount,
                           const QString& accountsDatabase) {
    return QStringLiteral("update  ") + quoted(s.characters.table) + QStringLiteral(" set ") +
           s.characters.account.read + QStringLiteral(" = ") + bareNumber(serviceAccount) +
           QStringLiteral(" where ") + withoutAccountCondition(s, accountsDatabase);
}

bool serviceAccountSet(const QString& setting) {
    return !setting.isEmpty() && onlyDigits(setting) && !onlyZeros(setting);
}

undosql::Target moveWithoutAccountUndo(const QString& accountsDatabase) {
    return moveWithoutAccountUndo(mangos2010(), accountsDatabase);
}

undosql::Target moveWithoutAccountUndo(const CharacterSchema& s, const QString& accountsDatabase) {
    return undosql::Target::updated(s.characters.table,
                                    withoutAccountCondition(s, accountsDatabase),
                                    {s.characters.account.write});
}

// ---- Characters without accounts: the clean-up across tables ----------------

QString withoutAccountGuids(const QString& accountsDatabase) {
    return withoutAccountGuids(mangos2010(), accountsDatabase);
}

QString withoutAccountGuids(const CharacterSchema& s, const QString& accountsDatabase) {
    return QStringLiteral("select ") + s.characters.guid.read + QStringLiteral(" from ") +
           quoted(s.characters.table) + withoutAccountFilter(s, accountsDatabase) +
           QStringLiteral(" order by ") + s.characters.guid.read + QLatin1Char(';');
}

namespace {

QString onlineWhere(const CharacterSchema& s, const QString& condition) {
    const schema::CharacterTable& c = s.characters;
    return QStringLiteral("select ") + c.guid.read + QStringLiteral(" from ") + quoted(c.table) +
           QStringLiteral(" where ") + condition + QStringLiteral(" and ") + c.online.read +
           QStringLiteral(" <> 0 order by ") + c.guid.read + QLatin1Char(';');
}

} // namespace

QString onlineAmong(const CharacterSchema& s, const QStringList& guids) {
    return onlineWhere(s, s.characters.guid.read + QStringLiteral(" in (") + numberList(guids) +
                                  QLatin1Char(')'));
}

QString onlineWithoutAccount(const CharacterSchema& s, const QString& accountsDatabase) {
    return onlineWhere(s, withoutAccountCondition(s, accountsDatabase));
}

QString tableColumns(const QString& charactersDatabase, Quoting quoting) {
    return QStringLiteral("select c.`TABLE_NAME`, t.`ENGINE`, c.`COLUMN_NAME` from "
                          "information_schema.`COLUMNS` c join information_schema.`TABLES` t "
                          "on t.`TABLE_SCHEMA` = c.`TABLE_SCHEMA` and t.`TABLE_NAME` = "
                          "c.`TABLE_NAME` where c.`TABLE_SCHEMA` = ") +
           quotedText(charactersDatabase, quoting) + QStringLiteral(" and t.`TABLE_TYPE` = ") +
           quotedText(QStringLiteral("BASE TABLE"), quoting) +
           QStringLiteral(" order by c.`TABLE_NAME`, c.`ORDINAL_POSITION`;");
}

namespace {

const TableInfo* findTable(const QList<TableInfo>& tables, const QString& name) {
    for (const TableInfo& table : tables) {
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

// The column of the table as the database spells it, if it has one.
std::optional<QString> columnOf(const TableInfo& table, const QString& column) {
    for (const QString& name : table.columns) {
        if (name.compare(column, Qt::CaseInsensitive) == 0)
            return name;
    }
    return std::nullopt;
}

bool innoDb(const TableInfo& table) {
    return table.engine.compare(QLatin1String("InnoDB"), Qt::CaseInsensitive) == 0;
}

// The target of a key, when its table (and its parent's) and columns exist.
std::optional<CleanupTarget> targetOf(const QList<TableInfo>& tables,
                                      const schema::CharacterKey& key) {
    const TableInfo* table = findTable(tables, key.table);
    if (!table)
        return std::nullopt;
    const std::optional<QString> column = columnOf(*table, key.column);
    if (!column)
        return std::nullopt;
    CleanupTarget target{table->name, *column, innoDb(*table), {}, {}, {}};
    if (key.throughParent()) {
        const TableInfo* parent = findTable(tables, key.parentTable);
        if (!parent)
            return std::nullopt;
        const std::optional<QString> parentKey = columnOf(*parent, key.parentKey);
        const std::optional<QString> parentOwner = columnOf(*parent, key.parentOwner);
        if (!parentKey || !parentOwner)
            return std::nullopt;
        target.parentTable = parent->name;
        target.parentKey = *parentKey;
        target.parentOwner = *parentOwner;
        // Its rows are found through the parent's: both go in the part of
        // the one that cannot be undone.
        target.transactional = target.transactional && innoDb(*parent);
    }
    return target;
}

} // namespace

QList<CleanupTarget> cleanupTargets(const QList<TableInfo>& tables) {
    return cleanupTargets(mangos2010(), tables);
}

QList<CleanupTarget> cleanupTargets(const CharacterSchema& s, const QList<TableInfo>& tables) {
    QList<CleanupTarget> found;
    QStringList named;
    for (const schema::CharacterKey& key : s.characterKeys) {
        named << key.table;
        if (const auto target = targetOf(tables, key))
            found << *target;
    }
    const QString guid = QStringLiteral("guid");
    for (const TableInfo& table : tables) {
        if (!table.name.startsWith(QLatin1String("character_"), Qt::CaseInsensitive) ||
            named.contains(table.name, Qt::CaseInsensitive))
            continue;
        if (const auto target = targetOf(tables, {table.name, guid, {}, {}, {}}))
            found << *target;
    }
    // A parent whose children cannot be undone goes with them, after them.
    for (const CleanupTarget& child : found) {
        if (child.parentTable.isEmpty() || child.transactional)
            continue;
        for (CleanupTarget& parent : found) {
            if (parent.table == child.parentTable)
                parent.transactional = false;
        }
    }
    std::stable_partition(found.begin(), found.end(),
                          [](const CleanupTarget& t) { return t.transactional; });
    if (const TableInfo* characters = findTable(tables, s.characters.table)) {
        if (const auto rows =
                    targetOf(tables, {characters->name, s.characters.guid.write, {}, {}, {}}))
            found << *rows;
    }
    return found;
}

QString rowsOfCondition(const CleanupTarget& target, const QStringList& guids) {
    const QString numbers = QStringLiteral(" IN (") + numberList(guids) + QLatin1Char(')');
    if (target.parentTable.isEmpty())
        return quotedName(target.column) + numbers;
    return quotedName(target.column) + QStringLiteral(" IN (SELECT ") +
           quotedName(target.parentKey) + QStringLiteral(" FROM ") +
           quotedName(target.parentTable) + QStringLiteral(" WHERE ") +
           quotedName(target.parentOwner) + numbers + QLatin1Char(')');
}

QString deleteRowsOf(const CleanupTarget& target, const QStringList& guids) {
    return QStringLiteral("DELETE FROM ") + quotedName(target.table) + QStringLiteral(" WHERE ") +
           rowsOfCondition(target, guids) + QLatin1Char(';');
}

QList<undosql::Target> cleanupUndo(const QList<CleanupTarget>& targets, const QStringList& guids) {
    QList<undosql::Target> undo;
    for (const CleanupTarget& target : targets)
        undo << undosql::Target::deleted(target.table, rowsOfCondition(target, guids));
    return undo;
}

} // namespace characterstatements

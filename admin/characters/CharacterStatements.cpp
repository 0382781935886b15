#include "characters/CharacterStatements.h"

#include "common/QueryConventions.h"

#include <algorithm>

namespace characterstatements {

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

// Opens a condition: " where (" for the first, " and (" for every later one.
void addCondition(QString& filter, const QString& condition) {
    filter += (filter.isEmpty() ? QStringLiteral(" where (") : QStringLiteral(" and (")) +
              condition + QLatin1Char(')');
}

// Sets one column of the character with the given guid to a value written as
// it stands.
QString setColumn(const char* column, const QString& value, const QString& guid) {
    return QStringLiteral("update `characters` set `") + QLatin1String(column) +
           QStringLiteral("` = ") + value + QStringLiteral(" where ") + guidCondition(guid) +
           QLatin1Char(';');
}

} // namespace

// ---- The list --------------------------------------------------------------

QString listSelect() {
    return QStringLiteral("select `guid`,`account`,`name`,`race`,`class`,`online`,`at_login`,"
                          "`map`,`zone` from `characters`");
}

QString sortFragment(SortColumn column) {
    switch (column) {
    case SortColumn::Name:
        return QStringLiteral(" order by `name`");
    case SortColumn::Account:
        return QStringLiteral(" order by `account`");
    case SortColumn::Race:
        return QStringLiteral(" order by `race`");
    case SortColumn::Class:
        return QStringLiteral(" order by `class`");
    case SortColumn::Guid:
        break;
    }
    return QStringLiteral(" order by `guid`");
}

std::optional<QString> searchCode(const QString& boxText) {
    const QString code = boxText.left(2);
    if (trimControls(code).isEmpty())
        return std::nullopt;
    return bareNumber(code);
}

QString searchFilter(const SearchFields& fields, Quoting quoting) {
    if (!fields.guid.isEmpty())
        return QStringLiteral(" where `guid` = ") + bareNumber(fields.guid);
    QString filter;
    if (!fields.name.isEmpty())
        addCondition(filter, QStringLiteral("`name` like ") +
                                     likeAnywhere(trimControls(fields.name), quoting));
    if (!fields.account.isEmpty())
        addCondition(filter, QStringLiteral("`account` = ") + bareNumber(fields.account));
    if (!fields.race.isEmpty()) {
        if (const auto code = searchCode(fields.race))
            addCondition(filter, QStringLiteral("`race` = ") + *code);
    }
    if (!fields.characterClass.isEmpty()) {
        if (const auto code = searchCode(fields.characterClass))
            addCondition(filter, QStringLiteral("`class` = ") + *code);
    }
    return filter;
}

QString accountFilter(const QString& accountId) {
    return QStringLiteral(" where `account` = ") + bareNumber(accountId);
}

QString accountLookupFilter(const QString& account) {
    return QStringLiteral("where `id` = ") + bareNumber(account);
}

QString onlineFilter() {
    return QStringLiteral(" where `online` = 1");
}

QString richFilter(const QString& threshold) {
    return QStringLiteral(" where `money` > ") + bareNumber(threshold);
}

QString withoutAccountCondition(const QString& accountsDatabase) {
    return QStringLiteral("`account` not in (select `id` from ") + quotedName(accountsDatabase) +
           QStringLiteral(".`account`)");
}

QString withoutAccountFilter(const QString& accountsDatabase) {
    return QStringLiteral(" where ") + withoutAccountCondition(accountsDatabase);
}

// ---- The details -------------------------------------------------------------

QString fullRow(const QString& guid) {
    return QStringLiteral("select * from `characters` where guid = ") + bareNumber(guid) +
           QStringLiteral(" limit 1;");
}

QString columnNames() {
    return QStringLiteral("show columns from `characters`;");
}

QString quests(const QString& chars, const QString& world, const QString& guid) {
    const QString status = qualifierName(chars) + QStringLiteral(".character_queststatus");
    const QString quest = qualifierName(world) + QStringLiteral(".quest_template");
    return QStringLiteral("select ") + status + QStringLiteral(".quest, ") + status +
           QStringLiteral(".status, ") + quest + QStringLiteral(".Title, ") + quest +
           QStringLiteral(".NextQuestId, ") + quest + QStringLiteral(".PrevQuestId, ") + quest +
           QStringLiteral(".NextQuestInChain, ") + quest + QStringLiteral(".ExclusiveGroup") +
           QStringLiteral(" from ") + status + QStringLiteral(", ") + quest +
           QStringLiteral(" where ") + status + QStringLiteral(".guid = ") + bareNumber(guid) +
           QStringLiteral(" and ") + quest + QStringLiteral(".entry = ") + status +
           QStringLiteral(".quest order by ") + status + QStringLiteral(".quest;");
}

QString items(const QString& chars, const QString& world, const QString& locale,
              const QString& guid) {
    const QString inventory = qualifierName(chars) + QStringLiteral(".character_inventory");
    const QString item = qualifierName(world) + QStringLiteral(".item_template");
    const QString localized = qualifierName(world) + QStringLiteral(".locales_item");
    return QStringLiteral("select ") + inventory + QStringLiteral(".*, ") + item +
           QStringLiteral(".name, ") + localized + QStringLiteral(".name_loc") +
           bareNumber(locale) + QStringLiteral(" from ") + inventory +
           QStringLiteral(" left join ") + item + QStringLiteral(" on (") + item +
           QStringLiteral(".entry = ") + inventory + QStringLiteral(".item_template) left join ") +
           localized + QStringLiteral(" on (") + localized + QStringLiteral(".entry = ") +
           inventory + QStringLiteral(".item_template) where (") + inventory +
           QStringLiteral(".guid = ") + bareNumber(guid) + QStringLiteral(") order by bag, slot");
}

QString spells(const QString& chars, const QString& guid) {
    const QString spell = qualifierName(chars) + QStringLiteral(".character_spell");
    return QStringLiteral("select ") + spell + QStringLiteral(".spell,") + spell +
           QStringLiteral(".active,") + spell + QStringLiteral(".disabled from ") + spell +
           QStringLiteral(" where ") + spell + QStringLiteral(".guid = ") + bareNumber(guid) +
           QStringLiteral(" order by spell;");
}

QStringList dataValues(const QString& text) {
    QStringList values;
    QString value;
    for (QChar c : text) {
        if (c != u' ') {
            value += c;
        } else if (!trimControls(value).isEmpty()) {
            values << value;
            value.clear();
        }
    }
    return values;
}

// ---- Editing -----------------------------------------------------------------

QString normalisedName(const QString& field) {
    QString name = trimControls(field).isEmpty() ? QStringLiteral("player") : field;
    name = lowerLatin(name);
    name[0] = name[0].toUpper();
    return name;
}

QString rename(const QString& nameField, const QString& guid, Quoting quoting) {
    return setColumn("name", quotedText(trimControls(nameField), quoting), guid);
}

QString normalisedAccount(const QString& field) {
    const QString account = trimControls(field);
    return account.isEmpty() || onlyZeros(account) ? QStringLiteral("1") : field;
}

QString moveToAccount(const QString& accountField, const QString& guid) {
    return setColumn("account", bareNumber(trimControls(accountField)), guid);
}

int atLoginWord(int current, bool rename, bool resetSpells, bool resetTalents) {
    return (current & ~7) + (rename ? 1 : 0) + (resetSpells ? 2 : 0) + (resetTalents ? 4 : 0);
}

QString setAtLogin(int word, const QString& guid) {
    return setColumn("at_login", QString::number(word), guid);
}

QString swappedGender(const QString& field) {
    return trimControls(field) == QStringLiteral("0") ? QStringLiteral("1") : QStringLiteral("0");
}

QString setGender(const QString& genderField, const QString& guid) {
    return setColumn("gender", bareNumber(genderField), guid);
}

QString normalisedMoney(const QString& field) {
    return trimControls(field).isEmpty() ? QStringLiteral("0") : field;
}

QString setMoney(const QString& moneyField, const QString& guid) {
    return setColumn("money", bareNumber(moneyField), guid);
}

QString setLevel(const QString& levelField, const QString& guid) {
    return setColumn("level", bareNumber(trimControls(levelField)), guid);
}

// ---- Repair and clean-up -----------------------------------------------------

namespace {

// The rows that "Анти ERROR" deletes: table and the start of the condition,
// which the guid completes.
const std::pair<const char*, const char*> kRepairDeletions[] = {
        {"character_aura", "`guid`= "},
        {"groups", "`leaderGuid`= "},
        {"group_member", "`leaderGuid`= "},
        {"group_member", "`memberGuid`="},
        {"corpse", "`player`="},
};

QString repairCondition(const char* start, const QString& guid) {
    return QLatin1String(start) + bareNumber(trimControls(guid));
}

} // namespace

QStringList repair(const QString& guid) {
    const QString g = bareNumber(guid);
    const auto aura = [&g](const char* rest) {
        return QStringLiteral("REPLACE INTO character_aura VALUES (") + g + QStringLiteral(", ") +
               g + QLatin1String(rest);
    };
    QStringList statements = {QStringLiteral("SET NAMES utf8;")};
    for (const auto& [table, condition] : kRepairDeletions)
        statements << QStringLiteral("DELETE FROM `") + QLatin1String(table) +
                              QStringLiteral("` WHERE ") + repairCondition(condition, guid) +
                              QLatin1Char(';');
    statements << QStringLiteral("UPDATE `characters` SET `trans_x`=0, `trans_y`=0, `trans_z`=0, "
                                 "`trans_o`=0, `transguid`=0, `taxi_path`=\"\" WHERE ") +
                          repairCondition("`guid`=", guid) + QLatin1Char(';')
               << QStringLiteral(
                          "UPDATE `characters` as c, `character_homebind` as h SET "
                          "c.`position_x`= h.`position_x`, c.`position_y`= h.`position_y`, "
                          "c.`position_z`=h.`position_z`, c.`map`=h.`map` WHERE (c.`guid`= ") +
                          g + QStringLiteral(") AND ( c.`guid`= h.`guid`);")
               << aura(", 15007,0,1,-75,600000,600000,-1);")
               << aura(", 15007,1,1,-75,600000,600000,-1);")
               << aura(", 15007,2,1,0,600000,600000,-1);");
    return statements;
}

QString questChainCondition(const QString& guid) {
    return guidCondition(guid) + QStringLiteral(" and `quest` in (1718,1719,1712,1713,1791,1792)");
}

QString questChainReset(const QString& guid) {
    return QStringLiteral("delete from `character_queststatus` where ") +
           questChainCondition(guid) + QLatin1Char(';');
}

QString moveWithoutAccount(const QString& serviceAccount, const QString& accountsDatabase) {
    return QStringLiteral("update  `characters` set `account` = ") + bareNumber(serviceAccount) +
           QStringLiteral(" where ") + withoutAccountCondition(accountsDatabase);
}

bool serviceAccountSet(const QString& setting) {
    return !setting.isEmpty() && onlyDigits(setting) && !onlyZeros(setting);
}

// ---- Characters without accounts: the clean-up across tables ----------------

namespace {

// The tables and columns that hold a character's rows, by name.
const std::pair<const char*, const char*> kCharacterRows[] = {
        {"character_inventory", "guid"},
        {"item_instance", "owner_guid"},
        {"character_spell", "guid"},
        {"character_aura", "guid"},
        {"character_queststatus", "guid"},
        {"character_homebind", "guid"},
        {"character_action", "guid"},
        {"character_reputation", "guid"},
        {"character_social", "guid"},
        {"character_social", "friend"},
        {"corpse", "player"},
        {"group_member", "memberGuid"},
        {"group_member", "leaderGuid"},
        {"groups", "leaderGuid"},
};

} // namespace

QString withoutAccountGuids(const QString& accountsDatabase) {
    return QStringLiteral("select `guid` from `characters`") +
           withoutAccountFilter(accountsDatabase) + QStringLiteral(" order by `guid`;");
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

QList<CleanupTarget> cleanupTargets(const QList<TableInfo>& tables) {
    const auto find = [&tables](const QString& name) -> const TableInfo* {
        for (const TableInfo& table : tables) {
            if (table.name.compare(name, Qt::CaseInsensitive) == 0)
                return &table;
        }
        return nullptr;
    };
    const auto target = [](const TableInfo& table,
                           const QString& column) -> std::optional<CleanupTarget> {
        for (const QString& name : table.columns) {
            if (name.compare(column, Qt::CaseInsensitive) == 0)
                return CleanupTarget{
                        table.name, name,
                        table.engine.compare(QLatin1String("InnoDB"), Qt::CaseInsensitive) == 0};
        }
        return std::nullopt;
    };

    QList<CleanupTarget> found;
    QStringList named;
    for (const auto& [tableName, column] : kCharacterRows) {
        named << QLatin1String(tableName);
        if (const TableInfo* table = find(QLatin1String(tableName))) {
            if (const auto rows = target(*table, QLatin1String(column)))
                found << *rows;
        }
    }
    for (const TableInfo& table : tables) {
        if (!table.name.startsWith(QLatin1String("character_"), Qt::CaseInsensitive) ||
            named.contains(table.name, Qt::CaseInsensitive))
            continue;
        if (const auto rows = target(table, QStringLiteral("guid")))
            found << *rows;
    }
    std::stable_partition(found.begin(), found.end(),
                          [](const CleanupTarget& t) { return t.transactional; });
    if (const TableInfo* characters = find(QStringLiteral("characters"))) {
        if (const auto rows = target(*characters, QStringLiteral("guid")))
            found << *rows;
    }
    return found;
}

QString rowsOfCondition(const CleanupTarget& target, const QStringList& guids) {
    QStringList numbers;
    numbers.reserve(guids.size());
    for (const QString& guid : guids)
        numbers << bareNumber(guid);
    return quotedName(target.column) + QStringLiteral(" IN (") + numbers.join(QLatin1Char(',')) +
           QLatin1Char(')');
}

QString deleteRowsOf(const CleanupTarget& target, const QStringList& guids) {
    return QStringLiteral("DELETE FROM ") + quotedName(target.table) + QStringLiteral(" WHERE ") +
           rowsOfCondition(target, guids) + QLatin1Char(';');
}

// ---- Undo -----------------------------------------------------------------------

namespace {
const QString kCharacters = QStringLiteral("characters");
} // namespace

QString guidCondition(const QString& guid) {
    return QStringLiteral("`guid` = ") + bareNumber(guid);
}

undosql::Target columnUndo(const QString& column, const QString& guid) {
    return undosql::Target::updated(kCharacters, guidCondition(guid), {column});
}

QList<undosql::Target> repairUndo(const QString& guid) {
    // The auras are deleted and three are written again with the guid.
    QList<undosql::Target> targets = {undosql::Target::rewritten(QStringLiteral("character_aura"),
                                                                 QStringLiteral("guid"),
                                                                 bareNumber(trimControls(guid)))};
    for (const auto& [table, condition] : kRepairDeletions) {
        if (QLatin1String(table) != QLatin1String("character_aura"))
            targets << undosql::Target::deleted(QLatin1String(table),
                                                repairCondition(condition, guid));
    }
    targets << undosql::Target::updated(kCharacters, repairCondition("`guid`=", guid),
                                        {QStringLiteral("trans_x"), QStringLiteral("trans_y"),
                                         QStringLiteral("trans_z"), QStringLiteral("trans_o"),
                                         QStringLiteral("transguid"), QStringLiteral("taxi_path"),
                                         QStringLiteral("position_x"), QStringLiteral("position_y"),
                                         QStringLiteral("position_z"), QStringLiteral("map")});
    return targets;
}

undosql::Target questChainResetUndo(const QString& guid) {
    return undosql::Target::deleted(QStringLiteral("character_queststatus"),
                                    questChainCondition(guid));
}

undosql::Target moveWithoutAccountUndo(const QString& accountsDatabase) {
    return undosql::Target::updated(kCharacters, withoutAccountCondition(accountsDatabase),
                                    {QStringLiteral("account")});
}

QList<undosql::Target> cleanupUndo(const QList<CleanupTarget>& targets, const QStringList& guids) {
    QList<undosql::Target> undo;
    for (const CleanupTarget& target : targets)
        undo << undosql::Target::deleted(target.table, rowsOfCondition(target, guids));
    return undo;
}

} // namespace characterstatements

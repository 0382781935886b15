#include "characters/CharacterStatements.h"

#include "common/QueryConventions.h"

namespace characterstatements {

using schema::quoted;

namespace {

// Opens a condition: " where (" for the first, " and (" for every later one.
void addCondition(QString& filter, const QString& condition) {
    filter += (filter.isEmpty() ? QStringLiteral(" where (") : QStringLiteral(" and (")) +
              condition + QLatin1Char(')');
}

// A field as a select reads it; NULL where the family lacks it.
QString readOf(const schema::Field& field) {
    return field.has() ? field.read : QStringLiteral("NULL");
}

// Sets one column of the character with the given guid to a value written as
// it stands.
QString setColumn(const CharacterSchema& s, const schema::Field& field, const QString& value,
                  const QString& guid) {
    return QStringLiteral("update ") + quoted(s.characters.table) + QStringLiteral(" set ") +
           quoted(field.write) + QStringLiteral(" = ") + value + QStringLiteral(" where ") +
           guidCondition(s, guid) + QLatin1Char(';');
}

// "db.table" with the database as a qualifier, the table bare: the form of
// the 2010 detail statements.
QString qualified(const QString& database, const QString& table) {
    return qualifierName(database) + QLatin1Char('.') + table;
}

// "`db`.`table` alias"
QString aliased(const QString& database, const QString& table, const char* alias) {
    return quotedName(database) + QLatin1Char('.') + quoted(table) + QLatin1Char(' ') +
           QLatin1String(alias);
}

// "alias.`column`"
QString in(const char* alias, const QString& column) {
    return QLatin1String(alias) + QLatin1Char('.') + quoted(column);
}

// The condition that keeps, of a template table with a row per content
// patch, the row of the highest patch for the alias's entry.
QString highestPatch(const QString& database, const QString& table, const QString& key,
                     const QString& patch, const char* alias) {
    return QStringLiteral(" and ") + in(alias, patch) + QStringLiteral(" = (select max(") +
           in("p", patch) + QStringLiteral(") from ") + aliased(database, table, "p") +
           QStringLiteral(" where ") + in("p", key) + QStringLiteral(" = ") + in(alias, key) +
           QLatin1Char(')');
}

// ---- Quests ------------------------------------------------------------------

// The 2010 form: the status table and the quest table joined in the where
// clause, every name qualified.
QString questsJoinedInWhere(const CharacterSchema& s, const WorldSchema& w, const QString& chars,
                            const QString& world, const QString& guid) {
    const schema::QuestTemplateSchema& q = w.quests;
    const QString status = qualified(chars, s.quests.table);
    const QString quest = qualified(world, q.table);
    const auto of = [](const QString& table, const QString& column) {
        return table + QLatin1Char('.') + column;
    };
    return QStringLiteral("select ") + of(status, s.quests.quest) + QStringLiteral(", ") +
           of(status, s.quests.status) + QStringLiteral(", ") + of(quest, q.title) +
           QStringLiteral(", ") + of(quest, q.nextQuest) + QStringLiteral(", ") +
           of(quest, q.prevQuest) + QStringLiteral(", ") + of(quest, q.nextInChain) +
           QStringLiteral(", ") + of(quest, q.exclusiveGroup) + QStringLiteral(" from ") + status +
           QStringLiteral(", ") + quest + QStringLiteral(" where ") + of(status, s.quests.owner) +
           QStringLiteral(" = ") + bareNumber(guid) + QStringLiteral(" and ") + of(quest, q.key) +
           QStringLiteral(" = ") + of(status, s.quests.quest) + QStringLiteral(" order by ") +
           of(status, s.quests.quest) + QLatin1Char(';');
}

// The quests of one status table with explicit joins: the template row (of
// the highest patch) and the chain row where it is apart.
QString questsOfTable(const WorldSchema& w, const QString& chars, const QString& world,
                      const QString& statusTable, const QString& owner, const QString& quest,
                      const QString& status, const QString& guid) {
    const schema::QuestTemplateSchema& q = w.quests;
    const char* chain = q.chainApart() ? "c" : "q";
    QString text = QStringLiteral("select ") + in("s", quest) + QStringLiteral(", ") + status +
                   QStringLiteral(", ") + in("q", q.title) + QStringLiteral(", ") +
                   in(chain, q.nextQuest) + QStringLiteral(", ") + in(chain, q.prevQuest) +
                   QStringLiteral(", ") + in("q", q.nextInChain) + QStringLiteral(", ") +
                   in(chain, q.exclusiveGroup) + QStringLiteral(" from ") +
                   aliased(chars, statusTable, "s") + QStringLiteral(" join ") +
                   aliased(world, q.table, "q") + QStringLiteral(" on ") + in("q", q.key) +
                   QStringLiteral(" = ") + in("s", quest);
    if (!q.patch.isEmpty())
        text += highestPatch(world, q.table, q.key, q.patch, "q");
    if (q.chainApart())
        text += QStringLiteral(" left join ") + aliased(world, q.chainTable, "c") +
                QStringLiteral(" on ") + in("c", q.chainKey) + QStringLiteral(" = ") +
                in("q", q.key);
    return text + QStringLiteral(" where ") + in("s", owner) + QStringLiteral(" = ") +
           bareNumber(guid);
}

// ---- Items -------------------------------------------------------------------

// The 2010 form: every inventory column, the entry in the inventory, a
// locale column per language.
QString itemsOfInventoryColumns(const CharacterSchema& s, const WorldSchema& w,
                                const QString& chars, const QString& world, const QString& locale,
                                const QString& guid) {
    const schema::InventorySchema& i = s.inventory;
    const schema::ItemTemplateSchema& t = w.items;
    const QString inventory = qualified(chars, i.table);
    const QString item = qualified(world, t.table);
    const QString localized = qualified(world, t.localeTable);
    const QString entry = inventory + QLatin1Char('.') + i.entry;
    return QStringLiteral("select ") + inventory + QStringLiteral(".*, ") + item +
           QLatin1Char('.') + t.name + QStringLiteral(", ") + localized + QLatin1Char('.') +
           t.localeColumnPrefix + bareNumber(locale) + QStringLiteral(" from ") + inventory +
           QStringLiteral(" left join ") + item + QStringLiteral(" on (") + item +
           QLatin1Char('.') + t.key + QStringLiteral(" = ") + entry +
           QStringLiteral(") left join ") + localized + QStringLiteral(" on (") + localized +
           QLatin1Char('.') + t.localeKey + QStringLiteral(" = ") + entry +
           QStringLiteral(") where (") + inventory + QLatin1Char('.') + i.owner +
           QStringLiteral(" = ") + bareNumber(guid) + QStringLiteral(") order by bag, slot");
}

// The translation's select item and join, for the locale number of the
// settings; an empty text where there is none to join.
std::pair<QString, QString> translation(const WorldSchema& w, const QString& world,
                                        const QString& locale, const QString& entry) {
    const schema::ItemTemplateSchema& t = w.items;
    const QString none = QStringLiteral("''");
    bool isNumber = false;
    const int number = trimControls(locale).toInt(&isNumber);
    if (!t.localesPresent || !isNumber || schema::localeName(number).isEmpty())
        return {none, {}};
    QString join = QStringLiteral(" left join ") + aliased(world, t.localeTable, "l") +
                   QStringLiteral(" on ") + in("l", t.localeKey) + QStringLiteral(" = ") + entry;
    if (t.localeRows())
        return {in("l", t.localeTextColumn),
                join + QStringLiteral(" and ") + in("l", t.localeNameColumn) +
                        QStringLiteral(" = \"") + schema::localeName(number) + QLatin1Char('"')};
    return {in("l", t.localeColumnPrefix + QString::number(number)), join};
}

QString itemsJoined(const CharacterSchema& s, const WorldSchema& w, const QString& chars,
                    const QString& world, const QString& locale, const QString& guid) {
    const schema::InventorySchema& i = s.inventory;
    const schema::ItemTemplateSchema& t = w.items;
    QString joins;
    QString entry;
    if (i.entryInInstance()) {
        joins = QStringLiteral(" left join ") + aliased(chars, i.instanceTable, "ii") +
                QStringLiteral(" on ") + in("ii", i.instanceKey) + QStringLiteral(" = ") +
                in("i", i.item);
        entry = in("ii", i.instanceEntry);
    } else {
        entry = in("i", i.entry);
    }
    joins += QStringLiteral(" left join ") + aliased(world, t.table, "t") + QStringLiteral(" on ") +
             in("t", t.key) + QStringLiteral(" = ") + entry;
    if (!t.patch.isEmpty())
        joins += highestPatch(world, t.table, t.key, t.patch, "t");
    const auto [translated, localeJoin] = translation(w, world, locale, entry);
    return QStringLiteral("select ") + in("i", i.owner) + QStringLiteral(", ") + in("i", i.bag) +
           QStringLiteral(", ") + in("i", i.slot) + QStringLiteral(", ") + in("i", i.item) +
           QStringLiteral(", ") + entry + QStringLiteral(", ") + in("t", t.name) +
           QStringLiteral(", ") + translated + QStringLiteral(" from ") +
           aliased(chars, i.table, "i") + joins + localeJoin + QStringLiteral(" where ") +
           in("i", i.owner) + QStringLiteral(" = ") + bareNumber(guid) +
           QStringLiteral(" order by ") + in("i", i.bag) + QStringLiteral(", ") + in("i", i.slot);
}

} // namespace

const CharacterSchema& mangos2010() {
    static const CharacterSchema s =
            schema::characterSchema(schema::Family::Mangos2010, schema::Catalog());
    return s;
}

const WorldSchema& mangos2010World() {
    static const WorldSchema w = schema::worldSchema(schema::Family::Mangos2010, schema::Catalog());
    return w;
}

// ---- The list --------------------------------------------------------------

QString listSelect() {
    return listSelect(mangos2010());
}

QString listSelect(const CharacterSchema& s) {
    const schema::CharacterTable& c = s.characters;
    QStringList columns;
    for (const schema::Field* field : {&c.guid, &c.account, &c.name, &c.race, &c.characterClass,
                                       &c.online, &c.atLogin, &c.map, &c.zone})
        columns << readOf(*field);
    return QStringLiteral("select ") + columns.join(QLatin1Char(',')) + QStringLiteral(" from ") +
           quoted(c.table);
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
    return searchFilter(mangos2010(), fields, quoting);
}

QString searchFilter(const CharacterSchema& s, const SearchFields& fields, Quoting quoting) {
    const schema::CharacterTable& c = s.characters;
    if (!fields.guid.isEmpty())
        return QStringLiteral(" where ") + c.guid.read + QStringLiteral(" = ") +
               bareNumber(fields.guid);
    QString filter;
    if (!fields.name.isEmpty())
        addCondition(filter, c.name.read + QStringLiteral(" like ") +
                                     likeAnywhere(trimControls(fields.name), quoting));
    if (!fields.account.isEmpty())
        addCondition(filter, c.account.read + QStringLiteral(" = ") + bareNumber(fields.account));
    if (!fields.race.isEmpty()) {
        if (const auto code = searchCode(fields.race))
            addCondition(filter, c.race.read + QStringLiteral(" = ") + *code);
    }
    if (!fields.characterClass.isEmpty()) {
        if (const auto code = searchCode(fields.characterClass))
            addCondition(filter, c.characterClass.read + QStringLiteral(" = ") + *code);
    }
    return filter;
}

QString accountFilter(const QString& accountId) {
    return accountFilter(mangos2010(), accountId);
}

QString accountFilter(const CharacterSchema& s, const QString& accountId) {
    return QStringLiteral(" where ") + s.characters.account.read + QStringLiteral(" = ") +
           bareNumber(accountId);
}

QString accountLookupFilter(const QString& account) {
    return QStringLiteral("where `id` = ") + bareNumber(account);
}

QString onlineFilter() {
    return onlineFilter(mangos2010());
}

QString onlineFilter(const CharacterSchema& s) {
    return QStringLiteral(" where ") + s.characters.online.read + QStringLiteral(" = 1");
}

QString richFilter(const QString& threshold) {
    return richFilter(mangos2010(), threshold);
}

QString richFilter(const CharacterSchema& s, const QString& threshold) {
    return QStringLiteral(" where ") + s.characters.money.read + QStringLiteral(" > ") +
           bareNumber(threshold);
}

QString withoutAccountCondition(const QString& accountsDatabase) {
    return withoutAccountCondition(mangos2010(), accountsDatabase);
}

QString withoutAccountCondition(const CharacterSchema& s, const QString& accountsDatabase) {
    QString condition = s.characters.account.read + QStringLiteral(" not in (select `id` from ") +
                        quotedName(accountsDatabase) + QStringLiteral(".`account`)");
    if (s.characters.deletedAccount.has())
        condition += QStringLiteral(" and ") + s.characters.deletedAccount.read +
                     QStringLiteral(" is null");
    return condition;
}

QString withoutAccountFilter(const QString& accountsDatabase) {
    return withoutAccountFilter(mangos2010(), accountsDatabase);
}

QString withoutAccountFilter(const CharacterSchema& s, const QString& accountsDatabase) {
    return QStringLiteral(" where ") + withoutAccountCondition(s, accountsDatabase);
}

// ---- The details -------------------------------------------------------------

QString fullRow(const QString& guid) {
    return fullRow(mangos2010(), guid);
}

QString fullRow(const CharacterSchema& s, const QString& guid) {
    return QStringLiteral("select * from ") + quoted(s.characters.table) +
           QStringLiteral(" where ") + s.characters.guid.write + QStringLiteral(" = ") +
           bareNumber(guid) + QStringLiteral(" limit 1;");
}

QString columnNames() {
    return columnNames(mangos2010());
}

QString columnNames(const CharacterSchema& s) {
    return QStringLiteral("show columns from ") + quoted(s.characters.table) + QLatin1Char(';');
}

QString quests(const QString& chars, const QString& world, const QString& guid) {
    return quests(mangos2010(), mangos2010World(), chars, world, guid);
}

QString quests(const CharacterSchema& s, const WorldSchema& w, const QString& chars,
               const QString& world, const QString& guid) {
    const schema::QuestStatusSchema& status = s.quests;
    if (w.quests.patch.isEmpty() && !w.quests.chainApart() && !status.rewardedApart())
        return questsJoinedInWhere(s, w, chars, world, guid);
    QString text = questsOfTable(w, chars, world, status.table, status.owner, status.quest,
                                 in("s", status.status), guid);
    if (status.rewardedApart())
        text += QStringLiteral(" union all ") +
                questsOfTable(w, chars, world, status.rewardedTable, status.owner, status.quest,
                              QString::number(status.rewardedStatus), guid);
    return text + QStringLiteral(" order by 1, 2;");
}

QString items(const QString& chars, const QString& world, const QString& locale,
              const QString& guid) {
    return items(mangos2010(), mangos2010World(), chars, world, locale, guid);
}

QString items(const CharacterSchema& s, const WorldSchema& w, const QString& chars,
              const QString& world, const QString& locale, const QString& guid) {
    if (!s.inventory.entryInInstance() && w.items.patch.isEmpty() && !w.items.localeRows() &&
        w.items.localesPresent)
        return itemsOfInventoryColumns(s, w, chars, world, locale, guid);
    return itemsJoined(s, w, chars, world, locale, guid);
}

QString spells(const QString& chars, const QString& guid) {
    return spells(mangos2010(), chars, guid);
}

QString spells(const CharacterSchema& s, const QString& chars, const QString& guid) {
    const QString spell = qualified(chars, s.spells.table) + QLatin1Char('.');
    QStringList columns = {spell + s.spells.spell};
    for (const schema::ShownColumn& shown : s.spells.shown)
        columns << spell + shown.column;
    return QStringLiteral("select ") + columns.join(QLatin1Char(',')) + QStringLiteral(" from ") +
           qualified(chars, s.spells.table) + QStringLiteral(" where ") + spell + s.spells.owner +
           QStringLiteral(" = ") + bareNumber(guid) + QStringLiteral(" order by ") +
           s.spells.spell + QLatin1Char(';');
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

QList<NamedValue> namedValues(const CharacterSchema& s) {
    const schema::CharacterTable& c = s.characters;
    const std::pair<const char16_t*, const schema::Field*> values[] = {
            {u"Уровень", &c.level},
            {u"Опыт", &c.xp},
            {u"Деньги, медь", &c.money},
            {u"Пол", &c.gender},
            {u"Раса", &c.race},
            {u"Класс", &c.characterClass},
            {u"В игре", &c.online},
            {u"Карта", &c.map},
            {u"Зона", &c.zone},
            {u"Позиция X", &c.positionX},
            {u"Позиция Y", &c.positionY},
            {u"Позиция Z", &c.positionZ},
            {u"Транспорт", &c.transportGuid},
            {u"Место на транспорте X", &c.transportX},
            {u"Место на транспорте Y", &c.transportY},
            {u"Место на транспорте Z", &c.transportZ},
            {u"Место на транспорте O", &c.transportO},
            {u"Маршрут полёта", &c.taxiPath},
            {u"Флаги входа (at_login)", &c.atLogin},
    };
    QList<NamedValue> named;
    for (const auto& [label, field] : values) {
        if (field->has())
            named << NamedValue{QString::fromUtf16(label), field->write};
    }
    return named;
}

// ---- Editing -----------------------------------------------------------------

QString normalisedName(const QString& field) {
    QString name = trimControls(field).isEmpty() ? QStringLiteral("player") : field;
    name = lowerLatin(name);
    name[0] = name[0].toUpper();
    return name;
}

QString rename(const QString& nameField, const QString& guid, Quoting quoting) {
    return rename(mangos2010(), nameField, guid, quoting);
}

QString rename(const CharacterSchema& s, const QString& nameField, const QString& guid,
               Quoting quoting) {
    return setColumn(s, s.characters.name, quotedText(trimControls(nameField), quoting), guid);
}

QString normalisedAccount(const QString& field) {
    const QString account = trimControls(field);
    bool zero = !account.isEmpty();
    for (QChar c : account)
        zero = zero && c == u'0';
    return account.isEmpty() || zero ? QStringLiteral("1") : field;
}

QString moveToAccount(const QString& accountField, const QString& guid) {
    return moveToAccount(mangos2010(), accountField, guid);
}

QString moveToAccount(const CharacterSchema& s, const QString& accountField, const QString& guid) {
    return setColumn(s, s.characters.account, bareNumber(trimControls(accountField)), guid);
}

int atLoginWord(int current, bool rename, bool resetSpells, bool resetTalents) {
    return atLoginWord(mangos2010().atLoginFlags, current, rename, resetSpells, resetTalents);
}

int atLoginWord(const schema::AtLoginFlags& flags, int current, bool rename, bool resetSpells,
                bool resetTalents) {
    const int all = flags.rename | flags.resetSpells | flags.resetTalents;
    return (current & ~all) | (rename ? flags.rename : 0) | (resetSpells ? flags.resetSpells : 0) |
           (resetTalents ? flags.resetTalents : 0);
}

QString setAtLogin(int word, const QString& guid) {
    return setAtLogin(mangos2010(), word, guid);
}

QString setAtLogin(const CharacterSchema& s, int word, const QString& guid) {
    return setColumn(s, s.characters.atLogin, QString::number(word), guid);
}

QString swappedGender(const QString& field) {
    return trimControls(field) == QStringLiteral("0") ? QStringLiteral("1") : QStringLiteral("0");
}

QString setGender(const QString& genderField, const QString& guid) {
    return setGender(mangos2010(), genderField, guid);
}

QString setGender(const CharacterSchema& s, const QString& genderField, const QString& guid) {
    return setColumn(s, s.characters.gender, bareNumber(genderField), guid);
}

QString normalisedMoney(const QString& field) {
    return trimControls(field).isEmpty() ? QStringLiteral("0") : field;
}

QString setMoney(const QString& moneyField, const QString& guid) {
    return setMoney(mangos2010(), moneyField, guid);
}

QString setMoney(const CharacterSchema& s, const QString& moneyField, const QString& guid) {
    return setColumn(s, s.characters.money, bareNumber(moneyField), guid);
}

QString setLevel(const QString& levelField, const QString& guid) {
    return setLevel(mangos2010(), levelField, guid);
}

QString setLevel(const CharacterSchema& s, const QString& levelField, const QString& guid) {
    return setColumn(s, s.characters.level, bareNumber(trimControls(levelField)), guid);
}

// ---- Undo of the edits ---------------------------------------------------------

QString guidCondition(const QString& guid) {
    return guidCondition(mangos2010(), guid);
}

QString guidCondition(const CharacterSchema& s, const QString& guid) {
    return s.characters.guid.read + QStringLiteral(" = ") + bareNumber(guid);
}

undosql::Target columnUndo(const QString& column, const QString& guid) {
    return columnUndo(mangos2010(), column, guid);
}

undosql::Target columnUndo(const CharacterSchema& s, const QString& column, const QString& guid) {
    return undosql::Target::updated(s.characters.table, guidCondition(s, guid), {column});
}

} // namespace characterstatements

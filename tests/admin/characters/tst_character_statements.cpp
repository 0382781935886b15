// The statement texts and value rules of the character page, without a
// server.
#include "characters/CharacterCodes.h"
#include "characters/CharacterStatements.h"
#include "common/RecordLimit.h"

#include <QTest>

namespace stm = characterstatements;

class CharacterStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void searchFilter_data();
    void searchFilter();
    void listStatement_data();
    void listStatement();
    void gridTexts_data();
    void gridTexts();
    void detailStatements();
    void dataValues_data();
    void dataValues();
    void normalisedName_data();
    void normalisedName();
    void renameEscapesTheName();
    void normalisedAccount_data();
    void normalisedAccount();
    void atLoginWord_data();
    void atLoginWord();
    void swappedGender_data();
    void swappedGender();
    void editingStatements();
    void repairStatements();
    void cleanUpStatements();
    void cleanupTargets_data();
    void cleanupTargets();
    void serviceAccount_data();
    void serviceAccount();
    void bareValuesCannotChangeAStatement_data();
    void bareValuesCannotChangeAStatement();
};

void CharacterStatementsTest::searchFilter_data() {
    QTest::addColumn<QString>("guid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("race");
    QTest::addColumn<QString>("klass");
    QTest::addColumn<QString>("filter");
    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << ""
                               << ""
                               << "";
    QTest::newRow("guid wins over everything") << "17"
                                               << "bob"
                                               << "3"
                                               << "1 - Human"
                                               << "2 - Paladin"
                                               << " where `guid` = 17";
    QTest::newRow("name trimmed") << ""
                                  << "  Вас ёк "
                                  << ""
                                  << ""
                                  << ""
                                  << " where (`name` like \"%Вас ёк%\")";
    QTest::newRow("blank-only name matches every name") << ""
                                                        << "   "
                                                        << ""
                                                        << ""
                                                        << ""
                                                        << " where (`name` like \"%%\")";
    QTest::newRow("name with quotes is escaped")
            << ""
            << "O\"Ne'il\\"
            << ""
            << ""
            << ""
            << " where (`name` like \"%O\\\"Ne\\'il\\\\\\\\%\")";
    QTest::newRow("name keeps wildcards") << ""
                                          << "a_b%"
                                          << ""
                                          << ""
                                          << ""
                                          << " where (`name` like \"%a_b%%\")";
    QTest::newRow("account alone") << ""
                                   << ""
                                   << "12"
                                   << ""
                                   << ""
                                   << " where (`account` = 12)";
    QTest::newRow("one-digit race keeps its blank") << ""
                                                    << ""
                                                    << ""
                                                    << "1 - Human"
                                                    << ""
                                                    << " where (`race` = 1 )";
    QTest::newRow("two-digit race") << ""
                                    << ""
                                    << ""
                                    << "11 - Draenei"
                                    << ""
                                    << " where (`race` = 11)";
    QTest::newRow("name and race") << ""
                                   << "ab"
                                   << ""
                                   << "4 - Night elf"
                                   << ""
                                   << " where (`name` like \"%ab%\") and (`race` = 4 )";
    QTest::newRow("all four in order")
            << ""
            << "x"
            << "7"
            << "10 - Blood elf"
            << "6 - Death Knight"
            << " where (`name` like \"%x%\") and (`account` = 7) and (`race` = 10) and "
               "(`class` = 6 )";
    QTest::newRow("account and class") << ""
                                       << ""
                                       << "5"
                                       << ""
                                       << "11 - Druid"
                                       << " where (`account` = 5) and (`class` = 11)";
    QTest::newRow("typed race number") << ""
                                       << ""
                                       << ""
                                       << "8"
                                       << ""
                                       << " where (`race` = 8)";
    // The class box's blank item gives no class condition.
    QTest::newRow("blank class item") << ""
                                      << ""
                                      << ""
                                      << ""
                                      << " "
                                      << "";
    QTest::newRow("blank class item after account") << ""
                                                    << ""
                                                    << "3"
                                                    << ""
                                                    << " "
                                                    << " where (`account` = 3)";
    // Typed text that is not a number is left out, so the server rejects the
    // statement (as it rejects an unknown word) and nothing else can enter it.
    QTest::newRow("typed race word") << ""
                                     << ""
                                     << ""
                                     << "Hu"
                                     << ""
                                     << " where (`race` = )";
    QTest::newRow("typed race comment") << ""
                                        << ""
                                        << ""
                                        << "1#"
                                        << ""
                                        << " where (`race` = )";
}

void CharacterStatementsTest::searchFilter() {
    QFETCH(QString, guid);
    QFETCH(QString, name);
    QFETCH(QString, account);
    QFETCH(QString, race);
    QFETCH(QString, klass);
    QFETCH(QString, filter);
    QCOMPARE(stm::searchFilter({guid, name, account, race, klass}, Quoting{}), filter);
}

void CharacterStatementsTest::listStatement_data() {
    QTest::addColumn<int>("sort");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("order");
    QTest::newRow("guid, all") << int(stm::SortColumn::Guid) << false << "Все" << 0
                               << " order by `guid`";
    QTest::newRow("name desc, first ignores the offset")
            << int(stm::SortColumn::Name) << true << "Первая" << 40
            << " order by `name` DESC LIMIT 1";
    QTest::newRow("account, 50 from 100") << int(stm::SortColumn::Account) << false << "50" << 100
                                          << " order by `account` LIMIT 100,50";
    QTest::newRow("race desc") << int(stm::SortColumn::Race) << true << "Все" << 10
                               << " order by `race` DESC";
    QTest::newRow("class") << int(stm::SortColumn::Class) << false << "10" << 0
                           << " order by `class` LIMIT 0,10";
}

void CharacterStatementsTest::listStatement() {
    QFETCH(int, sort);
    QFETCH(bool, descending);
    QFETCH(QString, limit);
    QFETCH(int, offset);
    QFETCH(QString, order);
    QString clause = stm::sortFragment(stm::SortColumn(sort));
    if (descending)
        clause += QStringLiteral(" DESC");
    clause += recordlimit::limitClause(limit, offset);
    QCOMPARE(clause, order);
    QCOMPARE(stm::listSelect(),
             QStringLiteral("select `guid`,`account`,`name`,`race`,`class`,`online`,`at_login`,"
                            "`map`,`zone` from `characters`"));
}

void CharacterStatementsTest::gridTexts_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("race");
    QTest::addColumn<QString>("klass");
    QTest::newRow("1") << "1"
                       << "1 - Human"
                       << "1 - Warrior";
    QTest::newRow("6: the grid's short death knight") << "6"
                                                      << "6 - Tauren"
                                                      << "6 - D.Knight";
    QTest::newRow("10 has no class") << "10"
                                     << "10 - Blood elf"
                                     << "10";
    QTest::newRow("9 has no race") << "9"
                                   << "9"
                                   << "9 - Warlock";
    QTest::newRow("11") << "11"
                        << "11 - Draenei"
                        << "11 - Druid";
    QTest::newRow("exact comparison") << "01"
                                      << "01"
                                      << "01";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void CharacterStatementsTest::gridTexts() {
    QFETCH(QString, field);
    QFETCH(QString, race);
    QFETCH(QString, klass);
    QCOMPARE(charactercodes::raceText(field), race);
    QCOMPARE(charactercodes::classGridText(field), klass);
}

void CharacterStatementsTest::detailStatements() {
    QCOMPARE(stm::fullRow(QStringLiteral("5")),
             QStringLiteral("select * from `characters` where guid = 5 limit 1;"));
    QCOMPARE(stm::columnNames(), QStringLiteral("show columns from `characters`;"));
    QCOMPARE(
            stm::quests(QStringLiteral("chars"), QStringLiteral("world"), QStringLiteral("7")),
            QStringLiteral(
                    "select chars.character_queststatus.quest, chars.character_queststatus.status, "
                    "world.quest_template.Title, world.quest_template.NextQuestId, "
                    "world.quest_template.PrevQuestId, world.quest_template.NextQuestInChain, "
                    "world.quest_template.ExclusiveGroup from chars.character_queststatus, "
                    "world.quest_template where chars.character_queststatus.guid = 7 and "
                    "world.quest_template.entry = chars.character_queststatus.quest order by "
                    "chars.character_queststatus.quest;"));
    QCOMPARE(stm::items(QStringLiteral("chars"), QStringLiteral("world"), QStringLiteral("8"),
                        QStringLiteral("7")),
             QStringLiteral("select chars.character_inventory.*, world.item_template.name, "
                            "world.locales_item.name_loc8 from chars.character_inventory left "
                            "join world.item_template on (world.item_template.entry = "
                            "chars.character_inventory.item_template) left join "
                            "world.locales_item on (world.locales_item.entry = "
                            "chars.character_inventory.item_template) where "
                            "(chars.character_inventory.guid = 7) order by bag, slot"));
    QCOMPARE(stm::spells(QStringLiteral("chars"), QStringLiteral("7")),
             QStringLiteral("select chars.character_spell.spell,chars.character_spell.active,"
                            "chars.character_spell.disabled from chars.character_spell where "
                            "chars.character_spell.guid = 7 order by spell;"));
    // A name that is not a plain identifier goes between backquotes.
    QCOMPARE(stm::spells(QStringLiteral("c`h; drop"), QStringLiteral("7")),
             QStringLiteral("select `c``h; drop`.character_spell.spell,`c``h; "
                            "drop`.character_spell.active,`c``h; drop`.character_spell.disabled "
                            "from `c``h; drop`.character_spell where `c``h; "
                            "drop`.character_spell.guid = 7 order by spell;"));
}

void CharacterStatementsTest::dataValues_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("no trailing blank: the last value is left out")
            << "1 22 333" << QStringList{"1", "22"};
    QTest::newRow("trailing blank") << "1 22 333 " << QStringList{"1", "22", "333"};
    QTest::newRow("runs of blanks") << "  1   2  " << QStringList{"1", "2"};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("one value without blank") << "42" << QStringList{};
    // A control character alone is no value; it stays with the next one.
    QTest::newRow("control character alone") << "\t 5 " << QStringList{"\t5"};
}

void CharacterStatementsTest::dataValues() {
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    QCOMPARE(stm::dataValues(text), values);
}

void CharacterStatementsTest::normalisedName_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("normalised");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << ""
                           << "Player"
                           << "Player";
    QTest::newRow("blanks only") << "   "
                                 << "Player"
                                 << "Player";
    QTest::newRow("iVAN") << "iVAN"
                          << "Ivan"
                          << "Ivan";
    QTest::newRow("mIKE") << "mIKE"
                          << "Mike"
                          << "Mike";
    QTest::newRow("Cyrillic capitals unchanged") << "ИВАН"
                                                 << "ИВАН"
                                                 << "ИВАН";
    QTest::newRow("Cyrillic first letter raised") << "вася"
                                                  << "Вася"
                                                  << "Вася";
    QTest::newRow("leading blank keeps a small initial") << " bob"
                                                         << " bob"
                                                         << "bob";
    QTest::newRow("trailing blank") << "ANNA "
                                    << "Anna "
                                    << "Anna";
}

void CharacterStatementsTest::normalisedName() {
    QFETCH(QString, field);
    QFETCH(QString, normalised);
    QFETCH(QString, stored);
    QCOMPARE(stm::normalisedName(field), normalised);
    QCOMPARE(stm::rename(normalised, QStringLiteral("5"), Quoting{}),
             QStringLiteral("update `characters` set `name` = \"%1\" where `guid` = 5;")
                     .arg(stored));
}

void CharacterStatementsTest::renameEscapesTheName() {
    QCOMPARE(
            stm::rename(QStringLiteral("O\"k'\\"), QStringLiteral("3"), Quoting{}),
            QStringLiteral("update `characters` set `name` = \"O\\\"k\\'\\\\\" where `guid` = 3;"));
    // Without backslash escapes the backslash is an ordinary character and the
    // double quote is doubled.
    QCOMPARE(
            stm::rename(QStringLiteral("X\\\" or 1#"), QStringLiteral("3"), Quoting{true}),
            QStringLiteral("update `characters` set `name` = \"X\\\"\" or 1#\" where `guid` = 3;"));
    QCOMPARE(stm::searchFilter({{}, QStringLiteral("a\\\"%"), {}, {}, {}}, Quoting{true}),
             QStringLiteral(" where (`name` like \"%a\\\\\"\"%%\" escape \"\\\")"));
}

void CharacterStatementsTest::normalisedAccount_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("normalised");
    QTest::addColumn<QString>("statement");
    QTest::newRow("0") << "0"
                       << "1"
                       << "update `characters` set `account` = 1 where `guid` = 4;";
    QTest::newRow("empty") << ""
                           << "1"
                           << "update `characters` set `account` = 1 where `guid` = 4;";
    QTest::newRow("00 is zero too") << "00"
                                    << "1"
                                    << "update `characters` set `account` = 1 where `guid` = 4;";
    QTest::newRow("12") << "12"
                        << "12"
                        << "update `characters` set `account` = 12 where `guid` = 4;";
    QTest::newRow("blanks trimmed in the statement")
            << " 7 "
            << " 7 "
            << "update `characters` set `account` = 7 where `guid` = 4;";
}

void CharacterStatementsTest::normalisedAccount() {
    QFETCH(QString, field);
    QFETCH(QString, normalised);
    QFETCH(QString, statement);
    QCOMPARE(stm::normalisedAccount(field), normalised);
    QCOMPARE(stm::moveToAccount(normalised, QStringLiteral("4")), statement);
}

void CharacterStatementsTest::atLoginWord_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("rename");
    QTest::addColumn<bool>("spells");
    QTest::addColumn<bool>("talents");
    QTest::addColumn<int>("word");
    QTest::newRow("9 with only talents gives 12") << 9 << false << false << true << 12;
    QTest::newRow("all three on 0") << 0 << true << true << true << 7;
    QTest::newRow("none on 7") << 7 << false << false << false << 0;
    QTest::newRow("high bits kept") << 0x30 << true << false << false << 0x31;
    QTest::newRow("spells on 4") << 4 << false << true << false << 2;
}

void CharacterStatementsTest::atLoginWord() {
    QFETCH(int, current);
    QFETCH(bool, rename);
    QFETCH(bool, spells);
    QFETCH(bool, talents);
    QFETCH(int, word);
    QCOMPARE(stm::atLoginWord(current, rename, spells, talents), word);
}

void CharacterStatementsTest::swappedGender_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("swapped");
    QTest::newRow("0") << "0"
                       << "1";
    QTest::newRow("1") << "1"
                       << "0";
    QTest::newRow("2") << "2"
                       << "0";
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("0 with blanks") << " 0 "
                                   << "1";
}

void CharacterStatementsTest::swappedGender() {
    QFETCH(QString, field);
    QFETCH(QString, swapped);
    QCOMPARE(stm::swappedGender(field), swapped);
}

void CharacterStatementsTest::editingStatements() {
    QCOMPARE(stm::setAtLogin(12, QStringLiteral("15")),
             QStringLiteral("update `characters` set `at_login` = 12 where `guid` = 15;"));
    QCOMPARE(stm::setGender(QStringLiteral("1"), QStringLiteral("15")),
             QStringLiteral("update `characters` set `gender` = 1 where `guid` = 15;"));
    QCOMPARE(stm::normalisedMoney(QString()), QStringLiteral("0"));
    QCOMPARE(stm::normalisedMoney(QStringLiteral(" 100")), QStringLiteral(" 100"));
    // The money goes untrimmed: a leading blank is sent as it stands.
    QCOMPARE(stm::setMoney(QStringLiteral(" 100"), QStringLiteral("15")),
             QStringLiteral("update `characters` set `money` =  100 where `guid` = 15;"));
    QCOMPARE(stm::setLevel(QStringLiteral(" 70 "), QStringLiteral("15")),
             QStringLiteral("update `characters` set `level` = 70 where `guid` = 15;"));
    QCOMPARE(stm::setLevel(QString(), QStringLiteral("15")),
             QStringLiteral("update `characters` set `level` =  where `guid` = 15;"));
}

void CharacterStatementsTest::repairStatements() {
    QCOMPARE(stm::repair(QStringLiteral("13")),
             QStringList({
                     "SET NAMES utf8;",
                     "DELETE FROM `character_aura` WHERE `guid`= 13;",
                     "DELETE FROM `groups` WHERE `leaderGuid`= 13;",
                     "DELETE FROM `group_member` WHERE `leaderGuid`= 13;",
                     "DELETE FROM `group_member` WHERE `memberGuid`=13;",
                     "DELETE FROM `corpse` WHERE `player`=13;",
                     "UPDATE `characters` SET `trans_x`=0, `trans_y`=0, `trans_z`=0, `trans_o`=0, "
                     "`transguid`=0, `taxi_path`=\"\" WHERE `guid`=13;",
                     "UPDATE `characters` as c, `character_homebind` as h SET c.`position_x`= "
                     "h.`position_x`, c.`position_y`= h.`position_y`, "
                     "c.`position_z`=h.`position_z`, "
                     "c.`map`=h.`map` WHERE (c.`guid`= 13) AND ( c.`guid`= h.`guid`);",
                     "REPLACE INTO character_aura VALUES (13, 13, 15007,0,1,-75,600000,600000,-1);",
                     "REPLACE INTO character_aura VALUES (13, 13, 15007,1,1,-75,600000,600000,-1);",
                     "REPLACE INTO character_aura VALUES (13, 13, 15007,2,1,0,600000,600000,-1);",
             }));
    QCOMPARE(stm::questChainReset(QStringLiteral("5")),
             QStringLiteral("delete from `character_queststatus` where `guid` = 5 and `quest` in "
                            "(1718,1719,1712,1713,1791,1792);"));
}

void CharacterStatementsTest::cleanUpStatements() {
    QCOMPARE(stm::withoutAccountFilter(QStringLiteral("realmd")),
             QStringLiteral(" where `account` not in (select `id` from `realmd`.`account`)"));
    QCOMPARE(stm::withoutAccountGuids(QStringLiteral("realmd")),
             QStringLiteral("select `guid` from `characters` where `account` not in (select `id` "
                            "from `realmd`.`account`) order by `guid`;"));
    QCOMPARE(stm::tableColumns(QStringLiteral("characters"), Quoting{}),
             QStringLiteral("select c.`TABLE_NAME`, t.`ENGINE`, c.`COLUMN_NAME` from "
                            "information_schema.`COLUMNS` c join information_schema.`TABLES` t on "
                            "t.`TABLE_SCHEMA` = c.`TABLE_SCHEMA` and t.`TABLE_NAME` = "
                            "c.`TABLE_NAME` where c.`TABLE_SCHEMA` = \"characters\" and "
                            "t.`TABLE_TYPE` = \"BASE TABLE\" order by c.`TABLE_NAME`, "
                            "c.`ORDINAL_POSITION`;"));
    QCOMPARE(
            stm::deleteRowsOf({QStringLiteral("character_social"), QStringLiteral("friend"), false},
                              {QStringLiteral("28"), QStringLiteral("29")}),
            QStringLiteral("DELETE FROM `character_social` WHERE `friend` IN (28,29);"));
    // A guid that is not a number leaves the statement invalid.
    QCOMPARE(stm::deleteRowsOf({QStringLiteral("odd`name"), QStringLiteral("guid"), true},
                               {QStringLiteral("1) or (1")}),
             QStringLiteral("DELETE FROM `odd``name` WHERE `guid` IN ();"));
    QCOMPARE(stm::moveWithoutAccount(QStringLiteral("20"), QStringLiteral("realmd")),
             QStringLiteral("update  `characters` set `account` = 20 where `account` not in "
                            "(select `id` from `realmd`.`account`)"));
    QCOMPARE(stm::withoutAccountFilter(QStringLiteral("real`md")),
             QStringLiteral(" where `account` not in (select `id` from `real``md`.`account`)"));
    QCOMPARE(stm::onlineFilter(), QStringLiteral(" where `online` = 1"));
    QCOMPARE(stm::richFilter(QStringLiteral("1000000000")),
             QStringLiteral(" where `money` > 1000000000"));
    QCOMPARE(stm::accountFilter(QStringLiteral("5")), QStringLiteral(" where `account` = 5"));
    QCOMPARE(stm::accountLookupFilter(QStringLiteral("5")), QStringLiteral("where `id` = 5"));
}

namespace {

// "name engine column column ..." for each table.
QList<stm::TableInfo> tables(const QStringList& descriptions) {
    QList<stm::TableInfo> list;
    for (const QString& description : descriptions) {
        const QStringList words = description.split(u' ');
        list << stm::TableInfo{words[0], words[1], words.mid(2)};
    }
    return list;
}

// "table.column" for each target, with "*" after one that cannot be undone.
QStringList described(const QList<stm::CleanupTarget>& targets) {
    QStringList texts;
    for (const stm::CleanupTarget& target : targets)
        texts << target.table + u'.' + target.column + (target.transactional ? "" : "*");
    return texts;
}

const QStringList kRealSchema = {
        "character_action InnoDB guid button action type",
        "character_aura InnoDB guid caster_guid spell effect_index",
        "character_declinedname MyISAM guid genitive dative",
        "character_homebind InnoDB guid map zone",
        "character_inventory InnoDB guid bag slot item item_template",
        "character_pet InnoDB id entry owner",
        "character_queststatus InnoDB guid quest status",
        "character_reputation InnoDB guid faction standing flags",
        "character_social MyISAM guid friend flags note",
        "character_spell InnoDB guid spell active disabled",
        "character_ticket InnoDB ticket_id guid ticket_text",
        "characters InnoDB guid account data name",
        "corpse InnoDB guid player map",
        "group_member InnoDB leaderGuid memberGuid assistant subgroup",
        "groups InnoDB leaderGuid mainTank lootMethod",
        "item_instance InnoDB guid owner_guid data",
        "mail InnoDB id receiver",
};

} // namespace

void CharacterStatementsTest::cleanupTargets_data() {
    QTest::addColumn<QStringList>("schema");
    QTest::addColumn<QStringList>("targets");
    QTest::newRow("every table of the real schema") << kRealSchema
                                                    << QStringList{"character_inventory.guid",
                                                                   "item_instance.owner_guid",
                                                                   "character_spell.guid",
                                                                   "character_aura.guid",
                                                                   "character_queststatus.guid",
                                                                   "character_homebind.guid",
                                                                   "character_action.guid",
                                                                   "character_reputation.guid",
                                                                   "corpse.player",
                                                                   "group_member.memberGuid",
                                                                   "group_member.leaderGuid",
                                                                   "groups.leaderGuid",
                                                                   "character_ticket.guid",
                                                                   "character_social.guid*",
                                                                   "character_social.friend*",
                                                                   "character_declinedname.guid*",
                                                                   "characters.guid"};
    QTest::newRow("an older schema: missing tables and columns skipped")
            << QStringList{"character_aura InnoDB guid spell",
                           "character_inventory InnoDB guid item", "characters MyISAM guid account",
                           "group_member InnoDB groupId memberGuid",
                           "groups InnoDB groupId leaderGuid"}
            << QStringList{"character_inventory.guid", "character_aura.guid",
                           "group_member.memberGuid", "groups.leaderGuid", "characters.guid*"};
    QTest::newRow("names in other letter cases")
            << QStringList{"Character_Spell innodb GUID spell", "CHARACTERS InnoDB Guid"}
            << QStringList{"Character_Spell.GUID", "CHARACTERS.Guid"};
    QTest::newRow("no characters table: nothing of it")
            << QStringList{"corpse InnoDB player"} << QStringList{"corpse.player"};
}

void CharacterStatementsTest::cleanupTargets() {
    QFETCH(QStringList, schema);
    QFETCH(QStringList, targets);
    QCOMPARE(described(stm::cleanupTargets(tables(schema))), targets);
}

void CharacterStatementsTest::serviceAccount_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("set");
    QTest::newRow("default 0") << "0" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("00") << "00" << false;
    QTest::newRow("20") << "20" << true;
    QTest::newRow("not a number") << "20 or 1" << false;
}

void CharacterStatementsTest::serviceAccount() {
    QFETCH(QString, setting);
    QFETCH(bool, set);
    QCOMPARE(stm::serviceAccountSet(setting), set);
}

void CharacterStatementsTest::bareValuesCannotChangeAStatement_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    const QString evil = QStringLiteral("1 or 1=1");
    QTest::newRow("rich threshold") << stm::richFilter(evil) << " where `money` > ";
    QTest::newRow("account of another page") << stm::accountFilter(evil) << " where `account` = ";
    QTest::newRow("locale") << stm::items("c", "w", "8 from x;", "1").section(u' ', 1, 3)
                            << "c.character_inventory.*, w.item_template.name, "
                               "w.locales_item.name_loc";
}

void CharacterStatementsTest::bareValuesCannotChangeAStatement() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

QTEST_APPLESS_MAIN(CharacterStatementsTest)
#include "tst_character_statements.moc"

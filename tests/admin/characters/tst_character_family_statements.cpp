// The statements of the character page on every family's schema, built from
// the descriptions checked against the family's own published tables (the
// 2010 statements are pinned in tst_character_statements), and the rules
// that differ between families.
#include "characters/CharacterStatements.h"
#include "schema/FixtureCatalogs.h"

#include <QTest>

namespace stm = characterstatements;
using schema::Family;

Q_DECLARE_METATYPE(Family)

namespace {

const fixtures::Database& database(const QString& name) {
    const auto& all = fixtures::all(QStringLiteral(REALMDESK_SOURCE_DIR));
    if (!all.contains(name))
        qFatal("no test database %s", qPrintable(name));
    return *all.find(name);
}

QList<stm::TableInfo> tablesOf(const QString& name) {
    const fixtures::Database& db = database(name);
    QList<stm::TableInfo> tables;
    for (const QString& table : db.catalog.tables())
        tables << stm::TableInfo{table, db.engines.value(table), db.catalog.columns(table)};
    return tables;
}

// "table.column" for each target, "*" after one that cannot be undone,
// and the parent its rows are found through.
QStringList described(const QList<stm::CleanupTarget>& targets) {
    QStringList texts;
    for (const stm::CleanupTarget& t : targets) {
        QString text = t.table + u'.' + t.column + (t.transactional ? "" : "*");
        if (!t.parentTable.isEmpty())
            text += " <- " + t.parentTable + u'.' + t.parentKey + u'/' + t.parentOwner;
        texts << text;
    }
    return texts;
}

stm::CleanupTarget target(const char* table, const char* column, bool transactional) {
    return {QLatin1String(table), QLatin1String(column), transactional};
}

} // namespace

class CharacterFamilyStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void statementsOfEachFamily_data();
    void statementsOfEachFamily();
    void translationsOfOtherLocales_data();
    void translationsOfOtherLocales();
    void atLoginFlagsKeepTheServersBits();
    void questChainFollowsThePreviousQuest();
    void charactersInTheGame();
    void childrenGoBeforeTheirParents();
    void dataPageNamesWhatTheTableHas();
    void repairNeedsOnlyItsColumns();
};

void CharacterFamilyStatementsTest::statementsOfEachFamily_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("world");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("withoutAccount");
    QTest::addColumn<QString>("quests");
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("spells");
    QTest::addColumn<QString>("atLogin");
    QTest::addColumn<QStringList>("repair");
    QTest::addColumn<QStringList>("cleanup");
    QTest::newRow("rel2x")
            << Family::Rel2x << QStringLiteral("zero_characters") << QStringLiteral("zero_mangos")
            << QStringLiteral("select "
                              "`guid`,`account`,`name`,`race`,`class`,`online`,`at_login`,`map`,`"
                              "zone` from `characters`")
            << QStringLiteral(" where `account` not in (select `id` from `r`.`account`) and "
                              "`deleteInfos_Account` is null")
            << QStringLiteral(
                       "select c.character_queststatus.quest, c.character_queststatus.status, "
                       "w.quest_template.Title, w.quest_template.NextQuestId, "
                       "w.quest_template.PrevQuestId, w.quest_template.NextQuestInChain, "
                       "w.quest_template.ExclusiveGroup from c.character_queststatus, "
                       "w.quest_template where c.character_queststatus.guid = 7 and "
                       "w.quest_template.entry = c.character_queststatus.quest order by "
                       "c.character_queststatus.quest;")
            << QStringLiteral("select c.character_inventory.*, w.item_template.name, "
                              "w.locales_item.name_loc8 from c.character_inventory left join "
                              "w.item_template on (w.item_template.entry = "
                              "c.character_inventory.item_template) left join w.locales_item on "
                              "(w.locales_item.entry = c.character_inventory.item_template) where "
                              "(c.character_inventory.guid = 7) order by bag, slot")
            << QStringLiteral("select "
                              "c.character_spell.spell,c.character_spell.active,c.character_spell."
                              "disabled from c.character_spell where c.character_spell.guid = 7 "
                              "order by spell;")
            << QStringLiteral("update `characters` set `at_login` = 3 where `guid` = 7;")
            << QStringList{"SET NAMES utf8;",
                           "DELETE FROM `character_aura` WHERE `guid`= 7;",
                           "DELETE FROM `group_member` WHERE `groupId` IN (SELECT `groupId` FROM "
                           "`groups` WHERE `leaderGuid`= 7);",
                           "DELETE FROM `groups` WHERE `leaderGuid`= 7;",
                           "DELETE FROM `group_member` WHERE `memberGuid`=7;",
                           "DELETE FROM `corpse` WHERE `player`=7;",
                           "UPDATE `characters` SET `trans_x`=0, `trans_y`=0, `trans_z`=0, "
                           "`trans_o`=0, `transguid`=0, `taxi_path`=\"\" WHERE `guid`=7;",
                           "UPDATE `characters` as c, `character_homebind` as h SET "
                           "c.`position_x`= h.`position_x`, c.`position_y`= h.`position_y`, "
                           "c.`position_z`=h.`position_z`, c.`map`=h.`map` WHERE (c.`guid`= 7) AND "
                           "( c.`guid`= h.`guid`);",
                           "REPLACE INTO character_aura "
                           "(`guid`,`caster_guid`,`item_guid`,`spell`,`stackcount`,`remaincharges`,"
                           "`basepoints0`,`basepoints1`,`basepoints2`,`periodictime0`,`"
                           "periodictime1`,`periodictime2`,`maxduration`,`remaintime`,`"
                           "effIndexMask`) VALUES "
                           "(7,7,0,15007,1,0,-75,-75,0,0,0,0,600000,600000,7);"}
            << QStringList{"character_inventory.guid",
                           "item_instance.owner_guid",
                           "character_spell.guid",
                           "character_aura.guid",
                           "character_queststatus.guid",
                           "character_homebind.guid",
                           "character_action.guid",
                           "character_reputation.guid",
                           "character_social.guid",
                           "character_social.friend",
                           "corpse.player",
                           "group_member.groupId <- groups.groupId/leaderGuid",
                           "group_member.memberGuid",
                           "groups.leaderGuid",
                           "pet_spell.guid <- character_pet.id/owner",
                           "character_pet.owner",
                           "mail_items.receiver",
                           "mail.receiver",
                           "quest_tracker.character_guid",
                           "character_skills.guid",
                           "character_spell_cooldown.guid",
                           "character_honor_cp.guid",
                           "character_ticket.guid",
                           "character_battleground_data.guid",
                           "characters.guid"};

    QTest::newRow("cmangos")
            << Family::Cmangos << QStringLiteral("wotlkcharacters") << QStringLiteral("wotlkmangos")
            << QStringLiteral("select "
                              "`guid`,`account`,`name`,`race`,`class`,`online`,`at_login`,`map`,`"
                              "zone` from `characters`")
            << QStringLiteral(" where `account` not in (select `id` from `r`.`account`) and "
                              "`deleteInfos_Account` is null")
            << QStringLiteral(
                       "select c.character_queststatus.quest, c.character_queststatus.status, "
                       "w.quest_template.Title, w.quest_template.NextQuestId, "
                       "w.quest_template.PrevQuestId, w.quest_template.NextQuestInChain, "
                       "w.quest_template.ExclusiveGroup from c.character_queststatus, "
                       "w.quest_template where c.character_queststatus.guid = 7 and "
                       "w.quest_template.entry = c.character_queststatus.quest order by "
                       "c.character_queststatus.quest;")
            << QStringLiteral("select i.`guid`, i.`bag`, i.`slot`, i.`item`, ii.`itemEntry`, "
                              "t.`name`, l.`name_loc8` from `c`.`character_inventory` i left join "
                              "`c`.`item_instance` ii on ii.`guid` = i.`item` left join "
                              "`w`.`item_template` t on t.`entry` = ii.`itemEntry` left join "
                              "`w`.`locales_item` l on l.`entry` = ii.`itemEntry` where i.`guid` = "
                              "7 order by i.`bag`, i.`slot`")
            << QStringLiteral("select "
                              "c.character_spell.spell,c.character_spell.active,c.character_spell."
                              "disabled from c.character_spell where c.character_spell.guid = 7 "
                              "order by spell;")
            << QStringLiteral("update `characters` set `at_login` = 3 where `guid` = 7;")
            << QStringList{"SET NAMES utf8;",
                           "DELETE FROM `character_aura` WHERE `guid`= 7;",
                           "DELETE FROM `group_member` WHERE `groupId` IN (SELECT `groupId` FROM "
                           "`groups` WHERE `leaderGuid`= 7);",
                           "DELETE FROM `groups` WHERE `leaderGuid`= 7;",
                           "DELETE FROM `group_member` WHERE `memberGuid`=7;",
                           "DELETE FROM `corpse` WHERE `player`=7;",
                           "UPDATE `characters` SET `trans_x`=0, `trans_y`=0, `trans_z`=0, "
                           "`trans_o`=0, `transguid`=0, `taxi_path`=\"\" WHERE `guid`=7;",
                           "UPDATE `characters` as c, `character_homebind` as h SET "
                           "c.`position_x`= h.`position_x`, c.`position_y`= h.`position_y`, "
                           "c.`position_z`=h.`position_z`, c.`map`=h.`map` WHERE (c.`guid`= 7) AND "
                           "( c.`guid`= h.`guid`);",
                           "REPLACE INTO character_aura "
                           "(`guid`,`caster_guid`,`item_guid`,`spell`,`stackcount`,`remaincharges`,"
                           "`basepoints0`,`basepoints1`,`basepoints2`,`periodictime0`,`"
                           "periodictime1`,`periodictime2`,`maxduration`,`remaintime`,`"
                           "effIndexMask`) VALUES "
                           "(7,7,0,15007,1,0,-75,-75,0,0,0,0,600000,600000,7);"}
            << QStringList{"character_inventory.guid",
                           "item_instance.owner_guid",
                           "character_spell.guid",
                           "character_aura.guid",
                           "character_queststatus.guid",
                           "character_homebind.guid",
                           "character_action.guid",
                           "character_reputation.guid",
                           "character_social.guid",
                           "character_social.friend",
                           "corpse.player",
                           "group_member.groupId <- groups.groupId/leaderGuid",
                           "group_member.memberGuid",
                           "groups.leaderGuid",
                           "character_pet.owner",
                           "mail_items.receiver",
                           "mail.receiver",
                           "character_queststatus_daily.guid",
                           "character_queststatus_weekly.guid",
                           "character_queststatus_monthly.guid",
                           "character_declinedname.guid",
                           "character_achievement.guid",
                           "character_achievement_progress.guid",
                           "character_skills.guid",
                           "character_talent.guid",
                           "character_glyphs.guid",
                           "character_equipmentsets.guid",
                           "character_account_data.guid",
                           "character_spell_cooldown.guid*",
                           "characters.guid"};

    QTest::newRow("vmangos")
            << Family::Vmangos << QStringLiteral("vm_characters") << QStringLiteral("vm_mangos")
            << QStringLiteral("select "
                              "`guid`,`account`,`name`,`race`,`class`,`online`,`at_login_flags`,`"
                              "map`,`zone` from `characters`")
            << QStringLiteral(" where `account` not in (select `id` from `r`.`account`) and "
                              "`deleted_account` is null")
            << QStringLiteral(
                       "select s.`quest`, s.`status`, q.`Title`, q.`NextQuestId`, q.`PrevQuestId`, "
                       "q.`NextQuestInChain`, q.`ExclusiveGroup` from `c`.`character_queststatus` "
                       "s join `w`.`quest_template` q on q.`entry` = s.`quest` and q.`patch` = "
                       "(select max(p.`patch`) from `w`.`quest_template` p where p.`entry` = "
                       "q.`entry`) where s.`guid` = 7 order by 1, 2;")
            << QStringLiteral("select i.`guid`, i.`bag`, i.`slot`, i.`item_guid`, i.`item_id`, "
                              "t.`name`, l.`name_loc8` from `c`.`character_inventory` i left join "
                              "`w`.`item_template` t on t.`entry` = i.`item_id` and t.`patch` = "
                              "(select max(p.`patch`) from `w`.`item_template` p where p.`entry` = "
                              "t.`entry`) left join `w`.`locales_item` l on l.`entry` = "
                              "i.`item_id` where i.`guid` = 7 order by i.`bag`, i.`slot`")
            << QStringLiteral("select "
                              "c.character_spell.spell,c.character_spell.active,c.character_spell."
                              "disabled from c.character_spell where c.character_spell.guid = 7 "
                              "order by spell;")
            << QStringLiteral("update `characters` set `at_login_flags` = 3 where `guid` = 7;")
            << QStringList{"SET NAMES utf8;",
                           "DELETE FROM `character_aura` WHERE `guid`= 7;",
                           "DELETE FROM `group_member` WHERE `group_id` IN (SELECT `group_id` FROM "
                           "`groups` WHERE `leader_guid`= 7);",
                           "DELETE FROM `groups` WHERE `leader_guid`= 7;",
                           "DELETE FROM `group_member` WHERE `member_guid`=7;",
                           "DELETE FROM `corpse` WHERE `player_guid`=7;",
                           "UPDATE `characters` SET `transport_x`=0, `transport_y`=0, "
                           "`transport_z`=0, `transport_o`=0, `transport_guid`=0, "
                           "`current_taxi_path`=\"\" WHERE `guid`=7;",
                           "UPDATE `characters` as c, `character_homebind` as h SET "
                           "c.`position_x`= h.`position_x`, c.`position_y`= h.`position_y`, "
                           "c.`position_z`=h.`position_z`, c.`map`=h.`map` WHERE (c.`guid`= 7) AND "
                           "( c.`guid`= h.`guid`);",
                           "REPLACE INTO character_aura "
                           "(`guid`,`caster_guid`,`item_guid`,`spell`,`stacks`,`charges`,`base_"
                           "points0`,`base_points1`,`base_points2`,`periodic_time0`,`periodic_"
                           "time1`,`periodic_time2`,`max_duration`,`duration`,`effect_index_mask`) "
                           "VALUES (7,7,0,15007,1,0,-75,-75,0,0,0,0,600000,600000,7);"}
            << QStringList{"item_instance.owner_guid",
                           "character_aura.guid",
                           "mail.receiver_guid",
                           "character_deleted_items.player_guid",
                           "character_account_data.guid",
                           "character_inventory.guid*",
                           "character_spell.guid*",
                           "character_queststatus.guid*",
                           "character_homebind.guid*",
                           "character_action.guid*",
                           "character_reputation.guid*",
                           "character_social.guid*",
                           "character_social.friend*",
                           "corpse.player_guid*",
                           "group_member.group_id* <- groups.group_id/leader_guid",
                           "group_member.member_guid*",
                           "groups.leader_guid*",
                           "character_pet.owner_guid*",
                           "mail_items.receiver_guid*",
                           "character_battleground_data.guid*",
                           "character_honor_cp.guid*",
                           "character_instance.guid*",
                           "character_skills.guid*",
                           "character_spell_cooldown.guid*",
                           "character_stats.guid*",
                           "characters.guid*"};

    QTest::newRow("trinitycore")
            << Family::TrinityCore << QStringLiteral("tc_characters") << QStringLiteral("tc_world")
            << QStringLiteral("select "
                              "`guid`,`account`,`name`,`race`,`class`,`online`,`at_login`,`map`,`"
                              "zone` from `characters`")
            << QStringLiteral(" where `account` not in (select `id` from `r`.`account`) and "
                              "`deleteInfos_Account` is null")
            << QStringLiteral(
                       "select s.`quest`, s.`status`, q.`LogTitle`, c.`NextQuestID`, "
                       "c.`PrevQuestID`, q.`RewardNextQuest`, c.`ExclusiveGroup` from "
                       "`c`.`character_queststatus` s join `w`.`quest_template` q on q.`ID` = "
                       "s.`quest` left join `w`.`quest_template_addon` c on c.`ID` = q.`ID` where "
                       "s.`guid` = 7 union all select s.`quest`, 6, q.`LogTitle`, c.`NextQuestID`, "
                       "c.`PrevQuestID`, q.`RewardNextQuest`, c.`ExclusiveGroup` from "
                       "`c`.`character_queststatus_rewarded` s join `w`.`quest_template` q on "
                       "q.`ID` = s.`quest` left join `w`.`quest_template_addon` c on c.`ID` = "
                       "q.`ID` where s.`guid` = 7 order by 1, 2;")
            << QStringLiteral("select i.`guid`, i.`bag`, i.`slot`, i.`item`, ii.`itemEntry`, "
                              "t.`name`, l.`Name` from `c`.`character_inventory` i left join "
                              "`c`.`item_instance` ii on ii.`guid` = i.`item` left join "
                              "`w`.`item_template` t on t.`entry` = ii.`itemEntry` left join "
                              "`w`.`item_template_locale` l on l.`ID` = ii.`itemEntry` and "
                              "l.`locale` = \"ruRU\" where i.`guid` = 7 order by i.`bag`, i.`slot`")
            << QStringLiteral("select "
                              "c.character_spell.spell,c.character_spell.active,c.character_spell."
                              "disabled from c.character_spell where c.character_spell.guid = 7 "
                              "order by spell;")
            << QStringLiteral("update `characters` set `at_login` = 3 where `guid` = 7;")
            << QStringList{"SET NAMES utf8;",
                           "DELETE FROM `character_aura` WHERE `guid`= 7;",
                           "DELETE FROM `group_member` WHERE `guid` IN (SELECT `guid` FROM "
                           "`groups` WHERE `leaderGuid`= 7);",
                           "DELETE FROM `groups` WHERE `leaderGuid`= 7;",
                           "DELETE FROM `group_member` WHERE `memberGuid`=7;",
                           "DELETE FROM `corpse` WHERE `guid`=7;",
                           "UPDATE `characters` SET `trans_x`=0, `trans_y`=0, `trans_z`=0, "
                           "`trans_o`=0, `transguid`=0, `taxi_path`=\"\" WHERE `guid`=7;",
                           "UPDATE `characters` as c, `character_homebind` as h SET "
                           "c.`position_x`= h.`posX`, c.`position_y`= h.`posY`, "
                           "c.`position_z`=h.`posZ`, c.`map`=h.`mapId` WHERE (c.`guid`= 7) AND ( "
                           "c.`guid`= h.`guid`);",
                           "REPLACE INTO character_aura "
                           "(`guid`,`casterGuid`,`itemGuid`,`spell`,`effectMask`,`recalculateMask`,"
                           "`stackCount`,`amount0`,`amount1`,`amount2`,`base_amount0`,`base_"
                           "amount1`,`base_amount2`,`maxDuration`,`remainTime`,`remainCharges`,`"
                           "critChance`,`applyResilience`) VALUES "
                           "(7,7,0,15007,7,7,1,-75,-75,0,-75,-75,0,600000,600000,0,0,0);"}
            << QStringList{"character_inventory.guid",
                           "item_instance.owner_guid",
                           "character_spell.guid",
                           "character_aura.guid",
                           "character_queststatus.guid",
                           "character_homebind.guid",
                           "character_action.guid",
                           "character_reputation.guid",
                           "character_social.guid",
                           "character_social.friend",
                           "corpse.guid",
                           "group_member.guid <- groups.guid/leaderGuid",
                           "group_member.memberGuid",
                           "groups.leaderGuid",
                           "character_pet.owner",
                           "mail_items.receiver",
                           "mail.receiver",
                           "character_queststatus_rewarded.guid",
                           "character_queststatus_daily.guid",
                           "character_declinedname.guid",
                           "character_achievement.guid",
                           "character_skills.guid",
                           "character_talent.guid",
                           "character_glyphs.guid",
                           "character_spell_cooldown.guid",
                           "character_equipmentsets.guid",
                           "character_banned.guid",
                           "characters.guid"};

    QTest::newRow("azerothcore")
            << Family::AzerothCore << QStringLiteral("acore_characters")
            << QStringLiteral("acore_world")
            << QStringLiteral("select "
                              "`guid`,`account`,`name`,`race`,`class`,`online`,`at_login`,`map`,`"
                              "zone` from `characters`")
            << QStringLiteral(" where `account` not in (select `id` from `r`.`account`) and "
                              "`deleteInfos_Account` is null")
            << QStringLiteral(
                       "select s.`quest`, s.`status`, q.`LogTitle`, c.`NextQuestID`, "
                       "c.`PrevQuestID`, q.`RewardNextQuest`, c.`ExclusiveGroup` from "
                       "`c`.`character_queststatus` s join `w`.`quest_template` q on q.`ID` = "
                       "s.`quest` left join `w`.`quest_template_addon` c on c.`ID` = q.`ID` where "
                       "s.`guid` = 7 union all select s.`quest`, 6, q.`LogTitle`, c.`NextQuestID`, "
                       "c.`PrevQuestID`, q.`RewardNextQuest`, c.`ExclusiveGroup` from "
                       "`c`.`character_queststatus_rewarded` s join `w`.`quest_template` q on "
                       "q.`ID` = s.`quest` left join `w`.`quest_template_addon` c on c.`ID` = "
                       "q.`ID` where s.`guid` = 7 order by 1, 2;")
            << QStringLiteral("select i.`guid`, i.`bag`, i.`slot`, i.`item`, ii.`itemEntry`, "
                              "t.`name`, l.`Name` from `c`.`character_inventory` i left join "
                              "`c`.`item_instance` ii on ii.`guid` = i.`item` left join "
                              "`w`.`item_template` t on t.`entry` = ii.`itemEntry` left join "
                              "`w`.`item_template_locale` l on l.`ID` = ii.`itemEntry` and "
                              "l.`locale` = \"ruRU\" where i.`guid` = 7 order by i.`bag`, i.`slot`")
            << QStringLiteral("select c.character_spell.spell,c.character_spell.specMask from "
                              "c.character_spell where c.character_spell.guid = 7 order by spell;")
            << QStringLiteral("update `characters` set `at_login` = 3 where `guid` = 7;")
            << QStringList{"SET NAMES utf8;",
                           "DELETE FROM `character_aura` WHERE `guid`= 7;",
                           "DELETE FROM `group_member` WHERE `guid` IN (SELECT `guid` FROM "
                           "`groups` WHERE `leaderGuid`= 7);",
                           "DELETE FROM `groups` WHERE `leaderGuid`= 7;",
                           "DELETE FROM `group_member` WHERE `memberGuid`=7;",
                           "DELETE FROM `corpse` WHERE `guid`=7;",
                           "UPDATE `characters` SET `trans_x`=0, `trans_y`=0, `trans_z`=0, "
                           "`trans_o`=0, `transguid`=0, `taxi_path`=\"\" WHERE `guid`=7;",
                           "UPDATE `characters` as c, `character_homebind` as h SET "
                           "c.`position_x`= h.`posX`, c.`position_y`= h.`posY`, "
                           "c.`position_z`=h.`posZ`, c.`map`=h.`mapId` WHERE (c.`guid`= 7) AND ( "
                           "c.`guid`= h.`guid`);",
                           "REPLACE INTO character_aura "
                           "(`guid`,`casterGuid`,`itemGuid`,`spell`,`effectMask`,`recalculateMask`,"
                           "`stackCount`,`amount0`,`amount1`,`amount2`,`base_amount0`,`base_"
                           "amount1`,`base_amount2`,`maxDuration`,`remainTime`,`remainCharges`) "
                           "VALUES (7,7,0,15007,7,7,1,-75,-75,0,-75,-75,0,600000,600000,0);"}
            << QStringList{"character_inventory.guid",
                           "item_instance.owner_guid",
                           "character_spell.guid",
                           "character_aura.guid",
                           "character_queststatus.guid",
                           "character_homebind.guid",
                           "character_action.guid",
                           "character_reputation.guid",
                           "character_social.guid",
                           "character_social.friend",
                           "corpse.guid",
                           "group_member.guid <- groups.guid/leaderGuid",
                           "group_member.memberGuid",
                           "groups.leaderGuid",
                           "character_pet.owner",
                           "mail_items.receiver",
                           "mail.receiver",
                           "character_queststatus_rewarded.guid",
                           "character_declinedname.guid",
                           "character_achievement.guid",
                           "character_achievement_progress.guid",
                           "character_skills.guid",
                           "character_talent.guid",
                           "character_glyphs.guid",
                           "character_equipmentsets.guid",
                           "character_queststatus_daily.guid",
                           "character_spell_cooldown.guid",
                           "characters.guid"};
}

void CharacterFamilyStatementsTest::statementsOfEachFamily() {
    QFETCH(Family, family);
    QFETCH(QString, characters);
    QFETCH(QString, world);
    const stm::CharacterSchema s = schema::characterSchema(family, database(characters).catalog);
    const stm::WorldSchema w = schema::worldSchema(family, database(world).catalog);
    QVERIFY(s.missing.isEmpty() && w.missing.isEmpty());
    QTEST(stm::listSelect(s), "list");
    QTEST(stm::withoutAccountFilter(s, QStringLiteral("r")), "withoutAccount");
    QTEST(stm::quests(s, w, QStringLiteral("c"), QStringLiteral("w"), QStringLiteral("7")),
          "quests");
    QTEST(stm::items(s, w, QStringLiteral("c"), QStringLiteral("w"), QStringLiteral("8"),
                     QStringLiteral("7")),
          "items");
    QTEST(stm::spells(s, QStringLiteral("c"), QStringLiteral("7")), "spells");
    QTEST(stm::setAtLogin(s, 3, QStringLiteral("7")), "atLogin");
    QTEST(stm::repair(s, QStringLiteral("7")), "repair");
    QTEST(described(stm::cleanupTargets(s, tablesOf(characters))), "cleanup");
    // The undo script of the repair reads what the repair deletes and
    // writes, table by table in the same order.
    const QList<undosql::Target> undo = stm::repairUndo(s, QStringLiteral("7"));
    QCOMPARE(undo.size(), 6);
    QCOMPARE(undo.first().kind, undosql::Target::Kind::Rewritten);
    QCOMPARE(undo.first().table, s.auras.table);
    QCOMPARE(undo.last().table, s.characters.table);
    QCOMPARE(undo.last().columns.size(), 10);
    QVERIFY(undo.last().columns.contains(s.characters.transportGuid.write));
}

void CharacterFamilyStatementsTest::translationsOfOtherLocales_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("world");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("translation");
    QTest::newRow("locale rows: 3 is deDE")
            << Family::TrinityCore << "tc_characters"
            << "tc_world"
            << "3"
            << " l.`Name` from `c`.`character_inventory` i left join `c`.`item_instance` ii on "
               "ii.`guid` = i.`item` left join `w`.`item_template` t on t.`entry` = ii.`itemEntry` "
               "left join `w`.`item_template_locale` l on l.`ID` = ii.`itemEntry` and l.`locale` = "
               "\"deDE\" where";
    // A locale number the client does not have: the items without a
    // translation, never a failed statement.
    QTest::newRow("locale rows: 9 is none")
            << Family::AzerothCore << "acore_characters"
            << "acore_world"
            << "9"
            << " '' from `c`.`character_inventory` i left join `c`.`item_instance` ii on "
               "ii.`guid` = i.`item` left join `w`.`item_template` t on t.`entry` = "
               "ii.`itemEntry` where";
    QTest::newRow("locale columns: 9 is none")
            << Family::Vmangos << "vm_characters"
            << "vm_mangos"
            << "9 or 1"
            << " '' from `c`.`character_inventory` i left join `w`.`item_template` t on "
               "t.`entry` = i.`item_id` and t.`patch` = (select max(p.`patch`) from "
               "`w`.`item_template` p where p.`entry` = t.`entry`) where";
    QTest::newRow("locale columns: 2")
            << Family::Cmangos << "wotlkcharacters"
            << "wotlkmangos"
            << " 2 "
            << " l.`name_loc2` from `c`.`character_inventory` i left join `c`.`item_instance` ii "
               "on ii.`guid` = i.`item` left join `w`.`item_template` t on t.`entry` = "
               "ii.`itemEntry` left join `w`.`locales_item` l on l.`entry` = ii.`itemEntry` where";
}

void CharacterFamilyStatementsTest::translationsOfOtherLocales() {
    QFETCH(Family, family);
    QFETCH(QString, characters);
    QFETCH(QString, world);
    QFETCH(QString, locale);
    QFETCH(QString, translation);
    const QString items =
            stm::items(schema::characterSchema(family, database(characters).catalog),
                       schema::worldSchema(family, database(world).catalog), QStringLiteral("c"),
                       QStringLiteral("w"), locale, QStringLiteral("7"));
    const qsizetype from = items.indexOf(QStringLiteral("t.`name`,")) + 9;
    QCOMPARE(items.mid(from, items.indexOf(QStringLiteral(" i.`guid` = 7")) - from), translation);
}

void CharacterFamilyStatementsTest::atLoginFlagsKeepTheServersBits() {
    // vmangos' first-login bit (0x20) and TrinityCore's resurrect (0x100)
    // stay as the server set them.
    const schema::AtLoginFlags flags;
    QCOMPARE(stm::atLoginWord(flags, 0x20 | 0x4, true, false, false), 0x21);
    QCOMPARE(stm::atLoginWord(flags, 0x100 | 0x1, false, true, true), 0x106);
    // A family without a reset-spells flag never sets it.
    schema::AtLoginFlags without;
    without.resetSpells = 0;
    QCOMPARE(stm::atLoginWord(without, 0x2, true, true, false), 0x3);
}

void CharacterFamilyStatementsTest::questChainFollowsThePreviousQuest() {
    const stm::WorldSchema tc =
            schema::worldSchema(Family::TrinityCore, database("tc_world").catalog);
    QCOMPARE(stm::questsAfter(tc, QStringLiteral("tc_world"), {"1718", "1719"}),
             QStringLiteral("select distinct `ID` from `tc_world`.`quest_template_addon` where "
                            "`PrevQuestID` in (1718,1719);"));
    // vmangos: a quest of several patches is one quest.
    const stm::WorldSchema vm = schema::worldSchema(Family::Vmangos, database("vm_mangos").catalog);
    QCOMPARE(stm::questsAfter(vm, QStringLiteral("vm_mangos"), {"1718"}),
             QStringLiteral("select distinct `entry` from `vm_mangos`.`quest_template` where "
                            "`PrevQuestId` in (1718);"));
    // Rewarded quests kept apart are reset too.
    const stm::CharacterSchema s =
            schema::characterSchema(Family::AzerothCore, database("acore_characters").catalog);
    QCOMPARE(stm::questReset(s, QStringLiteral("5"), {"1718", "1719"}),
             QStringList({"delete from `character_queststatus` where `guid` = 5 and `quest` in "
                          "(1718,1719);",
                          "delete from `character_queststatus_rewarded` where `guid` = 5 and "
                          "`quest` in (1718,1719);"}));
    QCOMPARE(stm::questResetUndo(s, QStringLiteral("5"), {"1718"}).size(), 2);
    // The 2010 world knows its chain by number.
    QVERIFY(!stm::mangos2010World().quests.knownChain.isEmpty());
    QVERIFY(tc.quests.knownChain.isEmpty());
}

void CharacterFamilyStatementsTest::charactersInTheGame() {
    const stm::CharacterSchema s =
            schema::characterSchema(Family::Vmangos, database("vm_characters").catalog);
    QCOMPARE(stm::onlineAmong(s, {"4", "9) or (1"}),
             QStringLiteral("select `guid` from `characters` where `guid` in (4,) and `online` <> "
                            "0 order by `guid`;"));
    QCOMPARE(stm::onlineWithoutAccount(s, QStringLiteral("vm_realmd")),
             QStringLiteral("select `guid` from `characters` where `account` not in (select `id` "
                            "from `vm_realmd`.`account`) and `deleted_account` is null and "
                            "`online` <> 0 order by `guid`;"));
}

void CharacterFamilyStatementsTest::childrenGoBeforeTheirParents() {
    const stm::CharacterSchema s =
            schema::characterSchema(Family::Cmangos, database("wotlkcharacters").catalog);
    // A pet table that cannot be undone takes its parent out of the
    // transaction with it, behind it; a transactional child of a
    // transactional parent stays in it.
    const QList<stm::TableInfo> tables = {
            {"characters", "InnoDB", {"guid", "account"}},
            {"character_pet", "InnoDB", {"id", "owner"}},
            {"pet_aura", "MyISAM", {"guid", "spell"}},
            {"pet_spell", "InnoDB", {"guid", "spell"}},
            {"groups", "InnoDB", {"groupId", "leaderGuid"}},
            {"group_member", "InnoDB", {"groupId", "memberGuid"}},
    };
    QCOMPARE(described(stm::cleanupTargets(s, tables)),
             QStringList({"group_member.groupId <- groups.groupId/leaderGuid",
                          "group_member.memberGuid", "groups.leaderGuid",
                          "pet_spell.guid <- character_pet.id/owner",
                          "pet_aura.guid* <- character_pet.id/owner", "character_pet.owner*",
                          "characters.guid"}));
    // Its rows are those of the parent's rows of the characters.
    stm::CleanupTarget pets = target("pet_spell", "guid", true);
    pets.parentTable = QStringLiteral("character_pet");
    pets.parentKey = QStringLiteral("id");
    pets.parentOwner = QStringLiteral("owner");
    QCOMPARE(stm::deleteRowsOf(pets, {"4", "12"}),
             QStringLiteral("DELETE FROM `pet_spell` WHERE `guid` IN (SELECT `id` FROM "
                            "`character_pet` WHERE `owner` IN (4,12));"));
}

void CharacterFamilyStatementsTest::dataPageNamesWhatTheTableHas() {
    QStringList columns;
    for (const stm::NamedValue& value : stm::namedValues(
                 schema::characterSchema(Family::Vmangos, database("vm_characters").catalog)))
        columns << value.column;
    QVERIFY(columns.contains("level") && columns.contains("xp") && columns.contains("money"));
    QVERIFY(columns.contains("transport_guid") && columns.contains("at_login_flags"));
    // What the older 2010 table lacks is not named.
    columns.clear();
    for (const stm::NamedValue& value : stm::namedValues(
                 schema::characterSchema(Family::Mangos2010, database("characters_old").catalog)))
        columns << value.column;
    QVERIFY(!columns.contains("level") && !columns.contains("money"));
    QVERIFY(columns.contains("map"));
}

void CharacterFamilyStatementsTest::repairNeedsOnlyItsColumns() {
    // The older 2010 table lacks level, money ... which the repair does not
    // touch.
    QVERIFY(stm::repairLacks(
                    schema::characterSchema(Family::Mangos2010, database("characters_old").catalog))
                    .isEmpty());
    const QStringList lacks = stm::repairLacks(
            schema::characterSchema(Family::TrinityCore, database("characters").catalog));
    QVERIFY(lacks.contains("character_aura.casterGuid") && lacks.contains("groups.guid") &&
            lacks.contains("character_homebind.posX"));
    // The 2010 corpse has a guid column, the corpse's own: the description cannot tell.
    QVERIFY(!lacks.contains("corpse.guid"));
    QVERIFY(!lacks.contains("characters.deleteInfos_Account"));
    QVERIFY(!lacks.contains("character_queststatus_rewarded.guid"));
}

QTEST_APPLESS_MAIN(CharacterFamilyStatementsTest)
#include "tst_character_family_statements.moc"

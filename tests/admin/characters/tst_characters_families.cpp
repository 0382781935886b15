// The character page on every family's databases, through the real window:
// the list (search, sort, paging, the online, rich and orphan lists, the
// characters of an account), a character's details, items, quests and
// spells, each edit, the question before a change of a character in the
// game, the repair and the clean-up of the characters without accounts.
// Every change is checked against the rows of every table of the characters
// database before and after it, and its undo script, loaded with the mariadb
// client, must put those tables back byte for byte.
#include "DatabaseProbe.h"
#include "MariadbClient.h"
#include "TForm1.h"
#include "TableSnapshot.h"
#include "characters/CharacterPageTesting.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace characterpage;

namespace {

struct Family {
    const char* name;
    // The databases and what the connection log calls their family.
    QString login;
    QString characters;
    QString world;
    QString familyName;
    // Where the family keeps a deleted character for restoring; the test
    // adds one (guid 7, account 0) where the fixture has none.
    QString deletedAccountColumn;
    bool addDeletedCharacter = false;

    // The list.
    int listed = 0;
    QString nameSearch;
    QStringList nameFound;
    QStringList byNameDescending; // the first three
    QString account;
    QStringList ofAccount;
    QStringList online;
    QStringList rich; // more than 10 000 000 copper
    QStringList withoutAccount;

    // The details of one character.
    QString detailsGuid;
    QStringList dataRows; // rows of "Data" that must be there
    int items = 0;
    QStringList itemRows; // rows of "Вещи" that must be there
    QStringList quests;   // every row of "Квесты"
    QStringList spellHeader;
    int spells = 0;

    // The edits, on a character not in the game.
    QString editGuid;
    QString atLoginColumn;
    // A character in the game.
    QString onlineGuid;
    QString onlineName;
    // The repair of a group leader with auras, and of a character on a
    // transport with a corpse: the changes, added and removed rows by key.
    QString leaderGuid;
    QStringList leaderRepair;
    QString stuckGuid;
    QStringList stuckRepair;
    // The clean-up.
    QStringList cleanup;
};

const QString kCheatMoney = QStringLiteral("10000000");

QString rowText(const QStringList& cells) {
    return cells.join(u'|');
}

QStringList gridRows(GuiDriver& gui, const QString& grid) {
    QStringList rows;
    const StringGrid* g = gui.find<StringGrid>(grid);
    for (int row = 1; row < g->rowCount(); ++row)
        rows << rowText(gui.gridRow(grid, row));
    return rows;
}

// A change line with an added or removed row cut to its table and key.
QStringList summary(const QStringList& changes) {
    QStringList lines;
    for (const QString& line : changes) {
        if (line.contains(QLatin1String("] added: ")) ||
            line.contains(QLatin1String("] removed: ")))
            lines << line.section(QStringLiteral(": "), 0, 0);
        else
            lines << line;
    }
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Family)

class CharactersFamiliesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void characterPage_data();
    void characterPage();
    void questChainFollowsThePreviousQuest();
    void schemaThatDoesNotFit();

private:
    // Every table of the characters database.
    QStringList tables(const QString& database);
    TablesSnapshot snapshot();
    // Runs a change through the window; it must change exactly the lines
    // given (summarised), and its undo script must put every table back.
    void expectChange(const std::function<void()>& change, const QStringList& expected);
    void loadNewUndoScripts();
    void list(const Family& f);
    void details(const Family& f);
    void edits(const Family& f);
    void inGame(const Family& f);

    TestServer m_server;
    bool m_changed = false;
    std::unique_ptr<GuiDriver> m_gui;
    std::unique_ptr<DatabaseProbe> m_probe;
    QStringList m_tables;
    QString m_database;
    QStringList m_seenScripts;
};

void CharactersFamiliesTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void CharactersFamiliesTest::cleanup() {
    m_gui.reset();
    m_probe.reset();
    // A run stopped part way leaves its changes: the databases are loaded
    // again.
    if (m_changed && QTest::currentTestFailed())
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
    m_changed = false;
    m_seenScripts.clear();
}

QStringList CharactersFamiliesTest::tables(const QString& database) {
    QStringList names;
    for (const QString& table :
         m_probe->rows(QStringLiteral("SELECT TABLE_NAME FROM information_schema.TABLES WHERE "
                                      "TABLE_SCHEMA = '%1' AND TABLE_TYPE = 'BASE TABLE' AND "
                                      "TABLE_NAME NOT LIKE 'kept\\_%' ORDER BY TABLE_NAME")
                               .arg(database)))
        names << database + u'.' + table;
    return names;
}

TablesSnapshot CharactersFamiliesTest::snapshot() {
    TablesSnapshot taken = TablesSnapshot::take(*m_probe, m_tables);
    if (!taken.ok())
        qWarning("%s", qPrintable(taken.error()));
    return taken;
}

void CharactersFamiliesTest::loadNewUndoScripts() {
    const QDir folder(QDir(m_gui->directory()).filePath(QStringLiteral("journal")));
    QStringList fresh;
    for (const QString& name : folder.entryList({QStringLiteral("undo-*.sql")}, QDir::Files,
                                                QDir::Time | QDir::Reversed)) {
        if (!m_seenScripts.contains(name))
            fresh << name;
    }
    QCOMPARE(fresh.size(), 1);
    m_seenScripts << fresh;
    const ClientRun load = loadWithMariadbClient(m_server, m_database, folder.filePath(fresh[0]));
    QVERIFY2(load.ok(), qPrintable(load.output));
}

void CharactersFamiliesTest::expectChange(const std::function<void()>& change,
                                          const QStringList& expected) {
    const TablesSnapshot before = snapshot();
    QVERIFY(before.ok());
    m_changed = true;
    change();
    const QStringList changes = summary(before.changesTo(snapshot()));
    QVERIFY2(changes == expected, qPrintable(QStringLiteral("changed:\n") + changes.join(u'\n')));
    loadNewUndoScripts();
    const QStringList left = before.changesTo(snapshot());
    QVERIFY2(left.isEmpty(),
             qPrintable(QStringLiteral("left by the undo script:\n") + left.join(u'\n')));
}

void CharactersFamiliesTest::characterPage_data() {
    QTest::addColumn<Family>("family");

    Family old;
    old.name = "2010";
    old.login = "realmd";
    old.characters = "characters";
    old.world = "mangos";
    old.familyName = "MaNGOS 2010";
    old.listed = 30;
    old.nameSearch = "Се";
    old.nameFound = {"5", "20", "21"}; // ё is е to the collation
    old.byNameDescending = {"18", "21", "20"};
    old.account = "5";
    old.ofAccount = {"5", "6"};
    old.online = {"2", "5", "17"};
    old.rich = {"1", "13"};
    old.withoutAccount = {"28", "29", "30"};
    old.detailsGuid = "9";
    old.dataRows = {"1||9", "2||0", "3||25"};
    old.items = 5;
    old.itemRows = {"5|0|25|1105|40000||", "1|0|3|1101|6096|Apprentice's Shirt|Рубашка ученика"};
    old.quests = {"10|3|Разведка в горах|0|0|0|0", "783|1|Угроза изнутри|0|0|0|0"};
    old.spellHeader = {"№", "Заклинание", "Active", "Disabled"};
    old.spells = 4;
    old.editGuid = "3";
    old.atLoginColumn = "at_login";
    old.onlineGuid = "2";
    old.onlineName = "Главгм";
    old.leaderGuid = "9";
    old.stuckGuid = "4";
    old.leaderRepair = {"characters[9].position_x: '-3965.68' -> '-3961.64'",
                        "characters[9].position_y: '-13943' -> '-13931.2'",
                        "character_aura[9,9,15007,0] added",
                        "character_aura[9,9,15007,1] added",
                        "character_aura[9,9,15007,2] added",
                        "groups[9] removed",
                        "group_member[9,9] removed",
                        "group_member[9,17] removed",
                        "group_member[9,23] removed"};
    old.stuckRepair = {"characters[4].position_x: '-1846.07' -> '-1838.16'",
                       "characters[4].position_y: '5282.7' -> '5301.79'",
                       "characters[4].trans_x: '7.5' -> '0'",
                       "characters[4].trans_y: '-3.25' -> '0'",
                       "characters[4].trans_z: '6' -> '0'",
                       "characters[4].trans_o: '3.14' -> '0'",
                       "characters[4].transguid: '1152921504606847001' -> '0'",
                       "character_aura[4,4,15007,0] added",
                       "character_aura[4,4,15007,1] added",
                       "character_aura[4,4,15007,2] added"};
    old.cleanup = {"characters[28] removed",
                   "characters[29] removed",
                   "characters[30] removed",
                   "character_action[28,0] removed",
                   "character_action[28,1] removed",
                   "character_action[29,0] removed",
                   "character_aura[28,28,15007,0] removed",
                   "character_declinedname[28] removed",
                   "character_homebind[28] removed",
                   "character_inventory[1401] removed",
                   "character_inventory[1402] removed",
                   "character_inventory[1501] removed",
                   "character_inventory[1601] removed",
                   "character_queststatus[28,783] removed",
                   "character_queststatus[30,7] removed",
                   "character_reputation[28,68] removed",
                   "character_reputation[30,76] removed",
                   "character_social[2,30,2] removed",
                   "character_social[5,28,1] removed",
                   "character_social[28,5,1] removed",
                   "character_spell[28,589] removed",
                   "character_spell[29,78] removed",
                   "character_spell[30,585] removed",
                   "corpse[4] removed",
                   "groups[28] removed",
                   "group_member[28,22] removed",
                   "group_member[28,28] removed",
                   "item_instance[1401] removed",
                   "item_instance[1402] removed",
                   "item_instance[1403] removed",
                   "item_instance[1501] removed",
                   "item_instance[1601] removed"};
    QTest::newRow("2010") << old;

    // The common scenario of the families' fixtures.
    const auto family = [](const char* name, const char* login, const char* characters,
                           const char* world, const char* familyName, const char* deleted) {
        Family f;
        f.name = name;
        f.login = QLatin1String(login);
        f.characters = QLatin1String(characters);
        f.world = QLatin1String(world);
        f.familyName = QString::fromUtf8(familyName);
        f.deletedAccountColumn = QLatin1String(deleted);
        f.addDeletedCharacter = true;
        f.listed = 7;
        f.nameSearch = "char";
        f.nameFound = {"1", "2"};
        f.byNameDescending = {"5", "6", "4"};
        f.account = "4";
        f.ofAccount = {"3", "5"};
        f.online = {"3"};
        f.rich = {"1"};
        f.withoutAccount = {"4"};
        f.detailsGuid = "1";
        f.items = 6;
        f.spellHeader = {"№", "Заклинание", "Active", "Disabled"};
        f.spells = 5;
        f.editGuid = "2";
        f.atLoginColumn = "at_login";
        f.onlineGuid = "3";
        f.onlineName = "Online";
        f.leaderGuid = "1";
        f.stuckGuid = "6";
        return f;
    };

    Family rel2x = family("rel2x", "zero_realmd", "zero_characters", "zero_mangos", "MaNGOS Rel2x",
                          "deleteInfos_Account");
    rel2x.addDeletedCharacter = false; // its fixture has one
    rel2x.dataRows = {"1|Уровень (level)|60", "3|Деньги, медь (money)|12345678"};
    rel2x.itemRows = {"6|3|1|5|99999||", "5|3|0|4|159|Refreshing Spring Water|",
                      "4|0|23|6|6948|Hearthstone|Камень возвращения"};
    rel2x.quests = {"7|3|Kobold Camp Cleanup|0|783|15|0", "783|1|A Threat Within|0|0|7|0"};
    rel2x.leaderRepair = {"characters[1].position_x: '-8913.23' -> '-8853.98'",
                          "characters[1].position_y: '554.633' -> '656.14'",
                          "characters[1].position_z: '93.7944' -> '96.68'",
                          "character_aura[1,1,0,465] removed",
                          "character_aura[1,1,0,15007] added",
                          "character_aura[1,1,0,19740] removed",
                          "groups[1] removed",
                          "group_member[1,1] removed",
                          "group_member[1,2] removed"};
    rel2x.stuckRepair = {"characters[6].position_x: '-996.2' -> '-3752.81'",
                         "characters[6].position_y: '-3826.8' -> '-851.558'",
                         "characters[6].position_z: '5.6' -> '10.1153'",
                         "characters[6].map: '1' -> '0'",
                         "characters[6].trans_x: '3.72' -> '0'",
                         "characters[6].trans_y: '-1.15' -> '0'",
                         "characters[6].trans_z: '6.65' -> '0'",
                         "characters[6].trans_o: '1.57' -> '0'",
                         "characters[6].transguid: '20808' -> '0'",
                         "character_aura[6,6,0,15007] added",
                         "corpse[2] removed"};
    rel2x.cleanup = {
            "characters[4] removed",
            "character_action[4,0] removed",
            "character_aura[4,4,0,13165] removed",
            "character_battleground_data[4] removed",
            "character_homebind[4] removed",
            "character_honor_cp[4,4,3,12.5,20454,1,0] removed",
            "character_inventory[7] removed",
            "character_pet[1] removed",
            "character_queststatus[4,33] removed",
            "character_reputation[4,76] removed",
            "character_skills[4,45] removed",
            "character_social[4,1,2] removed",
            "character_spell[4,75] removed",
            "character_spell[4,1494] removed",
            "character_spell[4,13165] removed",
            "character_spell_cooldown[4,8690] removed",
            "character_ticket[1] removed",
            "corpse[1] removed",
            "item_instance[7] removed",
            "item_instance[8] removed",
            "mail[1] removed",
            "mail_items[1,8] removed",
            "pet_spell[1,16827] removed",
            "pet_spell[1,17253] removed",
            "quest_tracker[33,4,2025-12-20 "
            "18:00:00,NULL,NULL,0,402c57093ef2d3cafb5b8bfdb42e9e1707815e0e,22.6.3] removed"};
    QTest::newRow("rel2x") << rel2x;

    Family cmangos = family("cmangos", "wotlkrealmd", "wotlkcharacters", "wotlkmangos",
                            "cmangos (wotlk)", "deleteInfos_Account");
    cmangos.dataRows = {"1|Уровень (level)|80", "3|Деньги, медь (money)|12345678"};
    cmangos.itemRows = {"6|103|1|105|999999||", "1|0|3|102|38|Recruit's Shirt|",
                        "5|103|0|104|2589|Linen Cloth|"};
    cmangos.quests = {"7|3|Kobold Camp Cleanup|0|783|15|0", "783|1|A Threat Within|0|0|7|0"};
    cmangos.leaderRepair = {"characters[1].position_x: '5804.15' -> '-8867.68'",
                            "characters[1].position_y: '624.771' -> '673.373'",
                            "characters[1].position_z: '647.767' -> '97.9034'",
                            "characters[1].map: '571' -> '0'",
                            "character_aura[1,1,0,15007] added",
                            "character_aura[1,1,0,19740] removed",
                            "character_aura[1,2,0,1243] removed",
                            "groups[1] removed",
                            "group_member[1,1] removed",
                            "group_member[1,2] removed"};
    cmangos.stuckRepair = {"characters[6].position_x: '2231.47' -> '2253.35'",
                           "characters[6].position_y: '5135.29' -> '5196.83'",
                           "characters[6].position_z: '0.21' -> '11.4004'",
                           "characters[6].trans_x: '12.5' -> '0'",
                           "characters[6].trans_y: '-3.2' -> '0'",
                           "characters[6].trans_z: '6.8' -> '0'",
                           "characters[6].trans_o: '1.57' -> '0'",
                           "characters[6].transguid: '5' -> '0'",
                           "character_aura[6,6,0,15007] added",
                           "corpse[2] removed"};
    cmangos.cleanup = {"characters[4] removed",
                       "character_account_data[4,7] removed",
                       "character_achievement[4,11] removed",
                       "character_achievement_progress[4,34] removed",
                       "character_action[4,0,0] removed",
                       "character_aura[4,4,0,13165] removed",
                       "character_equipmentsets[2] removed",
                       "character_glyphs[4,0,0] removed",
                       "character_homebind[4] removed",
                       "character_inventory[107] removed",
                       "character_pet[1] removed",
                       "character_queststatus[4,4641] removed",
                       "character_queststatus_daily[4,11389] removed",
                       "character_reputation[4,76] removed",
                       "character_skills[4,45] removed",
                       "character_skills[4,109] removed",
                       "character_social[4,1,2] removed",
                       "character_spell[4,75] removed",
                       "character_spell[4,883] removed",
                       "character_spell[4,13165] removed",
                       "character_spell_cooldown[4,8690] removed",
                       "character_talent[4,1382,0] removed",
                       "corpse[1] removed",
                       "item_instance[107] removed",
                       "item_instance[108] removed",
                       "mail[1] removed",
                       "mail_items[1,108] removed"};
    QTest::newRow("cmangos") << cmangos;

    Family vmangos = family("vmangos", "vm_realmd", "vm_characters", "vm_mangos", "vmangos",
                            "deleted_account");
    vmangos.dataRows = {"1|Уровень (level)|60", "3|Деньги, медь (money)|12345678"};
    // The mace's and the quest's rows of the highest patch, once.
    vmangos.itemRows = {"6|103|1|105|99999||", "3|0|19|103|4500|Traveler's Backpack|",
                        "2|0|15|102|2361|Battle-worn Hammer|Потрёпанный молот"};
    vmangos.quests = {"7|3|Kobold Camp Clean-up|0|783|0|0", "783|1|A Threat Within|0|0|7|0"};
    vmangos.atLoginColumn = "at_login_flags";
    vmangos.leaderRepair = {"characters[1].position_x: '-8833.38' -> '-8867.68'",
                            "characters[1].position_y: '628.628' -> '673.373'",
                            "characters[1].position_z: '94.0066' -> '97.9034'",
                            "character_aura[1,1,0,15007] added",
                            "character_aura[1,1,0,17538] removed",
                            "character_aura[1,1,0,25289] removed",
                            "groups[1] removed",
                            "group_member[1,1] removed",
                            "group_member[1,2] removed"};
    vmangos.stuckRepair = {"characters[6].position_x: '1425.3' -> '1633.34'",
                           "characters[6].position_y: '-4372.8' -> '-4439.05'",
                           "characters[6].position_z: '92.7' -> '15.78'",
                           "characters[6].transport_guid: '3' -> '0'",
                           "characters[6].transport_x: '3.74' -> '0'",
                           "characters[6].transport_y: '-1.22' -> '0'",
                           "characters[6].transport_z: '18.92' -> '0'",
                           "characters[6].transport_o: '3.14' -> '0'",
                           "character_aura[6,6,0,15007] added",
                           "corpse[2] removed"};
    vmangos.cleanup = {"characters[4] removed",
                       "character_account_data[4,1] removed",
                       "character_action[4,0] removed",
                       "character_aura[4,4,0,696] removed",
                       "character_battleground_data[4] removed",
                       "character_deleted_items[1] removed",
                       "character_homebind[4] removed",
                       "character_honor_cp[4,4,6,12.5,20081,1] removed",
                       "character_instance[4,5] removed",
                       "character_inventory[401] removed",
                       "character_pet[1] removed",
                       "character_queststatus[4,33] removed",
                       "character_reputation[4,72] removed",
                       "character_skills[4,354] removed",
                       "character_social[4,1,1] removed",
                       "character_spell[4,686] removed",
                       "character_spell[4,687] removed",
                       "character_spell[4,688] removed",
                       "character_spell_cooldown[4,8690] removed",
                       "character_stats[4] removed",
                       "corpse[1] removed",
                       "item_instance[401] removed",
                       "item_instance[402] removed",
                       "mail[1] removed",
                       "mail_items[1,402] removed"};
    QTest::newRow("vmangos") << vmangos;

    Family tc = family("trinitycore", "tc_auth", "tc_characters", "tc_world", "TrinityCore 3.3.5",
                       "deleteInfos_Account");
    tc.dataRows = {"1|Уровень (level)|80", "3|Деньги, медь (money)|12345678"};
    tc.itemRows = {"6|103|1|105|990001||", "2|0|18|102|43348|Tabard of the Explorer|",
                   "1|0|15|101|49623|Shadowmourne|Темная Скорбь"};
    // The rewarded quest from its own table, with the server's status 6.
    tc.quests = {"11672|6|Enlistment Day|0|0|11727|0", "11727|3|A Time for Heroes|0|11672|0|0"};
    tc.leaderRepair = {"characters[1].position_x: '5804.15' -> '-8866.55'",
                       "characters[1].position_y: '624.771' -> '671.93'",
                       "characters[1].position_z: '647.767' -> '97.9034'",
                       "characters[1].map: '571' -> '0'",
                       "character_aura[1,1,0,15007,7] added",
                       "character_aura[1,1,0,20217,1] removed",
                       "character_aura[1,1,0,48942,1] removed",
                       "groups[1] removed",
                       "group_member[1] removed",
                       "group_member[2] removed"};
    tc.stuckRepair = {"characters[6].position_x: '2341.82' -> '2253.32'",
                      "characters[6].position_y: '5340.16' -> '5199.83'",
                      "characters[6].position_z: '6.2512' -> '11.4023'",
                      "characters[6].trans_x: '5.25' -> '0'",
                      "characters[6].trans_y: '-1.375' -> '0'",
                      "characters[6].trans_z: '6.5' -> '0'",
                      "characters[6].trans_o: '3.14159' -> '0'",
                      "characters[6].transguid: '14' -> '0'",
                      "character_aura[6,6,0,15007,7] added",
                      "corpse[6] removed"};
    tc.cleanup = {"characters[4] removed",
                  "character_achievement[4,6] removed",
                  "character_action[4,0,0] removed",
                  "character_aura[4,4,0,19506,3] removed",
                  "character_banned[4,1735689600] removed",
                  "character_equipmentsets[1] removed",
                  "character_glyphs[4,0] removed",
                  "character_homebind[4] removed",
                  "character_inventory[401] removed",
                  "character_inventory[402] removed",
                  "character_pet[1] removed",
                  "character_queststatus[4,11672] removed",
                  "character_queststatus_daily[4,13830] removed",
                  "character_reputation[4,68] removed",
                  "character_skills[4,45] removed",
                  "character_social[4,1,2] removed",
                  "character_spell[4,75] removed",
                  "character_spell[4,883] removed",
                  "character_spell[4,1515] removed",
                  "character_spell_cooldown[4,8690] removed",
                  "character_talent[4,19552,0] removed",
                  "corpse[4] removed",
                  "item_instance[401] removed",
                  "item_instance[402] removed",
                  "item_instance[403] removed",
                  "mail[1] removed",
                  "mail_items[403] removed"};
    QTest::newRow("trinitycore") << tc;

    Family ac = family("azerothcore", "acore_auth", "acore_characters", "acore_world",
                       "AzerothCore", "deleteInfos_Account");
    ac.dataRows = {"1|Уровень (level)|80", "3|Деньги, медь (money)|12345678"};
    ac.itemRows = {"6|103|1|105|99999||", "3|0|19|103|4496|Small Brown Pouch|",
                   "2|0|15|102|25|Worn Shortsword|Иссеченный короткий меч"};
    ac.quests = {"7|3|Kobold Camp Cleanup|0|783|0|0", "783|6|A Threat Within|0|0|0|0"};
    ac.spellHeader = {"№", "Заклинание", "specMask"};
    ac.leaderRepair = {"characters[1].position_x: '-8833.38' -> '-8867.68'",
                       "characters[1].position_y: '628.628' -> '673.373'",
                       "characters[1].position_z: '94.0066' -> '97.9034'",
                       "character_aura[1,1,0,2457,1] removed",
                       "character_aura[1,1,0,15007,7] added",
                       "character_aura[1,1,0,47436,1] removed",
                       "groups[1] removed",
                       "group_member[1] removed",
                       "group_member[2] removed"};
    ac.stuckRepair = {"characters[6].position_x: '2234.28' -> '2253.29'",
                      "characters[6].position_y: '5132.12' -> '5197.88'",
                      "characters[6].position_z: '5.3443' -> '11.4'",
                      "characters[6].trans_x: '6.21' -> '0'",
                      "characters[6].trans_y: '-3.15' -> '0'",
                      "characters[6].trans_z: '10.03' -> '0'",
                      "characters[6].trans_o: '1.57' -> '0'",
                      "characters[6].transguid: '9' -> '0'",
                      "character_aura[6,6,0,15007,7] added",
                      "corpse[6] removed"};
    ac.cleanup = {"characters[4] removed",
                  "character_achievement[4,6] removed",
                  "character_achievement_progress[4,111] removed",
                  "character_action[4,0,0] removed",
                  "character_aura[4,4,0,13165,1] removed",
                  "character_equipmentsets[2] removed",
                  "character_glyphs[4,0] removed",
                  "character_homebind[4] removed",
                  "character_inventory[401] removed",
                  "character_pet[1] removed",
                  "character_queststatus[4,15] removed",
                  "character_queststatus_daily[4,11335] removed",
                  "character_queststatus_rewarded[4,7] removed",
                  "character_reputation[4,47] removed",
                  "character_skills[4,45] removed",
                  "character_social[4,1,2] removed",
                  "character_spell[4,75] removed",
                  "character_spell[4,883] removed",
                  "character_spell_cooldown[4,883] removed",
                  "character_talent[4,19552] removed",
                  "corpse[4] removed",
                  "item_instance[401] removed",
                  "item_instance[402] removed",
                  "mail[1] removed",
                  "mail_items[402] removed"};
    QTest::newRow("azerothcore") << ac;
}

void CharactersFamiliesTest::characterPage() {
    QFETCH(Family, family);
    m_probe = std::make_unique<DatabaseProbe>(m_server);
    QVERIFY(m_probe->exec(QStringLiteral("SET NAMES utf8mb4")));
    m_database = family.characters;
    const QString c = family.characters;
    if (family.addDeletedCharacter) {
        // A character deleted by the server and kept for restoring.
        m_changed = true;
        for (const QString& statement :
             {QStringLiteral("CREATE TEMPORARY TABLE %1.kept_deleted AS SELECT * FROM "
                             "%1.characters WHERE guid = 5")
                      .arg(c),
              QStringLiteral("UPDATE %1.kept_deleted SET guid = 7, account = 0, name = '', `%2` = "
                             "4, online = 0")
                      .arg(c, family.deletedAccountColumn),
              QStringLiteral("INSERT INTO %1.characters SELECT * FROM %1.kept_deleted").arg(c)})
            QVERIFY2(m_probe->exec(statement), qPrintable(m_probe->lastError()));
    }
    m_tables = tables(c);
    QVERIFY(m_tables.size() >= 14);
    const TablesSnapshot initial = snapshot();
    QVERIFY(initial.ok());

    m_gui = std::make_unique<GuiDriver>();
    m_gui->writeSettings(GuiDriver::settingsFor(
            m_server, {{"Base/realmd", family.login},
                       {"Base/characters", c},
                       {"Base/mangos", family.world},
                       {"Account/CheatMoney", kCheatMoney},
                       {"Account/AdminAccount", "1"},
                       {"Intreface/startpage", QStringLiteral("Управление героями")}}));
    m_gui->start();
    m_gui->dialogs.defaultAnswer = true;
    // The connection log names the family and nothing it lacks.
    const QString log = m_gui->find<QPlainTextEdit>("dxDNMemo1")->toPlainText();
    QVERIFY2(log.contains(QStringLiteral("Схема базы %1: %2.").arg(c, family.familyName)),
             qPrintable(log));
    QVERIFY2(!log.contains(QStringLiteral("В ней нет")), qPrintable(log));

    list(family);
    if (QTest::currentTestFailed())
        return;
    details(family);
    if (QTest::currentTestFailed())
        return;
    edits(family);
    if (QTest::currentTestFailed())
        return;
    inGame(family);
    if (QTest::currentTestFailed())
        return;

    // The repair of a group leader with auras.
    QVERIFY(selectCharacter(*m_gui, family.leaderGuid));
    m_gui->dialogs.clear();
    expectChange([this] { m_gui->chooseMenuItem(kList, "repairItem"); }, family.leaderRepair);
    QCOMPARE(m_gui->dialogs.describe(),
             QStringList{"error|Результат действия.|Анти-ERROR запрос отослан!"});
    // Of a character on a transport, with a corpse.
    QVERIFY(selectCharacter(*m_gui, family.stuckGuid));
    expectChange([this] { m_gui->chooseMenuItem(kList, "repairItem"); }, family.stuckRepair);

    // The characters without accounts moved to the service account (1); the
    // character deleted and kept stays where it is.
    QStringList moved;
    for (const QString& guid : family.withoutAccount)
        moved << QStringLiteral("characters[%1].account: '%2' -> '1'")
                         .arg(guid,
                              m_probe->scalar(QStringLiteral("SELECT account FROM %1.characters "
                                                             "WHERE guid = %2")
                                                      .arg(c, guid)));
    expectChange([this] { m_gui->chooseMenuItem(kList, "moveWithoutAccountItem"); }, moved);

    // The clean-up: the characters without accounts, and every row of
    // theirs; the character deleted and kept stays.
    m_gui->dialogs.clear();
    expectChange([this] { m_gui->chooseMenuItem(kList, "deleteWithoutAccountItem"); },
                 family.cleanup);
    QVERIFY(m_gui->dialogs.describe().at(1).startsWith(
            QStringLiteral("notice|Realmdesk|Удалено строк по таблицам:")));

    // Everything is as it was.
    m_gui->stop();
    QCOMPARE(initial.changesTo(snapshot()), QStringList());
    if (family.addDeletedCharacter)
        QVERIFY(m_probe->exec(QStringLiteral("DELETE FROM %1.characters WHERE guid = 7").arg(c)));
    m_changed = false;
}

void CharactersFamiliesTest::list(const Family& f) {
    GuiDriver& gui = *m_gui;
    QCOMPARE(listedGuids(gui).size(), f.listed);
    gui.type("dxDNEdit23", f.nameSearch);
    gui.click("dxButton11");
    QCOMPARE(listedGuids(gui), f.nameFound);
    gui.click("dxButton20"); // reset
    QCOMPARE(listedGuids(gui).size(), f.listed);
    gui.click("RadioButton7"); // by name
    gui.click("dxCheckbox8");  // descending
    gui.click("dxButton21");
    QCOMPARE(listedGuids(gui).mid(0, 3), f.byNameDescending);
    gui.click("RadioButton6");
    gui.click("dxButton20");
    // Two a page (the emptied limit on the way fails, with its box).
    gui.retype("ComboBox15", "2");
    gui.dialogs.clear();
    const QStringList first = listedGuids(gui);
    QCOMPARE(first.size(), 2);
    gui.click("dxButton10");
    QCOMPARE(listedGuids(gui).size(), 2);
    QVERIFY(listedGuids(gui).first().toInt() > first.last().toInt());
    gui.choose("ComboBox15", "Все");
    QCOMPARE(listedGuids(gui).size(), f.listed);

    gui.chooseMenuItem(kList, "showOnlineItem");
    QCOMPARE(listedGuids(gui), f.online);
    QVERIFY(selectCharacter(gui, f.online.first()));
    gui.click("dxButton36"); // the rich
    QCOMPARE(listedGuids(gui), f.rich);
    gui.chooseMenuItem(kList, "showWithoutAccountItem");
    QCOMPARE(listedGuids(gui), f.withoutAccount);
    gui.window().charactersOfAccount(f.account);
    QCOMPARE(listedGuids(gui), f.ofAccount);
    QVERIFY(gui.dialogs.boxes().isEmpty());
    gui.click("dxButton20");
}

void CharactersFamiliesTest::details(const Family& f) {
    GuiDriver& gui = *m_gui;
    QVERIFY(selectCharacter(gui, f.detailsGuid));
    const QStringList data = gridRows(gui, "StringGrid4");
    for (const QString& row : f.dataRows)
        QVERIFY2(data.contains(row),
                 qPrintable(row + QStringLiteral(" not in\n") + data.join(u'\n')));
    const QStringList items = gridRows(gui, "StringGrid10");
    QCOMPARE(items.size(), f.items);
    for (const QString& row : f.itemRows)
        QVERIFY2(items.contains(row),
                 qPrintable(row + QStringLiteral(" not in\n") + items.join(u'\n')));
    QCOMPARE(gridRows(gui, "StringGrid9"), f.quests);
    QCOMPARE(gui.gridRow("StringGrid11", 0), f.spellHeader);
    QCOMPARE(gridRows(gui, "StringGrid11").size(), f.spells);
    // The sub-pages of what the database has are open.
    auto* tabs = gui.find<QTabWidget>("characterDetails");
    for (int tab = 0; tab < tabs->count(); ++tab)
        QVERIFY(tabs->isTabEnabled(tab));
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void CharactersFamiliesTest::edits(const Family& f) {
    GuiDriver& gui = *m_gui;
    const QString g = f.editGuid;
    const auto value = [this, &f, &g](const QString& column) {
        return m_probe->scalar(QStringLiteral("SELECT `%1` FROM %2.characters WHERE guid = %3")
                                       .arg(column, f.characters, g));
    };
    const auto changed = [&g](const QString& column, const QString& before, const QString& after) {
        return QStringList{
                QStringLiteral("characters[%1].%2: '%3' -> '%4'").arg(g, column, before, after)};
    };
    QVERIFY(selectCharacter(gui, g));
    expectChange(
            [&gui] {
                gui.retype("dxDNEdit36", "renamed");
                gui.click("dxButton31");
            },
            changed("name", value("name"), "Renamed"));
    QVERIFY(selectCharacter(gui, g));
    expectChange(
            [&gui] {
                gui.retype("dxDNEdit35", "7");
                gui.click("dxButton29");
            },
            changed("account", value("account"), "7"));
    QVERIFY(selectCharacter(gui, g));
    const int atLogin = value(f.atLoginColumn).toInt();
    expectChange(
            [&gui] {
                gui.click("dxCheckbox4"); // rename at the next login
                gui.click("dxButton38");
            },
            changed(f.atLoginColumn, QString::number(atLogin), QString::number(atLogin ^ 1)));
    QVERIFY(selectCharacter(gui, g));
    const QString gender = value("gender");
    expectChange([&gui] { gui.click("dxButton33"); },
                 changed("gender", gender, gender == "0" ? "1" : "0"));
    QVERIFY(selectCharacter(gui, g));
    expectChange(
            [&gui] {
                gui.retype("dxDNEdit49", "4242");
                gui.click("dxButton28");
            },
            changed("money", value("money"), "4242"));
    QVERIFY(selectCharacter(gui, g));
    expectChange(
            [&gui] {
                gui.retype("dxDNEdit48", "33");
                gui.click("dxButton30");
            },
            changed("level", value("level"), "33"));
    // None of them asked about the game: the character is not in it.
    for (const ScriptedDialogs::Box& box : gui.dialogs.boxes())
        QVERIFY(box.caption != QStringLiteral("Персонаж в игре"));
}

void CharactersFamiliesTest::inGame(const Family& f) {
    GuiDriver& gui = *m_gui;
    QVERIFY(selectCharacter(gui, f.onlineGuid));
    const QString money =
            m_probe->scalar(QStringLiteral("SELECT money FROM %1.characters WHERE guid = %2")
                                    .arg(f.characters, f.onlineGuid));
    // No (the answer for Enter): nothing changes.
    gui.dialogs.clear();
    gui.retype("dxDNEdit49", "777");
    gui.dialogs.answerNextConfirmations({true, false});
    const TablesSnapshot before = snapshot();
    gui.click("dxButton28");
    QCOMPARE(gui.dialogs.describe().last(), inGameQuestion(f.onlineName));
    QCOMPARE(gui.dialogs.boxes().last().byDefault, DialogService::Default::No);
    QCOMPARE(gui.dialogs.boxes().last().icon, DialogService::Icon::Question);
    QCOMPARE(before.changesTo(snapshot()), QStringList());
    // Yes: the change, and the log says the character was in the game.
    expectChange([&gui] { gui.click("dxButton28"); },
                 {QStringLiteral("characters[%1].money: '%2' -> '777'").arg(f.onlineGuid, money)});
    QVERIFY(gui.find<QPlainTextEdit>("dxDNMemo1")
                    ->toPlainText()
                    .contains(QStringLiteral("Персонаж %1 (guid %2) был в игре во время изменения")
                                      .arg(f.onlineName, f.onlineGuid)));
    // The repair and the at-login flags ask too.
    QVERIFY(selectCharacter(gui, f.onlineGuid));
    gui.dialogs.clear();
    gui.dialogs.answerNextConfirmations({false, false});
    const TablesSnapshot still = snapshot();
    gui.chooseMenuItem(kList, "repairItem");
    gui.click("dxButton38");
    QCOMPARE(gui.dialogs.describe(),
             QStringList({inGameQuestion(f.onlineName), inGameQuestion(f.onlineName)}));
    QCOMPARE(still.changesTo(snapshot()), QStringList());
}

void CharactersFamiliesTest::questChainFollowsThePreviousQuest() {
    // AzerothCore: the chain in quest_template_addon, rewarded quests in a
    // table of their own. 1718 leads to 1719 and 1720 (which comes back to
    // 1718); 1800 follows nothing of it.
    m_probe = std::make_unique<DatabaseProbe>(m_server);
    m_database = QStringLiteral("acore_characters");
    m_changed = true;
    const QStringList prepare = {
            "INSERT INTO acore_world.quest_template (ID, LogTitle) VALUES (1718, 'The Islander'), "
            "(1719, 'The Affray'), (1720, 'The Windwatcher'), (1800, 'Other')",
            "INSERT INTO acore_world.quest_template_addon (ID, PrevQuestID) VALUES (1718, 1720), "
            "(1719, 1718), (1720, 1719), (1800, 0)",
            "INSERT INTO acore_characters.character_queststatus (guid, quest, status) VALUES (2, "
            "1719, 3), (2, 1800, 3), (5, 1720, 3)",
            "INSERT INTO acore_characters.character_queststatus_rewarded (guid, quest) VALUES (2, "
            "1718)"};
    for (const QString& statement : prepare)
        QVERIFY2(m_probe->exec(statement), qPrintable(m_probe->lastError()));
    m_tables = tables(m_database);
    m_gui = std::make_unique<GuiDriver>();
    m_gui->writeSettings(GuiDriver::settingsFor(
            m_server, {{"Base/realmd", "acore_auth"},
                       {"Base/characters", m_database},
                       {"Base/mangos", "acore_world"},
                       {"Intreface/startpage", QStringLiteral("Управление героями")}}));
    m_gui->start();
    m_gui->dialogs.defaultAnswer = true;
    QVERIFY(selectCharacter(*m_gui, "2"));
    expectChange([this] { m_gui->chooseMenuItem(kList, "moreFunctionsMenu/questChainResetItem"); },
                 {"character_queststatus[2,1719] removed",
                  "character_queststatus_rewarded[2,1718] removed"});
    QVERIFY(m_gui->dialogs.boxes().size() == 1);
    m_gui->stop();
    for (const char* statement :
         {"DELETE FROM acore_world.quest_template WHERE ID IN (1718, 1719, 1720, 1800)",
          "DELETE FROM acore_world.quest_template_addon WHERE ID IN (1718, 1719, 1720, 1800)",
          "DELETE FROM acore_characters.character_queststatus WHERE quest IN (1719, 1800, 1720)",
          "DELETE FROM acore_characters.character_queststatus_rewarded WHERE quest = 1718"})
        QVERIFY(m_probe->exec(QString::fromUtf8(statement)));
    m_changed = false;
}

void CharactersFamiliesTest::schemaThatDoesNotFit() {
    // The family set by hand does not fit the databases: the log names the
    // columns of its description that they lack.
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{"Base/characters", "characters"}, {"Schema/Family", "trinitycore"}}));
    gui.start();
    const QString log = gui.find<QPlainTextEdit>("dxDNMemo1")->toPlainText();
    QVERIFY2(log.contains(QStringLiteral("Схема базы characters: TrinityCore 3.3.5 (задана в "
                                         "настройках [Schema] Family). В ней нет столбцов: ")),
             qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("character_queststatus_rewarded.guid")));
    QVERIFY(log.contains(QStringLiteral("quest_template.LogTitle")));

    // What the description cannot find is not offered, and says why; the
    // repair, which would write columns that are not there, is refused with
    // a box that names them, and changes nothing.
    DatabaseProbe probe(m_server);
    const QString before = probe.checksum("characters.character_aura");
    gui.window().pageControl()->setCurrentIndex(2);
    QVERIFY(selectCharacter(gui, "3"));
    auto* tabs = gui.find<QTabWidget>("characterDetails");
    QVERIFY(!tabs->isTabEnabled(5) && !tabs->isTabEnabled(3) && tabs->isTabEnabled(4));
    QVERIFY2(tabs->tabToolTip(5).startsWith(QStringLiteral("Недоступно: в базе нет столбцов ")) &&
                     tabs->tabToolTip(5).contains(QStringLiteral("item_instance.itemEntry")),
             qPrintable(tabs->tabToolTip(5)));
    QCOMPARE(gui.gridRow("StringGrid10", 1),
             QStringList({"0", "-", "-", "-", "-", "нет данных", "нет данных"}));
    gui.dialogs.defaultAnswer = true;
    gui.chooseMenuItem(kList, "repairItem");
    QCOMPARE(gui.dialogs.describe().size(), 1);
    QVERIFY2(gui.dialogs.describe().first().startsWith(
                     QStringLiteral("error|Изменение невозможно|В базе нет столбцов, без которых "
                                    "это изменение нельзя сделать безопасно: ")) &&
                     gui.dialogs.describe().first().contains(
                             QStringLiteral("character_aura.casterGuid")) &&
                     gui.dialogs.describe().first().contains(
                             QStringLiteral("character_homebind.mapId")),
             qPrintable(gui.dialogs.describe().first()));
    QCOMPARE(probe.checksum("characters.character_aura"), before);
}

QTEST_MAIN(CharactersFamiliesTest)
#include "tst_characters_families.moc"

// The maintenance operations of the character page: "Анти ERROR", the quest
// chain reset, the characters without accounts, the online and rich lists.
#include "DatabaseProbe.h"
#include "ServerLog.h"
#include "UndoReads.h"
#include "characters/CharacterPageTesting.h"
#include "characters/CharacterStatements.h"

#include <QComboBox>
#include <QRegularExpression>

using namespace characterpage;

namespace {

const QString kRepairSent = QStringLiteral("error|Результат действия.|Анти-ERROR запрос отослан!");
const QString kRepairFailed =
        QStringLiteral("error|Результат действия.|ОШИБКА ВЫПОЛНЕНИЯ Анти-ERROR !");
const QString kNotFound = QStringLiteral("error|Результат поиска|Данные не найдены!");

QStringList auras(DatabaseProbe& probe, const QString& guid) {
    return probe.rows("SELECT * FROM characters.character_aura WHERE guid = " + guid +
                      " ORDER BY effect_index, spell");
}

QString position(DatabaseProbe& probe, const QString& table, const QString& guid) {
    return probe.scalar("SELECT CONCAT_WS(',', map, position_x, position_y, position_z) FROM "
                        "characters." +
                        table + " WHERE guid = " + guid);
}

// The statements as the server's general log shows them: without the
// closing semicolon.
QStringList asLogged(QStringList statements) {
    for (QString& statement : statements) {
        if (statement.endsWith(u';'))
            statement.chop(1);
    }
    return statements;
}

} // namespace

class CharacterRepairTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void repairOfACleanCharacter();
    void repairTakesTheTransientState_data();
    void repairTakesTheTransientState();
    void failingRepairStatementGivesTheFailureBox();
    void nothingLoadedNothingRepaired();
    void questChainReset();
    void charactersWithoutAccountsShownAndDeleted();
    void charactersWithoutAccountsInTheGame();
    void moveWithoutServiceAccountDoesNothing();
    void moveToTheServiceAccount();
    void onlineAndRichReplaceTheFilter();

private:
    TestServer m_server;
    std::unique_ptr<KeptTables> m_kept;
    bool m_changed = false;
};

void CharacterRepairTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
    m_kept = std::make_unique<KeptTables>(
            m_server, QStringList{"characters", "character_aura", "character_queststatus",
                                  "character_inventory", "item_instance", "character_spell",
                                  "character_homebind", "character_action", "character_reputation",
                                  "character_social", "character_declinedname", "groups",
                                  "group_member", "corpse"});
    QVERIFY(m_kept->ok());
}

void CharacterRepairTest::cleanup() {
    if (m_changed)
        QVERIFY(m_kept->restore());
    m_changed = false;
}

void CharacterRepairTest::repairOfACleanCharacter() {
    DatabaseProbe probe(m_server);
    QVERIFY(auras(probe, "3").isEmpty());
    const QString home = position(probe, "character_homebind", "3");
    QVERIFY(position(probe, "characters", "3") != home);
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "3"));
    m_changed = true;
    const UndoTraffic undo =
            undoTraffic(m_server, "characters", characterstatements::repairUndo("3"));
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kList, "repairItem");
    QCOMPARE(gui.dialogs.describe(), QStringList{kRepairSent});
    // The first half of the prologue, the reads of the undo script, then the
    // statements; no refresh.
    QCOMPARE(log.statementsSinceMark(),
             QStringList{"use `characters`"} + undo.around(characterstatements::repair("3")));
    const QStringList written = {"3|3|15007|0|1|-75|600000|600000|-1",
                                 "3|3|15007|1|1|-75|600000|600000|-1",
                                 "3|3|15007|2|1|0|600000|600000|-1"};
    QCOMPARE(auras(probe, "3"), written);
    QCOMPARE(position(probe, "characters", "3"), home);

    // Twice in a row: the same three rows.
    gui.dialogs.clear();
    gui.chooseMenuItem(kList, "repairItem");
    QCOMPARE(gui.dialogs.describe(), QStringList{kRepairSent});
    QCOMPARE(auras(probe, "3"), written);
}

void CharacterRepairTest::repairTakesTheTransientState_data() {
    QTest::addColumn<QString>("guid");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    // 5 and 17 are in the game: the repair asks first (Yes here).
    QTest::newRow("group leader") << "5"
                                  << "SELECT COUNT(*) FROM characters.groups "
                                     "WHERE leaderGuid = 5"
                                  << "1"
                                  << "0";
    // The members of the group it led go with the group.
    QTest::newRow("group leader's members") << "5"
                                            << "SELECT COUNT(*) FROM characters.group_member "
                                               "WHERE leaderGuid = 5"
                                            << "2"
                                            << "0";
    QTest::newRow("group member") << "17"
                                  << "SELECT COUNT(*) FROM characters.group_member "
                                     "WHERE memberGuid = 17"
                                  << "1"
                                  << "0";
    QTest::newRow("corpse") << "11"
                            << "SELECT COUNT(*) FROM characters.corpse WHERE player = 11"
                            << "1"
                            << "0";
    QTest::newRow("transport")
            << "4"
            << "SELECT CONCAT_WS(',', trans_x, trans_y, trans_z, trans_o, transguid) FROM "
               "characters.characters WHERE guid = 4"
            << "7.5,-3.25,6,3.14,1152921504606847001"
            << "0,0,0,0,0";
    QTest::newRow("flight path") << "16"
                                 << "SELECT taxi_path FROM characters.characters WHERE guid = 16"
                                 << "0 42 0 43 0 44"
                                 << "";
    QTest::newRow("every aura, also another's")
            << "7"
            << "SELECT GROUP_CONCAT(spell ORDER BY spell) FROM characters.character_aura "
               "WHERE guid = 7"
            << "48266,57330"
            << "15007,15007,15007";
}

void CharacterRepairTest::repairTakesTheTransientState() {
    QFETCH(QString, guid);
    QFETCH(QString, query);
    QFETCH(QString, before);
    QFETCH(QString, after);
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar(query), before);
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, guid));
    m_changed = true;
    gui.dialogs.defaultAnswer = true;
    gui.chooseMenuItem(kList, "repairItem");
    QCOMPARE(gui.dialogs.describe().last(), kRepairSent);
    const bool inGame = guid == "5" || guid == "17";
    QCOMPARE(gui.dialogs.describe().size(), inGame ? 2 : 1);
    QCOMPARE(probe.scalar(query), after);
}

void CharacterRepairTest::failingRepairStatementGivesTheFailureBox() {
    DatabaseProbe probe(m_server);
    m_changed = true;
    // The server refuses the update of the character's position.
    QVERIFY(probe.exec("CREATE TRIGGER characters.kept_in_place BEFORE UPDATE ON "
                       "characters.characters FOR EACH ROW SIGNAL SQLSTATE '45000' SET "
                       "MESSAGE_TEXT = 'kept in place'"));
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "29")); // no home-bind row either
    const UndoTraffic undo =
            undoTraffic(m_server, "characters", characterstatements::repairUndo("29"));
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kList, "repairItem");
    const QStringList sent = log.statementsSinceMark();
    QVERIFY(probe.exec("DROP TRIGGER characters.kept_in_place"));
    // The box names the server's reason.
    QCOMPARE(gui.dialogs.describe(), QStringList{kRepairFailed + "\r\nОшибка 1644: kept in place"});
    // The statements after the failed one were sent, and committed with the
    // others. (The trigger's own statement is logged too.)
    const QStringList statements = asLogged(characterstatements::repair("29")) + undo.after;
    const QStringList logged = sent.filter(QRegularExpression("^(?!SIGNAL )"));
    QCOMPARE(logged.mid(logged.size() - statements.size()), statements);
    QCOMPARE(auras(probe, "29").size(), 3);
}

void CharacterRepairTest::nothingLoadedNothingRepaired() {
    GuiDriver gui;
    start(gui, m_server);
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kList, "repairItem");
    gui.chooseMenuItem(kList, "moreFunctionsMenu/questChainResetItem");
    QVERIFY(gui.dialogs.boxes().isEmpty());
    QVERIFY(log.statementsSinceMark().isEmpty());
}

void CharacterRepairTest::questChainReset() {
    DatabaseProbe probe(m_server);
    const QString quests = "SELECT GROUP_CONCAT(quest ORDER BY quest) FROM "
                           "characters.character_queststatus WHERE guid = 5";
    QCOMPARE(probe.scalar(quests), QStringLiteral("7,33,783,1718,1719"));
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "5"));
    const UndoTraffic undo =
            undoTraffic(m_server, "characters", characterstatements::questChainResetUndo("5"));
    ServerLog log(m_server.generalLog);
    gui.dialogs.answerNextConfirmations({false, true, true});
    gui.chooseMenuItem(kList, "moreFunctionsMenu/questChainResetItem");
    QVERIFY(log.statementsSinceMark().isEmpty());
    m_changed = true;
    gui.chooseMenuItem(kList, "moreFunctionsMenu/questChainResetItem");
    const QString question = "confirmation|Редактирование персонажа|Вы действительно хотите "
                             "позволить выполнить персонажу квесты на \"перехват\" ещё раз?";
    // 5 is in the game.
    QCOMPARE(gui.dialogs.describe(), QStringList({question, question, inGameQuestion("Васёк")}));
    const QStringList sent = log.statementsSinceMark();
    const QStringList change =
            QStringList({"use `characters`", "SET NAMES utf8"}) +
            undo.around({"delete from `character_queststatus` where `guid` = 5 and `quest` in "
                         "(1718,1719,1712,1713,1791,1792)"});
    QCOMPARE(sent.mid(0, change.size()), change);
    QVERIFY(sent.last().startsWith("select `guid`"));
    QCOMPARE(probe.scalar(quests), QStringLiteral("7,33,783"));
}

void CharacterRepairTest::charactersWithoutAccountsShownAndDeleted() {
    GuiDriver gui;
    start(gui, m_server);
    gui.chooseMenuItem(kList, "showWithoutAccountItem");
    QCOMPARE(listedGuids(gui), QStringList({"28", "29", "30"}));
    // No: nothing is deleted.
    gui.dialogs.answerNextConfirmations({false, true});
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kList, "deleteWithoutAccountItem");
    const QString question = "confirmation|Чистка базы|Вы действительно хотите удалить "
                             "персонажей, БЕЗ аккаунтов?\r\nБудет удалено персонажей: 3.";
    QCOMPARE(gui.dialogs.describe(), QStringList{question});
    QCOMPARE(log.statementsSinceMark(),
             QStringList({"use `characters`", "SET NAMES utf8",
                          "select `guid` from `characters` where `account` not in (select `id` "
                          "from `realmd`.`account`) order by `guid`"}));
    QCOMPARE(listedGuids(gui), QStringList({"28", "29", "30"}));

    // Yes: the rows of every table go, the characters last, in one
    // transaction for the tables that have them.
    m_changed = true;
    gui.dialogs.clear();
    log.mark();
    gui.chooseMenuItem(kList, "deleteWithoutAccountItem");
    const QStringList sent = log.statementsSinceMark();
    QCOMPARE(sent.filter("DELETE FROM").first(),
             QStringLiteral("DELETE FROM `character_inventory` WHERE `guid` IN (28,29,30)"));
    QCOMPARE(sent.filter("DELETE FROM").last(),
             QStringLiteral("DELETE FROM `characters` WHERE `guid` IN (28,29,30)"));
    const QRegularExpression deletion(QStringLiteral("DELETE .*"));
    const qsizetype start = sent.indexOf("START TRANSACTION");
    QVERIFY(start >= 0 && start < sent.indexOf(deletion));
    QVERIFY(sent.indexOf("COMMIT") > sent.lastIndexOf(deletion));
    // The refresh kept the filter, found nothing and dropped it.
    QCOMPARE(gui.dialogs.boxes().size(), 3);
    QCOMPARE(gui.dialogs.describe().at(1).section(u'\n', 0, 0),
             QStringLiteral("notice|Realmdesk|Удалено строк по таблицам:\r"));
    QCOMPARE(gui.dialogs.describe().at(2), kNotFound);
    gui.click("dxButton21");
    QCOMPARE(listedGuids(gui).size(), 27);
    // No row of theirs is left in any table.
    DatabaseProbe probe(m_server);
    const QStringList columns = probe.rows(
            "SELECT TABLE_NAME, COLUMN_NAME FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = "
            "'characters' AND COLUMN_NAME IN ('guid', 'owner_guid', 'player', 'memberGuid', "
            "'leaderGuid', 'friend') AND TABLE_NAME NOT LIKE 'kept\\_%'");
    QVERIFY(columns.size() >= 14);
    for (const QString& column : columns) {
        const QString table = column.section(u'|', 0, 0);
        QCOMPARE(probe.scalar(QStringLiteral("SELECT COUNT(*) FROM characters.`%1` WHERE `%2` IN "
                                             "(28, 29, 30)")
                                      .arg(table, column.section(u'|', 1))),
                 QStringLiteral("0"));
    }

    // Nothing left: nothing is asked and nothing deleted.
    gui.dialogs.clear();
    log.mark();
    gui.chooseMenuItem(kList, "deleteWithoutAccountItem");
    QCOMPARE(gui.dialogs.describe(), QStringList{"notice|Realmdesk|Персонажей без аккаунтов нет."});
    QVERIFY(log.statementsSinceMark().filter("DELETE").isEmpty());
    QCOMPARE(listedGuids(gui).size(), 27);
}

void CharacterRepairTest::charactersWithoutAccountsInTheGame() {
    // 29 is in the game: deleting or moving them asks about it, No by
    // default; No changes nothing.
    DatabaseProbe probe(m_server);
    m_changed = true;
    QVERIFY(probe.exec("UPDATE characters.characters SET online = 1 WHERE guid = 29"));
    const QString checksum = probe.checksum("characters.characters");
    GuiDriver gui;
    start(gui, m_server, {{"Account/AdminAccount", "20"}});
    gui.dialogs.answerNextConfirmations({true, false, true, false});
    gui.chooseMenuItem(kList, "deleteWithoutAccountItem");
    gui.chooseMenuItem(kList, "moveWithoutAccountItem");
    const QString inGame = "confirmation|Персонаж в игре|Персонажей в игре среди них: 1. Игровой "
                           "сервер запишет свои копии этих персонажей поверх изменения, когда "
                           "сохранит их.\r\nВсё равно изменить?";
    QCOMPARE(gui.dialogs.describe().at(1), inGame);
    QCOMPARE(gui.dialogs.describe().at(3), inGame);
    QCOMPARE(gui.dialogs.boxes().at(3).byDefault, DialogService::Default::No);
    QCOMPARE(probe.checksum("characters.characters"), checksum);
    QCOMPARE(probe.scalar("SELECT COUNT(*) FROM characters.character_inventory WHERE guid = 29"),
             QStringLiteral("1"));
}

void CharacterRepairTest::moveWithoutServiceAccountDoesNothing() {
    GuiDriver gui;
    start(gui, m_server);
    gui.dialogs.defaultAnswer = true;
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kList, "moveWithoutAccountItem");
    QVERIFY(gui.dialogs.boxes().isEmpty());
    QVERIFY(log.statementsSinceMark().isEmpty());
}

void CharacterRepairTest::moveToTheServiceAccount() {
    GuiDriver gui;
    start(gui, m_server, {{"Account/AdminAccount", "20"}});
    gui.dialogs.answerNextConfirmations({true});
    m_changed = true;
    gui.chooseMenuItem(kList, "moveWithoutAccountItem");
    QCOMPARE(gui.dialogs.describe(),
             QStringList{"confirmation|Чистка базы|Вы действительно хотите переместить "
                         "персонажей, БЕЗ аккаунтов на \"служебный аккаунт\"?"});
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("SELECT GROUP_CONCAT(guid ORDER BY guid) FROM characters.characters "
                          "WHERE account = 20"),
             QStringLiteral("26,27,28,29,30"));
    QCOMPARE(gui.gridRow(kList, rowOf(gui, "30")).at(1), QStringLiteral("20"));
}

void CharacterRepairTest::onlineAndRichReplaceTheFilter() {
    GuiDriver gui;
    start(gui, m_server);
    gui.type("dxDNEdit23", "Серж");
    gui.click("dxButton11");
    QCOMPARE(listedGuids(gui), QStringList{"21"});
    gui.chooseMenuItem(kList, "showOnlineItem");
    QCOMPARE(listedGuids(gui), QStringList({"2", "5", "17"}));
    QVERIFY(selectCharacter(gui, "5"));
    gui.click("dxButton36"); // "Чит-Богачи"
    QCOMPARE(listedGuids(gui), QStringList{"13"});
    QVERIFY(gui.dialogs.boxes().isEmpty());

    // Both keep the record limit and the offset.
    gui.clearText("ComboBox15"); // the empty limit fails, dropping the filter
    gui.type("ComboBox15", "2");
    gui.dialogs.clear();
    gui.chooseMenuItem(kList, "showOnlineItem");
    QCOMPARE(listedGuids(gui), QStringList({"2", "5"}));
    gui.click("dxButton10");
    QCOMPARE(listedGuids(gui), QStringList{"17"});
    ServerLog log(m_server.generalLog);
    gui.click("dxButton36");
    QCOMPARE(log.statementsSinceMark().last(),
             QStringLiteral("select `guid`,`account`,`name`,`race`,`class`,`online`,`at_login`,"
                            "`map`,`zone` from `characters` where `money` > 1000000000  order by "
                            "`guid` LIMIT 2,2"));
    QCOMPARE(gui.dialogs.describe(), QStringList{kNotFound});
}

QTEST_MAIN(CharacterRepairTest)
#include "tst_character_repair.moc"

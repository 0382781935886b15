// Changing one character from the "Данные" sub-page: rename, account move,
// at-login flags, gender, money and level.
#include "DatabaseProbe.h"
#include "ServerLog.h"
#include "characters/CharacterPageTesting.h"
#include "characters/CharacterStatements.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace characterpage;

namespace {

QString text(GuiDriver& gui, const QString& edit) {
    return gui.find<QLineEdit>(edit)->text();
}

} // namespace

class CharacterEditingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void rename_data();
    void rename();
    void renameWithAFilterThatNoLongerMatches();
    void answeringNoSendsNothing_data();
    void answeringNoSendsNothing();
    void nothingLoadedDoesNothing();
    void moveToAccount_data();
    void moveToAccount();
    void atLoginFlags();
    void atLoginWithoutACharacterFails();
    void genderSwap_data();
    void genderSwap();
    void money_data();
    void money();
    void level();
    void rejectedRenameLeavesTheField();

private:
    TestServer m_server;
    std::unique_ptr<KeptTables> m_kept;
    bool m_changed = false;
};

void CharacterEditingTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
    m_kept = std::make_unique<KeptTables>(m_server, QStringList{"characters"});
    QVERIFY(m_kept->ok());
}

void CharacterEditingTest::cleanup() {
    if (m_changed)
        QVERIFY(m_kept->restore());
    m_changed = false;
}

void CharacterEditingTest::rename_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << ""
                           << "Player"
                           << "Player";
    QTest::newRow("iVAN") << "iVAN"
                          << "Ivan"
                          << "Ivan";
    QTest::newRow("leading blank") << " bob"
                                   << " bob"
                                   << "bob";
    QTest::newRow("Cyrillic capitals") << "ИВАН"
                                       << "ИВАН"
                                       << "ИВАН";
    QTest::newRow("quotes stored as typed") << "o'NE\"il\\"
                                            << "O'ne\"il\\"
                                            << "O'ne\"il\\";
}

void CharacterEditingTest::rename() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "5"));
    gui.retype("dxDNEdit36", typed);
    gui.dialogs.answerNextConfirmations({true, true});
    m_changed = true;
    gui.click("dxButton31");
    // 5 is in the game: that is asked after the rename.
    QCOMPARE(gui.dialogs.describe(),
             QStringList({"confirmation|Переименование персонажа|Вы действительно хотите сменить "
                          "имя этого персонажа?",
                          inGameQuestion("Васёк")}));
    QCOMPARE(gui.dialogs.boxes().first().icon, DialogService::Icon::None);
    QCOMPARE(text(gui, "dxDNEdit36"), shown);
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("SELECT name FROM characters.characters WHERE guid = 5"), stored);
    // The list was refreshed.
    QCOMPARE(gui.gridRow(kList, rowOf(gui, "5")).at(2), stored);
}

void CharacterEditingTest::renameWithAFilterThatNoLongerMatches() {
    GuiDriver gui;
    start(gui, m_server);
    gui.type("dxDNEdit23", "Васё");
    gui.click("dxButton11");
    QCOMPARE(listedGuids(gui), QStringList{"5"});
    QVERIFY(selectCharacter(gui, "5"));
    gui.retype("dxDNEdit36", "Zed");
    gui.dialogs.answerNextConfirmations({true, true});
    m_changed = true;
    gui.click("dxButton31");
    QCOMPARE(gui.dialogs.describe().last(),
             QStringLiteral("error|Результат поиска|Данные не найдены!"));
    gui.click("dxButton21");
    QCOMPARE(listedGuids(gui).size(), 30);
}

void CharacterEditingTest::answeringNoSendsNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("rename") << "dxButton31";
    QTest::newRow("account") << "dxButton29";
    QTest::newRow("gender") << "dxButton33";
    QTest::newRow("money") << "dxButton28";
    QTest::newRow("level") << "dxButton30";
}

void CharacterEditingTest::answeringNoSendsNothing() {
    QFETCH(QString, button);
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "5"));
    const QString gender = text(gui, "dxDNEdit50");
    ServerLog log(m_server.generalLog);
    gui.dialogs.answerNextConfirmations({false});
    gui.click(button);
    QCOMPARE(gui.dialogs.boxes().size(), 1);
    QVERIFY(log.statementsSinceMark().isEmpty());
    QCOMPARE(text(gui, "dxDNEdit50"), gender);
}

void CharacterEditingTest::nothingLoadedDoesNothing() {
    GuiDriver gui;
    start(gui, m_server);
    ServerLog log(m_server.generalLog);
    for (const char* button :
         {"dxButton31", "dxButton29", "dxButton33", "dxButton28", "dxButton30"})
        gui.click(QLatin1String(button));
    QVERIFY(gui.dialogs.boxes().isEmpty());
    QVERIFY(log.statementsSinceMark().isEmpty());
}

void CharacterEditingTest::moveToAccount_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0 becomes 1") << "0"
                                 << "1";
    QTest::newRow("empty becomes 1") << ""
                                     << "1";
    QTest::newRow("another account") << "17"
                                     << "17";
}

void CharacterEditingTest::moveToAccount() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "6"));
    gui.retype("dxDNEdit35", typed + "x-"); // the filter keeps digits only
    QCOMPARE(text(gui, "dxDNEdit35"), typed);
    gui.dialogs.answerNextConfirmations({true});
    m_changed = true;
    ServerLog log(m_server.generalLog);
    gui.click("dxButton29");
    QCOMPARE(gui.dialogs.describe(),
             QStringList{"confirmation|Перенос персонажа|Вы действительно хотите сменить "
                         "аккаунт у этого персонажа?"});
    QCOMPARE(text(gui, "dxDNEdit35"), shown);
    QVERIFY(log.statementsSinceMark().contains(
            QStringLiteral("update `characters` set `account` = %1 where `guid` = 6").arg(shown)));
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("SELECT account FROM characters.characters WHERE guid = 6"), shown);
}

void CharacterEditingTest::atLoginFlags() {
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "15"));
    QCOMPARE(text(gui, "dxDNEdit33"), QStringLiteral("9"));
    gui.click("dxCheckbox4"); // rename off
    gui.click("dxCheckbox6"); // talents on
    m_changed = true;
    gui.click("dxButton38");
    QVERIFY(gui.dialogs.boxes().isEmpty());
    QCOMPARE(text(gui, "dxDNEdit33"), QStringLiteral("12"));
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("SELECT at_login FROM characters.characters WHERE guid = 15"),
             QStringLiteral("12"));
    QCOMPARE(gui.gridRow(kList, rowOf(gui, "15")).at(6), QStringLiteral("12"));
}

void CharacterEditingTest::atLoginWithoutACharacterFails() {
    GuiDriver gui;
    start(gui, m_server);
    ServerLog log(m_server.generalLog);
    gui.click("dxButton38");
    QCOMPARE(gui.dialogs.describe(),
             QStringList{"error|Realmdesk|'' is not a valid integer value"});
    QVERIFY(log.statementsSinceMark().isEmpty());
}

void CharacterEditingTest::genderSwap_data() {
    QTest::addColumn<QString>("guid");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("inGame"); // the name of a character in the game
    QTest::newRow("1 gives 0") << "2"
                               << "1"
                               << "0"
                               << "Главгм";
    QTest::newRow("0 gives 1") << "1"
                               << "0"
                               << "1" << QString();
    QTest::newRow("2 gives 0") << "3"
                               << "2"
                               << "0" << QString();
}

void CharacterEditingTest::genderSwap() {
    QFETCH(QString, guid);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, inGame);
    DatabaseProbe probe(m_server);
    m_changed = true;
    QVERIFY(probe.exec("UPDATE characters.characters SET gender = " + before +
                       " WHERE guid = " + guid));
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, guid));
    QCOMPARE(text(gui, "dxDNEdit50"), before);
    gui.dialogs.answerNextConfirmations({true, true});
    gui.click("dxButton33");
    QStringList asked = {"confirmation|Редактирование персонажа|Вы действительно хотите сменить "
                         "пол у этого персонажа?"};
    if (!inGame.isEmpty())
        asked << inGameQuestion(inGame);
    QCOMPARE(gui.dialogs.describe(), asked);
    QCOMPARE(text(gui, "dxDNEdit50"), after);
    QCOMPARE(probe.scalar("SELECT gender FROM characters.characters WHERE guid = " + guid), after);
}

void CharacterEditingTest::money_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty stores 0") << ""
                                    << "0";
    QTest::newRow("an amount") << "123456789"
                               << "123456789";
}

void CharacterEditingTest::money() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "13"));
    gui.retype("dxDNEdit49", typed);
    gui.dialogs.answerNextConfirmations({true});
    m_changed = true;
    gui.click("dxButton28");
    QCOMPARE(gui.dialogs.describe(),
             QStringList{"confirmation|Редактирование персонажа|Вы действительно хотите изменить "
                         "количество денег у этого персонажа?"});
    QCOMPARE(text(gui, "dxDNEdit49"), stored);
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("SELECT money FROM characters.characters WHERE guid = 13"), stored);
}

void CharacterEditingTest::level() {
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "30"));
    gui.retype("dxDNEdit48", "61");
    gui.dialogs.answerNextConfirmations({true, true});
    m_changed = true;
    gui.click("dxButton30");
    QCOMPARE(gui.dialogs.describe(),
             QStringList{"confirmation|Редактирование персонажа|Вы действительно хотите сменить "
                         "уровень у персонажа?"});
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("SELECT level FROM characters.characters WHERE guid = 30"),
             QStringLiteral("61"));
    // An empty level makes a statement that the server rejects: its message
    // is shown, its transaction is rolled back, and the list is not
    // refreshed.
    gui.dialogs.clear();
    gui.clearText("dxDNEdit48");
    ServerLog log(m_server.generalLog);
    gui.click("dxButton30");
    QCOMPARE(gui.dialogs.boxes().size(), 2);
    QVERIFY(gui.dialogs.describe().last().startsWith(
            "error|Ошибка изменения данных|Сервер не подтвердил изменение:\r\nОшибка 1064: "));
    const QStringList sent = log.statementsSinceMark();
    QCOMPARE(sent.mid(sent.size() - 2),
             QStringList({"update `characters` set `level` =  where `guid` = 30", "ROLLBACK"}));
    QCOMPARE(probe.scalar("SELECT level FROM characters.characters WHERE guid = 30"),
             QStringLiteral("61"));
}

void CharacterEditingTest::rejectedRenameLeavesTheField() {
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "5"));
    const QStringList listed = gui.gridRow(kList, rowOf(gui, "5"));
    gui.retype("dxDNEdit36", "абвгдеёжзийкл");
    gui.dialogs.answerNextConfirmations({true, true});
    ServerLog log(m_server.generalLog);
    gui.click("dxButton31");
    QCOMPARE(gui.dialogs.describe().last(),
             QStringLiteral("error|Ошибка изменения данных|Сервер не подтвердил изменение:\r\n"
                            "Ошибка 1406: Data too long for column 'name' at row 1"));
    // The field shows what was typed, the list what is stored.
    QCOMPARE(text(gui, "dxDNEdit36"), QStringLiteral("абвгдеёжзийкл"));
    QVERIFY(log.statementsSinceMark().filter(characterstatements::listSelect()).isEmpty());
    QCOMPARE(gui.gridRow(kList, rowOf(gui, "5")), listed);
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("SELECT name FROM characters.characters WHERE guid = 5"),
             QStringLiteral("Васёк"));
}

QTEST_MAIN(CharacterEditingTest)
#include "tst_character_editing.moc"

// The details of the selected character: the key fields, the full row and
// its column names, the "Data" values, the quests, items and spells.
#include "DatabaseProbe.h"
#include "FramedPanel.h"
#include "ServerLog.h"
#include "TForm1.h"
#include "characters/CharacterPageTesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace characterpage;

namespace {

QString text(GuiDriver& gui, const char* edit) {
    return gui.find<QLineEdit>(QLatin1String(edit))->text();
}

bool visible(GuiDriver& gui, const char* name) {
    return !gui.find<QWidget>(QLatin1String(name))->isHidden();
}

int rowCount(GuiDriver& gui, const char* grid) {
    return gui.find<StringGrid>(QLatin1String(grid))->rowCount();
}

} // namespace

class CharacterDetailsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void gridsAreHiddenUntilTheFirstLoad();
    void keyFieldsAndAtLoginBoxes_data();
    void keyFieldsAndAtLoginBoxes();
    void characterWithNothing();
    void characterWithOneQuest();
    void itemsAndSpells();
    void fullRowAndColumnNames();
    void dataValues_data();
    void dataValues();
    void tableWithoutMoneyHidesTheBlock();
    void onlineWarningFollowsTheRow();
    void everyCellChangeReloads();
    void failingItemStatementShowsTheEmptyRow();

private:
    TestServer m_server;
};

void CharacterDetailsTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void CharacterDetailsTest::gridsAreHiddenUntilTheFirstLoad() {
    GuiDriver gui;
    start(gui, m_server);
    for (const char* grid :
         {"StringGrid4", "StringGrid8", "StringGrid9", "StringGrid10", "StringGrid11"})
        QVERIFY2(!visible(gui, grid), grid);
    QVERIFY(!visible(gui, "dxContainer21"));
    QVERIFY(!visible(gui, "Label76"));
    QVERIFY(selectCharacter(gui, "3"));
    for (const char* grid :
         {"StringGrid4", "StringGrid8", "StringGrid9", "StringGrid10", "StringGrid11"})
        QVERIFY2(visible(gui, grid), grid);
    QVERIFY(visible(gui, "dxContainer21"));
    // The grid's hint is the selected cell's text.
    QCOMPARE(list(gui)->hint(), QStringLiteral("Modera"));
}

void CharacterDetailsTest::keyFieldsAndAtLoginBoxes_data() {
    QTest::addColumn<QString>("guid");
    QTest::addColumn<QString>("atLogin");
    QTest::addColumn<bool>("rename");
    QTest::addColumn<bool>("talents");
    QTest::addColumn<bool>("spells");
    QTest::newRow("9: rename and a bit of the server") << "15"
                                                       << "9" << true << false << false;
    QTest::newRow("12: talents") << "27"
                                 << "12" << false << true << false;
    QTest::newRow("2: spells") << "18"
                               << "2" << false << false << true;
    QTest::newRow("0") << "1"
                       << "0" << false << false << false;
}

void CharacterDetailsTest::keyFieldsAndAtLoginBoxes() {
    QFETCH(QString, guid);
    QFETCH(QString, atLogin);
    QFETCH(bool, rename);
    QFETCH(bool, talents);
    QFETCH(bool, spells);
    GuiDriver gui;
    start(gui, m_server);
    // The boxes start checked so that every one of them must be set.
    for (const char* box : {"dxCheckbox4", "dxCheckbox5", "dxCheckbox6"})
        gui.find<QCheckBox>(QLatin1String(box))->setChecked(true);
    QVERIFY(selectCharacter(gui, guid, 7));
    const QStringList row = gui.gridRow(kList, rowOf(gui, guid));
    QCOMPARE(text(gui, "dxDNEdit34"), guid);
    QCOMPARE(text(gui, "dxDNEdit35"), row[1]);
    QCOMPARE(text(gui, "dxDNEdit36"), row[2]);
    QCOMPARE(text(gui, "dxDNEdit33"), atLogin);
    QCOMPARE(gui.find<QCheckBox>("dxCheckbox4")->isChecked(), rename);
    QCOMPARE(gui.find<QCheckBox>("dxCheckbox6")->isChecked(), talents);
    QCOMPARE(gui.find<QCheckBox>("dxCheckbox5")->isChecked(), spells);
}

void CharacterDetailsTest::characterWithNothing() {
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "3"));
    QCOMPARE(gui.find<QLabel>("questsFoundLabel")->text(), QStringLiteral("Найдено: 0"));
    QCOMPARE(rowCount(gui, "StringGrid9"), 2);
    QCOMPARE(gui.gridRow("StringGrid9", 1),
             QStringList({"-", "-", "Нет данных", "-", "-", "-", "-"}));
    QCOMPARE(gui.gridRow("StringGrid9", 0),
             QStringList({"guid", "Status", "Наименование", "NextQuestId", "PrevQuestId",
                          "NextQuestInChain", "ExclusiveGroup"}));
    QCOMPARE(rowCount(gui, "StringGrid10"), 2);
    QCOMPARE(gui.gridRow("StringGrid10", 1),
             QStringList({"0", "-", "-", "-", "-", "нет данных", "нет данных"}));
    QCOMPARE(rowCount(gui, "StringGrid11"), 2);
    QCOMPARE(gui.gridRow("StringGrid11", 1), QStringList({"0", "нет данных", "-", "-"}));
    QCOMPARE(gui.gridRow("StringGrid11", 0),
             QStringList({"№", "Заклинание", "Active", "Disabled"}));
}

void CharacterDetailsTest::characterWithOneQuest() {
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec(
            "INSERT INTO characters.character_queststatus (guid, quest, status, rewarded) "
            "VALUES (3, 1718, 3, 0)"));
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "7")); // five quests first
    QCOMPARE(gui.find<QLabel>("questsFoundLabel")->text(), QStringLiteral("Найдено: 5"));
    QVERIFY(selectCharacter(gui, "3"));
    probe.exec("DELETE FROM characters.character_queststatus WHERE guid = 3");
    QCOMPARE(gui.find<QLabel>("questsFoundLabel")->text(), QStringLiteral("Найдено: 1"));
    QCOMPARE(rowCount(gui, "StringGrid9"), 2);
    QCOMPARE(gui.gridRow("StringGrid9", 1),
             QStringList({"1718", "3", "Перехват: остров", "1719", "0", "1719", "0"}));
    const QList<int> widths = {45, 25, 170, 45, 45, 45, 45};
    for (int col = 0; col < widths.size(); ++col)
        QCOMPARE(gui.find<StringGrid>("StringGrid9")->colWidth(col), widths[col]);
}

void CharacterDetailsTest::itemsAndSpells() {
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "5"));
    // Seven items, each once; 2361 has no translation row.
    QCOMPARE(rowCount(gui, "StringGrid10"), 8);
    QCOMPARE(gui.gridRow("StringGrid10", 0),
             QStringList({"№", "Сумка", "Слот", "Item", "Item_Template", "Name", "Перевод"}));
    QCOMPARE(gui.gridRow("StringGrid10", 1),
             QStringList({"1", "0", "3", "1001", "6096", "Apprentice's Shirt", "Рубашка ученика"}));
    QCOMPARE(gui.gridRow("StringGrid10", 6),
             QStringList({"6", "0", "25", "1007", "2361", "Battleworn Hammer", ""}));
    QCOMPARE(gui.gridRow("StringGrid10", 7),
             QStringList({"7", "1003", "0", "1006", "2589", "Linen Cloth", "Льняной материал"}));
    QCOMPARE(rowCount(gui, "StringGrid11"), 5);
    QCOMPARE(gui.gridRow("StringGrid11", 1), QStringList({"1", "75", "1", "0"}));
    QCOMPARE(gui.gridRow("StringGrid11", 4), QStringList({"4", "13163", "0", "0"}));

    // The locale number of the settings panel picks the translation.
    gui.find<QComboBox>("ComboBox6")->setEditText(QStringLiteral("2"));
    QVERIFY(selectCharacter(gui, "5", 3));
    QCOMPARE(gui.gridRow("StringGrid10", 7).last(), QStringLiteral("Étoffe de lin"));

    // An item whose template is gone shows its entry number and no names.
    gui.find<QComboBox>("ComboBox6")->setEditText(QStringLiteral("8"));
    QVERIFY(selectCharacter(gui, "9"));
    QCOMPARE(rowCount(gui, "StringGrid10"), 6);
    QCOMPARE(gui.gridRow("StringGrid10", 5),
             QStringList({"5", "0", "25", "1105", "40000", "", ""}));
    QCOMPARE(gui.gridRow("StringGrid10", 4),
             QStringList({"4", "0", "24", "1104", "159", "Refreshing Spring Water",
                          "Освежающая родниковая вода"}));
}

void CharacterDetailsTest::fullRowAndColumnNames() {
    DatabaseProbe probe(m_server);
    const QStringList columns = probe.rows("SELECT COLUMN_NAME FROM information_schema.COLUMNS "
                                           "WHERE TABLE_SCHEMA = 'characters' AND TABLE_NAME = "
                                           "'characters' ORDER BY ORDINAL_POSITION");
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "13"));
    auto* extra = gui.find<StringGrid>("StringGrid8");
    QCOMPARE(extra->rowCount(), columns.size() + 1);
    QCOMPARE(gui.gridRow("StringGrid8", 0), QStringList({"№", "Поле", "Значение"}));
    QCOMPARE(extra->colWidth(0), 20);
    QCOMPARE(extra->colWidth(1), 110);
    QCOMPARE(extra->colWidth(2), 230);
    QCOMPARE(gui.gridRow("StringGrid8", 4), QStringList({"4", "name", "Goldfarmer"}));
    for (int r = 0; r < columns.size(); ++r)
        QCOMPARE(extra->cell(1, r + 1), columns[r]);
    QCOMPARE(text(gui, "dxDNEdit49"), QStringLiteral("1500000000"));
    QCOMPARE(text(gui, "dxDNEdit48"), QStringLiteral("70"));
    QCOMPARE(text(gui, "dxDNEdit50"), QStringLiteral("0"));
    QCOMPARE(gui.find<QComboBox>("ComboBox13")->currentText(), QStringLiteral("8"));
    QCOMPARE(gui.find<QComboBox>("ComboBox14")->currentText(), QStringLiteral("3"));
    QVERIFY(!gui.find<QComboBox>("ComboBox13")->isEnabled());
    QVERIFY(!gui.find<QWidget>("dxButton34")->isEnabled());
}

void CharacterDetailsTest::dataValues_data() {
    QTest::addColumn<QString>("guid");
    QTest::addColumn<bool>("trailingBlank");
    QTest::newRow("odd guid: no trailing blank") << "1" << false;
    QTest::newRow("even guid: trailing blank") << "2" << true;
    QTest::newRow("runs of blanks") << "9" << false;
}

void CharacterDetailsTest::dataValues() {
    QFETCH(QString, guid);
    QFETCH(bool, trailingBlank);
    DatabaseProbe probe(m_server);
    const QString data =
            probe.scalar("SELECT `data` FROM characters.characters WHERE guid = " + guid);
    QCOMPARE(data.endsWith(u' '), trailingBlank);
    const QStringList numbers = data.split(u' ', Qt::SkipEmptyParts);
    // Text after the last blank is not listed.
    const int listed = trailingBlank ? numbers.size() : numbers.size() - 1;

    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "30")); // a longer block first
    QVERIFY(selectCharacter(gui, guid));
    auto* grid = gui.find<StringGrid>("StringGrid4");
    QCOMPARE(grid->rowCount(), listed + 2);
    QCOMPARE(gui.gridRow("StringGrid4", 0), QStringList({"№", "Параметр", "Значение"}));
    for (int n = 1; n <= listed; ++n)
        QCOMPARE(gui.gridRow("StringGrid4", n),
                 QStringList({QString::number(n), QString(), numbers[n - 1]}));
    QCOMPARE(gui.gridRow("StringGrid4", listed + 1), QStringList({"", "", ""}));
    QCOMPARE(grid->colWidth(0), 40);
    QCOMPARE(grid->colWidth(1), 230);
    QCOMPARE(grid->colWidth(2), 90);
}

void CharacterDetailsTest::tableWithoutMoneyHidesTheBlock() {
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "1"));
    QVERIFY(visible(gui, "dxContainer21"));
    QVERIFY(gui.window().findChild<QWidget*>("dxContainer21")->isVisible());

    gui.find<QComboBox>("ComboBox3")->setEditText(QStringLiteral("characters_old"));
    gui.click("dxButton21");
    QCOMPARE(listedGuids(gui), QStringList({"1", "2", "3", "4", "5"}));
    QVERIFY(selectCharacter(gui, "1"));
    QVERIFY(!visible(gui, "dxContainer21"));
    QCOMPARE(rowCount(gui, "StringGrid8"), 23);
    QCOMPARE(gui.gridRow("StringGrid8", 4), QStringList({"4", "name", "Староверъ"}));
    QCOMPARE(gui.find<QLabel>("questsFoundLabel")->text(), QStringLiteral("Найдено: 2"));
    // Back to the table with money: the block comes back.
    gui.find<QComboBox>("ComboBox3")->setEditText(QStringLiteral("characters"));
    gui.click("dxButton21");
    QVERIFY(selectCharacter(gui, "1"));
    QVERIFY(visible(gui, "dxContainer21"));
}

void CharacterDetailsTest::onlineWarningFollowsTheRow() {
    GuiDriver gui;
    start(gui, m_server);
    auto* warning = gui.find<QLabel>("Label76");
    QCOMPARE(warning->text(), QStringLiteral("ВНИМАНИЕ! Этот персонаж в игре."));
    QVERIFY(selectCharacter(gui, "2"));
    QVERIFY(!warning->isHidden());
    QVERIFY(selectCharacter(gui, "3"));
    QVERIFY(warning->isHidden());
    QVERIFY(selectCharacter(gui, "17"));
    QVERIFY(!warning->isHidden());
}

void CharacterDetailsTest::everyCellChangeReloads() {
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "9", 1));
    ServerLog log(m_server.generalLog);
    QTest::keyClick(list(gui), Qt::Key_Right);
    QCOMPARE(
            log.statementsSinceMark(),
            QStringList({
                    "use `characters`",
                    "SET NAMES utf8",
                    "select * from `characters` where guid = 9 limit 1",
                    "show columns from `characters`",
                    "select characters.character_queststatus.quest, "
                    "characters.character_queststatus.status, mangos.quest_template.Title, "
                    "mangos.quest_template.NextQuestId, mangos.quest_template.PrevQuestId, "
                    "mangos.quest_template.NextQuestInChain, mangos.quest_template.ExclusiveGroup "
                    "from characters.character_queststatus, mangos.quest_template where "
                    "characters.character_queststatus.guid = 9 and mangos.quest_template.entry = "
                    "characters.character_queststatus.quest order by "
                    "characters.character_queststatus.quest",
                    "select characters.character_inventory.*, mangos.item_template.name, "
                    "mangos.locales_item.name_loc8 from characters.character_inventory left join "
                    "mangos.item_template on (mangos.item_template.entry = "
                    "characters.character_inventory.item_template) left join mangos.locales_item "
                    "on (mangos.locales_item.entry = characters.character_inventory.item_template) "
                    "where (characters.character_inventory.guid = 9) order by bag, slot",
                    "select characters.character_spell.spell,characters.character_spell.active,"
                    "characters.character_spell.disabled from characters.character_spell where "
                    "characters.character_spell.guid = 9 order by spell",
            }));
}

void CharacterDetailsTest::failingItemStatementShowsTheEmptyRow() {
    GuiDriver gui;
    start(gui, m_server);
    QVERIFY(selectCharacter(gui, "5"));
    QCOMPARE(rowCount(gui, "StringGrid10"), 8);
    // There is no ninth locale column: the item statement fails.
    gui.find<QComboBox>("ComboBox6")->setEditText(QStringLiteral("9"));
    QVERIFY(selectCharacter(gui, "5", 3));
    QCOMPARE(rowCount(gui, "StringGrid10"), 2);
    QCOMPARE(gui.gridRow("StringGrid10", 1),
             QStringList({"0", "-", "-", "-", "-", "нет данных", "нет данных"}));
    QVERIFY(visible(gui, "StringGrid10"));
    // The statements after it still ran.
    QCOMPARE(rowCount(gui, "StringGrid11"), 5);
    QVERIFY(gui.dialogs.boxes().isEmpty());
    // A locale text that is not a number never reaches the statement.
    ServerLog log(m_server.generalLog);
    gui.find<QComboBox>("ComboBox6")->setEditText(QStringLiteral("8 from mangos.item_template#"));
    QVERIFY(selectCharacter(gui, "5", 2));
    QCOMPARE(log.statementsSinceMark().filter("name_loc").size(), 1);
    QVERIFY(log.statementsSinceMark().filter("name_loc").first().contains(" from characters."));
    QVERIFY(!log.statementsSinceMark().filter("name_loc").first().contains("name_loc8"));
    QCOMPARE(rowCount(gui, "StringGrid10"), 2);
}

QTEST_MAIN(CharacterDetailsTest)
#include "tst_character_details.moc"

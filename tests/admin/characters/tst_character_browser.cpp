// The character list: its refresh, search, reset, paging, record limit,
// page-shown rule, context menu and the entry point from another page.
#include "BusyPanel.h"
#include "DatabaseProbe.h"
#include "GridMenu.h"
#include "PageHarness.h"
#include "ServerLog.h"
#include "TForm1.h"
#include "characters/CharacterPageTesting.h"
#include "characters/CharactersPage.h"
#include "common/QueryConventions.h"
#include "schema/Catalog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace characterpage;

// The server's general log shows each statement without its closing
// semicolon.
namespace {

const QString kSelect = QStringLiteral("select `guid`,`account`,`name`,`race`,`class`,`online`,"
                                       "`at_login`,`map`,`zone` from `characters`");

QStringList guidRange(int first, int last) {
    QStringList guids;
    for (int guid = first; guid <= last; ++guid)
        guids << QString::number(guid);
    return guids;
}

// The list statements among the statements the server received.
QStringList listStatements(const ServerLog& log) {
    return log.statementsSinceMark().filter(QRegularExpression(QStringLiteral("^select `guid`")));
}

} // namespace

class CharacterBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstShowingLoadsTheListOnce();
    void raceAndClassNumbersWithoutText();
    void searchSendsTheFilter_data();
    void searchSendsTheFilter();
    void nameSearchMatchesQuotesAndBackslashAsTyped();
    void pagingPastTheEndDropsTheFilter();
    void resetRefreshesWithTheLimitInForce();
    void userChangesOfTheRecordLimitRefresh();
    void failingListKeepsTheGrid();
    void doubleClickTogglesTheDetails();
    void contextMenuItemsInOrder();
    void charactersOfAnAccount();
    void accountOfTheCharacter();

private:
    TestServer m_server;
};

void CharacterBrowserTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void CharacterBrowserTest::firstShowingLoadsTheListOnce() {
    GuiDriver gui;
    ServerLog log(m_server.generalLog);
    start(gui, m_server);
    // The start page's show action ran at creation and again when the window
    // appeared; only the first loaded.
    QCOMPARE(listStatements(log), QStringList{kSelect + QStringLiteral("  order by `guid`")});
    // The connection reads the schemas of the three databases it assigns.
    QCOMPARE(log.statementsSinceMark().mid(0, 7),
             ServerLog::asLogged({sessionSetUpStatement(), QStringLiteral("show databases;"),
                                  schema::Catalog::statement("realmd", Quoting{}),
                                  schema::Catalog::statement("characters", Quoting{}),
                                  schema::Catalog::statement("mangos", Quoting{}),
                                  QStringLiteral("use `characters`;"),
                                  QStringLiteral("SET NAMES utf8;")}));
    QVERIFY(list(gui)->isVisible());
    QCOMPARE(gui.find<QLabel>(QStringLiteral("Label61"))->text(),
             QStringLiteral("Найдено записей: 30"));
    QCOMPARE(gui.gridRow(kList, 0), QStringList({"guid", "account", "name", "race", "class",
                                                 "online", "at_login", "map", "zone"}));
    const QList<int> widths = {50, 50, 100, 66, 60, 40, 50, 50, 60};
    for (int col = 0; col < widths.size(); ++col)
        QCOMPARE(list(gui)->colWidth(col), widths[col]);
    QCOMPARE(list(gui)->rowHeight(1), 20);
    QCOMPARE(gui.gridRow(kList, rowOf(gui, "7")),
             QStringList({"7", "6", "Петрович", "5 - Undead", "6 - D.Knight", "0", "0", "609",
                          "4298"}));
    QCOMPARE(gui.gridRow(kList, rowOf(gui, "2")).mid(2, 4),
             QStringList({"Главгм", "10 - Blood elf", "8 - Mage", "1"}));

    // Later showings load nothing.
    log.mark();
    TForm1& window = gui.window();
    window.pageControl()->setCurrentIndex(0);
    window.pageControl()->setCurrentIndex(2);
    QVERIFY(log.statementsSinceMark().isEmpty());
}

void CharacterBrowserTest::raceAndClassNumbersWithoutText() {
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec("INSERT INTO characters.characters (guid, account, name, race, class) "
                       "VALUES (31, 1, 'Oddone', 9, 10)"));
    GuiDriver gui;
    start(gui, m_server);
    probe.exec("DELETE FROM characters.characters WHERE guid = 31");
    // A number that the lists lack is shown as it is.
    QCOMPARE(gui.gridRow(kList, rowOf(gui, "31")).mid(2, 3), QStringList({"Oddone", "9", "10"}));
}

void CharacterBrowserTest::searchSendsTheFilter_data() {
    QTest::addColumn<QString>("guid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("race");
    QTest::addColumn<QString>("klass");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("guids");
    QTest::newRow("guid wins") << "13"
                               << "Вас"
                               << "5"
                               << "1 - Human"
                               << ""
                               << " where `guid` = 13" << QStringList{"13"};
    QTest::newRow("Cyrillic name and race")
            << ""
            << "вас"
            << ""
            << "4 - Night elf"
            << ""
            << " where (`name` like \"%вас%\") and (`race` = 4 )" << QStringList{"6"};
    QTest::newRow("account and class")
            << ""
            << ""
            << "15"
            << ""
            << "6 - Death Knight"
            << " where (`account` = 15) and (`class` = 6 )" << QStringList{"20"};
    QTest::newRow("two-digit race") << ""
                                    << ""
                                    << ""
                                    << "11 - Draenei"
                                    << ""
                                    << " where (`race` = 11)" << QStringList{"9", "21", "27"};
    QTest::newRow("name holding a quote") << ""
                                          << "O\"N"
                                          << ""
                                          << ""
                                          << ""
                                          << " where (`name` like \"%O\\\"N%\")" << QStringList{};
}

void CharacterBrowserTest::searchSendsTheFilter() {
    QFETCH(QString, guid);
    QFETCH(QString, name);
    QFETCH(QString, account);
    QFETCH(QString, race);
    QFETCH(QString, klass);
    QFETCH(QString, filter);
    QFETCH(QStringList, guids);
    GuiDriver gui;
    start(gui, m_server);
    gui.type("dxDNEdit21", guid);
    gui.type("dxDNEdit23", name);
    gui.type("dxDNEdit22", account);
    if (!race.isEmpty())
        gui.choose("ComboBox5", race);
    if (!klass.isEmpty())
        gui.choose("ComboBox12", klass);
    ServerLog log(m_server.generalLog);
    gui.click("dxButton11");
    QCOMPARE(listStatements(log),
             QStringList{kSelect + filter + QStringLiteral("  order by `guid`")});
    if (guids.isEmpty()) {
        QCOMPARE(gui.dialogs.describe(), QStringList{"error|Результат поиска|Данные не найдены!"});
        QCOMPARE(listedGuids(gui).size(), 30);
    } else {
        QVERIFY(gui.dialogs.boxes().isEmpty());
        QCOMPARE(listedGuids(gui), guids);
    }
}

void CharacterBrowserTest::nameSearchMatchesQuotesAndBackslashAsTyped() {
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec("INSERT INTO characters.characters (guid, account, name) VALUES "
                       "(32, 1, 'a\\\\b\"c'), (33, 1, 'ab\"c'), (34, 1, 'a%b')"));
    GuiDriver gui;
    start(gui, m_server);
    gui.type("dxDNEdit23", "\\b\"");
    gui.click("dxButton11");
    const QStringList backslash = listedGuids(gui);
    // "%" stays a wildcard.
    gui.retype("dxDNEdit23", "a%b\"");
    gui.click("dxButton11");
    const QStringList wildcard = listedGuids(gui);
    probe.exec("DELETE FROM characters.characters WHERE guid > 30");
    QCOMPARE(backslash, QStringList{"32"});
    QCOMPARE(wildcard, QStringList({"32", "33"}));
}

void CharacterBrowserTest::pagingPastTheEndDropsTheFilter() {
    GuiDriver gui;
    start(gui, m_server);
    gui.choose("ComboBox15", "10");
    QCOMPARE(listedGuids(gui), guidRange(1, 10));
    gui.choose("ComboBox5", "1 - Human");
    gui.click("dxButton11");
    QCOMPARE(listedGuids(gui), QStringList({"1", "11", "19", "25"}));

    ServerLog log(m_server.generalLog);
    gui.click("dxButton10"); // ">"
    QCOMPARE(listStatements(log),
             QStringList{kSelect + " where (`race` = 1 )  order by `guid` LIMIT 10,10"});
    QCOMPARE(gui.dialogs.describe(), QStringList{"error|Результат поиска|Данные не найдены!"});
    // The grid keeps the rows it showed; the filter is gone, the offset kept.
    QCOMPARE(listedGuids(gui), QStringList({"1", "11", "19", "25"}));
    gui.click("dxButton21");
    QCOMPARE(listedGuids(gui), guidRange(11, 20));
    // "<" back to 0, and no further.
    gui.click("dxButton13");
    QCOMPARE(listedGuids(gui), guidRange(1, 10));
    log.mark();
    gui.click("dxButton13");
    QVERIFY(listStatements(log).isEmpty());
}

void CharacterBrowserTest::resetRefreshesWithTheLimitInForce() {
    GuiDriver gui;
    start(gui, m_server);
    gui.choose("ComboBox15", "10");
    gui.click("dxButton10");
    gui.type("dxDNEdit23", "Ма");
    gui.choose("ComboBox5", "1 - Human");
    gui.choose("ComboBox12", "8 - Mage");
    gui.click("dxCheckbox8");
    gui.type("dxDNEdit21", "3");
    gui.type("dxDNEdit22", "4");
    ServerLog log(m_server.generalLog);
    gui.click("dxButton20");
    // The reset's refresh: no filter, ascending, the limit and offset before
    // the reset.
    QCOMPARE(listStatements(log), QStringList{kSelect + "  order by `guid` LIMIT 10,10"});
    QCOMPARE(gui.find<QComboBox>("ComboBox15")->currentText(), QStringLiteral("Все"));
    for (const char* name : {"dxDNEdit21", "dxDNEdit22", "dxDNEdit23"})
        QVERIFY(gui.find<QLineEdit>(name)->text().isEmpty());
    QVERIFY(gui.find<QComboBox>("ComboBox5")->currentText().isEmpty());
    QVERIFY(gui.find<QComboBox>("ComboBox12")->currentText().isEmpty());
    QVERIFY(!gui.find<QCheckBox>("dxCheckbox8")->isChecked());
    log.mark();
    gui.click("dxButton21");
    QCOMPARE(listStatements(log), QStringList{kSelect + "  order by `guid`"});
    QCOMPARE(listedGuids(gui).size(), 30);
}

void CharacterBrowserTest::userChangesOfTheRecordLimitRefresh() {
    GuiDriver gui;
    ServerLog log(m_server.generalLog);
    // The start-up copy of the initial limit runs no refresh.
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("Intreface/RecordsLimit"), QStringLiteral("50")}}));
    gui.start();
    QCOMPARE(gui.find<QComboBox>("ComboBox15")->currentText(), QStringLiteral("50"));
    QVERIFY(listStatements(log).isEmpty());

    // Each keystroke refreshes, with the text as typed (no completion).
    gui.clearText("ComboBox15");
    log.mark();
    gui.type("ComboBox15", "20");
    QCOMPARE(listStatements(log), QStringList({kSelect + "  order by `guid` LIMIT 0,2",
                                               kSelect + "  order by `guid` LIMIT 0,20"}));
    QCOMPARE(listedGuids(gui), guidRange(1, 20));
    // "2000" matches an entry: ending the edit is no change.
    gui.type("ComboBox15", "00");
    QCOMPARE(listStatements(log).size(), 4);
    QTest::keyClick(gui.find<QComboBox>("ComboBox15")->lineEdit(), Qt::Key_Return);
    gui.find<QLineEdit>("dxDNEdit23")->setFocus();
    QCOMPARE(listStatements(log).size(), 4);
    // Sort and direction are read at each refresh.
    gui.click("RadioButton7");
    gui.click("dxCheckbox8");
    log.mark();
    gui.choose("ComboBox15", "Первая");
    QCOMPARE(listStatements(log), QStringList{kSelect + "  order by `name` DESC LIMIT 1"});
    QCOMPARE(listedGuids(gui).size(), 1);
}

void CharacterBrowserTest::failingListKeepsTheGrid() {
    GuiDriver gui;
    start(gui, m_server);
    gui.type("dxDNEdit22", "5");
    gui.click("dxButton11");
    QCOMPARE(listedGuids(gui), QStringList({"5", "6"}));
    gui.find<QComboBox>("ComboBox3")->setEditText(QStringLiteral("no_such_database"));
    ServerLog log(m_server.generalLog);
    gui.click("dxButton21");
    QCOMPARE(log.statementsSinceMark(), QStringList{"use `no_such_database`"});
    // The box adds the server's message; the connection log names the list.
    const QString why = QStringLiteral("Ошибка 1049: Unknown database 'no_such_database'");
    QCOMPARE(
            gui.dialogs.describe(),
            QStringList{"error|Результат поиска|Ошибка получения данных!\r\nПовторите запрос.\r\n" +
                        why});
    QVERIFY(gui.find<QPlainTextEdit>("dxDNMemo1")
                    ->toPlainText()
                    .contains(QStringLiteral("Не удалось прочитать список персонажей: ") + why));
    QCOMPARE(listedGuids(gui), QStringList({"5", "6"}));
    QVERIFY(gui.window().pageControl()->isVisible());
    QVERIFY(!gui.window().busyPanel()->isVisible());
    // The failure dropped the account filter.
    gui.find<QComboBox>("ComboBox3")->setEditText(QStringLiteral("characters"));
    gui.click("dxButton21");
    QCOMPARE(listedGuids(gui).size(), 30);
}

void CharacterBrowserTest::doubleClickTogglesTheDetails() {
    GuiDriver gui;
    start(gui, m_server);
    auto* details = gui.find<QTabWidget>("characterDetails");
    QVERIFY(details->isVisible());
    QCOMPARE(details->width(), 398);
    QCOMPARE(details->tabText(0), QStringLiteral("Данные"));
    QCOMPARE(details->currentIndex(), 0);
    const int gridWidth = list(gui)->width();
    gui.doubleClickGrid(kList);
    QVERIFY(!details->isVisible());
    QTRY_VERIFY(list(gui)->width() > gridWidth);
    // Showing the page again does not bring it back.
    gui.window().pageControl()->setCurrentIndex(0);
    gui.window().pageControl()->setCurrentIndex(2);
    QVERIFY(!details->isVisible());
    gui.doubleClickGrid(kList);
    QVERIFY(details->isVisible());
}

void CharacterBrowserTest::contextMenuItemsInOrder() {
    GuiDriver gui;
    start(gui, m_server);
    auto* menu = gui.find<GridMenu>("Char_menu");
    QVERIFY(menu);
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << action->text() + (action->isEnabled() ? "" : " (disabled)");
    QCOMPARE(captions, QStringList({
                               "Анти ERROR",
                               "Показать аккаунт",
                               "Дополнительные функции",
                               "---------- (disabled)",
                               "Показать Все персонажи",
                               "Показать все играющие персонажи",
                               "---------- (disabled)",
                               "Показать персонажи БЕЗ аккаунтов",
                               "Удалить персонажи без аккаунтов",
                               "Перенести персонажи без аккаунтов  на \"служебный аккаунт\"",
                       }));
    QMenu* more = menu->actions().at(2)->menu();
    QVERIFY(more);
    QCOMPARE(more->actions().size(), 1);
    QCOMPARE(more->actions().first()->text(),
             QStringLiteral("Сбросить цепочку квестов на \"Перехват\""));
    for (QAction* action : menu->actions())
        QVERIFY(!action->icon().isNull() || !action->isEnabled());

    // "Показать Все персонажи" is the reset.
    gui.type("dxDNEdit22", "5");
    gui.click("dxButton11");
    gui.chooseMenuItem(kList, "showAllItem");
    QCOMPARE(listedGuids(gui).size(), 30);
    QVERIFY(gui.find<QLineEdit>("dxDNEdit22")->text().isEmpty());
}

void CharacterBrowserTest::charactersOfAnAccount() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server));
    TForm1& window = gui.start();
    QCOMPARE(window.pageControl()->currentIndex(), 0);
    // An account without characters: the box, and the page stays.
    window.charactersOfAccount(QStringLiteral("10"));
    QCOMPARE(gui.dialogs.describe(), QStringList{"error|Результат поиска|Данные не найдены!"});
    QCOMPARE(window.pageControl()->currentIndex(), 0);
    gui.dialogs.clear();
    // An empty id does nothing.
    ServerLog log(m_server.generalLog);
    window.charactersOfAccount(QString());
    QVERIFY(log.statementsSinceMark().isEmpty());

    window.charactersOfAccount(QStringLiteral("5"));
    QCOMPARE(listStatements(log), QStringList{kSelect + " where `account` = 5  order by `guid`"});
    QCOMPARE(window.pageControl()->currentIndex(), 2);
    QCOMPARE(listedGuids(gui), QStringList({"5", "6"}));
    QVERIFY(gui.dialogs.boxes().isEmpty());
    // The page was loaded by the lookup: showing it loaded nothing more.
    QCOMPARE(listStatements(log).size(), 1);
}

void CharacterBrowserTest::accountOfTheCharacter() {
    // The page alone, with a window that records what it is asked.
    GuiDriver gui;
    StandalonePage<CharactersPage> standalone(gui);
    QVERIFY(standalone.open(gui, m_server));
    StringGrid* grid = standalone.page->grid();
    int row = 1;
    while (row < grid->rowCount() && grid->cell(0, row) != QStringLiteral("6"))
        ++row;
    QVERIFY(grid->selectCell(2, row));
    standalone.page->menu()->findChild<QAction*>(QStringLiteral("showAccountItem"))->trigger();
    QCOMPARE(standalone.links.calls, QStringList{"accountLookup|where `id` = 5"});
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

QTEST_MAIN(CharacterBrowserTest)
#include "tst_character_browser.moc"

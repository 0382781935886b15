// The lookups that lead from one page to another, through the real window:
// the account grid's characters of an account, the character grid's account
// of a character, and the ban grids' account, characters and IP lookups.
#include "GuiDriver.h"
#include "StringGrid.h"
#include "TForm1.h"

#include <QTabWidget>
#include <QTest>

namespace {

const QString kNotFound = QStringLiteral("error|Результат поиска|Данные не найдены!");

} // namespace

class CrossPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void charactersOfAccountFromAccountGrid_data();
    void charactersOfAccountFromAccountGrid();
    void accountOfCharacterFromCharacterGrid_data();
    void accountOfCharacterFromCharacterGrid();
    void lookupsFromAccountBanGrid_data();
    void lookupsFromAccountBanGrid();
    void accountsOfBannedIp();

private:
    void startOn(GuiDriver& gui, const QString& startPage);
    TestServer m_server;
};

void CrossPageTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void CrossPageTest::startOn(GuiDriver& gui, const QString& startPage) {
    gui.writeSettings(
            GuiDriver::settingsFor(m_server, {{QStringLiteral("Intreface/startpage"), startPage}}));
    gui.start();
}

void CrossPageTest::charactersOfAccountFromAccountGrid_data() {
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("characters"); // empty: nothing found
    QTest::newRow("account with two characters")
            << QStringLiteral("5") << QStringList{QStringLiteral("5"), QStringLiteral("6")};
    QTest::newRow("account without characters") << QStringLiteral("10") << QStringList{};
}

void CrossPageTest::charactersOfAccountFromAccountGrid() {
    QFETCH(QString, account);
    QFETCH(QStringList, characters);
    GuiDriver gui;
    startOn(gui, QStringLiteral("Учетные записи"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid2"), 0, account);
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid2"), 1, row);
    gui.chooseMenuItem(QStringLiteral("StringGrid2"), QStringLiteral("N2"));
    if (characters.isEmpty()) {
        QCOMPARE(gui.dialogs.describe(), QStringList{kNotFound});
        QCOMPARE(gui.window().pageControl()->currentIndex(), 3);
    } else {
        QVERIFY(gui.dialogs.boxes().isEmpty());
        QCOMPARE(gui.window().pageControl()->currentIndex(), 2);
        QCOMPARE(gui.gridColumn(QStringLiteral("StringGrid3"), 0), characters);
        QVERIFY(gui.gridColumn(QStringLiteral("StringGrid3"), 1).count(account) ==
                characters.size());
    }
}

void CrossPageTest::accountOfCharacterFromCharacterGrid_data() {
    QTest::addColumn<QString>("guid");
    QTest::addColumn<QString>("account"); // empty: the account does not exist
    QTest::newRow("character of account 9") << QStringLiteral("13") << QStringLiteral("9");
    QTest::newRow("character without account") << QStringLiteral("28") << QString();
}

void CrossPageTest::accountOfCharacterFromCharacterGrid() {
    QFETCH(QString, guid);
    QFETCH(QString, account);
    GuiDriver gui;
    startOn(gui, QStringLiteral("Управление героями"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid3"), 0, guid);
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid3"), 1, row);
    gui.chooseMenuItem(QStringLiteral("StringGrid3"), QStringLiteral("showAccountItem"));
    if (account.isEmpty()) {
        QCOMPARE(gui.dialogs.describe(), QStringList{kNotFound});
        QCOMPARE(gui.window().pageControl()->currentIndex(), 2);
    } else {
        QVERIFY(gui.dialogs.boxes().isEmpty());
        QCOMPARE(gui.window().pageControl()->currentIndex(), 3);
        QCOMPARE(gui.gridColumn(QStringLiteral("StringGrid2"), 0), QStringList{account});
    }
}

void CrossPageTest::lookupsFromAccountBanGrid_data() {
    QTest::addColumn<QString>("bannedAccount");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QStringList>("keys"); // column 0 of the grid; empty: not found
    QTest::newRow("show the banned account")
            << QStringLiteral("9") << QStringLiteral("N7") << 3 << QStringLiteral("StringGrid2")
            << QStringList{QStringLiteral("9")};
    QTest::newRow("characters of the banned account")
            << QStringLiteral("9") << QStringLiteral("N8") << 2 << QStringLiteral("StringGrid3")
            << QStringList{QStringLiteral("13"), QStringLiteral("14")};
    QTest::newRow("ban of an account that no longer exists")
            << QStringLiteral("777") << QStringLiteral("N7") << 4 << QString() << QStringList{};
}

void CrossPageTest::lookupsFromAccountBanGrid() {
    QFETCH(QString, bannedAccount);
    QFETCH(QString, item);
    QFETCH(int, page);
    QFETCH(QString, grid);
    QFETCH(QStringList, keys);
    GuiDriver gui;
    startOn(gui, QStringLiteral("Реалм"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid6"), 0, bannedAccount);
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid6"), 1, row);
    gui.chooseMenuItem(QStringLiteral("StringGrid6"), item);
    QCOMPARE(gui.window().pageControl()->currentIndex(), page);
    if (keys.isEmpty()) {
        QCOMPARE(gui.dialogs.describe(), QStringList{kNotFound});
    } else {
        QVERIFY(gui.dialogs.boxes().isEmpty());
        QCOMPARE(gui.gridColumn(grid, 0), keys);
    }
}

void CrossPageTest::accountsOfBannedIp() {
    GuiDriver gui;
    startOn(gui, QStringLiteral("Реалм"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid7"), 1, QStringLiteral("198.51.100.23"));
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid7"), 1, row);
    gui.chooseMenuItem(QStringLiteral("StringGrid7"), QStringLiteral("IP2"));
    QVERIFY(gui.dialogs.boxes().isEmpty());
    QCOMPARE(gui.window().pageControl()->currentIndex(), 3);
    QCOMPARE(gui.gridColumn(QStringLiteral("StringGrid2"), 0), QStringList{QStringLiteral("9")});
}

QTEST_MAIN(CrossPageTest)
#include "tst_cross_page.moc"

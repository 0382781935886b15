// The context menus of the list grids act on the row selected last: a right
// click on another row opens the menu without selecting that row, so the
// edit panel keeps what was typed into it, and every item acts on the row
// the panel shows.
#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "ServerLog.h"
#include "StringGrid.h"
#include "TForm1.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

struct GridPage {
    const char* grid;
    const char* startPage;
    int pageIndex;
    int keyColumn;         // the column that tells the rows apart
    const char* selected;  // the row selected with the left button
    const char* other;     // the row right-clicked
    const char* panelKey;  // the panel's edit that shows the selected row's key
    const char* typedInto; // the panel's edit that gets unsaved text, if any
};

const GridPage kAccounts = {"StringGrid2", "Учетные записи", 3,          0, "5",
                            "1",           "dxDNEdit7",      "dxDNEdit8"};
const GridPage kIpBans = {"StringGrid7",  "Реалм",      4,           1, "198.51.100.23",
                          "203.0.113.77", "dxDNEdit37", "dxDNEdit41"};
const GridPage kAccountBans = {"StringGrid6", "Реалм", 4, 0, "9", "6", "dxDNEdit42", nullptr};
const GridPage kCharacters = {"StringGrid3", "Управление героями", 2,           0, "5",
                              "7",           "dxDNEdit34",         "dxDNEdit36"};

const QString kUnsaved = QStringLiteral("Не сохранено");

} // namespace

class GridMenusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void menuActsOnTheSelectedRow_data();
    void menuActsOnTheSelectedRow();

private:
    // What an item did, checked after it ran; the probe's rows are taken
    // before it ran where the check needs them.
    using Check = std::function<void(GuiDriver&, DatabaseProbe&, const QStringList& before)>;
    struct MenuCase {
        const char* name;
        const GridPage* page;
        const char* item;
        bool answer;        // the answer to a confirmation
        bool changesData;   // the test databases are loaded again afterwards
        const char* before; // the probe's statement before the item runs
        Check check;
        // Where the grid showed the same rows before the item ran, what proves
        // the item did its work: a text that a statement it sent contains, or
        // the first words of the box it showed ("confirmation|...").
        const char* sent = nullptr;
        const char* box = nullptr;
        // A text that no statement sent by the item may contain (compared
        // without case).
        const char* notSent = nullptr;
    };
    static const QList<MenuCase>& cases();

    TestServer m_server;
    bool m_dataChanged = false;
};

const QList<GridMenusTest::MenuCase>& GridMenusTest::cases() {
    const auto listShows = [](const char* grid, int col, const char* statement) {
        return [grid, col, statement](GuiDriver& gui, DatabaseProbe& probe, const QStringList&) {
            QCOMPARE(gui.gridColumn(grid, col), probe.rows(QLatin1String(statement)));
        };
    };
    const auto unchanged = [](GuiDriver&, DatabaseProbe& probe, const QStringList& before) {
        QCOMPARE(probe.rows(QStringLiteral("SELECT COUNT(*) FROM realmd.account UNION ALL "
                                           "SELECT COUNT(*) FROM characters.characters")),
                 before);
    };
    static const QList<MenuCase> list = {
            // The account grid.
            {"accounts: show all", &kAccounts, "N1", false, false, nullptr,
             listShows("StringGrid2", 0, "SELECT id FROM realmd.account ORDER BY id"),
             "from `account` order by"},
            {"accounts: characters of this account", &kAccounts, "N2", false, false, nullptr,
             listShows("StringGrid3", 1,
                       "SELECT account FROM characters.characters WHERE "
                       "account = 5 ORDER BY guid")},
            {"accounts: accounts with this IP", &kAccounts, "IP1", false, false, nullptr,
             listShows("StringGrid2", 0,
                       "SELECT id FROM realmd.account WHERE "
                       "last_ip = '95.24.12.7' ORDER BY id")},
            {"accounts: reset the session key", &kAccounts, "N22", true, true,
             "SELECT id, sessionkey IS NULL FROM realmd.account ORDER BY id",
             [](GuiDriver&, DatabaseProbe& probe, const QStringList& before) {
                 QStringList expected = before;
                 const qsizetype at = expected.indexOf(QStringLiteral("5|0"));
                 QVERIFY(at >= 0);
                 expected[at] = QStringLiteral("5|1");
                 QCOMPARE(probe.rows(QStringLiteral("SELECT id, sessionkey IS NULL FROM "
                                                    "realmd.account ORDER BY id")),
                          expected);
             }},
            {"accounts: accounts without characters", &kAccounts, "N4", false, false, nullptr,
             listShows("StringGrid2", 0,
                       "SELECT id FROM realmd.account WHERE id NOT IN "
                       "(SELECT account FROM characters.characters) ORDER BY id")},
            {"accounts: stale accounts", &kAccounts, "N13", false, false, nullptr,
             listShows("StringGrid2", 0,
                       "SELECT id FROM realmd.account WHERE "
                       "DATEDIFF(NOW(), last_login) > 150 ORDER BY id")},
            {"accounts: delete stale accounts, answered No", &kAccounts, "N14", false, false,
             "SELECT COUNT(*) FROM realmd.account UNION ALL SELECT COUNT(*) FROM "
             "characters.characters",
             unchanged, nullptr, "confirmation|"},
            // The IP ban grid.
            {"IP bans: accounts for this IP", &kIpBans, "IP2", false, false, nullptr,
             listShows("StringGrid2", 0,
                       "SELECT id FROM realmd.account WHERE "
                       "last_ip = '198.51.100.23' ORDER BY id")},
            {"IP bans: delete this ban", &kIpBans, "N5", false, true,
             "SELECT ip FROM realmd.ip_banned ORDER BY ip, bandate",
             [](GuiDriver& gui, DatabaseProbe& probe, const QStringList& before) {
                 // Both bans of the selected IP go, and nothing else.
                 QStringList expected = before;
                 QCOMPARE(expected.removeAll(QStringLiteral("198.51.100.23")), 2);
                 QCOMPARE(probe.rows(QStringLiteral("SELECT ip FROM realmd.ip_banned "
                                                    "ORDER BY ip, bandate")),
                          expected);
                 QCOMPARE(gui.gridColumn("StringGrid7", 1), expected);
             }},
            // The account ban grid.
            {"account bans: show the account", &kAccountBans, "N7", false, false, nullptr,
             listShows("StringGrid2", 0, "SELECT 9")},
            {"account bans: characters of the account", &kAccountBans, "N8", false, false, nullptr,
             listShows("StringGrid3", 0,
                       "SELECT guid FROM characters.characters WHERE "
                       "account = 9 ORDER BY guid")},
            {"account bans: lift the ban", &kAccountBans, "N9", false, true, nullptr,
             [](GuiDriver& gui, DatabaseProbe& probe, const QStringList&) {
                 QCOMPARE(probe.rows(QStringLiteral("SELECT id, active FROM "
                                                    "realmd.account_banned WHERE id IN (6, 9) "
                                                    "ORDER BY id, bandate")),
                          QStringList({"6|1", "9|0", "9|0"}));
                 QCOMPARE(gui.gridColumn("StringGrid6", 0), QStringList({"6", "777"}));
             }},
            {"account bans: delete the record", &kAccountBans, "N10", false, true,
             "SELECT id, bandate FROM realmd.account_banned ORDER BY id, bandate",
             [](GuiDriver&, DatabaseProbe& probe, const QStringList& before) {
                 QStringList expected = before;
                 QVERIFY(expected.removeOne(QStringLiteral("9|1717200000")));
                 QCOMPARE(probe.rows(QStringLiteral("SELECT id, bandate FROM realmd.account_banned "
                                                    "ORDER BY id, bandate")),
                          expected);
             }},
            // The character grid. 5 is in the game: the repair asks first (Yes).
            {"characters: repair", &kCharacters, "repairItem", true, true,
             "SELECT guid, spell FROM characters.character_aura WHERE guid <> 5 ORDER BY guid, "
             "spell, effect_index",
             [](GuiDriver& gui, DatabaseProbe& probe, const QStringList& before) {
                 QCOMPARE(gui.dialogs.describe().last(),
                          QStringLiteral("error|Результат действия.|Анти-ERROR запрос отослан!"));
                 QCOMPARE(probe.rows(QStringLiteral("SELECT spell, effect_index FROM "
                                                    "characters.character_aura WHERE guid = 5 "
                                                    "ORDER BY effect_index")),
                          QStringList({"15007|0", "15007|1", "15007|2"}));
                 QCOMPARE(probe.rows(QStringLiteral("SELECT guid, spell FROM "
                                                    "characters.character_aura WHERE guid <> 5 "
                                                    "ORDER BY guid, spell, effect_index")),
                          before);
             }},
            {"characters: show the account", &kCharacters, "showAccountItem", false, false, nullptr,
             listShows("StringGrid2", 0, "SELECT 5")},
            {"characters: quest chain reset", &kCharacters, "moreFunctionsMenu/questChainResetItem",
             true, true, nullptr,
             [](GuiDriver&, DatabaseProbe& probe, const QStringList&) {
                 QCOMPARE(probe.rows(QStringLiteral("SELECT guid, quest FROM "
                                                    "characters.character_queststatus WHERE quest "
                                                    "IN (1718,1719,1712,1713,1791,1792) ORDER BY "
                                                    "guid, quest")),
                          QStringList({"7|1712", "7|1713", "7|1791", "7|1792"}));
             }},
            {"characters: show all", &kCharacters, "showAllItem", false, false, nullptr,
             listShows("StringGrid3", 0, "SELECT guid FROM characters.characters ORDER BY guid"),
             "from `characters`"},
            {"characters: online characters", &kCharacters, "showOnlineItem", false, false, nullptr,
             listShows("StringGrid3", 0,
                       "SELECT guid FROM characters.characters WHERE online = 1 "
                       "ORDER BY guid")},
            {"characters: without accounts", &kCharacters, "showWithoutAccountItem", false, false,
             nullptr,
             listShows("StringGrid3", 0,
                       "SELECT guid FROM characters.characters WHERE account "
                       "NOT IN (SELECT id FROM realmd.account) ORDER BY guid")},
            {"characters: delete those without accounts, answered No", &kCharacters,
             "deleteWithoutAccountItem", false, false,
             "SELECT COUNT(*) FROM realmd.account UNION ALL SELECT COUNT(*) FROM "
             "characters.characters",
             unchanged, nullptr, "confirmation|"},
            // Without a service account to move them to, nothing moves: no
            // character changes its account, and no change is sent.
            {"characters: move those without accounts, no service account", &kCharacters,
             "moveWithoutAccountItem", true, false,
             "SELECT guid, account FROM characters.characters ORDER BY guid",
             [](GuiDriver&, DatabaseProbe& probe, const QStringList& before) {
                 QCOMPARE(probe.rows(QStringLiteral("SELECT guid, account FROM "
                                                    "characters.characters ORDER BY guid")),
                          before);
             },
             nullptr, nullptr, "update"},
    };
    return list;
}

void GridMenusTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void GridMenusTest::cleanup() {
    if (m_dataChanged) {
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
        m_dataChanged = false;
    }
}

void GridMenusTest::menuActsOnTheSelectedRow_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < cases().size(); ++i)
        QTest::newRow(cases()[i].name) << i;
}

void GridMenusTest::menuActsOnTheSelectedRow() {
    QFETCH(int, index);
    const MenuCase& menuCase = cases()[index];
    const GridPage& page = *menuCase.page;
    m_dataChanged = menuCase.changesData;
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server, {{QStringLiteral("Intreface/startpage"),
                                                         QString::fromUtf8(page.startPage)}}));
    TForm1& window = gui.start();
    window.pageControl()->setCurrentIndex(page.pageIndex);
    const QString gridName = QLatin1String(page.grid);
    auto* grid = gui.find<StringGrid>(gridName);

    // The left button selects a row; the panel shows it and gets text that
    // is not saved.
    const int selected = gui.rowWhere(gridName, page.keyColumn, QLatin1String(page.selected));
    const int other = gui.rowWhere(gridName, page.keyColumn, QLatin1String(page.other));
    QVERIFY(selected > 0 && other > 0);
    gui.selectCell(gridName, 1, selected);
    auto* key = gui.find<QLineEdit>(QLatin1String(page.panelKey));
    QCOMPARE(key->text(), grid->cell(page.keyColumn, selected));
    const QString keyText = key->text();
    if (page.typedInto) {
        gui.retype(QLatin1String(page.typedInto), kUnsaved);
    }

    DatabaseProbe probe(m_server);
    const QStringList before =
            menuCase.before ? probe.rows(QLatin1String(menuCase.before)) : QStringList();
    gui.dialogs.defaultAnswer = menuCase.answer;
    gui.dialogs.clear();
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItemAt(gridName, 2, other, QLatin1String(menuCase.item));
    if (menuCase.sent) {
        const QStringList sent = log.statementsSinceMark();
        QVERIFY2(std::any_of(sent.begin(), sent.end(),
                             [&](const QString& statement) {
                                 return statement.contains(QLatin1String(menuCase.sent));
                             }),
                 qPrintable(sent.join(u'\n')));
    }
    if (menuCase.notSent) {
        const QStringList sent = log.statementsSinceMark();
        QVERIFY2(std::none_of(sent.begin(), sent.end(),
                              [&](const QString& statement) {
                                  return statement.contains(QLatin1String(menuCase.notSent),
                                                            Qt::CaseInsensitive);
                              }),
                 qPrintable(sent.join(u'\n')));
    }
    if (menuCase.box) {
        QVERIFY2(!gui.dialogs.describe().isEmpty() &&
                         gui.dialogs.describe().first().startsWith(QLatin1String(menuCase.box)),
                 qPrintable(gui.dialogs.describe().join(u'\n')));
    }

    // The right click selected nothing: the panel shows the row selected
    // last, with the text typed into it.
    QCOMPARE(key->text(), keyText);
    if (page.typedInto)
        QCOMPARE(gui.find<QLineEdit>(QLatin1String(page.typedInto))->text(), kUnsaved);
    menuCase.check(gui, probe, before);
}

QTEST_MAIN(GridMenusTest)
#include "tst_grid_menus.moc"

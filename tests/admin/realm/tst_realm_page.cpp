#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "PageHarness.h"
#include "RecordingLinks.h"
#include "ReviewPictures.h"
#include "ServerLog.h"
#include "StringGrid.h"
#include "TForm1.h"
#include "common/QueryConventions.h"
#include "realm/RealmPage.h"
#include "schema/Catalog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kRealmGrid = QStringLiteral("StringGrid5");
const QString kIpBanGrid = QStringLiteral("StringGrid7");
const QString kAccountBanGrid = QStringLiteral("StringGrid6");

// The nine realm edits in the column order of the list.
const QStringList kRealmEdits = {"dxDNEdit24", "dxDNEdit25", "dxDNEdit26",
                                 "dxDNEdit27", "dxDNEdit28", "dxDNEdit29",
                                 "dxDNEdit30", "dxDNEdit31", "dxDNEdit32"};

const QString kRealmColumns =
        QStringLiteral("id,name,address,port,icon,color,timezone,allowedSecurityLevel,population");

QStringList editTexts(GuiDriver& gui, const QStringList& names) {
    QStringList texts;
    for (const QString& name : names)
        texts << gui.find<QLineEdit>(name)->text();
    return texts;
}

// The texts of one column of a grid's data rows.
QString utf8Hex(const QString& text) {
    return QString::fromLatin1(text.toUtf8().toHex().toUpper());
}

} // namespace

class RealmPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void startPageFillsTheListsBeforeTheWindowAppears();
    void selectingARealmFillsTheEdits();
    void newRealm_data();
    void newRealm();
    void writeAndDeleteWithoutIdSendNothing();
    void writtenNameIsStoredAsTyped_data();
    void writtenNameIsStoredAsTyped();
    void addressFromTheListIsWrittenBackUnchanged();
    void deleteRealm_data();
    void deleteRealm();

    void emptyIpBanListShowsOneEmptyRow();
    void onlyActiveBoxTakesEffectAtTheNextRefresh();
    void failedBanSelectIsReportedAndLeavesTheGridAsItWas();
    void liftingABanLiftsEveryBanOfTheAccount();
    void deleteRemovesOnlyTheSelectedAccountBan();
    void savedReasonIsTrimmedAndStoredAsUtf8();
    void deletingAnIpBanKeepsTheEdits();
    void banMenusHoldTheirItemsInOrder();
    void lookupsFromTheBanMenus_data();
    void lookupsFromTheBanMenus();

    void reviewPicture();

private:
    void startOnRealmPage(GuiDriver& gui);
    TestServer m_server;
    bool m_dataChanged = false;
};

void RealmPageTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void RealmPageTest::cleanup() {
    if (m_dataChanged) {
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
        m_dataChanged = false;
    }
}

void RealmPageTest::startOnRealmPage(GuiDriver& gui) {
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("Intreface/startpage"), QStringLiteral("Реалм")}}));
    gui.start();
}

// ---- Realm list ---------------------------------------------------------------

void RealmPageTest::startPageFillsTheListsBeforeTheWindowAppears() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("Intreface/startpage"), QStringLiteral("Реалм")}}));
    ServerLog log(m_server.generalLog);
    TForm1& window = gui.create();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.pageControl()->currentIndex(), 4);

    const QStringList use = {QStringLiteral("use `realmd`;"), QStringLiteral("SET NAMES utf8;")};
    QCOMPARE(log.statementsSinceMark(),
             ServerLog::asLogged(QStringList{sessionSetUpStatement(),
                                             QStringLiteral("show databases;"),
                                             schema::Catalog::statement("realmd", Quoting{}),
                                             schema::Catalog::statement("characters", Quoting{}),
                                             schema::Catalog::statement("mangos", Quoting{})} +
                                 use +
                                 QStringList{"select `id`,`name`,`address`,`port`,`icon`,`color`,"
                                             "`timezone`,`allowedSecurityLevel`,`population` from "
                                             "`realmlist` order by `id`;"} +
                                 use +
                                 QStringList{"select `ip`,`bandate`,`unbandate`,`bannedby`,"
                                             "`banreason` from `ip_banned` order by `ip`;"} +
                                 use +
                                 QStringList{"select `id`,`bandate`,`unbandate`,`bannedby`,"
                                             "`banreason`, `active` from `account_banned` where "
                                             "`active` = 1 order by `id`;"}));

    auto* realms = gui.find<StringGrid>(kRealmGrid);
    QCOMPARE(realms->rowCount(), 4);
    QCOMPARE(gui.gridRow(kRealmGrid, 0), kRealmColumns.split(u','));
    QCOMPARE(gui.gridRow(kRealmGrid, 1),
             QStringList({"1", "Вечный Огонь", "127.0.0.1", "8085", "0", "2", "8", "0", "1.5"}));
    QCOMPARE(gui.gridColumn(kRealmGrid, 1), QStringList({"Вечный Огонь", "Northwind", "Test PvP"}));
    const QList<int> widths = {64, 170, 100, 60, 30, 30, 55, 110, 60};
    for (int col = 0; col < widths.size(); ++col)
        QCOMPARE(realms->colWidth(col), widths[col]);

    // Both ban grids were hidden until their first refresh.
    auto* ipBans = gui.find<StringGrid>(kIpBanGrid);
    QVERIFY(!ipBans->isHidden());
    QCOMPARE(gui.gridRow(kIpBanGrid, 0),
             QStringList({"№", "ip", "bandate", "unbandate", "bannedby", "banreason"}));
    QCOMPARE(ipBans->rowCount(), 6);
    // The reason held in Windows-1251 bytes is shown empty.
    QCOMPARE(gui.gridRow(kIpBanGrid, 1),
             QStringList({"1", "10.10.10.10", "1700000000", "1700086400", "[Console]", ""}));
    QCOMPARE(gui.gridRow(kIpBanGrid, 5),
             QStringList({"5", "31.173.80.4", "1735689600", "1735776000", "MODERATOR",
                          "Подбор паролей"}));
    auto* accountBans = gui.find<StringGrid>(kAccountBanGrid);
    QVERIFY(!accountBans->isHidden());
    QCOMPARE(gui.gridRow(kAccountBanGrid, 0),
             QStringList({"id", "bandate", "unbandate", "bannedby", "banreason", "active"}));
    QCOMPARE(gui.gridColumn(kAccountBanGrid, 0), QStringList({"6", "9", "777"}));
    QCOMPARE(gui.gridRow(kAccountBanGrid, 1),
             QStringList({"6", "1725148800", "1893456000", "MODERATOR",
                          "Продажа золота за реальные деньги", "1"}));
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void RealmPageTest::selectingARealmFillsTheEdits() {
    GuiDriver gui;
    startOnRealmPage(gui);
    gui.selectCell(kRealmGrid, 4, 3);
    QCOMPARE(editTexts(gui, kRealmEdits),
             QStringList({"3", "Test PvP", "10.0.0.5", "8087", "1", "0", "1", "2", "0"}));
    // Typed text goes through the key filters: digits and dots for the
    // address, digits for the four numbers.
    gui.retype(QStringLiteral("dxDNEdit26"), QStringLiteral("host 10.0.0.9"));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit26"))->text(), QStringLiteral("10.0.0.9"));
    gui.type(QStringLiteral("dxDNEdit27"), QStringLiteral("-1,5"));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit27"))->text(), QStringLiteral("808715"));
    for (const char* name : {"dxDNEdit24", "dxDNEdit31", "dxDNEdit32"})
        QVERIFY(gui.find<QLineEdit>(QLatin1String(name))->isReadOnly());
}

void RealmPageTest::newRealm_data() {
    QTest::addColumn<int>("selectedRow"); // 0: the edits are cleared first
    QTest::addColumn<QString>("name");    // typed over the selected one, unless empty
    QTest::addColumn<QString>("stored");  // empty: nothing stored
    QTest::addColumn<QStringList>("editsAfter");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("empty edits get the defaults")
            << 0 << QString() << "4|WoW|127.0.0.1|8085|0|2|0|0|0"
            << QStringList({"", "WoW", "127.0.0.1", "8085", "0", "2", "0", "0", "0"})
            << QStringList();
    QTest::newRow("copy of a selected realm under a new name")
            << 3 << QStringLiteral("Test PvE") << "4|Test PvE|10.0.0.5|8087|1|0|1|0|0"
            << QStringList({"3", "Test PvE", "10.0.0.5", "8087", "1", "0", "1", "0", "0"})
            << QStringList();
    // Realm names are unique: the server's message is shown, nothing is
    // stored, and the edits are as they were before "Новый".
    QTest::newRow("copy under the same name")
            << 3 << QString() << QString()
            << QStringList({"3", "Test PvP", "10.0.0.5", "8087", "1", "0", "1", "2", "0"})
            << QStringList{"error|Ошибка изменения данных|Сервер не подтвердил изменение:\r\n"
                           "Ошибка 1062: Duplicate entry 'Test PvP' for key 'idx_name'"};
}

void RealmPageTest::newRealm() {
    QFETCH(int, selectedRow);
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QStringList, editsAfter);
    QFETCH(QStringList, boxes);
    m_dataChanged = true;
    GuiDriver gui;
    startOnRealmPage(gui);
    if (selectedRow > 0)
        gui.selectCell(kRealmGrid, 1, selectedRow);
    else
        gui.click(QStringLiteral("dxButton26"));
    if (!name.isEmpty()) {
        gui.retype(QStringLiteral("dxDNEdit25"), name);
    }
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton23"));
    const QStringList sent = log.statementsSinceMark();

    QCOMPARE(gui.dialogs.describe(), boxes);
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows("select " + kRealmColumns + " from realmd.realmlist where id > 3"),
             stored.isEmpty() ? QStringList() : QStringList{stored});
    QCOMPARE(editTexts(gui, kRealmEdits), editsAfter);
    if (stored.isEmpty()) {
        // Nothing was done, so the list was not reloaded.
        QVERIFY(sent.last().startsWith(QStringLiteral("insert into `realmlist`")));
        QCOMPARE(gui.find<StringGrid>(kRealmGrid)->rowCount(), 4);
        return;
    }
    // The list was refreshed.
    QCOMPARE(gui.find<StringGrid>(kRealmGrid)->rowCount(), 5);
    QCOMPARE(gui.gridRow(kRealmGrid, 4).join(u'|'), stored);
}

void RealmPageTest::writeAndDeleteWithoutIdSendNothing() {
    GuiDriver gui;
    startOnRealmPage(gui);
    gui.selectCell(kRealmGrid, 1, 2);
    gui.click(QStringLiteral("dxButton26"));
    QCOMPARE(editTexts(gui, kRealmEdits), QStringList(9, QString()));
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton24"));
    gui.click(QStringLiteral("dxButton25"));
    QVERIFY(log.commandsSinceMark().isEmpty());
    QVERIFY(gui.dialogs.boxes().isEmpty());
    // "Записать" stopped before putting in the defaults.
    QCOMPARE(editTexts(gui, kRealmEdits), QStringList(9, QString()));
}

void RealmPageTest::writtenNameIsStoredAsTyped_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Cyrillic") << QStringLiteral("Северный Ветер");
    QTest::newRow("quotes and backslash") << QStringLiteral("Мир \"Тьмы\" \\ O'Neil");
}

void RealmPageTest::writtenNameIsStoredAsTyped() {
    QFETCH(QString, name);
    m_dataChanged = true;
    GuiDriver gui;
    startOnRealmPage(gui);
    gui.selectCell(kRealmGrid, 2, 1);
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit25"))->text(),
             QStringLiteral("Вечный Огонь"));
    gui.retype(QStringLiteral("dxDNEdit25"), name);
    gui.click(QStringLiteral("dxButton24"));

    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("select hex(name) from realmd.realmlist where id = 1"), utf8Hex(name));
    // The update leaves the security level and the population alone.
    QCOMPARE(probe.rows("select " + kRealmColumns + " from realmd.realmlist where id = 1"),
             QStringList{"1|" + name + "|127.0.0.1|8085|0|2|8|0|1.5"});
    QCOMPARE(gui.find<StringGrid>(kRealmGrid)->cell(1, 1), name);
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void RealmPageTest::addressFromTheListIsWrittenBackUnchanged() {
    m_dataChanged = true;
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec("insert into realmd.realmlist (id, name, address, port) values "
                       "(10, 'Named', 'realm.example.org', 8090)"));
    GuiDriver gui;
    startOnRealmPage(gui);
    const int row = gui.rowWhere(kRealmGrid, {{0, QStringLiteral("10")}});
    QVERIFY(row > 0);
    gui.selectCell(kRealmGrid, 2, row);
    // A host name cannot be typed, but the one from the list stays.
    gui.type(QStringLiteral("dxDNEdit26"), QStringLiteral("net"));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit26"))->text(),
             QStringLiteral("realm.example.org"));
    gui.retype(QStringLiteral("dxDNEdit30"), QStringLiteral("3"));
    gui.click(QStringLiteral("dxButton24"));
    QCOMPARE(probe.rows("select address, port, timezone from realmd.realmlist where id = 10"),
             QStringList{"realm.example.org|8090|3"});
}

void RealmPageTest::deleteRealm_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("remaining");
    QTest::newRow("No keeps the realm") << false << QStringList({"1", "2", "3"});
    QTest::newRow("Yes deletes it") << true << QStringList({"1", "3"});
}

void RealmPageTest::deleteRealm() {
    QFETCH(bool, answer);
    QFETCH(QStringList, remaining);
    m_dataChanged = answer;
    GuiDriver gui;
    startOnRealmPage(gui);
    gui.selectCell(kRealmGrid, 1, 2);
    gui.dialogs.answerNextConfirmations({answer});
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton25"));

    QCOMPARE(gui.dialogs.describe(),
             QStringList{"confirmation|Удаление|Вы действительно хотите удалить этот realm?"});
    QCOMPARE(gui.dialogs.boxes().first().icon, DialogService::Icon::Question);
    if (!answer)
        QVERIFY(log.commandsSinceMark().isEmpty());
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows("select id from realmd.realmlist order by id"), remaining);
    QCOMPARE(gui.gridColumn(kRealmGrid, 0), remaining);
}

// ---- Bans ---------------------------------------------------------------------------

void RealmPageTest::emptyIpBanListShowsOneEmptyRow() {
    m_dataChanged = true;
    GuiDriver gui;
    startOnRealmPage(gui);
    QVERIFY(DatabaseProbe(m_server).exec("delete from realmd.ip_banned"));
    gui.click(QStringLiteral("dxButton27"));
    auto* grid = gui.find<StringGrid>(kIpBanGrid);
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(gui.gridRow(kIpBanGrid, 0),
             QStringList({"№", "ip", "bandate", "unbandate", "bannedby", "banreason"}));
    QCOMPARE(gui.gridRow(kIpBanGrid, 1), QStringList(6, QString()));
    const QList<int> widths = {64, 100, 120, 120, 80, 210};
    for (int col = 0; col < widths.size(); ++col)
        QCOMPARE(grid->colWidth(col), widths[col]);
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void RealmPageTest::onlyActiveBoxTakesEffectAtTheNextRefresh() {
    GuiDriver gui;
    startOnRealmPage(gui);
    auto* box = gui.find<QCheckBox>(QStringLiteral("dxCheckbox9"));
    QVERIFY(box->isChecked());
    QCOMPARE(gui.gridColumn(kAccountBanGrid, 0), QStringList({"6", "9", "777"}));
    gui.click(QStringLiteral("dxCheckbox9"));
    QVERIFY(!box->isChecked());
    QCOMPARE(gui.gridColumn(kAccountBanGrid, 0), QStringList({"6", "9", "777"}));
    gui.click(QStringLiteral("dxButton32"));
    QCOMPARE(gui.gridColumn(kAccountBanGrid, 0), QStringList({"6", "9", "9", "18", "555", "777"}));
    QCOMPARE(gui.gridColumn(kAccountBanGrid, 5), QStringList({"1", "0", "1", "0", "0", "1"}));
}

void RealmPageTest::failedBanSelectIsReportedAndLeavesTheGridAsItWas() {
    GuiDriver gui;
    startOnRealmPage(gui);
    const QStringList ipBans = gui.gridColumn(kIpBanGrid, 1);
    const QStringList accountBans = gui.gridColumn(kAccountBanGrid, 0);
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec("rename table realmd.ip_banned to realmd.ip_banned_away, "
                       "realmd.account_banned to realmd.account_banned_away"));
    const auto restore = qScopeGuard([&probe] {
        probe.exec("rename table realmd.ip_banned_away to realmd.ip_banned, "
                   "realmd.account_banned_away to realmd.account_banned");
    });
    gui.click(QStringLiteral("dxButton27"));
    gui.click(QStringLiteral("dxButton32"));
    QCOMPARE(gui.gridColumn(kIpBanGrid, 1), ipBans);
    QCOMPARE(gui.gridColumn(kAccountBanGrid, 0), accountBans);
    // The box keeps its first line and adds the server's message.
    const QString box = QStringLiteral(
            "error|Результат поиска|Ошибка выполнения запроса!\r\nПовторите операция.\r\n"
            "Ошибка 1146: Table 'realmd.%1' doesn't exist");
    QCOMPARE(gui.dialogs.describe(),
             QStringList({box.arg("ip_banned"), box.arg("account_banned")}));
    const QString log = gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))->toPlainText();
    QVERIFY(log.contains(QStringLiteral("Не удалось прочитать список банов по IP: Ошибка 1146")));
    QVERIFY(log.contains(
            QStringLiteral("Не удалось прочитать список забаненных аккаунтов: Ошибка 1146")));
}

void RealmPageTest::liftingABanLiftsEveryBanOfTheAccount() {
    m_dataChanged = true;
    GuiDriver gui;
    startOnRealmPage(gui);
    const int row = gui.rowWhere(kAccountBanGrid, {{0, QStringLiteral("9")}});
    QVERIFY(row > 0);
    gui.selectCell(kAccountBanGrid, 4, row);
    QCOMPARE(editTexts(gui, {"dxDNEdit42", "dxDNEdit43", "dxDNEdit44"}),
             QStringList({"9", "1", "1717200000"}));
    // The selected cell's text can be read in the grid's tooltip.
    QCOMPARE(gui.find<StringGrid>(kAccountBanGrid)->hint(),
             QStringLiteral("Повторное использование читов"));
    gui.chooseMenuItem(kAccountBanGrid, QStringLiteral("N9"));

    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows("select bandate, active from realmd.account_banned where id = 9 "
                        "order by bandate"),
             QStringList({"1704067200|0", "1717200000|0"}));
    QCOMPARE(probe.scalar("select active from realmd.account_banned where id = 6"),
             QStringLiteral("1"));
    // Only active bans are listed, so account 9 is gone from the list.
    QCOMPARE(gui.gridColumn(kAccountBanGrid, 0), QStringList({"6", "777"}));
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void RealmPageTest::deleteRemovesOnlyTheSelectedAccountBan() {
    m_dataChanged = true;
    GuiDriver gui;
    startOnRealmPage(gui);
    gui.click(QStringLiteral("dxCheckbox9"));
    gui.click(QStringLiteral("dxButton32"));
    const int row = gui.rowWhere(kAccountBanGrid,
                                 {{0, QStringLiteral("9")}, {1, QStringLiteral("1704067200")}});
    QVERIFY(row > 0);
    gui.selectCell(kAccountBanGrid, 1, row);
    gui.chooseMenuItem(kAccountBanGrid, QStringLiteral("N10"));

    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows("select bandate from realmd.account_banned where id = 9"),
             QStringList{"1717200000"});
    QCOMPARE(probe.scalar("select count(*) from realmd.account_banned"), QStringLiteral("5"));
    QCOMPARE(gui.gridColumn(kAccountBanGrid, 0), QStringList({"6", "9", "18", "555", "777"}));
}

void RealmPageTest::savedReasonIsTrimmedAndStoredAsUtf8() {
    m_dataChanged = true;
    GuiDriver gui;
    startOnRealmPage(gui);
    const int row = gui.rowWhere(kIpBanGrid, {{1, QStringLiteral("203.0.113.77")}});
    QVERIFY(row > 0);
    gui.selectCell(kIpBanGrid, 5, row);
    QCOMPARE(editTexts(gui, {"dxDNEdit37", "dxDNEdit38", "dxDNEdit39", "dxDNEdit40", "dxDNEdit41"}),
             QStringList({"203.0.113.77", "1709251200", "1709856000", "GAMEMASTER",
                          "Flood in general chat"}));
    QCOMPARE(gui.find<StringGrid>(kIpBanGrid)->hint(), QStringLiteral("Flood in general chat"));
    gui.retype(QStringLiteral("dxDNEdit41"), QStringLiteral("  Флуд в \"общем\" чате \\o/  "));
    gui.click(QStringLiteral("dxButton40"));

    const QString stored = QStringLiteral("Флуд в \"общем\" чате \\o/");
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("select hex(banreason) from realmd.ip_banned where ip = "
                          "'203.0.113.77'"),
             utf8Hex(stored));
    QCOMPARE(gui.find<StringGrid>(kIpBanGrid)->cell(5, row), stored);
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void RealmPageTest::deletingAnIpBanKeepsTheEdits() {
    m_dataChanged = true;
    GuiDriver gui;
    startOnRealmPage(gui);
    const int row = gui.rowWhere(kIpBanGrid, {{1, QStringLiteral("31.173.80.4")}});
    QVERIFY(row > 0);
    gui.selectCell(kIpBanGrid, 2, row);
    gui.chooseMenuItem(kIpBanGrid, QStringLiteral("N5"));

    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar("select count(*) from realmd.ip_banned where ip = '31.173.80.4'"),
             QStringLiteral("0"));
    QCOMPARE(gui.gridColumn(kIpBanGrid, 0), QStringList({"1", "2", "3", "4"}));
    QVERIFY(!gui.gridColumn(kIpBanGrid, 1).contains(QStringLiteral("31.173.80.4")));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit37"))->text(),
             QStringLiteral("31.173.80.4"));
}

void RealmPageTest::banMenusHoldTheirItemsInOrder() {
    GuiDriver gui;
    startOnRealmPage(gui);
    const auto items = [&gui](const QString& menuName) {
        QStringList lines;
        for (QAction* action : gui.find<QMenu>(menuName)->actions())
            lines << action->objectName() + u'|' + action->text() + u'|' +
                             (action->isEnabled() ? u'+' : u'-');
        return lines;
    };
    QCOMPARE(items(QStringLiteral("ban_ip_menu")),
             QStringList({"IP2|Показать все аккаунты для этого IP|+", "N5|Удалить этот БАН|+"}));
    QCOMPARE(items(QStringLiteral("acc_ban_menu")),
             QStringList({"N7|Показать аккаунт|+", "N8|Найти все персонажи этого аккаунта|+",
                          "N17|----------|-", "N9|Снять БАН|+", "N10|Удалить запись|+"}));
}

void RealmPageTest::lookupsFromTheBanMenus_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("selectedKey"); // the text in column `keyColumn`; "" selects none
    QTest::addColumn<int>("keyColumn");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("accounts of a banned IP")
            << kIpBanGrid << "198.51.100.23" << 1 << "IP2"
            << QStringList{"accountLookup| where `last_ip` = \"198.51.100.23\""};
    QTest::newRow("the banned account") << kAccountBanGrid << "777" << 0 << "N7"
                                        << QStringList{"accountLookup|where `id` = 777"};
    QTest::newRow("the characters of the banned account")
            << kAccountBanGrid << "9" << 0 << "N8" << QStringList{"charactersOfAccount|9"};
    QTest::newRow("no account selected: no account lookup")
            << kAccountBanGrid << "" << 0 << "N7" << QStringList();
    QTest::newRow("no account selected: no character lookup")
            << kAccountBanGrid << "" << 0 << "N8" << QStringList();
}

void RealmPageTest::lookupsFromTheBanMenus() {
    QFETCH(QString, grid);
    QFETCH(QString, selectedKey);
    QFETCH(int, keyColumn);
    QFETCH(QString, item);
    QFETCH(QStringList, calls);
    // The page on its own, with a stand-in for the window that records the
    // lookups handed to the other pages.
    GuiDriver gui;
    StandalonePage<RealmPage> standalone(gui);
    QVERIFY(standalone.open(gui, m_server));
    const RecordingLinks& links = standalone.links;
    if (!selectedKey.isEmpty()) {
        const int row = gui.rowWhere(grid, {{keyColumn, selectedKey}});
        QVERIFY(row > 0);
        gui.selectCell(grid, 2, row);
    }
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(grid, item);
    QCOMPARE(links.calls, calls);
    QVERIFY(log.commandsSinceMark().isEmpty());
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void RealmPageTest::reviewPicture() {
    GuiDriver gui;
    startOnRealmPage(gui);
    gui.selectCell(kRealmGrid, 1, 1);
    gui.selectCell(kIpBanGrid, 1, 2);
    gui.selectCell(kAccountBanGrid, 1, 2);
    QVERIFY(writeReviewPicture(gui, QStringLiteral("page-5-realm-demo")));
}

QTEST_MAIN(RealmPageTest)
#include "tst_realm_page.moc"

// The maintenance commands of the account grid's menu: accounts without
// characters, stale accounts found and deleted, accounts of one IP address.
#include "DatabaseProbe.h"
#include "ServerLog.h"
#include "accounts/AccountsFixture.h"

#include <QLineEdit>
#include <QTest>

using namespace accountsfixture;

namespace {

QMap<QString, QString> erasePeriod(const QString& days) {
    return {{QStringLiteral("Account/ErasePeriod"), days}};
}

// Accounts 6, 8, 9, 11, 14, 16 and 18 last logged in more than 150 days ago;
// 10 never did (the zero date); 2 and 17 logged in today.
const QStringList kStale = {"6", "8", "9", "11", "14", "16", "18"};

} // namespace

class AccountMaintenanceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void accountsWithoutCharacters();
    void findStaleAccounts_data();
    void findStaleAccounts();
    void staleAccountsOfAnOlderTable();
    void deleteStaleAccounts();
    void deleteStaleAccountsAnsweredNo();
    void deleteStaleAccountsRefused_data();
    void deleteStaleAccountsRefused();
    void accountsWithTheEditedIp();

private:
    TestServer m_server;
    bool m_changed = false;
};

void AccountMaintenanceTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void AccountMaintenanceTest::cleanup() {
    if (m_changed)
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
    m_changed = false;
}

void AccountMaintenanceTest::accountsWithoutCharacters() {
    GuiDriver gui;
    TForm1& window = startOnAccountsPage(gui, m_server);
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kGrid, QStringLiteral("N4"));
    const QString filter = QStringLiteral(" where `id` not in ( select `account` from "
                                          "`characters`.`characters` group by `account`)");
    QCOMPARE(log.statementsSinceMark(), refreshStatements(listQuery(filter)));
    QCOMPARE(ids(gui), QStringList({"10", "13", "17"}));
    QCOMPARE(window.pageControl()->currentIndex(), 3);
    // The group stays for "Обновить".
    log.mark();
    gui.click(QStringLiteral("dxButton9"));
    QCOMPARE(log.statementsSinceMark().last(), listQuery(filter));
}

void AccountMaintenanceTest::findStaleAccounts_data() {
    QTest::addColumn<QString>("days");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("150") << QStringLiteral("150") << kStale;
    QTest::newRow("0: every login before today")
            << QStringLiteral("0")
            << QStringList{"1",  "3",  "4",  "5",  "6",  "7",  "8",  "9", "11",
                           "12", "13", "14", "15", "16", "18", "19", "20"};
}

void AccountMaintenanceTest::findStaleAccounts() {
    QFETCH(QString, days);
    QFETCH(QStringList, found);
    m_changed = true;
    DatabaseProbe probe(m_server);
    // "Today" for the accounts that logged in today, whenever the test runs.
    QVERIFY(probe.exec(QStringLiteral("update realmd.account set last_login = now() where id in "
                                      "(2, 17)")));
    GuiDriver gui;
    startOnAccountsPage(gui, m_server, erasePeriod(days));
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kGrid, QStringLiteral("N13"));
    QCOMPARE(log.statementsSinceMark(),
             refreshStatements(
                     listQuery(QStringLiteral(" WHERE DATEDIFF(NOW(), `last_login`) > ") + days)));
    QCOMPARE(ids(gui), found);
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void AccountMaintenanceTest::staleAccountsOfAnOlderTable() {
    // An older account table keeps NULL for an account that never logged in:
    // neither listed nor deleted as stale.
    m_changed = true;
    QMap<QString, QString> settings = erasePeriod(QStringLiteral("150"));
    settings.insert(QStringLiteral("Base/realmd"), QStringLiteral("realmd_old"));
    GuiDriver gui;
    startOnAccountsPage(gui, m_server, settings);
    QCOMPARE(ids(gui), QStringList({"1", "2", "3"}));
    gui.chooseMenuItem(kGrid, QStringLiteral("N13"));
    QCOMPARE(ids(gui), QStringList{"2"});
    gui.click(QStringLiteral("dxButton19"));
    gui.dialogs.defaultAnswer = true;
    gui.chooseMenuItem(kGrid, QStringLiteral("N14"));
    QCOMPARE(ids(gui), QStringList({"1", "3"}));
}

void AccountMaintenanceTest::deleteStaleAccounts() {
    m_changed = true;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server, erasePeriod(QStringLiteral("150")));
    const UndoTraffic undo =
            undoTraffic(m_server, "realmd", accountsql::deleteStaleAccountsUndo("150"));
    ServerLog log(m_server.generalLog);
    gui.dialogs.defaultAnswer = true;
    gui.chooseMenuItem(kGrid, QStringLiteral("N14"));
    QCOMPARE(gui.dialogs.describe(),
             QStringList{QStringLiteral("confirmation|Чистка базы|Вы действительно хотите удалить "
                                        "аккаунты, которые не использовались 150 дней?")});
    QCOMPARE(gui.dialogs.boxes().first().icon, DialogService::Icon::None);
    QCOMPARE(log.statementsSinceMark(),
             changeStatements(
                     QStringLiteral(
                             "DELETE FROM `account` WHERE DATEDIFF(NOW(), `last_login`) >  150"),
                     undo) +
                     refreshStatements(listQuery()));
    QStringList kept = range(1, 20);
    for (const QString& id : kStale)
        kept.removeOne(id);
    QCOMPARE(ids(gui), kept);
    // The account that never logged in stays; the characters of the deleted
    // ones stay too.
    QVERIFY(kept.contains(QStringLiteral("10")));
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar(QStringLiteral("select count(*) from characters.characters where "
                                         "account = 9")),
             QStringLiteral("2"));
}

void AccountMaintenanceTest::deleteStaleAccountsAnsweredNo() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server, erasePeriod(QStringLiteral("150")));
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kGrid, QStringLiteral("N14"));
    QCOMPARE(gui.dialogs.boxes().size(), 1);
    QVERIFY(log.statementsSinceMark().isEmpty());
    QCOMPARE(ids(gui), range(1, 20));
}

void AccountMaintenanceTest::deleteStaleAccountsRefused_data() {
    QTest::addColumn<QString>("days");
    QTest::newRow("0") << QStringLiteral("0");
    QTest::newRow("empty") << QString();
    QTest::newRow("0 written twice") << QStringLiteral("00");
    QTest::newRow("not a number") << QStringLiteral("1 OR 1=1");
}

void AccountMaintenanceTest::deleteStaleAccountsRefused() {
    QFETCH(QString, days);
    m_changed = true; // should the guard fail
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    // As the settings panel holds it (a settings file may hold any text).
    gui.find<QLineEdit>(QStringLiteral("dxDNEdit45"))->setText(days);
    ServerLog log(m_server.generalLog);
    gui.dialogs.defaultAnswer = true;
    gui.chooseMenuItem(kGrid, QStringLiteral("N14"));
    QVERIFY(gui.dialogs.boxes().isEmpty());
    QVERIFY(log.statementsSinceMark().isEmpty());
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.scalar(QStringLiteral("select count(*) from realmd.account")),
             QStringLiteral("20"));
    m_changed = false;
}

void AccountMaintenanceTest::accountsWithTheEditedIp() {
    GuiDriver gui;
    TForm1& window = startOnAccountsPage(gui, m_server);
    gui.selectCell(kGrid, 1, rowOf(gui, QStringLiteral("6")));
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kGrid, QStringLiteral("IP1"));
    QCOMPARE(log.statementsSinceMark(),
             refreshStatements(listQuery(QStringLiteral(" where `last_ip` = \"95.24.12.7\""))));
    QCOMPARE(ids(gui), QStringList({"5", "6", "15"}));
    QCOMPARE(window.pageControl()->currentIndex(), 3);

    // An address that no account has: nothing found, the filter goes.
    gui.selectCell(kGrid, 1, 1);
    gui.find<QLineEdit>(QStringLiteral("dxDNEdit13"))->setText(QStringLiteral("1.2.3.4"));
    gui.chooseMenuItem(kGrid, QStringLiteral("IP1"));
    QCOMPARE(gui.dialogs.describe(), QStringList{kAccountsNotFound});
    QCOMPARE(ids(gui), QStringList({"5", "6", "15"}));
    log.mark();
    gui.click(QStringLiteral("dxButton9"));
    QCOMPARE(log.statementsSinceMark().last(), listQuery());
}

QTEST_MAIN(AccountMaintenanceTest)
#include "tst_account_maintenance.moc"

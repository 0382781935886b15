// The page "Реалм" on every schema family's fixture, through the real
// window: the two ban lists, lift, delete and the IP ban reason, the realm
// list with new, write and delete. Each operation changes exactly the rows
// and columns it means to (the tables' rows before and after), and its undo
// script, loaded with the mariadb client, puts the tables back byte for byte.
#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "MariadbClient.h"
#include "StringGrid.h"
#include "TableSnapshot.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace {

const QString kRealmGrid = QStringLiteral("StringGrid5");
const QString kIpBanGrid = QStringLiteral("StringGrid7");
const QString kAccountBanGrid = QStringLiteral("StringGrid6");
// A time the server writes as it runs (UNIX_TIMESTAMP()).
const QString kNow = QStringLiteral("'\\d{10}'");

// What a family's fixture holds and what its tables are called.
struct Family {
    const char* name;
    QString login, world, characters;
    QStringList banTitles;
    QStringList activeBans; // the accounts of the active bans, in list order
    QStringList allBans;    // the accounts of every row, sorted
    // Lift: the account, and the changes (patterns) it makes.
    QString liftAccount;
    QStringList liftChanges;
    // Delete: the account and ban date of one ban, and its row's key.
    QString deleteAccount, deleteDate, deleteKey;
    // Reason: the IP, the key of its row, its reason before.
    QString reasonIp, reasonKey, reasonBefore;
    QStringList realmTitles;
    // Today's realm lists: the flags and builds typed, and the builds stored.
    QString flagsColumn, buildsColumn, storedBuilds;
    QString realmTwoFlags, realmTwoBuilds; // as stored before the write
    QString newRealmId;
    QStringList realmDeleteTables; // beside realmlist, what goes with a realm
    int realmCharacterRows = 0;
};

QList<Family> families() {
    const QStringList oldBanTitles = {"id",       "bandate",   "unbandate",
                                      "bannedby", "banreason", "active"};
    const QStringList today = {
            "id",        "name", "address", "port", "icon", "timezone", "allowedSecurityLevel",
            "population"};
    const QStringList local = {"localAddress", "localSubnetMask"};
    return {
            {"2010",
             "realmd",
             "mangos",
             "characters",
             oldBanTitles,
             {"6", "9", "777"},
             {"18", "555", "6", "777", "9", "9"},
             "9",
             {"account_banned\\[9,1717200000\\]\\.active: '1' -> '0'"},
             "9",
             "1704067200",
             "9,1704067200",
             "203.0.113.77",
             "203.0.113.77,1709251200",
             "Flood in general chat",
             {"id", "name", "address", "port", "icon", "color", "timezone", "allowedSecurityLevel",
              "population"},
             {},
             {},
             {},
             {},
             {},
             "4",
             {},
             0},
            {"Rel2x",
             "zero_realmd",
             "zero_mangos",
             "zero_characters",
             oldBanTitles,
             {"8", "555"},
             {"4", "555", "8", "8"},
             "8",
             {"account_banned\\[8,1764547200\\]\\.active: '1' -> '0'"},
             "8",
             "1700000000",
             "8,1700000000",
             "203.0.113.77",
             "203.0.113.77,1767225600",
             "Brute force on the login server",
             today + QStringList{"realmflags", "realmbuilds"} + local,
             "realmflags",
             "realmbuilds",
             "5875 ",
             "2",
             "5875 6005 6141 ",
             "3",
             {"realmcharacters"},
             8},
            {"cmangos",
             "wotlkrealmd",
             "wotlkmangos",
             "wotlkcharacters",
             {"account_id", "banned_at", "expires_at", "banned_by", "reason", "active"},
             {"8", "555"},
             {"4", "4", "555", "8", "8"},
             "8",
             // Only the active ban: the expired one keeps its (empty)
             // unban.
             {"account_banned\\[2\\]\\.unbanned_at: '0' -> " + kNow,
              "account_banned\\[2\\]\\.unbanned_by: NULL -> 'CONSOLE'",
              "account_banned\\[2\\]\\.active: '1' -> '0'"},
             "8",
             "1740787200",
             "1",
             "203.0.113.77",
             "203.0.113.77,1735689600",
             "DDoS на логин-сервер",
             today + QStringList{"realmflags", "realmbuilds"},
             "realmflags",
             "realmbuilds",
             "5875 ",
             "6",
             "12340 ",
             "3",
             {},
             0},
            {"vmangos",
             "vm_realmd",
             "vm_mangos",
             "vm_characters",
             oldBanTitles,
             {"8", "555"},
             {"4", "4", "555", "8", "8"},
             "8",
             {"account_banned\\[8,1748779200\\]\\.active: '1' -> '0'"},
             "8",
             "1709294400",
             "8,1709294400",
             "203.0.113.77",
             "203.0.113.77",
             "Brute force on the login server",
             today + QStringList{"realmflags", "realmbuilds"} + local,
             "realmflags",
             "realmbuilds",
             "5875 ",
             "2",
             "5302 ",
             "3",
             {},
             0},
            {"TrinityCore",
             "tc_auth",
             "tc_world",
             "tc_characters",
             oldBanTitles,
             {"8", "555"},
             {"4", "555", "8", "8"},
             "8",
             {"account_banned\\[8,1795003200\\]\\.unbandate: '1893456000' -> " + kNow,
              "account_banned\\[8,1795003200\\]\\.active: '1' -> '0'"},
             "8",
             "1704067200",
             "8,1704067200",
             "203.0.113.77",
             "203.0.113.77,1709251200",
             "Flood in general chat",
             today + QStringList{"flag", "gamebuild"} + local,
             "flag",
             "gamebuild",
             "5875",
             "2",
             "12340",
             "3",
             {},
             0},
            {"AzerothCore",
             "acore_auth",
             "acore_world",
             "acore_characters",
             oldBanTitles,
             {"8", "555"},
             {"4", "555", "8", "8"},
             "8",
             {"account_banned\\[8,1764547200\\]\\.active: '1' -> '0'"},
             "8",
             "1700000000",
             "8,1700000000",
             "203.0.113.77",
             "203.0.113.77,1760000000",
             "Brute force",
             today + QStringList{"flag", "gamebuild"} + local,
             "flag",
             "gamebuild",
             "5875",
             "2",
             "12340",
             "3",
             {},
             0},
    };
}

// One thing a person does on the page, and what it must change.
struct Operation {
    QString name;
    QString script; // the undo script's operation name; empty: none
    QStringList tables;
    std::function<void(GuiDriver&, DatabaseProbe&)> run;
    QStringList changes; // patterns, one per change line, in order
};

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

QList<Operation> operationsOf(const Family& f) {
    const QString bans = QStringLiteral("account_banned");
    const QString ipBans = QStringLiteral("ip_banned");
    const QString realms = QStringLiteral("realmlist");
    const bool today = !f.flagsColumn.isEmpty();
    QList<Operation> operations;
    operations << Operation{"ban lists",
                            {},
                            {bans, ipBans},
                            [f](GuiDriver& gui, DatabaseProbe&) {
                                QCOMPARE(gui.gridRow(kAccountBanGrid, 0), f.banTitles);
                                QCOMPARE(gui.gridColumn(kAccountBanGrid, 0), f.activeBans);
                                QCOMPARE(gui.gridRow(kIpBanGrid, 0),
                                         QStringList({"№", "ip"}) + f.banTitles.mid(1, 4));
                                // Every row, the servers' notes among them as they are.
                                gui.click(QStringLiteral("dxCheckbox9"));
                                gui.click(QStringLiteral("dxButton32"));
                                QCOMPARE(sorted(gui.gridColumn(kAccountBanGrid, 0)), f.allBans);
                                QVERIFY(gui.dialogs.boxes().isEmpty());
                            },
                            {}};
    operations << Operation{
            "lift",
            "account-ban-lift",
            {bans},
            [f](GuiDriver& gui, DatabaseProbe&) {
                gui.selectRowWhere(kAccountBanGrid, 0, f.liftAccount);
                gui.chooseMenuItem(kAccountBanGrid, QStringLiteral("N9"));
                QVERIFY(!gui.gridColumn(kAccountBanGrid, 0).contains(f.liftAccount));
            },
            f.liftChanges};
    operations << Operation{
            "delete a ban",
            "account-ban-delete",
            {bans},
            [f](GuiDriver& gui, DatabaseProbe&) {
                gui.click(QStringLiteral("dxCheckbox9"));
                gui.click(QStringLiteral("dxButton32"));
                gui.selectRowWhere(kAccountBanGrid, {{0, f.deleteAccount}, {1, f.deleteDate}});
                gui.chooseMenuItem(kAccountBanGrid, QStringLiteral("N10"));
            },
            {"account_banned\\[" + QRegularExpression::escape(f.deleteKey) + "\\] removed: .*"}};
    operations << Operation{
            "IP ban reason",
            "ip-ban-reason",
            {ipBans},
            [f](GuiDriver& gui, DatabaseProbe&) {
                gui.selectRowWhere(kIpBanGrid, 1, f.reasonIp);
                gui.retype(QStringLiteral("dxDNEdit41"), QStringLiteral(" Флуд \"в чате\" "));
                gui.click(QStringLiteral("dxButton40"));
            },
            {"ip_banned\\[" + QRegularExpression::escape(f.reasonKey) + "\\]\\.\\w+: '" +
             QRegularExpression::escape(f.reasonBefore) + "' -> 'Флуд \"в чате\"'"}};
    operations << Operation{
            "realm list",
            {},
            {realms},
            [f, today](GuiDriver& gui, DatabaseProbe&) {
                QCOMPARE(gui.gridRow(kRealmGrid, 0), f.realmTitles);
                QCOMPARE(gui.gridColumn(kRealmGrid, 1).mid(0, 2),
                         QStringList({"Вечный Огонь", "Northwind"}));
                QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit29"))->isVisible(), !today);
                QCOMPARE(gui.find<QWidget>(QStringLiteral("realmSecondRow"))->isVisible(), today);
                if (today) {
                    gui.selectRowWhere(kRealmGrid, 0, QStringLiteral("2"));
                    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("realmFlagsEdit"))->text(),
                             f.realmTwoFlags);
                    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("realmBuildsEdit"))->text(),
                             f.realmTwoBuilds);
                }
            },
            {}};
    const auto typeTodays = [f](GuiDriver& gui) {
        if (f.flagsColumn.isEmpty())
            return;
        gui.retype(QStringLiteral("realmFlagsEdit"), QStringLiteral("66"));
        gui.retype(QStringLiteral("realmBuildsEdit"), QStringLiteral(" 5875  "));
    };
    QString added = "realmlist\\[" + f.newRealmId + "\\] added: id='" + f.newRealmId +
                    "', name='Новый', address='127\\.0\\.0\\.1', .*port='8085', .*";
    if (today)
        added += f.flagsColumn + "='66', .*" + f.buildsColumn + "='" +
                 QRegularExpression::escape(f.storedBuilds) + "'.*";
    operations << Operation{"new realm",
                            {},
                            {realms},
                            [typeTodays](GuiDriver& gui, DatabaseProbe&) {
                                gui.click(QStringLiteral("dxButton26"));
                                gui.type(QStringLiteral("dxDNEdit25"), QStringLiteral("Новый"));
                                typeTodays(gui);
                                gui.click(QStringLiteral("dxButton23"));
                            },
                            {added}};
    QStringList written = {"realmlist\\[2\\]\\.name: 'Northwind' -> 'Южный'",
                           "realmlist\\[2\\]\\.port: '8086' -> '9000'"};
    if (today) {
        written << "realmlist\\[2\\]\\." + f.flagsColumn + ": '" + f.realmTwoFlags + "' -> '66'";
        written << "realmlist\\[2\\]\\." + f.buildsColumn + ": '" +
                           QRegularExpression::escape(f.realmTwoBuilds) + "' -> '" +
                           QRegularExpression::escape(f.storedBuilds) + "'";
    }
    operations << Operation{"write a realm",
                            "realm-write",
                            {realms},
                            [typeTodays](GuiDriver& gui, DatabaseProbe&) {
                                gui.selectRowWhere(kRealmGrid, 0, QStringLiteral("2"));
                                gui.retype(QStringLiteral("dxDNEdit25"), QStringLiteral("Южный"));
                                gui.retype(QStringLiteral("dxDNEdit27"), QStringLiteral("9000"));
                                typeTodays(gui);
                                gui.click(QStringLiteral("dxButton24"));
                            },
                            written};
    QStringList removed = {"realmlist\\[2\\] removed: .*"};
    for (int i = 0; i < f.realmCharacterRows; ++i)
        removed << "realmcharacters\\[2,\\d+\\] removed: .*";
    operations << Operation{"delete a realm", "realm-delete",
                            QStringList{realms} + f.realmDeleteTables,
                            [](GuiDriver& gui, DatabaseProbe&) {
                                gui.selectRowWhere(kRealmGrid, 0, QStringLiteral("2"));
                                gui.click(QStringLiteral("dxButton25"));
                            },
                            removed};
    // A list that cannot be read: the box with the server's message, and the
    // log line.
    operations << Operation{
            "failed read",
            {},
            {},
            [f](GuiDriver& gui, DatabaseProbe& probe) {
                const QString away = f.login + ".account_banned_away";
                QVERIFY(probe.exec("rename table " + f.login + ".account_banned to " + away));
                gui.click(QStringLiteral("dxButton32"));
                QVERIFY(probe.exec("rename table " + away + " to " + f.login + ".account_banned"));
                QCOMPARE(gui.dialogs.describe(),
                         QStringList{"error|Результат поиска|Ошибка выполнения запроса!\r\n"
                                     "Повторите операция.\r\nОшибка 1146: Table '" +
                                     f.login + ".account_banned' doesn't exist"});
                QVERIFY(gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))
                                ->toPlainText()
                                .contains("Не удалось прочитать список забаненных аккаунтов: "
                                          "Ошибка 1146"));
            },
            {}};
    return operations;
}

bool matches(const QStringList& lines, const QStringList& patterns) {
    if (lines.size() != patterns.size())
        return false;
    for (int i = 0; i < lines.size(); ++i) {
        if (!QRegularExpression(QRegularExpression::anchoredPattern(patterns[i]))
                     .match(lines[i])
                     .hasMatch())
            return false;
    }
    return true;
}

QStringList qualified(const QString& database, const QStringList& tables) {
    QStringList names;
    for (const QString& table : tables)
        names << database + u'.' + table;
    return names;
}

} // namespace

class RealmFamiliesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void operation_data();
    void operation();

private:
    TestServer m_server;
    bool m_reload = false;
};

void RealmFamiliesTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void RealmFamiliesTest::cleanup() {
    if (m_reload)
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
    m_reload = false;
}

void RealmFamiliesTest::operation_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("index");
    const QList<Family> all = families();
    for (int f = 0; f < all.size(); ++f) {
        const QList<Operation> operations = operationsOf(all[f]);
        for (int i = 0; i < operations.size(); ++i)
            QTest::addRow("%s: %s", all[f].name, qPrintable(operations[i].name)) << f << i;
    }
}

void RealmFamiliesTest::operation() {
    QFETCH(int, family);
    QFETCH(int, index);
    const Family f = families()[family];
    const Operation op = operationsOf(f)[index];
    // Until the undo script has put everything back, the databases are
    // loaded again after the test.
    m_reload = !op.changes.isEmpty();
    const QStringList tables = qualified(f.login, op.tables);
    DatabaseProbe probe(m_server);
    const TablesSnapshot before = TablesSnapshot::take(probe, tables);
    QVERIFY2(before.ok(), qPrintable(before.error()));

    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server, {{"Base/realmd", f.login},
                                                        {"Base/mangos", f.world},
                                                        {"Base/characters", f.characters},
                                                        {"Intreface/startpage", "Реалм"}}));
    gui.start();
    gui.dialogs.defaultAnswer = true;
    op.run(gui, probe);
    if (QTest::currentTestFailed())
        return;
    if (op.name != QStringLiteral("failed read"))
        QVERIFY2(gui.dialogs.describe().filter(QStringLiteral("error|")).isEmpty(),
                 qPrintable(gui.dialogs.describe().join(u'\n')));

    const TablesSnapshot after = TablesSnapshot::take(probe, tables);
    QVERIFY2(after.ok(), qPrintable(after.error()));
    const QStringList changes = before.changesTo(after);
    QVERIFY2(matches(changes, op.changes), qPrintable(changes.join(u'\n')));

    const QDir folder(QDir(gui.directory()).filePath(QStringLiteral("journal")));
    const QStringList scripts =
            op.script.isEmpty() ? QStringList()
                                : folder.entryList({QStringLiteral("undo-*-%1.sql").arg(op.script)},
                                                   QDir::Files);
    QCOMPARE(scripts.size(), op.script.isEmpty() ? 0 : 1);
    gui.stop();
    if (scripts.isEmpty())
        return;
    const ClientRun load =
            loadWithMariadbClient(m_server, f.login, folder.filePath(scripts.first()));
    QVERIFY2(load.ok(), qPrintable(load.output));
    const TablesSnapshot undone = TablesSnapshot::take(probe, tables);
    QVERIFY2(undone.ok(), qPrintable(undone.error()));
    QCOMPARE(before.changesTo(undone), QStringList());
    m_reload = false;
}

QTEST_MAIN(RealmFamiliesTest)
#include "tst_realm_families.moc"

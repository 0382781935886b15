// The accounts page on every schema family, through the real window, on the
// family fixtures (scripts/db/families/*.sql; the 2010 family on realmd):
// the list, its search, sort and paging, the lists of the grid's menu, the
// password check; then every change, each with the rows it changes compared
// before and after, and its undo script loaded back with the mariadb client
// putting the tables back byte for byte (binary salts and verifiers
// included). Password = user name for the shipped rows and the fixtures'
// scenario accounts.
#include "DatabaseProbe.h"
#include "KeyTyping.h"
#include "MariadbClient.h"
#include "TableSnapshot.h"
#include "accounts/AccountsFixture.h"
#include "common/MessageTexts.h"
#include "schema/Srp6.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace accountsfixture;

namespace {

struct Keyed {
    QString table;
    QString key;
};

// One family's fixture and what the page must show and write there.
struct FamilyCase {
    QString login;
    QString characters;
    QString world;
    QStringList tables; // the login tables a change may touch
    QString accessTable;
    // The list.
    QStringList ids;
    QStringList byName;
    QStringList levels;
    QString hashHeader;
    QString lastIpOf4;
    std::pair<QString, QStringList> searchName;
    std::pair<QString, QStringList> searchEmail;
    std::pair<QString, QStringList> searchIp;
    QStringList stale; // 150 days
    std::pair<QString, QStringList> sameIp;
    QStringList withoutCharacters;
    QList<std::pair<QString, QString>> passwords; // id, password
    // The changes.
    QString emailStored;   // " O'Neil\\New.Mod@Example.COM " of account 3, as the
                           // snapshot shows it
    QStringList levelKept; // account 1 becomes a moderator
    QString levelAddedId;  // a player becomes a gamemaster
    QStringList levelAdded;
    QString passwordId;       // "Новый1"
    QStringList storeColumns; // what a password writes: the hash or verifier first
    QString newHash;          // of "Новый1", for a hash store
    QString renamed;          // account 7 as "Новичок2x"
    QString renamedHash;      // with "Pass-7", for a hash store
    QStringList sessionKeys;  // account 3's that the reset clears
    QString deleteId;
    QList<Keyed> deleted;
    // "Удалить все устаревшие аккаунты": a row that goes with a stale
    // account, put there first; the rows that go.
    QString stalePrepare;
    QList<Keyed> staleDeleted;
    // Controls the family's schema does not let the panel change, with why.
    QList<std::pair<QString, QString>> readOnly;
};

QList<std::pair<const char*, FamilyCase>> families() {
    const QStringList scenarioIds = range(1, 8);
    const QStringList scenarioByName = {"1", "8", "2", "3", "7", "4", "6", "5"};
    const QStringList scenarioLevels = {"3", "2", "1", "0", "0", "0", "0", "0"};
    const auto scenario = [&](const char* login, const char* characters, const char* world) {
        FamilyCase c;
        c.login = QLatin1String(login);
        c.characters = QLatin1String(characters);
        c.world = QLatin1String(world);
        c.tables = {"account", "account_banned"};
        c.ids = scenarioIds;
        c.byName = scenarioByName;
        c.levels = scenarioLevels;
        c.lastIpOf4 = QStringLiteral("192.168.1.20");
        c.searchName = {"play", {"4"}};
        c.searchEmail = {"почта", {"4"}};
        c.searchIp = {"192.168.1.2", {"4", "6"}};
        c.stale = {"5"};
        c.sameIp = {"4", {"4", "6"}};
        c.withoutCharacters = {"5", "6", "7", "8"};
        c.passwords = {{"1", "administrator"}, {"4", "Player"}, {"8", "BANNED"}};
        c.emailStored = QStringLiteral("o\\'neil\\\\new.mod@example.com");
        c.levelAddedId = QStringLiteral("4");
        c.passwordId = QStringLiteral("5");
        c.renamed = QStringLiteral("Новичок2X");
        c.sessionKeys = {"sessionkey"};
        c.deleteId = QStringLiteral("8");
        c.deleted = {{"account", "8"}};
        c.staleDeleted = {{"account", "5"}};
        return c;
    };
    const auto perRealm = [](FamilyCase& c, const QString& levelKept, const QString& added) {
        c.tables << QStringLiteral("account_access");
        c.accessTable = QStringLiteral("account_access");
        c.levelKept = {QStringLiteral("account_access[1,-1].") + levelKept};
        c.levelAdded = {QStringLiteral("account_access[4,-1] added: ") + added};
        c.deleteId = QStringLiteral("3");
        c.deleted = {{"account", "3"}, {"account_access", "3,-1"}};
        c.stalePrepare = QStringLiteral("INSERT INTO %1.account_access VALUES (5, 1, 2%2)")
                                 .arg(c.login, c.login == u"vm_realmd" ? "" : ", 'stale GM'");
        c.staleDeleted = {{"account", "5"}, {"account_access", "5,2"}};
    };

    FamilyCase mangos;
    mangos.login = QStringLiteral("realmd");
    mangos.characters = QStringLiteral("characters");
    mangos.world = QStringLiteral("mangos");
    mangos.tables = {"account", "account_banned"};
    mangos.ids = range(1, 20);
    mangos.byName = {"1",  "18", "9", "4",  "8",  "16", "3",  "10", "14", "19",
                     "13", "5",  "2", "11", "17", "20", "12", "7",  "6",  "15"};
    mangos.levels = {"4", "3", "1", "2", "0", "0", "0", "0", "0", "0",
                     "0", "0", "0", "0", "0", "0", "0", "0", "3", "0"};
    mangos.hashHeader = QStringLiteral("sha_pass_hash");
    mangos.lastIpOf4 = QStringLiteral("10.0.0.16");
    mangos.searchName = {"таша", {"7"}};
    mangos.searchEmail = {"почта", {"5"}};
    mangos.searchIp = {"95.24", {"5", "6", "15"}};
    mangos.stale = {"6", "8", "9", "11", "14", "16", "18"};
    mangos.sameIp = {"5", {"5", "6", "15"}};
    mangos.withoutCharacters = {"10", "13", "17"};
    mangos.passwords = {{"1", "admin"}, {"4", "GmPass"}, {"7", "лето"}};
    mangos.emailStored = QStringLiteral("o\\'neil\\\\new.mod@example.com");
    mangos.levelKept = {"account[1].gmlevel: '4' -> '1'"};
    mangos.levelAddedId = QStringLiteral("5");
    mangos.levelAdded = {"account[5].gmlevel: '0' -> '2'"};
    mangos.passwordId = QStringLiteral("5");
    mangos.storeColumns = {"sha_pass_hash", "sessionkey", "v", "s"};
    // printf '%s' 'ВАСЯ:Новый1' | sha1sum (upper-cased)
    mangos.newHash = QStringLiteral("6C69D47F7BA9EE997FE6E55FFAEC4125E10EB39A");
    mangos.renamed = QStringLiteral("НОВИЧОК2X");
    // printf '%s' 'НОВИЧОК2X:PASS-7' | sha1sum
    mangos.renamedHash = QStringLiteral("CFE71EC519B7BDDF016752E0BC25AF2D28B85339");
    mangos.sessionKeys = {"sessionkey", "v", "s"};
    mangos.deleteId = QStringLiteral("9");
    mangos.deleted = {{"account", "9"}};
    for (const QString& id : mangos.stale)
        mangos.staleDeleted << Keyed{"account", id};

    FamilyCase rel2x = scenario("zero_realmd", "zero_characters", "zero_mangos");
    rel2x.hashHeader = QStringLiteral("sha_pass_hash");
    rel2x.levelKept = {"account[1].gmlevel: '3' -> '1'"};
    rel2x.levelAdded = {"account[4].gmlevel: '0' -> '2'"};
    rel2x.storeColumns = {"sha_pass_hash", "v", "s"};
    // printf '%s' 'STALE:Новый1' | sha1sum
    rel2x.newHash = QStringLiteral("B16EEA7E024B83EF5C7FD1AAB47BE6D0D402B36F");
    // printf '%s' 'Новичок2X:PASS-7' | sha1sum
    rel2x.renamedHash = QStringLiteral("D02F474D61D413FFD65CCA6C00C17DC25B608AFC");
    // The foreign key deletes the account's bans with it.
    rel2x.deleted = {{"account", "8"},
                     {"account_banned", "8,1700000000"},
                     {"account_banned", "8,1764547200"}};
    rel2x.stalePrepare = QStringLiteral(
            "INSERT INTO zero_realmd.account_banned VALUES (5, 1600000000, 1600000000, '', "
            "'old', 1)");
    rel2x.staleDeleted = {{"account", "5"}, {"account_banned", "5,1600000000"}};

    FamilyCase cmangos = scenario("wotlkrealmd", "wotlkcharacters", "wotlkmangos");
    cmangos.tables << QStringLiteral("account_logons");
    cmangos.hashHeader = QStringLiteral("v");
    // The shipped rows, as cmangos ships them.
    cmangos.passwords = {{"1", "ADMINISTRATOR"},
                         {"2", "gamemaster"},
                         {"3", "Moderator"},
                         {"4", "PLAYER"},
                         {"5", "stale"}};
    cmangos.levelKept = {"account[1].gmlevel: '3' -> '1'"};
    cmangos.levelAdded = {"account[4].gmlevel: '0' -> '2'"};
    cmangos.storeColumns = {"v", "s"};
    const QString logons = QStringLiteral("Берётся из таблицы account_logons: здесь не меняется.");
    cmangos.readOnly = {{"dxDNEdit13", logons},
                        {"dxDNEdit16", logons},
                        {"ComboBox11", "Этот столбец пишет сервер: здесь он не меняется."}};

    FamilyCase vmangos = scenario("vm_realmd", "vm_characters", "vm_mangos");
    vmangos.hashHeader = QStringLiteral("v");
    vmangos.passwords << std::pair{QStringLiteral("7"), QStringLiteral("nochars")};
    perRealm(vmangos, "gmlevel: '3' -> '1'", "id='4', gmlevel='2', RealmID='-1'");
    vmangos.storeColumns = {"v", "s"};

    FamilyCase trinity = scenario("tc_auth", "tc_characters", "tc_world");
    trinity.hashHeader = QStringLiteral("verifier");
    trinity.emailStored = QStringLiteral("O\\'NEIL\\\\NEW.MOD@EXAMPLE.COM");
    perRealm(trinity, "SecurityLevel: '3' -> '1'",
             "AccountID='4', SecurityLevel='2', RealmID='-1', Comment=NULL");
    trinity.storeColumns = {"verifier", "salt"};
    trinity.sessionKeys = {"session_key_auth"};

    FamilyCase azeroth = scenario("acore_auth", "acore_characters", "acore_world");
    azeroth.hashHeader = QStringLiteral("verifier");
    azeroth.emailStored = QStringLiteral("O\\'NEIL\\\\NEW.MOD@EXAMPLE.COM");
    perRealm(azeroth, "gmlevel: '3' -> '1'", "id='4', gmlevel='2', RealmID='-1', comment=''");
    azeroth.storeColumns = {"verifier", "salt"};
    azeroth.sessionKeys = {"session_key"};

    return {{"2010", mangos},     {"rel2x", rel2x},         {"cmangos", cmangos},
            {"vmangos", vmangos}, {"trinitycore", trinity}, {"azerothcore", azeroth}};
}

QMap<QString, QString> settingsOf(const FamilyCase& family) {
    return {{QStringLiteral("Base/realmd"), family.login},
            {QStringLiteral("Base/characters"), family.characters},
            {QStringLiteral("Base/mangos"), family.world}};
}

QStringList qualified(const FamilyCase& family) {
    QStringList tables;
    for (const QString& table : family.tables)
        tables << family.login + u'.' + table;
    return tables;
}

const TableSnapshot* tableIn(const TablesSnapshot& tables, const QString& name) {
    for (const TableSnapshot& table : tables.tables()) {
        if (table.name().section(u'.', 1) == name)
            return &table;
    }
    return nullptr;
}

TableSnapshot::Value valueOf(const TablesSnapshot& tables, const QString& table, const QString& key,
                             const QString& column) {
    const TableSnapshot* snapshot = tableIn(tables, table);
    if (!snapshot)
        return std::nullopt;
    const auto row = snapshot->row(key);
    const int index = int(snapshot->columns().indexOf(column));
    if (!row || index < 0)
        return std::nullopt;
    return row->value(index);
}

// The change lines of columns of one row, in the table's column order, from
// their values before and after.
QStringList changedLines(const TablesSnapshot& before, const TablesSnapshot& after,
                         const QString& table, const QString& key, const QStringList& columns) {
    QStringList lines;
    for (const QString& column : tableIn(before, table)->columns()) {
        if (!columns.contains(column))
            continue;
        lines << QStringLiteral("%1[%2].%3: %4 -> %5")
                         .arg(table, key, column, shownValue(valueOf(before, table, key, column)),
                              shownValue(valueOf(after, table, key, column)));
    }
    return lines;
}

// The line of a row that goes.
QString removedLine(const TablesSnapshot& before, const Keyed& row) {
    const TableSnapshot* snapshot = tableIn(before, row.table);
    QStringList values;
    const auto found = snapshot->row(row.key);
    for (int i = 0; i < snapshot->columns().size(); ++i)
        values << snapshot->columns()[i] + u'=' +
                          shownValue(found ? found->value(i) : std::nullopt);
    return QStringLiteral("%1[%2] removed: %3").arg(row.table, row.key, values.join(", "));
}

QString text(GuiDriver& gui, const char* name) {
    return gui.find<QLineEdit>(QLatin1String(name))->text();
}

QString verdict(GuiDriver& gui) {
    return gui.find<QLabel>(QStringLiteral("Label80"))->text();
}

void selectAccount(GuiDriver& gui, const QString& id) {
    gui.selectRowWhere(kGrid, 0, id);
}

// "Сравнить" of the password typed for the account.
QString compare(GuiDriver& gui, const QString& id, const QString& password) {
    selectAccount(gui, id);
    gui.retype(QStringLiteral("dxDNEdit19"), password);
    gui.click(QStringLiteral("dxButton39"));
    return verdict(gui);
}

int columnOf(GuiDriver& gui, const QString& header) {
    return int(gui.gridRow(kGrid, 0).indexOf(header));
}

QStringList sortedCopy(QStringList texts, bool descending) {
    std::sort(texts.begin(), texts.end());
    if (descending)
        std::reverse(texts.begin(), texts.end());
    return texts;
}

} // namespace

class AccountsFamiliesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void list_data();
    void list();
    void changes_data();
    void changes();
    void columnsTheDatabaseLacks();

private:
    void addFamilies();
    TestServer m_server;
    bool m_changed = false;
};

void AccountsFamiliesTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void AccountsFamiliesTest::cleanup() {
    if (m_changed)
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
    m_changed = false;
}

void AccountsFamiliesTest::addFamilies() {
    QTest::addColumn<int>("index");
    const auto all = families();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].first) << i;
}

void AccountsFamiliesTest::list_data() {
    addFamilies();
}

void AccountsFamiliesTest::list() {
    QFETCH(int, index);
    const FamilyCase family = families()[index].second;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server, settingsOf(family));
    QVERIFY2(gui.dialogs.boxes().isEmpty(), qPrintable(gui.dialogs.describe().join(u'\n')));

    // Every row of the table, in the family's columns.
    DatabaseProbe probe(m_server);
    QCOMPARE(ids(gui),
             probe.rows(QStringLiteral("select id from %1.account order by id").arg(family.login)));
    QCOMPARE(ids(gui), family.ids);
    QCOMPARE(countText(gui), QStringLiteral("Найдено записей: %1").arg(family.ids.size()));
    QCOMPARE(gui.gridRow(kGrid, 0)[2], family.hashHeader);
    QCOMPARE(column(gui, columnOf(gui, "gmlevel")), family.levels);
    QCOMPARE(column(gui, columnOf(gui, "last_ip"))[3], family.lastIpOf4);
    QVERIFY(!column(gui, 2)[0].isEmpty());

    // Search by each edit, then by id.
    const std::tuple<const char*, std::pair<QString, QStringList>> searches[] = {
            {"dxDNEdit15", family.searchName},
            {"dxDNEdit17", family.searchEmail},
            {"dxDNEdit18", family.searchIp}};
    for (const auto& [edit, search] : searches) {
        gui.click(QStringLiteral("dxButton19"));
        gui.retype(QLatin1String(edit), search.first);
        gui.click(QStringLiteral("dxButton18"));
        QCOMPARE(ids(gui), search.second);
    }
    gui.click(QStringLiteral("dxButton19"));
    gui.retype(QStringLiteral("dxDNEdit10"), QStringLiteral("3"));
    gui.click(QStringLiteral("dxButton18"));
    QCOMPARE(ids(gui), QStringList{"3"});
    gui.click(QStringLiteral("dxButton19"));

    // Sort by name, by the last IP and the last login (descending) by their
    // aliases.
    gui.click(QStringLiteral("RadioButton2"));
    gui.click(QStringLiteral("dxButton9"));
    QCOMPARE(ids(gui), family.byName);
    gui.click(QStringLiteral("RadioButton4"));
    gui.click(QStringLiteral("dxButton9"));
    const QStringList ips = column(gui, columnOf(gui, "last_ip"));
    QCOMPARE(ips, sortedCopy(ips, false));
    gui.click(QStringLiteral("dxCheckbox7"));
    gui.click(QStringLiteral("RadioButton5"));
    gui.click(QStringLiteral("dxButton9"));
    const QStringList logins = column(gui, columnOf(gui, "last_login"));
    QCOMPARE(logins, sortedCopy(logins, true));
    QVERIFY(gui.dialogs.boxes().isEmpty());

    // Pages of three, by id.
    gui.click(QStringLiteral("dxButton19"));
    gui.click(QStringLiteral("RadioButton1"));
    QLineEdit* limit = gui.find<QComboBox>(QStringLiteral("ComboBox16"))->lineEdit();
    limit->setFocus();
    limit->selectAll();
    typeText(limit, QStringLiteral("3"));
    QCOMPARE(ids(gui), family.ids.mid(0, 3));
    gui.click(QStringLiteral("dxButton37"));
    QCOMPARE(ids(gui), family.ids.mid(3, 3));
    gui.click(QStringLiteral("dxButton37"));
    QCOMPARE(ids(gui), family.ids.mid(6, 3));
    gui.click(QStringLiteral("dxButton14"));
    QCOMPARE(ids(gui), family.ids.mid(3, 3));
    gui.click(QStringLiteral("dxButton19"));

    // The lists of the grid's menu.
    gui.chooseMenuItem(kGrid, QStringLiteral("N13"));
    QCOMPARE(ids(gui), family.stale);
    gui.click(QStringLiteral("dxButton19"));
    selectAccount(gui, family.sameIp.first);
    gui.chooseMenuItem(kGrid, QStringLiteral("IP1"));
    QCOMPARE(ids(gui), family.sameIp.second);
    gui.click(QStringLiteral("dxButton19"));
    gui.chooseMenuItem(kGrid, QStringLiteral("N4"));
    QCOMPARE(ids(gui), family.withoutCharacters);
    gui.click(QStringLiteral("dxButton19"));
    QVERIFY2(gui.dialogs.boxes().isEmpty(), qPrintable(gui.dialogs.describe().join(u'\n')));

    // "Сравнить": the stored password of the stored name, right and wrong.
    for (const auto& [id, password] : family.passwords) {
        QCOMPARE(compare(gui, id, password), QStringLiteral("Совпадает!"));
        QVERIFY(!gui.find<QLabel>(QStringLiteral("Label16"))->text().isEmpty());
        QCOMPARE(compare(gui, id, password + u'x'), QStringLiteral("Разные!"));
    }
    // What the panel cannot change here is disabled and says why; the rest
    // can be changed.
    const char* editable[] = {"dxDNEdit8",  "ComboBox8",  "dxDNEdit11", "dxDNEdit13",
                              "ComboBox9",  "dxDNEdit16", "ComboBox10", "ComboBox11",
                              "dxDNEdit19", "dxButton17", "dxButton39"};
    for (const char* name : editable) {
        QWidget* control = gui.find<QWidget>(QLatin1String(name));
        const auto readOnly =
                std::find_if(family.readOnly.begin(), family.readOnly.end(),
                             [&](const auto& entry) { return entry.first == QLatin1String(name); });
        QCOMPARE(control->isEnabled(), readOnly == family.readOnly.end());
        QCOMPARE(control->toolTip(),
                 readOnly == family.readOnly.end() ? QString() : readOnly->second);
    }
    // Every menu item is there to be chosen on every family.
    for (QAction* action : gui.find<QMenu>(QStringLiteral("acc_menu"))->actions()) {
        if (!action->objectName().isEmpty() && !action->text().startsWith(u'-'))
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    }
}

void AccountsFamiliesTest::changes_data() {
    addFamilies();
}

void AccountsFamiliesTest::changes() {
    QFETCH(int, index);
    const FamilyCase family = families()[index].second;
    const QStringList tables = qualified(family);
    m_changed = true;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server, settingsOf(family));
    gui.dialogs.defaultAnswer = true;
    DatabaseProbe probe(m_server);
    const QDir journal(QDir(gui.directory()).filePath(QStringLiteral("journal")));
    QSet<QString> knownScripts;

    // Runs a change; its rows before and after compared with what it must
    // change; its undo script, loaded with the mariadb client, puts the
    // tables back. expected gets the snapshots to build the lines that need
    // values read back.
    const auto change = [&](const char* what, const char* operation,
                            const std::function<void()>& run,
                            const std::function<QStringList(const TablesSnapshot&,
                                                            const TablesSnapshot&)>& expected) {
        // After a failure the tables are no longer those the next change
        // expects.
        if (QTest::currentTestFailed())
            return;
        const TablesSnapshot before = TablesSnapshot::take(probe, tables);
        QVERIFY2(before.ok(), qPrintable(before.error()));
        const QStringList checksums = probe.checksums(tables);
        gui.dialogs.clear();
        run();
        QVERIFY2(gui.dialogs.boxes().size() <= 1 &&
                         std::all_of(gui.dialogs.boxes().begin(), gui.dialogs.boxes().end(),
                                     [](const ScriptedDialogs::Box& box) {
                                         return box.kind == ScriptedDialogs::Kind::Confirmation;
                                     }),
                 qPrintable(QLatin1String(what) + u' ' + gui.dialogs.describe().join(u'\n')));
        const TablesSnapshot after = TablesSnapshot::take(probe, tables);
        QCOMPARE(before.changesTo(after), expected(before, after));

        QStringList scripts = journal.entryList(
                {QStringLiteral("undo-*-%1.sql").arg(QLatin1String(operation))}, QDir::Files);
        scripts.removeIf([&](const QString& name) { return knownScripts.contains(name); });
        QCOMPARE(scripts.size(), 1);
        knownScripts.insert(scripts.first());
        const ClientRun load =
                loadWithMariadbClient(m_server, family.login, journal.filePath(scripts.first()));
        QVERIFY2(load.ok(), qPrintable(load.output));
        const TablesSnapshot restored = TablesSnapshot::take(probe, tables);
        QCOMPARE(before.changesTo(restored), QStringList());
        QCOMPARE(probe.checksums(tables), checksums);
        gui.click(QStringLiteral("dxButton9"));
    };

    // The e-mail, in the letter case the family's server writes it.
    change(
            "e-mail", "account-save",
            [&] {
                selectAccount(gui, QStringLiteral("3"));
                gui.retype(QStringLiteral("dxDNEdit11"),
                           QStringLiteral(" O'Neil\\New.Mod@Example.COM "));
                gui.click(QStringLiteral("dxButton15"));
            },
            [&](const TablesSnapshot& before, const TablesSnapshot& after) {
                const QStringList lines =
                        changedLines(before, after, "account", "3", {QStringLiteral("email")});
                return QStringList{lines.value(0).section(" -> ", 0, 0) + " -> '" +
                                   family.emailStored + u'\''};
            });
    if (QTest::currentTestFailed())
        return;

    // The GM level: in the account row, or in the all-realms row kept per
    // realm (changed in place, its comment kept; or added, and the undo
    // drops it again). The list shows the level that now applies.
    change(
            "level of an account with its row", "account-save",
            [&] {
                selectAccount(gui, QStringLiteral("1"));
                gui.choose(QStringLiteral("ComboBox8"), QStringLiteral("1 - moderator"));
                gui.click(QStringLiteral("dxButton15"));
                QCOMPARE(gui.gridRow(kGrid, rowOf(gui, "1"))[columnOf(gui, "gmlevel")],
                         QStringLiteral("1"));
            },
            [&](const TablesSnapshot&, const TablesSnapshot&) { return family.levelKept; });
    change(
            "level of a player", "account-save",
            [&] {
                selectAccount(gui, family.levelAddedId);
                gui.choose(QStringLiteral("ComboBox8"), QStringLiteral("2 - gamemaster"));
                gui.click(QStringLiteral("dxButton15"));
                QCOMPARE(gui.gridRow(kGrid,
                                     rowOf(gui, family.levelAddedId))[columnOf(gui, "gmlevel")],
                         QStringLiteral("2"));
            },
            [&](const TablesSnapshot&, const TablesSnapshot&) { return family.levelAdded; });
    if (QTest::currentTestFailed())
        return;

    // "Установить": the family's own store; the hash edit shows what was
    // written; "Сравнить" then knows the new password (Cyrillic keeps its
    // letter case).
    const QString& pid = family.passwordId;
    QString hashShown;
    change(
            "password", "account-password",
            [&] {
                selectAccount(gui, pid);
                gui.retype(QStringLiteral("dxDNEdit19"), QStringLiteral("Новый1"));
                gui.click(QStringLiteral("dxButton17"));
                hashShown = text(gui, "dxDNEdit9");
                QCOMPARE(compare(gui, pid, QStringLiteral("Новый1")), QStringLiteral("Совпадает!"));
                QCOMPARE(compare(gui, pid, QStringLiteral("новый1")), QStringLiteral("Разные!"));
            },
            [&](const TablesSnapshot& before, const TablesSnapshot& after) {
                const QString store = family.storeColumns.first();
                // The hash edit shows what was written, as the list shows it.
                [&] {
                    const QByteArray written = *valueOf(after, "account", pid, store);
                    QCOMPARE(hashShown, family.hashHeader == u"verifier"
                                                ? QString::fromLatin1(written.toHex().toUpper())
                                                : QString::fromLatin1(written));
                }();
                if (!family.newHash.isEmpty()) {
                    [&] {
                        QCOMPARE(shownValue(valueOf(after, "account", pid, store)),
                                 u'\'' + family.newHash + u'\'');
                    }();
                } else {
                    [&] {
                        const auto salt = valueOf(after, "account", pid, family.storeColumns[1]);
                        const auto verifier = valueOf(after, "account", pid, store);
                        QVERIFY(salt && verifier);
                        const QByteArray name = *valueOf(after, "account", pid, "username");
                        if (family.hashHeader == u"v") {
                            // 64 digits, the top one 8 or more: a 32-byte number.
                            QCOMPARE(salt->size(), 64);
                            QVERIFY(QByteArray("89ABCDEF").contains(salt->at(0)));
                            QVERIFY(srp6::matchesHex(
                                    {QString::fromLatin1(*salt), QString::fromLatin1(*verifier)},
                                    name, QStringLiteral("Новый1")));
                        } else {
                            QCOMPARE(salt->size(), 32);
                            QVERIFY(quint8(salt->back()) >= 0x80);
                            QVERIFY(srp6::matchesBinary({*salt, *verifier}, name,
                                                        QStringLiteral("Новый1")));
                        }
                    }();
                }
                return changedLines(before, after, "account", pid, family.storeColumns);
            });
    if (QTest::currentTestFailed())
        return;

    // A new name with its new password, in one statement.
    change(
            "rename", "account-save",
            [&] {
                selectAccount(gui, QStringLiteral("7"));
                gui.retype(QStringLiteral("dxDNEdit8"), QStringLiteral("Новичок2x"));
                gui.retype(QStringLiteral("dxDNEdit19"), QStringLiteral("Pass-7"));
                gui.click(QStringLiteral("dxButton15"));
                QCOMPARE(gui.gridRow(kGrid, rowOf(gui, "7"))[1], family.renamed);
                QCOMPARE(compare(gui, "7", QStringLiteral("pass-7")), QStringLiteral("Совпадает!"));
            },
            [&](const TablesSnapshot& before, const TablesSnapshot& after) {
                if (!family.renamedHash.isEmpty()) {
                    [&] {
                        QCOMPARE(shownValue(valueOf(after, "account", "7",
                                                    family.storeColumns.first())),
                                 u'\'' + family.renamedHash + u'\'');
                    }();
                }
                return changedLines(before, after, "account", "7",
                                    QStringList{"username"} + family.storeColumns);
            });
    // Without a new password a new name is refused: nothing is written.
    {
        const TablesSnapshot before = TablesSnapshot::take(probe, tables);
        selectAccount(gui, QStringLiteral("2"));
        gui.retype(QStringLiteral("dxDNEdit8"), QStringLiteral("OTHERNAME"));
        gui.clearText(QStringLiteral("dxDNEdit19"));
        gui.dialogs.clear();
        gui.click(QStringLiteral("dxButton15"));
        QCOMPARE(gui.dialogs.describe(),
                 QStringList{QStringLiteral("error|Переименование аккаунта|") +
                             QString::fromUtf16(boxes::kRenameNeedsPassword.text)});
        QCOMPARE(before.changesTo(TablesSnapshot::take(probe, tables)), QStringList());
    }
    if (QTest::currentTestFailed())
        return;

    // The session key: only the family's session keys.
    change(
            "session key", "account-session-key",
            [&] {
                selectAccount(gui, QStringLiteral("3"));
                gui.chooseMenuItem(kGrid, QStringLiteral("N22"));
            },
            [&](const TablesSnapshot& before, const TablesSnapshot& after) {
                for (const QString& key : family.sessionKeys)
                    [&] {
                        QVERIFY(!valueOf(after, "account", "3", key));
                    }();
                return changedLines(before, after, "account", "3", family.sessionKeys);
            });

    // The stale accounts, with the rows that go with them.
    if (!family.stalePrepare.isEmpty())
        QVERIFY2(probe.exec(family.stalePrepare), qPrintable(probe.lastError()));
    change(
            "stale accounts", "stale-accounts-erase",
            [&] {
                gui.chooseMenuItem(kGrid, QStringLiteral("N14"));
                for (const Keyed& row : family.staleDeleted) {
                    if (row.table == u"account")
                        QCOMPARE(rowOf(gui, row.key), -1);
                }
            },
            [&](const TablesSnapshot& before, const TablesSnapshot&) {
                QStringList lines;
                for (const QString& table : family.tables) {
                    for (const Keyed& row : family.staleDeleted) {
                        if (row.table == table)
                            lines << removedLine(before, row);
                    }
                }
                return lines;
            });

    // Delete: the account with the rows that go with it.
    change(
            "delete", "account-delete",
            [&] {
                selectAccount(gui, family.deleteId);
                gui.click(QStringLiteral("dxButton16"));
                QCOMPARE(rowOf(gui, family.deleteId), -1);
            },
            [&](const TablesSnapshot& before, const TablesSnapshot&) {
                QStringList lines;
                for (const QString& table : family.tables) {
                    for (const Keyed& row : family.deleted) {
                        if (row.table == table)
                            lines << removedLine(before, row);
                    }
                }
                return lines;
            });
    // Every change was undone: the tables are as loaded (but for the row
    // put there for the stale accounts).
    m_changed = QTest::currentTestFailed() || !family.stalePrepare.isEmpty();
}

void AccountsFamiliesTest::columnsTheDatabaseLacks() {
    // An account table without last_ip and last_login: the list shows the
    // rest; what needs them is disabled and says why.
    m_changed = true;
    DatabaseProbe probe(m_server);
    for (const char* statement :
         {"DROP DATABASE IF EXISTS rd_lacking", "CREATE DATABASE rd_lacking",
          "CREATE TABLE rd_lacking.account LIKE realmd.account",
          "INSERT INTO rd_lacking.account SELECT * FROM realmd.account",
          "ALTER TABLE rd_lacking.account DROP COLUMN last_ip, DROP COLUMN last_login"})
        QVERIFY2(probe.exec(QLatin1String(statement)), qPrintable(probe.lastError()));
    GuiDriver gui;
    startOnAccountsPage(gui, m_server,
                        {{QStringLiteral("Base/realmd"), QStringLiteral("rd_lacking")}});
    QCOMPARE(ids(gui), range(1, 20));
    const QStringList headers = gui.gridRow(kGrid, 0);
    QVERIFY(!headers.contains(QStringLiteral("last_ip")));
    QVERIFY(!headers.contains(QStringLiteral("last_login")));
    QVERIFY(headers.contains(QStringLiteral("email")));

    const QString noIp = QStringLiteral("В базе нет столбцов: account.last_ip.");
    const QString noLogin = QStringLiteral("В базе нет столбцов: account.last_login.");
    const std::pair<const char*, QString> controls[] = {{"RadioButton4", noIp},
                                                        {"RadioButton5", noLogin},
                                                        {"dxDNEdit18", noIp},
                                                        {"dxDNEdit13", noIp},
                                                        {"dxDNEdit16", noLogin}};
    for (const auto& [name, tip] : controls) {
        QWidget* control = gui.find<QWidget>(QLatin1String(name));
        QVERIFY2(!control->isEnabled(), name);
        QCOMPARE(control->toolTip(), tip);
    }
    auto* menu = gui.find<QMenu>(QStringLiteral("acc_menu"));
    const std::pair<const char*, QString> items[] = {
            {"IP1", noIp}, {"N13", noLogin}, {"N14", noLogin}};
    for (const auto& [name, tip] : items) {
        QAction* action = menu->findChild<QAction*>(QLatin1String(name));
        QVERIFY2(!action->isEnabled(), name);
        QCOMPARE(action->toolTip(), tip);
    }
    // Chosen anyway, the items do nothing: no list, no deletion.
    gui.dialogs.defaultAnswer = true;
    gui.chooseMenuItem(kGrid, QStringLiteral("N14"));
    QCOMPARE(ids(gui), range(1, 20));
    QVERIFY(gui.dialogs.boxes().isEmpty());
    QCOMPARE(probe.scalar(QStringLiteral("select count(*) from rd_lacking.account")),
             QStringLiteral("20"));
    // The rest of the edit panel works: an e-mail is saved.
    selectAccount(gui, QStringLiteral("3"));
    QVERIFY(gui.find<QWidget>(QStringLiteral("dxDNEdit11"))->isEnabled());
    gui.retype(QStringLiteral("dxDNEdit11"), QStringLiteral("x@y.z"));
    gui.click(QStringLiteral("dxButton15"));
    QCOMPARE(probe.scalar(QStringLiteral("select email from rd_lacking.account where id = 3")),
             QStringLiteral("x@y.z"));
    QVERIFY(probe.exec(QStringLiteral("DROP DATABASE rd_lacking")));
}

QTEST_MAIN(AccountsFamiliesTest)
#include "tst_accounts_families.moc"

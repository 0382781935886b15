// Every operation of the pages that deletes or changes rows, run through the
// real window: it saves its undo script, and loading that script with the
// mariadb client puts every table it touched back byte for byte (the
// server's checksum of the rows, and every row as the server shows it), with
// NULLs, Windows-1251 bytes, quotes, backslashes and Cyrillic among the
// values.
#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "MariadbClient.h"
#include "StringGrid.h"
#include "TForm1.h"
#include "TableSnapshot.h"
#include "characters/CharacterPageTesting.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <functional>

namespace {

// One operation: the tables it touches, the values it meets there, and how
// a person runs it.
struct Operation {
    const char* name;
    const char* script; // the operation's part of the undo script's name
    QStringList tables; // "database.table"
    QMap<QString, QString> settings;
    QStringList prepare; // statements that put awkward values in its way
    std::function<void(GuiDriver&)> run;
};

void showPage(GuiDriver& gui, int page) {
    gui.window().pageControl()->setCurrentIndex(page);
}

// The account page with an account selected.
std::function<void(GuiDriver&)> onAccount(const QString& id,
                                          const std::function<void(GuiDriver&)>& then) {
    return [id, then](GuiDriver& gui) {
        showPage(gui, 3);
        gui.selectRowWhere(QStringLiteral("StringGrid2"), 0, id);
        then(gui);
    };
}

// The character page with a character selected.
std::function<void(GuiDriver&)> onCharacter(const QString& guid,
                                            const std::function<void(GuiDriver&)>& then) {
    return [guid, then](GuiDriver& gui) {
        showPage(gui, 2);
        gui.selectRowWhere(QStringLiteral("StringGrid3"), 0, guid, 2);
        then(gui);
    };
}

std::function<void(GuiDriver&)> click(const QString& name) {
    return [name](GuiDriver& gui) {
        gui.click(name);
    };
}

std::function<void(GuiDriver&)> menu(const QString& grid, const QString& item) {
    return [grid, item](GuiDriver& gui) {
        gui.chooseMenuItem(grid, item);
    };
}

const QString kAccounts = QStringLiteral("StringGrid2");
const QString kCharacters = QStringLiteral("StringGrid3");
const QString kIpBans = QStringLiteral("StringGrid7");
const QString kAccountBans = QStringLiteral("StringGrid6");

using characterpage::kCharacterTables;

// Awkward values for the rows the operations meet: quotes, backslashes,
// control characters, Cyrillic, NULL beside empty text, floats that six
// digits do not hold.
const QStringList kAwkwardAccounts = {
        "UPDATE realmd.account SET email = 'в''а\"с\\\\я\\r\\n@почта.рф', sessionkey = '', "
        "v = NULL WHERE id = 5",
        "UPDATE realmd.account SET email = 'o''hara\\\\x@example.com', s = '' WHERE id IN (8, 20)",
        "UPDATE realmd.account SET username = 'O''КОТ\"\\\\' WHERE id = 20"};
const QStringList kAwkwardCharacters = {
        "UPDATE characters.characters SET taxi_path = 'путь\\n\"a\" \\\\b''', data = NULL, "
        "trans_x = 0.1, transguid = 18446744073709551615 WHERE guid = 5",
        "UPDATE characters.characters SET taxi_path = NULL, position_x = -8949.951171875 WHERE "
        "guid = 28",
        "UPDATE characters.characters SET taxi_path = '', name = 'Б''\"\\\\' WHERE guid = 29",
        "UPDATE characters.character_social SET note = 'a''b\"\\\\c\\n' WHERE guid = 5 AND "
        "friend = 28",
        "UPDATE characters.item_instance SET data = NULL WHERE guid = 1403"};

QList<Operation> operations() {
    const QMap<QString, QString> onRealmPage = {
            {QStringLiteral("Intreface/startpage"), QStringLiteral("Реалм")}};
    const QMap<QString, QString> onBroadcastPage = {
            {QStringLiteral("Intreface/startpage"), QStringLiteral("Автооповещение")}};
    return {
            {"account delete",
             "account-delete",
             {"realmd.account"},
             {},
             kAwkwardAccounts,
             onAccount("20", click("dxButton16"))},
            {"account delete, older table with Windows-1251 bytes and NULL dates",
             "account-delete",
             {"realmd_old.account"},
             {{"Base/realmd", "realmd_old"}},
             {},
             onAccount("1", click("dxButton16"))},
            {"account save",
             "account-save",
             {"realmd.account"},
             {},
             kAwkwardAccounts,
             onAccount("5",
                       [](GuiDriver& gui) {
                           gui.retype("dxDNEdit11", "new@mail.ru");
                           gui.choose("ComboBox8", "2 - gamemaster");
                           gui.click("dxButton15");
                       })},
            {"account save with a new name and its password",
             "account-save",
             {"realmd.account"},
             {},
             kAwkwardAccounts,
             onAccount("20",
                       [](GuiDriver& gui) {
                           gui.retype("dxDNEdit8", "KOT2");
                           gui.type("dxDNEdit19", "мяу\"'\\");
                           gui.click("dxButton15");
                       })},
            {"account password",
             "account-password",
             {"realmd.account"},
             {},
             kAwkwardAccounts,
             onAccount("5",
                       [](GuiDriver& gui) {
                           gui.type("dxDNEdit19", "новый");
                           gui.click("dxButton17");
                       })},
            {"account session key",
             "account-session-key",
             {"realmd.account"},
             {},
             kAwkwardAccounts,
             onAccount("5", menu(kAccounts, "N22"))},
            {"stale accounts erase",
             "stale-accounts-erase",
             {"realmd.account"},
             {{"Account/ErasePeriod", "150"}},
             kAwkwardAccounts,
             onAccount("1", menu(kAccounts, "N14"))},
            {"characters without account deleted",
             "orphan-characters-delete",
             kCharacterTables,
             {},
             kAwkwardCharacters,
             onCharacter("1", menu(kCharacters, "deleteWithoutAccountItem"))},
            {"characters without account moved",
             "orphan-characters-move",
             {"characters.characters"},
             {{"Account/AdminAccount", "19"}},
             kAwkwardCharacters,
             onCharacter("1", menu(kCharacters, "moveWithoutAccountItem"))},
            {"account ban lift",
             "account-ban-lift",
             {"realmd.account_banned"},
             onRealmPage,
             {"UPDATE realmd.account_banned SET banreason = 'ч''и\"т\\\\\\n' WHERE id = 9"},
             [](GuiDriver& gui) {
                 gui.selectRowWhere(kAccountBans, 0, "9");
                 gui.chooseMenuItem(kAccountBans, "N9");
             }},
            {"account ban delete",
             "account-ban-delete",
             {"realmd.account_banned"},
             onRealmPage,
             {"UPDATE realmd.account_banned SET bannedby = 'Ё''\\\\' WHERE id = 9"},
             [](GuiDriver& gui) {
                 gui.selectRowWhere(kAccountBans, {{0, "9"}, {1, "1717200000"}});
                 gui.chooseMenuItem(kAccountBans, "N10");
             }},
            {"IP ban delete, a reason in Windows-1251 bytes",
             "ip-ban-delete",
             {"realmd.ip_banned"},
             onRealmPage,
             {},
             [](GuiDriver& gui) {
                 gui.selectRowWhere(kIpBans, 1, "10.10.10.10");
                 gui.chooseMenuItem(kIpBans, "N5");
             }},
            {"IP ban reason",
             "ip-ban-reason",
             {"realmd.ip_banned"},
             onRealmPage,
             {"UPDATE realmd.ip_banned SET banreason = X'D0E5EAEBE0ECE0' WHERE ip = "
              "'198.51.100.23' AND bandate = 1704067200"},
             [](GuiDriver& gui) {
                 gui.selectRowWhere(kIpBans, 1, "198.51.100.23");
                 gui.retype("dxDNEdit41", "новая \"причина\" \\");
                 gui.click("dxButton40");
             }},
            {"broadcast delete",
             "broadcast-delete",
             {"realmd.autobroadcast"},
             onBroadcastPage,
             {"UPDATE realmd.autobroadcast SET text = 'a''b\"c\\\\d\\r\\nё' WHERE id = 3"},
             [](GuiDriver& gui) {
                 gui.selectRowWhere("StringGrid1", 0, "3");
                 gui.click("dxButton6");
             }},
            {"broadcast save",
             "broadcast-save",
             {"realmd.autobroadcast"},
             onBroadcastPage,
             {},
             [](GuiDriver& gui) {
                 gui.selectRowWhere("StringGrid1", 0, "7");
                 gui.retype("dxDNEdit5", "Новый текст");
                 gui.retype("dxDNEdit52", "4");
                 gui.click("dxButton4");
             }},
            {"realm delete",
             "realm-delete",
             {"realmd.realmlist"},
             onRealmPage,
             {"UPDATE realmd.realmlist SET name = 'Огонь''\"\\\\', population = 0.1 WHERE id = 1"},
             [](GuiDriver& gui) {
                 gui.selectRowWhere("StringGrid5", 0, "1");
                 gui.click("dxButton25");
             }},
            {"realm write",
             "realm-write",
             {"realmd.realmlist"},
             onRealmPage,
             {"UPDATE realmd.realmlist SET name = 'Север''\\\\', address = 'realm.example' WHERE "
              "id = 2"},
             [](GuiDriver& gui) {
                 gui.selectRowWhere("StringGrid5", 0, "2");
                 gui.retype("dxDNEdit25", "Южный");
                 gui.retype("dxDNEdit27", "9000");
                 gui.click("dxButton24");
             }},
            {"character rename",
             "character-rename",
             {"characters.characters"},
             {},
             kAwkwardCharacters,
             onCharacter("29",
                         [](GuiDriver& gui) {
                             gui.retype("dxDNEdit36", "ghost");
                             gui.click("dxButton31");
                         })},
            {"character account",
             "character-account",
             {"characters.characters"},
             {},
             kAwkwardCharacters,
             onCharacter("5",
                         [](GuiDriver& gui) {
                             gui.retype("dxDNEdit35", "19");
                             gui.click("dxButton29");
                         })},
            {"character at-login flags",
             "character-at-login",
             {"characters.characters"},
             {},
             kAwkwardCharacters,
             onCharacter("5",
                         [](GuiDriver& gui) {
                             gui.click("dxCheckbox4");
                             gui.click("dxButton38");
                         })},
            {"character gender",
             "character-gender",
             {"characters.characters"},
             {},
             kAwkwardCharacters,
             onCharacter("5", click("dxButton33"))},
            {"character money",
             "character-money",
             {"characters.characters"},
             {},
             kAwkwardCharacters,
             onCharacter("5",
                         [](GuiDriver& gui) {
                             gui.retype("dxDNEdit49", "123456");
                             gui.click("dxButton28");
                         })},
            {"character level",
             "character-level",
             {"characters.characters"},
             {},
             kAwkwardCharacters,
             onCharacter("5",
                         [](GuiDriver& gui) {
                             gui.retype("dxDNEdit48", "61");
                             gui.click("dxButton30");
                         })},
            {"character repair",
             "character-repair",
             {"characters.character_aura", "characters.groups", "characters.group_member",
              "characters.corpse", "characters.characters"},
             {},
             kAwkwardCharacters + QStringList{"INSERT INTO characters.character_aura VALUES (5, 5, "
                                              "15007, 1, 3, -70, 600000, 1, -1)"},
             onCharacter("5", menu(kCharacters, "repairItem"))},
            {"quest chain reset",
             "quest-chain-reset",
             {"characters.character_queststatus"},
             {},
             {},
             onCharacter("5", menu(kCharacters, "moreFunctionsMenu/questChainResetItem"))},
    };
}

} // namespace

class UndoOperationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void scriptPutsTheTablesBack_data();
    void scriptPutsTheTablesBack();

private:
    TestServer m_server;
    bool m_changed = false;
};

void UndoOperationsTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void UndoOperationsTest::cleanup() {
    if (m_changed)
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
    m_changed = false;
}

void UndoOperationsTest::scriptPutsTheTablesBack_data() {
    QTest::addColumn<int>("index");
    const QList<Operation> all = operations();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].name) << i;
}

void UndoOperationsTest::scriptPutsTheTablesBack() {
    QFETCH(int, index);
    const Operation operation = operations()[index];
    m_changed = true;
    {
        DatabaseProbe probe(m_server);
        QVERIFY(probe.exec(QStringLiteral("SET NAMES utf8mb4")));
        for (const QString& statement : operation.prepare)
            QVERIFY2(probe.exec(statement), qPrintable(statement + u' ' + probe.lastError()));
    }
    const QStringList before = DatabaseProbe(m_server).checksums(operation.tables);
    DatabaseProbe probe(m_server);
    const TablesSnapshot rowsBefore = TablesSnapshot::take(probe, operation.tables);
    QVERIFY2(rowsBefore.ok(), qPrintable(rowsBefore.error()));

    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server, operation.settings));
    gui.start();
    gui.dialogs.defaultAnswer = true;
    operation.run(gui);
    for (const ScriptedDialogs::Box& box : gui.dialogs.boxes())
        QVERIFY2(box.caption != QStringLiteral("Операция не выполнена") &&
                         !box.caption.startsWith(QStringLiteral("Ошибка")),
                 qPrintable(box.caption + u'|' + box.text));

    // The operation changed every table it touches.
    const QStringList changed = DatabaseProbe(m_server).checksums(operation.tables);
    for (int i = 0; i < before.size(); ++i)
        QVERIFY2(changed[i] != before[i], qPrintable(operation.tables[i]));

    // One script, named by the operation, and its line in the connection log.
    const QDir folder(QDir(gui.directory()).filePath(QStringLiteral("journal")));
    const QStringList scripts = folder.entryList(
            {QStringLiteral("undo-*-%1.sql").arg(QLatin1String(operation.script))}, QDir::Files);
    QCOMPARE(scripts.size(), 1);
    const QString script = folder.filePath(scripts.first());
    QVERIFY(gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))
                    ->toPlainText()
                    .contains(QStringLiteral("Сценарий отмены сохранён: ") + script));
    gui.stop();

    const QString database = operation.tables.first().section(u'.', 0, 0);
    const ClientRun load = loadWithMariadbClient(m_server, database, script);
    QVERIFY2(load.ok(), qPrintable(load.output));
    const TablesSnapshot rowsAfter = TablesSnapshot::take(probe, operation.tables);
    QCOMPARE(rowsBefore.changesTo(rowsAfter), QStringList());
    QCOMPARE(DatabaseProbe(m_server).checksums(operation.tables), before);
}

QTEST_MAIN(UndoOperationsTest)
#include "tst_undo_operations.moc"

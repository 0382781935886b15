// Every changing operation of every page, worked through the real window on
// the test server: the tables it touches are read whole before and after, and
// exactly the intended rows and columns must have changed. A change that the
// server rejects shows the server's message and changes nothing.
#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "ServerLog.h"
#include "StringGrid.h"
#include "TableSnapshot.h"
#include "characters/CharacterPageTesting.h"

#include <QLineEdit>
#include <QTest>

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <thread>

namespace {

using Steps = std::function<void(GuiDriver&)>;

const QString kBroadcasts = QStringLiteral("StringGrid1");
const QString kRealms = QStringLiteral("StringGrid5");
const QString kIpBans = QStringLiteral("StringGrid7");
const QString kAccountBans = QStringLiteral("StringGrid6");
const QString kAccounts = QStringLiteral("StringGrid2");
const QString kCharacters = QStringLiteral("StringGrid3");

using characterpage::kCharacterTables;

const QString kChangeFailed =
        QStringLiteral("error|Ошибка изменения данных|Сервер не подтвердил изменение:\r\n");

// Whether the changes are the expected ones, in order. An expected line
// ending in "*" stands for any change line that begins with the rest.
bool sameChanges(const QStringList& actual, const QStringList& expected) {
    if (actual.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        const QString& line = expected[i];
        const bool matches =
                line.endsWith(u'*') ? actual[i].startsWith(line.chopped(1)) : actual[i] == line;
        if (!matches)
            return false;
    }
    return true;
}

// One case of the table: where the window starts, what is prepared in the
// database first, what the person does, which tables are watched.
struct Case {
    QString startPage;
    QMap<QString, QString> settings;
    QStringList prepare;
    QStringList tables;
    Steps steps;
    // A text that a statement sent by the steps must contain: where nothing
    // may change, it shows that the button did its work (its write, its read
    // or its refresh) rather than nothing at all.
    QString sent = {};
};

Case sending(Case operation, const QString& text) {
    operation.sent = text;
    return operation;
}

} // namespace

Q_DECLARE_METATYPE(Case)

class ExactChangesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void changes_data();
    void changes();
    void lostConnectionIsReported();

private:
    TestServer m_server;
};

void ExactChangesTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
    // The server's default, strict mode: a rejected value is an error.
    DatabaseProbe probe(m_server);
    QVERIFY(probe.scalar("select @@GLOBAL.sql_mode").contains("STRICT_TRANS_TABLES"));
}

void ExactChangesTest::cleanup() {
    QVERIFY(DatabaseProbe::reloadDatabases(m_server));
}

void ExactChangesTest::changes_data() {
    QTest::addColumn<Case>("operation");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("boxes");

    // ---- Broadcasts -------------------------------------------------------------
    const auto broadcasts = [](Steps steps, QStringList prepare = {}) {
        return Case{QStringLiteral("Автооповещение"), {}, prepare, {"realmd.autobroadcast"}, steps};
    };
    QTest::newRow("broadcast: unchanged save of a text with a line break")
            << sending(broadcasts([](GuiDriver& gui) {
                           gui.selectRowWhere(kBroadcasts, 0, "5");
                           gui.click("dxButton4");
                       }),
                       "update `autobroadcast` set")
            << QStringList() << QStringList();
    QTest::newRow("broadcast: unchanged save of a NULL next")
            << sending(broadcasts([](GuiDriver& gui) {
                           gui.selectRowWhere(kBroadcasts, 0, "7");
                           gui.click("dxButton4");
                       }),
                       "update `autobroadcast` set")
            << QStringList() << QStringList();
    QTest::newRow("broadcast: an emptied next stores NULL") << broadcasts([](GuiDriver& gui) {
        gui.selectRowWhere(kBroadcasts, 0, "4");
        gui.retype("dxDNEdit52", {});
        gui.click("dxButton4");
    }) << QStringList{"autobroadcast[4].next: '1' -> NULL"} << QStringList();
    QTest::newRow("broadcast: a new text")
            << broadcasts([](GuiDriver& gui) {
                   gui.selectRowWhere(kBroadcasts, 0, "3");
                   gui.retype("dxDNEdit5", "Сервер \"Огонь\" ждёт");
                   gui.click("dxButton4");
               })
            << QStringList{"autobroadcast[3].text: 'Don\\'t share your password: a GM will never "
                           "ask for it. Remember the \"golden rule\"!' -> 'Сервер \"Огонь\" ждёт'"}
            << QStringList();
    QTest::newRow("broadcast: add") << broadcasts([](GuiDriver& gui) {
        gui.type("dxDNEdit5", "Новое объявление");
        gui.click("dxButton5");
    }) << QStringList{"autobroadcast[8] added: id='8', text='Новое объявление', next='1'"}
                                    << QStringList();
    QTest::newRow("broadcast: delete")
            << broadcasts([](GuiDriver& gui) {
                   gui.selectRowWhere(kBroadcasts, 0, "2");
                   gui.dialogs.answerNextConfirmations({true});
                   gui.click("dxButton6");
               })
            << QStringList{"autobroadcast[2] removed: id='2', text='Server restart every day at "
                           "05:00 (Moscow time).', next='1'"}
            << QStringList{"confirmation|Удаление|Вы действительно хотите удалить это "
                           "объявление?"};
    QTest::newRow("broadcast: a next out of range reported")
            << broadcasts([](GuiDriver& gui) {
                   gui.selectRowWhere(kBroadcasts, 0, "3");
                   gui.retype("dxDNEdit52", "99999999999");
                   gui.click("dxButton4");
               })
            << QStringList()
            << QStringList{kChangeFailed +
                           "Ошибка 1264: Out of range value for column 'next' at row 1"};

    // ---- Realm list and bans ------------------------------------------------------
    const auto realms = [](Steps steps) {
        return Case{QStringLiteral("Реалм"), {}, {}, {"realmd.realmlist"}, steps};
    };
    QTest::newRow("realm: new with the defaults")
            << realms([](GuiDriver& gui) {
                   gui.click("dxButton26");
                   gui.click("dxButton23");
               })
            << QStringList{"realmlist[4] added: id='4', name='WoW', address='127.0.0.1', "
                           "port='8085', icon='0', color='2', timezone='0', "
                           "allowedSecurityLevel='0', population='0', realmbuilds=''"}
            << QStringList();
    QTest::newRow("realm: a copy under the same name reported")
            << realms([](GuiDriver& gui) {
                   gui.selectRowWhere(kRealms, 0, "3");
                   gui.click("dxButton23");
               })
            << QStringList()
            << QStringList{kChangeFailed +
                           "Ошибка 1062: Duplicate entry 'Test PvP' for key 'idx_name'"};
    QTest::newRow("realm: write one field") << realms([](GuiDriver& gui) {
        gui.selectRowWhere(kRealms, 0, "2");
        gui.retype("dxDNEdit30", "3");
        gui.click("dxButton24");
    }) << QStringList{"realmlist[2].timezone: '1' -> '3'"}
                                            << QStringList();
    QTest::newRow("realm: another realm's name reported")
            << realms([](GuiDriver& gui) {
                   gui.selectRowWhere(kRealms, 0, "2");
                   gui.retype("dxDNEdit25", "Test PvP");
                   gui.click("dxButton24");
               })
            << QStringList()
            << QStringList{kChangeFailed +
                           "Ошибка 1062: Duplicate entry 'Test PvP' for key 'idx_name'"};
    QTest::newRow("realm: delete")
            << realms([](GuiDriver& gui) {
                   gui.selectRowWhere(kRealms, 0, "3");
                   gui.dialogs.answerNextConfirmations({true});
                   gui.click("dxButton25");
               })
            << QStringList{"realmlist[3] removed: id='3', name='Test PvP', address='10.0.0.5', "
                           "port='8087', icon='1', color='0', timezone='1', "
                           "allowedSecurityLevel='2', population='0', realmbuilds=''"}
            << QStringList{"confirmation|Удаление|Вы действительно хотите удалить этот realm?"};

    const auto bans = [](Steps steps) {
        return Case{QStringLiteral("Реалм"),
                    {},
                    {},
                    {"realmd.ip_banned", "realmd.account_banned"},
                    steps};
    };
    QTest::newRow("IP ban: a new reason")
            << bans([](GuiDriver& gui) {
                   gui.selectRowWhere(kIpBans, 1, "203.0.113.77", 5);
                   gui.retype("dxDNEdit41", "Флуд");
                   gui.click("dxButton40");
               })
            << QStringList{"ip_banned[203.0.113.77,1709251200].banreason: 'Flood in general "
                           "chat' -> 'Флуд'"}
            << QStringList();
    QTest::newRow("IP ban: a reason shown empty (not UTF-8) saved unchanged")
            << sending(bans([](GuiDriver& gui) {
                           gui.selectRowWhere(kIpBans, 1, "10.10.10.10", 5);
                           gui.click("dxButton40");
                       }),
                       "from `ip_banned`")
            << QStringList() << QStringList();
    QTest::newRow("IP ban: delete")
            << bans([](GuiDriver& gui) {
                   gui.selectRowWhere(kIpBans, 1, "31.173.80.4");
                   gui.chooseMenuItem(kIpBans, "N5");
               })
            << QStringList{"ip_banned[31.173.80.4,1735689600] removed: ip='31.173.80.4', "
                           "bandate='1735689600', unbandate='1735776000', bannedby='MODERATOR', "
                           "banreason='Подбор паролей'"}
            << QStringList();
    QTest::newRow("account ban: lift") << bans([](GuiDriver& gui) {
        gui.selectRowWhere(kAccountBans, 0, "9");
        gui.chooseMenuItem(kAccountBans, "N9");
    }) << QStringList{"account_banned[9,1717200000].active: '1' -> '0'"}
                                       << QStringList();
    QTest::newRow("account ban: delete")
            << bans([](GuiDriver& gui) {
                   gui.click("dxCheckbox9");
                   gui.click("dxButton32");
                   gui.selectRowWhere(kAccountBans, 1, "1704067200");
                   gui.chooseMenuItem(kAccountBans, "N10");
               })
            << QStringList{"account_banned[9,1704067200] removed: id='9', bandate='1704067200', "
                           "unbandate='1704672000', bannedby='ADMIN', banreason='Speed hack', "
                           "active='0'"}
            << QStringList();

    // ---- Accounts ---------------------------------------------------------------------
    const QStringList accountTables = {"realmd.account", "realmd.account_banned",
                                       "characters.characters"};
    const auto accounts = [accountTables](Steps steps, QStringList prepare = {},
                                          QMap<QString, QString> settings = {}) {
        return Case{QStringLiteral("Учетные записи"), settings, prepare,
                    settings.isEmpty() ? accountTables : QStringList{"realmd_old.account"}, steps};
    };
    const QMap<QString, QString> olderAccounts = {{"Base/realmd", "realmd_old"}};
    const auto save = [](const QString& id, const std::function<void(GuiDriver&)>& edit = {}) {
        return [id, edit](GuiDriver& gui) {
            gui.selectRowWhere(kAccounts, 0, id);
            if (edit)
                edit(gui);
            gui.click("dxButton15");
        };
    };
    // An unchanged save writes nothing and refreshes the list.
    const QString accountList = QStringLiteral("from `account`");
    QTest::newRow("account: unchanged save, NULL e-mail")
            << sending(accounts(save("20")), accountList) << QStringList() << QStringList();
    QTest::newRow("account: unchanged save, never logged in (zero date)")
            << sending(accounts(save("10")), accountList) << QStringList() << QStringList();
    QTest::newRow("account: unchanged save, Windows-1251 e-mail (older table)")
            << sending(accounts(save("1"), {}, olderAccounts), accountList) << QStringList()
            << QStringList();
    QTest::newRow("account: a new level, the e-mail shown empty kept (older table)")
            << accounts(save("1", [](GuiDriver& gui) { gui.choose("ComboBox8", "1 - moderator"); }),
                        {}, olderAccounts)
            << QStringList{"account[1].gmlevel: '0' -> '1'"} << QStringList();
    QTest::newRow("account: an emptied last login gets NULL (older table)")
            << accounts(save("2", [](GuiDriver& gui) { gui.retype("dxDNEdit16", {}); }), {},
                        olderAccounts)
            << QStringList{"account[2].last_login: '2010-05-01 10:00:00' -> NULL"} << QStringList();
    QTest::newRow("account: an emptied last login gets the zero date")
            << accounts(save("3", [](GuiDriver& gui) { gui.retype("dxDNEdit16", {}); }),
                        {"update realmd.account set last_login = '2024-01-02 03:04:05' where id = "
                         "3"})
            << QStringList{"account[3].last_login: '2024-01-02 03:04:05' -> '0000-00-00 00:00:00'"}
            << QStringList();
    QTest::newRow("account: a new e-mail")
            << accounts(save("20", [](GuiDriver& gui) { gui.type("dxDNEdit11", "Kot@Mail.RU"); }))
            << QStringList{"account[20].email: NULL -> 'kot@mail.ru'"} << QStringList();
    QTest::newRow("account: rename without a new password refused")
            << accounts(save("3", [](GuiDriver& gui) { gui.retype("dxDNEdit8", "moder2"); }))
            << QStringList()
            << QStringList{"error|Переименование аккаунта|Новому имени нужен новый пароль: "
                           "введите его в поле \"Новый пароль\" и нажмите \"Сохранить\" ещё раз. "
                           "Ничего не сохранено."};
    // printf '%s' 'MODER2:Пароль-1' | sha1sum
    QTest::newRow("account: rename with a new password")
            << accounts(save("3",
                             [](GuiDriver& gui) {
                                 gui.retype("dxDNEdit8", "moder2");
                                 gui.type("dxDNEdit19", "Пароль-1");
                             }))
            << QStringList{"account[3].username: 'MODERATOR' -> 'MODER2'",
                           "account[3].sha_pass_hash: '24E8EC562AFCB994411F50B9DCDC4B832D62A913' "
                           "-> "
                           "'F1D4EBBFB7428EBE04F2605BCABB868FF9E02144'",
                           "account[3].sessionkey: '*", "account[3].v: '*", "account[3].s: '*"}
            << QStringList();
    QTest::newRow("account: rename onto a taken name reported")
            << accounts(save("13",
                             [](GuiDriver& gui) {
                                 gui.retype("dxDNEdit8", "admin");
                                 gui.type("dxDNEdit19", "x");
                             }))
            << QStringList()
            << QStringList{kChangeFailed +
                           "Ошибка 1062: Duplicate entry 'ADMIN' for key 'idx_username'"};
    // printf '%s' 'ВАСЯ:Пароль' | sha1sum
    const auto setPassword = [](const QString& id, const QString& password) {
        return [id, password](GuiDriver& gui) {
            gui.selectRowWhere(kAccounts, 0, id);
            gui.type("dxDNEdit19", password);
            gui.dialogs.answerNextConfirmations({true});
            gui.click("dxButton17");
        };
    };
    const QString passwordQuestion =
            QStringLiteral("confirmation|Смена пароля|Вы действительно хотите сменить пароль?");
    QTest::newRow("account: a Cyrillic password")
            << accounts(setPassword("5", "Пароль"))
            << QStringList{"account[5].sha_pass_hash: '335242ED882D9C5DCDFCC2D90BD4A74A7105EA7D' "
                           "-> '1293342129039D32B7B229C9C50FCA1A51CFEBFF'",
                           "account[5].sessionkey: '*", "account[5].v: '*", "account[5].s: '*"}
            << QStringList{passwordQuestion};
    // printf '%s' 'MARIA:Мария1990ABC' | sha1sum
    QTest::newRow("account: a mixed password")
            << accounts(setPassword("16", "Мария1990abc"))
            << QStringList{"account[16].sha_pass_hash: '2A3699789500CD4999D9BB87AD369812E5CD4217' "
                           "-> '47B5453C17E90EF76F51A40E10DF4D68D4EFC214'"}
            << QStringList{passwordQuestion};
    QTest::newRow("account: reset the session key")
            << accounts([](GuiDriver& gui) {
                   gui.selectRowWhere(kAccounts, 0, "1");
                   gui.dialogs.answerNextConfirmations({true});
                   gui.chooseMenuItem(kAccounts, "N22");
               })
            << QStringList{"account[1].sessionkey: '*", "account[1].v: '*", "account[1].s: '*"}
            << QStringList{"confirmation|Смена пароля|Вы действительно хотите сбросить ключ "
                           "сессии?"};
    QTest::newRow("account: delete")
            << accounts([](GuiDriver& gui) {
                   gui.selectRowWhere(kAccounts, 0, "13");
                   gui.dialogs.answerNextConfirmations({true});
                   gui.click("dxButton16");
               })
            << QStringList{"account[13] removed: id='13', username='TESTER'*"}
            << QStringList{"confirmation|Удаление аккаунта|Вы действительно хотите удалить этот "
                           "аккаунт?"};
    Case stale = accounts([](GuiDriver& gui) {
        gui.dialogs.answerNextConfirmations({true});
        gui.chooseMenuItem(kAccounts, "N14");
    });
    stale.settings.insert("Account/ErasePeriod", "150");
    QTest::newRow("account: delete the stale accounts")
            << stale << QStringList{"account[6] removed: *",  "account[8] removed: *",
                                    "account[9] removed: *",  "account[11] removed: *",
                                    "account[14] removed: *", "account[16] removed: *",
                                    "account[18] removed: *"}
            << QStringList{"confirmation|Чистка базы|Вы действительно хотите удалить аккаунты, "
                           "которые не использовались 150 дней?"};

    // ---- Characters ---------------------------------------------------------------------
    const auto characters = [](Steps steps, QMap<QString, QString> settings = {},
                               QStringList prepare = {}) {
        return Case{QStringLiteral("Управление героями"), settings, prepare,
                    kCharacterTables + QStringList{"realmd.account"}, steps};
    };
    const auto edit = [](const QString& guid, const QString& field, const QString& text,
                         const QString& button) {
        return [=](GuiDriver& gui) {
            gui.selectRowWhere(kCharacters, 0, guid, 2);
            if (!field.isEmpty())
                gui.retype(field, text);
            gui.dialogs.defaultAnswer = true;
            gui.click(button);
        };
    };
    QTest::newRow("character: rename")
            << characters(edit("6", "dxDNEdit36", "лиса", "dxButton31"))
            << QStringList{"characters[6].name: 'Василиса' -> 'Лиса'"}
            << QStringList{"confirmation|Переименование персонажа|Вы действительно хотите "
                           "сменить имя этого персонажа?"};
    QTest::newRow("character: a 13-letter name reported")
            << characters(edit("6", "dxDNEdit36", "Абвгдеёжзийкл", "dxButton31")) << QStringList()
            << QStringList{"confirmation|Переименование персонажа|Вы действительно хотите "
                           "сменить имя этого персонажа?",
                           kChangeFailed + "Ошибка 1406: Data too long for column 'name' at row 1"};
    QTest::newRow("character: level")
            << characters(edit("30", "dxDNEdit48", "61", "dxButton30"))
            << QStringList{"characters[30].level: '14' -> '61'"}
            << QStringList{"confirmation|Редактирование персонажа|Вы действительно хотите "
                           "сменить уровень у персонажа?"};
    QTest::newRow("character: level 300 reported")
            << characters(edit("30", "dxDNEdit48", "300", "dxButton30")) << QStringList()
            << QStringList{"confirmation|Редактирование персонажа|Вы действительно хотите "
                           "сменить уровень у персонажа?",
                           kChangeFailed +
                                   "Ошибка 1264: Out of range value for column 'level' at row 1"};
    QTest::newRow("character: another account")
            << characters(edit("6", "dxDNEdit35", "17", "dxButton29"))
            << QStringList{"characters[6].account: '5' -> '17'"}
            << QStringList{"confirmation|Перенос персонажа|Вы действительно хотите сменить "
                           "аккаунт у этого персонажа?"};
    QTest::newRow("character: at-login flags") << characters([](GuiDriver& gui) {
        gui.selectRowWhere(kCharacters, 0, "15", 2);
        gui.click("dxCheckbox4");
        gui.click("dxCheckbox6");
        gui.click("dxButton38");
    }) << QStringList{"characters[15].at_login: '9' -> '12'"}
                                               << QStringList();
    // 2 is in the game: that is asked after the change's own question.
    QTest::newRow("character: gender")
            << characters(edit("2", {}, {}, "dxButton33"))
            << QStringList{"characters[2].gender: '1' -> '0'"}
            << QStringList{"confirmation|Редактирование персонажа|Вы действительно хотите "
                           "сменить пол у этого персонажа?",
                           "confirmation|Персонаж в игре|Персонаж \"Главгм\" сейчас в игре. "
                           "Игровой сервер запишет свою копию персонажа поверх этого изменения, "
                           "когда сохранит его (при очередном сохранении или при выходе из "
                           "игры).\r\nВсё равно изменить?"};
    QTest::newRow("character: money")
            << characters(edit("13", "dxDNEdit49", "123", "dxButton28"))
            << QStringList{"characters[13].money: '1500000000' -> '123'"}
            << QStringList{"confirmation|Редактирование персонажа|Вы действительно хотите "
                           "изменить количество денег у этого персонажа?"};
    QTest::newRow("character: repair of a group leader")
            << characters([](GuiDriver& gui) {
                   gui.selectRowWhere(kCharacters, 0, "9", 2);
                   gui.chooseMenuItem(kCharacters, "repairItem");
               })
            << QStringList{"characters[9].position_x: *",
                           "characters[9].position_y: *",
                           "character_aura[9,9,15007,0] added: *",
                           "character_aura[9,9,15007,1] added: *",
                           "character_aura[9,9,15007,2] added: *",
                           "groups[9] removed: *",
                           "group_member[9,9] removed: *",
                           "group_member[9,17] removed: *",
                           "group_member[9,23] removed: *"}
            << QStringList{"error|Результат действия.|Анти-ERROR запрос отослан!"};
    QTest::newRow("character: quest chain reset")
            << characters([](GuiDriver& gui) {
                   gui.selectRowWhere(kCharacters, 0, "7", 2);
                   gui.dialogs.answerNextConfirmations({true});
                   gui.chooseMenuItem(kCharacters, "moreFunctionsMenu/questChainResetItem");
               })
            << QStringList{"character_queststatus[7,1712] removed: *",
                           "character_queststatus[7,1713] removed: *",
                           "character_queststatus[7,1791] removed: *",
                           "character_queststatus[7,1792] removed: *"}
            << QStringList{"confirmation|Редактирование персонажа|Вы действительно хотите "
                           "позволить выполнить персонажу квесты на \"перехват\" ещё раз?"};
    QTest::newRow("character: move those without accounts to the service account")
            << characters(
                       [](GuiDriver& gui) {
                           gui.dialogs.answerNextConfirmations({true});
                           gui.chooseMenuItem(kCharacters, "moveWithoutAccountItem");
                       },
                       {{"Account/AdminAccount", "20"}})
            << QStringList{"characters[28].account: '900' -> '20'",
                           "characters[29].account: '900' -> '20'",
                           "characters[30].account: '901' -> '20'"}
            << QStringList{"confirmation|Чистка базы|Вы действительно хотите переместить "
                           "персонажей, БЕЗ аккаунтов на \"служебный аккаунт\"?"};

    const auto cleanUp = [](GuiDriver& gui) {
        gui.dialogs.answerNextConfirmations({true});
        gui.chooseMenuItem(kCharacters, "deleteWithoutAccountItem");
    };
    const QString cleanUpQuestion =
            QStringLiteral("confirmation|Чистка базы|Вы действительно хотите удалить персонажей, "
                           "БЕЗ аккаунтов?\r\nБудет удалено персонажей: 3.");
    // Every row of 28, 29 and 30, also the friend entries that name them and
    // the group that 28 leads; nothing else.
    const QStringList everyOrphanRow = {
            "characters[28] removed: *",
            "characters[29] removed: *",
            "characters[30] removed: *",
            "character_queststatus[28,783] removed: *",
            "character_queststatus[30,7] removed: *",
            "character_inventory[1401] removed: *",
            "character_inventory[1402] removed: *",
            "character_inventory[1501] removed: *",
            "character_inventory[1601] removed: *",
            "item_instance[1401] removed: *",
            "item_instance[1402] removed: *",
            "item_instance[1403] removed: *",
            "item_instance[1501] removed: *",
            "item_instance[1601] removed: *",
            "character_spell[28,589] removed: *",
            "character_spell[29,78] removed: *",
            "character_spell[30,585] removed: *",
            "character_aura[28,28,15007,0] removed: *",
            "character_homebind[28] removed: *",
            "character_action[28,0] removed: *",
            "character_action[28,1] removed: *",
            "character_action[29,0] removed: *",
            "character_reputation[28,68] removed: *",
            "character_reputation[30,76] removed: *",
            "character_social[2,30,2] removed: *",
            "character_social[5,28,1] removed: *",
            "character_social[28,5,1] removed: *",
            "character_declinedname[28] removed: *",
            "groups[28] removed: *",
            "group_member[28,22] removed: *",
            "group_member[28,28] removed: *",
            "corpse[4] removed: *",
    };
    QTest::newRow("character: delete those without accounts from every table")
            << characters(cleanUp) << everyOrphanRow
            << QStringList{cleanUpQuestion,
                           "notice|Realmdesk|Удалено строк по таблицам:\r\n"
                           "character_inventory: 4\r\nitem_instance: 5\r\ncharacter_spell: 3\r\n"
                           "character_aura: 1\r\ncharacter_queststatus: 2\r\n"
                           "character_homebind: 1\r\ncharacter_action: 3\r\n"
                           "character_reputation: 2\r\ncorpse: 1\r\ngroup_member: 2\r\n"
                           "groups: 1\r\ncharacter_social: 3\r\ncharacter_declinedname: 1\r\n"
                           "characters: 3"};
    // A delete that fails part way: the tables with transactions are put
    // back; what was deleted from the others stays, and is reported.
    QTest::newRow("character: clean-up stopped in a table with transactions")
            << characters(cleanUp, {},
                          {"create trigger characters.stop before delete on "
                           "characters.character_action for each row signal sqlstate '45000' "
                           "set message_text = 'stopped here'"})
            << QStringList()
            << QStringList{cleanUpQuestion,
                           "error|Чистка базы|Чистка базы не завершена: сервер не подтвердил "
                           "удаление.\r\nОшибка 1644: stopped here\r\nУдаления из таблиц с "
                           "транзакциями отменены."};
    QTest::newRow("character: clean-up stopped in a table without transactions")
            << characters(cleanUp, {},
                          {"create trigger characters.stop before delete on "
                           "characters.character_declinedname for each row signal sqlstate "
                           "'45000' set message_text = 'stopped here'"})
            << QStringList{"character_social[2,30,2] removed: *",
                           "character_social[5,28,1] removed: *",
                           "character_social[28,5,1] removed: *"}
            << QStringList{cleanUpQuestion,
                           "error|Чистка базы|Чистка базы не завершена: сервер не подтвердил "
                           "удаление.\r\nОшибка 1644: stopped here\r\nУдаления из таблиц с "
                           "транзакциями отменены.\r\nУже удалено (отменить нельзя):\r\n"
                           "character_social: 3"};

    // An older characters database: the tables it lacks are skipped.
    Case older = characters(cleanUp, {{"Base/characters", "characters_old"}});
    older.tables = {"characters_old.characters",          "characters_old.character_homebind",
                    "characters_old.character_inventory", "characters_old.character_spell",
                    "characters_old.character_aura",      "characters_old.character_queststatus"};
    QTest::newRow("character: clean-up in an older database")
            << older
            << QStringList{"characters[5] removed: *", "character_homebind[5] removed: *",
                           "character_inventory[504] removed: *",
                           "character_spell[5,75] removed: *"}
            << QStringList{
                       "confirmation|Чистка базы|Вы действительно хотите удалить персонажей, "
                       "БЕЗ аккаунтов?\r\nБудет удалено персонажей: 1.",
                       "notice|Realmdesk|Удалено строк по таблицам:\r\ncharacter_inventory: 1\r\n"
                       "character_spell: 1\r\ncharacter_aura: 0\r\n"
                       "character_queststatus: 0\r\ncharacter_homebind: 1\r\ncorpse: 0\r\n"
                       "group_member: 0\r\ngroups: 0\r\ncharacters: 1"};
}

void ExactChangesTest::changes() {
    QFETCH(Case, operation);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, boxes);
    DatabaseProbe probe(m_server);
    QVERIFY2(probe.connected(), qPrintable(probe.lastError()));
    for (const QString& statement : operation.prepare)
        QVERIFY2(probe.exec(statement), qPrintable(probe.lastError()));

    GuiDriver gui;
    QMap<QString, QString> settings = operation.settings;
    settings.insert(QStringLiteral("Intreface/startpage"), operation.startPage);
    gui.writeSettings(GuiDriver::settingsFor(m_server, settings));
    gui.start();
    QVERIFY(gui.dialogs.boxes().isEmpty());

    const TablesSnapshot before = TablesSnapshot::take(probe, operation.tables);
    QVERIFY2(before.ok(), qPrintable(before.error()));
    ServerLog log(m_server.generalLog);
    operation.steps(gui);
    if (!operation.sent.isEmpty()) {
        const QStringList sent = log.statementsSinceMark();
        QVERIFY2(std::any_of(sent.begin(), sent.end(),
                             [&](const QString& statement) {
                                 return statement.contains(operation.sent);
                             }),
                 qPrintable(sent.join(u'\n')));
    }
    const TablesSnapshot after = TablesSnapshot::take(probe, operation.tables);
    QVERIFY2(after.ok(), qPrintable(after.error()));

    const QStringList actual = before.changesTo(after);
    QVERIFY2(sameChanges(actual, changes),
             qPrintable(QStringLiteral("changes:\n  ") + actual.join(QStringLiteral("\n  "))));
    QCOMPARE(gui.dialogs.describe(), boxes);
}

void ExactChangesTest::lostConnectionIsReported() {
    DatabaseProbe probe(m_server);
    // The update waits in a trigger long enough for the connection to be cut.
    QVERIFY(probe.exec("create trigger characters.slow before update on characters.characters "
                       "for each row set @waited = sleep(5)"));
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server, {{QStringLiteral("Intreface/startpage"),
                                                         QStringLiteral("Управление героями")}}));
    gui.start();
    gui.selectRowWhere(kCharacters, 0, "30", 2);
    gui.retype("dxDNEdit48", "61");
    gui.dialogs.defaultAnswer = true;
    const TablesSnapshot before = TablesSnapshot::take(probe, kCharacterTables);

    bool killed = false;
    std::thread cutter([this, &killed] {
        DatabaseProbe other(m_server);
        QElapsedTimer waited;
        waited.start();
        while (!killed && waited.elapsed() < 4000) {
            const QString id = other.scalar("select ID from information_schema.PROCESSLIST "
                                            "where STATE = 'User sleep'");
            if (!id.isEmpty())
                killed = other.exec("kill connection " + id);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    gui.click("dxButton30");
    cutter.join();
    QVERIFY(killed);
    QCOMPARE(gui.dialogs.describe().last(),
             kChangeFailed + "Ошибка 2013: Lost connection to MySQL server during query");
    QVERIFY(probe.exec("drop trigger characters.slow"));
    const TablesSnapshot after = TablesSnapshot::take(probe, kCharacterTables);
    QCOMPARE(before.changesTo(after), QStringList());
    // The field keeps what was typed; the next Save connects again.
    QCOMPARE(gui.find<QLineEdit>("dxDNEdit48")->text(), QStringLiteral("61"));
    gui.click("dxButton30");
    QCOMPARE(TablesSnapshot::take(probe, kCharacterTables).changesTo(before),
             QStringList{"characters[30].level: '61' -> '14'"});
}

QTEST_MAIN(ExactChangesTest)
#include "tst_exact_changes.moc"

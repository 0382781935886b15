// The edit panel of the accounts page: filling it from the grid, saving,
// deleting, setting and comparing the password, resetting the session key.
#include "DatabaseProbe.h"
#include "ServerLog.h"
#include "accounts/AccountsFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace accountsfixture;

namespace {

QLineEdit* edit(GuiDriver& gui, const char* name) {
    return gui.find<QLineEdit>(QLatin1String(name));
}

QComboBox* combo(GuiDriver& gui, const char* name) {
    return gui.find<QComboBox>(QLatin1String(name));
}

QString labelText(GuiDriver& gui, const char* name) {
    return gui.find<QLabel>(QLatin1String(name))->text();
}

QColor labelColor(GuiDriver& gui, const char* name) {
    return gui.find<QLabel>(QLatin1String(name))->palette().color(QPalette::WindowText);
}

// Selects the grid row of an account (in its username column).
void selectAccount(GuiDriver& gui, const QString& id) {
    const int row = rowOf(gui, id);
    QVERIFY2(row > 0, qPrintable(id));
    gui.selectCell(kGrid, 1, row);
}

} // namespace

class AccountEditingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void selectionFillsTheEdits();
    void save_data();
    void save();
    void renameNeedsANewPassword();
    void quotesAndBackslashAreStoredAndFound();
    void saveWithoutAccountDoesNothing();
    void deleteAsksFirst();
    void comparePassword_data();
    void comparePassword();
    void compareAcceptsAStoredHashInEitherCase();
    void setPasswordThenCompare();
    void setPasswordUsesTheStoredName_data();
    void setPasswordUsesTheStoredName();
    void setPasswordForAnAccountNoLongerStored();
    void compareWithoutAnswerShowsNoVerdict();
    void resetSessionKey_data();
    void resetSessionKey();

private:
    TestServer m_server;
    bool m_changed = false;
};

void AccountEditingTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void AccountEditingTest::cleanup() {
    if (m_changed)
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
    m_changed = false;
}

void AccountEditingTest::selectionFillsTheEdits() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    gui.selectCell(kGrid, 4, 2);
    const QStringList texts = {
            edit(gui, "dxDNEdit7")->text(),         edit(gui, "dxDNEdit8")->text(),
            edit(gui, "dxDNEdit9")->text(),         combo(gui, "ComboBox8")->currentText(),
            edit(gui, "dxDNEdit11")->text(),        edit(gui, "dxDNEdit12")->text(),
            edit(gui, "dxDNEdit13")->text(),        edit(gui, "dxDNEdit14")->text(),
            combo(gui, "ComboBox9")->currentText(), edit(gui, "dxDNEdit16")->text(),
            edit(gui, "dxDNEdit20")->text(),        combo(gui, "ComboBox10")->currentText(),
            combo(gui, "ComboBox11")->currentText()};
    QCOMPARE(texts, gui.gridRow(kGrid, 2));
    QCOMPARE(texts[3], QStringLiteral("3"));
    // Account 2 is in the game.
    auto* warning = gui.find<QLabel>(QStringLiteral("Label77"));
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), QStringLiteral("ВНИМАНИЕ! Этот аккаунт в игре."));
    // Account 12 plays on realm 2: its online value is not "1".
    selectAccount(gui, QStringLiteral("12"));
    QCOMPARE(edit(gui, "dxDNEdit20")->text(), QStringLiteral("2"));
    QVERIFY(!warning->isVisible());
    QCOMPARE(edit(gui, "dxDNEdit20")->toolTip(), QStringLiteral("active_realm_id"));
}

void AccountEditingTest::save_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("edits");   // username, email, last_ip, last_login
    QTest::addColumn<QStringList>("combos");  // gmlevel, locked, expansion, locale
    QTest::addColumn<QString>("statement");   // empty: nothing is written
    QTest::addColumn<QStringList>("written"); // its columns
    QTest::addColumn<QString>("stored");

    QTest::newRow("as shown: nothing written")
            << QStringLiteral("7") << QStringList{"НАТАША", "natasha@mail.ru", "178.66.3.21", {}}
            << QStringList{"0", "0", "2", "8"} << QString() << QStringList()
            << QStringLiteral("НАТАША|0|natasha@mail.ru|178.66.3.21|0|2|8");
    QTest::newRow("Cyrillic name in other letters, e-mail lower-cased, blanks dropped")
            << QStringLiteral("7")
            << QStringList{" наташа\t", " NataSHA@Почта.RU ", " 178.66.3.22 ", {}}
            << QStringList{"0", "0", "2", "8"}
            << QStringLiteral("update `account` set `email` = \"natasha@Почта.ru\", `last_ip` = "
                              "\"178.66.3.22\" where `id` = 7;")
            << QStringList{"email", "last_ip"}
            << QStringLiteral("НАТАША|0|natasha@Почта.ru|178.66.3.22|0|2|8");
    QTest::newRow("chosen items give their first character")
            << QStringLiteral("3") << QStringList{"MODERATOR", "moder@example.com", "10.0.0.15", {}}
            << QStringList{"2 - gamemaster", "1 - блокирован по IP", "1 - TBC", "0 - English"}
            << QStringLiteral("update `account` set `gmlevel` = 2, `locked` = 1 where `id` = 3;")
            << QStringList{"gmlevel", "locked"}
            << QStringLiteral("MODERATOR|2|moder@example.com|10.0.0.15|1|1|0");
    QTest::newRow("two digits: the first one is written")
            << QStringLiteral("3") << QStringList{"MODERATOR", "moder@example.com", "10.0.0.15", {}}
            << QStringList{"1", "0", "1", "10"}
            << QStringLiteral("update `account` set `locale` = 1 where `id` = 3;")
            << QStringList{"locale"}
            << QStringLiteral("MODERATOR|1|moder@example.com|10.0.0.15|0|1|1");
}

void AccountEditingTest::save() {
    QFETCH(QString, id);
    QFETCH(QStringList, edits);
    QFETCH(QStringList, combos);
    QFETCH(QString, statement);
    QFETCH(QStringList, written);
    QFETCH(QString, stored);
    m_changed = true;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, id);
    const char* editNames[] = {"dxDNEdit8", "dxDNEdit11", "dxDNEdit13"};
    for (int i = 0; i < 3; ++i) {
        if (edit(gui, editNames[i])->text() != edits[i])
            edit(gui, editNames[i])->setText(edits[i]);
    }
    const char* comboNames[] = {"ComboBox8", "ComboBox9", "ComboBox10", "ComboBox11"};
    for (int i = 0; i < 4; ++i) {
        if (combo(gui, comboNames[i])->currentText() == combos[i])
            continue;
        if (combo(gui, comboNames[i])->findText(combos[i]) >= 0)
            gui.choose(QLatin1String(comboNames[i]), combos[i]);
        else
            combo(gui, comboNames[i])->setEditText(combos[i]);
    }
    const UndoTraffic undo =
            undoTraffic(m_server, "realmd",
                        undosql::Target::updated(QStringLiteral("account"),
                                                 accountsql::accountCondition(id), written));
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton15"));

    QCOMPARE(log.statementsSinceMark(),
             (statement.isEmpty() ? QStringList() : changeStatements(statement, undo)) +
                     refreshStatements(listQuery()));
    QVERIFY(gui.dialogs.boxes().isEmpty());
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows(QStringLiteral("select username, gmlevel, email, last_ip, locked, "
                                       "expansion, locale from realmd.account where id = %1")
                                .arg(id)),
             QStringList{stored});
    // The refreshed grid shows what was stored.
    QCOMPARE(gui.gridRow(kGrid, rowOf(gui, id)).mid(1, 1), stored.split(u'|').mid(0, 1));
    // A second Save of the same edits writes nothing.
    log.mark();
    gui.click(QStringLiteral("dxButton15"));
    QCOMPARE(log.statementsSinceMark(), refreshStatements(listQuery()));
}

void AccountEditingTest::renameNeedsANewPassword() {
    m_changed = true;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, QStringLiteral("13"));
    edit(gui, "dxDNEdit8")->setText(QStringLiteral("tester2"));
    edit(gui, "dxDNEdit11")->setText(QStringLiteral("new@x.org"));
    const UndoTraffic undo = undoTraffic(m_server, "realmd",
                                         undosql::Target::updated("account", "`id` = 13",
                                                                  {"username", "sha_pass_hash", "s",
                                                                   "v", "sessionkey", "email"}));
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton15"));
    QCOMPARE(gui.dialogs.describe(),
             QStringList{"error|Переименование аккаунта|Новому имени нужен новый пароль: введите "
                         "его в поле \"Новый пароль\" и нажмите \"Сохранить\" ещё раз. Ничего не "
                         "сохранено."});
    QVERIFY(log.statementsSinceMark().isEmpty());

    // With the new password the name, its hash and the cleared session go in
    // one statement. The hash was computed outside the program:
    //   printf '%s' 'TESTER2:Пароль-1' | sha1sum
    gui.dialogs.clear();
    gui.type(QStringLiteral("dxDNEdit19"), QStringLiteral("Пароль-1"));
    gui.click(QStringLiteral("dxButton15"));
    const QString hash = QStringLiteral("F3E0E1FB1B5BC20C8D563F2289596F6133AFE3B7");
    QCOMPARE(log.statementsSinceMark(),
             changeStatements(
                     "update `account` set `username` = \"TESTER2\", `sha_pass_hash` = \"" + hash +
                             "\", `s` = null, `v` = null, `sessionkey` = null, `email` = "
                             "\"new@x.org\" where `id` = 13;",
                     undo) +
                     refreshStatements(listQuery()));
    QVERIFY(gui.dialogs.boxes().isEmpty());
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows(QStringLiteral("select username, sha_pass_hash, email, s, v, sessionkey "
                                       "from realmd.account where id = 13")),
             QStringList{"TESTER2|" + hash + "|new@x.org|NULL|NULL|NULL"});
    QCOMPARE(edit(gui, "dxDNEdit9")->text(), hash);
    // "Сравнить" with the new password agrees.
    gui.click(QStringLiteral("dxButton39"));
    QCOMPARE(labelText(gui, "Label80"), QStringLiteral("Совпадает!"));
}

void AccountEditingTest::quotesAndBackslashAreStoredAndFound() {
    m_changed = true;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, QStringLiteral("13"));
    const QString name = QStringLiteral("o'k\"x\\y");
    const QString email = QStringLiteral("a\"b'c\\d@x.org");
    edit(gui, "dxDNEdit8")->setText(name);
    edit(gui, "dxDNEdit11")->setText(email);
    gui.type(QStringLiteral("dxDNEdit19"), QStringLiteral("p"));
    gui.click(QStringLiteral("dxButton15"));
    DatabaseProbe probe(m_server);
    // printf '%s' "O'K\"X\\Y:P" | sha1sum
    QCOMPARE(probe.rows(QStringLiteral("select username, email, sha_pass_hash from realmd.account "
                                       "where id = 13")),
             QStringList{QStringLiteral("O'K\"X\\Y|a\"b'c\\d@x.org|"
                                        "AAAB3A03A1E20FCF6376F18B3FB78D36ED6EB4B4")});
    QCOMPARE(gui.gridRow(kGrid, rowOf(gui, QStringLiteral("13")))[1], name.toUpper());

    // Both are found again by the parts typed into the search edits.
    gui.type(QStringLiteral("dxDNEdit15"), QStringLiteral("'k\"x\\"));
    gui.click(QStringLiteral("dxButton18"));
    QCOMPARE(ids(gui), QStringList{"13"});
    gui.clearText(QStringLiteral("dxDNEdit15"));
    gui.type(QStringLiteral("dxDNEdit17"), QStringLiteral("\"b'c\\d@"));
    gui.click(QStringLiteral("dxButton18"));
    QCOMPARE(ids(gui), QStringList{"13"});
    // A backslash in the pattern is no escape: "\d" does not find "d".
    gui.retype(QStringLiteral("dxDNEdit17"), QStringLiteral("c\\d"));
    gui.click(QStringLiteral("dxButton18"));
    QCOMPARE(ids(gui), QStringList{"13"});
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void AccountEditingTest::saveWithoutAccountDoesNothing() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    ServerLog log(m_server.generalLog);
    for (const char* button : {"dxButton15", "dxButton16", "dxButton17", "dxButton39"})
        gui.click(QLatin1String(button));
    gui.chooseMenuItem(kGrid, QStringLiteral("N22"));
    QVERIFY(log.statementsSinceMark().isEmpty());
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void AccountEditingTest::deleteAsksFirst() {
    m_changed = true;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    // Account 9 has characters and bans.
    DatabaseProbe probe(m_server);
    const QString belongings =
            QStringLiteral("select (select count(*) from characters.characters where account = 9), "
                           "(select count(*) from realmd.account_banned where id = 9)");
    const QStringList before = probe.rows(belongings);
    QCOMPARE(before, QStringList{QStringLiteral("2|2")});
    selectAccount(gui, QStringLiteral("9"));
    const UndoTraffic undo = undoTraffic(m_server, "realmd", accountsql::deleteUndo("9"));
    ServerLog log(m_server.generalLog);
    gui.dialogs.answerNextConfirmations({false, true});
    gui.click(QStringLiteral("dxButton16"));
    QVERIFY(log.statementsSinceMark().isEmpty());
    QCOMPARE(ids(gui), range(1, 20));

    gui.click(QStringLiteral("dxButton16"));
    const QString question = QStringLiteral(
            "confirmation|Удаление аккаунта|Вы действительно хотите удалить этот аккаунт?");
    QCOMPARE(gui.dialogs.describe(), QStringList({question, question}));
    QCOMPARE(gui.dialogs.boxes().first().icon, DialogService::Icon::Question);
    QCOMPARE(log.statementsSinceMark(),
             changeStatements(QStringLiteral("delete from `account` where `id` = 9;"), undo) +
                     refreshStatements(listQuery()));
    QVERIFY(!ids(gui).contains(QStringLiteral("9")));
    QCOMPARE(ids(gui).size(), 19);
    // The panel still shows the deleted account; its characters and bans stay.
    QCOMPARE(edit(gui, "dxDNEdit7")->text(), QStringLiteral("9"));
    QCOMPARE(probe.rows(belongings), before);
}

void AccountEditingTest::comparePassword_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("same");
    QTest::newRow("right, other letter case")
            << QStringLiteral("4") << QStringLiteral("GmPass") << true;
    QTest::newRow("right, Cyrillic") << QStringLiteral("7") << QStringLiteral("лето") << true;
    // The game server keeps the case of Cyrillic letters.
    QTest::newRow("Cyrillic in other letters")
            << QStringLiteral("7") << QStringLiteral("ЛЕТО") << false;
    QTest::newRow("wrong") << QStringLiteral("4") << QStringLiteral("gmpas") << false;
    QTest::newRow("quote in the password")
            << QStringLiteral("4") << QStringLiteral("gm\"pass") << false;
}

void AccountEditingTest::comparePassword() {
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(bool, same);
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, id);
    gui.type(QStringLiteral("dxDNEdit19"), password);
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton39"));
    QCOMPARE(log.statementsSinceMark(), changeStatements(accountsql::storedLoginStatement(id)));
    QCOMPARE(labelText(gui, "Label80"),
             same ? QStringLiteral("Совпадает!") : QStringLiteral("Разные!"));
    QCOMPARE(labelColor(gui, "Label80"), same ? QColor(0, 128, 0) : QColor(255, 0, 0));
    // The computed hash is shown; it is the stored one when they match.
    const QString computed = labelText(gui, "Label16");
    QCOMPARE(computed.size(), 40);
    QCOMPARE(computed == edit(gui, "dxDNEdit9")->text(), same);
    QVERIFY(gui.dialogs.boxes().isEmpty());

    // Both texts go with the next cell selection.
    gui.selectCell(kGrid, 2, 1);
    QCOMPARE(labelText(gui, "Label80"), QString());
    QCOMPARE(labelText(gui, "Label16"), QString());
}

void AccountEditingTest::compareAcceptsAStoredHashInEitherCase() {
    m_changed = true;
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec(QStringLiteral("update realmd.account set sha_pass_hash = "
                                      "lower(sha_pass_hash) where id = 7")));
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, QStringLiteral("7"));
    gui.type(QStringLiteral("dxDNEdit19"), QStringLiteral("лето"));
    gui.click(QStringLiteral("dxButton39"));
    QCOMPARE(labelText(gui, "Label80"), QStringLiteral("Совпадает!"));
    QCOMPARE(labelText(gui, "Label16"), QStringLiteral("A6E9B04FD3F662D34B1C7EA67FC213B9462FC381"));
}

void AccountEditingTest::setPasswordThenCompare() {
    m_changed = true;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, QStringLiteral("4"));
    gui.type(QStringLiteral("dxDNEdit19"), QStringLiteral("Нов\"ый'1"));
    gui.click(QStringLiteral("dxButton39"));
    QCOMPARE(labelText(gui, "Label80"), QStringLiteral("Разные!"));

    const UndoTraffic undo = undoTraffic(m_server, "realmd", accountsql::setPasswordUndo("4"));
    ServerLog log(m_server.generalLog);
    gui.dialogs.answerNextConfirmations({false, true});
    gui.click(QStringLiteral("dxButton17"));
    QVERIFY(log.statementsSinceMark().isEmpty());
    gui.click(QStringLiteral("dxButton17"));
    QCOMPARE(gui.dialogs.describe().last(),
             QStringLiteral("confirmation|Смена пароля|Вы действительно хотите сменить пароль?"));
    // Computed outside the program: printf '%s' "GAMEMASTER:Нов\"ый'1" | sha1sum
    const QString hash = QStringLiteral("E7925FC1D38C6991FFFFF4CF353186A1A22A4250");
    const QStringList sent =
            changeStatements(accountsql::setPasswordStatement(QStringLiteral("4"), hash, Quoting{}),
                             undo, {accountsql::storedLoginStatement(QStringLiteral("4"))});
    QCOMPARE(log.statementsSinceMark().mid(0, sent.size()), sent);
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows(QStringLiteral("select sha_pass_hash, s, v, sessionkey from "
                                       "realmd.account where id = 4")),
             QStringList{hash + QStringLiteral("|NULL|NULL|NULL")});
    // The refresh emptied the verdict; the password edit keeps its text and
    // the hash edit shows the new hash.
    QCOMPARE(labelText(gui, "Label80"), QString());
    QCOMPARE(edit(gui, "dxDNEdit19")->text(), QStringLiteral("Нов\"ый'1"));
    QCOMPARE(edit(gui, "dxDNEdit9")->text(), hash);

    gui.click(QStringLiteral("dxButton39"));
    QCOMPARE(labelText(gui, "Label80"), QStringLiteral("Совпадает!"));
    QCOMPARE(labelColor(gui, "Label80"), QColor(0, 128, 0));
}

void AccountEditingTest::setPasswordUsesTheStoredName_data() {
    QTest::addColumn<QString>("renameOnServer"); // after the list was read
    QTest::addColumn<QString>("storedRow");
    // A new name typed but not saved does not go into the hash.
    // printf '%s' 'НАТАША:зима' | sha1sum
    QTest::newRow("a new name typed, not saved")
            << QString() << "НАТАША|DCD3DFD5A90967264B3C69F8DB4912DEC9FA87EC";
    // The list is older than the name on the server: the server's name counts.
    // printf '%s' 'НАТАША2:зима' | sha1sum
    QTest::newRow("renamed on the server since the list was read")
            << "НАТАША2"
            << "НАТАША2|3EAEC5EE5181253D3586C8BDC30568A72BB5A902";
}

void AccountEditingTest::setPasswordUsesTheStoredName() {
    QFETCH(QString, renameOnServer);
    QFETCH(QString, storedRow);
    m_changed = true;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, QStringLiteral("7"));
    DatabaseProbe probe(m_server);
    if (!renameOnServer.isEmpty())
        QVERIFY(probe.exec(QStringLiteral("update realmd.account set username = '%1' where id = 7")
                                   .arg(renameOnServer)));
    edit(gui, "dxDNEdit8")->setText(QStringLiteral("Другое"));
    gui.type(QStringLiteral("dxDNEdit19"), QStringLiteral("зима"));
    gui.dialogs.answerNextConfirmations({true});
    gui.click(QStringLiteral("dxButton17"));
    QCOMPARE(probe.rows(QStringLiteral("select username, sha_pass_hash from realmd.account where "
                                       "id = 7")),
             QStringList{storedRow});
}

void AccountEditingTest::setPasswordForAnAccountNoLongerStored() {
    m_changed = true;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, QStringLiteral("7"));
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec(QStringLiteral("delete from realmd.account where id = 7")));
    const QString shownHash = edit(gui, "dxDNEdit9")->text();
    gui.type(QStringLiteral("dxDNEdit19"), QStringLiteral("зима"));
    gui.dialogs.answerNextConfirmations({true});
    gui.click(QStringLiteral("dxButton17"));
    QCOMPARE(gui.dialogs.describe().last(),
             QStringLiteral("error|Ошибка изменения данных|Сервер не подтвердил изменение:\r\n"
                            "Аккаунт с этим id не найден."));
    QCOMPARE(edit(gui, "dxDNEdit9")->text(), shownHash);
}

void AccountEditingTest::compareWithoutAnswerShowsNoVerdict() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, QStringLiteral("4"));
    gui.type(QStringLiteral("dxDNEdit19"), QStringLiteral("gmpass"));
    gui.click(QStringLiteral("dxButton39"));
    QCOMPARE(labelText(gui, "Label80"), QStringLiteral("Совпадает!"));
    // An id that makes the select fail.
    edit(gui, "dxDNEdit7")->setText(QStringLiteral("4 4"));
    gui.click(QStringLiteral("dxButton39"));
    QCOMPARE(labelText(gui, "Label80"), QString());
    QCOMPARE(labelText(gui, "Label16"), QString());
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void AccountEditingTest::resetSessionKey_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("not in the game") << QStringLiteral("3") << true;
    QTest::newRow("in the game") << QStringLiteral("2") << false;
    QTest::newRow("on realm 2") << QStringLiteral("12") << false;
}

void AccountEditingTest::resetSessionKey() {
    QFETCH(QString, id);
    QFETCH(bool, allowed);
    m_changed = allowed;
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    selectAccount(gui, id);
    DatabaseProbe probe(m_server);
    const UndoTraffic undo = undoTraffic(m_server, "realmd", accountsql::resetSessionKeyUndo(id));
    ServerLog log(m_server.generalLog);
    const QString keys =
            QStringLiteral("select s is null, v is null, sessionkey is null from realmd.account "
                           "where id = %1")
                    .arg(id);
    if (!allowed) {
        gui.dialogs.defaultAnswer = true;
        gui.chooseMenuItem(kGrid, QStringLiteral("N22"));
        QVERIFY(gui.dialogs.boxes().isEmpty());
        QVERIFY(log.statementsSinceMark().isEmpty());
        QCOMPARE(probe.rows(keys), QStringList{QStringLiteral("0|0|0")});
        return;
    }
    gui.dialogs.answerNextConfirmations({false, true});
    gui.chooseMenuItem(kGrid, QStringLiteral("N22"));
    QVERIFY(log.statementsSinceMark().isEmpty());
    gui.chooseMenuItem(kGrid, QStringLiteral("N22"));
    QCOMPARE(gui.dialogs.describe().last(),
             QStringLiteral("confirmation|Смена пароля|Вы действительно хотите сбросить ключ "
                            "сессии?"));
    QCOMPARE(log.statementsSinceMark(),
             changeStatements(accountsql::resetSessionKeyStatement(id), undo) +
                     refreshStatements(listQuery()));
    log.mark();
    QCOMPARE(probe.rows(keys), QStringList{QStringLiteral("1|1|1")});
}

QTEST_MAIN(AccountEditingTest)
#include "tst_account_editing.moc"

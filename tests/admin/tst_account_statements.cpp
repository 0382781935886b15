// The statement texts of the accounts page, as the server receives them.
#include "AccountStatements.h"

#include <QTest>

using accountsql::Sort;

namespace {
const QString kSelect = QStringLiteral(
        "select `id`,`username`,`sha_pass_hash`,`gmlevel`,`email`,`joindate`,`last_ip`,"
        "`failed_logins`,`locked`,`last_login`,`active_realm_id`,`expansion`,`locale` from "
        "`account`");
} // namespace

class AccountStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void listStatement_data();
    void listStatement();
    void searchFilter_data();
    void searchFilter();
    void lookupFilters();
    void saveStatement_data();
    void saveStatement();
    void passwordAndKeyStatements();
    void staleDeletionGuard_data();
    void staleDeletionGuard();
    void levelNames_data();
    void levelNames();
};

void AccountStatementsTest::listStatement_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("sort");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("tail");

    QTest::newRow("all, by id") << QString() << int(Sort::Id) << false << QStringLiteral("Все") << 0
                                << QStringLiteral(" order by `id`");
    QTest::newRow("all ignores the offset")
            << QString() << int(Sort::Username) << true << QStringLiteral("Все") << 300
            << QStringLiteral(" order by `username` DESC");
    QTest::newRow("first row whatever the offset")
            << QString() << int(Sort::Joindate) << false << QStringLiteral("Первая") << 50
            << QStringLiteral(" order by `joindate` LIMIT 1");
    QTest::newRow("page of 100 from 200, last_ip descending")
            << QString() << int(Sort::LastIp) << true << QStringLiteral("100") << 200
            << QStringLiteral(" order by `last_ip` DESC LIMIT 200,100");
    QTest::newRow("last_login from 0")
            << QString() << int(Sort::LastLogin) << false << QStringLiteral("50") << 0
            << QStringLiteral(" order by `last_login` LIMIT 0,50");
    QTest::newRow("limit number as it stands")
            << QString() << int(Sort::Id) << false << QStringLiteral(" 7") << 10
            << QStringLiteral(" order by `id` LIMIT 10, 7");
    QTest::newRow("limit that is no number")
            << QString() << int(Sort::Id) << false << QStringLiteral(" 7x") << 10
            << QStringLiteral(" order by `id` LIMIT 10,");
    QTest::newRow("limit compared with case")
            << QString() << int(Sort::Id) << false << QStringLiteral("все") << 0
            << QStringLiteral(" order by `id` LIMIT 0,");
    QTest::newRow("filter joined without separator")
            << QStringLiteral(" where `id` = 5") << int(Sort::Id) << false << QStringLiteral("Все")
            << 0 << QStringLiteral(" where `id` = 5 order by `id`");
}

void AccountStatementsTest::listStatement() {
    QFETCH(QString, filter);
    QFETCH(int, sort);
    QFETCH(bool, descending);
    QFETCH(QString, limit);
    QFETCH(int, offset);
    QFETCH(QString, tail);
    QCOMPARE(accountsql::listStatement(filter, Sort(sort), descending, limit, offset),
             kSelect + tail);
}

void AccountStatementsTest::searchFilter_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("lastIp");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("noBackslashEscapes");

    QTest::newRow("nothing") << QString() << QString() << QString() << QString() << QString()
                             << false;
    QTest::newRow("id wins") << QStringLiteral("12") << QStringLiteral("ab")
                             << QStringLiteral("x@y") << QStringLiteral("10.0")
                             << QStringLiteral(" where `id` = 12") << false;
    QTest::newRow("username and last_ip")
            << QString() << QStringLiteral("ab") << QString() << QStringLiteral("10.0")
            << QStringLiteral(" where (`username` like \"%ab%\") and (`last_ip` like \"%10.0%\")")
            << false;
    QTest::newRow("email alone") << QString() << QString() << QStringLiteral("mail.ru") << QString()
                                 << QStringLiteral(" where (`email` like \"%mail.ru%\")") << false;
    QTest::newRow("all three, trimmed")
            << QString() << QStringLiteral(" Вася ") << QStringLiteral("\tmail ")
            << QStringLiteral(" 95.")
            << QStringLiteral(" where (`username` like \"%Вася%\") and (`email` like "
                              "\"%mail%\") and (`last_ip` like \"%95.%\")")
            << false;
    QTest::newRow("blanks only are not empty")
            << QString() << QStringLiteral("   ") << QString() << QString()
            << QStringLiteral(" where (`username` like \"%%\")") << false;
    QTest::newRow("quotes and backslash are matched as typed")
            << QString() << QStringLiteral("a\"b'c\\d") << QString() << QString()
            << QStringLiteral(" where (`username` like \"%a\\\"b\\'c\\\\\\\\d%\")") << false;
    QTest::newRow("wildcards stay wildcards")
            << QString() << QString() << QStringLiteral("a_b%c") << QString()
            << QStringLiteral(" where (`email` like \"%a_b%c%\")") << false;
    QTest::newRow("without backslash escapes the double quote is doubled")
            << QString() << QStringLiteral("x\" where 1=1 #\\") << QString() << QString()
            << QStringLiteral(" where (`username` like \"%x\"\" where 1=1 #\\\\%\" escape \"\\\")")
            << true;
    QTest::newRow("an id that is no number goes as nothing")
            << QStringLiteral("1 or 1=1") << QString() << QString() << QString()
            << QStringLiteral(" where `id` = ") << false;
}

void AccountStatementsTest::searchFilter() {
    QFETCH(QString, id);
    QFETCH(QString, username);
    QFETCH(QString, email);
    QFETCH(QString, lastIp);
    QFETCH(QString, filter);
    QFETCH(bool, noBackslashEscapes);
    QCOMPARE(accountsql::searchFilter({id, username, email, lastIp}, Quoting{noBackslashEscapes}),
             filter);
}

void AccountStatementsTest::lookupFilters() {
    QCOMPARE(accountsql::accountsWithLastIpFilter(QStringLiteral("95.24.12.7"), Quoting{}),
             QStringLiteral(" where `last_ip` = \"95.24.12.7\""));
    QCOMPARE(accountsql::accountsWithLastIpFilter(QStringLiteral("1\" or \"1"), Quoting{}),
             QStringLiteral(" where `last_ip` = \"1\\\" or \\\"1\""));
    QCOMPARE(accountsql::accountsWithLastIpFilter(QStringLiteral("1\\\" or \"1"), Quoting{true}),
             QStringLiteral(" where `last_ip` = \"1\\\"\" or \"\"1\""));
    QCOMPARE(accountsql::withoutCharactersFilter(QStringLiteral("characters")),
             QStringLiteral(" where `id` not in ( select `account` from "
                            "`characters`.`characters` group by `account`)"));
    QCOMPARE(accountsql::withoutCharactersFilter(QStringLiteral("char`s")),
             QStringLiteral(" where `id` not in ( select `account` from "
                            "`char``s`.`characters` group by `account`)"));
    QCOMPARE(accountsql::staleAccountsFilter(QStringLiteral("150")),
             QStringLiteral(" WHERE DATEDIFF(NOW(), `last_login`) > 150"));
    // The erase period comes from the settings file as it stands.
    QCOMPARE(accountsql::staleAccountsFilter(QStringLiteral("0 or 1=1")),
             QStringLiteral(" WHERE DATEDIFF(NOW(), `last_login`) > "));
    QCOMPARE(accountsql::deleteStaleAccountsStatement(QStringLiteral("150")),
             QStringLiteral("DELETE FROM `account` WHERE DATEDIFF(NOW(), `last_login`) >  150"));
}

void AccountStatementsTest::saveStatement_data() {
    QTest::addColumn<QStringList>("edits"); // id, username, gmlevel, email, last_ip, locked,
                                            // last_login, expansion, locale
    QTest::addColumn<QString>("statement");

    QTest::newRow("bare values as stored")
            << QStringList{"7",
                           "НАТАША",
                           "0",
                           "natasha@mail.ru",
                           "178.66.3.21",
                           "0",
                           "2024-05-01 10:00:00",
                           "2",
                           "8"}
            << QStringLiteral(
                       "update `account` set `username` = \"НАТАША\", `gmlevel` = 0, `email` = "
                       "\"natasha@mail.ru\", `last_ip` = \"178.66.3.21\", `locked` = 0, "
                       "`last_login` = \"2024-05-01 10:00:00\", `expansion` = 2, `locale` = 8 "
                       "where `id` = 7;");
    QTest::newRow("case and blanks")
            << QStringList{"5",
                           " вася петров\t",
                           "2 - gamemaster",
                           " Vasya@Почта.RU ",
                           " 95.24.12.7 ",
                           "1 - блокирован по IP",
                           " 2024-05-01 ",
                           "1 - TBC",
                           "10"}
            << QStringLiteral(
                       "update `account` set `username` = \"ВАСЯ ПЕТРОВ\", `gmlevel` = 2, "
                       "`email` = \"vasya@Почта.ru\", `last_ip` = \"95.24.12.7\", `locked` = 1, "
                       "`last_login` = \"2024-05-01\", `expansion` = 1, `locale` = 1 "
                       "where `id` = 5;");
    QTest::newRow("never logged in keeps NULL")
            << QStringList{"10", "NEWBIE", "0", "newbie@example.com", "0.0.0.0", "0",
                           "  ", "2",      "0"}
            << QStringLiteral(
                       "update `account` set `username` = \"NEWBIE\", `gmlevel` = 0, `email` = "
                       "\"newbie@example.com\", `last_ip` = \"0.0.0.0\", `locked` = 0, "
                       "`last_login` = NULL, `expansion` = 2, `locale` = 0 where `id` = 10;");
    QTest::newRow("quotes and backslash escaped")
            << QStringList{"3", "o'\"x\\", "", "a\"b'c\\d@x", "", "", "", "", ""}
            << QStringLiteral("update `account` set `username` = \"O\\'\\\"X\\\\\", `gmlevel` = , "
                              "`email` = \"a\\\"b\\'c\\\\d@x\", `last_ip` = \"\", `locked` = , "
                              "`last_login` = NULL, `expansion` = , `locale` =  where `id` = 3;");
    // Only a digit goes bare from the four combos; anything else behaves like
    // an empty combo.
    QTest::newRow("combo texts that are no digit")
            << QStringList{"3",  "A", "1, `sha_pass_hash` = \"\"", "a@x", "", "(select 1)", "",
                           " 2", "x"}
            << QStringLiteral("update `account` set `username` = \"A\", `gmlevel` = 1, `email` = "
                              "\"a@x\", `last_ip` = \"\", `locked` = , `last_login` = NULL, "
                              "`expansion` = , `locale` =  where `id` = 3;");
}

void AccountStatementsTest::saveStatement() {
    QFETCH(QStringList, edits);
    QFETCH(QString, statement);
    const accountsql::AccountEdits values{edits[0], edits[1], edits[2], edits[3], edits[4],
                                          edits[5], edits[6], edits[7], edits[8]};
    QCOMPARE(accountsql::saveStatement(values, Quoting{}), statement);
}

void AccountStatementsTest::passwordAndKeyStatements() {
    QCOMPARE(accountsql::setPasswordStatement(QStringLiteral("4"), QStringLiteral("gamemaster"),
                                              QStringLiteral("new\"pass"), Quoting{}),
             QStringLiteral(" update `account` set `sha_pass_hash` =  SHA1(CONCAT(UPPER("
                            "\"gamemaster\"),\":\",UPPER(\"new\\\"pass\"))), `s` = null, `v` = "
                            "null, `sessionkey` = null where `id` = 4;"));
    QCOMPARE(accountsql::setPasswordStatement(QStringLiteral("4"), QStringLiteral("gm\\"),
                                              QStringLiteral("new\"pass"), Quoting{true}),
             QStringLiteral(" update `account` set `sha_pass_hash` =  SHA1(CONCAT(UPPER("
                            "\"gm\\\"),\":\",UPPER(\"new\"\"pass\"))), `s` = null, `v` = "
                            "null, `sessionkey` = null where `id` = 4;"));
    QCOMPARE(accountsql::comparePasswordStatement(QStringLiteral("4"), QStringLiteral("gmpass"),
                                                  Quoting{}),
             QStringLiteral("select SHA1(CONCAT(UPPER(`username`),\":\",UPPER(\"gmpass\"))) as "
                            "hashtest from `account` where `id` = 4;"));
    QCOMPARE(accountsql::resetSessionKeyStatement(QStringLiteral("4")),
             QStringLiteral(" update `account` set `s` = null, `v` = null, `sessionkey` = null "
                            "where `id` = 4;"));
    QCOMPARE(accountsql::deleteStatement(QStringLiteral("4")),
             QStringLiteral("delete from `account` where `id` = 4;"));
}

void AccountStatementsTest::staleDeletionGuard_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("150") << QStringLiteral("150") << true;
    QTest::newRow("1") << QStringLiteral("1") << true;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("zero written twice") << QStringLiteral("00") << false;
    QTest::newRow("not a number") << QStringLiteral("1 OR 1=1") << false;
    QTest::newRow("blank") << QStringLiteral(" 150") << false;
}

void AccountStatementsTest::staleDeletionGuard() {
    QFETCH(QString, period);
    QFETCH(bool, allowed);
    QCOMPARE(accountsql::staleDeletionAllowed(period), allowed);
}

void AccountStatementsTest::levelNames_data() {
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("player");
    QTest::newRow("1") << QStringLiteral("1") << QStringLiteral("moderator");
    QTest::newRow("2") << QStringLiteral("2") << QStringLiteral("gamemaster");
    QTest::newRow("3") << QStringLiteral("3") << QStringLiteral("administrator");
    QTest::newRow("4") << QStringLiteral("4") << QStringLiteral("superadministrator");
    QTest::newRow("5") << QStringLiteral("5") << QStringLiteral("player");
    QTest::newRow("empty") << QString() << QStringLiteral("player");
}

void AccountStatementsTest::levelNames() {
    QFETCH(QString, level);
    QFETCH(QString, name);
    QCOMPARE(accountsql::levelName(level), name);
}

QTEST_MAIN(AccountStatementsTest)
#include "tst_account_statements.moc"

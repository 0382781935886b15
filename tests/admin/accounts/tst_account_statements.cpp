// The statement texts of the accounts page, as the server receives them.
#include "accounts/AccountStatements.h"

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
    void savePlan_data();
    void savePlan();
    void passwordHash_data();
    void passwordHash();
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

namespace {

accountsql::AccountEdits accountEdits(const QStringList& texts) {
    return {texts[0], texts[1], texts[2], texts[3], texts[4],
            texts[5], texts[6], texts[7], texts[8]};
}

// Account 7 as the grid shows it: id, username, gmlevel, email, last_ip,
// locked, last_login, expansion, locale.
const QStringList kNatasha = {
        "7", "НАТАША", "0", "natasha@mail.ru", "178.66.3.21", "0", "2024-05-01 10:00:00", "2", "8"};

QStringList with(QStringList texts, int index, const QString& text) {
    texts[index] = text;
    return texts;
}

} // namespace

void AccountStatementsTest::savePlan_data() {
    QTest::addColumn<QStringList>("loaded");
    QTest::addColumn<QStringList>("edited");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("refused");

    QTest::newRow("nothing touched: nothing written")
            << kNatasha << kNatasha << QString() << QString() << false;
    // An e-mail shown empty (NULL, or bytes that are not UTF-8) and left so.
    QTest::newRow("empty e-mail left empty")
            << with(kNatasha, 3, {}) << with(kNatasha, 3, {}) << QString() << QString() << false;
    QTest::newRow("a zero last login left as it is")
            << with(kNatasha, 6, "0000-00-00 00:00:00") << with(kNatasha, 6, "0000-00-00 00:00:00")
            << QString() << QString() << false;
    // A value not stored in the form a Save writes stays as it is while its
    // edit is untouched.
    QTest::newRow("an untouched e-mail in capitals stays")
            << with(kNatasha, 3, "Nata@Mail.RU") << with(with(kNatasha, 3, "Nata@Mail.RU"), 2, "1")
            << QString() << QStringLiteral("update `account` set `gmlevel` = 1 where `id` = 7;")
            << false;
    QTest::newRow("only the e-mail")
            << kNatasha << with(kNatasha, 3, "Nata@Mail.RU ") << QString()
            << QStringLiteral("update `account` set `email` = \"nata@mail.ru\" where `id` = 7;")
            << false;
    QTest::newRow("every other column: case, blanks, first characters")
            << kNatasha
            << QStringList{"7",
                           " наташа\t",
                           "2 - gamemaster",
                           " Vasya@Почта.RU ",
                           " 95.24.12.8 ",
                           "1 - блокирован по IP",
                           " 2024-05-02 ",
                           "1 - TBC",
                           "10"}
            << QString()
            << QStringLiteral("update `account` set `gmlevel` = 2, `email` = \"vasya@Почта.ru\", "
                              "`last_ip` = \"95.24.12.8\", `locked` = 1, `last_login` = "
                              "\"2024-05-02\", `expansion` = 1, `locale` = 1 where `id` = 7;")
            << false;
    QTest::newRow("an emptied last login gets the column's default")
            << kNatasha << with(kNatasha, 6, "  ") << QString()
            << QStringLiteral("update `account` set `last_login` = DEFAULT where `id` = 7;")
            << false;
    QTest::newRow("quotes and backslash escaped")
            << kNatasha << with(kNatasha, 3, "a\"b'c\\d@x") << QString()
            << QStringLiteral("update `account` set `email` = \"a\\\"b\\'c\\\\d@x\" where "
                              "`id` = 7;")
            << false;
    // Only a digit goes bare from the four combos; anything else behaves like
    // an empty combo, which the server rejects.
    QTest::newRow("combo texts that are no digit")
            << kNatasha << with(with(kNatasha, 2, "1, `sha_pass_hash` = \"\""), 5, "(select 1)")
            << QString()
            << QStringLiteral("update `account` set `gmlevel` = 1, `locked` =  where `id` = 7;")
            << false;
    QTest::newRow("a new name without a new password: refused")
            << kNatasha << with(with(kNatasha, 1, "Наталья"), 3, "x@y") << QString() << QString()
            << true;
    // The hash was computed outside the program:
    //   printf '%s' 'НАТАЛЬЯ:Пароль-1' | sha1sum
    // (only a-z of name and password upper-cased; the digest upper-cased).
    QTest::newRow("a new name with a new password: name, hash and session in one update")
            << kNatasha << with(with(kNatasha, 1, "наталья "), 3, "x@y")
            << QStringLiteral("Пароль-1")
            << QStringLiteral("update `account` set `username` = \"НАТАЛЬЯ\", `sha_pass_hash` = "
                              "\"A055277BBE97295FAB45D781DFDB339A968C550B\", `s` = null, `v` = "
                              "null, `sessionkey` = null, `email` = \"x@y\" where `id` = 7;")
            << false;
    QTest::newRow("the same name in other letters is no new name")
            << kNatasha << with(kNatasha, 1, " наташа") << QString() << QString() << false;
}

void AccountStatementsTest::savePlan() {
    QFETCH(QStringList, loaded);
    QFETCH(QStringList, edited);
    QFETCH(QString, password);
    QFETCH(QString, statement);
    QFETCH(bool, refused);
    const accountsql::SavePlan plan = accountsql::savePlan(
            accountEdits(loaded), accountEdits(loaded), accountEdits(edited), password, Quoting{});
    QCOMPARE(plan.statement, statement);
    QCOMPARE(plan.renameNeedsPassword, refused);
    // Saving the same edits again writes nothing.
    QCOMPARE(accountsql::savePlan(plan.stored, accountEdits(edited), accountEdits(edited), password,
                                  Quoting{})
                     .statement,
             QString());
    // Nor do edits typed differently that give the stored values.
    if (!plan.statement.isEmpty())
        QCOMPARE(accountsql::savePlan(plan.stored, accountEdits(loaded), accountEdits(edited),
                                      password, Quoting{})
                         .statement,
                 QString());
}

void AccountStatementsTest::passwordHash_data() {
    QTest::addColumn<QByteArray>("username");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("hash");
    // Computed outside the program, with a-z of name and password upper-cased
    // by hand and the digest upper-cased, e.g.
    //   printf '%s' 'НАТАША:лето' | sha1sum
    //   printf '\xc2\xc0\xd1\xdf:QWERTY' | sha1sum
    QTest::newRow("Latin") << QByteArray("ADMIN") << QStringLiteral("admin")
                           << QStringLiteral("8301316D0D8448A34FA6D0C6BF1CBFA2B4A1A93A");
    QTest::newRow("Latin letters of both sides upper-cased")
            << QByteArray("gamemaster") << QStringLiteral("GmPass")
            << QStringLiteral("AE8CB58449A8B9E9B0EBFF289CB49A9A7B8E7D98");
    QTest::newRow("Cyrillic stays as typed")
            << QStringLiteral("НАТАША").toUtf8() << QStringLiteral("лето")
            << QStringLiteral("A6E9B04FD3F662D34B1C7EA67FC213B9462FC381");
    QTest::newRow("mixed") << QStringLiteral("MARIA").toUtf8() << QStringLiteral("Мария1990abc")
                           << QStringLiteral("47B5453C17E90EF76F51A40E10DF4D68D4EFC214");
    QTest::newRow("Ё, a blank and Latin")
            << QStringLiteral("Ёжик").toUtf8() << QStringLiteral("ёлка Tree2")
            << QStringLiteral("23ACD46BF99AE0C98C1999EA234A4AB25B682AE6");
    QTest::newRow("a stored name that is not UTF-8: its bytes")
            << QByteArray("\xC2\xC0\xD1\xDF") << QStringLiteral("qwerty")
            << QStringLiteral("819DF7EA8EBF2E70590A8C593912A4ECA2B4F95A");
}

void AccountStatementsTest::passwordHash() {
    QFETCH(QByteArray, username);
    QFETCH(QString, password);
    QFETCH(QString, hash);
    QCOMPARE(accountsql::passwordHash(username, password), hash);
    QVERIFY(accountsql::sameHash(hash.toLower(), hash));
    QVERIFY(!accountsql::sameHash(hash, accountsql::passwordHash(username, password + u'x')));
}

void AccountStatementsTest::passwordAndKeyStatements() {
    QCOMPARE(accountsql::setPasswordStatement(
                     QStringLiteral("4"),
                     QStringLiteral("AE8CB58449A8B9E9B0EBFF289CB49A9A7B8E7D98"), Quoting{}),
             QStringLiteral(" update `account` set `sha_pass_hash` = "
                            "\"AE8CB58449A8B9E9B0EBFF289CB49A9A7B8E7D98\", `s` = null, `v` = "
                            "null, `sessionkey` = null where `id` = 4;"));
    QCOMPARE(accountsql::storedLoginStatement(QStringLiteral("4")),
             QStringLiteral("select `username`,`sha_pass_hash` from `account` where `id` = 4;"));
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

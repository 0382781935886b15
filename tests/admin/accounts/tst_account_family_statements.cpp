// The statement texts of the accounts page for every schema family, as the
// server receives them: the 2010 family's are those the program always sent
// (tst_account_statements pins them); the others write what each server's
// own login code writes. Password vectors are rows the families ship or the
// fixtures hold (scripts/db/families/*.sql), password = user name.
#include "accounts/AccountStatements.h"
#include "schema/Srp6.h"

#include <QTest>

#include <algorithm>

using accountsql::Column;
using accountsql::Sort;
using schema::Family;

Q_DECLARE_METATYPE(schema::Family)

namespace {

accountsql::LoginSchema described(Family family) {
    return schema::loginSchema(family, {});
}

// The newest logon's value on cmangos, as a select item reads it.
QString newestLogon(const char* column) {
    return QStringLiteral("(select `%1` from `account_logons` where `accountId` = `account`.`id` "
                          "order by `loginTime` desc limit 1)")
            .arg(QLatin1String(column));
}

// The level that applies where levels are kept per realm.
QString perRealmLevel(const char* table, const char* account, const char* level) {
    return QStringLiteral("coalesce((select `%3` from `%1` where `%2` = `account`.`id` and "
                          "`RealmID` = -1), (select max(`%3`) from `%1` where `%2` = "
                          "`account`.`id`), 0) as `gmlevel`")
            .arg(QLatin1String(table), QLatin1String(account), QLatin1String(level));
}

QString select(const QStringList& items) {
    return QStringLiteral("select ") + items.join(u',') + QStringLiteral(" from `account`");
}

const QString kMangosList =
        select({"`id`", "`username`", "`sha_pass_hash`", "`gmlevel`", "`email`", "`joindate`",
                "`last_ip`", "`failed_logins`", "`locked`", "`last_login`", "`active_realm_id`",
                "`expansion`", "`locale`"});

// The salt bytes of a hex store's salt text (the number's bytes, least
// significant first).
QByteArray saltOfHex(const char* hex) {
    QByteArray bytes = QByteArray::fromHex(hex);
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

accountsql::AccountEdits edits(const QStringList& texts) {
    return {texts[0], texts[1], texts[2], texts[3], texts[4],
            texts[5], texts[6], texts[7], texts[8]};
}

QStringList with(QStringList texts, int index, const QString& text) {
    texts[index] = text;
    return texts;
}

// PLAYER as the grid shows it: id, username, gmlevel, email, last_ip,
// locked, last_login, expansion, locale.
const QStringList kPlayer = {
        "4", "PLAYER", "0", "player@example.org", "192.168.1.20", "0", "2024-05-01 10:00:00",
        "2", "8"};

} // namespace

class AccountFamilyStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void listSelect_data();
    void listSelect();
    void sortByAlias_data();
    void sortByAlias();
    void filtersReadTheFamilysColumns_data();
    void filtersReadTheFamilysColumns();
    void columnsTheDatabaseLacks();
    void staleDeletion_data();
    void staleDeletion();
    void passwordWrite_data();
    void passwordWrite();
    void passwordCheck_data();
    void passwordCheck();
    void savePlan_data();
    void savePlan();
    void deleteAndSessionKey_data();
    void deleteAndSessionKey();
};

void AccountFamilyStatementsTest::listSelect_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QStringList>("headers");
    const QStringList mangosHeaders = {"id",     "username",   "sha_pass_hash", "gmlevel",
                                       "email",  "joindate",   "last_ip",       "failed_login",
                                       "locked", "last_login", "online",        "expantion",
                                       "locale"};
    QTest::newRow("2010") << Family::Mangos2010 << kMangosList << mangosHeaders;
    QTest::newRow("rel2x") << Family::Rel2x << kMangosList << mangosHeaders;
    QTest::newRow("cmangos: last IP and login from the newest logon")
            << Family::Cmangos
            << select({"`id`", "`username`", "`v`", "`gmlevel`", "`email`", "`joindate`",
                       newestLogon("ip") + " as `last_ip`", "`failed_logins`", "`locked`",
                       newestLogon("loginTime") + " as `last_login`", "`active_realm_id`",
                       "`expansion`", "`locale`"})
            << with(mangosHeaders, 2, "v");
    QTest::newRow("vmangos: the level that applies")
            << Family::Vmangos
            << select({"`id`", "`username`", "`v`",
                       perRealmLevel("account_access", "id", "gmlevel"), "`email`", "`joindate`",
                       "`last_ip`", "`failed_logins`", "`locked`", "`last_login`",
                       "`current_realm`", "`expansion`", "`locale`"})
            << with(mangosHeaders, 2, "v");
    QTest::newRow("trinitycore: the verifier as hex text")
            << Family::TrinityCore
            << select({"`id`", "`username`", "HEX(`verifier`) as `verifier`",
                       perRealmLevel("account_access", "AccountID", "SecurityLevel"), "`email`",
                       "`joindate`", "`last_ip`", "`failed_logins`", "`locked`", "`last_login`",
                       "`online`", "`expansion`", "`locale`"})
            << with(mangosHeaders, 2, "verifier");
    QTest::newRow("azerothcore") << Family::AzerothCore
                                 << select({"`id`", "`username`", "HEX(`verifier`) as `verifier`",
                                            perRealmLevel("account_access", "id", "gmlevel"),
                                            "`email`", "`joindate`", "`last_ip`", "`failed_logins`",
                                            "`locked`", "`last_login`", "`online`", "`expansion`",
                                            "`locale`"})
                                 << with(mangosHeaders, 2, "verifier");
}

void AccountFamilyStatementsTest::listSelect() {
    QFETCH(Family, family);
    QFETCH(QString, statement);
    QFETCH(QStringList, headers);
    const accountsql::LoginSchema login = described(family);
    QCOMPARE(accountsql::listSelect(login), statement);
    QStringList shown;
    for (const accountsql::ListColumn& column : accountsql::listColumns(login))
        shown << column.header;
    QCOMPARE(shown, headers);
}

void AccountFamilyStatementsTest::sortByAlias_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<int>("sort");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("2010 last login") << Family::Mangos2010 << int(Sort::LastLogin)
                                     << QStringLiteral(" order by `last_login`");
    // The newest logon's columns by their select aliases.
    QTest::newRow("cmangos last IP")
            << Family::Cmangos << int(Sort::LastIp) << QStringLiteral(" order by `last_ip`");
    QTest::newRow("cmangos last login")
            << Family::Cmangos << int(Sort::LastLogin) << QStringLiteral(" order by `last_login`");
    QTest::newRow("trinitycore user name")
            << Family::TrinityCore << int(Sort::Username) << QStringLiteral(" order by `username`");
}

void AccountFamilyStatementsTest::sortByAlias() {
    QFETCH(Family, family);
    QFETCH(int, sort);
    QFETCH(QString, fragment);
    QCOMPARE(accountsql::sortFragment(described(family), Sort(sort)), fragment);
    QCOMPARE(accountsql::listStatement(described(family), {}, Sort(sort), true, QStringLiteral("3"),
                                       6),
             accountsql::listSelect(described(family)) + fragment +
                     QStringLiteral(" DESC LIMIT 6,3"));
}

void AccountFamilyStatementsTest::filtersReadTheFamilysColumns_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QString>("search"); // user name "pla" and last IP "192.168"
    QTest::addColumn<QString>("sameIp"); // 192.168.1.20
    QTest::addColumn<QString>("stale");  // 150 days
    QTest::addColumn<QString>("withoutCharacters");
    const QString withoutCharacters = QStringLiteral(
            " where `id` not in ( select `account` from `wc`.`characters` group by `account`)");
    QTest::newRow("2010") << Family::Mangos2010
                          << QStringLiteral(" where (`username` like \"%pla%\") and (`last_ip` "
                                            "like \"%192.168%\")")
                          << QStringLiteral(" where `last_ip` = \"192.168.1.20\"")
                          << QStringLiteral(" WHERE DATEDIFF(NOW(), `last_login`) > 150")
                          << withoutCharacters;
    QTest::newRow("cmangos: the newest logon")
            << Family::Cmangos
            << QStringLiteral(" where (`username` like \"%pla%\") and (") + newestLogon("ip") +
                       QStringLiteral(" like \"%192.168%\")")
            << QStringLiteral(" where ") + newestLogon("ip") + QStringLiteral(" = \"192.168.1.20\"")
            << QStringLiteral(" WHERE DATEDIFF(NOW(), ") + newestLogon("loginTime") +
                       QStringLiteral(") > 150")
            << withoutCharacters;
    QTest::newRow("azerothcore")
            << Family::AzerothCore
            << QStringLiteral(" where (`username` like \"%pla%\") and (`last_ip` like "
                              "\"%192.168%\")")
            << QStringLiteral(" where `last_ip` = \"192.168.1.20\"")
            << QStringLiteral(" WHERE DATEDIFF(NOW(), `last_login`) > 150") << withoutCharacters;
}

void AccountFamilyStatementsTest::filtersReadTheFamilysColumns() {
    QFETCH(Family, family);
    QFETCH(QString, search);
    QFETCH(QString, sameIp);
    QFETCH(QString, stale);
    QFETCH(QString, withoutCharacters);
    const accountsql::LoginSchema login = described(family);
    QCOMPARE(accountsql::searchFilter(login, {{}, "pla", {}, "192.168"}, Quoting{}), search);
    QCOMPARE(accountsql::searchFilter(login, {"7", "pla", {}, {}}, Quoting{}),
             QStringLiteral(" where `id` = 7"));
    QCOMPARE(accountsql::accountsWithLastIpFilter(login, "192.168.1.20", Quoting{}), sameIp);
    QCOMPARE(accountsql::staleAccountsFilter(login, "150"), stale);
    QCOMPARE(accountsql::withoutCharactersFilter(login, "wc"), withoutCharacters);
}

void AccountFamilyStatementsTest::columnsTheDatabaseLacks() {
    // A 2010 account table without last_ip and locale: the list leaves them
    // out, sorting by the last IP sorts by id, the search skips it, and the
    // columns are named as missing.
    schema::Catalog catalog;
    for (const char* column :
         {"id", "username", "sha_pass_hash", "gmlevel", "email", "joindate", "failed_logins",
          "locked", "last_login", "active_realm_id", "expansion", "sessionkey"})
        catalog.add(QStringLiteral("account"), QLatin1String(column));
    const accountsql::LoginSchema login = schema::loginSchema(Family::Mangos2010, catalog);
    QCOMPARE(accountsql::listSelect(login),
             select({"`id`", "`username`", "`sha_pass_hash`", "`gmlevel`", "`email`", "`joindate`",
                     "`failed_logins`", "`locked`", "`last_login`", "`active_realm_id`",
                     "`expansion`"}));
    const QList<accountsql::ListColumn> columns = accountsql::listColumns(login);
    QCOMPARE(accountsql::indexOf(columns, Column::LastIp), -1);
    QCOMPARE(accountsql::indexOf(columns, Column::LastLogin), 8);
    QVERIFY(!accountsql::canSort(login, Sort::LastIp));
    QCOMPARE(accountsql::sortFragment(login, Sort::LastIp), QStringLiteral(" order by `id`"));
    QCOMPARE(accountsql::searchFilter(login, {{}, {}, "x@y", "10."}, Quoting{}),
             QStringLiteral(" where (`email` like \"%x@y%\")"));
    QCOMPARE(accountsql::missingColumns(login, Column::LastIp), QStringList{"account.last_ip"});
    QCOMPARE(accountsql::missingColumns(login, Column::Email), QStringList());
    QVERIFY(!accountsql::canWrite(login, Column::Locale));
    // The password without s and v: the hash and the session key alone
    // (printf '%s' 'PLAYER:X' | sha1sum); the session key reset clears what
    // is there.
    QCOMPARE(accountsql::setPasswordStatement(
                     login, "4", accountsql::passwordWrite(login.account, "PLAYER", "x", {}, {})),
             QStringLiteral(" update `account` set `sha_pass_hash` = "
                            "\"3C4DF73DEA81D5F0AB524D08FFFA2511BE7233D9\", `sessionkey` = null "
                            "where `id` = 4;"));
    QCOMPARE(accountsql::resetSessionKeyStatement(login, "4"),
             QStringLiteral(" update `account` set `sessionkey` = null where `id` = 4;"));

    // Without its salt column a SRP6 store cannot be written: no password,
    // no new name.
    schema::Catalog noSalt;
    for (const char* column : {"id", "username", "verifier", "email"})
        noSalt.add(QStringLiteral("account"), QLatin1String(column));
    const accountsql::LoginSchema trinity = schema::loginSchema(Family::TrinityCore, noSalt);
    QCOMPARE(trinity.account.store, schema::PasswordStore::None);
    QVERIFY(!accountsql::canWrite(trinity, Column::Username));
    QVERIFY(!accountsql::canWrite(trinity, Column::GmLevel));
    const QStringList shown = {"4", "PLAYER", "0", "", "", "", "", "", ""};
    QCOMPARE(accountsql::savePlan(trinity, edits(shown), edits(shown),
                                  edits(with(shown, 1, "OTHER")), {"pw", {}}, Quoting{})
                     .statements(),
             QStringList());
}

void AccountFamilyStatementsTest::staleDeletion_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QStringList>("targets"); // table: condition
    const QString stale = QStringLiteral("DATEDIFF(NOW(), `last_login`) >  150");
    const QString staleIds =
            QStringLiteral(" IN (SELECT `id` FROM `account` WHERE ") + stale + u')';
    QTest::newRow("2010") << Family::Mangos2010
                          << QStringList{"DELETE FROM `account` WHERE " + stale}
                          << QStringList{"account: " + stale};
    // The foreign key deletes the bans of the account with it: they are
    // deleted (and kept in the undo script) in their own statement.
    QTest::newRow("rel2x: the bans too")
            << Family::Rel2x
            << QStringList{"DELETE FROM `account_banned` WHERE `id`" + staleIds,
                           "DELETE FROM `account` WHERE " + stale}
            << QStringList{"account_banned: `id`" + staleIds, "account: " + stale};
    QTest::newRow("cmangos: the newest logon")
            << Family::Cmangos
            << QStringList{"DELETE FROM `account` WHERE DATEDIFF(NOW(), " +
                           newestLogon("loginTime") + ") >  150"}
            << QStringList{"account: DATEDIFF(NOW(), " + newestLogon("loginTime") + ") >  150"};
    QTest::newRow("trinitycore: the GM levels too")
            << Family::TrinityCore
            << QStringList{"DELETE FROM `account_access` WHERE `AccountID`" + staleIds,
                           "DELETE FROM `account` WHERE " + stale}
            << QStringList{"account_access: `AccountID`" + staleIds, "account: " + stale};
    QTest::newRow("vmangos") << Family::Vmangos
                             << QStringList{"DELETE FROM `account_access` WHERE `id`" + staleIds,
                                            "DELETE FROM `account` WHERE " + stale}
                             << QStringList{"account_access: `id`" + staleIds, "account: " + stale};
}

void AccountFamilyStatementsTest::staleDeletion() {
    QFETCH(Family, family);
    QFETCH(QStringList, statements);
    QFETCH(QStringList, targets);
    const accountsql::LoginSchema login = described(family);
    QCOMPARE(accountsql::deleteStaleAccountsStatements(login, "150"), statements);
    QStringList described;
    for (const undosql::Target& target : accountsql::deleteStaleAccountsUndo(login, "150")) {
        QCOMPARE(target.kind, undosql::Target::Kind::Deleted);
        described << target.table + QStringLiteral(": ") + target.condition;
    }
    QCOMPARE(described, targets);
}

void AccountFamilyStatementsTest::passwordWrite_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QByteArray>("username");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("salt"); // as hashed
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("undoColumns");

    QTest::newRow("2010: the hash, s, v and the session cleared")
            << Family::Mangos2010 << QByteArray("ADMINISTRATOR") << QStringLiteral("administrator")
            << QByteArray()
            << QStringLiteral(" update `account` set `sha_pass_hash` = "
                              "\"A34B29541B87B7E4823683CE6C7BF6AE68BEAAAC\", `s` = null, `v` = "
                              "null, `sessionkey` = null where `id` = 4;")
            << QStringLiteral("A34B29541B87B7E4823683CE6C7BF6AE68BEAAAC")
            << QStringList{"sha_pass_hash", "s", "v", "sessionkey"};
    // Rel2x ships ADMINISTRATOR's hash in lower case: the server writes it
    // upper-cased, with v and s '0' (AccountMgr::ChangePassword).
    QTest::newRow("rel2x: the hash, v and s '0'")
            << Family::Rel2x << QByteArray("ADMINISTRATOR") << QStringLiteral("ADMINISTRATOR")
            << QByteArray()
            << QStringLiteral(" update `account` set `sha_pass_hash` = "
                              "\"A34B29541B87B7E4823683CE6C7BF6AE68BEAAAC\", `v` = \"0\", `s` = "
                              "\"0\" where `id` = 4;")
            << QStringLiteral("A34B29541B87B7E4823683CE6C7BF6AE68BEAAAC")
            << QStringList{"sha_pass_hash", "v", "s"};
    // The row cmangos ships: its salt gives back its verifier.
    QTest::newRow("cmangos: salt and verifier as hex texts")
            << Family::Cmangos << QByteArray("PLAYER") << QStringLiteral("player")
            << saltOfHex("EBA23AF194D89B8061CA7FEBA06D336B1C38D8FBDABA76F2C51D45141362D881")
            << QStringLiteral(" update `account` set `s` = "
                              "\"EBA23AF194D89B8061CA7FEBA06D336B1C38D8FBDABA76F2C51D45141362D881\""
                              ", `v` = "
                              "\"3738EC7E7C731FD431C716990C6D97CA5C1D50EF0DA7DE9819076DE1D03AA891\""
                              " where `id` = 4;")
            << QStringLiteral("3738EC7E7C731FD431C716990C6D97CA5C1D50EF0DA7DE9819076DE1D03AA891")
            << QStringList{"s", "v"};
    // A verifier with a leading zero byte is written without it (62 digits).
    QTest::newRow("vmangos: a verifier of 31 bytes")
            << Family::Vmangos << QByteArray("NOCHARS") << QStringLiteral("NOCHARS")
            << saltOfHex("FFBE9857E8EBB4A5ABBB561E8275F038B3A09BB4A8E853FFDFE13157137E52B9")
            << QStringLiteral(" update `account` set `s` = "
                              "\"FFBE9857E8EBB4A5ABBB561E8275F038B3A09BB4A8E853FFDFE13157137E52B9\""
                              ", `v` = "
                              "\"9FCC75AFA61558DA62E6FE8F0934FB2EDA2AB432174E3D45DC8C2956469A39\" "
                              "where `id` = 4;")
            << QStringLiteral("9FCC75AFA61558DA62E6FE8F0934FB2EDA2AB432174E3D45DC8C2956469A39")
            << QStringList{"s", "v"};
    QTest::newRow("trinitycore: 32 bytes each as hex literals")
            << Family::TrinityCore << QByteArray("ADMINISTRATOR") << QStringLiteral("Administrator")
            << QByteArray::fromHex(
                       "E56FF6B1546CBFE3C935E8EE1A82FBF399F488DFE67116215E84B770429544CF")
            << QStringLiteral(" update `account` set `salt` = "
                              "X'E56FF6B1546CBFE3C935E8EE1A82FBF399F488DFE67116215E84B770429544CF',"
                              " `verifier` = "
                              "X'6B158440EF256CD51A6DE017141E99FD5C573449C745A5CD42E7A1F7E4364151' "
                              "where `id` = 4;")
            << QStringLiteral("6B158440EF256CD51A6DE017141E99FD5C573449C745A5CD42E7A1F7E4364151")
            << QStringList{"salt", "verifier"};
    QTest::newRow("azerothcore")
            << Family::AzerothCore << QByteArray("STALE") << QStringLiteral("STALE")
            << QByteArray::fromHex(
                       "4DB5905DD22D20B0A1C836084DC5D4857CCED3D64F8638AE66461343E395B8F4")
            << QStringLiteral(" update `account` set `salt` = "
                              "X'4DB5905DD22D20B0A1C836084DC5D4857CCED3D64F8638AE66461343E395B8F4',"
                              " `verifier` = "
                              "X'0FD082501C325C29E94A5212B27C9B9158FFA737CEAF715C6571A6D4E8860E50' "
                              "where `id` = 4;")
            << QStringLiteral("0FD082501C325C29E94A5212B27C9B9158FFA737CEAF715C6571A6D4E8860E50")
            << QStringList{"salt", "verifier"};
}

void AccountFamilyStatementsTest::passwordWrite() {
    QFETCH(Family, family);
    QFETCH(QByteArray, username);
    QFETCH(QString, password);
    QFETCH(QByteArray, salt);
    QFETCH(QString, statement);
    QFETCH(QString, shown);
    QFETCH(QStringList, undoColumns);
    const accountsql::LoginSchema login = described(family);
    const accountsql::PasswordWrite write =
            accountsql::passwordWrite(login.account, username, password, salt, Quoting{});
    QCOMPARE(accountsql::setPasswordStatement(login, "4", write), statement);
    QCOMPARE(write.shown, shown);
    const undosql::Target undo = accountsql::setPasswordUndo(login, "4");
    QCOMPARE(undo.kind, undosql::Target::Kind::Updated);
    QCOMPARE(undo.condition, QStringLiteral("`id` = 4"));
    QCOMPARE(undo.columns, undoColumns);
}

void AccountFamilyStatementsTest::passwordCheck_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QByteArray>("username");
    QTest::addColumn<QByteArray>("hash"); // or salt
    QTest::addColumn<QByteArray>("verifier");
    QTest::addColumn<QString>("computed"); // for the right password

    QTest::newRow("rel2x: a lower-case hash as shipped")
            << Family::Rel2x << QByteArray("GAMEMASTER")
            << QByteArray("7841e21831d7c6bc0b57fbe7151eb82bd65ea1f9") << QByteArray()
            << QStringLiteral("7841E21831D7C6BC0B57FBE7151EB82BD65EA1F9");
    QTest::newRow("cmangos: shipped MODERATOR")
            << Family::Cmangos << QByteArray("MODERATOR")
            << QByteArray("AD68B088D7BCE5E4B734495A7A956F1D5DD1BAB61FB0FEE46C737D93EC166DF5")
            << QByteArray("2CA85C9853E44A6DCE09FC92EBDE57EF20975281EB7604326E25751AF8576859")
            << QStringLiteral("2CA85C9853E44A6DCE09FC92EBDE57EF20975281EB7604326E25751AF8576859");
    QTest::newRow("cmangos: a verifier starting with a zero digit, stored in lower case")
            << Family::Cmangos << QByteArray("STALE")
            << QByteArray("99bd5c1f0ffd260a3f894a1c427af6cb68101667172c130684f154a7f80744a7")
            << QByteArray("0f34a1ae53c83fb5c258cb2ce680d27b16f981444c4b13709a30dd351acfa3a5")
            << QStringLiteral("0F34A1AE53C83FB5C258CB2CE680D27B16F981444C4B13709A30DD351ACFA3A5");
    QTest::newRow("vmangos: a verifier of 62 digits")
            << Family::Vmangos << QByteArray("NOCHARS")
            << QByteArray("FFBE9857E8EBB4A5ABBB561E8275F038B3A09BB4A8E853FFDFE13157137E52B9")
            << QByteArray("9FCC75AFA61558DA62E6FE8F0934FB2EDA2AB432174E3D45DC8C2956469A39")
            << QStringLiteral("9FCC75AFA61558DA62E6FE8F0934FB2EDA2AB432174E3D45DC8C2956469A39");
    QTest::newRow("trinitycore: binary")
            << Family::TrinityCore << QByteArray("PLAYER")
            << QByteArray::fromHex(
                       "84D0810C4CD36AE3B027F43695E7CA1C1247D26FA5625B933C065E294BC8D380")
            << QByteArray::fromHex(
                       "309B9DCB983765B1D52C495DD560054DA3D1E421AE888E9C73438EA4A925DB40")
            << QStringLiteral("309B9DCB983765B1D52C495DD560054DA3D1E421AE888E9C73438EA4A925DB40");
    QTest::newRow("azerothcore: binary")
            << Family::AzerothCore << QByteArray("GAMEMASTER")
            << QByteArray::fromHex(
                       "8AB49374A1E73D78F61C125BE372ECA96960216B883AAAFBF73F1AB759AF26BC")
            << QByteArray::fromHex(
                       "CE67CA55C59E2FD7A88F49C52B4D14397F357F4AAC7AF4060D9856DCED72482A")
            << QStringLiteral("CE67CA55C59E2FD7A88F49C52B4D14397F357F4AAC7AF4060D9856DCED72482A");
}

void AccountFamilyStatementsTest::passwordCheck() {
    QFETCH(Family, family);
    QFETCH(QByteArray, username);
    QFETCH(QByteArray, hash);
    QFETCH(QByteArray, verifier);
    QFETCH(QString, computed);
    const accountsql::LoginSchema login = described(family);
    const accountsql::StoredLogin stored{username, hash, verifier};
    // Letter case of the Latin letters does not matter in a password.
    const accountsql::PasswordCheck right = accountsql::checkPassword(
            login.account, stored, QString::fromLatin1(username).toLower());
    QVERIFY(right.same);
    QCOMPARE(right.computed, computed);
    const accountsql::PasswordCheck wrong =
            accountsql::checkPassword(login.account, stored, QStringLiteral("wrong"));
    QVERIFY(!wrong.same);
    QVERIFY(!wrong.computed.isEmpty());
    QVERIFY(wrong.computed != computed);
    // A stored salt that is no salt matches nothing.
    if (login.account.store != schema::PasswordStore::Sha1Hex) {
        const accountsql::PasswordCheck broken =
                accountsql::checkPassword(login.account, {username, QByteArray("0"), verifier},
                                          QString::fromLatin1(username));
        QVERIFY(!broken.same);
    }
}

void AccountFamilyStatementsTest::savePlan_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QStringList>("edited");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QString>("newHash");
    QTest::addColumn<QStringList>("undo"); // kind table: condition / key, columns

    QTest::newRow("2010: level in the account row, e-mail lower-cased")
            << Family::Mangos2010 << with(with(kPlayer, 2, "2 - gamemaster"), 3, "Pl@Почта.RU")
            << QString() << QByteArray()
            << QStringList{"update `account` set `gmlevel` = 2, `email` = \"pl@Почта.ru\" where "
                           "`id` = 4;"}
            << QString() << QStringList{"updated account: `id` = 4 [gmlevel, email]"};
    QTest::newRow("cmangos: the newest logon's columns and the locale name are not written")
            << Family::Cmangos
            << with(with(with(with(kPlayer, 4, "10.0.0.1"), 6, "2020-01-01"), 8, "0 - English"), 5,
                    "1")
            << QString() << QByteArray()
            << QStringList{"update `account` set `locked` = 1 where `id` = 4;"} << QString()
            << QStringList{"updated account: `id` = 4 [locked]"};
    // The level goes into the all-realms row, in place where it is there
    // (its comment stays); the undo puts the account's rows back as they
    // were and drops the row where there was none.
    QTest::newRow("trinitycore: level per realm, e-mail upper-cased")
            << Family::TrinityCore << with(with(kPlayer, 2, "3 - administrator"), 3, "Pl@Почта.ru")
            << QString() << QByteArray()
            << QStringList{"update `account` set `email` = \"PL@Почта.RU\" where `id` = 4;",
                           "INSERT INTO `account_access` (`AccountID`, `SecurityLevel`, "
                           "`RealmID`) VALUES (4, 3, -1) ON DUPLICATE KEY UPDATE `SecurityLevel` "
                           "= 3;"}
            << QString()
            << QStringList{"updated account: `id` = 4 [email]",
                           "rewritten account_access: AccountID = 4"};
    QTest::newRow("vmangos: the level alone")
            << Family::Vmangos << with(kPlayer, 2, "1") << QString() << QByteArray()
            << QStringList{"INSERT INTO `account_access` (`id`, `gmlevel`, `RealmID`) VALUES (4, "
                           "1, -1) ON DUPLICATE KEY UPDATE `gmlevel` = 1;"}
            << QString() << QStringList{"rewritten account_access: id = 4"};
    // A new name is hashed with its new password, only Latin letters
    // upper-cased. The verifier was computed outside the program:
    //   python3 -c "import
    //   hashlib;N=int('894B645E89E1535BBDAD5B8B290650530801B18EBFBF5E8FAB3C82872A3E9BB7',16);up=lambda
    //   b:bytes(c-32 if 97<=c<=122 else c for c in
    //   b);s=bytes(range(1,33));x=int.from_bytes(hashlib.sha1(s+hashlib.sha1(up('наташа:Пароль-1'.encode())).digest()).digest(),'little');v=pow(7,x,N);h=format(v,'X');print(s[::-1].hex().upper(),'0'*(len(h)%2)+h,v.to_bytes(32,'little').hex().upper())"
    QTest::newRow("cmangos: rename, Cyrillic as typed")
            << Family::Cmangos << with(kPlayer, 1, " наташа ") << QStringLiteral("Пароль-1")
            << QByteArray(
                       reinterpret_cast<const char*>(
                               "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F\x10"
                               "\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x20"),
                       32)
            << QStringList{"update `account` set `username` = \"наташа\", `s` = "
                           "\"201F1E1D1C1B1A191817161514131211100F0E0D0C0B0A090807060504030201\", "
                           "`v` = "
                           "\"5908F1B38C768E3E4F0DBDF1C7AD240DE91EEDC196332F8DE8670837FC4C1CBC\" "
                           "where `id` = 4;"}
            << QStringLiteral("5908F1B38C768E3E4F0DBDF1C7AD240DE91EEDC196332F8DE8670837FC4C1CBC")
            << QStringList{"updated account: `id` = 4 [username, s, v]"};
    QTest::newRow("azerothcore: rename")
            << Family::AzerothCore << with(kPlayer, 1, "наташа") << QStringLiteral("Пароль-1")
            << QByteArray(
                       reinterpret_cast<const char*>(
                               "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F\x10"
                               "\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x20"),
                       32)
            << QStringList{"update `account` set `username` = \"наташа\", `salt` = "
                           "X'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F20', "
                           "`verifier` = "
                           "X'BC1C4CFC370867E88D2F3396C1ED1EE90D24ADC7F1BD0D4F3E8E768CB3F10859' "
                           "where `id` = 4;"}
            << QStringLiteral("BC1C4CFC370867E88D2F3396C1ED1EE90D24ADC7F1BD0D4F3E8E768CB3F10859")
            << QStringList{"updated account: `id` = 4 [username, salt, verifier]"};
    QTest::newRow("rel2x: rename writes the hash, v and s")
            << Family::Rel2x << with(kPlayer, 1, "player2") << QStringLiteral("pw")
            << QByteArray()
            // printf '%s' 'PLAYER2:PW' | sha1sum
            << QStringList{"update `account` set `username` = \"PLAYER2\", `sha_pass_hash` = "
                           "\"B04E370A0FE2DB385D7178F4FE5D6F5746FD298D\", `v` = \"0\", `s` = \"0\" "
                           "where `id` = 4;"}
            << QStringLiteral("B04E370A0FE2DB385D7178F4FE5D6F5746FD298D")
            << QStringList{"updated account: `id` = 4 [username, sha_pass_hash, v, s]"};
    QTest::newRow("trinitycore: a new name without a password is refused")
            << Family::TrinityCore << with(with(kPlayer, 1, "OTHER"), 2, "3") << QString()
            << QByteArray() << QStringList() << QString() << QStringList();
}

void AccountFamilyStatementsTest::savePlan() {
    QFETCH(Family, family);
    QFETCH(QStringList, edited);
    QFETCH(QString, password);
    QFETCH(QByteArray, salt);
    QFETCH(QStringList, statements);
    QFETCH(QString, newHash);
    QFETCH(QStringList, undo);
    const accountsql::LoginSchema login = described(family);
    const accountsql::SavePlan plan = accountsql::savePlan(
            login, edits(kPlayer), edits(kPlayer), edits(edited), {password, salt}, Quoting{});
    QCOMPARE(plan.statements(), statements);
    QCOMPARE(plan.renameNeedsPassword, statements.isEmpty());
    QCOMPARE(plan.newHash, newHash);
    QStringList targets;
    for (const undosql::Target& target : accountsql::saveUndo(login, plan, "4")) {
        if (target.kind == undosql::Target::Kind::Rewritten)
            targets << QStringLiteral("rewritten %1: %2 = %3")
                               .arg(target.table, target.keyColumn, target.keyValue);
        else
            targets << QStringLiteral("updated %1: %2 [%3]")
                               .arg(target.table, target.condition,
                                    target.columns.join(QStringLiteral(", ")));
    }
    QCOMPARE(targets, undo);
    // Saving the same edits again writes nothing.
    if (!statements.isEmpty())
        QCOMPARE(accountsql::savePlan(login, plan.stored, edits(edited), edits(edited),
                                      {password, salt}, Quoting{})
                         .statements(),
                 QStringList());
}

void AccountFamilyStatementsTest::deleteAndSessionKey_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QStringList>("deletes");
    QTest::addColumn<QStringList>("deleted"); // the undo targets: table: condition
    QTest::addColumn<QString>("sessionKey");

    QTest::newRow("2010") << Family::Mangos2010
                          << QStringList{"delete from `account` where `id` = 7;"}
                          << QStringList{"account: `id` = 7"}
                          << QStringLiteral(" update `account` set `s` = null, `v` = null, "
                                            "`sessionkey` = null where `id` = 7;");
    QTest::newRow("rel2x: the bans the foreign key deletes")
            << Family::Rel2x
            << QStringList{"delete from `account` where `id` = 7;",
                           "delete from `account_banned` where `id` = 7;"}
            << QStringList{"account: `id` = 7", "account_banned: `id` = 7"}
            << QStringLiteral(" update `account` set `sessionkey` = null where `id` = 7;");
    QTest::newRow("cmangos")
            << Family::Cmangos << QStringList{"delete from `account` where `id` = 7;"}
            << QStringList{"account: `id` = 7"}
            << QStringLiteral(" update `account` set `sessionkey` = null where `id` = 7;");
    QTest::newRow("vmangos: the GM levels")
            << Family::Vmangos
            << QStringList{"delete from `account` where `id` = 7;",
                           "delete from `account_access` where `id` = 7;"}
            << QStringList{"account: `id` = 7", "account_access: `id` = 7"}
            << QStringLiteral(" update `account` set `sessionkey` = null where `id` = 7;");
    QTest::newRow("trinitycore: two session keys")
            << Family::TrinityCore
            << QStringList{"delete from `account` where `id` = 7;",
                           "delete from `account_access` where `AccountID` = 7;"}
            << QStringList{"account: `id` = 7", "account_access: `AccountID` = 7"}
            << QStringLiteral(" update `account` set `session_key_auth` = null, "
                              "`session_key_bnet` = null where `id` = 7;");
    QTest::newRow("azerothcore")
            << Family::AzerothCore
            << QStringList{"delete from `account` where `id` = 7;",
                           "delete from `account_access` where `id` = 7;"}
            << QStringList{"account: `id` = 7", "account_access: `id` = 7"}
            << QStringLiteral(" update `account` set `session_key` = null where `id` = 7;");
}

void AccountFamilyStatementsTest::deleteAndSessionKey() {
    QFETCH(Family, family);
    QFETCH(QStringList, deletes);
    QFETCH(QStringList, deleted);
    QFETCH(QString, sessionKey);
    const accountsql::LoginSchema login = described(family);
    QCOMPARE(accountsql::deleteStatements(login, "7"), deletes);
    QStringList targets;
    for (const undosql::Target& target : accountsql::deleteUndo(login, "7")) {
        QCOMPARE(target.kind, undosql::Target::Kind::Deleted);
        targets << target.table + QStringLiteral(": ") + target.condition;
    }
    QCOMPARE(targets, deleted);
    QCOMPARE(accountsql::resetSessionKeyStatement(login, "7"), sessionKey);
    // The undo keeps exactly the columns the reset clears, never the
    // password store.
    const undosql::Target undo = accountsql::resetSessionKeyUndo(login, "7");
    QCOMPARE(undo.columns, login.account.sessionKeys);
    if (family != Family::Mangos2010) {
        for (const char* store : {"`s`", "`v`", "`salt`", "`verifier`", "`sha_pass_hash`"})
            QVERIFY2(!sessionKey.contains(QLatin1String(store)), store);
    }
}

QTEST_MAIN(AccountFamilyStatementsTest)
#include "tst_account_family_statements.moc"

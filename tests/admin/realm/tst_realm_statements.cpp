#include "realm/BanStatements.h"
#include "realm/RealmStatements.h"
#include "schema/LoginSchema.h"

#include <QTest>

Q_DECLARE_METATYPE(RealmFields)

namespace {

RealmFields realm(const QStringList& fields) {
    RealmFields r;
    QString* targets[] = {&r.id,        &r.name,  &r.address,  &r.port,
                          &r.icon,      &r.color, &r.timezone, &r.allowedSecurityLevel,
                          &r.population};
    for (int i = 0; i < fields.size() && i < 9; ++i)
        *targets[i] = fields[i];
    return r;
}

schema::LoginSchema login(schema::Family family) {
    return schema::loginSchema(family, schema::Catalog());
}

// A target as one line: kind, table, condition, columns.
QString describe(const undosql::Target& target) {
    const char* kinds[] = {"deleted", "updated", "rewritten"};
    return QLatin1String(kinds[int(target.kind)]) + u' ' + target.table + u' ' +
           undosql::targetCondition(target) +
           (target.columns.isEmpty()
                    ? QString()
                    : QStringLiteral(" (") + target.columns.join(QStringLiteral(", ")) + u')');
}

QStringList describe(const QList<undosql::Target>& targets) {
    QStringList lines;
    for (const undosql::Target& target : targets)
        lines << describe(target);
    return lines;
}

QStringList fieldsOf(const RealmFields& r) {
    return {r.id,        r.name,  r.address,  r.port,
            r.icon,      r.color, r.timezone, r.allowedSecurityLevel,
            r.population};
}

} // namespace

// The statement texts of the realm list and of the two ban lists.
class RealmStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void realmDefaults_data();
    void realmDefaults();
    void realmStatements_data();
    void realmStatements();
    void banStatements_data();
    void banStatements();
    void familyBanStatements_data();
    void familyBanStatements();
    void familyRealmStatements_data();
    void familyRealmStatements();
    void familyUndoTargets_data();
    void familyUndoTargets();
};

void RealmStatementsTest::realmDefaults_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all empty") << QStringList(9, QString())
                               << QStringList{"",  "WoW", "127.0.0.1", "8085", "0",
                                              "2", "0",   "",          ""};
    QTest::newRow("filled fields are kept")
            << QStringList{"3", "Test", "10.0.0.5", "8087", "1", "0", "1", "2", "0"}
            << QStringList{"3", "Test", "10.0.0.5", "8087", "1", "0", "1", "2", "0"};
    // Only a text of length zero is empty; blanks stay.
    QTest::newRow("blanks are not empty")
            << QStringList{"", " ", "", "  ", "", "", "", "", ""}
            << QStringList{"", " ", "127.0.0.1", "  ", "0", "2", "0", "", ""};
}

void RealmStatementsTest::realmDefaults() {
    QFETCH(QStringList, fields);
    QFETCH(QStringList, expected);
    RealmFields r = realm(fields);
    applyRealmDefaults(r);
    QCOMPARE(fieldsOf(r), expected);
}

void RealmStatementsTest::realmStatements_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("list") << realmsql::listSelect()
                          << "select `id`,`name`,`address`,`port`,`icon`,`color`,`timezone`,"
                             "`allowedSecurityLevel`,`population` from `realmlist` order by `id`;";
    QTest::newRow("insert: name and address quoted, numbers bare")
            << realmsql::insert(realm({"", "WoW", "127.0.0.1", "8085", "0", "2", "0", "0", "0"}),
                                Quoting{})
            << "insert into `realmlist` (`name`,`address`,`port`,`icon`,`color`,`timezone`,"
               "`allowedSecurityLevel`,`population`) values (\"WoW\", \"127.0.0.1\", 8085, 0, "
               "2, 0, 0, 0);";
    QTest::newRow("insert: every value trimmed, id unused")
            << realmsql::insert(realm({"7", " Вечный Огонь\t", " 10.0.0.1 ", "8086 ", " 1", "2",
                                       "3", "0", "0"}),
                                Quoting{})
            << "insert into `realmlist` (`name`,`address`,`port`,`icon`,`color`,`timezone`,"
               "`allowedSecurityLevel`,`population`) values (\"Вечный Огонь\", \"10.0.0.1\", "
               "8086, 1, 2, 3, 0, 0);";
    QTest::newRow("insert: quotes and backslash escaped")
            << realmsql::insert(
                       realm({"", "Мир \"Тьмы\" \\ O'Neil", "host", "1", "0", "2", "0", "0", "0"}),
                       Quoting{})
            << "insert into `realmlist` (`name`,`address`,`port`,`icon`,`color`,`timezone`,"
               "`allowedSecurityLevel`,`population`) values (\"Мир \\\"Тьмы\\\" \\\\ O\\'Neil\", "
               "\"host\", 1, 0, 2, 0, 0, 0);";
    QTest::newRow("update: port quoted, id as it stands, level and population not written")
            << realmsql::update(realm({"2", " Northwind ", "192.168.1.50", "8086", "1", "2", "1",
                                       "5", "0.5"}),
                                Quoting{})
            << "update `realmlist` set `name` = \"Northwind\", `address` = \"192.168.1.50\", "
               "`port` = \"8086\", `icon` = 1, `color` = 2, `timezone` = 1 where `id` = 2;";
    QTest::newRow("update: quote in the name escaped")
            << realmsql::update(realm({"1", "A\"B", "1.2.3.4", "1", "0", "0", "0"}), Quoting{})
            << "update `realmlist` set `name` = \"A\\\"B\", `address` = \"1.2.3.4\", `port` = "
               "\"1\", `icon` = 0, `color` = 0, `timezone` = 0 where `id` = 1;";
    QTest::newRow("update without backslash escapes")
            << realmsql::update(realm({"1", "x\" where 1=1 #\\", "a\"b", "1", "0", "0", "0"}),
                                Quoting{true})
            << "update `realmlist` set `name` = \"x\"\" where 1=1 #\\\", `address` = \"a\"\"b\", "
               "`port` = \"1\", `icon` = 0, `color` = 0, `timezone` = 0 where `id` = 1;";
    QTest::newRow("insert: bare values go only as numbers")
            << realmsql::insert(realm({"", "WoW", "127.0.0.1", "1, 1, 1, 1, 1, 1) #", "0.5", "-2",
                                       "0", "0", "0"}),
                                Quoting{})
            << "insert into `realmlist` (`name`,`address`,`port`,`icon`,`color`,`timezone`,"
               "`allowedSecurityLevel`,`population`) values (\"WoW\", \"127.0.0.1\", , , , 0, "
               "0, 0);";
    QTest::newRow("update: id goes only as a number")
            << realmsql::update(realm({"1 or 1=1", "W", "1.2.3.4", "1", "0", "0", "0"}), Quoting{})
            << "update `realmlist` set `name` = \"W\", `address` = \"1.2.3.4\", `port` = "
               "\"1\", `icon` = 0, `color` = 0, `timezone` = 0 where `id` = ;";
    QTest::newRow("delete") << realmsql::remove(QStringLiteral("3"))
                            << "delete from `realmlist` where `id` = 3;";
}

void RealmStatementsTest::realmStatements() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

void RealmStatementsTest::banStatements_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("IP bans") << bansql::ipBanSelect()
                             << "select `ip`,`bandate`,`unbandate`,`bannedby`,`banreason` from "
                                "`ip_banned` order by `ip`;";
    QTest::newRow("active account bans")
            << bansql::accountBanSelect(true)
            << "select `id`,`bandate`,`unbandate`,`bannedby`,`banreason`, `active` from "
               "`account_banned` where `active` = 1 order by `id`;";
    QTest::newRow("all account bans")
            << bansql::accountBanSelect(false)
            << "select `id`,`bandate`,`unbandate`,`bannedby`,`banreason`, `active` from "
               "`account_banned` order by `id`;";
    QTest::newRow("save reason: trimmed")
            << bansql::saveIpBanReason(QStringLiteral("10.0.0.1"), QStringLiteral("  Флуд \t"),
                                       Quoting{})
            << "update `ip_banned` set `banreason` = \"Флуд\" where `ip` = \"10.0.0.1\";";
    QTest::newRow("save reason: quotes escaped")
            << bansql::saveIpBanReason(QStringLiteral("10.0.0.1"),
                                       QStringLiteral("said \"bye\" \\o/"), Quoting{})
            << "update `ip_banned` set `banreason` = \"said \\\"bye\\\" \\\\o/\" where `ip` = "
               "\"10.0.0.1\";";
    QTest::newRow("save reason: no IP selected")
            << bansql::saveIpBanReason(QString(), QStringLiteral("x"), Quoting{})
            << "update `ip_banned` set `banreason` = \"x\" where `ip` = \"\";";
    QTest::newRow("delete IP ban: no semicolon")
            << bansql::deleteIpBan(QStringLiteral("31.173.80.4"), Quoting{})
            << "delete from `ip_banned` where `ip` = \"31.173.80.4\"";
    QTest::newRow("save reason without backslash escapes")
            << bansql::saveIpBanReason(QStringLiteral("1\"2"), QStringLiteral("x\" #\\"),
                                       Quoting{true})
            << "update `ip_banned` set `banreason` = \"x\"\" #\\\" where `ip` = \"1\"\"2\";";
    QTest::newRow("lift account ban") << bansql::liftAccountBan(QStringLiteral("9"))
                                      << "update `account_banned` set `active` = 0 where `id` = 9";
    QTest::newRow("delete account ban")
            << bansql::deleteAccountBan(QStringLiteral("9"), QStringLiteral("1704067200"))
            << "delete from `account_banned` where (`id` = 9) and (`bandate` = 1704067200)";
    QTest::newRow("account by id: no leading blank")
            << bansql::accountByIdFilter(QStringLiteral("777")) << "where `id` = 777";
    QTest::newRow("account ban values go only as numbers")
            << bansql::deleteAccountBan(QStringLiteral("9) or (1"), QStringLiteral("1 or 1"))
            << "delete from `account_banned` where (`id` = ) and (`bandate` = )";
}

void RealmStatementsTest::banStatements() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

// Today's families: the same statements in the columns of their tables; a
// lift ends only the bans still active, with what each server's unban
// writes besides.
void RealmStatementsTest::familyBanStatements_data() {
    using schema::Family;
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    const auto bans = [](Family f) {
        return login(f).bans;
    };
    const auto ipBans = [](Family f) {
        return login(f).ipBans;
    };
    QTest::newRow("cmangos: IP bans")
            << bansql::ipBanSelect(ipBans(Family::Cmangos))
            << "select `ip`,`banned_at`,`expires_at`,`banned_by`,`reason` from `ip_banned` "
               "order by `ip`;";
    QTest::newRow("cmangos: active account bans")
            << bansql::accountBanSelect(true, bans(Family::Cmangos))
            << "select `account_id`,`banned_at`,`expires_at`,`banned_by`,`reason`, `active` from "
               "`account_banned` where `active` = 1 order by `account_id`;";
    QTest::newRow("vmangos: every account ban row")
            << bansql::accountBanSelect(false, bans(Family::Vmangos))
            << "select `id`,`bandate`,`unbandate`,`bannedby`,`banreason`, `active` from "
               "`account_banned` order by `id`;";
    QTest::newRow("Rel2x: lift")
            << bansql::liftAccountBan("8", bans(Family::Rel2x))
            << "update `account_banned` set `active` = 0 where `id` = 8 and `active` != 0";
    QTest::newRow("vmangos: lift")
            << bansql::liftAccountBan("8", bans(Family::Vmangos))
            << "update `account_banned` set `active` = 0 where `id` = 8 and `active` != 0";
    QTest::newRow("AzerothCore: lift")
            << bansql::liftAccountBan("8", bans(Family::AzerothCore))
            << "update `account_banned` set `active` = 0 where `id` = 8 and `active` != 0";
    QTest::newRow("TrinityCore: lift ends the ban now")
            << bansql::liftAccountBan("8", bans(Family::TrinityCore))
            << "update `account_banned` set `active` = 0, `unbandate` = UNIX_TIMESTAMP() where "
               "`id` = 8 and `active` != 0";
    QTest::newRow("cmangos: lift names when and by whom")
            << bansql::liftAccountBan("8", bans(Family::Cmangos))
            << "update `account_banned` set `active` = 0, `unbanned_at` = UNIX_TIMESTAMP(), "
               "`unbanned_by` = 'CONSOLE' where `account_id` = 8 and `active` != 0";
    QTest::newRow("cmangos: lift takes only a number")
            << bansql::liftAccountBan("8 or 1=1", bans(Family::Cmangos))
            << "update `account_banned` set `active` = 0, `unbanned_at` = UNIX_TIMESTAMP(), "
               "`unbanned_by` = 'CONSOLE' where `account_id` =  and `active` != 0";
    QTest::newRow("cmangos: delete one ban")
            << bansql::deleteAccountBan("8", "1740787200", bans(Family::Cmangos))
            << "delete from `account_banned` where (`account_id` = 8) and (`banned_at` = "
               "1740787200)";
    QTest::newRow("cmangos: IP ban reason")
            << bansql::saveIpBanReason("10.10.10.10", " Реклама \"x\" ", Quoting{},
                                       ipBans(Family::Cmangos))
            << "update `ip_banned` set `reason` = \"Реклама \\\"x\\\"\" where `ip` = "
               "\"10.10.10.10\";";
    QTest::newRow("TrinityCore: delete IP ban")
            << bansql::deleteIpBan("203.0.113.77", Quoting{}, ipBans(Family::TrinityCore))
            << "delete from `ip_banned` where `ip` = \"203.0.113.77\"";
    QTest::newRow("cmangos: titles") << bansql::accountBanTitles(bans(Family::Cmangos)).join(u',')
                                     << "account_id,banned_at,expires_at,banned_by,reason,active";
}

void RealmStatementsTest::familyBanStatements() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

void RealmStatementsTest::familyRealmStatements_data() {
    using schema::Family;
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    const auto realms = [](Family f) {
        return login(f).realms;
    };
    RealmFields copy = realm({"2", "Northwind", "192.168.1.50", "8086", "0", "", "8", "0", "0"});
    copy.flags = QStringLiteral(" 6 ");
    copy.builds = QStringLiteral(" 5875  6005\t6141");
    copy.localAddress = QStringLiteral("192.168.1.50");
    copy.localSubnetMask = QStringLiteral("255.255.255.0");
    RealmFields plain = realm({"2", "Север", "10.0.0.1", "8086", "1", "", "8", "0", "0"});
    QTest::newRow("Rel2x: list")
            << realmsql::listSelect(realms(Family::Rel2x))
            << "select `id`,`name`,`address`,`port`,`icon`,`timezone`,`allowedSecurityLevel`,"
               "`population`,`realmflags`,`realmbuilds`,`localAddress`,`localSubnetMask` from "
               "`realmlist` order by `id`;";
    QTest::newRow("cmangos: list, no local address")
            << realmsql::listSelect(realms(Family::Cmangos))
            << "select `id`,`name`,`address`,`port`,`icon`,`timezone`,`allowedSecurityLevel`,"
               "`population`,`realmflags`,`realmbuilds` from `realmlist` order by `id`;";
    QTest::newRow("TrinityCore: list")
            << realmsql::listSelect(realms(Family::TrinityCore))
            << "select `id`,`name`,`address`,`port`,`icon`,`timezone`,`allowedSecurityLevel`,"
               "`population`,`flag`,`gamebuild`,`localAddress`,`localSubnetMask` from "
               "`realmlist` order by `id`;";
    QTest::newRow("vmangos: insert, builds as the server writes them")
            << realmsql::insert(copy, Quoting{}, realms(Family::Vmangos))
            << "insert into `realmlist` (`name`,`address`,`port`,`icon`,`timezone`,"
               "`allowedSecurityLevel`,`population`,`realmflags`,`realmbuilds`,`localAddress`,"
               "`localSubnetMask`) values (\"Northwind\", \"192.168.1.50\", 8086, 0, 8, 0, 0, "
               "6, \"5875 6005 6141 \", \"192.168.1.50\", \"255.255.255.0\");";
    QTest::newRow("AzerothCore: insert, one build as a number")
            << realmsql::insert(copy, Quoting{}, realms(Family::AzerothCore))
            << "insert into `realmlist` (`name`,`address`,`port`,`icon`,`timezone`,"
               "`allowedSecurityLevel`,`population`,`flag`,`gamebuild`,`localAddress`,"
               "`localSubnetMask`) values (\"Northwind\", \"192.168.1.50\", 8086, 0, 8, 0, 0, "
               "6, , \"192.168.1.50\", \"255.255.255.0\");";
    QTest::newRow("TrinityCore: insert, empty fields take the table's defaults")
            << realmsql::insert(plain, Quoting{}, realms(Family::TrinityCore))
            << "insert into `realmlist` (`name`,`address`,`port`,`icon`,`timezone`,"
               "`allowedSecurityLevel`,`population`) values (\"Север\", \"10.0.0.1\", 8086, 1, "
               "8, 0, 0);";
    QTest::newRow("cmangos: update")
            << realmsql::update(copy, Quoting{}, realms(Family::Cmangos))
            << "update `realmlist` set `name` = \"Northwind\", `address` = \"192.168.1.50\", "
               "`port` = \"8086\", `icon` = 0, `timezone` = 8, `realmflags` = 6, `realmbuilds` = "
               "\"5875 6005 6141 \" where `id` = 2;";
    QTest::newRow("TrinityCore: update, empty fields left alone")
            << realmsql::update(plain, Quoting{}, realms(Family::TrinityCore))
            << "update `realmlist` set `name` = \"Север\", `address` = \"10.0.0.1\", `port` = "
               "\"8086\", `icon` = 1, `timezone` = 8 where `id` = 2;";
    QTest::newRow("builds: one number kept as typed")
            << realmsql::buildsText(QStringLiteral(" 12340 "), false) << "12340";
    QTest::newRow("builds: a list, each followed by a blank")
            << realmsql::buildsText(QStringLiteral("12340"), true) << "12340 ";
}

void RealmStatementsTest::familyRealmStatements() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

void RealmStatementsTest::familyUndoTargets_data() {
    using schema::Family;
    QTest::addColumn<QStringList>("targets");
    QTest::addColumn<QStringList>("expected");
    RealmFields copy = realm({"2", "Northwind", "192.168.1.50", "8086", "0", "", "8"});
    copy.flags = QStringLiteral("6");
    QTest::newRow("2010: lift") << describe(QList{bansql::liftAccountBanUndo("9")})
                                << QStringList{"updated account_banned `id` = 9 (active)"};
    QTest::newRow("cmangos: lift")
            << describe(QList{bansql::liftAccountBanUndo("8", login(Family::Cmangos).bans)})
            << QStringList{"updated account_banned `account_id` = 8 and `active` != 0 (active, "
                           "unbanned_at, unbanned_by)"};
    QTest::newRow("TrinityCore: lift")
            << describe(QList{bansql::liftAccountBanUndo("8", login(Family::TrinityCore).bans)})
            << QStringList{"updated account_banned `id` = 8 and `active` != 0 (active, "
                           "unbandate)"};
    QTest::newRow("cmangos: IP ban reason")
            << describe(QList{bansql::saveIpBanReasonUndo("1.2.3.4", Quoting{},
                                                          login(Family::Cmangos).ipBans)})
            << QStringList{"updated ip_banned `ip` = \"1.2.3.4\" (reason)"};
    QTest::newRow("2010: realm write")
            << describe(QList{realmsql::updateUndo("2")})
            << QStringList{"updated realmlist `id` = 2 (name, address, port, icon, color, "
                           "timezone)"};
    QTest::newRow("cmangos: realm write with flags")
            << describe(QList{realmsql::updateUndo("2", copy, login(Family::Cmangos).realms)})
            << QStringList{"updated realmlist `id` = 2 (name, address, port, icon, timezone, "
                           "realmflags)"};
    QTest::newRow("2010: realm delete") << describe(realmsql::removeUndoTargets("2"))
                                        << QStringList{"deleted realmlist `id` = 2"};
    // Rel2x deletes the realm's character counts with it (foreign key).
    QTest::newRow("Rel2x: realm delete")
            << describe(realmsql::removeUndoTargets("2", login(Family::Rel2x).realms))
            << QStringList{"deleted realmlist `id` = 2", "deleted realmcharacters `realmid` = 2"};
    QTest::newRow("TrinityCore: realm delete")
            << describe(realmsql::removeUndoTargets("2", login(Family::TrinityCore).realms))
            << QStringList{"deleted realmlist `id` = 2"};
}

void RealmStatementsTest::familyUndoTargets() {
    QFETCH(QStringList, targets);
    QFETCH(QStringList, expected);
    QCOMPARE(targets, expected);
}

QTEST_APPLESS_MAIN(RealmStatementsTest)
#include "tst_realm_statements.moc"

#include "realm/BanStatements.h"
#include "realm/RealmStatements.h"

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

QTEST_APPLESS_MAIN(RealmStatementsTest)
#include "tst_realm_statements.moc"

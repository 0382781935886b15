// The statements of undo scripts: how a table's columns are read so that no
// byte is lost, how each value is written back, and the script as a whole.
// Loading real scripts into the server is tst_undo_scripts.
#include "accounts/AccountStatements.h"
#include "broadcasts/BroadcastStatements.h"
#include "characters/CharacterStatements.h"
#include "journal/UndoStatements.h"
#include "realm/BanStatements.h"
#include "realm/RealmStatements.h"
#include "uMysqlHelpers.h"

#include <QDateTime>
#include <QTest>
#include <QTimeZone>

using undosql::Column;
using undosql::Table;
using undosql::Target;
using Value = std::optional<QByteArray>;

Q_DECLARE_METATYPE(undosql::Column)
Q_DECLARE_METATYPE(undosql::Target)
Q_DECLARE_METATYPE(Value)

namespace {

// Rows given by the test.
class ListRows : public undosql::Rows {
public:
    explicit ListRows(QList<QList<Value>> rows)
        : m_rows(std::move(rows)) {}
    int rowCount() const override { return int(m_rows.size()); }
    void seek(int row) override { m_row = row; }
    std::optional<QByteArrayView> value(int index) const override {
        const Value& value = m_rows[m_row][index];
        if (!value)
            return std::nullopt;
        return QByteArrayView(*value);
    }

private:
    QList<QList<Value>> m_rows;
    int m_row = 0;
};

Column column(const char* name, const char* type, const char* charset = "", bool key = false,
              const char* extra = "") {
    return undosql::columnFromFields(
            {QString::fromUtf8(name), QString::fromUtf8(type), QString::fromUtf8(charset),
             key ? QStringLiteral("PRI") : QString(), QString::fromUtf8(extra)});
}

// A table with a column of every form, and one the server computes.
Table sample() {
    return {QStringLiteral("t"),
            {column("id", "int", "", true), column("name", "varchar", "utf8mb3"),
             column("raw", "varbinary"), column("pos", "float"), column("seen", "timestamp"),
             column("flags", "bit"), column("legacy", "varchar", "cp1251"),
             column("full", "varchar", "utf8mb3", false, "VIRTUAL GENERATED")}};
}

Value bytes(const char* text) {
    return QByteArray(text);
}

const QDateTime kTime(QDate(2026, 3, 5), QTime(14, 2, 11, 123), QTimeZone(3 * 3600));

undosql::ScriptInfo info(const QStringList& statements) {
    return {QStringLiteral("account-delete"),
            kTime,
            QStringLiteral("admin"),
            QStringLiteral("127.0.0.1"),
            3306,
            QStringLiteral("realmd"),
            statements,
            true};
}

const QByteArray kSetUp =
        "SET NAMES utf8mb4;\n"
        "SET @realmdesk_sql_mode = @@SESSION.sql_mode, @realmdesk_time_zone = "
        "@@SESSION.time_zone, @realmdesk_foreign_key_checks = @@SESSION.foreign_key_checks;\n"
        "SET SESSION sql_mode = 'NO_AUTO_VALUE_ON_ZERO', SESSION time_zone = '+00:00', "
        "SESSION foreign_key_checks = 0;\n"
        "START TRANSACTION;\n";
const QByteArray kPutBack =
        "COMMIT;\n"
        "SET SESSION sql_mode = @realmdesk_sql_mode, SESSION time_zone = @realmdesk_time_zone, "
        "SESSION foreign_key_checks = @realmdesk_foreign_key_checks;\n";

} // namespace

class UndoStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void serverTakesUndoScripts_data();
    void serverTakesUndoScripts();
    void columnForm_data();
    void columnForm();
    void columnsStatement();
    void captureStatement_data();
    void captureStatement();
    void literal_data();
    void literal();
    void deletedRowsScript();
    void updatedRowsScript();
    void targetsUndoneInTheOppositeOrder();
    void longInsertsAreSplit();
    void overlappingTargetsPutARowBackOnce();
    void changesAndTheirUndo_data();
    void changesAndTheirUndo();
    void repairAndItsUndo();
};

void UndoStatementsTest::serverTakesUndoScripts_data() {
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("takes");
    QTest::newRow("MySQL 4.1") << "4.1.22-community-nt" << false;
    QTest::newRow("MySQL 5.0 with a letter") << "5.0.96a-log" << false;
    QTest::newRow("MySQL 5.5.2, just before utf8mb4") << "5.5.2-m2" << false;
    QTest::newRow("MySQL 5.5.3") << "5.5.3" << true;
    QTest::newRow("MySQL 8") << "8.0.36" << true;
    QTest::newRow("MariaDB 10 behind the replication prefix") << "5.5.5-10.11.6-MariaDB" << true;
    QTest::newRow("MariaDB of Debian") << "10.11.6-MariaDB-0+deb12u1" << true;
    QTest::newRow("two parts") << "3.22" << false;
    QTest::newRow("unreadable") << "x.y.z" << true;
    QTest::newRow("none") << "" << true;
}

void UndoStatementsTest::serverTakesUndoScripts() {
    QFETCH(QString, version);
    QFETCH(bool, takes);
    QCOMPARE(undosql::serverTakesUndoScripts(mysql::VersionNumber(version.toStdString())), takes);
}

void UndoStatementsTest::columnForm_data() {
    QTest::addColumn<Column>("column");
    QTest::addColumn<Column::Form>("form");
    QTest::addColumn<bool>("generated");
    QTest::newRow("int") << column("id", "INT") << Column::Form::Number << false;
    QTest::newRow("decimal") << column("d", "decimal") << Column::Form::Number << false;
    QTest::newRow("double") << column("d", "double") << Column::Form::Number << false;
    QTest::newRow("year") << column("y", "year") << Column::Form::Number << false;
    QTest::newRow("float") << column("f", "float") << Column::Form::Float << false;
    QTest::newRow("bit") << column("b", "bit") << Column::Form::Bits << false;
    QTest::newRow("timestamp") << column("t", "timestamp") << Column::Form::Timestamp << false;
    QTest::newRow("varchar") << column("v", "varchar", "utf8mb3") << Column::Form::Text << false;
    QTest::newRow("enum") << column("e", "enum", "utf8mb4") << Column::Form::Text << false;
    QTest::newRow("varbinary") << column("b", "varbinary") << Column::Form::Bytes << false;
    QTest::newRow("blob") << column("b", "blob") << Column::Form::Bytes << false;
    QTest::newRow("datetime") << column("d", "datetime") << Column::Form::Bytes << false;
    QTest::newRow("virtual") << column("g", "int", "", false, "VIRTUAL GENERATED")
                             << Column::Form::Number << true;
    QTest::newRow("stored") << column("g", "int", "", false, "STORED GENERATED")
                            << Column::Form::Number << true;
    QTest::newRow("persistent, older servers")
            << column("g", "int", "", false, "PERSISTENT") << Column::Form::Number << true;
    QTest::newRow("auto_increment is not generated")
            << column("g", "int", "", true, "auto_increment") << Column::Form::Number << false;
}

void UndoStatementsTest::columnForm() {
    QFETCH(Column, column);
    QFETCH(Column::Form, form);
    QFETCH(bool, generated);
    QCOMPARE(column.form(), form);
    QCOMPARE(column.generated, generated);
}

void UndoStatementsTest::columnsStatement() {
    QCOMPARE(undosql::columnsStatement(QStringLiteral("account")),
             QStringLiteral("select COLUMN_NAME, DATA_TYPE, CHARACTER_SET_NAME, COLUMN_KEY, EXTRA "
                            "from information_schema.COLUMNS where TABLE_SCHEMA = DATABASE() and "
                            "TABLE_NAME = 'account' order by ORDINAL_POSITION"));
    // A name that would need escapes goes as its bytes.
    QCOMPARE(undosql::columnsStatement(QStringLiteral("a'b"))
                     .section(QStringLiteral("TABLE_NAME = "), 1),
             QStringLiteral("X'612762' order by ORDINAL_POSITION"));
}

void UndoStatementsTest::captureStatement_data() {
    QTest::addColumn<Table>("table");
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("statement");
    const QString allColumns = QStringLiteral(
            "select `id`,CAST(`name` AS BINARY),`raw`,`pos` + 0e0,UNIX_TIMESTAMP(`seen`),`flags`,"
            "CAST(`legacy` AS BINARY) from `t` where ");
    QTest::newRow("deleted rows: every column that is not generated")
            << sample() << Target::deleted(QStringLiteral("t"), QStringLiteral("`id` = 5"))
            << allColumns + QStringLiteral("`id` = 5");
    QTest::newRow("updated rows: the key and the written columns")
            << sample()
            << Target::updated(QStringLiteral("t"), QStringLiteral("`pos` > 1"),
                               {QStringLiteral("POS"), QStringLiteral("name")})
            << QStringLiteral("select `id`,CAST(`name` AS BINARY),`pos` + 0e0 from `t` where "
                              "`pos` > 1");
    QTest::newRow("rewritten rows: by their key value")
            << sample()
            << Target::rewritten(QStringLiteral("t"), QStringLiteral("id"), QStringLiteral("7"))
            << allColumns + QStringLiteral("`id` = 7");
    QTest::newRow("a name with a backquote")
            << Table{QStringLiteral("we`ird"), {column("a`b", "int", "", true)}}
            << Target::deleted(QStringLiteral("we`ird"), QStringLiteral("1"))
            << QStringLiteral("select `a``b` from `we``ird` where 1");
}

void UndoStatementsTest::captureStatement() {
    QFETCH(Table, table);
    QFETCH(Target, target);
    QFETCH(QString, statement);
    QCOMPARE(undosql::captureStatement(target, table), statement);
}

void UndoStatementsTest::literal_data() {
    QTest::addColumn<Column>("column");
    QTest::addColumn<Value>("value");
    QTest::addColumn<QByteArray>("literal");
    const Column text = column("t", "varchar", "utf8mb3");
    const Column raw = column("r", "varbinary");
    const Column number = column("n", "int");
    QTest::newRow("NULL") << text << Value() << QByteArray("NULL");
    QTest::newRow("empty text, not NULL") << text << bytes("") << QByteArray("''");
    QTest::newRow("empty bytes, not NULL") << raw << bytes("") << QByteArray("''");
    QTest::newRow("number") << number << bytes("-42") << QByteArray("-42");
    QTest::newRow("decimal") << column("d", "decimal") << bytes("-0.001") << QByteArray("-0.001");
    QTest::newRow("double") << column("d", "double") << bytes("2.2250738585072014e-308")
                            << QByteArray("2.2250738585072014e-308");
    QTest::newRow("float as its double") << column("f", "float") << bytes("0.3333333432674408")
                                         << QByteArray("0.3333333432674408");
    QTest::newRow("year zero") << column("y", "year") << bytes("0000") << QByteArray("0000");
    QTest::newRow("a number column with something else in it is not run bare")
            << number << bytes("1; drop table t") << QByteArray("'1; drop table t'");
    QTest::newRow("bits") << column("b", "bit") << Value(QByteArray("\x02\xAA", 2))
                          << QByteArray("X'02AA'");
    QTest::newRow("timestamp") << column("s", "timestamp") << bytes("1577934245.123456")
                               << QByteArray("FROM_UNIXTIME(1577934245.123456)");
    QTest::newRow("zero timestamp")
            << column("s", "timestamp") << bytes("0.000000") << QByteArray("'0000-00-00 00:00:00'");
    QTest::newRow("zero datetime") << column("d", "datetime") << bytes("0000-00-00 00:00:00")
                                   << QByteArray("'0000-00-00 00:00:00'");
    QTest::newRow("quotes, backslash and control characters")
            << text
            << Value(QByteArray("a'b\"c\\d\0e\rf\ng\x1A"
                                "h\ti",
                                17))
            << QByteArray("'a\\'b\"c\\\\d\\0e\\rf\\ng\\Zh\ti'");
    QTest::newRow("Cyrillic") << text << bytes("Привет") << QByteArray("'Привет'");
    QTest::newRow("four-byte UTF-8")
            << column("t", "varchar", "utf8mb4") << bytes("x\xF0\x9F\x98\x80")
            << QByteArray("'x\xF0\x9F\x98\x80'");
    QTest::newRow("Windows-1251 bytes in a byte column")
            << raw << bytes("\xCF\xF0\xE8\xE2\xE5\xF2") << QByteArray("X'CFF0E8E2E5F2'");
    QTest::newRow("UTF-8 in a byte column") << raw << bytes("Да") << QByteArray("'Да'");
    QTest::newRow("overlong form") << raw << bytes("\xC0\xAF") << QByteArray("X'C0AF'");
    QTest::newRow("surrogate") << raw << bytes("\xED\xA0\x80") << QByteArray("X'EDA080'");
    QTest::newRow("cut short") << raw << bytes("\xD0") << QByteArray("X'D0'");
    QTest::newRow("bytes of a Windows-1251 column, in its own set")
            << column("l", "varchar", "cp1251") << bytes("\xCF\xF0\xE8")
            << QByteArray("_cp1251 X'CFF0E8'");
    QTest::newRow("ASCII of a Windows-1251 column")
            << column("l", "varchar", "cp1251") << bytes("it's") << QByteArray("'it\\'s'");
    QTest::newRow("ASCII of a UTF-16 column is not ASCII bytes")
            << column("w", "varchar", "utf16") << Value(QByteArray("\0a", 2))
            << QByteArray("_utf16 X'0061'");
    QTest::newRow("malformed bytes of a UTF-8 column")
            << text << bytes("\xFF") << QByteArray("_utf8mb3 X'FF'");
}

void UndoStatementsTest::literal() {
    QFETCH(Column, column);
    QFETCH(Value, value);
    QFETCH(QByteArray, literal);
    QCOMPARE(undosql::literal(column, value ? std::optional<QByteArrayView>(*value) : std::nullopt),
             literal);
}

void UndoStatementsTest::deletedRowsScript() {
    const QString statement = QStringLiteral("delete from `t` where `id` in (5, 6);");
    undosql::ScriptBuilder builder(info({statement}));
    ListRows rows({{bytes("5"), bytes("Bob"), Value(), bytes("1.5"), bytes("0"),
                    Value(QByteArray("\x01", 1)), bytes("\xC0")},
                   {bytes("6"), bytes(""), bytes("\xFF"), Value(), Value(), Value(), Value()}});
    builder.add(Target::deleted(QStringLiteral("t"), QStringLiteral("`id` in (5, 6)")), sample(),
                rows);
    QCOMPARE(builder.rowCount(), 2);
    QCOMPARE(builder.finish(),
             QByteArray("-- realmdesk undo script\n"
                        "-- Operation: account-delete\n"
                        "-- Made: 2026-03-05 14:02:11.123 +03:00\n"
                        "-- Server: admin@127.0.0.1:3306\n"
                        "-- Database: realmd\n"
                        "-- It undoes:\n"
                        "--   delete from `t` where `id` in (5, 6);\n"
                        "-- Rows it puts back:\n"
                        "--   `t`: 2 rows deleted\n"
                        "-- Load it into that database with the mariadb client:\n"
                        "--   mariadb -h 127.0.0.1 -P 3306 -u admin -p realmd < <this file>\n") +
                     kSetUp +
                     "INSERT INTO `t` (`id`,`name`,`raw`,`pos`,`seen`,`flags`,`legacy`) VALUES\n"
                     "(5,'Bob',NULL,1.5,'0000-00-00 00:00:00',X'01',_cp1251 X'C0'),\n"
                     "(6,'',X'FF',NULL,NULL,NULL,NULL);\n" +
                     kPutBack);
}

void UndoStatementsTest::updatedRowsScript() {
    // A password statement in the header is masked; the rows keep their
    // values, hash included, which is what puts the account back.
    const QString statement = QStringLiteral(
            " update `account` set `sha_pass_hash` = \"AB\", `s` = null where `id` = 5;");
    undosql::ScriptBuilder builder(info({statement}));
    const Table account{QStringLiteral("account"),
                        {column("id", "int", "", true),
                         column("sha_pass_hash", "varchar", "utf8mb3"),
                         column("s", "longtext", "utf8mb3"), column("email", "text", "utf8mb3")}};
    ListRows rows({{bytes("5"), bytes("OLDHASH"), bytes("1F")}, {bytes("7"), bytes("X"), Value()}});
    builder.add(Target::updated(QStringLiteral("account"), QStringLiteral("`id` = 5"),
                                {QStringLiteral("sha_pass_hash"), QStringLiteral("s")}),
                account, rows);
    const QByteArray script = builder.finish();
    QVERIFY(script.contains("--    update `account` set `sha_pass_hash` = ***, `s` = null where "
                            "`id` = 5;\n"));
    QVERIFY(!script.contains("\"AB\""));
    QVERIFY(script.contains("--   `account`: 2 rows updated (sha_pass_hash, s)\n"));
    QVERIFY(script.contains(kSetUp +
                            "UPDATE `account` SET `sha_pass_hash` = 'OLDHASH', `s` = '1F' WHERE "
                            "`id` = 5;\n"
                            "UPDATE `account` SET `sha_pass_hash` = 'X', `s` = NULL WHERE `id` = "
                            "7;\n" +
                            kPutBack));
}

void UndoStatementsTest::targetsUndoneInTheOppositeOrder() {
    undosql::ScriptBuilder builder(info({}));
    const Table aura{QStringLiteral("aura"),
                     {column("guid", "int", "", true), column("spell", "int", "", true)}};
    const Table corpse{QStringLiteral("corpse"), {column("player", "int", "", true)}};
    ListRows auras({{bytes("7"), bytes("100")}});
    ListRows corpses({{bytes("7")}});
    builder.add(
            Target::rewritten(QStringLiteral("aura"), QStringLiteral("guid"), QStringLiteral("7")),
            aura, auras);
    builder.add(Target::deleted(QStringLiteral("corpse"), QStringLiteral("`player` = 7")), corpse,
                corpses);
    const QByteArray script = builder.finish();
    QVERIFY(script.contains(kSetUp +
                            "INSERT INTO `corpse` (`player`) VALUES\n(7);\n"
                            "DELETE FROM `aura` WHERE `guid` = 7;\n"
                            "INSERT INTO `aura` (`guid`,`spell`) VALUES\n(7,100);\n" +
                            kPutBack));
    QVERIFY(script.contains("--   `aura`: 1 row rewritten where `guid` = 7\n"
                            "--   `corpse`: 1 row deleted\n"));
}

void UndoStatementsTest::longInsertsAreSplit() {
    undosql::ScriptBuilder builder(info({}));
    const Table notes{QStringLiteral("notes"),
                      {column("id", "int", "", true), column("text", "longtext", "utf8mb3")}};
    QList<QList<Value>> values;
    for (int i = 1; i <= 4; ++i)
        values << QList<Value>{QByteArray::number(i), QByteArray(100 * 1024, 'a')};
    ListRows rows(values);
    builder.add(Target::deleted(QStringLiteral("notes"), QStringLiteral("1")), notes, rows);
    const QByteArray script = builder.finish();
    // Three rows fill the first statement past its size; the fourth starts
    // another.
    QCOMPARE(script.count("INSERT INTO `notes`"), 2);
    QVERIFY(script.contains("'),\n(3,'"));
    QVERIFY(script.contains("');\nINSERT INTO `notes` (`id`,`text`) VALUES\n(4,'"));
}

void UndoStatementsTest::overlappingTargetsPutARowBackOnce() {
    undosql::ScriptBuilder builder(info({}));
    const Table social{QStringLiteral("social"),
                       {column("guid", "int", "", true), column("friend", "int", "", true),
                        column("note", "varchar", "utf8mb3")}};
    ListRows ofGuid({{bytes("1"), bytes("2"), bytes("a")}, {bytes("4"), bytes("1"), Value()}});
    ListRows ofFriend({{bytes("4"), bytes("1"), Value()}, {bytes("9"), bytes("4"), bytes("")}});
    builder.add(Target::deleted(QStringLiteral("social"), QStringLiteral("`guid` in (1,4)")),
                social, ofGuid);
    builder.add(Target::deleted(QStringLiteral("social"), QStringLiteral("`friend` in (1,4)")),
                social, ofFriend);
    QCOMPARE(builder.rowCount(), 3);
    const QByteArray script = builder.finish();
    QVERIFY(script.contains(kSetUp +
                            "INSERT INTO `social` (`guid`,`friend`,`note`) VALUES\n(9,4,'');\n"
                            "INSERT INTO `social` (`guid`,`friend`,`note`) VALUES\n"
                            "(1,2,'a'),\n(4,1,NULL);\n" +
                            kPutBack));
}

void UndoStatementsTest::changesAndTheirUndo_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<Target>("target");
    QTest::addColumn<Target>("expected");
    const Quoting quoting;
    namespace stm = characterstatements;

    QTest::newRow("account delete")
            << accountsql::deleteStatement("5") << accountsql::deleteUndo("5")
            << Target::deleted("account", "`id` = 5");
    accountsql::AccountEdits stored{"7", "BOB", "0", "b@x", "1.2.3.4", "0", "", "2", "0"};
    accountsql::AccountEdits edited = stored;
    edited.email = "new@x";
    edited.locale = "8 - Русский";
    const accountsql::SavePlan plan = accountsql::savePlan(stored, stored, edited, {}, quoting);
    QTest::newRow("account save: the written columns")
            << plan.statement << accountsql::saveUndo(plan, "7")
            << Target::updated("account", "`id` = 7", {"email", "locale"});
    edited.username = "ROBERT";
    const accountsql::SavePlan rename =
            accountsql::savePlan(stored, stored, edited, "secret", quoting);
    QTest::newRow("account save with a new name")
            << rename.statement << accountsql::saveUndo(rename, "7")
            << Target::updated(
                       "account", "`id` = 7",
                       {"username", "sha_pass_hash", "s", "v", "sessionkey", "email", "locale"});
    QTest::newRow("account password")
            << accountsql::setPasswordStatement("4", "AB", quoting)
            << accountsql::setPasswordUndo("4")
            << Target::updated("account", "`id` = 4", {"sha_pass_hash", "s", "v", "sessionkey"});
    QTest::newRow("account session key")
            << accountsql::resetSessionKeyStatement("4") << accountsql::resetSessionKeyUndo("4")
            << Target::updated("account", "`id` = 4", {"s", "v", "sessionkey"});
    QTest::newRow("stale accounts")
            << accountsql::deleteStaleAccountsStatement("150")
            << accountsql::deleteStaleAccountsUndo("150")
            << Target::deleted("account", "DATEDIFF(NOW(), `last_login`) >  150");
    QTest::newRow("IP ban reason")
            << bansql::saveIpBanReason("1.2.3.4'", "spam", quoting)
            << bansql::saveIpBanReasonUndo("1.2.3.4'", quoting)
            << Target::updated("ip_banned", "`ip` = \"1.2.3.4\\'\"", {"banreason"});
    QTest::newRow("IP ban delete") << bansql::deleteIpBan("10.0.0.1", quoting)
                                   << bansql::deleteIpBanUndo("10.0.0.1", quoting)
                                   << Target::deleted("ip_banned", "`ip` = \"10.0.0.1\"");
    QTest::newRow("account ban lift")
            << bansql::liftAccountBan("9") << bansql::liftAccountBanUndo("9")
            << Target::updated("account_banned", "`id` = 9", {"active"});
    QTest::newRow("account ban delete")
            << bansql::deleteAccountBan("9", "1700000000")
            << bansql::deleteAccountBanUndo("9", "1700000000")
            << Target::deleted("account_banned", "(`id` = 9) and (`bandate` = 1700000000)");
    QTest::newRow("broadcast save")
            << broadcastsql::update("text", "5", "3", quoting) << broadcastsql::updateUndo("3")
            << Target::updated("autobroadcast", "`id`=3", {"text", "next"});
    QTest::newRow("broadcast delete") << broadcastsql::remove("3") << broadcastsql::removeUndo("3")
                                      << Target::deleted("autobroadcast", "`id`=3");
    const RealmFields realm{"2", "Мир", "127.0.0.1", "8085", "0", "2", "0", "0", "0"};
    QTest::newRow("realm write") << realmsql::update(realm, quoting) << realmsql::updateUndo("2")
                                 << Target::updated("realmlist", "`id` = 2",
                                                    {"name", "address", "port", "icon", "color",
                                                     "timezone"});
    QTest::newRow("realm delete") << realmsql::remove("2") << realmsql::removeUndo("2")
                                  << Target::deleted("realmlist", "`id` = 2");
    const struct {
        const char* name;
        QString statement;
        const char* column;
    } edits[] = {
            {"rename", stm::rename("Bob", "5", quoting), "name"},
            {"account move", stm::moveToAccount("3", "5"), "account"},
            {"at-login flags", stm::setAtLogin(4, "5"), "at_login"},
            {"gender", stm::setGender("1", "5"), "gender"},
            {"money", stm::setMoney("100", "5"), "money"},
            {"level", stm::setLevel("80", "5"), "level"},
    };
    for (const auto& edit : edits)
        QTest::newRow(edit.name) << edit.statement << stm::columnUndo(edit.column, "5")
                                 << Target::updated("characters", "`guid` = 5", {edit.column});
    QTest::newRow("quest chain reset")
            << stm::questChainReset("5") << stm::questChainResetUndo("5")
            << Target::deleted("character_queststatus",
                               "`guid` = 5 and `quest` in (1718,1719,1712,1713,1791,1792)");
    QTest::newRow("characters without account moved")
            << stm::moveWithoutAccount("1", "realmd") << stm::moveWithoutAccountUndo("realmd")
            << Target::updated("characters",
                               "`account` not in (select `id` from `realmd`.`account`)",
                               {"account"});
    const stm::CleanupTarget social{"character_social", "friend", true};
    QTest::newRow("characters without account deleted, one table")
            << stm::deleteRowsOf(social, {"7", "9"}) << stm::cleanupUndo({social}, {"7", "9"})[0]
            << Target::deleted("character_social", "`friend` IN (7,9)");
}

void UndoStatementsTest::changesAndTheirUndo() {
    QFETCH(QString, statement);
    QFETCH(Target, target);
    QFETCH(Target, expected);
    QCOMPARE(target, expected);
    // The rows are read with the condition of the statement itself.
    QString text = statement;
    if (text.endsWith(u';'))
        text.chop(1);
    QVERIFY2(text.endsWith(QStringLiteral(" where ") + target.condition, Qt::CaseInsensitive),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("`") + target.table + QStringLiteral("`")));
}

void UndoStatementsTest::repairAndItsUndo() {
    namespace stm = characterstatements;
    const QStringList statements = stm::repair("29");
    const QList<Target> targets = stm::repairUndo("29");
    QCOMPARE(targets.first(), Target::rewritten("character_aura", "guid", "29"));
    // Every statement's rows are among the targets: each DELETE by its own
    // condition, the REPLACEs by the rewritten guid, the UPDATEs by the
    // columns they write.
    QStringList deleted;
    for (const QString& statement : statements) {
        if (statement.startsWith(QStringLiteral("DELETE FROM `character_aura`")) ||
            !statement.startsWith(QStringLiteral("DELETE")))
            continue;
        bool found = false;
        for (const Target& target : targets)
            found = found ||
                    (target.kind == Target::Kind::Deleted &&
                     statement == QStringLiteral("DELETE FROM `") + target.table +
                                          QStringLiteral("` WHERE ") + target.condition + u';');
        QVERIFY2(found, qPrintable(statement));
        deleted << statement;
    }
    QCOMPARE(deleted.size(), 4);
    QVERIFY(statements.filter(QStringLiteral("REPLACE INTO character_aura VALUES (29, 29,"))
                    .size() == 3);
    const Target& characters = targets.last();
    QCOMPARE(characters.kind, Target::Kind::Updated);
    QCOMPARE(characters.condition, QStringLiteral("`guid`=29"));
    for (const char* column : {"trans_x", "trans_y", "trans_z", "trans_o", "transguid", "taxi_path",
                               "position_x", "position_y", "position_z", "map"}) {
        QVERIFY(characters.columns.contains(QLatin1String(column)));
        QVERIFY(statements.filter(QStringLiteral("`") + QLatin1String(column) + u'`').size() > 0);
    }
}

QTEST_APPLESS_MAIN(UndoStatementsTest)
#include "tst_undo_statements.moc"

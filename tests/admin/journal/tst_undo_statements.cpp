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

#include <QCryptographicHash>
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

const QString kPath = QStringLiteral("/home/admin/journal/undo.sql");

// The script's set-up, after its header, in the database "realmd".
const QByteArray kSetUp =
        "USE `realmd`;\n"
        "SET NAMES utf8mb4;\n"
        "SET @realmdesk_sql_mode = @@SESSION.sql_mode, @realmdesk_time_zone = "
        "@@SESSION.time_zone, @realmdesk_foreign_key_checks = @@SESSION.foreign_key_checks, "
        "@realmdesk_group_concat_max_len = @@SESSION.group_concat_max_len;\n"
        "SET SESSION sql_mode = 'STRICT_ALL_TABLES,NO_AUTO_VALUE_ON_ZERO', SESSION time_zone = "
        "'+00:00', SESSION foreign_key_checks = 0, SESSION group_concat_max_len = 1048576;\n";
const QByteArray kCommit =
        "COMMIT;\n"
        "SET SESSION sql_mode = @realmdesk_sql_mode, SESSION time_zone = @realmdesk_time_zone, "
        "SESSION foreign_key_checks = @realmdesk_foreign_key_checks, SESSION "
        "group_concat_max_len = @realmdesk_group_concat_max_len;\n";

// The script from the set-up on.
QByteArray body(const QByteArray& script) {
    return script.mid(script.indexOf("USE "));
}

} // namespace

class UndoStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void serverTakesUndoScripts_data();
    void serverTakesUndoScripts();
    void columnForm_data();
    void columnForm();
    void columnsStatement();
    void tableFromFields_data();
    void tableFromFields();
    void captureStatement_data();
    void captureStatement();
    void literal_data();
    void literal();
    void deletedRowsScript();
    void scriptOfItsOwnDatabase_data();
    void scriptOfItsOwnDatabase();
    void updatedRowsScript();
    void guardsCompareWhatTheCaptureReads_data();
    void guardsCompareWhatTheCaptureReads();
    void targetsUndoneInTheOppositeOrder();
    void rewrittenRowsOfATableWithoutAKey();
    void longInsertsAreSplit();
    void overlappingTargetsPutARowBackOnce();
    void writtenStatements_data();
    void writtenStatements();
    void manyWrittenRowsAreReadInSeveralSelects();
    void shellQuoted_data();
    void shellQuoted();
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
    QCOMPARE(
            undosql::columnsStatement(QStringLiteral("account")),
            QStringLiteral("select c.COLUMN_NAME, c.DATA_TYPE, c.CHARACTER_SET_NAME, c.COLUMN_KEY, "
                           "c.EXTRA, t.ENGINE from information_schema.COLUMNS c join "
                           "information_schema.TABLES t on t.TABLE_SCHEMA = c.TABLE_SCHEMA and "
                           "t.TABLE_NAME = c.TABLE_NAME where c.TABLE_SCHEMA = DATABASE() and "
                           "c.TABLE_NAME = 'account' order by c.ORDINAL_POSITION"));
    // A name that would need escapes goes as its bytes.
    QCOMPARE(undosql::columnsStatement(QStringLiteral("a'b"))
                     .section(QStringLiteral("TABLE_NAME = "), 2),
             QStringLiteral("X'612762' order by c.ORDINAL_POSITION"));
}

void UndoStatementsTest::tableFromFields_data() {
    QTest::addColumn<QString>("engine");
    QTest::addColumn<bool>("transactional");
    QTest::newRow("InnoDB") << "InnoDB" << true;
    QTest::newRow("InnoDB, another case") << "innodb" << true;
    QTest::newRow("MyISAM") << "MyISAM" << false;
    QTest::newRow("Aria") << "Aria" << false;
    QTest::newRow("MEMORY") << "MEMORY" << false;
}

void UndoStatementsTest::tableFromFields() {
    QFETCH(QString, engine);
    QFETCH(bool, transactional);
    const Table table = undosql::tableFromFields(
            QStringLiteral("t"), {{"id", "int", "", "PRI", "auto_increment", engine},
                                  {"name", "varchar", "utf8mb3", "", "", engine}});
    QCOMPARE(table.columns, QList<Column>({column("id", "int", "", true, "auto_increment"),
                                           column("name", "varchar", "utf8mb3")}));
    QCOMPARE(table.transactional(), transactional);
    QVERIFY(undosql::tableFromFields(QStringLiteral("t"), {}).columns.isEmpty());
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
    // In the operation's transaction, the rows stay as read until it ends.
    QTest::newRow("rows of a transactional table, locked")
            << Table{QStringLiteral("t"), {column("id", "int", "", true)}, QStringLiteral("InnoDB")}
            << Target::deleted(QStringLiteral("t"), QStringLiteral("`id` = 5"))
            << QStringLiteral("select `id` from `t` where `id` = 5 FOR UPDATE");
    QTest::newRow("rows of a MyISAM table, which cannot be locked so")
            << Table{QStringLiteral("t"), {column("id", "int", "", true)}, QStringLiteral("MyISAM")}
            << Target::deleted(QStringLiteral("t"), QStringLiteral("`id` = 5"))
            << QStringLiteral("select `id` from `t` where `id` = 5");
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
    QCOMPARE(builder.finish(kPath),
             QByteArray("-- realmdesk undo script\n"
                        "-- Operation: account-delete\n"
                        "-- Made: 2026-03-05 14:02:11.123 +03:00\n"
                        "-- Server: admin@127.0.0.1:3306\n"
                        "-- Database: realmd\n"
                        "-- It undoes:\n"
                        "--   delete from `t` where `id` in (5, 6);\n"
                        "-- Rows it puts back:\n"
                        "--   `t`: 2 rows deleted\n"
                        "-- Load it with the mariadb client:\n"
                        "--   mariadb -h 127.0.0.1 -P 3306 -u admin -p realmd < "
                        "/home/admin/journal/undo.sql\n"
                        "-- It changes that database only. The rows are staged in temporary "
                        "tables\n"
                        "-- first; then the tables change in one transaction, committed after "
                        "the last\n"
                        "-- change (MyISAM tables change at once, after the others). A column "
                        "is put\n"
                        "-- back only where it still holds what the operation wrote; the rows "
                        "where it\n"
                        "-- does not are left as they are and shown at the end. A whole script "
                        "ends\n"
                        "-- with the line \"-- end of undo script\": without it, it was cut "
                        "off.\n") +
                     kSetUp +
                     "CREATE TEMPORARY TABLE `realmdesk_undo_1` SELECT "
                     "`id`,`name`,`raw`,`pos`,`seen`,`flags`,`legacy` FROM `t` WHERE 0;\n"
                     "INSERT INTO `realmdesk_undo_1` (`id`,`name`,`raw`,`pos`,`seen`,`flags`,"
                     "`legacy`) VALUES\n"
                     "(5,'Bob',NULL,1.5,'0000-00-00 00:00:00',X'01',_cp1251 X'C0'),\n"
                     "(6,'',X'FF',NULL,NULL,NULL,NULL);\n"
                     "START TRANSACTION;\n"
                     "INSERT INTO `t` (`id`,`name`,`raw`,`pos`,`seen`,`flags`,`legacy`) SELECT "
                     "kept.`id`,kept.`name`,kept.`raw`,kept.`pos`,kept.`seen`,kept.`flags`,"
                     "kept.`legacy` FROM `realmdesk_undo_1` AS kept;\n" +
                     kCommit +
                     "DROP TEMPORARY TABLE `realmdesk_undo_1`;\n"
                     "-- end of undo script\n");
}

void UndoStatementsTest::scriptOfItsOwnDatabase_data() {
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("use");
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("plain names") << "realmd"
                                 << "/home/a/undo.sql" << QByteArray("USE `realmd`;\n")
                                 << QByteArray("mariadb -h 127.0.0.1 -P 3306 -u admin -p realmd < "
                                               "/home/a/undo.sql");
    QTest::newRow("a backquote, a blank and a dollar")
            << "realm`d $x"
            << "/home/a b/undo.sql" << QByteArray("USE `realm``d $x`;\n")
            << QByteArray("mariadb -h 127.0.0.1 -P 3306 -u admin -p 'realm`d $x' < "
                          "'/home/a b/undo.sql'");
    QTest::newRow("a quote") << "it's"
                             << "/tmp/undo.sql" << QByteArray("USE `it's`;\n")
                             << QByteArray("mariadb -h 127.0.0.1 -P 3306 -u admin -p 'it'\\''s' < "
                                           "/tmp/undo.sql");
}

void UndoStatementsTest::scriptOfItsOwnDatabase() {
    QFETCH(QString, database);
    QFETCH(QString, path);
    QFETCH(QByteArray, use);
    QFETCH(QByteArray, command);
    undosql::ScriptInfo scriptInfo = info({});
    scriptInfo.database = database;
    undosql::ScriptBuilder builder(scriptInfo);
    ListRows rows({{bytes("5")}});
    builder.add(
            Target::deleted(QStringLiteral("t"), QStringLiteral("1")),
            Table{QStringLiteral("t"), {column("id", "int", "", true)}, QStringLiteral("InnoDB")},
            rows);
    const QByteArray script = builder.finish(path);
    // The first line that is not a comment chooses the database.
    const QList<QByteArray> lines = script.split('\n');
    const auto firstStatement =
            std::find_if(lines.begin(), lines.end(),
                         [](const QByteArray& line) { return !line.startsWith("--"); });
    QCOMPARE(*firstStatement + '\n', use);
    QVERIFY2(script.contains("--   " + command + '\n'), script.constData());
    QVERIFY(script.endsWith(QByteArray("\n") + undosql::kEndLine));
}

void UndoStatementsTest::updatedRowsScript() {
    // A password statement in the header is masked; the rows keep their old
    // values, hash included, which is what puts the account back; the values
    // written in secret columns appear only as their SHA-256 digests.
    const QString statement = QStringLiteral(
            " update `account` set `sha_pass_hash` = \"NEWHASH\", `email` = \"n@x\" where `id` "
            "in (5, 7);");
    undosql::ScriptBuilder builder(info({statement}));
    const Table account{QStringLiteral("account"),
                        {column("id", "int", "", true),
                         column("sha_pass_hash", "varchar", "utf8mb3"),
                         column("s", "longtext", "utf8mb3"), column("email", "text", "utf8mb3")},
                        QStringLiteral("InnoDB")};
    ListRows rows(
            {{bytes("5"), bytes("OLDHASH"), bytes("o@x")}, {bytes("7"), bytes("X"), Value()}});
    builder.add(Target::updated(QStringLiteral("account"), QStringLiteral("`id` in (5, 7)"),
                                {QStringLiteral("sha_pass_hash"), QStringLiteral("email")}),
                account, rows);
    const QByteArray stage =
            "CREATE TEMPORARY TABLE `realmdesk_undo_1` SELECT `id`,`sha_pass_hash`,`email`";
    const QByteArray unguarded = builder.finish(kPath);
    QVERIFY(unguarded.contains("--    update `account` set `sha_pass_hash` = ***, `email` = "
                               "\"n@x\" where `id` in (5, 7);\n"));
    QVERIFY(unguarded.contains("--   `account`: 2 rows updated (sha_pass_hash, email)\n"));
    // Before the written values are known, the columns go back whatever they
    // hold.
    QVERIFY2(body(unguarded) ==
                     kSetUp + stage +
                             " FROM `account` WHERE 0;\n"
                             "INSERT INTO `realmdesk_undo_1` (`id`,`sha_pass_hash`,`email`) "
                             "VALUES\n"
                             "(5,'OLDHASH','o@x'),\n(7,'X',NULL);\n"
                             "START TRANSACTION;\n"
                             "UPDATE `account` AS live JOIN `realmdesk_undo_1` AS kept ON "
                             "live.`id` = kept.`id` SET live.`sha_pass_hash` = "
                             "kept.`sha_pass_hash`, live.`email` = kept.`email`;\n" +
                             kCommit +
                             "DROP TEMPORARY TABLE `realmdesk_undo_1`;\n-- end of undo script\n",
             body(unguarded).constData());

    // Once they are: row 7 is no longer there when read again.
    ListRows written({{bytes("5"), bytes("NEWHASH"), bytes("n@x")}});
    builder.addWritten(0, written);
    const QByteArray guarded = builder.finish(kPath);
    QVERIFY(!guarded.contains("NEWHASH"));
    const QByteArray digest =
            QCryptographicHash::hash("NEWHASH", QCryptographicHash::Sha256).toHex();
    QVERIFY2(body(guarded) ==
                     kSetUp + "SET @realmdesk_skipped = 0, @realmdesk_skipped_keys = NULL;\n" +
                             stage +
                             ", SHA2(CAST(`sha_pass_hash` AS BINARY), 256) AS "
                             "`realmdesk_written_1`, CAST(`email` AS BINARY) AS "
                             "`realmdesk_written_2` FROM `account` WHERE 0;\n"
                             "INSERT INTO `realmdesk_undo_1` (`id`,`sha_pass_hash`,`email`,"
                             "`realmdesk_written_1`,`realmdesk_written_2`) VALUES\n"
                             "(5,'OLDHASH','o@x','" +
                             digest +
                             "','n@x'),\n"
                             "(7,'X',NULL,NULL,NULL);\n"
                             "START TRANSACTION;\n"
                             "SELECT @realmdesk_skipped + COUNT(*), CONCAT_WS('; ', "
                             "@realmdesk_skipped_keys, GROUP_CONCAT(CONCAT('`account`: ', "
                             "CONCAT_WS(', ', CONCAT('`id` = ', kept.`id`))) SEPARATOR '; ')) "
                             "INTO @realmdesk_skipped, @realmdesk_skipped_keys FROM "
                             "`realmdesk_undo_1` AS kept LEFT JOIN `account` AS live ON live.`id` "
                             "= kept.`id` WHERE live.`id` IS NULL OR NOT (SHA2(CAST(live."
                             "`sha_pass_hash` AS BINARY), 256) <=> kept.`realmdesk_written_1` "
                             "AND CAST(live.`email` AS BINARY) <=> kept.`realmdesk_written_2`);\n"
                             "UPDATE `account` AS live JOIN `realmdesk_undo_1` AS kept ON "
                             "live.`id` = kept.`id` SET live.`sha_pass_hash` = "
                             "IF(SHA2(CAST(live.`sha_pass_hash` AS BINARY), 256) <=> "
                             "kept.`realmdesk_written_1`, kept.`sha_pass_hash`, "
                             "live.`sha_pass_hash`), live.`email` = IF(CAST(live.`email` AS "
                             "BINARY) <=> kept.`realmdesk_written_2`, kept.`email`, "
                             "live.`email`);\n"
                             "SELECT @realmdesk_skipped AS `rows left as they are`, "
                             "@realmdesk_skipped_keys AS `their keys`;\n" +
                             kCommit +
                             "DROP TEMPORARY TABLE `realmdesk_undo_1`;\n-- end of undo script\n",
             body(guarded).constData());
}

void UndoStatementsTest::guardsCompareWhatTheCaptureReads_data() {
    QTest::addColumn<Column>("column");
    QTest::addColumn<Value>("written");
    QTest::addColumn<QByteArray>("stageColumn");
    QTest::addColumn<QByteArray>("literal");
    QTest::addColumn<QByteArray>("guard");
    QTest::newRow("a float, as its double")
            << column("pos", "float") << bytes("0.3333333432674408") << QByteArray("`pos` + 0e0")
            << QByteArray("0.3333333432674408")
            << QByteArray("live.`pos` + 0e0 <=> kept.`realmdesk_written_1`");
    QTest::newRow("a timestamp, as its seconds")
            << column("seen", "timestamp") << bytes("1577934245.123456")
            << QByteArray("UNIX_TIMESTAMP(`seen`)") << QByteArray("1577934245.123456")
            << QByteArray("UNIX_TIMESTAMP(live.`seen`) <=> kept.`realmdesk_written_1`");
    QTest::newRow("a text, as its bytes, not by its collation")
            << column("name", "varchar", "cp1251") << bytes("\xC0")
            << QByteArray("CAST(`name` AS BINARY)") << QByteArray("X'C0'")
            << QByteArray("CAST(live.`name` AS BINARY) <=> kept.`realmdesk_written_1`");
    QTest::newRow("bits") << column("flags", "bit") << Value(QByteArray("\x02\xAA", 2))
                          << QByteArray("`flags`") << QByteArray("X'02AA'")
                          << QByteArray("live.`flags` <=> kept.`realmdesk_written_1`");
    QTest::newRow("a secret column of today's servers, as its digest")
            << column("VERIFIER", "binary") << bytes("new") << QByteArray("SHA2(`VERIFIER`, 256)")
            << '\'' + QCryptographicHash::hash("new", QCryptographicHash::Sha256).toHex() + '\''
            << QByteArray("SHA2(live.`VERIFIER`, 256) <=> kept.`realmdesk_written_1`");
    QTest::newRow("a NULL written")
            << column("money", "int") << Value() << QByteArray("`money`") << QByteArray("NULL")
            << QByteArray("live.`money` <=> kept.`realmdesk_written_1`");
}

void UndoStatementsTest::guardsCompareWhatTheCaptureReads() {
    QFETCH(Column, column);
    QFETCH(Value, written);
    QFETCH(QByteArray, stageColumn);
    QFETCH(QByteArray, literal);
    QFETCH(QByteArray, guard);
    const Table table{QStringLiteral("t"),
                      {undosql::columnFromFields({"id", "int", "", "PRI", ""}), column}};
    undosql::ScriptBuilder builder(info({}));
    ListRows before({{bytes("1"), bytes("0")}});
    builder.add(Target::updated(QStringLiteral("t"), QStringLiteral("1"), {column.name}), table,
                before);
    ListRows after({{bytes("1"), written}});
    builder.addWritten(0, after);
    const QByteArray script = builder.finish(kPath);
    QVERIFY2(script.contains(", " + stageColumn + " AS `realmdesk_written_1` FROM"),
             script.constData());
    QVERIFY2(script.contains("VALUES\n(1,") && script.contains(',' + literal + ");\n"),
             script.constData());
    QVERIFY2(script.contains(" = IF(" + guard + ", "), script.constData());
}

void UndoStatementsTest::targetsUndoneInTheOppositeOrder() {
    undosql::ScriptBuilder builder(info({}));
    const Table aura{QStringLiteral("aura"),
                     {column("guid", "int", "", true), column("spell", "int", "", true),
                      column("amount", "int")},
                     QStringLiteral("InnoDB")};
    const Table corpse{QStringLiteral("corpse"),
                       {column("player", "int", "", true)},
                       QStringLiteral("InnoDB")};
    const Table social{
            QStringLiteral("social"), {column("guid", "int", "", true)}, QStringLiteral("MyISAM")};
    ListRows auras({{bytes("7"), bytes("100"), bytes("-75")}});
    ListRows corpses({{bytes("7")}});
    ListRows socials({{bytes("7")}});
    builder.add(
            Target::rewritten(QStringLiteral("aura"), QStringLiteral("guid"), QStringLiteral("7")),
            aura, auras);
    builder.add(Target::deleted(QStringLiteral("social"), QStringLiteral("`guid` = 7")), social,
                socials);
    builder.add(Target::deleted(QStringLiteral("corpse"), QStringLiteral("`player` = 7")), corpse,
                corpses);
    const QByteArray script = builder.finish(kPath);
    // The rows are staged in order; the tables change in the opposite order,
    // the MyISAM table after the transactional ones. The rewritten rows come
    // back without a row missing on the way: the missing ones added, those
    // there put back, and only then the rows that are not the old ones gone.
    QVERIFY2(body(script).contains(
                     "START TRANSACTION;\n"
                     "INSERT INTO `corpse` (`player`) SELECT kept.`player` FROM "
                     "`realmdesk_undo_3` AS kept;\n"
                     "INSERT INTO `aura` (`guid`,`spell`,`amount`) SELECT kept.`guid`,"
                     "kept.`spell`,kept.`amount` FROM `realmdesk_undo_1` AS kept WHERE NOT EXISTS "
                     "(SELECT 1 FROM `aura` AS live WHERE live.`guid` = kept.`guid` AND "
                     "live.`spell` = kept.`spell`);\n"
                     "UPDATE `aura` AS live JOIN `realmdesk_undo_1` AS kept ON live.`guid` = "
                     "kept.`guid` AND live.`spell` = kept.`spell` SET live.`amount` = "
                     "kept.`amount`;\n"
                     "DELETE live FROM `aura` AS live LEFT JOIN `realmdesk_undo_1` AS kept ON "
                     "live.`guid` = kept.`guid` AND live.`spell` = kept.`spell` WHERE "
                     "live.`guid` = 7 AND kept.`guid` IS NULL;\n"
                     "INSERT INTO `social` (`guid`) SELECT kept.`guid` FROM `realmdesk_undo_2` AS "
                     "kept;\n" +
                     kCommit),
             script.constData());
    QVERIFY(script.contains("--   `aura`: 1 row rewritten where `guid` = 7\n"
                            "--   `social`: 1 row deleted\n"
                            "--   `corpse`: 1 row deleted\n"));
    QVERIFY(script.contains("DROP TEMPORARY TABLE `realmdesk_undo_1`, `realmdesk_undo_2`, "
                            "`realmdesk_undo_3`;\n"));
}

void UndoStatementsTest::rewrittenRowsOfATableWithoutAKey() {
    undosql::ScriptBuilder builder(info({}));
    const Table pairs{QStringLiteral("pairs"),
                      {column("a", "int"), column("b", "int")},
                      QStringLiteral("MyISAM")};
    ListRows rows({{bytes("3"), bytes("1")}});
    builder.add(
            Target::rewritten(QStringLiteral("pairs"), QStringLiteral("a"), QStringLiteral("3")),
            pairs, rows);
    QVERIFY(builder.finish(kPath).contains(
            "START TRANSACTION;\n"
            "DELETE FROM `pairs` WHERE `a` = 3;\n"
            "INSERT INTO `pairs` (`a`,`b`) SELECT kept.`a`,kept.`b` FROM `realmdesk_undo_1` AS "
            "kept;\n"));
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
    const QByteArray script = builder.finish(kPath);
    // Three rows fill the first statement past its size; the fourth starts
    // another.
    QCOMPARE(script.count("INSERT INTO `realmdesk_undo_1`"), 2);
    QVERIFY(script.contains("'),\n(3,'"));
    QVERIFY(script.contains("');\nINSERT INTO `realmdesk_undo_1` (`id`,`text`) VALUES\n(4,'"));
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
    const QByteArray script = builder.finish(kPath);
    QVERIFY(script.contains("INSERT INTO `realmdesk_undo_1` (`guid`,`friend`,`note`) VALUES\n"
                            "(1,2,'a'),\n(4,1,NULL);\n"));
    QVERIFY(script.contains("INSERT INTO `realmdesk_undo_2` (`guid`,`friend`,`note`) VALUES\n"
                            "(9,4,'');\n"));
}

void UndoStatementsTest::writtenStatements_data() {
    QTest::addColumn<Table>("table");
    QTest::addColumn<QList<QList<Value>>>("captured");
    QTest::addColumn<QStringList>("statements");
    const Table account{QStringLiteral("account"),
                        {column("id", "int", "", true), column("email", "text", "utf8mb3")}};
    QTest::newRow("a number key")
            << account << QList<QList<Value>>{{bytes("5"), bytes("a")}, {bytes("7"), Value()}}
            << QStringList{"select `id`,CAST(`email` AS BINARY) from `account` where `id` in "
                           "(5,7)"};
    // A text key is compared as its bytes, written in hex: the same in every
    // sql_mode, whatever quotes and backslashes it holds.
    const Table banned{QStringLiteral("ip_banned"),
                       {column("ip", "varchar", "utf8mb3", true),
                        column("bandate", "int", "", true),
                        column("banreason", "varchar", "utf8mb3")}};
    QTest::newRow("a key of a text and a number")
            << banned << QList<QList<Value>>{{bytes("1.2.3.4'\\"), bytes("17"), bytes("x")}}
            << QStringList{"select CAST(`ip` AS BINARY),`bandate`,CAST(`banreason` AS BINARY) "
                           "from `ip_banned` where (CAST(`ip` AS BINARY),`bandate`) in "
                           "((X'312E322E332E34275C',17))"};
    QTest::newRow("no rows") << account << QList<QList<Value>>{} << QStringList{};
}

void UndoStatementsTest::writtenStatements() {
    QFETCH(Table, table);
    QFETCH(QList<QList<Value>>, captured);
    QFETCH(QStringList, statements);
    QStringList columns;
    for (int i = 1; i < table.columns.size(); ++i) {
        if (!table.columns[i].primaryKey)
            columns << table.columns[i].name;
    }
    ListRows rows(captured);
    QCOMPARE(undosql::writtenStatements(Target::updated(table.name, QStringLiteral("1"), columns),
                                        table, rows),
             statements);
}

void UndoStatementsTest::manyWrittenRowsAreReadInSeveralSelects() {
    const Table characters{QStringLiteral("characters"),
                           {column("guid", "int", "", true), column("account", "int")}};
    QList<QList<Value>> captured;
    for (int guid = 1; guid <= 60000; ++guid)
        captured << QList<Value>{QByteArray::number(guid), bytes("1")};
    ListRows rows(captured);
    const QStringList selects = undosql::writtenStatements(
            Target::updated(QStringLiteral("characters"), QStringLiteral("1"), {"account"}),
            characters, rows);
    // Each select stays near the size of a script's statement (well below
    // the smallest max_allowed_packet); together they read every row once,
    // in order.
    QVERIFY(selects.size() > 1);
    const QString head =
            QStringLiteral("select `guid`,`account` from `characters` where `guid` in (");
    QStringList guids;
    for (const QString& select : selects) {
        QVERIFY(select.size() < 256 * 1024 + 16);
        QVERIFY(select.startsWith(head) && select.endsWith(u')'));
        guids << select.mid(head.size(), select.size() - head.size() - 1).split(u',');
    }
    QStringList expected;
    for (int guid = 1; guid <= 60000; ++guid)
        expected << QString::number(guid);
    QCOMPARE(guids, expected);
}

void UndoStatementsTest::shellQuoted_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "realmd_2"
                           << "realmd_2";
    QTest::newRow("a path and an address") << "/home/a/undo-1.sql"
                                           << "/home/a/undo-1.sql";
    QTest::newRow("a blank") << "my db"
                             << "'my db'";
    QTest::newRow("a quote") << "it's"
                             << "'it'\\''s'";
    QTest::newRow("a dollar, a backquote, a semicolon") << "$(x)`y`;z"
                                                        << "'$(x)`y`;z'";
    QTest::newRow("Cyrillic") << "база"
                              << "'база'";
    QTest::newRow("empty") << ""
                           << "''";
}

void UndoStatementsTest::shellQuoted() {
    QFETCH(QString, word);
    QFETCH(QString, quoted);
    QCOMPARE(undosql::shellQuoted(word), quoted);
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

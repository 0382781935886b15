// The texts of the change journal: which statements it records, how it keeps
// a password out, and the form of its entries.
#include "journal/JournalText.h"

#include <QTest>
#include <QTimeZone>

Q_DECLARE_METATYPE(journal::Entry)

class JournalTextTest : public QObject {
    Q_OBJECT

private slots:
    void changesData_data();
    void changesData();
    void masked_data();
    void masked();
    void maskedError_data();
    void maskedError();
    void entryLine_data();
    void entryLine();
    void fileName();
};

void JournalTextTest::changesData_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("changes");
    const struct {
        const char* name;
        const char* statement;
        bool changes;
    } cases[] = {
            // What the pages send.
            {"use", "use `realmd`;", false},
            {"use without semicolon", "use `realmd`", false},
            {"set names", "SET NAMES utf8;", false},
            {"select", "select `id`,`text`,`next` from `autobroadcast` order by `id`;", false},
            {"show", "show columns from `characters`;", false},
            {"delete", "delete from `account` where `id` = 5;", true},
            {"update with a leading blank", " update `account` set `s` = null where `id` = 5;",
             true},
            {"update with two blanks", "update  `characters` set `account` = 3 where 1", true},
            {"upper-case delete",
             "DELETE FROM `account` WHERE DATEDIFF(NOW(), `last_login`) >  150", true},
            {"replace",
             "REPLACE INTO character_aura VALUES (7, 7, 15007,0,1,-75,600000,600000,-1);", true},
            {"insert", "insert into `autobroadcast` (`text`,`next`) values (\"a\", 1);", true},
            {"update of a join",
             "UPDATE `characters` as c, `character_homebind` as h SET c.`map`=h.`map` WHERE "
             "(c.`guid`= 7) AND ( c.`guid`= h.`guid`);",
             true},
            // The statements that decide what becomes of changes.
            {"start transaction", "START TRANSACTION", true},
            {"commit", "commit;", true},
            {"rollback", "ROLLBACK", true},
            // What may come in front.
            {"comment before a delete", "/* clean-up */ DELETE FROM t", true},
            {"line comment before a select", "-- look\nselect 1", false},
            {"hash comment before an update", "# fix\nupdate t set a = 1", true},
            {"parenthesised select", "((select 1) union (select 2))", false},
            {"a word that looks like a change inside a text", "select 'delete from t'", false},
            {"empty", "", false},
            {"blanks only", "  \n ", false},
            // The less common forms.
            {"with, then select", "WITH x AS (SELECT 1) SELECT * FROM x", false},
            {"with, then delete", "WITH x AS (SELECT 1) DELETE FROM t WHERE a IN (SELECT * FROM x)",
             true},
            {"set password", "SET PASSWORD FOR 'u'@'%' = PASSWORD('p')", true},
            {"set statement for a delete", "SET STATEMENT max_statement_time=1 FOR DELETE FROM t",
             true},
            {"set statement for a select", "SET STATEMENT max_statement_time=1 FOR SELECT 1",
             false},
            {"set of a session variable", "SET SESSION sql_mode = ''", false},
            {"analyze table", "ANALYZE TABLE t", false},
            {"analyze of a delete runs it", "ANALYZE DELETE FROM t", true},
            {"explain of a delete does not", "EXPLAIN DELETE FROM t", false},
            {"describe", "describe t", false},
            {"truncate", "TRUNCATE TABLE t", true},
            {"drop", "drop table t", true},
            {"procedure call", "CALL clean_up()", true},
            {"executable comment", "/*!40101 SET NAMES utf8 */", true},
            {"unknown statement", "FROBNICATE t", true},
    };
    for (const auto& c : cases)
        QTest::newRow(c.name) << QString::fromUtf8(c.statement) << c.changes;
}

void JournalTextTest::changesData() {
    QFETCH(QString, statement);
    QFETCH(bool, changes);
    QCOMPARE(journal::changesData(statement), changes);
}

void JournalTextTest::masked_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("backslashEscapes");
    QTest::addColumn<QString>("expected");
    const struct {
        const char* name;
        const char* statement;
        bool backslashEscapes;
        const char* expected;
    } cases[] = {
            {"password hashed by the server",
             " update `account` set `sha_pass_hash` =  SHA1(CONCAT(UPPER(\"BOB\"),\":\","
             "UPPER(\"se,c\\\"r' where \\\\et\"))), `s` = null, `v` = null, `sessionkey` = null "
             "where `id` = 5;",
             true,
             " update `account` set `sha_pass_hash` =  ***, `s` = null, `v` = null, `sessionkey` "
             "= null where `id` = 5;"},
            {"hash computed by the program",
             " update `account` set `sha_pass_hash` = "
             "\"3D9C9A3F1E8B2C4D5E6F708192A3B4C5D6E7F809\", "
             "`s` = null, `v` = null, `sessionkey` = null where `id` = 5;",
             true,
             " update `account` set `sha_pass_hash` = ***, `s` = null, `v` = null, `sessionkey` = "
             "null where `id` = 5;"},
            {"rename with the new hash: the name stays",
             "update `account` set `username` = \"NEWNAME\", `sha_pass_hash` = \"ABCDEF\", "
             "`s` = null, `v` = null, `sessionkey` = null, `gmlevel` = 2 where `id` = 4;",
             true,
             "update `account` set `username` = \"NEWNAME\", `sha_pass_hash` = ***, `s` = null, "
             "`v` = null, `sessionkey` = null, `gmlevel` = 2 where `id` = 4;"},
            {"login session values", "UPDATE account SET v = 'AB12', s = 'CD34' WHERE id = 1", true,
             "UPDATE account SET v = ***, s = *** WHERE id = 1"},
            {"a hash in a condition", "delete from account where sha_pass_hash = 'AB' and id = 1",
             true, "delete from account where sha_pass_hash = *** and id = 1"},
            {"the password of a compare",
             "select SHA1(CONCAT(UPPER(`username`),\":\",UPPER(\"pw\"))) "
             "as hashtest from `account` where `id` = 1;",
             true,
             "select SHA1(CONCAT(UPPER(`username`),***,UPPER(***))) as hashtest from `account` "
             "where `id` = 1;"},
            {"nothing secret", "update `account` set `email` = \"a@b\" where `id` = 1;", true,
             "update `account` set `email` = \"a@b\" where `id` = 1;"},
            {"a column that only ends like one",
             "update `account` set `gmlevels` = 1, `last_s` = 2 where `id` = 1;", true,
             "update `account` set `gmlevels` = 1, `last_s` = 2 where `id` = 1;"},
            {"doubled quotes, no backslash escapes: a backslash ends nothing",
             "update account set sha_pass_hash = SHA1(\"x\\\"\",y\"), s = null where id = 1", false,
             "update account set sha_pass_hash = ***, s = null where id = 1"},
            {"a text left open hides the rest",
             "update account set sha_pass_hash = SHA1(\"secret where id = 1", true,
             "update account set sha_pass_hash = ***"},
            // A rename to a name ending in a backslash on a session without
            // backslash escapes: read with them, the name's text would run
            // on and leave the hash outside every text.
            {"a name ending in a backslash, no backslash escapes",
             "update `account` set `username` = \"A\\\", `sha_pass_hash` = \"3D9C9A3F\" "
             "where `id` = 4;",
             false,
             "update `account` set `username` = \"A\\\", `sha_pass_hash` = *** where `id` = 4;"},
            // The columns of today's servers, named in any case, and every
            // form of value.
            {"salt and verifier as hex literals",
             "UPDATE account SET Salt = X'0A1B', VERIFIER = x'FFEE' WHERE id = 2", true,
             "UPDATE account SET Salt = ***, VERIFIER = *** WHERE id = 2"},
            {"session keys as 0x numbers and UNHEX calls",
             "update account set session_key = 0xABCDEF, `SESSION_KEY_AUTH` = UNHEX('00FF'), "
             "id = 3 where id = 3",
             true,
             "update account set session_key = ***, `SESSION_KEY_AUTH` = ***, id = 3 where id = 3"},
            {"a secret compared with <=>, <> and IN",
             "delete from account where v <=> 'A' or s <> 'B' or sessionkey in ('C', 'D') "
             "or sha_pass_hash not like 'E%'",
             true,
             "delete from account where v <=> *** or s <> *** or sessionkey in *** "
             "or sha_pass_hash not like ***"},
            {"the secret columns of inserted rows",
             "INSERT INTO account (username, salt, verifier, email) VALUES "
             "('BOB', X'01', UNHEX('02'), 'b@x'), ('AMY', X'03', X'04', 'a@x')",
             true,
             "INSERT INTO account (username, salt, verifier, email) VALUES "
             "('BOB', ***, ***, 'b@x'), ('AMY', ***, ***, 'a@x')"},
            {"set password to a hash", "SET PASSWORD FOR 'rd'@'%' = '*94BDCEBE19083CE2A1F959'",
             true, "SET PASSWORD FOR 'rd'@'%' = ***"},
            {"set password with the password function", "SET PASSWORD = PASSWORD('pw')", true,
             "SET PASSWORD = ***"},
            {"identified by, for two users",
             "CREATE USER 'a'@'%' IDENTIFIED BY 'one', 'b'@'%' IDENTIFIED BY PASSWORD '*2A'", true,
             "CREATE USER 'a'@'%' IDENTIFIED BY ***, 'b'@'%' IDENTIFIED BY PASSWORD ***"},
            {"identified via a plugin using a password",
             "ALTER USER 'a'@'%' IDENTIFIED VIA ed25519 USING PASSWORD('two') OR unix_socket", true,
             "ALTER USER 'a'@'%' IDENTIFIED VIA ed25519 USING PASSWORD(***) OR unix_socket"},
            {"identified with a plugin as a hash",
             "GRANT ALL ON *.* TO 'c'@'%' IDENTIFIED WITH mysql_native_password AS '*3B'", true,
             "GRANT ALL ON *.* TO 'c'@'%' IDENTIFIED WITH mysql_native_password AS ***"},
    };
    for (const auto& c : cases)
        QTest::newRow(c.name) << QString::fromUtf8(c.statement) << c.backslashEscapes
                              << QString::fromUtf8(c.expected);
}

void JournalTextTest::masked() {
    QFETCH(QString, statement);
    QFETCH(bool, backslashEscapes);
    QFETCH(QString, expected);
    QCOMPARE(journal::masked(statement, backslashEscapes), expected);
}

void JournalTextTest::maskedError_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    // A comma missing before the hash: the parser stops there.
    const QString update =
            QStringLiteral("update `account` set `username` = \"BOB\" `sha_pass_hash` = "
                           "\"3D9C9A3F1E8B2C4D5E6F708192A3B4C5D6E7F809\" where `id` = 5");
    const QString manual = QStringLiteral(
            "You have an error in your SQL syntax; check the manual that corresponds to your "
            "MariaDB server version for the right syntax to use near ");
    QTest::newRow("a syntax error that quotes the secret")
            << manual + QStringLiteral("'`sha_pass_hash` = \"3D9C9A3F1E8B2C4D5E6F708192A3B4C5D6E7F8"
                                       "09\" where `id` = 5' at line 1")
            << update
            << manual + QStringLiteral("'`sha_pass_hash` = *** where `id` = 5' at line 1");
    QTest::newRow("a quotation cut inside the secret")
            << manual + QStringLiteral("'`sha_pass_hash` = \"3D9C9A3F1E' at line 1") << update
            << manual + QStringLiteral("'`sha_pass_hash` = ***' at line 1");
    QTest::newRow("a quotation that starts inside the secret")
            << QStringLiteral("near 'E7F809\" where `id` = 5'") << update
            << QStringLiteral("near '*** where `id` = 5'");
    QTest::newRow("a quotation in another language")
            << QStringLiteral("У вас ошибка в запросе около '`sha_pass_hash` = \"3D9C9A3F1E8B2C4D"
                              "5E6F708192A3B4C5D6E7F809\" where `id` = 5' на строке 1")
            << update
            << QStringLiteral("У вас ошибка в запросе около '`sha_pass_hash` = *** where `id` = 5' "
                              "на строке 1");
    QTest::newRow("a value repeated by the message")
            << QStringLiteral("Duplicate entry '3D9C9A3F1E8B2C4D5E6F708192A3B4C5D6E7F809' for key "
                              "'hash'")
            << update << QStringLiteral("Duplicate entry '***' for key 'hash'");
    QTest::newRow("the rest of the statement stays")
            << manual + QStringLiteral("'where `id` = 5' at line 1") << update
            << manual + QStringLiteral("'where `id` = 5' at line 1");
    QTest::newRow("a message about a statement without secrets")
            << QStringLiteral("Table 'realmd.account' doesn't exist")
            << QStringLiteral("delete from `account` where `id` = 5")
            << QStringLiteral("Table 'realmd.account' doesn't exist");
}

void JournalTextTest::maskedError() {
    QFETCH(QString, message);
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(journal::maskedError(message, statement), expected);
}

void JournalTextTest::entryLine_data() {
    QTest::addColumn<journal::Entry>("entry");
    QTest::addColumn<QString>("line");

    journal::Entry deleted;
    deleted.time = QDateTime(QDate(2026, 3, 5), QTime(14, 2, 11, 123), QTimeZone(3 * 3600));
    deleted.user = QStringLiteral("admin");
    deleted.host = QStringLiteral("127.0.0.1");
    deleted.port = 3306;
    deleted.database = QStringLiteral("realmd");
    deleted.statement = QStringLiteral("delete from `account` where `id` = 5;");
    deleted.ok = true;
    deleted.affectedRows = 1;
    deleted.undoScript = QStringLiteral("undo-2026-03-05_14-02-11-120-account-delete.sql");
    QTest::newRow("a delete with its undo script")
            << deleted
            << QStringLiteral("2026-03-05 14:02:11.123 +03:00\tadmin@127.0.0.1:3306\trealmd\t"
                              "ok, 1 row\tundo-2026-03-05_14-02-11-120-account-delete.sql\t"
                              "delete from `account` where `id` = 5;\n");

    journal::Entry none = deleted;
    none.affectedRows = 0;
    none.undoScript.clear();
    none.database.clear();
    none.time = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6), QTimeZone(-(5 * 3600 + 30 * 60)));
    QTest::newRow("nothing affected, no database, no script, a zone west of Greenwich")
            << none
            << QStringLiteral("2026-01-02 03:04:05.006 -05:30\tadmin@127.0.0.1:3306\t-\t"
                              "ok, 0 rows\t-\tdelete from `account` where `id` = 5;\n");

    journal::Entry failed = deleted;
    failed.ok = false;
    failed.errorCode = 1146;
    failed.errorText = QStringLiteral("Table 'realmd.account' doesn't exist\n");
    QTest::newRow("an error")
            << failed
            << QStringLiteral("2026-03-05 14:02:11.123 +03:00\tadmin@127.0.0.1:3306\trealmd\t"
                              "error 1146: Table 'realmd.account' doesn't exist \t"
                              "undo-2026-03-05_14-02-11-120-account-delete.sql\t"
                              "delete from `account` where `id` = 5;\n");

    journal::Entry password = deleted;
    password.undoScript.clear();
    password.statement = QStringLiteral(
            " update `account` set `sha_pass_hash` = \"ABCD\", `s` = null where `id` = 5;");
    journal::Entry rejected = password;
    rejected.ok = false;
    rejected.errorCode = 1064;
    rejected.errorText = QStringLiteral("near '\"ABCD\", `s` = null where `id` = 5;' at line 1");
    QTest::newRow("a password statement and its error, masked")
            << rejected
            << QStringLiteral("2026-03-05 14:02:11.123 +03:00\tadmin@127.0.0.1:3306\trealmd\t"
                              "error 1064: near '***, `s` = null where `id` = 5;' at line 1\t-\t "
                              "update `account` set `sha_pass_hash` = ***, `s` = null where "
                              "`id` = 5;\n");

    QTest::newRow("a password statement, masked")
            << password
            << QStringLiteral("2026-03-05 14:02:11.123 +03:00\tadmin@127.0.0.1:3306\trealmd\t"
                              "ok, 1 row\t-\t update `account` set `sha_pass_hash` = ***, "
                              "`s` = null where `id` = 5;\n");

    journal::Entry lines = deleted;
    lines.undoScript.clear();
    lines.statement = QStringLiteral("update t\nset a = 1\nwhere b = 2");
    QTest::newRow("a statement of several lines")
            << lines
            << QStringLiteral("2026-03-05 14:02:11.123 +03:00\tadmin@127.0.0.1:3306\trealmd\t"
                              "ok, 1 row\t-\tupdate t\n\tset a = 1\n\twhere b = 2\n");
}

void JournalTextTest::entryLine() {
    QFETCH(journal::Entry, entry);
    QFETCH(QString, line);
    QCOMPARE(journal::entryLine(entry), line);
}

void JournalTextTest::fileName() {
    QCOMPARE(journal::fileName(QDate(2026, 3, 5)), QStringLiteral("journal-2026-03-05.log"));
}

QTEST_APPLESS_MAIN(JournalTextTest)
#include "tst_journal_text.moc"

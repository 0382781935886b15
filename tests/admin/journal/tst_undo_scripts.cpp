// Undo scripts against the real server: the rows an operation is about to
// delete or change are read and saved as a script; after the change, loading
// the script with the mariadb client puts every table back byte for byte
// (the server's checksum of the rows), whatever the values: NULL and empty
// text, Windows-1251 bytes, quotes, backslashes, Cyrillic, four-byte UTF-8,
// floats, bits, zero dates and timestamps read in another time zone.
#include "DatabaseProbe.h"
#include "MariadbClient.h"
#include "PageHarness.h"
#include "ScriptedDialogs.h"
#include "TableSnapshot.h"
#include "journal/UndoScope.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using undosql::Target;

Q_DECLARE_METATYPE(undosql::Target)

namespace {

const QString kDatabase = QStringLiteral("undo_check");

// Every column but the generated one, for copying rows.
const char* const kColumns = "id, name, note, emoji, legacy, latin, raw, blobby, pos, big, money, "
                             "flags, seen, last, born, yr, dur, kind, tags, small, ubig";

QStringList fixture() {
    QString allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    return {
            QStringLiteral("DROP DATABASE IF EXISTS undo_check"),
            QStringLiteral("CREATE DATABASE undo_check CHARACTER SET utf8mb3"),
            QStringLiteral("CREATE TABLE undo_check.everything ("
                           " id INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,"
                           " name VARCHAR(40) NULL, note TEXT NULL,"
                           " emoji VARCHAR(20) CHARACTER SET utf8mb4 NULL,"
                           " legacy VARCHAR(20) CHARACTER SET cp1251 NULL,"
                           " latin VARCHAR(20) CHARACTER SET latin1 NULL,"
                           " raw VARBINARY(40) NULL, blobby BLOB NULL,"
                           " pos FLOAT NULL, big DOUBLE NULL, money DECIMAL(12,4) NULL, flags "
                           "BIT(10) NULL,"
                           " seen TIMESTAMP(6) NULL DEFAULT NULL,"
                           " last TIMESTAMP NOT NULL DEFAULT '0000-00-00 00:00:00',"
                           " born DATETIME NULL, yr YEAR NULL, dur TIME(3) NULL,"
                           " kind ENUM('a','b','ц') NULL, tags SET('x','y') NULL,"
                           " small TINYINT NULL, ubig BIGINT UNSIGNED NULL,"
                           " doubled BIGINT AS (id * 2) VIRTUAL) ENGINE=InnoDB"),
            QStringLiteral(
                    "INSERT INTO undo_check.everything (%1) VALUES "
                    // Nothing but NULLs.
                    "(1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
                    "NULL, '0000-00-00 00:00:00', NULL, NULL, NULL, NULL, NULL, NULL, NULL),"
                    // Empty texts and zeros, which are not NULL.
                    "(2, '', '', '', '', '', '', '', 0, 0, 0, b'0', '1970-01-01 00:00:01', "
                    "'2000-01-01 00:00:00', '0000-00-00 00:00:00', 0, '00:00:00', 'a', '', "
                    "0, 0),"
                    // Quotes, backslashes, control characters, the other character sets.
                    "(3, 'O\\'Brien \"the\" \\\\ back\\\\\\\\slash', 'a\\r\\nb\\0c\\Zd\\te', "
                    "'😀 x', _utf8mb4'Привет', 'café', X'CFF0E8E2E5F2', X'00FF00', "
                    "0.333333343, 1/3e0, -12.3456, b'1010101010', "
                    "'2021-03-28 02:30:00.123456', '2038-01-18 00:00:00', "
                    "'9999-12-31 23:59:59', 2155, '-838:59:59.999', 'ц', 'x,y', -128, "
                    "18446744073709551615),"
                    // Cyrillic, every byte value.
                    "(4, 'Иван', 'Строка\\nвторая', 'ё', 'ё', 'ÿ', 'Да', X'%2', "
                    "-3.4028234e38, 2.2250738585072014e-308, 99999999.9999, b'1', "
                    "'2020-02-29 12:00:00', '2020-02-29 12:00:00', '1000-01-01 00:00:00', "
                    "1901, '838:59:59', 'b', 'y', 127, 1),"
                    // An id of zero.
                    "(0, 'zero', NULL, NULL, NULL, NULL, NULL, NULL, 1e-45, NULL, NULL, "
                    "NULL, NULL, '0000-00-00 00:00:00', NULL, 0, NULL, NULL, NULL, NULL, "
                    "NULL)")
                    .arg(QLatin1String(kColumns), allBytes),
            QStringLiteral("CREATE TABLE undo_check.everything_myisam LIKE undo_check.everything"),
            QStringLiteral("ALTER TABLE undo_check.everything_myisam ENGINE=MyISAM"),
            QStringLiteral("INSERT INTO undo_check.everything_myisam (%1) SELECT %1 FROM "
                           "undo_check.everything")
                    .arg(QLatin1String(kColumns)),
            QStringLiteral("CREATE TABLE undo_check.pairs (a INT, b VARCHAR(10), c FLOAT) "
                           "ENGINE=MyISAM"),
            QStringLiteral("INSERT INTO undo_check.pairs VALUES (1, 'x', 0.1), (2, NULL, 1.25), "
                           "(3, 'y', NULL), (3, 'w', 7)"),
            QStringLiteral("CREATE TABLE undo_check.aura (guid INT UNSIGNED, spell INT UNSIGNED, "
                           "amount INT, PRIMARY KEY (guid, spell)) ENGINE=InnoDB"),
            QStringLiteral("INSERT INTO undo_check.aura VALUES (7, 1, -75), (7, 2, 0), (8, 1, 5)"),
            QStringLiteral("CREATE TABLE undo_check.social (guid INT UNSIGNED, friend INT "
                           "UNSIGNED, note VARCHAR(10), PRIMARY KEY (guid, friend)) ENGINE=MyISAM"),
            QStringLiteral("INSERT INTO undo_check.social VALUES (1, 2, 'a'), (1, 3, NULL), "
                           "(4, 1, ''), (5, 6, 'b')"),
    };
}

} // namespace

class UndoScriptsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void restoresEveryByte_data();
    void restoresEveryByte();
    void readFailureStopsTheOperation_data();
    void readFailureStopsTheOperation();
    void unsavedScriptStopsTheOperation();

    void changesOnlyItsOwnDatabase();
    void cutOffScriptChangesNothing_data();
    void cutOffScriptChangesNothing();
    void laterChangesAreKept_data();
    void laterChangesAreKept();
    void capturedRowsStayLockedUntilTheCommit();
    void rollbackTakesTheScriptBack_data();
    void rollbackTakesTheScriptBack();
    void scriptThatCannotBeCompletedTakesTheChangeBack();

private:
    // A session on the scratch database, as a page has it after the database
    // switch, reading in a time zone of its own.
    bool open(QueryContext& context, const QString& journalFolder);
    // Runs the statements as one operation with its undo script in the
    // folder and returns the script's path (empty when it failed).
    QString runOperation(const QString& folder, const QList<Target>& targets,
                         const QStringList& statements);
    // "undo_check.<table>" for each table.
    static QStringList qualified(const QStringList& tables);
    QStringList checksums(const QStringList& tables);

    TestServer m_server;
    QTemporaryDir m_dir;
    QStringList m_log;
};

void UndoScriptsTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
    QVERIFY(m_dir.isValid());
}

void UndoScriptsTest::init() {
    DatabaseProbe probe(m_server);
    QVERIFY2(probe.connected(), qPrintable(probe.lastError()));
    QVERIFY(probe.exec(QStringLiteral("SET NAMES utf8mb4")));
    QVERIFY(probe.exec(QStringLiteral("SET SESSION sql_mode = 'NO_AUTO_VALUE_ON_ZERO'")));
    for (const QString& statement : fixture())
        QVERIFY2(probe.exec(statement), qPrintable(statement + u' ' + probe.lastError()));
    m_log.clear();
}

void UndoScriptsTest::cleanupTestCase() {
    if (!m_server.available())
        return;
    DatabaseProbe probe(m_server);
    probe.exec(QStringLiteral("DROP DATABASE IF EXISTS undo_check"));
}

bool UndoScriptsTest::open(QueryContext& context, const QString& journalFolder) {
    if (!connectToTestServer(context, m_server))
        return false;
    context.setDatabaseNameSource([](Database) { return kDatabase; });
    context.journal().setFolder(journalFolder);
    context.setLog([this](const QString& line) { m_log << line; });
    return context.switchDatabase(Database::Realmd) &&
           context.run(QStringLiteral("SET time_zone = '+05:00'"));
}

QString UndoScriptsTest::runOperation(const QString& folder, const QList<Target>& targets,
                                      const QStringList& statements) {
    ScriptedDialogs dialogs;
    QueryContext context(dialogs);
    if (!open(context, folder))
        return {};
    UndoScope undo(context, QStringLiteral("test-operation"));
    if (!undo.save(targets, statements))
        return {};
    for (const QString& statement : statements) {
        if (!context.run(statement))
            return {};
    }
    QString error;
    if (!undo.commit(&error) || !dialogs.boxes().isEmpty())
        return {};
    return QDir(folder).filePath(undo.fileName());
}

QStringList UndoScriptsTest::qualified(const QStringList& tables) {
    QStringList names;
    for (const QString& table : tables)
        names << kDatabase + u'.' + table;
    return names;
}

QStringList UndoScriptsTest::checksums(const QStringList& tables) {
    return DatabaseProbe(m_server).checksums(qualified(tables));
}

void UndoScriptsTest::restoresEveryByte_data() {
    QTest::addColumn<QStringList>("tables");
    QTest::addColumn<QList<Target>>("targets");
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<int>("rows");

    QTest::newRow("deleted rows of an InnoDB table")
            << QStringList{"everything"}
            << QList<Target>{Target::deleted("everything", "`id` in (0, 2, 3, 4)")}
            << QStringList{"delete from `everything` where `id` in (0, 2, 3, 4)"} << 4;
    QTest::newRow("every row of a MyISAM table")
            << QStringList{"everything_myisam"}
            << QList<Target>{Target::deleted("everything_myisam", "1")}
            << QStringList{"delete from `everything_myisam` where 1"} << 5;
    QTest::newRow("updated columns, by primary key")
            << QStringList{"everything"}
            << QList<Target>{Target::updated("everything", "`id` <> 1",
                                             {"name", "note", "emoji", "legacy", "raw", "pos",
                                              "seen", "last", "flags", "born", "yr"})}
            << QStringList{"update `everything` set `name` = 'x', `note` = NULL, `emoji` = 'e', "
                           "`legacy` = 'l', `raw` = X'00', `pos` = 2.5, `seen` = NOW(6), "
                           "`last` = NOW(), `flags` = b'1', `born` = NOW(), `yr` = 1999 "
                           "where `id` <> 1"}
            << 4;
    QTest::newRow("rows deleted and written again with their key value")
            << QStringList{"aura"} << QList<Target>{Target::rewritten("aura", "guid", "7")}
            << QStringList{"delete from `aura` where `guid` = 7",
                           "replace into `aura` values (7, 1, 10)",
                           "insert into `aura` values (7, 9, 1)"}
            << 2;
    // No row had the key value: the rows the operation writes still go.
    QTest::newRow("rows written with a key value that had none")
            << QStringList{"aura"} << QList<Target>{Target::rewritten("aura", "guid", "99")}
            << QStringList{"replace into `aura` values (99, 1, 10)",
                           "insert into `aura` values (99, 9, 1)"}
            << 0;
    QTest::newRow("updated columns of a MyISAM table")
            << QStringList{"everything_myisam"}
            << QList<Target>{Target::updated("everything_myisam", "`id` <> 1",
                                             {"name", "legacy", "pos", "seen", "flags"})}
            << QStringList{"update `everything_myisam` set `name` = 'x', `legacy` = NULL, "
                           "`pos` = 2.5, `seen` = NOW(6), `flags` = b'1' where `id` <> 1"}
            << 4;
    // Rewritten rows of a table that keeps no transaction: no row may go
    // missing on the way back.
    QTest::newRow("rows of a MyISAM table deleted and written again with their key value")
            << QStringList{"social"} << QList<Target>{Target::rewritten("social", "guid", "1")}
            << QStringList{"delete from `social` where `guid` = 1",
                           "insert into `social` values (1, 2, 'changed'), (1, 9, 'new')"}
            << 2;
    QTest::newRow("targets that share rows")
            << QStringList{"social"}
            << QList<Target>{Target::deleted("social", "`guid` in (1,4)"),
                             Target::deleted("social", "`friend` in (1,4)")}
            << QStringList{"delete from `social` where `guid` in (1,4)",
                           "delete from `social` where `friend` in (1,4)"}
            << 3;
    QTest::newRow("several tables")
            << QStringList{"everything", "aura"}
            << QList<Target>{Target::deleted("everything", "`id` = 3"),
                             Target::updated("aura", "`guid` = 8", {"amount"})}
            << QStringList{"delete from `everything` where `id` = 3",
                           "update `aura` set `amount` = 0 where `guid` = 8"}
            << 2;
}

void UndoScriptsTest::restoresEveryByte() {
    QFETCH(QStringList, tables);
    QFETCH(QList<Target>, targets);
    QFETCH(QStringList, statements);
    QFETCH(int, rows);
    const QString folder = m_dir.filePath(QString::fromUtf8(QTest::currentDataTag()));
    ScriptedDialogs dialogs;
    QueryContext context(dialogs);
    QVERIFY(open(context, folder));

    const QStringList before = checksums(tables);
    DatabaseProbe probe(m_server);
    const TablesSnapshot rowsBefore = TablesSnapshot::take(probe, qualified(tables));
    QVERIFY2(rowsBefore.ok(), qPrintable(rowsBefore.error()));

    QString script;
    {
        UndoScope undo(context, QStringLiteral("test-operation"));
        QVERIFY(undo.save(targets, statements));
        QVERIFY(dialogs.boxes().isEmpty());
        QCOMPARE(undo.rowCount(), rows);
        QVERIFY(undo.fileName().startsWith(QStringLiteral("undo-")));
        QVERIFY(undo.fileName().endsWith(QStringLiteral("-test-operation.sql")));
        QCOMPARE(context.undoScript(), undo.fileName());
        script = QDir(folder).filePath(undo.fileName());
        for (const QString& statement : statements)
            QVERIFY2(context.run(statement), qPrintable(statement));
        QString error;
        QVERIFY2(undo.commit(&error), qPrintable(error));
    }
    // The operation is over: later statements name no script.
    QVERIFY(context.undoScript().isEmpty());
    QCOMPARE(m_log, QStringList{QStringLiteral("Сценарий отмены сохранён: %1 (записей: %2)")
                                        .arg(script)
                                        .arg(rows)});
    struct stat status {};
    QCOMPARE(::stat(QFile::encodeName(script).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, mode_t(0600));

    const QStringList changed = checksums(tables);
    for (int i = 0; i < tables.size(); ++i)
        QVERIFY2(changed[i] != before[i], qPrintable(tables[i] + QStringLiteral(" unchanged")));

    const ClientRun load = loadWithMariadbClient(m_server, kDatabase, script);
    QVERIFY2(load.ok(), qPrintable(load.output));
    QCOMPARE(rowsBefore.changesTo(TablesSnapshot::take(probe, qualified(tables))), QStringList());
    QCOMPARE(checksums(tables), before);
}

void UndoScriptsTest::readFailureStopsTheOperation_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a table that is not there")
            << Target::deleted("missing", "1")
            << QStringLiteral("Таблица `missing` не найдена в базе `undo_check`.");
    QTest::newRow("updated rows of a table without a primary key")
            << Target::updated("pairs", "`a` > 1", {"c"})
            << QStringLiteral("У таблицы `pairs` нет первичного ключа: изменённые строки нельзя "
                              "будет найти, чтобы вернуть им прежние значения.");
    QTest::newRow("a condition the server rejects")
            << Target::deleted("everything", "`nope` = 1")
            << QStringLiteral("Ошибка 1054: Unknown column 'nope' in 'WHERE'");
}

void UndoScriptsTest::readFailureStopsTheOperation() {
    QFETCH(Target, target);
    QFETCH(QString, reason);
    const QString folder = m_dir.filePath(QStringLiteral("failure"));
    ScriptedDialogs dialogs;
    QueryContext context(dialogs);
    QVERIFY(open(context, folder));
    UndoScope undo(context, QStringLiteral("test-operation"));
    QVERIFY(!undo.save({target}, {QStringLiteral("delete from x")}));
    QCOMPARE(dialogs.describe(),
             QStringList{QStringLiteral("error|Операция не выполнена|Не удалось сохранить "
                                        "сценарий отмены, поэтому операция не выполнена.\r\n") +
                         reason});
    QVERIFY(undo.fileName().isEmpty());
    QVERIFY(context.undoScript().isEmpty());
    QVERIFY(m_log.isEmpty());
    QVERIFY(QDir(folder).entryList({QStringLiteral("undo-*")}, QDir::Files).isEmpty());
}

void UndoScriptsTest::unsavedScriptStopsTheOperation() {
    // A file where the folder should be: not even root can write there.
    const QString folder = m_dir.filePath(QStringLiteral("not-a-folder"));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedDialogs dialogs;
    QueryContext context(dialogs);
    QVERIFY(open(context, folder));
    const QStringList before = checksums({QStringLiteral("everything")});
    UndoScope undo(context, QStringLiteral("test-operation"));
    QVERIFY(!undo.save({Target::deleted(QStringLiteral("everything"), QStringLiteral("1"))},
                       {QStringLiteral("delete from `everything` where 1")}));
    QCOMPARE(dialogs.describe(),
             QStringList{QStringLiteral("error|Операция не выполнена|Не удалось сохранить "
                                        "сценарий отмены, поэтому операция не выполнена.\r\n") +
                         folder + QStringLiteral(": не удалось создать папку")});
    QVERIFY(context.undoScript().isEmpty());
    QCOMPARE(checksums({QStringLiteral("everything")}), before);
}

void UndoScriptsTest::changesOnlyItsOwnDatabase() {
    // Another realm's database of the same shape, holding what this one
    // holds after the operation.
    const QStringList tables = {QStringLiteral("aura"), QStringLiteral("social")};
    const QString copy = QStringLiteral("undo_check_copy");
    DatabaseProbe probe(m_server);
    const TablesSnapshot before = TablesSnapshot::take(probe, qualified(tables));
    const QString script = runOperation(
            m_dir.filePath(QStringLiteral("own")),
            {Target::rewritten("aura", "guid", "7"), Target::deleted("social", "`guid` = 1")},
            {"delete from `aura` where `guid` = 7", "insert into `aura` values (7, 5, 5)",
             "delete from `social` where `guid` = 1"});
    QVERIFY(!script.isEmpty());
    QVERIFY(probe.exec(QStringLiteral("DROP DATABASE IF EXISTS undo_check_copy")));
    QVERIFY(probe.exec(QStringLiteral("CREATE DATABASE undo_check_copy")));
    QStringList copies;
    for (const QString& table : tables) {
        for (const QString& statement :
             {QStringLiteral("CREATE TABLE undo_check_copy.%1 LIKE undo_check.%1"),
              QStringLiteral("INSERT INTO undo_check_copy.%1 SELECT * FROM undo_check.%1")})
            QVERIFY2(probe.exec(statement.arg(table)), qPrintable(probe.lastError()));
        copies << copy + u'.' + table;
    }
    const TablesSnapshot copyBefore = TablesSnapshot::take(probe, copies);

    // Loaded into the copy by mistake.
    const ClientRun load = loadWithMariadbClient(m_server, copy, script);
    QVERIFY2(load.ok(), qPrintable(load.output));
    QCOMPARE(copyBefore.changesTo(TablesSnapshot::take(probe, copies)), QStringList());
    QCOMPARE(before.changesTo(TablesSnapshot::take(probe, qualified(tables))), QStringList());
    QVERIFY(probe.exec(QStringLiteral("DROP DATABASE undo_check_copy")));
}

void UndoScriptsTest::cutOffScriptChangesNothing_data() {
    QTest::addColumn<QStringList>("tables");
    QTest::addColumn<QList<Target>>("targets");
    QTest::addColumn<QStringList>("statements");
    // The first statement of the script that changes a table for good: a
    // cut anywhere before it changes nothing.
    QTest::addColumn<QString>("firstChange");
    QTest::newRow("InnoDB tables: cut anywhere, nothing is committed")
            << QStringList{"everything", "aura"}
            << QList<Target>{Target::deleted("everything", "`id` in (2, 3)"),
                             Target::updated("aura", "`guid` = 7", {"amount"})}
            << QStringList{"delete from `everything` where `id` in (2, 3)",
                           "update `aura` set `amount` = 1 where `guid` = 7"}
            << QStringLiteral("COMMIT;\n");
    QTest::newRow("MyISAM tables: cut anywhere in the rows, nothing changes")
            << QStringList{"everything_myisam", "social"}
            << QList<Target>{Target::deleted("everything_myisam", "`id` in (0, 3, 4)"),
                             Target::rewritten("social", "guid", "1")}
            << QStringList{"delete from `everything_myisam` where `id` in (0, 3, 4)",
                           "delete from `social` where `guid` = 1",
                           "insert into `social` values (1, 7, 'x')"}
            << QStringLiteral("START TRANSACTION;\n");
}

void UndoScriptsTest::cutOffScriptChangesNothing() {
    QFETCH(QStringList, tables);
    QFETCH(QList<Target>, targets);
    QFETCH(QStringList, statements);
    QFETCH(QString, firstChange);
    const QString folder = m_dir.filePath(QStringLiteral("cut-") + QTest::currentDataTag());
    const QString script = runOperation(folder, targets, statements);
    QVERIFY(!script.isEmpty());
    QFile file(script);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    QVERIFY(whole.endsWith(undosql::kEndLine));
    DatabaseProbe probe(m_server);
    const TablesSnapshot after = TablesSnapshot::take(probe, qualified(tables));
    // Cut at the end of every line of the script's statements and in the
    // middle of each.
    const qsizetype bodyStart = whole.indexOf("\nUSE ") + 1;
    const qsizetype limit = whole.indexOf(firstChange.toUtf8());
    QList<qsizetype> cuts;
    for (qsizetype at = bodyStart; at >= 0 && at < limit; at = whole.indexOf('\n', at + 1)) {
        const qsizetype next = whole.indexOf('\n', at + 1);
        cuts << at + 1 << (at + std::min(next, limit)) / 2;
    }
    QVERIFY(cuts.size() > 10);
    const QString cutFile = folder + QStringLiteral("/cut.sql");
    for (const qsizetype cut : cuts) {
        QFile part(cutFile);
        QVERIFY(part.open(QIODevice::WriteOnly | QIODevice::Truncate));
        part.write(whole.left(cut));
        part.close();
        // A cut script is seen as one: its last line is not the end line.
        QVERIFY(!whole.left(cut).endsWith(undosql::kEndLine));
        loadWithMariadbClient(m_server, kDatabase, cutFile);
        const QStringList changes = after.changesTo(TablesSnapshot::take(probe, qualified(tables)));
        QVERIFY2(changes.isEmpty(),
                 qPrintable(QStringLiteral("cut after %1 bytes: ").arg(cut) + changes.join(u'\n')));
    }
}

void UndoScriptsTest::laterChangesAreKept_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("InnoDB") << "everything";
    QTest::newRow("MyISAM") << "everything_myisam";
}

void UndoScriptsTest::laterChangesAreKept() {
    QFETCH(QString, table);
    DatabaseProbe probe(m_server);
    const QStringList tables = {table};
    const TablesSnapshot before = TablesSnapshot::take(probe, qualified(tables));
    const QString script = runOperation(
            m_dir.filePath(QStringLiteral("later-") + table),
            {Target::updated(table, "`id` in (2, 3, 4)", {"name", "money", "pos"})},
            {QStringLiteral("update `%1` set `name` = 'written', `money` = 1, `pos` = 0.5 where "
                            "`id` in (2, 3, 4)")
                     .arg(table)});
    QVERIFY(!script.isEmpty());
    // The game server changes money of 3 (its name case too), and 4 goes.
    QVERIFY(probe.exec(QStringLiteral("UPDATE undo_check.%1 SET money = 50, name = 'WRITTEN' "
                                      "WHERE id = 3")
                               .arg(table)));
    QVERIFY(probe.exec(QStringLiteral("DELETE FROM undo_check.%1 WHERE id = 4").arg(table)));

    const ClientRun load = loadWithMariadbClient(m_server, kDatabase, script);
    QVERIFY2(load.ok(), qPrintable(load.output));
    // Row 2 is back whole; row 3 keeps what was written later and gets back
    // only the column that still holds the operation's value; row 4 stays
    // gone.
    const QStringList changes = before.changesTo(TablesSnapshot::take(probe, qualified(tables)));
    QCOMPARE(changes.size(), 3);
    QCOMPARE(changes.mid(0, 2),
             QStringList({QStringLiteral("%1[3].name: 'O\\'Brien \"the\" \\\\ back\\\\\\\\slash' "
                                         "-> 'WRITTEN'")
                                  .arg(table),
                          QStringLiteral("%1[3].money: '-12.3456' -> '50.0000'").arg(table)}));
    QVERIFY2(changes[2].startsWith(QStringLiteral("%1[4] removed: ").arg(table)),
             qPrintable(changes[2]));
    // The script says which rows it left as they are.
    QVERIFY2(load.output.contains(QStringLiteral("rows left as they are\ttheir keys\n2\t`%1`: "
                                                 "`id` = 3; `%1`: `id` = 4\n")
                                          .arg(table)),
             qPrintable(load.output));
}

void UndoScriptsTest::capturedRowsStayLockedUntilTheCommit() {
    ScriptedDialogs dialogs;
    QueryContext context(dialogs);
    QVERIFY(open(context, m_dir.filePath(QStringLiteral("locked"))));
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec(QStringLiteral("SET SESSION innodb_lock_wait_timeout = 1")));
    const QString change = QStringLiteral("UPDATE undo_check.aura SET amount = 3 WHERE guid = %1");
    UndoScope undo(context, QStringLiteral("test-operation"));
    QVERIFY(undo.save({Target::deleted("aura", "`guid` = 7")},
                      {QStringLiteral("delete from `aura` where `guid` = 7")}));
    // Between the read and the change, nobody changes the rows read.
    QVERIFY(!probe.exec(change.arg(7)));
    QVERIFY2(probe.lastError().contains(QStringLiteral("1205")), qPrintable(probe.lastError()));
    QVERIFY2(probe.exec(change.arg(8)), qPrintable(probe.lastError()));
    QVERIFY(context.run(QStringLiteral("delete from `aura` where `guid` = 7")));
    QString error;
    QVERIFY2(undo.commit(&error), qPrintable(error));
    QVERIFY2(probe.exec(change.arg(7)), qPrintable(probe.lastError()));
}

void UndoScriptsTest::rollbackTakesTheScriptBack_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("scriptKept");
    QTest::newRow("InnoDB: nothing changed, no script") << "everything" << false;
    QTest::newRow("MyISAM: the change stays, and its script") << "everything_myisam" << true;
}

void UndoScriptsTest::rollbackTakesTheScriptBack() {
    QFETCH(QString, table);
    QFETCH(bool, scriptKept);
    const QString folder = m_dir.filePath(QStringLiteral("rollback-") + table);
    ScriptedDialogs dialogs;
    QueryContext context(dialogs);
    QVERIFY(open(context, folder));
    const QStringList tables = {table};
    const QStringList before = checksums(tables);
    const QString deletion = QStringLiteral("delete from `%1` where `id` = 2").arg(table);
    QString script;
    {
        UndoScope undo(context, QStringLiteral("test-operation"));
        QVERIFY(undo.save({Target::deleted(table, "`id` = 2")}, {deletion}));
        script = QDir(folder).filePath(undo.fileName());
        QVERIFY(context.run(deletion));
        undo.rollback();
    }
    QCOMPARE(QFile::exists(script), scriptKept);
    QCOMPARE(checksums(tables) != before, scriptKept);
    QCOMPARE(m_log.last(),
             scriptKept ? QStringLiteral("Сценарий отмены сохранён: %1 (записей: 1)").arg(script)
                        : QStringLiteral("Сценарий отмены удалён: %1 (изменения "
                                         "отменены).")
                                  .arg(script));
}

void UndoScriptsTest::scriptThatCannotBeCompletedTakesTheChangeBack() {
    const QString folder = m_dir.filePath(QStringLiteral("not-completed"));
    ScriptedDialogs dialogs;
    QueryContext context(dialogs);
    QVERIFY(open(context, folder));
    const QStringList before = checksums({QStringLiteral("aura")});
    const QString update = QStringLiteral("update `aura` set `amount` = 1 where `guid` = 8");
    UndoScope undo(context, QStringLiteral("test-operation"));
    QVERIFY(undo.save({Target::updated("aura", "`guid` = 8", {"amount"})}, {update}));
    QVERIFY(context.run(update));
    // A folder where the script is: its completed form cannot take its place.
    const QString script = QDir(folder).filePath(undo.fileName());
    QVERIFY(QFile::remove(script));
    QVERIFY(QDir().mkpath(script + QStringLiteral("/inside")));
    QString error;
    QVERIFY(!undo.commit(&error));
    QVERIFY2(error.startsWith(QStringLiteral("Сценарий отмены не дописан (") + script) &&
                     error.endsWith(QStringLiteral("), поэтому изменения отменены.")),
             qPrintable(error));
    QCOMPARE(checksums({QStringLiteral("aura")}), before);
}

QTEST_MAIN(UndoScriptsTest)
#include "tst_undo_scripts.moc"

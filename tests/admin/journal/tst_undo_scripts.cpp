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

private:
    // A session on the scratch database, as a page has it after the database
    // switch, reading in a time zone of its own.
    bool open(QueryContext& context, const QString& journalFolder);
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
    QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
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

QTEST_MAIN(UndoScriptsTest)
#include "tst_undo_scripts.moc"

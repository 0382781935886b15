#include "broadcasts/BroadcastExport.h"
#include "broadcasts/BroadcastStatements.h"
#include "common/Windows1251.h"
#include "schema/BroadcastSchema.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

// The statement texts of the broadcast messages, the export script and its
// Windows-1251 encoding.
class BroadcastStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void statements_data();
    void statements();
    void savedTextEscaping_data();
    void savedTextEscaping();
    void exportEscaping_data();
    void exportEscaping();
    void exportScript_data();
    void exportScript();
    void exportNames();
    void exportToUnwritablePathThrows();
    void windows1251_data();
    void windows1251();
    void windows1251AgreesWithTheSystemConverter();
    void familyStatements_data();
    void familyStatements();
    void familyUndoTargets();
    void nextFreeId_data();
    void nextFreeId();
    void familyExportLines_data();
    void familyExportLines();
};

namespace {

schema::BroadcastSchema broadcasts(schema::Family family) {
    return schema::broadcastSchema(family, schema::Catalog());
}

QString describe(const undosql::Target& target) {
    const char* kinds[] = {"deleted", "updated", "rewritten"};
    return QLatin1String(kinds[int(target.kind)]) + u' ' + target.table + u' ' +
           undosql::targetCondition(target) +
           (target.columns.isEmpty()
                    ? QString()
                    : QStringLiteral(" (") + target.columns.join(QStringLiteral(", ")) + u')');
}

} // namespace

void BroadcastStatementsTest::statements_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("list") << broadcastsql::listSelect()
                          << "select `id`,`text`,`next` from `autobroadcast` order by `id`;";
    QTest::newRow("insert: trimmed, next 1")
            << broadcastsql::insert(QStringLiteral("  Привет всем! \t"), Quoting{})
            << "insert into `autobroadcast` (`text`,`next`) values (\"Привет всем!\", 1);";
    QTest::newRow("insert: quotes and backslash escaped")
            << broadcastsql::insert(QStringLiteral("Don't \"cheat\" C:\\"), Quoting{})
            << "insert into `autobroadcast` (`text`,`next`) values (\"Don\\'t \\\"cheat\\\" "
               "C:\\\\\", 1);";
    QTest::newRow("update: numbers as they stand")
            << broadcastsql::update(QStringLiteral("Hello"), QStringLiteral("3"),
                                    QStringLiteral("5"), Quoting{})
            << "update `autobroadcast` set `text` = \"Hello\", `next`=3 where `id`=5;";
    QTest::newRow("update: an empty next stores NULL")
            << broadcastsql::update(QStringLiteral("Hello"), QString(), QStringLiteral("5"),
                                    Quoting{})
            << "update `autobroadcast` set `text` = \"Hello\", `next`=NULL where `id`=5;";
    QTest::newRow("update: next and id go bare only as numbers")
            << broadcastsql::update(QStringLiteral("Hello"), QStringLiteral("1 where 1=1 #"),
                                    QStringLiteral("5 or 1"), Quoting{})
            << "update `autobroadcast` set `text` = \"Hello\", `next`= where `id`=;";
    QTest::newRow("insert without backslash escapes")
            << broadcastsql::insert(QStringLiteral("x\", 1), (\"y\\"), Quoting{true})
            << "insert into `autobroadcast` (`text`,`next`) values (\"x\"\", 1), (\"\"y\\\", 1);";
    QTest::newRow("delete") << broadcastsql::remove(QStringLiteral("4"))
                            << "delete from `autobroadcast` where `id`=4;";
    QTest::newRow("delete without id")
            << broadcastsql::remove(QString()) << "delete from `autobroadcast` where `id`=;";
}

void BroadcastStatementsTest::statements() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

void BroadcastStatementsTest::savedTextEscaping_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::addColumn<bool>("noBackslashEscapes");
    QTest::newRow("plain") << QStringLiteral("Добро пожаловать") << "Добро пожаловать" << false;
    QTest::newRow("both quotes") << QStringLiteral("Don't say \"hi\"") << "Don\\'t say \\\"hi\\\""
                                 << false;
    QTest::newRow("backslash kept as typed") << QStringLiteral("a\\b \\n") << "a\\\\b \\\\n"
                                             << false;
    // Every line break is stored as one line feed.
    QTest::newRow("LF") << QStringLiteral("Внимание!\nВ субботу") << "Внимание!\\nВ субботу"
                        << false;
    QTest::newRow("CR LF") << QStringLiteral("Внимание!\r\nВ субботу") << "Внимание!\\nВ субботу"
                           << false;
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << "a\\nb" << false;
    QTest::newRow("blank lines kept") << QStringLiteral("a\n\r\n\rb") << "a\\n\\n\\nb" << false;
    QTest::newRow("trimmed, line breaks at the ends kept")
            << QStringLiteral(" \t\npadded \r\n ") << "\\npadded \\n"
            << false;
    QTest::newRow("other control characters escaped")
            << QStringLiteral("x") + QChar(0) + QChar(0x1A) + QStringLiteral("y") << "x\\0\\Zy"
            << false;
    // Without backslash escapes the line break itself goes into the text.
    QTest::newRow("no backslash escapes: CR LF becomes one line feed")
            << QStringLiteral("a\" #\r\nb\\") << QStringLiteral("a\"\" #\nb\\") << true;
    QTest::newRow("no backslash escapes: a line break at the end stays")
            << QStringLiteral("  padded \r\n") << QStringLiteral("padded \n") << true;
    QTest::newRow("no backslash escapes: NUL and Ctrl-Z at the ends stay")
            << QChar(0) + QStringLiteral("x") + QChar(0x1A)
            << QChar(0) + QStringLiteral("x") + QChar(0x1A) << true;
}

void BroadcastStatementsTest::savedTextEscaping() {
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QFETCH(bool, noBackslashEscapes);
    QCOMPARE(broadcastsql::escapeBroadcastText(text, Quoting{noBackslashEscapes}), escaped);
}

void BroadcastStatementsTest::exportEscaping_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << QStringLiteral("Hello")
                           << "insert into `autobroadcast` (`text`) values ('Hello');";
    QTest::newRow("quotes")
            << QStringLiteral("Don't \"go\"")
            << "insert into `autobroadcast` (`text`) values ('Don\\'t \\\"go\\\"');";
    // A backslash gets one too, so that loading the script stores it as it
    // was.
    QTest::newRow("backslash") << QStringLiteral("C:\\new")
                               << "insert into `autobroadcast` (`text`) values ('C:\\\\new');";
    QTest::newRow("line break copied") << QStringLiteral("a\r\nb")
                                       << "insert into `autobroadcast` (`text`) values ('a\r\nb');";
}

void BroadcastStatementsTest::exportEscaping() {
    QFETCH(QString, text);
    QFETCH(QString, line);
    QCOMPARE(broadcastexport::insertLine(text), line);
}

void BroadcastStatementsTest::exportScript_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QByteArray>("bytes");
    const QStringList texts = {QStringLiteral("Привет"), QStringLiteral("señor €5")};
    QTest::newRow("Windows-1251")
            << texts << false
            << QByteArray(
                       "insert into `autobroadcast` (`text`) values ('\xCF\xF0\xE8\xE2\xE5\xF2');"
                       "\r\n"
                       "insert into `autobroadcast` (`text`) values ('se?or \x88"
                       "5');\r\n");
    QTest::newRow("UTF-8")
            << texts << true
            << QByteArray("/*!40101 SET NAMES utf8 */;\r\n"
                          "insert into `autobroadcast` (`text`) values ('Привет');\r\n"
                          "insert into `autobroadcast` (`text`) values ('señor €5');\r\n");
    QTest::newRow("no messages, UTF-8")
            << QStringList() << true << QByteArray("/*!40101 SET NAMES utf8 */;\r\n");
    QTest::newRow("no messages, Windows-1251") << QStringList() << false << QByteArray();
}

void BroadcastStatementsTest::exportScript() {
    QFETCH(QStringList, texts);
    QFETCH(bool, utf8);
    QFETCH(QByteArray, bytes);
    QCOMPARE(broadcastexport::script(texts, utf8), bytes);
}

void BroadcastStatementsTest::exportNames() {
    QCOMPARE(broadcastexport::defaultFileName(QStringLiteral("realmd")),
             QStringLiteral("realmd.autobroadcast.sql"));
    QCOMPARE(broadcastexport::fileFilters(),
             QStringList({"SQL-File (*.sql)", "TXT-File (*.txt)", "*.* (*.*)"}));
}

void BroadcastStatementsTest::exportToUnwritablePathThrows() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no-such-folder/out.sql"));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, broadcastexport::writeFile(path, QByteArray("x")));
}

void BroadcastStatementsTest::windows1251_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII") << QStringLiteral("Hello, 1!") << QByteArray("Hello, 1!");
    QTest::newRow("А to я") << QStringLiteral("АБЯабя") << QByteArray("\xC0\xC1\xDF\xE0\xE1\xFF");
    QTest::newRow("Ё and ё") << QStringLiteral("Ёё") << QByteArray("\xA8\xB8");
    QTest::newRow("punctuation") << QStringLiteral("«№»–—…€")
                                 << QByteArray("\xAB\xB9\xBB\x96\x97\x85\x88");
    QTest::newRow("Ukrainian letters")
            << QStringLiteral("ЇїІіЄєҐґ") << QByteArray("\xAF\xBF\xB2\xB3\xAA\xBA\xA5\xB4");
    QTest::newRow("no Windows-1251 form") << QStringLiteral("ñ ü ✓") << QByteArray("? ? ?");
    QTest::newRow("unassigned code 0x98 is not a character")
            << QString(QChar(0x98)) << QByteArray("?");
    QTest::newRow("outside the basic plane: one ?")
            << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
}

void BroadcastStatementsTest::windows1251() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toWindows1251(text), bytes);
}

void BroadcastStatementsTest::windows1251AgreesWithTheSystemConverter() {
    // Every code of the upper half that the system's converter decodes must
    // encode back to the same byte.
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid())
        QSKIP("this Qt has no Windows-1251 converter to compare with");
    int compared = 0;
    for (int code = 0x80; code <= 0xFF; ++code) {
        const QByteArray byte(1, char(code));
        const QString decoded = decoder.decode(byte);
        // An unassigned code decodes to the replacement character or to the
        // C1 control of the same number.
        if (decoded.size() != 1 || decoded[0] == QChar::ReplacementCharacter ||
            (decoded[0].unicode() >= 0x80 && decoded[0].unicode() <= 0x9F))
            continue;
        QCOMPARE(toWindows1251(decoded), byte);
        ++compared;
    }
    QCOMPARE(compared, 127);
}

// Where today's families keep their messages: Rel2x's world table with a
// ratio, TrinityCore's and AzerothCore's login table with a realm and a
// weight, vmangos' numbers of strings.
void BroadcastStatementsTest::familyStatements_data() {
    using schema::Family;
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    const auto rel2x = broadcasts(Family::Rel2x);
    const auto trinity = broadcasts(Family::TrinityCore);
    const auto azeroth = broadcasts(Family::AzerothCore);
    const auto vmangos = broadcasts(Family::Vmangos);
    QTest::newRow("Rel2x: list")
            << broadcastsql::listSelect(rel2x)
            << "select `id`,`content`,`ratio` from `autobroadcast` order by `id`;";
    QTest::newRow("TrinityCore: list")
            << broadcastsql::listSelect(trinity)
            << "select `id`,`text`,`weight`,`realmid` from `autobroadcast` order by "
               "`id`,`realmid`;";
    QTest::newRow("vmangos: list, the texts from the strings")
            << broadcastsql::listSelect(vmangos)
            << "select `string_id`,(select `content_default` from `mangos_string` where `entry` "
               "= `autobroadcast`.`string_id`) as `text` from `autobroadcast` order by "
               "`string_id`;";
    QTest::newRow("Rel2x: insert with the weight typed")
            << broadcastsql::insert(" Привет ", Quoting{}, rel2x, "3")
            << "insert into `autobroadcast` (`content`,`ratio`) values (\"Привет\", 3);";
    QTest::newRow("Rel2x: insert, no weight typed: 1, so that it is sent")
            << broadcastsql::insert("Привет", Quoting{}, rel2x, "")
            << "insert into `autobroadcast` (`content`,`ratio`) values (\"Привет\", 1);";
    QTest::newRow("TrinityCore: insert under an id, on every realm")
            << broadcastsql::insert("Don't", Quoting{}, trinity, "2", "4")
            << "insert into `autobroadcast` (`id`,`realmid`,`text`,`weight`) values (4, -1, "
               "\"Don\\'t\", 2);";
    QTest::newRow("AzerothCore: insert, weight not a number")
            << broadcastsql::insert("x", Quoting{}, azeroth, "2)", "5")
            << "insert into `autobroadcast` (`id`,`realmid`,`text`,`weight`) values (5, -1, "
               "\"x\", 1);";
    QTest::newRow("vmangos: the message's row")
            << broadcastsql::insert("text", Quoting{}, vmangos, "", "50003")
            << "insert into `autobroadcast` (`string_id`) values (50003);";
    QTest::newRow("vmangos: its string")
            << broadcastsql::insertString("50003", " Привет \"все\" ", Quoting{}, vmangos)
            << "insert into `mangos_string` (`entry`,`content_default`) values (50003, "
               "\"Привет \\\"все\\\"\");";
    QTest::newRow("vmangos: a new string's number")
            << broadcastsql::newStringNumberSelect(vmangos)
            << "select greatest(50000, coalesce((select max(`entry`) from `mangos_string`), 0) + "
               "1, coalesce((select max(`string_id`) from `autobroadcast`), 0) + 1)";
    QTest::newRow("Rel2x: update")
            << broadcastsql::update("a\r\nb", "2", "3", Quoting{}, rel2x)
            << "update `autobroadcast` set `content` = \"a\\nb\", `ratio`=2 where `id`=3;";
    QTest::newRow("TrinityCore: update picks the realm")
            << broadcastsql::update("x", "", "2", Quoting{}, trinity, "1")
            << "update `autobroadcast` set `text` = \"x\", `weight`=1 where `id`=2 and "
               "`realmid`=1;";
    QTest::newRow("vmangos: update writes the string")
            << broadcastsql::update("Добро пожаловать!\r\n", "", "50001", Quoting{}, vmangos)
            << "update `mangos_string` set `content_default` = \"Добро пожаловать!\\n\" where "
               "`entry`=50001;";
    QTest::newRow("TrinityCore: delete, all realms")
            << broadcastsql::remove("3", trinity, "-1")
            << "delete from `autobroadcast` where `id`=3 and `realmid`=-1;";
    QTest::newRow("TrinityCore: delete, realm only as a number")
            << broadcastsql::remove("3", trinity, "-1 or 1")
            << "delete from `autobroadcast` where `id`=3 and `realmid`=;";
    QTest::newRow("vmangos: delete one row of the number")
            << broadcastsql::remove("50001", vmangos)
            << "delete from `autobroadcast` where `string_id`=50001 limit 1;";
    QTest::newRow("TrinityCore: ids in use")
            << broadcastsql::usedIdsSelect(trinity)
            << "select distinct `id` from `autobroadcast` order by `id`;";
    QTest::newRow("AzerothCore: ids in use, translations' too")
            << broadcastsql::usedIdsSelect(azeroth)
            << "select `id` from `autobroadcast` union select `id` from `autobroadcast_locale` "
               "order by 1;";
}

void BroadcastStatementsTest::familyStatements() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

void BroadcastStatementsTest::familyUndoTargets() {
    using schema::Family;
    const auto trinity = broadcasts(Family::TrinityCore);
    const auto vmangos = broadcasts(Family::Vmangos);
    QCOMPARE(describe(broadcastsql::updateUndo("3")),
             QStringLiteral("updated autobroadcast `id`=3 (text, next)"));
    QCOMPARE(describe(broadcastsql::updateUndo("3", broadcasts(Family::Rel2x))),
             QStringLiteral("updated autobroadcast `id`=3 (content, ratio)"));
    QCOMPARE(describe(broadcastsql::updateUndo("2", trinity, "1")),
             QStringLiteral("updated autobroadcast `id`=2 and `realmid`=1 (text, weight)"));
    QCOMPARE(describe(broadcastsql::updateUndo("50001", vmangos)),
             QStringLiteral("updated mangos_string `entry`=50001 (content_default)"));
    QCOMPARE(describe(broadcastsql::removeUndo("50001", vmangos)),
             QStringLiteral("deleted autobroadcast `string_id`=50001"));
    const QList<undosql::Target> added = broadcastsql::insertUndo("50003", vmangos);
    QCOMPARE(added.size(), 2);
    QCOMPARE(describe(added[0]), QStringLiteral("rewritten mangos_string `entry` = 50003"));
    QCOMPARE(describe(added[1]), QStringLiteral("rewritten autobroadcast `string_id` = 50003"));
    const QList<undosql::Target> addedTc = broadcastsql::insertUndo("4", trinity);
    QCOMPARE(addedTc.size(), 1);
    QCOMPARE(describe(addedTc[0]), QStringLiteral("rewritten autobroadcast `id` = 4"));
}

void BroadcastStatementsTest::nextFreeId_data() {
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<int>("expected");
    QList<int> full;
    for (int id = 1; id <= 255; ++id)
        full << id;
    QTest::newRow("empty table") << QList<int>() << 1;
    QTest::newRow("after the highest") << QList<int>{1, 2, 5} << 6;
    QTest::newRow("the highest at the limit: the lowest gap") << QList<int>{1, 3, 255} << 2;
    QTest::newRow("only the first free") << full.mid(1) << 1;
    QTest::newRow("all taken") << full << 0;
}

void BroadcastStatementsTest::nextFreeId() {
    QFETCH(QList<int>, used);
    QFETCH(int, expected);
    QCOMPARE(broadcastsql::nextFreeId(used, 255), expected);
}

void BroadcastStatementsTest::familyExportLines_data() {
    using schema::Family;
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("realm");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("Rel2x") << int(Family::Rel2x) << "2"
                           << ""
                           << QStringList{"insert into `autobroadcast` (`content`,`ratio`) values "
                                          "('Don\\'t', 2);"};
    QTest::newRow("TrinityCore: realm and weight kept")
            << int(Family::TrinityCore) << "3"
            << "1"
            << QStringList{"insert into `autobroadcast` (`realmid`,`text`,`weight`) values (1, "
                           "'Don\\'t', 3);"};
    QTest::newRow("AzerothCore: no weight is NULL")
            << int(Family::AzerothCore) << ""
            << "-1"
            << QStringList{"insert into `autobroadcast` (`realmid`,`text`,`weight`) values (-1, "
                           "'Don\\'t', NULL);"};
    QTest::newRow("vmangos: a new string, then its row")
            << int(Family::Vmangos) << ""
            << ""
            << QStringList{"set @realmdesk_string = (select greatest(50000, coalesce((select "
                           "max(`entry`) from `mangos_string`), 0) + 1, coalesce((select "
                           "max(`string_id`) from `autobroadcast`), 0) + 1));",
                           "insert into `mangos_string` (`entry`,`content_default`) values "
                           "(@realmdesk_string, 'Don\\'t');",
                           "insert into `autobroadcast` (`string_id`) values "
                           "(@realmdesk_string);"};
}

void BroadcastStatementsTest::familyExportLines() {
    QFETCH(int, family);
    QFETCH(QString, weight);
    QFETCH(QString, realm);
    QFETCH(QStringList, lines);
    QCOMPARE(broadcastexport::messageLines({QStringLiteral("Don't"), weight, realm},
                                           broadcasts(schema::Family(family))),
             lines);
}

QTEST_APPLESS_MAIN(BroadcastStatementsTest)
#include "tst_broadcast_statements.moc"

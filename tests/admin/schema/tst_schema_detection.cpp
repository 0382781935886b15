// The schema of each assigned database is read once, in one query, when the
// window connects or a database is assigned anew, and the connection log
// names its family (or what it lacks); a family set by hand in the settings
// is followed and said so.
#include "GuiDriver.h"
#include "ServerLog.h"
#include "TForm1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

namespace {

QStringList logLines(GuiDriver& gui) {
    return gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))
            ->toPlainText()
            .split(u'\n', Qt::SkipEmptyParts);
}

QStringList schemaLines(GuiDriver& gui) {
    return logLines(gui).filter(QStringLiteral("Схема базы"));
}

// The reads of a database's tables and columns the server received.
int catalogReads(const ServerLog& log) {
    return int(log.statementsSinceMark()
                       .filter(QStringLiteral("`information_schema`.`COLUMNS`"))
                       .size());
}

using SettingsMap = QMap<QString, QString>;

SettingsMap databases(const char* login, const char* characters, const char* world) {
    return {{QStringLiteral("Base/realmd"), QLatin1String(login)},
            {QStringLiteral("Base/characters"), QLatin1String(characters)},
            {QStringLiteral("Base/mangos"), QLatin1String(world)}};
}

} // namespace

class SchemaDetectionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void eachFamilyIsNamedOnce_data();
    void eachFamilyIsNamedOnce();
    void familySetByHand();
    void databaseAssignedAnew();

private:
    TestServer m_server;
};

void SchemaDetectionTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void SchemaDetectionTest::eachFamilyIsNamedOnce_data() {
    QTest::addColumn<SettingsMap>("settings");
    QTest::addColumn<QStringList>("lines");
    const auto row = [](const char* name, const char* login, const char* characters,
                        const char* world, const QString& family, const QString& worldFamily) {
        QTest::newRow(name) << databases(login, characters, world)
                            << QStringList{QStringLiteral("Схема базы %1: %2.")
                                                   .arg(QLatin1String(login), family),
                                           QStringLiteral("Схема базы %1: %2.")
                                                   .arg(QLatin1String(characters), family),
                                           QStringLiteral("Схема базы %1: %2.")
                                                   .arg(QLatin1String(world), worldFamily)};
    };
    row("2010", "realmd", "characters", "mangos", QStringLiteral("MaNGOS 2010"),
        QStringLiteral("MaNGOS 2010"));
    row("rel2x", "zero_realmd", "zero_characters", "zero_mangos", QStringLiteral("MaNGOS Rel2x"),
        QStringLiteral("MaNGOS Rel2x"));
    row("cmangos", "wotlkrealmd", "wotlkcharacters", "wotlkmangos",
        QStringLiteral("cmangos (wotlk)"), QStringLiteral("cmangos (wotlk)"));
    row("vmangos", "vm_realmd", "vm_characters", "vm_mangos", QStringLiteral("vmangos"),
        QStringLiteral("vmangos"));
    row("trinitycore", "tc_auth", "tc_characters", "tc_world", QStringLiteral("TrinityCore 3.3.5"),
        QStringLiteral("TrinityCore 3.3.5"));
    row("azerothcore", "acore_auth", "acore_characters", "acore_world",
        QStringLiteral("AzerothCore"), QStringLiteral("AzerothCore"));
}

void SchemaDetectionTest::eachFamilyIsNamedOnce() {
    QFETCH(SettingsMap, settings);
    QFETCH(QStringList, lines);
    ServerLog log(m_server.generalLog);
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server, settings));
    gui.start();
    QCOMPARE(schemaLines(gui), lines);
    // One read per database, and none again when the pages are used.
    QCOMPARE(catalogReads(log), 3);
    auto* pages = gui.window().findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; i < pages->count(); ++i)
        pages->setCurrentIndex(i);
    QCOMPARE(catalogReads(log), 3);
    QCOMPARE(schemaLines(gui), lines);
}

void SchemaDetectionTest::familySetByHand() {
    // The 2010 family followed on a cmangos login database: said so, with the
    // columns the database lacks.
    GuiDriver gui;
    SettingsMap settings = databases("wotlkrealmd", "characters", "mangos");
    settings.insert(QStringLiteral("Schema/Family"), QStringLiteral("2010"));
    gui.writeSettings(GuiDriver::settingsFor(m_server, settings));
    gui.start();
    const QStringList lines = schemaLines(gui);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith(
                     QStringLiteral("Схема базы wotlkrealmd: MaNGOS 2010 (задана в "
                                    "настройках [Schema] Family). В ней нет столбцов: ")),
             qPrintable(lines[0]));
    for (const char* column : {"account.sha_pass_hash", "account.last_ip", "realmlist.color"})
        QVERIFY2(lines[0].contains(QLatin1String(column)), column);

    // A word that names no family: each database's own, and a line.
    gui.stop();
    settings.insert(QStringLiteral("Schema/Family"), QStringLiteral("mangos-two"));
    gui.writeSettings(GuiDriver::settingsFor(m_server, settings));
    gui.start();
    QVERIFY(logLines(gui).contains(QStringLiteral(
            "Неизвестное семейство схем \"mangos-two\" ([Schema] Family): схема каждой базы "
            "определяется по её таблицам.")));
    QCOMPARE(schemaLines(gui).value(0), QStringLiteral("Схема базы wotlkrealmd: cmangos (wotlk)."));
}

void SchemaDetectionTest::databaseAssignedAnew() {
    ServerLog log(m_server.generalLog);
    GuiDriver gui;
    gui.writeSettings(
            GuiDriver::settingsFor(m_server, databases("realmd", "characters", "mangos")));
    gui.start();
    QCOMPARE(catalogReads(log), 3);
    // Another database chosen for the accounts is read at once; choosing it
    // again reads nothing.
    gui.choose(QStringLiteral("ComboBox1"), QStringLiteral("tc_auth"));
    QCOMPARE(schemaLines(gui).last(), QStringLiteral("Схема базы tc_auth: TrinityCore 3.3.5."));
    QCOMPARE(catalogReads(log), 4);
    gui.choose(QStringLiteral("ComboBox1"), QStringLiteral("tc_auth"));
    QCOMPARE(catalogReads(log), 4);
    // A database without tables.
    gui.choose(QStringLiteral("ComboBox2"), QStringLiteral("scriptdev2"));
    QCOMPARE(schemaLines(gui).last(),
             QStringLiteral("Схема базы scriptdev2 не распознана: в ней нет таблиц."));
}

QTEST_MAIN(SchemaDetectionTest)
#include "tst_schema_detection.moc"

// The page "Автооповещение" on every schema family's fixture, through the
// real window: the list, add, save, delete and the export where the family
// keeps its messages (the login or the world database, the text in the row
// or in the string table), and the line that says so where it keeps none.
// Each operation changes exactly the rows it means to; an undo script,
// loaded with the mariadb client, puts the tables back byte for byte; an
// exported script, loaded the same way, adds the messages again.
#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "MariadbClient.h"
#include "StringGrid.h"
#include "TableSnapshot.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace {

const QString kGrid = QStringLiteral("StringGrid1");
// Quotes of both kinds and a backslash, as an administrator may type them.
const QString kTyped = QStringLiteral("Новое \"объявление\" o'Нил \\ конец");

// What a family's fixture holds and where.
struct Family {
    const char* name;
    QString login, world, characters;
    QString database; // where the messages are; empty: the family has none
    QStringList tables;
    QStringList titles;
    QStringList ids;
    // Add (a weight typed where there is one), save and delete.
    QString addScript;
    QStringList addChanges;
    QString saveId;
    QStringList saveChanges;
    QString deleteId;
    QStringList deleteChanges;
    QStringList exportChanges;
    // Where ids are within a bound: the highest message deleted, then one
    // added; what the two change together.
    QStringList reuseChanges = {};
};

QStringList repeated(const QString& pattern, int times) {
    return QStringList(times, pattern);
}

QList<Family> families() {
    const QString weighted = QStringLiteral("Вес");
    return {
            {"2010",
             "realmd",
             "mangos",
             "characters",
             "realmd",
             {"autobroadcast"},
             {"№", "Объявление", "След."},
             {"1", "2", "3", "4", "5", "6", "7"},
             {},
             {"autobroadcast\\[8\\] added: id='8', text='Новое \"объявление\" o\\\\'Нил \\\\\\\\ "
              "конец', next='1'"},
             "3",
             {"autobroadcast\\[3\\]\\.text: '.*' -> 'Изменено'",
              "autobroadcast\\[3\\]\\.next: '2' -> '4'"},
             "4",
             {"autobroadcast\\[4\\] removed: .*"},
             repeated("autobroadcast\\[\\d+\\] added: .*", 7)},
            {"Rel2x",
             "zero_realmd",
             "zero_mangos",
             "zero_characters",
             "zero_mangos",
             {"autobroadcast"},
             {"№", "Объявление", weighted},
             {"1", "2", "3"},
             {},
             {"autobroadcast\\[4\\] added: id='4', content='Новое \"объявление\" o\\\\'Нил "
              "\\\\\\\\ конец', ratio='2'"},
             "2",
             {"autobroadcast\\[2\\]\\.content: '.*' -> 'Изменено'",
              "autobroadcast\\[2\\]\\.ratio: '2' -> '4'"},
             "3",
             {"autobroadcast\\[3\\] removed: .*"},
             repeated("autobroadcast\\[\\d+\\] added: .*", 3)},
            {"cmangos",
             "wotlkrealmd",
             "wotlkmangos",
             "wotlkcharacters",
             {},
             {},
             {},
             {},
             {},
             {},
             {},
             {},
             {},
             {},
             {}},
            {"vmangos",
             "vm_realmd",
             "vm_mangos",
             "vm_characters",
             "vm_mangos",
             {"autobroadcast", "mangos_string"},
             {"№", "Объявление"},
             {"50000", "50001", "50002"},
             "broadcast-add",
             {"autobroadcast\\[50003\\] added: string_id='50003'",
              "mangos_string\\[50003\\] added: entry='50003', content_default='Новое "
              "\"объявление\" o\\\\'Нил \\\\\\\\ конец', .*"},
             "50001",
             {"mangos_string\\[50001\\]\\.content_default: 'Добро пожаловать!' -> "
              "'Изменено'"},
             "50001",
             // The string stays: the server's scripts may name it too.
             {"autobroadcast\\[50001\\] removed: string_id='50001'"},
             repeated("autobroadcast\\[5000[345]\\] added: .*", 3) +
                     repeated("mangos_string\\[5000[345]\\] added: .*", 3)},
            {"TrinityCore",
             "tc_auth",
             "tc_world",
             "tc_characters",
             "tc_auth",
             {"autobroadcast"},
             {"№", "Объявление", weighted, "Реалм"},
             {"1", "2", "3"},
             "broadcast-add",
             {"autobroadcast\\[4,-1\\] added: realmid='-1', id='4', weight='2', text='Новое "
              "\"объявление\" o\\\\'Нил \\\\\\\\ конец'"},
             "2",
             {"autobroadcast\\[2,1\\]\\.weight: '2' -> '4'",
              "autobroadcast\\[2,1\\]\\.text: 'Добро пожаловать!' -> 'Изменено'"},
             "3",
             {"autobroadcast\\[3,-1\\] removed: .*"},
             repeated("autobroadcast\\[\\d+,-?1\\] added: .*", 3),
             // The freed id is taken again.
             {"autobroadcast\\[3,-1\\]\\.weight: '1' -> '2'",
              "autobroadcast\\[3,-1\\]\\.text: '.*' -> 'Новое \"объявление\" o\\\\'Нил \\\\\\\\ "
              "конец'"}},
            {"AzerothCore",
             "acore_auth",
             "acore_world",
             "acore_characters",
             "acore_auth",
             {"autobroadcast"},
             {"№", "Объявление", weighted, "Реалм"},
             {"1", "2", "3"},
             "broadcast-add",
             {"autobroadcast\\[4,-1\\] added: realmid='-1', id='4', weight='2', text='Новое "
              "\"объявление\" o\\\\'Нил \\\\\\\\ конец'"},
             "2",
             {"autobroadcast\\[2,1\\]\\.weight: '2' -> '4'",
              "autobroadcast\\[2,1\\]\\.text: '.*' -> 'Изменено'"},
             "3",
             {"autobroadcast\\[3,-1\\] removed: .*"},
             repeated("autobroadcast\\[\\d+,-?1\\] added: .*", 3),
             // Message 3 keeps its Russian translation: the new one is 4.
             {"autobroadcast\\[3,-1\\] removed: .*",
              "autobroadcast\\[4,-1\\] added: realmid='-1', id='4', weight='2', text='Новое "
              "\"объявление\" o\\\\'Нил \\\\\\\\ конец'"}},
    };
}

struct Operation {
    QString name;
    QString script; // the undo script's operation name; empty: none
    std::function<void(GuiDriver&, DatabaseProbe&)> run;
    QStringList changes;
    bool loadsExport = false;
};

bool hasThird(const Family& f) {
    return f.titles.size() > 2;
}

QList<Operation> operationsOf(const Family& f) {
    const QStringList buttons = {"dxButton7", "dxButton4", "dxButton5", "dxButton6", "dxButton12"};
    if (f.database.isEmpty()) {
        return {{"no broadcasts in this family",
                 {},
                 [buttons](GuiDriver& gui, DatabaseProbe&) {
                     const QString line =
                             QStringLiteral("В схеме cmangos (wotlk) нет таблицы автооповещений.");
                     auto* label = gui.find<QLabel>(QStringLiteral("broadcastAbsentLabel"));
                     QVERIFY(label->isVisible());
                     QCOMPARE(label->text(), line);
                     QVERIFY(gui.find<QWidget>(QStringLiteral("TabSheet2"))->isEnabled());
                     for (const QString& name : buttons) {
                         auto* button = gui.find<QPushButton>(name);
                         QVERIFY2(!button->isEnabled(), qPrintable(name));
                         QCOMPARE(button->toolTip(), line);
                     }
                     QVERIFY(!gui.find<QLineEdit>(QStringLiteral("dxDNEdit5"))->isEnabled());
                     QVERIFY(!gui.find<QWidget>(kGrid)->isVisible());
                     QVERIFY(gui.dialogs.boxes().isEmpty());
                 },
                 {}}};
    }
    QList<Operation> operations;
    operations << Operation{
            "list",
            {},
            [f](GuiDriver& gui, DatabaseProbe&) {
                QCOMPARE(gui.gridRow(kGrid, 0), f.titles);
                QCOMPARE(gui.gridColumn(kGrid, 0), f.ids);
                QVERIFY(gui.gridColumn(kGrid, 1).contains(QStringLiteral("Добро пожаловать!")) ||
                        f.ids.size() > 3);
                QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit52"))->isVisible(),
                         hasThird(f));
                QVERIFY(!gui.find<QLabel>(QStringLiteral("broadcastAbsentLabel"))->isVisible());
            },
            {}};
    operations << Operation{"add", f.addScript,
                            [f](GuiDriver& gui, DatabaseProbe&) {
                                gui.type(QStringLiteral("dxDNEdit5"), kTyped);
                                if (hasThird(f))
                                    gui.retype(QStringLiteral("dxDNEdit52"), QStringLiteral("2"));
                                gui.click(QStringLiteral("dxButton5"));
                                QVERIFY(gui.gridColumn(kGrid, 1).contains(kTyped));
                            },
                            f.addChanges};
    operations << Operation{"save", "broadcast-save",
                            [f](GuiDriver& gui, DatabaseProbe&) {
                                gui.selectRowWhere(kGrid, 0, f.saveId);
                                gui.retype(QStringLiteral("dxDNEdit5"), QStringLiteral("Изменено"));
                                if (hasThird(f))
                                    gui.retype(QStringLiteral("dxDNEdit52"), QStringLiteral("4"));
                                gui.click(QStringLiteral("dxButton4"));
                            },
                            f.saveChanges};
    operations << Operation{"delete", "broadcast-delete",
                            [f](GuiDriver& gui, DatabaseProbe&) {
                                gui.selectRowWhere(kGrid, 0, f.deleteId);
                                gui.click(QStringLiteral("dxButton6"));
                                QVERIFY(!gui.gridColumn(kGrid, 0).contains(f.deleteId));
                            },
                            f.deleteChanges};
    operations << Operation{"export",
                            {},
                            [f](GuiDriver& gui, DatabaseProbe&) {
                                const QString path = gui.directory() + QStringLiteral("/out.sql");
                                gui.dialogs.answerNextSaveDialogs({path});
                                gui.click(QStringLiteral("dxButton12"));
                                QCOMPARE(gui.dialogs.saveRequests().first().fileName,
                                         f.database + QStringLiteral(".autobroadcast.sql"));
                                QVERIFY(QFile::exists(path));
                            },
                            f.exportChanges,
                            true};
    if (!f.reuseChanges.isEmpty())
        operations << Operation{"add after deleting the highest",
                                {},
                                [](GuiDriver& gui, DatabaseProbe&) {
                                    gui.selectRowWhere(kGrid, 0, QStringLiteral("3"));
                                    gui.click(QStringLiteral("dxButton6"));
                                    gui.retype(QStringLiteral("dxDNEdit5"), kTyped);
                                    gui.retype(QStringLiteral("dxDNEdit52"), QStringLiteral("2"));
                                    gui.click(QStringLiteral("dxButton5"));
                                },
                                f.reuseChanges};
    operations << Operation{
            "failed read",
            {},
            [f](GuiDriver& gui, DatabaseProbe& probe) {
                const QString table = f.database + QStringLiteral(".autobroadcast");
                QVERIFY(probe.exec("rename table " + table + " to " + table + "_away"));
                gui.click(QStringLiteral("dxButton7"));
                QVERIFY(probe.exec("rename table " + table + "_away to " + table));
                QCOMPARE(gui.dialogs.describe(),
                         QStringList{"error|Результат поиска|Ошибка выполнения запроса!\r\n"
                                     "Повторите операция.\r\nОшибка 1146: Table '" +
                                     table + "' doesn't exist"});
                QVERIFY(gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))
                                ->toPlainText()
                                .contains("Не удалось прочитать список автооповещений: Ошибка "
                                          "1146"));
            },
            {}};
    return operations;
}

bool matches(const QStringList& lines, const QStringList& patterns) {
    if (lines.size() != patterns.size())
        return false;
    for (int i = 0; i < lines.size(); ++i) {
        if (!QRegularExpression(QRegularExpression::anchoredPattern(patterns[i]))
                     .match(lines[i])
                     .hasMatch())
            return false;
    }
    return true;
}

} // namespace

class BroadcastFamiliesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void operation_data();
    void operation();

private:
    TestServer m_server;
    bool m_reload = false;
};

void BroadcastFamiliesTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void BroadcastFamiliesTest::cleanup() {
    if (m_reload)
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
    m_reload = false;
}

void BroadcastFamiliesTest::operation_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("index");
    const QList<Family> all = families();
    for (int f = 0; f < all.size(); ++f) {
        const QList<Operation> operations = operationsOf(all[f]);
        for (int i = 0; i < operations.size(); ++i)
            QTest::addRow("%s: %s", all[f].name, qPrintable(operations[i].name)) << f << i;
    }
}

void BroadcastFamiliesTest::operation() {
    QFETCH(int, family);
    QFETCH(int, index);
    const Family f = families()[family];
    const Operation op = operationsOf(f)[index];
    m_reload = !op.changes.isEmpty();
    QStringList tables;
    for (const QString& table : f.tables)
        tables << f.database + u'.' + table;
    DatabaseProbe probe(m_server);
    const TablesSnapshot before = TablesSnapshot::take(probe, tables);
    QVERIFY2(before.ok(), qPrintable(before.error()));

    GuiDriver gui;
    gui.writeSettings(
            GuiDriver::settingsFor(m_server, {{"Base/realmd", f.login},
                                              {"Base/mangos", f.world},
                                              {"Base/characters", f.characters},
                                              {"export/UTF-8", "On"},
                                              {"Intreface/startpage", "Автооповещение"}}));
    gui.start();
    gui.dialogs.defaultAnswer = true;
    op.run(gui, probe);
    if (QTest::currentTestFailed())
        return;
    if (op.name != QStringLiteral("failed read"))
        QVERIFY2(gui.dialogs.describe().filter(QStringLiteral("error|")).isEmpty(),
                 qPrintable(gui.dialogs.describe().join(u'\n')));

    const QDir folder(QDir(gui.directory()).filePath(QStringLiteral("journal")));
    const QStringList scripts =
            op.script.isEmpty() ? QStringList()
                                : folder.entryList({QStringLiteral("undo-*-%1.sql").arg(op.script)},
                                                   QDir::Files);
    const QString exported = gui.directory() + QStringLiteral("/out.sql");
    gui.stop();
    if (op.loadsExport) {
        const ClientRun load = loadWithMariadbClient(m_server, f.database, exported);
        QVERIFY2(load.ok(), qPrintable(load.output));
    }

    const TablesSnapshot after = TablesSnapshot::take(probe, tables);
    QVERIFY2(after.ok(), qPrintable(after.error()));
    const QStringList changes = before.changesTo(after);
    QVERIFY2(matches(changes, op.changes), qPrintable(changes.join(u'\n')));

    QCOMPARE(scripts.size(), op.script.isEmpty() ? 0 : 1);
    if (scripts.isEmpty())
        return;
    const ClientRun load =
            loadWithMariadbClient(m_server, f.database, folder.filePath(scripts.first()));
    QVERIFY2(load.ok(), qPrintable(load.output));
    const TablesSnapshot undone = TablesSnapshot::take(probe, tables);
    QVERIFY2(undone.ok(), qPrintable(undone.error()));
    QCOMPARE(before.changesTo(undone), QStringList());
    m_reload = false;
}

QTEST_MAIN(BroadcastFamiliesTest)
#include "tst_broadcast_families.moc"

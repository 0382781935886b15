#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "ReviewPictures.h"
#include "ServerLog.h"
#include "StringGrid.h"
#include "TForm1.h"
#include "UndoReads.h"
#include "broadcasts/BroadcastStatements.h"
#include "common/QueryConventions.h"
#include "schema/Catalog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kGrid = QStringLiteral("StringGrid1");
const QString kSelectAll =
        QStringLiteral("select `id`,`text`,`next` from `autobroadcast` order by `id`;");
const QString kAddFailed = QStringLiteral(
        "notice|Realmdesk|Ошибка добавления: Нет связи с сервером или не возможно добавить "
        "пустую запись!\r\n\r\nНаберите новое объявление в поле редактирования и нажмите "
        "ДОБАВИТЬ.");
const QString kSaveFailed = QStringLiteral(
        "notice|Realmdesk|Ошибка сохранения: Нет связи с сервером или не выбрана запись!");

QString editText(GuiDriver& gui, const char* name) {
    return gui.find<QLineEdit>(QLatin1String(name))->text();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class BroadcastPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void listIsLoadedWhenThePageIsShown();
    void emptyTableShowsOneEmptyRow();
    void selectingAMessageFillsTheEdits();
    void addedMessageIsStoredAsTyped_data();
    void addedMessageIsStoredAsTyped();
    void addingAnEmptyTextShowsTheNotice();
    void savedMessageIsStoredAsTyped_data();
    void savedMessageIsStoredAsTyped();
    void savingWithoutIdShowsTheNotice();
    void deleteMessage_data();
    void deleteMessage();
    void exportWritesTheScript_data();
    void exportWritesTheScript();
    void cancelledExportSendsNothing();
    void missingTableIsNamedOnThePage();
    void failedSelectIsReported();

    void reviewPicture();

private:
    void startOnBroadcastPage(GuiDriver& gui, const QMap<QString, QString>& settings = {});
    TestServer m_server;
    bool m_dataChanged = false;
};

void BroadcastPageTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void BroadcastPageTest::cleanup() {
    if (m_dataChanged) {
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
        m_dataChanged = false;
    }
}

void BroadcastPageTest::startOnBroadcastPage(GuiDriver& gui,
                                             const QMap<QString, QString>& settings) {
    QMap<QString, QString> values = settings;
    values.insert(QStringLiteral("Intreface/startpage"), QStringLiteral("Автооповещение"));
    gui.writeSettings(GuiDriver::settingsFor(m_server, values));
    gui.start();
}

void BroadcastPageTest::listIsLoadedWhenThePageIsShown() {
    ServerLog log(m_server.generalLog);
    GuiDriver gui;
    startOnBroadcastPage(gui);
    // The session set-up follows the login; each assigned database's schema
    // is read once.
    QCOMPARE(log.statementsSinceMark(),
             ServerLog::asLogged({sessionSetUpStatement(), "show databases;",
                                  schema::Catalog::statement("realmd", Quoting{}),
                                  schema::Catalog::statement("characters", Quoting{}),
                                  schema::Catalog::statement("mangos", Quoting{}), "use `realmd`;",
                                  "SET NAMES utf8;", kSelectAll}));
    auto* grid = gui.find<StringGrid>(kGrid);
    QVERIFY(grid->isVisible());
    QCOMPARE(gui.gridRow(kGrid, 0), QStringList({"№", "Объявление", "След."}));
    QCOMPARE(gui.gridColumn(kGrid, 0), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    // A message not scheduled yet (NULL) shows an empty "next".
    QCOMPARE(gui.gridColumn(kGrid, 2), QStringList({"1", "1", "2", "1", "3", "1", ""}));
    QCOMPARE(grid->cell(1, 3), QStringLiteral("Don't share your password: a GM will never ask "
                                              "for it. Remember the \"golden rule\"!"));
    QCOMPARE(grid->cell(1, 5), QStringLiteral("Внимание!\nВ субботу с 10:00 до 12:00 "
                                              "профилактические работы."));
    // The window is Unicode: a letter that Windows-1251 lacks is shown.
    QVERIFY(grid->cell(1, 6).endsWith(QStringLiteral("Gracias, señores.")));
    QCOMPARE(grid->colWidth(0), 35);
    QCOMPARE(grid->colWidth(1), grid->width() - 90);
    QCOMPARE(grid->colWidth(2), 30);
    QCOMPARE(grid->rowHeight(0), 18);
    QCOMPARE(grid->rowHeight(7), 20);
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void BroadcastPageTest::emptyTableShowsOneEmptyRow() {
    m_dataChanged = true;
    GuiDriver gui;
    startOnBroadcastPage(gui);
    QVERIFY(DatabaseProbe(m_server).exec("delete from realmd.autobroadcast"));
    gui.click(QStringLiteral("dxButton7"));
    QCOMPARE(gui.find<StringGrid>(kGrid)->rowCount(), 2);
    QCOMPARE(gui.gridRow(kGrid, 1), QStringList(3, QString()));
    QCOMPARE(gui.gridRow(kGrid, 0), QStringList({"№", "Объявление", "След."}));
}

void BroadcastPageTest::selectingAMessageFillsTheEdits() {
    GuiDriver gui;
    startOnBroadcastPage(gui);
    gui.selectCell(kGrid, 2, 3);
    QCOMPARE(editText(gui, "dxDNEdit6"), QStringLiteral("3"));
    QCOMPARE(editText(gui, "dxDNEdit52"), QStringLiteral("2"));
    QVERIFY(editText(gui, "dxDNEdit5").startsWith(QStringLiteral("Don't share")));
    QVERIFY(gui.find<QLineEdit>(QStringLiteral("dxDNEdit6"))->isReadOnly());
    // The "next" edit takes digits only.
    gui.type(QStringLiteral("dxDNEdit52"), QStringLiteral("-x5"));
    QCOMPARE(editText(gui, "dxDNEdit52"), QStringLiteral("25"));
}

void BroadcastPageTest::addedMessageIsStoredAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("quotes") << QStringLiteral("Don't \"cheat\"") << "Don't \"cheat\"";
    QTest::newRow("backslash") << QStringLiteral("C:\\Games\\new") << "C:\\Games\\new";
    QTest::newRow("Cyrillic, trimmed") << QStringLiteral("  Привет, герои!  ") << "Привет, герои!";
}

void BroadcastPageTest::addedMessageIsStoredAsTyped() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    m_dataChanged = true;
    GuiDriver gui;
    startOnBroadcastPage(gui);
    gui.type(QStringLiteral("dxDNEdit5"), typed);
    gui.click(QStringLiteral("dxButton5"));
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows("select text, next from realmd.autobroadcast where id = 8"),
             QStringList{stored + "|1"});
    QCOMPARE(gui.gridColumn(kGrid, 1).last(), stored);
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void BroadcastPageTest::addingAnEmptyTextShowsTheNotice() {
    GuiDriver gui;
    startOnBroadcastPage(gui);
    gui.type(QStringLiteral("dxDNEdit5"), QStringLiteral("   "));
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton5"));
    QCOMPARE(gui.dialogs.describe(), QStringList{kAddFailed});
    QVERIFY(log.commandsSinceMark().isEmpty());
}

void BroadcastPageTest::savedMessageIsStoredAsTyped_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed"); // empty: the text stays as listed
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("stored");
    QTest::newRow("quotes, backslash and a new next")
            << 2 << QStringLiteral("He said \"go\" \\o/ don't") << "5"
            << "He said \"go\" \\o/ don't|5";
    QTest::newRow("listed quotes stay") << 3 << QString() << "2"
                                        << "Don't share your password: a GM will never ask for "
                                           "it. Remember the \"golden rule\"!|2";
    // The stored line feed is stored again as it was.
    QTest::newRow("line break")
            << 5 << QString() << "3"
            << "Внимание!\nВ субботу с 10:00 до 12:00 профилактические работы.|3";
    QTest::newRow("an empty next stores NULL")
            << 4 << QString() << ""
            << "Ищете гильдию? Загляните на форум, раздел \"Гильдии\".|NULL";
    QTest::newRow("a message without next gets one")
            << 7 << QString() << "2"
            << "Нашли ошибку? Пишите в тикет, администрация ответит.|2";
}

void BroadcastPageTest::savedMessageIsStoredAsTyped() {
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, next);
    QFETCH(QString, stored);
    m_dataChanged = true;
    GuiDriver gui;
    startOnBroadcastPage(gui);
    gui.selectCell(kGrid, 1, row);
    if (!typed.isEmpty())
        gui.retype(QStringLiteral("dxDNEdit5"), typed);
    gui.retype(QStringLiteral("dxDNEdit52"), next);
    gui.click(QStringLiteral("dxButton4"));
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows(QStringLiteral("select text, next from realmd.autobroadcast where id = %1")
                                .arg(row)),
             QStringList{stored});
    QCOMPARE(gui.find<StringGrid>(kGrid)->cell(1, row), stored.section(u'|', 0, 0));
    QCOMPARE(gui.find<StringGrid>(kGrid)->cell(2, row), next);
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void BroadcastPageTest::savingWithoutIdShowsTheNotice() {
    GuiDriver gui;
    startOnBroadcastPage(gui);
    gui.type(QStringLiteral("dxDNEdit5"), QStringLiteral("text without a message"));
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton4"));
    QCOMPARE(gui.dialogs.describe(), QStringList{kSaveFailed});
    QCOMPARE(log.statementsSinceMark(), ServerLog::asLogged(QStringList{"use `realmd`;"}));
}

void BroadcastPageTest::deleteMessage_data() {
    QTest::addColumn<int>("row"); // 0: no message selected, a text typed
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("remaining");
    const QStringList all = {"1", "2", "3", "4", "5", "6", "7"};
    const QStringList refresh = {"use `realmd`;", "SET NAMES utf8;", kSelectAll};
    QTest::newRow("Yes deletes, without SET NAMES before")
            << 4 << true
            << QStringList{"use `realmd`;"} +
                       undoTraffic(m_server, "realmd", broadcastsql::removeUndo("4"))
                               .around({"delete from `autobroadcast` where `id`=4;"}) +
                       refresh
            << QStringList({"1", "2", "3", "5", "6", "7"});
    QTest::newRow("No sends nothing") << 4 << false << QStringList() << all;
    // The server rejects the read of the rows the statement would delete: its
    // message is shown, nothing is deleted and the list is not reloaded.
    QTest::newRow("no id: an invalid statement, reported")
            << 0 << true
            << QStringList{"use `realmd`;"} +
                       undoTraffic(m_server, "realmd", broadcastsql::removeUndo(QString())).before
            << all;
}

void BroadcastPageTest::deleteMessage() {
    QFETCH(int, row);
    QFETCH(bool, answer);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, remaining);
    m_dataChanged = answer && row > 0;
    GuiDriver gui;
    startOnBroadcastPage(gui);
    if (row > 0)
        gui.selectCell(kGrid, 1, row);
    else
        gui.type(QStringLiteral("dxDNEdit5"), QStringLiteral("some text"));
    gui.dialogs.answerNextConfirmations({answer});
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton6"));
    QCOMPARE(gui.dialogs.describe().first(),
             QStringLiteral("confirmation|Удаление|Вы действительно хотите удалить это "
                            "объявление?"));
    QCOMPARE(gui.dialogs.boxes().first().icon, DialogService::Icon::Question);
    QCOMPARE(gui.dialogs.boxes().size(), row == 0 ? 2 : 1);
    if (row == 0)
        QVERIFY(gui.dialogs.describe().last().startsWith(
                QStringLiteral("error|Операция не выполнена|Не удалось сохранить сценарий "
                               "отмены, поэтому операция не выполнена.\r\nОшибка 1064: You "
                               "have an error in your SQL syntax")));
    QCOMPARE(log.statementsSinceMark(), ServerLog::asLogged(sent));
    QCOMPARE(gui.gridColumn(kGrid, 0), remaining);
    QCOMPARE(DatabaseProbe(m_server).rows("select id from realmd.autobroadcast order by id"),
             remaining);
}

void BroadcastPageTest::exportWritesTheScript_data() {
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QByteArray>("script");
    QTest::newRow("Windows-1251")
            << false
            << QByteArray(
                       "insert into `autobroadcast` (`text`) values ('\xCF\xF0\xE8\xE2\xE5\xF2');"
                       "\r\n"
                       "insert into `autobroadcast` (`text`) values ('Don\\'t \\\"go\\\"');\r\n"
                       "insert into `autobroadcast` (`text`) values ('C:\\\\new');\r\n"
                       "insert into `autobroadcast` (`text`) values ('a\r\nb');\r\n"
                       "insert into `autobroadcast` (`text`) values ('se?or \x88"
                       "5');\r\n");
    QTest::newRow("UTF-8") << true
                           << QByteArray(
                                      "/*!40101 SET NAMES utf8 */;\r\n"
                                      "insert into `autobroadcast` (`text`) values ('Привет');\r\n"
                                      "insert into `autobroadcast` (`text`) values ('Don\\'t "
                                      "\\\"go\\\"');\r\n"
                                      "insert into `autobroadcast` (`text`) values "
                                      "('C:\\\\new');\r\n"
                                      "insert into `autobroadcast` (`text`) values "
                                      "('a\r\nb');\r\n"
                                      "insert into `autobroadcast` (`text`) values ('señor "
                                      "€5');\r\n");
}

void BroadcastPageTest::exportWritesTheScript() {
    QFETCH(bool, utf8);
    QFETCH(QByteArray, script);
    m_dataChanged = true;
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec("delete from realmd.autobroadcast"));
    QVERIFY(probe.exec(R"(insert into realmd.autobroadcast (id, text, next) values
            (1, 'Привет', 1), (2, 'Don''t "go"', 4), (3, 'C:\\new', 1), (4, 'a\r\nb', 1),
            (5, 'señor €5', 1))"));
    GuiDriver gui;
    startOnBroadcastPage(gui,
                         {{QStringLiteral("export/UTF-8"), utf8 ? QStringLiteral("On") : "Off"}});
    // An existing file is replaced without a question.
    const QString path = gui.directory() + QStringLiteral("/out.sql");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4096, 'x'));
    }
    gui.dialogs.answerNextSaveDialogs({path});
    gui.click(QStringLiteral("dxButton12"));

    QCOMPARE(gui.dialogs.saveRequests().size(), 1);
    const DialogService::SaveFileRequest request = gui.dialogs.saveRequests().first();
    QCOMPARE(request.fileName, QStringLiteral("realmd.autobroadcast.sql"));
    QCOMPARE(request.directory, gui.directory());
    QCOMPARE(request.filters, QStringList({"SQL-File (*.sql)", "TXT-File (*.txt)", "*.* (*.*)"}));
    QCOMPARE(readFile(path), script);
    QCOMPARE(gui.dialogs.boxes().size(), 1); // the save dialog only
}

void BroadcastPageTest::cancelledExportSendsNothing() {
    GuiDriver gui;
    startOnBroadcastPage(gui);
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton12"));
    QCOMPARE(gui.dialogs.saveRequests().size(), 1);
    QVERIFY(log.commandsSinceMark().isEmpty());
}

// The table the database lacks is named on the page; the controls are
// disabled with the same words in their tooltips, and nothing is asked.
void BroadcastPageTest::missingTableIsNamedOnThePage() {
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec("rename table realmd.autobroadcast to realmd.autobroadcast_away"));
    const auto restore = qScopeGuard([&probe] {
        probe.exec("rename table realmd.autobroadcast_away to realmd.autobroadcast");
    });
    GuiDriver gui;
    startOnBroadcastPage(gui);
    const QString line = QStringLiteral("В базе realmd нет таблицы автооповещений: не хватает "
                                        "autobroadcast.id, autobroadcast.text, "
                                        "autobroadcast.next.");
    auto* label = gui.find<QLabel>(QStringLiteral("broadcastAbsentLabel"));
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), line);
    QVERIFY(gui.find<QWidget>(QStringLiteral("TabSheet2"))->isEnabled());
    for (const char* name : {"dxButton7", "dxButton4", "dxButton5", "dxButton6", "dxButton12"}) {
        auto* button = gui.find<QPushButton>(QLatin1String(name));
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->toolTip(), line);
    }
    QVERIFY(!gui.find<StringGrid>(kGrid)->isVisible());
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

// A select the server refuses: the box with the server's message, a line in
// the connection log, and the page stays usable.
void BroadcastPageTest::failedSelectIsReported() {
    GuiDriver gui;
    startOnBroadcastPage(gui);
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec("rename table realmd.autobroadcast to realmd.autobroadcast_away"));
    gui.click(QStringLiteral("dxButton7"));
    QVERIFY(probe.exec("rename table realmd.autobroadcast_away to realmd.autobroadcast"));
    QCOMPARE(gui.dialogs.describe(),
             QStringList{"error|Результат поиска|Ошибка выполнения запроса!\r\nПовторите "
                         "операция.\r\nОшибка 1146: Table 'realmd.autobroadcast' doesn't "
                         "exist"});
    QVERIFY(gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))
                    ->toPlainText()
                    .contains(QStringLiteral(
                            "Не удалось прочитать список автооповещений: Ошибка 1146")));
    gui.dialogs.clear();
    gui.click(QStringLiteral("dxButton7"));
    QCOMPARE(gui.gridColumn(kGrid, 0), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void BroadcastPageTest::reviewPicture() {
    GuiDriver gui;
    startOnBroadcastPage(gui);
    gui.selectCell(kGrid, 1, 3);
    QVERIFY(writeReviewPicture(gui, QStringLiteral("page-2-broadcasts-demo")));
}

QTEST_MAIN(BroadcastPageTest)
#include "tst_broadcast_page.moc"

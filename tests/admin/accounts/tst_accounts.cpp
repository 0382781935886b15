// The account list of the accounts page: refresh, search, sort, record limit
// and paging, the lookup that other pages use, the grid's tooltip and menu.
#include "BusyPanel.h"
#include "KeyTyping.h"
#include "PageHarness.h"
#include "RecordingLinks.h"
#include "ReviewPictures.h"
#include "ServerLog.h"
#include "accounts/AccountsFixture.h"
#include "accounts/AccountsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

using namespace accountsfixture;
using accountsql::Sort;

namespace {

// Records, each time a widget is painted, what the server had received by
// then.
class PaintWitness : public QObject {
public:
    PaintWitness(QWidget* widget, const ServerLog& log)
        : m_log(log) {
        widget->installEventFilter(this);
    }
    QList<QStringList> receivedAtPaint;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            receivedAtPaint << m_log.statementsSinceMark();
        return false;
    }

private:
    const ServerLog& m_log;
};

} // namespace

class AccountsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstShowingFillsTheGrid();
    void busyPanelIsPaintedBeforeTheQuery();
    void sortAndRecordLimitChoices_data();
    void sortAndRecordLimitChoices();
    void onlyThePersonsLimitChangesRefresh();
    void failedRefreshKeepsGrid_data();
    void failedRefreshKeepsGrid();
    void search_data();
    void search();
    void searchEditsClearEachOther();
    void pagingAndReset();
    void pagingWithNonNumericLimit();
    void lookupSwitchesPageOnlyWhenFound();
    void lookupKeepsOffsetAndLimit();
    void tooltipNamesTheLevel();
    void doubleClickTogglesEditPanel();
    void menuItemsInOrder();
    void menuLookupsGoThroughTheWindow();
    void reviewPicture();

private:
    TestServer m_server;
};

void AccountsTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void AccountsTest::firstShowingFillsTheGrid() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server));
    TForm1& window = gui.start();
    StringGrid* list = grid(gui);
    QVERIFY(list->isHidden());
    ServerLog log(m_server.generalLog);
    window.pageControl()->setCurrentIndex(3);

    QCOMPARE(log.statementsSinceMark(), refreshStatements(listQuery()));
    QVERIFY(list->isVisible());
    QVERIFY(gui.find<QWidget>(QStringLiteral("accountEditPanel"))->isVisible());
    QCOMPARE(list->colCount(), 13);
    QCOMPARE(list->rowCount(), 21);
    QCOMPARE(list->defaultRowHeight(), 20);
    QCOMPARE(gui.gridRow(kGrid, 0),
             QStringList({"id", "username", "sha_pass_hash", "gmlevel", "email", "joindate",
                          "last_ip", "failed_login", "locked", "last_login", "online", "expantion",
                          "locale"}));
    const QList<int> widths = {64, 110, 50, 45, 160, 110, 95, 60, 40, 110, 40, 55, 35};
    for (int col = 0; col < widths.size(); ++col)
        QCOMPARE(list->colWidth(col), widths[col]);
    QCOMPARE(ids(gui), range(1, 20));
    QCOMPARE(countText(gui), QStringLiteral("Найдено записей: 20"));
    // Every field as the server gives it: Cyrillic decoded, realm id and
    // flags as digits, the last login of an account that never logged in as
    // the zero date, a NULL e-mail empty.
    const QStringList second = gui.gridRow(kGrid, 2);
    QCOMPARE(second.mid(0, 9),
             QStringList({"2", "ГЛАВГМ", "51B0B43C02A63960D71126059C7E65D3F74379D6", "3",
                          "glavgm@mail.ru", "2019-03-02 21:40:12", "192.168.1.10", "0", "0"}));
    QCOMPARE(second.mid(10), QStringList({"1", "2", "8"}));
    QCOMPARE(gui.gridRow(kGrid, 10)[9], QStringLiteral("0000-00-00 00:00:00"));
    QCOMPARE(gui.gridRow(kGrid, 20)[4], QString());
    QCOMPARE(gui.gridRow(kGrid, 5)[4], QStringLiteral("вася@почта.рф"));

    // Showing the page again does not load the list again.
    log.mark();
    window.pageControl()->setCurrentIndex(0);
    window.pageControl()->setCurrentIndex(3);
    QVERIFY(log.statementsSinceMark().isEmpty());
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void AccountsTest::busyPanelIsPaintedBeforeTheQuery() {
    GuiDriver gui;
    TForm1& window = startOnAccountsPage(gui, m_server);
    ServerLog log(m_server.generalLog);
    PaintWitness witness(window.busyPanel(), log);
    gui.click(QStringLiteral("dxButton9"));
    QVERIFY(!witness.receivedAtPaint.isEmpty());
    QCOMPARE(witness.receivedAtPaint.first(), QStringList());
    QCOMPARE(log.statementsSinceMark(), refreshStatements(listQuery()));
    QVERIFY(!window.busyPanel()->isVisible());
    QVERIFY(window.pageControl()->isVisible());
}

void AccountsTest::sortAndRecordLimitChoices_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("sort");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("username, all") << QStringLiteral("RadioButton2") << int(Sort::Username) << false
                                   << QStringLiteral("Все") << QStringList{"1", "18", "9", "4"};
    QTest::newRow("joindate descending, 10")
            << QStringLiteral("RadioButton3") << int(Sort::Joindate) << true << QStringLiteral("10")
            << QStringList{"10", "17", "20", "13"};
    QTest::newRow("last_ip, first") << QStringLiteral("RadioButton4") << int(Sort::LastIp) << false
                                    << QStringLiteral("Первая") << QStringList{"10"};
    QTest::newRow("last_login descending, 50")
            << QStringLiteral("RadioButton5") << int(Sort::LastLogin) << true
            << QStringLiteral("50") << QStringList();
}

void AccountsTest::sortAndRecordLimitChoices() {
    QFETCH(QString, radio);
    QFETCH(int, sort);
    QFETCH(bool, descending);
    QFETCH(QString, limit);
    QFETCH(QStringList, shown);
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    gui.click(radio);
    if (descending)
        gui.click(QStringLiteral("dxCheckbox7"));
    ServerLog log(m_server.generalLog);
    // Choosing the record limit is what runs the refresh.
    gui.choose(QStringLiteral("ComboBox16"), limit);
    const QString statement = listQuery({}, Sort(sort), descending, limit);
    QCOMPARE(log.statementsSinceMark(), refreshStatements(statement));
    QCOMPARE(ids(gui).mid(0, shown.size()), shown);
    if (limit == QStringLiteral("10"))
        QCOMPARE(ids(gui).size(), 10);
}

void AccountsTest::onlyThePersonsLimitChangesRefresh() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server,
                        {{QStringLiteral("Intreface/RecordsLimit"), QStringLiteral("10")}});
    // The start-up copy of the initial record limit ran no refresh of its own:
    // the page's first showing used it.
    auto* limit = gui.find<QComboBox>(QStringLiteral("ComboBox16"));
    QCOMPARE(limit->currentText(), QStringLiteral("10"));
    QCOMPARE(ids(gui).size(), 10);

    // Each keystroke is a change: "10" is typed over with "5", then "50".
    ServerLog log(m_server.generalLog);
    limit->lineEdit()->setFocus();
    limit->lineEdit()->selectAll();
    typeText(limit->lineEdit(), QStringLiteral("50"));
    QCOMPARE(log.statementsSinceMark(),
             refreshStatements(listQuery({}, Sort::Id, false, QStringLiteral("5"))) +
                     refreshStatements(listQuery({}, Sort::Id, false, QStringLiteral("50"))));
    QCOMPARE(ids(gui).size(), 20);

    // Enter changes no text and runs nothing.
    log.mark();
    QTest::keyClick(limit->lineEdit(), Qt::Key_Return);
    QVERIFY(log.statementsSinceMark().isEmpty());
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void AccountsTest::failedRefreshKeepsGrid_data() {
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("statements");
    QTest::newRow("select fails") << QStringLiteral("ComboBox16") << QStringLiteral("x")
                                  << kAccountsFailed << 3;
    QTest::newRow("no such database")
            << QStringLiteral("ComboBox1") << QStringLiteral("nosuchdb") << kAccountsFailed << 1;
}

void AccountsTest::failedRefreshKeepsGrid() {
    QFETCH(QString, combo);
    QFETCH(QString, text);
    QFETCH(QString, box);
    QFETCH(int, statements);
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    // A filter that finds account 7 only.
    gui.type(QStringLiteral("dxDNEdit15"), QStringLiteral("наташа"));
    gui.click(QStringLiteral("dxButton18"));
    QCOMPARE(ids(gui), QStringList{"7"});
    const QStringList before = gui.gridRow(kGrid, 1);

    gui.find<QComboBox>(combo)->setEditText(text);
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton9"));
    QCOMPARE(log.statementsSinceMark().size(), statements);
    // The box adds the server's reason.
    QCOMPARE(gui.dialogs.describe().size(), 1);
    QVERIFY2(gui.dialogs.describe().first().startsWith(box + QStringLiteral("\r\nОшибка ")),
             qPrintable(gui.dialogs.describe().first()));
    QCOMPARE(gui.gridRow(kGrid, 1), before);
    QCOMPARE(grid(gui)->rowCount(), 2);
    QCOMPARE(countText(gui), QStringLiteral("Найдено записей: 1"));
    QVERIFY(grid(gui)->isVisible());

    // The failure emptied the filter: the next refresh lists every account.
    gui.find<QComboBox>(combo)->setEditText(combo == u"ComboBox1" ? QStringLiteral("realmd")
                                                                  : QStringLiteral("Все"));
    log.mark();
    gui.click(QStringLiteral("dxButton9"));
    QCOMPARE(log.statementsSinceMark(), refreshStatements(listQuery()));
    QCOMPARE(ids(gui), range(1, 20));
}

void AccountsTest::search_data() {
    QTest::addColumn<QStringList>("typed"); // id, username, email, last_ip
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("id") << QStringList{"12", "", "", ""} << QStringLiteral(" where `id` = 12")
                        << QStringList{"12"};
    QTest::newRow("part of a Cyrillic name, any case")
            << QStringList{"", "ЕТРОв", "", ""}
            << QStringLiteral(" where (`username` like \"%ЕТРОв%\")") << QStringList{"6"};
    QTest::newRow("email and last_ip")
            << QStringList{"", "", "mail.ru", "178."}
            << QStringLiteral(" where (`email` like \"%mail.ru%\") and (`last_ip` like \"%178.%\")")
            << QStringList{"7"};
    QTest::newRow("blanks around the name")
            << QStringList{"", "  вася ", "", ""}
            << QStringLiteral(" where (`username` like \"%вася%\")") << QStringList{"5"};
    QTest::newRow("blanks only match every name")
            << QStringList{"", "   ", "", ""} << QStringLiteral(" where (`username` like \"%%\")")
            << range(1, 20);
}

void AccountsTest::search() {
    QFETCH(QStringList, typed);
    QFETCH(QString, filter);
    QFETCH(QStringList, found);
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    const char* edits[] = {"dxDNEdit10", "dxDNEdit15", "dxDNEdit17", "dxDNEdit18"};
    for (int i = 0; i < 4; ++i) {
        if (!typed[i].isEmpty())
            gui.type(QLatin1String(edits[i]), typed[i]);
    }
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton18"));
    QCOMPARE(log.statementsSinceMark(), refreshStatements(listQuery(filter)));
    QCOMPARE(ids(gui), found);
    QCOMPARE(countText(gui), QStringLiteral("Найдено записей: %1").arg(found.size()));
    // The filter stays for the next refresh.
    log.mark();
    gui.click(QStringLiteral("dxButton9"));
    QCOMPARE(log.statementsSinceMark().last(), listQuery(filter));
}

void AccountsTest::searchEditsClearEachOther() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    gui.type(QStringLiteral("dxDNEdit15"), QStringLiteral("ab"));
    gui.type(QStringLiteral("dxDNEdit17"), QStringLiteral("cd"));
    gui.type(QStringLiteral("dxDNEdit18"), QStringLiteral("1.2a-"));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit18"))->text(), QStringLiteral("1.2"));
    gui.type(QStringLiteral("dxDNEdit10"), QStringLiteral("1x2"));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit10"))->text(), QStringLiteral("12"));
    for (const char* name : {"dxDNEdit15", "dxDNEdit17", "dxDNEdit18"})
        QCOMPARE(gui.find<QLineEdit>(QLatin1String(name))->text(), QString());
    gui.type(QStringLiteral("dxDNEdit17"), QStringLiteral("x"));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit10"))->text(), QString());
}

void AccountsTest::pagingAndReset() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    ServerLog log(m_server.generalLog);
    // With "Все" the paging buttons do nothing.
    gui.click(QStringLiteral("dxButton37"));
    gui.click(QStringLiteral("dxButton14"));
    QVERIFY(log.statementsSinceMark().isEmpty());

    gui.choose(QStringLiteral("ComboBox16"), QStringLiteral("10"));
    QCOMPARE(ids(gui), range(1, 10));
    log.mark();
    gui.click(QStringLiteral("dxButton37"));
    QCOMPARE(log.statementsSinceMark().last(),
             listQuery({}, Sort::Id, false, QStringLiteral("10"), 10));
    QCOMPARE(ids(gui), range(11, 20));

    // Past the last row: nothing found, the grid stays, the offset went on.
    gui.click(QStringLiteral("dxButton37"));
    QCOMPARE(gui.dialogs.describe(), QStringList{kAccountsNotFound});
    QCOMPARE(ids(gui), range(11, 20));
    QCOMPARE(countText(gui), QStringLiteral("Найдено записей: 10"));
    log.mark();
    gui.click(QStringLiteral("dxButton14"));
    QCOMPARE(log.statementsSinceMark().last(),
             listQuery({}, Sort::Id, false, QStringLiteral("10"), 10));
    gui.click(QStringLiteral("dxButton14"));
    QCOMPARE(ids(gui), range(1, 10));
    // "<" never goes below the first row.
    log.mark();
    gui.click(QStringLiteral("dxButton14"));
    QVERIFY(log.statementsSinceMark().isEmpty());

    // Reset refreshes with the limit and offset as they stand, then shows
    // "Все" and starts from the first row again.
    gui.click(QStringLiteral("dxButton37"));
    gui.type(QStringLiteral("dxDNEdit15"), QStringLiteral("a"));
    gui.click(QStringLiteral("dxCheckbox7"));
    log.mark();
    gui.click(QStringLiteral("dxButton19"));
    QCOMPARE(log.statementsSinceMark(),
             refreshStatements(listQuery({}, Sort::Id, false, QStringLiteral("10"), 10)));
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("ComboBox16"))->currentText(),
             QStringLiteral("Все"));
    QVERIFY(!gui.find<QCheckBox>(QStringLiteral("dxCheckbox7"))->isChecked());
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit15"))->text(), QString());
    log.mark();
    gui.click(QStringLiteral("dxButton9"));
    QCOMPARE(log.statementsSinceMark(), refreshStatements(listQuery()));
    QCOMPARE(ids(gui), range(1, 20));

    // ">" twice from 0 with "50" gives the offset 100 (and finds nothing).
    gui.choose(QStringLiteral("ComboBox16"), QStringLiteral("50"));
    gui.click(QStringLiteral("dxButton37"));
    log.mark();
    gui.click(QStringLiteral("dxButton37"));
    QCOMPARE(log.statementsSinceMark().last(),
             listQuery({}, Sort::Id, false, QStringLiteral("50"), 100));
    // Search starts from the first row again.
    log.mark();
    gui.click(QStringLiteral("dxButton18"));
    QCOMPARE(log.statementsSinceMark().last(),
             listQuery({}, Sort::Id, false, QStringLiteral("50"), 0));
}

void AccountsTest::pagingWithNonNumericLimit() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    gui.find<QComboBox>(QStringLiteral("ComboBox16"))->setEditText(QStringLiteral("1O"));
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton37"));
    gui.click(QStringLiteral("dxButton14"));
    QCOMPARE(gui.dialogs.describe(),
             QStringList({QStringLiteral("error|Realmdesk|'1O' is not a valid integer value"),
                          QStringLiteral("error|Realmdesk|'1O' is not a valid integer value")}));
    QVERIFY(log.statementsSinceMark().isEmpty());
}

void AccountsTest::lookupSwitchesPageOnlyWhenFound() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server));
    TForm1& window = gui.start();
    ServerLog log(m_server.generalLog);
    window.accountLookup(QStringLiteral(" where `id` = 999"));
    QCOMPARE(gui.dialogs.describe(), QStringList{kAccountsNotFound});
    QCOMPARE(window.pageControl()->currentIndex(), 0);

    gui.dialogs.clear();
    log.mark();
    const QString filter =
            accountsql::accountsWithLastIpFilter(QStringLiteral("95.24.12.7"), Quoting{});
    window.accountLookup(filter);
    QCOMPARE(window.pageControl()->currentIndex(), 3);
    // The page's first showing found the list already loaded.
    QCOMPARE(log.statementsSinceMark(), refreshStatements(listQuery(filter)));
    QCOMPARE(ids(gui), QStringList({"5", "6", "15"}));
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void AccountsTest::lookupKeepsOffsetAndLimit() {
    GuiDriver gui;
    TForm1& window = startOnAccountsPage(gui, m_server);
    gui.choose(QStringLiteral("ComboBox16"), QStringLiteral("10"));
    gui.click(QStringLiteral("dxButton37"));
    window.pageControl()->setCurrentIndex(0);
    ServerLog log(m_server.generalLog);
    // The three matching accounts lie before the page offset of 10.
    const QString filter =
            accountsql::accountsWithLastIpFilter(QStringLiteral("95.24.12.7"), Quoting{});
    window.accountLookup(filter);
    QCOMPARE(log.statementsSinceMark().last(),
             listQuery(filter, Sort::Id, false, QStringLiteral("10"), 10));
    QCOMPARE(gui.dialogs.describe(), QStringList{kAccountsNotFound});
    QCOMPARE(window.pageControl()->currentIndex(), 0);
}

void AccountsTest::tooltipNamesTheLevel() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    StringGrid* list = grid(gui);
    const struct {
        int col;
        int row;
        const char* hint;
    } cases[] = {{3, 1, "superadministrator"},
                 {3, 3, "moderator"},
                 {3, 5, "player"},
                 {1, 2, "ГЛАВГМ"},
                 {9, 10, "0000-00-00 00:00:00"},
                 {4, 20, ""},
                 {6, 15, "95.24.12.7"}};
    for (const auto& c : cases) {
        gui.selectCell(kGrid, c.col, c.row);
        QCOMPARE(list->hint(), QString::fromUtf8(c.hint));
    }
}

void AccountsTest::doubleClickTogglesEditPanel() {
    GuiDriver gui;
    TForm1& window = startOnAccountsPage(gui, m_server);
    auto* panel = gui.find<QWidget>(QStringLiteral("accountEditPanel"));
    QVERIFY(panel->isVisible());
    gui.doubleClickGrid(kGrid, 2, 3);
    QVERIFY(!panel->isVisible());
    gui.doubleClickGrid(kGrid, 2, 3);
    QVERIFY(panel->isVisible());
    gui.doubleClickGrid(kGrid, 2, 3);
    // Showing the page shows the panel again.
    window.pageControl()->setCurrentIndex(0);
    window.pageControl()->setCurrentIndex(3);
    QVERIFY(panel->isVisible());
}

void AccountsTest::menuItemsInOrder() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    auto* menu = grid(gui)->findChild<QMenu*>(QStringLiteral("acc_menu"));
    QVERIFY(menu);
    QStringList items;
    for (QAction* action : menu->actions())
        items << QStringLiteral("%1|%2|%3")
                         .arg(action->objectName(), action->text(),
                              action->isEnabled() ? "on" : "off");
    QCOMPARE(items, QStringList({
                            "N1|Показать все|on",
                            "N3|----------|off",
                            "N2|Найти персонажей этого аккаунта|on",
                            "IP1|Найти все аккаунты с этим IP|on",
                            "N22|Сбросить ключ сессии для этого аккаунта|on",
                            "N12|----------|off",
                            "N4|Вывести все аккаунты  на которых нет персонажей.|on",
                            "N13|Найти все устаревшие аккаунты|on",
                            "N14|Удалить все устаревшие аккаунты|on",
                    }));
    for (QAction* action : menu->actions()) {
        if (action->isEnabled())
            QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
    }

    // "Показать все" is the reset.
    gui.find<QComboBox>(QStringLiteral("ComboBox16"))->setEditText(QStringLiteral("10"));
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kGrid, QStringLiteral("N1"));
    QCOMPARE(log.statementsSinceMark(),
             refreshStatements(listQuery({}, Sort::Id, false, QStringLiteral("10"))));
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("ComboBox16"))->currentText(),
             QStringLiteral("Все"));
}

void AccountsTest::menuLookupsGoThroughTheWindow() {
    // The page on its own, with a stand-in for the window that records the
    // lookups handed to it.
    GuiDriver gui;
    StandalonePage<AccountsPage> standalone(gui);
    QVERIFY(standalone.open(gui, m_server));
    const RecordingLinks& links = standalone.links;
    // Without the window's busy panel nobody shows the grid after the load.
    standalone.page->grid()->show();
    QCOMPARE(ids(gui), range(1, 20));

    // No account in the edit panel: nothing is looked up.
    ServerLog log(m_server.generalLog);
    gui.chooseMenuItem(kGrid, QStringLiteral("N2"));
    QVERIFY(links.calls.isEmpty());

    gui.selectCell(kGrid, 2, rowOf(gui, QStringLiteral("5")));
    for (const char* item : {"N2", "IP1", "N13"})
        gui.chooseMenuItem(kGrid, QLatin1String(item));
    QCOMPARE(links.calls,
             QStringList({QStringLiteral("charactersOfAccount|5"),
                          QStringLiteral("accountLookup| where `last_ip` = \"95.24.12.7\""),
                          QStringLiteral("accountLookup| WHERE DATEDIFF(NOW(), `last_login`) > "
                                         "150")}));
    QVERIFY(log.commandsSinceMark().isEmpty());
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void AccountsTest::reviewPicture() {
    GuiDriver gui;
    startOnAccountsPage(gui, m_server);
    gui.selectCell(kGrid, 1, 2);
    gui.find<QLineEdit>(QStringLiteral("dxDNEdit19"))->setText(QStringLiteral("гм2024"));
    gui.click(QStringLiteral("dxButton39"));
    QVERIFY(writeReviewPicture(gui, QStringLiteral("page-4-accounts-selected")));
}

QTEST_MAIN(AccountsTest)
#include "tst_accounts.moc"

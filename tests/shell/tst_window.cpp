#include "BusyPanel.h"
#include "GuiDriver.h"
#include "ProgramInfo.h"
#include "ServerLog.h"
#include "Settings.h"
#include "StringGrid.h"
#include "TForm1.h"
#include "TrayIcon.h"
#include "characters/CharactersPage.h"
#include "common/QueryConventions.h"
#include "schema/Catalog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowAndPages();
    void startWithoutSettingsSendsNothing();
    void startPage_data();
    void startPage();
    void initialRecordLimitIsCopiedWithoutRefresh();
    void exitSavesOnlyWhenRemembered();
    void exitWritesControlsInFileOrder();
    void resizeMovesTheBanBorder_data();
    void resizeMovesTheBanBorder();
    void broadcastTextColumnFollowsGridWidth();
    void settingsButtonToggles();
    void aboutText();
    void minimiseWithoutTrayStaysMinimised();
    void busyPanelIsCentredAndRestored();
    void settingsEditsFilterKeys();
    void tabLeavesEveryFilteredEdit_data();
    void tabLeavesEveryFilteredEdit();
    void recordLimitBoxesOfferTheSameChoices_data();
    void recordLimitBoxesOfferTheSameChoices();
    void settingsCombosDoNotAddTypedText_data();
    void settingsCombosDoNotAddTypedText();

private:
    TestServer m_server;
};

void WindowTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void WindowTest::windowAndPages() {
    GuiDriver gui;
    TForm1& window = gui.start();
    QCOMPARE(window.windowTitle(), QStringLiteral("Управление БД Мангос."));
    QCOMPARE(window.minimumSize(), QSize(750, 550));
    QCOMPARE(window.size(), QSize(750, 550));
    QTabWidget* pages = window.pageControl();
    const QStringList captions = {QStringLiteral("Подключение"), QStringLiteral("Автооповещение"),
                                  QStringLiteral("Управление персонажами"),
                                  QStringLiteral("Учетные записи"), QStringLiteral("Реалм")};
    QCOMPARE(pages->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(pages->tabText(i), captions[i]);
        QCOMPARE(pages->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    QVERIFY(!gui.find<QWidget>(QStringLiteral("dxContainer4"))->isVisible());
    QCOMPARE(gui.find<QWidget>(QStringLiteral("Image1"))->geometry(), QRect(376, 56, 350, 400));
    QCOMPARE(gui.find<QWidget>(QStringLiteral("dxContainer1"))->geometry(), QRect(8, 16, 353, 137));
    QCOMPARE(gui.find<QWidget>(QStringLiteral("profilePanel"))->geometry(), QRect(8, 288, 353, 50));
    QCOMPARE(gui.find<QWidget>(QStringLiteral("dxDNMemo1"))->geometry(), QRect(8, 344, 353, 137));
    QVERIFY(!gui.find<QWidget>(QStringLiteral("dxButton3"))->isEnabled());
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit4"))->echoMode(), QLineEdit::Password);
    // "Данные" is the selected sub-page of the character details.
    QCOMPARE(gui.find<QTabWidget>(QStringLiteral("characterDetails"))->currentIndex(), 0);
}

void WindowTest::startWithoutSettingsSendsNothing() {
    ServerLog log(m_server.generalLog);
    GuiDriver gui;
    TForm1& window = gui.start();
    QCOMPARE(window.pageControl()->currentIndex(), 0);
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit1"))->text(), QStringLiteral("127.0.0.1"));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit2"))->text(), QStringLiteral("3306"));
    QVERIFY(!gui.find<QCheckBox>(QStringLiteral("dxCheckbox1"))->isChecked());
    QVERIFY(!gui.find<QCheckBox>(QStringLiteral("dxCheckbox2"))->isChecked());
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("ComboBox7"))->currentText(),
             QStringLiteral("Подключение"));
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("ComboBox6"))->currentText(), QStringLiteral("8"));
    QVERIFY(gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))->toPlainText().isEmpty());
    gui.stop();
    QVERIFY(log.commandsSinceMark().isEmpty());
    QVERIFY(!QFile::exists(gui.settingsPath()));
}

void WindowTest::startPage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("page");
    QTest::newRow("Автооповещение") << QStringLiteral("Автооповещение") << 1;
    QTest::newRow("Подключение") << QStringLiteral("Подключение") << 0;
    QTest::newRow("Реалм") << QStringLiteral("Реалм") << 4;
    QTest::newRow("Управление героями") << QStringLiteral("Управление героями") << 2;
    QTest::newRow("Учетные записи") << QStringLiteral("Учетные записи") << 3;
    QTest::newRow("the page caption is not an item")
            << QStringLiteral("Управление персонажами") << 0;
    QTest::newRow("other case") << QStringLiteral("реалм") << 0;
    QTest::newRow("unknown") << QStringLiteral("Главная") << 0;
}

void WindowTest::startPage() {
    QFETCH(QString, text);
    QFETCH(int, page);
    GuiDriver gui;
    gui.writeSettings("[Intreface]\nstartpage=" + text.toUtf8() + "\n");
    TForm1& window = gui.start();
    QCOMPARE(window.pageControl()->currentIndex(), page);
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("ComboBox7"))->currentText(), text);
}

void WindowTest::initialRecordLimitIsCopiedWithoutRefresh() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("Intreface/RecordsLimit"), QStringLiteral("50")}}));
    ServerLog log(m_server.generalLog);
    gui.start();
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("ComboBox17"))->currentText(),
             QStringLiteral("50"));
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("ComboBox15"))->currentText(),
             QStringLiteral("50"));
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("ComboBox16"))->currentText(),
             QStringLiteral("50"));
    // Only the automatic connect talked to the server: its set-up, the
    // database list and the schemas of the databases it assigns.
    QCOMPARE(log.statementsSinceMark(),
             ServerLog::asLogged({sessionSetUpStatement(), QStringLiteral("show databases;"),
                                  schema::Catalog::statement("realmd", Quoting{}),
                                  schema::Catalog::statement("characters", Quoting{}),
                                  schema::Catalog::statement("mangos", Quoting{})}));
}

void WindowTest::exitSavesOnlyWhenRemembered() {
    GuiDriver gui;
    gui.start();
    gui.retype(QStringLiteral("dxDNEdit1"), QStringLiteral("db.example.org"));
    gui.stop();
    QVERIFY(!QFile::exists(gui.settingsPath()));

    gui.start();
    gui.retype(QStringLiteral("dxDNEdit1"), QStringLiteral("db.example.org"));
    gui.click(QStringLiteral("dxCheckbox2"));
    gui.stop();
    QVERIFY(QFile::exists(gui.settingsPath()));
    QCOMPARE(loadSettings(gui.directory()).host, QStringLiteral("db.example.org"));
    QVERIFY(loadSettings(gui.directory()).remember);
}

void WindowTest::exitWritesControlsInFileOrder() {
    GuiDriver gui;
    gui.start();
    gui.type(QStringLiteral("dxDNEdit3"), QStringLiteral("admin"));
    gui.type(QStringLiteral("dxDNEdit4"), QStringLiteral("secret"));
    gui.type(QStringLiteral("ComboBox1"), QStringLiteral("realmd"));
    gui.type(QStringLiteral("ComboBox3"), QStringLiteral("персонажи"));
    gui.click(QStringLiteral("dxButton8"));
    gui.retype(QStringLiteral("dxDNEdit45"), QStringLiteral("30"));
    gui.click(QStringLiteral("dxCheckbox3"));
    gui.choose(QStringLiteral("ComboBox7"), QStringLiteral("Реалм"));
    gui.choose(QStringLiteral("ComboBox17"), QStringLiteral("100"));
    gui.choose(QStringLiteral("tlsModeCombo"), QStringLiteral("Только шифрованное"));
    gui.type(QStringLiteral("tlsCaFileEdit"), QStringLiteral("/etc/ssl/ca.pem"));
    gui.type(QStringLiteral("tlsServerKeyEdit"), QStringLiteral("/etc/ssl/server-key.pem"));
    gui.click(QStringLiteral("tlsAllowServerKeyBox"));
    gui.click(QStringLiteral("dxCheckbox2"));
    gui.stop();
    // The sixteen keys in their order, then the encryption's and the
    // login's own sections.
    QCOMPARE(QString::fromUtf8(readFile(gui.settingsPath())),
             QStringLiteral("[server]\nhost=127.0.0.1\nport=3306\nuser=admin\npassword=secret\n"
                            "autologin=Off\n[Base]\nrealmd=realmd\nmangos=\n"
                            "characters=персонажи\nscriptdev2=\n[export]\nUTF-8=On\n"
                            "[Intreface]\nstartpage=Реалм\nRecordsLimit=100\n[Account]\n"
                            "ErasePeriod=30\nAdminAccount=0\nLowLevel=10\n"
                            "CheatMoney=1000000000\n[TLS]\nMode=required\n"
                            "CAFile=/etc/ssl/ca.pem\nServerPublicKey=/etc/ssl/server-key.pem\n"
                            "AllowServerPublicKey=On\n[Login]\nOldPasswords=Off\n"
                            "[Schema]\nFamily=auto\n"));
}

void WindowTest::resizeMovesTheBanBorder_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("750") << 750;
    QTest::newRow("odd 801") << 801;
    QTest::newRow("1024") << 1024;
}

void WindowTest::resizeMovesTheBanBorder() {
    QFETCH(int, width);
    GuiDriver gui;
    TForm1& window = gui.start();
    window.resize(width, 600);
    QTest::qWait(20);
    QCOMPARE(window.width(), width);
    QCOMPARE(gui.find<QWidget>(QStringLiteral("ipBanPanel"))->width(), width / 2);
}

void WindowTest::broadcastTextColumnFollowsGridWidth() {
    GuiDriver gui;
    TForm1& window = gui.start();
    auto* grid = gui.find<StringGrid>(QStringLiteral("StringGrid1"));
    QCOMPARE(grid->colWidth(0), 35);
    QCOMPARE(grid->colWidth(1), grid->width() - 90);
    window.pageControl()->setCurrentIndex(1);
    grid->show();
    for (int width : {900, 760}) {
        window.resize(width, 600);
        QTest::qWait(20);
        QCOMPARE(grid->colWidth(0), 35);
        QCOMPARE(grid->colWidth(1), grid->width() - 90);
    }
}

void WindowTest::settingsButtonToggles() {
    GuiDriver gui;
    gui.start();
    auto* panel = gui.find<QWidget>(QStringLiteral("dxContainer4"));
    gui.click(QStringLiteral("dxButton8"));
    QVERIFY(panel->isVisible());
    // The two buttons stay usable over the panel.
    gui.click(QStringLiteral("dxButton8"));
    QVERIFY(!panel->isVisible());
}

void WindowTest::aboutText() {
    GuiDriver gui;
    gui.start();
    auto* picture = gui.find<QWidget>(QStringLiteral("Image1"));
    QTest::mouseDClick(picture, Qt::LeftButton);
    QCOMPARE(gui.dialogs.describe(),
             QStringList{QStringLiteral(
                                 "notice|Realmdesk|    --= Программа сделана в самообразовательных "
                                 "целях. "
                                 "=--\n   Предназначена для работы с базой данных проекта Mangos\n"
                                 "   Версия ") +
                         QLatin1String(kProgramVersion)});
}

void WindowTest::minimiseWithoutTrayStaysMinimised() {
    GuiDriver gui;
    TForm1& window = gui.start();
    QVERIFY(!window.trayIcon()->trayAvailable());
    QCOMPARE(window.trayIcon()->hint(),
             QStringLiteral("Двойной щелчок - отобразить окно программы."));
    window.showMinimized();
    QTest::qWait(20);
    QVERIFY(window.isMinimized());
    QVERIFY(window.isVisible());
    window.trayIcon()->restoreWindow();
    QTRY_VERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
}

void WindowTest::busyPanelIsCentredAndRestored() {
    GuiDriver gui;
    TForm1& window = gui.start();
    BusyPanel* panel = window.busyPanel();
    QCOMPARE(panel->size(), QSize(457, 201));
    QCOMPARE(panel->title(), QStringLiteral(" Подождите. Идет обработка данных!"));
    QVERIFY(panel->note().endsWith(
            QStringLiteral("данный \"баг\" будет устранен в последующих версиях программы.")));
    auto* grid = gui.find<StringGrid>(QStringLiteral("StringGrid2"));
    window.pageControl()->setCurrentIndex(3);
    for (const QSize& size : {QSize(750, 550), QSize(752, 551)}) {
        window.resize(size);
        QTest::qWait(10);
        {
            BusyScope busy(&window, grid);
            QVERIFY(panel->isVisible());
            QVERIFY(!window.pageControl()->isVisible());
            QCOMPARE(panel->pos(), QPoint(centredOffset(window.width(), 457),
                                          centredOffset(window.height(), 201)));
        }
        QVERIFY(!panel->isVisible());
        QVERIFY(window.pageControl()->isVisible());
        QVERIFY(grid->isVisible());
    }
}

void WindowTest::settingsEditsFilterKeys() {
    GuiDriver gui;
    gui.start();
    gui.click(QStringLiteral("dxButton8"));
    for (const char* name : {"dxDNEdit45", "dxDNEdit46", "dxDNEdit47", "dxDNEdit51"}) {
        gui.retype(QLatin1String(name), QStringLiteral("1a-2.3 4"));
        QCOMPARE(gui.find<QLineEdit>(QLatin1String(name))->text(), QStringLiteral("1234"));
    }
}

void WindowTest::tabLeavesEveryFilteredEdit_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("page");
    const std::pair<const char*, int> edits[] = {
            {"dxDNEdit45", 0}, {"dxDNEdit46", 0}, {"dxDNEdit47", 0}, {"dxDNEdit51", 0},
            {"dxDNEdit52", 1}, {"dxDNEdit21", 2}, {"dxDNEdit22", 2}, {"dxDNEdit35", 2},
            {"dxDNEdit48", 2}, {"dxDNEdit49", 2}, {"dxDNEdit10", 3}, {"dxDNEdit18", 3},
            {"dxDNEdit13", 3}, {"dxDNEdit26", 4}, {"dxDNEdit27", 4}, {"dxDNEdit28", 4},
            {"dxDNEdit29", 4}, {"dxDNEdit30", 4}};
    for (const auto& [edit, page] : edits)
        QTest::newRow(edit) << QString::fromLatin1(edit) << page;
}

void WindowTest::tabLeavesEveryFilteredEdit() {
    QFETCH(QString, edit);
    QFETCH(int, page);
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server, {{QStringLiteral("Intreface/startpage"),
                                                         QStringLiteral("Управление героями")}}));
    TForm1& window = gui.start();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // A loaded character shows the level and money edits; the settings
    // panel holds the clean-up numbers.
    gui.selectCell(QStringLiteral("StringGrid3"), 2, 1);
    window.pageControl()->setCurrentIndex(page);
    if (page == 0)
        gui.click(QStringLiteral("dxButton8"));
    auto* control = gui.find<QLineEdit>(edit);
    QVERIFY(control->isVisible());
    gui.clearText(edit);
    QTRY_VERIFY(control->hasFocus());
    // The filter still keeps other characters out; Tab moves on.
    gui.type(edit, QStringLiteral("7x"));
    QCOMPARE(control->text(), QStringLiteral("7"));
    QTest::keyClick(control, Qt::Key_Tab);
    QTRY_VERIFY(!control->hasFocus());
    QVERIFY(QApplication::focusWidget() != nullptr);
}

void WindowTest::recordLimitBoxesOfferTheSameChoices_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("initial limit") << QStringLiteral("ComboBox17");
    QTest::newRow("characters") << QStringLiteral("ComboBox15");
    QTest::newRow("accounts") << QStringLiteral("ComboBox16");
}

void WindowTest::recordLimitBoxesOfferTheSameChoices() {
    QFETCH(QString, box);
    GuiDriver gui;
    gui.start();
    auto* combo = gui.find<QComboBox>(box);
    QCOMPARE(itemsOf(combo), (QStringList{"10", "50", "100", "500", "1000", "2000", "3000",
                                          QStringLiteral("Первая"), QStringLiteral("Все")}));
    QCOMPARE(combo->currentText(), QStringLiteral("Все"));
}

void WindowTest::settingsCombosDoNotAddTypedText_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("start page") << QStringLiteral("ComboBox7");
    QTest::newRow("language") << QStringLiteral("ComboBox6");
    QTest::newRow("initial limit") << QStringLiteral("ComboBox17");
}

void WindowTest::settingsCombosDoNotAddTypedText() {
    QFETCH(QString, box);
    GuiDriver gui;
    gui.start();
    gui.click(QStringLiteral("dxButton8"));
    auto* combo = gui.find<QComboBox>(box);
    const QStringList items = itemsOf(combo);
    gui.retype(box, QStringLiteral("77"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(itemsOf(combo), items);
    QCOMPARE(combo->currentText(), QStringLiteral("77"));
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"

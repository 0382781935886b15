#include "ConnectionPage.h"
#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "ServerLog.h"
#include "TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

QStringList logLines(GuiDriver& gui) {
    return gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))
            ->toPlainText()
            .split(u'\n', Qt::SkipEmptyParts);
}

QStringList comboItems(GuiDriver& gui, const QString& name) {
    auto* combo = gui.find<QComboBox>(name);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class ConnectionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void connectLogsUserAndDatabaseCount();
    void connectingTwiceLogsTwiceWithOneLogin();
    void failedConnectUnchecksBothBoxes_data();
    void failedConnectUnchecksBothBoxes();
    void portThatIsNotANumberShowsConversionError();
    void cyrillicDatabaseNameIsListed();

private:
    TestServer m_server;
};

void ConnectionTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void ConnectionTest::connectLogsUserAndDatabaseCount() {
    DatabaseProbe probe(m_server);
    QVERIFY2(probe.connected(), qPrintable(probe.lastError()));
    const QStringList databases = probe.rows(QStringLiteral("show databases"));

    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("server/autologin"), QStringLiteral("Off")}}));
    gui.start();
    QVERIFY(logLines(gui).isEmpty());
    gui.click(QStringLiteral("dxButton1"));

    QCOMPARE(logLines(gui),
             QStringList({QStringLiteral("Подключиние к 127.0.0.1 выполнено!"),
                          QStringLiteral("Пользователь : %1.").arg(m_server.user),
                          QStringLiteral("Найдено баз данных: %1").arg(databases.size())}));
    // The four lists hold the same names in the server's order; the texts
    // loaded from the settings file stay as they were.
    const QStringList names = {QStringLiteral("ComboBox1"), QStringLiteral("ComboBox2"),
                               QStringLiteral("ComboBox3"), QStringLiteral("ComboBox4")};
    const QStringList texts = {QStringLiteral("realmd"), QStringLiteral("mangos"),
                               QStringLiteral("characters"), QStringLiteral("scriptdev2")};
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(comboItems(gui, names[i]), databases);
        QCOMPARE(gui.find<QComboBox>(names[i])->currentText(), texts[i]);
    }
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void ConnectionTest::connectingTwiceLogsTwiceWithOneLogin() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("server/autologin"), QStringLiteral("Off")}}));
    gui.start();
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton1"));
    gui.click(QStringLiteral("dxButton1"));

    const QStringList lines = logLines(gui);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.mid(3), lines.mid(0, 3));
    const QStringList logins = log.commandsSinceMark().filter(QRegularExpression("^Connect\t"));
    QCOMPARE(logins.size(), 1);
    QCOMPARE(log.statementsSinceMark().count(QStringLiteral("show databases")), 2);
}

void ConnectionTest::failedConnectUnchecksBothBoxes_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("wrong password")
            << QStringLiteral("server/password") << QStringLiteral("not-the-password");
    // A port where nothing listens: the refusal is reported at once.
    QTest::newRow("refused port") << QStringLiteral("server/port") << QStringLiteral("1");
}

void ConnectionTest::failedConnectUnchecksBothBoxes() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server, {{key, value}}));
    QElapsedTimer timer;
    timer.start();
    // The settings file switches automatic connection on, and its existence
    // checks "Запомнить все параметры".
    gui.start();
    QVERIFY2(timer.elapsed() < 10000, "a failed connect must not wait for the greeting timeout");
    QCOMPARE(logLines(gui), QStringList{QStringLiteral("Подключиние НЕВОЗМОЖНО!!!")});
    QVERIFY(!gui.find<QCheckBox>(QStringLiteral("dxCheckbox1"))->isChecked());
    QVERIFY(!gui.find<QCheckBox>(QStringLiteral("dxCheckbox2"))->isChecked());
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("ComboBox1"))->count(), 0);
    QVERIFY(gui.dialogs.boxes().isEmpty());

    // With the remember box unchecked, exit leaves the file as it was.
    const QByteArray before = GuiDriver::settingsFor(m_server, {{key, value}});
    gui.stop();
    QFile file(gui.settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void ConnectionTest::portThatIsNotANumberShowsConversionError() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("server/autologin"), QStringLiteral("Off")}}));
    gui.start();
    ServerLog log(m_server.generalLog);
    gui.clearText(QStringLiteral("dxDNEdit2"));
    gui.type(QStringLiteral("dxDNEdit2"), QStringLiteral("33o6"));
    gui.click(QStringLiteral("dxButton1"));
    QCOMPARE(gui.dialogs.describe(),
             QStringList{QStringLiteral("error|Realmdesk|'33o6' is not a valid integer value")});
    QVERIFY(logLines(gui).isEmpty());
    QVERIFY(log.commandsSinceMark().isEmpty());
    // The boxes are left alone: the operation stopped before the connect.
    QVERIFY(gui.find<QCheckBox>(QStringLiteral("dxCheckbox2"))->isChecked());
}

void ConnectionTest::cyrillicDatabaseNameIsListed() {
    DatabaseProbe probe(m_server);
    QVERIFY(probe.exec(QStringLiteral("CREATE DATABASE IF NOT EXISTS `архив_игроков`")));
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server));
    gui.start();
    const QStringList items = comboItems(gui, QStringLiteral("ComboBox3"));
    probe.exec(QStringLiteral("DROP DATABASE `архив_игроков`"));
    QVERIFY2(items.contains(QStringLiteral("архив_игроков")), qPrintable(items.join(u',')));
}

QTEST_MAIN(ConnectionTest)
#include "tst_connection.moc"

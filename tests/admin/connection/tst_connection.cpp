#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "ServerLog.h"
#include "TForm1.h"
#include "connection/ConnectionPage.h"
#include "uMysqlClient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

QStringList allLogLines(GuiDriver& gui) {
    return gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))
            ->toPlainText()
            .split(u'\n', Qt::SkipEmptyParts);
}

bool isSchemaLine(const QString& line) {
    return line.startsWith(QStringLiteral("Схема базы "));
}

// The connection's own lines; the schema lines that follow a connection have
// tests of their own.
QStringList logLines(GuiDriver& gui) {
    QStringList lines = allLogLines(gui);
    lines.removeIf(isSchemaLine);
    return lines;
}

QStringList comboItems(GuiDriver& gui, const QString& name) {
    auto* combo = gui.find<QComboBox>(name);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

enum class Outcome { Encrypted, Clear, Refused };

using SettingsMap = QMap<QString, QString>;

// The log's line after a connect over TLS; the version and the cipher are
// what the server and the client agreed on.
const QRegularExpression
        kEncryptedLine(QStringLiteral("^Соединение зашифровано: TLSv1\\.[23], [A-Z0-9_-]+\\.$"));

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class ConnectionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void connectLogsUserAndDatabaseCount();
    void connectingTwiceLogsTwiceWithOneLogin();
    void changedSettingsLogInAnew();
    void failedConnectUnchecksBothBoxes_data();
    void failedConnectUnchecksBothBoxes();
    void portThatIsNotANumberShowsConversionError();
    void cyrillicDatabaseNameIsListed();
    void connectWithEachTlsMode_data();
    void connectWithEachTlsMode();
    void tlsSettingsWrittenAndReadBack();
    void rejectedCertificateAtStartUp();
    void settingsDecideHowToConnect_data();
    void settingsDecideHowToConnect();

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

    // The test server offers TLS, which the default mode takes.
    const QStringList lines = logLines(gui);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QStringLiteral("Подключиние к 127.0.0.1 выполнено!"));
    QCOMPARE(lines.at(1), QStringLiteral("Пользователь : %1.").arg(m_server.user));
    QVERIFY2(kEncryptedLine.match(lines.at(2)).hasMatch(), qPrintable(lines.at(2)));
    QCOMPARE(lines.at(3), QStringLiteral("Найдено баз данных: %1").arg(databases.size()));
    // Then one schema line for each assigned database of the game server.
    const QStringList all = allLogLines(gui);
    QCOMPARE(all.size(), 7);
    QVERIFY2(std::all_of(all.begin() + 4, all.end(), isSchemaLine), qPrintable(all.join(u'\n')));
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
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.mid(4), lines.mid(0, 4));
    const QStringList logins = log.commandsSinceMark().filter(QRegularExpression("^Connect\t"));
    QCOMPARE(logins.size(), 1);
    QCOMPARE(log.statementsSinceMark().count(QStringLiteral("show databases")), 2);
}

void ConnectionTest::changedSettingsLogInAnew() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("server/autologin"), QStringLiteral("Off")}}));
    TForm1& window = gui.start();
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(window.context().session().Connected());
    const auto logins = [](const ServerLog& log) {
        return log.commandsSinceMark().filter(QRegularExpression("^Connect\t"));
    };

    // Another port: the open session is closed, and the new port refuses;
    // the log does not claim a connection.
    ServerLog log(m_server.generalLog);
    gui.retype(QStringLiteral("dxDNEdit2"), QStringLiteral("1"));
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(!window.context().session().Connected());
    // The server logs the quit of the closed session when it gets to it.
    QTRY_VERIFY(log.commandsSinceMark().contains(QStringLiteral("Quit\t")));
    QCOMPARE(logLines(gui).filter(QStringLiteral("НЕВОЗМОЖНО")).size(), 1);

    // Another user: a login as that user.
    gui.retype(QStringLiteral("dxDNEdit2"), QString::number(m_server.port));
    gui.retype(QStringLiteral("dxDNEdit3"), m_server.limitedUser);
    gui.retype(QStringLiteral("dxDNEdit4"), m_server.limitedPassword);
    log.mark();
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(window.context().session().Connected());
    const QStringList lines = logins(log);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(m_server.limitedUser), qPrintable(lines.first()));
    QCOMPARE(logLines(gui).filter(QStringLiteral("Пользователь : ")).last(),
             QStringLiteral("Пользователь : %1.").arg(m_server.limitedUser));
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
    gui.retype(QStringLiteral("dxDNEdit2"), QStringLiteral("33o6"));
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

void ConnectionTest::connectWithEachTlsMode_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("caFile");
    QTest::addColumn<QString>("host");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("reason");
    TestServer s = TestServer::fromEnvironment();
    QTest::newRow("off") << QStringLiteral("Не шифровать") << QString() << s.host << Outcome::Clear
                         << QString();
    QTest::newRow("preferred") << QStringLiteral("Шифровать, если сервер может") << QString()
                               << s.host << Outcome::Encrypted << QString();
    QTest::newRow("required") << QStringLiteral("Только шифрованное") << QString() << s.host
                              << Outcome::Encrypted << QString();
    QTest::newRow("verify CA, the right CA")
            << QStringLiteral("Проверять сертификат по CA") << s.tlsCa << s.host
            << Outcome::Encrypted << QString();
    QTest::newRow("verify CA, a wrong CA")
            << QStringLiteral("Проверять сертификат по CA") << s.tlsWrongCa << s.host
            << Outcome::Refused
            << QStringLiteral("Сертификат сервера не прошёл проверку (SSL connection error: "
                              "self-signed certificate in certificate chain).");
    QTest::newRow("verify identity, the name matches")
            << QStringLiteral("Проверять сертификат и имя") << s.tlsCa << s.host
            << Outcome::Encrypted << QString();
    QTest::newRow("verify identity, another name")
            << QStringLiteral("Проверять сертификат и имя") << s.tlsCa << s.tlsMismatchHost
            << Outcome::Refused
            << QStringLiteral("Сертификат сервера выдан не для \"%1\" (SSL connection error: "
                              "hostname mismatch).")
                       .arg(s.tlsMismatchHost);
}

void ConnectionTest::connectWithEachTlsMode() {
    QFETCH(QString, mode);
    QFETCH(QString, caFile);
    QFETCH(QString, host);
    QFETCH(Outcome, outcome);
    QFETCH(QString, reason);
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("server/autologin"), QStringLiteral("Off")},
                       {QStringLiteral("server/host"), host}}));
    gui.start();
    gui.click(QStringLiteral("dxButton8"));
    gui.choose(QStringLiteral("tlsModeCombo"), mode);
    if (!caFile.isEmpty()) {
        gui.dialogs.answerNextOpenDialogs({caFile});
        gui.click(QStringLiteral("tlsCaFileButton"));
        QCOMPARE(gui.find<QLineEdit>(QStringLiteral("tlsCaFileEdit"))->text(), caFile);
        QCOMPARE(gui.dialogs.openRequests().size(), 1);
    }
    ServerLog log(m_server.generalLog);
    gui.click(QStringLiteral("dxButton1"));

    const QStringList lines = logLines(gui);
    if (outcome == Outcome::Refused) {
        QCOMPARE(lines, QStringList({QStringLiteral("Подключиние НЕВОЗМОЖНО!!!"), reason}));
        QVERIFY(!gui.find<QCheckBox>(QStringLiteral("dxCheckbox2"))->isChecked());
        // Nothing of the login reached the server.
        QVERIFY(log.commandsSinceMark().filter(QRegularExpression("^Connect\t")).isEmpty());
    } else {
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0), QStringLiteral("Подключиние к %1 выполнено!").arg(host));
        if (outcome == Outcome::Encrypted)
            QVERIFY2(kEncryptedLine.match(lines.at(2)).hasMatch(), qPrintable(lines.at(2)));
        else
            QCOMPARE(lines.at(2), QStringLiteral("Соединение не зашифровано."));
        QVERIFY(lines.at(3).startsWith(QStringLiteral("Найдено баз данных: ")));
    }
    QVERIFY(gui.dialogs.describe().filter(QRegularExpression("^(error|notice)")).isEmpty());
}

void ConnectionTest::tlsSettingsWrittenAndReadBack() {
    GuiDriver gui;
    const QByteArray original = GuiDriver::settingsFor(
            m_server, {{QStringLiteral("server/autologin"), QStringLiteral("Off")}});
    gui.writeSettings(original);
    gui.start();
    gui.click(QStringLiteral("dxButton8"));
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("tlsModeCombo"))->currentText(),
             QStringLiteral("Шифровать, если сервер может"));
    gui.choose(QStringLiteral("tlsModeCombo"), QStringLiteral("Проверять сертификат и имя"));
    gui.dialogs.answerNextOpenDialogs({m_server.tlsCa});
    gui.click(QStringLiteral("tlsCaFileButton"));
    gui.stop();

    // The sixteen keys stay as they were; the section follows them.
    const QByteArray saved = readFile(gui.settingsPath());
    QVERIFY2(
            saved.endsWith("[TLS]\nMode=verify-identity\nCAFile=" + m_server.tlsCa.toUtf8() + "\n"),
            saved.constData());
    QVERIFY(saved.startsWith(original.left(original.indexOf("autologin"))));

    // The next start shows them and connects with them.
    gui.start();
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("tlsModeCombo"))->currentText(),
             QStringLiteral("Проверять сертификат и имя"));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("tlsCaFileEdit"))->text(), m_server.tlsCa);
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY2(kEncryptedLine.match(logLines(gui).value(2)).hasMatch(),
             qPrintable(logLines(gui).join(u'\n')));
}

void ConnectionTest::rejectedCertificateAtStartUp() {
    // Automatic connection with a certificate that does not name the host:
    // the failure and its reason are logged, as any failed connect unchecks
    // both boxes, and no box is shown.
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("server/host"), m_server.tlsMismatchHost},
                       {QStringLiteral("TLS/Mode"), QStringLiteral("verify-identity")},
                       {QStringLiteral("TLS/CAFile"), m_server.tlsCa}}));
    gui.start();
    QCOMPARE(logLines(gui),
             QStringList({QStringLiteral("Подключиние НЕВОЗМОЖНО!!!"),
                          QStringLiteral("Сертификат сервера выдан не для \"%1\" (SSL connection "
                                         "error: hostname mismatch).")
                                  .arg(m_server.tlsMismatchHost)}));
    QVERIFY(!gui.find<QCheckBox>(QStringLiteral("dxCheckbox1"))->isChecked());
    QVERIFY(!gui.find<QCheckBox>(QStringLiteral("dxCheckbox2"))->isChecked());
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

void ConnectionTest::settingsDecideHowToConnect_data() {
    // The settings file's words, connected at start-up; the log's lines
    // (a line given as "^..." is a pattern), and whether the login reached
    // the server.
    QTest::addColumn<SettingsMap>("settings");
    QTest::addColumn<QStringList>("lines");
    // Whether the login may reach the server (where it must not, nothing of
    // it may).
    QTest::addColumn<bool>("reachesServer");
    QTest::addColumn<QString>("box");
    const QString connected = QStringLiteral("^Подключиние к .* выполнено!$");
    const QString user = QStringLiteral("^Пользователь : .*\\.$");
    const QString found = QStringLiteral("^Найдено баз данных: \\d+$");
    const QString refused = QStringLiteral("Подключиние НЕВОЗМОЖНО!!!");
    const QString unknown =
            QStringLiteral("Неизвестный режим шифрования \"verify-all\" ([TLS] Mode): "
                           "подключение не выполнено. Допустимые значения: off, preferred, "
                           "required, verify-ca, verify-identity.");
    QTest::newRow("a mode that does not exist")
            << SettingsMap{{"TLS/Mode", "verify-all"}} << QStringList{refused, unknown} << false
            << QStringLiteral("error|Подключение|") + unknown;
    QTest::newRow("another client's spelling")
            << SettingsMap{{"TLS/Mode", "VERIFY_IDENTITY"}, {"TLS/CAFile", m_server.tlsCa}}
            << QStringList{connected, user, kEncryptedLine.pattern(), found} << true << QString();
    QTest::newRow("a CA file the mode does not use")
            << SettingsMap{{"TLS/Mode", "required"}, {"TLS/CAFile", m_server.tlsCa}}
            << QStringList{QStringLiteral("Файл CA \"%1\" не используется: в режиме required "
                                          "сертификат сервера не проверяется.")
                                   .arg(m_server.tlsCa),
                           connected, user, kEncryptedLine.pattern(), found}
            << true << QString();
    QTest::newRow("verify-ca without a CA file")
            << SettingsMap{{"TLS/Mode", "verify-ca"}}
            << QStringList{refused,
                           QStringLiteral("Режим verify-ca требует файла сертификатов CA ([TLS] "
                                          "CAFile), а он не задан: без него подошёл бы любой "
                                          "публичный сертификат для любого имени.")}
            << false << QString();
    const SettingsMap oldUser = {{"server/user", m_server.oldUser},
                                 {"server/password", m_server.oldPassword}};
    QTest::newRow("a pre-4.1 password, not allowed")
            << oldUser
            << QStringList{refused,
                           QStringLiteral("Сервер запросил пароль в формате до MySQL 4.1: он не "
                                          "защищён и легко подбирается, поэтому не отправлен. "
                                          "Разрешить его можно параметром [Login] "
                                          "OldPasswords=On.")}
            << true << QString();
    SettingsMap oldAllowed = oldUser;
    oldAllowed.insert(QStringLiteral("Login/OldPasswords"), QStringLiteral("On"));
    QTest::newRow("a pre-4.1 password, allowed")
            << oldAllowed << QStringList{connected, user, kEncryptedLine.pattern(), found} << true
            << QString();
}

void ConnectionTest::settingsDecideHowToConnect() {
    QFETCH(SettingsMap, settings);
    QFETCH(QStringList, lines);
    QFETCH(bool, reachesServer);
    QFETCH(QString, box);
    ServerLog log(m_server.generalLog);
    GuiDriver gui;
    // The window's own mode unless the case sets one.
    if (!settings.contains(QStringLiteral("TLS/Mode")))
        settings.insert(QStringLiteral("TLS/Mode"), QStringLiteral("preferred"));
    gui.writeSettings(GuiDriver::settingsFor(m_server, settings));
    gui.start();
    const QStringList shown = logLines(gui);
    QCOMPARE(shown.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(u'^'))
            QVERIFY2(QRegularExpression(lines[i]).match(shown[i]).hasMatch(), qPrintable(shown[i]));
        else
            QCOMPARE(shown[i], lines[i]);
    }
    if (!reachesServer)
        QVERIFY(log.commandsSinceMark().filter(QRegularExpression("^Connect\t")).isEmpty());
    QCOMPARE(gui.dialogs.describe(), box.isEmpty() ? QStringList() : QStringList{box});
    if (settings.value(QStringLiteral("TLS/Mode")) == QLatin1String("verify-all")) {
        // The word is shown as it stands, and kept when the settings are saved.
        QCOMPARE(gui.find<QComboBox>(QStringLiteral("tlsModeCombo"))->currentText(),
                 QStringLiteral("Неизвестный режим \"verify-all\""));
        gui.stop();
        QVERIFY(readFile(gui.settingsPath()).contains("\nMode=verify-all\n"));
    }
}

QTEST_MAIN(ConnectionTest)
#include "tst_connection.moc"

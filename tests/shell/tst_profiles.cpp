// Connection profiles through the real window: saving, choosing, deleting,
// the passwords in the (scripted) keyring or asked for, a broken
// Profiles.ini, and the live server's marks.
#include "GuiDriver.h"
#include "ProfileBook.h"
#include "ProfilePanel.h"
#include "ServerLog.h"
#include "Settings.h"
#include "SettingsPanel.h"
#include "StringGrid.h"
#include "TForm1.h"
#include "connection/ConnectionPage.h"
#include "uMysqlClient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kCaption = QStringLiteral("Управление БД Мангос.");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList logLines(GuiDriver& gui) {
    return gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))
            ->toPlainText()
            .split(u'\n', Qt::SkipEmptyParts);
}

int logins(const ServerLog& log) {
    return log.commandsSinceMark().filter(QRegularExpression(QStringLiteral("^Connect\t"))).size();
}

QString text(GuiDriver& gui, const char* name) {
    if (auto* edit = gui.find<QLineEdit>(QLatin1String(name)))
        return edit->text();
    return gui.find<QComboBox>(QLatin1String(name))->currentText();
}

bool checked(GuiDriver& gui, const char* name) {
    return gui.find<QCheckBox>(QLatin1String(name))->isChecked();
}

// A profile that reaches the test server, its password not in the file.
ConnectionProfile serverProfile(const TestServer& server, const QString& name) {
    ConnectionProfile profile;
    profile.name = name;
    profile.host = server.host;
    profile.port = QString::number(server.port);
    profile.user = server.user;
    if (TestServer::tlsCompressedRun())
        profile.tlsMode = QStringLiteral("required");
    profile.realmdDatabase = QStringLiteral("realmd");
    profile.mangosDatabase = QStringLiteral("mangos");
    profile.charactersDatabase = QStringLiteral("characters");
    profile.scriptdev2Database = QStringLiteral("scriptdev2");
    return profile;
}

void writeBook(GuiDriver& gui, const QList<ConnectionProfile>& profiles,
               const QString& last = QString()) {
    ProfileBook book(gui.directory());
    for (const ConnectionProfile& profile : profiles)
        book.add(profile);
    book.setLast(last);
    QVERIFY(book.save());
}

ProfileBook readBook(GuiDriver& gui) {
    ProfileBook book(gui.directory());
    book.load();
    return book;
}

} // namespace

class ProfilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void saveAsKeepsTheControlsAndPutsThePasswordInTheKeyring();
    void newNamesAreChecked_data();
    void newNamesAreChecked();
    void choosingFillsTheControlsAndIsRememberedForTheNextStart();
    void deleteAsksAndTakesThePasswordAlong();
    void brokenFileIsKeptAsideAndSaid();
    void settingsFileKeepsTheCurrentConnection();
    void withoutKeyringSaidOnceAndAskedAtConnect();
    void passwordInTheFileWhenTicked();
    void askedPasswordGoesToTheKeyringOnceItWorked();
    void connectingWithAProfileLogsInAnewAndReloadsTheLists();
    void liveProfileMarksTheWindowOnEveryPage();
    void confirmationsNameTheLiveProfile_data();
    void confirmationsNameTheLiveProfile();
    void aTestProfileTakesTheMarksAway();

private:
    TestServer m_server;
};

void ProfilesTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void ProfilesTest::saveAsKeepsTheControlsAndPutsThePasswordInTheKeyring() {
    GuiDriver gui;
    gui.start();
    gui.retype(QStringLiteral("dxDNEdit1"), QStringLiteral("db.example.org"));
    gui.retype(QStringLiteral("dxDNEdit2"), QStringLiteral("3307"));
    gui.type(QStringLiteral("dxDNEdit3"), QStringLiteral("gm"));
    gui.type(QStringLiteral("dxDNEdit4"), QStringLiteral("сек рет"));
    gui.type(QStringLiteral("ComboBox1"), QStringLiteral("classicrealmd"));
    gui.type(QStringLiteral("ComboBox2"), QStringLiteral("classicmangos"));
    gui.type(QStringLiteral("ComboBox3"), QStringLiteral("classiccharacters"));
    gui.click(QStringLiteral("dxButton8"));
    gui.choose(QStringLiteral("tlsModeCombo"), QStringLiteral("Только шифрованное"));
    gui.type(QStringLiteral("tlsServerKeyEdit"), QStringLiteral("/etc/keys/server.pem"));
    gui.click(QStringLiteral("tlsAllowServerKeyBox"));
    gui.click(QStringLiteral("dxButton8"));
    gui.click(QStringLiteral("liveServerBox"));
    gui.dialogs.answerNextTextDialogs({QStringLiteral("  Боевой  ")});
    gui.click(QStringLiteral("profileSaveAsButton"));

    QCOMPARE(gui.dialogs.describe(),
             QStringList{QStringLiteral("text|Сохранить профиль|Имя нового профиля:")});
    ConnectionProfile expected;
    expected.name = QStringLiteral("Боевой");
    expected.host = QStringLiteral("db.example.org");
    expected.port = QStringLiteral("3307");
    expected.user = QStringLiteral("gm");
    expected.tlsMode = QStringLiteral("required");
    expected.tlsServerPublicKey = QStringLiteral("/etc/keys/server.pem");
    expected.tlsAllowServerPublicKey = true;
    expected.realmdDatabase = QStringLiteral("classicrealmd");
    expected.mangosDatabase = QStringLiteral("classicmangos");
    expected.charactersDatabase = QStringLiteral("classiccharacters");
    expected.live = true;
    const ProfileBook book = readBook(gui);
    QCOMPARE(book.profiles(), QList<ConnectionProfile>{expected});
    QCOMPARE(book.last(), QStringLiteral("Боевой"));
    QVERIFY(!readFile(gui.profilesPath()).contains("сек рет"));
    QCOMPARE(gui.keychain.passwords,
             (QMap<QString, QString>{{QStringLiteral("Боевой"), QStringLiteral("сек рет")}}));
    QCOMPARE(text(gui, "profileCombo"), QStringLiteral("Боевой"));
    QVERIFY(gui.find<QWidget>(QStringLiteral("profileDeleteButton"))->isEnabled());
    QVERIFY(logLines(gui).contains(
            QStringLiteral("Пароль профиля «Боевой» записан в связку ключей.")));
}

void ProfilesTest::newNamesAreChecked_data() {
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<QString>("box");
    QTest::newRow("cancelled") << std::optional<QString>() << QString();
    QTest::newRow("empty") << std::optional<QString>(QString())
                           << QStringLiteral("error|Профили подключений|Имя профиля не может "
                                             "быть пустым.");
    QTest::newRow("blanks") << std::optional<QString>(QStringLiteral("   "))
                            << QStringLiteral("error|Профили подключений|Имя профиля не может "
                                              "быть пустым.");
    QTest::newRow("taken, other letter case")
            << std::optional<QString>(QStringLiteral("тест "))
            << QStringLiteral("error|Профили подключений|Профиль «Тест» уже есть. Выберите другое "
                              "имя или удалите тот профиль.");
}

void ProfilesTest::newNamesAreChecked() {
    QFETCH(std::optional<QString>, typed);
    QFETCH(QString, box);
    GuiDriver gui;
    writeBook(gui, {serverProfile(m_server, QStringLiteral("Тест"))});
    const QByteArray before = readFile(gui.profilesPath());
    gui.start();
    gui.type(QStringLiteral("dxDNEdit4"), QStringLiteral("pw"));
    gui.dialogs.answerNextTextDialogs({typed});
    gui.click(QStringLiteral("profileSaveAsButton"));

    QStringList boxes = {QStringLiteral("text|Сохранить профиль|Имя нового профиля:")};
    if (!box.isEmpty())
        boxes << box;
    QCOMPARE(gui.dialogs.describe(), boxes);
    QCOMPARE(readFile(gui.profilesPath()), before);
    QVERIFY(gui.keychain.calls.filter(QStringLiteral("store:")).isEmpty());
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("profileCombo"))->count(), 1);
}

void ProfilesTest::choosingFillsTheControlsAndIsRememberedForTheNextStart() {
    GuiDriver gui;
    ConnectionProfile test = serverProfile(m_server, QStringLiteral("Тест"));
    ConnectionProfile live;
    live.name = QStringLiteral("Боевой");
    live.host = QStringLiteral("live.example.org");
    live.port = QStringLiteral("3310");
    live.user = QStringLiteral("root");
    live.tlsMode = QStringLiteral("verify-ca");
    live.tlsCaFile = QStringLiteral("/etc/ssl/live-ca.pem");
    live.tlsServerPublicKey = QStringLiteral("/etc/ssl/live-key.pem");
    live.tlsAllowServerPublicKey = true;
    live.realmdDatabase = QStringLiteral("wotlkrealmd");
    live.mangosDatabase = QStringLiteral("wotlkmangos");
    live.charactersDatabase = QStringLiteral("wotlkcharacters");
    live.scriptdev2Database = QStringLiteral("wotlkscripts");
    live.schemaFamily = QStringLiteral("cmangos");
    live.live = true;
    live.passwordInFile = true;
    live.password = QStringLiteral("live-secret");
    writeBook(gui, {test, live});
    gui.keychain.passwords[QStringLiteral("Тест")] = QStringLiteral("test-secret");
    TForm1& window = gui.start();
    // No profile was chosen before: none is chosen now.
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("profileCombo"))->currentIndex(), -1);
    QCOMPARE(text(gui, "dxDNEdit1"), QStringLiteral("127.0.0.1"));
    QVERIFY(!gui.find<QWidget>(QStringLiteral("profileDeleteButton"))->isEnabled());

    gui.choose(QStringLiteral("profileCombo"), QStringLiteral("Боевой"));
    QCOMPARE(text(gui, "dxDNEdit1"), live.host);
    QCOMPARE(text(gui, "dxDNEdit2"), live.port);
    QCOMPARE(text(gui, "dxDNEdit3"), live.user);
    QCOMPARE(text(gui, "dxDNEdit4"), live.password);
    QCOMPARE(text(gui, "ComboBox1"), live.realmdDatabase);
    QCOMPARE(text(gui, "ComboBox2"), live.mangosDatabase);
    QCOMPARE(text(gui, "ComboBox3"), live.charactersDatabase);
    QCOMPARE(text(gui, "ComboBox4"), live.scriptdev2Database);
    QCOMPARE(window.settingsPanel()->connectionSettings().mode, live.tlsMode);
    QCOMPARE(text(gui, "tlsCaFileEdit"), live.tlsCaFile);
    QCOMPARE(text(gui, "tlsServerKeyEdit"), live.tlsServerPublicKey);
    QVERIFY(checked(gui, "tlsAllowServerKeyBox"));
    QCOMPARE(window.currentSettings().schemaFamily, QStringLiteral("cmangos"));
    QVERIFY(checked(gui, "liveServerBox"));
    QVERIFY(checked(gui, "passwordInFileBox"));
    QCOMPARE(readBook(gui).last(), QStringLiteral("Боевой"));
    // Its password is the file's: the keyring is not asked.
    QVERIFY(gui.keychain.calls.isEmpty());

    gui.choose(QStringLiteral("profileCombo"), QStringLiteral("Тест"));
    QCOMPARE(text(gui, "dxDNEdit1"), test.host);
    QCOMPARE(text(gui, "dxDNEdit4"), QStringLiteral("test-secret"));
    QCOMPARE(window.settingsPanel()->connectionSettings().mode, test.tlsMode);
    QCOMPARE(text(gui, "tlsCaFileEdit"), QString());
    QVERIFY(!checked(gui, "tlsAllowServerKeyBox"));
    QCOMPARE(window.currentSettings().schemaFamily, QStringLiteral("auto"));
    QVERIFY(!checked(gui, "liveServerBox"));
    QVERIFY(!checked(gui, "passwordInFileBox"));
    QCOMPARE(gui.keychain.calls, QStringList{QStringLiteral("read:Тест")});
    gui.stop();

    gui.start();
    QCOMPARE(text(gui, "profileCombo"), QStringLiteral("Тест"));
    QCOMPARE(text(gui, "dxDNEdit1"), test.host);
    QCOMPARE(text(gui, "dxDNEdit4"), QStringLiteral("test-secret"));
}

void ProfilesTest::deleteAsksAndTakesThePasswordAlong() {
    GuiDriver gui;
    writeBook(gui,
              {serverProfile(m_server, QStringLiteral("A")),
               serverProfile(m_server, QStringLiteral("B"))},
              QStringLiteral("A"));
    gui.keychain.passwords = {{QStringLiteral("A"), QStringLiteral("a")},
                              {QStringLiteral("B"), QStringLiteral("b")}};
    gui.start();
    QCOMPARE(text(gui, "profileCombo"), QStringLiteral("A"));

    gui.dialogs.answerNextConfirmations({false});
    gui.click(QStringLiteral("profileDeleteButton"));
    QCOMPARE(gui.dialogs.describe(),
             QStringList{QStringLiteral("confirmation|Удаление профиля|Удалить профиль «A»?")});
    QCOMPARE(readBook(gui).profiles().size(), 2);
    QCOMPARE(gui.keychain.passwords.size(), 2);

    gui.dialogs.answerNextConfirmations({true});
    gui.click(QStringLiteral("profileDeleteButton"));
    const ProfileBook book = readBook(gui);
    QCOMPARE(book.profiles().size(), 1);
    QCOMPARE(book.profiles().first().name, QStringLiteral("B"));
    QCOMPARE(book.last(), QString());
    QCOMPARE(gui.keychain.passwords,
             (QMap<QString, QString>{{QStringLiteral("B"), QStringLiteral("b")}}));
    auto* combo = gui.find<QComboBox>(QStringLiteral("profileCombo"));
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(!gui.find<QWidget>(QStringLiteral("profileDeleteButton"))->isEnabled());
    // The controls keep the connection.
    QCOMPARE(text(gui, "dxDNEdit1"), m_server.host);
}

void ProfilesTest::brokenFileIsKeptAsideAndSaid() {
    GuiDriver gui;
    const QByteArray broken = "[Profile1]\nName=A\nHost=10.0.0.1\n[Profile2\nName=B\n";
    gui.writeProfiles(broken);
    gui.start();

    const QStringList aside =
            QDir(gui.directory()).entryList({QStringLiteral("Profiles.ini.broken-*")});
    QCOMPARE(aside.size(), 1);
    const QString movedTo = QDir(gui.directory()).filePath(aside.first());
    QCOMPARE(readFile(movedTo), broken);
    QVERIFY(!QFile::exists(gui.profilesPath()));
    const QString said =
            QStringLiteral("Файл профилей %1 не разобран (строка 4: неполное имя раздела). Он "
                           "сохранён как %2, список профилей начат заново.")
                    .arg(gui.profilesPath(), movedTo);
    QCOMPARE(gui.dialogs.describe(),
             QStringList{QStringLiteral("error|Профили подключений|") + said});
    QVERIFY(logLines(gui).contains(said));
    QCOMPARE(gui.find<QComboBox>(QStringLiteral("profileCombo"))->count(), 0);

    gui.dialogs.answerNextTextDialogs({QStringLiteral("Новый")});
    gui.click(QStringLiteral("profileSaveAsButton"));
    QCOMPARE(readBook(gui).profiles().size(), 1);
    QCOMPARE(readFile(movedTo), broken);
}

void ProfilesTest::settingsFileKeepsTheCurrentConnection() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("server/autologin"), QStringLiteral("Off")}}));
    ConnectionProfile old = serverProfile(m_server, QStringLiteral("Старый"));
    old.realmdDatabase = QStringLiteral("realmd_old");
    old.charactersDatabase = QStringLiteral("characters_old");
    writeBook(gui, {old}, old.name);
    gui.keychain.passwords[old.name] = m_server.password;
    gui.start();
    gui.stop();

    // The sixteen keys hold the profile's connection; its password stays in
    // the keyring, and nothing of the profiles goes into Settings.ini.
    const Settings settings = loadSettings(gui.directory());
    QCOMPARE(settings.host, m_server.host);
    QCOMPARE(settings.realmdDatabase, QStringLiteral("realmd_old"));
    QCOMPARE(settings.charactersDatabase, QStringLiteral("characters_old"));
    QCOMPARE(settings.password, QString());
    const QByteArray file = readFile(gui.settingsPath());
    QVERIFY(file.contains("password=\n"));
    QVERIFY(!file.contains("Старый"));
    QVERIFY(!file.contains(m_server.password.toUtf8()));

    // Without the profile chosen the file is read as before.
    QFile::remove(gui.profilesPath());
    gui.start();
    QCOMPARE(text(gui, "ComboBox1"), QStringLiteral("realmd_old"));
    QCOMPARE(text(gui, "dxDNEdit4"), QString());
}

void ProfilesTest::withoutKeyringSaidOnceAndAskedAtConnect() {
    GuiDriver gui;
    gui.keychain.serviceAnswers = false;
    writeBook(gui,
              {serverProfile(m_server, QStringLiteral("Тест")),
               serverProfile(m_server, QStringLiteral("Другой"))},
              QStringLiteral("Тест"));
    TForm1& window = gui.start();
    const auto saidLines = [&] {
        return logLines(gui).filter(QRegularExpression(QStringLiteral("^Связка ключей")));
    };
    QCOMPARE(saidLines(),
             QStringList{QStringLiteral(
                     "Связка ключей недоступна (The name org.freedesktop.secrets was not "
                     "provided by any .service files): пароли профилей в ней не хранятся. "
                     "Пароль спрашивается при подключении; чтобы хранить его в Profiles.ini, "
                     "отметьте «Запомнить пароль в файле» и сохраните профиль.")});
    gui.choose(QStringLiteral("profileCombo"), QStringLiteral("Другой"));
    gui.choose(QStringLiteral("profileCombo"), QStringLiteral("Тест"));
    QCOMPARE(saidLines().size(), 1);
    QCOMPARE(text(gui, "dxDNEdit4"), QString());

    // Cancelled: no login.
    ServerLog log(m_server.generalLog);
    gui.dialogs.clear();
    gui.dialogs.answerNextTextDialogs({std::nullopt});
    gui.click(QStringLiteral("dxButton1"));
    QCOMPARE(gui.dialogs.textRequests().size(), 1);
    const DialogService::TextRequest asked = gui.dialogs.textRequests().first();
    QVERIFY(asked.hidden);
    QCOMPARE(asked.label, QStringLiteral("Пароль пользователя %1 на %2:%3 (профиль «Тест»):")
                                  .arg(m_server.user, m_server.host)
                                  .arg(m_server.port));
    QCOMPARE(logins(log), 0);
    QCOMPARE(window.windowTitle(), kCaption);

    gui.dialogs.answerNextTextDialogs({m_server.password});
    gui.click(QStringLiteral("dxButton1"));
    QCOMPARE(logins(log), 1);
    QVERIFY(window.context().session().Connected());
    QCOMPARE(window.windowTitle(), kCaption + QStringLiteral(" — «Тест»"));
    // Asked once for this choice; the service is not tried for storing.
    gui.click(QStringLiteral("dxButton1"));
    QCOMPARE(gui.dialogs.textRequests().size(), 2);
    QCOMPARE(logins(log), 2);
    QCOMPARE(saidLines().size(), 1);
    QVERIFY(gui.keychain.calls.filter(QStringLiteral("store:")).isEmpty());
}

void ProfilesTest::passwordInTheFileWhenTicked() {
    GuiDriver gui;
    gui.keychain.serviceAnswers = false;
    gui.start();
    gui.retype(QStringLiteral("dxDNEdit1"), m_server.host);
    gui.retype(QStringLiteral("dxDNEdit2"), QString::number(m_server.port));
    gui.type(QStringLiteral("dxDNEdit3"), m_server.user);
    gui.type(QStringLiteral("dxDNEdit4"), m_server.password);
    if (TestServer::tlsCompressedRun()) {
        gui.click(QStringLiteral("dxButton8"));
        gui.choose(QStringLiteral("tlsModeCombo"), QStringLiteral("Только шифрованное"));
        gui.click(QStringLiteral("dxButton8"));
    }
    gui.click(QStringLiteral("passwordInFileBox"));
    gui.dialogs.answerNextTextDialogs({QStringLiteral("В файле")});
    gui.click(QStringLiteral("profileSaveAsButton"));
    QVERIFY(readFile(gui.profilesPath()).contains("Password=" + m_server.password.toUtf8()));
    QVERIFY(gui.keychain.calls.isEmpty());
    gui.stop();

    gui.dialogs.clear();
    TForm1& window = gui.start();
    QCOMPARE(text(gui, "dxDNEdit4"), m_server.password);
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(gui.dialogs.textRequests().isEmpty());
    QVERIFY(window.context().session().Connected());
    QVERIFY(gui.keychain.calls.isEmpty());
}

void ProfilesTest::askedPasswordGoesToTheKeyringOnceItWorked() {
    GuiDriver gui;
    writeBook(gui, {serverProfile(m_server, QStringLiteral("Тест"))}, QStringLiteral("Тест"));
    TForm1& window = gui.start();
    QCOMPARE(gui.keychain.calls, QStringList{QStringLiteral("read:Тест")});

    gui.dialogs.answerNextTextDialogs({QStringLiteral("not-the-password")});
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(!window.context().session().Connected());
    QVERIFY(gui.keychain.passwords.isEmpty());

    gui.retype(QStringLiteral("dxDNEdit4"), m_server.password);
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(window.context().session().Connected());
    QCOMPARE(gui.dialogs.textRequests().size(), 1);
    QCOMPARE(gui.keychain.passwords,
             (QMap<QString, QString>{{QStringLiteral("Тест"), m_server.password}}));
}

void ProfilesTest::connectingWithAProfileLogsInAnewAndReloadsTheLists() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("Intreface/startpage"), QStringLiteral("Учетные записи")}}));
    ConnectionProfile old = serverProfile(m_server, QStringLiteral("Старые базы"));
    old.realmdDatabase = QStringLiteral("realmd_old");
    old.charactersDatabase = QStringLiteral("characters_old");
    writeBook(gui, {old});
    gui.keychain.passwords[old.name] = m_server.password;
    TForm1& window = gui.start();
    const QStringList accountsBefore = gui.gridColumn(QStringLiteral("StringGrid2"), 1);
    QVERIFY(!accountsBefore.isEmpty());

    // The accounts page stays in front while connecting.
    gui.choose(QStringLiteral("profileCombo"), old.name);
    ServerLog log(m_server.generalLog);
    window.context().guarded([&] { window.connectionPage()->connectToServer(); });
    QCOMPARE(logins(log), 1);
    QTRY_VERIFY(log.commandsSinceMark().contains(QStringLiteral("Quit\t")));
    QVERIFY(log.statementsSinceMark().contains(QStringLiteral("use `realmd_old`")));
    QVERIFY(gui.gridColumn(QStringLiteral("StringGrid2"), 1) != accountsBefore);

    // The characters list is loaded from the new databases when shown.
    log.mark();
    window.pageControl()->setCurrentIndex(2);
    QVERIFY(log.statementsSinceMark().contains(QStringLiteral("use `characters_old`")));
}

void ProfilesTest::liveProfileMarksTheWindowOnEveryPage() {
    GuiDriver gui;
    ConnectionProfile live = serverProfile(m_server, QStringLiteral("Боевой"));
    live.live = true;
    writeBook(gui, {live}, live.name);
    gui.keychain.passwords[live.name] = m_server.password;
    TForm1& window = gui.start();
    QLabel* band = window.liveServerBand();
    QCOMPARE(band->objectName(), QStringLiteral("liveServerBand"));
    const QSize sizeBefore = window.size();
    const int pageHeight = window.pageControl()->height();
    // Chosen, not connected: no marks yet.
    QVERIFY(!band->isVisible());
    QCOMPARE(window.windowTitle(), kCaption);

    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(window.context().session().Connected());
    QCOMPARE(window.windowTitle(), kCaption + QStringLiteral(" — «Боевой» — БОЕВОЙ СЕРВЕР"));
    QCOMPARE(band->text(), QStringLiteral("БОЕВОЙ СЕРВЕР — профиль «Боевой» (%1:%2)")
                                   .arg(m_server.host)
                                   .arg(m_server.port));
    QCOMPARE(band->palette().color(QPalette::Window), QColor(192, 0, 0));
    QTRY_COMPARE(window.height(), sizeBefore.height() + band->height());
    for (int page = 0; page < window.pageControl()->count(); ++page) {
        window.pageControl()->setCurrentIndex(page);
        QTRY_COMPARE(window.pageControl()->height(), pageHeight);
        QVERIFY2(band->isVisible(), qPrintable(QString::number(page)));
        QCOMPARE(band->width(), window.width());
        QVERIFY(band->geometry().bottom() < window.pageControl()->geometry().top());
    }
}

void ProfilesTest::confirmationsNameTheLiveProfile_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("question");
    QTest::newRow("broadcast delete")
            << 1 << QStringLiteral("StringGrid1") << QStringLiteral("dxButton6")
            << QStringLiteral("Удаление")
            << QStringLiteral("Вы действительно хотите удалить это объявление?");
    QTest::newRow("account delete")
            << 3 << QStringLiteral("StringGrid2") << QStringLiteral("dxButton16")
            << QStringLiteral("Удаление аккаунта")
            << QStringLiteral("Вы действительно хотите удалить этот аккаунт?");
    QTest::newRow("realm delete") << 4 << QStringLiteral("StringGrid5")
                                  << QStringLiteral("dxButton25") << QStringLiteral("Удаление")
                                  << QStringLiteral("Вы действительно хотите удалить этот realm?");
}

void ProfilesTest::confirmationsNameTheLiveProfile() {
    QFETCH(int, page);
    QFETCH(QString, grid);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, question);
    GuiDriver gui;
    ConnectionProfile live = serverProfile(m_server, QStringLiteral("Боевой"));
    live.live = true;
    writeBook(gui, {live, serverProfile(m_server, QStringLiteral("Тест"))});
    gui.keychain.passwords = {{QStringLiteral("Боевой"), m_server.password},
                              {QStringLiteral("Тест"), m_server.password}};
    TForm1& window = gui.start();
    const auto confirmationAfterConnecting = [&](const QString& profile) {
        window.pageControl()->setCurrentIndex(0);
        gui.choose(QStringLiteral("profileCombo"), profile);
        gui.click(QStringLiteral("dxButton1"));
        window.pageControl()->setCurrentIndex(page);
        gui.selectCell(grid, 1, 1);
        gui.dialogs.clear();
        gui.click(button);
        return gui.dialogs.describe();
    };
    // Answered No: nothing changes.
    QCOMPARE(confirmationAfterConnecting(QStringLiteral("Боевой")),
             QStringList{QStringLiteral("confirmation|%1 — БОЕВОЙ СЕРВЕР «Боевой»|БОЕВОЙ "
                                        "СЕРВЕР, профиль «Боевой».\r\n%2")
                                 .arg(caption, question)});
    QCOMPARE(confirmationAfterConnecting(QStringLiteral("Тест")),
             QStringList{QStringLiteral("confirmation|%1|%2").arg(caption, question)});
}

void ProfilesTest::aTestProfileTakesTheMarksAway() {
    GuiDriver gui;
    ConnectionProfile live = serverProfile(m_server, QStringLiteral("Боевой"));
    live.live = true;
    writeBook(gui, {live, serverProfile(m_server, QStringLiteral("Тест"))}, live.name);
    gui.keychain.passwords = {{QStringLiteral("Боевой"), m_server.password},
                              {QStringLiteral("Тест"), m_server.password}};
    TForm1& window = gui.start();
    const QSize sizeBefore = window.size();
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(window.liveServerBand()->isVisible());

    gui.choose(QStringLiteral("profileCombo"), QStringLiteral("Тест"));
    gui.click(QStringLiteral("dxButton1"));
    QCOMPARE(window.windowTitle(), kCaption + QStringLiteral(" — «Тест»"));
    QVERIFY(!window.liveServerBand()->isVisible());
    QTRY_COMPARE(window.size(), sizeBefore);
    QCOMPARE(window.minimumSize(), QSize(750, 550));

    // A live profile that cannot log in leaves no marks either.
    gui.choose(QStringLiteral("profileCombo"), QStringLiteral("Боевой"));
    gui.retype(QStringLiteral("dxDNEdit4"), QStringLiteral("not-the-password"));
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(!window.context().session().Connected());
    QCOMPARE(window.windowTitle(), kCaption);
    QVERIFY(!window.liveServerBand()->isVisible());
}

QTEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"

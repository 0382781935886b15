#include "Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

Settings nonDefaultSettings() {
    Settings s;
    s.host = QStringLiteral("db.example.org");
    s.port = QStringLiteral("3307");
    s.user = QStringLiteral("админ");
    s.password = QStringLiteral("p=ss word");
    s.realmdDatabase = QStringLiteral("realmd");
    s.mangosDatabase = QStringLiteral("mangos");
    s.charactersDatabase = QStringLiteral("персонажи");
    s.scriptdev2Database = QStringLiteral("scriptdev2");
    s.autoLogin = true;
    s.exportUtf8 = true;
    s.startPage = QStringLiteral("Реалм");
    s.recordsLimit = QStringLiteral("500");
    s.erasePeriod = QStringLiteral("30");
    s.adminAccount = QStringLiteral("7");
    s.lowLevel = QStringLiteral("5");
    s.cheatMoney = QStringLiteral("2000000000");
    s.tlsMode = QStringLiteral("verify-identity");
    s.tlsCaFile = QStringLiteral("/home/админ/certs/ca.pem");
    s.tlsServerPublicKey = QStringLiteral("/home/админ/certs/server-key.pem");
    s.tlsAllowServerPublicKey = true;
    s.oldPasswords = true;
    s.remember = true;
    return s;
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void missingFileGivesDefaultsAndIsNotCreated();
    void switchWords_data();
    void switchWords();
    void blanksAndQuotesAroundValues_data();
    void blanksAndQuotesAroundValues();
    void newFileHasSectionsInOrderAndOwnerOnlyMode();
    void switchesOffAreWrittenAsOff();
    void existingFileUntouchedWhenNotRemembered();
    void existingFileUpdatedInPlace();
    void encryptionKeysJoinAnOlderFileOnceChanged();
    void existingFileKeepsItsMode();
    void roundTrip();
    void windows1251File_data();
    void windows1251File();
    void unwritableDirectoryReportsFailure();
};

void SettingsTest::missingFileGivesDefaultsAndIsNotCreated() {
    QTemporaryDir dir;
    const Settings loaded = loadSettings(dir.path());
    QCOMPARE(loaded, Settings{});
    QCOMPARE(loaded.host, QStringLiteral("127.0.0.1"));
    QCOMPARE(loaded.port, QStringLiteral("3306"));
    QCOMPARE(loaded.startPage, QStringLiteral("Подключение"));
    QCOMPARE(loaded.recordsLimit, QStringLiteral("Все"));
    QCOMPARE(loaded.erasePeriod, QStringLiteral("150"));
    QCOMPARE(loaded.adminAccount, QStringLiteral("0"));
    QCOMPARE(loaded.lowLevel, QStringLiteral("10"));
    QCOMPARE(loaded.cheatMoney, QStringLiteral("1000000000"));
    QCOMPARE(loaded.tlsMode, QStringLiteral("preferred"));
    QCOMPARE(loaded.tlsCaFile, QString());
    QCOMPARE(loaded.tlsServerPublicKey, QString());
    QVERIFY(!loaded.tlsAllowServerPublicKey);
    QVERIFY(!loaded.oldPasswords);
    QVERIFY(!loaded.remember);

    QVERIFY(saveSettings(dir.path(), loaded));
    QVERIFY(!QFileInfo::exists(settingsFilePath(dir.path())));
}

void SettingsTest::switchWords_data() {
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<bool>("on");
    QTest::newRow("On") << QByteArray("On") << true;
    QTest::newRow("ON") << QByteArray("ON") << true;
    QTest::newRow("oN") << QByteArray("oN") << true;
    QTest::newRow("on") << QByteArray("on") << true;
    QTest::newRow("blanks around") << QByteArray("  On\t") << true;
    QTest::newRow("quoted") << QByteArray("\"On\"") << true;
    QTest::newRow("Off") << QByteArray("Off") << false;
    QTest::newRow("yes") << QByteArray("yes") << false;
    QTest::newRow("1") << QByteArray("1") << false;
    QTest::newRow("On with more") << QByteArray("Once") << false;
    QTest::newRow("empty") << QByteArray("") << false;
}

void SettingsTest::switchWords() {
    QFETCH(QByteArray, word);
    QFETCH(bool, on);
    QTemporaryDir dir;
    writeAll(settingsFilePath(dir.path()), "[server]\nautologin=" + word + "\n[export]\nUTF-8=" +
                                                   word + "\n[TLS]\nAllowServerPublicKey=" + word +
                                                   "\n[Login]\nOldPasswords=" + word + "\n");
    const Settings loaded = loadSettings(dir.path());
    QCOMPARE(loaded.autoLogin, on);
    QCOMPARE(loaded.exportUtf8, on);
    QCOMPARE(loaded.tlsAllowServerPublicKey, on);
    QCOMPARE(loaded.oldPasswords, on);
    QVERIFY(loaded.remember);
}

void SettingsTest::blanksAndQuotesAroundValues_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("host");
    QTest::newRow("plain") << QByteArray("host=10.1.1.1") << QStringLiteral("10.1.1.1");
    QTest::newRow("blanks around")
            << QByteArray("  host  =  10.1.1.1 \t") << QStringLiteral("10.1.1.1");
    QTest::newRow("double quotes")
            << QByteArray("host = \"10.1.1.1\" ") << QStringLiteral("10.1.1.1");
    QTest::newRow("single quotes") << QByteArray("host='a b'") << QStringLiteral("a b");
    QTest::newRow("quotes keep inner blanks")
            << QByteArray("host=\" a \"") << QStringLiteral(" a ");
    QTest::newRow("unbalanced quote kept")
            << QByteArray("host=\"10.1.1.1") << QStringLiteral("\"10.1.1.1");
    QTest::newRow("mixed quotes kept") << QByteArray("host='x\"") << QStringLiteral("'x\"");
    QTest::newRow("key case") << QByteArray("HOST=h") << QStringLiteral("h");
    QTest::newRow("empty is missing") << QByteArray("host=") << QStringLiteral("127.0.0.1");
    QTest::newRow("empty quotes are missing")
            << QByteArray("host=\"\"") << QStringLiteral("127.0.0.1");
    QTest::newRow("CRLF line ends") << QByteArray("host=h\r") << QStringLiteral("h");
    QTest::newRow("Cyrillic") << QByteArray("host=сервер") << QStringLiteral("сервер");
}

void SettingsTest::blanksAndQuotesAroundValues() {
    QFETCH(QByteArray, line);
    QFETCH(QString, host);
    QTemporaryDir dir;
    writeAll(settingsFilePath(dir.path()), "[Server]\n" + line + "\n");
    QCOMPARE(loadSettings(dir.path()).host, host);
}

void SettingsTest::newFileHasSectionsInOrderAndOwnerOnlyMode() {
    QTemporaryDir dir;
    Settings settings;
    settings.user = QStringLiteral("root");
    settings.remember = true;
    QVERIFY(saveSettings(dir.path(), settings));
    const QString path = settingsFilePath(dir.path());
    QCOMPARE(QString::fromUtf8(readAll(path)), QStringLiteral("[server]\n"
                                                              "host=127.0.0.1\n"
                                                              "port=3306\n"
                                                              "user=root\n"
                                                              "password=\n"
                                                              "autologin=Off\n"
                                                              "[Base]\n"
                                                              "realmd=\n"
                                                              "mangos=\n"
                                                              "characters=\n"
                                                              "scriptdev2=\n"
                                                              "[export]\n"
                                                              "UTF-8=Off\n"
                                                              "[Intreface]\n"
                                                              "startpage=Подключение\n"
                                                              "RecordsLimit=Все\n"
                                                              "[Account]\n"
                                                              "ErasePeriod=150\n"
                                                              "AdminAccount=0\n"
                                                              "LowLevel=10\n"
                                                              "CheatMoney=1000000000\n"
                                                              "[TLS]\n"
                                                              "Mode=preferred\n"
                                                              "CAFile=\n"
                                                              "ServerPublicKey=\n"
                                                              "AllowServerPublicKey=Off\n"
                                                              "[Login]\n"
                                                              "OldPasswords=Off\n"
                                                              "[Schema]\n"
                                                              "Family=auto\n"));
    QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner);
}

void SettingsTest::switchesOffAreWrittenAsOff() {
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    writeAll(path, "[server]\nautologin=On\n[export]\nUTF-8=ON\n");
    Settings settings = loadSettings(dir.path());
    QVERIFY(settings.autoLogin && settings.exportUtf8);
    settings.autoLogin = false;
    settings.exportUtf8 = false;
    QVERIFY(saveSettings(dir.path(), settings));
    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.contains("\nautologin=Off\n"));
    QVERIFY(bytes.contains("\nUTF-8=Off\n"));
    const Settings reloaded = loadSettings(dir.path());
    QVERIFY(!reloaded.autoLogin && !reloaded.exportUtf8);
}

void SettingsTest::existingFileUntouchedWhenNotRemembered() {
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    const QByteArray original = "; hand-made\r\n[server]\r\nhost = \"db\"\r\n[Other]\r\nx=1";
    writeAll(path, original);
    const QDateTime modified = QFileInfo(path).lastModified();
    Settings settings = loadSettings(dir.path());
    QVERIFY(settings.remember);
    settings.host = QStringLiteral("changed");
    settings.remember = false;
    QTest::qWait(20);
    QVERIFY(saveSettings(dir.path(), settings));
    QCOMPARE(readAll(path), original);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
}

void SettingsTest::existingFileUpdatedInPlace() {
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    writeAll(path, "; realm administration\n"
                   "[SERVER]\n"
                   "Host = 10.0.0.5\n"
                   "extra=keep me\n"
                   "\n"
                   "[Custom]\n"
                   "foo = bar\n"
                   "[base]\n"
                   "realmd=\"realmd\"\n"
                   "; database comment\n"
                   "\n");
    Settings settings = loadSettings(dir.path());
    QCOMPARE(settings.host, QStringLiteral("10.0.0.5"));
    QCOMPARE(settings.realmdDatabase, QStringLiteral("realmd"));
    settings.host = QStringLiteral("127.0.0.1");
    settings.mangosDatabase = QStringLiteral("world");
    QVERIFY(saveSettings(dir.path(), settings));
    QCOMPARE(QString::fromUtf8(readAll(path)), QStringLiteral("; realm administration\n"
                                                              "[SERVER]\n"
                                                              "Host=127.0.0.1\n"
                                                              "extra=keep me\n"
                                                              "port=3306\n"
                                                              "user=\n"
                                                              "password=\n"
                                                              "autologin=Off\n"
                                                              "\n"
                                                              "[Custom]\n"
                                                              "foo = bar\n"
                                                              "[base]\n"
                                                              "realmd=\"realmd\"\n"
                                                              "; database comment\n"
                                                              "mangos=world\n"
                                                              "characters=\n"
                                                              "scriptdev2=\n"
                                                              "\n"
                                                              "[export]\n"
                                                              "UTF-8=Off\n"
                                                              "[Intreface]\n"
                                                              "startpage=Подключение\n"
                                                              "RecordsLimit=Все\n"
                                                              "[Account]\n"
                                                              "ErasePeriod=150\n"
                                                              "AdminAccount=0\n"
                                                              "LowLevel=10\n"
                                                              "CheatMoney=1000000000\n"));
}

void SettingsTest::encryptionKeysJoinAnOlderFileOnceChanged() {
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    writeAll(path, "[server]\nhost=db\n");
    Settings settings = loadSettings(dir.path());
    QVERIFY(saveSettings(dir.path(), settings));
    QVERIFY(!readAll(path).contains("[TLS]"));
    settings.tlsMode = QStringLiteral("required");
    QVERIFY(saveSettings(dir.path(), settings));
    QVERIFY(readAll(path).endsWith("[TLS]\nMode=required\n"));
    // Once there, the section stays, with the default as any other value.
    settings.tlsMode = QStringLiteral("preferred");
    QVERIFY(saveSettings(dir.path(), settings));
    QVERIFY(readAll(path).endsWith("[TLS]\nMode=preferred\n"));
    QCOMPARE(loadSettings(dir.path()), settings);
}

void SettingsTest::existingFileKeepsItsMode() {
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    writeAll(path, "[server]\nhost=a\n");
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(path, mode));
    Settings settings = loadSettings(dir.path());
    settings.host = QStringLiteral("b");
    QVERIFY(saveSettings(dir.path(), settings));
    QCOMPARE(loadSettings(dir.path()).host, QStringLiteral("b"));
    QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             mode);
}

void SettingsTest::roundTrip() {
    QTemporaryDir dir;
    const Settings settings = nonDefaultSettings();
    QVERIFY(saveSettings(dir.path(), settings));
    QCOMPARE(loadSettings(dir.path()), settings);
    // Saving the same values again leaves the file as it is.
    const QByteArray first = readAll(settingsFilePath(dir.path()));
    QVERIFY(saveSettings(dir.path(), settings));
    QCOMPARE(readAll(settingsFilePath(dir.path())), first);
}

namespace {

// A file written on Windows by an earlier version: Windows-1251 bytes, CR LF
// line ends, a comment and a section of its own. "%1" stands for the user.
QByteArray windowsFile(const QByteArray& user) {
    return QByteArray("; \xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8\r\n" // "; Настройки"
                      "[server]\r\n"
                      "host=127.0.0.1\r\n"
                      "port=3306\r\n"
                      "user=%1\r\n"
                      "password=\xEF\xE0\xF0\xEE\xEB\xFC\r\n" // "пароль"
                      "autologin=On\r\n"
                      "[Base]\r\n"
                      "realmd=realmd\r\n"
                      "mangos=mangos\r\n"
                      "characters=characters\r\n"
                      "scriptdev2=scriptdev2\r\n"
                      "[export]\r\n"
                      "UTF-8=Off\r\n"
                      "[Intreface]\r\n"
                      "startpage=\xD0\xE5\xE0\xEB\xEC\r\n" // "Реалм"
                      "RecordsLimit=\xC2\xF1\xE5\r\n"      // "Все"
                      "[Account]\r\n"
                      "ErasePeriod=150\r\n"
                      "AdminAccount=0\r\n"
                      "LowLevel=10\r\n"
                      "CheatMoney=1000000000\r\n"
                      "[\xD0\xE0\xE7\xED\xEE\xE5]\r\n" // "[Разное]"
                      "x=\xE4\xE0\r\n")                // "да"
            .replace("%1", user);
}

} // namespace

void SettingsTest::windows1251File_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QByteArray>("written"); // empty: the file is not written
    QTest::newRow("nothing changed") << QStringLiteral("админ") << QByteArray();
    QTest::newRow("a changed value is written in Windows-1251")
            << QStringLiteral("оператор") << windowsFile("\xEE\xEF\xE5\xF0\xE0\xF2\xEE\xF0");
    // Nothing may be lost: a character without a Windows-1251 form turns the
    // whole file into UTF-8.
    QTest::newRow("a value without a Windows-1251 form makes the file UTF-8")
            << QStringLiteral("админ ✓")
            << QString::fromUtf8("; Настройки\r\n[server]\r\nhost=127.0.0.1\r\nport=3306\r\n"
                                 "user=админ ✓\r\npassword=пароль\r\nautologin=On\r\n"
                                 "[Base]\r\nrealmd=realmd\r\nmangos=mangos\r\n"
                                 "characters=characters\r\nscriptdev2=scriptdev2\r\n"
                                 "[export]\r\nUTF-8=Off\r\n[Intreface]\r\nstartpage=Реалм\r\n"
                                 "RecordsLimit=Все\r\n[Account]\r\nErasePeriod=150\r\n"
                                 "AdminAccount=0\r\nLowLevel=10\r\nCheatMoney=1000000000\r\n"
                                 "[Разное]\r\nx=да\r\n")
                       .toUtf8();
}

void SettingsTest::windows1251File() {
    QFETCH(QString, user);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    const QByteArray original = windowsFile("\xE0\xE4\xEC\xE8\xED"); // "админ"
    writeAll(path, original);

    Settings settings = loadSettings(dir.path());
    QCOMPARE(settings.user, QStringLiteral("админ"));
    QCOMPARE(settings.password, QStringLiteral("пароль"));
    QCOMPARE(settings.startPage, QStringLiteral("Реалм"));
    QCOMPARE(settings.recordsLimit, QStringLiteral("Все"));
    QVERIFY(settings.autoLogin);

    settings.user = user;
    QVERIFY(saveSettings(dir.path(), settings));
    QCOMPARE(readAll(path), written.isEmpty() ? original : written);
    QCOMPARE(loadSettings(dir.path()), settings);
}

void SettingsTest::unwritableDirectoryReportsFailure() {
    const Settings settings = nonDefaultSettings();
    QVERIFY(!saveSettings(QStringLiteral("/nonexistent/realmdesk"), settings));
    QCOMPARE(loadSettings(QStringLiteral("/nonexistent/realmdesk")), Settings{});
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"

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
    void existingFileKeepsItsMode();
    void roundTrip();
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
    writeAll(settingsFilePath(dir.path()),
             "[server]\nautologin=" + word + "\n[export]\nUTF-8=" + word + "\n");
    const Settings loaded = loadSettings(dir.path());
    QCOMPARE(loaded.autoLogin, on);
    QCOMPARE(loaded.exportUtf8, on);
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
                                                              "CAFile=\n"));
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
                                                              "CheatMoney=1000000000\n"
                                                              "[TLS]\n"
                                                              "Mode=preferred\n"
                                                              "CAFile=\n"));
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

void SettingsTest::unwritableDirectoryReportsFailure() {
    const Settings settings = nonDefaultSettings();
    QVERIFY(!saveSettings(QStringLiteral("/nonexistent/realmdesk"), settings));
    QCOMPARE(loadSettings(QStringLiteral("/nonexistent/realmdesk")), Settings{});
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"

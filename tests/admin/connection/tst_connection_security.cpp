// The encryption settings as the window stores and shows them: the words of
// the settings file, the choice box, and the connection log's lines.
#include "connection/ConnectionSecurity.h"

#include <QTest>

using mysql::TTlsFailure;
using mysql::TTlsMode;

Q_DECLARE_METATYPE(TTlsMode)
Q_DECLARE_METATYPE(TTlsFailure)

class ConnectionSecurityTest : public QObject {
    Q_OBJECT

private slots:
    void keywords_data();
    void keywords();
    void optionsFromSettings();
    void captionsFollowTheModes();
    void encryptionLines();
    void failureLines_data();
    void failureLines();
};

void ConnectionSecurityTest::keywords_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("mode"); // -1: no mode
    QTest::addColumn<QString>("written");
    const auto row = [](const char* name, const char* word, int mode, const char* written) {
        QTest::newRow(name) << QString::fromLatin1(word) << mode << QString::fromLatin1(written);
    };
    row("off", "off", int(TTlsMode::Off), "off");
    row("preferred", "preferred", int(TTlsMode::Preferred), "preferred");
    row("required", "required", int(TTlsMode::Required), "required");
    row("verify-ca", "verify-ca", int(TTlsMode::VerifyCa), "verify-ca");
    row("verify-identity", "verify-identity", int(TTlsMode::VerifyIdentity), "verify-identity");
    // The spellings of other MySQL clients, in any letter case.
    row("letter case", "Verify-CA", int(TTlsMode::VerifyCa), "verify-ca");
    row("underscore", "VERIFY_IDENTITY", int(TTlsMode::VerifyIdentity), "verify-identity");
    row("DISABLED", "DISABLED", int(TTlsMode::Off), "off");
    row("REQUIRED", "REQUIRED", int(TTlsMode::Required), "required");
    row("blanks around", " preferred ", int(TTlsMode::Preferred), "preferred");
    // A word that names no mode is no mode at all: never the default, never
    // "off".
    row("unknown word", "yes", -1, "");
    row("a near miss", "verify", -1, "");
    row("empty", "", -1, "");
}

void ConnectionSecurityTest::keywords() {
    QFETCH(QString, word);
    QFETCH(int, mode);
    QFETCH(QString, written);
    const std::optional<TTlsMode> parsed = security::parseMode(word);
    QCOMPARE(parsed ? int(*parsed) : -1, mode);
    if (parsed)
        QCOMPARE(security::modeKeyword(*parsed), written);
}

void ConnectionSecurityTest::optionsFromSettings() {
    security::ConnectionSettings settings;
    settings.mode = QStringLiteral("VERIFY_CA");
    settings.caFile = QStringLiteral("/etc/ca.pem");
    settings.serverPublicKey = QStringLiteral("/etc/server-key.pem");
    settings.allowServerPublicKey = true;
    settings.oldPasswords = true;
    security::ConnectionOptions options = security::connectionOptions(settings);
    QVERIFY(options.refusal.isEmpty());
    QCOMPARE(options.tls.Mode, TTlsMode::VerifyCa);
    QCOMPARE(options.tls.CaFile, std::string("/etc/ca.pem"));
    QCOMPARE(options.auth.ServerPublicKeyFile, std::string("/etc/server-key.pem"));
    QVERIFY(options.auth.AllowServerPublicKey);
    QVERIFY(options.auth.AllowOldPasswords);
    QVERIFY(options.notes.isEmpty());

    // A CA file that the mode does not use is said so.
    for (const char* mode : {"preferred", "required"}) {
        settings.mode = QLatin1String(mode);
        options = security::connectionOptions(settings);
        QCOMPARE(options.notes,
                 QStringList{QStringLiteral("Файл CA \"/etc/ca.pem\" не используется: в режиме "
                                            "%1 сертификат сервера не проверяется.")
                                     .arg(QLatin1String(mode))});
    }

    // A mode that does not exist refuses, naming the word.
    settings.mode = QStringLiteral("verify-all");
    options = security::connectionOptions(settings);
    QVERIFY(options.refusal.contains(QStringLiteral("\"verify-all\"")));
}

void ConnectionSecurityTest::captionsFollowTheModes() {
    const QStringList captions = security::modeCaptions();
    QCOMPARE(captions, QStringList({QStringLiteral("Не шифровать"),
                                    QStringLiteral("Шифровать, если сервер может"),
                                    QStringLiteral("Только шифрованное"),
                                    QStringLiteral("Проверять сертификат по CA"),
                                    QStringLiteral("Проверять сертификат и имя")}));
    for (TTlsMode mode : security::kModes)
        QCOMPARE(security::kModes[security::modeIndex(mode)], mode);
}

void ConnectionSecurityTest::encryptionLines() {
    QCOMPARE(security::encryptionLogLine(true, QStringLiteral("TLSv1.3"),
                                         QStringLiteral("TLS_AES_256_GCM_SHA384")),
             QStringLiteral("Соединение зашифровано: TLSv1.3, TLS_AES_256_GCM_SHA384."));
    QCOMPARE(security::encryptionLogLine(false, {}, {}),
             QStringLiteral("Соединение не зашифровано."));
}

void ConnectionSecurityTest::failureLines_data() {
    QTest::addColumn<TTlsFailure>("failure");
    QTest::addColumn<QString>("line");
    const QString reason = QStringLiteral("SSL connection error: hostname mismatch");
    QTest::newRow("none") << TTlsFailure::None << QString();
    QTest::newRow("not offered")
            << TTlsFailure::NotOffered
            << QStringLiteral("Сервер не поддерживает шифрование соединения, а выбранный режим его "
                              "требует.");
    QTest::newRow("CA file") << TTlsFailure::CaFile
                             << QStringLiteral(
                                        "Не удалось прочитать файл сертификатов CA \"/x/ca.pem\".");
    QTest::newRow("certificate")
            << TTlsFailure::Certificate
            << QStringLiteral("Сертификат сервера не прошёл проверку (%1).").arg(reason);
    QTest::newRow("host name")
            << TTlsFailure::HostName
            << QStringLiteral("Сертификат сервера выдан не для \"db.example.org\" (%1).")
                       .arg(reason);
    QTest::newRow("handshake")
            << TTlsFailure::Handshake
            << QStringLiteral("Не удалось установить зашифрованное соединение (%1).").arg(reason);
}

void ConnectionSecurityTest::failureLines() {
    QFETCH(TTlsFailure, failure);
    QFETCH(QString, line);
    QCOMPARE(security::failureLogLine(
                     failure, QStringLiteral("SSL connection error: hostname mismatch"),
                     QStringLiteral("db.example.org"), QStringLiteral("/x/ca.pem")),
             line);
}

QTEST_APPLESS_MAIN(ConnectionSecurityTest)
#include "tst_connection_security.moc"

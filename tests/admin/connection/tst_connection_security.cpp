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
    void captionsFollowTheModes();
    void encryptionLines();
    void failureLines_data();
    void failureLines();
};

void ConnectionSecurityTest::keywords_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<TTlsMode>("mode");
    QTest::addColumn<QString>("written");
    QTest::newRow("off") << QStringLiteral("off") << TTlsMode::Off << QStringLiteral("off");
    QTest::newRow("preferred") << QStringLiteral("preferred") << TTlsMode::Preferred
                               << QStringLiteral("preferred");
    QTest::newRow("required") << QStringLiteral("required") << TTlsMode::Required
                              << QStringLiteral("required");
    QTest::newRow("verify-ca") << QStringLiteral("verify-ca") << TTlsMode::VerifyCa
                               << QStringLiteral("verify-ca");
    QTest::newRow("verify-identity")
            << QStringLiteral("verify-identity") << TTlsMode::VerifyIdentity
            << QStringLiteral("verify-identity");
    QTest::newRow("letter case") << QStringLiteral("Verify-CA") << TTlsMode::VerifyCa
                                 << QStringLiteral("verify-ca");
    // A word that names no mode falls back to the default, never to "off".
    QTest::newRow("unknown word") << QStringLiteral("yes") << TTlsMode::Preferred
                                  << QStringLiteral("preferred");
    QTest::newRow("empty") << QString() << TTlsMode::Preferred << QStringLiteral("preferred");
}

void ConnectionSecurityTest::keywords() {
    QFETCH(QString, word);
    QFETCH(TTlsMode, mode);
    QFETCH(QString, written);
    QCOMPARE(security::modeFromKeyword(word), mode);
    QCOMPARE(security::modeKeyword(mode), written);
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

// The desktop's keyring where no secret service answers: every call comes
// back, within its time limit, as "unavailable" with a reason, never as a
// password found or missing.
#include "QtKeychainStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class KeychainStoreTest : public QObject {
    Q_OBJECT

private slots:
    void withoutServiceEveryCallIsUnavailable();
};

void KeychainStoreTest::withoutServiceEveryCallIsUnavailable() {
    QtKeychainStore store(QStringLiteral("realmdesk-test"), std::chrono::seconds(20));
    QElapsedTimer timer;
    timer.start();
    const Keychain::Answer answers[] = {
            store.store(QStringLiteral("Тест"), QStringLiteral("secret")),
            store.read(QStringLiteral("Тест")),
            store.remove(QStringLiteral("Тест")),
    };
    for (const Keychain::Answer& answer : answers) {
        QCOMPARE(answer.status, Keychain::Status::Unavailable);
        QVERIFY(!answer.error.isEmpty());
        QVERIFY(answer.password.isEmpty());
    }
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
}

int main(int argc, char* argv[]) {
    // A session bus address where nothing listens, and no desktop to guess.
    QTemporaryDir nowhere;
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            QByteArray("unix:path=") + nowhere.filePath(QStringLiteral("no-bus")).toUtf8());
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("DESKTOP_SESSION");
    qunsetenv("KDE_FULL_SESSION");
    qunsetenv("GNOME_DESKTOP_SESSION_ID");
    QCoreApplication app(argc, argv);
    KeychainStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keychain_store.moc"

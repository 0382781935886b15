// Writes a picture of the window for each page, with the test data, so that
// the layout can be looked at (build tree, folder "review").
#include "GuiDriver.h"
#include "ProfileBook.h"
#include "ReviewPictures.h"
#include "TForm1.h"

#include <QTabWidget>
#include <QTest>

class ReviewPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pages_data();
    void pages();
    void settingsPanel();
    void profiles();
    void liveServer_data();
    void liveServer();

private:
    // Profiles.ini with a test copy and the live server, both on the test
    // server; the live one chosen.
    void writeProfiles(GuiDriver& gui);

    TestServer m_server;
};

void ReviewPictures::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void ReviewPictures::pages_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::newRow("connection") << 0 << QStringLiteral("page-1-connection");
    QTest::newRow("broadcasts") << 1 << QStringLiteral("page-2-broadcasts");
    QTest::newRow("characters") << 2 << QStringLiteral("page-3-characters");
    QTest::newRow("accounts") << 3 << QStringLiteral("page-4-accounts");
    QTest::newRow("realm") << 4 << QStringLiteral("page-5-realm");
}

void ReviewPictures::pages() {
    QFETCH(int, page);
    QFETCH(QString, name);
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server));
    TForm1& window = gui.start();
    window.pageControl()->setCurrentIndex(page);
    QVERIFY(writeReviewPicture(gui, name));
}

void ReviewPictures::settingsPanel() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server));
    gui.start();
    gui.click(QStringLiteral("dxButton8"));
    QVERIFY(writeReviewPicture(gui, QStringLiteral("page-1-connection-settings")));
}

void ReviewPictures::writeProfiles(GuiDriver& gui) {
    ProfileBook book(gui.directory());
    for (const char* name : {"Тестовая копия", "Боевой"}) {
        ConnectionProfile profile;
        profile.name = QString::fromUtf8(name);
        profile.host = m_server.host;
        profile.port = QString::number(m_server.port);
        profile.user = m_server.user;
        if (TestServer::tlsCompressedRun())
            profile.tlsMode = QStringLiteral("required");
        profile.realmdDatabase = QStringLiteral("realmd");
        profile.mangosDatabase = QStringLiteral("mangos");
        profile.charactersDatabase = QStringLiteral("characters");
        profile.scriptdev2Database = QStringLiteral("scriptdev2");
        profile.live = profile.name == QStringLiteral("Боевой");
        book.add(profile);
        gui.keychain.passwords[profile.name] = m_server.password;
    }
    book.setLast(QStringLiteral("Боевой"));
    QVERIFY(book.save());
}

void ReviewPictures::profiles() {
    GuiDriver gui;
    writeProfiles(gui);
    gui.start();
    gui.choose(QStringLiteral("profileCombo"), QStringLiteral("Тестовая копия"));
    gui.click(QStringLiteral("dxButton1"));
    QVERIFY(writeReviewPicture(gui, QStringLiteral("profiles-connection")));
}

void ReviewPictures::liveServer_data() {
    pages_data();
}

void ReviewPictures::liveServer() {
    QFETCH(int, page);
    QFETCH(QString, name);
    GuiDriver gui;
    writeProfiles(gui);
    TForm1& window = gui.start();
    gui.click(QStringLiteral("dxButton1"));
    window.pageControl()->setCurrentIndex(page);
    QVERIFY(writeReviewPicture(gui, QStringLiteral("live-server-") + name.mid(5)));
}

QTEST_MAIN(ReviewPictures)
#include "tst_review.moc"

// Writes a picture of the window for each page, with the test data, so that
// the layout can be looked at (build tree, folder "review").
#include "GuiDriver.h"
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

private:
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

QTEST_MAIN(ReviewPictures)
#include "tst_review.moc"

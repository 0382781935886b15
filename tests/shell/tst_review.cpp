// Writes a picture of the window for each page, with the test data, so that
// the layout can be looked at (build tree, folder "review").
#include "GuiDriver.h"
#include "TForm1.h"

#include <QDir>
#include <QFileInfo>
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
    bool grab(GuiDriver& gui, const QString& name);

    TestServer m_server;
    QDir m_outputDir;
};

void ReviewPictures::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
    m_outputDir = QDir(QStringLiteral(REALMDESK_REVIEW_DIR));
    QVERIFY(m_outputDir.mkpath(QStringLiteral(".")));
}

bool ReviewPictures::grab(GuiDriver& gui, const QString& name) {
    const QString path = m_outputDir.filePath(name + QStringLiteral(".png"));
    QFile::remove(path);
    return gui.grabWindow(path) && QFileInfo(path).size() > 0;
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
    QVERIFY(grab(gui, name));
}

void ReviewPictures::settingsPanel() {
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server));
    gui.start();
    gui.click(QStringLiteral("dxButton8"));
    QVERIFY(grab(gui, QStringLiteral("page-1-connection-settings")));
}

QTEST_MAIN(ReviewPictures)
#include "tst_review.moc"

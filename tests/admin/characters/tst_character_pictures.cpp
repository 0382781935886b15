// Pictures of the character page with the demo data, one for each sub-page
// of the details panel, for people to look at (build tree, folder "review").
#include "ReviewPictures.h"
#include "characters/CharacterPageTesting.h"

#include <QTabWidget>

using namespace characterpage;

class CharacterPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void subPages_data();
    void subPages();

private:
    TestServer m_server;
};

void CharacterPicturesTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void CharacterPicturesTest::subPages_data() {
    QTest::addColumn<int>("subPage");
    QTest::addColumn<QString>("name");
    QTest::newRow("Данные") << 0 << "page-3-characters-1-fields";
    QTest::newRow("Data") << 1 << "page-3-characters-2-data";
    QTest::newRow("Дополнит.") << 2 << "page-3-characters-3-row";
    QTest::newRow("Квесты") << 3 << "page-3-characters-4-quests";
    QTest::newRow("Spells") << 4 << "page-3-characters-5-spells";
    QTest::newRow("Вещи") << 5 << "page-3-characters-6-items";
}

void CharacterPicturesTest::subPages() {
    QFETCH(int, subPage);
    QFETCH(QString, name);
    GuiDriver gui;
    start(gui, m_server);
    // An online character with quests, items and spells.
    QVERIFY(selectCharacter(gui, "5"));
    gui.find<QTabWidget>("characterDetails")->setCurrentIndex(subPage);
    QVERIFY(writeReviewPicture(gui, name));
}

QTEST_MAIN(CharacterPicturesTest)
#include "tst_character_pictures.moc"

// The change journal and the undo scripts as the window keeps them: the
// journal folder in the settings panel, the journal of a session of
// operations, and a journal folder that cannot be written.
#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "TForm1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

namespace {

mode_t modeOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & 0777;
}

QString journalFolder(const GuiDriver& gui) {
    return QDir(gui.directory()).filePath(QStringLiteral("journal"));
}

} // namespace

class ChangeJournalTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void journalFolderInTheSettingsPanel();

private:
    TestServer m_server;
    bool m_changed = false;
};

void ChangeJournalTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void ChangeJournalTest::cleanup() {
    if (m_changed)
        QVERIFY(DatabaseProbe::reloadDatabases(m_server));
    m_changed = false;
}

void ChangeJournalTest::journalFolderInTheSettingsPanel() {
    GuiDriver gui;
    gui.start();
    gui.click(QStringLiteral("dxButton8"));
    const QString folder = journalFolder(gui);
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("journalFolderEdit"))->text(), folder);
    QVERIFY(gui.find<QLineEdit>(QStringLiteral("journalFolderEdit"))->isReadOnly());
    QVERIFY(!QFile::exists(folder));

    // The button makes the folder, for its owner only, and opens it.
    gui.click(QStringLiteral("journalFolderButton"));
    QCOMPARE(gui.dialogs.openedFolders, QStringList{folder});
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(modeOf(folder), mode_t(0700));
    QVERIFY(gui.dialogs.boxes().isEmpty());

    // A desktop without a file manager.
    gui.dialogs.openFolderAnswer = false;
    gui.click(QStringLiteral("journalFolderButton"));
    QCOMPARE(gui.dialogs.describe(),
             QStringList{QStringLiteral("error|Журнал изменений|Не удалось открыть папку ") +
                         folder});
}

QTEST_MAIN(ChangeJournalTest)
#include "tst_change_journal.moc"

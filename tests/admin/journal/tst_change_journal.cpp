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
#include <QTabWidget>
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

const QMap<QString, QString> kOnBroadcastPage = {
        {QStringLiteral("Intreface/startpage"), QStringLiteral("Автооповещение")}};

void addBroadcast(GuiDriver& gui, const QString& text) {
    gui.retype(QStringLiteral("dxDNEdit5"), text);
    gui.click(QStringLiteral("dxButton5"));
}

QString connectionLog(const GuiDriver& gui) {
    return gui.find<QPlainTextEdit>(QStringLiteral("dxDNMemo1"))->toPlainText();
}

// The journal's entries (the lines after the header), each split into its
// fields.
QList<QStringList> journalEntries(const QString& folder, QString* header) {
    QList<QStringList> entries;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("journal-*.log")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        if (!lines.isEmpty())
            *header = lines.takeFirst();
        for (const QString& line : lines)
            entries << line.split(u'\t');
    }
    return entries;
}

} // namespace

class ChangeJournalTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void journalFolderInTheSettingsPanel();
    void journalOfASessionOfOperations();
    void journalFolderThatCannotBeWritten();

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

void ChangeJournalTest::journalOfASessionOfOperations() {
    m_changed = true;
    const QString password = QStringLiteral("Тайна'42");
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server, kOnBroadcastPage));
    gui.start();
    gui.dialogs.defaultAnswer = true;
    addBroadcast(gui, QStringLiteral("Добро пожаловать"));
    gui.selectRowWhere(QStringLiteral("StringGrid1"), 0, QStringLiteral("7"));
    gui.retype(QStringLiteral("dxDNEdit5"), QStringLiteral("Новый текст"));
    gui.click(QStringLiteral("dxButton4"));
    gui.window().pageControl()->setCurrentIndex(3);
    gui.selectRowWhere(QStringLiteral("StringGrid2"), 0, QStringLiteral("5"));
    gui.type(QStringLiteral("dxDNEdit19"), password);
    gui.click(QStringLiteral("dxButton17"));
    gui.selectRowWhere(QStringLiteral("StringGrid2"), 0, QStringLiteral("20"));
    gui.click(QStringLiteral("dxButton16"));
    QCOMPARE(gui.dialogs.describe().filter(QStringLiteral("error|")), QStringList());
    gui.stop();

    const QString folder = journalFolder(gui);
    QString header;
    const QList<QStringList> entries = journalEntries(folder, &header);
    QCOMPARE(header, QStringLiteral("# time\tuser@host:port\tdatabase\toutcome\tundo script\t"
                                    "statement"));
    const QStringList files = QDir(folder).entryList({QStringLiteral("*")}, QDir::Files);
    for (const QString& file : files)
        QCOMPARE(modeOf(QDir(folder).filePath(file)), mode_t(0600));

    // Only the changes, in the order they were sent, each with where it went,
    // its outcome and the undo script of its operation.
    QStringList statements;
    QStringList scripts;
    const QString server =
            QStringLiteral("%1@%2:%3").arg(m_server.user, m_server.host).arg(m_server.port);
    for (const QStringList& fields : entries) {
        QCOMPARE(fields.size(), 6);
        QVERIFY2(
                QDateTime::fromString(fields[0].left(23), QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
                        .isValid(),
                qPrintable(fields[0]));
        QCOMPARE(fields[1], server);
        QCOMPARE(fields[2], QStringLiteral("realmd"));
        QCOMPARE(fields[3], QStringLiteral("ok, 1 row"));
        statements << fields[5];
        scripts << fields[4];
        if (fields[4] != QStringLiteral("-"))
            QVERIFY2(files.contains(fields[4]), qPrintable(fields[4]));
    }
    QCOMPARE(statements.size(), 4);
    QVERIFY2(statements[0].startsWith(QStringLiteral("insert into `autobroadcast`")),
             qPrintable(statements[0]));
    QCOMPARE(scripts[0], QStringLiteral("-"));
    QVERIFY2(statements[1].startsWith(QStringLiteral("update `autobroadcast`")),
             qPrintable(statements[1]));
    QVERIFY(scripts[1].endsWith(QStringLiteral("-broadcast-save.sql")));
    QVERIFY2(statements[2].contains(QStringLiteral("`sha_pass_hash` = ***")),
             qPrintable(statements[2]));
    QVERIFY(scripts[2].endsWith(QStringLiteral("-account-password.sql")));
    QVERIFY2(statements[3].startsWith(QStringLiteral("delete from `account`")),
             qPrintable(statements[3]));
    QVERIFY(scripts[3].endsWith(QStringLiteral("-account-delete.sql")));

    // Neither the password nor its hash is anywhere in the journal.
    DatabaseProbe probe(m_server);
    const QStringList hash =
            probe.rows(QStringLiteral("select sha_pass_hash from realmd.account where id = 5"));
    QCOMPARE(hash.size(), 1);
    QVERIFY(hash.first().size() >= 40);
    for (const QString& file :
         QDir(folder).entryList({QStringLiteral("journal-*.log")}, QDir::Files)) {
        QFile journal(QDir(folder).filePath(file));
        QVERIFY(journal.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(journal.readAll());
        QVERIFY(!text.contains(password));
        QVERIFY(!text.contains(hash.first(), Qt::CaseInsensitive));
    }
}

void ChangeJournalTest::journalFolderThatCannotBeWritten() {
    m_changed = true;
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server, kOnBroadcastPage));
    // A file where the folder should be: not even root can write there.
    const QString folder = journalFolder(gui);
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    gui.start();
    gui.dialogs.defaultAnswer = true;

    // Adding deletes and changes nothing: it goes through, and the log says
    // once that the journal is not kept.
    addBroadcast(gui, QStringLiteral("Первое"));
    addBroadcast(gui, QStringLiteral("Второе"));
    QVERIFY(gui.dialogs.boxes().isEmpty());
    DatabaseProbe probe(m_server);
    QCOMPARE(probe.rows(QStringLiteral("select count(*) from realmd.autobroadcast where text in "
                                       "('Первое', 'Второе')")),
             QStringList{QStringLiteral("2")});
    const QString notice =
            QStringLiteral("Журнал изменений не записан (") + folder +
            QStringLiteral(": не удалось создать папку), работа продолжается без него.");
    QCOMPARE(connectionLog(gui).count(notice), 1);

    // A deletion without its undo script does not run, and a box says why.
    const QStringList before = probe.rows(QStringLiteral("select id from realmd.autobroadcast"));
    gui.selectRowWhere(QStringLiteral("StringGrid1"), 0, QStringLiteral("3"));
    gui.click(QStringLiteral("dxButton6"));
    QCOMPARE(gui.dialogs.describe().filter(QStringLiteral("error|")),
             QStringList{QStringLiteral("error|Операция не выполнена|Не удалось сохранить "
                                        "сценарий отмены, поэтому операция не выполнена.\r\n") +
                         folder + QStringLiteral(": не удалось создать папку")});
    QCOMPARE(probe.rows(QStringLiteral("select id from realmd.autobroadcast")), before);
}

QTEST_MAIN(ChangeJournalTest)
#include "tst_change_journal.moc"

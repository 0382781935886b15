// The change journal and the undo scripts as the window keeps them: the
// journal folder in the settings panel, the journal of a session of
// operations, and a journal folder that cannot be written.
#include "DatabaseProbe.h"
#include "FakeMysqlServer.h"
#include "GuiDriver.h"
#include "TForm1.h"
#include "accounts/AccountStatements.h"
#include "journal/ChangeJournal.h"
#include "uMysqlClient.h"

Q_DECLARE_METATYPE(std::function<void(GuiDriver&)>)

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
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

// Every file of the folder, each as its text.
QStringList folderTexts(const QString& folder) {
    QStringList texts;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            texts << QString::fromUtf8(file.readAll());
    }
    return texts;
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
    void passwordsStayOutOfTheJournalFolder_data();
    void passwordsStayOutOfTheJournalFolder();
    void statementMaskedAsItWasWrittenWhenTheConnectionIsLost();
    void journalFileThatIsNotTheUsers_data();
    void journalFileThatIsNotTheUsers();

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
    // its outcome and the undo script of its operation; the operations on
    // transactional tables in their transactions.
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
        const bool transaction = fields[5] == u"START TRANSACTION" || fields[5] == u"COMMIT";
        QCOMPARE(fields[3],
                 transaction ? QStringLiteral("ok, 0 rows") : QStringLiteral("ok, 1 row"));
        statements << fields[5];
        scripts << fields[4];
        if (fields[4] != QStringLiteral("-"))
            QVERIFY2(files.contains(fields[4]), qPrintable(fields[4]));
    }
    QCOMPARE(statements.size(), 8);
    QVERIFY2(statements[0].startsWith(QStringLiteral("insert into `autobroadcast`")),
             qPrintable(statements[0]));
    QCOMPARE(scripts[0], QStringLiteral("-"));
    // The broadcasts are kept in a MyISAM table, which has no transactions.
    QVERIFY2(statements[1].startsWith(QStringLiteral("update `autobroadcast`")),
             qPrintable(statements[1]));
    QVERIFY(scripts[1].endsWith(QStringLiteral("-broadcast-save.sql")));
    // The transaction starts before the script is saved.
    QCOMPARE(statements.mid(2, 1), QStringList{QStringLiteral("START TRANSACTION")});
    QCOMPARE(scripts[2], QStringLiteral("-"));
    QVERIFY2(statements[3].contains(QStringLiteral("`sha_pass_hash` = ***")),
             qPrintable(statements[3]));
    QVERIFY(scripts[3].endsWith(QStringLiteral("-account-password.sql")));
    QCOMPARE(statements[4], QStringLiteral("COMMIT"));
    QCOMPARE(scripts[4], scripts[3]);
    QCOMPARE(statements[5], QStringLiteral("START TRANSACTION"));
    QVERIFY2(statements[6].startsWith(QStringLiteral("delete from `account`")),
             qPrintable(statements[6]));
    QVERIFY(scripts[6].endsWith(QStringLiteral("-account-delete.sql")));
    QCOMPARE(statements[7], QStringLiteral("COMMIT"));

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

void ChangeJournalTest::passwordsStayOutOfTheJournalFolder_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("noBackslashEscapes");
    QTest::addColumn<std::function<void(GuiDriver&)>>("operation");
    const struct {
        const char* name;
        const char* id;
        const char* script;
        std::function<void(GuiDriver&)> operation;
    } operations[] = {
            // A new name that ends in a backslash, which a session without
            // backslash escapes reads as an ordinary character.
            {"save with a new name and password", "13", "account-save",
             [](GuiDriver& gui) {
                 gui.retype(QStringLiteral("dxDNEdit8"), QStringLiteral("KOT\\"));
                 gui.click(QStringLiteral("dxButton15"));
             }},
            {"set password", "4", "account-password",
             [](GuiDriver& gui) {
                 gui.click(QStringLiteral("dxButton17"));
             }},
            {"session key reset", "5", "account-session-key",
             [](GuiDriver& gui) {
                 gui.chooseMenuItem(QStringLiteral("StringGrid2"), QStringLiteral("N22"));
             }},
    };
    for (const auto& operation : operations) {
        for (const bool noBackslashEscapes : {false, true}) {
            QTest::addRow("%s, %s", operation.name,
                          noBackslashEscapes ? "no backslash escapes" : "default session")
                    << QString::fromLatin1(operation.id) << QString::fromLatin1(operation.script)
                    << noBackslashEscapes << operation.operation;
        }
    }
}

void ChangeJournalTest::passwordsStayOutOfTheJournalFolder() {
    QFETCH(QString, id);
    QFETCH(QString, script);
    QFETCH(bool, noBackslashEscapes);
    QFETCH(std::function<void(GuiDriver&)>, operation);
    m_changed = true;
    const QString password = QStringLiteral("Se'cr\"et\\42");
    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(m_server));
    gui.start();
    gui.dialogs.defaultAnswer = true;
    if (noBackslashEscapes) {
        QueryContext& context = gui.window().context();
        QVERIFY(context.run(QStringLiteral("SET SESSION sql_mode = CONCAT_WS(',', "
                                           "NULLIF(@@SESSION.sql_mode, ''), "
                                           "'NO_BACKSLASH_ESCAPES')")));
        QVERIFY(context.quoting().noBackslashEscapes);
    }
    gui.window().pageControl()->setCurrentIndex(3);
    gui.selectRowWhere(QStringLiteral("StringGrid2"), 0, id);
    gui.type(QStringLiteral("dxDNEdit19"), password);
    operation(gui);
    QCOMPARE(gui.dialogs.describe().filter(QStringLiteral("error|")), QStringList());
    gui.stop();

    // The operation went through, with its script, its journal entries in
    // the mode of the session.
    const QString folder = journalFolder(gui);
    QCOMPARE(QDir(folder).entryList({QStringLiteral("undo-*-%1.sql").arg(script)}).size(), 1);
    QString header;
    const QList<QStringList> entries = journalEntries(folder, &header);
    QVERIFY(entries.size() >= 3);
    for (const QStringList& fields : entries)
        QVERIFY2(fields.value(3).startsWith(QStringLiteral("ok")), qPrintable(fields.join(u'\t')));
    const QString hash = DatabaseProbe(m_server).scalar(
            QStringLiteral("select sha_pass_hash from realmd.account where id = %1").arg(id));
    QVERIFY(hash.size() >= 40);
    if (script != QStringLiteral("account-session-key"))
        QCOMPARE(hash, accountsql::passwordHash(
                               DatabaseProbe(m_server).scalar(
                                       QStringLiteral("select username from realmd.account where "
                                                      "id = %1")
                                               .arg(id)),
                               password));
    // Neither the password nor the account's hash is in any file of the
    // journal folder.
    const QStringList texts = folderTexts(folder);
    QVERIFY(texts.size() >= 2);
    for (const QString& text : texts) {
        QVERIFY(!text.contains(password));
        QVERIFY2(!text.contains(hash, Qt::CaseInsensitive), qPrintable(text));
    }
}

void ChangeJournalTest::statementMaskedAsItWasWrittenWhenTheConnectionIsLost() {
    // A session without backslash escapes whose connection is lost while the
    // statement runs: the lost connection resets the session's status, but
    // the statement was written for the mode it had.
    using Fake = FakeMysqlServer;
    constexpr uint16_t kNoBackslashEscapes = 2 | 0x200;
    Fake fake;
    Fake::Greeting greeting;
    greeting.status = kNoBackslashEscapes;
    fake.writePacket(0, Fake::greeting(greeting))
            .readPacket()
            .writePacket(2, Fake::ok(0, 0, kNoBackslashEscapes))
            .readPacket() // the session set-up
            .writePacket(1, Fake::ok(0, 0, kNoBackslashEscapes))
            .readPacket() // the rename
            .close();
    fake.start();
    ScriptedDialogs dialogs;
    QueryContext context(dialogs);
    aimAtFake(context.session(), fake);
    QTemporaryDir folder;
    context.journal().setFolder(folder.path());
    QVERIFY(context.session().Connect());
    QVERIFY(context.quoting().noBackslashEscapes);
    const QString hash = QStringLiteral("3D9C9A3F1E8B2C4D5E6F708192A3B4C5D6E7F809");
    QVERIFY(!context.run(QStringLiteral("update `account` set `username` = \"A\\\", "
                                        "`sha_pass_hash` = \"%1\" where `id` = 4;")
                                 .arg(hash)));
    QCOMPARE(context.session().ErrorCode(), 2013);
    QVERIFY(!context.quoting().noBackslashEscapes);
    QVERIFY2(fake.finish(), fake.error().c_str());

    QString header;
    const QList<QStringList> entries = journalEntries(folder.path(), &header);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().value(5), QStringLiteral("update `account` set `username` = "
                                                      "\"A\\\", `sha_pass_hash` = *** where `id` "
                                                      "= 4;"));
}

void ChangeJournalTest::journalFileThatIsNotTheUsers_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("written");
    QTest::newRow("a regular file of the user, mode 0600") << "0600" << true;
    QTest::newRow("a file others can read, mode 0644") << "0644" << false;
    QTest::newRow("a link to a file of the user") << "link" << false;
    QTest::newRow("a pipe") << "pipe" << false;
    QTest::newRow("a folder") << "folder" << false;
}

void ChangeJournalTest::journalFileThatIsNotTheUsers() {
    QFETCH(QString, kind);
    QFETCH(bool, written);
    QTemporaryDir folder;
    const QDateTime now = QDateTime::currentDateTime();
    const QString file = QDir(folder.path()).filePath(journal::fileName(now.date()));
    const QString elsewhere = folder.filePath(QStringLiteral("elsewhere.log"));
    const QByteArray name = QFile::encodeName(file);
    const auto makeFile = [](const QString& path, mode_t mode) {
        QFile made(path);
        return made.open(QIODevice::WriteOnly) && made.write("kept\n") == 5 &&
               ::chmod(QFile::encodeName(path).constData(), mode) == 0;
    };
    if (kind == u"0600" || kind == u"0644")
        QVERIFY(makeFile(file, kind == u"0600" ? 0600 : 0644));
    else if (kind == u"link")
        QVERIFY(makeFile(elsewhere, 0600) && QFile::link(elsewhere, file));
    else if (kind == u"pipe")
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    else
        QVERIFY(QDir().mkdir(file));

    ChangeJournal changes;
    changes.setFolder(folder.path());
    QStringList log;
    changes.setLog([&log](const QString& line) { log << line; });
    journal::Entry entry;
    entry.time = now;
    entry.statement = QStringLiteral("delete from `account` where `id` = 5");
    entry.ok = true;
    changes.append(entry);
    changes.append(entry);

    const QString target = kind == u"link" ? elsewhere : file;
    QFile result(target);
    if (written) {
        QVERIFY(log.isEmpty());
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll().count("delete from `account`"), 2);
        return;
    }
    // Refused, said once, and left as it was.
    QCOMPARE(log, QStringList{QStringLiteral("Журнал изменений не записан (") + file +
                              QStringLiteral(": не обычный файл этого пользователя с правами "
                                             "0600, запись отклонена), работа продолжается без "
                                             "него.")});
    if (kind == u"0644" || kind == u"link") {
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), QByteArray("kept\n"));
    }
}

QTEST_MAIN(ChangeJournalTest)
#include "tst_change_journal.moc"

// Typed text reaches the server exactly as typed and never changes a
// statement, whatever the server's sql_mode. Every text field that goes
// between quotes is worked through the window with a table of troublesome
// texts, on sessions in the default mode, with NO_BACKSLASH_ESCAPES and with
// ANSI_QUOTES; the database is compared before and after each change. Also:
// database names with a backquote, and the session set-up after a reconnect.
#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "ServerLog.h"
#include "StringGrid.h"
#include "TForm1.h"
#include "common/QueryConventions.h"
#include "uMysqlClient.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <functional>

namespace {

// The texts typed in; the troublesome part stands inside, where trimming
// does not reach it.
const QList<std::pair<const char*, QString>>& texts() {
    static const QList<std::pair<const char*, QString>> list = {
            {"double quote", QStringLiteral("a\"b")},
            {"single quote", QStringLiteral("a'b")},
            {"backslash", QStringLiteral("a\\b")},
            {"backslash before the closing quote", QStringLiteral("ab\\")},
            {"backslash and quote", QStringLiteral("a\\\"b")},
            {"percent and underscore", QStringLiteral("a%b_c")},
            {"NUL", QStringLiteral("a") + QChar(0) + QStringLiteral("b")},
            {"CR", QStringLiteral("a\rb")},
            {"LF", QStringLiteral("a\nb")},
            {"Ctrl-Z", QStringLiteral("a") + QChar(0x1A) + QStringLiteral("b")},
            {"Cyrillic", QStringLiteral("Привет")},
            {"injection: where", QStringLiteral("x\" where 1=1 #")},
            {"injection: rest of the statement", QStringLiteral("x\" #")},
            {"injection: single quote", QStringLiteral("x' where 1=1 #")},
    };
    return list;
}

// The password hashes the server must end up with for each text, computed
// outside the program with the command beside each: the text typed as the
// password of the account named GAMEMASTER, and the text typed as a new
// user name (upper-cased) with the password "pw".
struct OutsideHashes {
    const char* text;
    const char* asPassword;
    const char* asUserName;
};

const OutsideHashes kOutsideHashes[] = {
        {"double quote",
         // printf 'GAMEMASTER:A"B' | sha1sum
         "B34BFAA52F28DF0A9A06608B5C934A0C76AD7C95",
         // printf 'A"B:PW' | sha1sum
         "4AD2F5E9A4BF43527C8817DE2C1156FCE1E0F0FF"},
        {"single quote",
         // printf 'GAMEMASTER:A\047B' | sha1sum
         "FCD009093E6FFE4F4103C097CDDB3E19CF2ED40E",
         // printf 'A\047B:PW' | sha1sum
         "1B3E1EA8CB3C0B7ECE81D6BDA914419106508553"},
        {"backslash",
         // printf 'GAMEMASTER:A\\B' | sha1sum
         "4ECDAA33B7B66EE768A3A3C8690604638D1F3141",
         // printf 'A\\B:PW' | sha1sum
         "F2F0550316421FE8143BD29C84D700947BEA0AB2"},
        {"backslash before the closing quote",
         // printf 'GAMEMASTER:AB\\' | sha1sum
         "E6C165EDD2DBF7DAFD313CF8EEB1C8A746B18067",
         // printf 'AB\\:PW' | sha1sum
         "61B5A2E75F941A8116B89EC5D8AF6D1EECD75A63"},
        {"backslash and quote",
         // printf 'GAMEMASTER:A\\"B' | sha1sum
         "3A5A5A4CE1579BEE49844CD0F544B247D89A78D1",
         // printf 'A\\"B:PW' | sha1sum
         "EFE946E8CC52B1EA6907B21AC230FBEDF6266338"},
        {"percent and underscore",
         // printf 'GAMEMASTER:A%%B_C' | sha1sum
         "D0E0FD8F7789C9DDB27A77623E935E530A8BC8DD",
         // printf 'A%%B_C:PW' | sha1sum
         "B9CE7EE5EE79AC30E9D0125ED970494E24BA768F"},
        {"NUL",
         // printf 'GAMEMASTER:A\0B' | sha1sum
         "3E28FBBF1FD2D3E4055718D0F84BA11ED3B969C3",
         // printf 'A\0B:PW' | sha1sum
         "0AB496C417A3A475081ECF554B1A6FC829C4F6AA"},
        {"CR",
         // printf 'GAMEMASTER:A\rB' | sha1sum
         "D1CFB8FFE295801EF47E247FDD17E72279403BF2",
         // printf 'A\rB:PW' | sha1sum
         "10F6FC0A11A782E845F6DAC2C96647CE7F1415A1"},
        {"LF",
         // printf 'GAMEMASTER:A\nB' | sha1sum
         "7B50A32F1FB7483B0E48A23FBEC773866705029B",
         // printf 'A\nB:PW' | sha1sum
         "B8C7C3A208A083822B1E044B90EA4C4EF46EA040"},
        {"Ctrl-Z",
         // printf 'GAMEMASTER:A\032B' | sha1sum
         "9685A6CDBC3DDF5043D9AFB9525E26B71B8C8268",
         // printf 'A\032B:PW' | sha1sum
         "50E5E28F9FFC9B669141D5A65C242F4CDE94AE67"},
        {"Cyrillic",
         // printf 'GAMEMASTER:Привет' | sha1sum
         "6C3896E74722DDC6545F595CEFA51483ADC0AA8E",
         // printf 'ПРИВЕТ:PW' | sha1sum
         "9C3BCB65AA27DC32FF3F68A6CA1437BE33B3CA95"},
        {"injection: where",
         // printf 'GAMEMASTER:X" WHERE 1=1 #' | sha1sum
         "4D993F48222515468D1F35C300BCE217BA99AC0B",
         // printf 'X" WHERE 1=1 #:PW' | sha1sum
         "A9ECD66C58CDFF28A67CC97C9CA173F27694E27E"},
        {"injection: rest of the statement",
         // printf 'GAMEMASTER:X" #' | sha1sum
         "E03031D532D165DAFE59A5BF9901216EA052A70A",
         // printf 'X" #:PW' | sha1sum
         "EB5B22A6990BE8FC8468A07835B69F4A2D63F426"},
        {"injection: single quote",
         // printf 'GAMEMASTER:X\047 WHERE 1=1 #' | sha1sum
         "7AB2A5FD422A2364A1F954C6561468A31F1D0477",
         // printf 'X\047 WHERE 1=1 #:PW' | sha1sum
         "ADC246175BFC18B475770E24E0EECB3065F49237"},
};

const OutsideHashes& outsideHashes(const QString& text) {
    for (const auto& [name, typed] : texts()) {
        if (typed != text)
            continue;
        for (const OutsideHashes& hashes : kOutsideHashes) {
            if (qstrcmp(hashes.text, name) == 0)
                return hashes;
        }
    }
    qFatal("no outside hashes for a text of the table");
}

// A session mode of the test: modes added to the server's global sql_mode
// before the window connects, or NO_BACKSLASH_ESCAPES switched on in the
// window's own session after it connected.
struct Mode {
    const char* name;
    const char* globalModes;
    bool inSession;
};

const Mode kModes[] = {
        {"default", "", false},
        {"server NO_BACKSLASH_ESCAPES", "NO_BACKSLASH_ESCAPES", false},
        {"server ANSI_QUOTES", "ANSI_QUOTES", false},
        {"server ANSI and NO_BACKSLASH_ESCAPES", "ANSI,NO_BACKSLASH_ESCAPES", false},
        {"session NO_BACKSLASH_ESCAPES", "", true},
};

QString hexOf(const QString& text) {
    return QString::fromLatin1(text.toUtf8().toHex().toUpper());
}

// The text as a literal of the probe's statements, whatever it holds.
QString literal(const QString& text) {
    return QStringLiteral("CONVERT(X'%1' USING utf8)").arg(hexOf(text));
}

// The same text as a LIKE pattern that matches it as itself anywhere.
QString likeAnywhere(const QString& text) {
    return QStringLiteral("CONCAT('%', REPLACE(%1, '\\\\', '\\\\\\\\'), '%')").arg(literal(text));
}

// What the broadcast save stores: every line break (CR LF, a lone CR or a
// lone LF) as one line feed, blanks and control characters at the ends gone
// (NUL, the line break and Ctrl-Z stay).
QString storedBroadcast(const QString& typed) {
    QString value = typed;
    value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    value.replace(u'\r', u'\n');
    const auto trimmed = [](QChar c) {
        return c.unicode() <= 32 && c.unicode() != 0 && c != u'\n' && c.unicode() != 0x1A;
    };
    while (!value.isEmpty() && trimmed(value.front()))
        value.remove(0, 1);
    while (!value.isEmpty() && trimmed(value.back()))
        value.chop(1);
    return value;
}

// What a change did to a table: the rows that went and the rows that came.
struct Change {
    QStringList gone;
    QStringList came;
};

Change difference(const QStringList& before, const QStringList& after) {
    Change change{before, {}};
    for (const QString& row : after) {
        if (!change.gone.removeOne(row))
            change.came << row;
    }
    return change;
}

const QString kNotFound = QStringLiteral("error|Результат поиска|Данные не найдены!");

} // namespace

class QuotingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void typedTextIsStoredAsTyped_data();
    void typedTextIsStoredAsTyped();
    void setUpIsRunAgainAfterAReconnect();
    void setUpTakesOutEveryQuotingMode_data();
    void setUpTakesOutEveryQuotingMode();
    void databaseNamesWithABackquote();

private:
    using Field = void (QuotingTest::*)(GuiDriver&, const QString&);
    struct FieldCase {
        const char* name;
        const char* startPage;
        Field run;
    };
    static const FieldCase kFields[];

    // Adds modes to the server's global sql_mode; cleanup puts it back.
    bool addGlobalModes(const QString& modes);
    void startWindow(GuiDriver& gui, const Mode& mode, const QString& startPage);

    // One field, one text: the change is made through the window and the
    // database checked.
    void broadcastAdd(GuiDriver& gui, const QString& text);
    void broadcastSave(GuiDriver& gui, const QString& text);
    void realmNew(GuiDriver& gui, const QString& text);
    void realmWrite(GuiDriver& gui, const QString& text);
    void accountSave(GuiDriver& gui, const QString& text);
    void accountSearch(GuiDriver& gui, const QString& text);
    void accountsWithTheEditedIp(GuiDriver& gui, const QString& text);
    void accountPassword(GuiDriver& gui, const QString& text);
    void ipBan(GuiDriver& gui, const QString& text);
    void characterRename(GuiDriver& gui, const QString& text);
    void characterSearch(GuiDriver& gui, const QString& text);

    // Checks that a change touched exactly one row of the table, the one the
    // key picks (or none when expectNone), and returns nothing; the rows are
    // taken before with rows().
    QStringList rows(const QString& table, const QString& order);
    void expectOnlyRowChanged(const QStringList& before, const QString& table, const QString& order,
                              const QString& where);
    void expectSearchShows(GuiDriver& gui, const QString& grid, const QStringList& expected);

    TestServer m_server;
    std::unique_ptr<DatabaseProbe> m_probe;
    QString m_savedGlobalMode;
    bool m_globalModeChanged = false;
};

const QuotingTest::FieldCase QuotingTest::kFields[] = {
        {"broadcast add", "Автооповещение", &QuotingTest::broadcastAdd},
        {"broadcast save", "Автооповещение", &QuotingTest::broadcastSave},
        {"realm new", "Реалм", &QuotingTest::realmNew},
        {"realm write", "Реалм", &QuotingTest::realmWrite},
        {"account save", "Учетные записи", &QuotingTest::accountSave},
        {"account search", "Учетные записи", &QuotingTest::accountSearch},
        {"accounts with the edited IP", "Учетные записи", &QuotingTest::accountsWithTheEditedIp},
        {"account password", "Учетные записи", &QuotingTest::accountPassword},
        {"IP ban", "Реалм", &QuotingTest::ipBan},
        {"character rename", "Управление героями", &QuotingTest::characterRename},
        {"character search", "Управление героями", &QuotingTest::characterSearch},
};

void QuotingTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
    // The probe's own session keeps the mode the server had at its start.
    m_probe = std::make_unique<DatabaseProbe>(m_server);
    QVERIFY2(m_probe->connected(), qPrintable(m_probe->lastError()));
    m_savedGlobalMode = m_probe->scalar(QStringLiteral("SELECT @@GLOBAL.sql_mode"));
    QVERIFY(!m_savedGlobalMode.contains(QStringLiteral("ANSI_QUOTES")));
    QVERIFY(!m_savedGlobalMode.contains(QStringLiteral("NO_BACKSLASH_ESCAPES")));
}

void QuotingTest::cleanupTestCase() {
    if (!m_probe)
        return;
    m_probe->exec(QStringLiteral("DROP DATABASE IF EXISTS `realm``d`"));
    m_probe->exec(QStringLiteral("DROP DATABASE IF EXISTS `char``s`"));
    QVERIFY(DatabaseProbe::reloadDatabases(m_server));
}

void QuotingTest::init() {
    QVERIFY(m_probe && m_probe->connected());
}

void QuotingTest::cleanup() {
    if (m_globalModeChanged) {
        QVERIFY2(m_probe->exec(QStringLiteral("SET GLOBAL sql_mode = '%1'").arg(m_savedGlobalMode)),
                 qPrintable(m_probe->lastError()));
        m_globalModeChanged = false;
    }
}

bool QuotingTest::addGlobalModes(const QString& modes) {
    if (modes.isEmpty())
        return true;
    m_globalModeChanged = true;
    return m_probe->exec(QStringLiteral("SET GLOBAL sql_mode = CONCAT_WS(',', "
                                        "NULLIF(@@GLOBAL.sql_mode, ''), '%1')")
                                 .arg(modes));
}

void QuotingTest::startWindow(GuiDriver& gui, const Mode& mode, const QString& startPage) {
    QVERIFY2(addGlobalModes(QLatin1String(mode.globalModes)), qPrintable(m_probe->lastError()));
    for (const QString& added :
         QString::fromLatin1(mode.globalModes).split(u',', Qt::SkipEmptyParts))
        QVERIFY(m_probe->scalar(QStringLiteral("SELECT @@GLOBAL.sql_mode")).contains(added));
    gui.dialogs.defaultAnswer = true;
    gui.writeSettings(
            GuiDriver::settingsFor(m_server, {{QStringLiteral("Intreface/startpage"), startPage}}));
    TForm1& window = gui.start();
    QueryContext& context = window.context();
    QVERIFY(context.session().Connected());
    if (mode.inSession) {
        QVERIFY(context.run(QStringLiteral("SET SESSION sql_mode = CONCAT_WS(',', "
                                           "NULLIF(@@SESSION.sql_mode, ''), "
                                           "'NO_BACKSLASH_ESCAPES')")));
        QVERIFY(context.quoting().noBackslashEscapes);
    } else {
        // The session set-up took both modes out of the window's session.
        QVERIFY(context.run(QStringLiteral("SELECT @@SESSION.sql_mode")));
        const QString sessionMode = context.value(0, 0);
        QVERIFY2(!sessionMode.contains(QStringLiteral("ANSI_QUOTES")), qPrintable(sessionMode));
        QVERIFY2(!sessionMode.contains(QStringLiteral("NO_BACKSLASH_ESCAPES")),
                 qPrintable(sessionMode));
        QVERIFY(!context.quoting().noBackslashEscapes);
    }
}

QStringList QuotingTest::rows(const QString& table, const QString& order) {
    return m_probe->rows(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, order));
}

void QuotingTest::expectOnlyRowChanged(const QStringList& before, const QString& table,
                                       const QString& order, const QString& where) {
    const Change change = difference(before, rows(table, order));
    const QStringList target =
            m_probe->rows(QStringLiteral("SELECT * FROM %1 WHERE %2").arg(table, where));
    QVERIFY2(change.gone.size() <= 1, qPrintable(change.gone.join(u'\n')));
    QCOMPARE(change.came, change.gone.isEmpty() ? QStringList() : target);
}

void QuotingTest::expectSearchShows(GuiDriver& gui, const QString& grid,
                                    const QStringList& expected) {
    if (expected.isEmpty()) {
        QCOMPARE(gui.dialogs.describe(), QStringList{kNotFound});
    } else {
        QVERIFY(gui.dialogs.boxes().isEmpty());
        QCOMPARE(gui.gridColumn(grid, 0), expected);
    }
    gui.dialogs.clear();
}

// ---- The fields -------------------------------------------------------------

void QuotingTest::broadcastAdd(GuiDriver& gui, const QString& text) {
    const QString table = QStringLiteral("realmd.autobroadcast");
    const QStringList before = rows(table, QStringLiteral("id"));
    gui.paste(QStringLiteral("dxDNEdit5"), text);
    gui.click(QStringLiteral("dxButton5"));
    const Change change = difference(before, rows(table, QStringLiteral("id")));
    QVERIFY(change.gone.isEmpty());
    QCOMPARE(change.came.size(), 1);
    QCOMPARE(
            m_probe->scalar(
                    QStringLiteral("SELECT HEX(text) FROM %1 ORDER BY id DESC LIMIT 1").arg(table)),
            hexOf(trimControls(text)));
}

void QuotingTest::broadcastSave(GuiDriver& gui, const QString& text) {
    const QString table = QStringLiteral("realmd.autobroadcast");
    gui.selectCell(QStringLiteral("StringGrid1"), 1, 1);
    const QString id = gui.find<QLineEdit>(QStringLiteral("dxDNEdit6"))->text();
    QVERIFY(!id.isEmpty());
    const QStringList before = rows(table, QStringLiteral("id"));
    gui.paste(QStringLiteral("dxDNEdit5"), text);
    gui.click(QStringLiteral("dxButton4"));
    expectOnlyRowChanged(before, table, QStringLiteral("id"), QStringLiteral("id = ") + id);
    QCOMPARE(m_probe->scalar(
                     QStringLiteral("SELECT HEX(text) FROM %1 WHERE id = %2").arg(table, id)),
             hexOf(storedBroadcast(text)));
}

void QuotingTest::realmNew(GuiDriver& gui, const QString& text) {
    const QString table = QStringLiteral("realmd.realmlist");
    // Realm names are unique: an earlier mode's realm of this name goes.
    QVERIFY(m_probe->exec(QStringLiteral("DELETE FROM %1 WHERE name = %2")
                                  .arg(table, literal(trimControls(text)))));
    gui.click(QStringLiteral("dxButton26"));
    const QStringList before = rows(table, QStringLiteral("id"));
    gui.paste(QStringLiteral("dxDNEdit25"), text);
    gui.click(QStringLiteral("dxButton23"));
    const Change change = difference(before, rows(table, QStringLiteral("id")));
    QVERIFY(change.gone.isEmpty());
    QCOMPARE(change.came.size(), 1);
    QCOMPARE(
            m_probe->scalar(
                    QStringLiteral("SELECT HEX(name) FROM %1 ORDER BY id DESC LIMIT 1").arg(table)),
            hexOf(trimControls(text)));
}

void QuotingTest::realmWrite(GuiDriver& gui, const QString& text) {
    // The address edit takes only digits and dots from the keyboard: the
    // text comes from the list and goes back with the name typed.
    const QString table = QStringLiteral("realmd.realmlist");
    QVERIFY(m_probe->exec(
            QStringLiteral("UPDATE %1 SET address = %2 WHERE id = 2").arg(table, literal(text))));
    // Realm names are unique: this realm's name differs from the one "realm
    // new" gives, and an earlier realm of the same name goes.
    const QString name = QStringLiteral("w") + text;
    QVERIFY(m_probe->exec(QStringLiteral("DELETE FROM %1 WHERE name = %2 AND id <> 2")
                                  .arg(table, literal(trimControls(name)))));
    gui.click(QStringLiteral("dxButton22"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid5"), 0, QStringLiteral("2"));
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid5"), 1, row);
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("dxDNEdit26"))->text(), text);
    const QStringList before = rows(table, QStringLiteral("id"));
    gui.paste(QStringLiteral("dxDNEdit25"), name);
    gui.click(QStringLiteral("dxButton24"));
    expectOnlyRowChanged(before, table, QStringLiteral("id"), QStringLiteral("id = 2"));
    QCOMPARE(m_probe->rows(QStringLiteral("SELECT HEX(name), HEX(address) FROM %1 WHERE id = 2")
                                   .arg(table)),
             QStringList{hexOf(trimControls(name)) + u'|' + hexOf(text)});
}

void QuotingTest::accountSave(GuiDriver& gui, const QString& text) {
    // The last IP edit takes only digits and dots from the keyboard: that
    // text comes from the list.
    const QString table = QStringLiteral("realmd.account");
    QVERIFY(m_probe->exec(
            QStringLiteral("UPDATE %1 SET last_ip = %2 WHERE id = 4").arg(table, literal(text))));
    gui.click(QStringLiteral("dxButton9"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid2"), 0, QStringLiteral("4"));
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid2"), 1, row);
    const QStringList before = rows(table, QStringLiteral("id"));
    // A new name goes only with a new password.
    const QString password = QStringLiteral("pw");
    gui.paste(QStringLiteral("dxDNEdit8"), text);
    gui.paste(QStringLiteral("dxDNEdit11"), text);
    gui.paste(QStringLiteral("dxDNEdit19"), password);
    gui.click(QStringLiteral("dxButton15"));
    expectOnlyRowChanged(before, table, QStringLiteral("id"), QStringLiteral("id = 4"));
    // The user name is upper-cased and the e-mail has its Latin letters
    // lowered; the untouched last IP stays as it was.
    const QString username = trimControls(text.toUpper());
    QCOMPARE(m_probe->rows(QStringLiteral("SELECT HEX(username), HEX(email), HEX(last_ip), "
                                          "sha_pass_hash FROM %1 WHERE id = 4")
                                   .arg(table)),
             QStringList{hexOf(username) + u'|' + hexOf(trimControls(lowerLatin(text))) + u'|' +
                         hexOf(text) + u'|' + QLatin1String(outsideHashes(text).asUserName)});
}

void QuotingTest::accountSearch(GuiDriver& gui, const QString& text) {
    QVERIFY(m_probe->exec(QStringLiteral("UPDATE realmd.account SET username = %1, email = %1 "
                                         "WHERE id = 4")
                                  .arg(literal(text.toUpper()))));
    const QString search = QStringLiteral("SELECT id FROM realmd.account WHERE %1 LIKE %2 "
                                          "ORDER BY id");
    for (const char* column : {"username", "email"}) {
        const bool username = QLatin1String(column) == QLatin1String("username");
        gui.clearText(QStringLiteral("dxDNEdit15"));
        gui.clearText(QStringLiteral("dxDNEdit17"));
        gui.paste(username ? QStringLiteral("dxDNEdit15") : QStringLiteral("dxDNEdit17"), text);
        gui.click(QStringLiteral("dxButton18"));
        const QStringList found =
                m_probe->rows(search.arg(QLatin1String(column), likeAnywhere(text)));
        QVERIFY(found.contains(QStringLiteral("4")));
        expectSearchShows(gui, QStringLiteral("StringGrid2"), found);
    }
    gui.click(QStringLiteral("dxButton19"));
}

void QuotingTest::accountsWithTheEditedIp(GuiDriver& gui, const QString& text) {
    QVERIFY(m_probe->exec(QStringLiteral("UPDATE realmd.account SET last_ip = %1 WHERE id = 4")
                                  .arg(literal(text))));
    gui.click(QStringLiteral("dxButton19"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid2"), 0, QStringLiteral("4"));
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid2"), 1, row);
    gui.chooseMenuItem(QStringLiteral("StringGrid2"), QStringLiteral("IP1"));
    const QStringList found = m_probe->rows(
            QStringLiteral("SELECT id FROM realmd.account WHERE last_ip = %1 ORDER BY id")
                    .arg(literal(text)));
    QVERIFY(found.contains(QStringLiteral("4")));
    expectSearchShows(gui, QStringLiteral("StringGrid2"), found);
}

void QuotingTest::accountPassword(GuiDriver& gui, const QString& text) {
    const QString table = QStringLiteral("realmd.account");
    gui.click(QStringLiteral("dxButton19"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid2"), 0, QStringLiteral("4"));
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid2"), 1, row);
    // The hash of "Установить" is that of the stored user name, whatever
    // the user name edit holds.
    QVERIFY(m_probe->exec(
            QStringLiteral("UPDATE %1 SET username = 'GAMEMASTER' WHERE id = 4").arg(table)));
    const QStringList before = rows(table, QStringLiteral("id"));
    gui.paste(QStringLiteral("dxDNEdit8"), text);
    gui.paste(QStringLiteral("dxDNEdit19"), text);
    gui.click(QStringLiteral("dxButton17"));
    expectOnlyRowChanged(before, table, QStringLiteral("id"), QStringLiteral("id = 4"));
    const QString hash = QLatin1String(outsideHashes(text).asPassword);
    QCOMPARE(
            m_probe->scalar(QStringLiteral("SELECT sha_pass_hash FROM %1 WHERE id = 4").arg(table)),
            hash);
    // "Сравнить" computes the hash of the stored user name with the typed
    // password.
    gui.click(QStringLiteral("dxButton39"));
    QCOMPARE(gui.find<QLabel>(QStringLiteral("Label16"))->text(), hash);
    QCOMPARE(gui.find<QLabel>(QStringLiteral("Label80"))->text(), QStringLiteral("Совпадает!"));
}

void QuotingTest::ipBan(GuiDriver& gui, const QString& text) {
    const QString table = QStringLiteral("realmd.ip_banned");
    const QString order = QStringLiteral("ip, bandate");
    const QString where = QStringLiteral("ip = %1 AND bandate = 1").arg(literal(text));
    QVERIFY(m_probe->exec(QStringLiteral("DELETE FROM %1 WHERE %2").arg(table, where)));
    QVERIFY(m_probe->exec(QStringLiteral("INSERT INTO %1 (ip, bandate, unbandate, bannedby, "
                                         "banreason) VALUES (%2, 1, 2, 'quoting', '')")
                                  .arg(table, literal(text))));
    gui.click(QStringLiteral("dxButton27"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid7"), 1, text);
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid7"), 1, row);

    // The reason is saved for the bans of this IP only.
    QStringList before = rows(table, order);
    gui.paste(QStringLiteral("dxDNEdit41"), text);
    gui.click(QStringLiteral("dxButton40"));
    expectOnlyRowChanged(before, table, order, where);
    QCOMPARE(m_probe->scalar(
                     QStringLiteral("SELECT HEX(banreason) FROM %1 WHERE %2").arg(table, where)),
             hexOf(trimControls(text)));

    // The accounts that last came from this IP.
    QVERIFY(m_probe->exec(QStringLiteral("UPDATE realmd.account SET last_ip = %1 WHERE id = 7")
                                  .arg(literal(text))));
    gui.chooseMenuItem(QStringLiteral("StringGrid7"), QStringLiteral("IP2"));
    QCOMPARE(gui.window().pageControl()->currentIndex(), 3);
    expectSearchShows(gui, QStringLiteral("StringGrid2"),
                      m_probe->rows(QStringLiteral("SELECT id FROM realmd.account WHERE "
                                                   "last_ip = %1 ORDER BY id")
                                            .arg(literal(text))));
    gui.window().pageControl()->setCurrentIndex(4);

    // Deleting it deletes it alone.
    before = rows(table, order);
    gui.chooseMenuItem(QStringLiteral("StringGrid7"), QStringLiteral("N5"));
    const Change change = difference(before, rows(table, order));
    QCOMPARE(change.came, QStringList());
    QCOMPARE(change.gone.size(), 1);
    QCOMPARE(m_probe->scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where)),
             QStringLiteral("0"));
}

void QuotingTest::characterRename(GuiDriver& gui, const QString& text) {
    const QString table = QStringLiteral("characters.characters");
    gui.click(QStringLiteral("dxButton20"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid3"), 0, QStringLiteral("5"));
    QVERIFY(row > 0);
    gui.selectCell(QStringLiteral("StringGrid3"), 2, row);
    const QStringList before = rows(table, QStringLiteral("guid"));
    gui.paste(QStringLiteral("dxDNEdit36"), text);
    gui.click(QStringLiteral("dxButton31"));
    // The field shows the name as the rename wrote it (Latin letters lowered,
    // the first raised). A name longer than the column is refused whole.
    const QString name = trimControls(gui.find<QLineEdit>(QStringLiteral("dxDNEdit36"))->text());
    QCOMPARE(name.toLower(), trimControls(text).toLower());
    if (name.size() > 12) {
        QCOMPARE(rows(table, QStringLiteral("guid")), before);
        return;
    }
    expectOnlyRowChanged(before, table, QStringLiteral("guid"), QStringLiteral("guid = 5"));
    QCOMPARE(m_probe->scalar(QStringLiteral("SELECT HEX(name) FROM %1 WHERE guid = 5").arg(table)),
             hexOf(name));
}

void QuotingTest::characterSearch(GuiDriver& gui, const QString& text) {
    // A text longer than the column is looked for all the same.
    const bool fits = text.size() <= 12;
    if (fits)
        QVERIFY(m_probe->exec(QStringLiteral("UPDATE characters.characters SET name = %1 "
                                             "WHERE guid = 5")
                                      .arg(literal(text))));
    gui.paste(QStringLiteral("dxDNEdit23"), text);
    gui.click(QStringLiteral("dxButton11"));
    const QStringList found =
            m_probe->rows(QStringLiteral("SELECT guid FROM characters.characters WHERE name LIKE "
                                         "%1 ORDER BY guid")
                                  .arg(likeAnywhere(text)));
    QVERIFY(!fits || found.contains(QStringLiteral("5")));
    expectSearchShows(gui, QStringLiteral("StringGrid3"), found);
    gui.click(QStringLiteral("dxButton20"));
}

// ---- The tests ----------------------------------------------------------------

void QuotingTest::typedTextIsStoredAsTyped_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("field");
    for (int mode = 0; mode < int(std::size(kModes)); ++mode) {
        for (int field = 0; field < int(std::size(kFields)); ++field)
            QTest::addRow("%s: %s", kModes[mode].name, kFields[field].name) << mode << field;
    }
}

void QuotingTest::typedTextIsStoredAsTyped() {
    QFETCH(int, mode);
    QFETCH(int, field);
    const FieldCase& fieldCase = kFields[field];
    GuiDriver gui;
    startWindow(gui, kModes[mode], QString::fromUtf8(fieldCase.startPage));
    if (QTest::currentTestFailed())
        return;
    for (const auto& [name, text] : texts()) {
        (this->*fieldCase.run)(gui, text);
        if (QTest::currentTestFailed()) {
            qWarning("failed with the text: %s", name);
            return;
        }
    }
}

void QuotingTest::setUpIsRunAgainAfterAReconnect() {
    GuiDriver gui;
    startWindow(gui, kModes[3], QStringLiteral("Реалм"));
    mysql::TMysqlClient& session = gui.window().context().session();
    const uint32_t before = session.ThreadId();
    QVERIFY(m_probe->exec(QStringLiteral("KILL %1").arg(before)));
    // The next statements reconnect; the new session is set up again.
    const QString text = QStringLiteral("x\" where 1=1 #");
    realmWrite(gui, text);
    QVERIFY(session.ThreadId() != before);
    QVERIFY(gui.window().context().run(QStringLiteral("SELECT @@SESSION.sql_mode")));
    QVERIFY(!gui.window().context().value(0, 0).contains(QStringLiteral("ANSI_QUOTES")));
}

void QuotingTest::setUpTakesOutEveryQuotingMode_data() {
    QTest::addColumn<QString>("mode");
    for (const char* mode : {"ANSI_QUOTES", "NO_BACKSLASH_ESCAPES", "ANSI", "DB2", "MAXDB", "MSSQL",
                             "ORACLE", "POSTGRESQL", "ANSI_QUOTES,NO_BACKSLASH_ESCAPES"})
        QTest::newRow(mode) << QString::fromLatin1(mode);
}

void QuotingTest::setUpTakesOutEveryQuotingMode() {
    // A session of its own in the mode, with a mode beside it that must stay.
    QFETCH(QString, mode);
    DatabaseProbe session(m_server);
    QVERIFY2(session.connected(), qPrintable(session.lastError()));
    QVERIFY2(
            session.exec(QStringLiteral("SET SESSION sql_mode = '%1,STRICT_ALL_TABLES'").arg(mode)),
            qPrintable(session.lastError()));
    const QString before = session.scalar(QStringLiteral("SELECT @@SESSION.sql_mode"));
    QVERIFY2(before.contains(QStringLiteral("ANSI_QUOTES")) ||
                     before.contains(QStringLiteral("NO_BACKSLASH_ESCAPES")),
             qPrintable(before));

    QVERIFY2(session.exec(sessionSetUpStatement()), qPrintable(session.lastError()));
    const QStringList after = session.scalar(QStringLiteral("SELECT @@SESSION.sql_mode"))
                                      .split(u',', Qt::SkipEmptyParts);
    QVERIFY2(!after.contains(QStringLiteral("ANSI_QUOTES")), qPrintable(after.join(u',')));
    QVERIFY2(!after.contains(QStringLiteral("NO_BACKSLASH_ESCAPES")), qPrintable(after.join(u',')));
    QVERIFY2(after.contains(QStringLiteral("STRICT_ALL_TABLES")), qPrintable(after.join(u',')));
    // A double-quoted text with a backslash escape now reads as a text.
    QCOMPARE(session.scalar(QStringLiteral("SELECT \"a\\\"b\"")), QStringLiteral("a\"b"));
}

void QuotingTest::databaseNamesWithABackquote() {
    // Copies of the accounts and characters databases under names that hold
    // a backquote.
    for (const char* statement :
         {"DROP DATABASE IF EXISTS `realm``d`", "DROP DATABASE IF EXISTS `char``s`",
          "CREATE DATABASE `realm``d` CHARACTER SET utf8mb3",
          "CREATE DATABASE `char``s` CHARACTER SET utf8mb3"}) {
        QVERIFY2(m_probe->exec(QLatin1String(statement)), qPrintable(m_probe->lastError()));
    }
    // The realm page, shown first, reads its ban lists too.
    for (const char* table :
         {"realmd.account", "realmd.realmlist", "realmd.ip_banned", "realmd.account_banned",
          "characters.characters", "characters.character_queststatus",
          "characters.character_inventory", "characters.character_spell"}) {
        const QString source = QLatin1String(table);
        const QString copy =
                (source.startsWith(QStringLiteral("realmd.")) ? QStringLiteral("`realm``d`.")
                                                              : QStringLiteral("`char``s`.")) +
                source.section(u'.', 1);
        QVERIFY2(m_probe->exec(QStringLiteral("CREATE TABLE %1 LIKE %2").arg(copy, source)),
                 qPrintable(m_probe->lastError()));
        QVERIFY2(m_probe->exec(QStringLiteral("INSERT INTO %1 SELECT * FROM %2").arg(copy, source)),
                 qPrintable(m_probe->lastError()));
    }
    // The copies differ from the originals, so that the lists show which one
    // they read.
    QVERIFY(m_probe->exec(
            QStringLiteral("UPDATE `realm``d`.realmlist SET name = 'copy' WHERE id = 1")));
    QVERIFY(m_probe->exec(QStringLiteral("DELETE FROM `char``s`.characters WHERE account = 1")));

    GuiDriver gui;
    gui.writeSettings(GuiDriver::settingsFor(
            m_server, {{QStringLiteral("Base/realmd"), QStringLiteral("realm`d")},
                       {QStringLiteral("Base/characters"), QStringLiteral("char`s")},
                       {QStringLiteral("Intreface/startpage"), QStringLiteral("Реалм")}}));
    ServerLog log(m_server.generalLog);
    TForm1& window = gui.start();
    QVERIFY(log.statementsSinceMark().contains(QStringLiteral("use `realm``d`")));
    auto* realms = gui.find<StringGrid>(QStringLiteral("StringGrid5"));
    QCOMPARE(realms->cell(1, 1), QStringLiteral("copy"));

    // A change goes to the copy.
    gui.selectCell(QStringLiteral("StringGrid5"), 1, 1);
    gui.paste(QStringLiteral("dxDNEdit25"), QStringLiteral("changed"));
    gui.click(QStringLiteral("dxButton24"));
    QCOMPARE(m_probe->scalar(QStringLiteral("SELECT name FROM `realm``d`.realmlist WHERE id = 1")),
             QStringLiteral("changed"));
    QVERIFY(m_probe->scalar(QStringLiteral("SELECT name FROM realmd.realmlist WHERE id = 1")) !=
            QStringLiteral("changed"));

    // The accounts without characters look into the characters copy.
    window.pageControl()->setCurrentIndex(3);
    gui.chooseMenuItem(QStringLiteral("StringGrid2"), QStringLiteral("N4"));
    QVERIFY2(gui.dialogs.boxes().isEmpty(), qPrintable(gui.dialogs.describe().join(u'\n')));
    QCOMPARE(gui.gridColumn(QStringLiteral("StringGrid2"), 0),
             m_probe->rows(
                     QStringLiteral("SELECT id FROM `realm``d`.account WHERE id NOT IN "
                                    "(SELECT account FROM `char``s`.characters) ORDER BY id")));

    // The character list and the details read the characters copy; the
    // details name it as a qualifier between backquotes.
    window.pageControl()->setCurrentIndex(2);
    QCOMPARE(gui.gridColumn(QStringLiteral("StringGrid3"), 0),
             m_probe->rows(QStringLiteral("SELECT guid FROM `char``s`.characters ORDER BY guid")));
    const QString guid =
            m_probe->scalar(QStringLiteral("SELECT MIN(guid) FROM `char``s`.character_spell"));
    const int row = gui.rowWhere(QStringLiteral("StringGrid3"), 0, guid);
    QVERIFY(row > 0);
    log.mark();
    gui.selectCell(QStringLiteral("StringGrid3"), 2, row);
    QCOMPARE(log.statementsSinceMark()
                     .filter(QStringLiteral("from `char``s`.character_spell"))
                     .size(),
             1);
    const QStringList spells = m_probe->rows(
            QStringLiteral(
                    "SELECT spell FROM `char``s`.character_spell WHERE guid = %1 ORDER BY spell")
                    .arg(guid));
    QCOMPARE(gui.gridColumn(QStringLiteral("StringGrid11"), 1).mid(0, spells.size()), spells);
    QVERIFY(gui.dialogs.boxes().isEmpty());
}

QTEST_MAIN(QuotingTest)
#include "tst_quoting.moc"

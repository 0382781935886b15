#include "GridMenu.h"
#include "KeyFilters.h"
#include "StringGrid.h"
#include "common/QueryConventions.h"
#include "common/RecordLimit.h"

#include "KeyTyping.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Records the keys that reach it; installed before a key filter, it sees
// only what the filter lets through.
class KeyRecorder : public QObject {
public:
    QList<int> pressed;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            pressed << static_cast<QKeyEvent*>(event)->key();
        return false;
    }
};

} // namespace

class ConventionsTest : public QObject {
    Q_OBJECT

private slots:
    void displayDecoding_data();
    void displayDecoding();
    void nullValueIsEmpty();
    void escaping_data();
    void escaping();
    void names_data();
    void names();
    void bareValues_data();
    void bareValues();
    void sessionSetUpText();
    void trimmingControls();
    void latinCaseOnly();
    void integerConversion_data();
    void integerConversion();
    void busyPanelCentring_data();
    void busyPanelCentring();
    void limitClause_data();
    void limitClause();
    void paging_data();
    void paging();
    void pagingWithNonNumericLimitFails();
    void keyFilters_data();
    void keyFilters();
    void keysThatTypeNoCharacterPass_data();
    void keysThatTypeNoCharacterPass();
    void tabLeavesAFilteredEdit();
    void programTextIsNotFiltered();
    void emptyResultLeavesOneClearedRow();
    void gridKeepsCellsWhenResized();
    void fixedCellsCannotBeSelected();
    void gridMenuOpensOnRightClick();
    void onlyTheLeftButtonSelects();
};

void ConventionsTest::displayDecoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ASCII") << QByteArray("Player 42") << QStringLiteral("Player 42");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("two-byte Cyrillic") << QByteArray("Привет") << QStringLiteral("Привет");
    QTest::newRow("two-byte Latin") << QByteArray("\xC3\xB1") << QStringLiteral("ñ");
    QTest::newRow("three-byte") << QByteArray("\xE2\x82\xAC 5") << QStringLiteral("€ 5");
    QTest::newRow("mixed") << QByteArray("a\xD0\xAF\xE2\x84\x96z") << QStringLiteral("aЯ№z");
    QTest::newRow("bad continuation") << QByteArray("ab\xD0\x41") << QString();
    QTest::newRow("bad second continuation") << QByteArray("\xE2\x82\x41") << QString();
    QTest::newRow("two-byte form cut off") << QByteArray("abc\xD0") << QString();
    QTest::newRow("three-byte form cut off") << QByteArray("abc\xE2\x82") << QString();
    QTest::newRow("four-byte form") << QByteArray("ok \xF0\x9F\x98\x80") << QString();
    QTest::newRow("four-byte form inside") << QByteArray("\xF0\x9F\x98\x80 and more") << QString();
    QTest::newRow("Windows-1251 bytes")
            << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2") << QString(); // "Привет"
    QTest::newRow("lone continuation byte") << QByteArray("a\x80") << QString();
}

void ConventionsTest::displayDecoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(displayDecode(bytes.constData(), size_t(bytes.size())), shown);
}

void ConventionsTest::nullValueIsEmpty() {
    QCOMPARE(displayDecode(nullptr, 5), QString());
}

void ConventionsTest::escaping_data() {
    QTest::addColumn<bool>("noBackslashEscapes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::addColumn<QString>("likeEscaped");
    const QString nulCtrlZ = QString::fromUtf16(u"a\u0000b\u001Ac", 5);
    QTest::newRow("plain") << false << QStringLiteral("Иван") << QStringLiteral("Иван")
                           << QStringLiteral("Иван");
    QTest::newRow("double quote") << false << QStringLiteral("a\"b") << QStringLiteral("a\\\"b")
                                  << QStringLiteral("a\\\"b");
    QTest::newRow("single quote") << false << QStringLiteral("O'Neil") << QStringLiteral("O\\'Neil")
                                  << QStringLiteral("O\\'Neil");
    QTest::newRow("backslash") << false << QStringLiteral("C:\\x") << QStringLiteral("C:\\\\x")
                               << QStringLiteral("C:\\\\\\\\x");
    QTest::newRow("line break") << false << QStringLiteral("a\r\nb") << QStringLiteral("a\\r\\nb")
                                << QStringLiteral("a\\r\\nb");
    QTest::newRow("NUL and Ctrl-Z")
            << false << nulCtrlZ << QStringLiteral("a\\0b\\Zc") << QStringLiteral("a\\0b\\Zc");
    QTest::newRow("wildcards stay") << false << QStringLiteral("%a_b%") << QStringLiteral("%a_b%")
                                    << QStringLiteral("%a_b%");
    // Without backslash escapes only the double quote needs a second one.
    QTest::newRow("no backslash escapes: double quote doubled")
            << true << QStringLiteral("x\" where 1=1 #") << QStringLiteral("x\"\" where 1=1 #")
            << QStringLiteral("x\"\" where 1=1 #");
    // LIKE still reads a backslash as its escape character.
    QTest::newRow("no backslash escapes: backslash and single quote stay")
            << true << QStringLiteral("a\\\"b'") << QStringLiteral("a\\\"\"b'")
            << QStringLiteral("a\\\\\"\"b'");
    QTest::newRow("no backslash escapes: control characters stay")
            << true << nulCtrlZ + QStringLiteral("\r\n") << nulCtrlZ + QStringLiteral("\r\n")
            << nulCtrlZ + QStringLiteral("\r\n");
    QTest::newRow("no backslash escapes: wildcards stay")
            << true << QStringLiteral("%a_b%") << QStringLiteral("%a_b%")
            << QStringLiteral("%a_b%");
}

void ConventionsTest::escaping() {
    QFETCH(bool, noBackslashEscapes);
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QFETCH(QString, likeEscaped);
    const Quoting quoting{noBackslashEscapes};
    QCOMPARE(escapeQuoted(text, quoting), escaped);
    QCOMPARE(quotedText(text, quoting), u'"' + escaped + u'"');
    QCOMPARE(escapeLikeQuoted(text, quoting), likeEscaped);
    QCOMPARE(likeAnywhere(text, quoting),
             QStringLiteral("\"%") + likeEscaped +
                     (noBackslashEscapes ? QStringLiteral("%\" escape \"\\\"")
                                         : QStringLiteral("%\"")));
}

void ConventionsTest::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("quoted");
    QTest::addColumn<QString>("qualifier");
    QTest::newRow("plain") << QStringLiteral("realmd") << QStringLiteral("`realmd`")
                           << QStringLiteral("realmd");
    QTest::newRow("digits, _ and $") << QStringLiteral("world_2$") << QStringLiteral("`world_2$`")
                                     << QStringLiteral("world_2$");
    QTest::newRow("backquote doubled")
            << QStringLiteral("a`b") << QStringLiteral("`a``b`") << QStringLiteral("`a``b`");
    QTest::newRow("ends with a backquote") << QStringLiteral("x`; drop database y; #")
                                           << QStringLiteral("`x``; drop database y; #`")
                                           << QStringLiteral("`x``; drop database y; #`");
    QTest::newRow("hyphen") << QStringLiteral("my-db") << QStringLiteral("`my-db`")
                            << QStringLiteral("`my-db`");
    QTest::newRow("starts with a digit")
            << QStringLiteral("1e5") << QStringLiteral("`1e5`") << QStringLiteral("`1e5`");
    QTest::newRow("Cyrillic") << QStringLiteral("мир") << QStringLiteral("`мир`")
                              << QStringLiteral("`мир`");
    QTest::newRow("empty") << QString() << QStringLiteral("``") << QStringLiteral("``");
}

void ConventionsTest::names() {
    QFETCH(QString, name);
    QFETCH(QString, quoted);
    QFETCH(QString, qualifier);
    QCOMPARE(quotedName(name), quoted);
    QCOMPARE(qualifierName(name), qualifier);
}

void ConventionsTest::bareValues_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("digit");
    QTest::newRow("digits") << QStringLiteral("42") << QStringLiteral("42") << QStringLiteral("4");
    QTest::newRow("blanks kept") << QStringLiteral(" 7 ") << QStringLiteral(" 7 ") << QString();
    QTest::newRow("combo item") << QStringLiteral("3 - administrator") << QString()
                                << QStringLiteral("3");
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("sign") << QStringLiteral("-1") << QString() << QString();
    QTest::newRow("statement text")
            << QStringLiteral("1, `gmlevel` = 4") << QString() << QStringLiteral("1");
    QTest::newRow("statement text first") << QStringLiteral("(select 4)") << QString() << QString();
    QTest::newRow("digit of another script") << QStringLiteral("٣") << QString() << QString();
}

void ConventionsTest::bareValues() {
    QFETCH(QString, text);
    QFETCH(QString, number);
    QFETCH(QString, digit);
    QCOMPARE(bareNumber(text), number);
    QCOMPARE(firstDigit(text), digit);
}

void ConventionsTest::sessionSetUpText() {
    // Pinned here once; the pages' tests see it in the server's log, and the
    // quoting test runs it against every mode it must take out.
    QCOMPARE(sessionSetUpStatement(),
             QStringLiteral(
                     "SET SESSION sql_mode = TRIM(BOTH ',' FROM REPLACE(REPLACE(REPLACE(REPLACE("
                     "REPLACE(REPLACE(REPLACE(REPLACE(CONCAT(',', @@SESSION.sql_mode, ','), "
                     "',ANSI_QUOTES,', ','), ',NO_BACKSLASH_ESCAPES,', ','), ',ANSI,', ','), "
                     "',DB2,', ','), ',MAXDB,', ','), ',MSSQL,', ','), ',ORACLE,', ','), "
                     "',POSTGRESQL,', ','))"));
}

void ConventionsTest::trimmingControls() {
    QCOMPARE(trimControls(QStringLiteral(" \t\r\n Иван \x01")), QStringLiteral("Иван"));
    QCOMPARE(trimControls(QStringLiteral("a b")), QStringLiteral("a b"));
    QCOMPARE(trimControls(QStringLiteral("   ")), QString());
}

void ConventionsTest::latinCaseOnly() {
    QCOMPARE(upperLatin(QStringLiteral("abc Иван xyz")), QStringLiteral("ABC Иван XYZ"));
    QCOMPARE(lowerLatin(QStringLiteral("ABC ИВАН XYZ")), QStringLiteral("abc ИВАН xyz"));
}

void ConventionsTest::integerConversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << QStringLiteral("3306") << true << 3306;
    QTest::newRow("leading blanks") << QStringLiteral("  12") << true << 12;
    QTest::newRow("sign") << QStringLiteral("-7") << true << -7;
    QTest::newRow("largest") << QStringLiteral("2147483647") << true << 2147483647;
    QTest::newRow("smallest") << QStringLiteral("-2147483648") << true << int(-2147483648LL);
    QTest::newRow("too large") << QStringLiteral("2147483648") << false << 0;
    QTest::newRow("empty") << QString() << false << 0;
    QTest::newRow("letters") << QStringLiteral("33a") << false << 0;
    QTest::newRow("trailing blank") << QStringLiteral("33 ") << false << 0;
    QTest::newRow("sign only") << QStringLiteral("-") << false << 0;
}

void ConventionsTest::integerConversion() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    try {
        const int converted = toInteger(text);
        QVERIFY2(valid, "a conversion that should fail went through");
        QCOMPARE(converted, value);
    } catch (const ConversionError& error) {
        QVERIFY2(!valid, error.what());
        QCOMPARE(QString::fromUtf8(error.what()),
                 QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void ConventionsTest::busyPanelCentring_data() {
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("inner");
    QTest::addColumn<int>("offset");
    QTest::newRow("half goes down to even") << 750 << 457 << 146; // 146.5
    QTest::newRow("half goes up to even") << 752 << 457 << 148;   // 147.5
    QTest::newRow("whole") << 751 << 457 << 147;
    QTest::newRow("height 550") << 550 << 201 << 174; // 174.5
    QTest::newRow("height 551") << 551 << 201 << 175;
    QTest::newRow("smaller than the panel") << 400 << 457 << -28; // -28.5
}

void ConventionsTest::busyPanelCentring() {
    QFETCH(int, outer);
    QFETCH(int, inner);
    QFETCH(int, offset);
    QCOMPARE(centredOffset(outer, inner), offset);
}

void ConventionsTest::limitClause_data() {
    QTest::addColumn<QString>("limit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("clause");
    QTest::newRow("all") << QStringLiteral("Все") << 200 << QString();
    QTest::newRow("first ignores the offset")
            << QStringLiteral("Первая") << 200 << QStringLiteral(" LIMIT 1");
    QTest::newRow("number") << QStringLiteral("100") << 200 << QStringLiteral(" LIMIT 200,100");
    QTest::newRow("number as it stands")
            << QStringLiteral(" 5") << 0 << QStringLiteral(" LIMIT 0, 5");
    // Any other text leaves the count out, and the server rejects the
    // statement.
    QTest::newRow("not a number") << QStringLiteral(" 5x") << 0 << QStringLiteral(" LIMIT 0,");
    QTest::newRow("statement text")
            << QStringLiteral("1 union select 1") << 0 << QStringLiteral(" LIMIT 0,");
    QTest::newRow("case matters") << QStringLiteral("все") << 0 << QStringLiteral(" LIMIT 0,");
}

void ConventionsTest::limitClause() {
    QFETCH(QString, limit);
    QFETCH(int, offset);
    QFETCH(QString, clause);
    QCOMPARE(recordlimit::limitClause(limit, offset), clause);
}

void ConventionsTest::paging_data() {
    QTest::addColumn<QString>("limit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("next");     // -1: nothing happens
    QTest::addColumn<int>("previous"); // -1: nothing happens
    QTest::newRow("from 0") << QStringLiteral("50") << 0 << 50 << -1;
    QTest::newRow("from 50") << QStringLiteral("50") << 50 << 100 << 0;
    QTest::newRow("would go below 0") << QStringLiteral("50") << 30 << 80 << -1;
    QTest::newRow("all") << QStringLiteral("Все") << 100 << -1 << -1;
    QTest::newRow("first") << QStringLiteral("Первая") << 100 << -1 << -1;
    // The offset stays within 0 and the largest 32-bit number.
    QTest::newRow("largest limit") << QStringLiteral("2147483647") << 1 << -1 << -1;
    QTest::newRow("near the largest offset")
            << QStringLiteral("10") << 2147483640 << -1 << 2147483630;
    QTest::newRow("negative limit") << QStringLiteral("-5") << 0 << -1 << 5;
    QTest::newRow("smallest limit") << QStringLiteral("-2147483648") << 10 << -1 << -1;
}

void ConventionsTest::paging() {
    QFETCH(QString, limit);
    QFETCH(int, offset);
    QFETCH(int, next);
    QFETCH(int, previous);
    QCOMPARE(recordlimit::nextPageOffset(limit, offset).value_or(-1), next);
    QCOMPARE(recordlimit::previousPageOffset(limit, offset).value_or(-1), previous);
}

void ConventionsTest::pagingWithNonNumericLimitFails() {
    QVERIFY_THROWS_EXCEPTION(ConversionError, recordlimit::nextPageOffset(QStringLiteral("5x"), 0));
    QVERIFY_THROWS_EXCEPTION(ConversionError,
                             recordlimit::previousPageOffset(QStringLiteral("5x"), 10));
}

void ConventionsTest::keyFilters_data() {
    QTest::addColumn<bool>("withDot");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("digits only: signs, separators, blanks")
            << false << QStringLiteral("1-2,3.4 5") << QStringLiteral("12345");
    QTest::newRow("digits only: letters")
            << false << QStringLiteral("a1b2") << QStringLiteral("12");
    QTest::newRow("digits only: Cyrillic")
            << false << QStringLiteral("1д2") << QStringLiteral("12");
    QTest::newRow("digits and dot: address")
            << true << QStringLiteral("127.0.0.1") << QStringLiteral("127.0.0.1");
    QTest::newRow("digits and dot: host name")
            << true << QStringLiteral("db1.local") << QStringLiteral("1.");
}

void ConventionsTest::keyFilters() {
    QFETCH(bool, withDot);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QLineEdit edit;
    withDot ? installDigitsAndDotFilter(&edit) : installDigitsOnlyFilter(&edit);
    typeText(&edit, typed);
    QCOMPARE(edit.text(), kept);
    // Backspace passes.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), kept.chopped(kept.isEmpty() ? 0 : 1));
    // Pasting is filtered the same way as typing.
    edit.clear();
    QApplication::clipboard()->setText(typed);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), kept);
}

void ConventionsTest::keysThatTypeNoCharacterPass_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("passes");
    QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true;
    QTest::newRow("arrow") << int(Qt::Key_Left) << int(Qt::NoModifier) << true;
    QTest::newRow("Home") << int(Qt::Key_Home) << int(Qt::NoModifier) << true;
    QTest::newRow("function key") << int(Qt::Key_F5) << int(Qt::NoModifier) << true;
    QTest::newRow("shortcut") << int(Qt::Key_A) << int(Qt::ControlModifier) << true;
    // The edit types these letters, so the filter drops them.
    QTest::newRow("Alt+letter") << int(Qt::Key_X) << int(Qt::AltModifier) << false;
    QTest::newRow("Ctrl+Alt+letter")
            << int(Qt::Key_X) << int(Qt::ControlModifier | Qt::AltModifier) << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << int(Qt::NoModifier) << false;
}

void ConventionsTest::keysThatTypeNoCharacterPass() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, passes);
    QLineEdit edit;
    KeyRecorder recorder;
    edit.installEventFilter(&recorder);
    installDigitsOnlyFilter(&edit);
    edit.setText(QStringLiteral("12"));
    QSignalSpy returns(&edit, &QLineEdit::returnPressed);
    QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(recorder.pressed.contains(key), passes);
    QCOMPARE(edit.text(), QStringLiteral("12"));
    QCOMPARE(returns.size(), key == Qt::Key_Return || key == Qt::Key_Enter ? 1 : 0);
}

void ConventionsTest::tabLeavesAFilteredEdit() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    auto* filtered = new QLineEdit(&window);
    auto* after = new QLineEdit(&window);
    for (QLineEdit* edit : {before, filtered, after})
        layout->addWidget(edit);
    installDigitsAndDotFilter(filtered);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    filtered->setFocus();
    QTRY_VERIFY(filtered->hasFocus());
    QTest::keyClick(filtered, Qt::Key_Tab);
    QTRY_VERIFY(after->hasFocus());
    filtered->setFocus();
    QTest::keyClick(filtered, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(before->hasFocus());
}

void ConventionsTest::programTextIsNotFiltered() {
    QLineEdit edit;
    installDigitsOnlyFilter(&edit);
    edit.setText(QStringLiteral("12 abc"));
    QCOMPARE(edit.text(), QStringLiteral("12 abc"));
}

void ConventionsTest::emptyResultLeavesOneClearedRow() {
    StringGrid grid;
    grid.setColCount(3);
    grid.setRowCount(4);
    for (int col = 0; col < 3; ++col)
        grid.setCell(col, 1, QStringLiteral("old"));
    grid.setCell(1, 3, QStringLiteral("old"));
    prepareGridRows(grid, 0);
    QCOMPARE(grid.rowCount(), 2);
    for (int col = 0; col < 3; ++col)
        QCOMPARE(grid.cell(col, 1), QString());
    prepareGridRows(grid, 5);
    QCOMPARE(grid.rowCount(), 6);
    QCOMPARE(grid.cell(1, 3), QString()); // the dropped rows are gone
}

void ConventionsTest::gridKeepsCellsWhenResized() {
    StringGrid grid;
    grid.setColCount(3);
    grid.setRowCount(3);
    grid.setCell(1, 1, QStringLiteral("a"));
    grid.setCell(2, 2, QStringLiteral("b"));
    grid.setColCount(5);
    grid.setRowCount(10);
    QCOMPARE(grid.cell(1, 1), QStringLiteral("a"));
    QCOMPARE(grid.cell(2, 2), QStringLiteral("b"));
    grid.setColCount(2);
    QCOMPARE(grid.cell(1, 1), QStringLiteral("a"));
    QCOMPARE(grid.cell(2, 2), QString());
    setGridHeader(grid, {QStringLiteral("id"), QStringLiteral("name")}, {0, 170});
    QCOMPARE(grid.cell(0, 0), QStringLiteral("id"));
    QCOMPARE(grid.colWidth(0), grid.defaultColWidth());
    QCOMPARE(grid.colWidth(1), 170);
}

void ConventionsTest::fixedCellsCannotBeSelected() {
    StringGrid grid;
    grid.setColCount(3);
    grid.setRowCount(3);
    QVERIFY(!grid.selectCell(0, 1));
    QVERIFY(!grid.selectCell(1, 0));
    QVERIFY(grid.selectCell(2, 2));
    QCOMPARE(grid.currentCol(), 2);
    QCOMPARE(grid.currentRow(), 2);
}

void ConventionsTest::gridMenuOpensOnRightClick() {
    StringGrid grid;
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    int chosen = 0;
    auto* menu = new GridMenu(&grid, QStringLiteral("acc_menu"));
    menu->addItem(QStringLiteral("N1"), QStringLiteral("Показать все"), [&] { ++chosen; });
    QAction* divider = menu->addDivider(QStringLiteral("N3"));
    QCOMPARE(divider->text(), QStringLiteral("----------"));
    QVERIFY(!divider->isEnabled());

    const QPoint point = grid.viewport()->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, grid.viewport()->mapToGlobal(point));
    QApplication::sendEvent(grid.viewport(), &event);
    QTRY_COMPARE(QApplication::activePopupWidget(), menu);
    QAction* item = menu->findChild<QAction*>(QStringLiteral("N1"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QTRY_COMPARE(chosen, 1);
    QVERIFY(!menu->isVisible());
}

void ConventionsTest::onlyTheLeftButtonSelects() {
    StringGrid grid;
    grid.setColCount(3);
    grid.setRowCount(5);
    grid.resize(300, 200);
    auto* menu = new GridMenu(&grid, QStringLiteral("acc_menu"));
    menu->addItem(QStringLiteral("N1"), QStringLiteral("Показать все"), [] {});
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy selected(&grid, &StringGrid::cellSelected);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(1, 1).center());
    QCOMPARE(selected.size(), 1);

    // A right click on another row opens the menu and selects nothing.
    const QPoint other = grid.cellRect(2, 3).center();
    QTest::mousePress(grid.viewport(), Qt::RightButton, {}, other);
    QContextMenuEvent event(QContextMenuEvent::Mouse, other, grid.viewport()->mapToGlobal(other));
    QApplication::sendEvent(grid.viewport(), &event);
    QTRY_COMPARE(QApplication::activePopupWidget(), menu);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(grid.currentCol(), 1);
    QCOMPARE(grid.currentRow(), 1);
    menu->hide();
    QTest::mouseRelease(grid.viewport(), Qt::RightButton, {}, other);

    // So does the middle button; the keyboard selects.
    QTest::mouseClick(grid.viewport(), Qt::MiddleButton, {}, grid.cellRect(2, 3).center());
    QCOMPARE(selected.size(), 1);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(selected.size(), 2);
    QCOMPARE(grid.currentRow(), 2);
}

QTEST_MAIN(ConventionsTest)
#include "tst_conventions.moc"

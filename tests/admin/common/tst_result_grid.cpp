// A grid showing the rows of a result: it keeps the result's rows, not a text
// per cell, and decodes a cell when it is read. What that can get wrong: a
// cell of a replaced or released result, NULL against empty text, malformed
// bytes, the last row, an empty result.
#include "PageHarness.h"
#include "ScriptedDialogs.h"
#include "StringGrid.h"
#include "common/QueryConventions.h"
#include "uMysqlClient.h"

#include <QTest>

class ResultGridTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cellsAsDisplayDecoded_data();
    void cellsAsDisplayDecoded();
    void gridKeepsItsRowsAfterTheResultIsReplaced();
    void refreshWithFewerRows();
    void emptyResultLeavesOneEmptyRow();
    void setTextsWinOverDataCells();

private:
    // Runs a select in the realmd database and shows its result in m_grid.
    void show(const QString& select, int firstColumn = 0);

    TestServer m_server;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<QueryContext> m_context;
    std::unique_ptr<StringGrid> m_grid;
};

void ResultGridTest::initTestCase() {
    m_server = TestServer::fromEnvironment();
    REQUIRE_TEST_SERVER(m_server);
}

void ResultGridTest::init() {
    m_grid.reset();
    m_context = std::make_unique<QueryContext>(m_dialogs);
    QVERIFY(connectToTestServer(*m_context, m_server));
    QVERIFY(m_context->switchDatabase(Database::Realmd));
    m_grid = std::make_unique<StringGrid>();
}

void ResultGridTest::show(const QString& select, int firstColumn) {
    QVERIFY2(m_context->run(select), qPrintable(select));
    m_grid->setColCount(m_context->fieldCount() + firstColumn);
    fillGridFromResult(*m_context, *m_grid, firstColumn);
}

void ResultGridTest::cellsAsDisplayDecoded_data() {
    QTest::addColumn<QString>("select");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("NULL, empty text and text")
            << "select NULL, '', 'x', NULL" << QStringList({"", "", "x", ""});
    QTest::newRow("empty text, NULL and text")
            << "select '', NULL, 'Привет'" << QStringList({"", "", "Привет"});
    QTest::newRow("malformed bytes between well-formed ones")
            << "select 'ok', x'D041', x'CFF0E8E2E5F2', '№ 5'" << QStringList({"ok", "", "", "№ 5"});
    QTest::newRow("a value with a zero byte")
            << "select x'610062', 'z'" << QStringList({QString::fromUtf16(u"a\u0000b", 3), "z"});
    QTest::newRow("a long value") << "select repeat('ы', 70000), 1"
                                  << QStringList({QString(70000, u'ы'), "1"});
}

void ResultGridTest::cellsAsDisplayDecoded() {
    QFETCH(QString, select);
    QFETCH(QStringList, cells);
    show(select);
    QCOMPARE(m_grid->rowCount(), 2);
    QCOMPARE(m_grid->colCount(), cells.size());
    for (int col = 0; col < cells.size(); ++col)
        QCOMPARE(m_grid->cell(col, 1), cells[col]);
}

void ResultGridTest::gridKeepsItsRowsAfterTheResultIsReplaced() {
    show("select seq, concat('Игрок', seq) from seq_1_to_1000");
    const std::weak_ptr<const mysql::TRowList> rows = m_context->result()->Rows();
    QVERIFY(m_context->run("select 'another'"));
    m_context->releaseResult();
    QVERIFY(!rows.expired());
    QCOMPARE(m_grid->rowCount(), 1001);
    QCOMPARE(m_grid->cell(1, 1), QStringLiteral("Игрок1"));
    QCOMPARE(m_grid->cell(0, 1000), QStringLiteral("1000"));
    QCOMPARE(m_grid->cell(1, 1000), QStringLiteral("Игрок1000"));
    QCOMPARE(m_grid->cell(1, 1001), QString());
    QCOMPARE(m_grid->cell(2, 1000), QString());

    // The last one to let go frees them.
    m_grid.reset();
    QVERIFY(rows.expired());
}

void ResultGridTest::refreshWithFewerRows() {
    show("select seq, repeat('x', seq) from seq_1_to_5");
    const std::weak_ptr<const mysql::TRowList> first = m_context->result()->Rows();
    QVERIFY(m_grid->selectCell(1, 5));
    show("select seq * 10, repeat('y', seq), 'z' from seq_1_to_2");
    m_context->releaseResult();
    QVERIFY(first.expired());
    QCOMPARE(m_grid->rowCount(), 3);
    QCOMPARE(m_grid->currentRow(), 2);
    QCOMPARE(m_grid->cell(0, 2), QStringLiteral("20"));
    QCOMPARE(m_grid->cell(1, 2), QStringLiteral("yy"));
    QCOMPARE(m_grid->cell(1, 3), QString());
    QCOMPARE(m_grid->cell(1, 5), QString());

    // Rows cut off by the row count stay gone when the grid grows again.
    m_grid->setRowCount(2);
    m_grid->setRowCount(6);
    QCOMPARE(m_grid->cell(1, 1), QStringLiteral("y"));
    QCOMPARE(m_grid->cell(1, 2), QString());
    m_grid->setColCount(2);
    m_grid->setColCount(3);
    QCOMPARE(m_grid->cell(1, 1), QStringLiteral("y"));
    QCOMPARE(m_grid->cell(2, 1), QString());
}

void ResultGridTest::emptyResultLeavesOneEmptyRow() {
    show("select seq, 'old' from seq_1_to_3");
    setGridHeader(*m_grid, {QStringLiteral("n"), QStringLiteral("text")});
    show("select seq, 'new' from seq_1_to_3 where seq > 9");
    QCOMPARE(m_grid->rowCount(), 2);
    QCOMPARE(m_grid->cell(0, 1), QString());
    QCOMPARE(m_grid->cell(1, 1), QString());
    QCOMPARE(m_grid->cell(1, 0), QStringLiteral("text"));
}

void ResultGridTest::setTextsWinOverDataCells() {
    // Column 0 holds the grid's own numbering, the result starts at column 1.
    m_grid->setColCount(3);
    m_grid->setRowCount(4);
    for (int row = 1; row <= 3; ++row) {
        m_grid->setCell(0, row, QString::number(row));
        m_grid->setCell(1, row, QStringLiteral("stale"));
    }
    show("select concat('r', seq), NULL from seq_1_to_3", 1);
    QCOMPARE(m_grid->cell(0, 3), QStringLiteral("3"));
    QCOMPARE(m_grid->cell(1, 3), QStringLiteral("r3"));

    m_grid->setCell(1, 2, QStringLiteral("edited"));
    m_grid->clearRow(3);
    QCOMPARE(m_grid->cell(1, 2), QStringLiteral("edited"));
    QCOMPARE(m_grid->cell(0, 3), QString());
    QCOMPARE(m_grid->cell(1, 3), QString());
    QCOMPARE(m_grid->cell(1, 1), QStringLiteral("r1"));
    // The next result drops what was set on its columns.
    show("select concat('s', seq), NULL from seq_1_to_3", 1);
    QCOMPARE(m_grid->cell(1, 2), QStringLiteral("s2"));
    QCOMPARE(m_grid->cell(1, 3), QStringLiteral("s3"));
}

QTEST_MAIN(ResultGridTest)
#include "tst_result_grid.moc"

#include "common/GridFill.h"

#include "StringGrid.h"
#include "common/DisplayText.h"
#include "common/StatementRunner.h"
#include "uMysqlHelpers.h"

#include <algorithm>
#include <limits>

ResultCells::ResultCells(std::shared_ptr<const mysql::TRowList> rows, CellText cellText)
    : m_rows(std::move(rows))
    , m_cellText(std::move(cellText)) {}

int ResultCells::rowCount() const {
    // A grid counts its rows in an int, the header row among them.
    constexpr uint64_t most = std::numeric_limits<int>::max() - 1;
    return m_rows ? int(std::min(m_rows->RowCount(), most)) : 0;
}

int ResultCells::columnCount() const {
    return m_rows ? m_rows->FieldCount() : 0;
}

QString ResultCells::text(int column, int row) const {
    size_t length = 0;
    const char* bytes = m_rows->Value(uint64_t(row), column, &length);
    QString field = displayDecode(bytes, length);
    return m_cellText ? m_cellText(column, field) : field;
}

void prepareGridRows(StringGrid& grid, int resultRows) {
    if (resultRows < 1) {
        grid.setRowCount(2);
        grid.clearRow(1);
    } else {
        grid.setRowCount(resultRows + 1);
    }
}

void setGridHeader(StringGrid& grid, const QStringList& titles, const QList<int>& widths) {
    for (int col = 0; col < titles.size(); ++col)
        grid.setCell(col, 0, titles[col]);
    for (int col = 0; col < widths.size(); ++col) {
        if (widths[col] > 0)
            grid.setColWidth(col, widths[col]);
    }
}

void fillGridFromResult(const QueryContext& context, StringGrid& grid, int firstColumn) {
    grid.setDataCells(context.resultCells(), firstColumn);
}

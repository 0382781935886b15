#pragma once

#include "GridCells.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QueryContext;
class StringGrid;

namespace mysql {
class TRowList;
} // namespace mysql

// The rows of a result as the data cells of a grid. They share the result's
// rows, which thus stay as long as a grid shows them, whatever becomes of the
// result, and a cell is display-decoded each time it is read.
class ResultCells : public GridCells {
public:
    // The text of a cell from its display-decoded field (column counted from
    // 0); by default the field itself.
    using CellText = std::function<QString(int column, const QString& field)>;

    // No rows are no cells.
    explicit ResultCells(std::shared_ptr<const mysql::TRowList> rows, CellText cellText = {});

    int rowCount() const override;
    int columnCount() const override;
    QString text(int column, int row) const override;

private:
    std::shared_ptr<const mysql::TRowList> m_rows;
    CellText m_cellText;
};

// Sets the rows of a list grid for a result of resultRows rows: the header
// row plus one row per result row, or, for an empty result, the header row
// and one data row whose cells are all cleared.
void prepareGridRows(StringGrid& grid, int resultRows);

// Writes the header titles into row 0 and, where given (> 0), the widths of
// the columns, both from column 0 on.
void setGridHeader(StringGrid& grid, const QStringList& titles, const QList<int>& widths = {});

// Shows the rows of the current result in the grid: result row r in grid row
// r + 1, field c in column c + firstColumn, display-decoded. The grid gets one
// row per result row (one empty data row for none) and keeps the rows after
// the current result is replaced.
void fillGridFromResult(const QueryContext& context, StringGrid& grid, int firstColumn = 0);

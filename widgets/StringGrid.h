#pragma once

#include "GridCells.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

// A grid of text cells with one fixed header row and one fixed first column.
// Cells are addressed as (column, row); row 0 and column 0 are the fixed ones,
// always visible and never selectable. The grid scrolls by whole rows and
// columns and paints only what is visible.
//
// A cell's text is either set on the grid (setCell) or read from a shared
// block of data cells (setDataCells) when the cell is painted or asked for;
// a text set on a cell wins. A list of a million rows thus costs the grid no
// memory per cell.
class StringGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit StringGrid(QWidget* parent = nullptr);

    int colCount() const { return m_colCount; }
    int rowCount() const { return m_rowCount; }
    // Changing the size keeps the text of the cells that remain.
    void setColCount(int count);
    void setRowCount(int count);

    QString cell(int col, int row) const;
    void setCell(int col, int row, QString text);
    // Empties every cell of the row.
    void clearRow(int row);

    // Shows cells as the data rows: row r of the cells in grid row r + 1,
    // column c in grid column firstColumn + c, as far as the grid's columns
    // reach. The grid gets the header row and one row per cells row, or one
    // empty data row when the cells have none. Texts set on the data rows of
    // those columns are dropped; other columns and the header row keep
    // theirs. The grid shares the cells until they are replaced or the rows
    // or columns they show are cut off.
    void setDataCells(std::shared_ptr<const GridCells> cells, int firstColumn = 0);

    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int defaultColWidth() const { return m_defaultColWidth; }
    int defaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int height);
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);

    // The current (selected) cell; (-1, -1) before the first selection.
    int currentCol() const { return m_currentCol; }
    int currentRow() const { return m_currentRow; }
    // Makes a data cell current, scrolls it into view and reports it through
    // cellSelected, as a click on it does. Fixed cells are refused.
    bool selectCell(int col, int row);

    // Shows text as the grid's tooltip ("hint"), switched on from then.
    void setHint(const QString& text);
    QString hint() const { return m_hint; }

    // The cell's rectangle in viewport coordinates, or an empty rectangle when
    // it is scrolled out of view.
    QRect cellRect(int col, int row) const;
    void scrollToCell(int col, int row);
    int topRow() const;
    int leftCol() const;

    QSize sizeHint() const override;

signals:
    void cellSelected(int col, int row);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    int columnXAfterFixed(int col) const;
    bool cellAt(const QPoint& pos, int* col, int* row) const;
    void updateScrollBars();
    void moveCurrent(int col, int row);
    void refresh();
    bool isDataCell(int col, int row) const;
    void clipDataCells();
    using TextIterator = QHash<quint64, QString>::iterator;
    static quint64 cellKey(int col, int row) { return quint64(row) << 32 | quint32(col); }
    static int keyRow(quint64 key) { return int(key >> 32); }
    static int keyCol(quint64 key) { return int(quint32(key)); }

    int m_colCount = 5;
    int m_rowCount = 5;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    QHash<quint64, QString> m_texts; // the texts set on cells, by cellKey
    std::shared_ptr<const GridCells> m_data;
    int m_dataFirstCol = 0;
    int m_dataRows = 0; // the rows and columns of m_data that the grid shows
    int m_dataCols = 0;
    std::vector<int> m_colWidths;  // m_colCount entries
    std::vector<int> m_rowHeights; // empty while every row has the default height
    int m_currentCol = -1;
    int m_currentRow = -1;
    QString m_hint;
};

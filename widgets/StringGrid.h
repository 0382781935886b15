#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include <vector>

// A grid of text cells with one fixed header row and one fixed first column.
// Cells are addressed as (column, row); row 0 and column 0 are the fixed ones,
// always visible and never selectable. The grid scrolls by whole rows and
// columns and paints only what is visible, so it stays fast with hundreds of
// thousands of rows.
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

    int m_colCount = 5;
    int m_rowCount = 5;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    std::vector<QString> m_cells;  // row-major, m_rowCount * m_colCount
    std::vector<int> m_colWidths;  // m_colCount entries
    std::vector<int> m_rowHeights; // empty while every row has the default height
    int m_currentCol = -1;
    int m_currentRow = -1;
    QString m_hint;
};

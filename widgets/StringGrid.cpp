#include "StringGrid.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace {
constexpr int kFixedCols = 1;
constexpr int kFixedRows = 1;
constexpr int kLineWidth = 1;
constexpr int kTextMargin = 2;
} // namespace

StringGrid::StringGrid(QWidget* parent)
    : QAbstractScrollArea(parent) {
    m_colWidths.assign(m_colCount, m_defaultColWidth);
    m_defaultRowHeight = std::max(fontMetrics().height() + 6, 18);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
    updateScrollBars();
}

void StringGrid::setColCount(int count) {
    count = std::max(count, kFixedCols + 1);
    if (count == m_colCount)
        return;
    if (count < m_colCount)
        m_texts.removeIf([count](TextIterator text) { return keyCol(text.key()) >= count; });
    m_colCount = count;
    clipDataCells();
    m_colWidths.resize(count, m_defaultColWidth);
    if (m_currentCol >= count)
        m_currentCol = count - 1;
    refresh();
}

void StringGrid::setRowCount(int count) {
    count = std::max(count, kFixedRows + 1);
    if (count == m_rowCount)
        return;
    if (count < m_rowCount)
        m_texts.removeIf([count](TextIterator text) { return keyRow(text.key()) >= count; });
    m_rowCount = count;
    clipDataCells();
    if (!m_rowHeights.empty())
        m_rowHeights.resize(count, m_defaultRowHeight);
    if (m_currentRow >= count)
        m_currentRow = count - 1;
    refresh();
}

void StringGrid::clipDataCells() {
    // Cells cut off stay gone when the grid grows again.
    m_dataRows = std::min(m_dataRows, m_rowCount - kFixedRows);
    m_dataCols = std::min(m_dataCols, m_colCount - m_dataFirstCol);
    if (m_dataRows <= 0 || m_dataCols <= 0) {
        m_data.reset();
        m_dataRows = 0;
        m_dataCols = 0;
    }
}

bool StringGrid::isDataCell(int col, int row) const {
    return row >= kFixedRows && row < kFixedRows + m_dataRows && col >= m_dataFirstCol &&
           col < m_dataFirstCol + m_dataCols;
}

QString StringGrid::cell(int col, int row) const {
    if (col < 0 || col >= m_colCount || row < 0 || row >= m_rowCount)
        return {};
    const auto text = m_texts.constFind(cellKey(col, row));
    if (text != m_texts.cend())
        return *text;
    if (isDataCell(col, row))
        return m_data->text(col - m_dataFirstCol, row - kFixedRows);
    return {};
}

void StringGrid::setCell(int col, int row, QString text) {
    if (col < 0 || col >= m_colCount || row < 0 || row >= m_rowCount)
        return;
    // An empty text is kept only where it hides a data cell.
    if (text.isEmpty() && !isDataCell(col, row))
        m_texts.remove(cellKey(col, row));
    else
        m_texts.insert(cellKey(col, row), std::move(text));
    if (isVisible())
        viewport()->update();
}

void StringGrid::clearRow(int row) {
    for (int col = 0; col < m_colCount; ++col)
        setCell(col, row, QString());
}

void StringGrid::setDataCells(std::shared_ptr<const GridCells> cells, int firstColumn) {
    firstColumn = std::max(firstColumn, 0);
    m_texts.removeIf([firstColumn](TextIterator text) {
        return keyRow(text.key()) >= kFixedRows && keyCol(text.key()) >= firstColumn;
    });
    const int rows = cells ? cells->rowCount() : 0;
    m_data = std::move(cells);
    m_dataFirstCol = firstColumn;
    m_dataRows = std::max(rows, 0);
    m_dataCols = m_data ? m_data->columnCount() : 0;
    setRowCount(kFixedRows + std::max(rows, 1));
    clipDataCells(); // to the columns, and when the row count stayed
    refresh();
}

int StringGrid::colWidth(int col) const {
    return col >= 0 && col < m_colCount ? m_colWidths[col] : 0;
}

void StringGrid::setColWidth(int col, int width) {
    if (col < 0 || col >= m_colCount)
        return;
    m_colWidths[col] = std::max(width, 0);
    refresh();
}

void StringGrid::setDefaultRowHeight(int height) {
    m_defaultRowHeight = std::max(height, 1);
    m_rowHeights.clear();
    refresh();
}

int StringGrid::rowHeight(int row) const {
    if (row < 0 || row >= m_rowCount)
        return 0;
    return m_rowHeights.empty() ? m_defaultRowHeight : m_rowHeights[row];
}

void StringGrid::setRowHeight(int row, int height) {
    if (row < 0 || row >= m_rowCount || height == rowHeight(row))
        return;
    if (m_rowHeights.empty())
        m_rowHeights.assign(m_rowCount, m_defaultRowHeight);
    m_rowHeights[row] = std::max(height, 0);
    refresh();
}

bool StringGrid::selectCell(int col, int row) {
    if (col < kFixedCols || col >= m_colCount || row < kFixedRows || row >= m_rowCount)
        return false;
    moveCurrent(col, row);
    return true;
}

void StringGrid::setHint(const QString& text) {
    m_hint = text;
    setToolTip(text);
}

int StringGrid::topRow() const {
    return kFixedRows + verticalScrollBar()->value();
}

int StringGrid::leftCol() const {
    return kFixedCols + horizontalScrollBar()->value();
}

int StringGrid::columnXAfterFixed(int col) const {
    // The x of a scrollable column that is at or right of leftCol().
    int x = 0;
    for (int c = 0; c < kFixedCols; ++c)
        x += m_colWidths[c] + kLineWidth;
    for (int c = leftCol(); c < col; ++c)
        x += m_colWidths[c] + kLineWidth;
    return x;
}

QRect StringGrid::cellRect(int col, int row) const {
    if (col < 0 || col >= m_colCount || row < 0 || row >= m_rowCount)
        return {};
    int x = 0;
    if (col < kFixedCols) {
        for (int c = 0; c < col; ++c)
            x += m_colWidths[c] + kLineWidth;
    } else {
        if (col < leftCol())
            return {};
        x = columnXAfterFixed(col);
    }
    int y = 0;
    if (row < kFixedRows) {
        for (int r = 0; r < row; ++r)
            y += rowHeight(r) + kLineWidth;
    } else {
        if (row < topRow())
            return {};
        for (int r = 0; r < kFixedRows; ++r)
            y += rowHeight(r) + kLineWidth;
        for (int r = topRow(); r < row && y < viewport()->height(); ++r)
            y += rowHeight(r) + kLineWidth;
    }
    const QRect rect(x, y, m_colWidths[col], rowHeight(row));
    if (x >= viewport()->width() || y >= viewport()->height())
        return {};
    return rect;
}

bool StringGrid::cellAt(const QPoint& pos, int* col, int* row) const {
    int x = 0;
    int foundCol = -1;
    for (int c = 0; c < m_colCount; ++c) {
        if (c == kFixedCols)
            c = leftCol();
        if (c >= m_colCount)
            break;
        const int right = x + m_colWidths[c] + kLineWidth;
        if (pos.x() >= x && pos.x() < right) {
            foundCol = c;
            break;
        }
        x = right;
        if (x > viewport()->width())
            break;
    }
    int y = 0;
    int foundRow = -1;
    for (int r = 0; r < m_rowCount; ++r) {
        if (r == kFixedRows)
            r = topRow();
        if (r >= m_rowCount)
            break;
        const int bottom = y + rowHeight(r) + kLineWidth;
        if (pos.y() >= y && pos.y() < bottom) {
            foundRow = r;
            break;
        }
        y = bottom;
        if (y > viewport()->height())
            break;
    }
    if (foundCol < 0 || foundRow < 0)
        return false;
    *col = foundCol;
    *row = foundRow;
    return true;
}

void StringGrid::scrollToCell(int col, int row) {
    if (row >= kFixedRows && row < m_rowCount) {
        QScrollBar* bar = verticalScrollBar();
        if (row < topRow()) {
            bar->setValue(row - kFixedRows);
        } else {
            // Scroll down until the row's bottom edge is inside the viewport.
            int fixedHeight = 0;
            for (int r = 0; r < kFixedRows; ++r)
                fixedHeight += rowHeight(r) + kLineWidth;
            int top = row;
            int height = rowHeight(row) + kLineWidth;
            while (top > topRow() && top > kFixedRows &&
                   fixedHeight + height + rowHeight(top - 1) + kLineWidth <= viewport()->height())
                height += rowHeight(--top) + kLineWidth;
            if (top > topRow())
                bar->setValue(top - kFixedRows);
        }
    }
    if (col >= kFixedCols && col < m_colCount) {
        QScrollBar* bar = horizontalScrollBar();
        if (col < leftCol()) {
            bar->setValue(col - kFixedCols);
        } else {
            int fixedWidth = 0;
            for (int c = 0; c < kFixedCols; ++c)
                fixedWidth += m_colWidths[c] + kLineWidth;
            int left = col;
            int width = m_colWidths[col] + kLineWidth;
            while (left > leftCol() && left > kFixedCols &&
                   fixedWidth + width + m_colWidths[left - 1] + kLineWidth <= viewport()->width())
                width += m_colWidths[--left] + kLineWidth;
            if (left > leftCol())
                bar->setValue(left - kFixedCols);
        }
    }
}

void StringGrid::updateScrollBars() {
    // The last scroll position shows the final rows (columns) completely.
    int fixedHeight = 0;
    for (int r = 0; r < kFixedRows; ++r)
        fixedHeight += rowHeight(r) + kLineWidth;
    const int available = viewport()->height() - fixedHeight;
    int lastTop = m_rowCount;
    int used = 0;
    while (lastTop > kFixedRows && used + rowHeight(lastTop - 1) + kLineWidth <= available)
        used += rowHeight(--lastTop) + kLineWidth;
    if (lastTop == m_rowCount)
        lastTop = std::max(kFixedRows, m_rowCount - 1);
    verticalScrollBar()->setRange(0, lastTop - kFixedRows);
    verticalScrollBar()->setPageStep(std::max(1, available / std::max(1, m_defaultRowHeight)));

    int fixedWidth = 0;
    for (int c = 0; c < kFixedCols; ++c)
        fixedWidth += m_colWidths[c] + kLineWidth;
    const int availableWidth = viewport()->width() - fixedWidth;
    int lastLeft = m_colCount;
    int usedWidth = 0;
    while (lastLeft > kFixedCols &&
           usedWidth + m_colWidths[lastLeft - 1] + kLineWidth <= availableWidth)
        usedWidth += m_colWidths[--lastLeft] + kLineWidth;
    if (lastLeft == m_colCount)
        lastLeft = std::max(kFixedCols, m_colCount - 1);
    horizontalScrollBar()->setRange(0, lastLeft - kFixedCols);
    horizontalScrollBar()->setPageStep(1);
}

void StringGrid::refresh() {
    updateScrollBars();
    if (isVisible())
        viewport()->update();
}

void StringGrid::moveCurrent(int col, int row) {
    col = std::clamp(col, kFixedCols, m_colCount - 1);
    row = std::clamp(row, kFixedRows, m_rowCount - 1);
    m_currentCol = col;
    m_currentRow = row;
    scrollToCell(col, row);
    viewport()->update();
    emit cellSelected(col, row);
}

QSize StringGrid::sizeHint() const {
    return {320, 200};
}

void StringGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& pal = palette();
    const int width = viewport()->width();
    const int height = viewport()->height();
    const QColor fixedColor = pal.color(QPalette::Button);
    const QColor lineColor = pal.color(QPalette::Mid);
    const bool focused = hasFocus();

    int y = 0;
    for (int r = 0; r < m_rowCount && y < height; ++r) {
        if (r == kFixedRows)
            r = topRow();
        if (r >= m_rowCount)
            break;
        const int rowH = rowHeight(r);
        int x = 0;
        for (int c = 0; c < m_colCount && x < width; ++c) {
            if (c == kFixedCols)
                c = leftCol();
            if (c >= m_colCount)
                break;
            const int colW = m_colWidths[c];
            const QRect rect(x, y, colW, rowH);
            const bool fixed = r < kFixedRows || c < kFixedCols;
            const bool current = r == m_currentRow && c == m_currentCol;
            if (fixed) {
                painter.fillRect(rect, fixedColor);
                painter.setPen(pal.color(QPalette::Light));
                painter.drawLine(rect.topLeft(), rect.topRight());
                painter.drawLine(rect.topLeft(), rect.bottomLeft());
            } else if (current) {
                painter.fillRect(rect, pal.color(focused ? QPalette::Highlight : QPalette::Mid));
            }
            const QString text = cell(c, r);
            if (!text.isEmpty()) {
                painter.setPen(
                        pal.color(current && !fixed ? QPalette::HighlightedText : QPalette::Text));
                painter.drawText(rect.adjusted(kTextMargin, 0, -kTextMargin, 0),
                                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
            }
            painter.setPen(lineColor);
            painter.drawLine(x + colW, y, x + colW, y + rowH);
            painter.drawLine(x, y + rowH, x + colW, y + rowH);
            x += colW + kLineWidth;
        }
        y += rowH + kLineWidth;
    }
}

void StringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    int col = 0;
    int row = 0;
    // Only the left button selects: a right click opens the context menu,
    // which acts on the row selected last.
    if (event->button() == Qt::LeftButton && cellAt(event->position().toPoint(), &col, &row))
        selectCell(col, row);
    QAbstractScrollArea::mousePressEvent(event);
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    const int col = m_currentCol < 0 ? kFixedCols : m_currentCol;
    const int row = m_currentRow < 0 ? kFixedRows : m_currentRow;
    const int page = std::max(1, verticalScrollBar()->pageStep());
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        moveCurrent(col, row - 1);
        break;
    case Qt::Key_Down:
        moveCurrent(col, row + 1);
        break;
    case Qt::Key_Left:
        moveCurrent(col - 1, row);
        break;
    case Qt::Key_Right:
        moveCurrent(col + 1, row);
        break;
    case Qt::Key_PageUp:
        moveCurrent(col, row - page);
        break;
    case Qt::Key_PageDown:
        moveCurrent(col, row + page);
        break;
    case Qt::Key_Home:
        moveCurrent(kFixedCols, control ? kFixedRows : row);
        break;
    case Qt::Key_End:
        moveCurrent(m_colCount - 1, control ? m_rowCount - 1 : row);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void StringGrid::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;
    if (steps != 0) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() - steps);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

bool StringGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (m_hint.isEmpty()) {
            event->ignore();
            return true;
        }
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), m_hint, this);
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

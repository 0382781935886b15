#include "ListBrowser.h"

#include "RecordLimit.h"
#include "StringGrid.h"
#include "uMysqlClient.h"

#include <QComboBox>
#include <QLabel>

QString foundRecordsText(int rows) {
    return QStringLiteral("Найдено записей: ") + QString::number(rows);
}

ListBrowser::ListBrowser(QueryContext& context, Spec spec, StringGrid* grid, QComboBox* recordLimit,
                         QLabel* countLabel)
    : m_context(context)
    , m_spec(std::move(spec))
    , m_grid(grid)
    , m_recordLimit(recordLimit)
    , m_countLabel(countLabel) {}

QString ListBrowser::recordLimit() const {
    return m_recordLimit->currentText();
}

void ListBrowser::setRecordLimit(const QString& text) {
    const QSignalBlocker blocker(m_recordLimit);
    m_recordLimit->setEditText(text);
}

QString ListBrowser::orderClause(const QString& sortFragment, bool descending) const {
    QString clause = sortFragment;
    if (descending)
        clause += QStringLiteral(" DESC");
    return clause + recordlimit::limitClause(recordLimit(), m_offset);
}

QString ListBrowser::statement(const QString& orderClause) const {
    return m_spec.select + m_filter + m_spec.filterSeparator + orderClause;
}

bool ListBrowser::refresh(const QString& sortFragment, bool descending) {
    const BusyScope busy(m_context.busyHost(), m_grid);
    const QString order = orderClause(sortFragment, descending);
    const BoxText* failure = nullptr;
    if (!m_context.switchDatabase(m_spec.database, m_spec.useForm))
        failure = &m_spec.failed;
    else if (!m_context.run(statement(order)))
        failure = &m_spec.failed;
    else if (m_context.rowCount() < 1)
        failure = &m_spec.notFound;
    if (failure) {
        m_filter.clear();
        showError(m_context.dialogs(), *failure);
        return false;
    }
    fillGrid();
    return true;
}

void ListBrowser::fillGrid() {
    const int rows = m_context.rowCount();
    const int fields = m_context.fieldCount();
    m_countLabel->setText(foundRecordsText(rows));
    m_grid->setColCount(fields);
    m_grid->setRowCount(rows + 1);
    setGridHeader(*m_grid, m_spec.headers, m_spec.widths);
    mysql::TMysqlResult* result = m_context.result();
    for (int row = 0; row < rows; ++row) {
        result->Seek(row);
        for (int field = 0; field < fields; ++field) {
            QString text = displayDecode(result->Value(field), result->ValueLength(field));
            if (m_spec.cellText)
                text = m_spec.cellText(field, text);
            m_grid->setCell(field, row + 1, std::move(text));
        }
    }
}

void ListBrowser::nextPage(const QString& sortFragment, bool descending) {
    if (const auto offset = recordlimit::nextPageOffset(recordLimit(), m_offset)) {
        m_offset = *offset;
        refresh(sortFragment, descending);
    }
}

void ListBrowser::previousPage(const QString& sortFragment, bool descending) {
    if (const auto offset = recordlimit::previousPageOffset(recordLimit(), m_offset)) {
        m_offset = *offset;
        refresh(sortFragment, descending);
    }
}

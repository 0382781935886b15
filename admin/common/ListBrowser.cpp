#include "common/ListBrowser.h"

#include "common/ListReadFailure.h"

#include "StringGrid.h"
#include "common/RecordLimit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

QString foundRecordsText(int rows) {
    return QStringLiteral("Найдено записей: ") + QString::number(rows);
}

ListBrowser::ListBrowser(QueryContext& context, Definition definition, StringGrid* grid,
                         QComboBox* recordLimit, QLabel* countLabel)
    : m_context(context)
    , m_definition(std::move(definition))
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

void ListBrowser::setColumns(const QString& select, const QStringList& headers,
                             const QList<int>& widths) {
    m_definition.select = select;
    m_definition.headers = headers;
    m_definition.widths = widths;
}

QString listOrderClause(const QString& sortFragment, bool descending, const QString& recordLimit,
                        int offset) {
    QString clause = sortFragment;
    if (descending)
        clause += QStringLiteral(" DESC");
    return clause + recordlimit::limitClause(recordLimit, offset);
}

QString ListBrowser::orderClause(const QString& sortFragment, bool descending) const {
    return listOrderClause(sortFragment, descending, recordLimit(), m_offset);
}

QString ListBrowser::select() const {
    return m_definition.currentSelect ? m_definition.currentSelect() : m_definition.select;
}

QString ListBrowser::statement(const QString& orderClause) const {
    return select() + m_filter + m_definition.filterSeparator + orderClause;
}

bool ListBrowser::refresh(const QString& sortFragment, bool descending) {
    if (m_beforeRefresh)
        m_beforeRefresh();
    const BusyScope busy(m_context.busyHost(), m_grid);
    const QString order = orderClause(sortFragment, descending);
    const bool read = m_context.switchDatabase(m_definition.database, m_definition.useForm) &&
                      m_context.run(statement(order));
    if (!read || m_context.rowCount() < 1) {
        m_filter.clear();
        // A failed read says why: the server's message is added to the box.
        if (!read)
            reportListReadFailure(m_context, m_definition.logName, m_definition.failed);
        else
            showError(m_context.dialogs(), m_definition.notFound);
        return false;
    }
    fillGrid();
    return true;
}

void ListBrowser::fillGrid() {
    m_countLabel->setText(foundRecordsText(m_context.rowCount()));
    m_grid->setColCount(m_context.fieldCount());
    m_grid->setDataCells(m_context.resultCells(m_definition.cellText));
    setGridHeader(*m_grid, m_definition.headers, m_definition.widths);
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

void ListBrowser::onUserLimitChange(std::function<void()> handler) {
    m_recordLimit->setCompleter(nullptr);
    QObject::connect(m_recordLimit, &QComboBox::textActivated, m_recordLimit,
                     [handler](const QString&) { handler(); });
    QLineEdit* edit = m_recordLimit->lineEdit();
    if (!edit)
        return;
    // The box would take a typed text that matches an entry as a choice when
    // the edit ends, although the text did not change.
    QObject::disconnect(edit, &QLineEdit::editingFinished, m_recordLimit, nullptr);
    QObject::disconnect(edit, &QLineEdit::returnPressed, m_recordLimit, nullptr);
    QObject::connect(edit, &QLineEdit::textEdited, m_recordLimit,
                     [handler](const QString&) { handler(); });
}

#pragma once

#include "MessageTexts.h"
#include "QueryConventions.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class StringGrid;

// The state and the refresh of one of the two long lists (accounts and
// characters): the filter, the page offset, the record limit box, the busy
// panel around the query, and the failure rules that empty the filter.
class ListBrowser {
public:
    // How one list differs from the other.
    struct Spec {
        Database database;
        QueryContext::UseForm useForm;
        QString select;          // the fixed "select ... from `table`"
        QString filterSeparator; // put between the filter and the order clause
        QStringList headers;
        QList<int> widths; // from column 0; 0 keeps the grid's width
        BoxText failed;    // the database switch or the select failed
        BoxText notFound;  // the select found no rows
        // The text of a grid cell from the decoded field (column c); by
        // default the field itself.
        std::function<QString(int column, const QString& field)> cellText;
    };

    ListBrowser(QueryContext& context, Spec spec, StringGrid* grid, QComboBox* recordLimit,
                QLabel* countLabel);

    const QString& filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    int offset() const { return m_offset; }
    void setOffset(int offset) { m_offset = offset; }
    QString recordLimit() const;
    // Sets the record limit text as the program does: no refresh follows.
    void setRecordLimit(const QString& text);

    // The order clause: the sort fragment (" order by `x`"), " DESC" when
    // descending, then the limit fragment of the record limit and offset.
    QString orderClause(const QString& sortFragment, bool descending) const;
    // The list statement with the current filter.
    QString statement(const QString& orderClause) const;

    // Runs the list query and fills the grid. On failure or when nothing is
    // found the filter is emptied, the error box is shown, and the grid and
    // the count text keep what they showed. Returns whether rows were found.
    bool refresh(const QString& sortFragment, bool descending);

    // ">" and "<": move the offset by the record limit and refresh; nothing
    // happens for "Все" and "Первая", nor when "<" would go below 0. A limit
    // that is not a whole number throws ConversionError.
    void nextPage(const QString& sortFragment, bool descending);
    void previousPage(const QString& sortFragment, bool descending);

private:
    void fillGrid();

    QueryContext& m_context;
    Spec m_spec;
    StringGrid* m_grid;
    QComboBox* m_recordLimit;
    QLabel* m_countLabel;
    QString m_filter;
    int m_offset = 0;
};

// The count text of a list: "Найдено записей: " and the number of rows.
QString foundRecordsText(int rows);

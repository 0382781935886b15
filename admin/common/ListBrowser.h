#pragma once

#include "common/MessageTexts.h"
#include "common/QueryConventions.h"

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
    struct Definition {
        Database database;
        QueryContext::UseForm useForm;
        QString select;          // the fixed "select ... from `table`"
        QString filterSeparator; // put between the filter and the order clause
        QStringList headers;
        QList<int> widths; // from column 0; 0 keeps the grid's width
        BoxText failed;    // the database switch or the select failed
        BoxText notFound;  // the select found no rows
        // The text of a grid cell from the decoded field; by default the
        // field itself. The grid asks for it whenever it shows or reads the
        // cell.
        ResultCells::CellText cellText;
        // The list as the connection log names it.
        QString logName;
        // Where the select depends on the database now assigned: asked for
        // it after the switch to that database, in place of select.
        std::function<QString()> currentSelect = {};
    };

    ListBrowser(QueryContext& context, Definition definition, StringGrid* grid,
                QComboBox* recordLimit, QLabel* countLabel);

    const QString& filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    int offset() const { return m_offset; }
    void setOffset(int offset) { m_offset = offset; }
    QString recordLimit() const;
    // Sets the record limit text as the program does: no refresh follows.
    void setRecordLimit(const QString& text);
    // The select and the grid's titles and widths, for the columns the
    // database now has.
    void setColumns(const QString& select, const QStringList& headers, const QList<int>& widths);
    // What the page does first in every refresh, before the busy panel shows.
    void setBeforeRefresh(std::function<void()> step) { m_beforeRefresh = std::move(step); }

    // The order clause: the sort fragment (" order by `x`"), " DESC" when
    // descending, then the limit fragment of the record limit and offset.
    QString orderClause(const QString& sortFragment, bool descending) const;
    // The list statement with the current filter.
    QString statement(const QString& orderClause) const;

    // Runs the list query and fills the grid. On failure or when nothing is
    // found the filter is emptied, the error box is shown (a failure's with
    // the server's message, which the connection log keeps too), and the
    // grid and the count text keep what they showed. Returns whether rows
    // were found.
    bool refresh(const QString& sortFragment, bool descending);

    // ">" and "<": move the offset by the record limit and refresh; nothing
    // happens for "Все" and "Первая", nor when "<" would go below 0. A limit
    // that is not a whole number throws ConversionError.
    void nextPage(const QString& sortFragment, bool descending);
    void previousPage(const QString& sortFragment, bool descending);

    // Runs handler whenever the person changes the record limit text: by
    // choosing an entry or with each keystroke. The program's own setting of
    // the text does not run it. The box completes nothing, so its text is
    // exactly what was typed, and ending an edit (Enter, the focus leaving)
    // is no change.
    void onUserLimitChange(std::function<void()> handler);

private:
    void fillGrid();
    QString select() const;

    QueryContext& m_context;
    Definition m_definition;
    StringGrid* m_grid;
    QComboBox* m_recordLimit;
    QLabel* m_countLabel;
    QString m_filter;
    int m_offset = 0;
    std::function<void()> m_beforeRefresh;
};

// The count text of a list: "Найдено записей: " and the number of rows.
QString foundRecordsText(int rows);

// The order clause of a list: the sort fragment (" order by `x`"), " DESC"
// when descending, then the limit fragment of the record limit and offset.
QString listOrderClause(const QString& sortFragment, bool descending, const QString& recordLimit,
                        int offset);

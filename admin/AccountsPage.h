#pragma once

#include <QWidget>

class QComboBox;
class QueryContext;
class StringGrid;
class WindowLinks;

// The page "Учетные записи": the account list, its search and paging, and the
// edit panel of the selected account.
class AccountsPage : public QWidget {
    Q_OBJECT

public:
    AccountsPage(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    StringGrid* grid() const { return m_grid; }
    QComboBox* recordLimitCombo() const { return m_recordLimit; }

    // The page became visible.
    void shown();
    // The account lookup: the filter replaces the account filter, the list is
    // refreshed; true when the filter survived (rows were found).
    bool lookup(const QString& filter);

private:
    QueryContext& m_context;
    WindowLinks& m_links;
    StringGrid* m_grid;
    QComboBox* m_recordLimit;
};

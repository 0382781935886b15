#pragma once

#include "accounts/AccountStatements.h"
#include "common/ListBrowser.h"

#include <QWidget>

#include <memory>

class AccountEditPanel;
class AccountMaintenance;
class GridMenu;
class QCheckBox;
class QComboBox;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QueryContext;
class StringGrid;
class WindowLinks;

// The page "Учетные записи": the account list with its search, sort and
// paging, the edit panel of the selected account, and the grid's menu of
// maintenance commands.
class AccountsPage : public QWidget {
    Q_OBJECT

public:
    AccountsPage(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);
    ~AccountsPage() override;

    StringGrid* grid() const { return m_grid; }
    QComboBox* recordLimitCombo() const { return m_recordLimit; }
    AccountEditPanel* editPanel() const { return m_editPanel; }
    const ListBrowser& browser() const { return *m_browser; }

    // The page became visible: the edit panel is shown, and the list is
    // loaded when no refresh has run yet.
    void shown();
    // The account lookup: the filter replaces the account filter, the list is
    // refreshed; true when the filter survived (rows were found).
    bool lookup(const QString& filter);

    // "Обновить": runs the list query with the current filter, sort and
    // record limit.
    void refresh();
    // "Искать": the filter from the search edits, from the first row.
    void search();
    // "сброс" and "Показать все".
    void reset();
    void nextPage();
    void previousPage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSearchPanel();
    void buildGrid();
    void buildMenu();
    accountsql::Sort sort() const;
    // The columns and the controls for the login database as it is now
    // described; the description.
    const accountsql::LoginSchema& applySchema();
    void cellSelected(int col, int row);
    void showFiltered(const QString& filter);
    void findCharactersOfAccount();

    QueryContext& m_context;
    WindowLinks& m_links;
    QWidget* m_searchPanel;
    QLineEdit* m_searchId;
    QLineEdit* m_searchUsername;
    QLineEdit* m_searchEmail;
    QLineEdit* m_searchLastIp;
    QPushButton* m_searchButton;
    QPushButton* m_resetButton;
    QPushButton* m_refreshButton;
    QRadioButton* m_sortButtons[5];
    QCheckBox* m_descending;
    QLabel* m_count;
    QComboBox* m_recordLimit;
    QPushButton* m_previousPage;
    QPushButton* m_nextPage;
    StringGrid* m_grid;
    AccountEditPanel* m_editPanel;
    GridMenu* m_menu;
    QAction* m_sameIpItem;
    QAction* m_sessionKeyItem;
    QAction* m_withoutCharactersItem;
    QAction* m_findStaleItem;
    QAction* m_deleteStaleItem;
    QList<accountsql::ListColumn> m_columns;
    std::unique_ptr<ListBrowser> m_browser;
    std::unique_ptr<AccountMaintenance> m_maintenance;
};

#pragma once

#include <QWidget>

#include <memory>

class CharacterDetails;
class CharacterEditing;
class CharacterRepair;
class GridMenu;
class ListBrowser;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QueryContext;
class StringGrid;
class WindowLinks;

// The page "Управление персонажами": the character list with its search,
// sort and paging, the context menu of the list, and the details panel of
// the selected character with its editing and repair operations.
class CharactersPage : public QWidget {
    Q_OBJECT

public:
    CharactersPage(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);
    ~CharactersPage() override;

    StringGrid* grid() const { return m_grid; }
    QComboBox* recordLimitCombo() const { return m_recordLimit; }
    QTabWidget* details() const;
    GridMenu* menu() const { return m_menu; }

    // The page became visible: the list loads when it has never loaded.
    void shown();
    // Makes "Данные" the selected sub-page of the details panel.
    void selectDataSubPage();
    // Clears the flag that records whether the character table has a money
    // column.
    void clearMoneyColumnFlag();
    bool moneyColumnFound() const;
    // The characters of one account; true when rows were found.
    bool showCharactersOfAccount(const QString& accountId);

    // The list refresh with the filter in force; true when rows were found.
    bool refresh();
    void search();
    void reset();
    // The filter replaces the character filter, then the list refreshes.
    void showFiltered(const QString& filter);
    // "Показать аккаунт": the account lookup for the loaded character.
    void showAccountOfCharacter();
    // Shows the details panel when hidden, hides it when shown.
    void toggleDetails();

private:
    QWidget* buildSearchPanel();
    void buildMenu();
    QString sortFragment() const;
    bool descending() const;
    // Runs a handler of this page, showing an escaped error in the error box.
    void guarded(const std::function<void()>& handler);

    QueryContext& m_context;
    WindowLinks& m_links;
    QWidget* m_searchPanel;
    QLineEdit* m_guidSearch;
    QLineEdit* m_nameSearch;
    QLineEdit* m_accountSearch;
    QComboBox* m_raceSearch;
    QComboBox* m_classSearch;
    QList<QRadioButton*> m_sortButtons;
    QCheckBox* m_descending;
    QLabel* m_countLabel;
    QComboBox* m_recordLimit;
    StringGrid* m_grid;
    CharacterDetails* m_details;
    GridMenu* m_menu;
    std::unique_ptr<ListBrowser> m_browser;
    CharacterEditing* m_editing;
    CharacterRepair* m_repair;
};

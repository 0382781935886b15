#pragma once

#include <QWidget>

class QComboBox;
class QTabWidget;
class QueryContext;
class StringGrid;
class WindowLinks;

// The page "Управление персонажами": the character list, its search and
// paging, and the details panel of the selected character.
class CharactersPage : public QWidget {
    Q_OBJECT

public:
    CharactersPage(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    StringGrid* grid() const { return m_grid; }
    QComboBox* recordLimitCombo() const { return m_recordLimit; }
    QTabWidget* details() const { return m_details; }

    // The page became visible.
    void shown();
    // Makes "Данные" the selected sub-page of the details panel.
    void selectDataSubPage();
    // Clears the flag that records whether the character table has a money
    // column.
    void clearMoneyColumnFlag() { m_moneyColumnFound = false; }
    bool moneyColumnFound() const { return m_moneyColumnFound; }
    // The characters of one account; true when rows were found.
    bool showCharactersOfAccount(const QString& accountId);

private:
    QueryContext& m_context;
    WindowLinks& m_links;
    StringGrid* m_grid;
    QComboBox* m_recordLimit;
    QTabWidget* m_details;
    bool m_moneyColumnFound = false;
};

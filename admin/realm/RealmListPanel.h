#pragma once

#include "realm/RealmStatements.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;
class QueryContext;
class StringGrid;

// The realm list of the page "Реалм": nine edits for one realm, the buttons
// that insert, write, delete and clear it, and the list of realms.
class RealmListPanel : public QWidget {
    Q_OBJECT

public:
    RealmListPanel(QueryContext& context, QWidget* parent = nullptr);

    StringGrid* grid() const { return m_grid; }
    // The header row: the column titles and widths.
    void prepareGridHeader();

    // "Обновить": lists the realms. Stops silently when the database switch
    // or the select fails; the grid then keeps what it showed.
    void refresh();
    // A data cell of the list was selected: its row goes into the edits.
    void selectRealm(int col, int row);
    // "Новый": inserts the realm of the edits under a new id, with security
    // level and population 0; empty edits get the defaults.
    void insertRealm();
    // "Записать": writes the edited realm back (not its security level and
    // population); nothing without an id.
    void writeRealm();
    // "Удалить": deletes the realm after a question; nothing without an id.
    void deleteRealm();
    // "Очистить": empties the nine edits.
    void clearEdits();

private:
    RealmFields fields() const;
    void showFields(const RealmFields& realm);

    QueryContext& m_context;
    // In the column order of the list: id, name, address, port, icon, color,
    // timezone, allowedSecurityLevel, population.
    std::array<QLineEdit*, 9> m_edits{};
    StringGrid* m_grid;
};

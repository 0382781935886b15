#pragma once

#include "realm/RealmStatements.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;
class QueryContext;
class StringGrid;

// The realm list of the page "Реалм": the edits of one realm, the buttons
// that insert, write, delete and clear it, and the list of realms, in the
// columns of the family's realm list. The 2010 list has nine; today's have
// no color but flags, builds and a local address and mask, whose edits stand
// in a second row shown only for them.
class RealmListPanel : public QWidget {
    Q_OBJECT

public:
    RealmListPanel(QueryContext& context, QWidget* parent = nullptr);

    StringGrid* grid() const { return m_grid; }
    // The header row: the column titles and widths.
    void prepareGridHeader();

    // "Обновить": lists the realms. When the database switch or the select
    // fails, the box says why (the server's message) and the grid keeps what
    // it showed. Returns whether the list was read.
    bool refresh();
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
    // "Очистить": empties the edits.
    void clearEdits();

private:
    const schema::RealmSchema& realms() const;
    // Shows the edits of the columns the family has, and only those.
    void showColumnsOf(const schema::RealmSchema& realms);
    RealmFields fields() const;
    void showFields(const RealmFields& realm);

    QueryContext& m_context;
    // By RealmColumn: the edits and their captions.
    std::array<QLineEdit*, kRealmColumnCount> m_edits{};
    std::array<QWidget*, kRealmColumnCount> m_captions{};
    QWidget* m_secondRow;
    // The columns the grid shows now, in its order.
    QList<RealmColumn> m_columns;
    StringGrid* m_grid;
};

#pragma once

#include "broadcasts/BroadcastStatements.h"

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QueryContext;
class StringGrid;
class WindowLinks;

// The page "Автооповещение": the automatic broadcast messages where the
// family keeps them (the login or the world database, the text in the row or
// in the string table), their editing and their export as an SQL script.
// Where the family (or the database) has none, a line on the page says so
// and the controls are disabled.
class BroadcastPage : public QWidget {
    Q_OBJECT

public:
    BroadcastPage(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    StringGrid* grid() const { return m_grid; }

    // The page became visible: the list is refreshed.
    void shown();
    // Column 0 is 35 pixels wide, the text column takes what the others
    // leave (the grid's width minus 90 beside the 2010 "next" column).
    void applyWidthRule();

    // "Загрузить таблицу": lists the messages. When the database switch or
    // the select fails, the box says why (the server's message).
    void refresh();
    // A cell of the text column or a column after it was selected: the
    // message goes into the edits.
    void selectMessage(int col, int row);
    // "Добавить": adds the typed text as a new message.
    void addMessage();
    // "Сохранить": writes text and "next" (or weight) of the message with
    // the edit's id.
    void saveMessage();
    // "Удалить": deletes the message with the edit's id after a question.
    void deleteMessage();
    // "Export to SQL": writes every message into a script chosen in the save
    // dialog.
    void exportMessages();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    schema::BroadcastSchema broadcasts() const;
    // Shows the family's columns, or the line that says there are none.
    // False when there are none.
    bool showColumnsOf(const schema::BroadcastSchema& broadcasts);
    QString absentText(const schema::BroadcastSchema& broadcasts) const;
    Database database(const schema::BroadcastSchema& broadcasts) const;
    bool addUnderId(const schema::BroadcastSchema& broadcasts, const QString& weight);
    bool addWithString(const schema::BroadcastSchema& broadcasts);
    // The number a query answers, or -1 after a box that says why.
    qint64 readNumber(const QString& statement, const QString& what);

    QueryContext& m_context;
    WindowLinks& m_links;
    QLineEdit* m_id;
    QLineEdit* m_text;
    QLineEdit* m_next;
    QLabel* m_absent;
    QList<QWidget*> m_controls;
    QList<broadcastsql::Column> m_columns;
    // The realm of the selected message, where messages have realms.
    QString m_realm;
    StringGrid* m_grid;
};

#pragma once

#include <QWidget>

class QLineEdit;
class QueryContext;
class StringGrid;
class WindowLinks;

// The page "Автооповещение": the automatic broadcast messages, their editing
// and their export as an SQL script.
class BroadcastPage : public QWidget {
    Q_OBJECT

public:
    BroadcastPage(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    StringGrid* grid() const { return m_grid; }

    // The page became visible: the list is refreshed.
    void shown();
    // Column 0 is 35 pixels wide, column 1 the grid's width minus 90.
    void applyWidthRule();

    // "Загрузить таблицу": lists the messages. Stops silently when the
    // database switch fails; when the select fails (no such table) the page
    // is disabled for the rest of the run.
    void refresh();
    // A cell of the text or "next" column was selected: the message goes into
    // the edits.
    void selectMessage(int col, int row);
    // "Добавить": adds the typed text as a new message.
    void addMessage();
    // "Сохранить": writes text and "next" of the message with the edit's id.
    void saveMessage();
    // "Удалить": deletes the message with the edit's id after a question.
    void deleteMessage();
    // "Export to SQL": writes every message into a script chosen in the save
    // dialog.
    void exportMessages();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void disableForTheRun();

    QueryContext& m_context;
    WindowLinks& m_links;
    QLineEdit* m_id;
    QLineEdit* m_text;
    QLineEdit* m_next;
    StringGrid* m_grid;
};

#pragma once

#include <QWidget>

class QueryContext;
class StringGrid;
class WindowLinks;

// The page "Автооповещение": the automatic broadcast messages.
class BroadcastPage : public QWidget {
    Q_OBJECT

public:
    BroadcastPage(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    StringGrid* grid() const { return m_grid; }

    // The page became visible.
    void shown();
    // Column 0 is 35 pixels wide, column 1 the grid's width minus 90.
    void applyWidthRule();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QueryContext& m_context;
    WindowLinks& m_links;
    StringGrid* m_grid;
};

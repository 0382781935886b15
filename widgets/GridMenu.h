#pragma once

#include <QMenu>
#include <QStyle>

#include <functional>

class StringGrid;

// The context menu of a list grid, in the program's flat style, with an icon
// beside each item. A right click on the grid opens it; it does not block.
class GridMenu : public QMenu {
    Q_OBJECT

public:
    GridMenu(StringGrid* grid, const QString& objectName);
    // A submenu, styled the same way.
    GridMenu(const QString& objectName, const QString& caption, QWidget* parent);

    QAction* addItem(const QString& objectName, const QString& caption,
                     std::function<void()> handler,
                     QStyle::StandardPixmap icon = QStyle::SP_ArrowRight);
    // A divider is a disabled item captioned "----------".
    QAction* addDivider(const QString& objectName = {});
    GridMenu* addSubmenu(const QString& objectName, const QString& caption,
                         QStyle::StandardPixmap icon = QStyle::SP_DirOpenIcon);
};

#include "GridMenu.h"

#include "MenuStyle.h"
#include "StringGrid.h"

#include <QApplication>

GridMenu::GridMenu(StringGrid* grid, const QString& objectName)
    : QMenu(grid) {
    setObjectName(objectName);
    applyFlatMenuStyle(this);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, grid](const QPoint& pos) { popup(grid->viewport()->mapToGlobal(pos)); });
}

GridMenu::GridMenu(const QString& objectName, const QString& caption, QWidget* parent)
    : QMenu(caption, parent) {
    setObjectName(objectName);
    applyFlatMenuStyle(this);
}

QAction* GridMenu::addItem(const QString& objectName, const QString& caption,
                           std::function<void()> handler, QStyle::StandardPixmap icon) {
    QAction* action = addAction(QApplication::style()->standardIcon(icon), caption);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return action;
}

QAction* GridMenu::addDivider(const QString& objectName) {
    QAction* action = addAction(QStringLiteral("----------"));
    action->setObjectName(objectName);
    action->setEnabled(false);
    return action;
}

GridMenu* GridMenu::addSubmenu(const QString& objectName, const QString& caption,
                               QStyle::StandardPixmap icon) {
    auto* submenu = new GridMenu(objectName, caption, this);
    QAction* action = addMenu(submenu);
    action->setObjectName(objectName);
    action->setIcon(QApplication::style()->standardIcon(icon));
    return submenu;
}

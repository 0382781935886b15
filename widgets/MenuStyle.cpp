#include "MenuStyle.h"

#include <QMenu>

void applyFlatMenuStyle(QMenu* menu) {
    menu->setStyleSheet(QStringLiteral(
            "QMenu { background: white; border: 1px solid #7f9db9; padding: 2px; }"
            "QMenu::item { padding: 3px 24px 3px 28px; color: black; }"
            "QMenu::item:selected { background: #c1d2ee; border: 1px solid #316ac5; }"
            "QMenu::item:disabled { color: #808080; }"
            "QMenu::icon { padding-left: 4px; }"));
}

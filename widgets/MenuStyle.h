#pragma once

class QMenu;

// The flat look of the grids' context menus: white background, a thin frame
// and a flat highlight bar. Applies to the menu and its submenus.
void applyFlatMenuStyle(QMenu* menu);

#pragma once

// Helpers of the character page tests: start the window on the character
// page and find a character's row in the list.
#include "GuiDriver.h"
#include "StringGrid.h"

#include <QMap>
#include <QTest>

namespace characterpage {

inline const QString kList = QStringLiteral("StringGrid3");

// Starts the window with the character page as start page (its list loads
// at creation) and the given extra settings.
inline void start(GuiDriver& gui, const TestServer& server, QMap<QString, QString> overrides = {}) {
    overrides.insert(QStringLiteral("Intreface/startpage"), QStringLiteral("Управление героями"));
    gui.writeSettings(GuiDriver::settingsFor(server, overrides));
    gui.start();
}

inline StringGrid* list(GuiDriver& gui) {
    return gui.find<StringGrid>(kList);
}

// The list row of a character, or -1.
inline int rowOf(GuiDriver& gui, const QString& guid) {
    StringGrid* grid = list(gui);
    for (int row = 1; row < grid->rowCount(); ++row) {
        if (grid->cell(0, row) == guid)
            return row;
    }
    return -1;
}

// The guids the list shows, in order.
inline QStringList listedGuids(GuiDriver& gui) {
    StringGrid* grid = list(gui);
    QStringList guids;
    for (int row = 1; row < grid->rowCount(); ++row)
        guids << grid->cell(0, row);
    return guids;
}

// Clicks a cell of the character's row, which loads its details.
inline bool selectCharacter(GuiDriver& gui, const QString& guid, int col = 2) {
    const int row = rowOf(gui, guid);
    if (row < 0)
        return false;
    gui.selectCell(kList, col, row);
    return true;
}

} // namespace characterpage

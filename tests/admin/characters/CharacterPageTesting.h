#pragma once

// Helpers of the character page tests: start the window on the character
// page and find a character's row in the list.
#include "DatabaseProbe.h"
#include "GuiDriver.h"
#include "StringGrid.h"

#include <QMap>
#include <QStringList>
#include <QTest>

namespace characterpage {

inline const QString kList = QStringLiteral("StringGrid3");

// The question before a change of a character the server has in the game,
// as the dialogs describe it.
inline QString inGameQuestion(const QString& name) {
    return QStringLiteral("confirmation|Персонаж в игре|Персонаж \"") + name +
           QStringLiteral("\" сейчас в игре. Игровой сервер запишет свою копию персонажа поверх "
                          "этого изменения, когда сохранит его (при очередном сохранении или при "
                          "выходе из игры).\r\nВсё равно изменить?");
}

// Every table of the test databases that holds rows of a character.
inline const QStringList kCharacterTables = {"characters.characters",
                                             "characters.character_queststatus",
                                             "characters.character_inventory",
                                             "characters.item_instance",
                                             "characters.character_spell",
                                             "characters.character_aura",
                                             "characters.character_homebind",
                                             "characters.character_action",
                                             "characters.character_reputation",
                                             "characters.character_social",
                                             "characters.character_declinedname",
                                             "characters.groups",
                                             "characters.group_member",
                                             "characters.corpse"};

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
    return gui.rowWhere(kList, 0, guid);
}

// The guids the list shows, in order.
inline QStringList listedGuids(GuiDriver& gui) {
    return gui.gridColumn(kList, 0);
}

// Clicks a cell of the character's row, which loads its details.
inline bool selectCharacter(GuiDriver& gui, const QString& guid, int col = 2) {
    const int row = rowOf(gui, guid);
    if (row < 0)
        return false;
    gui.selectCell(kList, col, row);
    return true;
}

// Keeps copies of tables of the characters database (temporary tables of
// its own session) and puts them back: much quicker than loading the test
// databases again after each test that changed them.
class KeptTables {
public:
    KeptTables(const TestServer& server, QStringList tables)
        : m_probe(server)
        , m_tables(std::move(tables)) {
        for (const QString& table : m_tables)
            m_ok = m_ok && m_probe.exec(QStringLiteral("CREATE TEMPORARY TABLE characters.kept_%1 "
                                                       "AS SELECT * FROM characters.%1")
                                                .arg(table));
    }
    bool ok() const { return m_ok; }
    bool restore() {
        bool ok = m_ok;
        for (const QString& table : m_tables) {
            ok = ok && m_probe.exec(QStringLiteral("DELETE FROM characters.%1").arg(table));
            ok = ok && m_probe.exec(QStringLiteral("INSERT INTO characters.%1 SELECT * FROM "
                                                   "characters.kept_%1")
                                            .arg(table));
        }
        return ok;
    }

private:
    DatabaseProbe m_probe;
    QStringList m_tables;
    bool m_ok = true;
};

} // namespace characterpage

#pragma once

#include "schema/Catalog.h"
#include "schema/Family.h"

#include <QString>
#include <QStringList>

// Where a family's world database keeps the quest and item templates that
// the character page names, and the items' translated names.
namespace schema {

struct QuestTemplateSchema {
    bool present = true;
    QString table = QStringLiteral("quest_template");
    QString key = QStringLiteral("entry");
    QString title = QStringLiteral("Title");
    // vmangos: one row per quest and content patch; the page shows the row
    // of the highest patch the world holds.
    QString patch;
    // The chain columns: in the quest table itself, or in a table of their
    // own (TrinityCore, AzerothCore) keyed by chainKey.
    QString chainTable;
    QString chainKey;
    QString nextQuest = QStringLiteral("NextQuestId");
    QString prevQuest = QStringLiteral("PrevQuestId");
    QString exclusiveGroup = QStringLiteral("ExclusiveGroup");
    // In the quest table: the quest offered when this one is handed in.
    QString nextInChain = QStringLiteral("NextQuestInChain");
    // The quests of the "Перехват" chain as the first program knew them, by
    // number; empty: they are found from the chain's first quest along the
    // previous-quest column.
    QStringList knownChain;

    bool chainApart() const { return !chainTable.isEmpty(); }
    // The table and key of the chain columns.
    QString chainTableName() const { return chainApart() ? chainTable : table; }
    QString chainKeyName() const { return chainApart() ? chainKey : key; }
};

// Translated item names: one column per client locale (name_loc1 ...
// name_loc8) or one row per locale name ('ruRU').
struct ItemTemplateSchema {
    bool present = true;
    QString table = QStringLiteral("item_template");
    QString key = QStringLiteral("entry");
    QString name = QStringLiteral("name");
    QString patch;
    bool localesPresent = true;
    QString localeTable = QStringLiteral("locales_item");
    QString localeKey = QStringLiteral("entry");
    // Per locale column: the prefix the locale number completes.
    QString localeColumnPrefix = QStringLiteral("name_loc");
    // Per locale row: the locale name column and the name column.
    QString localeNameColumn;
    QString localeTextColumn;

    bool localeRows() const { return !localeNameColumn.isEmpty(); }
};

struct WorldSchema {
    Family family = Family::Mangos2010;
    QuestTemplateSchema quests;
    ItemTemplateSchema items;
    QStringList missing;
};

// The client's name of a locale number (1 koKR ... 8 ruRU); empty for any
// other number.
QString localeName(int localeNumber);

// The family's description checked against the catalog of its world
// database, as characterSchema does.
WorldSchema worldSchema(Family family, const Catalog& catalog);

} // namespace schema

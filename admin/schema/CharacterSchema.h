#pragma once

#include "schema/Catalog.h"
#include "schema/Family.h"
#include "schema/Field.h"

#include <QList>
#include <QString>
#include <QStringList>

// Where a family's characters database keeps the characters, their items,
// quests, spells and auras, their home, groups and corpses, and which tables
// hold rows of a character: the plain description that the character page's
// statement builders take. A part whose columns the database lacks is marked
// absent (and its columns named in missing).
namespace schema {

// The characters table.
struct CharacterTable {
    QString table = QStringLiteral("characters");
    Field guid;
    Field account;
    Field name;
    Field race;
    Field characterClass;
    Field gender;
    Field level;
    Field xp;
    Field money;
    Field online;
    Field positionX;
    Field positionY;
    Field positionZ;
    Field map;
    Field zone;
    // The transport the character stands on, and the place on its deck.
    Field transportGuid;
    Field transportX;
    Field transportY;
    Field transportZ;
    Field transportO;
    Field taxiPath;
    // What the character must do at its next login (rename, reset ...).
    Field atLogin;
    // 2010: the character's packed update fields, a text of numbers.
    Field data;
    // Set on a character the server deleted but keeps for restoring; its
    // account is then 0. Such a character is not without an account.
    Field deletedAccount;
};

// The bits of the at-login word that the page sets; 0: the family has no
// such flag.
struct AtLoginFlags {
    int rename = 1;
    int resetSpells = 2;
    int resetTalents = 4;
};

// The inventory: which item (its guid) lies in which bag and slot of the
// character, and the item's template entry.
struct InventorySchema {
    bool present = true;
    QString table = QStringLiteral("character_inventory");
    QString owner = QStringLiteral("guid");
    QString bag = QStringLiteral("bag");
    QString slot = QStringLiteral("slot");
    QString item = QStringLiteral("item");
    // The template entry as a column of the inventory; empty: it is
    // instanceEntry of the item instance whose instanceKey is the item.
    QString entry;
    QString instanceTable = QStringLiteral("item_instance");
    QString instanceKey = QStringLiteral("guid");
    QString instanceEntry;

    bool entryInInstance() const { return entry.isEmpty(); }
};

// The quests of a character's log, and (where the family keeps them apart)
// the rewarded ones.
struct QuestStatusSchema {
    bool present = true;
    QString table = QStringLiteral("character_queststatus");
    QString owner = QStringLiteral("guid");
    QString quest = QStringLiteral("quest");
    QString status = QStringLiteral("status");
    // Rewarded quests in a table of their own (guid, quest), without status.
    QString rewardedTable;
    // The status the page shows for them (the server's "rewarded", which it
    // never stores).
    int rewardedStatus = 6;

    bool rewardedApart() const { return !rewardedTable.isEmpty(); }
};

// A column shown beside a spell, with its grid header.
struct ShownColumn {
    QString column;
    QString header;
};

struct SpellSchema {
    bool present = true;
    QString table = QStringLiteral("character_spell");
    QString owner = QStringLiteral("guid");
    QString spell = QStringLiteral("spell");
    QList<ShownColumn> shown;
};

// The auras saved with a character. The repair writes the resurrection
// sickness back with the family's own columns.
struct AuraSchema {
    bool present = true;
    QString table = QStringLiteral("character_aura");
    QString owner = QStringLiteral("guid");
    // Every column of the table, in order.
    QStringList columns;
    // false: the rows are written as VALUES in the table's column order,
    // without naming the columns (2010).
    bool namedColumns = true;
    // The rows written, each the values in column order; {guid} stands for
    // the character's guid.
    QStringList sickness;
};

struct HomebindSchema {
    bool present = true;
    QString table = QStringLiteral("character_homebind");
    QString owner = QStringLiteral("guid");
    QString map;
    QString x;
    QString y;
    QString z;
};

// Groups and their members. Each group row has its key and its leader; a
// member row names its group by memberGroup. In the 2010 schema the group's
// key is its leader's guid.
struct GroupSchema {
    bool present = true;
    QString table = QStringLiteral("groups");
    QString key;
    QString leader;
    QString memberTable = QStringLiteral("group_member");
    QString memberGroup;
    QString member;

    bool keyedByLeader() const { return key == leader; }
};

struct CorpseSchema {
    bool present = true;
    QString table = QStringLiteral("corpse");
    QString owner;
};

// A table's column that identifies the rows of a character. With a parent,
// the column holds the key of the character's rows in the parent table (the
// spells of the character's pets, the members of the groups it leads).
struct CharacterKey {
    QString table;
    QString column;
    QString parentTable;
    QString parentKey;
    QString parentOwner;

    bool throughParent() const { return !parentTable.isEmpty(); }
};

struct CharacterSchema {
    Family family = Family::Mangos2010;
    CharacterTable characters;
    AtLoginFlags atLoginFlags;
    InventorySchema inventory;
    QuestStatusSchema quests;
    SpellSchema spells;
    AuraSchema auras;
    HomebindSchema homebind;
    GroupSchema groups;
    CorpseSchema corpse;
    // The tables of a character's rows, in the order the clean-up deletes
    // them (children before their parents); besides these, every table
    // named character_... with a guid column holds a character's rows.
    QList<CharacterKey> characterKeys;
    // "table.column" of the family that the database lacks.
    QStringList missing;

    // The missing "table.column" of the given tables.
    QStringList missingOf(const QStringList& tables) const;
};

// The family's description, with every field and part whose columns the
// catalog lacks dropped (and named in missing). An empty catalog drops
// nothing.
CharacterSchema characterSchema(Family family, const Catalog& catalog);

} // namespace schema

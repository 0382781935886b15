#pragma once

#include "schema/Catalog.h"
#include "schema/Family.h"
#include "schema/Field.h"

// Where a family keeps the messages its world server announces in turn:
// the 2010 login database's own table, or the world database's (Rel2x,
// vmangos), or the login database's with a realm and a weight (TrinityCore,
// AzerothCore). cmangos has none.
namespace schema {

struct BroadcastSchema {
    // The database the table is in; Login or World.
    Role database = Role::Login;
    QString table; // empty: the family keeps no broadcasts
    Field id;
    Field text;
    // 2010: when the message is due next ("next").
    Field next;
    // Rel2x "ratio", TrinityCore/AzerothCore "weight": how often it is
    // picked (0: never).
    Field weight;
    // TrinityCore/AzerothCore: the realm it is announced on (-1 = all).
    Field realm;
    // The realm of a new message: every realm.
    QString allRealms = QStringLiteral("-1");
    // The highest id the key column holds (TINYINT UNSIGNED: 255); 0 where
    // the server numbers the rows without such a bound.
    int idLimit = 0;
    // AzerothCore: the translations of the messages, by the same id; empty
    // where there are none.
    QString translations;
    // vmangos: the table holds the string's number only; its text is
    // stringText of the string table's row with that stringKey.
    QString strings;
    QString stringKey;
    QString stringText;
    // The numbers a new string takes: from firstNewString (the range the
    // family keeps for its own broadcasts) up to stringLimit.
    qint64 firstNewString = 0;
    qint64 stringLimit = 0;
    QStringList missing;

    bool present() const { return !table.isEmpty(); }
    bool textInStrings() const { return !strings.isEmpty(); }
};

// The 2010 family's broadcasts, as the program was written for them.
const BroadcastSchema& mangos2010Broadcasts();

// The family's broadcasts, checked against the catalog of the database they
// live in (login or world, as database says: describe first with an empty
// catalog to learn which).
BroadcastSchema broadcastSchema(Family family, const Catalog& catalog);

} // namespace schema

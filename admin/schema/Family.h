#pragma once

#include "schema/Catalog.h"

#include <QString>
#include <QStringList>

#include <optional>

// The game-server schema families: the 2010 server the program was written
// for and the emulators of the same family that run today. Each keeps the
// same notions (accounts, passwords, bans, realms, characters ...) in tables
// and columns of its own.
namespace schema {

enum class Family { Mangos2010, Rel2x, Cmangos, Vmangos, TrinityCore, AzerothCore, Unknown };

// The three databases a family's schema is read from.
enum class Role { Login, Characters, World };

// The word of a family in the settings file ("2010", "rel2x", "cmangos",
// "vmangos", "trinitycore", "azerothcore").
QString familyKey(Family family);
// The family a word names, in any letter case; none for any other word.
std::optional<Family> familyFromKey(const QString& key);
// The name shown in the connection log: "MaNGOS 2010", "cmangos (wotlk)" ...
QString familyName(Family family, const QString& variant = {});

// What a database's tables and columns say of it.
struct Detection {
    Family family = Family::Unknown;
    // The expansion where the schema tells it ("classic", "tbc", "wotlk").
    QString variant;
    // Unknown: the family whose marks come nearest, which the program then
    // follows as far as the database allows.
    Family nearest = Family::Mangos2010;
};

// The family of a database of the given role.
Detection detect(Role role, const Catalog& catalog);

} // namespace schema

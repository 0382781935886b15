#pragma once

#include "schema/BroadcastSchema.h"
#include "schema/Catalog.h"
#include "schema/CharacterSchema.h"
#include "schema/Family.h"
#include "schema/LoginSchema.h"
#include "schema/WorldSchema.h"

#include <QString>

#include <optional>

class QueryContext;
enum class Database;

namespace schema {

// The database of the connection page that holds a role's tables.
Database databaseOf(Role role);

// What the program knows of the databases assigned now. Each database is
// read once per assignment, in one query, when it is assigned or first
// needed, and the connection log names its family. Pages ask here for the
// description of the database they work in.
class Schemas {
public:
    explicit Schemas(QueryContext& context);

    // A family set by hand ([Schema] Family); none: each database's own.
    void setFamilyOverride(std::optional<Family> family) { m_override = family; }
    std::optional<Family> familyOverride() const { return m_override; }

    // Forgets every database read: a new connection.
    void forget();
    // Reads the database now assigned to the role, unless it was read under
    // that name already, and logs what it is.
    void assigned(Role role);

    // The family the program follows for the role's database: the one set by
    // hand, else the detected one, else the nearest.
    Family family(Role role);
    const Detection& detection(Role role);
    const Catalog& catalog(Role role);

    const LoginSchema& login();
    const CharacterSchema& characters();
    const WorldSchema& world();
    BroadcastSchema broadcasts();

private:
    struct Known {
        QString database;
        bool read = false;
        Catalog catalog;
        Detection detection;
    };
    Known& ensure(Role role);
    void read(Role role, Known& known);
    void logFamily(Role role, const Known& known);
    QString assignedName(Role role) const;

    QueryContext& m_context;
    std::optional<Family> m_override;
    Known m_known[3];
    // A description built for a database of a family, kept until either
    // changes.
    template <class Description>
    struct Built {
        Description description;
        QString database;
        bool built = false;
    };
    template <class Description>
    const Description& build(Role role, Built<Description>& built,
                             Description (*describe)(Family, const Catalog&));

    Built<LoginSchema> m_login;
    Built<CharacterSchema> m_characters;
    Built<WorldSchema> m_world;
};

} // namespace schema

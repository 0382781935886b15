#include "schema/Schemas.h"

#include "common/StatementRunner.h"
#include "uMysqlClient.h"

namespace schema {

Database databaseOf(Role role) {
    switch (role) {
    case Role::Characters:
        return Database::Characters;
    case Role::World:
        return Database::Mangos;
    case Role::Login:
        break;
    }
    return Database::Realmd;
}

Schemas::Schemas(QueryContext& context)
    : m_context(context) {}

void Schemas::forget() {
    for (Known& known : m_known)
        known = Known();
    m_login.built = false;
    m_characters.built = false;
    m_world.built = false;
}

QString Schemas::assignedName(Role role) const {
    return m_context.databaseName(databaseOf(role));
}

Schemas::Known& Schemas::ensure(Role role) {
    Known& known = m_known[int(role)];
    const QString name = assignedName(role);
    if (!known.read || known.database != name) {
        known = Known();
        known.database = name;
        if (!name.isEmpty() && m_context.hasSession() && m_context.session().Connected())
            read(role, known);
        known.read = true;
    }
    return known;
}

void Schemas::assigned(Role role) {
    Known& known = m_known[int(role)];
    if (known.read && known.database == assignedName(role))
        return;
    ensure(role);
}

void Schemas::read(Role role, Known& known) {
    QString error;
    const auto result =
            m_context.read(Catalog::statement(known.database, m_context.quoting()), &error);
    if (!result) {
        m_context.log(QStringLiteral("Схема базы %1 не прочитана (%2): программа следует схеме "
                                     "%3.")
                              .arg(known.database, error, familyName(Family::Mangos2010)));
        return;
    }
    for (uint64_t row = 0; row < result->RowCount(); ++row) {
        result->Seek(int64_t(row));
        known.catalog.add(QString::fromUtf8(result->Value(0), qsizetype(result->ValueLength(0))),
                          QString::fromUtf8(result->Value(1), qsizetype(result->ValueLength(1))));
    }
    known.detection = detect(role, known.catalog);
    logFamily(role, known);
}

void Schemas::logFamily(Role role, const Known& known) {
    const Family followed = m_override                                  ? *m_override
                            : known.detection.family != Family::Unknown ? known.detection.family
                                                                        : known.detection.nearest;
    QString line;
    if (known.catalog.isEmpty()) {
        line = QStringLiteral("Схема базы %1 не распознана: в ней нет таблиц.").arg(known.database);
    } else if (m_override) {
        line = QStringLiteral("Схема базы %1: %2 (задана в настройках [Schema] Family).")
                       .arg(known.database, familyName(followed));
    } else if (known.detection.family == Family::Unknown) {
        line = QStringLiteral("Схема базы %1 не распознана; программа следует схеме %2.")
                       .arg(known.database, familyName(followed));
    } else {
        line = QStringLiteral("Схема базы %1: %2.")
                       .arg(known.database,
                            familyName(known.detection.family, known.detection.variant));
    }
    if (!known.catalog.isEmpty()) {
        QStringList missing;
        switch (role) {
        case Role::Login:
            missing = loginSchema(followed, known.catalog).missing;
            break;
        case Role::Characters:
            missing = characterSchema(followed, known.catalog).missing;
            break;
        case Role::World:
            missing = worldSchema(followed, known.catalog).missing;
            break;
        }
        if (!missing.isEmpty())
            line += QStringLiteral(" В ней нет столбцов: %1.")
                            .arg(missing.join(QStringLiteral(", ")));
    }
    m_context.log(line);
}

Family Schemas::family(Role role) {
    if (m_override)
        return *m_override;
    const Detection& found = ensure(role).detection;
    return found.family != Family::Unknown ? found.family : found.nearest;
}

const Detection& Schemas::detection(Role role) {
    return ensure(role).detection;
}

const Catalog& Schemas::catalog(Role role) {
    return ensure(role).catalog;
}

template <class Description>
const Description& Schemas::build(Role role, Built<Description>& built,
                                  Description (*describe)(Family, const Catalog&)) {
    const Known& known = ensure(role);
    const Family followed = family(role);
    if (!built.built || built.database != known.database || built.description.family != followed) {
        built.description = describe(followed, known.catalog);
        built.database = known.database;
        built.built = true;
    }
    return built.description;
}

const LoginSchema& Schemas::login() {
    return build(Role::Login, m_login, &loginSchema);
}

const CharacterSchema& Schemas::characters() {
    return build(Role::Characters, m_characters, &characterSchema);
}

const WorldSchema& Schemas::world() {
    return build(Role::World, m_world, &worldSchema);
}

BroadcastSchema Schemas::broadcasts() {
    const Family followed = family(Role::Login);
    const Role where = broadcastSchema(followed, Catalog()).database;
    return broadcastSchema(followed, catalog(where));
}

} // namespace schema

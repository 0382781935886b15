#include "schema/BroadcastSchema.h"

namespace schema {

namespace {

BroadcastSchema describe(Family family) {
    BroadcastSchema s;
    const QString t = QStringLiteral("autobroadcast");
    const auto col = [&](const char* name) {
        return Field::column(t, QLatin1String(name));
    };
    switch (family) {
    case Family::Mangos2010:
    case Family::Unknown:
        s.table = t;
        s.id = col("id");
        s.text = col("text");
        s.next = col("next");
        break;
    case Family::Rel2x:
        s.database = Role::World;
        s.table = t;
        s.id = col("id");
        s.text = col("content");
        s.weight = col("ratio");
        break;
    case Family::Vmangos:
        s.database = Role::World;
        s.table = t;
        s.id = col("string_id");
        s.strings = QStringLiteral("mangos_string");
        s.stringKey = QStringLiteral("entry");
        s.stringText = QStringLiteral("content_default");
        s.text = Field::computed(
                QStringLiteral("(select `content_default` from `mangos_string` where `entry` = "
                               "`autobroadcast`.`string_id`)"),
                {QStringLiteral("mangos_string.entry"),
                 QStringLiteral("mangos_string.content_default")});
        // MEDIUMINT UNSIGNED; 50000 and up is where the family's own example
        // puts its broadcasts, clear of the server's strings.
        s.firstNewString = 50000;
        s.stringLimit = 16777215;
        break;
    case Family::TrinityCore:
    case Family::AzerothCore:
        s.table = t;
        s.id = col("id");
        s.text = col("text");
        s.weight = col("weight");
        s.realm = col("realmid");
        s.idLimit = 255;
        if (family == Family::AzerothCore)
            s.translations = QStringLiteral("autobroadcast_locale");
        break;
    case Family::Cmangos:
        break;
    }
    return s;
}

} // namespace

BroadcastSchema broadcastSchema(Family family, const Catalog& catalog) {
    BroadcastSchema s = describe(family);
    if (catalog.isEmpty() || !s.present())
        return s;
    for (Field* field : {&s.id, &s.text, &s.next, &s.weight, &s.realm}) {
        bool lacking = false;
        for (const QString& mark : field->needs) {
            if (!catalog.hasColumn(mark.section(u'.', 0, 0), mark.section(u'.', 1))) {
                s.missing << mark;
                lacking = true;
            }
        }
        if (lacking)
            *field = Field();
    }
    if (!s.translations.isEmpty() && !catalog.hasColumn(s.translations, QStringLiteral("id")))
        s.translations.clear();
    // Without its key or its text the table is of no use.
    if (!s.id.has() || !s.text.has())
        s.table.clear();
    return s;
}

const BroadcastSchema& mangos2010Broadcasts() {
    static const BroadcastSchema description = broadcastSchema(Family::Mangos2010, Catalog());
    return description;
}

} // namespace schema

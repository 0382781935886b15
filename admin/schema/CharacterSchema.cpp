#include "schema/CharacterSchema.h"

namespace schema {

namespace {

QString text(const char* name) {
    return QLatin1String(name);
}

// The columns every family names as the 2010 schema does.
void sharedCharacterColumns(CharacterTable& c) {
    const auto col = [&c](const char* name) {
        return Field::column(c.table, text(name));
    };
    c.guid = col("guid");
    c.account = col("account");
    c.name = col("name");
    c.race = col("race");
    c.characterClass = col("class");
    c.gender = col("gender");
    c.level = col("level");
    c.xp = col("xp");
    c.money = col("money");
    c.online = col("online");
    c.positionX = col("position_x");
    c.positionY = col("position_y");
    c.positionZ = col("position_z");
    c.map = col("map");
    c.zone = col("zone");
    c.transportGuid = col("transguid");
    c.transportX = col("trans_x");
    c.transportY = col("trans_y");
    c.transportZ = col("trans_z");
    c.transportO = col("trans_o");
    c.taxiPath = col("taxi_path");
    c.atLogin = col("at_login");
}

// Auras of cmangos and MaNGOS Zero: one row per aura, the effects' amounts
// side by side and a mask of the effects saved.
void perAuraBasepoints(AuraSchema& a) {
    a.columns = {"guid",          "caster_guid",   "item_guid",   "spell",       "stackcount",
                 "remaincharges", "basepoints0",   "basepoints1", "basepoints2", "periodictime0",
                 "periodictime1", "periodictime2", "maxduration", "remaintime",  "effIndexMask"};
    a.sickness = {QStringLiteral("{guid},{guid},0,15007,1,0,-75,-75,0,0,0,0,600000,600000,7")};
}

// The groups of cmangos and MaNGOS Zero: keyed by groupId.
void groupsById(GroupSchema& g) {
    g.key = QStringLiteral("groupId");
    g.leader = QStringLiteral("leaderGuid");
    g.memberGroup = QStringLiteral("groupId");
    g.member = QStringLiteral("memberGuid");
}

void oldHomebind(HomebindSchema& h) {
    h.map = QStringLiteral("map");
    h.x = QStringLiteral("position_x");
    h.y = QStringLiteral("position_y");
    h.z = QStringLiteral("position_z");
}

void activeAndDisabled(SpellSchema& s) {
    s.shown = {{QStringLiteral("active"), QStringLiteral("Active")},
               {QStringLiteral("disabled"), QStringLiteral("Disabled")}};
}

CharacterKey key(const char* table, const char* column) {
    return {text(table), text(column), {}, {}, {}};
}

CharacterKey throughParent(const char* table, const char* column, const char* parent,
                           const char* parentKey, const char* parentOwner) {
    return {text(table), text(column), text(parent), text(parentKey), text(parentOwner)};
}

// The rows of a character that every family keeps under the 2010 names.
QList<CharacterKey> commonKeys() {
    return {key("character_inventory", "guid"),   key("item_instance", "owner_guid"),
            key("character_spell", "guid"),       key("character_aura", "guid"),
            key("character_queststatus", "guid"), key("character_homebind", "guid"),
            key("character_action", "guid"),      key("character_reputation", "guid"),
            key("character_social", "guid"),      key("character_social", "friend")};
}

// A character's groups, pets and mail in today's families: the members of
// the groups it leads before the groups, the pets' own rows before the
// pets.
QList<CharacterKey> todaysKeys(const GroupSchema& g, const CorpseSchema& corpse,
                               const char* petOwner, const char* receiver) {
    const QByteArray groups = g.table.toLatin1();
    const QByteArray groupKey = g.key.toLatin1();
    const QByteArray leader = g.leader.toLatin1();
    QList<CharacterKey> keys = commonKeys();
    keys << CharacterKey{corpse.table, corpse.owner, {}, {}, {}}
         << throughParent("group_member", g.memberGroup.toLatin1().constData(), groups.constData(),
                          groupKey.constData(), leader.constData())
         << CharacterKey{g.memberTable, g.member, {}, {}, {}}
         << CharacterKey{QStringLiteral("group_instance"), g.leader, {}, {}, {}}
         << CharacterKey{g.table, g.leader, {}, {}, {}};
    for (const char* petTable : {"pet_spell", "pet_aura", "pet_spell_cooldown"})
        keys << throughParent(petTable, "guid", "character_pet", "id", petOwner);
    keys << key("character_pet_declinedname", "owner") << key("character_pet", petOwner)
         << key("mail_items", receiver) << key("mail", receiver) << key("guild_member", "guid")
         << key("arena_team_member", "guid");
    return keys;
}

CharacterSchema describe(Family family) {
    CharacterSchema s;
    s.family = family;
    CharacterTable& c = s.characters;
    sharedCharacterColumns(c);
    oldHomebind(s.homebind);
    activeAndDisabled(s.spells);
    s.corpse.owner = QStringLiteral("player");
    switch (family) {
    case Family::Mangos2010:
    case Family::Unknown: {
        c.data = Field::column(c.table, QStringLiteral("data"));
        s.inventory.entry = QStringLiteral("item_template");
        AuraSchema& a = s.auras;
        a.columns = {"guid",   "caster_guid", "spell",      "effect_index", "stackcount",
                     "amount", "maxduration", "remaintime", "remaincharges"};
        a.namedColumns = false;
        a.sickness = {QStringLiteral("{guid}, {guid}, 15007,0,1,-75,600000,600000,-1"),
                      QStringLiteral("{guid}, {guid}, 15007,1,1,-75,600000,600000,-1"),
                      QStringLiteral("{guid}, {guid}, 15007,2,1,0,600000,600000,-1")};
        GroupSchema& g = s.groups;
        g.key = g.leader = g.memberGroup = QStringLiteral("leaderGuid");
        g.member = QStringLiteral("memberGuid");
        s.characterKeys = commonKeys();
        s.characterKeys << key("corpse", "player") << key("group_member", "memberGuid")
                        << key("group_member", "leaderGuid") << key("groups", "leaderGuid");
        break;
    }
    case Family::Rel2x:
    case Family::Cmangos:
        c.deletedAccount = Field::column(c.table, QStringLiteral("deleteInfos_Account"));
        if (family == Family::Rel2x) {
            // The instances keep their entry in a packed field only.
            s.inventory.entry = QStringLiteral("item_template");
        } else {
            s.inventory.instanceEntry = QStringLiteral("itemEntry");
        }
        perAuraBasepoints(s.auras);
        groupsById(s.groups);
        s.characterKeys = todaysKeys(s.groups, s.corpse, "owner", "receiver");
        s.characterKeys << key("quest_tracker", "character_guid");
        break;
    case Family::Vmangos: {
        const auto col = [&c](const char* name) {
            return Field::column(c.table, text(name));
        };
        c.transportGuid = col("transport_guid");
        c.transportX = col("transport_x");
        c.transportY = col("transport_y");
        c.transportZ = col("transport_z");
        c.transportO = col("transport_o");
        c.taxiPath = col("current_taxi_path");
        c.atLogin = col("at_login_flags");
        c.deletedAccount = col("deleted_account");
        s.inventory.item = QStringLiteral("item_guid");
        s.inventory.entry = QStringLiteral("item_id");
        AuraSchema& a = s.auras;
        a.columns = {"guid",         "caster_guid",    "item_guid",        "spell",
                     "stacks",       "charges",        "base_points0",     "base_points1",
                     "base_points2", "periodic_time0", "periodic_time1",   "periodic_time2",
                     "max_duration", "duration",       "effect_index_mask"};
        a.sickness = {QStringLiteral("{guid},{guid},0,15007,1,0,-75,-75,0,0,0,0,600000,600000,7")};
        GroupSchema& g = s.groups;
        g.key = g.memberGroup = QStringLiteral("group_id");
        g.leader = QStringLiteral("leader_guid");
        g.member = QStringLiteral("member_guid");
        s.corpse.owner = QStringLiteral("player_guid");
        s.characterKeys = todaysKeys(s.groups, s.corpse, "owner_guid", "receiver_guid");
        s.characterKeys << key("character_deleted_items", "player_guid");
        break;
    }
    case Family::TrinityCore:
    case Family::AzerothCore: {
        c.deletedAccount = Field::column(c.table, QStringLiteral("deleteInfos_Account"));
        s.inventory.instanceEntry = QStringLiteral("itemEntry");
        s.quests.rewardedTable = QStringLiteral("character_queststatus_rewarded");
        AuraSchema& a = s.auras;
        a.columns = {"guid",         "casterGuid",      "itemGuid",     "spell",
                     "effectMask",   "recalculateMask", "stackCount",   "amount0",
                     "amount1",      "amount2",         "base_amount0", "base_amount1",
                     "base_amount2", "maxDuration",     "remainTime",   "remainCharges"};
        QString sickness = QStringLiteral("{guid},{guid},0,15007,7,7,1,-75,-75,0,-75,-75,0,600000,"
                                          "600000,0");
        if (family == Family::TrinityCore) {
            a.columns << QStringLiteral("critChance") << QStringLiteral("applyResilience");
            sickness += QStringLiteral(",0,0");
        } else {
            s.spells.shown = {{QStringLiteral("specMask"), QStringLiteral("specMask")}};
        }
        a.sickness = {sickness};
        HomebindSchema& h = s.homebind;
        h.map = QStringLiteral("mapId");
        h.x = QStringLiteral("posX");
        h.y = QStringLiteral("posY");
        h.z = QStringLiteral("posZ");
        GroupSchema& g = s.groups;
        g.key = g.memberGroup = QStringLiteral("guid");
        g.leader = QStringLiteral("leaderGuid");
        g.member = QStringLiteral("memberGuid");
        // The corpse is keyed by its character.
        s.corpse.owner = QStringLiteral("guid");
        s.characterKeys = todaysKeys(s.groups, s.corpse, "owner", "receiver");
        break;
    }
    }
    return s;
}

QList<Field*> characterFields(CharacterTable& c) {
    return {&c.guid,          &c.account,    &c.name,       &c.race,          &c.characterClass,
            &c.gender,        &c.level,      &c.xp,         &c.money,         &c.online,
            &c.positionX,     &c.positionY,  &c.positionZ,  &c.map,           &c.zone,
            &c.transportGuid, &c.transportX, &c.transportY, &c.transportZ,    &c.transportO,
            &c.taxiPath,      &c.atLogin,    &c.data,       &c.deletedAccount};
}

// A part of the description with the "table.column" it needs.
struct Part {
    bool* present;
    QStringList needs;
};

QStringList marks(const QString& table, const QStringList& columns) {
    QStringList list;
    for (const QString& column : columns) {
        if (!column.isEmpty())
            list << table + u'.' + column;
    }
    return list;
}

QList<Part> partsOf(CharacterSchema& s) {
    InventorySchema& i = s.inventory;
    QStringList inventory = marks(i.table, {i.owner, i.bag, i.slot, i.item, i.entry});
    if (i.entryInInstance())
        inventory << marks(i.instanceTable, {i.instanceKey, i.instanceEntry});
    QuestStatusSchema& q = s.quests;
    QStringList quests = marks(q.table, {q.owner, q.quest, q.status});
    if (q.rewardedApart())
        quests << marks(q.rewardedTable, {q.owner, q.quest});
    SpellSchema& sp = s.spells;
    QStringList spells = marks(sp.table, {sp.owner, sp.spell});
    for (const ShownColumn& shown : sp.shown)
        spells << marks(sp.table, {shown.column});
    HomebindSchema& h = s.homebind;
    GroupSchema& g = s.groups;
    return {{&i.present, inventory},
            {&q.present, quests},
            {&sp.present, spells},
            {&s.auras.present, marks(s.auras.table, s.auras.columns)},
            {&h.present, marks(h.table, {h.owner, h.map, h.x, h.y, h.z})},
            {&g.present,
             marks(g.table, {g.key, g.leader}) + marks(g.memberTable, {g.memberGroup, g.member})},
            {&s.corpse.present, marks(s.corpse.table, {s.corpse.owner})}};
}

bool has(const Catalog& catalog, const QString& mark) {
    return catalog.hasColumn(mark.section(u'.', 0, 0), mark.section(u'.', 1));
}

} // namespace

QStringList CharacterSchema::missingOf(const QStringList& tables) const {
    QStringList found;
    for (const QString& mark : missing) {
        if (tables.contains(mark.section(u'.', 0, 0), Qt::CaseInsensitive))
            found << mark;
    }
    return found;
}

CharacterSchema characterSchema(Family family, const Catalog& catalog) {
    CharacterSchema s = describe(family);
    if (catalog.isEmpty())
        return s;
    const auto lacks = [&](const QString& mark) {
        if (has(catalog, mark))
            return false;
        if (!s.missing.contains(mark))
            s.missing << mark;
        return true;
    };
    for (Field* field : characterFields(s.characters)) {
        bool lacking = false;
        for (const QString& mark : field->needs)
            lacking = lacks(mark) || lacking;
        if (lacking)
            *field = Field();
    }
    for (const Part& part : partsOf(s)) {
        for (const QString& mark : part.needs) {
            if (lacks(mark))
                *part.present = false;
        }
    }
    return s;
}

} // namespace schema

#include "schema/Family.h"

#include <algorithm>

namespace schema {

namespace {

struct FamilyText {
    Family family;
    const char* key;
    const char* name;
};

constexpr FamilyText kTexts[] = {
        {Family::Mangos2010, "2010", "MaNGOS 2010"},
        {Family::Rel2x, "rel2x", "MaNGOS Rel2x"},
        {Family::Cmangos, "cmangos", "cmangos"},
        {Family::Vmangos, "vmangos", "vmangos"},
        {Family::TrinityCore, "trinitycore", "TrinityCore 3.3.5"},
        {Family::AzerothCore, "azerothcore", "AzerothCore"},
};

// "table.column" that must be there, and must not be there, for a family:
// the marks that tell the families apart.
struct Marks {
    Family family;
    Role role;
    QStringList present;
    QStringList absent;
};

const QList<Marks>& marks() {
    static const QList<Marks> list = {
            // Login databases.
            {Family::Mangos2010,
             Role::Login,
             {"account.sha_pass_hash", "realmlist.color", "autobroadcast.next"},
             {}},
            {Family::Rel2x,
             Role::Login,
             {"account.sha_pass_hash", "realmlist.realmflags", "realmlist.localAddress"},
             {"realmlist.color"}},
            {Family::Cmangos,
             Role::Login,
             {"account.lockedIp", "account_logons.accountId", "account_banned.account_id"},
             {"account.sha_pass_hash"}},
            {Family::Vmangos,
             Role::Login,
             {"account.s", "account.v", "account_access.gmlevel", "account_banned.banid"},
             {"account.sha_pass_hash"}},
            {Family::TrinityCore,
             Role::Login,
             {"account.salt", "account.verifier", "account.session_key_auth",
              "account_access.SecurityLevel"},
             {}},
            {Family::AzerothCore,
             Role::Login,
             {"account.salt", "account.verifier", "account.session_key", "account_access.gmlevel"},
             {}},
            // Characters databases.
            {Family::Mangos2010,
             Role::Characters,
             {"characters.data", "group_member.leaderGuid"},
             {}},
            {Family::Rel2x,
             Role::Characters,
             {"groups.groupId", "db_version.structure", "characters.deleteInfos_Account"},
             {"characters.data"}},
            {Family::Cmangos,
             Role::Characters,
             {"characters.playerBytes", "item_instance.itemEntry",
              "character_inventory.item_template"},
             {"characters.data", "db_version.structure"}},
            {Family::Vmangos,
             Role::Characters,
             {"characters.at_login_flags", "character_inventory.item_guid"},
             {}},
            {Family::TrinityCore,
             Role::Characters,
             {"character_queststatus_rewarded.quest", "character_aura.critChance"},
             {"characters.innTriggerId"}},
            {Family::AzerothCore,
             Role::Characters,
             {"character_queststatus_rewarded.quest", "characters.innTriggerId"},
             {}},
            // World databases.
            {Family::Mangos2010,
             Role::World,
             {"quest_template.Title", "locales_item.name_loc8"},
             {"quest_template.patch", "quest_template.BreadcrumbForQuestId", "db_version.structure",
              "autobroadcast.content"}},
            {Family::Rel2x,
             Role::World,
             {"quest_template.Title", "db_version.structure", "autobroadcast.content"},
             {}},
            {Family::Cmangos,
             Role::World,
             {"quest_template.Title", "quest_template.BreadcrumbForQuestId", "db_version.cache_id"},
             {"quest_template.patch"}},
            {Family::Vmangos, Role::World, {"quest_template.patch", "mangos_string.entry"}, {}},
            {Family::TrinityCore,
             Role::World,
             {"quest_template.LogTitle", "quest_template_addon.BreadcrumbForQuestId"},
             {}},
            {Family::AzerothCore,
             Role::World,
             {"quest_template.LogTitle", "quest_template_addon.PrevQuestID"},
             {"quest_template_addon.BreadcrumbForQuestId"}},
    };
    return list;
}

bool holds(const Catalog& catalog, const QString& mark) {
    const QString table = mark.section(u'.', 0, 0);
    const QString column = mark.section(u'.', 1);
    return catalog.hasColumn(table, column);
}

// cmangos names its version table's one column after the last update:
// "required_14..." on wotlk, "required_s..." on tbc, "required_z..." on
// classic.
QString cmangosVariant(const Catalog& catalog) {
    for (const char* table : {"realmd_db_version", "character_db_version", "db_version"}) {
        for (const QString& column : catalog.columns(QLatin1String(table))) {
            if (!column.startsWith(QLatin1String("required_")))
                continue;
            const QChar first = column.size() > 9 ? column[9] : QChar();
            if (first == u'z')
                return QStringLiteral("classic");
            if (first == u's')
                return QStringLiteral("tbc");
            if (first.isDigit())
                return QStringLiteral("wotlk");
        }
    }
    return {};
}

} // namespace

QString familyKey(Family family) {
    for (const FamilyText& text : kTexts) {
        if (text.family == family)
            return QLatin1String(text.key);
    }
    return QStringLiteral("auto");
}

std::optional<Family> familyFromKey(const QString& key) {
    const QString word = key.trimmed();
    for (const FamilyText& text : kTexts) {
        if (word.compare(QLatin1String(text.key), Qt::CaseInsensitive) == 0)
            return text.family;
    }
    return std::nullopt;
}

QString familyName(Family family, const QString& variant) {
    for (const FamilyText& text : kTexts) {
        if (text.family != family)
            continue;
        const QString name = QString::fromUtf8(text.name);
        return variant.isEmpty() ? name : name + QStringLiteral(" (") + variant + u')';
    }
    return QStringLiteral("неизвестная");
}

Detection detect(Role role, const Catalog& catalog) {
    Detection detection;
    int best = -1;
    for (const Marks& entry : marks()) {
        if (entry.role != role)
            continue;
        const int present = int(std::count_if(entry.present.begin(), entry.present.end(),
                                              [&](const QString& m) { return holds(catalog, m); }));
        const bool noneAbsent = std::none_of(entry.absent.begin(), entry.absent.end(),
                                             [&](const QString& m) { return holds(catalog, m); });
        if (present == entry.present.size() && noneAbsent) {
            detection.family = entry.family;
            detection.nearest = entry.family;
            if (entry.family == Family::Cmangos)
                detection.variant = cmangosVariant(catalog);
            return detection;
        }
        // The share of a family's marks that hold, a contradicting mark
        // counting against it.
        const int score = present * 100 / int(entry.present.size()) - (noneAbsent ? 0 : 50);
        if (score > best) {
            best = score;
            detection.nearest = entry.family;
        }
    }
    return detection;
}

} // namespace schema

#include "schema/LoginSchema.h"

namespace schema {

namespace {

Field col(const QString& table, const char* name) {
    return Field::column(table, QLatin1String(name));
}

// The account columns every family shares under the 2010 names.
void sharedAccountColumns(AccountSchema& a) {
    const QString t = a.table;
    a.id = col(t, "id");
    a.username = col(t, "username");
    a.email = col(t, "email");
    a.joindate = col(t, "joindate");
    a.lastIp = col(t, "last_ip");
    a.failedLogins = col(t, "failed_logins");
    a.locked = col(t, "locked");
    a.lastLogin = col(t, "last_login");
    a.expansion = col(t, "expansion");
    a.locale = col(t, "locale");
}

void sha1Passwords(AccountSchema& a) {
    a.store = PasswordStore::Sha1Hex;
    a.hash = QStringLiteral("sha_pass_hash");
    a.shownHash = col(a.table, "sha_pass_hash");
}

void hexVerifiers(AccountSchema& a) {
    a.store = PasswordStore::Srp6Hex;
    a.salt = QStringLiteral("s");
    a.verifier = QStringLiteral("v");
    a.shownHash = Field::computed(quoted(QStringLiteral("v")), {a.table + QStringLiteral(".v")});
    a.sessionKeys = {QStringLiteral("sessionkey")};
}

void binaryVerifiers(AccountSchema& a) {
    a.store = PasswordStore::Srp6Binary;
    a.salt = QStringLiteral("salt");
    a.verifier = QStringLiteral("verifier");
    a.shownHash = Field::computed(QStringLiteral("HEX(`verifier`)"),
                                  {a.table + QStringLiteral(".verifier")});
}

// The level shown for an account that has rows per realm: the all-realms
// row where there is one (that is the row an edit writes), else its highest
// realm's, else 0.
Field perRealmLevel(const GmLevelSchema& gm, const QString& accountTable) {
    const QString rows = QStringLiteral("from %1 where %2 = %3.`id`")
                                 .arg(quoted(gm.table), quoted(gm.account), quoted(accountTable));
    return Field::computed(
            QStringLiteral("coalesce((select %1 %2 and %3 = -1), (select max(%1) %2), 0)")
                    .arg(quoted(gm.level), rows, quoted(gm.realm)),
            {gm.table + u'.' + gm.account, gm.table + u'.' + gm.level, gm.table + u'.' + gm.realm});
}

void oldBans(LoginSchema& s) {
    const QString b = s.bans.table;
    s.bans.account = col(b, "id");
    s.bans.bandate = col(b, "bandate");
    s.bans.unbandate = col(b, "unbandate");
    s.bans.bannedBy = col(b, "bannedby");
    s.bans.reason = col(b, "banreason");
    s.bans.active = col(b, "active");
    const QString i = s.ipBans.table;
    s.ipBans.ip = col(i, "ip");
    s.ipBans.bandate = col(i, "bandate");
    s.ipBans.unbandate = col(i, "unbandate");
    s.ipBans.bannedBy = col(i, "bannedby");
    s.ipBans.reason = col(i, "banreason");
}

void sharedRealmColumns(RealmSchema& r) {
    const QString t = r.table;
    r.id = col(t, "id");
    r.name = col(t, "name");
    r.address = col(t, "address");
    r.port = col(t, "port");
    r.icon = col(t, "icon");
    r.timezone = col(t, "timezone");
    r.allowedSecurityLevel = col(t, "allowedSecurityLevel");
    r.population = col(t, "population");
}

void localAddresses(RealmSchema& r) {
    r.localAddress = col(r.table, "localAddress");
    r.localSubnetMask = col(r.table, "localSubnetMask");
}

LoginSchema describe(Family family) {
    LoginSchema s;
    s.family = family;
    AccountSchema& a = s.account;
    sharedAccountColumns(a);
    oldBans(s);
    sharedRealmColumns(s.realms);
    switch (family) {
    case Family::Mangos2010:
    case Family::Unknown:
        sha1Passwords(a);
        a.alsoWithPassword = {{QStringLiteral("s"), QStringLiteral("null")},
                              {QStringLiteral("v"), QStringLiteral("null")},
                              {QStringLiteral("sessionkey"), QStringLiteral("null")}};
        a.sessionKeys = {QStringLiteral("s"), QStringLiteral("v"), QStringLiteral("sessionkey")};
        // The program always upper-cased every letter of a new name here.
        a.usernameCase = LetterCase::Upper;
        a.gmlevel = col(a.table, "gmlevel");
        a.activeRealm = col(a.table, "active_realm_id");
        s.realms.color = col(s.realms.table, "color");
        s.bans.liftOnlyActive = false;
        break;
    case Family::Rel2x:
        // s and v are the login server's cache of the hash: it makes them
        // again from the hash when they are not 64 digits each.
        sha1Passwords(a);
        a.alsoWithPassword = {{QStringLiteral("v"), QStringLiteral("\"0\"")},
                              {QStringLiteral("s"), QStringLiteral("\"0\"")}};
        a.sessionKeys = {QStringLiteral("sessionkey")};
        a.gmlevel = col(a.table, "gmlevel");
        a.activeRealm = col(a.table, "active_realm_id");
        s.bans.goWithAccount = true;
        s.realms.flags = col(s.realms.table, "realmflags");
        s.realms.builds = col(s.realms.table, "realmbuilds");
        s.realms.buildsList = true;
        localAddresses(s.realms);
        s.realms.realmRowsTable = QStringLiteral("realmcharacters");
        s.realms.realmRowsColumn = QStringLiteral("realmid");
        break;
    case Family::Cmangos: {
        hexVerifiers(a);
        a.gmlevel = col(a.table, "gmlevel");
        a.activeRealm = col(a.table, "active_realm_id");
        // The last login and its address are the newest row of the logons.
        const QString newest = QStringLiteral("(select %1 from `account_logons` where "
                                              "`accountId` = `account`.`id` order by "
                                              "`loginTime` desc limit 1)");
        a.lastIp = Field::computed(newest.arg(QStringLiteral("`ip`")),
                                   {QStringLiteral("account_logons.ip")});
        a.lastLogin = Field::computed(newest.arg(QStringLiteral("`loginTime`")),
                                      {QStringLiteral("account_logons.loginTime")});
        // The client's locale name ("ruRU"), which the server writes.
        a.locale.write.clear();
        const QString b = s.bans.table;
        s.bans.account = col(b, "account_id");
        s.bans.bandate = col(b, "banned_at");
        s.bans.unbandate = col(b, "expires_at");
        s.bans.bannedBy = col(b, "banned_by");
        s.bans.reason = col(b, "reason");
        const QString i = s.ipBans.table;
        s.ipBans.bandate = col(i, "banned_at");
        s.ipBans.unbandate = col(i, "expires_at");
        s.ipBans.bannedBy = col(i, "banned_by");
        s.ipBans.reason = col(i, "reason");
        // The unban of a console: cmangos names a character, or "CONSOLE".
        s.bans.alsoOnLift = {{QStringLiteral("unbanned_at"), QStringLiteral("UNIX_TIMESTAMP()")},
                             {QStringLiteral("unbanned_by"), QStringLiteral("'CONSOLE'")}};
        s.realms.flags = col(s.realms.table, "realmflags");
        s.realms.builds = col(s.realms.table, "realmbuilds");
        s.realms.buildsList = true;
        break;
    }
    case Family::Vmangos:
        hexVerifiers(a);
        s.gm = {QStringLiteral("account_access"), QStringLiteral("id"), QStringLiteral("gmlevel"),
                QStringLiteral("RealmID")};
        a.activeRealm = col(a.table, "current_realm");
        s.realms.flags = col(s.realms.table, "realmflags");
        s.realms.builds = col(s.realms.table, "realmbuilds");
        s.realms.buildsList = true;
        localAddresses(s.realms);
        break;
    case Family::TrinityCore:
    case Family::AzerothCore:
        binaryVerifiers(a);
        // AccountMgr writes e-mails with their Latin letters upper-cased.
        a.emailCase = LetterCase::UpperLatin;
        if (family == Family::TrinityCore) {
            s.gm = {QStringLiteral("account_access"), QStringLiteral("AccountID"),
                    QStringLiteral("SecurityLevel"), QStringLiteral("RealmID")};
            a.sessionKeys = {QStringLiteral("session_key_auth"),
                             QStringLiteral("session_key_bnet")};
            // TrinityCore's unban ends the ban now.
            s.bans.alsoOnLift = {{QStringLiteral("unbandate"), QStringLiteral("UNIX_TIMESTAMP()")}};
        } else {
            s.gm = {QStringLiteral("account_access"), QStringLiteral("id"),
                    QStringLiteral("gmlevel"), QStringLiteral("RealmID")};
            a.sessionKeys = {QStringLiteral("session_key")};
        }
        // Whether a character of the account is in the game; the server's.
        a.activeRealm = Field::computed(quoted(QStringLiteral("online")),
                                        {a.table + QStringLiteral(".online")});
        s.realms.flags = col(s.realms.table, "flag");
        s.realms.builds = col(s.realms.table, "gamebuild");
        localAddresses(s.realms);
        break;
    }
    if (s.gm.perRealm())
        a.gmlevel = perRealmLevel(s.gm, a.table);
    return s;
}

QList<Field*> fieldsOf(LoginSchema& s) {
    AccountSchema& a = s.account;
    QList<Field*> fields = {&a.id,
                            &a.username,
                            &a.shownHash,
                            &a.gmlevel,
                            &a.email,
                            &a.joindate,
                            &a.lastIp,
                            &a.failedLogins,
                            &a.locked,
                            &a.lastLogin,
                            &a.activeRealm,
                            &a.expansion,
                            &a.locale,
                            &s.bans.account,
                            &s.bans.bandate,
                            &s.bans.unbandate,
                            &s.bans.bannedBy,
                            &s.bans.reason,
                            &s.bans.active,
                            &s.ipBans.ip,
                            &s.ipBans.bandate,
                            &s.ipBans.unbandate,
                            &s.ipBans.bannedBy,
                            &s.ipBans.reason};
    for (Field* field : s.realms.fields())
        fields << field;
    return fields;
}

bool has(const Catalog& catalog, const QString& mark) {
    return catalog.hasColumn(mark.section(u'.', 0, 0), mark.section(u'.', 1));
}

} // namespace

LoginSchema loginSchema(Family family, const Catalog& catalog) {
    LoginSchema s = describe(family);
    if (catalog.isEmpty())
        return s;
    const auto lacks = [&](const QString& mark) {
        if (has(catalog, mark))
            return false;
        if (!s.missing.contains(mark))
            s.missing << mark;
        return true;
    };
    for (Field* field : fieldsOf(s)) {
        bool lacking = false;
        for (const QString& mark : field->needs)
            lacking = lacks(mark) || lacking;
        if (lacking)
            *field = Field();
    }
    AccountSchema& a = s.account;
    const QString t = a.table;
    bool storeLacking = false;
    for (const QString& column : {a.hash, a.salt, a.verifier}) {
        if (!column.isEmpty())
            storeLacking = lacks(t + u'.' + column) || storeLacking;
    }
    if (storeLacking)
        a.store = PasswordStore::None;
    // What the database lacks of the caches and session keys is simply not
    // written.
    a.alsoWithPassword.removeIf(
            [&](const auto& entry) { return !catalog.hasColumn(t, entry.first); });
    a.sessionKeys.removeIf([&](const QString& column) { return !catalog.hasColumn(t, column); });
    s.bans.alsoOnLift.removeIf(
            [&](const auto& entry) { return !catalog.hasColumn(s.bans.table, entry.first); });
    RealmSchema& r = s.realms;
    if (!r.realmRowsTable.isEmpty() && !catalog.hasColumn(r.realmRowsTable, r.realmRowsColumn)) {
        r.realmRowsTable.clear();
        r.realmRowsColumn.clear();
    }
    if (s.gm.perRealm()) {
        bool gmLacking = false;
        for (const QString& column : {s.gm.account, s.gm.level, s.gm.realm})
            gmLacking = lacks(s.gm.table + u'.' + column) || gmLacking;
        if (gmLacking) {
            s.gm = {};
            a.gmlevel = Field();
        }
    }
    return s;
}

const LoginSchema& mangos2010Login() {
    static const LoginSchema description = loginSchema(Family::Mangos2010, Catalog());
    return description;
}

} // namespace schema

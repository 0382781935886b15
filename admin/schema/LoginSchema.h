#pragma once

#include "schema/Catalog.h"
#include "schema/Family.h"
#include "schema/Field.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

// Where a family's login database keeps the accounts, their passwords and GM
// levels, the bans and the realm list: the plain description that the
// statement builders take. A notion the family lacks, or the database does
// not have, is an empty field.
namespace schema {

// How a family stores passwords.
enum class PasswordStore {
    None,       // the database has no password columns the program knows
    Sha1Hex,    // upper-case hex SHA-1 of NAME:PASSWORD
    Srp6Hex,    // SRP6 salt and verifier as upper-case big-endian hex texts
    Srp6Binary, // SRP6 salt and verifier as 32 bytes each, little-endian
};

// How a family's server writes a user name or an e-mail.
enum class LetterCase {
    Upper,      // every letter upper-cased
    UpperLatin, // only a-z upper-cased
    LowerLatin, // only A-Z lower-cased
};

struct AccountSchema {
    QString table = QStringLiteral("account");
    PasswordStore store = PasswordStore::None;
    // Sha1Hex: the hash column; Srp6: the salt and verifier columns.
    QString hash;
    QString salt;
    QString verifier;
    // Columns a new password also writes, with their values: the login
    // server's caches of the old password.
    QList<std::pair<QString, QString>> alsoWithPassword;
    // What the session key reset sets to NULL.
    QStringList sessionKeys;
    // How a user name and an e-mail are written.
    LetterCase usernameCase = LetterCase::UpperLatin;
    LetterCase emailCase = LetterCase::LowerLatin;

    // The list's columns, in the grid's order.
    Field id;
    Field username;
    Field shownHash; // the hash, or the verifier, as text
    Field gmlevel;
    Field email;
    Field joindate;
    Field lastIp;
    Field failedLogins;
    Field locked;
    Field lastLogin;
    Field activeRealm;
    Field expansion;
    Field locale;
};

// Where a GM level lives when not in the account row: one row per account
// and realm, the realm -1 standing for all realms.
struct GmLevelSchema {
    QString table; // empty: AccountSchema::gmlevel is the level
    QString account;
    QString level;
    QString realm;
    bool perRealm() const { return !table.isEmpty(); }
};

struct AccountBanSchema {
    QString table = QStringLiteral("account_banned");
    Field account;
    Field bandate;
    Field unbandate;
    Field bannedBy;
    Field reason;
    Field active;
    // A lift touches only the rows still active (the 2010 lift sets every
    // row of the account inactive, which changes nothing more).
    bool liftOnlyActive = true;
    // Columns a lift also writes, with their values, as the server's unban
    // writes them.
    QList<std::pair<QString, QString>> alsoOnLift;
    // A foreign key deletes an account's bans with the account.
    bool goWithAccount = false;
};

struct IpBanSchema {
    QString table = QStringLiteral("ip_banned");
    Field ip;
    Field bandate;
    Field unbandate;
    Field bannedBy;
    Field reason;
};

struct RealmSchema {
    QString table = QStringLiteral("realmlist");
    Field id;
    Field name;
    Field address;
    Field port;
    Field icon;
    Field color;
    Field timezone;
    Field allowedSecurityLevel;
    Field population;
    // Today's realm lists.
    Field flags;
    Field builds;
    Field localAddress;
    Field localSubnetMask;
    // The builds as a list of numbers, each followed by a blank ("5875 6005
    // 6141 "), as the world server writes it; otherwise one number.
    bool buildsList = false;
    // A table whose rows the server deletes with their realm (a foreign key
    // ON DELETE CASCADE): its name and the column naming the realm.
    QString realmRowsTable;
    QString realmRowsColumn;

    // The columns of r, const as r is.
    template <typename Realms>
    static auto columnsOf(Realms& r) {
        return std::array{&r.id,
                          &r.name,
                          &r.address,
                          &r.port,
                          &r.icon,
                          &r.color,
                          &r.timezone,
                          &r.allowedSecurityLevel,
                          &r.population,
                          &r.flags,
                          &r.builds,
                          &r.localAddress,
                          &r.localSubnetMask};
    }

    // The columns in the order of the realm list.
    auto fields() const { return columnsOf(*this); }
    auto fields() { return columnsOf(*this); }
};

struct LoginSchema {
    Family family = Family::Mangos2010;
    AccountSchema account;
    GmLevelSchema gm;
    AccountBanSchema bans;
    IpBanSchema ipBans;
    RealmSchema realms;
    // "table.column" of the family that the database lacks.
    QStringList missing;
};

// The family's description, with every field whose columns the catalog
// lacks dropped (and named in missing). An empty catalog drops nothing.
LoginSchema loginSchema(Family family, const Catalog& catalog);

// The 2010 family's description as the program was written for it.
const LoginSchema& mangos2010Login();

} // namespace schema

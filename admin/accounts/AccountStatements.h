#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"
#include "schema/LoginSchema.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// The statement texts of the accounts page: the account list, its search
// filters and lookups, the changes of the edit panel and the maintenance
// commands, for the login database as its family's description has it (for
// the 2010 family: the texts the program always sent). Pure functions of
// plain values; every text value that goes between quotes is escaped here for
// the session's quoting, and every value that goes bare is checked first
// (bareNumber, firstDigit).
namespace accountsql {

using schema::LoginSchema;

// The sort column of the account list (radio buttons "id" .. "last_login").
enum class Sort { Id, Username, Joindate, LastIp, LastLogin };

// The columns of the account list, in the grid's order.
enum class Column {
    Id,
    Username,
    Hash, // the password hash, or the verifier, as text
    GmLevel,
    Email,
    Joindate,
    LastIp,
    FailedLogins,
    Locked,
    LastLogin,
    ActiveRealm, // the realm the account plays on, or whether it is online
    Expansion,
    Locale,
};

// One column of the list as the family has it.
struct ListColumn {
    Column column;
    QString alias;  // its name in the select, by which the list sorts
    QString header; // the grid's title
    int width;      // 0 keeps the grid's width
};

// The column a sort orders by.
Column sortColumn(Sort sort);
// The field of the account description that a column shows.
const schema::Field& fieldOf(const schema::AccountSchema& account, Column column);
// The columns the database has, in the grid's order.
QList<ListColumn> listColumns(const LoginSchema& login);
// The grid column that shows a column; -1 when the list lacks it.
int indexOf(const QList<ListColumn>& columns, Column column);
// The "table.column" a column of the family needs and the database lacks.
QStringList missingColumns(const LoginSchema& login, Column column);

// The fixed select of the account list, in the grid's column order.
QString listSelect(const LoginSchema& login);
// Whether the list can sort by the column (the database has it).
bool canSort(const LoginSchema& login, Sort sort);
// " order by `alias`" of the sort column (by id when the list cannot sort by
// it).
QString sortFragment(const LoginSchema& login, Sort sort);
// The whole list statement: the select, the account filter and the order
// clause joined without separators (and without a closing semicolon).
QString listStatement(const LoginSchema& login, const QString& filter, Sort sort, bool descending,
                      const QString& recordLimit, int offset);

// ---- Filters (account filter texts) ----------------------------------------

// The texts of the search edits, as they stand.
struct SearchTexts {
    QString id;
    QString username;
    QString email;
    QString lastIp;
};

// The filter of "Искать": the id wins when it is non-empty; otherwise a like
// pattern for each non-empty text edit (trimmed) whose column the database
// has, joined with " and ". An empty result means all accounts.
QString searchFilter(const LoginSchema& login, const SearchTexts& texts, Quoting quoting);

// The accounts that last logged in from one IP address (exact match). Used by
// the accounts page's menu and by the IP ban list.
QString accountsWithLastIpFilter(const LoginSchema& login, const QString& ip, Quoting quoting);

// The accounts that own no character in the characters database.
QString withoutCharactersFilter(const LoginSchema& login, const QString& charactersDatabase);

// The accounts whose last login lies more than erasePeriod days back.
QString staleAccountsFilter(const LoginSchema& login, const QString& erasePeriod);

// ---- Maintenance --------------------------------------------------------------

// Whether the stale-account deletion may ask and run: the erase period must
// be a whole number of days (digits only) other than 0, since it is placed
// bare into a DELETE statement.
bool staleDeletionAllowed(const QString& erasePeriod);
// The accounts that have not logged in for more than erasePeriod days.
QString staleCondition(const LoginSchema& login, const QString& erasePeriod);
// The rows that go with the stale accounts (GM levels kept per realm, bans
// that a foreign key deletes with them), then the accounts.
QStringList deleteStaleAccountsStatements(const LoginSchema& login, const QString& erasePeriod);
QList<undosql::Target> deleteStaleAccountsUndo(const LoginSchema& login,
                                               const QString& erasePeriod);

// ---- Passwords --------------------------------------------------------------------

// The password hash as the game server computes it: the upper-case hex SHA-1
// of the UTF-8 bytes of user name ":" password, in which only the Latin
// letters a-z are upper-cased.
QString passwordHash(const QByteArray& usernameBytes, const QString& password);
QString passwordHash(const QString& username, const QString& password);
// Whether two hashes are the same, whatever the letter case of either.
bool sameHash(const QString& first, const QString& second);

// What a new password writes into the account row, in the family's store:
// the SHA-1 hex with the columns the description clears with it; a salt and
// the verifier as upper-case hex texts; or both as 32 bytes (hex literals).
struct PasswordWrite {
    QList<std::pair<QString, QString>> assignments; // column, value as written
    QString shown;                                  // the hash or the verifier as the list shows it
};
// salt: the bytes a SRP6 store hashes (srp6::randomSalt()); a hash store
// takes none.
PasswordWrite passwordWrite(const schema::AccountSchema& account, const QByteArray& usernameBytes,
                            const QString& password, const QByteArray& salt, Quoting quoting);

// A new password as typed, with the salt a SRP6 store writes with it.
struct NewPassword {
    QString text;
    QByteArray salt;
};

// The stored user name and password columns of an account, to check a
// password against: the select, and its row read back as bytes.
QString storedLoginStatement(const LoginSchema& login, const QString& id);
struct StoredLogin {
    QByteArray username;
    QByteArray hash; // the hash, or the salt
    QByteArray verifier;
};
// The password checked against the stored login: whether it matches, and
// the hash or verifier it makes, as the list would show it.
struct PasswordCheck {
    bool same = false;
    QString computed;
};
PasswordCheck checkPassword(const schema::AccountSchema& account, const StoredLogin& stored,
                            const QString& password);

// ---- The edit panel -------------------------------------------------------------

// The texts of the edit panel that "Сохранить" writes, as the controls hold
// them.
struct AccountEdits {
    QString id;
    QString username;
    QString gmlevel;
    QString email;
    QString lastIp;
    QString locked;
    QString lastLogin;
    QString expansion;
    QString locale;
};

// What "Сохранить" writes. A column is written only when the database can
// take it here, its edit no longer holds the text it showed when the account
// was loaded (or last saved) and the value differs from the stored one, so
// that a NULL, a value shown empty (not UTF-8) or any other value the person
// did not touch stays as it is. Written values: the user name and the e-mail
// in the letter case the family writes them, the last IP and last login
// upper-cased (Latin letters), all four trimmed and escaped; the four combo
// values are their first characters when those are digits (otherwise empty,
// which the server rejects); an emptied last login gets the column's default.
// Where GM levels are kept per realm, the level goes into the all-realms row
// of its table, in a statement of its own.
struct SavePlan {
    // The update of the account row; empty when it writes nothing (or the
    // rename is refused).
    QString statement;
    // The GM level row; empty when the level is not written there.
    QString levelStatement;
    // The user name changes, but no new password was given: nothing is
    // written, since the stored password belongs to the old name.
    bool renameNeedsPassword = false;
    // The hash or verifier written with a new user name; empty without a
    // rename.
    QString newHash;
    // The columns the update writes, in its order.
    QStringList columns;
    // The values as stored once the statements went through.
    AccountEdits stored;

    // The statements, in the order they are sent.
    QStringList statements() const;
};
// stored: the account's values as stored (as the grid showed them); shown:
// the texts the edits held after loading or the last Save. A new user name
// is written only together with the new password in the family's store, in
// the one statement.
SavePlan savePlan(const LoginSchema& login, const AccountEdits& stored, const AccountEdits& shown,
                  const AccountEdits& edited, const NewPassword& password, Quoting quoting);
// Whether the panel can change the column's value.
bool canWrite(const LoginSchema& login, Column column);

// The account, with the rows that go with it (GM levels kept per realm, bans
// that a foreign key deletes with it).
QStringList deleteStatements(const LoginSchema& login, const QString& id);
// Stores a new password (and what the family clears with it).
QString setPasswordStatement(const LoginSchema& login, const QString& id,
                             const PasswordWrite& password);
// Clears the account's session keys; empty when the family keeps none.
QString resetSessionKeyStatement(const LoginSchema& login, const QString& id);

// The name of a gmlevel value, shown as the tooltip of its grid cell.
QString levelName(const QString& gmlevel);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks the account with the given id.
QString accountCondition(const QString& id);
QList<undosql::Target> deleteUndo(const LoginSchema& login, const QString& id);
// The columns and the GM level row that the Save writes.
QList<undosql::Target> saveUndo(const LoginSchema& login, const SavePlan& plan, const QString& id);
undosql::Target setPasswordUndo(const LoginSchema& login, const QString& id);
undosql::Target resetSessionKeyUndo(const LoginSchema& login, const QString& id);

// ---- The 2010 family ---------------------------------------------------------------
// The texts above for the 2010 description, under the names the IP ban list
// and the older callers know.

const LoginSchema& mangos2010();
QString sortFragment(Sort sort);
QString listStatement(const QString& filter, Sort sort, bool descending, const QString& recordLimit,
                      int offset);
QString searchFilter(const SearchTexts& texts, Quoting quoting);
QString accountsWithLastIpFilter(const QString& ip, Quoting quoting);
QString withoutCharactersFilter(const QString& charactersDatabase);
QString staleAccountsFilter(const QString& erasePeriod);
QString staleCondition(const QString& erasePeriod);
QString deleteStaleAccountsStatement(const QString& erasePeriod);
SavePlan savePlan(const AccountEdits& stored, const AccountEdits& shown, const AccountEdits& edited,
                  const QString& newPassword, Quoting quoting);
QString deleteStatement(const QString& id);
QString setPasswordStatement(const QString& id, const QString& hash, Quoting quoting);
QString storedLoginStatement(const QString& id);
QString resetSessionKeyStatement(const QString& id);
undosql::Target deleteUndo(const QString& id);
undosql::Target saveUndo(const SavePlan& plan, const QString& id);
undosql::Target setPasswordUndo(const QString& id);
undosql::Target resetSessionKeyUndo(const QString& id);
undosql::Target deleteStaleAccountsUndo(const QString& erasePeriod);

} // namespace accountsql

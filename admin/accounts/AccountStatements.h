#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"

#include <QString>

// The statement texts of the accounts page: the account list, its search
// filters and lookups, the changes of the edit panel and the maintenance
// commands. Pure functions of plain values; every text value that goes
// between quotes is escaped here for the session's quoting, and every value
// that goes bare is checked first (bareNumber, firstDigit).
namespace accountsql {

// The sort column of the account list (radio buttons "id" .. "last_login").
enum class Sort { Id, Username, Joindate, LastIp, LastLogin };

// The fixed select of the account list, in the grid's column order.
extern const QString kListSelect;

// " order by `column`" of the sort column.
QString sortFragment(Sort sort);

// The whole list statement: the select, the account filter and the order
// clause joined without separators (and without a closing semicolon).
QString listStatement(const QString& filter, Sort sort, bool descending, const QString& recordLimit,
                      int offset);

// ---- Filters (account filter texts) ----------------------------------------

// The texts of the search edits, as they stand.
struct SearchTexts {
    QString id;
    QString username;
    QString email;
    QString lastIp;
};

// The filter of "Искать": the id wins when it is non-empty; otherwise a like
// pattern for each non-empty text edit (trimmed), joined with " and ". An
// empty result means all accounts.
QString searchFilter(const SearchTexts& texts, Quoting quoting);

// The accounts that last logged in from one IP address (exact match). Used by
// the accounts page's menu and by the IP ban list.
QString accountsWithLastIpFilter(const QString& ip, Quoting quoting);

// The accounts that own no character in the characters database.
QString withoutCharactersFilter(const QString& charactersDatabase);

// The accounts whose last login lies more than erasePeriod days back.
QString staleAccountsFilter(const QString& erasePeriod);

// ---- Maintenance --------------------------------------------------------------

// Whether the stale-account deletion may ask and run: the erase period must
// be a whole number of days (digits only) other than 0, since it is placed
// bare into a DELETE statement.
bool staleDeletionAllowed(const QString& erasePeriod);
// The accounts that have not logged in for more than erasePeriod days.
QString staleCondition(const QString& erasePeriod);
QString deleteStaleAccountsStatement(const QString& erasePeriod);

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

// What "Сохранить" writes. A column is written only when its edit no longer
// holds the text it showed when the account was loaded (or last saved) and
// the value differs from the stored one, so that a NULL, a value shown empty
// (not UTF-8) or any other value the person did not touch stays as it is.
// Written values: the user name upper-cased (every letter), the e-mail
// lower-cased and the last IP and last login upper-cased (Latin letters), all
// four trimmed and escaped; the four combo values are their first
// characters when those are digits (otherwise
// empty, which the server rejects); an emptied last login gets the column's default.
struct SavePlan {
    // The update; empty when nothing is to be written (or the rename is
    // refused).
    QString statement;
    // The user name changes, but no new password was given: nothing is
    // written, since the stored hash belongs to the old name.
    bool renameNeedsPassword = false;
    // The hash written with a new user name; empty without a rename.
    QString newHash;
    // The columns the update writes, in its order.
    QStringList columns;
    // The values as stored once the update went through.
    AccountEdits stored;
};
// stored: the account's values as stored (as the grid showed them); shown:
// the texts the edits held after loading or the last Save. A new user name
// is written only together with the hash of the new password and the
// cleared s, v and sessionkey, in the one statement.
SavePlan savePlan(const AccountEdits& stored, const AccountEdits& shown, const AccountEdits& edited,
                  const QString& newPassword, Quoting quoting);

// The password hash as the game server computes it: the upper-case hex SHA-1
// of the UTF-8 bytes of user name ":" password, in which only the Latin
// letters a-z are upper-cased.
QString passwordHash(const QByteArray& usernameBytes, const QString& password);
QString passwordHash(const QString& username, const QString& password);
// Whether two hashes are the same, whatever the letter case of either.
bool sameHash(const QString& first, const QString& second);

QString deleteStatement(const QString& id);
// Stores the hash of a new password and clears the login session.
QString setPasswordStatement(const QString& id, const QString& hash, Quoting quoting);
// The stored user name and hash, to check a password against.
QString storedLoginStatement(const QString& id);
QString resetSessionKeyStatement(const QString& id);

// The name of a gmlevel value, shown as the tooltip of its grid cell.
QString levelName(const QString& gmlevel);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks the account with the given id.
QString accountCondition(const QString& id);
undosql::Target deleteUndo(const QString& id);
// The columns that the Save writes.
undosql::Target saveUndo(const SavePlan& plan, const QString& id);
undosql::Target setPasswordUndo(const QString& id);
undosql::Target resetSessionKeyUndo(const QString& id);
undosql::Target deleteStaleAccountsUndo(const QString& erasePeriod);

} // namespace accountsql

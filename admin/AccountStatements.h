#pragma once

#include "QueryConventions.h"

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

// The update of "Сохранить": the user name upper-cased (every letter), the
// e-mail lower-cased and the last IP and last login upper-cased (Latin
// letters), all four trimmed and escaped; the four combo values are their
// first characters when those are digits (otherwise empty, which the server
// rejects); an empty last login is written as NULL.
QString saveStatement(const AccountEdits& edits, Quoting quoting);
QString deleteStatement(const QString& id);
// The server computes the new hash from the user name and password.
QString setPasswordStatement(const QString& id, const QString& username, const QString& password,
                             Quoting quoting);
// Computes the hash of the stored user name with a password.
QString comparePasswordStatement(const QString& id, const QString& password, Quoting quoting);
QString resetSessionKeyStatement(const QString& id);

// The name of a gmlevel value, shown as the tooltip of its grid cell.
QString levelName(const QString& gmlevel);

} // namespace accountsql

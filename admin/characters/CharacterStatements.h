#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"

#include <QString>
#include <QStringList>

#include <optional>

// The statement texts and value rules of the character page, as pure
// functions of plain values. Text that goes between quotes is escaped for the
// session's quoting; a value that goes bare into a statement is first passed
// through bareNumber, and a database name goes between backquotes (or, as a
// qualifier, through qualifierName), so that no text can ever change a
// statement.
namespace characterstatements {

// ---- The list --------------------------------------------------------------

enum class SortColumn { Guid, Name, Account, Race, Class };

// "select `guid`,...,`zone` from `characters`"
QString listSelect();
// " order by `guid`" and so on.
QString sortFragment(SortColumn column);

// The texts of the search panel.
struct SearchFields {
    QString guid;
    QString name;
    QString account;
    QString race;
    QString characterClass;
};

// The character filter of a search: the guid alone when given, otherwise one
// condition for each of name, account, race and class that is not empty.
QString searchFilter(const SearchFields& fields, Quoting quoting);
// The value that a race or class box contributes: its first two characters
// ("1 - Human" gives "1 ", "11 - Draenei" "11"); nothing when they are only
// blanks (the class box's blank item).
std::optional<QString> searchCode(const QString& boxText);

// " where `account` = " + id: the characters of one account.
QString accountFilter(const QString& accountId);
// "where `id` = " + account: the account lookup of a character's account.
QString accountLookupFilter(const QString& account);
// " where `online` = 1"
QString onlineFilter();
// " where `money` > " + threshold
QString richFilter(const QString& threshold);
// Characters whose account does not exist in the accounts database.
QString withoutAccountFilter(const QString& accountsDatabase);

// ---- The details -------------------------------------------------------------

QString fullRow(const QString& guid);
QString columnNames();
QString quests(const QString& charactersDatabase, const QString& worldDatabase,
               const QString& guid);
// Every inventory row of the character, once: the template's name and the
// translation are joined where they exist (empty where they do not).
QString items(const QString& charactersDatabase, const QString& worldDatabase,
              const QString& locale, const QString& guid);
QString spells(const QString& charactersDatabase, const QString& guid);

// The values of the packed field block as the "Data" sub-page lists them:
// every run of non-blank characters that a blank ends. Text after the last
// blank is not listed.
QStringList dataValues(const QString& text);

// ---- Editing -----------------------------------------------------------------

// The name field after a rename: "player" when empty, Latin letters lower
// case, the first character upper case.
QString normalisedName(const QString& field);
// The rename statement for the (normalised) name field; the name is stored
// trimmed.
QString rename(const QString& nameField, const QString& guid, Quoting quoting);

// The account field after a move: "1" when it is empty or zero.
QString normalisedAccount(const QString& field);
QString moveToAccount(const QString& accountField, const QString& guid);

// The at-login word with bits 1 (rename), 2 (reset spells) and 4 (reset
// talents) set from the check boxes; the other bits kept.
int atLoginWord(int current, bool rename, bool resetSpells, bool resetTalents);
QString setAtLogin(int word, const QString& guid);

// The gender field after a swap: "1" for "0", otherwise "0".
QString swappedGender(const QString& field);
QString setGender(const QString& genderField, const QString& guid);

// The money field before saving: "0" when empty.
QString normalisedMoney(const QString& field);
QString setMoney(const QString& moneyField, const QString& guid);

QString setLevel(const QString& levelField, const QString& guid);

// ---- Repair and clean-up -----------------------------------------------------

// The statements of "Анти ERROR", "SET NAMES utf8;" first. A group that the
// character leads goes with its member rows.
QStringList repair(const QString& guid);
QString questChainReset(const QString& guid);
QString moveWithoutAccount(const QString& serviceAccount, const QString& accountsDatabase);
// Whether the service account setting names an account: a number other than
// zero.
bool serviceAccountSet(const QString& setting);

// ---- Characters without accounts: the clean-up across tables ----------------

// The guids of the characters whose account does not exist.
QString withoutAccountGuids(const QString& accountsDatabase);
// Every column of every table of the characters database, with the table's
// storage engine: table, engine, column, in table and column order.
QString tableColumns(const QString& charactersDatabase, Quoting quoting);

// A table of the characters database as tableColumns lists it.
struct TableInfo {
    QString name;
    QString engine;
    QStringList columns;
};

// The rows of one table that belong to the characters being removed: those
// whose column holds one of their guids.
struct CleanupTarget {
    QString table;
    QString column;
    // The table's changes can be undone (InnoDB).
    bool transactional = false;

    bool operator==(const CleanupTarget&) const = default;
};

// What removing characters deletes, in order, of the tables that exist (and
// have the column): the inventory and the item instances it owns, spells,
// auras, quests, home-bind, action bar, reputation, friends both ways,
// corpses, group membership and the groups they lead with their members,
// then every other table named character_... with a guid column; the tables
// that can be undone first, then the others, and the `characters` rows last,
// so that a clean-up stopped part way leaves the characters, whose remaining
// rows it can still find.
QList<CleanupTarget> cleanupTargets(const QList<TableInfo>& tables);
// Deletes a target's rows of the given characters.
QString deleteRowsOf(const CleanupTarget& target, const QStringList& guids);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks one character.
QString guidCondition(const QString& guid);
// One column of the character written by an edit (name, account, at_login,
// gender, money, level).
undosql::Target columnUndo(const QString& column, const QString& guid);
// What "Анти ERROR" deletes and writes: the auras deleted and written again,
// the groups the character leads with their members, its membership, its
// corpse, and its position, transport and flight path.
QList<undosql::Target> repairUndo(const QString& guid);
QString questChainCondition(const QString& guid);
undosql::Target questChainResetUndo(const QString& guid);
// The characters whose account does not exist in the accounts database.
QString withoutAccountCondition(const QString& accountsDatabase);
undosql::Target moveWithoutAccountUndo(const QString& accountsDatabase);
// The rows of a clean-up target that belong to the characters.
QString rowsOfCondition(const CleanupTarget& target, const QStringList& guids);
QList<undosql::Target> cleanupUndo(const QList<CleanupTarget>& targets, const QStringList& guids);

} // namespace characterstatements

#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"
#include "schema/CharacterSchema.h"
#include "schema/WorldSchema.h"

#include <QString>
#include <QStringList>

#include <optional>

// The statement texts and value rules of the character page, as pure
// functions of plain values and the schema descriptions of the characters
// and world databases. Text that goes between quotes is escaped for the
// session's quoting; a value that goes bare into a statement is first passed
// through bareNumber, and a database name goes between backquotes (or, as a
// qualifier, through qualifierName), so that no text can ever change a
// statement. The functions without a description build the statements of
// the 2010 schema.
namespace characterstatements {

using schema::CharacterSchema;
using schema::WorldSchema;

// The descriptions of the 2010 schema, as the program knew it first.
const CharacterSchema& mangos2010();
const WorldSchema& mangos2010World();

// ---- The list --------------------------------------------------------------

enum class SortColumn { Guid, Name, Account, Race, Class };

// "select `guid`,...,`zone` from `characters`"
QString listSelect();
QString listSelect(const CharacterSchema& s);
// " order by `guid`" and so on.
// The sort columns have the same names in every family.
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
QString searchFilter(const CharacterSchema& s, const SearchFields& fields, Quoting quoting);
// The value that a race or class box contributes: its first two characters
// ("1 - Human" gives "1 ", "11 - Draenei" "11"); nothing when they are only
// blanks (the class box's blank item).
std::optional<QString> searchCode(const QString& boxText);

// " where `account` = " + id: the characters of one account.
QString accountFilter(const QString& accountId);
QString accountFilter(const CharacterSchema& s, const QString& accountId);
// "where `id` = " + account: the account lookup of a character's account.
QString accountLookupFilter(const QString& account);
// " where `online` = 1"
QString onlineFilter();
QString onlineFilter(const CharacterSchema& s);
// " where `money` > " + threshold
QString richFilter(const QString& threshold);
QString richFilter(const CharacterSchema& s, const QString& threshold);
// Characters whose account does not exist in the accounts database; a
// character the server deleted and keeps for restoring is not one of them.
QString withoutAccountFilter(const QString& accountsDatabase);
QString withoutAccountFilter(const CharacterSchema& s, const QString& accountsDatabase);

// ---- The details -------------------------------------------------------------

QString fullRow(const QString& guid);
QString fullRow(const CharacterSchema& s, const QString& guid);
QString columnNames();
QString columnNames(const CharacterSchema& s);
// The quests of the character with their titles and chain: quest, status,
// title, next, previous, next in chain, exclusive group. A quest whose
// template is gone is not listed; vmangos lists each quest once, with the
// row of the highest content patch; rewarded quests kept apart show the
// description's rewarded status.
QString quests(const QString& charactersDatabase, const QString& worldDatabase,
               const QString& guid);
QString quests(const CharacterSchema& s, const WorldSchema& w, const QString& charactersDatabase,
               const QString& worldDatabase, const QString& guid);
// Every inventory row of the character, once: owner, bag, slot, item, the
// template's entry, the template's name and the translation, joined where
// they exist (empty where they do not). locale is the locale number of the
// settings.
QString items(const QString& charactersDatabase, const QString& worldDatabase,
              const QString& locale, const QString& guid);
QString items(const CharacterSchema& s, const WorldSchema& w, const QString& charactersDatabase,
              const QString& worldDatabase, const QString& locale, const QString& guid);
// The spells: the spell, then the description's shown columns.
QString spells(const QString& charactersDatabase, const QString& guid);
QString spells(const CharacterSchema& s, const QString& charactersDatabase, const QString& guid);

// The values of the packed field block as the "Data" sub-page lists them:
// every run of non-blank characters that a blank ends. Text after the last
// blank is not listed.
QStringList dataValues(const QString& text);

// A value of the characters table that the "Data" sub-page names, where the
// family has no packed block.
struct NamedValue {
    QString label;
    QString column;
};
QList<NamedValue> namedValues(const CharacterSchema& s);

// ---- Editing -----------------------------------------------------------------

// The name field after a rename: "player" when empty, Latin letters lower
// case, the first character upper case.
QString normalisedName(const QString& field);
// The rename statement for the (normalised) name field; the name is stored
// trimmed.
QString rename(const QString& nameField, const QString& guid, Quoting quoting);
QString rename(const CharacterSchema& s, const QString& nameField, const QString& guid,
               Quoting quoting);

// The account field after a move: "1" when it is empty or zero.
QString normalisedAccount(const QString& field);
QString moveToAccount(const QString& accountField, const QString& guid);
QString moveToAccount(const CharacterSchema& s, const QString& accountField, const QString& guid);

// The at-login word with the rename, reset spells and reset talents bits set
// from the check boxes; the other bits kept.
int atLoginWord(int current, bool rename, bool resetSpells, bool resetTalents);
int atLoginWord(const schema::AtLoginFlags& flags, int current, bool rename, bool resetSpells,
                bool resetTalents);
QString setAtLogin(int word, const QString& guid);
QString setAtLogin(const CharacterSchema& s, int word, const QString& guid);

// The gender field after a swap: "1" for "0", otherwise "0".
QString swappedGender(const QString& field);
QString setGender(const QString& genderField, const QString& guid);
QString setGender(const CharacterSchema& s, const QString& genderField, const QString& guid);

// The money field before saving: "0" when empty.
QString normalisedMoney(const QString& field);
QString setMoney(const QString& moneyField, const QString& guid);
QString setMoney(const CharacterSchema& s, const QString& moneyField, const QString& guid);

QString setLevel(const QString& levelField, const QString& guid);
QString setLevel(const CharacterSchema& s, const QString& levelField, const QString& guid);

// ---- Repair and clean-up -----------------------------------------------------

// The statements of "Анти ERROR", "SET NAMES utf8;" first: the auras go,
// the group the character leads goes with its member rows, its membership
// and its corpse go, it leaves its transport and flight path, moves to its
// home-bind point, and gets the resurrection sickness in the family's aura
// columns.
QStringList repair(const QString& guid);
QStringList repair(const CharacterSchema& s, const QString& guid);
// Of the columns the repair reads and writes, those the database lacks.
QStringList repairLacks(const CharacterSchema& s);
// The 2010 reset of the "Перехват" chain: its quests, by number.
QString questChainReset(const QString& guid);
// The quest that starts the chain.
inline constexpr int kQuestChainStart = 1718;
// The quests that follow any of the given ones: those whose previous quest
// is one of them.
QString questsAfter(const WorldSchema& w, const QString& worldDatabase, const QStringList& quests);
// The reset of the given quests of the character, from every table that
// holds its quests.
QStringList questReset(const CharacterSchema& s, const QString& guid, const QStringList& quests);
QString moveWithoutAccount(const QString& serviceAccount, const QString& accountsDatabase);
QString moveWithoutAccount(const CharacterSchema& s, const QString& serviceAccount,
                           const QString& accountsDatabase);
// Whether the service account setting names an account: a number other than
// zero.
bool serviceAccountSet(const QString& setting);

// ---- Characters without accounts: the clean-up across tables ----------------

// The guids of the characters whose account does not exist.
QString withoutAccountGuids(const QString& accountsDatabase);
QString withoutAccountGuids(const CharacterSchema& s, const QString& accountsDatabase);
// Of the given characters, those the server has in the game.
QString onlineAmong(const CharacterSchema& s, const QStringList& guids);
// The characters without accounts that the server has in the game.
QString onlineWithoutAccount(const CharacterSchema& s, const QString& accountsDatabase);
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
// whose column holds one of their guids, or (through a parent) the key of
// one of their rows in the parent table.
struct CleanupTarget {
    QString table;
    QString column;
    // The table's changes can be undone (InnoDB).
    bool transactional = false;
    QString parentTable = {};
    QString parentKey = {};
    QString parentOwner = {};

    bool operator==(const CleanupTarget&) const = default;
};

// What removing characters deletes, in order, of the tables that exist (and
// have the column): the description's tables of a character's rows, then
// every other table named character_... with a guid column; the tables that
// can be undone first, then the others (a table goes with its parent), and
// the characters rows last, so that a clean-up stopped part way leaves the
// characters, whose remaining rows it can still find.
QList<CleanupTarget> cleanupTargets(const QList<TableInfo>& tables);
QList<CleanupTarget> cleanupTargets(const CharacterSchema& s, const QList<TableInfo>& tables);
// Deletes a target's rows of the given characters.
QString deleteRowsOf(const CleanupTarget& target, const QStringList& guids);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks one character.
QString guidCondition(const QString& guid);
QString guidCondition(const CharacterSchema& s, const QString& guid);
// One column of the character written by an edit (name, account, at_login,
// gender, money, level).
undosql::Target columnUndo(const QString& column, const QString& guid);
undosql::Target columnUndo(const CharacterSchema& s, const QString& column, const QString& guid);
// What "Анти ERROR" deletes and writes: the auras deleted and written again,
// the groups the character leads with their members, its membership, its
// corpse, and its position, transport and flight path.
QList<undosql::Target> repairUndo(const QString& guid);
QList<undosql::Target> repairUndo(const CharacterSchema& s, const QString& guid);
QString questChainCondition(const QString& guid);
undosql::Target questChainResetUndo(const QString& guid);
QList<undosql::Target> questResetUndo(const CharacterSchema& s, const QString& guid,
                                      const QStringList& quests);
// The characters whose account does not exist in the accounts database.
QString withoutAccountCondition(const QString& accountsDatabase);
QString withoutAccountCondition(const CharacterSchema& s, const QString& accountsDatabase);
undosql::Target moveWithoutAccountUndo(const QString& accountsDatabase);
undosql::Target moveWithoutAccountUndo(const CharacterSchema& s, const QString& accountsDatabase);
// The rows of a clean-up target that belong to the characters.
QString rowsOfCondition(const CleanupTarget& target, const QStringList& guids);
QList<undosql::Target> cleanupUndo(const QList<CleanupTarget>& targets, const QStringList& guids);

} // namespace characterstatements

#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"
#include "schema/BroadcastSchema.h"

#include <QList>
#include <QString>

// The statements of the broadcast messages, in the family's table (the 2010
// family's `autobroadcast` unless told): its id, its text (in the row, or in
// the string table the row names), its third column (2010 "next", or a
// weight) and its realm, where it has them.
namespace broadcastsql {

using schema::BroadcastSchema;

// The columns of a message, in the order the list reads them.
enum class Column { Id, Text, Next, Weight, Realm };
QList<Column> columns(const BroadcastSchema& broadcasts = schema::mangos2010Broadcasts());
const schema::Field& field(const BroadcastSchema& broadcasts, Column column);

// What tells one message from another: its id, and its realm where the
// family keeps messages per realm.
struct Key {
    QString id;
    QString realm;
};

QString listSelect(const BroadcastSchema& broadcasts = schema::mangos2010Broadcasts());
// A new message (trimmed, escaped) with `next` 1 (2010), or the weight
// given (1 when it is not a number), on every realm where there are realms.
// id: the id it takes (the families that number their messages within a
// bound, and a text in the string table: the string's number); empty: the
// server's.
QString insert(const QString& text, Quoting quoting,
               const BroadcastSchema& broadcasts = schema::mangos2010Broadcasts(),
               const QString& weight = QString(), const QString& id = QString());
// The message's new text (broadcast text escaping), its `next` value and its
// id. An empty `next` edit stores NULL (a message not scheduled yet);
// otherwise the two numbers go bare as they stand when they are numbers. A
// weight that is not a number is 1. A text kept in the string table is
// written there (updateString).
QString update(const QString& text, const QString& next, const QString& id, Quoting quoting,
               const BroadcastSchema& broadcasts = schema::mangos2010Broadcasts(),
               const QString& realm = QString());
// No "SET NAMES" goes before it. In a table without a key one row of the
// id goes.
QString remove(const QString& id,
               const BroadcastSchema& broadcasts = schema::mangos2010Broadcasts(),
               const QString& realm = QString());

// The text of a message as "Сохранить" writes it: every line break (CR LF, a
// lone CR or a lone LF) becomes one line feed, as the game server separates
// lines; blanks and control characters other than line breaks, NUL and
// Ctrl-Z are trimmed from both ends; then it is escaped as any quoted value.
QString escapeBroadcastText(const QString& text, Quoting quoting);

// ---- Texts in a string table ------------------------------------------------

// The number a new string takes: above every string and every message's
// number, and not below the family's first number for new strings.
QString newStringNumberSelect(const BroadcastSchema& broadcasts);
// The string of a new message.
QString insertString(const QString& number, const QString& text, Quoting quoting,
                     const BroadcastSchema& broadcasts);
QString updateString(const QString& number, const QString& text, Quoting quoting,
                     const BroadcastSchema& broadcasts);
QString stringCondition(const QString& number, const BroadcastSchema& broadcasts);

// ---- Ids within a bound -----------------------------------------------------

// Every id in use, on any realm, and by a translation left behind: a new
// message must not take over the translations of a deleted one.
QString usedIdsSelect(const BroadcastSchema& broadcasts);
// The id a new message takes: the one after the highest while that is
// within the limit, else the lowest free one; 0 when all are taken.
int nextFreeId(const QList<int>& used, int limit);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks the message with the given id (and realm).
QString idCondition(const QString& id,
                    const BroadcastSchema& broadcasts = schema::mangos2010Broadcasts(),
                    const QString& realm = QString());
undosql::Target updateUndo(const QString& id,
                           const BroadcastSchema& broadcasts = schema::mangos2010Broadcasts(),
                           const QString& realm = QString());
undosql::Target removeUndo(const QString& id,
                           const BroadcastSchema& broadcasts = schema::mangos2010Broadcasts(),
                           const QString& realm = QString());
// A message added under a known id (and its string): the rows of that id,
// none before, that the undo deletes again.
QList<undosql::Target> insertUndo(const QString& id, const BroadcastSchema& broadcasts);

// A signed whole number as it goes bare into a statement ("-1"), else an
// empty text.
QString signedNumber(const QString& text);

} // namespace broadcastsql

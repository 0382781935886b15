#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"

#include <QString>

// The statements of the broadcast messages (table `autobroadcast`).
namespace broadcastsql {

QString listSelect();
// A new message (trimmed, escaped) with `next` 1.
QString insert(const QString& text, Quoting quoting);
// The message's new text (broadcast text escaping), its `next` value and its
// id. An empty `next` edit stores NULL (a message not scheduled yet);
// otherwise the two numbers go bare as they stand when they are numbers.
QString update(const QString& text, const QString& next, const QString& id, Quoting quoting);
// No "SET NAMES" goes before it.
QString remove(const QString& id);

// The text of a message as "Сохранить" writes it: every line break (CR LF, a
// lone CR or a lone LF) becomes one line feed, as the game server separates
// lines; blanks and control characters other than line breaks, NUL and
// Ctrl-Z are trimmed from both ends; then it is escaped as any quoted value.
QString escapeBroadcastText(const QString& text, Quoting quoting);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks the message with the given id.
QString idCondition(const QString& id);
undosql::Target updateUndo(const QString& id);
undosql::Target removeUndo(const QString& id);

} // namespace broadcastsql

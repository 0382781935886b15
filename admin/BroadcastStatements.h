#pragma once

#include "QueryConventions.h"

#include <QString>

// The statements of the broadcast messages (table `autobroadcast`).
namespace broadcastsql {

QString listSelect();
// A new message (trimmed, escaped) with `next` 1.
QString insert(const QString& text, Quoting quoting);
// The message's new text (broadcast text escaping), its `next` value and its
// id, the two numbers as they stand when they are numbers.
QString update(const QString& text, const QString& next, const QString& id, Quoting quoting);
// No "SET NAMES" goes before it.
QString remove(const QString& id);

// The text of a message as "Сохранить" writes it: a carriage return becomes
// the escape "\n" (the server stores one line feed; without backslash escapes
// the line feed itself), a line feed is dropped, every other character is
// escaped as any quoted value is; then the result is trimmed.
QString escapeBroadcastText(const QString& text, Quoting quoting);

} // namespace broadcastsql

#pragma once

#include <QString>

// The statements of the broadcast messages (table `autobroadcast`).
namespace broadcastsql {

QString listSelect();
// A new message (trimmed, escaped) with `next` 1.
QString insert(const QString& text);
// The message's new text (broadcast text escaping), its `next` value and its
// id, the id as it stands. An empty `next` edit stores NULL (a message not
// scheduled yet); otherwise the number goes bare.
QString update(const QString& text, const QString& next, const QString& id);
// No "SET NAMES" goes before it.
QString remove(const QString& id);

// The text of a message as "Сохранить" writes it: every line break (CR LF, a
// lone CR or a lone LF) becomes the escape "\n", so that the server stores
// one line feed, as the game server separates lines; blanks and control
// characters other than line breaks are trimmed from both ends; every other
// character is escaped as any quoted value is.
QString escapeBroadcastText(const QString& text);

} // namespace broadcastsql

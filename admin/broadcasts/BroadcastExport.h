#pragma once

#include "schema/BroadcastSchema.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The SQL script of the broadcast messages: the insert lines of each message
// into the family's table(s) (the 2010 family's unless told), in UTF-8
// (after a "SET NAMES" line) or in Windows-1251. Every line ends with CR LF.
// Loaded into a database of the same family, it adds the messages: their
// ids are the server's, and a text kept in a string table gets a new
// string number there, chosen as the program chooses one.
namespace broadcastexport {

// A message as the list shows it: its text, and its weight and realm where
// the family has them.
struct Message {
    QString text;
    QString weight;
    QString realm;
};

// The preset name of the script: the name of the database that holds the
// messages followed by ".autobroadcast.sql".
QString defaultFileName(const QString& accountsDatabase);
// The filters of the save dialog.
QStringList fileFilters();

// A message text inside the single quotes of the script: backslash, single
// and double quote get a backslash before them; line breaks stay as they are.
QString escapeText(const QString& text);
// The insert line of one message, without its line end.
QString insertLine(const QString& text);
// The lines of one message for the family, without their line ends.
QStringList messageLines(const Message& message, const schema::BroadcastSchema& broadcasts);
// The whole script for the messages in their order.
QByteArray script(const QStringList& texts, bool utf8);
QByteArray script(const QList<Message>& messages, bool utf8,
                  const schema::BroadcastSchema& broadcasts);

// Creates (or replaces) the file and writes the script into it. A file that
// cannot be created or written throws std::runtime_error with the reason.
void writeFile(const QString& path, const QByteArray& script);

} // namespace broadcastexport

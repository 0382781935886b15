#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The SQL script of the broadcast messages: one insert line per message, in
// UTF-8 (after a "SET NAMES" line) or in Windows-1251. Every line ends with
// CR LF.
namespace broadcastexport {

// The preset name of the script: the accounts database's name followed by
// ".autobroadcast.sql".
QString defaultFileName(const QString& accountsDatabase);
// The filters of the save dialog.
QStringList fileFilters();

// A message text inside the single quotes of the script: backslash, single
// and double quote get a backslash before them; line breaks stay as they are.
QString escapeText(const QString& text);
// The insert line of one message, without its line end.
QString insertLine(const QString& text);
// The whole script for the messages in their order.
QByteArray script(const QStringList& texts, bool utf8);

// Creates (or replaces) the file and writes the script into it. A file that
// cannot be created or written throws std::runtime_error with the reason.
void writeFile(const QString& path, const QByteArray& script);

} // namespace broadcastexport

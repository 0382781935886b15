#pragma once

#include "common/MessageTexts.h"
#include "common/StatementRunner.h"

#include <QString>

// A list that could not be read (the database switch or its select failed):
// the program's box with the server's message added under its text, and a
// line in the connection log that names the list.
namespace boxes {

inline constexpr BoxText kListReadFailed{u"Результат поиска",
                                         u"Ошибка выполнения запроса!\r\nПовторите операция."};

// The box's text with the server's message on a line of its own.
QString listReadFailedText(const QString& serverMessage, const BoxText& box = kListReadFailed);

} // namespace boxes

// Shows the box and writes the log line for the list (its name as the log
// names it: "список реалмов").
void reportListReadFailure(QueryContext& context, const QString& list);
// The same with the message of a read that did not go through the current
// result (QueryContext::read).
void reportListReadFailure(QueryContext& context, const QString& list,
                           const QString& serverMessage);
// The same with a list's own box, whose text comes first.
void reportListReadFailure(QueryContext& context, const QString& list, const BoxText& box);

// Switches to the database and runs the list's select; on failure reports
// it as above and returns false.
bool readList(QueryContext& context, Database database, const QString& statement,
              const QString& list);

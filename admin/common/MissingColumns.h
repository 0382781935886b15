#pragma once

#include "schema/Field.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

class QueryContext;

// A change that needs columns the database lacks is refused before anything
// is sent: a box names what is missing (the description's "table.column"
// list). True when the change was refused.
bool refusedForMissingColumns(QueryContext& context,
                              std::initializer_list<const schema::Field*> needed,
                              const QStringList& missing);

#pragma once

#include <QString>
#include <QStringList>

class QueryContext;

// A change of a character that the game server has in the game is lost: the
// server writes its own copy back at its next save or at logout. Before
// such a change the person is asked, No being the answer for Enter; when
// they go on, the connection log keeps that the character was in the game.
namespace charactersingame {

// True when the change may go on: the character is not in the game, or the
// answer was Yes.
bool confirmChange(QueryContext& context, const QString& guid, const QString& name, bool online);

// The same for several characters, of which those given are in the game.
bool confirmChangeOfMany(QueryContext& context, const QStringList& onlineGuids);

} // namespace charactersingame

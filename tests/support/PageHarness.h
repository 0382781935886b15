#pragma once

#include "QueryConventions.h"
#include "TestServer.h"

// For a page built on its own, without the main window: connects the query
// context to the test server and names the four test databases (realmd,
// mangos, characters, scriptdev2) as the connection page would. False when
// the connection fails.
bool connectToTestServer(QueryContext& context, const TestServer& server);

#pragma once

#include "TestServer.h"

#include <QString>

// The mariadb command-line client, run against the test server: what an
// administrator uses to load an undo script.
struct ClientRun {
    int exitCode = -1;
    QString output; // what it wrote, errors included

    bool ok() const { return exitCode == 0; }
};

// Loads the SQL file into the database, as "mariadb ... database < file".
ClientRun loadWithMariadbClient(const TestServer& server, const QString& database,
                                const QString& sqlFile);

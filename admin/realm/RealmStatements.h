#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"

#include <QString>

// A realm of the realm list as the page edits it: every field as the text of
// its edit, in the column order of the list.
struct RealmFields {
    QString id;
    QString name;
    QString address;
    QString port;
    QString icon;
    QString color;
    QString timezone;
    QString allowedSecurityLevel;
    QString population;
};

// Puts the realm defaults into the empty fields (a text of length zero; a
// text of blanks is kept): timezone "0", color "2", icon "0", port "8085",
// address "127.0.0.1", name "WoW".
void applyRealmDefaults(RealmFields& realm);

// The statements of the realm list. Name and address (and, in the update,
// the port) go between double quotes, escaped; the numbers go bare, when
// they are numbers (bareNumber).
namespace realmsql {

QString listSelect();
// The realm under a new id assigned by the server; every value trimmed.
QString insert(const RealmFields& realm, Quoting quoting);
// Writes name, address, port, icon, color and timezone (trimmed) of the realm
// with the given id (as it stands).
QString update(const RealmFields& realm, Quoting quoting);
QString remove(const QString& id);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks the realm with the given id.
QString idCondition(const QString& id);
// The six columns that update writes.
undosql::Target updateUndo(const QString& id);
undosql::Target removeUndo(const QString& id);

} // namespace realmsql

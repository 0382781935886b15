#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"
#include "schema/LoginSchema.h"

#include <QList>
#include <QString>
#include <QStringList>

// A realm of the realm list as the page edits it: every field as the text of
// its edit. The 2010 list has the first nine; today's lists have no color
// and the last four instead.
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
    QString flags = {};
    QString builds = {};
    QString localAddress = {};
    QString localSubnetMask = {};
};

// The columns of a realm list, in the grid's order.
enum class RealmColumn {
    Id,
    Name,
    Address,
    Port,
    Icon,
    Color,
    Timezone,
    SecurityLevel,
    Population,
    Flags,
    Builds,
    LocalAddress,
    LocalSubnetMask,
};
inline constexpr int kRealmColumnCount = 13;

// Puts the realm defaults into the empty fields (a text of length zero; a
// text of blanks is kept): timezone "0", color "2", icon "0", port "8085",
// address "127.0.0.1", name "WoW". The fields of today's lists have none: an
// empty one is not written (a new realm gets the table's default).
void applyRealmDefaults(RealmFields& realm);

// The field of a column.
QString& realmValue(RealmFields& realm, RealmColumn column);
const QString& realmValue(const RealmFields& realm, RealmColumn column);

// The statements of the realm list, in the columns of the family's table
// (the 2010 family's unless told). Name and address (and, in the update,
// the port) go between double quotes, escaped; the numbers go bare, when
// they are numbers (bareNumber); the local address and mask go quoted; the
// builds as the world server writes them.
namespace realmsql {

using schema::RealmSchema;

// The columns the family's table has, in the grid's order.
QList<RealmColumn> columns(const RealmSchema& realms = schema::mangos2010Login().realms);
const schema::Field& field(const RealmSchema& realms, RealmColumn column);

QString listSelect(const RealmSchema& realms = schema::mangos2010Login().realms);
// The realm under a new id assigned by the server; every value trimmed.
QString insert(const RealmFields& realm, Quoting quoting,
               const RealmSchema& realms = schema::mangos2010Login().realms);
// Writes name, address, port, icon, color (where there is one) and timezone
// (trimmed), and the fields of today's lists that are not empty, of the
// realm with the given id (as it stands).
QString update(const RealmFields& realm, Quoting quoting,
               const RealmSchema& realms = schema::mangos2010Login().realms);
QString remove(const QString& id, const RealmSchema& realms = schema::mangos2010Login().realms);

// The builds as the world server writes a list: each number followed by a
// blank ("5875 6005 "); one number as it is.
QString buildsText(const QString& builds, bool list);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks the realm with the given id.
QString idCondition(const QString& id);
// The columns that update writes.
undosql::Target updateUndo(const QString& id, const RealmFields& realm = {},
                           const RealmSchema& realms = schema::mangos2010Login().realms);
undosql::Target removeUndo(const QString& id);
// The rows that go with the realm where the server deletes them with it;
// none where it does not.
QList<undosql::Target>
removeUndoTargets(const QString& id, const RealmSchema& realms = schema::mangos2010Login().realms);

} // namespace realmsql

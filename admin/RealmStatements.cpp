#include "RealmStatements.h"

#include "QueryConventions.h"

namespace {

void defaultIfEmpty(QString& field, const char* value) {
    if (field.isEmpty())
        field = QLatin1String(value);
}

QString quoted(const QString& text) {
    return quotedText(trimControls(text));
}

} // namespace

void applyRealmDefaults(RealmFields& realm) {
    defaultIfEmpty(realm.timezone, "0");
    defaultIfEmpty(realm.color, "2");
    defaultIfEmpty(realm.icon, "0");
    defaultIfEmpty(realm.port, "8085");
    defaultIfEmpty(realm.address, "127.0.0.1");
    defaultIfEmpty(realm.name, "WoW");
}

namespace realmsql {

QString listSelect() {
    return QStringLiteral("select `id`,`name`,`address`,`port`,`icon`,`color`,`timezone`,"
                          "`allowedSecurityLevel`,`population` from `realmlist` order by `id`;");
}

QString insert(const RealmFields& realm) {
    return QStringLiteral("insert into `realmlist` (`name`,`address`,`port`,`icon`,`color`,"
                          "`timezone`,`allowedSecurityLevel`,`population`) values (") +
           quoted(realm.name) + QStringLiteral(", ") + quoted(realm.address) +
           QStringLiteral(", ") + trimControls(realm.port) + QStringLiteral(", ") +
           trimControls(realm.icon) + QStringLiteral(", ") + trimControls(realm.color) +
           QStringLiteral(", ") + trimControls(realm.timezone) + QStringLiteral(", ") +
           trimControls(realm.allowedSecurityLevel) + QStringLiteral(", ") +
           trimControls(realm.population) + QStringLiteral(");");
}

QString update(const RealmFields& realm) {
    return QStringLiteral("update `realmlist` set `name` = ") + quoted(realm.name) +
           QStringLiteral(", `address` = ") + quoted(realm.address) +
           QStringLiteral(", `port` = ") + quoted(realm.port) + QStringLiteral(", `icon` = ") +
           trimControls(realm.icon) + QStringLiteral(", `color` = ") + trimControls(realm.color) +
           QStringLiteral(", `timezone` = ") + trimControls(realm.timezone) +
           QStringLiteral(" where `id` = ") + realm.id + QLatin1Char(';');
}

QString remove(const QString& id) {
    return QStringLiteral("delete from `realmlist` where `id` = ") + id + QLatin1Char(';');
}

} // namespace realmsql

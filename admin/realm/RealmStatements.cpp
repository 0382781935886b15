#include "realm/RealmStatements.h"

#include "common/QueryConventions.h"

namespace {

void defaultIfEmpty(QString& field, const char* value) {
    if (field.isEmpty())
        field = QLatin1String(value);
}

QString quoted(const QString& text, Quoting quoting) {
    return quotedText(trimControls(text), quoting);
}

QString bare(const QString& text) {
    return bareNumber(trimControls(text));
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

QString insert(const RealmFields& realm, Quoting quoting) {
    return QStringLiteral("insert into `realmlist` (`name`,`address`,`port`,`icon`,`color`,"
                          "`timezone`,`allowedSecurityLevel`,`population`) values (") +
           quoted(realm.name, quoting) + QStringLiteral(", ") + quoted(realm.address, quoting) +
           QStringLiteral(", ") + bare(realm.port) + QStringLiteral(", ") + bare(realm.icon) +
           QStringLiteral(", ") + bare(realm.color) + QStringLiteral(", ") + bare(realm.timezone) +
           QStringLiteral(", ") + bare(realm.allowedSecurityLevel) + QStringLiteral(", ") +
           bare(realm.population) + QStringLiteral(");");
}

QString update(const RealmFields& realm, Quoting quoting) {
    return QStringLiteral("update `realmlist` set `name` = ") + quoted(realm.name, quoting) +
           QStringLiteral(", `address` = ") + quoted(realm.address, quoting) +
           QStringLiteral(", `port` = ") + quoted(realm.port, quoting) +
           QStringLiteral(", `icon` = ") + bare(realm.icon) + QStringLiteral(", `color` = ") +
           bare(realm.color) + QStringLiteral(", `timezone` = ") + bare(realm.timezone) +
           QStringLiteral(" where ") + idCondition(realm.id) + QLatin1Char(';');
}

QString remove(const QString& id) {
    return QStringLiteral("delete from `realmlist` where ") + idCondition(id) + QLatin1Char(';');
}

QString idCondition(const QString& id) {
    return QStringLiteral("`id` = ") + bareNumber(id);
}

undosql::Target updateUndo(const QString& id) {
    return undosql::Target::updated(QStringLiteral("realmlist"), idCondition(id),
                                    {QStringLiteral("name"), QStringLiteral("address"),
                                     QStringLiteral("port"), QStringLiteral("icon"),
                                     QStringLiteral("color"), QStringLiteral("timezone")});
}

undosql::Target removeUndo(const QString& id) {
    return undosql::Target::deleted(QStringLiteral("realmlist"), idCondition(id));
}

} // namespace realmsql

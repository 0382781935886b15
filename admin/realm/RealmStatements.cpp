#include "realm/RealmStatements.h"

#include "common/QueryConventions.h"

#include <QRegularExpression>

#include <tuple>
#include <utility>

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

// The columns of today's lists, written only when their edit is not empty.
constexpr RealmColumn kOptional[] = {RealmColumn::Flags, RealmColumn::Builds,
                                     RealmColumn::LocalAddress, RealmColumn::LocalSubnetMask};

// A value of an optional column as a statement writes it.
QString optionalValue(const RealmFields& realm, RealmColumn column, Quoting quoting,
                      const schema::RealmSchema& realms) {
    const QString& text = realmValue(realm, column);
    switch (column) {
    case RealmColumn::Flags:
        return bare(text);
    case RealmColumn::Builds:
        return realms.buildsList ? quotedText(realmsql::buildsText(text, true), quoting)
                                 : bare(text);
    default:
        return quoted(text, quoting);
    }
}

// The optional columns that the realm's edits fill.
QList<RealmColumn> filledOptional(const RealmFields& realm, const schema::RealmSchema& realms) {
    QList<RealmColumn> filled;
    for (RealmColumn column : kOptional) {
        if (realmsql::field(realms, column).writable() &&
            !trimControls(realmValue(realm, column)).isEmpty())
            filled << column;
    }
    return filled;
}

QString table(const schema::RealmSchema& realms) {
    return schema::quoted(realms.table);
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

QString& realmValue(RealmFields& realm, RealmColumn column) {
    QString* values[] = {&realm.id,
                         &realm.name,
                         &realm.address,
                         &realm.port,
                         &realm.icon,
                         &realm.color,
                         &realm.timezone,
                         &realm.allowedSecurityLevel,
                         &realm.population,
                         &realm.flags,
                         &realm.builds,
                         &realm.localAddress,
                         &realm.localSubnetMask};
    return *values[int(column)];
}

const QString& realmValue(const RealmFields& realm, RealmColumn column) {
    return realmValue(const_cast<RealmFields&>(realm), column);
}

namespace realmsql {

static_assert(std::tuple_size_v<decltype(std::declval<const RealmSchema&>().fields())> ==
              kRealmColumnCount);

const schema::Field& field(const RealmSchema& r, RealmColumn column) {
    return *r.fields()[int(column)];
}

QList<RealmColumn> columns(const RealmSchema& realms) {
    QList<RealmColumn> present;
    for (int c = 0; c < kRealmColumnCount; ++c) {
        if (field(realms, RealmColumn(c)).has())
            present << RealmColumn(c);
    }
    return present;
}

QString listSelect(const RealmSchema& realms) {
    QStringList reads;
    for (RealmColumn column : columns(realms))
        reads << field(realms, column).read;
    return QStringLiteral("select ") + reads.join(QLatin1Char(',')) + QStringLiteral(" from ") +
           table(realms) + QStringLiteral(" order by ") + realms.id.read + QLatin1Char(';');
}

QString insert(const RealmFields& realm, Quoting quoting, const RealmSchema& realms) {
    QStringList names;
    QStringList values;
    const auto add = [&](RealmColumn column, const QString& value) {
        const schema::Field& f = field(realms, column);
        if (!f.writable())
            return;
        names << schema::quoted(f.write);
        values << value;
    };
    add(RealmColumn::Name, quoted(realm.name, quoting));
    add(RealmColumn::Address, quoted(realm.address, quoting));
    add(RealmColumn::Port, bare(realm.port));
    add(RealmColumn::Icon, bare(realm.icon));
    add(RealmColumn::Color, bare(realm.color));
    add(RealmColumn::Timezone, bare(realm.timezone));
    add(RealmColumn::SecurityLevel, bare(realm.allowedSecurityLevel));
    add(RealmColumn::Population, bare(realm.population));
    for (RealmColumn column : filledOptional(realm, realms))
        add(column, optionalValue(realm, column, quoting, realms));
    return QStringLiteral("insert into ") + table(realms) + QStringLiteral(" (") +
           names.join(QLatin1Char(',')) + QStringLiteral(") values (") +
           values.join(QStringLiteral(", ")) + QStringLiteral(");");
}

QString update(const RealmFields& realm, Quoting quoting, const RealmSchema& realms) {
    QStringList assignments;
    const auto set = [&](RealmColumn column, const QString& value) {
        const schema::Field& f = field(realms, column);
        if (f.writable())
            assignments << schema::quoted(f.write) + QStringLiteral(" = ") + value;
    };
    set(RealmColumn::Name, quoted(realm.name, quoting));
    set(RealmColumn::Address, quoted(realm.address, quoting));
    set(RealmColumn::Port, quoted(realm.port, quoting));
    set(RealmColumn::Icon, bare(realm.icon));
    set(RealmColumn::Color, bare(realm.color));
    set(RealmColumn::Timezone, bare(realm.timezone));
    for (RealmColumn column : filledOptional(realm, realms))
        set(column, optionalValue(realm, column, quoting, realms));
    return QStringLiteral("update ") + table(realms) + QStringLiteral(" set ") +
           assignments.join(QStringLiteral(", ")) + QStringLiteral(" where ") +
           idCondition(realm.id) + QLatin1Char(';');
}

QString remove(const QString& id, const RealmSchema& realms) {
    return QStringLiteral("delete from ") + table(realms) + QStringLiteral(" where ") +
           idCondition(id) + QLatin1Char(';');
}

QString buildsText(const QString& builds, bool list) {
    const QString trimmed = trimControls(builds);
    if (!list)
        return trimmed;
    QString text;
    for (const QString& build :
         trimmed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        text += build + QLatin1Char(' ');
    return text;
}

QString idCondition(const QString& id) {
    return QStringLiteral("`id` = ") + bareNumber(id);
}

undosql::Target updateUndo(const QString& id, const RealmFields& realm, const RealmSchema& realms) {
    QStringList written;
    for (RealmColumn column : {RealmColumn::Name, RealmColumn::Address, RealmColumn::Port,
                               RealmColumn::Icon, RealmColumn::Color, RealmColumn::Timezone}) {
        if (field(realms, column).writable())
            written << field(realms, column).write;
    }
    for (RealmColumn column : filledOptional(realm, realms))
        written << field(realms, column).write;
    return undosql::Target::updated(realms.table, idCondition(id), written);
}

undosql::Target removeUndo(const QString& id) {
    return undosql::Target::deleted(QStringLiteral("realmlist"), idCondition(id));
}

QList<undosql::Target> removeUndoTargets(const QString& id, const RealmSchema& realms) {
    QList<undosql::Target> targets = {undosql::Target::deleted(realms.table, idCondition(id))};
    if (!realms.realmRowsTable.isEmpty())
        targets << undosql::Target::deleted(realms.realmRowsTable,
                                            schema::quoted(realms.realmRowsColumn) +
                                                    QStringLiteral(" = ") + bareNumber(id));
    return targets;
}

} // namespace realmsql

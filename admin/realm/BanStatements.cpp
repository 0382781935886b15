#include "realm/BanStatements.h"

#include "common/QueryConventions.h"

namespace bansql {

namespace {

// The field as a select reads it; a column the database lacks reads NULL.
QString readOrNull(const schema::Field& field) {
    return field.has() ? field.read : QStringLiteral("NULL");
}

QString title(const schema::Field& field, const char* notion) {
    return field.writable() ? field.write : QLatin1String(notion);
}

QString table(const QString& name) {
    return schema::quoted(name);
}

} // namespace

QStringList ipBanTitles(const IpBanSchema& bans) {
    return {title(bans.ip, "ip"), title(bans.bandate, "bandate"),
            title(bans.unbandate, "unbandate"), title(bans.bannedBy, "bannedby"),
            title(bans.reason, "banreason")};
}

QStringList accountBanTitles(const AccountBanSchema& bans) {
    return {title(bans.account, "id"),          title(bans.bandate, "bandate"),
            title(bans.unbandate, "unbandate"), title(bans.bannedBy, "bannedby"),
            title(bans.reason, "banreason"),    title(bans.active, "active")};
}

QString ipBanSelect(const IpBanSchema& bans) {
    const QStringList columns = {readOrNull(bans.ip), readOrNull(bans.bandate),
                                 readOrNull(bans.unbandate), readOrNull(bans.bannedBy),
                                 readOrNull(bans.reason)};
    return QStringLiteral("select ") + columns.join(QLatin1Char(',')) + QStringLiteral(" from ") +
           table(bans.table) + QStringLiteral(" order by ") + readOrNull(bans.ip) +
           QLatin1Char(';');
}

QString accountBanSelect(bool onlyActive, const AccountBanSchema& bans) {
    const QStringList columns = {readOrNull(bans.account), readOrNull(bans.bandate),
                                 readOrNull(bans.unbandate), readOrNull(bans.bannedBy),
                                 readOrNull(bans.reason)};
    return QStringLiteral("select ") + columns.join(QLatin1Char(',')) + QStringLiteral(", ") +
           readOrNull(bans.active) + QStringLiteral(" from ") + table(bans.table) +
           (onlyActive
                    ? QStringLiteral(" where ") + readOrNull(bans.active) + QStringLiteral(" = 1")
                    : QString()) +
           QStringLiteral(" order by ") + readOrNull(bans.account) + QLatin1Char(';');
}

QString ipCondition(const QString& ip, Quoting quoting, const IpBanSchema& bans) {
    return bans.ip.read + QStringLiteral(" = ") + quotedText(ip, quoting);
}

QString accountCondition(const QString& accountId, const AccountBanSchema& bans) {
    return bans.account.read + QStringLiteral(" = ") + bareNumber(accountId);
}

QString liftCondition(const QString& accountId, const AccountBanSchema& bans) {
    if (!bans.liftOnlyActive)
        return accountCondition(accountId, bans);
    return accountCondition(accountId, bans) + QStringLiteral(" and ") + bans.active.read +
           QStringLiteral(" != 0");
}

QString accountBanCondition(const QString& accountId, const QString& banDate,
                            const AccountBanSchema& bans) {
    return QLatin1Char('(') + accountCondition(accountId, bans) + QStringLiteral(") and (") +
           bans.bandate.read + QStringLiteral(" = ") + bareNumber(banDate) + QLatin1Char(')');
}

QString saveIpBanReason(const QString& ip, const QString& reason, Quoting quoting,
                        const IpBanSchema& bans) {
    return QStringLiteral("update ") + table(bans.table) + QStringLiteral(" set ") +
           bans.reason.read + QStringLiteral(" = ") + quotedText(trimControls(reason), quoting) +
           QStringLiteral(" where ") + ipCondition(ip, quoting, bans) + QLatin1Char(';');
}

QString deleteIpBan(const QString& ip, Quoting quoting, const IpBanSchema& bans) {
    return QStringLiteral("delete from ") + table(bans.table) + QStringLiteral(" where ") +
           ipCondition(ip, quoting, bans);
}

QString liftAccountBan(const QString& accountId, const AccountBanSchema& bans) {
    QString assignments = bans.active.read + QStringLiteral(" = 0");
    for (const auto& [column, value] : bans.alsoOnLift)
        assignments +=
                QStringLiteral(", ") + schema::quoted(column) + QStringLiteral(" = ") + value;
    return QStringLiteral("update ") + table(bans.table) + QStringLiteral(" set ") + assignments +
           QStringLiteral(" where ") + liftCondition(accountId, bans);
}

QString deleteAccountBan(const QString& accountId, const QString& banDate,
                         const AccountBanSchema& bans) {
    return QStringLiteral("delete from ") + table(bans.table) + QStringLiteral(" where ") +
           accountBanCondition(accountId, banDate, bans);
}

undosql::Target saveIpBanReasonUndo(const QString& ip, Quoting quoting, const IpBanSchema& bans) {
    return undosql::Target::updated(bans.table, ipCondition(ip, quoting, bans),
                                    {bans.reason.write});
}

undosql::Target deleteIpBanUndo(const QString& ip, Quoting quoting, const IpBanSchema& bans) {
    return undosql::Target::deleted(bans.table, ipCondition(ip, quoting, bans));
}

undosql::Target liftAccountBanUndo(const QString& accountId, const AccountBanSchema& bans) {
    QStringList columns = {bans.active.write};
    for (const auto& entry : bans.alsoOnLift)
        columns << entry.first;
    return undosql::Target::updated(bans.table, liftCondition(accountId, bans), columns);
}

undosql::Target deleteAccountBanUndo(const QString& accountId, const QString& banDate,
                                     const AccountBanSchema& bans) {
    return undosql::Target::deleted(bans.table, accountBanCondition(accountId, banDate, bans));
}

QString accountByIdFilter(const QString& accountId) {
    return QStringLiteral("where `id` = ") + bareNumber(accountId);
}

} // namespace bansql

#include "realm/BanStatements.h"

#include "common/QueryConventions.h"

namespace bansql {

QString ipBanSelect() {
    return QStringLiteral("select `ip`,`bandate`,`unbandate`,`bannedby`,`banreason` from "
                          "`ip_banned` order by `ip`;");
}

QString accountBanSelect(bool onlyActive) {
    return QStringLiteral("select `id`,`bandate`,`unbandate`,`bannedby`,`banreason`, `active` "
                          "from `account_banned`") +
           (onlyActive ? QStringLiteral(" where `active` = 1") : QString()) +
           QStringLiteral(" order by `id`;");
}

QString ipCondition(const QString& ip, Quoting quoting) {
    return QStringLiteral("`ip` = ") + quotedText(ip, quoting);
}

QString accountCondition(const QString& accountId) {
    return QStringLiteral("`id` = ") + bareNumber(accountId);
}

QString accountBanCondition(const QString& accountId, const QString& banDate) {
    return QLatin1Char('(') + accountCondition(accountId) + QStringLiteral(") and (`bandate` = ") +
           bareNumber(banDate) + QLatin1Char(')');
}

QString saveIpBanReason(const QString& ip, const QString& reason, Quoting quoting) {
    return QStringLiteral("update `ip_banned` set `banreason` = ") +
           quotedText(trimControls(reason), quoting) + QStringLiteral(" where ") +
           ipCondition(ip, quoting) + QLatin1Char(';');
}

QString deleteIpBan(const QString& ip, Quoting quoting) {
    return QStringLiteral("delete from `ip_banned` where ") + ipCondition(ip, quoting);
}

QString liftAccountBan(const QString& accountId) {
    return QStringLiteral("update `account_banned` set `active` = 0 where ") +
           accountCondition(accountId);
}

QString deleteAccountBan(const QString& accountId, const QString& banDate) {
    return QStringLiteral("delete from `account_banned` where ") +
           accountBanCondition(accountId, banDate);
}

undosql::Target saveIpBanReasonUndo(const QString& ip, Quoting quoting) {
    return undosql::Target::updated(QStringLiteral("ip_banned"), ipCondition(ip, quoting),
                                    {QStringLiteral("banreason")});
}

undosql::Target deleteIpBanUndo(const QString& ip, Quoting quoting) {
    return undosql::Target::deleted(QStringLiteral("ip_banned"), ipCondition(ip, quoting));
}

undosql::Target liftAccountBanUndo(const QString& accountId) {
    return undosql::Target::updated(QStringLiteral("account_banned"), accountCondition(accountId),
                                    {QStringLiteral("active")});
}

undosql::Target deleteAccountBanUndo(const QString& accountId, const QString& banDate) {
    return undosql::Target::deleted(QStringLiteral("account_banned"),
                                    accountBanCondition(accountId, banDate));
}

QString accountByIdFilter(const QString& accountId) {
    return QStringLiteral("where `id` = ") + bareNumber(accountId);
}

} // namespace bansql

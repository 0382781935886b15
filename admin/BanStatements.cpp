#include "BanStatements.h"

#include "QueryConventions.h"

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

QString saveIpBanReason(const QString& ip, const QString& reason) {
    return QStringLiteral("update `ip_banned` set `banreason` = ") +
           quotedText(trimControls(reason)) + QStringLiteral(" where `ip` = ") + quotedText(ip) +
           QLatin1Char(';');
}

QString deleteIpBan(const QString& ip) {
    return QStringLiteral("delete from `ip_banned` where `ip` = ") + quotedText(ip);
}

QString liftAccountBan(const QString& accountId) {
    return QStringLiteral("update `account_banned` set `active` = 0 where `id` = ") + accountId;
}

QString deleteAccountBan(const QString& accountId, const QString& banDate) {
    return QStringLiteral("delete from `account_banned` where (`id` = ") + accountId +
           QStringLiteral(") and (`bandate` = ") + banDate + QLatin1Char(')');
}

QString accountByIdFilter(const QString& accountId) {
    return QStringLiteral("where `id` = ") + accountId;
}

} // namespace bansql

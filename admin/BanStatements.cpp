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

QString saveIpBanReason(const QString& ip, const QString& reason, Quoting quoting) {
    return QStringLiteral("update `ip_banned` set `banreason` = ") +
           quotedText(trimControls(reason), quoting) + QStringLiteral(" where `ip` = ") +
           quotedText(ip, quoting) + QLatin1Char(';');
}

QString deleteIpBan(const QString& ip, Quoting quoting) {
    return QStringLiteral("delete from `ip_banned` where `ip` = ") + quotedText(ip, quoting);
}

QString liftAccountBan(const QString& accountId) {
    return QStringLiteral("update `account_banned` set `active` = 0 where `id` = ") +
           bareNumber(accountId);
}

QString deleteAccountBan(const QString& accountId, const QString& banDate) {
    return QStringLiteral("delete from `account_banned` where (`id` = ") + bareNumber(accountId) +
           QStringLiteral(") and (`bandate` = ") + bareNumber(banDate) + QLatin1Char(')');
}

QString accountByIdFilter(const QString& accountId) {
    return QStringLiteral("where `id` = ") + bareNumber(accountId);
}

} // namespace bansql

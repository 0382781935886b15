#include "AccountStatements.h"

#include "ListBrowser.h"
#include "QueryConventions.h"

namespace accountsql {

const QString kListSelect = QStringLiteral(
        "select `id`,`username`,`sha_pass_hash`,`gmlevel`,`email`,`joindate`,`last_ip`,"
        "`failed_logins`,`locked`,`last_login`,`active_realm_id`,`expansion`,`locale` "
        "from `account`");

QString sortFragment(Sort sort) {
    switch (sort) {
    case Sort::Username:
        return QStringLiteral(" order by `username`");
    case Sort::Joindate:
        return QStringLiteral(" order by `joindate`");
    case Sort::LastIp:
        return QStringLiteral(" order by `last_ip`");
    case Sort::LastLogin:
        return QStringLiteral(" order by `last_login`");
    case Sort::Id:
        break;
    }
    return QStringLiteral(" order by `id`");
}

QString listStatement(const QString& filter, Sort sort, bool descending, const QString& recordLimit,
                      int offset) {
    return kListSelect + filter +
           listOrderClause(sortFragment(sort), descending, recordLimit, offset);
}

namespace {

QString likeCondition(const QString& column, const QString& value, Quoting quoting) {
    return QStringLiteral(" (`") + column + QStringLiteral("` like ") +
           likeAnywhere(trimControls(value), quoting) + QLatin1Char(')');
}

} // namespace

QString searchFilter(const SearchTexts& texts, Quoting quoting) {
    if (!texts.id.isEmpty())
        return QStringLiteral(" where `id` = ") + bareNumber(texts.id);
    QString filter;
    const std::pair<const char*, const QString*> conditions[] = {
            {"username", &texts.username}, {"email", &texts.email}, {"last_ip", &texts.lastIp}};
    for (const auto& [column, value] : conditions) {
        if (value->isEmpty())
            continue;
        filter += filter.isEmpty() ? QStringLiteral(" where") : QStringLiteral(" and");
        filter += likeCondition(QLatin1String(column), *value, quoting);
    }
    return filter;
}

QString accountsWithLastIpFilter(const QString& ip, Quoting quoting) {
    return QStringLiteral(" where `last_ip` = ") + quotedText(ip, quoting);
}

QString withoutCharactersFilter(const QString& charactersDatabase) {
    return QStringLiteral(" where `id` not in ( select `account` from ") +
           quotedName(charactersDatabase) + QStringLiteral(".`characters` group by `account`)");
}

QString staleAccountsFilter(const QString& erasePeriod) {
    return QStringLiteral(" WHERE DATEDIFF(NOW(), `last_login`) > ") + bareNumber(erasePeriod);
}

bool staleDeletionAllowed(const QString& erasePeriod) {
    if (erasePeriod.isEmpty())
        return false;
    bool nonZero = false;
    for (QChar c : erasePeriod) {
        if (c < u'0' || c > u'9')
            return false;
        nonZero = nonZero || c != u'0';
    }
    return nonZero;
}

QString deleteStaleAccountsStatement(const QString& erasePeriod) {
    return QStringLiteral("DELETE FROM `account` WHERE DATEDIFF(NOW(), `last_login`) >  ") +
           bareNumber(erasePeriod);
}

QString saveStatement(const AccountEdits& edits, Quoting quoting) {
    const QString username = trimControls(edits.username.toUpper());
    const QString email = trimControls(lowerLatin(edits.email));
    const QString lastIp = trimControls(upperLatin(edits.lastIp));
    const QString lastLogin = trimControls(upperLatin(edits.lastLogin));
    // A DATETIME column takes no empty text: an account that never logged in
    // keeps its NULL.
    const QString lastLoginValue =
            lastLogin.isEmpty() ? QStringLiteral("NULL") : quotedText(lastLogin, quoting);
    return QStringLiteral("update `account` set `username` = ") + quotedText(username, quoting) +
           QStringLiteral(", `gmlevel` = ") + firstDigit(edits.gmlevel) +
           QStringLiteral(", `email` = ") + quotedText(email, quoting) +
           QStringLiteral(", `last_ip` = ") + quotedText(lastIp, quoting) +
           QStringLiteral(", `locked` = ") + firstDigit(edits.locked) +
           QStringLiteral(", `last_login` = ") + lastLoginValue +
           QStringLiteral(", `expansion` = ") + firstDigit(edits.expansion) +
           QStringLiteral(", `locale` = ") + firstDigit(edits.locale) +
           QStringLiteral(" where `id` = ") + bareNumber(edits.id) + QLatin1Char(';');
}

QString deleteStatement(const QString& id) {
    return QStringLiteral("delete from `account` where `id` = ") + bareNumber(id) +
           QLatin1Char(';');
}

QString setPasswordStatement(const QString& id, const QString& username, const QString& password,
                             Quoting quoting) {
    return QStringLiteral(" update `account` set `sha_pass_hash` =  SHA1(CONCAT(UPPER(") +
           quotedText(username, quoting) + QStringLiteral("),\":\",UPPER(") +
           quotedText(password, quoting) +
           QStringLiteral("))), `s` = null, `v` = null, `sessionkey` = null where `id` = ") +
           bareNumber(id) + QLatin1Char(';');
}

QString comparePasswordStatement(const QString& id, const QString& password, Quoting quoting) {
    return QStringLiteral("select SHA1(CONCAT(UPPER(`username`),\":\",UPPER(") +
           quotedText(password, quoting) +
           QStringLiteral("))) as hashtest from `account` where `id` = ") + bareNumber(id) +
           QLatin1Char(';');
}

QString resetSessionKeyStatement(const QString& id) {
    return QStringLiteral(" update `account` set `s` = null, `v` = null, `sessionkey` = null "
                          "where `id` = ") +
           bareNumber(id) + QLatin1Char(';');
}

QString levelName(const QString& gmlevel) {
    if (gmlevel == u"1")
        return QStringLiteral("moderator");
    if (gmlevel == u"2")
        return QStringLiteral("gamemaster");
    if (gmlevel == u"3")
        return QStringLiteral("administrator");
    if (gmlevel == u"4")
        return QStringLiteral("superadministrator");
    return QStringLiteral("player");
}

} // namespace accountsql

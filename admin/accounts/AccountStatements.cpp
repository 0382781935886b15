#include "accounts/AccountStatements.h"

#include "common/ListBrowser.h"
#include "common/QueryConventions.h"

#include <QCryptographicHash>

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

QString staleCondition(const QString& erasePeriod) {
    return QStringLiteral("DATEDIFF(NOW(), `last_login`) >  ") + bareNumber(erasePeriod);
}

QString deleteStaleAccountsStatement(const QString& erasePeriod) {
    return QStringLiteral("DELETE FROM `account` WHERE ") + staleCondition(erasePeriod);
}

namespace {

// ", " between the assignments of an update; the column is noted in the plan.
void assign(QString& assignments, SavePlan& plan, const char* column, const QString& value) {
    if (!assignments.isEmpty())
        assignments += QStringLiteral(", ");
    assignments += QLatin1Char('`') + QLatin1String(column) + QStringLiteral("` = ") + value;
    plan.columns << QLatin1String(column);
}

} // namespace

SavePlan savePlan(const AccountEdits& stored, const AccountEdits& shown, const AccountEdits& edited,
                  const QString& newPassword, Quoting quoting) {
    SavePlan plan;
    plan.stored = stored;
    QString assignments;

    const QString username = trimControls(edited.username.toUpper());
    if (edited.username != shown.username && username != stored.username) {
        if (newPassword.isEmpty()) {
            plan.renameNeedsPassword = true;
            return plan;
        }
        plan.newHash = passwordHash(username, newPassword);
        assign(assignments, plan, "username", quotedText(username, quoting));
        assign(assignments, plan, "sha_pass_hash", quotedText(plan.newHash, quoting));
        assign(assignments, plan, "s", QStringLiteral("null"));
        assign(assignments, plan, "v", QStringLiteral("null"));
        assign(assignments, plan, "sessionkey", QStringLiteral("null"));
        plan.stored.username = username;
    }
    // Each column, in the order of the statement, with the value it gets.
    enum class Form { Bare, Quoted, Date };
    const struct {
        const char* column;
        QString AccountEdits::*field;
        Form form;
        QString value;
    } columns[] = {
            {"gmlevel", &AccountEdits::gmlevel, Form::Bare, firstDigit(edited.gmlevel)},
            {"email", &AccountEdits::email, Form::Quoted, trimControls(lowerLatin(edited.email))},
            {"last_ip", &AccountEdits::lastIp, Form::Quoted,
             trimControls(upperLatin(edited.lastIp))},
            {"locked", &AccountEdits::locked, Form::Bare, firstDigit(edited.locked)},
            {"last_login", &AccountEdits::lastLogin, Form::Date,
             trimControls(upperLatin(edited.lastLogin))},
            {"expansion", &AccountEdits::expansion, Form::Bare, firstDigit(edited.expansion)},
            {"locale", &AccountEdits::locale, Form::Bare, firstDigit(edited.locale)},
    };
    for (const auto& [column, field, form, value] : columns) {
        if (edited.*field == shown.*field || value == stored.*field)
            continue;
        QString written = value;
        if (form == Form::Quoted)
            written = quotedText(value, quoting);
        else if (form == Form::Date)
            // There is no empty date: an emptied last login gets the column's
            // default (the zero date, or NULL where the column allows it).
            written = value.isEmpty() ? QStringLiteral("DEFAULT") : quotedText(value, quoting);
        assign(assignments, plan, column, written);
        plan.stored.*field = value;
    }
    if (!assignments.isEmpty())
        plan.statement = QStringLiteral("update `account` set ") + assignments +
                         QStringLiteral(" where ") + accountCondition(edited.id) + QLatin1Char(';');
    return plan;
}

QString passwordHash(const QByteArray& usernameBytes, const QString& password) {
    QByteArray joined = usernameBytes + ':' + password.toUtf8();
    for (char& c : joined) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return QString::fromLatin1(QCryptographicHash::hash(joined, QCryptographicHash::Sha1).toHex())
            .toUpper();
}

QString passwordHash(const QString& username, const QString& password) {
    return passwordHash(username.toUtf8(), password);
}

bool sameHash(const QString& first, const QString& second) {
    return lowerLatin(first) == lowerLatin(second);
}

QString accountCondition(const QString& id) {
    return QStringLiteral("`id` = ") + bareNumber(id);
}

QString deleteStatement(const QString& id) {
    return QStringLiteral("delete from `account` where ") + accountCondition(id) + QLatin1Char(';');
}

QString setPasswordStatement(const QString& id, const QString& hash, Quoting quoting) {
    return QStringLiteral(" update `account` set `sha_pass_hash` = ") + quotedText(hash, quoting) +
           QStringLiteral(", `s` = null, `v` = null, `sessionkey` = null where ") +
           accountCondition(id) + QLatin1Char(';');
}

QString storedLoginStatement(const QString& id) {
    return QStringLiteral("select `username`,`sha_pass_hash` from `account` where `id` = ") +
           bareNumber(id) + QLatin1Char(';');
}

QString resetSessionKeyStatement(const QString& id) {
    return QStringLiteral(" update `account` set `s` = null, `v` = null, `sessionkey` = null "
                          "where ") +
           accountCondition(id) + QLatin1Char(';');
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

// ---- Undo -----------------------------------------------------------------------

namespace {
const QString kAccount = QStringLiteral("account");
} // namespace

undosql::Target deleteUndo(const QString& id) {
    return undosql::Target::deleted(kAccount, accountCondition(id));
}

undosql::Target saveUndo(const SavePlan& plan, const QString& id) {
    return undosql::Target::updated(kAccount, accountCondition(id), plan.columns);
}

undosql::Target setPasswordUndo(const QString& id) {
    return undosql::Target::updated(kAccount, accountCondition(id),
                                    {QStringLiteral("sha_pass_hash"), QStringLiteral("s"),
                                     QStringLiteral("v"), QStringLiteral("sessionkey")});
}

undosql::Target resetSessionKeyUndo(const QString& id) {
    return undosql::Target::updated(
            kAccount, accountCondition(id),
            {QStringLiteral("s"), QStringLiteral("v"), QStringLiteral("sessionkey")});
}

undosql::Target deleteStaleAccountsUndo(const QString& erasePeriod) {
    return undosql::Target::deleted(kAccount, staleCondition(erasePeriod));
}

} // namespace accountsql

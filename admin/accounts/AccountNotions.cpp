#include "accounts/AccountNotions.h"

#include "schema/Family.h"

namespace accountnotions {

using accountsql::Column;
using accountsql::LoginSchema;

namespace {

QString lackingText(const LoginSchema& login, const QStringList& missing) {
    if (!missing.isEmpty())
        return QStringLiteral("В базе нет столбцов: %1.").arg(missing.join(QStringLiteral(", ")));
    return QStringLiteral("В схеме %1 этого нет.").arg(schema::familyName(login.family));
}

// The tables other than the account table that a field reads.
QStringList otherTables(const LoginSchema& login, const schema::Field& field) {
    QStringList tables;
    for (const QString& mark : field.needs) {
        const QString table = mark.section(u'.', 0, 0);
        if (table != login.account.table && !tables.contains(table))
            tables << table;
    }
    return tables;
}

} // namespace

QString unavailableTip(const LoginSchema& login, Column column) {
    if (accountsql::fieldOf(login.account, column).has())
        return {};
    return lackingText(login, accountsql::missingColumns(login, column));
}

QString readOnlyTip(const LoginSchema& login, Column column) {
    if (accountsql::canWrite(login, column))
        return {};
    const schema::Field& field = accountsql::fieldOf(login.account, column);
    if (!field.has())
        return unavailableTip(login, column);
    // A new name needs a new password, which this database cannot store.
    if (column == Column::Username)
        return passwordTip(login);
    const QStringList tables = otherTables(login, field);
    if (!tables.isEmpty())
        return QStringLiteral("Берётся из таблицы %1: здесь не меняется.")
                .arg(tables.join(QStringLiteral(", ")));
    return QStringLiteral("Этот столбец пишет сервер: здесь он не меняется.");
}

QString passwordTip(const LoginSchema& login) {
    const schema::AccountSchema& a = login.account;
    if (a.store != schema::PasswordStore::None)
        return {};
    QStringList missing;
    for (const QString& mark : login.missing) {
        const QString column = mark.section(u'.', 1);
        if (mark.section(u'.', 0, 0) == a.table &&
            (column == a.hash || column == a.salt || column == a.verifier))
            missing << mark;
    }
    return lackingText(login, missing);
}

QString sessionKeyTip(const LoginSchema& login) {
    if (!login.account.sessionKeys.isEmpty())
        return {};
    const LoginSchema whole = schema::loginSchema(login.family, {});
    QStringList missing;
    for (const QString& column : whole.account.sessionKeys)
        missing << login.account.table + u'.' + column;
    return lackingText(login, missing);
}

} // namespace accountnotions

#include "accounts/AccountStatements.h"

#include "common/ListBrowser.h"
#include "common/QueryConventions.h"
#include "schema/Srp6.h"

#include <QCryptographicHash>

namespace accountsql {

using schema::AccountSchema;
using schema::Field;
using schema::quoted;

namespace {

struct ColumnText {
    Column column;
    const char* alias;
    const char* header;
    int width;
};

// The grid's titles and widths, as the program always showed them.
constexpr ColumnText kColumnTexts[] = {
        {Column::Id, "id", "id", 0},
        {Column::Username, "username", "username", 110},
        {Column::Hash, "sha_pass_hash", "sha_pass_hash", 50},
        {Column::GmLevel, "gmlevel", "gmlevel", 45},
        {Column::Email, "email", "email", 160},
        {Column::Joindate, "joindate", "joindate", 110},
        {Column::LastIp, "last_ip", "last_ip", 95},
        {Column::FailedLogins, "failed_logins", "failed_login", 60},
        {Column::Locked, "locked", "locked", 40},
        {Column::LastLogin, "last_login", "last_login", 110},
        {Column::ActiveRealm, "active_realm_id", "online", 40},
        {Column::Expansion, "expansion", "expantion", 55},
        {Column::Locale, "locale", "locale", 35},
};

// The column a read expression is, when it is one bare column.
QString bareColumn(const QString& read) {
    if (read.size() > 2 && read.front() == u'`' && read.back() == u'`' && read.count(u'`') == 2)
        return read.mid(1, read.size() - 2);
    return {};
}

// The select alias of a column: the column itself where the field is one,
// else the name the list always gave it (the verifier's column for a
// verifier).
QString aliasOf(const AccountSchema& account, const ColumnText& text) {
    const QString bare = bareColumn(fieldOf(account, text.column).read);
    if (!bare.isEmpty())
        return bare;
    if (text.column == Column::Hash && !account.verifier.isEmpty())
        return account.verifier;
    return QLatin1String(text.alias);
}

const ColumnText& textOf(Column column) {
    for (const ColumnText& text : kColumnTexts) {
        if (text.column == column)
            return text;
    }
    return kColumnTexts[0];
}

} // namespace

Column sortColumn(Sort sort) {
    switch (sort) {
    case Sort::Username:
        return Column::Username;
    case Sort::Joindate:
        return Column::Joindate;
    case Sort::LastIp:
        return Column::LastIp;
    case Sort::LastLogin:
        return Column::LastLogin;
    case Sort::Id:
        break;
    }
    return Column::Id;
}

namespace {

QString cased(const QString& text, schema::LetterCase letterCase) {
    switch (letterCase) {
    case schema::LetterCase::Upper:
        return text.toUpper();
    case schema::LetterCase::UpperLatin:
        return upperLatin(text);
    case schema::LetterCase::LowerLatin:
        break;
    }
    return lowerLatin(text);
}

QString hexLiteral(const QByteArray& bytes) {
    return QStringLiteral("X'") + QString::fromLatin1(bytes.toHex().toUpper()) + u'\'';
}

// A table whose rows of an account go when the account goes, and the column
// that names the account.
struct Dependent {
    QString table;
    QString accountColumn;
};

QList<Dependent> dependentsOf(const LoginSchema& login) {
    QList<Dependent> dependents;
    if (login.gm.perRealm())
        dependents << Dependent{login.gm.table, login.gm.account};
    if (login.bans.goWithAccount && login.bans.account.writable())
        dependents << Dependent{login.bans.table, login.bans.account.write};
    return dependents;
}

QString tableName(const LoginSchema& login) {
    return quoted(login.account.table);
}

} // namespace

const Field& fieldOf(const AccountSchema& account, Column column) {
    switch (column) {
    case Column::Id:
        return account.id;
    case Column::Username:
        return account.username;
    case Column::Hash:
        return account.shownHash;
    case Column::GmLevel:
        return account.gmlevel;
    case Column::Email:
        return account.email;
    case Column::Joindate:
        return account.joindate;
    case Column::LastIp:
        return account.lastIp;
    case Column::FailedLogins:
        return account.failedLogins;
    case Column::Locked:
        return account.locked;
    case Column::LastLogin:
        return account.lastLogin;
    case Column::ActiveRealm:
        return account.activeRealm;
    case Column::Expansion:
        return account.expansion;
    case Column::Locale:
        break;
    }
    return account.locale;
}

QList<ListColumn> listColumns(const LoginSchema& login) {
    QList<ListColumn> columns;
    for (const ColumnText& text : kColumnTexts) {
        if (!fieldOf(login.account, text.column).has())
            continue;
        const QString alias = aliasOf(login.account, text);
        const QString header = text.column == Column::Hash ? alias : QLatin1String(text.header);
        columns << ListColumn{text.column, alias, header, text.width};
    }
    return columns;
}

int indexOf(const QList<ListColumn>& columns, Column column) {
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].column == column)
            return i;
    }
    return -1;
}

QStringList missingColumns(const LoginSchema& login, Column column) {
    const LoginSchema whole = schema::loginSchema(login.family, {});
    QStringList missing;
    for (const QString& mark : fieldOf(whole.account, column).needs) {
        if (login.missing.contains(mark))
            missing << mark;
    }
    return missing;
}

QString listSelect(const LoginSchema& login) {
    QStringList items;
    for (const ListColumn& column : listColumns(login))
        items << fieldOf(login.account, column.column).selectItem(column.alias);
    return QStringLiteral("select ") + items.join(u',') + QStringLiteral(" from ") +
           tableName(login);
}

bool canSort(const LoginSchema& login, Sort sort) {
    return fieldOf(login.account, sortColumn(sort)).has();
}

QString sortFragment(const LoginSchema& login, Sort sort) {
    const Column column = canSort(login, sort) ? sortColumn(sort) : Column::Id;
    return QStringLiteral(" order by ") + quoted(aliasOf(login.account, textOf(column)));
}

QString listStatement(const LoginSchema& login, const QString& filter, Sort sort, bool descending,
                      const QString& recordLimit, int offset) {
    return listSelect(login) + filter +
           listOrderClause(sortFragment(login, sort), descending, recordLimit, offset);
}

QString searchFilter(const LoginSchema& login, const SearchTexts& texts, Quoting quoting) {
    const AccountSchema& a = login.account;
    if (!texts.id.isEmpty())
        return QStringLiteral(" where ") + a.id.read + QStringLiteral(" = ") + bareNumber(texts.id);
    QString filter;
    const std::pair<const Field*, const QString*> conditions[] = {
            {&a.username, &texts.username}, {&a.email, &texts.email}, {&a.lastIp, &texts.lastIp}};
    for (const auto& [field, value] : conditions) {
        if (value->isEmpty() || !field->has())
            continue;
        filter += filter.isEmpty() ? QStringLiteral(" where") : QStringLiteral(" and");
        filter += QStringLiteral(" (") + field->read + QStringLiteral(" like ") +
                  likeAnywhere(trimControls(*value), quoting) + u')';
    }
    return filter;
}

QString accountsWithLastIpFilter(const LoginSchema& login, const QString& ip, Quoting quoting) {
    return QStringLiteral(" where ") + login.account.lastIp.read + QStringLiteral(" = ") +
           quotedText(ip, quoting);
}

QString withoutCharactersFilter(const LoginSchema& login, const QString& charactersDatabase) {
    return QStringLiteral(" where ") + login.account.id.read +
           QStringLiteral(" not in ( select `account` from ") + quotedName(charactersDatabase) +
           QStringLiteral(".`characters` group by `account`)");
}

QString staleAccountsFilter(const LoginSchema& login, const QString& erasePeriod) {
    return QStringLiteral(" WHERE DATEDIFF(NOW(), ") + login.account.lastLogin.read +
           QStringLiteral(") > ") + bareNumber(erasePeriod);
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

QString staleCondition(const LoginSchema& login, const QString& erasePeriod) {
    return QStringLiteral("DATEDIFF(NOW(), ") + login.account.lastLogin.read +
           QStringLiteral(") >  ") + bareNumber(erasePeriod);
}

namespace {

// The rows of a dependent table that belong to the stale accounts.
QString staleDependentCondition(const LoginSchema& login, const Dependent& dependent,
                                const QString& erasePeriod) {
    return quoted(dependent.accountColumn) + QStringLiteral(" IN (SELECT ") +
           login.account.id.read + QStringLiteral(" FROM ") + tableName(login) +
           QStringLiteral(" WHERE ") + staleCondition(login, erasePeriod) + u')';
}

} // namespace

QStringList deleteStaleAccountsStatements(const LoginSchema& login, const QString& erasePeriod) {
    QStringList statements;
    for (const Dependent& dependent : dependentsOf(login))
        statements << QStringLiteral("DELETE FROM ") + quoted(dependent.table) +
                              QStringLiteral(" WHERE ") +
                              staleDependentCondition(login, dependent, erasePeriod);
    statements << QStringLiteral("DELETE FROM ") + tableName(login) + QStringLiteral(" WHERE ") +
                          staleCondition(login, erasePeriod);
    return statements;
}

QList<undosql::Target> deleteStaleAccountsUndo(const LoginSchema& login,
                                               const QString& erasePeriod) {
    QList<undosql::Target> targets;
    for (const Dependent& dependent : dependentsOf(login))
        targets << undosql::Target::deleted(dependent.table,
                                            staleDependentCondition(login, dependent, erasePeriod));
    targets << undosql::Target::deleted(login.account.table, staleCondition(login, erasePeriod));
    return targets;
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

PasswordWrite passwordWrite(const AccountSchema& account, const QByteArray& usernameBytes,
                            const QString& password, const QByteArray& salt, Quoting quoting) {
    PasswordWrite write;
    switch (account.store) {
    case schema::PasswordStore::None:
        return write;
    case schema::PasswordStore::Sha1Hex:
        write.shown = passwordHash(usernameBytes, password);
        write.assignments << std::pair{account.hash, quotedText(write.shown, quoting)};
        break;
    case schema::PasswordStore::Srp6Hex: {
        const srp6::HexRecord record = srp6::hexRecord(salt, usernameBytes, password);
        write.shown = record.verifier;
        write.assignments << std::pair{account.salt, quotedText(record.salt, quoting)}
                          << std::pair{account.verifier, quotedText(record.verifier, quoting)};
        break;
    }
    case schema::PasswordStore::Srp6Binary: {
        const srp6::BinaryRecord record = srp6::binaryRecord(salt, usernameBytes, password);
        write.shown = QString::fromLatin1(record.verifier.toHex().toUpper());
        write.assignments << std::pair{account.salt, hexLiteral(record.salt)}
                          << std::pair{account.verifier, hexLiteral(record.verifier)};
        break;
    }
    }
    write.assignments += account.alsoWithPassword;
    return write;
}

QString storedLoginStatement(const LoginSchema& login, const QString& id) {
    const AccountSchema& a = login.account;
    QStringList columns = {a.username.read};
    if (a.store == schema::PasswordStore::Sha1Hex)
        columns << quoted(a.hash);
    else
        columns << quoted(a.salt) << quoted(a.verifier);
    return QStringLiteral("select ") + columns.join(u',') + QStringLiteral(" from ") +
           tableName(login) + QStringLiteral(" where ") + accountCondition(id) + u';';
}

PasswordCheck checkPassword(const AccountSchema& account, const StoredLogin& stored,
                            const QString& password) {
    PasswordCheck check;
    switch (account.store) {
    case schema::PasswordStore::None:
        break;
    case schema::PasswordStore::Sha1Hex:
        check.computed = passwordHash(stored.username, password);
        check.same = sameHash(check.computed, QString::fromLatin1(stored.hash));
        break;
    case schema::PasswordStore::Srp6Hex: {
        const srp6::HexRecord record{QString::fromLatin1(stored.hash),
                                     QString::fromLatin1(stored.verifier)};
        check.computed = srp6::hexVerifier(record.salt, stored.username, password);
        check.same = srp6::matchesHex(record, stored.username, password);
        break;
    }
    case schema::PasswordStore::Srp6Binary:
        if (stored.hash.size() != srp6::kSaltBytes)
            break;
        check.computed =
                QString::fromLatin1(srp6::binaryRecord(stored.hash, stored.username, password)
                                            .verifier.toHex()
                                            .toUpper());
        check.same = srp6::matchesBinary({stored.hash, stored.verifier}, stored.username, password);
        break;
    }
    return check;
}

QStringList SavePlan::statements() const {
    QStringList list;
    if (!statement.isEmpty())
        list << statement;
    if (!levelStatement.isEmpty())
        list << levelStatement;
    return list;
}

bool canWrite(const LoginSchema& login, Column column) {
    const AccountSchema& a = login.account;
    switch (column) {
    case Column::Id:
    case Column::Hash:
    case Column::Joindate:
    case Column::FailedLogins:
    case Column::ActiveRealm:
        return false;
    case Column::Username:
        return a.username.writable() && a.store != schema::PasswordStore::None;
    case Column::GmLevel:
        return login.gm.perRealm() || a.gmlevel.writable();
    default:
        return fieldOf(a, column).writable();
    }
}

namespace {

// ", " between the assignments of an update; the column is noted in the plan.
void assign(QString& assignments, SavePlan& plan, const QString& column, const QString& value) {
    if (!assignments.isEmpty())
        assignments += QStringLiteral(", ");
    assignments += quoted(column) + QStringLiteral(" = ") + value;
    plan.columns << column;
}

// The all-realms GM level row: written in place where it is there, so that
// the row's other columns (a comment) stay.
QString levelRowStatement(const schema::GmLevelSchema& gm, const QString& id,
                          const QString& level) {
    return QStringLiteral("INSERT INTO %1 (%2, %3, %4) VALUES (%5, %6, -1) ON DUPLICATE KEY "
                          "UPDATE %3 = %6;")
            .arg(quoted(gm.table), quoted(gm.account), quoted(gm.level), quoted(gm.realm),
                 bareNumber(id), level);
}

} // namespace

SavePlan savePlan(const LoginSchema& login, const AccountEdits& stored, const AccountEdits& shown,
                  const AccountEdits& edited, const NewPassword& password, Quoting quoting) {
    const AccountSchema& a = login.account;
    SavePlan plan;
    plan.stored = stored;
    QString assignments;

    const QString username = trimControls(cased(edited.username, a.usernameCase));
    if (canWrite(login, Column::Username) && edited.username != shown.username &&
        username != stored.username) {
        if (password.text.isEmpty()) {
            plan.renameNeedsPassword = true;
            return plan;
        }
        const PasswordWrite write =
                passwordWrite(a, username.toUtf8(), password.text, password.salt, quoting);
        plan.newHash = write.shown;
        assign(assignments, plan, a.username.write, quotedText(username, quoting));
        for (const auto& [column, value] : write.assignments)
            assign(assignments, plan, column, value);
        plan.stored.username = username;
    }

    const QString level = firstDigit(edited.gmlevel);
    if (login.gm.perRealm() && edited.gmlevel != shown.gmlevel && level != stored.gmlevel) {
        plan.levelStatement = levelRowStatement(login.gm, edited.id, level);
        plan.stored.gmlevel = level;
    }

    // Each column, in the order of the statement, with the value it gets.
    enum class Form { Bare, Quoted, Date };
    const struct {
        Column column;
        QString AccountEdits::*edit;
        Form form;
        QString value;
    } columns[] = {
            {Column::GmLevel, &AccountEdits::gmlevel, Form::Bare, level},
            {Column::Email, &AccountEdits::email, Form::Quoted,
             trimControls(cased(edited.email, a.emailCase))},
            {Column::LastIp, &AccountEdits::lastIp, Form::Quoted,
             trimControls(upperLatin(edited.lastIp))},
            {Column::Locked, &AccountEdits::locked, Form::Bare, firstDigit(edited.locked)},
            {Column::LastLogin, &AccountEdits::lastLogin, Form::Date,
             trimControls(upperLatin(edited.lastLogin))},
            {Column::Expansion, &AccountEdits::expansion, Form::Bare, firstDigit(edited.expansion)},
            {Column::Locale, &AccountEdits::locale, Form::Bare, firstDigit(edited.locale)},
    };
    for (const auto& [column, edit, form, value] : columns) {
        const Field& field = fieldOf(a, column);
        if (!field.writable() || edited.*edit == shown.*edit || value == stored.*edit)
            continue;
        QString written = value;
        if (form == Form::Quoted)
            written = quotedText(value, quoting);
        else if (form == Form::Date)
            // There is no empty date: an emptied last login gets the column's
            // default (the zero date, or NULL where the column allows it).
            written = value.isEmpty() ? QStringLiteral("DEFAULT") : quotedText(value, quoting);
        assign(assignments, plan, field.write, written);
        plan.stored.*edit = value;
    }
    if (!assignments.isEmpty())
        plan.statement = QStringLiteral("update ") + tableName(login) + QStringLiteral(" set ") +
                         assignments + QStringLiteral(" where ") + accountCondition(edited.id) +
                         u';';
    return plan;
}

QString accountCondition(const QString& id) {
    return QStringLiteral("`id` = ") + bareNumber(id);
}

QStringList deleteStatements(const LoginSchema& login, const QString& id) {
    QStringList statements = {QStringLiteral("delete from ") + tableName(login) +
                              QStringLiteral(" where ") + accountCondition(id) + u';'};
    for (const Dependent& dependent : dependentsOf(login))
        statements << QStringLiteral("delete from ") + quoted(dependent.table) +
                              QStringLiteral(" where ") + quoted(dependent.accountColumn) +
                              QStringLiteral(" = ") + bareNumber(id) + u';';
    return statements;
}

QString setPasswordStatement(const LoginSchema& login, const QString& id,
                             const PasswordWrite& password) {
    QStringList assignments;
    for (const auto& [column, value] : password.assignments)
        assignments << quoted(column) + QStringLiteral(" = ") + value;
    return QStringLiteral(" update ") + tableName(login) + QStringLiteral(" set ") +
           assignments.join(QStringLiteral(", ")) + QStringLiteral(" where ") +
           accountCondition(id) + u';';
}

QString resetSessionKeyStatement(const LoginSchema& login, const QString& id) {
    if (login.account.sessionKeys.isEmpty())
        return {};
    QStringList assignments;
    for (const QString& column : login.account.sessionKeys)
        assignments << quoted(column) + QStringLiteral(" = null");
    return QStringLiteral(" update ") + tableName(login) + QStringLiteral(" set ") +
           assignments.join(QStringLiteral(", ")) + QStringLiteral(" where ") +
           accountCondition(id) + u';';
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

QList<undosql::Target> deleteUndo(const LoginSchema& login, const QString& id) {
    QList<undosql::Target> targets = {
            undosql::Target::deleted(login.account.table, accountCondition(id))};
    for (const Dependent& dependent : dependentsOf(login))
        targets << undosql::Target::deleted(dependent.table, quoted(dependent.accountColumn) +
                                                                     QStringLiteral(" = ") +
                                                                     bareNumber(id));
    return targets;
}

QList<undosql::Target> saveUndo(const LoginSchema& login, const SavePlan& plan, const QString& id) {
    QList<undosql::Target> targets;
    if (!plan.statement.isEmpty())
        targets << undosql::Target::updated(login.account.table, accountCondition(id),
                                            plan.columns);
    // The undo deletes the account's rows and puts back those it had: an
    // all-realms row that the Save added goes again.
    if (!plan.levelStatement.isEmpty())
        targets << undosql::Target::rewritten(login.gm.table, login.gm.account, bareNumber(id));
    return targets;
}

undosql::Target setPasswordUndo(const LoginSchema& login, const QString& id) {
    const AccountSchema& a = login.account;
    QStringList columns;
    if (a.store == schema::PasswordStore::Sha1Hex)
        columns << a.hash;
    else if (a.store != schema::PasswordStore::None)
        columns << a.salt << a.verifier;
    for (const auto& [column, value] : a.alsoWithPassword)
        columns << column;
    return undosql::Target::updated(a.table, accountCondition(id), columns);
}

undosql::Target resetSessionKeyUndo(const LoginSchema& login, const QString& id) {
    return undosql::Target::updated(login.account.table, accountCondition(id),
                                    login.account.sessionKeys);
}

// ---- The 2010 family ---------------------------------------------------------------

const LoginSchema& mangos2010() {
    static const LoginSchema login = schema::loginSchema(schema::Family::Mangos2010, {});
    return login;
}

QString sortFragment(Sort sort) {
    return sortFragment(mangos2010(), sort);
}

QString listStatement(const QString& filter, Sort sort, bool descending, const QString& recordLimit,
                      int offset) {
    return listStatement(mangos2010(), filter, sort, descending, recordLimit, offset);
}

QString searchFilter(const SearchTexts& texts, Quoting quoting) {
    return searchFilter(mangos2010(), texts, quoting);
}

QString accountsWithLastIpFilter(const QString& ip, Quoting quoting) {
    return accountsWithLastIpFilter(mangos2010(), ip, quoting);
}

QString withoutCharactersFilter(const QString& charactersDatabase) {
    return withoutCharactersFilter(mangos2010(), charactersDatabase);
}

QString staleAccountsFilter(const QString& erasePeriod) {
    return staleAccountsFilter(mangos2010(), erasePeriod);
}

QString staleCondition(const QString& erasePeriod) {
    return staleCondition(mangos2010(), erasePeriod);
}

QString deleteStaleAccountsStatement(const QString& erasePeriod) {
    return deleteStaleAccountsStatements(mangos2010(), erasePeriod).constLast();
}

SavePlan savePlan(const AccountEdits& stored, const AccountEdits& shown, const AccountEdits& edited,
                  const QString& newPassword, Quoting quoting) {
    return savePlan(mangos2010(), stored, shown, edited, {newPassword, {}}, quoting);
}

QString deleteStatement(const QString& id) {
    return deleteStatements(mangos2010(), id).constFirst();
}

QString setPasswordStatement(const QString& id, const QString& hash, Quoting quoting) {
    PasswordWrite write;
    write.assignments << std::pair{mangos2010().account.hash, quotedText(hash, quoting)};
    write.assignments += mangos2010().account.alsoWithPassword;
    return setPasswordStatement(mangos2010(), id, write);
}

QString storedLoginStatement(const QString& id) {
    return storedLoginStatement(mangos2010(), id);
}

QString resetSessionKeyStatement(const QString& id) {
    return resetSessionKeyStatement(mangos2010(), id);
}

undosql::Target deleteUndo(const QString& id) {
    return deleteUndo(mangos2010(), id).constFirst();
}

undosql::Target saveUndo(const SavePlan& plan, const QString& id) {
    return undosql::Target::updated(mangos2010().account.table, accountCondition(id), plan.columns);
}

undosql::Target setPasswordUndo(const QString& id) {
    return setPasswordUndo(mangos2010(), id);
}

undosql::Target resetSessionKeyUndo(const QString& id) {
    return resetSessionKeyUndo(mangos2010(), id);
}

undosql::Target deleteStaleAccountsUndo(const QString& erasePeriod) {
    return deleteStaleAccountsUndo(mangos2010(), erasePeriod).constLast();
}

} // namespace accountsql

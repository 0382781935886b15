#include "accounts/AccountMaintenance.h"

#include "accounts/AccountStatements.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "common/WindowLinks.h"
#include "journal/UndoScope.h"
#include "schema/Schemas.h"

AccountMaintenance::AccountMaintenance(QueryContext& context, WindowLinks& links, AccountList list)
    : m_context(context)
    , m_links(links)
    , m_list(std::move(list)) {}

void AccountMaintenance::showAccountsWithoutCharacters() {
    // The list runs in the accounts database and reaches across to the
    // characters database on the same server.
    m_list.showFiltered(accountsql::withoutCharactersFilter(
            m_context.schemas().login(), m_context.databaseName(Database::Characters)));
}

void AccountMaintenance::findStaleAccounts() {
    const accountsql::LoginSchema& login = m_context.schemas().login();
    if (!login.account.lastLogin.has())
        return;
    m_links.accountLookup(accountsql::staleAccountsFilter(login, m_links.erasePeriod()));
}

void AccountMaintenance::deleteStaleAccounts() {
    const QString days = m_links.erasePeriod();
    if (!accountsql::staleDeletionAllowed(days) ||
        !m_context.schemas().login().account.lastLogin.has())
        return;
    if (!m_context.dialogs().confirm(QString::fromUtf16(boxes::kDeleteStaleAccountsCaption),
                                     boxes::deleteStaleAccountsQuestion(days),
                                     DialogService::Icon::None))
        return;
    const accountsql::LoginSchema& login = m_context.schemas().login();
    if (m_context.switchDatabase(Database::Realmd) &&
        !runUndoableChanges(m_context, QStringLiteral("stale-accounts-erase"),
                            accountsql::deleteStaleAccountsUndo(login, days),
                            accountsql::deleteStaleAccountsStatements(login, days)))
        return;
    m_list.refresh();
}

void AccountMaintenance::findAccountsWithEditedIp() {
    const accountsql::LoginSchema& login = m_context.schemas().login();
    if (!login.account.lastIp.has())
        return;
    m_links.accountLookup(accountsql::accountsWithLastIpFilter(login, m_list.editedLastIp(),
                                                               m_context.quoting()));
}

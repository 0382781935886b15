#include "accounts/AccountMaintenance.h"

#include "accounts/AccountStatements.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "common/WindowLinks.h"
#include "journal/UndoScope.h"

AccountMaintenance::AccountMaintenance(QueryContext& context, WindowLinks& links, AccountList list)
    : m_context(context)
    , m_links(links)
    , m_list(std::move(list)) {}

void AccountMaintenance::showAccountsWithoutCharacters() {
    // The list runs in the accounts database and reaches across to the
    // characters database on the same server.
    m_list.showFiltered(
            accountsql::withoutCharactersFilter(m_context.databaseName(Database::Characters)));
}

void AccountMaintenance::findStaleAccounts() {
    m_links.accountLookup(accountsql::staleAccountsFilter(m_links.erasePeriod()));
}

void AccountMaintenance::deleteStaleAccounts() {
    const QString days = m_links.erasePeriod();
    if (!accountsql::staleDeletionAllowed(days))
        return;
    if (!m_context.dialogs().confirm(QString::fromUtf16(boxes::kDeleteStaleAccountsCaption),
                                     boxes::deleteStaleAccountsQuestion(days),
                                     DialogService::Icon::None))
        return;
    if (m_context.switchDatabase(Database::Realmd) &&
        !runUndoableChange(m_context, QStringLiteral("stale-accounts-erase"),
                           accountsql::deleteStaleAccountsUndo(days),
                           accountsql::deleteStaleAccountsStatement(days)))
        return;
    m_list.refresh();
}

void AccountMaintenance::findAccountsWithEditedIp() {
    m_links.accountLookup(
            accountsql::accountsWithLastIpFilter(m_list.editedLastIp(), m_context.quoting()));
}

#pragma once

#include <QString>

#include <functional>

class QueryContext;
class WindowLinks;

// The commands of the account grid's menu that pick out groups of accounts:
// accounts without characters, stale accounts (found or deleted), and the
// accounts of one last IP address.
class AccountMaintenance {
public:
    struct AccountList {
        // The account filter becomes the text and the list is refreshed; the
        // page is not switched.
        std::function<void(const QString& filter)> showFiltered;
        std::function<void()> refresh;
        // The last IP of the account in the edit panel.
        std::function<QString()> editedLastIp;
    };

    AccountMaintenance(QueryContext& context, WindowLinks& links, AccountList list);

    void showAccountsWithoutCharacters();
    void findStaleAccounts();
    void deleteStaleAccounts();
    void findAccountsWithEditedIp();

private:
    QueryContext& m_context;
    WindowLinks& m_links;
    AccountList m_list;
};

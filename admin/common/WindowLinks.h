#pragma once

#include <QString>

// What a page may ask of the main window: the lookups that other pages
// provide, bringing a page to the front, and the values of the settings panel
// (read at the moment of use). A page never reaches into another page's
// widgets.
class WindowLinks {
public:
    // Page indexes of the page control.
    enum class Page { Connection = 0, Broadcast = 1, Characters = 2, Accounts = 3, Realm = 4 };

    virtual ~WindowLinks() = default;

    virtual void showPage(Page page) = 0;

    // The account lookup of the accounts page: the account filter becomes
    // filter, the list is refreshed, and the accounts page comes to the front
    // when the filter survived (rows were found).
    virtual void accountLookup(const QString& filter) = 0;
    // The characters of one account: the characters page is filtered on the
    // account id and comes to the front when rows were found.
    virtual void charactersOfAccount(const QString& accountId) = 0;

    // Settings panel values.
    virtual QString erasePeriod() const = 0;  // "Период удаления ..." (days)
    virtual QString adminAccount() const = 0; // id of the service account
    virtual QString cheatMoney() const = 0;   // excessive amount of money
    virtual QString localeNumber() const = 0; // "Номер языка"
    virtual bool exportUtf8() const = 0;      // "экспортировать в UTF-8"
    // Where the save dialog of an export starts: the program's folder when it
    // runs from its own folder, else the user's home folder.
    virtual QString exportDirectory() const = 0;
};

#pragma once

#include <QWidget>

class AccountBanPanel;
class IpBanPanel;
class QueryContext;
class RealmListPanel;
class StringGrid;
class WindowLinks;

// The page "Реалм": the realm list above, the IP bans and account bans side
// by side below.
class RealmPage : public QWidget {
    Q_OBJECT

public:
    RealmPage(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    StringGrid* realmGrid() const;
    QWidget* ipBanPanel() const;
    QWidget* accountBanPanel() const;

    // The page became visible: realm list, then IP bans, then account bans;
    // a list that cannot be read stops the ones after it.
    void shown();
    // The realm grid's header row, as set at start-up.
    void prepareRealmGridHeader();
    // The IP ban panel takes this width; the account ban panel the rest.
    void setIpBanPanelWidth(int width);

private:
    RealmListPanel* m_realms;
    IpBanPanel* m_ipBans;
    AccountBanPanel* m_accountBans;
};

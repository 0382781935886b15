#pragma once

#include <QWidget>

#include "FramedPanel.h"
class QueryContext;
class StringGrid;
class WindowLinks;

// The page "Реалм": the realm list above, the IP bans and account bans side
// by side below.
class RealmPage : public QWidget {
    Q_OBJECT

public:
    RealmPage(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    StringGrid* realmGrid() const { return m_realmGrid; }
    QWidget* ipBanPanel() const { return m_ipBanPanel; }
    QWidget* accountBanPanel() const { return m_accountBanPanel; }

    // The page became visible: realm list, then IP bans, then account bans.
    void shown();
    // The realm grid's header row, as set at start-up.
    void prepareRealmGridHeader();
    // The IP ban panel takes this width; the account ban panel the rest.
    void setIpBanPanelWidth(int width);

private:
    QueryContext& m_context;
    WindowLinks& m_links;
    StringGrid* m_realmGrid;
    FramedPanel* m_ipBanPanel;
    FramedPanel* m_accountBanPanel;
};

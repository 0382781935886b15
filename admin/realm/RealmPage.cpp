#include "realm/RealmPage.h"

#include "realm/BanPanels.h"
#include "realm/RealmListPanel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

RealmPage::RealmPage(QueryContext& context, WindowLinks& links, QWidget* parent)
    : QWidget(parent)
    , m_realms(new RealmListPanel(context, this))
    , m_ipBans(new IpBanPanel(context, links, this))
    , m_accountBans(new AccountBanPanel(context, links, this)) {
    setObjectName(QStringLiteral("TabSheet5"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_realms, 2);
    auto* bans = new QHBoxLayout;
    bans->setSpacing(0);
    bans->addWidget(m_ipBans);
    bans->addWidget(m_accountBans, 1);
    layout->addLayout(bans, 3);
}

StringGrid* RealmPage::realmGrid() const {
    return m_realms->grid();
}

QWidget* RealmPage::ipBanPanel() const {
    return m_ipBans;
}

QWidget* RealmPage::accountBanPanel() const {
    return m_accountBans;
}

void RealmPage::shown() {
    // A list that cannot be read stops the others: one box says why.
    if (m_realms->refresh() && m_ipBans->refresh())
        m_accountBans->refresh();
}

void RealmPage::prepareRealmGridHeader() {
    m_realms->prepareGridHeader();
}

void RealmPage::setIpBanPanelWidth(int width) {
    m_ipBans->setFixedWidth(width);
}

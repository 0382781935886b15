#include "RealmPage.h"

#include "FramedPanel.h"
#include "QueryConventions.h"
#include "StringGrid.h"
#include "WindowLinks.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
const QStringList kRealmTitles = {
        QStringLiteral("id"),        QStringLiteral("name"),
        QStringLiteral("address"),   QStringLiteral("port"),
        QStringLiteral("icon"),      QStringLiteral("color"),
        QStringLiteral("timezone"),  QStringLiteral("allowedSecurityLevel"),
        QStringLiteral("population")};
const QList<int> kRealmWidths = {0, 170, 100, 60, 30, 30, 55, 110, 60};
} // namespace

RealmPage::RealmPage(QueryContext& context, WindowLinks& links, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("TabSheet5"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_realmGrid = new StringGrid(this);
    m_realmGrid->setObjectName(QStringLiteral("StringGrid5"));
    m_realmGrid->setColCount(9);
    m_realmGrid->setRowCount(2);
    m_realmGrid->setDefaultRowHeight(20);
    layout->addWidget(m_realmGrid, 1);

    auto* bans = new QHBoxLayout;
    bans->setSpacing(0);
    m_ipBanPanel = new FramedPanel(this, Qt::darkGray);
    m_ipBanPanel->setObjectName(QStringLiteral("ipBanPanel"));
    m_accountBanPanel = new FramedPanel(this, Qt::darkGray);
    m_accountBanPanel->setObjectName(QStringLiteral("accountBanPanel"));
    bans->addWidget(m_ipBanPanel);
    bans->addWidget(m_accountBanPanel, 1);
    layout->addLayout(bans, 1);
}

void RealmPage::shown() {}

void RealmPage::prepareRealmGridHeader() {
    setGridHeader(*m_realmGrid, kRealmTitles, kRealmWidths);
}

void RealmPage::setIpBanPanelWidth(int width) {
    m_ipBanPanel->setFixedWidth(width);
}

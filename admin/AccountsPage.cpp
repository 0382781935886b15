#include "AccountsPage.h"

#include "QueryConventions.h"
#include "StringGrid.h"
#include "WindowLinks.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

AccountsPage::AccountsPage(QueryContext& context, WindowLinks& links, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("TabSheet4"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_recordLimit = new QComboBox(this);
    m_recordLimit->setObjectName(QStringLiteral("ComboBox16"));
    m_recordLimit->setEditable(true);
    m_recordLimit->setInsertPolicy(QComboBox::NoInsert);
    m_recordLimit->setMaxVisibleItems(10);
    m_recordLimit->addItems({QStringLiteral("10"), QStringLiteral("50"), QStringLiteral("100"),
                             QStringLiteral("500"), QStringLiteral("1000"), QStringLiteral("2000"),
                             QStringLiteral("3000"), QStringLiteral("Первая"),
                             QStringLiteral("Все")});
    m_recordLimit->setEditText(QStringLiteral("Все"));
    layout->addWidget(m_recordLimit, 0, Qt::AlignRight);
    m_grid = new StringGrid(this);
    m_grid->setObjectName(QStringLiteral("StringGrid2"));
    m_grid->hide();
    layout->addWidget(m_grid, 1);
}

void AccountsPage::shown() {}

bool AccountsPage::lookup(const QString&) {
    return false;
}

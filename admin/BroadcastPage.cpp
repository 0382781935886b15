#include "BroadcastPage.h"

#include "QueryConventions.h"
#include "StringGrid.h"
#include "WindowLinks.h"

#include <QEvent>
#include <QVBoxLayout>

BroadcastPage::BroadcastPage(QueryContext& context, WindowLinks& links, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addSpacing(68);
    m_grid = new StringGrid(this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setColCount(3);
    m_grid->setRowCount(2);
    m_grid->hide();
    m_grid->installEventFilter(this);
    layout->addWidget(m_grid, 1);
}

void BroadcastPage::shown() {}

void BroadcastPage::applyWidthRule() {
    m_grid->setColWidth(0, 35);
    m_grid->setColWidth(1, m_grid->width() - 90);
}

bool BroadcastPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::Resize)
        applyWidthRule();
    return QWidget::eventFilter(watched, event);
}

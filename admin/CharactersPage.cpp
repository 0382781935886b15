#include "CharactersPage.h"

#include "QueryConventions.h"
#include "StringGrid.h"
#include "WindowLinks.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

CharactersPage::CharactersPage(QueryContext& context, WindowLinks& links, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("TabSheet3"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_recordLimit = new QComboBox(this);
    m_recordLimit->setObjectName(QStringLiteral("ComboBox15"));
    m_recordLimit->setEditable(true);
    m_recordLimit->setInsertPolicy(QComboBox::NoInsert);
    m_recordLimit->addItems({QStringLiteral("10"), QStringLiteral("50"), QStringLiteral("100"),
                             QStringLiteral("500"), QStringLiteral("1000"), QStringLiteral("2000"),
                             QStringLiteral("3000"), QStringLiteral("Первая"),
                             QStringLiteral("Все")});
    m_recordLimit->setEditText(QString());
    layout->addWidget(m_recordLimit, 0, Qt::AlignRight);
    auto* body = new QHBoxLayout;
    m_grid = new StringGrid(this);
    m_grid->setObjectName(QStringLiteral("StringGrid3"));
    m_grid->hide();
    body->addWidget(m_grid, 1);
    m_details = new QTabWidget(this);
    m_details->setObjectName(QStringLiteral("characterDetails"));
    m_details->setFixedWidth(398);
    for (const QString& caption :
         {QStringLiteral("Данные"), QStringLiteral("Data"), QStringLiteral("Дополнит."),
          QStringLiteral("Квесты"), QStringLiteral("Spells"), QStringLiteral("Вещи")})
        m_details->addTab(new QWidget(m_details), caption);
    m_details->setCurrentIndex(1);
    body->addWidget(m_details);
    layout->addLayout(body, 1);
}

void CharactersPage::shown() {}

void CharactersPage::selectDataSubPage() {
    m_details->setCurrentIndex(0);
}

bool CharactersPage::showCharactersOfAccount(const QString&) {
    return false;
}

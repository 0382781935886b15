#include "accounts/AccountsPage.h"

#include "GridMenu.h"
#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "accounts/AccountEditPanel.h"
#include "accounts/AccountMaintenance.h"
#include "accounts/AccountNotions.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "common/RecordLimit.h"
#include "common/WindowLinks.h"
#include "schema/Schemas.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kSearchPanelHeight = 65;

// The search row: the captions at the top of the panel, their edits 16 pixels
// lower.
constexpr int kSearchCaptionTop = 1;
constexpr int kSearchCaptionGap = 16;

ListBrowser::Definition accountListDefinition() {
    return {Database::Realmd,
            QueryContext::UseForm::WithoutSemicolon,
            QString(),
            QString(),
            {},
            {},
            boxes::kAccountsFailed,
            boxes::kAccountsNotFound,
            {},
            QStringLiteral("список аккаунтов")};
}

constexpr accountsql::Sort kSorts[] = {accountsql::Sort::Id, accountsql::Sort::Username,
                                       accountsql::Sort::Joindate, accountsql::Sort::LastIp,
                                       accountsql::Sort::LastLogin};

// Enabled, or disabled with the tooltip that says why.
template <class Control>
void setAvailable(Control* control, const QString& whyNot) {
    control->setEnabled(whyNot.isEmpty());
    control->setToolTip(whyNot);
}

} // namespace

AccountsPage::AccountsPage(QueryContext& context, WindowLinks& links, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("TabSheet4"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildSearchPanel();
    layout->addWidget(m_searchPanel);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    buildGrid();
    body->addWidget(m_grid, 1);
    m_editPanel = new AccountEditPanel(
            m_context, [this] { refresh(); }, this);
    body->addWidget(m_editPanel);
    layout->addLayout(body, 1);

    m_browser = std::make_unique<ListBrowser>(m_context, accountListDefinition(), m_grid,
                                              m_recordLimit, m_count);
    m_browser->setBeforeRefresh([this] { m_editPanel->clearHashTexts(); });
    m_browser->onUserLimitChange(guardedHandler(m_context, this, &AccountsPage::refresh));
    m_maintenance = std::make_unique<AccountMaintenance>(
            m_context, m_links,
            AccountMaintenance::AccountList{[this](const QString& filter) { showFiltered(filter); },
                                            [this] { refresh(); },
                                            [this] {
                                                return m_editPanel->lastIp();
                                            }});
    buildMenu();
}

AccountsPage::~AccountsPage() = default;

void AccountsPage::buildSearchPanel() {
    m_searchPanel = new QWidget(this);
    m_searchPanel->setObjectName(QStringLiteral("accountSearchPanel"));
    m_searchPanel->setFixedHeight(kSearchPanelHeight);

    placeHeading(m_searchPanel, "Label32", QStringLiteral("ПОИСК:"), 4, 19, 48);
    m_searchId = placeCaptionedEdit(m_searchPanel, "dxDNEdit10", QStringLiteral("id"), 54,
                                    kSearchCaptionTop, 46, kSearchCaptionGap);
    installDigitsOnlyFilter(m_searchId);
    m_searchUsername = placeCaptionedEdit(m_searchPanel, "dxDNEdit15", QStringLiteral("username"),
                                          104, kSearchCaptionTop, 104, kSearchCaptionGap);
    m_searchEmail = placeCaptionedEdit(m_searchPanel, "dxDNEdit17", QStringLiteral("email"), 212,
                                       kSearchCaptionTop, 130, kSearchCaptionGap);
    m_searchLastIp = placeCaptionedEdit(m_searchPanel, "dxDNEdit18", QStringLiteral("last_ip"), 346,
                                        kSearchCaptionTop, 100, kSearchCaptionGap);
    installDigitsAndDotFilter(m_searchLastIp);
    for (QLineEdit* edit : {m_searchId, m_searchUsername, m_searchEmail, m_searchLastIp})
        edit->installEventFilter(this);

    m_searchButton =
            placeButton(m_searchPanel, "dxButton18", QStringLiteral("Искать"), 452, 15, 70, 23);
    setBold(m_searchButton);
    m_resetButton =
            placeButton(m_searchPanel, "dxButton19", QStringLiteral("сброс"), 526, 15, 60, 23);
    m_refreshButton =
            placeButton(m_searchPanel, "dxButton9", QStringLiteral("Обновить"), 590, 15, 80, 23);

    placeHeading(m_searchPanel, "Label38", QStringLiteral("Сортировать:"), 4, 45, 84);
    const struct {
        const char* name;
        const char* caption;
        int x;
        int width;
    } sorts[] = {{"RadioButton1", "id", 90, 36},
                 {"RadioButton2", "username", 128, 74},
                 {"RadioButton3", "joindate", 204, 68},
                 {"RadioButton4", "last_ip", 274, 60},
                 {"RadioButton5", "last_login", 336, 76}};
    for (int i = 0; i < 5; ++i) {
        m_sortButtons[i] = new QRadioButton(QLatin1String(sorts[i].caption), m_searchPanel);
        m_sortButtons[i]->setObjectName(QLatin1String(sorts[i].name));
        m_sortButtons[i]->setGeometry(sorts[i].x, 43, sorts[i].width, 20);
    }
    m_sortButtons[0]->setChecked(true);
    m_descending = placeCheckBox(m_searchPanel, "dxCheckbox7", QStringLiteral("Dec"), 414, 43, 48);

    m_count = placeLabel(m_searchPanel, QString(), 464, 45, 140);
    m_count->setObjectName(QStringLiteral("Label62"));

    auto* limitCaption =
            placeWrappedLabel(m_searchPanel, QStringLiteral("кол-во запис."), 606, 39, 46, 26);
    limitCaption->setObjectName(QStringLiteral("Label78"));
    QFont small = limitCaption->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    limitCaption->setFont(small);
    m_recordLimit = recordlimit::placeBox(m_searchPanel, "ComboBox16", 652, 41, 58, 22);
    m_previousPage = placeButton(m_searchPanel, "dxButton14", QStringLiteral("<"), 712, 41, 18, 22);
    m_nextPage = placeButton(m_searchPanel, "dxButton37", QStringLiteral(">"), 730, 41, 18, 22);

    connect(m_searchButton, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &AccountsPage::search));
    connect(m_resetButton, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &AccountsPage::reset));
    connect(m_refreshButton, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &AccountsPage::refresh));
    connect(m_previousPage, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &AccountsPage::previousPage));
    connect(m_nextPage, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &AccountsPage::nextPage));
}

void AccountsPage::buildGrid() {
    m_grid = new StringGrid(this);
    m_grid->setObjectName(QStringLiteral("StringGrid2"));
    m_grid->setDefaultRowHeight(20);
    m_grid->hide();
    connect(m_grid, &StringGrid::cellSelected, this, [this](int col, int row) {
        m_context.guarded([this, col, row] { cellSelected(col, row); });
    });
    connect(m_grid, &StringGrid::doubleClicked, this,
            [this] { m_editPanel->setVisible(!m_editPanel->isVisible()); });
}

void AccountsPage::buildMenu() {
    m_menu = new GridMenu(m_grid, QStringLiteral("acc_menu"));
    m_menu->addItem(QStringLiteral("N1"), QStringLiteral("Показать все"),
                    guardedHandler(m_context, this, &AccountsPage::reset),
                    QStyle::SP_BrowserReload);
    m_menu->addDivider(QStringLiteral("N3"));
    m_menu->addItem(QStringLiteral("N2"), QStringLiteral("Найти персонажей этого аккаунта"),
                    guardedHandler(m_context, this, &AccountsPage::findCharactersOfAccount),
                    QStyle::SP_FileDialogContentsView);
    AccountMaintenance* maintenance = m_maintenance.get();
    m_sameIpItem = m_menu->addItem(
            QStringLiteral("IP1"), QStringLiteral("Найти все аккаунты с этим IP"),
            guardedHandler(m_context, maintenance, &AccountMaintenance::findAccountsWithEditedIp),
            QStyle::SP_ComputerIcon);
    m_sessionKeyItem = m_menu->addItem(
            QStringLiteral("N22"), QStringLiteral("Сбросить ключ сессии для этого аккаунта"),
            guardedHandler(m_context, m_editPanel, &AccountEditPanel::resetSessionKey),
            QStyle::SP_DialogResetButton);
    m_menu->addDivider(QStringLiteral("N12"));
    m_withoutCharactersItem =
            m_menu->addItem(QStringLiteral("N4"),
                            QStringLiteral("Вывести все аккаунты  на которых нет персонажей."),
                            guardedHandler(m_context, maintenance,
                                           &AccountMaintenance::showAccountsWithoutCharacters),
                            QStyle::SP_FileDialogListView);
    m_findStaleItem = m_menu->addItem(
            QStringLiteral("N13"), QStringLiteral("Найти все устаревшие аккаунты"),
            guardedHandler(m_context, maintenance, &AccountMaintenance::findStaleAccounts),
            QStyle::SP_FileDialogDetailedView);
    m_deleteStaleItem = m_menu->addItem(
            QStringLiteral("N14"), QStringLiteral("Удалить все устаревшие аккаунты"),
            guardedHandler(m_context, maintenance, &AccountMaintenance::deleteStaleAccounts),
            QStyle::SP_TrashIcon);
}

bool AccountsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // The id search excludes the three text searches and the other way
        // round.
        if (watched == m_searchId) {
            m_searchUsername->clear();
            m_searchEmail->clear();
            m_searchLastIp->clear();
        } else if (watched == m_searchUsername || watched == m_searchEmail ||
                   watched == m_searchLastIp) {
            m_searchId->clear();
        }
    }
    return QWidget::eventFilter(watched, event);
}

accountsql::Sort AccountsPage::sort() const {
    // The first checked button in this order of testing; "id" otherwise.
    for (int i = 1; i < 5; ++i) {
        if (m_sortButtons[i]->isChecked())
            return kSorts[i];
    }
    return accountsql::Sort::Id;
}

const accountsql::LoginSchema& AccountsPage::applySchema() {
    using accountnotions::unavailableTip;
    using accountsql::Column;
    const accountsql::LoginSchema& login = m_context.schemas().login();
    m_columns = accountsql::listColumns(login);
    QStringList headers;
    QList<int> widths;
    for (const accountsql::ListColumn& column : m_columns) {
        headers << column.header;
        widths << column.width;
    }
    m_browser->setColumns(accountsql::listSelect(login), headers, widths);
    m_editPanel->setColumns(login, m_columns);

    for (int i = 1; i < 5; ++i)
        setAvailable(m_sortButtons[i], unavailableTip(login, accountsql::sortColumn(kSorts[i])));
    setAvailable(m_searchEmail, unavailableTip(login, Column::Email));
    setAvailable(m_searchLastIp, unavailableTip(login, Column::LastIp));
    setAvailable(m_sameIpItem, unavailableTip(login, Column::LastIp));
    setAvailable(m_findStaleItem, unavailableTip(login, Column::LastLogin));
    setAvailable(m_deleteStaleItem, unavailableTip(login, Column::LastLogin));
    setAvailable(m_sessionKeyItem, accountnotions::sessionKeyTip(login));
    const schema::Catalog& characters = m_context.schemas().catalog(schema::Role::Characters);
    setAvailable(m_withoutCharactersItem,
                 characters.isEmpty() || characters.hasColumn(QStringLiteral("characters"),
                                                              QStringLiteral("account"))
                         ? QString()
                         : QStringLiteral("В базе персонажей нет столбца characters.account."));
    return login;
}

void AccountsPage::refresh() {
    const accountsql::LoginSchema& login = applySchema();
    m_browser->refresh(accountsql::sortFragment(login, sort()), m_descending->isChecked());
}

void AccountsPage::search() {
    const accountsql::LoginSchema& login = applySchema();
    m_browser->setOffset(0);
    m_browser->setFilter(accountsql::searchFilter(login,
                                                  {m_searchId->text(), m_searchUsername->text(),
                                                   m_searchEmail->text(), m_searchLastIp->text()},
                                                  m_context.quoting()));
    refresh();
}

void AccountsPage::reset() {
    m_browser->setFilter(QString());
    m_descending->setChecked(false);
    for (QLineEdit* edit : {m_searchId, m_searchUsername, m_searchEmail, m_searchLastIp})
        edit->clear();
    m_searchPanel->repaint();
    refresh();
    m_browser->setRecordLimit(recordlimit::kAll);
    m_browser->setOffset(0);
}

void AccountsPage::nextPage() {
    const accountsql::LoginSchema& login = applySchema();
    m_browser->nextPage(accountsql::sortFragment(login, sort()), m_descending->isChecked());
}

void AccountsPage::previousPage() {
    const accountsql::LoginSchema& login = applySchema();
    m_browser->previousPage(accountsql::sortFragment(login, sort()), m_descending->isChecked());
}

void AccountsPage::shown() {
    m_editPanel->show();
    if (m_grid->isHidden())
        refresh();
}

bool AccountsPage::lookup(const QString& filter) {
    showFiltered(filter);
    return !m_browser->filter().isEmpty();
}

void AccountsPage::showFiltered(const QString& filter) {
    m_browser->setFilter(filter);
    refresh();
}

void AccountsPage::cellSelected(int col, int row) {
    const QString text = m_grid->cell(col, row);
    const bool level = col == accountsql::indexOf(m_columns, accountsql::Column::GmLevel);
    m_grid->setHint(level ? accountsql::levelName(text) : text);
    m_editPanel->clearHashTexts();
    if (col > 0 && row > 0)
        m_editPanel->fillFromRow(*m_grid, row);
}

void AccountsPage::findCharactersOfAccount() {
    const QString id = m_editPanel->accountId();
    if (!id.isEmpty())
        m_links.charactersOfAccount(id);
}

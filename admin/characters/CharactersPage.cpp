#include "characters/CharactersPage.h"

#include "GridMenu.h"
#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "characters/CharacterCodes.h"
#include "characters/CharacterDetails.h"
#include "characters/CharacterEditing.h"
#include "characters/CharacterRepair.h"
#include "characters/CharacterStatements.h"
#include "common/ListBrowser.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "common/RecordLimit.h"
#include "common/WindowLinks.h"
#include "schema/Schemas.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace stm = characterstatements;

namespace {

constexpr int kRaceColumn = 3;
constexpr int kClassColumn = 4;

ListBrowser::Definition characterListDefinition(QueryContext& context) {
    ListBrowser::Definition definition;
    definition.database = Database::Characters;
    definition.useForm = QueryContext::UseForm::WithSemicolon;
    definition.select = stm::listSelect();
    // The columns of the characters database now assigned.
    definition.currentSelect = [&context] {
        return stm::listSelect(context.schemas().characters());
    };
    definition.filterSeparator = QStringLiteral(" ");
    definition.headers = {
            QStringLiteral("guid"),     QStringLiteral("account"), QStringLiteral("name"),
            QStringLiteral("race"),     QStringLiteral("class"),   QStringLiteral("online"),
            QStringLiteral("at_login"), QStringLiteral("map"),     QStringLiteral("zone")};
    definition.widths = {50, 50, 100, 66, 60, 40, 50, 50, 60};
    definition.failed = boxes::kCharactersFailed;
    definition.logName = QStringLiteral("список персонажей");
    definition.notFound = boxes::kCharactersNotFound;
    definition.cellText = [](int column, const QString& field) {
        if (column == kRaceColumn)
            return charactercodes::raceText(field);
        if (column == kClassColumn)
            return charactercodes::classGridText(field);
        return field;
    };
    return definition;
}

// The captions of the search row stand over their controls, two pixels in.
void placeSearchCaption(QWidget* parent, const QString& caption, int x, int width) {
    placeLabel(parent, caption, x + 2, 2, width, 14);
}

QLineEdit* placeSearchEdit(QWidget* parent, const char* name, const QString& caption, int x,
                           int width) {
    placeSearchCaption(parent, caption, x, width);
    return placeEdit(parent, name, x, 16, width);
}

// A search box without a choice: no item is current and the edit is empty.
void clearChoice(QComboBox* box) {
    box->setCurrentIndex(-1);
    box->setEditText(QString());
}

QComboBox* placeSearchCombo(QWidget* parent, const char* name, const QString& caption,
                            const QStringList& items, int x, int width) {
    placeSearchCaption(parent, caption, x, width);
    QComboBox* combo = placeCombo(parent, name, items, x, 16, width, 21);
    clearChoice(combo);
    return combo;
}

} // namespace

CharactersPage::CharactersPage(QueryContext& context, WindowLinks& links, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("TabSheet3"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_searchPanel = buildSearchPanel();
    layout->addWidget(m_searchPanel);

    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    m_grid = new StringGrid(this);
    m_grid->setObjectName(QStringLiteral("StringGrid3"));
    m_grid->setDefaultRowHeight(20);
    m_grid->hide();
    body->addWidget(m_grid, 1);
    m_details = new CharacterDetails(context, links, this);
    body->addWidget(m_details);
    layout->addLayout(body, 1);

    m_browser = std::make_unique<ListBrowser>(context, characterListDefinition(context), m_grid,
                                              m_recordLimit, m_countLabel);
    m_browser->onUserLimitChange([this] { guarded([this] { refresh(); }); });
    m_editing = new CharacterEditing(
            context, *m_details, [this] { refresh(); }, this);
    m_repair = new CharacterRepair(context, links, *m_details,
                                   {[this] { refresh(); },
                                    [this](const QString& filter) {
                                        showFiltered(filter);
                                    }},
                                   this);

    connect(m_grid, &StringGrid::cellSelected, this, [this](int col, int row) {
        guarded([this, col, row] { m_details->load(*m_grid, col, row); });
    });
    connect(m_grid, &StringGrid::doubleClicked, this, &CharactersPage::toggleDetails);
    buildMenu();
}

CharactersPage::~CharactersPage() = default;

QWidget* CharactersPage::buildSearchPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("characterSearchPanel"));
    panel->setFixedHeight(68);

    setBold(placeLabel(panel, QStringLiteral("ПОИСК:"), 4, 19, 52));
    m_guidSearch = placeSearchEdit(panel, "dxDNEdit21", QStringLiteral("guid"), 58, 50);
    installDigitsOnlyFilter(m_guidSearch);
    m_nameSearch = placeSearchEdit(panel, "dxDNEdit23", QStringLiteral("name"), 112, 100);
    QPalette tinted = m_nameSearch->palette();
    tinted.setColor(QPalette::Base, QColor(255, 255, 225));
    m_nameSearch->setPalette(tinted);
    m_accountSearch = placeSearchEdit(panel, "dxDNEdit22", QStringLiteral("account"), 216, 50);
    installDigitsOnlyFilter(m_accountSearch);
    m_raceSearch = placeSearchCombo(panel, "ComboBox5", QStringLiteral("race"),
                                    charactercodes::raceItems(), 270, 110);
    m_classSearch = placeSearchCombo(panel, "ComboBox12", QStringLiteral("class"),
                                     charactercodes::classItems(), 384, 118);

    auto* searchButton =
            placeButton(panel, "dxButton11", QStringLiteral("Искать"), 508, 15, 70, 23);
    setBold(searchButton);
    connect(searchButton, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(placeButton(panel, "dxButton20", QStringLiteral("Сброс"), 582, 15, 70, 23),
            &QPushButton::clicked, this, [this] { guarded([this] { reset(); }); });
    connect(placeButton(panel, "dxButton21", QStringLiteral("Обновить"), 656, 15, 84, 23),
            &QPushButton::clicked, this, [this] { guarded([this] { refresh(); }); });

    setBold(placeLabel(panel, QStringLiteral("Сортировать:"), 4, 46, 84));
    auto* sortGroup = new QButtonGroup(panel);
    const QStringList captions = {QStringLiteral("guid"), QStringLiteral("name"),
                                  QStringLiteral("account"), QStringLiteral("race"),
                                  QStringLiteral("class")};
    const QList<int> widths = {52, 58, 72, 52, 56};
    int x = 90;
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], panel);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(6 + i));
        button->setGeometry(x, 44, widths[i], 20);
        sortGroup->addButton(button);
        m_sortButtons << button;
        x += widths[i];
    }
    m_sortButtons.first()->setChecked(true);
    m_descending = placeCheckBox(panel, "dxCheckbox8", QStringLiteral("Dec"), x + 2, 44, 44);

    m_countLabel = placeLabel(panel, QString(), 430, 46, 142);
    m_countLabel->setObjectName(QStringLiteral("Label61"));
    auto* limitCaption = placeWrappedLabel(panel, QStringLiteral("кол-во запис."), 572, 41, 46, 26);
    limitCaption->setObjectName(QStringLiteral("Label79"));
    QFont small = limitCaption->font();
    small.setPointSize(7);
    limitCaption->setFont(small);
    // Shows "Все" until the start-up copy of the initial limit, as for the
    // account list.
    m_recordLimit = recordlimit::placeBox(panel, "ComboBox15", 620, 43, 64, 21);
    connect(placeButton(panel, "dxButton13", QStringLiteral("<"), 688, 42, 24, 23),
            &QPushButton::clicked, this,
            [this] { guarded([this] { m_browser->previousPage(sortFragment(), descending()); }); });
    connect(placeButton(panel, "dxButton10", QStringLiteral(">"), 716, 42, 24, 23),
            &QPushButton::clicked, this,
            [this] { guarded([this] { m_browser->nextPage(sortFragment(), descending()); }); });
    return panel;
}

void CharactersPage::buildMenu() {
    m_menu = new GridMenu(m_grid, QStringLiteral("Char_menu"));
    const auto item = [this](const char* name, const QString& caption,
                             std::function<void()> handler, QStyle::StandardPixmap icon) {
        m_menu->addItem(
                QLatin1String(name), caption,
                [this, handler = std::move(handler)] { guarded(handler); }, icon);
    };
    item(
            "repairItem", QStringLiteral("Анти ERROR"), [this] { m_repair->repair(); },
            QStyle::SP_DialogResetButton);
    item(
            "showAccountItem", QStringLiteral("Показать аккаунт"),
            [this] { showAccountOfCharacter(); }, QStyle::SP_FileDialogContentsView);
    GridMenu* more = m_menu->addSubmenu(QStringLiteral("moreFunctionsMenu"),
                                        QStringLiteral("Дополнительные функции"));
    more->addItem(
            QStringLiteral("questChainResetItem"),
            QStringLiteral("Сбросить цепочку квестов на \"Перехват\""),
            [this] { guarded([this] { m_repair->resetQuestChain(); }); }, QStyle::SP_BrowserReload);
    m_menu->addDivider(QStringLiteral("divider1"));
    item(
            "showAllItem", QStringLiteral("Показать Все персонажи"), [this] { reset(); },
            QStyle::SP_FileDialogListView);
    item(
            "showOnlineItem", QStringLiteral("Показать все играющие персонажи"),
            [this] { m_repair->showOnline(); }, QStyle::SP_MediaPlay);
    m_menu->addDivider(QStringLiteral("divider2"));
    item(
            "showWithoutAccountItem", QStringLiteral("Показать персонажи БЕЗ аккаунтов"),
            [this] { m_repair->showWithoutAccount(); }, QStyle::SP_FileDialogDetailedView);
    item(
            "deleteWithoutAccountItem", QStringLiteral("Удалить персонажи без аккаунтов"),
            [this] { m_repair->deleteWithoutAccount(); }, QStyle::SP_TrashIcon);
    item(
            "moveWithoutAccountItem",
            QStringLiteral("Перенести персонажи без аккаунтов  на \"служебный аккаунт\""),
            [this] { m_repair->moveWithoutAccount(); }, QStyle::SP_ArrowRight);
}

QTabWidget* CharactersPage::details() const {
    return m_details;
}

void CharactersPage::guarded(const std::function<void()>& handler) {
    m_context.guarded(handler);
}

QString CharactersPage::sortFragment() const {
    static const stm::SortColumn columns[] = {stm::SortColumn::Guid, stm::SortColumn::Name,
                                              stm::SortColumn::Account, stm::SortColumn::Race,
                                              stm::SortColumn::Class};
    for (int i = 0; i < m_sortButtons.size(); ++i) {
        if (m_sortButtons[i]->isChecked())
            return stm::sortFragment(columns[i]);
    }
    return stm::sortFragment(stm::SortColumn::Guid);
}

bool CharactersPage::descending() const {
    return m_descending->isChecked();
}

void CharactersPage::shown() {
    if (m_grid->isHidden())
        refresh();
}

void CharactersPage::selectDataSubPage() {
    m_details->selectDataSubPage();
}

void CharactersPage::clearMoneyColumnFlag() {
    m_details->clearMoneyColumnFlag();
}

bool CharactersPage::moneyColumnFound() const {
    return m_details->moneyColumnFound();
}

bool CharactersPage::refresh() {
    return m_browser->refresh(sortFragment(), descending());
}

void CharactersPage::search() {
    m_browser->setFilter(QString());
    m_browser->setOffset(0);
    m_browser->setFilter(
            stm::searchFilter(m_context.schemas().characters(),
                              {m_guidSearch->text(), m_nameSearch->text(), m_accountSearch->text(),
                               m_raceSearch->currentText(), m_classSearch->currentText()},
                              m_context.quoting()));
    refresh();
}

void CharactersPage::reset() {
    m_browser->setFilter(QString());
    for (QComboBox* box : {m_raceSearch, m_classSearch})
        clearChoice(box);
    m_descending->setChecked(false);
    m_guidSearch->clear();
    m_accountSearch->clear();
    m_nameSearch->clear();
    m_searchPanel->repaint();
    refresh();
    // The reset's own refresh used the limit and offset in force before it.
    m_browser->setRecordLimit(recordlimit::kAll);
    m_browser->setOffset(0);
}

void CharactersPage::showFiltered(const QString& filter) {
    m_browser->setFilter(filter);
    refresh();
}

bool CharactersPage::showCharactersOfAccount(const QString& accountId) {
    if (accountId.isEmpty())
        return false;
    showFiltered(stm::accountFilter(m_context.schemas().characters(), accountId));
    return !m_browser->filter().isEmpty();
}

void CharactersPage::showAccountOfCharacter() {
    m_links.accountLookup(stm::accountLookupFilter(m_details->accountEdit()->text()));
}

void CharactersPage::toggleDetails() {
    m_details->setVisible(m_details->isHidden());
}

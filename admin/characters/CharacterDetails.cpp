#include "characters/CharacterDetails.h"

#include "FramedPanel.h"
#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "characters/CharacterCodes.h"
#include "characters/CharacterStatements.h"
#include "common/QueryConventions.h"
#include "common/WindowLinks.h"
#include "uMysqlClient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace stm = characterstatements;

namespace {

// A value as the server sent it: its bytes read as the UTF-8 they are, without
// the display rule that empties a malformed value.
QString receivedValue(const QueryContext& context, int row, int column) {
    mysql::TMysqlResult* result = context.result();
    if (!result)
        return {};
    result->Seek(row);
    const char* bytes = result->Value(column);
    return bytes ? QString::fromUtf8(bytes, qsizetype(result->ValueLength(column))) : QString();
}

// The rows of a detail list for a result of n rows: n + 1, or the header row
// and one row for the "no data" texts.
void prepareDetailRows(StringGrid& grid, int rows) {
    grid.setRowCount(rows < 1 ? 2 : rows + 1);
}

void writeRow(StringGrid& grid, int row, const QStringList& texts) {
    for (int col = 0; col < texts.size(); ++col)
        grid.setCell(col, row, texts[col]);
}

// Writes a detail list while its grid is hidden: the header, then each of the
// result's rows through writeResultRow (given the result row), or for no rows
// one row of the "no data" texts.
void fillDetailList(StringGrid& grid, const QStringList& headers, const QList<int>& widths,
                    const QStringList& noData, int rows,
                    const std::function<void(int)>& writeResultRow) {
    grid.hide();
    setGridHeader(grid, headers, widths);
    prepareDetailRows(grid, rows);
    if (rows == 0)
        writeRow(grid, 1, noData);
    for (int r = 0; r < rows; ++r)
        writeResultRow(r);
    grid.show();
}

const QStringList kExtraHeaders = {QStringLiteral("№"), QStringLiteral("Поле"),
                                   QStringLiteral("Значение")};
const QList<int> kExtraWidths = {20, 110, 230};
const QStringList kDataHeaders = {QStringLiteral("№"), QStringLiteral("Параметр"),
                                  QStringLiteral("Значение")};
const QList<int> kDataWidths = {40, 230, 90};
const QStringList kQuestHeaders = {
        QStringLiteral("guid"),          QStringLiteral("Status"),
        QStringLiteral("Наименование"),  QStringLiteral("NextQuestId"),
        QStringLiteral("PrevQuestId"),   QStringLiteral("NextQuestInChain"),
        QStringLiteral("ExclusiveGroup")};
const QList<int> kQuestWidths = {45, 25, 170, 45, 45, 45, 45};
const QStringList kNoQuests = {
        QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("Нет данных"), QStringLiteral("-"),
        QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
const QStringList kItemHeaders = {
        QStringLiteral("№"),      QStringLiteral("Сумка"),         QStringLiteral("Слот"),
        QStringLiteral("Item"),   QStringLiteral("Item_Template"), QStringLiteral("Name"),
        QStringLiteral("Перевод")};
const QList<int> kItemWidths = {30, 40, 40, 60, 60, 180, 180};
const QStringList kNoItems = {QStringLiteral("0"),         QStringLiteral("-"),
                              QStringLiteral("-"),         QStringLiteral("-"),
                              QStringLiteral("-"),         QStringLiteral("нет данных"),
                              QStringLiteral("нет данных")};
const QStringList kSpellHeaders = {QStringLiteral("№"), QStringLiteral("Заклинание"),
                                   QStringLiteral("Active"), QStringLiteral("Disabled")};
const QList<int> kSpellWidths = {40, 100, 50, 50};
const QStringList kNoSpells = {QStringLiteral("0"), QStringLiteral("нет данных"),
                               QStringLiteral("-"), QStringLiteral("-")};

// The bits of the at-login word that the check boxes show.
constexpr int kRenameBit = 1;
constexpr int kResetSpellsBit = 2;
constexpr int kResetTalentsBit = 4;

} // namespace

CharacterDetails::CharacterDetails(QueryContext& context, WindowLinks& links, QWidget* parent)
    : QTabWidget(parent)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("characterDetails"));
    setFixedWidth(398);
    setUsesScrollButtons(false);
    addTab(buildDataPage(), QStringLiteral("Данные"));
    addTab(buildGridPage(m_dataGrid, "StringGrid4", 3), QStringLiteral("Data"));
    addTab(buildGridPage(m_extraGrid, "StringGrid8", 3), QStringLiteral("Дополнит."));
    addTab(buildGridPage(m_questGrid, "StringGrid9", 7, &m_questsFound), QStringLiteral("Квесты"));
    addTab(buildGridPage(m_spellGrid, "StringGrid11", 4), QStringLiteral("Spells"));
    addTab(buildGridPage(m_itemGrid, "StringGrid10", 7), QStringLiteral("Вещи"));
}

QWidget* CharacterDetails::buildDataPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("characterDataPage"));

    placeLabel(page, QStringLiteral("guid"), 8, 10, 50);
    m_guid = placeEdit(page, "dxDNEdit34", 64, 8, 80);
    makeReadOnlyTinted(m_guid);

    placeLabel(page, QStringLiteral("account"), 8, 36, 50);
    m_account = placeEdit(page, "dxDNEdit35", 64, 34, 80);
    installDigitsOnlyFilter(m_account);
    m_moveButton = placeButton(page, "dxButton29", QStringLiteral("Сохранить"), 152, 33, 100, 23);

    placeLabel(page, QStringLiteral("name"), 8, 62, 50);
    m_name = placeEdit(page, "dxDNEdit36", 64, 60, 140);
    m_renameButton =
            placeButton(page, "dxButton31", QStringLiteral("Переименовать"), 212, 59, 110, 23);

    auto* heading = placeWrappedLabel(
            page, QStringLiteral("Редактирование AT_LOGIN. При входе в игру персонаж должен:"), 8,
            92, 376, 32);
    heading->setObjectName(QStringLiteral("Label60"));
    m_renameBox =
            placeCheckBox(page, "dxCheckbox4", QStringLiteral("Переименоваться"), 16, 126, 180);
    m_resetTalentsBox =
            placeCheckBox(page, "dxCheckbox6", QStringLiteral("Сбросить таланты"), 16, 148, 180);
    m_resetSpellsBox =
            placeCheckBox(page, "dxCheckbox5", QStringLiteral("Сбросить магию"), 16, 170, 180);
    m_atLogin = placeEdit(page, "dxDNEdit33", 212, 147, 40);
    makeReadOnlyTinted(m_atLogin);
    m_atLoginButton = placeButton(page, "dxButton38", QStringLiteral("Задать"), 260, 146, 80, 23);

    m_levelAndMoney = buildLevelAndMoneyBlock(page);
    m_levelAndMoney->setGeometry(4, 200, 384, 146);
    m_levelAndMoney->hide();

    m_onlineWarning =
            placeLabel(page, QStringLiteral("ВНИМАНИЕ! Этот персонаж в игре."), 8, 352, 380, 30);
    m_onlineWarning->setObjectName(QStringLiteral("Label76"));
    QFont warningFont = m_onlineWarning->font();
    warningFont.setPointSize(12);
    warningFont.setBold(true);
    warningFont.setUnderline(true);
    m_onlineWarning->setFont(warningFont);
    setTextColor(m_onlineWarning, Qt::red);
    m_onlineWarning->hide();
    return page;
}

FramedPanel* CharacterDetails::buildLevelAndMoneyBlock(QWidget* parent) {
    auto* block = new FramedPanel(parent, Qt::darkGray);
    block->setObjectName(QStringLiteral("dxContainer21"));

    placeLabel(block, QStringLiteral("Уровень (level) "), 8, 12, 100);
    m_level = placeEdit(block, "dxDNEdit48", 112, 10, 50);
    installDigitsOnlyFilter(m_level);
    m_levelButton = placeButton(block, "dxButton30", QStringLiteral("Сохр."), 168, 9, 50, 23);
    placeLabel(block, QStringLiteral("пол"), 238, 12, 30);
    m_gender = placeEdit(block, "dxDNEdit50", 268, 10, 30);
    makeReadOnly(m_gender);
    m_genderButton = placeButton(block, "dxButton33", QStringLiteral("<==>"), 304, 9, 50, 23);

    placeLabel(block, QStringLiteral("Золото (Money) "), 8, 42, 100);
    m_money = placeEdit(block, "dxDNEdit49", 112, 40, 100);
    installDigitsOnlyFilter(m_money);
    m_moneyButton = placeButton(block, "dxButton28", QStringLiteral("Сохр."), 218, 39, 50, 23);
    m_richButton = placeButton(block, "dxButton36", QStringLiteral("Чит-Богачи"), 274, 39, 100, 23);

    // Race and class are shown only: their boxes and buttons stay disabled.
    placeLabel(block, QStringLiteral("race"), 8, 78, 40);
    m_race = placeCombo(block, "ComboBox13", charactercodes::raceItems(), 112, 74, 156);
    m_race->setEnabled(false);
    placeButton(block, "dxButton34", QStringLiteral("Сохр."), 274, 73, 50, 23)->setEnabled(false);
    placeLabel(block, QStringLiteral("class"), 8, 110, 40);
    m_class = placeCombo(block, "ComboBox14", charactercodes::classItems(), 112, 106, 156);
    m_class->setEnabled(false);
    placeButton(block, "dxButton35", QStringLiteral("Сохр."), 274, 105, 50, 23)->setEnabled(false);
    return block;
}

QWidget* CharacterDetails::buildGridPage(StringGrid*& grid, const char* name, int columns,
                                         QLabel** foundLabel) {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (foundLabel) {
        *foundLabel = new QLabel(QStringLiteral("Найдено:"), page);
        (*foundLabel)->setObjectName(QStringLiteral("questsFoundLabel"));
        (*foundLabel)->setContentsMargins(4, 2, 4, 2);
        layout->addWidget(*foundLabel);
    }
    grid = new StringGrid(page);
    grid->setObjectName(QLatin1String(name));
    grid->setColCount(columns);
    grid->setRowCount(2);
    grid->hide();
    layout->addWidget(grid, 1);
    return page;
}

void CharacterDetails::load(StringGrid& list, int col, int row) {
    list.setHint(list.cell(col, row));
    if (col >= 1 && row >= 1)
        copyKeyFields(list, row);

    const bool switched = m_context.switchDatabase(Database::Characters);
    m_extraGrid->hide();
    m_dataGrid->hide();
    if (!switched)
        return;

    const QString guid = trimControls(m_guid->text());
    loadFullRow(guid);
    loadColumnNames();
    m_levelAndMoney->setVisible(m_moneyColumnFound);
    splitData();
    m_extraGrid->show();
    m_dataGrid->show();
    setGridHeader(*m_dataGrid, kDataHeaders, kDataWidths);
    loadQuests(guid);
    loadItems(guid);
    loadSpells(guid);
}

void CharacterDetails::copyKeyFields(const StringGrid& list, int row) {
    m_guid->setText(list.cell(0, row));
    m_account->setText(list.cell(1, row));
    m_name->setText(list.cell(2, row));
    m_atLogin->setText(list.cell(6, row));
    const int word = toInteger(list.cell(6, row));
    m_renameBox->setChecked(word & kRenameBit);
    m_resetSpellsBox->setChecked(word & kResetSpellsBit);
    m_resetTalentsBox->setChecked(word & kResetTalentsBit);
}

void CharacterDetails::loadFullRow(const QString& guid) {
    // A failed statement has no fields: the grid then shows its header and
    // one empty row.
    const bool ok = m_context.run(stm::fullRow(guid));
    m_fullRowFields = ok ? m_context.fieldCount() : 0;
    const bool found = ok && m_context.rowCount() > 0;
    m_extraGrid->setColCount(3);
    m_extraGrid->setRowCount(m_fullRowFields + 1);
    if (m_fullRowFields == 0)
        m_extraGrid->clearRow(1);
    setGridHeader(*m_extraGrid, kExtraHeaders, kExtraWidths);
    for (int field = 0; field < m_fullRowFields; ++field)
        m_extraGrid->setCell(2, field + 1, found ? m_context.value(0, field) : QString());
}

void CharacterDetails::loadColumnNames() {
    const bool ok = m_context.run(stm::columnNames());
    m_moneyColumnFound = false;
    if (!ok || m_fullRowFields == 0) {
        // Without the names nothing is known of the row: the block stays hidden
        // and the online warning is taken down.
        for (int row = 1; row <= m_fullRowFields; ++row) {
            m_extraGrid->setCell(0, row, QString());
            m_extraGrid->setCell(1, row, QString());
        }
        m_onlineWarning->hide();
        return;
    }
    const int names = std::min(m_context.rowCount(), m_fullRowFields);
    for (int r = 0; r < names; ++r) {
        const QString name = m_context.value(r, 0);
        m_extraGrid->setCell(1, r + 1, name);
        m_extraGrid->setCell(0, r + 1, QString::number(r + 1));
        applyColumnValue(name.toLower(), m_extraGrid->cell(2, r + 1));
    }
}

void CharacterDetails::applyColumnValue(const QString& name, const QString& value) {
    if (name == QLatin1String("money")) {
        m_moneyColumnFound = true;
        m_money->setText(value);
    } else if (name == QLatin1String("level")) {
        m_level->setText(value);
    } else if (name == QLatin1String("gender")) {
        m_gender->setText(value);
    } else if (name == QLatin1String("race")) {
        m_race->setEditText(value);
    } else if (name == QLatin1String("class")) {
        m_class->setEditText(value);
    } else if (name == QLatin1String("online")) {
        m_onlineWarning->setVisible(value == QLatin1String("1"));
    }
}

void CharacterDetails::splitData() {
    // The packed field block is the table's third column.
    const QStringList values = stm::dataValues(m_extraGrid->cell(2, 3));
    m_dataGrid->setRowCount(values.size() + 2);
    for (int n = 1; n <= values.size(); ++n) {
        m_dataGrid->setCell(0, n, QString::number(n));
        m_dataGrid->setCell(1, n, QString());
        m_dataGrid->setCell(2, n, values[n - 1]);
    }
    // The last row is the empty one, even when the previous character had
    // more values.
    m_dataGrid->clearRow(values.size() + 1);
}

void CharacterDetails::loadQuests(const QString& guid) {
    const bool ok = m_context.run(stm::quests(m_context.databaseName(Database::Characters),
                                              m_context.databaseName(Database::Mangos), guid));
    const int rows = ok ? m_context.rowCount() : 0;
    m_questsFound->setText(QStringLiteral("Найдено: ") + QString::number(rows));
    fillDetailList(*m_questGrid, kQuestHeaders, kQuestWidths, kNoQuests, rows, [this](int r) {
        for (int field = 0; field < 7; ++field)
            m_questGrid->setCell(field, r + 1, receivedValue(m_context, r, field));
    });
}

void CharacterDetails::loadItems(const QString& guid) {
    const bool ok = m_context.run(stm::items(m_context.databaseName(Database::Characters),
                                             m_context.databaseName(Database::Mangos),
                                             trimControls(m_links.localeNumber()), guid));
    const int rows = ok ? m_context.rowCount() : 0;
    fillDetailList(*m_itemGrid, kItemHeaders, kItemWidths, kNoItems, rows, [this](int r) {
        m_itemGrid->setCell(0, r + 1, QString::number(r + 1));
        for (int field = 1; field < 6; ++field)
            m_itemGrid->setCell(field, r + 1, receivedValue(m_context, r, field));
        m_itemGrid->setCell(6, r + 1, m_context.value(r, 6));
    });
}

void CharacterDetails::loadSpells(const QString& guid) {
    const bool ok = m_context.run(stm::spells(m_context.databaseName(Database::Characters), guid));
    const int rows = ok ? m_context.rowCount() : 0;
    fillDetailList(*m_spellGrid, kSpellHeaders, kSpellWidths, kNoSpells, rows, [this](int r) {
        m_spellGrid->setCell(0, r + 1, QString::number(r + 1));
        for (int field = 0; field < 3; ++field)
            m_spellGrid->setCell(field + 1, r + 1, receivedValue(m_context, r, field));
    });
}

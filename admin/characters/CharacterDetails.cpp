#include "characters/CharacterDetails.h"

#include "FramedPanel.h"
#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "characters/CharacterCodes.h"
#include "characters/CharacterStatements.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "common/WindowLinks.h"
#include "schema/Schemas.h"
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
    grid.setColCount(int(headers.size()));
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

// The sub-pages of the panel.
constexpr int kQuestsTab = 3;
constexpr int kSpellsTab = 4;
constexpr int kItemsTab = 5;

// Whether an online value says the character is in the game.
bool inGame(const QString& online) {
    return !trimControls(online).isEmpty() && trimControls(online) != QLatin1String("0");
}

// Enables a control, or disables it with a tooltip that names what the
// database lacks.
void offerIf(QWidget* control, bool available, const QStringList& missing) {
    control->setEnabled(available);
    control->setToolTip(available ? QString() : boxes::lackedNotionTip(missing));
}

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
    const schema::CharacterSchema s = m_context.schemas().characters();
    if (col >= 1 && row >= 1)
        copyKeyFields(s, list, row);

    const bool switched = m_context.switchDatabase(Database::Characters);
    m_extraGrid->hide();
    m_dataGrid->hide();
    if (!switched)
        return;

    const schema::WorldSchema w = m_context.schemas().world();
    offerWhatTheSchemaHas(s, w);
    const QString guid = trimControls(m_guid->text());
    loadFullRow(s, guid);
    loadColumnNames(s);
    m_levelAndMoney->setVisible(m_moneyColumnFound);
    fillDataPage(s);
    m_extraGrid->show();
    m_dataGrid->show();
    setGridHeader(*m_dataGrid, kDataHeaders, kDataWidths);
    loadQuests(s, w, guid);
    loadItems(s, w, guid);
    loadSpells(s, guid);
}

void CharacterDetails::copyKeyFields(const schema::CharacterSchema& s, const StringGrid& list,
                                     int row) {
    m_guid->setText(list.cell(0, row));
    m_account->setText(list.cell(1, row));
    m_name->setText(list.cell(2, row));
    m_loadedName = list.cell(2, row);
    // Until the full row says otherwise.
    m_online = inGame(list.cell(5, row));
    m_atLogin->setText(list.cell(6, row));
    // Empty where the database has no at-login column.
    const QString atLogin = list.cell(6, row);
    const int word = trimControls(atLogin).isEmpty() ? 0 : toInteger(atLogin);
    const schema::AtLoginFlags& flags = s.atLoginFlags;
    m_renameBox->setChecked(flags.rename != 0 && (word & flags.rename));
    m_resetSpellsBox->setChecked(flags.resetSpells != 0 && (word & flags.resetSpells));
    m_resetTalentsBox->setChecked(flags.resetTalents != 0 && (word & flags.resetTalents));
}

void CharacterDetails::offerWhatTheSchemaHas(const schema::CharacterSchema& s,
                                             const schema::WorldSchema& w) {
    const schema::CharacterTable& c = s.characters;
    const QStringList lacking = s.missingOf({c.table});
    offerIf(m_moveButton, c.account.has(), lacking);
    offerIf(m_renameButton, c.name.has(), lacking);
    for (QWidget* control :
         {static_cast<QWidget*>(m_atLoginButton), static_cast<QWidget*>(m_renameBox),
          static_cast<QWidget*>(m_resetSpellsBox), static_cast<QWidget*>(m_resetTalentsBox)})
        offerIf(control, c.atLogin.has(), lacking);
    offerIf(m_levelButton, c.level.has(), lacking);
    offerIf(m_genderButton, c.gender.has(), lacking);
    offerIf(m_moneyButton, c.money.has(), lacking);
    offerIf(m_richButton, c.money.has(), lacking);
    const auto offerTab = [this](int tab, bool available, const QStringList& missing) {
        setTabEnabled(tab, available);
        setTabToolTip(tab, available ? QString() : boxes::lackedNotionTip(missing));
    };
    offerTab(kQuestsTab, s.quests.present && w.quests.present,
             s.missingOf({s.quests.table, s.quests.rewardedTable}) + w.missing);
    offerTab(kSpellsTab, s.spells.present, s.missingOf({s.spells.table}));
    offerTab(kItemsTab, s.inventory.present && w.items.present,
             s.missingOf({s.inventory.table, s.inventory.instanceTable}) + w.missing);
}

void CharacterDetails::loadFullRow(const schema::CharacterSchema& s, const QString& guid) {
    // A failed statement has no fields: the grid then shows its header and
    // one empty row.
    const bool ok = runDetail(stm::fullRow(s, guid), u"строка");
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

void CharacterDetails::loadColumnNames(const schema::CharacterSchema& s) {
    const bool ok = runDetail(stm::columnNames(s), u"столбцы");
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
        applyColumnValue(s, name, m_extraGrid->cell(2, r + 1));
    }
}

void CharacterDetails::applyColumnValue(const schema::CharacterSchema& s, const QString& name,
                                        const QString& value) {
    const schema::CharacterTable& c = s.characters;
    const auto is = [&name](const schema::Field& field) {
        return field.has() && name.compare(field.write, Qt::CaseInsensitive) == 0;
    };
    if (is(c.money)) {
        m_moneyColumnFound = true;
        m_money->setText(value);
    } else if (is(c.level)) {
        m_level->setText(value);
    } else if (is(c.gender)) {
        m_gender->setText(value);
    } else if (is(c.race)) {
        m_race->setEditText(value);
    } else if (is(c.characterClass)) {
        m_class->setEditText(value);
    } else if (is(c.online)) {
        m_online = inGame(value);
        m_onlineWarning->setVisible(m_online);
    }
}

int CharacterDetails::rowOfColumn(const QString& column) const {
    for (int row = 1; row <= m_fullRowFields; ++row) {
        if (m_extraGrid->cell(1, row).compare(column, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

void CharacterDetails::fillDataPage(const schema::CharacterSchema& s) {
    if (s.characters.data.has())
        splitData(s);
    else
        listNamedValues(s);
}

void CharacterDetails::splitData(const schema::CharacterSchema& s) {
    // The packed field block; the table's third column where the names are
    // not known.
    const int row = rowOfColumn(s.characters.data.write);
    const QStringList values = stm::dataValues(m_extraGrid->cell(2, row > 0 ? row : 3));
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

void CharacterDetails::listNamedValues(const schema::CharacterSchema& s) {
    QList<std::pair<QString, QString>> shown;
    for (const stm::NamedValue& named : stm::namedValues(s)) {
        const int row = rowOfColumn(named.column);
        if (row > 0)
            shown.append({named.label + QStringLiteral(" (") + named.column + QLatin1Char(')'),
                          m_extraGrid->cell(2, row)});
    }
    m_dataGrid->setRowCount(int(shown.size()) + 2);
    for (int n = 1; n <= shown.size(); ++n) {
        m_dataGrid->setCell(0, n, QString::number(n));
        m_dataGrid->setCell(1, n, shown[n - 1].first);
        m_dataGrid->setCell(2, n, shown[n - 1].second);
    }
    m_dataGrid->clearRow(int(shown.size()) + 1);
}

bool CharacterDetails::runDetail(const QString& statement, const char16_t* what) {
    if (m_context.run(statement))
        return true;
    m_context.log(QStringLiteral("Персонаж ") + trimControls(m_guid->text()) +
                  QStringLiteral(": не прочитаны ") + QString::fromUtf16(what) +
                  QStringLiteral(" (") + m_context.lastError() + QLatin1Char(')'));
    return false;
}

void CharacterDetails::loadQuests(const schema::CharacterSchema& s, const schema::WorldSchema& w,
                                  const QString& guid) {
    const bool ok = s.quests.present && w.quests.present &&
                    runDetail(stm::quests(s, w, m_context.databaseName(Database::Characters),
                                          m_context.databaseName(Database::Mangos), guid),
                              u"квесты");
    const int rows = ok ? m_context.rowCount() : 0;
    m_questsFound->setText(QStringLiteral("Найдено: ") + QString::number(rows));
    fillDetailList(*m_questGrid, kQuestHeaders, kQuestWidths, kNoQuests, rows, [this](int r) {
        for (int field = 0; field < 7; ++field)
            m_questGrid->setCell(field, r + 1, receivedValue(m_context, r, field));
    });
}

void CharacterDetails::loadItems(const schema::CharacterSchema& s, const schema::WorldSchema& w,
                                 const QString& guid) {
    const bool ok = s.inventory.present && w.items.present &&
                    runDetail(stm::items(s, w, m_context.databaseName(Database::Characters),
                                         m_context.databaseName(Database::Mangos),
                                         trimControls(m_links.localeNumber()), guid),
                              u"вещи");
    const int rows = ok ? m_context.rowCount() : 0;
    fillDetailList(*m_itemGrid, kItemHeaders, kItemWidths, kNoItems, rows, [this](int r) {
        m_itemGrid->setCell(0, r + 1, QString::number(r + 1));
        for (int field = 1; field < 6; ++field)
            m_itemGrid->setCell(field, r + 1, receivedValue(m_context, r, field));
        m_itemGrid->setCell(6, r + 1, m_context.value(r, 6));
    });
}

void CharacterDetails::loadSpells(const schema::CharacterSchema& s, const QString& guid) {
    QStringList headers = {QStringLiteral("№"), QStringLiteral("Заклинание")};
    QList<int> widths = {40, 100};
    QStringList noData = {QStringLiteral("0"), QStringLiteral("нет данных")};
    for (const schema::ShownColumn& shown : s.spells.shown) {
        headers << shown.header;
        widths << 50;
        noData << QStringLiteral("-");
    }
    const bool ok = s.spells.present &&
                    runDetail(stm::spells(s, m_context.databaseName(Database::Characters), guid),
                              u"заклинания");
    const int rows = ok ? m_context.rowCount() : 0;
    const int fields = int(headers.size()) - 1;
    fillDetailList(*m_spellGrid, headers, widths, noData, rows, [this, fields](int r) {
        m_spellGrid->setCell(0, r + 1, QString::number(r + 1));
        for (int field = 0; field < fields; ++field)
            m_spellGrid->setCell(field + 1, r + 1, receivedValue(m_context, r, field));
    });
}

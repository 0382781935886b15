#include "realm/RealmListPanel.h"

#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "common/ListReadFailure.h"
#include "common/MessageTexts.h"
#include "common/MissingColumns.h"
#include "common/QueryConventions.h"
#include "journal/UndoScope.h"
#include "schema/Schemas.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Column = RealmColumn;

// Column 0 keeps the grid's default width.
constexpr int kWidths[kRealmColumnCount] = {0,   170, 100, 60,  30,  30, 55,
                                            110, 60,  60,  110, 100, 100};

constexpr int kControlsHeight = 78;
constexpr int kSecondRowHeight = 42;

// Where the edit of a column stands; its caption stands above it.
struct Placement {
    const char* name;
    int x;
    int width;
    const char* caption; // empty: the column's name
};
// The first nine in the first row, the four of today's lists in the second.
constexpr Placement kPlacements[kRealmColumnCount] = {
        {"dxDNEdit24", 8, 40, ""},
        {"dxDNEdit25", 52, 150, ""},
        {"dxDNEdit26", 206, 100, ""},
        {"dxDNEdit27", 310, 50, ""},
        {"dxDNEdit28", 364, 36, ""},
        {"dxDNEdit29", 404, 36, ""},
        {"dxDNEdit30", 444, 52, ""},
        {"dxDNEdit31", 500, 120, ""},
        {"dxDNEdit32", 624, 64, ""},
        {"realmFlagsEdit", 8, 60, "Флаги"},
        {"realmBuildsEdit", 72, 150, "Сборки клиента"},
        {"realmLocalAddressEdit", 226, 120, "Локальный адрес"},
        {"realmLocalSubnetMaskEdit", 350, 120, "Маска локальной сети"},
};
constexpr int kFirstRowColumns = 9;

// The 2010 names of the first nine columns, which caption their edits.
const char* const kNames[kFirstRowColumns] = {
        "id",        "name", "address", "port", "icon", "color", "timezone", "allowedSecurityLevel",
        "population"};

} // namespace

RealmListPanel::RealmListPanel(QueryContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("realmListPanel"));
    auto* controls = new QWidget(this);
    controls->setFixedHeight(kControlsHeight);
    m_secondRow = new QWidget(this);
    m_secondRow->setObjectName(QStringLiteral("realmSecondRow"));
    m_secondRow->setFixedHeight(kSecondRowHeight);
    m_secondRow->hide();

    for (int col = 0; col < kRealmColumnCount; ++col) {
        const Placement& place = kPlacements[col];
        QWidget* row = col < kFirstRowColumns ? controls : m_secondRow;
        const QString caption = col < kFirstRowColumns ? QLatin1String(kNames[col])
                                                       : QString::fromUtf8(place.caption);
        m_captions[col] = placeLabel(row, caption, place.x, 4, place.width + 4);
        m_edits[col] = placeEdit(row, place.name, place.x, 21, place.width);
    }
    for (Column col : {Column::Id, Column::SecurityLevel, Column::Population})
        makeReadOnlyTinted(m_edits[int(col)]);
    for (Column col : {Column::Address, Column::LocalAddress, Column::LocalSubnetMask})
        installDigitsAndDotFilter(m_edits[int(col)]);
    for (Column col : {Column::Port, Column::Icon, Column::Color, Column::Timezone, Column::Flags})
        installDigitsOnlyFilter(m_edits[int(col)]);

    const struct {
        const char* name;
        const char* caption;
        void (RealmListPanel::*handler)();
    } buttons[] = {
            {"dxButton22", "Обновить", nullptr},
            {"dxButton23", "Новый", &RealmListPanel::insertRealm},
            {"dxButton24", "Записать", &RealmListPanel::writeRealm},
            {"dxButton25", "Удалить", &RealmListPanel::deleteRealm},
            {"dxButton26", "Очистить", &RealmListPanel::clearEdits},
    };
    int x = 8;
    for (const auto& button : buttons) {
        QPushButton* control =
                placeButton(controls, button.name, QString::fromUtf8(button.caption), x, 48, 80);
        if (button.handler)
            connect(control, &QPushButton::clicked, this,
                    guardedHandler(m_context, this, button.handler));
        else
            connect(control, &QPushButton::clicked, this,
                    [this] { m_context.guarded([this] { refresh(); }); });
        x += 84;
    }

    m_grid = new StringGrid(this);
    m_grid->setObjectName(QStringLiteral("StringGrid5"));
    m_grid->setColCount(kFirstRowColumns);
    m_grid->setRowCount(2);
    m_grid->setDefaultRowHeight(20);
    connect(m_grid, &StringGrid::cellSelected, this, [this](int col, int row) {
        m_context.guarded([this, col, row] { selectRealm(col, row); });
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(controls);
    layout->addWidget(m_secondRow);
    layout->addWidget(m_grid, 1);
}

const schema::RealmSchema& RealmListPanel::realms() const {
    return m_context.schemas().login().realms;
}

void RealmListPanel::showColumnsOf(const schema::RealmSchema& description) {
    m_columns = realmsql::columns(description);
    bool secondRow = false;
    for (int col = 0; col < kRealmColumnCount; ++col) {
        const schema::Field& field = realmsql::field(description, Column(col));
        // The first row keeps its nine edits where the family lacks a column
        // of it (the 2010 page as it was), color aside.
        const bool shown =
                col < kFirstRowColumns && Column(col) != Column::Color ? true : field.has();
        m_edits[col]->setVisible(shown);
        m_captions[col]->setVisible(shown);
        if (!shown)
            m_edits[col]->clear();
        if (col >= kFirstRowColumns) {
            secondRow = secondRow || shown;
            m_edits[col]->setToolTip(field.writable() ? field.write : QString());
        }
    }
    m_secondRow->setVisible(secondRow);
}

void RealmListPanel::prepareGridHeader() {
    const schema::RealmSchema& description = realms();
    if (m_columns.isEmpty())
        m_columns = realmsql::columns(description);
    QStringList titles;
    QList<int> widths;
    for (Column column : m_columns) {
        const schema::Field& field = realmsql::field(description, column);
        titles << (field.writable() ? field.write : field.read);
        widths << kWidths[int(column)];
    }
    setGridHeader(*m_grid, titles, widths);
}

bool RealmListPanel::refresh() {
    const schema::RealmSchema& description = realms();
    showColumnsOf(description);
    if (!readList(m_context, Database::Realmd, realmsql::listSelect(description),
                  QStringLiteral("список реалмов")))
        return false;
    m_grid->setColCount(m_context.fieldCount());
    prepareGridRows(*m_grid, m_context.rowCount());
    m_grid->hide();
    prepareGridHeader();
    fillGridFromResult(m_context, *m_grid);
    m_grid->show();
    return true;
}

void RealmListPanel::selectRealm(int col, int row) {
    if (col < 1 || row < 1)
        return;
    for (int c = 0; c < int(m_columns.size()); ++c)
        m_edits[int(m_columns[c])]->setText(m_grid->cell(c, row));
}

void RealmListPanel::insertRealm() {
    const RealmFields before = fields();
    m_edits[int(Column::Population)]->setText(QStringLiteral("0"));
    m_edits[int(Column::SecurityLevel)]->setText(QStringLiteral("0"));
    RealmFields realm = fields();
    applyRealmDefaults(realm);
    showFields(realm);
    const schema::RealmSchema& description = realms();
    if (refusedForMissingColumns(m_context, {&description.name, &description.address},
                                 m_context.schemas().login().missing)) {
        showFields(before);
        return;
    }
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!m_context.runChange(realmsql::insert(realm, m_context.quoting(), description))) {
        showFields(before);
        return;
    }
    refresh();
}

void RealmListPanel::writeRealm() {
    if (m_edits[int(Column::Id)]->text().isEmpty())
        return;
    const RealmFields before = fields();
    RealmFields realm = fields();
    applyRealmDefaults(realm);
    showFields(realm);
    const schema::RealmSchema& description = realms();
    if (refusedForMissingColumns(m_context, {&description.id, &description.name},
                                 m_context.schemas().login().missing)) {
        showFields(before);
        return;
    }
    const QString statement = realmsql::update(realm, m_context.quoting(), description);
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!runUndoableChange(m_context, QStringLiteral("realm-write"),
                           realmsql::updateUndo(realm.id, realm, description), statement)) {
        showFields(before);
        return;
    }
    refresh();
}

void RealmListPanel::deleteRealm() {
    const QString id = m_edits[int(Column::Id)]->text();
    if (id.isEmpty())
        return;
    if (!confirm(m_context.dialogs(), boxes::kDeleteRealm))
        return;
    const schema::RealmSchema& description = realms();
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    const QString statement = realmsql::remove(id, description);
    if (!runUndoableChanges(m_context, QStringLiteral("realm-delete"),
                            realmsql::removeUndoTargets(id, description), {statement}))
        return;
    refresh();
}

void RealmListPanel::clearEdits() {
    for (QLineEdit* edit : m_edits)
        edit->clear();
}

RealmFields RealmListPanel::fields() const {
    RealmFields realm;
    for (int col = 0; col < kRealmColumnCount; ++col)
        realmValue(realm, Column(col)) = m_edits[col]->text();
    return realm;
}

void RealmListPanel::showFields(const RealmFields& realm) {
    for (int col = 0; col < kRealmColumnCount; ++col) {
        const QString& value = realmValue(realm, Column(col));
        if (m_edits[col]->text() != value)
            m_edits[col]->setText(value);
    }
}

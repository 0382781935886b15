#include "realm/RealmListPanel.h"

#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "journal/UndoScope.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList kTitles = {QStringLiteral("id"),        QStringLiteral("name"),
                             QStringLiteral("address"),   QStringLiteral("port"),
                             QStringLiteral("icon"),      QStringLiteral("color"),
                             QStringLiteral("timezone"),  QStringLiteral("allowedSecurityLevel"),
                             QStringLiteral("population")};
// Column 0 keeps the grid's default width.
const QList<int> kWidths = {0, 170, 100, 60, 30, 30, 55, 110, 60};

enum Column { Id, Name, Address, Port, Icon, Color, Timezone, SecurityLevel, Population };

constexpr int kControlsHeight = 78;

} // namespace

RealmListPanel::RealmListPanel(QueryContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("realmListPanel"));
    auto* controls = new QWidget(this);
    controls->setFixedHeight(kControlsHeight);

    const struct {
        const char* name;
        int x;
        int width;
    } edits[] = {
            {"dxDNEdit24", 8, 40},   {"dxDNEdit25", 52, 150},  {"dxDNEdit26", 206, 100},
            {"dxDNEdit27", 310, 50}, {"dxDNEdit28", 364, 36},  {"dxDNEdit29", 404, 36},
            {"dxDNEdit30", 444, 52}, {"dxDNEdit31", 500, 120}, {"dxDNEdit32", 624, 64},
    };
    for (int col = 0; col < 9; ++col) {
        placeLabel(controls, kTitles[col], edits[col].x, 4, edits[col].width + 4);
        m_edits[col] = placeEdit(controls, edits[col].name, edits[col].x, 21, edits[col].width);
    }
    for (int col : {Id, SecurityLevel, Population})
        makeReadOnlyTinted(m_edits[col]);
    installDigitsAndDotFilter(m_edits[Address]);
    for (int col : {Port, Icon, Color, Timezone})
        installDigitsOnlyFilter(m_edits[col]);

    const struct {
        const char* name;
        const char* caption;
        void (RealmListPanel::*handler)();
    } buttons[] = {
            {"dxButton22", "Обновить", &RealmListPanel::refresh},
            {"dxButton23", "Новый", &RealmListPanel::insertRealm},
            {"dxButton24", "Записать", &RealmListPanel::writeRealm},
            {"dxButton25", "Удалить", &RealmListPanel::deleteRealm},
            {"dxButton26", "Очистить", &RealmListPanel::clearEdits},
    };
    int x = 8;
    for (const auto& button : buttons) {
        QPushButton* control =
                placeButton(controls, button.name, QString::fromUtf8(button.caption), x, 48, 80);
        connect(control, &QPushButton::clicked, this,
                guardedHandler(m_context, this, button.handler));
        x += 84;
    }

    m_grid = new StringGrid(this);
    m_grid->setObjectName(QStringLiteral("StringGrid5"));
    m_grid->setColCount(9);
    m_grid->setRowCount(2);
    m_grid->setDefaultRowHeight(20);
    connect(m_grid, &StringGrid::cellSelected, this, [this](int col, int row) {
        m_context.guarded([this, col, row] { selectRealm(col, row); });
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(controls);
    layout->addWidget(m_grid, 1);
}

void RealmListPanel::prepareGridHeader() {
    setGridHeader(*m_grid, kTitles, kWidths);
}

void RealmListPanel::refresh() {
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!m_context.run(realmsql::listSelect()))
        return;
    m_grid->setColCount(m_context.fieldCount());
    prepareGridRows(*m_grid, m_context.rowCount());
    m_grid->hide();
    prepareGridHeader();
    fillGridFromResult(m_context, *m_grid);
    m_grid->show();
}

void RealmListPanel::selectRealm(int col, int row) {
    if (col < 1 || row < 1)
        return;
    for (int c = 0; c < int(m_edits.size()); ++c)
        m_edits[c]->setText(m_grid->cell(c, row));
}

void RealmListPanel::insertRealm() {
    const RealmFields before = fields();
    m_edits[Population]->setText(QStringLiteral("0"));
    m_edits[SecurityLevel]->setText(QStringLiteral("0"));
    RealmFields realm = fields();
    applyRealmDefaults(realm);
    showFields(realm);
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!m_context.runChange(realmsql::insert(realm, m_context.quoting()))) {
        showFields(before);
        return;
    }
    refresh();
}

void RealmListPanel::writeRealm() {
    if (m_edits[Id]->text().isEmpty())
        return;
    const RealmFields before = fields();
    RealmFields realm = fields();
    applyRealmDefaults(realm);
    showFields(realm);
    const QString statement = realmsql::update(realm, m_context.quoting());
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!runUndoableChange(m_context, QStringLiteral("realm-write"), realmsql::updateUndo(realm.id),
                           statement)) {
        showFields(before);
        return;
    }
    refresh();
}

void RealmListPanel::deleteRealm() {
    const QString id = m_edits[Id]->text();
    if (id.isEmpty())
        return;
    if (!confirm(m_context.dialogs(), boxes::kDeleteRealm))
        return;
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!runUndoableChange(m_context, QStringLiteral("realm-delete"), realmsql::removeUndo(id),
                           realmsql::remove(id)))
        return;
    refresh();
}

void RealmListPanel::clearEdits() {
    for (QLineEdit* edit : m_edits)
        edit->clear();
}

RealmFields RealmListPanel::fields() const {
    return {m_edits[Id]->text(),       m_edits[Name]->text(),          m_edits[Address]->text(),
            m_edits[Port]->text(),     m_edits[Icon]->text(),          m_edits[Color]->text(),
            m_edits[Timezone]->text(), m_edits[SecurityLevel]->text(), m_edits[Population]->text()};
}

void RealmListPanel::showFields(const RealmFields& realm) {
    const QString values[] = {
            realm.id,        realm.name,  realm.address,  realm.port,
            realm.icon,      realm.color, realm.timezone, realm.allowedSecurityLevel,
            realm.population};
    for (int c = 0; c < int(m_edits.size()); ++c) {
        if (m_edits[c]->text() != values[c])
            m_edits[c]->setText(values[c]);
    }
}

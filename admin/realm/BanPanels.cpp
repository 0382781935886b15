#include "realm/BanPanels.h"

#include "GridMenu.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "accounts/AccountStatements.h"
#include "common/ListReadFailure.h"
#include "common/MissingColumns.h"
#include "common/QueryConventions.h"
#include "common/WindowLinks.h"
#include "journal/UndoScope.h"
#include "realm/BanStatements.h"
#include "schema/Schemas.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kControlsHeight = 74;

const QList<int> kIpBanWidths = {0, 100, 120, 120, 80, 210};
const QList<int> kAccountBanWidths = {0, 120, 120, 80, 210, 40};

// The grid of a ban list: hidden until its first refresh, rows 20 pixels.
StringGrid* makeBanGrid(QWidget* parent, const char* name) {
    auto* grid = new StringGrid(parent);
    grid->setObjectName(QLatin1String(name));
    grid->setColCount(6);
    grid->setRowCount(2);
    grid->setDefaultRowHeight(20);
    grid->hide();
    return grid;
}

// The panel's controls above, its grid below; the frame stays visible.
void layOutBanPanel(QWidget* panel, QWidget* controls, StringGrid* grid) {
    controls->setFixedHeight(kControlsHeight);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(controls);
    layout->addWidget(grid, 1);
}

QLineEdit* placeBanField(QWidget* parent, const char* name, const char* placeholder, int x, int y,
                         int width) {
    QLineEdit* edit = placeEdit(parent, name, x, y, width);
    edit->setPlaceholderText(QLatin1String(placeholder));
    return edit;
}

} // namespace

// ---- IP bans ----------------------------------------------------------------

IpBanPanel::IpBanPanel(QueryContext& context, WindowLinks& links, QWidget* parent)
    : FramedPanel(parent, Qt::darkGray)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("ipBanPanel"));
    auto* controls = new QWidget(this);
    placeHeading(controls, "Label55", QStringLiteral("Баны по IP"), 8, 3, 200, true);
    m_edits[0] = placeBanField(controls, "dxDNEdit37", "ip", 8, 21, 96);
    m_edits[1] = placeBanField(controls, "dxDNEdit38", "bandate", 108, 21, 80);
    m_edits[2] = placeBanField(controls, "dxDNEdit39", "unbandate", 192, 21, 80);
    m_edits[3] = placeBanField(controls, "dxDNEdit40", "bannedby", 276, 21, 86);
    for (int i = 0; i < 4; ++i)
        makeReadOnly(m_edits[i]);
    m_edits[4] = placeBanField(controls, "dxDNEdit41", "banreason", 8, 47, 201);
    QPushButton* save = placeButton(controls, "dxButton40", QStringLiteral("S"), 213, 46, 23, 23);
    save->setToolTip(QStringLiteral("Записать"));
    QPushButton* refreshButton =
            placeButton(controls, "dxButton27", QStringLiteral("Обновить"), 282, 46, 80, 23);

    m_grid = makeBanGrid(this, "StringGrid7");
    layOutBanPanel(this, controls, m_grid);

    auto* menu = new GridMenu(m_grid, QStringLiteral("ban_ip_menu"));
    menu->addItem(QStringLiteral("IP2"), QStringLiteral("Показать все аккаунты для этого IP"),
                  guardedHandler(m_context, this, &IpBanPanel::showAccountsOfIp),
                  QStyle::SP_FileDialogContentsView);
    menu->addItem(QStringLiteral("N5"), QStringLiteral("Удалить этот БАН"),
                  guardedHandler(m_context, this, &IpBanPanel::deleteBan), QStyle::SP_TrashIcon);

    connect(refreshButton, &QPushButton::clicked, this,
            [this] { m_context.guarded([this] { refresh(); }); });
    connect(save, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &IpBanPanel::saveReason));
    connect(m_grid, &StringGrid::cellSelected, this, [this](int col, int row) {
        m_context.guarded([this, col, row] { selectBan(col, row); });
    });
}

const schema::IpBanSchema& IpBanPanel::bans() const {
    return m_context.schemas().login().ipBans;
}

bool IpBanPanel::refresh() {
    const schema::IpBanSchema& description = bans();
    const QStringList titles = bansql::ipBanTitles(description);
    if (!readList(m_context, Database::Realmd, bansql::ipBanSelect(description),
                  QStringLiteral("список банов по IP")))
        return false;
    for (int i = 0; i < 4; ++i)
        m_edits[i]->setPlaceholderText(titles[i]);
    m_edits[4]->setPlaceholderText(titles[4]);
    const int rows = m_context.rowCount();
    m_grid->setColCount(m_context.fieldCount() + 1);
    prepareGridRows(*m_grid, rows);
    m_grid->hide();
    setGridHeader(*m_grid, QStringList{QStringLiteral("№")} + titles, kIpBanWidths);
    for (int row = 1; row <= rows; ++row)
        m_grid->setCell(0, row, QString::number(row));
    fillGridFromResult(m_context, *m_grid, 1);
    m_grid->show();
    return true;
}

void IpBanPanel::selectBan(int col, int row) {
    m_grid->setHint(m_grid->cell(col, row));
    if (col < 1 || row < 1)
        return;
    for (int i = 0; i < 5; ++i)
        m_edits[i]->setText(m_grid->cell(i + 1, row));
    m_selectedReason = m_edits[4]->text();
}

void IpBanPanel::saveReason() {
    if (m_edits[4]->text() == m_selectedReason) {
        refresh();
        return;
    }
    const schema::IpBanSchema& description = bans();
    if (refusedForMissingColumns(m_context, {&description.ip, &description.reason},
                                 m_context.schemas().login().missing))
        return;
    const QString statement = bansql::saveIpBanReason(m_edits[0]->text(), m_edits[4]->text(),
                                                      m_context.quoting(), description);
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!runUndoableChange(
                m_context, QStringLiteral("ip-ban-reason"),
                bansql::saveIpBanReasonUndo(m_edits[0]->text(), m_context.quoting(), description),
                statement))
        return;
    m_selectedReason = m_edits[4]->text();
    refresh();
}

void IpBanPanel::deleteBan() {
    const QString ip = m_edits[0]->text();
    if (ip.isEmpty())
        return;
    const schema::IpBanSchema& description = bans();
    if (refusedForMissingColumns(m_context, {&description.ip}, m_context.schemas().login().missing))
        return;
    if (m_context.switchDatabase(Database::Realmd) &&
        !runUndoableChange(m_context, QStringLiteral("ip-ban-delete"),
                           bansql::deleteIpBanUndo(ip, m_context.quoting(), description),
                           bansql::deleteIpBan(ip, m_context.quoting(), description)))
        return;
    refresh();
}

void IpBanPanel::showAccountsOfIp() {
    m_links.accountLookup(accountsql::accountsWithLastIpFilter(
            m_context.schemas().login(), m_edits[0]->text(), m_context.quoting()));
}

// ---- Account bans -------------------------------------------------------------

AccountBanPanel::AccountBanPanel(QueryContext& context, WindowLinks& links, QWidget* parent)
    : FramedPanel(parent, Qt::darkGray)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("accountBanPanel"));
    auto* controls = new QWidget(this);
    placeHeading(controls, "Label56", QStringLiteral("Забаненные аккаунты"), 8, 3, 170, true);
    m_onlyActive = placeCheckBox(controls, "dxCheckbox9",
                                 QStringLiteral("показать только активные"), 8, 48, 190, 18);
    m_onlyActive->setChecked(true);
    m_id = placeBanField(controls, "dxDNEdit42", "id", 8, 21, 49);
    m_active = placeBanField(controls, "dxDNEdit43", "", 61, 21, 25);
    m_banDate = placeBanField(controls, "dxDNEdit44", "bandate", 90, 21, 121);
    for (QLineEdit* edit : {m_id, m_active, m_banDate})
        makeReadOnly(edit);
    QPushButton* refreshButton =
            placeButton(controls, "dxButton32", QStringLiteral("Обновить"), 282, 46, 80, 23);

    m_grid = makeBanGrid(this, "StringGrid6");
    layOutBanPanel(this, controls, m_grid);

    auto* menu = new GridMenu(m_grid, QStringLiteral("acc_ban_menu"));
    menu->addItem(QStringLiteral("N7"), QStringLiteral("Показать аккаунт"),
                  guardedHandler(m_context, this, &AccountBanPanel::showAccount),
                  QStyle::SP_FileDialogInfoView);
    menu->addItem(QStringLiteral("N8"), QStringLiteral("Найти все персонажи этого аккаунта"),
                  guardedHandler(m_context, this, &AccountBanPanel::showCharacters),
                  QStyle::SP_FileDialogDetailedView);
    menu->addDivider(QStringLiteral("N17"));
    menu->addItem(QStringLiteral("N9"), QStringLiteral("Снять БАН"),
                  guardedHandler(m_context, this, &AccountBanPanel::liftBan),
                  QStyle::SP_DialogApplyButton);
    menu->addItem(QStringLiteral("N10"), QStringLiteral("Удалить запись"),
                  guardedHandler(m_context, this, &AccountBanPanel::deleteBan),
                  QStyle::SP_TrashIcon);

    connect(refreshButton, &QPushButton::clicked, this,
            [this] { m_context.guarded([this] { refresh(); }); });
    connect(m_grid, &StringGrid::cellSelected, this, [this](int col, int row) {
        m_context.guarded([this, col, row] { selectBan(col, row); });
    });
}

const schema::AccountBanSchema& AccountBanPanel::bans() const {
    return m_context.schemas().login().bans;
}

bool AccountBanPanel::refresh() {
    const schema::AccountBanSchema& description = bans();
    const QStringList titles = bansql::accountBanTitles(description);
    const QString statement = bansql::accountBanSelect(m_onlyActive->isChecked(), description);
    if (!readList(m_context, Database::Realmd, statement,
                  QStringLiteral("список забаненных аккаунтов")))
        return false;
    m_id->setPlaceholderText(titles[0]);
    m_banDate->setPlaceholderText(titles[1]);
    m_grid->setColCount(m_context.fieldCount());
    prepareGridRows(*m_grid, m_context.rowCount());
    m_grid->hide();
    setGridHeader(*m_grid, titles, kAccountBanWidths);
    fillGridFromResult(m_context, *m_grid);
    m_grid->show();
    return true;
}

void AccountBanPanel::selectBan(int col, int row) {
    m_grid->setHint(m_grid->cell(col, row));
    if (col < 1 || row < 1)
        return;
    m_id->setText(m_grid->cell(0, row));
    m_active->setText(m_grid->cell(5, row));
    m_banDate->setText(m_grid->cell(1, row));
}

void AccountBanPanel::showAccount() {
    const QString id = m_id->text();
    if (!id.isEmpty())
        m_links.accountLookup(bansql::accountByIdFilter(id));
}

void AccountBanPanel::showCharacters() {
    const QString id = m_id->text();
    if (!id.isEmpty())
        m_links.charactersOfAccount(id);
}

void AccountBanPanel::liftBan() {
    const QString id = m_id->text();
    if (id.isEmpty())
        return;
    const schema::AccountBanSchema& description = bans();
    if (refusedForMissingColumns(m_context, {&description.account, &description.active},
                                 m_context.schemas().login().missing))
        return;
    if (m_context.switchDatabase(Database::Realmd) &&
        !runUndoableChange(m_context, QStringLiteral("account-ban-lift"),
                           bansql::liftAccountBanUndo(id, description),
                           bansql::liftAccountBan(id, description)))
        return;
    refresh();
}

void AccountBanPanel::deleteBan() {
    const QString id = m_id->text();
    if (id.isEmpty())
        return;
    const schema::AccountBanSchema& description = bans();
    if (refusedForMissingColumns(m_context, {&description.account, &description.bandate},
                                 m_context.schemas().login().missing))
        return;
    if (m_context.switchDatabase(Database::Realmd) &&
        !runUndoableChange(m_context, QStringLiteral("account-ban-delete"),
                           bansql::deleteAccountBanUndo(id, m_banDate->text(), description),
                           bansql::deleteAccountBan(id, m_banDate->text(), description)))
        return;
    refresh();
}

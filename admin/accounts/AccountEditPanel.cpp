#include "accounts/AccountEditPanel.h"

#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "accounts/AccountStatements.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "journal/UndoScope.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor kFrame(0, 0, 128);
const QColor kSame(0, 128, 0);
const QColor kDifferent(255, 0, 0);
const QColor kHashStrip(232, 236, 246);

constexpr int kLeft = 8;
constexpr int kFullWidth = AccountEditPanel::kWidth - 2 * kLeft;
constexpr int kHalfWidth = (kFullWidth - 6) / 2;
constexpr int kRightColumn = kLeft + kHalfWidth + 6;

} // namespace

AccountEditPanel::AccountEditPanel(QueryContext& context, std::function<void()> refreshList,
                                   QWidget* parent)
    : FramedPanel(parent, kFrame)
    , m_context(context)
    , m_refreshList(std::move(refreshList)) {
    setObjectName(QStringLiteral("accountEditPanel"));
    setFixedWidth(kWidth);
    build();
}

void AccountEditPanel::build() {
    placeHeading(this, "Label37", QStringLiteral("Редактирование учетной записи:"), kLeft, 4,
                 kFullWidth);

    m_id = placeCaptionedEdit(this, "dxDNEdit7", QStringLiteral("id"), kLeft, 22, 66);
    m_username = placeCaptionedEdit(this, "dxDNEdit8", QStringLiteral("username"), kLeft + 72, 22,
                                    kFullWidth - 72);

    m_hash = placeCaptionedEdit(this, "dxDNEdit9", QStringLiteral("sha_pass_hash"), kLeft, 60,
                                kFullWidth);
    m_verdict = placeHeading(this, "Label80", QString(), kLeft + 96, 60, kFullWidth - 96);
    m_computedHash = placeLabel(this, QString(), kLeft, 98, kFullWidth);
    m_computedHash->setObjectName(QStringLiteral("Label16"));
    m_computedHash->setAutoFillBackground(true);
    QPalette strip = m_computedHash->palette();
    strip.setColor(QPalette::Window, kHashStrip);
    m_computedHash->setPalette(strip);

    int y = 118;
    constexpr int kRowStep = 38;
    m_gmlevel = placeCaptionedCombo(this, "ComboBox8", QStringLiteral("gmlevel"),
                                    {QStringLiteral("0 - player"), QStringLiteral("1 - moderator"),
                                     QStringLiteral("2 - gamemaster"),
                                     QStringLiteral("3 - administrator"),
                                     QStringLiteral("4 - supersdministrator")},
                                    kLeft, y, kHalfWidth);
    m_email = placeCaptionedEdit(this, "dxDNEdit11", QStringLiteral("email"), kRightColumn, y,
                                 kHalfWidth);
    y += kRowStep;
    m_joindate = placeCaptionedEdit(this, "dxDNEdit12", QStringLiteral("joindate"), kLeft, y,
                                    kHalfWidth);
    m_lastIp = placeCaptionedEdit(this, "dxDNEdit13", QStringLiteral("last_ip"), kRightColumn, y,
                                  kHalfWidth);
    installDigitsAndDotFilter(m_lastIp);
    y += kRowStep;
    m_failedLogins = placeCaptionedEdit(this, "dxDNEdit14", QStringLiteral("failed_login"), kLeft,
                                        y, kHalfWidth);
    m_locked = placeCaptionedCombo(
            this, "ComboBox9", QStringLiteral("locked"),
            {QStringLiteral("0 - не блокирован"), QStringLiteral("1 - блокирован по IP")},
            kRightColumn, y, kHalfWidth);
    y += kRowStep;
    m_lastLogin = placeCaptionedEdit(this, "dxDNEdit16", QStringLiteral("last_login"), kLeft, y,
                                     kHalfWidth);
    m_online = placeCaptionedEdit(this, "dxDNEdit20", QStringLiteral("online"), kRightColumn, y,
                                  kHalfWidth);
    m_online->setToolTip(QStringLiteral("active_realm_id"));
    y += kRowStep;
    m_expansion = placeCaptionedCombo(
            this, "ComboBox10", QStringLiteral("expantion"),
            {QStringLiteral("0 - WOW"), QStringLiteral("1 - TBC"), QStringLiteral("2 - WOTLK")},
            kLeft, y, kHalfWidth);
    m_locale = placeCaptionedCombo(this, "ComboBox11", QStringLiteral("locale"),
                                   {QStringLiteral("0 - English"), QStringLiteral("8 - Русский")},
                                   kRightColumn, y, kHalfWidth);
    // Shown only: the person cannot change these.
    for (QLineEdit* edit : {m_id, m_hash, m_joindate, m_failedLogins, m_online})
        makeReadOnlyTinted(edit);
    y += kRowStep + 4;

    auto* passwordBox = new FramedPanel(this, Qt::darkGray);
    passwordBox->setObjectName(QStringLiteral("passwordBox"));
    passwordBox->setGeometry(kLeft, y, kFullWidth, 50);
    placeLabel(passwordBox, QStringLiteral("Новый пароль"), 8, 3, 130)
            ->setObjectName(QStringLiteral("Label29"));
    m_newPassword = placeEdit(passwordBox, "dxDNEdit19", 8, 20, 124);
    m_setPassword =
            placeButton(passwordBox, "dxButton17", QStringLiteral("Установить"), 138, 19, 78, 23);
    setBold(m_setPassword);
    m_comparePassword =
            placeButton(passwordBox, "dxButton39", QStringLiteral("Сравнить"), 220, 19, 74, 23);
    setBold(m_comparePassword);
    y += 58;

    m_save = placeButton(this, "dxButton15", QStringLiteral("Сохранить"), kLeft, y, kHalfWidth);
    m_delete =
            placeButton(this, "dxButton16", QStringLiteral("Удалить"), kRightColumn, y, kHalfWidth);
    y += 32;

    m_onlineWarning =
            placeHeading(this, "Label77", QStringLiteral("ВНИМАНИЕ! Этот аккаунт в игре."), kLeft,
                         y, kFullWidth, true);
    setTextColor(m_onlineWarning, kDifferent);
    m_onlineWarning->hide();

    connect(m_save, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &AccountEditPanel::save));
    connect(m_delete, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &AccountEditPanel::deleteAccount));
    connect(m_setPassword, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &AccountEditPanel::setPassword));
    connect(m_comparePassword, &QPushButton::clicked, this,
            guardedHandler(m_context, this, &AccountEditPanel::comparePassword));
}

QString AccountEditPanel::accountId() const {
    return m_id->text();
}

QString AccountEditPanel::lastIp() const {
    return m_lastIp->text();
}

void AccountEditPanel::clearHashTexts() {
    m_computedHash->clear();
    m_verdict->clear();
}

void AccountEditPanel::fillFromRow(const StringGrid& grid, int row) {
    const std::pair<QLineEdit*, int> fields[] = {
            {m_id, 0},     {m_username, 1},     {m_hash, 2},      {m_email, 4},  {m_joindate, 5},
            {m_lastIp, 6}, {m_failedLogins, 7}, {m_lastLogin, 9}, {m_online, 10}};
    for (const auto& [edit, column] : fields)
        edit->setText(grid.cell(column, row));
    m_onlineWarning->setVisible(m_online->text() == u"1");
    const std::pair<QComboBox*, int> combos[] = {
            {m_gmlevel, 3}, {m_locked, 8}, {m_expansion, 11}, {m_locale, 12}};
    for (const auto& [combo, column] : combos)
        combo->setEditText(grid.cell(column, row));
    m_shown = edits();
    m_stored = m_shown;
}

accountsql::AccountEdits AccountEditPanel::edits() const {
    return {m_id->text(),        m_username->text(),         m_gmlevel->currentText(),
            m_email->text(),     m_lastIp->text(),           m_locked->currentText(),
            m_lastLogin->text(), m_expansion->currentText(), m_locale->currentText()};
}

void AccountEditPanel::save() {
    if (m_id->text().isEmpty())
        return;
    const accountsql::AccountEdits edited = edits();
    const accountsql::SavePlan plan = accountsql::savePlan(
            m_stored, m_shown, edited, m_newPassword->text(), m_context.quoting());
    if (plan.renameNeedsPassword) {
        showError(m_context.dialogs(), boxes::kRenameNeedsPassword);
        return;
    }
    // Nothing changed: nothing is written, the list shows the stored state.
    if (!plan.statement.isEmpty()) {
        if (!m_context.switchDatabase(Database::Realmd) ||
            !runUndoableChange(m_context, QStringLiteral("account-save"),
                               accountsql::saveUndo(plan, edited.id), plan.statement))
            return;
        m_stored = plan.stored;
        m_shown = edited;
        if (!plan.newHash.isEmpty())
            m_hash->setText(plan.newHash);
    }
    m_refreshList();
}

void AccountEditPanel::deleteAccount() {
    if (m_id->text().isEmpty())
        return;
    if (!confirm(m_context.dialogs(), boxes::kDeleteAccount))
        return;
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!runUndoableChange(m_context, QStringLiteral("account-delete"),
                           accountsql::deleteUndo(m_id->text()),
                           accountsql::deleteStatement(m_id->text())))
        return;
    m_refreshList();
}

void AccountEditPanel::setPassword() {
    if (m_username->text().isEmpty() || m_newPassword->text().isEmpty())
        return;
    if (!confirm(m_context.dialogs(), boxes::kSetPassword))
        return;
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    // The hash is that of the stored user name, as it is now on the server:
    // a new name is saved with "Сохранить", together with its password.
    const std::optional<StoredLogin> stored = readStoredLogin();
    if (!stored) {
        const QString reason = m_context.success() ? QString::fromUtf16(boxes::kAccountGone)
                                                   : m_context.lastError();
        m_context.dialogs().error(QString::fromUtf16(boxes::kChangeFailedCaption),
                                  boxes::changeFailedText(reason));
        return;
    }
    const QString hash = accountsql::passwordHash(stored->username, m_newPassword->text());
    if (!runUndoableChange(
                m_context, QStringLiteral("account-password"),
                accountsql::setPasswordUndo(m_id->text()),
                accountsql::setPasswordStatement(m_id->text(), hash, m_context.quoting())))
        return;
    m_hash->setText(hash);
    m_refreshList();
}

void AccountEditPanel::comparePassword() {
    if (m_username->text().isEmpty() || m_newPassword->text().isEmpty())
        return;
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    const std::optional<StoredLogin> stored = readStoredLogin();
    if (!stored) {
        // Without the stored login there is nothing to compare: no verdict is
        // shown rather than a false "Разные!".
        clearHashTexts();
        return;
    }
    const QString computed = accountsql::passwordHash(stored->username, m_newPassword->text());
    m_computedHash->setText(computed);
    showVerdict(accountsql::sameHash(computed, stored->hash));
}

std::optional<AccountEditPanel::StoredLogin> AccountEditPanel::readStoredLogin() {
    if (!m_context.run(accountsql::storedLoginStatement(m_id->text())) || m_context.rowCount() < 1)
        return std::nullopt;
    return StoredLogin{m_context.rawValue(0, 0), m_context.value(0, 1)};
}

void AccountEditPanel::showVerdict(bool same) {
    m_verdict->setText(same ? QStringLiteral("Совпадает!") : QStringLiteral("Разные!"));
    setTextColor(m_verdict, same ? kSame : kDifferent);
}

void AccountEditPanel::resetSessionKey() {
    if (m_username->text().isEmpty() || m_online->text() != u"0")
        return;
    if (!confirm(m_context.dialogs(), boxes::kResetSessionKey))
        return;
    const QString statement = accountsql::resetSessionKeyStatement(m_id->text());
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!runUndoableChange(m_context, QStringLiteral("account-session-key"),
                           accountsql::resetSessionKeyUndo(m_id->text()), statement))
        return;
    m_refreshList();
}

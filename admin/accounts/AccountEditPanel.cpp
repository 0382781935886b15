#include "accounts/AccountEditPanel.h"

#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "accounts/AccountNotions.h"
#include "accounts/AccountStatements.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "journal/UndoScope.h"
#include "schema/Schemas.h"
#include "schema/Srp6.h"

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

// The salt a new password is written with: random for a SRP6 store.
QByteArray newSalt(const schema::AccountSchema& account) {
    if (account.store == schema::PasswordStore::Srp6Hex ||
        account.store == schema::PasswordStore::Srp6Binary)
        return srp6::randomSalt();
    return {};
}

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

void AccountEditPanel::setColumns(const accountsql::LoginSchema& login,
                                  const QList<accountsql::ListColumn>& columns) {
    using accountsql::Column;
    m_columns = columns;
    const std::pair<QWidget*, Column> editable[] = {
            {m_username, Column::Username},   {m_gmlevel, Column::GmLevel},
            {m_email, Column::Email},         {m_lastIp, Column::LastIp},
            {m_locked, Column::Locked},       {m_lastLogin, Column::LastLogin},
            {m_expansion, Column::Expansion}, {m_locale, Column::Locale}};
    for (const auto& [control, column] : editable) {
        const QString why = accountnotions::readOnlyTip(login, column);
        control->setEnabled(why.isEmpty());
        control->setToolTip(why);
    }
    const int online = accountsql::indexOf(columns, Column::ActiveRealm);
    m_online->setToolTip(online >= 0 ? columns[online].alias
                                     : accountnotions::unavailableTip(login, Column::ActiveRealm));
    const QString passwordWhyNot = accountnotions::passwordTip(login);
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_newPassword, m_setPassword, m_comparePassword}) {
        control->setEnabled(passwordWhyNot.isEmpty());
        control->setToolTip(passwordWhyNot);
    }
}

void AccountEditPanel::fillFromRow(const StringGrid& grid, int row) {
    using accountsql::Column;
    const auto cell = [&](Column column) {
        const int col = accountsql::indexOf(m_columns, column);
        return col < 0 ? QString() : grid.cell(col, row);
    };
    const std::pair<QLineEdit*, Column> fields[] = {{m_id, Column::Id},
                                                    {m_username, Column::Username},
                                                    {m_hash, Column::Hash},
                                                    {m_email, Column::Email},
                                                    {m_joindate, Column::Joindate},
                                                    {m_lastIp, Column::LastIp},
                                                    {m_failedLogins, Column::FailedLogins},
                                                    {m_lastLogin, Column::LastLogin},
                                                    {m_online, Column::ActiveRealm}};
    for (const auto& [edit, column] : fields)
        edit->setText(cell(column));
    m_onlineWarning->setVisible(m_online->text() == u"1");
    const std::pair<QComboBox*, Column> combos[] = {{m_gmlevel, Column::GmLevel},
                                                    {m_locked, Column::Locked},
                                                    {m_expansion, Column::Expansion},
                                                    {m_locale, Column::Locale}};
    for (const auto& [combo, column] : combos)
        combo->setEditText(cell(column));
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
    const accountsql::LoginSchema& login = m_context.schemas().login();
    const accountsql::AccountEdits edited = edits();
    const accountsql::SavePlan plan = accountsql::savePlan(
            login, m_stored, m_shown, edited, {m_newPassword->text(), newSalt(login.account)},
            m_context.quoting());
    if (plan.renameNeedsPassword) {
        showError(m_context.dialogs(), boxes::kRenameNeedsPassword);
        return;
    }
    // Nothing changed: nothing is written, the list shows the stored state.
    if (!plan.statements().isEmpty()) {
        if (!m_context.switchDatabase(Database::Realmd) ||
            !runUndoableChanges(m_context, QStringLiteral("account-save"),
                                accountsql::saveUndo(login, plan, edited.id), plan.statements()))
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
    const accountsql::LoginSchema& login = m_context.schemas().login();
    if (!runUndoableChanges(m_context, QStringLiteral("account-delete"),
                            accountsql::deleteUndo(login, m_id->text()),
                            accountsql::deleteStatements(login, m_id->text())))
        return;
    m_refreshList();
}

void AccountEditPanel::setPassword() {
    const accountsql::LoginSchema& login = m_context.schemas().login();
    if (m_username->text().isEmpty() || m_newPassword->text().isEmpty() ||
        login.account.store == schema::PasswordStore::None)
        return;
    if (!confirm(m_context.dialogs(), boxes::kSetPassword))
        return;
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    // The password is that of the stored user name, as it is now on the
    // server: a new name is saved with "Сохранить", together with its
    // password.
    const std::optional<accountsql::StoredLogin> stored = readStoredLogin(login);
    if (!stored) {
        const QString reason = m_context.success() ? QString::fromUtf16(boxes::kAccountGone)
                                                   : m_context.lastError();
        m_context.dialogs().error(QString::fromUtf16(boxes::kChangeFailedCaption),
                                  boxes::changeFailedText(reason));
        return;
    }
    const accountsql::PasswordWrite write =
            accountsql::passwordWrite(login.account, stored->username, m_newPassword->text(),
                                      newSalt(login.account), m_context.quoting());
    if (!runUndoableChange(m_context, QStringLiteral("account-password"),
                           accountsql::setPasswordUndo(login, m_id->text()),
                           accountsql::setPasswordStatement(login, m_id->text(), write)))
        return;
    m_hash->setText(write.shown);
    m_refreshList();
}

void AccountEditPanel::comparePassword() {
    const accountsql::LoginSchema& login = m_context.schemas().login();
    if (m_username->text().isEmpty() || m_newPassword->text().isEmpty() ||
        login.account.store == schema::PasswordStore::None)
        return;
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    const std::optional<accountsql::StoredLogin> stored = readStoredLogin(login);
    if (!stored) {
        // Without the stored login there is nothing to compare: no verdict is
        // shown rather than a false "Разные!".
        clearHashTexts();
        return;
    }
    const accountsql::PasswordCheck check =
            accountsql::checkPassword(login.account, *stored, m_newPassword->text());
    m_computedHash->setText(check.computed);
    showVerdict(check.same);
}

std::optional<accountsql::StoredLogin>
AccountEditPanel::readStoredLogin(const accountsql::LoginSchema& login) {
    if (!m_context.run(accountsql::storedLoginStatement(login, m_id->text())) ||
        m_context.rowCount() < 1)
        return std::nullopt;
    accountsql::StoredLogin stored{m_context.rawValue(0, 0), m_context.rawValue(0, 1), {}};
    if (m_context.fieldCount() > 2)
        stored.verifier = m_context.rawValue(0, 2);
    return stored;
}

void AccountEditPanel::showVerdict(bool same) {
    m_verdict->setText(same ? QStringLiteral("Совпадает!") : QStringLiteral("Разные!"));
    setTextColor(m_verdict, same ? kSame : kDifferent);
}

void AccountEditPanel::resetSessionKey() {
    const accountsql::LoginSchema& login = m_context.schemas().login();
    // Not while the account is in the game, where the family tells it.
    const bool playing = login.account.activeRealm.has() && m_online->text() != u"0";
    if (m_username->text().isEmpty() || playing)
        return;
    const QString statement = accountsql::resetSessionKeyStatement(login, m_id->text());
    if (statement.isEmpty())
        return;
    if (!confirm(m_context.dialogs(), boxes::kResetSessionKey))
        return;
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!runUndoableChange(m_context, QStringLiteral("account-session-key"),
                           accountsql::resetSessionKeyUndo(login, m_id->text()), statement))
        return;
    m_refreshList();
}

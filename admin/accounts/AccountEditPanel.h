#pragma once

#include "FramedPanel.h"
#include "accounts/AccountStatements.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QueryContext;
class StringGrid;

// "Редактирование учетной записи:", the panel on the right of the accounts
// page: the account of the last selected grid row, its saving and deletion,
// setting and checking its password, and clearing its session key. The
// account is identified by the text of the id edit.
class AccountEditPanel : public FramedPanel {
    Q_OBJECT

public:
    static constexpr int kWidth = 318;

    // refreshList reloads the account list after a change.
    AccountEditPanel(QueryContext& context, std::function<void()> refreshList,
                     QWidget* parent = nullptr);

    // The list's columns and what the panel can change, for the login
    // database as it is now described.
    void setColumns(const accountsql::LoginSchema& login,
                    const QList<accountsql::ListColumn>& columns);
    // Copies the grid row into the edits (a data cell was selected).
    void fillFromRow(const StringGrid& grid, int row);
    // Empties the computed hash text and the hash verdict text.
    void clearHashTexts();

    QString accountId() const;
    QString lastIp() const;

    // The operations of the panel's buttons and of the session key menu item.
    void save();
    void deleteAccount();
    void setPassword();
    void comparePassword();
    void resetSessionKey();

private:
    void build();
    void showVerdict(bool same);
    // The account's stored user name (its bytes, as the game server hashes
    // them) and password columns, read now in the accounts database; nothing
    // when the account cannot be read.
    std::optional<accountsql::StoredLogin> readStoredLogin(const accountsql::LoginSchema& login);
    // The texts of the edits that "Сохранить" writes.
    accountsql::AccountEdits edits() const;

    QueryContext& m_context;
    std::function<void()> m_refreshList;
    QLineEdit* m_id;
    QLineEdit* m_username;
    QLineEdit* m_hash;
    QLabel* m_verdict;
    QLabel* m_computedHash;
    QComboBox* m_gmlevel;
    QLineEdit* m_email;
    QLineEdit* m_joindate;
    QLineEdit* m_lastIp;
    QLineEdit* m_failedLogins;
    QComboBox* m_locked;
    QLineEdit* m_lastLogin;
    QLineEdit* m_online;
    QComboBox* m_expansion;
    QComboBox* m_locale;
    QLineEdit* m_newPassword;
    QPushButton* m_setPassword;
    QPushButton* m_comparePassword;
    QPushButton* m_save;
    QPushButton* m_delete;
    QLabel* m_onlineWarning;
    // The account's values as stored, and the texts the edits held, when it
    // was loaded from the grid or last saved: what a Save compares with.
    accountsql::AccountEdits m_stored;
    accountsql::AccountEdits m_shown;
    QList<accountsql::ListColumn> m_columns;
};

#pragma once

#include "FramedPanel.h"
#include "schema/LoginSchema.h"

class QCheckBox;
class QLineEdit;
class QueryContext;
class StringGrid;
class WindowLinks;

// The IP bans: the fields of the selected ban, its reason editable, and the
// list of bans with its context menu.
class IpBanPanel : public FramedPanel {
    Q_OBJECT

public:
    IpBanPanel(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    StringGrid* grid() const { return m_grid; }

    // "Обновить": lists the IP bans, numbered, in the family's columns. When
    // the database switch or the select fails, the box says why (the
    // server's message) and the grid stays as it was. Returns whether the
    // list was read.
    bool refresh();
    // A cell was selected: its text becomes the grid's tooltip, and the row's
    // ban goes into the edits.
    void selectBan(int col, int row);
    // "S": stores the reason (trimmed) for the bans of the selected IP; a
    // reason left as it was selected is not written again, so that one shown
    // empty (not UTF-8) keeps its bytes.
    void saveReason();
    // "Удалить этот БАН": deletes the bans of the selected IP.
    void deleteBan();
    // "Показать все аккаунты для этого IP": the account lookup of the
    // accounts that last logged in from the selected IP.
    void showAccountsOfIp();

private:
    const schema::IpBanSchema& bans() const;

    QueryContext& m_context;
    WindowLinks& m_links;
    // ip, bandate, unbandate, bannedby, banreason: grid columns 1 to 5.
    QLineEdit* m_edits[5];
    // The reason as the selected ban showed it.
    QString m_selectedReason;
    StringGrid* m_grid;
};

// The account bans: the id, active flag and ban date of the selected ban and
// the list of bans (only the active ones, or all) with its context menu.
class AccountBanPanel : public FramedPanel {
    Q_OBJECT

public:
    AccountBanPanel(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    StringGrid* grid() const { return m_grid; }

    // "Обновить": lists the account bans, in the family's columns. When the
    // database switch or the select fails, the box says why (the server's
    // message) and the grid stays as it was. Returns whether the list was
    // read.
    bool refresh();
    // A cell was selected: its text becomes the grid's tooltip, and the row's
    // account id, active flag and ban date go into the edits.
    void selectBan(int col, int row);
    // "Показать аккаунт": the account lookup of the banned account.
    void showAccount();
    // "Найти все персонажи этого аккаунта".
    void showCharacters();
    // "Снять БАН": lifts the account's active bans as the family's server
    // does.
    void liftBan();
    // "Удалить запись": deletes the ban that the account and ban date pick.
    void deleteBan();

private:
    const schema::AccountBanSchema& bans() const;

    QueryContext& m_context;
    WindowLinks& m_links;
    QCheckBox* m_onlyActive;
    QLineEdit* m_id;
    QLineEdit* m_active;
    QLineEdit* m_banDate;
    StringGrid* m_grid;
};

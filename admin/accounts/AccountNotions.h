#pragma once

#include "accounts/AccountStatements.h"

#include <QString>

// Why a control of the accounts page is disabled or read-only, as its
// tooltip says it: the database lacks the column, the family does not keep
// the notion, or the value is read from elsewhere or written by the server.
namespace accountnotions {

// The list (or the panel) cannot show the column; empty when it can.
QString unavailableTip(const accountsql::LoginSchema& login, accountsql::Column column);
// The panel shows the column but cannot change it; empty when it can.
QString readOnlyTip(const accountsql::LoginSchema& login, accountsql::Column column);
// The password cannot be set or compared; empty when it can.
QString passwordTip(const accountsql::LoginSchema& login);
// The session key cannot be reset; empty when it can.
QString sessionKeyTip(const accountsql::LoginSchema& login);

} // namespace accountnotions

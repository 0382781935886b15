#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"

#include <QString>

// The statements of the two ban lists, and the account filters that the ban
// lists hand to the account lookup.
namespace bansql {

QString ipBanSelect();
// Only the bans that are still active, or every ban.
QString accountBanSelect(bool onlyActive);

// A new reason (trimmed, escaped) for the bans of one IP.
QString saveIpBanReason(const QString& ip, const QString& reason, Quoting quoting);
// Deletes every ban of the IP; no closing semicolon.
QString deleteIpBan(const QString& ip, Quoting quoting);
// Lifts every ban of the account.
QString liftAccountBan(const QString& accountId);
// Deletes the one ban that the account id and its ban date pick.
QString deleteAccountBan(const QString& accountId, const QString& banDate);

// The account filter of one account; it starts without a blank.
QString accountByIdFilter(const QString& accountId);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks the bans of one IP.
QString ipCondition(const QString& ip, Quoting quoting);
// The condition that picks the bans of one account.
QString accountCondition(const QString& accountId);
// The condition that picks one ban of an account by its date.
QString accountBanCondition(const QString& accountId, const QString& banDate);
undosql::Target saveIpBanReasonUndo(const QString& ip, Quoting quoting);
undosql::Target deleteIpBanUndo(const QString& ip, Quoting quoting);
undosql::Target liftAccountBanUndo(const QString& accountId);
undosql::Target deleteAccountBanUndo(const QString& accountId, const QString& banDate);

} // namespace bansql

#pragma once

#include "common/QueryConventions.h"
#include "journal/UndoStatements.h"
#include "schema/LoginSchema.h"

#include <QString>
#include <QStringList>

// The statements of the two ban lists, in the columns of the family's ban
// tables (the 2010 family's unless told), and the account filters that the
// ban lists hand to the account lookup.
namespace bansql {

using schema::AccountBanSchema;
using schema::IpBanSchema;

// The list's columns as the grid titles them: ip, ban date, end, by whom,
// reason (and active for the account bans), each under its column's name.
QStringList ipBanTitles(const IpBanSchema& bans = schema::mangos2010Login().ipBans);
QStringList accountBanTitles(const AccountBanSchema& bans = schema::mangos2010Login().bans);

QString ipBanSelect(const IpBanSchema& bans = schema::mangos2010Login().ipBans);
// Only the bans that are still active, or every row (the notes and warnings
// that some servers keep in the same table among them, as they are).
QString accountBanSelect(bool onlyActive,
                         const AccountBanSchema& bans = schema::mangos2010Login().bans);

// A new reason (trimmed, escaped) for the bans of one IP.
QString saveIpBanReason(const QString& ip, const QString& reason, Quoting quoting,
                        const IpBanSchema& bans = schema::mangos2010Login().ipBans);
// Deletes every ban of the IP; no closing semicolon.
QString deleteIpBan(const QString& ip, Quoting quoting,
                    const IpBanSchema& bans = schema::mangos2010Login().ipBans);
// Lifts the account's bans as the family's server does: sets them inactive
// (only those still active, where the family says so), with whatever else
// its unban writes.
QString liftAccountBan(const QString& accountId,
                       const AccountBanSchema& bans = schema::mangos2010Login().bans);
// Deletes the one ban that the account id and its ban date pick.
QString deleteAccountBan(const QString& accountId, const QString& banDate,
                         const AccountBanSchema& bans = schema::mangos2010Login().bans);

// The account filter of one account; it starts without a blank.
QString accountByIdFilter(const QString& accountId);

// ---- Undo: the rows the changes delete or change ----------------------------

// The condition that picks the bans of one IP.
QString ipCondition(const QString& ip, Quoting quoting,
                    const IpBanSchema& bans = schema::mangos2010Login().ipBans);
// The condition that picks the bans of one account.
QString accountCondition(const QString& accountId,
                         const AccountBanSchema& bans = schema::mangos2010Login().bans);
// The condition that picks the bans a lift changes.
QString liftCondition(const QString& accountId,
                      const AccountBanSchema& bans = schema::mangos2010Login().bans);
// The condition that picks one ban of an account by its date.
QString accountBanCondition(const QString& accountId, const QString& banDate,
                            const AccountBanSchema& bans = schema::mangos2010Login().bans);
undosql::Target saveIpBanReasonUndo(const QString& ip, Quoting quoting,
                                    const IpBanSchema& bans = schema::mangos2010Login().ipBans);
undosql::Target deleteIpBanUndo(const QString& ip, Quoting quoting,
                                const IpBanSchema& bans = schema::mangos2010Login().ipBans);
undosql::Target liftAccountBanUndo(const QString& accountId,
                                   const AccountBanSchema& bans = schema::mangos2010Login().bans);
undosql::Target deleteAccountBanUndo(const QString& accountId, const QString& banDate,
                                     const AccountBanSchema& bans = schema::mangos2010Login().bans);

} // namespace bansql

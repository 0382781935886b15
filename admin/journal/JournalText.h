#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The texts of the change journal: which statements it records, how a
// password is kept out of it, and the form of its entries and files. Pure
// functions of plain values.
namespace journal {

// Whether a statement can change data, and so belongs in the journal. Reads
// (select, show, describe, explain, use, and set for the session's own
// variables) do not; insert, update, delete, replace and every statement that
// is not known to be a read do, and so do the statements that decide what
// becomes of changes (start transaction, commit, rollback). Leading blanks,
// comments and opening parentheses are skipped.
bool changesData(const QString& statement);

// Whether a column holds a password's hash or what is made from it
// (sha_pass_hash, s, v, sessionkey, salt, verifier, session_key,
// session_key_auth), the name compared without case.
bool isSecretColumn(const QString& name);

// The statement with what carries a password or its hash written as "***":
// the value given to or compared with a secret column (isSecretColumn) unless
// it is NULL, whatever its form (a quoted text, a hex literal, a call such as
// UNHEX('...')); the values of secret columns in the rows of INSERT or
// REPLACE with a column list; the value of SET PASSWORD; every text after
// IDENTIFIED (BY, VIA ... USING, WITH ... AS) up to the end of its user's
// clause; and every text inside a call of SHA1, SHA, SHA2, MD5, PASSWORD or
// OLD_PASSWORD. backslashEscapes tells how the session reads a backslash
// inside a quoted text, so that the ends of texts are found as the server
// finds them. A text left open masks the rest of the statement.
QString masked(const QString& statement, bool backslashEscapes = true);

// A server's error message about a statement, masked as the statement is:
// where the message quotes part of the statement (a syntax error does, in
// whatever language) or repeats a value that masked hides, the hidden part is
// written as "***".
QString maskedError(const QString& message, const QString& statement, bool backslashEscapes = true);

// One statement as the journal records it.
struct Entry {
    QDateTime time; // when it was sent, local time
    QString user;
    QString host;
    int port = 0;
    QString database;  // the session's database; empty when none was chosen
    QString statement; // as sent; masked when written
    // How the session read a backslash when the statement was sent.
    bool backslashEscapes = true;
    bool ok = false;
    quint64 affectedRows = 0;
    int errorCode = 0;
    QString errorText;  // as the server sent it; masked when written
    QString undoScript; // file name of the operation's undo script, if any
};

// "2026-03-05 14:02:11.123 +03:00"
QString timeText(const QDateTime& time);

// The journal's entry for one statement: one line of fields separated by
// tabs, ending in a line feed:
//   time, user@host:port, database ("-" for none), outcome ("ok, 1 row" or
//   "error 1146: <message>"), undo script ("-" for none), the statement.
// The statement comes last and is masked, and the error message is masked
// as maskedError does; should the statement hold a line break, every
// further line of it starts with a tab. The other fields hold no control
// characters.
QString entryLine(const Entry& entry);

// The first line of a new journal file: the names of the fields.
QString headerLine();

// The journal file of a day: "journal-2026-03-05.log".
QString fileName(const QDate& day);

} // namespace journal

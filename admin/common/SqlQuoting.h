#pragma once

#include <QString>

#include <stdexcept>

// How values go into statement texts: quoted texts, names, bare numbers.

// How text values are written between double quotes for the session they go
// to. Every session starts with backslash escapes and without ANSI_QUOTES
// (sessionSetUpStatement below). Should its mode change later, the server
// reports NO_BACKSLASH_ESCAPES in the status of its OK and end packets; then
// a backslash is an ordinary character and a quote inside a text is doubled
// instead of escaped.
struct Quoting {
    bool noBackslashEscapes = false;

    bool operator==(const Quoting&) const = default;
};

// Escapes a text value that goes between double quotes in a statement.
// Backslash escaping: a backslash before backslash, double and single quote,
// and NUL, CR, LF and Ctrl-Z written as \0, \r, \n and \Z. Without backslash
// escapes: a double quote is doubled and every other character stays as it
// is. "%" and "_" are left alone, so that a LIKE pattern keeps its wildcards.
QString escapeQuoted(const QString& text, Quoting quoting);

// A text value as it goes into a statement: escaped as escapeQuoted does,
// between double quotes.
QString quotedText(const QString& text, Quoting quoting);

// Escapes the value of a LIKE pattern that goes between double quotes, so
// that a backslash, a quote or any other typed character is matched as
// itself while "%" and "_" stay wildcards: a backslash is doubled first
// (LIKE reads it as its escape character), then the text is escaped as
// escapeQuoted does.
QString escapeLikeQuoted(const QString& text, Quoting quoting);

// The pattern of a LIKE condition that finds the text anywhere: "%", the
// text escaped as escapeLikeQuoted does and "%", between double quotes.
// Without backslash escapes servers differ on LIKE's escape character, so the
// pattern names the backslash as its escape character (` escape "\"`).
QString likeAnywhere(const QString& text, Quoting quoting);

// A name (of a database) between backquotes, a backquote inside it doubled.
QString quotedName(const QString& name);

// A database name that qualifies a table without backquotes ("name.table"):
// a plain name (Latin letters, digits, "_" and "$", not starting with a
// digit) stands as it is; any other name goes between backquotes as
// quotedName writes it, so that it can never change the statement.
QString qualifierName(const QString& name);

// A value that goes bare into a statement where a number belongs: the text
// when it holds only digits and blanks, otherwise an empty text (which the
// server rejects where a number belongs).
QString bareNumber(const QString& text);

// The first character of a combo text when it is a digit ("3 - administrator"
// gives "3"), otherwise an empty text.
QString firstDigit(const QString& text);

// The session set-up that the client library runs after every login, its
// reconnects included: the session's sql_mode without ANSI_QUOTES (and the
// combination modes that bring it back when the list is set again) and
// without NO_BACKSLASH_ESCAPES. Every session the program opens thus reads
// its statements the same way, whatever the server's global mode. It is
// written with single quotes, which mean a text in every mode.
QString sessionSetUpStatement();

// A failed whole-number conversion of a control's text. Its message is
// "'<text>' is not a valid integer value".
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text);
};

// Converts a decimal whole number (leading blanks and a sign allowed) that
// fits in 32 bits, or throws ConversionError.
int toInteger(const QString& text);

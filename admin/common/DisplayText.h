#pragma once

#include <QString>

#include <cstddef>

// Shows a value read from the server: the bytes are decoded as UTF-8 in its
// one-, two- and three-byte forms (a lead byte with bit 0x20 clear starts a
// two-byte form, with it set a three-byte form; every following byte must be
// 10xxxxxx). A value that breaks the rule anywhere is shown as empty text;
// no value (SQL NULL) is empty text too.
QString displayDecode(const char* bytes, size_t length);

// Removes every leading and trailing character whose code is 32 or below.
QString trimControls(const QString& text);

// Case changes of the Latin letters A-Z / a-z only; every other character
// stays as it is.
QString upperLatin(QString text);
QString lowerLatin(QString text);

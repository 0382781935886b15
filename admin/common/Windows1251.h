#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1251 (Cyrillic) code page, from a table of our own: characters
// below 0x80 stand for themselves, the 128 upper codes map to the characters
// of the table. A character without a Windows-1251 form becomes "?".
QByteArray toWindows1251(const QString& text);

// Whether every character of the text has a Windows-1251 form, so that
// toWindows1251 keeps it.
bool fitsWindows1251(const QString& text);

// Decodes Windows-1251 bytes. The one unassigned code, 0x98, becomes the
// replacement character.
QString fromWindows1251(const QByteArray& bytes);

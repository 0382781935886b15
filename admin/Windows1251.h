#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1251 (Cyrillic) code page, from a table of our own: characters
// below 0x80 stand for themselves, the 128 upper codes map to the characters
// of the table. A character without a Windows-1251 form becomes "?".
QByteArray toWindows1251(const QString& text);

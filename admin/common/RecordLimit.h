#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QComboBox;
class QWidget;

// The record limit and paging rule shared by the two long lists (accounts and
// characters). The limit is the text of the list's record limit box: "Все"
// (all rows), "Первая" (the first row only) or any other text, taken as that
// many rows from the list's page offset.
namespace recordlimit {

inline const QString kAll = QStringLiteral("Все");
inline const QString kFirst = QStringLiteral("Первая");

// The choices of a record limit box, in the order the box lists them.
QStringList choices();

// A record limit box: an editable combo box of the choices, ten shown at a
// time, that does not add a typed limit to them; it shows "Все" until set.
QComboBox* placeBox(QWidget* parent, const char* name, int x, int y, int width, int height);

// The LIMIT fragment appended to the order clause: nothing for "Все",
// " LIMIT 1" for "Первая", otherwise " LIMIT " + offset + "," + the text as
// it stands (not trimmed) when it holds only digits and blanks; any other
// text leaves the count empty, which the server rejects.
QString limitClause(const QString& limitText, int offset);

// ">": the new offset (offset + limit), or nothing for "Все" and "Первая"
// and when it would leave the range 0 to 2147483647. A limit that is not a
// whole number throws ConversionError.
std::optional<int> nextPageOffset(const QString& limitText, int offset);

// "<": the new offset (offset - limit) when that is 0 or more; nothing for
// "Все", "Первая" or a result outside the range 0 to 2147483647. A limit
// that is not a whole number throws ConversionError.
std::optional<int> previousPageOffset(const QString& limitText, int offset);

} // namespace recordlimit

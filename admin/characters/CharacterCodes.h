#pragma once

#include <QString>
#include <QStringList>

// The race and class numbers of the characters table and the texts that the
// character page shows for them.
namespace charactercodes {

// The race list texts ("1 - Human" ... "11 - Draenei"): the items of the race
// boxes.
QStringList raceItems();
// The class box items ("1 - Warrior" ... "11 - Druid") followed by the blank
// item " ". Class 6 reads "6 - Death Knight" here.
QStringList classItems();

// The grid text of a race or class field: the list text whose number equals
// the field exactly, or the field itself when the list has no such number.
// Class 6 shows as "6 - D.Knight" in the grid.
QString raceText(const QString& field);
QString classGridText(const QString& field);

} // namespace charactercodes

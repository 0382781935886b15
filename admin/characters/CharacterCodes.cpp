#include "characters/CharacterCodes.h"

#include <array>

namespace charactercodes {

namespace {

struct Code {
    const char16_t* number;
    const char16_t* gridText;
    const char16_t* itemText;
};

constexpr std::array kRaces{
        Code{u"1", u"1 - Human", u"1 - Human"},
        Code{u"2", u"2 - Ork", u"2 - Ork"},
        Code{u"3", u"3 - Dwarf", u"3 - Dwarf"},
        Code{u"4", u"4 - Night elf", u"4 - Night elf"},
        Code{u"5", u"5 - Undead", u"5 - Undead"},
        Code{u"6", u"6 - Tauren", u"6 - Tauren"},
        Code{u"7", u"7 - Gnome", u"7 - Gnome"},
        Code{u"8", u"8 - Troll", u"8 - Troll"},
        Code{u"10", u"10 - Blood elf", u"10 - Blood elf"},
        Code{u"11", u"11 - Draenei", u"11 - Draenei"},
};

constexpr std::array kClasses{
        Code{u"1", u"1 - Warrior", u"1 - Warrior"},
        Code{u"2", u"2 - Paladin", u"2 - Paladin"},
        Code{u"3", u"3 - Hunter", u"3 - Hunter"},
        Code{u"4", u"4 - Rogue", u"4 - Rogue"},
        Code{u"5", u"5 - Priest", u"5 - Priest"},
        Code{u"6", u"6 - D.Knight", u"6 - Death Knight"},
        Code{u"7", u"7 - Shaman", u"7 - Shaman"},
        Code{u"8", u"8 - Mage", u"8 - Mage"},
        Code{u"9", u"9 - Warlock", u"9 - Warlock"},
        Code{u"11", u"11 - Druid", u"11 - Druid"},
};

template <size_t N>
QString gridText(const std::array<Code, N>& codes, const QString& field) {
    for (const Code& code : codes) {
        if (field == QStringView(code.number))
            return QString::fromUtf16(code.gridText);
    }
    return field;
}

template <size_t N>
QStringList items(const std::array<Code, N>& codes) {
    QStringList list;
    for (const Code& code : codes)
        list << QString::fromUtf16(code.itemText);
    return list;
}

} // namespace

QStringList raceItems() {
    return items(kRaces);
}

QStringList classItems() {
    return items(kClasses) << QStringLiteral(" ");
}

QString raceText(const QString& field) {
    return gridText(kRaces, field);
}

QString classGridText(const QString& field) {
    return gridText(kClasses, field);
}

} // namespace charactercodes

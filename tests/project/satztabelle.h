#pragma once

// The record layouts as the file format lays them down, typed in once more for
// the tests so that they check the program's own table instead of reusing it.

#include <QByteArray>
#include <QString>

#include <array>

namespace satztabelle {

struct Lage {
    int offset; // -1: the layout lacks the field
    int kap;
};

// Per field 1..30 (index 0..29): places in the layouts 1160, 1130, 1109.
inline const std::array<std::array<Lage, 3>, 30> lagen{{
    {{{0, 40}, {0, 40}, {0, 40}}},          {{{41, 40}, {41, 40}, {41, 40}}},
    {{{82, 40}, {82, 40}, {82, 40}}},       {{{123, 40}, {123, 40}, {123, 40}}},
    {{{164, 40}, {164, 40}, {164, 40}}},    {{{205, 40}, {205, 40}, {205, 40}}},
    {{{246, 40}, {246, 40}, {246, 40}}},    {{{287, 50}, {287, 40}, {287, 40}}},
    {{{338, 40}, {328, 40}, {328, 40}}},    {{{379, 20}, {369, 20}, {369, 20}}},
    {{{400, 20}, {390, 20}, {390, 20}}},    {{{421, 20}, {411, 20}, {411, 20}}},
    {{{442, 20}, {432, 20}, {432, 20}}},    {{{463, 20}, {453, 20}, {453, 20}}},
    {{{484, 20}, {474, 20}, {474, 20}}},    {{{505, 20}, {495, 20}, {495, 20}}},
    {{{526, 20}, {516, 20}, {516, 20}}},    {{{547, 20}, {537, 20}, {537, 20}}},
    {{{568, 20}, {558, 20}, {558, 20}}},    {{{589, 20}, {579, 20}, {579, 20}}},
    {{{610, 60}, {600, 40}, {600, 40}}},    {{{671, 20}, {641, 20}, {641, 20}}},
    {{{692, 20}, {662, 20}, {662, 20}}},    {{{713, 20}, {683, 20}, {683, 20}}},
    {{{734, 20}, {704, 20}, {704, 20}}},    {{{755, 20}, {725, 20}, {-1, 0}}},
    {{{776, 20}, {746, 20}, {725, 20}}},    {{{797, 120}, {767, 120}, {746, 120}}},
    {{{918, 120}, {888, 120}, {867, 120}}}, {{{1039, 120}, {1009, 120}, {988, 120}}},
}};

inline const std::array<int, 3> laengen{1160, 1130, 1109};

// Stores raw Windows-1252 bytes as field nr of layout spalte (0, 1, 2).
inline void feldSetzen(QByteArray &satz, int spalte, int nr, const QByteArray &text)
{
    const Lage l = lagen[nr - 1][spalte];
    satz[l.offset] = static_cast<char>(text.size());
    for (int i = 0; i < text.size(); ++i)
        satz[l.offset + 1 + i] = text[i];
}

// The text bytes of field nr as its length byte gives them.
inline QByteArray feldText(const QByteArray &satz, int spalte, int nr)
{
    const Lage l = lagen[nr - 1][spalte];
    return satz.mid(l.offset + 1, static_cast<unsigned char>(satz[l.offset]));
}

} // namespace satztabelle

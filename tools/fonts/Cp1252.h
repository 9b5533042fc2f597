// The single-byte character set of the game's texts and fonts (Windows-1252):
// the Unicode code point of every byte, 0 where the byte has no character.
#pragma once
#include <cstdint>

inline uint32_t Cp1252AUnicode(unsigned char c)
{
    static const uint16_t k80a9F[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (c >= 0x80 && c <= 0x9F) return k80a9F[c - 0x80];
    return c;
}

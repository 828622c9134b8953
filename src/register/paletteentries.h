#pragma once

#include <QChar>

#include <array>

// The mark palette "出欠席・転出入等": one entry per mark code that can be
// entered, at its place in the frame (twips), with the key that chooses it
// from the keyboard. The keys mirror the palette: its upper row on the digit
// keys 1 to 8, its lower row on the letter keys below them, Q to I.
struct PaletteEntry
{
    int code;
    int x;
    int y;
    char16_t key;
};

inline constexpr std::array<PaletteEntry, 16> PaletteEntries{{
    {0, 120, 240, u'1'},
    {1, 120, 480, u'Q'},
    {3, 720, 240, u'2'},
    {4, 720, 480, u'W'},
    {5, 1680, 240, u'3'},
    {6, 1680, 480, u'E'},
    {2, 2280, 240, u'4'},
    {7, 2280, 480, u'R'},
    {10, 3000, 240, u'5'},
    {11, 3000, 480, u'T'},
    {12, 3720, 240, u'6'},
    {13, 3720, 480, u'Y'},
    {14, 4320, 240, u'7'},
    {15, 4320, 480, u'U'},
    {16, 5280, 240, u'8'},
    {20, 5280, 480, u'I'},
}};

// The mark code a typed character chooses, or −1.
inline int paletteCodeForKey(QChar typed)
{
    const QChar key = typed.toUpper();
    for (const PaletteEntry &entry : PaletteEntries) {
        if (key == QChar(entry.key))
            return entry.code;
    }
    return -1;
}

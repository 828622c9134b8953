#pragma once

#include "data/marktable.h"

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
    {MarkCode::Sick, 120, 240, u'1'},
    {MarkCode::OtherReasons, 120, 480, u'Q'},
    {MarkCode::SuspensionDiscipline, 720, 240, u'2'},
    {MarkCode::SuspensionInfection, 720, 480, u'W'},
    {MarkCode::Mourning, 1680, 240, u'3'},
    {MarkCode::SpecialAbsence, 1680, 480, u'E'},
    {MarkCode::Late, 2280, 240, u'4'},
    {MarkCode::EarlyLeave, 2280, 480, u'R'},
    {MarkCode::TransferIn, 3000, 240, u'5'},
    {MarkCode::Admission, 3000, 480, u'T'},
    {MarkCode::TransferOut, 3720, 240, u'6'},
    {MarkCode::Withdrawal, 3720, 480, u'Y'},
    {MarkCode::Postponement, 4320, 240, u'7'},
    {MarkCode::Exemption, 4320, 480, u'U'},
    {MarkCode::Death, 5280, 240, u'8'},
    {MarkCode::HolidayAttendance, 5280, 480, u'I'},
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

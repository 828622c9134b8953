#pragma once

#include <QStringView>

#include <array>

// The fixed attendance marks, indexed by mark code, and the weekday names.
namespace MarkCode {
enum : int {
    Sick = 0,
    OtherReasons = 1,
    Late = 2,
    SuspensionDiscipline = 3,
    SuspensionInfection = 4,
    Mourning = 5,
    SpecialAbsence = 6,
    EarlyLeave = 7,
    LateAndEarlyLeave = 8,
    TransferIn = 10,
    Admission = 11,
    TransferOut = 12,
    Withdrawal = 13,
    Postponement = 14,
    Exemption = 15,
    Death = 16,
    HolidayAttendance = 20,
};
inline constexpr int Count = 21;
} // namespace MarkCode

// One-character texts by code; 9 and 17 to 19 are blank and never used.
inline constexpr std::array<QStringView, MarkCode::Count> MarkTable{
    u"病", u"事", u"遅", u"テ", u"ホ", u"キ", u"ト", u"ソ", u"ﾁ", u"",   u"入",
    u"編", u"転", u"退", u"猶", u"免", u"死", u"",   u"",   u"",  u"出",
};

// The captions of the mark palette's entries; empty where a code has none.
inline constexpr std::array<QStringView, MarkCode::Count> MarkCaptions{
    u"病気",   u"事故", u"遅刻", u"不良停止", u"伝染停止", u"忌引", u"特欠", u"早退", u"", u"",         u"転入学",
    u"編入学", u"転学", u"退学", u"就学猶予", u"就学免除", u"死亡", u"",     u"",     u"", u"休日出席",
};

// 1 = Sunday … 7 = Saturday; index 0 is empty.
inline constexpr std::array<QStringView, 8> WeekdayNames{u"", u"日", u"月", u"火", u"水", u"木", u"金", u"土"};

// The code of a stored mark (exact comparison), or −1 when it matches none;
// an empty text matches none.
inline int markCodeOf(QStringView mark)
{
    if (mark.isEmpty())
        return -1;
    for (int code = 0; code < MarkCode::Count; ++code) {
        if (MarkTable[code] == mark)
            return code;
    }
    return -1;
}

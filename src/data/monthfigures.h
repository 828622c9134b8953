#pragma once

#include "records.h"

#include <array>

// Columns of a pupil's eleven counters, in the order the register shows them.
namespace StatColumn {
enum : int {
    Present = 0,
    AbsentSick = 1,
    AbsentOther = 2,
    AbsentTotal = 3,
    Suspension = 4,
    Mourning = 5,
    SpecialAbsence = 6,
    ExcusedTotal = 7,
    Late = 8,
    EarlyLeave = 9,
    HolidayAttendance = 10,
};
inline constexpr int Count = 11;
} // namespace StatColumn

// Enrolment changes of the month, by kind.
namespace ChangeKind {
enum : int { TransferIn, Admission, TransferOut, Withdrawal, Postponement, Exemption, Death, Unused };
inline constexpr int Count = 8;
} // namespace ChangeKind

// The figures of one month, recomputed whole from the register.
struct MonthStatistics
{
    // One row per pupil slot, so a file holding more than the working limit of
    // pupils is counted whole and nothing is read or written past a table.
    std::array<std::array<qint16, StatColumn::Count>, PupilSlots> PupilStat{};
    std::array<qint16, DaySlots> DayPresent{};
    std::array<qint16, DaySlots> DayAbsent{};
    qint16 SchoolDays = 0;
    qint16 StartBoys = 0;
    qint16 StartGirls = 0;
    qint16 EndBoys = 0;
    qint16 EndGirls = 0;
    std::array<qint16, ChangeKind::Count> Changes{};
    qint16 CountedDays = 0; // day indexes examined: the month's days, or up to graduation

    // P and A of the month, and the 計 line under a pupil column (1..10).
    qint32 totalPresent() const;
    qint32 totalAbsent() const;
    qint32 columnTotal(int column, int pupilCount) const;

    friend bool operator==(const MonthStatistics &, const MonthStatistics &) = default;
};

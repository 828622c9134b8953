#pragma once

#include "data/monthfigures.h"

#include <optional>

struct Session;

// Whether day `day` (1 to 31) has an entry in the holiday list other than "卒業".
bool isDayOff(const RegisterMonth &month, int day);

// The month's last counted day: the first "卒業" entry's day (at most the
// month's length), else the month's length.
int countedDays(const RegisterMonth &month, int heiseiYear, int monthNumber);

// Recomputes every figure of a month.
void computeMonthStatistics(const RegisterMonth &month, int heiseiYear, int monthNumber, MonthStatistics &stats);

// What each day adds to each pupil's counters, by pupil slot and day index.
// Summed over the days, a pupil's row of PupilStat: the present days before a
// joining day, which the joining takes back, add nothing.
using DayCounters = std::array<qint16, StatColumn::Count>;
using PupilDayFigures = std::array<std::array<DayCounters, DaySlots>, PupilSlots>;

// The month's figures and, in `byDay`, what each of its days adds.
void computeMonthStatistics(const RegisterMonth &month, int heiseiYear, int monthNumber, MonthStatistics &stats,
                            PupilDayFigures &byDay);

// The attendance rate in tenths of a percent, truncated: P × 1000 / (P + A);
// nullopt when nothing was recorded (P + A = 0).
std::optional<int> attendanceRateTenths(const MonthStatistics &stats);
// The same as a single-precision number with one decimal.
std::optional<float> attendanceRate(const MonthStatistics &stats);

// Recomputes the figures of the session's open month.
void computeStatistics(Session &session);

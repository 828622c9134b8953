#pragma once

#include "data/monthstatistics.h"

#include <optional>

struct Session;

// Whether day `day` (1 to 31) has an entry in the holiday list other than "卒業".
bool isDayOff(const RegisterMonth &month, int day);

// The month's last counted day: the first "卒業" entry's day (at most the
// month's length), else the month's length.
int countedDays(const RegisterMonth &month, int heiseiYear, int monthNumber);

// Recomputes every figure of a month.
void ComputeMonthStatistics(const RegisterMonth &month, int heiseiYear, int monthNumber, MonthStatistics &stats);

// The attendance rate in tenths of a percent, truncated: P × 1000 / (P + A);
// nullopt when nothing was recorded (P + A = 0).
std::optional<int> attendanceRateTenths(const MonthStatistics &stats);
// The same as a single-precision number with one decimal.
std::optional<float> AttendanceRate(const MonthStatistics &stats);

// Recomputes the figures of the session's open month.
void computeStatistics(Session &session);

#pragma once

#include "data/records.h"

#include <QList>

// Days off of a month by the calendar alone: every Saturday and Sunday, the
// national holidays of the holiday law in force on that day (none before the
// law began on 20 July 1948; the current law for years to come), its
// substitute holidays and its days between holidays.
//
// One entry per day off, in ascending day order. Print texts: "土" and "日" for
// Saturdays and Sundays, also when a holiday falls on them (the holiday keeps
// its name); "祝" for a national holiday on a weekday; "休日" for 振替休日 and
// 国民の休日.
QList<HolidayEntry> nationalHolidays(int gregorianYear, int month);

// Replaces the month's holiday list with the days off of the Heisei year and
// month (Gregorian year = Heisei year + 1988). Does nothing when either is 0.
void CalcNationalHolidays(int heiseiYear, int month, RegisterMonth &registerMonth);

// Whether the month's holiday list holds exactly what CalcNationalHolidays
// puts there: the calendar's days off and none of the school's own.
bool holdsCalendarDaysOffOnly(const RegisterMonth &registerMonth, int heiseiYear, int month);

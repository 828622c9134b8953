#pragma once

#include "data/records.h"

// The demo school's calendar: weekends and national holidays, its spring,
// summer and winter vacations (August wholly off) and its founding day.
namespace DemoCalendar {

void applyDaysOff(RegisterMonth &month, int gregorianYear, int monthNumber);

// Puts one entry on each day first..last, overwriting an entry such a day
// already has, as the holiday window's range entry does; keeps day order.
void setDaysOff(RegisterMonth &month, int first, int last, const QString &reason, const QString &printText);

// The demo calendar has no graduation entry, so every entry is a day off.
bool isDayOff(const RegisterMonth &month, int day);

// The first day from `day` on that is not a day off.
int firstSchoolDayFrom(const RegisterMonth &month, int day);

} // namespace DemoCalendar

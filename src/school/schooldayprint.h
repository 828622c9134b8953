#pragma once

#include "schoolday.h"

#include "print/pagesurface.h"
#include "print/printjob.h"

// The day overview on paper: A4 portrait, the day and the school in the title,
// a ruled line of figures per class with its absent pupils and their reasons
// under it and the day's counts by category (the entry aid for the daily
// surveillance report), then the sums by grade and for the school. As many
// pages as the classes need, the heading repeated on each.
namespace SchoolDayPrint {
inline constexpr double BodyTop = 31;
inline constexpr double BodyBottom = 280;
} // namespace SchoolDayPrint

PrintResult PrintSchoolDay(PageSurface &surface, const SchoolDay &school, const QString &schoolName);

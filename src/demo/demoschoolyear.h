#pragma once

#include "data/records.h"

#include <QList>

// A school year of month registers for the demo's ordinary class, April to
// March: one pupil transfers in during the autumn and one transfers out in the
// winter; the class list is carried from month to month.
namespace DemoSchoolYear {

inline constexpr int StartYear = 2026; // the school year that begins in April 2026
inline constexpr int JoiningMonth = 10;
inline constexpr int LeavingMonth = 1;
inline constexpr int LeavingPupilIndex = 6;

struct Month
{
    int gregorianYear = 0;
    int month = 0;
    RegisterMonth data;
};

QList<Month> months();

} // namespace DemoSchoolYear

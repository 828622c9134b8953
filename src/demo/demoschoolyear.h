#pragma once

#include "data/records.h"

#include <QList>

// A school year of month registers for a class of the demo, April to March,
// the class list carried from month to month. In the demo's first class one
// pupil transfers in during the autumn and one transfers out in the winter.
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

// The first class's year.
QList<Month> months();
// The year of a class whose April pupils stay all year; `classNumber` (from 1)
// gives it marks of its own.
QList<Month> months(const QList<PupilRecord> &april, int classNumber);

} // namespace DemoSchoolYear

#pragma once

#include "data/records.h"
#include "register/monthstatistics.h"

struct Session;

// Everything the sheet's paint routines show: the open month, its figures and
// the few settings and window states that change the drawing.
struct SheetContent
{
    const RegisterMonth &month;
    const MonthStatistics &stats;
    int heiseiYear = 0;
    int monthNumber = 0;
    int classKind = 0;
    bool countBySex = false;
    int highlightedRow = -1; // the row SelectRow shows white on cyan

    static SheetContent of(const Session &session, int highlightedRow = -1);

    bool hasGradeColumn() const { return classKind > 0; }
    // The days the month really has (28 to 31).
    int monthLength() const;
};

// How many entries of the holiday list precede the first "卒業" entry: the
// entries that are drawn as holiday columns.
int holidayEntriesShown(const RegisterMonth &month);

// The day of the month of the first "卒業" entry, 0 when there is none.
int graduationDay(const RegisterMonth &month);

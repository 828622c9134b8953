#pragma once

#include "data/monthfigures.h"
#include "data/reasoncategories.h"
#include "data/records.h"

// Everything the program holds while it runs: the one open month, what is
// open, the class list, the settings and the month's figures. main() creates
// one; tests create as many as they like.
struct Session
{
    RegisterMonth Register;
    AppState State;
    ClassList Classes;
    ProgramSettings Settings;
    MonthStatistics Statistics;
    // The categories a day mark's reason is chosen from, read when a month opens.
    ReasonCategories ReasonLists;
    // CLASS.CSD exists but could not be read: saving the list now would
    // replace classes the program never saw, so no writer does it unasked.
    bool ClassListUnreadable = false;
};

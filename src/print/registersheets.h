#pragma once

#include "pagesurface.h"
#include "printjob.h"
#include "sheetprint.h"

#include <QDate>

struct Session;

// Prints one run of the register form with `job`: the open month of
// `session` with its data on one page, or BlankCopies blank sheets. `today`
// names the era of blank sheets when no month is open.
PrintResult PrintRegisterSheets(PageSurface &surface, PrintJob &job, const Session &session, const QDate &today);

// Pupils the full sheet has rows for; a data print of more is refused.
inline constexpr int FullSheetPupils = SheetLayout::FullRows;

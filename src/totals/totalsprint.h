#pragma once

#include "print/pagesurface.h"
#include "print/printjob.h"
#include "totals.h"

struct ClassEntry;

// The totals printout: A4 portrait, the title with the school year in its
// era, and a ruled table of 47 rows a page, the heading repeated on each page.
namespace TotalsPrint {
inline constexpr int RowsPerPage = 47;
inline constexpr int ThickRule = 5;
inline constexpr int ThinRule = 2;
} // namespace TotalsPrint

// Prints every row of `totals`; the caller refuses an empty table ("印刷データが有りません").
PrintResult PrintTotals(PageSurface &surface, const Totals &totals, const ClassEntry &classEntry);

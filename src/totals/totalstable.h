#pragma once

#include "register/sheetcanvas.h"
#include "totals.h"

// The totals table on screen, in twips: the headings K_LIST and the pupil
// rows D_LIST (row r at y = 240 × r), sharing their x positions.
namespace TotalsTable {

inline constexpr int RowHeight = 240;
inline constexpr int Width = 6180;
inline constexpr int HeadingHeight = 855;
inline constexpr int NameColumnsRight = 2800; // the cyan part: number, grade, name and sex
inline constexpr int GridBottom = 12050;      // the row grid's depth for 50 rows
inline constexpr double Points = 9;

struct Content
{
    const Totals &totals;
    bool gradeColumn = false; // special-support and multi-grade classes show each pupil's grade
};

// K_LIST, `height` twips deep.
void drawHeadings(SheetCanvas &canvas, bool gradeColumn, int height);

// D_LIST: the grid and every row; 長期欠席 pupils carry a red 長 beside the name.
void drawRows(SheetCanvas &canvas, const Content &content);

} // namespace TotalsTable

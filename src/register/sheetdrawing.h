#pragma once

#include "sheetcanvas.h"
#include "sheetcontent.h"

#include <QColor>

// The three surfaces of the register sheet, each drawn whole in its own twips.
namespace SheetColours {
inline const QColor NameColumns{0, 255, 255};
inline const QColor Red{255, 0, 0};
inline const QColor HolidayAttendance{0, 0, 192};
// Marks on days the pupil was not enrolled: they still count, so they are shown, set apart.
inline const QColor OutsideEnrolment{150, 150, 150};
// The corner of a day whose mark has a reason.
inline const QColor Reason{230, 120, 0};
} // namespace SheetColours

// K_LIST: column headings, day numbers and the weekday row.
void drawHeader(SheetCanvas &canvas, const SheetContent &content);

// D_LIST in sheet coordinates (row i at y = 240 × i): the row grid, the holiday
// columns or the month-off notice, and the pupil rows.
void drawRows(SheetCanvas &canvas, const SheetContent &content);

// C_LIST, `height` twips deep: the summary grid, its captions and figures.
void drawSummary(SheetCanvas &canvas, const SheetContent &content, int height);

// False when some pupil row holds what no cell can show (a joining or leaving
// day outside the day columns); the rest of the sheet is drawn all the same.
bool rowsDrawable(const RegisterMonth &month);

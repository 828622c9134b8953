#pragma once

#include "sheetprint.h"

// The month's data on the ruled form.

// Year, month and class in the title band, the day headings and the teacher's
// name (front and full sheets).
void DrawTitleValues(const SheetPrint &print, Sheet sheet);
// Weekdays, and with colour printing the graduation day, the days the month
// lacks, and either the month-off note or the holiday bars.
void DrawDayHeadings(const SheetPrint &print, Sheet sheet);
// Grade, number, name, the day marks and the counts of pupil index `row`.
void PrintPupilRow(const SheetPrint &print, int row);
// The per-day figures, the totals and the month's summary block.
void PrintSummaryNumbers(const SheetPrint &print, Sheet sheet);

// The last day shown: the graduation day, else the month's length.
int daysShown(const SheetPrint &print);

#pragma once

#include "sheetprint.h"

// The ruled register form: rules and fixed captions of each sheet.

// Title band, heading band and 25 pupil rows; the side rules run down to PageBottom.
void DrawFrontFrame(const SheetPrint &print);
// Heading band, pupil rows 26 to 46 and the summary block; the side rules start
// at the top of the printable area.
void DrawBackFrame(const SheetPrint &print);
// Title band, heading band, 18 pupil rows and the summary block, in two boxes.
void DrawFullFrame(const SheetPrint &print);

void DrawColumnHeadings(const SheetPrint &print, Sheet sheet);
void DrawSummaryCaptions(const SheetPrint &print, Sheet sheet);
// "令和　 年　 月" (the era of the month), the class caption of an ordinary
// class and the teacher's captions.
void DrawTitleCaptions(const SheetPrint &print);

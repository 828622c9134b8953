#pragma once

#include "pagesurface.h"
#include "printjob.h"
#include "sheetprint.h"

#include <QDate>
#include <QList>

struct Session;

// Prints one run of the register form with `job`: the open month of
// `session` with its data on one page, or BlankCopies blank sheets. `today`
// names the era of blank sheets when no month is open.
PrintResult PrintRegisterSheets(PageSurface &surface, PrintJob &job, const Session &session, const QDate &today);

// Draws the sheet that job.PrintSide names on a page the run has prepared:
// the form, and for a data print the month's data.
void DrawRegisterSheet(const SheetPrint &print);

// One document of several months, as the year-end archive keeps them: for
// each month the front and back sheets, or the full sheet when its pupils fit
// on it. Every session holds one month with its data.
PrintResult PrintSchoolYear(PageSurface &surface, const QList<const Session *> &months, qint16 printOptions,
                            const QDate &today);

// "表", "裏" or "全表".
QString sideCaption(qint16 side);
// "令和8年5月 1年2組 表": the month, the class and the sheet, for documents and files.
QString sheetTitle(const Session &session, qint16 side);

// Pupils the full sheet has rows for; a data print of more is refused.
inline constexpr int FullSheetPupils = SheetLayout::FullRows;

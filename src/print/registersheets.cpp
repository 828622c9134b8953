#include "registersheets.h"

#include "registerdata.h"
#include "registerform.h"

#include "data/session.h"

#include <algorithm>

using namespace SheetLayout;

namespace {

void drawBackSheet(const SheetPrint &print)
{
    DrawBackFrame(print);
    if (!print.job.printsData())
        return;
    DrawDayHeadings(print, Sheet::Back);
    const int pupils = std::min<int>(print.session.Register.PupilCount, PupilWorkingLimit);
    for (int row = FrontRows; row < pupils; ++row)
        PrintPupilRow(print, row);
    PrintSummaryNumbers(print, Sheet::Back);
}

void drawFrontOrFullSheet(const SheetPrint &print, Sheet sheet)
{
    if (sheet == Sheet::Full)
        DrawFullFrame(print);
    else
        DrawFrontFrame(print);
    if (!print.job.printsData())
        return;
    DrawTitleValues(print, sheet);
    const int rows = sheet == Sheet::Full ? FullRows : FrontRows;
    const int pupils = std::min<int>(print.session.Register.PupilCount, rows);
    for (int row = 0; row < pupils; ++row)
        PrintPupilRow(print, row);
    if (sheet == Sheet::Full)
        PrintSummaryNumbers(print, Sheet::Full);
}

} // namespace

PrintResult PrintRegisterSheets(PageSurface &surface, PrintJob &job, const Session &session, const QDate &today)
{
    if (!PrepareLandscapePage(surface, job))
        return PrintResult::DeviceNotOpened;
    ApplyMarginCorrection(surface, job);
    const SheetPrint print{surface, job, session, today};
    return RunPages(surface, job, [&] {
        if (job.PrintSide == BackSheet)
            drawBackSheet(print);
        else
            drawFrontOrFullSheet(print, job.PrintSide == FullSheet ? Sheet::Full : Sheet::Front);
    });
}

#include "registersheets.h"

#include "registerdata.h"
#include "registerform.h"

#include "calendar/era.h"
#include "data/session.h"
#include "register/monthstatistics.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;
using namespace SheetLayout;

namespace {

// The month's figures, computed for every run from the month as it is now, so
// that a printout can never show figures older than its marks.
MonthStatistics figuresOf(const Session &session)
{
    MonthStatistics figures;
    computeMonthStatistics(session.Register, session.State.HeiseiYear, session.State.Month, figures);
    return figures;
}

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

void DrawRegisterSheet(const SheetPrint &print)
{
    if (print.job.PrintSide == BackSheet)
        drawBackSheet(print);
    else
        drawFrontOrFullSheet(print, print.job.PrintSide == FullSheet ? Sheet::Full : Sheet::Front);
}

PrintResult PrintRegisterSheets(PageSurface &surface, PrintJob &job, const Session &session, const QDate &today)
{
    if (!prepareLandscapePage(surface, job))
        return PrintResult::DeviceNotOpened;
    applyMarginCorrection(surface, job);
    const MonthStatistics figures = job.printsData() ? figuresOf(session) : MonthStatistics{};
    return runPages(surface, job, [&] { DrawRegisterSheet({surface, job, session, figures, today}); });
}

PrintResult PrintSchoolYear(PageSurface &surface, const QList<const Session *> &months, qint16 printOptions,
                            const QDate &today)
{
    PrintJob job;
    job.PrintOptions = printOptions;
    if (!prepareLandscapePage(surface, job))
        return PrintResult::DeviceNotOpened;
    applyMarginCorrection(surface, job);

    struct Page
    {
        const Session *month;
        const MonthStatistics *figures;
        qint16 side;
    };
    std::vector<MonthStatistics> figures;
    figures.reserve(std::size_t(months.size()));
    QList<Page> pages;
    for (const Session *month : months) {
        const MonthStatistics *monthFigures = &figures.emplace_back(figuresOf(*month));
        if (month->Register.PupilCount <= FullSheetPupils) {
            pages.append({month, monthFigures, FullSheet});
        } else {
            pages.append({month, monthFigures, FrontSheet});
            pages.append({month, monthFigures, BackSheet});
        }
    }
    return runPages(surface, int(pages.size()), [&](int page) {
        job.PrintSide = pages[page].side;
        DrawRegisterSheet({surface, job, *pages[page].month, *pages[page].figures, today});
    });
}

QString sideCaption(qint16 side)
{
    return side == BackSheet ? u"裏"_s : side == FullSheet ? u"全表"_s : u"表"_s;
}

QString sheetTitle(const Session &session, qint16 side)
{
    const AppState &state = session.State;
    const QString period =
        state.HeiseiYear > 0 && state.Month > 0
            ? JapaneseEra::monthTitle(JapaneseEra::gregorianFromHeisei(state.HeiseiYear), state.Month)
            : QString();
    return QStringList{period, state.ClassTitle.trimmed(), sideCaption(side)}.join(u' ').trimmed();
}

#include "registerform.h"

using namespace SheetLayout;

namespace {

constexpr int DayLines = 32; // the left edges of days 1 … 31 and the right edge of the 31st
constexpr int CountLines = 9;

void rule(PageSurface &surface, int width, double x1, double y1, double x2, double y2)
{
    surface.setLineWidth(width);
    surface.line(x1, y1, x2, y2);
}

void rowLines(PageSurface &surface, double firstY, int count)
{
    for (int i = 0; i < count; ++i)
        rule(surface, ThinRule, 14.5, firstY + RowPitch * i, 282.5, firstY + RowPitch * i);
}

// Thick after the 10th, 20th and 31st day.
void dayLines(PageSurface &surface, double top, double bottom)
{
    for (int d = 0; d < DayLines; ++d) {
        const bool thick = d == 10 || d == 20 || d == 31;
        rule(surface, thick ? ThickRule : ThinRule, dayColumn(d), top, dayColumn(d), bottom);
    }
}

// The lines that close the 欠席日数 and 忌引等日数 groups start at the band's top.
void countLines(PageSurface &surface, double bandTop, double top, double bottom)
{
    for (int k = 0; k < CountLines; ++k)
        rule(surface, ThinRule, countLine(k), (k == 2 || k == 6) ? bandTop : top, countLine(k), bottom);
}

void summaryCountLines(PageSurface &surface, double top, double bottom)
{
    for (int k = 0; k < CountLines; ++k)
        rule(surface, ThinRule, countLine(k), top, countLine(k), bottom);
}

void cornerDiagonals(PageSurface &surface, double top, double bottom)
{
    rule(surface, ThinRule, 14.5, top, 25, bottom);
    rule(surface, ThinRule, 14.5, top, 65, bottom);
}

void lowerBlockColumns(PageSurface &surface, double top, double bottom)
{
    for (const double x : {55.0, 85.0, 115.0, 144.0, 172.0, 200.0, 226.5, 254.5})
        rule(surface, ThinRule, x, top, x, bottom);
}

// The 男 / 女 / 計 sub-rows of the two enrolment cells; `s` is the summary's shift.
void enrolmentBySexRules(PageSurface &surface, double s)
{
    for (const double left : {85.0, 200.0}) {
        const double right = left == 85 ? 115 : 226.5;
        rule(surface, ThinRule, left, s + 178.5, right, s + 178.5);
        rule(surface, ThinRule, left, s + 184, right, s + 184);
        rule(surface, ThinRule, left + 7, s + 173, left + 7, s + 189.5);
    }
}

} // namespace

void DrawFrontFrame(const SheetPrint &print)
{
    PageSurface &surface = print.surface;
    const double bottom = print.job.PageBottom;
    surface.setFont(10);
    rule(surface, ThickRule, 13, 18, 13, bottom);
    rule(surface, ThickRule, 13, 18, 284, 18);
    rule(surface, ThickRule, 284, 18, 284, bottom);
    rule(surface, ThinRule, 14.5, 19.5, 14.5, bottom);
    rule(surface, ThinRule, 14.5, 19.5, 282.5, 19.5);
    rule(surface, ThinRule, 282.5, 19.5, 282.5, bottom);
    rule(surface, ThickRule, 14.5, 32, 282.5, 32);
    rowLines(surface, 47, FrontRows);
    rule(surface, ThickRule, 14.5, 199.5, 282.5, 199.5);
    rule(surface, ThinRule, 25, 47, 25, 199.5);
    dayLines(surface, 32, 199.5);
    rule(surface, ThickRule, 230.5, 32, 230.5, 199.5);
    countLines(surface, 32, 37, 199.5);
    cornerDiagonals(surface, 32, 47);
    rule(surface, ThinRule, 230.5, 37, 282.5, 37);
    DrawColumnHeadings(print, Sheet::Front);
    DrawTitleCaptions(print);
}

void DrawBackFrame(const SheetPrint &print)
{
    PageSurface &surface = print.surface;
    const double top = printableTop(print.job);
    surface.setFont(10);
    rule(surface, ThickRule, 13, top, 13, 191);
    rule(surface, ThickRule, 13, 191, 284, 191);
    rule(surface, ThickRule, 284, top, 284, 191);
    rule(surface, ThinRule, 14.5, top, 14.5, 189.5);
    rule(surface, ThinRule, 14.5, 189.5, 282.5, 189.5);
    rule(surface, ThinRule, 282.5, top, 282.5, 189.5);
    rule(surface, ThickRule, 14.5, 8, 282.5, 8);
    rowLines(surface, 23, 21);
    rule(surface, ThickRule, 14.5, 151.1, 282.5, 151.1);
    rule(surface, ThinRule, 25, 23, 25, 189.5);
    dayLines(surface, 8, 167.5);
    rule(surface, ThickRule, 230.5, 8, 230.5, 151);
    rule(surface, ThinRule, 230.5, 147.5, 230.5, 167.5);
    countLines(surface, 8, 13, 151.1);
    summaryCountLines(surface, 162, 167.5);
    cornerDiagonals(surface, 8, 23);
    rule(surface, ThinRule, 230.5, 13, 282.5, 13);
    rule(surface, ThinRule, 25, 156.5, 230.5, 156.5);
    rule(surface, ThinRule, 25, 162, 282.5, 162);
    rule(surface, ThinRule, 25, 167.5, 282.5, 167.5);
    rule(surface, ThinRule, 25, 173, 282.5, 173);
    lowerBlockColumns(surface, 167.5, 189.5);
    if (print.countBySex())
        enrolmentBySexRules(surface, 0);
    rule(surface, ThinRule, 230.5, 162, 282.5, 151);
    DrawColumnHeadings(print, Sheet::Back);
    DrawSummaryCaptions(print, Sheet::Back);
}

void DrawFullFrame(const SheetPrint &print)
{
    PageSurface &surface = print.surface;
    surface.setFont(10);
    surface.setLineWidth(ThickRule);
    surface.box(13, 18, 284, 196.8);
    surface.setLineWidth(ThinRule);
    surface.box(14.5, 19.5, 282.5, 195.3);
    rule(surface, ThickRule, 14.5, 32, 282.5, 32);
    rowLines(surface, 47, FullRows);
    rule(surface, ThickRule, 14.5, 156.8, 282.5, 156.8);
    rule(surface, ThinRule, 25, 47, 25, 195.3);
    dayLines(surface, 32, 173.3);
    rule(surface, ThickRule, 230.5, 32, 230.5, 173.3);
    countLines(surface, 32, 37, 156.8);
    summaryCountLines(surface, 168, 173.3);
    cornerDiagonals(surface, 32, 47);
    rule(surface, ThinRule, 230.5, 37, 282.5, 37);
    rule(surface, ThinRule, 25, 162.3, 230.5, 162.3);
    rule(surface, ThinRule, 25, 168, 282.5, 168);
    rule(surface, ThinRule, 25, 173.3, 282.5, 173.3);
    rule(surface, ThinRule, 25, 178.8, 282.5, 178.8);
    lowerBlockColumns(surface, 173.3, 195.3);
    if (print.countBySex())
        enrolmentBySexRules(surface, 5.8);
    rule(surface, ThinRule, 230.5, 167.8, 282.5, 156.8);
    DrawColumnHeadings(print, Sheet::Full);
    DrawSummaryCaptions(print, Sheet::Full);
    DrawTitleCaptions(print);
}

#include "sheetdrawing.h"

#include "figureformat.h"
#include "sheetgeometry.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Sheet;

namespace {

constexpr int DayLinesBottom = 720; // the three per-day lines 出席, 欠席, 計
constexpr int CaptionsTop = 720;
constexpr int ValuesTop = 960;
constexpr int StartLeft = 3200; // 月始在籍者数
constexpr int StartRight = 4600;
constexpr int EndLeft = 8800; // 月末在籍者数
constexpr int EndRight = PresentLeft;

struct Caption
{
    int x;
    int y;
    QStringView text;
};

constexpr Caption Captions[] = {
    {100, 300, u"合"},
    {100, 1000, u"計"},
    {1200, 30, u"出    席"},
    {1200, 270, u"欠    席"},
    {1200, 510, u"　 計"},
    {800, 750, u"授業日数"},
    {2300, 750, u"出席率"},
    {3300, 750, u"月始在籍者数"},
    {4630, 750, u"転・編入学者数"},
    {6150, 750, u"転・退学者数"},
    {7500, 750, u"その他の増減"},
    {8900, 750, u"月末在籍者数"},
};

constexpr int CaptionSeparators[] = {1800, 3200, 4600, 6000, 7400, 8800};
constexpr int BySexRows[] = {990, 1230, 1470}; // 男, 女, 計

void drawGrid(SheetCanvas &canvas, const SheetContent &content, int height)
{
    for (int b = 0; b <= DaySlots; ++b)
        canvas.line({dayLeft(b), 0}, {dayLeft(b), DayLinesBottom});
    canvas.line({GradeLeft, 0}, {GradeLeft, height});
    canvas.line({StatsLeft, 0}, {StatsLeft, DayLinesBottom}, Qt::black, 2);
    canvas.line({PresentLeft, CaptionsTop}, {PresentLeft, height});
    canvas.line({GradeLeft, 240}, {StatsLeft, 240});
    canvas.line({GradeLeft, 480}, {StatsRight, 480});
    canvas.line({GradeLeft, 720}, {StatsRight, 720});
    canvas.line({GradeLeft, ValuesTop}, {PresentLeft, ValuesTop});
    for (int column = 2; column <= 11; ++column)
        canvas.line({statLeft(column), 480}, {statLeft(column), DayLinesBottom});
    for (int h = 0; h < holidayEntriesShown(content.month); ++h) {
        const int x = content.month.HolidayList[h].Day * DayWidth + 2690;
        canvas.line({x, 0}, {x, DayLinesBottom});
    }
    for (int x : CaptionSeparators)
        canvas.line({x, CaptionsTop}, {x, height});
    if (!content.countBySex)
        return;
    for (int y : {1200, 1440}) {
        canvas.line({StartLeft, y}, {StartRight, y});
        canvas.line({EndLeft, y}, {EndRight, y});
    }
    canvas.line({3600, ValuesTop}, {3600, height});
    canvas.line({9200, ValuesTop}, {9200, height});
}

// A caption under the per-day lines is narrowed, where it must be, to end
// before the separator on its right (転・編入学者数 is wider than its cell).
int captionRoom(const Caption &caption)
{
    if (caption.y < CaptionsTop)
        return 0;
    const auto right =
        std::find_if(std::begin(CaptionSeparators), std::end(CaptionSeparators), [&](int x) { return x > caption.x; });
    return (right == std::end(CaptionSeparators) ? PresentLeft : *right) - caption.x - 20;
}

void drawCaptions(SheetCanvas &canvas, const SheetContent &content)
{
    for (const Caption &caption : Captions)
        canvas.text({caption.x, caption.y}, caption.text.toString(),
                    {TextPoints, Qt::black, SheetCanvas::Anchor::Left, captionRoom(caption)});
    if (!content.countBySex)
        return;
    const QString bySex[] = {u"男"_s, u"女"_s, u"計"_s};
    for (int k = 0; k < 3; ++k) {
        canvas.text({3300, BySexRows[k]}, bySex[k], TextPoints);
        canvas.text({8900, BySexRows[k]}, bySex[k], TextPoints);
    }
}

// "##" and "###" leave a zero blank.
void drawFigure(SheetCanvas &canvas, QPoint at, qint64 value, double points, int width = 0)
{
    if (value == 0)
        return;
    canvas.text(at, FigureFormat::count(value), {points, Qt::black, SheetCanvas::Anchor::Left, width});
}

void drawDayFigures(SheetCanvas &canvas, const MonthStatistics &stats)
{
    for (int d = 0; d < DaySlots; ++d) {
        const int x = 2840 + DayWidth * d;
        drawFigure(canvas, {x, 40}, stats.DayPresent[d], FigurePoints, DayWidth - 40);
        drawFigure(canvas, {x, 280}, stats.DayAbsent[d], FigurePoints, DayWidth - 40);
        drawFigure(canvas, {x, 520}, stats.DayPresent[d] + stats.DayAbsent[d], FigurePoints, DayWidth - 40);
    }
    const qint64 present = stats.totalPresent();
    const qint64 absent = stats.totalAbsent();
    const int width = StatsLeft - PresentLeft - 20;
    drawFigure(canvas, {PresentLeft + 20, 40}, present, FigurePoints, width);
    drawFigure(canvas, {PresentLeft + 20, 280}, absent, FigurePoints, width);
    drawFigure(canvas, {PresentLeft + 20, 520}, present + absent, FigurePoints, width);
}

// The change lines of one column: each line only when its count is above 0.
void drawChanges(SheetCanvas &canvas, const MonthStatistics &stats)
{
    const auto line = [&](int kind, const QString &label) {
        return label + QString::number(stats.Changes[kind]) + u"名"_s;
    };
    if (stats.Changes[ChangeKind::TransferIn] > 0)
        canvas.text({4800, 1100}, line(ChangeKind::TransferIn, u"転入学 "_s), TextPoints);
    if (stats.Changes[ChangeKind::Admission] > 0)
        canvas.text({4800, 1350}, line(ChangeKind::Admission, u"編入学 "_s), TextPoints);
    if (stats.Changes[ChangeKind::TransferOut] > 0)
        canvas.text({6300, 1100}, line(ChangeKind::TransferOut, u"転学 "_s), TextPoints);
    if (stats.Changes[ChangeKind::Withdrawal] > 0)
        canvas.text({6300, 1350}, line(ChangeKind::Withdrawal, u"退学 "_s), TextPoints);

    int y = 1050;
    const std::pair<int, QString> others[] = {{ChangeKind::Postponement, u"就学猶予 "_s},
                                              {ChangeKind::Exemption, u"就学免除 "_s},
                                              {ChangeKind::Death, u"　死亡　 "_s}};
    for (const auto &[kind, label] : others) {
        if (stats.Changes[kind] <= 0)
            continue;
        canvas.text({7500, y}, line(kind, label), TextPoints);
        y += 220;
    }
}

void drawEnrolment(SheetCanvas &canvas, const SheetContent &content)
{
    const MonthStatistics &stats = content.stats;
    if (!content.countBySex) {
        drawFigure(canvas, {3600, 1200}, stats.StartBoys + stats.StartGirls, LargeFigurePoints);
        drawFigure(canvas, {9200, 1200}, stats.EndBoys + stats.EndGirls, LargeFigurePoints);
        return;
    }
    const int start[] = {stats.StartBoys, stats.StartGirls, stats.StartBoys + stats.StartGirls};
    const int end[] = {stats.EndBoys, stats.EndGirls, stats.EndBoys + stats.EndGirls};
    for (int k = 0; k < 3; ++k) {
        drawFigure(canvas, {3800, BySexRows[k]}, start[k], TextPoints);
        drawFigure(canvas, {9400, BySexRows[k]}, end[k], TextPoints);
    }
}

} // namespace

void drawSummary(SheetCanvas &canvas, const SheetContent &content, int height)
{
    const MonthStatistics &stats = content.stats;
    drawGrid(canvas, content, height);
    drawCaptions(canvas, content);
    drawDayFigures(canvas, stats);

    const auto rate = attendanceRateTenths(stats);
    if (!rate)
        return;
    const int pupils = std::clamp<int>(content.month.PupilCount, 0, PupilSlots);
    for (int n = 1; n < StatColumn::Count; ++n)
        drawFigure(canvas, {statLeft(n) + 60, 520}, stats.columnTotal(n, pupils), FigurePoints, StatWidth - 60);
    canvas.text({800, 1200}, FigureFormat::schoolDays(stats.SchoolDays), LargeFigurePoints);
    canvas.text({2100, 1200}, FigureFormat::rate(rate), LargeFigurePoints);
    drawChanges(canvas, stats);
    drawEnrolment(canvas, content);
}

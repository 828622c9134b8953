#include "sheetdrawing.h"

#include "data/markreasons.h"
#include "data/marktable.h"
#include "enrolment.h"
#include "figureformat.h"
#include "sheetgeometry.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Sheet;

namespace {

constexpr int TextInset = 30;    // texts stand 30 twips below the row's top line
constexpr int ReasonCorner = 75; // the side of the triangle that marks a day with a reason

bool dayInColumns(int day)
{
    return day >= 0 && day < DaySlots;
}

int rowCount(const RegisterMonth &month)
{
    return std::clamp<int>(month.PupilCount, 0, PupilSlots);
}

void drawGrid(SheetCanvas &canvas, const SheetContent &content)
{
    // A file may hold more rows than the 50 the grid was made for.
    const int bottom = std::max(GridBottom, rowTop(rowCount(content.month)) + 50);
    canvas.fill(QRect(0, 0, DaysLeft, bottom), SheetColours::NameColumns);
    for (int d = 0; d < DaySlots - 1; ++d)
        canvas.line({dayLeft(d + 1), 0}, {dayLeft(d + 1), bottom});
    canvas.line({GradeLeft, 0}, {GradeLeft, bottom});
    if (content.hasGradeColumn())
        canvas.line({GradeRight, 0}, {GradeRight, bottom});
    canvas.line({SexLeft, 0}, {SexLeft, bottom});
    canvas.line({DaysLeft, 0}, {DaysLeft, bottom});
    canvas.line({PresentLeft, 0}, {PresentLeft, bottom}, Qt::black, 2);
    canvas.line({StatsLeft, 0}, {StatsLeft, bottom}, Qt::black, 2);
    for (int column = 2; column <= 11; ++column)
        canvas.line({statLeft(column), 0}, {statLeft(column), bottom});
    for (int y = RowHeight; y < bottom; y += RowHeight)
        canvas.line({0, y}, {Width, y});
}

void drawVertically(SheetCanvas &canvas, int x, int firstTop, const QString &text)
{
    for (qsizetype k = 0; k < text.size(); ++k)
        canvas.text({x, firstTop + RowHeight * int(k)}, text.at(k), {TextPoints, SheetColours::Red});
}

void drawMonthOff(SheetCanvas &canvas, const SheetContent &content)
{
    const SheetCanvas::TextStyle centred{TextPoints, SheetColours::Red, SheetCanvas::Anchor::Centre};
    const int centre = DaysLeft + DayWidth / 2;
    const int left = DaysLeft + 40;
    canvas.text({centre, 30}, QString::number(content.monthNumber), centred);
    canvas.text({left, 270}, u"月"_s, {TextPoints, SheetColours::Red});
    canvas.text({centre, 510}, QString::number(content.stats.CountedDays), centred);
    canvas.text({left, 750}, u"日"_s, {TextPoints, SheetColours::Red});
    drawVertically(canvas, left, 750 + RowHeight, u"まで"_s + content.month.MonthOffText + u"のため以下記載省略"_s);
}

void drawHolidayColumns(SheetCanvas &canvas, const SheetContent &content)
{
    const RegisterMonth &month = content.month;
    const int rowsBottom = rowTop(rowCount(month));
    const int shown = holidayEntriesShown(month);
    for (int h = 0; h < shown; ++h) {
        const HolidayEntry &entry = month.HolidayList[h];
        const int centre = entry.Day * DayWidth + 2690;
        const bool continuesPrevious = h > 0 && month.HolidayList[h - 1].PrintText == entry.PrintText
                                       && month.HolidayList[h - 1].Day == entry.Day - 1;
        const int textBottom = continuesPrevious ? 0 : rowTop(int(entry.PrintText.size()));
        if (!continuesPrevious)
            drawVertically(canvas, centre - 90, TextInset, entry.PrintText);
        if (rowsBottom > textBottom)
            canvas.line({centre, textBottom}, {centre, rowsBottom}, SheetColours::Red);
    }
}

void drawMark(SheetCanvas &canvas, const QString &stored, int x, int y, bool enrolled)
{
    const QString mark = stored.trimmed();
    const int code = markCodeOf(mark);
    const QColor ink = enrolled ? QColor(Qt::black) : SheetColours::OutsideEnrolment;
    const QPoint topRight(x + DayWidth, y - TextInset);
    const QPoint bottomLeft(x, y + RowHeight - TextInset);
    switch (code) {
    case -1:
        return;
    case MarkCode::Sick:
        canvas.line(topRight, bottomLeft, ink);
        canvas.text({x + 50, y}, u"○"_s, {TextPoints, ink});
        return;
    case MarkCode::OtherReasons:
        canvas.line(topRight, bottomLeft, ink);
        return;
    case MarkCode::Late:
        canvas.line(topRight, bottomLeft, ink);
        canvas.line({x, y - TextInset}, {x + DayWidth, y + RowHeight - TextInset}, ink);
        return;
    case MarkCode::LateAndEarlyLeave:
        canvas.text({x + 20, y}, u"ﾁｿ"_s, {TextPoints, ink, SheetCanvas::Anchor::Left, DayWidth - 20});
        return;
    default:
        const bool holiday = code == MarkCode::HolidayAttendance && enrolled;
        canvas.text({x + 40, y}, mark, {TextPoints, holiday ? SheetColours::HolidayAttendance : ink});
    }
}

// A small triangle in the cell's top right corner, as a note shows on a sheet.
void drawReasonCorner(SheetCanvas &canvas, int x, int y)
{
    const int right = x + DayWidth - 1;
    const int top = y - TextInset + 1;
    for (int k = 0; k <= ReasonCorner; k += 5)
        canvas.line({right - ReasonCorner + k, top}, {right, top + ReasonCorner - k}, SheetColours::Reason);
}

void drawIdentity(SheetCanvas &canvas, const SheetContent &content, int i, int y)
{
    const PupilRecord &pupil = content.month.Pupils[i];
    const QColor ink = i == content.highlightedRow ? Qt::white : Qt::black;
    canvas.text({330, y}, QString::number(i + 1), {TextPoints, ink, SheetCanvas::Anchor::Right});
    if (content.hasGradeColumn() && pupil.Grade != 0)
        canvas.text({580, y}, QString::number(pupil.Grade), {TextPoints, ink});
    canvas.text({830, y}, pupil.Name, {TextPoints, ink, SheetCanvas::Anchor::Left, SexLeft - 830});
    canvas.text({2500, y}, pupil.Sex, {TextPoints, pupil.Sex == u"女"_s ? SheetColours::Red : Qt::black});
}

// Marks on days outside the enrolment (before joining, after leaving) are
// drawn in grey under the red strike-through, since they still count.
void drawDays(SheetCanvas &canvas, const SheetContent &content, const PupilRecord &pupil, int y)
{
    const int days = content.stats.CountedDays;
    for (int d = 0; d < days; ++d) {
        const int x = dayLeft(d);
        drawMark(canvas, pupil.Marks[d], x, y, !outsideEnrolment(pupil, d));
        if (MarkReasons::find(pupil, d))
            drawReasonCorner(canvas, x, y);
        if (!pupil.InKind.isEmpty() && d == pupil.InDay) {
            canvas.text({x + 40, y}, pupil.InKind, {TextPoints, SheetColours::Red});
            if (d > 0)
                canvas.line({DaysLeft, y + 100}, {x, y + 100}, SheetColours::Red);
        }
        if (!pupil.OutKind.isEmpty() && d == pupil.OutDay) {
            canvas.text({x + 40, y}, pupil.OutKind, {TextPoints, SheetColours::Red});
            canvas.line({x + DayWidth, y + 100}, {dayLeft(days), y + 100}, SheetColours::Red);
        }
    }
}

void drawCounters(SheetCanvas &canvas, const std::array<qint16, StatColumn::Count> &counters, int y)
{
    if (counters[StatColumn::Present] > 0) {
        canvas.text({PresentLeft + 20, y}, FigureFormat::count(counters[StatColumn::Present]),
                    {FigurePoints, Qt::black, SheetCanvas::Anchor::Left, StatsLeft - PresentLeft - 20});
    }
    for (int n = 1; n < StatColumn::Count; ++n) {
        if (counters[n] <= 0)
            continue;
        const QColor colour = n == StatColumn::HolidayAttendance ? SheetColours::Red : Qt::black;
        canvas.text({statLeft(n) + 60, y}, FigureFormat::count(counters[n]),
                    {FigurePoints, colour, SheetCanvas::Anchor::Left, StatWidth - 60});
    }
}

} // namespace

void drawRows(SheetCanvas &canvas, const SheetContent &content)
{
    drawGrid(canvas, content);
    if (content.month.MonthOffFlag == 1)
        drawMonthOff(canvas, content);
    else
        drawHolidayColumns(canvas, content);

    for (int i = 0; i < rowCount(content.month); ++i) {
        const int y = rowTop(i) + TextInset;
        drawIdentity(canvas, content, i, y);
        drawDays(canvas, content, content.month.Pupils[i], y);
        drawCounters(canvas, content.stats.PupilStat[i], y);
    }
}

bool rowsDrawable(const RegisterMonth &month)
{
    for (int i = 0; i < rowCount(month); ++i) {
        const PupilRecord &pupil = month.Pupils[i];
        if ((!pupil.InKind.isEmpty() && !dayInColumns(pupil.InDay))
            || (!pupil.OutKind.isEmpty() && !dayInColumns(pupil.OutDay)))
            return false;
    }
    return true;
}

#include "totalstable.h"

#include "register/figureformat.h"
#include "register/sheetdrawing.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace TotalsTable {

namespace {

constexpr int GradeLeft = 400;
constexpr int NameLeft = 800;
constexpr int SexLeft = 2400;
constexpr int PresentLeft = 3200;
constexpr int CountersLeft = 3600;
constexpr int CounterWidth = 250;
constexpr int HeadingRule = 230;
constexpr int TextInset = 30;
constexpr int LongAbsenceMarkLeft = 2210;
constexpr int DigitWidth = 90; // a half-width digit at 9 points

constexpr int counterLeft(int column)
{
    return CountersLeft + CounterWidth * (column - 1);
}

struct StackedTitle
{
    int x;
    QStringView upper;
    QStringView lower; // empty: `upper` stands alone between the two lines
};

constexpr StackedTitle CounterTitles[] = {
    {3640, u"病", u"気"}, {3890, u"事", u"故"}, {4140, u"計", u""},   {4390, u"停", u"止"}, {4640, u"忌", u"引"},
    {4890, u"特", u"欠"}, {5140, u"計", u""},   {5390, u"遅", u"刻"}, {5640, u"早", u"退"}, {5890, u"出", u"席"},
};

void drawColumnBoundaries(SheetCanvas &canvas, bool gradeColumn, int top, int bottom)
{
    canvas.line({GradeLeft, top}, {GradeLeft, bottom});
    if (gradeColumn)
        canvas.line({NameLeft, top}, {NameLeft, bottom});
    canvas.line({SexLeft, top}, {SexLeft, bottom});
}

void drawVertically(SheetCanvas &canvas, int centre, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        canvas.text({centre, 180 * int(i + 1) - 150}, text.at(i), {Points, Qt::black, SheetCanvas::Anchor::Centre});
}

// A figure right-aligned in `positions` half-width places from `x`; one with
// more digits than places is narrowed to fit its cell, never cut.
void drawFigure(SheetCanvas &canvas, int x, int y, int positions, int value, const QColor &colour = Qt::black)
{
    if (value <= 0)
        return;
    const int right = x + positions * DigitWidth;
    canvas.text({right, y}, FigureFormat::count(value),
                {Points, colour, SheetCanvas::Anchor::Right, positions * DigitWidth + DigitWidth / 2});
}

void drawRow(SheetCanvas &canvas, const Content &content, int r)
{
    const TotalsRow &row = content.totals.rows[r];
    const int y = RowHeight * r + TextInset;
    canvas.text({30 + 3 * DigitWidth, y}, QString::number(r + 1), {Points, Qt::black, SheetCanvas::Anchor::Right});
    if (content.gradeColumn && row.Grade != 0)
        canvas.text({580, y}, QString::number(row.Grade), Points);
    const bool longAbsence = isLongAbsence(row);
    const int nameRight = longAbsence ? LongAbsenceMarkLeft : SexLeft;
    canvas.text({830, y}, row.Name, {Points, Qt::black, SheetCanvas::Anchor::Left, nameRight - 830 - 20});
    if (longAbsence)
        canvas.text({LongAbsenceMarkLeft, y}, u"長"_s, {Points, SheetColours::Red});
    canvas.text({2500, y}, row.Sex, {Points, row.Sex == u"女"_s ? SheetColours::Red : Qt::black});
    drawFigure(canvas, 2820, y, 4, row.schoolDays());
    drawFigure(canvas, 3220, y, 4, row.Stat[StatColumn::Present]);
    for (int n = 1; n < StatColumn::Count; ++n) {
        const QColor colour = n == StatColumn::HolidayAttendance ? SheetColours::Red : Qt::black;
        drawFigure(canvas, 3410 + CounterWidth * n, y, 2, row.Stat[n], colour);
    }
}

} // namespace

void drawHeadings(SheetCanvas &canvas, bool gradeColumn, int height)
{
    canvas.fill(QRect(0, 0, NameColumnsRight, height), SheetColours::NameColumns);
    canvas.line({0, HeadingRule}, {NameColumnsRight, HeadingRule});
    canvas.line({CountersLeft, HeadingRule}, {Width, HeadingRule});
    drawColumnBoundaries(canvas, gradeColumn, HeadingRule, height);
    for (const int x : {NameColumnsRight, PresentLeft, CountersLeft})
        canvas.line({x, 0}, {x, height});
    for (int n = 1; n <= 10; ++n) {
        const bool groupEdge = n == 3 || n == 7 || n == 10;
        canvas.line({CountersLeft + CounterWidth * n, groupEdge ? 0 : RowHeight},
                    {CountersLeft + CounterWidth * n, height});
    }

    canvas.text({1000, 30}, u"児童・生徒"_s, Points);
    canvas.text({70, 400}, u"NO"_s, Points);
    if (gradeColumn)
        canvas.text({410, 400}, u"学年"_s, Points);
    canvas.text({1200, 400}, u"氏  名"_s, Points);
    canvas.text({2410, 400}, u"性別"_s, Points);
    drawVertically(canvas, (NameColumnsRight + PresentLeft) / 2, u"授業日数"_s);
    drawVertically(canvas, (PresentLeft + CountersLeft) / 2, u"出席日数"_s);
    // Each group's heading centred over its columns, inside the table's right edge.
    const auto groupHeading = [&](int first, int last, const QString &text) {
        canvas.text({(counterLeft(first) + counterLeft(last + 1)) / 2, 30}, text,
                    {Points, Qt::black, SheetCanvas::Anchor::Centre});
    };
    groupHeading(1, 3, u"欠席日数"_s);
    groupHeading(4, 7, u"忌引等日数"_s);
    groupHeading(8, 10, u"参  考"_s);
    for (const StackedTitle &title : CounterTitles) {
        if (title.lower.isEmpty()) {
            canvas.text({title.x, 370}, title.upper.toString(), Points);
            continue;
        }
        canvas.text({title.x, 280}, title.upper.toString(), Points);
        canvas.text({title.x, 460}, title.lower.toString(), Points);
    }
}

void drawRows(SheetCanvas &canvas, const Content &content)
{
    const int rows = int(content.totals.rows.size());
    const int bottom = std::max(GridBottom, RowHeight * rows + 50);
    canvas.fill(QRect(0, 0, NameColumnsRight, bottom), SheetColours::NameColumns);
    drawColumnBoundaries(canvas, content.gradeColumn, 0, bottom);
    for (const int x : {NameColumnsRight, PresentLeft, CountersLeft})
        canvas.line({x, 0}, {x, bottom});
    for (int n = 1; n <= 10; ++n)
        canvas.line({counterLeft(n + 1), 0}, {counterLeft(n + 1), bottom});
    for (int y = RowHeight; y < bottom; y += RowHeight)
        canvas.line({0, y}, {Width, y});
    for (int r = 0; r < rows; ++r)
        drawRow(canvas, content, r);
}

} // namespace TotalsTable

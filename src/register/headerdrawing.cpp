#include "sheetdrawing.h"

#include "calendar/era.h"
#include "data/marktable.h"
#include "sheetgeometry.h"

#include <QDate>

using namespace Qt::StringLiterals;
using namespace Sheet;

namespace {

constexpr int HeadingRule = 230; // under "児童・生徒" and the counter groups

struct StackedHeading
{
    int x;
    QStringView upper;
    QStringView lower; // empty: `upper` stands alone, centred between the two lines
};

constexpr StackedHeading CounterHeadings[] = {
    {10680, u"病", u"気"}, {10930, u"事", u"故"}, {11180, u"計", u""},   {11430, u"停", u"止"}, {11680, u"忌", u"引"},
    {11930, u"特", u"欠"}, {12180, u"計", u""},   {12430, u"遅", u"刻"}, {12680, u"早", u"退"}, {12930, u"出", u"席"},
};

struct CounterGroup
{
    int firstColumn;
    int lastColumn;
    QStringView caption;
};

constexpr CounterGroup CounterGroups[] = {{1, 3, u"欠席日数"}, {4, 7, u"忌引等日数"}, {8, 10, u"参考"}};

void drawRules(SheetCanvas &canvas, const SheetContent &content)
{
    canvas.fill(QRect(0, 0, DaysLeft, HeaderHeight), SheetColours::NameColumns);
    for (int d = 0; d < DaySlots - 1; ++d)
        canvas.line({dayLeft(d + 1), 0}, {dayLeft(d + 1), HeaderHeight});
    canvas.line({0, HeadingRule}, {DaysLeft, HeadingRule});
    canvas.line({GradeLeft, HeadingRule}, {GradeLeft, HeaderHeight});
    if (content.hasGradeColumn())
        canvas.line({GradeRight, HeadingRule}, {GradeRight, HeaderHeight});
    canvas.line({SexLeft, HeadingRule}, {SexLeft, HeaderHeight});
    canvas.line({DaysLeft, 0}, {DaysLeft, HeaderHeight});
    canvas.line({PresentLeft, 0}, {PresentLeft, HeaderHeight}, Qt::black, 2);
    canvas.line({StatsLeft, 0}, {StatsLeft, HeaderHeight}, Qt::black, 2);

    // The counter columns continue the rows' rules; the groups span the full depth.
    canvas.line({StatsLeft, HeadingRule}, {StatsRight, HeadingRule});
    for (int column = 2; column <= 11; ++column) {
        const bool groupEdge = column == 4 || column == 8 || column == 11;
        canvas.line({statLeft(column), groupEdge ? 0 : HeadingRule}, {statLeft(column), HeaderHeight});
    }
}

void drawCaptions(SheetCanvas &canvas, const SheetContent &content)
{
    const SheetCanvas::TextStyle centred{TextPoints, Qt::black, SheetCanvas::Anchor::Centre};
    canvas.text({DaysLeft / 2, 20}, u"児童・生徒"_s, centred);
    canvas.text({70, 400}, u"NO"_s, TextPoints);
    if (content.hasGradeColumn())
        canvas.text({410, 400}, u"学年"_s, TextPoints);
    canvas.text({1200, 400}, u"氏  名"_s, TextPoints);
    canvas.text({2410, 400}, u"性別"_s, TextPoints);

    canvas.text({PresentLeft + 20, 280}, u"出席"_s, FigurePoints);
    canvas.text({PresentLeft + 20, 460}, u"日数"_s, FigurePoints);
    for (const CounterGroup &group : CounterGroups) {
        const int centre = (statLeft(group.firstColumn) + statLeft(group.lastColumn + 1)) / 2;
        canvas.text({centre, 20}, group.caption.toString(), {FigurePoints, Qt::black, SheetCanvas::Anchor::Centre});
    }
    for (const StackedHeading &heading : CounterHeadings) {
        if (heading.lower.isEmpty()) {
            canvas.text({heading.x, 370}, heading.upper.toString(), TextPoints);
            continue;
        }
        canvas.text({heading.x, 280}, heading.upper.toString(), TextPoints);
        canvas.text({heading.x, 460}, heading.lower.toString(), TextPoints);
    }
}

void drawDayNumbers(SheetCanvas &canvas)
{
    for (int d = 0; d < DaySlots; ++d) {
        const int x = d < 9 ? 2880 + DayWidth * d : 2830 + DayWidth * d;
        canvas.text({x, 250}, QString::number(d + 1), DayNumberPoints);
    }
}

void drawWeekdays(SheetCanvas &canvas, const SheetContent &content)
{
    const int length = content.monthLength();
    const int graduation = graduationDay(content.month);
    for (int d = 0; d < DaySlots; ++d) {
        const int x = 2840 + DayWidth * d;
        if (d >= length) {
            canvas.line({2830 + DayWidth * d, 330}, {2830 + DayWidth * d + 180, 330});
        } else if (d + 1 == graduation) {
            canvas.text({x, 450}, u"卒"_s, TextPoints);
            canvas.text({x, 610}, u"業"_s, TextPoints);
        } else {
            const QDate date(JapaneseEra::gregorianFromHeisei(content.heiseiYear), content.monthNumber, d + 1);
            canvas.text({x, 500}, WeekdayNames[date.dayOfWeek() % 7 + 1].toString(), TextPoints);
        }
    }
}

} // namespace

void drawHeader(SheetCanvas &canvas, const SheetContent &content)
{
    drawRules(canvas, content);
    drawCaptions(canvas, content);
    drawDayNumbers(canvas);
    drawWeekdays(canvas, content);
}

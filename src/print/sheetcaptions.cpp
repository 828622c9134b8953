#include "registerform.h"

#include "data/session.h"

using namespace Qt::StringLiterals;
using namespace SheetLayout;

namespace {

struct Caption
{
    double points;
    QStringView text;
    double x;
    double y; // from the heading base or the summary shift
};

void print(PageSurface &surface, const Caption &caption, double base)
{
    surface.setFont(caption.points);
    surface.moveTo(caption.x, base + caption.y);
    surface.printText(caption.text.toString());
}

// One character per line, character n (1 …) at top + step × n.
void printDownwards(PageSurface &surface, QStringView text, double x, double top, double step)
{
    for (qsizetype n = 1; n <= text.size(); ++n) {
        surface.moveTo(x, top + step * double(n));
        surface.printText(text.mid(n - 1, 1).toString());
    }
}

const Caption HeadingCaptions[] = {
    {10, u"番", 16, 17},           {10, u"号", 19, 19},           {10, u"氏　　名", 30, 19},  {10, u"日", 60, 11},
    {10, u"欠席日数", 231.5, 8.5}, {10, u"忌引等日数", 248, 8.5}, {10, u"参 考", 270.5, 8.5}, {10, u"病", 231.6, 14},
    {10, u"気", 231.6, 18},        {10, u"事", 236.8, 14},        {10, u"故", 236.8, 18},     {10, u"計", 242, 16},
    {10, u"忌", 252, 14},          {10, u"引", 252, 18},          {10, u"特", 257, 14},       {10, u"欠", 257, 18},
    {10, u"計", 262.4, 16},        {10, u"遅", 267.6, 14},        {10, u"刻", 267.6, 18},     {10, u"早", 272.8, 14},
    {10, u"退", 272.8, 18},        {7.5, u"出", 277.5, 14},       {7.5, u"席", 277.5, 20},    {7.5, u"休", 280, 14},
    {7.5, u"業", 280, 17},         {7.5, u"日", 280, 20},
};

const Caption SummaryCaptions[] = {
    {8, u"A", 220.5, 151},
    {8, u"B", 220.5, 156.5},
    {8, u"C", 220.5, 162},
    {8, u"B", 241, 162},
    {11, u"合", 17.5, 159},
    {11, u"計", 17.5, 175},
    {11, u"出　　席", 37, 152},
    {11, u"欠　　席", 37, 157.5},
    {11, u"　 計", 37, 163},
    {11, u"授 業 日 数", 28, 168.5},
    {10, u"出席率(－×100)", 57, 168.5},
};

const Caption LowerBlockCaptions[] = {
    {11, u"月始在籍者数", 88, 168.5},  {11, u"転・編入学者数", 116, 168.5}, {11, u"転・退学者数", 146, 168.5},
    {11, u"その他の増減", 174, 168.5}, {11, u"月末在籍者数", 202, 168.5},   {11, u"学級担任者印", 229, 168.5},
    {11, u" 校　長　印", 257, 168.5},
};

} // namespace

void DrawColumnHeadings(const SheetPrint &sheetPrint, Sheet sheet)
{
    PageSurface &surface = sheetPrint.surface;
    const double b = headingBase(sheet);
    for (const Caption &caption : HeadingCaptions)
        print(surface, caption, b);
    surface.setFont(10);
    for (int d = 0; d < DaySlots; ++d) {
        const QString number = QString::number(d + 1);
        surface.moveTo(dayColumn(d) + (5 - surface.textWidth(number)) / 2, b + 11);
        surface.printText(number);
    }
    printDownwards(surface, u"出席日数", 223.5, b + 5.7, 3.3);
    surface.setFont(7.5);
    printDownwards(surface, u"出席停止", 247.5, b + 11, 2.3);
    surface.setFont(10);
}

void DrawSummaryCaptions(const SheetPrint &sheetPrint, Sheet sheet)
{
    PageSurface &surface = sheetPrint.surface;
    const double s = sheet == Sheet::Full ? 5.8 : 0;
    for (const Caption &caption : SummaryCaptions)
        print(surface, caption, s);

    // "A" over "C" at the "－" of 出席率(－×100).
    surface.setFont(10);
    const double xa = 57 + 7.5 * surface.textWidth(u"A"_s);
    surface.setFont(8);
    const double h = surface.textHeight(u"A"_s);
    print(surface, {8, u"A", xa, 168.7 - h / 2}, s);
    print(surface, {8, u"C", xa, 168.6 + h / 2}, s);

    for (const Caption &caption : LowerBlockCaptions)
        print(surface, caption, s);
    if (!sheetPrint.countBySex())
        return;
    for (const double x : {87.0, 202.0}) {
        print(surface, {11, u"男", x, 174}, s);
        print(surface, {11, u"女", x, 179.5}, s);
        print(surface, {11, u"計", x, 185}, s);
    }
}

void DrawTitleCaptions(const SheetPrint &sheetPrint)
{
    PageSurface &surface = sheetPrint.surface;
    surface.setFont(16);
    surface.moveTo(20, 23);
    surface.printText(sheetPrint.era().era + u"　 年　 月"_s);
    if (sheetPrint.session.State.ClassKind == OrdinaryClass) {
        surface.moveTo(115, 23);
        surface.printText(u"第　 学年　　　 組"_s);
    }
    surface.setFont(12);
    surface.moveTo(205, 20);
    surface.printText(u"学級担任者"_s);
    surface.moveTo(205, 26);
    surface.printText(u"氏　　　名"_s);
}

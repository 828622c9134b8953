#include "totalsprint.h"

#include "data/records.h"
#include "print/sheetprint.h"
#include "register/figureformat.h"
#include "totalstext.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace TotalsPrint;

namespace {

constexpr double TableLeft = 15;
constexpr double TableRight = 179;
constexpr double NumberRight = 23;
constexpr double GradeRight = 31;
constexpr double NameRight = 71;
constexpr double SexRight = 79;
constexpr double SchoolDaysRight = 89;
constexpr double HeadingTop = 15;
constexpr double HeadingBottom = 30;
constexpr double GroupRule = 20;
constexpr double RowHeight = 5;
constexpr double NameRoom = 38;
constexpr double TextPoints = 10;

// Left edge of counter column h + 1 (h = 0 … 10; 10 is the table's right edge).
constexpr double counterLine(int h)
{
    return 99 + 8 * h;
}

struct StackedTitle
{
    double x;
    QStringView upper;
    QStringView lower; // empty: `upper` stands alone between the two
};

constexpr StackedTitle CounterTitles[] = {
    {101.5, u"病", u"気"}, {109.5, u"事", u"故"}, {117.5, u"計", u""},   {125.5, u"停", u"止"}, {133.5, u"忌", u"引"},
    {141.5, u"特", u"欠"}, {149.5, u"計", u""},   {157.5, u"遅", u"刻"}, {165.5, u"早", u"退"}, {173.5, u"出", u"席"},
};

class TotalsPage
{
public:
    TotalsPage(PageSurface &surface, const Totals &totals, bool gradeColumn)
        : m_surface(surface)
        , m_totals(totals)
        , m_gradeColumn(gradeColumn)
    {}

    void drawHeading() const;
    // Row r of the totals as the `line`-th row of its page.
    void drawRow(int r, int line) const;

private:
    void text(double x, double y, const QString &content) const;
    void textDown(double x, const QString &content) const;
    void drawInnerVerticals(double top, double bottom, double counterTop) const;
    void drawName(double y, const QString &name) const;

    PageSurface &m_surface;
    const Totals &m_totals;
    bool m_gradeColumn;
};

void TotalsPage::text(double x, double y, const QString &content) const
{
    m_surface.moveTo(x, y);
    m_surface.printText(content);
}

// One character a line, 3.5 mm apart, as the heading writes 授業日数 and 出席日数.
void TotalsPage::textDown(double x, const QString &content) const
{
    for (qsizetype i = 0; i < content.size(); ++i)
        text(x, 3.5 * double(i + 1) + 12.5, content.at(i));
}

// The thin verticals of the heading or of one row; the counter lines start at
// `counterTop` except those that close a group.
void TotalsPage::drawInnerVerticals(double top, double bottom, double counterTop) const
{
    m_surface.setLineWidth(ThinRule);
    for (const double x : {NumberRight, NameRight, SchoolDaysRight})
        m_surface.line(x, top, x, bottom);
    if (m_gradeColumn)
        m_surface.line(GradeRight, top, GradeRight, bottom);
    for (int h = 0; h <= 10; ++h) {
        const bool groupEdge = h == 0 || h == 3 || h == 7;
        m_surface.line(counterLine(h), groupEdge ? top : counterTop, counterLine(h), bottom);
    }
}

void TotalsPage::drawHeading() const
{
    m_surface.setColour(PageColour::Black);
    m_surface.setLineWidth(ThickRule);
    m_surface.box(TableLeft, HeadingTop, TableRight, HeadingBottom);
    m_surface.line(SexRight, HeadingTop, SexRight, HeadingBottom);
    drawInnerVerticals(HeadingTop, HeadingBottom, GroupRule);
    m_surface.line(counterLine(0), GroupRule, TableRight, GroupRule);

    m_surface.setFont(TextPoints);
    text(17, 20, u"NO"_s);
    m_surface.setFont(13);
    text(40, 20, u"氏  名"_s);
    m_surface.setFont(TextPoints);
    if (m_gradeColumn) {
        text(25, 18, u"学"_s);
        text(25, 24, u"年"_s);
    }
    text(73, 18, u"性"_s);
    text(73, 24, u"別"_s);
    textDown(82, u"授業日数"_s);
    textDown(92, u"出席日数"_s);
    text(104, 16, u"欠席日数"_s);
    text(131, 16, u"忌引等日数"_s);
    text(161, 16, u"参  考"_s);
    for (const StackedTitle &title : CounterTitles) {
        if (title.lower.isEmpty()) {
            text(title.x, 24, title.upper.toString());
            continue;
        }
        text(title.x, 22, title.upper.toString());
        text(title.x, 26, title.lower.toString());
    }
}

// The largest size from 10 points down in steps of 0.2 at which the name is
// narrower than its column; 5 points when none is.
void TotalsPage::drawName(double y, const QString &name) const
{
    int tenths = 100;
    for (; tenths > 50; tenths -= 2) {
        m_surface.setFont(tenths / 10.0);
        if (m_surface.textWidth(name) < NameRoom)
            break;
    }
    m_surface.setFont(tenths / 10.0);
    text(32, y, name);
    m_surface.setFont(TextPoints);
}

void TotalsPage::drawRow(int r, int line) const
{
    const double top = HeadingBottom + RowHeight * line;
    const double bottom = top + RowHeight;
    const bool lastOnPage = r == m_totals.rows.size() - 1 || line == RowsPerPage - 1;

    m_surface.setColour(PageColour::Black);
    m_surface.setLineWidth(ThickRule);
    for (const double x : {TableLeft, TableRight, SexRight})
        m_surface.line(x, top, x, bottom);
    drawInnerVerticals(top, bottom, top);
    m_surface.setLineWidth(r % 5 == 4 || lastOnPage ? ThickRule : ThinRule);
    m_surface.line(TableLeft, bottom, TableRight, bottom);

    const TotalsRow &row = m_totals.rows[r];
    const double y = top + 1;
    m_surface.setFont(TextPoints);
    printRightAligned(m_surface, 19, y, QString::number(r + 1), 2);
    if (m_gradeColumn && row.Grade != 0)
        text(25, y, QString::number(row.Grade));
    drawName(y, row.Name);
    m_surface.setColour(row.Sex == u"女"_s ? PageColour::Red : PageColour::Black);
    text(73, y, row.Sex);
    m_surface.setColour(PageColour::Black);
    printRightAligned(m_surface, 82, y, FigureFormat::count(row.schoolDays()), 3);
    printRightAligned(m_surface, 92, y, FigureFormat::count(row.Stat[StatColumn::Present]), 3);
    for (int n = 1; n < StatColumn::Count; ++n)
        printRightAligned(m_surface, 94 + 8 * n, y, FigureFormat::count(row.Stat[n]), 2);
}

} // namespace

PrintResult PrintTotals(PageSurface &surface, const Totals &totals, const ClassEntry &classEntry)
{
    PrintJob job;
    if (!preparePortraitPage(surface, job))
        return PrintResult::DeviceNotOpened;
    surface.setScaleOrigin(job.OffsetX, job.OffsetY);

    const int rows = int(totals.rows.size());
    const int pages = std::max(1, (rows + RowsPerPage - 1) / RowsPerPage);
    const QString title = TotalsText::title(totals.schoolYear, totals.period, classEntry);
    const TotalsPage page(surface, totals, classEntry.Kind > 0);
    return runPages(surface, pages, [&](int p) {
        surface.setFont(13);
        surface.moveTo(30, 8);
        surface.printText(title);
        page.drawHeading();
        const int first = p * RowsPerPage;
        for (int r = first; r < std::min(rows, first + RowsPerPage); ++r)
            page.drawRow(r, r - first);
    });
}

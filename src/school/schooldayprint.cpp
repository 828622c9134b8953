#include "schooldayprint.h"

#include "schooldaytext.h"

#include "data/markreasons.h"
#include "print/pagefont.h"
#include "print/sheetprint.h"

#include <QList>

#include <functional>

using namespace Qt::StringLiterals;
using namespace SchoolDayPrint;

namespace {

constexpr double Left = 15;
constexpr double Right = 195;
constexpr double TitleRight = 45;
constexpr double FigureWidth = 9;
constexpr double RateLeft = 144;
constexpr double SavedLeft = 160;
constexpr double HeadingTop = 23;
constexpr double ClassRowHeight = 6;
constexpr double LineHeight = 4.5;
constexpr double SumWidth = 14;
constexpr int ThickRule = 5;
constexpr int ThinRule = 2;
constexpr double RowPoints = 10;
constexpr double LinePoints = 9;

constexpr double figureLeft(int k)
{
    return TitleRight + FigureWidth * k;
}

// The eleven figure columns' headings; a long one stands on two lines.
const std::pair<QStringView, QStringView> FigureTitles[] = {
    {u"在籍", u""},     {u"出席", u""}, {u"欠席", u""}, {u"病気", u""}, {u"事故", u""}, {u"不良", u"停止"},
    {u"伝染", u"停止"}, {u"忌引", u""}, {u"特欠", u""}, {u"遅刻", u""}, {u"早退", u""},
};
constexpr int FigureCount = int(std::size(FigureTitles));

// One printed line of the body: how high it is, how much room must follow it
// on the same page, and how it draws itself from its top edge.
struct BodyLine
{
    double height;
    double keep;
    bool classTable; // a page that starts with such a line carries the class table's heading
    std::function<void(double top)> draw;
};

class DayPage
{
public:
    DayPage(PageSurface &surface, const SchoolDay &school)
        : m_surface(surface)
        , m_school(school)
    {}

    // The title band and the page's number; the class table's heading when
    // the page starts with a line of it.
    void drawHeading(const QString &schoolName, int page, int pages, bool classTable) const;
    // The thick rule that closes the class table on a page.
    void closeTable(double bottom) const;
    QList<BodyLine> bodyLines() const;

private:
    void text(double x, double y, const QString &content, double points) const;
    // `content` in at most `width` mm, smaller when it would be wider.
    void fittedText(double x, double y, const QString &content, double points, double width) const;
    void classRow(const ClassDay &day, double top) const;
    void pupilLine(const DayPupil &pupil, double top) const;
    void sumsHeading(double top) const;
    void sumsRow(const QString &label, const DayCounts &counts, double top, const QString &note) const;
    // The rules between a class row's columns; without its figures only the
    // title's and the saving time's.
    void rowVerticals(double top, double bottom, bool figures) const;

    PageSurface &m_surface;
    const SchoolDay &m_school;
};

void DayPage::text(double x, double y, const QString &content, double points) const
{
    m_surface.setFont(points);
    m_surface.moveTo(x, y);
    m_surface.printText(content);
}

void DayPage::fittedText(double x, double y, const QString &content, double points, double width) const
{
    text(x, y, content, PageFont::shrinkToFit(content, points, 5, width));
}

void DayPage::rowVerticals(double top, double bottom, bool figures) const
{
    m_surface.setLineWidth(ThinRule);
    for (int k = 0; k <= FigureCount; ++k) {
        if (figures || k == 0)
            m_surface.line(figureLeft(k), top, figureLeft(k), bottom);
    }
    m_surface.line(SavedLeft, top, SavedLeft, bottom);
    m_surface.setLineWidth(ThickRule);
    m_surface.line(Left, top, Left, bottom);
    m_surface.line(Right, top, Right, bottom);
}

void DayPage::drawHeading(const QString &schoolName, int page, int pages, bool classTable) const
{
    m_surface.setColour(PageColour::Black);
    text(Left, 9, SchoolDayText::WindowTitle + u"　"_s + SchoolDayText::dayTitle(m_school.date), 14);
    m_surface.setFont(RowPoints);
    text(Right - m_surface.textWidth(schoolName), 11, schoolName, RowPoints);
    text(Left, 17,
         u"学級閉鎖の目安：欠席（病気・事故）と伝染停止が在籍の %1% 以上"_s.arg(tenthsText(m_school.thresholdTenths)),
         LinePoints);
    text(Right - 16, 285, u"%1 / %2"_s.arg(page + 1).arg(pages), LinePoints);
    if (!classTable)
        return;

    m_surface.setLineWidth(ThickRule);
    m_surface.box(Left, HeadingTop, Right, BodyTop);
    rowVerticals(HeadingTop, BodyTop, true);
    text(Left + 2, 25.3, u"学級"_s, LinePoints);
    for (int k = 0; k < FigureCount; ++k) {
        const auto &[upper, lower] = FigureTitles[k];
        if (lower.isEmpty()) {
            text(figureLeft(k) + 1.3, 25.3, upper.toString(), LinePoints);
            continue;
        }
        text(figureLeft(k) + 1.3, 23.6, upper.toString(), LinePoints);
        text(figureLeft(k) + 1.3, 27.2, lower.toString(), LinePoints);
    }
    text(RateLeft + 1.5, 23.6, u"閉鎖率"_s, LinePoints);
    text(RateLeft + 4, 27.2, u"(%)"_s, LinePoints);
    text(SavedLeft + 2, 25.3, u"最終保存"_s, LinePoints);
}

void DayPage::closeTable(double bottom) const
{
    m_surface.setColour(PageColour::Black);
    m_surface.setLineWidth(ThickRule);
    m_surface.line(Left, bottom, Right, bottom);
}

void DayPage::classRow(const ClassDay &day, double top) const
{
    const double bottom = top + ClassRowHeight;
    const double y = top + 1.2;
    m_surface.setColour(PageColour::Black);
    m_surface.setLineWidth(ThinRule);
    m_surface.line(Left, top, Right, top);
    rowVerticals(top, bottom, day.isRead());
    fittedText(Left + 1, y, day.classEntry.Title, RowPoints, TitleRight - Left - 2);
    text(SavedLeft + 2, y, SchoolDayText::savedAt(day, m_school.date), LinePoints);
    if (!day.isRead()) {
        text(figureLeft(0) + 2, y, SchoolDayText::status(m_school, day), RowPoints);
        return;
    }
    m_surface.setFont(RowPoints);
    const QList<int> figures = day.counts.columns();
    for (int k = 0; k < FigureCount; ++k)
        printRightAligned(m_surface, figureLeft(k) + 2, y, QString::number(figures[k]), 3);
    m_surface.setColour(m_school.overThreshold(day) ? PageColour::Red : PageColour::Black);
    printRightAligned(m_surface, RateLeft + 3, y, SchoolDayText::closureRate(day), 5);
    m_surface.setColour(PageColour::Black);
}

void DayPage::pupilLine(const DayPupil &pupil, double top) const
{
    const double y = top + 0.6;
    m_surface.setColour(PageColour::Black);
    m_surface.setFont(LinePoints);
    printRightAligned(m_surface, Left + 3, y, QString::number(pupil.number), 2);
    fittedText(Left + 9, y, pupil.name, LinePoints, 34);
    text(Left + 45, y, pupil.mark, LinePoints);
    if (pupil.reason)
        fittedText(Left + 51, y, MarkReasons::describe(*pupil.reason), LinePoints, Right - Left - 52);
}

void DayPage::sumsHeading(double top) const
{
    const double bottom = top + ClassRowHeight;
    m_surface.setColour(PageColour::Black);
    m_surface.setLineWidth(ThickRule);
    m_surface.box(Left, top, TitleRight + 4 * SumWidth, bottom);
    const QStringList titles{u"在籍"_s, u"出席"_s, u"欠席"_s, u"出席停止"_s};
    text(Left + 2, top + 1.5, u"学年"_s, LinePoints);
    for (int k = 0; k < 4; ++k) {
        m_surface.setLineWidth(ThinRule);
        m_surface.line(TitleRight + SumWidth * k, top, TitleRight + SumWidth * k, bottom);
        text(TitleRight + SumWidth * k + 1, top + 1.5, titles[k], LinePoints);
    }
}

void DayPage::sumsRow(const QString &label, const DayCounts &counts, double top, const QString &note) const
{
    const double bottom = top + ClassRowHeight;
    const double y = top + 1.2;
    m_surface.setColour(PageColour::Black);
    m_surface.setLineWidth(ThickRule);
    m_surface.box(Left, top, TitleRight + 4 * SumWidth, bottom);
    m_surface.setLineWidth(ThinRule);
    text(Left + 2, y, label, RowPoints);
    const QList<int> figures{counts.enrolled(), counts.present, counts.absent(), counts.suspendedAll()};
    for (int k = 0; k < 4; ++k) {
        m_surface.line(TitleRight + SumWidth * k, top, TitleRight + SumWidth * k, bottom);
        printRightAligned(m_surface, TitleRight + SumWidth * k + 4, y, QString::number(figures[k]), 4);
    }
    text(TitleRight + 4 * SumWidth + 4, y, note, LinePoints);
}

QList<BodyLine> DayPage::bodyLines() const
{
    QList<BodyLine> lines;
    const auto add = [&lines](double height, double keep, bool classTable, std::function<void(double)> draw) {
        lines.append(BodyLine{height, keep, classTable, std::move(draw)});
    };
    for (const ClassDay &day : m_school.classes) {
        const bool over = m_school.overThreshold(day);
        const bool categories = !day.byCategory.isEmpty();
        const int following = int(day.pupils.size()) + (categories ? 1 : 0) + (over ? 1 : 0);
        add(ClassRowHeight, std::min(following, 2) * LineHeight, true,
            [this, &day](double top) { classRow(day, top); });
        if (over) {
            const QString closure =
                u"「%1」（%2%）に達しています"_s.arg(SchoolDayText::ClosureMark, tenthsText(m_school.thresholdTenths));
            add(LineHeight, 0, true, [this, closure](double top) {
                m_surface.setColour(PageColour::Red);
                text(Left + 9, top + 0.6, closure, LinePoints);
                m_surface.setColour(PageColour::Black);
            });
        }
        for (const DayPupil &pupil : day.pupils)
            add(LineHeight, 0, true, [this, &pupil](double top) { pupilLine(pupil, top); });
        if (categories) {
            const QString counts = u"理由別　"_s + SchoolDayText::categoryLine(day.byCategory);
            add(LineHeight, 0, true,
                [this, counts](double top) { fittedText(Left + 9, top + 0.6, counts, LinePoints, Right - Left - 10); });
        }
    }
    // The sums keep together, after a gap below the class table.
    const std::map<int, DayCounts> grades = m_school.grades();
    add(4, 0, false, [](double) {});
    add(ClassRowHeight, ClassRowHeight * double(grades.size() + 1), false, [this](double top) { sumsHeading(top); });
    for (const auto &[grade, counts] : grades) {
        const QString label = SchoolDayText::gradeLabel(grade);
        add(ClassRowHeight, 0, false,
            [this, label, gradeCounts = counts](double top) { sumsRow(label, gradeCounts, top, {}); });
    }
    const QString over = u"%1に達した学級　%2"_s.arg(SchoolDayText::ClosureMark).arg(m_school.classesOverThreshold());
    add(ClassRowHeight, 0, false, [this, over](double top) { sumsRow(u"学校全体"_s, m_school.school(), top, over); });
    return lines;
}

// The top of each line, and the page it falls on: a line goes to the next page
// when it and the room it keeps would pass the page's end.
using PlacedLines = QList<std::pair<qsizetype, double>>;

QList<PlacedLines> paginate(const QList<BodyLine> &lines)
{
    QList<PlacedLines> pages(1);
    double y = BodyTop;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (y + lines[i].height + lines[i].keep > BodyBottom && !pages.last().isEmpty()) {
            pages.append(PlacedLines());
            y = BodyTop;
        }
        pages.last().append({i, y});
        y += lines[i].height;
    }
    return pages;
}

} // namespace

PrintResult PrintSchoolDay(PageSurface &surface, const SchoolDay &school, const QString &schoolName)
{
    PrintJob job;
    if (!preparePortraitPage(surface, job))
        return PrintResult::DeviceNotOpened;
    surface.setScaleOrigin(job.OffsetX, job.OffsetY);

    const DayPage page(surface, school);
    const QList<BodyLine> lines = page.bodyLines();
    const auto pages = paginate(lines);
    return runPages(surface, int(pages.size()), [&](int p) {
        const PlacedLines &placed = pages[p];
        page.drawHeading(schoolName, p, int(pages.size()), !placed.isEmpty() && lines[placed[0].first].classTable);
        double tableBottom = 0;
        for (const auto &[line, top] : placed) {
            lines[line].draw(top);
            if (lines[line].classTable)
                tableBottom = top + lines[line].height;
        }
        if (tableBottom > 0)
            page.closeTable(tableBottom);
    });
}

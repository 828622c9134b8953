#include "registerdata.h"

#include "pagefont.h"

#include "data/marktable.h"
#include "data/session.h"
#include "register/figureformat.h"

using namespace Qt::StringLiterals;
using namespace SheetLayout;

namespace {

constexpr double NameWidth = 38;

double rowTop(int row)
{
    return row < FrontRows ? 48.5 + RowPitch * row : 24 + RowPitch * (row - FrontRows);
}

void printAt(PageSurface &surface, double x, double y, const QString &text)
{
    surface.moveTo(x, y);
    surface.printText(text);
}

// 病 a circle and a stroke, 事 a stroke, 遅 a cross, ﾁ a cross with ソ, the
// suspension, mourning, special-absence and early-leave marks their character.
void printMark(PageSurface &surface, int code, double x0, double y)
{
    auto stroke = [&] { surface.line(x0 + 5, y - 1.5, x0, y + 4.6); };
    auto cross = [&] {
        surface.line(x0, y - 1.5, x0 + 5, y + 4.6);
        stroke();
    };
    switch (code) {
    case MarkCode::Sick:
        printAt(surface, x0 + 0.7, y - 0.3, u"○"_s);
        stroke();
        break;
    case MarkCode::OtherReasons:
        stroke();
        break;
    case MarkCode::Late:
        cross();
        break;
    case MarkCode::LateAndEarlyLeave:
        cross();
        printAt(surface, x0 + 1, y + 1, u"ソ"_s);
        break;
    default:
        if (code >= MarkCode::SuspensionDiscipline && code <= MarkCode::EarlyLeave)
            printAt(surface, x0 + 1, y, MarkTable[code].toString());
        break;
    }
}

// The day marks up to the last day shown, the joining and leaving days in red
// with a red line across the days the pupil was not in the class.
void printMarks(const SheetPrint &print, const PupilRecord &pupil, double y)
{
    PageSurface &surface = print.surface;
    const int days = daysShown(print);
    surface.setLineWidth(ThinRule);
    for (int j = 0; j < days && j < DaySlots; ++j) {
        const double x0 = dayColumn(j);
        const int code = markCodeOf(pupil.Marks[j].trimmed());
        if (code >= 0 && code <= MarkCode::LateAndEarlyLeave)
            printMark(surface, code, x0, y);

        surface.setColour(PageColour::Red);
        if (!pupil.InKind.isEmpty() && j == pupil.InDay) {
            printAt(surface, x0 + 1, y, pupil.InKind);
            if (pupil.InDay > 0)
                surface.line(dayColumn(0), y + 1.55, x0, y + 1.55, PageColour::Red);
        }
        const bool leaves = !pupil.OutKind.isEmpty() && j == pupil.OutDay;
        if (leaves) {
            printAt(surface, x0 + 1, y, pupil.OutKind);
            surface.line(x0 + 5, y + 1.55, dayColumn(days), y + 1.55, PageColour::Red);
        }
        surface.setColour(PageColour::Black);
        if (leaves)
            break;
    }
}

void printCounts(const SheetPrint &print, int row, double y)
{
    PageSurface &surface = print.surface;
    const auto &counts = print.statistics.PupilStat[row];
    surface.setFont(9);
    if (counts[StatColumn::Present] > 0)
        printRightAligned(surface, 223, y, FigureFormat::count(counts[StatColumn::Present]), 4);
    for (int k = 1; k < StatColumn::Count; ++k) {
        if (counts[k] <= 0)
            continue;
        surface.setColour(k == StatColumn::HolidayAttendance ? PageColour::Red : PageColour::Black);
        printRightAligned(surface, 226 + 5.2 * k, y, FigureFormat::count(counts[k]), 2);
    }
    surface.setColour(PageColour::Black);
}

} // namespace

void PrintPupilRow(const SheetPrint &print, int row)
{
    PageSurface &surface = print.surface;
    const PupilRecord &pupil = print.session.Register.Pupils[row];
    const double y = rowTop(row);
    surface.setFont(10);
    if (print.session.State.ClassKind > 0)
        printAt(surface, 7, y, QString::number(pupil.Grade) + u"年"_s);
    printRightAligned(surface, 19, y, QString::number(row + 1), 2);

    if (pupil.Sex == u"女"_s && print.job.has(PrintOption::GirlsInRed))
        surface.setColour(PageColour::Red);
    surface.setFont(PageFont::shrinkToFit(pupil.Name, 10, 5, NameWidth));
    printAt(surface, 26, y, pupil.Name);
    surface.setFont(10);
    surface.setColour(PageColour::Black);

    if (!print.job.has(PrintOption::Data))
        return;
    printMarks(print, pupil, y);
    printCounts(print, row, y);
}

#include "registerdata.h"

#include "data/session.h"
#include "register/figureformat.h"
#include "register/monthstatistics.h"

using namespace Qt::StringLiterals;
using namespace SheetLayout;

namespace {

// A line of the enrolment changes, printed only when its count is above 0.
struct ChangeLine
{
    int kind;
    QStringView label;
    double x;
    double dy; // below the summary's base
};

const ChangeLine FixedChanges[] = {
    {ChangeKind::TransferIn, u"転入学 ", 118, 22},
    {ChangeKind::Admission, u"編入学 ", 118, 27},
    {ChangeKind::TransferOut, u"転学 ", 147, 22},
    {ChangeKind::Withdrawal, u"退学 ", 147, 27},
};
// The other changes stack downwards from the first that is printed.
const ChangeLine StackedChanges[] = {
    {ChangeKind::Postponement, u"就学猶予 ", 176, 22},
    {ChangeKind::Exemption, u"就学免除 ", 176, 22},
    {ChangeKind::Death, u"　死亡　 ", 176, 22},
};
constexpr double StackPitch = 5;

void printDayFigures(PageSurface &surface, const MonthStatistics &stats, double y)
{
    surface.setFont(9);
    for (int d = 0; d < DaySlots; ++d) {
        const double x = 66 + 5 * d;
        printRightAligned(surface, x, y, FigureFormat::count(stats.DayPresent[d]), 2);
        printRightAligned(surface, x, y + 5.5, FigureFormat::count(stats.DayAbsent[d]), 2);
        printRightAligned(surface, x, y + 11, FigureFormat::count(stats.DayPresent[d] + stats.DayAbsent[d]), 2);
    }
    const qint32 present = stats.totalPresent();
    const qint32 absent = stats.totalAbsent();
    printRightAligned(surface, 223, y, FigureFormat::count(present), 4);
    printRightAligned(surface, 223, y + 5.5, FigureFormat::count(absent), 4);
    printRightAligned(surface, 223, y + 11, FigureFormat::count(present + absent), 4);
}

void printChanges(PageSurface &surface, const MonthStatistics &stats, double y)
{
    surface.setFont(10);
    auto print = [&](const ChangeLine &line, double lineY) {
        surface.moveTo(line.x, lineY);
        surface.printText(line.label.toString() + QString::number(stats.Changes[line.kind]) + u"名"_s);
    };
    for (const ChangeLine &line : FixedChanges) {
        if (stats.Changes[line.kind] > 0)
            print(line, y + line.dy);
    }
    double stackY = y + StackedChanges[0].dy;
    for (const ChangeLine &line : StackedChanges) {
        if (stats.Changes[line.kind] > 0) {
            print(line, stackY);
            stackY += StackPitch;
        }
    }
}

void printEnrolment(const SheetPrint &print, double y)
{
    PageSurface &surface = print.surface;
    const MonthStatistics &stats = print.statistics;
    if (print.countBySex()) {
        const struct
        {
            double x;
            int boys;
            int girls;
        } columns[] = {{99, stats.StartBoys, stats.StartGirls}, {214, stats.EndBoys, stats.EndGirls}};
        for (const auto &column : columns) {
            printRightAligned(surface, column.x, y + 21.5, FigureFormat::count(column.boys), 2);
            printRightAligned(surface, column.x, y + 27, FigureFormat::count(column.girls), 2);
            printRightAligned(surface, column.x, y + 32.5, FigureFormat::count(column.boys + column.girls), 2);
        }
        return;
    }
    surface.setFont(15);
    surface.moveTo(97, y + 25);
    surface.printText(QString::number(stats.StartBoys + stats.StartGirls));
    surface.moveTo(212, y + 25);
    surface.printText(QString::number(stats.EndBoys + stats.EndGirls));
    surface.setFont(10);
}

} // namespace

void PrintSummaryNumbers(const SheetPrint &print, Sheet sheet)
{
    if (!print.job.has(PrintOption::Data))
        return;
    PageSurface &surface = print.surface;
    const MonthStatistics &stats = print.statistics;
    const double y = sheet == Sheet::Full ? 158.5 : 152.5;
    printDayFigures(surface, stats, y);
    const std::optional<int> rate = attendanceRateTenths(stats);
    if (!rate)
        return;

    const int pupils = print.session.Register.PupilCount;
    for (int column = 1; column < StatColumn::Count; ++column)
        printRightAligned(surface, 226 + 5.2 * column, y + 11.5, FigureFormat::count(stats.columnTotal(column, pupils)),
                          2);

    surface.setFont(15);
    surface.moveTo(35, y + 25);
    surface.printText(FigureFormat::count(stats.SchoolDays).rightJustified(2, u' ') + u"日"_s);
    surface.moveTo(60, y + 25);
    surface.printText(FigureFormat::tenths(*rate).rightJustified(5, u' ') + u"%"_s);

    printChanges(surface, stats, y);
    printEnrolment(print, y);
}

#include "registerdata.h"

#include "data/marktable.h"
#include "data/session.h"
#include "register/monthstatistics.h"

using namespace Qt::StringLiterals;
using namespace SheetLayout;

namespace {

const QString GraduationReason = u"卒業"_s;

// Where the month-off note runs down the column of day 1.
struct MonthOffNote
{
    double points;
    double monthY;
    double monthMarkY; // "月"
    double dayY;
    double dayMarkY; // "日"
    double pitch;    // character n (1 …) of the note at noteY + pitch × n
    double noteY;
    QString tail;
};

const MonthOffNote FrontNote{10, 48.5, 54.6, 60.7, 66.8, 6.1, 66.8, u"のため以下記載省略"_s};
const MonthOffNote FullNote{9, 47, 50, 53.1, 56.1, 3.05, 55.9, u"の為以下記載省略"_s};

QDate firstDay(const SheetPrint &print)
{
    const AppState &state = print.session.State;
    return QDate(JapaneseEra::gregorianFromHeisei(state.HeiseiYear), state.Month, 1);
}

int graduationDay(const RegisterMonth &month)
{
    for (int i = 0; i < month.HolidayCount && i < HolidaySlots; ++i) {
        if (month.HolidayList[i].Reason == GraduationReason)
            return month.HolidayList[i].Day;
    }
    return 0;
}

void printAt(PageSurface &surface, double x, double y, const QString &text)
{
    surface.moveTo(x, y);
    surface.printText(text);
}

void printWeekdays(const SheetPrint &print, double b, int graduation)
{
    const QDate first = firstDay(print);
    for (int d = 0; d < DaySlots; ++d) {
        const QDate date = first.addDays(d);
        if (date.month() != first.month())
            break;
        if (d != graduation - 1)
            printAt(print.surface, 66 + 5 * d, b + 17, WeekdayNames[date.dayOfWeek() % 7 + 1].toString());
    }
}

void printMonthOffNote(const SheetPrint &print, const MonthOffNote &note)
{
    PageSurface &surface = print.surface;
    surface.setFont(note.points);
    auto centred = [&](const QString &text, double y) {
        printAt(surface, dayColumn(0) + (5 - surface.textWidth(text)) / 2, y, text);
    };
    centred(QString::number(print.session.State.Month), note.monthY);
    printAt(surface, 66, note.monthMarkY, u"月"_s);
    centred(QString::number(daysShown(print)), note.dayY);
    printAt(surface, 66, note.dayMarkY, u"日"_s);
    const QString text = u"まで"_s + print.session.Register.MonthOffText + note.tail;
    for (qsizetype n = 1; n <= text.size(); ++n)
        printAt(surface, 66, note.noteY + note.pitch * double(n), text.mid(n - 1, 1));
}

void bar(PageSurface &surface, double x, double top, double bottom)
{
    surface.filledBox(x, top, x + 0.2, bottom);
}

// One bar down the middle of each holiday's column, with its print text in the
// first day of a run of days that share it; the graduation entry ends the list.
void printHolidayBars(const SheetPrint &print, Sheet sheet)
{
    PageSurface &surface = print.surface;
    const RegisterMonth &month = print.session.Register;
    const double rowsEnd = 47 + RowPitch * std::min<int>(month.PupilCount, FrontRows);
    const HolidayEntry *previous = nullptr;
    for (int i = 0; i < month.HolidayCount && i < HolidaySlots; ++i) {
        const HolidayEntry &entry = month.HolidayList[i];
        if (entry.Reason == GraduationReason)
            break;
        const double x = 62.4 + 5 * entry.Day;
        const bool continuesRun = previous && entry.PrintText == previous->PrintText && entry.Day == previous->Day + 1;
        previous = &entry;
        if (entry.Day < 1 || entry.Day > DaySlots)
            continue;
        if (sheet == Sheet::Back) {
            const int pupils = std::min<int>(month.PupilCount, PupilWorkingLimit);
            if (pupils > FrontRows)
                bar(surface, x, 23, 23 + RowPitch * (pupils - FrontRows));
            bar(surface, x, 151, 167.5);
            continue;
        }
        if (continuesRun) {
            bar(surface, x, 47, rowsEnd);
        } else {
            const double textEnd = 47 + RowPitch * entry.PrintText.size();
            if (textEnd < rowsEnd)
                bar(surface, x, textEnd, rowsEnd);
            for (qsizetype n = 0; n < entry.PrintText.size(); ++n)
                printAt(surface, 61 + 5 * entry.Day, 48.5 + RowPitch * double(n), entry.PrintText.mid(n, 1));
        }
        if (sheet == Sheet::Full)
            bar(surface, x, 156.8, 173.3);
    }
}

} // namespace

int daysShown(const SheetPrint &print)
{
    const AppState &state = print.session.State;
    return countedDays(print.session.Register, state.HeiseiYear, state.Month);
}

void DrawDayHeadings(const SheetPrint &print, Sheet sheet)
{
    PageSurface &surface = print.surface;
    const RegisterMonth &month = print.session.Register;
    const double b = headingBase(sheet);
    const int graduation = graduationDay(month);
    surface.setFont(10);
    if (print.job.has(PrintOption::Weekdays))
        printWeekdays(print, b, graduation);
    if (!print.job.has(PrintOption::Colour))
        return;

    surface.setColour(PageColour::Red);
    if (graduation > 0) {
        printAt(surface, 66 + 5 * (graduation - 1), b + 15, u"卒"_s);
        printAt(surface, 66 + 5 * (graduation - 1), b + 19, u"業"_s);
    }
    const int days = firstDay(print).daysInMonth();
    for (int d = 28; d < DaySlots; ++d) {
        if (d + 1 > days)
            surface.filledBox(66 + 5 * d, b + 12.8, 69 + 5 * d, b + 13);
    }
    // A month off is described by its note alone, as the sheet on screen shows it.
    const bool monthOff = month.MonthOffFlag == 1;
    if (monthOff && sheet != Sheet::Back)
        printMonthOffNote(print, sheet == Sheet::Full ? FullNote : FrontNote);
    if (!monthOff && print.job.has(PrintOption::Holidays))
        printHolidayBars(print, sheet);
    surface.setColour(PageColour::Black);
}

#pragma once

#include "pagesurface.h"
#include "printjob.h"

#include "calendar/era.h"

#include <QDate>

struct AppState;
struct MonthStatistics;
struct Session;

// The era printed in the title band: the open month's, or today's when no
// month is open.
JapaneseEra::EraYear titleEra(const AppState &state, const QDate &today);

// The three sheets of the register form.
enum class Sheet { Front, Back, Full };

// One register run: where it draws, its job and what it prints from (the open
// month, its class and the count-by-sex setting, and the month's figures as the
// run computed them). `today` names the era of blank sheets printed without a month.
struct SheetPrint
{
    PageSurface &surface;
    const PrintJob &job;
    const Session &session;
    const MonthStatistics &statistics;
    QDate today;

    bool countBySex() const;
    // The era of the title band: the month's, or today's without a month.
    JapaneseEra::EraYear era() const;
};

// Prints `text` at (x, y) padded with blanks on the left to `positions`
// half-width characters. A longer text is printed whole, in a size small
// enough to keep within those positions, so a number never loses digits.
void printRightAligned(PageSurface &surface, double x, double y, const QString &text, int positions);

// Layout values shared by the frames and the data printout, in mm.
namespace SheetLayout {
inline constexpr double RowPitch = 6.1;
inline constexpr int ThickRule = 7;
inline constexpr int ThinRule = 2;
inline constexpr int FrontRows = 25;
inline constexpr int FullRows = 18;

// The heading band spans HeadingBase + 8 to HeadingBase + 23.
inline double headingBase(Sheet sheet)
{
    return sheet == Sheet::Back ? 0 : 24;
}
// Left edge of day column d (0 = the 1st).
inline double dayColumn(int d)
{
    return 65 + 5 * d;
}
// The nine lines between the count columns, k = 0 … 8.
inline double countLine(int k)
{
    return 235.7 + 5.2 * k;
}
} // namespace SheetLayout

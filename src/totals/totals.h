#pragma once

#include "data/schoolperiods.h"
#include "register/monthstatistics.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

// The totals of one class over a period of the school year: every pupil's
// eleven counters summed over the days of the period, and which months could
// be read.
namespace TotalsTerm {
// The periods by the totals window's option index: the school's periods
// (three at most), then the whole year.
enum : int { First = 0, Second = 1, Third = 2, WholeYear = 3 };
inline constexpr int Count = 4;
} // namespace TotalsTerm

// A stretch of the school year that the totals add up, by its dates.
struct TotalsPeriod
{
    QString name; // "１学期", "前期", "１年間"
    QDate first;
    QDate last;

    friend bool operator==(const TotalsPeriod &, const TotalsPeriod &) = default;
};

// The whole school year that begins in April of `schoolYear`: "１年間".
TotalsPeriod wholeYearPeriod(int schoolYear);
bool isWholeYear(const TotalsPeriod &period, int schoolYear);
// The periods the totals offer in `schoolYear`: the school's, then the whole year.
QList<TotalsPeriod> offeredPeriods(const SchoolPeriods &periods, int schoolYear);

struct TotalsRow
{
    QString Name;
    QString Sex;
    qint16 Grade = 0;
    std::array<int, StatColumn::Count> Stat{};

    // 授業日数: days present, absent and excused (出席停止・忌引等), the figure the
    // permanent record asks for. For a pupil enrolled the whole period it is
    // the sum of the months' school days.
    int schoolDays() const
    {
        return Stat[StatColumn::Present] + Stat[StatColumn::AbsentTotal] + Stat[StatColumn::ExcusedTotal];
    }

    friend bool operator==(const TotalsRow &, const TotalsRow &) = default;
};

// Days of the period whose mark gave `category` as its reason, summed over
// the pupils: what a report of suspensions (出席停止) to the board asks for.
struct ReasonDays
{
    QString mark;
    QString category;
    int days = 0;

    friend bool operator==(const ReasonDays &, const ReasonDays &) = default;
};

enum class MonthReading { Read, Missing, Unreadable };

struct TotalsMonth
{
    int gregorianYear = 0;
    int month = 0;
    MonthReading reading = MonthReading::Missing;
    QString path;
    QString detail; // why an unreadable file could not be read
};

struct Totals
{
    int schoolYear = 0; // the Gregorian year of the school year's April
    TotalsPeriod period;
    QList<TotalsMonth> months; // every month the period touches, in order
    QList<TotalsRow> rows;     // every distinct pupil, in order of first appearance
    QList<ReasonDays> reasons; // by mark, then in the order of the mark's list

    QList<TotalsMonth> monthsRead(MonthReading reading) const;
};

// Reads each month file that `period` of `schoolYear` touches from
// `classFolder` and adds up its days within the period. A missing or
// unreadable month adds nothing; `months` tells which.
Totals ComputeTotals(const QString &classFolder, int schoolYear, const TotalsPeriod &period);
// The same for a term (0..2) of a three-term school, or (3) the whole year.
Totals ComputeTotals(const QString &classFolder, int schoolYear, int term);

// Adds one month to the totals. A pupil joins the row of the same name, sex and
// grade that no other pupil of this month has taken, else a new row at the end,
// so every pupil keeps a row of its own. Each month is counted by the monthly
// rules on its own, so a pupil's leaving or joining day acts within its month only.
void addMonth(Totals &totals, const RegisterMonth &month, int gregorianYear, int monthNumber);
// Adds the days firstDay..lastDay (1-based) of one month: each adds exactly
// what it adds to the month's own figures. Pupils not enrolled on any of
// those days (joined after them, left before them) and without a figure in
// them get no row.
void addMonthDays(Totals &totals, const RegisterMonth &month, int gregorianYear, int monthNumber, int firstDay,
                  int lastDay);

// Counts the reasons of the days firstDay..lastDay (1-based) of one month,
// up to its last counted day (graduation).
void addReasonDays(Totals &totals, const RegisterMonth &month, int firstDay, int lastDay);

// 長期欠席: days absent in the period reaching this many.
inline constexpr int LongAbsenceDays = 30;
bool isLongAbsence(const TotalsRow &row);
int longAbsenceCount(const Totals &totals);

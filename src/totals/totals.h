#pragma once

#include "register/monthstatistics.h"

#include <QList>
#include <QString>

#include <array>

// The totals of one class over a term or the whole school year: every pupil's
// eleven counters summed over the months of the period, and which months
// could be read.
namespace TotalsTerm {
// The periods by the totals window's option index.
enum : int { First = 0, Second = 1, Third = 2, WholeYear = 3 };
inline constexpr int Count = 4;

// Months of a school year are numbered 4 to 15; 13 to 15 are January to March
// of the following calendar year.
int firstMonth(int term);
int lastMonth(int term);
} // namespace TotalsTerm

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
    int term = TotalsTerm::First;
    QList<TotalsMonth> months; // every month of the term, in order
    QList<TotalsRow> rows;     // every distinct pupil, in order of first appearance

    QList<TotalsMonth> monthsRead(MonthReading reading) const;
};

// Reads each month file of `term` of `schoolYear` from `classFolder` and adds
// it up. A missing or unreadable month adds nothing; `months` tells which.
Totals ComputeTotals(const QString &classFolder, int schoolYear, int term);

// Adds one month to the totals. A pupil joins the row of the same name, sex and
// grade that no other pupil of this month has taken, else a new row at the end,
// so every pupil keeps a row of its own. Each month is counted by the monthly
// rules on its own, so a pupil's leaving or joining day acts within its month only.
void addMonth(Totals &totals, const RegisterMonth &month, int gregorianYear, int monthNumber);

// 長期欠席: days absent in the period reaching this many.
inline constexpr int LongAbsenceDays = 30;
bool isLongAbsence(const TotalsRow &row);
int longAbsenceCount(const Totals &totals);

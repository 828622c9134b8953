#include "totals.h"

#include "calendar/era.h"
#include "data/monthfile.h"

#include <QDir>

#include <algorithm>

namespace TotalsTerm {

int firstMonth(int term)
{
    constexpr std::array<int, Count> First{4, 9, 13, 4};
    return First[std::clamp(term, 0, Count - 1)];
}

int lastMonth(int term)
{
    constexpr std::array<int, Count> Last{8, 12, 15, 15};
    return Last[std::clamp(term, 0, Count - 1)];
}

} // namespace TotalsTerm

namespace {

MonthReading readingOf(const LoadResult &result)
{
    if (result.ok())
        return MonthReading::Read;
    return result.missing() ? MonthReading::Missing : MonthReading::Unreadable;
}

bool samePupil(const TotalsRow &row, const PupilRecord &pupil)
{
    return row.Name == pupil.Name && row.Sex == pupil.Sex && row.Grade == pupil.Grade;
}

} // namespace

QList<TotalsMonth> Totals::monthsRead(MonthReading reading) const
{
    QList<TotalsMonth> found;
    std::copy_if(months.begin(), months.end(), std::back_inserter(found),
                 [reading](const TotalsMonth &month) { return month.reading == reading; });
    return found;
}

Totals ComputeTotals(const QString &classFolder, int schoolYear, int term)
{
    Totals totals;
    totals.schoolYear = schoolYear;
    totals.term = std::clamp(term, 0, TotalsTerm::Count - 1);
    const QDir folder(classFolder);
    RegisterMonth month;
    for (int m = TotalsTerm::firstMonth(totals.term); m <= TotalsTerm::lastMonth(totals.term); ++m) {
        const int year = m > 12 ? schoolYear + 1 : schoolYear;
        const int monthNumber = m > 12 ? m - 12 : m;
        const QString path = folder.filePath(MonthFile::fileName(year, monthNumber));
        const LoadResult loaded = MonthFile::load(path, month);
        totals.months.append({year, monthNumber, readingOf(loaded), path, loaded.ok() ? QString() : loaded.describe()});
        if (loaded.ok())
            addMonth(totals, month, year, monthNumber);
    }
    return totals;
}

void addMonth(Totals &totals, const RegisterMonth &month, int gregorianYear, int monthNumber)
{
    MonthStatistics stats;
    ComputeMonthStatistics(month, JapaneseEra::heiseiFromGregorian(gregorianYear), monthNumber, stats);

    const int pupils = std::clamp<int>(month.PupilCount, 0, PupilSlots);
    QList<bool> taken(totals.rows.size(), false);
    for (int p = 0; p < pupils; ++p) {
        const PupilRecord &pupil = month.Pupils[p];
        qsizetype t = 0;
        while (t < totals.rows.size() && (taken[t] || !samePupil(totals.rows[t], pupil)))
            ++t;
        if (t == totals.rows.size()) {
            totals.rows.append({pupil.Name, pupil.Sex, pupil.Grade, {}});
            taken.append(false);
        }
        taken[t] = true;
        for (int c = 0; c < StatColumn::Count; ++c)
            totals.rows[t].Stat[c] += stats.PupilStat[p][c];
    }
}

bool isLongAbsence(const TotalsRow &row)
{
    return row.Stat[StatColumn::AbsentTotal] >= LongAbsenceDays;
}

int longAbsenceCount(const Totals &totals)
{
    return int(std::count_if(totals.rows.begin(), totals.rows.end(), isLongAbsence));
}

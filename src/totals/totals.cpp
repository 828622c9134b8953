#include "totals.h"

#include "calendar/era.h"
#include "data/markreasons.h"
#include "data/marktable.h"
#include "data/monthfile.h"
#include "data/reasoncategories.h"
#include "data/reasonfile.h"

#include <QDir>

#include <algorithm>
#include <limits>
#include <memory>
#include <tuple>

using namespace Qt::StringLiterals;

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

// What one month gives a pupil slot: its counters, and whether it takes a row.
struct PupilFigures
{
    std::array<int, StatColumn::Count> counters{};
    bool takesPart = true;
};

void addPupils(Totals &totals, const RegisterMonth &month, const QList<PupilFigures> &figures)
{
    QList<bool> taken(totals.rows.size(), false);
    for (qsizetype p = 0; p < figures.size(); ++p) {
        if (!figures[p].takesPart)
            continue;
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
            totals.rows[t].Stat[c] += figures[p].counters[c];
    }
}

int pupilsOf(const RegisterMonth &month)
{
    return std::clamp<int>(month.PupilCount, 0, PupilSlots);
}

// Enrolled on some day index first..last: not joined after it, not left before it.
bool enrolledWithin(const PupilRecord &pupil, int first, int last)
{
    return !(!pupil.InKind.isEmpty() && pupil.InDay > last) && !(!pupil.OutKind.isEmpty() && pupil.OutDay < first);
}

// By mark code, then by the place in the mark's list (the school's own
// categories, unknown here, after the list in the order of their names).
void sortReasons(QList<ReasonDays> &reasons)
{
    const ReasonCategories lists;
    const auto key = [&](const ReasonDays &r) {
        const int code = markCodeOf(r.mark);
        const qsizetype place = lists.forMark(code).indexOf(r.category);
        return std::tuple(code, place < 0 ? std::numeric_limits<qsizetype>::max() : place, r.category);
    };
    std::sort(reasons.begin(), reasons.end(),
              [&](const ReasonDays &a, const ReasonDays &b) { return key(a) < key(b); });
}

} // namespace

TotalsPeriod wholeYearPeriod(int schoolYear)
{
    return {u"１年間"_s, QDate(schoolYear, 4, 1), QDate(schoolYear + 1, 3, 31)};
}

bool isWholeYear(const TotalsPeriod &period, int schoolYear)
{
    const TotalsPeriod year = wholeYearPeriod(schoolYear);
    return period.first == year.first && period.last == year.last;
}

QList<TotalsPeriod> offeredPeriods(const SchoolPeriods &periods, int schoolYear)
{
    QList<TotalsPeriod> offered;
    for (const SchoolPeriod &period : periods.periods)
        offered.append({period.name, SchoolPeriodRules::firstDate(period, schoolYear),
                        SchoolPeriodRules::lastDate(period, schoolYear)});
    offered.append(wholeYearPeriod(schoolYear));
    return offered;
}

QList<TotalsMonth> Totals::monthsRead(MonthReading reading) const
{
    QList<TotalsMonth> found;
    std::copy_if(months.begin(), months.end(), std::back_inserter(found),
                 [reading](const TotalsMonth &month) { return month.reading == reading; });
    return found;
}

Totals ComputeTotals(const QString &classFolder, int schoolYear, const TotalsPeriod &period)
{
    Totals totals;
    totals.schoolYear = schoolYear;
    totals.period = period;
    const QDir folder(classFolder);
    RegisterMonth month;
    for (QDate monthStart(schoolYear, 4, 1); monthStart < QDate(schoolYear + 1, 4, 1);
         monthStart = monthStart.addMonths(1)) {
        const QDate monthEnd = monthStart.addMonths(1).addDays(-1);
        if (monthEnd < period.first || monthStart > period.last)
            continue;
        const int year = monthStart.year();
        const int monthNumber = monthStart.month();
        const QString path = folder.filePath(MonthFile::fileName(year, monthNumber));
        const LoadResult loaded = MonthFile::load(path, month);
        totals.months.append({year, monthNumber, readingOf(loaded), path, loaded.ok() ? QString() : loaded.describe()});
        if (!loaded.ok())
            continue;
        const int firstDay = std::max(period.first, monthStart).day();
        const int lastDay = std::min(period.last, monthEnd).day();
        if (period.first <= monthStart && monthEnd <= period.last)
            addMonth(totals, month, year, monthNumber);
        else
            addMonthDays(totals, month, year, monthNumber, firstDay, lastDay);
        QStringList dropped; // reasons that fit no pupil count nowhere
        ReasonFile::load(ReasonFile::pathFor(path), month, ReasonCategories{}, dropped);
        if (MarkReasons::anyIn(month))
            addReasonDays(totals, month, firstDay,
                          std::min(lastDay, countedDays(month, JapaneseEra::heiseiFromGregorian(year), monthNumber)));
    }
    sortReasons(totals.reasons);
    return totals;
}

Totals ComputeTotals(const QString &classFolder, int schoolYear, int term)
{
    const QList<TotalsPeriod> terms = offeredPeriods(SchoolPeriods::threeTerms(), schoolYear);
    return ComputeTotals(classFolder, schoolYear, terms[std::clamp<int>(term, 0, int(terms.size()) - 1)]);
}

void addMonth(Totals &totals, const RegisterMonth &month, int gregorianYear, int monthNumber)
{
    MonthStatistics stats;
    computeMonthStatistics(month, JapaneseEra::heiseiFromGregorian(gregorianYear), monthNumber, stats);
    QList<PupilFigures> figures(pupilsOf(month));
    for (qsizetype p = 0; p < figures.size(); ++p)
        std::copy(stats.PupilStat[p].begin(), stats.PupilStat[p].end(), figures[p].counters.begin());
    addPupils(totals, month, figures);
}

void addMonthDays(Totals &totals, const RegisterMonth &month, int gregorianYear, int monthNumber, int firstDay,
                  int lastDay)
{
    MonthStatistics stats;
    const auto byDay = std::make_unique<PupilDayFigures>();
    computeMonthStatistics(month, JapaneseEra::heiseiFromGregorian(gregorianYear), monthNumber, stats, *byDay);
    const int first = std::max(firstDay, 1) - 1;
    const int last = std::min(lastDay, DaySlots) - 1;
    QList<PupilFigures> figures(pupilsOf(month));
    for (qsizetype p = 0; p < figures.size(); ++p) {
        PupilFigures &pupil = figures[p];
        for (int d = first; d <= last; ++d) {
            for (int c = 0; c < StatColumn::Count; ++c)
                pupil.counters[c] += (*byDay)[p][d][c];
        }
        const bool anyFigure = std::any_of(pupil.counters.begin(), pupil.counters.end(), [](int n) { return n != 0; });
        pupil.takesPart = anyFigure || enrolledWithin(month.Pupils[p], first, last);
    }
    addPupils(totals, month, figures);
}

void addReasonDays(Totals &totals, const RegisterMonth &month, int firstDay, int lastDay)
{
    for (int p = 0; p < pupilsOf(month); ++p) {
        for (const MarkReason &reason : month.Pupils[p].Reasons) {
            if (reason.Day + 1 < firstDay || reason.Day + 1 > lastDay)
                continue;
            for (const QString &category : reason.Categories) {
                const auto found = std::find_if(totals.reasons.begin(), totals.reasons.end(), [&](const ReasonDays &r) {
                    return r.mark == reason.Mark && r.category == category;
                });
                if (found == totals.reasons.end())
                    totals.reasons.append({reason.Mark, category, 1});
                else
                    ++found->days;
            }
        }
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

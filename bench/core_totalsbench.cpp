#include "data/monthfile.h"
#include "demo/demoschoolyear.h"
#include "totals/totals.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// The demo class's school year on disk, each month filled up to the working
// limit of 46 pupils with renamed copies of its own pupils.
void writeFullYear(const QString &folder)
{
    for (DemoSchoolYear::Month month : DemoSchoolYear::months()) {
        RegisterMonth &data = month.data;
        for (int i = 0; data.PupilCount < PupilWorkingLimit; ++i) {
            PupilRecord copy = data.Pupils[i];
            copy.Name += u"（二）"_s;
            copy.InKind.clear();
            copy.OutKind.clear();
            data.Pupils[data.PupilCount++] = copy;
        }
        const QString name = MonthFile::fileName(month.gregorianYear, month.month);
        MonthFile::save(QDir(folder).filePath(name), data);
    }
}

void WholeYearTotalsFromDisk(benchmark::State &state)
{
    QTemporaryDir folder;
    writeFullYear(folder.path());
    for (auto _ : state) {
        const Totals totals = ComputeTotals(folder.path(), DemoSchoolYear::StartYear, TotalsTerm::WholeYear);
        if (totals.rows.size() < PupilWorkingLimit)
            state.SkipWithError("the year was not read");
        benchmark::DoNotOptimize(totals);
    }
}

// A two-term school's year: 前期 to 10月9日 and 後期, each cutting October by the day.
void TwoTermsFromDisk(benchmark::State &state)
{
    QTemporaryDir folder;
    writeFullYear(folder.path());
    const QList<TotalsPeriod> terms = offeredPeriods(SchoolPeriods::twoTerms({10, 9}), DemoSchoolYear::StartYear);
    for (auto _ : state) {
        for (const TotalsPeriod &term : terms.first(2)) {
            const Totals totals = ComputeTotals(folder.path(), DemoSchoolYear::StartYear, term);
            if (totals.rows.size() < PupilWorkingLimit)
                state.SkipWithError("the year was not read");
            benchmark::DoNotOptimize(totals);
        }
    }
}

} // namespace

BENCHMARK(WholeYearTotalsFromDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(TwoTermsFromDisk)->Unit(benchmark::kMillisecond);

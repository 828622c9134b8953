#include "busymonth.h"
#include "calendar/era.h"
#include "data/marktable.h"
#include "data/monthfile.h"
#include "demo/democalendar.h"
#include "register/monthstatistics.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

using namespace BusyMonth;

void MonthFromBytes(benchmark::State &state)
{
    const QByteArray bytes = MonthFile::toBytes(busyMonth());
    RegisterMonth month;
    for (auto _ : state)
        benchmark::DoNotOptimize(MonthFile::fromBytes(bytes, month));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void MonthToBytes(benchmark::State &state)
{
    const RegisterMonth month = busyMonth();
    for (auto _ : state)
        benchmark::DoNotOptimize(MonthFile::toBytes(month));
}

void MonthStatisticsOfFullClass(benchmark::State &state)
{
    const RegisterMonth month = busyMonth();
    MonthStatistics stats;
    for (auto _ : state) {
        computeMonthStatistics(month, JapaneseEra::heiseiFromGregorian(Year), Month, stats);
        benchmark::DoNotOptimize(stats);
    }
}

} // namespace

BENCHMARK(MonthFromBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(MonthToBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(MonthStatisticsOfFullClass)->Unit(benchmark::kMicrosecond);

#include "readerfuzz.h"

#include "data/periodsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzReader<SchoolPeriods>(
        data, size, PeriodsFile::fromBytes, PeriodsFile::toBytes, [](const SchoolPeriods &periods) {
            return periods.periods.size() >= 1 && periods.periods.size() <= SchoolPeriodRules::MaximumPeriods;
        });
}

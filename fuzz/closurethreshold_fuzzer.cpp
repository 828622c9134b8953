#include "readerfuzz.h"

#include "school/closurethreshold.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto toBytes = [](int tenths, QString *) { return ClosureThreshold::toBytes(tenths); };
    return fuzzReader<int>(data, size, ClosureThreshold::fromBytes, toBytes, [](int tenths) {
        return tenths >= ClosureThreshold::MinimumTenths && tenths <= ClosureThreshold::MaximumTenths;
    });
}

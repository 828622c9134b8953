#include "readerfuzz.h"

#include "data/monthfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzReader<RegisterMonth>(data, size, MonthFile::fromBytes, MonthFile::toBytes,
                                     [](const RegisterMonth &month) {
                                         return month.HolidayCount >= 0 && month.HolidayCount <= HolidaySlots
                                                && month.PupilCount >= 0 && month.PupilCount <= PupilSlots;
                                     });
}

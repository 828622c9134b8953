#include "readerfuzz.h"

#include "data/classlistfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzReader<ClassList>(
        data, size, ClassListFile::fromBytes, ClassListFile::toBytes,
        [](const ClassList &list) { return list.ClassCount >= 0 && list.ClassCount <= ClassSlots; });
}

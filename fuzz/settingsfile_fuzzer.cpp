#include "readerfuzz.h"

#include "data/settingsfile.h"

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto fromBytes = [](const QByteArray &bytes, ProgramSettings &settings) {
        return SettingsFile::fromBytes(bytes, u"/work"_s, settings);
    };
    return fuzzReader<ProgramSettings>(data, size, fromBytes, SettingsFile::toBytes,
                                       [](const ProgramSettings &) { return true; });
}

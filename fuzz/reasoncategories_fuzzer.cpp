#include "readerfuzz.h"

#include "data/reasoncategories.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto fromBytes = [](const QByteArray &bytes, ReasonCategories &categories) {
        return categories.fromBytes(bytes);
    };
    const auto toBytes = [](const ReasonCategories &categories, QString *error) { return categories.toBytes(error); };
    return fuzzReader<ReasonCategories>(data, size, fromBytes, toBytes, [](const ReasonCategories &categories) {
        for (const ReasonCategories::Addition &addition : categories.additions()) {
            if (!ReasonCategories::carriesReasons(addition.markCode) || addition.name.isEmpty()
                || addition.name.size() > ReasonCategories::NameLimit)
                return false;
        }
        return true;
    });
}

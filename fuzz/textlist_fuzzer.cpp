#include "data/cp932.h"
#include "roster/textlistimport.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

// Any bytes as a list of names, in both layouts: the import never crashes,
// takes all its lines or none, stays within the pupil list and gives only
// names the month file can store.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const TextLayout layout : {TextLayout::Names, TextLayout::NamesAndSexes}) {
        const PupilImport import = importTextList(bytes, layout, 0, u"list"_s);
        if (import.pupils.size() > PupilWorkingLimit || (!import.unreadableFile.isEmpty() && !import.pupils.isEmpty()))
            __builtin_trap();
        for (const PupilRecord &pupil : import.pupils) {
            if (pupil.Name.isEmpty() || Cp932::firstUnencodable(pupil.Name) || pupil.Name.contains(u'"')
                || (pupil.Sex != u"男"_s && pupil.Sex != u"女"_s))
                __builtin_trap();
        }
    }
    return 0;
}

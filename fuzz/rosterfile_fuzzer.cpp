#include "roster/rosterfile.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

// Any bytes as a roster file, plain or shifted: the reader never crashes,
// leaves no pupils behind a failed read and gives every pupil a sex.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RosterFile::Roster roster;
    const LoadResult read =
        RosterFile::fromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), roster);
    if (!read.ok() && !roster.pupils.isEmpty())
        __builtin_trap();
    for (const RosterFile::RosterPupil &pupil : roster.pupils) {
        if (pupil.sex != u"男"_s && pupil.sex != u"女"_s)
            __builtin_trap();
    }
    return 0;
}

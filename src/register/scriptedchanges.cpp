#include "scriptedchanges.h"

#include "data/records.h"
#include "markentry.h"

namespace ScriptedChanges {

void apply(RegisterMonth &month, int number)
{
    if (month.PupilCount <= 0)
        return;
    // Day marks only (codes 0 to 9): a join or leave would hide later days.
    const int pupil = (number * 7) % month.PupilCount;
    const int day = (number * 5) % 28;
    applyEntry(month.Pupils[pupil], number % 10, day);
}

} // namespace ScriptedChanges

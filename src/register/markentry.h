#pragma once

#include "data/records.h"

// What a palette entry does to the cell it is applied to.
enum class EntryKind { DayMark, Joining, Leaving };

// 10 and 11 join, 12 to 19 leave, every other code is a day mark.
EntryKind entryKindOf(int markCode);

// Applies palette entry `markCode` to day index `day` of `pupil`, as a click
// on that cell does:
// - a joining or leaving is recorded on that day, or removed when the pupil
//   already has one (whatever its day and kind), so it moves in two clicks;
// - a day mark goes into an empty cell; 早退 on a "遅" cell makes "ﾁ" (late
//   and left early); on any other mark the click clears the cell.
void applyEntry(PupilRecord &pupil, int markCode, int day);

// Why palette entry `markCode` may not be applied to day index `day` of the
// month's pupil `row`: on a day off only 休日出席 counts, so no other mark is
// entered there (removing a mark is always allowed). Empty when it may.
QString dayOffRefusal(const RegisterMonth &month, int row, int markCode, int day);

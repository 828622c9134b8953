#pragma once

#include "data/records.h"

// The pupil list of the open month: rows 0 to PupilCount − 1, in the order shown.
namespace PupilList {

// Why no pupil can be added to a full list.
inline const QString FullMessage = QStringLiteral("児童生徒は46名までです");
static_assert(PupilWorkingLimit == 46);

// When `row` is the first empty row it becomes a pupil, a boy until told
// otherwise; an existing row is left as it is.
void admitRow(RegisterMonth &month, int row);

// "男" becomes "女"; anything else becomes "男".
void toggleSex(PupilRecord &pupil);

// Removes the pupil at `index` with its marks and enrolment changes; the rows
// below move up. False when there is no such pupil.
bool remove(RegisterMonth &month, int index);

// Exchanges two pupils whole. False unless both are on the list.
bool exchange(RegisterMonth &month, int first, int second);

} // namespace PupilList

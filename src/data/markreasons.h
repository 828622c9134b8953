#pragma once

#include "records.h"

class ReasonCategories;

// The reasons of a month's day marks, as its pupils carry them.
namespace MarkReasons {

inline constexpr int TextLimit = 40;

const MarkReason *find(const PupilRecord &pupil, int day);
// Gives the pupil `reason` for its day, replacing any it had.
void set(PupilRecord &pupil, const MarkReason &reason);
// False when the pupil had no reason that day.
bool clear(PupilRecord &pupil, int day);
bool anyIn(const RegisterMonth &month);

// Whether `reason` still belongs with the day's mark `mark`: it does while
// the mark is the one it was given for, and after a change of mark only when
// its categories are in the new mark's list (it then takes that mark). A day
// without a mark, or with one that carries no reasons, keeps none, and neither
// does a reason without a category.
bool fitsMark(MarkReason &reason, const QString &mark, const ReasonCategories &categories);
// Drops every reason that no longer fits its day's mark.
void dropStale(RegisterMonth &month, const ReasonCategories &categories);

// Why the pupil cannot be given `reason` (its Mark is taken from the day);
// empty when it can.
QString refusal(const PupilRecord &pupil, const MarkReason &reason, const ReasonCategories &categories);

// "発熱・頭痛　熱が高い", for a tooltip, the status bar or a list.
QString describe(const MarkReason &reason);

} // namespace MarkReasons

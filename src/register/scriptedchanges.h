#pragma once

struct RegisterMonth;

// The numbered changes (1, 2, …) that a scripted run of the program makes on
// its open month: a palette entry applied to one pupil's day, as a click does,
// the same for every run, so that a checker replays them from the month as it
// was. A month without pupils is left as it is.
namespace ScriptedChanges {

void apply(RegisterMonth &month, int number);

} // namespace ScriptedChanges

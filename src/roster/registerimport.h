#pragma once

#include "pupilimport.h"

// Pupils taken from register files: last month's register of the open class,
// or the register of any month or class, whose pupils are offered as candidates.

// Last month's pupils replace the open month's list: the month before the
// open one (December of the year before for January), looked for in the open
// class's month folder. Pupils who left last month are not carried over; the
// open month takes last month's teacher's name when it has none. A month
// without pupil lines changes only the teacher's name.
PupilImport ImportLastMonth(const AppState &state, const RegisterMonth &open);

inline constexpr int CandidateLimit = 50;

struct RegisterCandidates
{
    bool read = false; // the file was read (a file without pupils offers none)
    QList<PupilRecord> candidates;
    QList<ImportMessage> messages;
};

// The pupils of a register file who did not leave that month, at most
// CandidateLimit of them, in file order.
RegisterCandidates LoadRegisterCandidates(const QString &path);

// The chosen candidates appended after the month's `pupilCount` rows.
PupilImport importCandidates(const QList<PupilRecord> &chosen, int pupilCount);

#pragma once

#include "pupilimport.h"

// Pupils taken from the roster program's files of the open month's school
// year, which lie in its year folder: the file of the class's grade for an
// ordinary class, of both grades for a multi-grade class, of grades 1 to 6
// for a special-support class. Only pupils of the open class's name are
// taken, each with the grade of its file, after the month's `pupilCount`
// rows. A file of another school imports nothing; a file that cannot be read
// or decoded imports nothing and ends the import.
PupilImport ImportRosterFiles(const AppState &state, const ProgramSettings &settings, int pupilCount);

// The year folder holds at least one roster file (*.STD).
bool hasRosterFiles(const QString &yearFolder);

// Where an older version of the program left a decoded copy of a roster file,
// with the pupils' names in it. A real import (not a preview) deletes it once
// it has succeeded.
QString decodedCopyPath(const QString &workFolder);
void removeDecodedCopy(const QString &workFolder);

#pragma once

#include "data/fileio.h"
#include "data/records.h"

// The demo work folder: ROLL.SEW for a made-up school, CLASS.CSD with one
// ordinary class of each grade 1 to 6 (the first, 1年2組, with a joiner and a
// leaver), a multi-grade and a special-support class, and a school year of
// month files, April to March, of every class in
// <work folder>/data/<school year>/<title>: enough for a new school year.
namespace DemoWorkFolder {

// `workFolder` is made absolute; its data folder is workFolder/data.
ProgramSettings settings(const QString &workFolder);
ClassList classList();
// The folder of a class's month files.
QString classFolder(const ProgramSettings &settings, const QString &classTitle);
// The folder of the first class's month files.
QString monthFolder(const ProgramSettings &settings);

// Writes every file, creating folders as needed; stops at the first failure.
// Refuses a folder that already holds ROLL.SEW, CLASS.CSD or a data folder, so
// that no school's files are ever replaced by the demo's.
SaveResult write(const QString &workFolder);

} // namespace DemoWorkFolder

#pragma once

#include "data/fileio.h"
#include "data/records.h"

// The demo work folder: ROLL.SEW for a made-up school, CLASS.CSD with an
// ordinary, a special-support and a multi-grade class, and a school year of
// month files of the ordinary class in <work folder>/data/<school year>/<title>.
namespace DemoWorkFolder {

// `workFolder` is made absolute; its data folder is workFolder/data.
ProgramSettings settings(const QString &workFolder);
ClassList classList();
// The folder of the ordinary class's month files.
QString monthFolder(const ProgramSettings &settings);

// Writes every file, creating folders as needed; stops at the first failure.
// Refuses a folder that already holds ROLL.SEW, CLASS.CSD or a data folder, so
// that no school's files are ever replaced by the demo's.
SaveResult write(const QString &workFolder);

} // namespace DemoWorkFolder

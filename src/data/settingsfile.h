#pragma once

#include "fileio.h"
#include "records.h"

// ROLL.SEW in the work folder: always three lines, the school and the data
// folder, the count-by-sex option, and a line of spares.
namespace SettingsFile {

inline constexpr int SchoolItems = 6;
inline constexpr int OptionItems = 8;
inline constexpr int SpareItems = 7;

QString filePath(const QString &workFolder);

// Fills SchoolCode, SchoolName, DataFolder and CountBySex; an empty data
// folder becomes `workFolder`.
LoadResult fromBytes(const QByteArray &bytes, const QString &workFolder, ProgramSettings &settings);
QByteArray toBytes(const ProgramSettings &settings, QString *error = nullptr);

LoadResult load(ProgramSettings &settings);
SaveResult save(const ProgramSettings &settings);

} // namespace SettingsFile

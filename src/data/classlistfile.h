#pragma once

#include "fileio.h"
#include "records.h"

// CLASS.CSD in the work folder: a header line with the class count, then one
// line per class.
namespace ClassListFile {

inline constexpr int HeaderItems = 4;
inline constexpr int ClassItems = 8;

QString filePath(const QString &workFolder);

// ClassCount never ends above the number of class lines actually read.
LoadResult fromBytes(const QByteArray &bytes, ClassList &list);
QByteArray toBytes(const ClassList &list, QString *error = nullptr);

LoadResult load(const QString &workFolder, ClassList &list);
SaveResult save(const QString &workFolder, const ClassList &list);

} // namespace ClassListFile

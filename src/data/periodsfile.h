#pragma once

#include "fileio.h"
#include "schoolperiods.h"

// PERIODS.CSD in the work folder: the school's choice of periods, so that
// every computer of the school adds up the same way. A header line with the
// scheme (0 three terms, 1 two terms, 2 the school's own) and the number of
// periods, then one line a period: name, first month, first day, last month,
// last day. Written only when the periods are sound, and read only so.
namespace PeriodsFile {

inline constexpr int HeaderItems = 2;
inline constexpr int PeriodItems = 5;

QString filePath(const QString &workFolder);

LoadResult fromBytes(const QByteArray &bytes, SchoolPeriods &periods);
QByteArray toBytes(const SchoolPeriods &periods, QString *error = nullptr);

// Without the file the school keeps three terms (and the result says missing);
// a file that cannot be read leaves `periods` at three terms too.
LoadResult load(const QString &workFolder, SchoolPeriods &periods);
// Refuses periods that are not sound, with the reason as the error.
SaveResult save(const QString &workFolder, const SchoolPeriods &periods);

} // namespace PeriodsFile

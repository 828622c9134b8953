#pragma once

#include "fileio.h"
#include "records.h"

#include <optional>
#include <utility>

// The month register file <calendar year>_<month>.ROD: a header line, the
// holiday lines and the pupil lines, in the shared line format.
namespace MonthFile {

inline constexpr int HeaderItems = 7;
inline constexpr int HolidayItems = 5;
inline constexpr int PupilItems = 44;

// "2004_4.ROD" for April 2004.
QString fileName(int gregorianYear, int month);
// The Gregorian year and month a file's name gives: "2004_5.ROD" gives 2004
// and 5; nullopt for any other name.
std::optional<std::pair<int, int>> yearAndMonthOf(const QString &fileName);

// Parses a file into `month`, which is reset first. On failure the items read
// so far stay, the rest stay cleared.
LoadResult fromBytes(const QByteArray &bytes, RegisterMonth &month);
// The file form of `month`; an empty array and `error` when a text holds a
// character that code page 932 cannot store.
QByteArray toBytes(const RegisterMonth &month, QString *error = nullptr);

// Loads the open month's file; the result tells a missing file from an
// unreadable one. The month is reset whatever happens.
LoadResult load(const QString &path, RegisterMonth &month);

// Writes atomically; a failure leaves the previous file and the month as they were.
SaveResult save(const QString &path, const RegisterMonth &month);

} // namespace MonthFile

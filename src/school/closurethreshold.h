#pragma once

#include "data/fileio.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The school's 学級閉鎖の目安: the closure rate from which the day overview
// highlights a class, kept in CLOSURE.CSD in the work folder (one line, the
// percent with one decimal) so every computer of the school uses the same.
// Values are in tenths of a percent.
namespace ClosureThreshold {

inline constexpr int DefaultTenths = 200;
inline constexpr int MinimumTenths = 1;
inline constexpr int MaximumTenths = 1000;

QString filePath(const QString &workFolder);

// "20.0" → 200; nullopt for anything but a percent from 0.1 to 100.0 with at most one decimal.
std::optional<int> parse(const QString &text);

QByteArray toBytes(int tenths);
LoadResult fromBytes(const QByteArray &bytes, int &tenths);

// A missing file is the default; an unreadable one leaves `tenths` at the
// default and says why.
LoadResult load(const QString &workFolder, int &tenths);
// What the user is told when `load` failed: why, and that the default is used.
QString unreadableNote(const LoadResult &loaded);
SaveResult save(const QString &workFolder, int tenths);

} // namespace ClosureThreshold

#pragma once

#include "fileio.h"
#include "records.h"

#include <QStringList>

class ReasonCategories;

// The reasons of a month's day marks, in a file of their own beside the month
// file (2026_12.ROD → 2026_12.RSN), so the month file stays as other tools read
// it: one `day,number,"name","mark","category|category","text"` line per reason.
namespace ReasonFile {

QString pathFor(const QString &monthPath);

QByteArray toBytes(const RegisterMonth &month, QString *error = nullptr);

// Gives the month's pupils the file's reasons. A line goes to the pupil of its
// row when the name matches, otherwise to the one pupil of that name, and only
// while it fits that day's mark; anything else is dropped and named in `notes`,
// never given to another pupil. A line that cannot be read is skipped and makes
// the result unreadable, after the rest has been read.
LoadResult attach(const QByteArray &bytes, RegisterMonth &month, const ReasonCategories &categories,
                  QStringList &notes);
// Reads the reasons file at `path` (pathFor a month, or a recovery copy); a
// missing file is a month without reasons.
LoadResult load(const QString &path, RegisterMonth &month, const ReasonCategories &categories, QStringList &notes);

// Writes the month's reasons atomically, or removes the file when it has none.
SaveResult save(const QString &monthPath, const RegisterMonth &month);

} // namespace ReasonFile

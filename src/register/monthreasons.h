#pragma once

#include <QDateTime>
#include <QString>

class ReasonCategories;
struct RegisterMonth;

namespace MonthReasons {

// Gives an opened month the reasons of the file at `path`; what the user is to
// be told, empty when every reason was read. A file with lines that cannot be
// read is first copied aside under a name with the time, since the next save
// writes only what was read.
QString read(const QString &path, const ReasonCategories &categories, RegisterMonth &month,
             const QDateTime &now = QDateTime::currentDateTime());

} // namespace MonthReasons

#pragma once

#include "schoolday.h"

#include "data/fileio.h"

#include <QByteArray>
#include <QString>

// The day overview as a CSV file, one row per class, for the school's records
// and as an entry aid for the daily absentee surveillance report: the figures,
// then the pupils absent through sickness (病) by symptom and those suspended
// for an infectious disease (ホ) by disease. Code page 932, CR LF.
namespace SchoolDayCsv {

QString toText(const SchoolDay &school);
// The file's bytes; empty and `error` set when a title holds a character that
// code page 932 cannot store.
QByteArray toBytes(const SchoolDay &school, QString *error = nullptr);
// Writes atomically; a failure leaves any previous file as it was.
SaveResult save(const QString &path, const SchoolDay &school);

} // namespace SchoolDayCsv

#pragma once

#include "data/fileio.h"
#include "data/records.h"

#include <QByteArray>
#include <QString>

// The JSON form of a month register, item for item the same as its file:
// {"monthOffFlag":0,"monthOffText":"","teacherName":"","holidays":[…],"pupils":[…]}
class JsonWriter;

namespace MonthJson {

QByteArray toJson(const RegisterMonth &month);

// One holiday entry: {"day":3,"reason":"…","printText":"…"}.
void writeHoliday(JsonWriter &json, const HolidayEntry &entry);

// Parses the JSON form into `month`. On failure the month stays empty and the
// result is unreadable, naming the offending item ("pupils[2].marks[4]") or,
// for a syntax error, the line; `refusedText` tells a text refused for a
// character that cannot be stored from a document that cannot be read.
LoadResult fromJson(const QByteArray &json, RegisterMonth &month, bool *refusedText = nullptr);

} // namespace MonthJson

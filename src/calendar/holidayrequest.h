#pragma once

#include "data/records.h"

#include <QString>

#include <optional>

// The holiday window's add command without the window: the typed first and
// last day, reason and print text are checked in the window's order and, when
// all is well, written into the month's holiday list.

struct HolidayRequest
{
    QString firstDay; // as typed
    QString lastDay;  // as typed; blank or 0 for a single day
    QString reason;
    QString printText;
};

enum class HolidayRequestStatus {
    Added,
    MissingDay, // the first day reads as 0 (blank or no number)
    MissingReason,
    MissingPrintText,
    InvalidDays, // a day outside the month or not a whole number, or a range that runs backwards
    RefusedText, // the reason or print text holds a character the data files cannot store
    ListFull,    // the new days would not fit into the 31 slots of the list
};

struct HolidayRequestResult
{
    HolidayRequestStatus status = HolidayRequestStatus::Added;
    char32_t character = 0; // the refused character of RefusedText
};

// What a typed day text amounts to: 0 when it reads as the number 0 (blank,
// "0", no leading number at all), the day when it is a whole number from 1 to
// lastDayOfMonth, and nullopt for anything else. Full-width digits count.
std::optional<int> readTypedDay(const QString &text, int lastDayOfMonth);

// Checks the request and, when it passes, gives every day of it the reason and
// print text (normalised for the data files), overwriting existing entries.
HolidayRequestResult addHolidays(RegisterMonth &month, const HolidayRequest &request, int lastDayOfMonth);

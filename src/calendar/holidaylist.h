#pragma once

#include "data/records.h"

#include <QString>
#include <QStringList>

// The school's own edits of the open month's holiday list: entries 0 to
// HolidayCount − 1 of HolidayList, at most one per day.

// The reasons offered in the holiday window's list, in their order.
QStringList holidayPresetReasons();

// The print text that goes with a preset reason: the first four characters for
// the four vacation presets ("春季休業日" → "春季休業"), the whole reason for the
// others; empty for an index outside the list.
QString presetPrintText(int presetIndex);

// Gives `day` the reason and print text, overwriting the day's entry when
// there is one and appending an entry otherwise (when a slot is free).
void setHoliday(RegisterMonth &month, int day, const QString &reason, const QString &printText);

// Whether the days from firstDay to lastDay that have no entry yet fit into
// the free slots of the list.
bool holidaysFit(const RegisterMonth &month, int firstDay, int lastDay);

// setHoliday for every day from firstDay to lastDay inclusive.
void setHolidays(RegisterMonth &month, int firstDay, int lastDay, const QString &reason, const QString &printText);

// Deletes the used entries with indexes firstIndex..lastIndex (either order;
// indexes beyond the used entries do not count). Later entries move up in order.
// Returns how many entries were deleted.
int deleteHolidays(RegisterMonth &month, int firstIndex, int lastIndex);

// Sorts the used entries by day, ascending: each entry in turn is inserted
// before the first earlier entry whose day is not smaller.
void sortHolidays(RegisterMonth &month);

#include "sheetcontent.h"

#include "calendar/era.h"
#include "data/session.h"

#include <algorithm>

using namespace Qt::StringLiterals;

SheetContent SheetContent::of(const Session &session, int highlightedRow)
{
    return {session.Register,    session.Statistics,      session.State.HeiseiYear,
            session.State.Month, session.State.ClassKind, (session.Settings.CountBySex & 1) != 0,
            highlightedRow};
}

int SheetContent::monthLength() const
{
    return JapaneseEra::daysInMonth(JapaneseEra::gregorianFromHeisei(heiseiYear), monthNumber);
}

int holidayEntriesShown(const RegisterMonth &month)
{
    const int count = std::clamp<int>(month.HolidayCount, 0, HolidaySlots);
    for (int h = 0; h < count; ++h) {
        if (month.HolidayList[h].Reason == u"卒業"_s)
            return h;
    }
    return count;
}

int graduationDay(const RegisterMonth &month)
{
    const int shown = holidayEntriesShown(month);
    return shown < std::clamp<int>(month.HolidayCount, 0, HolidaySlots) ? month.HolidayList[shown].Day : 0;
}

#include "democalendar.h"

#include "calendar/era.h"
#include "calendar/nationalholidays.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace DemoCalendar {

namespace {

struct SchoolDaysOff
{
    int month;
    int first;
    int last;
    QString reason;
    QString printText;
};

const SchoolDaysOff Vacations[] = {
    {4, 1, 5, u"春季休業日"_s, u"春季休業"_s},    {7, 21, 31, u"夏季休業日"_s, u"夏季休業"_s},
    {8, 1, 31, u"夏季休業日"_s, u"夏季休業"_s},   {10, 30, 30, u"創立記念日"_s, u"創立記念日"_s},
    {12, 25, 31, u"冬季休業日"_s, u"冬季休業"_s}, {1, 1, 7, u"冬季休業日"_s, u"冬季休業"_s},
    {3, 25, 31, u"春季休業日"_s, u"春季休業"_s},
};

constexpr int WholeMonthOff = 8;

int indexOfDay(const RegisterMonth &month, int day)
{
    for (int i = 0; i < month.HolidayCount; ++i) {
        if (month.HolidayList[i].Day == day)
            return i;
    }
    return -1;
}

} // namespace

void applyDaysOff(RegisterMonth &month, int gregorianYear, int monthNumber)
{
    CalcNationalHolidays(JapaneseEra::heiseiFromGregorian(gregorianYear), monthNumber, month);
    for (const SchoolDaysOff &daysOff : Vacations) {
        if (daysOff.month == monthNumber)
            setDaysOff(month, daysOff.first, daysOff.last, daysOff.reason, daysOff.printText);
    }
    if (monthNumber == WholeMonthOff) {
        month.MonthOffFlag = 1;
        month.MonthOffText = u"夏季休業"_s;
    }
}

void setDaysOff(RegisterMonth &month, int first, int last, const QString &reason, const QString &printText)
{
    for (int day = first; day <= last; ++day) {
        int i = indexOfDay(month, day);
        if (i < 0) {
            if (month.HolidayCount == HolidaySlots)
                return;
            i = month.HolidayCount++;
            month.HolidayList[i].Day = qint16(day);
        }
        month.HolidayList[i].Reason = reason;
        month.HolidayList[i].PrintText = printText;
    }
    std::sort(month.HolidayList.begin(), month.HolidayList.begin() + month.HolidayCount,
              [](const HolidayEntry &a, const HolidayEntry &b) { return a.Day < b.Day; });
}

bool isDayOff(const RegisterMonth &month, int day)
{
    return indexOfDay(month, day) >= 0;
}

int firstSchoolDayFrom(const RegisterMonth &month, int day)
{
    while (isDayOff(month, day))
        ++day;
    return day;
}

} // namespace DemoCalendar

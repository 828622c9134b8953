#pragma once

#include "data/marktable.h"
#include "data/records.h"
#include "demo/democalendar.h"

// The month the benchmarks work on.
namespace BusyMonth {

using namespace Qt::StringLiterals;

inline constexpr int Year = 2026;
inline constexpr int Month = 10;

// A full class month: 46 pupils, the demo school's days off, a day mark on
// about every fourth day of every pupil, one pupil joining and one leaving.
inline RegisterMonth busyMonth()
{
    RegisterMonth month;
    month.TeacherName = u"森野　みどり"_s;
    DemoCalendar::applyDaysOff(month, Year, Month);
    month.PupilCount = PupilWorkingLimit;
    for (int i = 0; i < PupilWorkingLimit; ++i) {
        PupilRecord &pupil = month.Pupils[i];
        pupil.Name = u"架空　児童"_s + QString::number(i + 1);
        pupil.Sex = i % 2 == 0 ? u"男"_s : u"女"_s;
        pupil.RosterNo = qint16(i + 1);
        for (int d = 0; d < DaySlots; ++d) {
            if ((i * 7 + d * 3) % 4 == 0)
                pupil.Marks[d] = MarkTable[(i + d) % (MarkCode::LateAndEarlyLeave + 1)].toString();
        }
    }
    month.Pupils[10].InKind = u"入"_s;
    month.Pupils[10].InDay = 12;
    month.Pupils[20].OutKind = u"転"_s;
    month.Pupils[20].OutDay = 20;
    return month;
}

} // namespace BusyMonth

#include "demoschoolyear.h"

#include "democalendar.h"
#include "demomarks.h"
#include "demopeople.h"

#include "calendar/era.h"
#include "register/monthstatistics.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace DemoSchoolYear {

namespace {

constexpr int JoiningFromDay = 13;
constexpr int LeavingFromDay = 22;

// A joiner is on the list from InDay, a leaver up to OutDay.
bool enrolledOn(const PupilRecord &pupil, int dayIndex)
{
    if (!pupil.InKind.isEmpty() && dayIndex < pupil.InDay)
        return false;
    return pupil.OutKind.isEmpty() || dayIndex <= pupil.OutDay;
}

void fillMarks(RegisterMonth &month, int days, quint32 seed)
{
    DemoMarks marks(seed);
    for (int i = 0; i < month.PupilCount; ++i) {
        PupilRecord &pupil = month.Pupils[i];
        for (int d = 0; d < days; ++d) {
            if (!enrolledOn(pupil, d))
                continue;
            pupil.Marks[d] = DemoCalendar::isDayOff(month, d + 1) ? marks.dayOffMark() : marks.schoolDayMark();
        }
    }
}

Month makeMonth(int gregorianYear, int monthNumber, QList<PupilRecord> &pupils)
{
    Month result{gregorianYear, monthNumber, {}};
    RegisterMonth &month = result.data;
    month.TeacherName = DemoPeople::teacherName();
    DemoCalendar::applyDaysOff(month, gregorianYear, monthNumber);

    if (monthNumber == JoiningMonth) {
        PupilRecord joiner = DemoPeople::newcomer();
        joiner.InKind = u"入"_s;
        joiner.InDay = qint16(DemoCalendar::firstSchoolDayFrom(month, JoiningFromDay) - 1);
        pupils.append(joiner);
    }
    if (monthNumber == LeavingMonth) {
        PupilRecord &leaver = pupils[LeavingPupilIndex];
        leaver.OutKind = u"転"_s;
        leaver.OutDay = qint16(DemoCalendar::firstSchoolDayFrom(month, LeavingFromDay) - 1);
    }

    month.PupilCount = qint16(pupils.size());
    std::copy(pupils.cbegin(), pupils.cend(), month.Pupils.begin());
    fillMarks(month, JapaneseEra::daysInMonth(gregorianYear, monthNumber), quint32(gregorianYear * 100 + monthNumber));
    return result;
}

// Next month's list: the joiner stays without a joining kind, the leaver goes.
void carryOver(QList<PupilRecord> &pupils)
{
    pupils.removeIf([](const PupilRecord &pupil) { return !pupil.OutKind.isEmpty(); });
    for (PupilRecord &pupil : pupils) {
        pupil.InKind.clear();
        pupil.InDay = 0;
    }
}

} // namespace

QList<Month> months()
{
    QList<PupilRecord> pupils = DemoPeople::classInApril();
    QList<Month> year;
    for (int offset = 0; offset < 12; ++offset) {
        const int monthNumber = (3 + offset) % 12 + 1;
        const int gregorianYear = monthNumber >= 4 ? StartYear : StartYear + 1;
        year.append(makeMonth(gregorianYear, monthNumber, pupils));
        carryOver(pupils);
    }
    return year;
}

} // namespace DemoSchoolYear

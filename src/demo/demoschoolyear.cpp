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

void fillPupils(Month &month, const QList<PupilRecord> &pupils, quint32 seed)
{
    RegisterMonth &data = month.data;
    data.TeacherName = DemoPeople::teacherName();
    data.PupilCount = qint16(pupils.size());
    std::copy(pupils.cbegin(), pupils.cend(), data.Pupils.begin());
    fillMarks(data, JapaneseEra::daysInMonth(month.gregorianYear, month.month), seed);
}

// The first class's joiner arrives in its joining month, its leaver goes in its leaving month.
void applyChanges(int monthNumber, const RegisterMonth &daysOff, QList<PupilRecord> &pupils)
{
    if (monthNumber == JoiningMonth) {
        PupilRecord joiner = DemoPeople::newcomer();
        joiner.InKind = u"入"_s;
        joiner.InDay = qint16(DemoCalendar::firstSchoolDayFrom(daysOff, JoiningFromDay) - 1);
        pupils.append(joiner);
    }
    if (monthNumber == LeavingMonth) {
        PupilRecord &leaver = pupils[LeavingPupilIndex];
        leaver.OutKind = u"転"_s;
        leaver.OutDay = qint16(DemoCalendar::firstSchoolDayFrom(daysOff, LeavingFromDay) - 1);
    }
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

QList<Month> yearOf(QList<PupilRecord> pupils, int classNumber, bool withChanges)
{
    QList<Month> year;
    for (int offset = 0; offset < 12; ++offset) {
        const int monthNumber = (3 + offset) % 12 + 1;
        const int gregorianYear = monthNumber >= 4 ? StartYear : StartYear + 1;
        Month &month = year.emplace_back(Month{gregorianYear, monthNumber, {}});
        DemoCalendar::applyDaysOff(month.data, gregorianYear, monthNumber);
        if (withChanges)
            applyChanges(monthNumber, month.data, pupils);
        fillPupils(month, pupils, quint32(classNumber * 1000000 + gregorianYear * 100 + monthNumber));
        carryOver(pupils);
    }
    return year;
}

} // namespace

QList<Month> months()
{
    return yearOf(DemoPeople::classInApril(), 0, true);
}

QList<Month> months(const QList<PupilRecord> &april, int classNumber)
{
    return yearOf(april, classNumber, false);
}

} // namespace DemoSchoolYear

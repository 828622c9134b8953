#include "demomarks.h"

#include "data/marktable.h"

namespace {

struct Chance
{
    int perMille;
    int markCode;
};

constexpr Chance SchoolDayChances[] = {
    {30, MarkCode::Sick},          {8, MarkCode::OtherReasons},      {12, MarkCode::Late},
    {8, MarkCode::EarlyLeave},     {2, MarkCode::LateAndEarlyLeave}, {2, MarkCode::Mourning},
    {1, MarkCode::SpecialAbsence},
};

constexpr int DayOffAttendancePerMille = 3;

} // namespace

QString DemoMarks::schoolDayMark()
{
    int draw = nextPerMille();
    for (const Chance &chance : SchoolDayChances) {
        if (draw < chance.perMille)
            return MarkTable[chance.markCode].toString();
        draw -= chance.perMille;
    }
    return {};
}

QString DemoMarks::dayOffMark()
{
    return nextPerMille() < DayOffAttendancePerMille ? MarkTable[MarkCode::HolidayAttendance].toString() : QString();
}

int DemoMarks::nextPerMille()
{
    // The linear congruential generator of Numerical Recipes; its upper bits
    // are the well-mixed ones.
    m_state = m_state * 1664525u + 1013904223u;
    return int((m_state >> 16) % 1000);
}

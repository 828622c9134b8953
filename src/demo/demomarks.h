#pragma once

#include <QString>

// Pseudo-random attendance marks for the demo registers: the same sequence on
// every machine and every run for a given seed.
class DemoMarks
{
public:
    explicit DemoMarks(quint32 seed)
        : m_state(seed)
    {}

    // Mostly no mark; now and then sick, absent, late, left early, both,
    // mourning or special absence.
    QString schoolDayMark();
    // Now and then "出" (attended on a day off).
    QString dayOffMark();

private:
    int nextPerMille();

    quint32 m_state;
};

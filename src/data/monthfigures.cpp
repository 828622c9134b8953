#include "monthfigures.h"

#include <numeric>

qint32 MonthStatistics::totalPresent() const
{
    return std::accumulate(DayPresent.begin(), DayPresent.end(), qint32(0));
}

qint32 MonthStatistics::totalAbsent() const
{
    return std::accumulate(DayAbsent.begin(), DayAbsent.end(), qint32(0));
}

qint32 MonthStatistics::columnTotal(int column, int pupilCount) const
{
    qint32 total = 0;
    for (int i = 0; i < pupilCount && i < PupilSlots; ++i)
        total += PupilStat[i][column];
    return total;
}

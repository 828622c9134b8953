#include "schooltotals.h"

#include "calendar/monthchoice.h"

QList<ClassTotals> ComputeSchoolTotals(const ProgramSettings &settings, const QStringList &classTitles, int schoolYear,
                                       const TotalsPeriod &period)
{
    QList<ClassTotals> school;
    for (const QString &title : classTitles)
        school.append(
            {title, ComputeTotals(monthFolders(settings, schoolYear, title).monthFolder, schoolYear, period)});
    return school;
}

bool readAnyMonth(const Totals &totals)
{
    return !totals.monthsRead(MonthReading::Read).isEmpty();
}

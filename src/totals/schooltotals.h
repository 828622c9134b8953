#pragma once

#include "totals.h"

#include <QStringList>

struct ProgramSettings;

// The totals of every class of the school over one period, for the school's
// records (指導要録) in one file.
struct ClassTotals
{
    QString classTitle;
    Totals totals;
};

// The totals of `period` of each class titled in `classTitles`, in that
// order, each from <data folder>/<school year>/<title>.
QList<ClassTotals> ComputeSchoolTotals(const ProgramSettings &settings, const QStringList &classTitles, int schoolYear,
                                       const TotalsPeriod &period);

// Whether any month of the class's period could be read.
bool readAnyMonth(const Totals &totals);

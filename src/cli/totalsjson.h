#pragma once

#include "totals/schooltotals.h"

#include <QByteArray>

// The totals as veltra-cli totals prints them: the school year, the term as
// typed (0 for dates), the period's name and dates, then each month of the
// period with how it was read and each pupil's row.
QByteArray totalsJson(const Totals &totals, int typedTerm);
// Every class's totals of one period: the period once, then "classes", each
// with "class", "months" and "rows".
QByteArray schoolTotalsJson(const QList<ClassTotals> &school, int schoolYear, const TotalsPeriod &period,
                            int typedTerm);

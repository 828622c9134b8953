#include "sheetclick.h"

#include "data/records.h"
#include "sheetgeometry.h"

using namespace Sheet;

SheetHit hitTest(QPoint at, int pupilCount, int classKind)
{
    using Target = SheetHit::Target;
    if (at.x() < 0 || at.y() < 0 || at.x() >= PresentLeft)
        return {};
    const int row = at.y() / RowHeight;
    const bool nameColumns = at.x() >= GradeLeft && at.x() < SexLeft;
    if (row == pupilCount && row == PupilWorkingLimit && nameColumns)
        return {Target::TableFull, row};
    if (row > pupilCount || row >= PupilWorkingLimit)
        return {};
    if (row == pupilCount && !nameColumns)
        return {Target::EmptyRowRest, row};

    if (at.x() < GradeLeft)
        return {Target::Number, row};
    if (at.x() < GradeRight)
        return {hasGradeColumn(classKind) ? Target::Grade : Target::Name, row};
    if (at.x() < SexLeft)
        return {Target::Name, row};
    if (at.x() < DaysLeft)
        return {Target::Sex, row};
    return {Target::Day, row, (at.x() - DaysLeft) / DayWidth};
}

#include "daycounts.h"

#include "data/marktable.h"

bool DayCounts::count(const QString &mark)
{
    if (mark.isEmpty()) {
        ++present;
        return true;
    }
    switch (markCodeOf(mark)) {
    case MarkCode::Sick:
        ++sick;
        return true;
    case MarkCode::OtherReasons:
        ++other;
        return true;
    case MarkCode::SuspensionDiscipline:
        ++suspended;
        return true;
    case MarkCode::SuspensionInfection:
        ++infectious;
        return true;
    case MarkCode::Mourning:
        ++mourning;
        return true;
    case MarkCode::SpecialAbsence:
        ++special;
        return true;
    case MarkCode::Late:
        ++present;
        ++late;
        return true;
    case MarkCode::EarlyLeave:
        ++present;
        ++leftEarly;
        return true;
    case MarkCode::LateAndEarlyLeave:
        ++present;
        ++late;
        ++leftEarly;
        return true;
    default:
        return false;
    }
}

DayCounts &DayCounts::operator+=(const DayCounts &o)
{
    present += o.present;
    sick += o.sick;
    other += o.other;
    suspended += o.suspended;
    infectious += o.infectious;
    mourning += o.mourning;
    special += o.special;
    late += o.late;
    leftEarly += o.leftEarly;
    return *this;
}

std::optional<int> closureRateTenths(const DayCounts &counts)
{
    const qint64 enrolled = counts.enrolled();
    if (enrolled == 0)
        return std::nullopt;
    // Half up in whole numbers: floor((2 × 1000 × closed + enrolled) ÷ (2 × enrolled)).
    const qint64 closed = counts.absent() + counts.infectious;
    return int((2000 * closed + enrolled) / (2 * enrolled));
}

QString tenthsText(int tenths)
{
    return QString::number(tenths / 10) + u'.' + QString::number(tenths % 10);
}

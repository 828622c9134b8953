#include "enrolment.h"

#include <algorithm>

namespace {

int dayLimit(int days)
{
    return std::clamp(days, 0, DaySlots);
}

} // namespace

bool outsideEnrolment(const PupilRecord &pupil, int day)
{
    return (!pupil.InKind.isEmpty() && day < pupil.InDay) || (!pupil.OutKind.isEmpty() && day > pupil.OutDay);
}

bool hasMarksOutsideEnrolment(const PupilRecord &pupil, int days)
{
    for (int d = 0; d < dayLimit(days); ++d) {
        if (outsideEnrolment(pupil, d) && !pupil.Marks[d].trimmed().isEmpty())
            return true;
    }
    return false;
}

void clearMarksOutsideEnrolment(PupilRecord &pupil, int days)
{
    for (int d = 0; d < dayLimit(days); ++d) {
        if (outsideEnrolment(pupil, d))
            pupil.Marks[d].clear();
    }
}

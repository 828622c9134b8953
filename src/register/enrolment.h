#pragma once

#include "data/records.h"

// The days of a month on which a pupil is enrolled: from the joining day (or
// the 1st) to the leaving day (or the month's end). Marks outside them still
// count in the figures, so the sheet shows them apart and offers to clear them.

bool outsideEnrolment(const PupilRecord &pupil, int day);

// Whether one of day indexes 0 to days − 1 outside the enrolment holds a mark.
bool hasMarksOutsideEnrolment(const PupilRecord &pupil, int days);
void clearMarksOutsideEnrolment(PupilRecord &pupil, int days);

#pragma once

#include "data/records.h"

#include <QList>

// The made-up people of the demo school. Every name is invented.
namespace DemoPeople {

// The ordinary class in April: boys, then girls, roster numbers from 1.
QList<PupilRecord> classInApril();

// The pupil who transfers into the class during the year.
PupilRecord newcomer();

QString teacherName();

} // namespace DemoPeople

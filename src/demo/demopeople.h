#pragma once

#include "data/records.h"

#include <QList>

// The made-up people of the demo school. Every name is invented.
namespace DemoPeople {

// The ordinary class in April: boys, then girls, roster numbers from 1.
QList<PupilRecord> classInApril();

// Another class of the school in April: `count` pupils, boys then girls,
// roster numbers from 1, each with the grade of `grades` in turn (the grade
// field of an ordinary class is 0). `classNumber` (from 1) makes the names
// differ from class to class; within a class of up to 30 they never repeat.
QList<PupilRecord> otherClassInApril(int classNumber, int count, const QList<qint16> &grades = {0});

// The pupil who transfers into the class during the year.
PupilRecord newcomer();

QString teacherName();

} // namespace DemoPeople

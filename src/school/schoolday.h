#pragma once

#include "classday.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <map>

struct ProgramSettings;
struct ClassList;

// The whole school on one day (本日の出欠): every class of the class list in
// list order, and the sums by grade and for the school over the classes read.
struct SchoolDay
{
    QDate date;
    int thresholdTenths = 0; // 学級閉鎖の目安, tenths of a percent
    QList<ClassDay> classes;
    QStringList notes; // what could not be read besides the month files

    int schoolYear() const;
    bool overThreshold(const ClassDay &day) const { return day.overThreshold(thresholdTenths); }
    int classesOverThreshold() const;
    // Pupils by grade (an ordinary class's pupils take its grade), lowest grade first.
    std::map<int, DayCounts> grades() const;
    DayCounts school() const;
};

// Reads the month file of `date` of every class in `classes`, with the
// school's reason categories from the work folder; only reads, as readClassDay.
SchoolDay readSchoolDay(const ProgramSettings &settings, const ClassList &classes, const QDate &date,
                        int thresholdTenths);

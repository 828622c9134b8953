#pragma once

#include "daycounts.h"

#include "data/records.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

class ReasonCategories;

// One class on one day, as the day overview shows it.

enum class ClassDayStatus {
    Read,       // a school day of a month file that was read
    Missing,    // the class has no month file for the date
    Unreadable, // its month file cannot be read
    DayOff,     // a day off of the class: its holiday list, after 卒業, or a month off
};

// A pupil with a day mark that counts.
struct DayPupil
{
    int number = 0; // the row, 1-based
    QString name;
    QString sex;
    int grade = 0;
    QString mark;
    std::optional<MarkReason> reason;
};

// How many of the day's pupils have a mark with a category.
struct CategoryCount
{
    QString mark;
    QString category;
    int pupils = 0;

    friend bool operator==(const CategoryCount &, const CategoryCount &) = default;
};

struct ClassDay
{
    ClassEntry classEntry;
    ClassDayStatus status = ClassDayStatus::Missing;
    std::optional<QDateTime> savedAt; // the month file's last save; none without a file
    QString detail;                   // why the month file cannot be read

    // The figures below only for a class whose status is Read.
    DayCounts counts;
    std::map<int, DayCounts> byGrade;
    QList<DayPupil> pupils; // in row order
    QList<CategoryCount> byCategory;

    bool isRead() const { return status == ClassDayStatus::Read; }
    // Whether the closure rate reaches `thresholdTenths` (tenths of a percent).
    bool overThreshold(int thresholdTenths) const;
};

// Whether day index `day` of `month` (of `gregorianYear`/`monthNumber`) is a
// day off: in a month off, in the holiday list (卒業 aside), or after 卒業.
bool isClassDayOff(const RegisterMonth &month, int gregorianYear, int monthNumber, int day);

// The day `date` of a month that was read; its reasons already attached to the pupils.
ClassDay classDayOf(const ClassEntry &classEntry, const RegisterMonth &month, const QDate &date,
                    const ReasonCategories &categories);

// The month file of `classEntry` that holds `date`.
QString classMonthPath(const ProgramSettings &settings, const ClassEntry &classEntry, const QDate &date);

// Reads the class's month file of `date` and its reasons, only reading: no
// lock is taken and nothing is written, so a month another computer has open
// reads as its last save. Reasons that cannot be read or attached are named in `notes`.
ClassDay readClassDay(const ProgramSettings &settings, const ClassEntry &classEntry, const QDate &date,
                      const ReasonCategories &categories, QStringList &notes);

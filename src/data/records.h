#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

// The shared records of the open register: one month of one class, the class
// list, the installation's settings and what is open now. Plain records with
// fixed-size slot tables; the session owns one of each.

inline constexpr int HolidaySlots = 31;
inline constexpr int PupilSlots = 51;
inline constexpr int PupilWorkingLimit = 46; // editors never create a 47th row
inline constexpr int ClassSlots = 51;
inline constexpr int DaySlots = 31;

struct HolidayEntry
{
    qint16 Day = 0; // day of the month, 1..31
    QString Reason;
    QString PrintText;

    friend bool operator==(const HolidayEntry &, const HolidayEntry &) = default;
};

// Why a pupil has a day's mark: categories from that mark's list and a free
// text. Kept in a file of its own beside the month file, never in it.
struct MarkReason
{
    qint16 Day = 0; // day index, as Marks (0 = the 1st)
    QString Mark;   // the mark the reason was given for
    QStringList Categories;
    QString Text;

    friend bool operator==(const MarkReason &, const MarkReason &) = default;
};

struct PupilRecord
{
    qint16 RosterNo = 0;
    QString Name;
    QString Sex; // "男" or "女"
    qint16 Grade = 0;
    qint16 InDay = 0; // day index (0 = the 1st); meaningful only when InKind is set
    QString InKind;   // "", "入", "編"
    qint16 OutDay = 0;
    QString OutKind; // "", "転", "退", "猶", "免", "死"
    std::array<QString, DaySlots> Marks;
    QList<MarkReason> Reasons; // by day; travels with the pupil when rows move

    friend bool operator==(const PupilRecord &, const PupilRecord &) = default;
};

struct RegisterMonth
{
    qint16 MonthOffFlag = 0;
    QString MonthOffText;
    qint16 HolidayCount = 0;
    qint16 PupilCount = 0;
    QString TeacherName;
    std::array<HolidayEntry, HolidaySlots> HolidayList;
    std::array<PupilRecord, PupilSlots> Pupils;

    // Clears both slot tables and every field: the state before any load.
    void reset() { *this = RegisterMonth{}; }

    friend bool operator==(const RegisterMonth &, const RegisterMonth &) = default;
};

enum ClassKindValue : qint16 { OrdinaryClass = 0, SpecialSupportClass = 1, MultiGradeClass = 2 };

struct ClassEntry
{
    qint16 Kind = 0;
    qint16 Grade = 0;
    qint16 Grade2 = 0;
    QString ClassName;
    QString Category;
    QString Title;

    friend bool operator==(const ClassEntry &, const ClassEntry &) = default;
};

struct ClassList
{
    std::array<ClassEntry, ClassSlots> Entries;
    qint16 ClassCount = 0;

    friend bool operator==(const ClassList &, const ClassList &) = default;
};

struct ProgramSettings
{
    qint32 SchoolCode = 0;
    QString SchoolName;
    qint16 CountBySex = 0;
    QString DataFolder;
    QString WorkFolder;
    QString StaffCode; // shown, never set

    friend bool operator==(const ProgramSettings &, const ProgramSettings &) = default;
};

struct AppState
{
    qint16 HeiseiYear = 0; // Gregorian year of the open month − 1988; 0 = none
    qint16 Month = 0;      // 1..12; 0 = none
    qint16 TotalsYear = 0; // school year of the totals, as a Heisei year
    QString OpenSheet;     // "FORM", "TOTAL" or empty
    qint16 ClassKind = 0;
    qint16 ClassGrade = 0;
    qint16 ClassGrade2 = 0;
    QString ClassName;
    QString ClassCategory;
    QString ClassTitle;
    QString YearFolder;
    QString MonthFolder;
};

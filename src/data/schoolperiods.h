#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The stretches of the school year a school adds its attendance up for (通知表,
// 指導要録): three terms, two terms with the day 前期 ends, or the school's own
// named periods. Each runs from a first to a last month and day, the same
// every school year; one follows the other from 4月1日 to 3月31日.

struct MonthDay
{
    int month = 0;
    int day = 0;

    friend bool operator==(const MonthDay &, const MonthDay &) = default;
};

struct SchoolPeriod
{
    QString name;
    MonthDay first;
    MonthDay last;

    friend bool operator==(const SchoolPeriod &, const SchoolPeriod &) = default;
};

struct SchoolPeriods
{
    enum class Scheme { ThreeTerms = 0, TwoTerms = 1, OwnPeriods = 2 };

    Scheme scheme = Scheme::ThreeTerms;
    QList<SchoolPeriod> periods;

    // １学期 4月～8月, ２学期 9月～12月, ３学期 1月～3月: the choice when none is made.
    static SchoolPeriods threeTerms();
    // 前期 from 4月1日 to `firstEnds`, 後期 from the next day to 3月31日.
    static SchoolPeriods twoTerms(MonthDay firstEnds);

    friend bool operator==(const SchoolPeriods &, const SchoolPeriods &) = default;
};

namespace SchoolPeriodRules {

// So that a period's number (--term 1..3) never meets the whole year's (4).
inline constexpr int MaximumPeriods = 3;
inline constexpr int MaximumNameLength = 10;

// Why the periods cannot be taken, in the words the user is told; nothing
// when they can. A 2月29日 counts as a day of every school year, so periods
// that meet at it meet in every year.
std::optional<QString> refusal(const SchoolPeriods &periods);

// "10月9日".
QString dayText(MonthDay day);
// The day typed as "10月9日" or "10/9" (full-width digits too); not checked
// against the calendar.
std::optional<MonthDay> parseDay(const QString &text);

// The period's first and last dates in the school year that begins in April
// of `schoolYear`. Where the year has no 2月29日, a period starting on it
// starts on 3月1日 and one ending on it ends on 2月28日.
QDate firstDate(const SchoolPeriod &period, int schoolYear);
QDate lastDate(const SchoolPeriod &period, int schoolYear);

} // namespace SchoolPeriodRules

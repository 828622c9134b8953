#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// Japanese era years for display and entry. The register keeps every year as a
// Heisei number (Gregorian − 1988), from which file and folder names follow;
// what the user sees and types is the era in force: 平成 up to April 2019,
// 令和 from May 2019 (昭和 before 8 January 1989).
namespace JapaneseEra {

inline constexpr int HeiseiOffset = 1988;

inline int gregorianFromHeisei(int heiseiYear)
{
    return heiseiYear + HeiseiOffset;
}
inline int heiseiFromGregorian(int gregorianYear)
{
    return gregorianYear - HeiseiOffset;
}

// Days of the month of `gregorianYear`/`month`; 0 for a month outside 1..12.
int daysInMonth(int gregorianYear, int month);

struct EraYear
{
    QString era; // "平成", "令和", …
    int year = 0;

    friend bool operator==(const EraYear &, const EraYear &) = default;
};

// The era in force on `date`; a date before the first known era counts in that era.
EraYear ofDate(const QDate &date);
// A month belongs to the era in force on its last day (January 1989 is 平成元年1月,
// April 2019 平成31年4月, May 2019 令和元年5月).
EraYear ofMonth(int gregorianYear, int month);
// A school year (April to March) belongs to the era in force on 1 May of its first year.
EraYear ofSchoolYear(int gregorianYear);

// The Gregorian year of `eraYear` of `era`; nullopt for an unknown era name.
std::optional<int> gregorianYear(const QString &era, int eraYear);

// The eras in which a register's year is typed: those from 平成 on.
QStringList entryEras();

// Whether some day of the month, or of the school year beginning in April of
// `gregorianYear`, lies in `era` (平成31年4月 does; 平成31年5月 and 令和元年4月 do not).
bool monthLiesInEra(const QString &era, int gregorianYear, int month);
bool schoolYearLiesInEra(const QString &era, int gregorianYear);

// Why a month or school year typed in `era` does not exist:
// "令和元年4月はありません。令和は2019年5月1日からです".
QString missingMonthText(const QString &era, int eraYear, int month);
QString missingSchoolYearText(const QString &era, int eraYear);

// Year 1 of an era is written 元 in titles and messages, and may be typed so.
inline const QString FirstYear = QStringLiteral("元");
QString yearText(int eraYear);
// "令和元年5月", "平成16年4月".
QString monthTitle(int gregorianYear, int month);
// "令和元年度", "平成16年度".
QString schoolYearTitle(int gregorianYear);

// A year typed into an entry box: four digits are a Gregorian year, fewer (or
// "元") are a year of `era`. The Gregorian year, or nullopt for anything else.
std::optional<int> parseYearInput(const QString &text, const QString &era);

} // namespace JapaneseEra

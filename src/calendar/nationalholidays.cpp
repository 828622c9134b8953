#include "calendar/nationalholidays.h"
#include "era.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int NoFirstYear = std::numeric_limits<int>::min();
constexpr int NoLastYear = std::numeric_limits<int>::max();

// A national holiday on a fixed date or on the nth Monday of its month,
// observed from firstYear to lastYear.
struct HolidayRule
{
    int month;
    int day;       // fixed day of the month, or 0 for a Monday holiday
    int nthMonday; // 2 = second Monday, 3 = third Monday
    int firstYear;
    int lastYear;
    const char16_t *name;
};

// The holiday law took effect on 20 July 1948; before it there are no
// national holidays, and a Sunday holiday gives no day off before 12 April 1973.
const QDate HolidayLawBegins(1948, 7, 20);
const QDate SubstituteHolidaysBegin(1973, 4, 12);

// The holiday law's dates through its amendments: 敬老の日 and 体育の日 from
// 1966, 建国記念日 from 1967, Monday holidays from 2000
// (成人の日, 体育の日) and 2003 (海の日, 敬老の日), the 2007 reordering of
// 4/29 and 5/4, the emperors' birthdays, 山の日, the one-off days of the
// imperial ceremonies and the moved days of the 2020 and 2021 Olympics.
constexpr HolidayRule HolidayRules[] = {
    {1, 1, 0, NoFirstYear, NoLastYear, u"元旦"},
    {1, 15, 0, NoFirstYear, 1999, u"成人の日"},
    {1, 0, 2, 2000, NoLastYear, u"成人の日"},
    {2, 11, 0, 1967, NoLastYear, u"建国記念日"},
    {2, 23, 0, 2020, NoLastYear, u"天皇誕生日"},
    {2, 24, 0, 1989, 1989, u"昭和天皇の大喪の礼"},
    {4, 29, 0, NoFirstYear, 1988, u"天皇誕生日"},
    {4, 29, 0, 1989, 2006, u"みどりの日"},
    {4, 29, 0, 2007, NoLastYear, u"昭和の日"},
    {5, 1, 0, 2019, 2019, u"天皇の即位の日"},
    {5, 3, 0, NoFirstYear, NoLastYear, u"憲法記念日"},
    {5, 4, 0, 2007, NoLastYear, u"みどりの日"},
    {5, 5, 0, NoFirstYear, NoLastYear, u"こどもの日"},
    {6, 9, 0, 1993, 1993, u"皇太子徳仁親王の結婚の儀"},
    {7, 20, 0, 1996, 2002, u"海の日"},
    {7, 0, 3, 2003, 2019, u"海の日"},
    {7, 23, 0, 2020, 2020, u"海の日"},
    {7, 24, 0, 2020, 2020, u"スポーツの日"},
    {7, 22, 0, 2021, 2021, u"海の日"},
    {7, 23, 0, 2021, 2021, u"スポーツの日"},
    {7, 0, 3, 2022, NoLastYear, u"海の日"},
    {8, 11, 0, 2016, 2019, u"山の日"},
    {8, 10, 0, 2020, 2020, u"山の日"},
    {8, 8, 0, 2021, 2021, u"山の日"},
    {8, 11, 0, 2022, NoLastYear, u"山の日"},
    {9, 15, 0, 1966, 2002, u"敬老の日"},
    {9, 0, 3, 2003, NoLastYear, u"敬老の日"},
    {10, 10, 0, 1966, 1999, u"体育の日"},
    {10, 0, 2, 2000, 2019, u"体育の日"},
    {10, 0, 2, 2022, NoLastYear, u"スポーツの日"},
    {10, 22, 0, 2019, 2019, u"即位礼正殿の儀"},
    {11, 3, 0, NoFirstYear, NoLastYear, u"文化の日"},
    {11, 12, 0, 1990, 1990, u"即位礼正殿の儀"},
    {11, 23, 0, NoFirstYear, NoLastYear, u"勤労感謝の日"},
    {12, 23, 0, 1989, 2018, u"天皇誕生日"},
};

bool fallsOn(const HolidayRule &rule, QDate date)
{
    if (rule.month != date.month() || date.year() < rule.firstYear || date.year() > rule.lastYear)
        return false;
    if (rule.day != 0)
        return date.day() == rule.day;
    return date.dayOfWeek() == Qt::Monday && (date.day() - 1) / 7 + 1 == rule.nthMonday;
}

// The equinox holiday's day in March or September by the approximation for
// 1980 to 2150; 0 (no day) in other months and years.
int equinoxDay(int year, int month)
{
    if (year < 1980 || year > 2150 || (month != 3 && month != 9))
        return 0;
    const bool spring = month == 3;
    const double base = year < 2100 ? (spring ? 20.8431 : 23.2488) : (spring ? 21.851 : 24.2488);
    const double k = year - 1980;
    return int(std::floor(base + 0.242194 * k - std::floor(k / 4)));
}

// The name of the national holiday on the date, empty on other days.
QString holidayName(QDate date)
{
    if (date < HolidayLawBegins)
        return {};
    if (date.day() == equinoxDay(date.year(), date.month()))
        return date.month() == 3 ? u"春分の日"_s : u"秋分の日"_s;
    const auto rule = std::find_if(std::begin(HolidayRules), std::end(HolidayRules),
                                   [date](const HolidayRule &candidate) { return fallsOn(candidate, date); });
    return rule == std::end(HolidayRules) ? QString() : QString::fromUtf16(rule->name);
}

bool isHoliday(QDate date)
{
    return !holidayName(date).isEmpty();
}

// A holiday on a Sunday gives the next day off; from 2007 the next day that
// is not a holiday itself.
bool isSubstituteHoliday(QDate date)
{
    if (date <= SubstituteHolidaysBegin || isHoliday(date))
        return false;
    QDate previous = date.addDays(-1);
    if (date.year() >= 2007) {
        while (isHoliday(previous) && previous.dayOfWeek() != Qt::Sunday)
            previous = previous.addDays(-1);
    }
    return previous.dayOfWeek() == Qt::Sunday && isHoliday(previous);
}

// 国民の休日: a day between two holidays, since the law change of 27 December
// 1985; until 2006 not on a Sunday.
bool isDayBetweenHolidays(QDate date)
{
    if (date < QDate(1985, 12, 27) || isHoliday(date) || !isHoliday(date.addDays(-1)) || !isHoliday(date.addDays(1)))
        return false;
    return date.year() >= 2007 || date.dayOfWeek() != Qt::Sunday;
}

// The date's day-off entry; its Reason is empty on a school day.
HolidayEntry dayOff(QDate date)
{
    HolidayEntry entry{qint16(date.day()), holidayName(date), u"祝"_s};
    if (entry.Reason.isEmpty()) {
        entry.PrintText = u"休日"_s;
        // A substitute holiday comes first: until 2006 the law made a day
        // between holidays no 国民の休日 when it was a substitute holiday.
        if (isSubstituteHoliday(date))
            entry.Reason = u"振替休日"_s;
        else if (isDayBetweenHolidays(date))
            entry.Reason = u"国民の休日"_s;
    }
    const int weekday = date.dayOfWeek();
    if (weekday == Qt::Saturday || weekday == Qt::Sunday) {
        const bool saturday = weekday == Qt::Saturday;
        entry.PrintText = saturday ? u"土"_s : u"日"_s;
        if (entry.Reason.isEmpty())
            entry.Reason = saturday ? u"土曜日"_s : u"日曜日"_s;
    }
    return entry;
}

} // namespace

QList<HolidayEntry> nationalHolidays(int gregorianYear, int month)
{
    QList<HolidayEntry> entries;
    const QDate first(gregorianYear, month, 1);
    if (!first.isValid())
        return entries;
    for (QDate date = first; date.month() == month; date = date.addDays(1)) {
        HolidayEntry entry = dayOff(date);
        if (!entry.Reason.isEmpty())
            entries.append(std::move(entry));
    }
    return entries;
}

void CalcNationalHolidays(int heiseiYear, int month, RegisterMonth &registerMonth)
{
    if (heiseiYear == 0 || month == 0)
        return;
    registerMonth.HolidayList.fill(HolidayEntry{});
    const QList<HolidayEntry> entries = nationalHolidays(JapaneseEra::gregorianFromHeisei(heiseiYear), month);
    // One entry per day of the month, so the 31 slots always suffice.
    std::copy(entries.begin(), entries.end(), registerMonth.HolidayList.begin());
    registerMonth.HolidayCount = qint16(entries.size());
}

bool holdsCalendarDaysOffOnly(const RegisterMonth &registerMonth, int heiseiYear, int month)
{
    const QList<HolidayEntry> calendar = nationalHolidays(JapaneseEra::gregorianFromHeisei(heiseiYear), month);
    const auto listed = registerMonth.HolidayList.begin();
    return registerMonth.HolidayCount == calendar.size()
           && std::equal(calendar.begin(), calendar.end(), listed, listed + registerMonth.HolidayCount);
}

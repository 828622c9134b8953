#include "calendar/era.h"
#include "calendar/nationalholidays.h"

#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A month's days off in one line: "3:憲法記念日:祝" is day, reason and print
// text; "4:土" and "5:日" stand for a plain Saturday or Sunday.
QString monthText(const QList<HolidayEntry> &entries)
{
    QStringList items;
    for (const HolidayEntry &entry : entries) {
        const bool plainWeekend = (entry.Reason == u"土曜日"_s && entry.PrintText == u"土"_s)
                                  || (entry.Reason == u"日曜日"_s && entry.PrintText == u"日"_s);
        items.append(plainWeekend ? u"%1:%2"_s.arg(entry.Day).arg(entry.PrintText)
                                  : u"%1:%2:%3"_s.arg(entry.Day).arg(entry.Reason, entry.PrintText));
    }
    return items.join(u' ');
}

void addMonthColumns()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("expected");
}

void addMonth(const char *name, int year, int month, const QString &expected)
{
    QTest::newRow(name) << year << month << expected;
}

RegisterMonth monthWithStaleList()
{
    RegisterMonth registerMonth;
    for (int slot = 0; slot < HolidaySlots; ++slot)
        registerMonth.HolidayList[slot] = {qint16(slot + 1), u"運動会"_s, u"行"_s};
    registerMonth.HolidayCount = HolidaySlots;
    return registerMonth;
}

} // namespace

class NationalHolidaysTest : public QObject
{
    Q_OBJECT

private:
    void verifyMonth()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QString, expected);
        QCOMPARE(monthText(nationalHolidays(year, month)), expected);
    }

private slots:
    void weekendPrintTexts_data()
    {
        addMonthColumns();
        addMonth("May 2004, weekday holidays print 祝", 2004, 5,
                 u"1:土 2:日 3:憲法記念日:祝 4:国民の休日:休日 5:こどもの日:祝 8:土 9:日 15:土 16:日 22:土 23:日 "
                 "29:土 30:日"_s);
        addMonth("January 2005, 元旦 on a Saturday keeps its name, no substitute", 2005, 1,
                 u"1:元旦:土 2:日 8:土 9:日 10:成人の日:祝 15:土 16:日 22:土 23:日 29:土 30:日"_s);
        addMonth("January 2006, 元旦 on a Sunday", 2006, 1,
                 u"1:元旦:日 2:振替休日:休日 7:土 8:日 9:成人の日:祝 14:土 15:日 21:土 22:日 28:土 29:日"_s);
        addMonth("November 2003, 勤労感謝の日 on a Sunday", 2003, 11,
                 u"1:土 2:日 3:文化の日:祝 8:土 9:日 15:土 16:日 22:土 23:勤労感謝の日:日 24:振替休日:休日 29:土 "
                 "30:日"_s);
        addMonth("March 2004, 春分の日 on a Saturday", 2004, 3,
                 u"6:土 7:日 13:土 14:日 20:春分の日:土 21:日 27:土 28:日"_s);
        addMonth("May 1991, 国民の休日 on a Saturday prints 土", 1991, 5,
                 u"3:憲法記念日:祝 4:国民の休日:土 5:こどもの日:日 6:振替休日:休日 11:土 12:日 18:土 19:日 25:土 "
                 "26:日"_s);
    }
    void weekendPrintTexts() { verifyMonth(); }

    void holidayDatesByYear_data()
    {
        addMonthColumns();
        addMonth("April 1988, 天皇誕生日 on 4/29 until 1988", 1988, 4,
                 u"2:土 3:日 9:土 10:日 16:土 17:日 23:土 24:日 29:天皇誕生日:祝 30:土"_s);
        addMonth("April 1989, みどりの日 on 4/29 from 1989", 1989, 4,
                 u"1:土 2:日 8:土 9:日 15:土 16:日 22:土 23:日 29:みどりの日:土 30:日"_s);
        addMonth("December 1989, 天皇誕生日 on 12/23 from 1989", 1989, 12,
                 u"2:土 3:日 9:土 10:日 16:土 17:日 23:天皇誕生日:土 24:日 30:土 31:日"_s);
        addMonth("July 1995, law wins: no 海の日 before 1996", 1995, 7,
                 u"1:土 2:日 8:土 9:日 15:土 16:日 22:土 23:日 29:土 30:日"_s);
        addMonth("July 2002, 海の日 on 7/20 from 1996 to 2002", 2002, 7,
                 u"6:土 7:日 13:土 14:日 20:海の日:土 21:日 27:土 28:日"_s);
        addMonth("January 1999, 成人の日 on 1/15 until 1999", 1999, 1,
                 u"1:元旦:祝 2:土 3:日 9:土 10:日 15:成人の日:祝 16:土 17:日 23:土 24:日 30:土 31:日"_s);
        addMonth("January 2000, 成人の日 on the second Monday from 2000", 2000, 1,
                 u"1:元旦:土 2:日 8:土 9:日 10:成人の日:祝 15:土 16:日 22:土 23:日 29:土 30:日"_s);
        addMonth("October 2000, 体育の日 on the second Monday from 2000", 2000, 10,
                 u"1:日 7:土 8:日 9:体育の日:祝 14:土 15:日 21:土 22:日 28:土 29:日"_s);
        addMonth("July 2003, law wins: 海の日 on the third Monday, not 7/20", 2003, 7,
                 u"5:土 6:日 12:土 13:日 19:土 20:日 21:海の日:祝 26:土 27:日"_s);
        addMonth("September 2004, law wins: 敬老の日 on the third Monday, not 9/15", 2004, 9,
                 u"4:土 5:日 11:土 12:日 18:土 19:日 20:敬老の日:祝 23:秋分の日:祝 25:土 26:日"_s);
        addMonth("May 2007, みどりの日 on 5/4 from 2007", 2007, 5,
                 u"3:憲法記念日:祝 4:みどりの日:祝 5:こどもの日:土 6:日 12:土 13:日 19:土 20:日 26:土 27:日"_s);
        addMonth("August 2016, 山の日 from 2016", 2016, 8,
                 u"6:土 7:日 11:山の日:祝 13:土 14:日 20:土 21:日 27:土 28:日"_s);
        addMonth("February 1989, 昭和天皇の大喪の礼", 1989, 2,
                 u"4:土 5:日 11:建国記念日:土 12:日 18:土 19:日 24:昭和天皇の大喪の礼:祝 25:土 26:日"_s);
        addMonth("November 1990, 即位礼正殿の儀", 1990, 11,
                 u"3:文化の日:土 4:日 10:土 11:日 12:即位礼正殿の儀:祝 17:土 18:日 23:勤労感謝の日:祝 24:土 25:日"_s);
        addMonth("June 1993, 皇太子徳仁親王の結婚の儀", 1993, 6,
                 u"5:土 6:日 9:皇太子徳仁親王の結婚の儀:祝 12:土 13:日 19:土 20:日 26:土 27:日"_s);
        addMonth("July 2022, 海の日 back on the third Monday", 2022, 7,
                 u"2:土 3:日 9:土 10:日 16:土 17:日 18:海の日:祝 23:土 24:日 30:土 31:日"_s);
        addMonth("October 2022, スポーツの日 on the second Monday", 2022, 10,
                 u"1:土 2:日 8:土 9:日 10:スポーツの日:祝 15:土 16:日 22:土 23:日 29:土 30:日"_s);
    }
    void holidayDatesByYear() { verifyMonth(); }

    void substituteHolidays_data()
    {
        addMonthColumns();
        addMonth("November 1980, Monday after a Sunday holiday", 1980, 11,
                 u"1:土 2:日 3:文化の日:祝 8:土 9:日 15:土 16:日 22:土 23:勤労感謝の日:日 24:振替休日:休日 29:土 "
                 "30:日"_s);
        addMonth("March 1982, after 春分の日 on a Sunday", 1982, 3,
                 u"6:土 7:日 13:土 14:日 20:土 21:春分の日:日 22:振替休日:休日 27:土 28:日"_s);
        addMonth("July 1997, after 海の日 on a Sunday", 1997, 7,
                 u"5:土 6:日 12:土 13:日 19:土 20:海の日:日 21:振替休日:休日 26:土 27:日"_s);
        addMonth("October 1999, after 体育の日 on 10/10, a Sunday", 1999, 10,
                 u"2:土 3:日 9:土 10:体育の日:日 11:振替休日:休日 16:土 17:日 23:土 24:日 30:土 31:日"_s);
        addMonth("September 2002, after 敬老の日 on 9/15, a Sunday", 2002, 9,
                 u"1:日 7:土 8:日 14:土 15:敬老の日:日 16:振替休日:休日 21:土 22:日 23:秋分の日:祝 28:土 29:日"_s);
        addMonth("April 2007, after 昭和の日 on a Sunday", 2007, 4,
                 u"1:日 7:土 8:日 14:土 15:日 21:土 22:日 28:土 29:昭和の日:日 30:振替休日:休日"_s);
        addMonth("May 2008, law wins: みどりの日 on a Sunday moves the substitute to 5/6", 2008, 5,
                 u"3:憲法記念日:土 4:みどりの日:日 5:こどもの日:祝 6:振替休日:休日 10:土 11:日 17:土 18:日 24:土 "
                 "25:日 31:土"_s);
        addMonth("May 2009, law wins: 憲法記念日 on a Sunday gives 5/6, not 5/4", 2009, 5,
                 u"2:土 3:憲法記念日:日 4:みどりの日:祝 5:こどもの日:祝 6:振替休日:休日 9:土 10:日 16:土 17:日 "
                 "23:土 24:日 30:土 31:日"_s);
        addMonth("December 2018, after 天皇誕生日 on a Sunday", 2018, 12,
                 u"1:土 2:日 8:土 9:日 15:土 16:日 22:土 23:天皇誕生日:日 24:振替休日:休日 29:土 30:日"_s);
        addMonth("September 2024, after 秋分の日 on a Sunday", 2024, 9,
                 u"1:日 7:土 8:日 14:土 15:日 16:敬老の日:祝 21:土 22:秋分の日:日 23:振替休日:休日 28:土 29:日"_s);
    }
    void substituteHolidays() { verifyMonth(); }

    void daysBetweenHolidays_data()
    {
        addMonthColumns();
        addMonth("May 1985, before the law change of December 1985", 1985, 5,
                 u"3:憲法記念日:祝 4:土 5:こどもの日:日 6:振替休日:休日 11:土 12:日 18:土 19:日 25:土 26:日"_s);
        addMonth("May 1986, not on a Sunday until 2006", 1986, 5,
                 u"3:憲法記念日:土 4:日 5:こどもの日:祝 10:土 11:日 17:土 18:日 24:土 25:日 31:土"_s);
        addMonth("May 1987, a substitute holiday instead until 2006", 1987, 5,
                 u"2:土 3:憲法記念日:日 4:振替休日:休日 5:こどもの日:祝 9:土 10:日 16:土 17:日 23:土 24:日 30:土 "
                 "31:日"_s);
        addMonth("May 1988, the first 国民の休日", 1988, 5,
                 u"1:日 3:憲法記念日:祝 4:国民の休日:休日 5:こどもの日:祝 7:土 8:日 14:土 15:日 21:土 22:日 28:土 "
                 "29:日"_s);
        addMonth("May 2006, the last 国民の休日 on 5/4", 2006, 5,
                 u"3:憲法記念日:祝 4:国民の休日:休日 5:こどもの日:祝 6:土 7:日 13:土 14:日 20:土 21:日 27:土 28:日"_s);
        addMonth("September 2009, between 敬老の日 and 秋分の日", 2009, 9,
                 u"5:土 6:日 12:土 13:日 19:土 20:日 21:敬老の日:祝 22:国民の休日:休日 23:秋分の日:祝 26:土 27:日"_s);
        addMonth("September 2026, between 敬老の日 and 秋分の日", 2026, 9,
                 u"5:土 6:日 12:土 13:日 19:土 20:日 21:敬老の日:祝 22:国民の休日:休日 23:秋分の日:祝 26:土 27:日"_s);
    }
    void daysBetweenHolidays() { verifyMonth(); }

    void specialYears2019To2021_data()
    {
        addMonthColumns();
        addMonth("April 2019, 4/30 before the accession", 2019, 4,
                 u"6:土 7:日 13:土 14:日 20:土 21:日 27:土 28:日 29:昭和の日:祝 30:国民の休日:休日"_s);
        addMonth("May 2019, 天皇の即位の日 and 5/2", 2019, 5,
                 u"1:天皇の即位の日:祝 2:国民の休日:休日 3:憲法記念日:祝 4:みどりの日:土 5:こどもの日:日 "
                 "6:振替休日:休日 11:土 12:日 18:土 19:日 25:土 26:日"_s);
        addMonth("August 2019, 山の日 on a Sunday", 2019, 8,
                 u"3:土 4:日 10:土 11:山の日:日 12:振替休日:休日 17:土 18:日 24:土 25:日 31:土"_s);
        addMonth("October 2019, 即位礼正殿の儀 and the last 体育の日", 2019, 10,
                 u"5:土 6:日 12:土 13:日 14:体育の日:祝 19:土 20:日 22:即位礼正殿の儀:祝 26:土 27:日"_s);
        addMonth("December 2019, no 天皇誕生日", 2019, 12, u"1:日 7:土 8:日 14:土 15:日 21:土 22:日 28:土 29:日"_s);
        addMonth("February 2020, 天皇誕生日 on 2/23, a Sunday", 2020, 2,
                 u"1:土 2:日 8:土 9:日 11:建国記念日:祝 15:土 16:日 22:土 23:天皇誕生日:日 24:振替休日:休日 29:土"_s);
        addMonth("May 2020, 憲法記念日 on a Sunday", 2020, 5,
                 u"2:土 3:憲法記念日:日 4:みどりの日:祝 5:こどもの日:祝 6:振替休日:休日 9:土 10:日 16:土 17:日 "
                 "23:土 24:日 30:土 31:日"_s);
        addMonth("July 2020, 海の日 and スポーツの日 moved", 2020, 7,
                 u"4:土 5:日 11:土 12:日 18:土 19:日 23:海の日:祝 24:スポーツの日:祝 25:土 26:日"_s);
        addMonth("August 2020, 山の日 moved", 2020, 8,
                 u"1:土 2:日 8:土 9:日 10:山の日:祝 15:土 16:日 22:土 23:日 29:土 30:日"_s);
        addMonth("October 2020, no スポーツの日", 2020, 10, u"3:土 4:日 10:土 11:日 17:土 18:日 24:土 25:日 31:土"_s);
        addMonth("July 2021, 海の日 and スポーツの日 moved", 2021, 7,
                 u"3:土 4:日 10:土 11:日 17:土 18:日 22:海の日:祝 23:スポーツの日:祝 24:土 25:日 31:土"_s);
        addMonth("August 2021, 山の日 moved to a Sunday", 2021, 8,
                 u"1:日 7:土 8:山の日:日 9:振替休日:休日 14:土 15:日 21:土 22:日 28:土 29:日"_s);
        addMonth("October 2021, no スポーツの日", 2021, 10,
                 u"2:土 3:日 9:土 10:日 16:土 17:日 23:土 24:日 30:土 31:日"_s);
    }
    void specialYears2019To2021() { verifyMonth(); }

    // The holiday law began on 20 July 1948; 敬老の日 and 体育の日 came in
    // 1966, 建国記念日 in 1967 and substitute holidays on 12 April 1973.
    void lawAndItsAmendmentsBegin_data()
    {
        addMonthColumns();
        addMonth("April 1948, before the law", 1948, 4, u"3:土 4:日 10:土 11:日 17:土 18:日 24:土 25:日"_s);
        addMonth("May 1948, before the law", 1948, 5, u"1:土 2:日 8:土 9:日 15:土 16:日 22:土 23:日 29:土 30:日"_s);
        addMonth("November 1948, the first holidays", 1948, 11,
                 u"3:文化の日:祝 6:土 7:日 13:土 14:日 20:土 21:日 23:勤労感謝の日:祝 27:土 28:日"_s);
        addMonth("September 1965, no 敬老の日", 1965, 9, u"4:土 5:日 11:土 12:日 18:土 19:日 25:土 26:日"_s);
        addMonth("October 1966, 体育の日", 1966, 10,
                 u"1:土 2:日 8:土 9:日 10:体育の日:祝 15:土 16:日 22:土 23:日 29:土 30:日"_s);
        addMonth("February 1966, no 建国記念日", 1966, 2, u"5:土 6:日 12:土 13:日 19:土 20:日 26:土 27:日"_s);
        addMonth("February 1967, 建国記念日", 1967, 2, u"4:土 5:日 11:建国記念日:土 12:日 18:土 19:日 25:土 26:日"_s);
        addMonth("November 1969, a Sunday holiday gives no day off", 1969, 11,
                 u"1:土 2:日 3:文化の日:祝 8:土 9:日 15:土 16:日 22:土 23:勤労感謝の日:日 29:土 30:日"_s);
        addMonth("February 1973, still no substitute holiday", 1973, 2,
                 u"3:土 4:日 10:土 11:建国記念日:日 17:土 18:日 24:土 25:日"_s);
        addMonth("April 1973, the first substitute holiday", 1973, 4,
                 u"1:日 7:土 8:日 14:土 15:日 21:土 22:日 28:土 29:天皇誕生日:日 30:振替休日:休日"_s);
    }
    void lawAndItsAmendmentsBegin() { verifyMonth(); }

    void outsideEquinoxYears_data()
    {
        addMonthColumns();
        addMonth("March 1979, no 春分の日", 1979, 3, u"3:土 4:日 10:土 11:日 17:土 18:日 24:土 25:日 31:土"_s);
        addMonth("March 2151, no 春分の日", 2151, 3, u"6:土 7:日 13:土 14:日 20:土 21:日 27:土 28:日"_s);
        addMonth("September 2151, 敬老の日 but no 秋分の日", 2151, 9,
                 u"4:土 5:日 11:土 12:日 18:土 19:日 20:敬老の日:祝 25:土 26:日"_s);
        addMonth("month 13, nothing", 2020, 13, QString());
    }
    void outsideEquinoxYears() { verifyMonth(); }

    void equinoxDay_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day"); // 0: no equinox holiday
        QTest::newRow("spring 1979") << 1979 << 3 << 0;
        QTest::newRow("autumn 1979") << 1979 << 9 << 0;
        QTest::newRow("spring 1980") << 1980 << 3 << 20;
        QTest::newRow("autumn 1980") << 1980 << 9 << 23;
        QTest::newRow("autumn 2012") << 2012 << 9 << 22;
        QTest::newRow("spring 2099") << 2099 << 3 << 20;
        QTest::newRow("autumn 2099") << 2099 << 9 << 23;
        QTest::newRow("spring 2100") << 2100 << 3 << 20;
        QTest::newRow("autumn 2100") << 2100 << 9 << 23;
        QTest::newRow("spring 2103") << 2103 << 3 << 21;
        QTest::newRow("autumn 2103") << 2103 << 9 << 24;
        QTest::newRow("spring 2150") << 2150 << 3 << 21;
        QTest::newRow("autumn 2150") << 2150 << 9 << 23;
        QTest::newRow("spring 2151") << 2151 << 3 << 0;
        QTest::newRow("autumn 2151") << 2151 << 9 << 0;
    }
    void equinoxDay()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        const QString name = month == 3 ? u"春分の日"_s : u"秋分の日"_s;
        int found = 0;
        for (const HolidayEntry &entry : nationalHolidays(year, month)) {
            if (entry.Reason == name)
                found = entry.Day;
        }
        QCOMPARE(found, day);
    }

    void calcFillsRegisterMonth_data()
    {
        QTest::addColumn<int>("heiseiYear");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("count");
        QTest::addColumn<HolidayEntry>("first");
        QTest::newRow("Heisei 18 January") << 18 << 1 << 11 << HolidayEntry{1, u"元旦"_s, u"日"_s};
        QTest::newRow("Heisei 31 May") << 31 << 5 << 12 << HolidayEntry{1, u"天皇の即位の日"_s, u"祝"_s};
        QTest::newRow("Heisei 1 February") << 1 << 2 << 9 << HolidayEntry{4, u"土曜日"_s, u"土"_s};
    }
    void calcFillsRegisterMonth()
    {
        QFETCH(int, heiseiYear);
        QFETCH(int, month);
        QFETCH(int, count);
        QFETCH(HolidayEntry, first);
        RegisterMonth registerMonth = monthWithStaleList();
        CalcNationalHolidays(heiseiYear, month, registerMonth);
        QCOMPARE(registerMonth.HolidayCount, count);
        QCOMPARE(registerMonth.HolidayList[0], first);
        const QList<HolidayEntry> filled(registerMonth.HolidayList.begin(), registerMonth.HolidayList.begin() + count);
        QCOMPARE(filled, nationalHolidays(JapaneseEra::gregorianFromHeisei(heiseiYear), month));
        for (int slot = count; slot < HolidaySlots; ++slot)
            QCOMPARE(registerMonth.HolidayList[slot], HolidayEntry{});
    }

    void calcWithoutYearOrMonthLeavesListUntouched_data()
    {
        QTest::addColumn<int>("heiseiYear");
        QTest::addColumn<int>("month");
        QTest::newRow("year 0") << 0 << 5;
        QTest::newRow("month 0") << 16 << 0;
        QTest::newRow("both 0") << 0 << 0;
    }
    void calcWithoutYearOrMonthLeavesListUntouched()
    {
        QFETCH(int, heiseiYear);
        QFETCH(int, month);
        RegisterMonth registerMonth = monthWithStaleList();
        CalcNationalHolidays(heiseiYear, month, registerMonth);
        QCOMPARE(registerMonth, monthWithStaleList());
    }
};

VELTRA_TEST(NationalHolidaysTest)
#include "nationalholidays_test.moc"

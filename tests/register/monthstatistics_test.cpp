#include "register/figureformat.h"
#include "register/monthstatistics.h"
#include "testregistry.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// June of Heisei 16 (2004): 30 days, the 1st a Tuesday; its Sundays 6, 13, 20
// and 27 are the days off unless a case lists others.
constexpr int Year = 16;
constexpr int Month = 6;
const QString Sundays = u"6:日曜日 13:日曜日 20:日曜日 27:日曜日"_s;

// "DAY:REASON DAY:REASON …"
void setHolidays(RegisterMonth &month, const QString &layout)
{
    for (const QString &item : layout.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(u':');
        HolidayEntry &entry = month.HolidayList[month.HolidayCount++];
        entry.Day = qint16(parts[0].toInt());
        entry.Reason = parts[1];
        entry.PrintText = u"休"_s;
    }
}

// "SEX [in=KIND@DAYINDEX] [out=KIND@DAYINDEX] [DAY:MARK …]" with DAY 1-based.
void addPupil(RegisterMonth &month, const QString &layout)
{
    PupilRecord &pupil = month.Pupils[month.PupilCount++];
    const QStringList parts = layout.split(u' ', Qt::SkipEmptyParts);
    pupil.Sex = parts.value(0) == u"-" ? QString() : parts.value(0);
    for (const QString &part : parts.mid(1)) {
        if (part.startsWith(u"in=") || part.startsWith(u"out=")) {
            const QStringList kindDay = part.section(u'=', 1).split(u'@');
            const bool in = part.startsWith(u"in=");
            (in ? pupil.InKind : pupil.OutKind) = kindDay[0];
            (in ? pupil.InDay : pupil.OutDay) = qint16(kindDay[1].toInt());
        } else {
            const QStringList dayMark = part.split(u':');
            pupil.Marks[dayMark[0].toInt() - 1] = dayMark[1];
        }
    }
}

QList<int> numbers(const QString &text)
{
    QList<int> result;
    for (const QString &n : text.split(u',', Qt::SkipEmptyParts))
        result.append(n.toInt());
    return result;
}

// The first `count` values (all of them by default).
template<std::size_t N> QList<int> toList(const std::array<qint16, N> &values, std::size_t count = N)
{
    return QList<int>(values.begin(), values.begin() + std::min(count, N));
}

} // namespace

class MonthStatisticsTest : public QObject
{
    Q_OBJECT

private slots:
    void firstPupilAndSummary_data()
    {
        QTest::addColumn<QString>("holidays");
        QTest::addColumn<QStringList>("pupils");
        QTest::addColumn<QString>("firstPupilStat");
        QTest::addColumn<int>("schoolDays");
        QTest::addColumn<QString>("startEnd"); // start boys, start girls, end boys, end girls
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("presentAbsent"); // P, A

        QTest::newRow("no pupils") << Sundays << QStringList{} << u"0,0,0,0,0,0,0,0,0,0,0"_s << 0 << u"0,0,0,0"_s
                                   << u"0,0,0,0,0,0,0,0"_s << u"0,0"_s;
        QTest::newRow("one boy every day") << Sundays << QStringList{u"男"_s} << u"26,0,0,0,0,0,0,0,0,0,0"_s << 26
                                           << u"1,0,1,0"_s << u"0,0,0,0,0,0,0,0"_s << u"26,0"_s;
        QTest::newRow("every mark on a school day")
            << Sundays << QStringList{u"男 1:病 2:事 3:遅 4:テ 5:ホ 7:キ 8:ト 9:ソ 10:ﾁ"_s}
            << u"20,1,1,2,2,1,1,4,2,2,0"_s << 26 << u"1,0,1,0"_s << u"0,0,0,0,0,0,0,0"_s << u"20,2"_s;
        QTest::newRow("出 on a day off counts as holiday attendance")
            << Sundays << QStringList{u"男 6:出"_s} << u"26,0,0,0,0,0,0,0,0,0,1"_s << 26 << u"1,0,1,0"_s
            << u"0,0,0,0,0,0,0,0"_s << u"26,0"_s;
        QTest::newRow("出 on a school day counts nowhere")
            << Sundays << QStringList{u"男 1:出"_s} << u"25,0,0,0,0,0,0,0,0,0,0"_s << 26 << u"1,0,1,0"_s
            << u"0,0,0,0,0,0,0,0"_s << u"25,0"_s;
        QTest::newRow("遅 on a day off counts nowhere")
            << Sundays << QStringList{u"男 13:遅"_s} << u"26,0,0,0,0,0,0,0,0,0,0"_s << 26 << u"1,0,1,0"_s
            << u"0,0,0,0,0,0,0,0"_s << u"26,0"_s;
        QTest::newRow("unknown mark counts nowhere")
            << Sundays << QStringList{u"女 2:X 3:入"_s} << u"24,0,0,0,0,0,0,0,0,0,0"_s << 26 << u"0,1,0,1"_s
            << u"0,0,0,0,0,0,0,0"_s << u"24,0"_s;
        QTest::newRow("sex neither boy nor girl") << Sundays << QStringList{u"-"_s} << u"26,0,0,0,0,0,0,0,0,0,0"_s << 26
                                                  << u"0,0,0,0"_s << u"0,0,0,0,0,0,0,0"_s << u"26,0"_s;
        QTest::newRow("joins on day index 9") << Sundays << QStringList{u"男 in=入@9"_s} << u"18,0,0,0,0,0,0,0,0,0,0"_s
                                              << 26 << u"0,0,1,0"_s << u"1,0,0,0,0,0,0,0"_s << u"18,0"_s;
        QTest::newRow("joins sick on day index 9")
            << Sundays << QStringList{u"女 in=編@9 10:病"_s} << u"17,1,0,1,0,0,0,0,0,0,0"_s << 26 << u"0,0,0,1"_s
            << u"0,1,0,0,0,0,0,0"_s << u"17,1"_s;
        // A joining day that holds a mark of attendance is the first day present.
        QTest::newRow("joins late") << Sundays << QStringList{u"男 in=入@9 10:遅"_s} << u"18,0,0,0,0,0,0,0,1,0,0"_s
                                    << 26 << u"0,0,1,0"_s << u"1,0,0,0,0,0,0,0"_s << u"18,0"_s;
        QTest::newRow("joins and leaves early")
            << Sundays << QStringList{u"男 in=入@9 10:ソ"_s} << u"18,0,0,0,0,0,0,0,0,1,0"_s << 26 << u"0,0,1,0"_s
            << u"1,0,0,0,0,0,0,0"_s << u"18,0"_s;
        QTest::newRow("joins late and leaves early")
            << Sundays << QStringList{u"女 in=編@9 10:ﾁ"_s} << u"18,0,0,0,0,0,0,0,1,1,0"_s << 26 << u"0,0,0,1"_s
            << u"0,1,0,0,0,0,0,0"_s << u"18,0"_s;
        QTest::newRow("joins on the 1st") << Sundays << QStringList{u"男 in=入@0"_s} << u"26,0,0,0,0,0,0,0,0,0,0"_s
                                          << 26 << u"0,0,1,0"_s << u"1,0,0,0,0,0,0,0"_s << u"26,0"_s;
        QTest::newRow("joining on a day off has no effect")
            << Sundays << QStringList{u"男 in=入@5"_s} << u"26,0,0,0,0,0,0,0,0,0,0"_s << 26 << u"1,0,1,0"_s
            << u"0,0,0,0,0,0,0,0"_s << u"26,0"_s;
        QTest::newRow("leaves on day index 14")
            << Sundays << QStringList{u"男 out=転@14 20:病"_s} << u"13,0,0,0,0,0,0,0,0,0,0"_s << 26 << u"1,0,0,0"_s
            << u"0,0,1,0,0,0,0,0"_s << u"13,0"_s;
        QTest::newRow("marks after leaving still count")
            << Sundays << QStringList{u"男 out=退@14 22:病"_s} << u"13,1,0,1,0,0,0,0,0,0,0"_s << 26 << u"1,0,0,0"_s
            << u"0,0,0,1,0,0,0,0"_s << u"13,1"_s;
        QTest::newRow("leaves on the last day")
            << Sundays << QStringList{u"女 out=死@29"_s} << u"26,0,0,0,0,0,0,0,0,0,0"_s << 26 << u"0,1,0,0"_s
            << u"0,0,0,0,0,0,1,0"_s << u"26,0"_s;
        QTest::newRow("other leaving kinds")
            << Sundays << QStringList{u"男 out=猶@2"_s, u"男 out=免@3"_s, u"女 out=入@4"_s}
            << u"3,0,0,0,0,0,0,0,0,0,0"_s << 26 << u"2,1,0,0"_s << u"0,0,0,0,1,1,0,0"_s << u"12,0"_s;
        QTest::newRow("graduation on the 18th")
            << Sundays + u" 18:卒業"_s << QStringList{u"男 25:病"_s} << u"16,0,0,0,0,0,0,0,0,0,0"_s << 16
            << u"1,0,1,0"_s << u"0,0,0,0,0,0,0,0"_s << u"16,0"_s;
        QTest::newRow("graduation after the month's last day counts the month")
            << Sundays + u" 99:卒業"_s << QStringList{u"男"_s} << u"26,0,0,0,0,0,0,0,0,0,0"_s << 26 << u"1,0,1,0"_s
            << u"0,0,0,0,0,0,0,0"_s << u"26,0"_s;
        QTest::newRow("graduation on the 31st of a 30-day month")
            << Sundays + u" 31:卒業"_s << QStringList{u"男"_s} << u"26,0,0,0,0,0,0,0,0,0,0"_s << 26 << u"1,0,1,0"_s
            << u"0,0,0,0,0,0,0,0"_s << u"26,0"_s;
        QTest::newRow("only the first graduation counts")
            << u"25:卒業 6:日曜日 18:卒業"_s << QStringList{u"男"_s} << u"24,0,0,0,0,0,0,0,0,0,0"_s << 24
            << u"1,0,1,0"_s << u"0,0,0,0,0,0,0,0"_s << u"24,0"_s;
        QTest::newRow("whole month off")
            << u"1:休 2:休 3:休 4:休 5:休 6:休 7:休 8:休 9:休 10:休 11:休 12:休 13:休 14:休 15:休 16:休 17:休 "
               u"18:休 19:休 20:休 21:休 22:休 23:休 24:休 25:休 26:休 27:休 28:休 29:休 30:休"_s
            << QStringList{u"男 4:病"_s} << u"0,0,0,0,0,0,0,0,0,0,0"_s << 0 << u"1,0,1,0"_s << u"0,0,0,0,0,0,0,0"_s
            << u"0,0"_s;
    }
    void firstPupilAndSummary()
    {
        QFETCH(QString, holidays);
        QFETCH(QStringList, pupils);
        QFETCH(QString, firstPupilStat);
        QFETCH(int, schoolDays);
        QFETCH(QString, startEnd);
        QFETCH(QString, changes);
        QFETCH(QString, presentAbsent);

        RegisterMonth month;
        setHolidays(month, holidays);
        for (const QString &pupil : pupils)
            addPupil(month, pupil);
        MonthStatistics stats;
        stats.SchoolDays = 99; // every figure is recomputed from scratch
        computeMonthStatistics(month, Year, Month, stats);

        QCOMPARE(toList(stats.PupilStat[0]), numbers(firstPupilStat));
        QCOMPARE(stats.SchoolDays, schoolDays);
        QCOMPARE((QList<int>{stats.StartBoys, stats.StartGirls, stats.EndBoys, stats.EndGirls}), numbers(startEnd));
        QCOMPARE(toList(stats.Changes), numbers(changes));
        QCOMPARE((QList<int>{stats.totalPresent(), stats.totalAbsent()}), numbers(presentAbsent));
    }

    // The day totals hold exactly the pupils' present days, whatever a joiner
    // had marked before joining and wherever the joiner stands in the list.
    void joinerTakesOutOnlyOwnEarlierDays_data()
    {
        QTest::addColumn<QStringList>("pupils");
        QTest::addColumn<QString>("dayPresent"); // day indexes 0 to 10
        QTest::addColumn<int>("present");
        const QString eachDay = u"1,1,1,1,1,0,1,1,1,2,2"_s;
        QTest::newRow("other pupil absent before the joining")
            << QStringList{u"男 3:病"_s, u"女 in=入@9"_s} << u"1,1,0,1,1,0,1,1,1,2,2"_s << 25 + 18;
        QTest::newRow("joiner absent before joining, listed second")
            << QStringList{u"男"_s, u"女 in=入@9 3:病"_s} << eachDay << 26 + 18;
        QTest::newRow("joiner absent before joining, listed first")
            << QStringList{u"女 in=入@9 3:病"_s, u"男"_s} << eachDay << 18 + 26;
        QTest::newRow("joiner excused before joining")
            << QStringList{u"男"_s, u"女 in=入@9 3:キ"_s} << eachDay << 26 + 18;
        QTest::newRow("joiner late before joining") << QStringList{u"男"_s, u"女 in=入@9 3:遅"_s} << eachDay << 26 + 18;
    }
    void joinerTakesOutOnlyOwnEarlierDays()
    {
        QFETCH(QStringList, pupils);
        QFETCH(QString, dayPresent);
        QFETCH(int, present);
        RegisterMonth month;
        setHolidays(month, Sundays);
        for (const QString &pupil : pupils)
            addPupil(month, pupil);
        MonthStatistics stats;
        computeMonthStatistics(month, Year, Month, stats);
        QCOMPARE(toList(stats.DayPresent, 11), numbers(dayPresent));
        QCOMPARE(stats.totalPresent(), present);
        QCOMPARE(stats.PupilStat[0][StatColumn::Present] + stats.PupilStat[1][StatColumn::Present], present);
    }

    void countedDaysFollowTheCalendar_data()
    {
        QTest::addColumn<int>("heiseiYear");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("days");
        QTest::newRow("February of a common year") << 15 << 2 << 28;
        QTest::newRow("February of a leap year") << 16 << 2 << 29;
        QTest::newRow("February 2100 is common") << 112 << 2 << 28;
        QTest::newRow("December") << 38 << 12 << 31;
        QTest::newRow("no month chosen") << 0 << 0 << 0;
    }
    void countedDaysFollowTheCalendar()
    {
        QFETCH(int, heiseiYear);
        QFETCH(int, month);
        QFETCH(int, days);
        RegisterMonth registerMonth;
        addPupil(registerMonth, u"男"_s);
        MonthStatistics stats;
        computeMonthStatistics(registerMonth, heiseiYear, month, stats);
        QCOMPARE(stats.CountedDays, days);
        QCOMPARE(stats.SchoolDays, days);
    }

    void attendanceRateIsTruncated_data()
    {
        QTest::addColumn<int>("present");
        QTest::addColumn<int>("absent");
        QTest::addColumn<QString>("shown");
        QTest::newRow("149 of 150") << 149 << 1 << u"99.3%"_s;
        QTest::newRow("2 of 3") << 2 << 1 << u"66.6%"_s;
        QTest::newRow("all present") << 10 << 0 << u"100.0%"_s;
        QTest::newRow("all absent") << 0 << 4 << u"0.0%"_s;
        QTest::newRow("nothing recorded") << 0 << 0 << QString();
    }
    void attendanceRateIsTruncated()
    {
        QFETCH(int, present);
        QFETCH(int, absent);
        QFETCH(QString, shown);
        MonthStatistics stats;
        // Spread the counts over the days as the computation would.
        for (int i = 0; i < present; ++i)
            ++stats.DayPresent[i % DaySlots];
        for (int i = 0; i < absent; ++i)
            ++stats.DayAbsent[i % DaySlots];
        QCOMPARE(FigureFormat::rate(attendanceRateTenths(stats)), shown);
        QCOMPARE(attendanceRate(stats).has_value(), !shown.isEmpty());
    }

    void figureFormats_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("tenths");
        QTest::newRow("zero") << qint64(0) << QString() << u"0.0"_s;
        QTest::newRow("one digit") << qint64(7) << u"7"_s << u"0.7"_s;
        QTest::newRow("wider than the field") << qint64(12345) << u"12345"_s << u"1234.5"_s;
        QTest::newRow("negative") << qint64(-3) << u"-3"_s << u"-0.3"_s;
    }
    void figureFormats()
    {
        QFETCH(qint64, value);
        QFETCH(QString, count);
        QFETCH(QString, tenths);
        QCOMPARE(FigureFormat::count(value), count);
        QCOMPARE(FigureFormat::tenths(value), tenths);
    }
};

VELTRA_TEST(MonthStatisticsTest)
#include "monthstatistics_test.moc"

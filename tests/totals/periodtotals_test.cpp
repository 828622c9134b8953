#include "calendar/era.h"
#include "classyear.h"
#include "data/cp932.h"
#include "data/reasonfile.h"
#include "testregistry.h"
#include "totals/totals.h"

#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int SchoolYear = 2004;

// A school year of one class with what makes a cut inside a month hard: a
// joiner with a mark before joining, a leaver, 出 on a day off, days off that
// differ by month and a graduation day.
void writeYear(const ClassYear &year)
{
    const QString weekends = u"3:土曜日 4:日曜日 10:土曜日 11:日曜日 17:土曜日 18:日曜日 24:土曜日 25:日曜日"_s;
    for (int month = 4; month <= 15; ++month) {
        const int gregorian = month > 12 ? SchoolYear + 1 : SchoolYear;
        const int number = month > 12 ? month - 12 : month;
        QStringList pupils{u"甲 男 2:病 3:出 8:遅 12:ﾁ 20:キ"_s, u"乙 女 5:事 6:テ 9:ト 15:ソ 16:病"_s};
        if (number == 6)
            pupils.append(u"丙 女 in=入@9 3:病 12:遅"_s);
        else if (month > 6)
            pupils.append(u"丙 女 7:病 13:病"_s);
        if (number == 12)
            pupils[1] += u" out=転@14"_s;
        if (month > 12)
            pupils.removeAt(1);
        year.writeMonth(gregorian, number, pupils, number == 3 ? weekends + u" 20:卒業"_s : weekends);
    }
}

using PupilCounters = QMap<QString, std::array<int, StatColumn::Count>>;

PupilCounters byPupil(const QList<Totals> &parts)
{
    PupilCounters sums;
    for (const Totals &part : parts) {
        for (const TotalsRow &row : part.rows) {
            auto &sum = sums[row.Name + u'/' + row.Sex + u'/' + QString::number(row.Grade)];
            for (int c = 0; c < StatColumn::Count; ++c)
                sum[c] += row.Stat[c];
        }
    }
    return sums;
}

TotalsPeriod period(const QDate &first, const QDate &last)
{
    return {u"期間"_s, first, last};
}

} // namespace

// Totals over any stretch of days: each day adds what it adds to its month's
// own figures, so whole months give the month totals and a year split at any
// day adds up to the whole year, pupil by pupil and column by column.
class PeriodTotalsTest : public QObject
{
    Q_OBJECT

private slots:
    void wholeMonthsByTheDayEqualTheMonths()
    {
        const ClassYear year;
        writeYear(year);
        for (int month = 4; month <= 15; ++month) {
            const int gregorian = month > 12 ? SchoolYear + 1 : SchoolYear;
            const int number = month > 12 ? month - 12 : month;
            RegisterMonth data;
            QVERIFY(MonthFile::load(year.path(gregorian, number), data).ok());
            Totals monthly;
            addMonth(monthly, data, gregorian, number);
            Totals daily;
            addMonthDays(daily, data, gregorian, number, 1, JapaneseEra::daysInMonth(gregorian, number));
            QCOMPARE(rowTexts(daily), rowTexts(monthly));
        }
        const Totals first = ComputeTotals(year.folder(), SchoolYear, TotalsTerm::First);
        const Totals byDates = ComputeTotals(year.folder(), SchoolYear, period({2004, 4, 1}, {2004, 8, 31}));
        QCOMPARE(rowTexts(byDates), rowTexts(first));
    }

    void yearSplitAtAnyDayAddsUp_data()
    {
        QTest::addColumn<QDate>("lastOfFirstPart");
        for (const QDate &day : {QDate(2004, 4, 1), QDate(2004, 6, 9), QDate(2004, 6, 10), QDate(2004, 8, 31),
                                 QDate(2004, 10, 9), QDate(2004, 12, 14), QDate(2004, 12, 15), QDate(2005, 2, 28),
                                 QDate(2005, 3, 19), QDate(2005, 3, 20), QDate(2005, 3, 30)})
            QTest::newRow(qPrintable(day.toString(Qt::ISODate))) << day;
    }
    void yearSplitAtAnyDayAddsUp()
    {
        QFETCH(QDate, lastOfFirstPart);
        const ClassYear year;
        writeYear(year);
        const Totals whole = ComputeTotals(year.folder(), SchoolYear, TotalsTerm::WholeYear);
        const Totals before = ComputeTotals(year.folder(), SchoolYear, period({2004, 4, 1}, lastOfFirstPart));
        const Totals after =
            ComputeTotals(year.folder(), SchoolYear, period(lastOfFirstPart.addDays(1), {2005, 3, 31}));
        QCOMPARE(byPupil({before, after}), byPupil({whole}));
        QCOMPARE(byPupil({whole}).size(), 3);
    }

    void cutMonthCountsAsTheSheet_data()
    {
        QTest::addColumn<QString>("pupils"); // of June 2004, "|" between pupils; 5 June a day off
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("lastDay");
        QTest::addColumn<QStringList>("rows");

        const QString joiner = u"甲 男|乙 女 in=入@9"_s;
        QTest::newRow("a joiner has no row before its joining day")
            << joiner << 1 << 9 << QStringList{u"甲:8,0,0,0,0,0,0,0,0,0,0"_s};
        QTest::newRow("a joiner counts from its joining day")
            << joiner << 6 << 15 << QStringList{u"甲:10,0,0,0,0,0,0,0,0,0,0"_s, u"乙:6,0,0,0,0,0,0,0,0,0,0"_s};
        QTest::newRow("a mark before joining counts as on the sheet")
            << u"甲 男|乙 女 in=入@9 3:病"_s << 1 << 9
            << QStringList{u"甲:8,0,0,0,0,0,0,0,0,0,0"_s, u"乙:0,1,0,1,0,0,0,0,0,0,0"_s};
        QTest::newRow("the leaving day counts")
            << u"甲 男 out=転@14 14:遅"_s << 14 << 30 << QStringList{u"甲:2,0,0,0,0,0,0,0,1,0,0"_s};
        QTest::newRow("no row after the leaving day")
            << u"甲 男 out=転@14|乙 女"_s << 16 << 30 << QStringList{u"乙:15,0,0,0,0,0,0,0,0,0,0"_s};
        QTest::newRow("a day off counts only 出")
            << u"甲 男 5:出 6:病|乙 女 5:遅"_s << 5 << 5
            << QStringList{u"甲:0,0,0,0,0,0,0,0,0,0,1"_s, u"乙:0,0,0,0,0,0,0,0,0,0,0"_s};
    }
    void cutMonthCountsAsTheSheet()
    {
        QFETCH(QString, pupils);
        QFETCH(int, firstDay);
        QFETCH(int, lastDay);
        QFETCH(QStringList, rows);
        const ClassYear year;
        year.writeMonth(2004, 6, pupils.split(u'|'), u"5:土曜日"_s);
        const Totals totals = ComputeTotals(year.folder(), SchoolYear, period({2004, 6, firstDay}, {2004, 6, lastDay}));
        QCOMPARE(totals.months.size(), 1);
        QCOMPARE(rowTexts(totals), rows);
    }

    // Reasons count the days of the period they fall in, by mark and category;
    // one that fits no pupil counts nowhere.
    void reasonDaysWithinThePeriod_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QStringList>("reasons");
        QTest::newRow("whole year") << QDate(2004, 4, 1) << QDate(2005, 3, 31)
                                    << QStringList{u"病/発熱/2"_s, u"病/頭痛/1"_s, u"テ/家庭の事情/1"_s};
        QTest::newRow("to 5 June") << QDate(2004, 4, 1) << QDate(2004, 6, 5)
                                   << QStringList{u"病/発熱/1"_s, u"病/頭痛/1"_s};
        QTest::newRow("from 6 June") << QDate(2004, 6, 6) << QDate(2005, 3, 31)
                                     << QStringList{u"病/発熱/1"_s, u"テ/家庭の事情/1"_s};
    }
    void reasonDaysWithinThePeriod()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const ClassYear year;
        writeYear(year);
        const auto writeReasons = [&](int gregorian, int month, const QString &lines) {
            QFile file(ReasonFile::pathFor(year.path(gregorian, month)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(Cp932::encode(lines));
        };
        writeReasons(2004, 6,
                     u"6,2,\"乙\",\"テ\",\"家庭の事情\",\"\"\r\n2,1,\"甲\",\"病\",\"発熱|頭痛\",\"\"\r\n"
                     u"2,4,\"丁\",\"病\",\"発熱\",\"\"\r\n"_s);
        writeReasons(2005, 3, u"2,1,\"甲\",\"病\",\"発熱\",\"\"\r\n"_s);
        QStringList counted;
        for (const ReasonDays &r : ComputeTotals(year.folder(), SchoolYear, period(first, last)).reasons)
            counted.append(u"%1/%2/%3"_s.arg(r.mark, r.category).arg(r.days));
        QTEST(counted, "reasons");
    }
};

VELTRA_TEST(PeriodTotalsTest)
#include "periodtotals_test.moc"

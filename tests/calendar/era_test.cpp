#include "calendar/era.h"

#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace JapaneseEra;

class EraTest : public QObject
{
    Q_OBJECT

private slots:
    void monthsBelongToTheEraOfTheirLastDay_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("title");
        QTest::newRow("last month of 昭和") << 1988 << 12 << u"昭和63年12月"_s;
        QTest::newRow("January 1989 ended in 平成") << 1989 << 1 << u"平成元年1月"_s;
        QTest::newRow("first whole month of 平成") << 1989 << 2 << u"平成元年2月"_s;
        QTest::newRow("平成16") << 2004 << 4 << u"平成16年4月"_s;
        QTest::newRow("last month of 平成") << 2019 << 4 << u"平成31年4月"_s;
        QTest::newRow("first month of 令和") << 2019 << 5 << u"令和元年5月"_s;
        QTest::newRow("令和 year 2") << 2020 << 1 << u"令和2年1月"_s;
        QTest::newRow("December 2026") << 2026 << 12 << u"令和8年12月"_s;
    }
    void monthsBelongToTheEraOfTheirLastDay()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QString, title);
        QCOMPARE(monthTitle(year, month), title);
    }

    void schoolYearsBelongToTheEraOfTheFirstOfMay_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("title");
        QTest::newRow("2003") << 2003 << u"平成15年度"_s;
        QTest::newRow("2018") << 2018 << u"平成30年度"_s;
        QTest::newRow("April 2019 lay in 平成, the year is 令和元年度") << 2019 << u"令和元年度"_s;
        QTest::newRow("2020") << 2020 << u"令和2年度"_s;
        QTest::newRow("1988 ended in 平成, began in 昭和") << 1988 << u"昭和63年度"_s;
    }
    void schoolYearsBelongToTheEraOfTheFirstOfMay()
    {
        QFETCH(int, year);
        QFETCH(QString, title);
        QCOMPARE(schoolYearTitle(year), title);
    }

    void eraBordersByDay_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("era");
        QTest::addColumn<int>("year");
        QTest::newRow("7 Jan 1989") << QDate(1989, 1, 7) << u"昭和"_s << 64;
        QTest::newRow("8 Jan 1989") << QDate(1989, 1, 8) << u"平成"_s << 1;
        QTest::newRow("30 Apr 2019") << QDate(2019, 4, 30) << u"平成"_s << 31;
        QTest::newRow("1 May 2019") << QDate(2019, 5, 1) << u"令和"_s << 1;
    }
    void eraBordersByDay()
    {
        QFETCH(QDate, date);
        QFETCH(QString, era);
        QFETCH(int, year);
        QCOMPARE(ofDate(date), (EraYear{era, year}));
    }

    void monthsAndSchoolYearsOfAnEra_data()
    {
        QTest::addColumn<QString>("era");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");       // 0: the school year beginning in April
        QTest::addColumn<QString>("refusal"); // empty: the era has it
        const QString reiwaStart = u"。\n令和は2019年5月1日からです"_s;
        const QString heiseiSpan = u"。\n平成は1989年1月8日から2019年4月30日までです"_s;
        QTest::newRow("平成31年4月") << u"平成"_s << 2019 << 4 << QString();
        QTest::newRow("平成31年5月") << u"平成"_s << 2019 << 5 << u"平成31年5月はありません"_s + heiseiSpan;
        QTest::newRow("令和元年4月") << u"令和"_s << 2019 << 4 << u"令和元年4月はありません"_s + reiwaStart;
        QTest::newRow("令和元年5月") << u"令和"_s << 2019 << 5 << QString();
        QTest::newRow("平成元年1月 from the 8th") << u"平成"_s << 1989 << 1 << QString();
        QTest::newRow("平成0年12月") << u"平成"_s << 1988 << 12 << u"平成0年12月はありません"_s + heiseiSpan;
        QTest::newRow("平成50年4月") << u"平成"_s << 2038 << 4 << u"平成50年4月はありません"_s + heiseiSpan;
        QTest::newRow("平成31年度 began in 平成") << u"平成"_s << 2019 << 0 << QString();
        QTest::newRow("令和元年度") << u"令和"_s << 2019 << 0 << QString();
        QTest::newRow("平成32年度") << u"平成"_s << 2020 << 0 << u"平成32年度はありません"_s + heiseiSpan;
        QTest::newRow("令和0年度") << u"令和"_s << 2018 << 0 << u"令和0年度はありません"_s + reiwaStart;
    }
    void monthsAndSchoolYearsOfAnEra()
    {
        QFETCH(QString, era);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QString, refusal);
        const int eraYear = year - gregorianYear(era, 1).value() + 1;
        if (month == 0) {
            QCOMPARE(schoolYearLiesInEra(era, year), refusal.isEmpty());
            if (!refusal.isEmpty())
                QCOMPARE(missingSchoolYearText(era, eraYear), refusal);
        } else {
            QCOMPARE(monthLiesInEra(era, year, month), refusal.isEmpty());
            if (!refusal.isEmpty())
                QCOMPARE(missingMonthText(era, eraYear, month), refusal);
        }
    }

    void typedYears_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("era");
        QTest::addColumn<int>("gregorian"); // 0 = refused
        QTest::newRow("令和 1") << u"1"_s << u"令和"_s << 2019;
        QTest::newRow("令和 元") << u"元"_s << u"令和"_s << 2019;
        QTest::newRow("平成 元 with blanks") << u" 元 "_s << u"平成"_s << 1989;
        QTest::newRow("元年") << u"元年"_s << u"平成"_s << 0;
        QTest::newRow("令和 8 with blanks") << u" 8 "_s << u"令和"_s << 2026;
        QTest::newRow("平成 16") << u"16"_s << u"平成"_s << 2004;
        QTest::newRow("平成 31") << u"31"_s << u"平成"_s << 2019;
        QTest::newRow("four digits are Gregorian whatever the era") << u"2004"_s << u"令和"_s << 2004;
        QTest::newRow("three digits are an era year") << u"100"_s << u"平成"_s << 2088;
        QTest::newRow("empty") << u""_s << u"令和"_s << 0;
        QTest::newRow("letters") << u"R1"_s << u"令和"_s << 0;
        QTest::newRow("sign") << u"-1"_s << u"令和"_s << 0;
        QTest::newRow("five digits") << u"20190"_s << u"令和"_s << 0;
        QTest::newRow("full-width digits") << u"１６"_s << u"平成"_s << 0;
        QTest::newRow("unknown era") << u"5"_s << u"明治"_s << 0;
    }
    void typedYears()
    {
        QFETCH(QString, text);
        QFETCH(QString, era);
        QFETCH(int, gregorian);
        QCOMPARE(parseYearInput(text, era).value_or(0), gregorian);
    }

    void heiseiNumbersStayTheInternalYear()
    {
        QCOMPARE(gregorianFromHeisei(16), 2004);
        QCOMPARE(heiseiFromGregorian(2026), 38);
        QCOMPARE(gregorianYear(u"令和"_s, 8), 2026);
        QCOMPARE(yearText(1), u"元"_s);
        QCOMPARE(yearText(12), u"12"_s);
        QCOMPARE(entryEras(), (QStringList{u"平成"_s, u"令和"_s}));
    }
};

VELTRA_TEST(EraTest)
#include "era_test.moc"

#include "calendar/era.h"
#include "calendar/holidaylist.h"
#include "calendar/nationalholidays.h"

#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

RegisterMonth monthWithDays(const QList<int> &days)
{
    RegisterMonth month;
    for (int day : days)
        month.HolidayList[month.HolidayCount++] = {qint16(day), u"休%1"_s.arg(day), u"休"_s};
    return month;
}

QList<int> usedDays(const RegisterMonth &month)
{
    QList<int> days;
    for (int i = 0; i < month.HolidayCount; ++i)
        days.append(month.HolidayList[i].Day);
    return days;
}

const HolidayEntry *entryOfDay(const RegisterMonth &month, int day)
{
    for (int i = 0; i < month.HolidayCount; ++i) {
        if (month.HolidayList[i].Day == day)
            return &month.HolidayList[i];
    }
    return nullptr;
}

} // namespace

class HolidayListTest : public QObject
{
    Q_OBJECT

private slots:
    void presetPrintTexts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("printText");
        QTest::newRow("spring vacation drops 日") << 0 << u"春季休業日"_s << u"春季休業"_s;
        QTest::newRow("summer vacation drops 日") << 1 << u"夏季休業日"_s << u"夏季休業"_s;
        QTest::newRow("winter vacation drops 日") << 2 << u"冬季休業日"_s << u"冬季休業"_s;
        QTest::newRow("substitute closure drops 日") << 3 << u"振替休業日"_s << u"振替休業"_s;
        QTest::newRow("founding day whole") << 4 << u"創立記念日"_s << u"創立記念日"_s;
        QTest::newRow("graduation whole") << 5 << u"卒業"_s << u"卒業"_s;
        QTest::newRow("typhoon closure whole") << 6 << u"台風のため休業"_s << u"台風のため休業"_s;
        QTest::newRow("before the list") << -1 << QString() << QString();
        QTest::newRow("after the list") << 7 << QString() << QString();
    }
    void presetPrintTexts()
    {
        QFETCH(int, index);
        QFETCH(QString, reason);
        QFETCH(QString, printText);
        QCOMPARE(holidayPresetReasons().value(index), reason);
        QCOMPARE(presetPrintText(index), printText);
    }

    void setHolidayAppendsANewDay()
    {
        RegisterMonth month = monthWithDays({5, 20});
        setHoliday(month, 12, u"運動会"_s, u"行事"_s);
        QCOMPARE(usedDays(month), (QList<int>{5, 20, 12}));
        QCOMPARE(month.HolidayList[2], (HolidayEntry{12, u"運動会"_s, u"行事"_s}));
    }

    void setHolidayNeverOverflowsTheSlots()
    {
        QList<int> days;
        for (int day = 1; day <= HolidaySlots; ++day)
            days.append(day);
        RegisterMonth month = monthWithDays(days);
        const RegisterMonth before = month;
        setHoliday(month, 40, u"運動会"_s, u"行事"_s);
        QCOMPARE(month, before);
    }

    void rangeOverwritesWeekendsAndAppendsTheRest()
    {
        RegisterMonth month;
        CalcNationalHolidays(JapaneseEra::heiseiFromGregorian(2026), 7, month); // weekends, 海の日 on the 20th
        setHolidays(month, 21, 31, u"夏季休業日"_s, u"夏季休業"_s);
        ::sortHolidays(month);
        QCOMPARE(usedDays(month), (QList<int>{4, 5, 11, 12, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}));
        for (int day = 21; day <= 31; ++day)
            QCOMPARE(*entryOfDay(month, day), (HolidayEntry{qint16(day), u"夏季休業日"_s, u"夏季休業"_s}));
        QCOMPARE(entryOfDay(month, 20)->Reason, u"海の日"_s);
    }

    void deleteHolidays_data()
    {
        QTest::addColumn<int>("firstIndex");
        QTest::addColumn<int>("lastIndex");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QList<int>>("remaining");
        // The list holds the days 2, 4, 6, 8, 10.
        QTest::newRow("one in the middle") << 2 << 2 << 1 << QList<int>{2, 4, 8, 10};
        QTest::newRow("a run, later entries move up") << 1 << 3 << 3 << QList<int>{2, 10};
        QTest::newRow("selected upwards") << 3 << 1 << 3 << QList<int>{2, 10};
        QTest::newRow("the first") << 0 << 0 << 1 << QList<int>{4, 6, 8, 10};
        QTest::newRow("the last") << 4 << 4 << 1 << QList<int>{2, 4, 6, 8};
        QTest::newRow("all") << 0 << 4 << 5 << QList<int>{};
        QTest::newRow("running past the last entry") << 3 << 30 << 2 << QList<int>{2, 4, 6};
        QTest::newRow("only rows below the entries") << 5 << 30 << 0 << QList<int>{2, 4, 6, 8, 10};
        QTest::newRow("before the first index") << -1 << -1 << 0 << QList<int>{2, 4, 6, 8, 10};
    }
    void deleteHolidays()
    {
        QFETCH(int, firstIndex);
        QFETCH(int, lastIndex);
        QFETCH(int, deleted);
        QFETCH(QList<int>, remaining);
        RegisterMonth month = monthWithDays({2, 4, 6, 8, 10});
        QCOMPARE(::deleteHolidays(month, firstIndex, lastIndex), deleted);
        QCOMPARE(usedDays(month), remaining);
        for (int i = 0; i < month.HolidayCount; ++i)
            QCOMPARE(month.HolidayList[i].Reason, u"休%1"_s.arg(month.HolidayList[i].Day));
        for (int i = month.HolidayCount; i < HolidaySlots; ++i)
            QCOMPARE(month.HolidayList[i], HolidayEntry{});
    }

    void sortHolidays_data()
    {
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<QList<int>>("sorted");
        QTest::newRow("empty") << QList<int>{} << QList<int>{};
        QTest::newRow("already in order") << QList<int>{3, 4, 5} << QList<int>{3, 4, 5};
        QTest::newRow("appended days") << QList<int>{2, 9, 16, 3, 31, 1} << QList<int>{1, 2, 3, 9, 16, 31};
        QTest::newRow("reversed") << QList<int>{30, 20, 10} << QList<int>{10, 20, 30};
    }
    void sortHolidays()
    {
        QFETCH(QList<int>, days);
        QFETCH(QList<int>, sorted);
        RegisterMonth month = monthWithDays(days);
        ::sortHolidays(month);
        QCOMPARE(usedDays(month), sorted);
        for (int i = 0; i < month.HolidayCount; ++i)
            QCOMPARE(month.HolidayList[i].Reason, u"休%1"_s.arg(month.HolidayList[i].Day));
    }
};

VELTRA_TEST(HolidayListTest)
#include "holidaylist_test.moc"

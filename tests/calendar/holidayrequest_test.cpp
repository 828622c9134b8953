#include "calendar/holidayrequest.h"

#include "data/cp932.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int Unreadable = -1; // stands for nullopt in the tables

RegisterMonth monthWithWeekend()
{
    RegisterMonth month;
    month.HolidayList[0] = {2, u"土曜日"_s, u"土"_s};
    month.HolidayList[1] = {3, u"日曜日"_s, u"日"_s};
    month.HolidayCount = 2;
    return month;
}

} // namespace

class HolidayRequestTest : public QObject
{
    Q_OBJECT

private slots:
    void readTypedDay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lastDay");
        QTest::addColumn<int>("day");
        QTest::newRow("blank") << QString() << 31 << 0;
        QTest::newRow("zero") << u"0"_s << 31 << 0;
        QTest::newRow("no number") << u"三"_s << 31 << 0;
        QTest::newRow("zero before letters") << u"0日"_s << 31 << 0;
        QTest::newRow("a day") << u"3"_s << 31 << 3;
        QTest::newRow("blanks around") << u" 12 "_s << 31 << 12;
        QTest::newRow("full-width digits") << u"２１"_s << 31 << 21;
        QTest::newRow("whole number with a point") << u"5.0"_s << 31 << 5;
        QTest::newRow("last day of February") << u"28"_s << 28 << 28;
        QTest::newRow("after February") << u"29"_s << 28 << Unreadable;
        QTest::newRow("31 in a 30-day month") << u"31"_s << 30 << Unreadable;
        QTest::newRow("after any month") << u"32"_s << 31 << Unreadable;
        QTest::newRow("negative") << u"-1"_s << 31 << Unreadable;
        QTest::newRow("fraction") << u"2.5"_s << 31 << Unreadable;
        QTest::newRow("number then letters") << u"3日"_s << 31 << Unreadable;
    }
    void readTypedDay()
    {
        QFETCH(QString, text);
        QFETCH(int, lastDay);
        QFETCH(int, day);
        QCOMPARE(::readTypedDay(text, lastDay).value_or(Unreadable), day);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("firstDay");
        QTest::addColumn<QString>("lastDay");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("printText");
        QTest::addColumn<HolidayRequestStatus>("status");
        const QString reason = u"運動会"_s;
        const QString print = u"行事"_s;
        using enum HolidayRequestStatus;
        QTest::newRow("no day comes first") << QString() << QString() << QString() << QString() << MissingDay;
        QTest::newRow("day 0") << u"0"_s << QString() << reason << print << MissingDay;
        QTest::newRow("no reason") << u"5"_s << QString() << QString() << print << MissingReason;
        QTest::newRow("blank reason") << u"5"_s << QString() << u"　 "_s << print << MissingReason;
        QTest::newRow("no print text") << u"5"_s << QString() << reason << QString() << MissingPrintText;
        QTest::newRow("texts before days") << u"40"_s << QString() << reason << QString() << MissingPrintText;
        QTest::newRow("backward range") << u"10"_s << u"5"_s << reason << print << InvalidDays;
        QTest::newRow("first day after the month") << u"31"_s << QString() << reason << print << InvalidDays;
        QTest::newRow("last day after the month") << u"25"_s << u"31"_s << reason << print << InvalidDays;
        QTest::newRow("fractional first day") << u"1.5"_s << QString() << reason << print << InvalidDays;
        QTest::newRow("negative last day") << u"5"_s << u"-7"_s << reason << print << InvalidDays;
        QTest::newRow("unstorable reason") << u"5"_s << QString() << u"𠮷田祭"_s << print << RefusedText;
        QTest::newRow("unstorable print text") << u"5"_s << QString() << reason << u"🎉"_s << RefusedText;
        QTest::newRow("control character in the print text")
            << u"5"_s << QString() << reason << u"行\u001B事"_s << RefusedText;
    }
    void refusals()
    {
        QFETCH(QString, firstDay);
        QFETCH(QString, lastDay);
        QFETCH(QString, reason);
        QFETCH(QString, printText);
        QFETCH(HolidayRequestStatus, status);
        RegisterMonth month = monthWithWeekend();
        const RegisterMonth before = month;
        QCOMPARE(addHolidays(month, {firstDay, lastDay, reason, printText}, 30).status, status);
        QCOMPARE(month, before);
    }

    void refusalNamesTheUnstorableCharacter()
    {
        RegisterMonth month;
        const HolidayRequestResult result = addHolidays(month, {u"5"_s, {}, u"𠮷田祭"_s, u"祭"_s}, 30);
        QCOMPARE(result.character, char32_t(0x20BB7));
    }

    void additions_data()
    {
        QTest::addColumn<QString>("firstDay");
        QTest::addColumn<QString>("lastDay");
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<QList<int>>("typedDays");
        // The month starts with a weekend on the 2nd and 3rd.
        QTest::newRow("single day") << u"12"_s << QString() << QList<int>{2, 3, 12} << QList<int>{12};
        QTest::newRow("last day 0 means a single day") << u"12"_s << u"0"_s << QList<int>{2, 3, 12} << QList<int>{12};
        QTest::newRow("overwriting a Sunday") << u"3"_s << QString() << QList<int>{2, 3} << QList<int>{3};
        QTest::newRow("range over the weekend") << u"1"_s << u"4"_s << QList<int>{2, 3, 1, 4} << QList<int>{1, 2, 3, 4};
        QTest::newRow("range of one day") << u"30"_s << u"30"_s << QList<int>{2, 3, 30} << QList<int>{30};
        QTest::newRow("full-width range") << u"２９"_s << u"３０"_s << QList<int>{2, 3, 29, 30} << QList<int>{29, 30};
    }
    void additions()
    {
        QFETCH(QString, firstDay);
        QFETCH(QString, lastDay);
        QFETCH(QList<int>, days);
        QFETCH(QList<int>, typedDays);
        RegisterMonth month = monthWithWeekend();
        const RegisterMonth before = month;
        QCOMPARE(addHolidays(month, {firstDay, lastDay, u"運動会"_s, u"行事"_s}, 30).status,
                 HolidayRequestStatus::Added);
        QCOMPARE(month.HolidayCount, days.size());
        for (int i = 0; i < days.size(); ++i) {
            const HolidayEntry &entry = month.HolidayList[i];
            QCOMPARE(entry.Day, days[i]);
            if (typedDays.contains(entry.Day))
                QCOMPARE(entry, (HolidayEntry{entry.Day, u"運動会"_s, u"行事"_s}));
            else
                QCOMPARE(entry, before.HolidayList[i]);
        }
    }

    // A list read from a file can hold 31 entries without covering the month.
    void fullListTakesNoNewDay_data()
    {
        QTest::addColumn<QString>("firstDay");
        QTest::addColumn<QString>("lastDay");
        QTest::addColumn<HolidayRequestStatus>("status");
        QTest::newRow("a new day") << u"31"_s << QString() << HolidayRequestStatus::ListFull;
        QTest::newRow("a range ending on a new day") << u"29"_s << u"31"_s << HolidayRequestStatus::ListFull;
        QTest::newRow("a day already listed") << u"5"_s << QString() << HolidayRequestStatus::Added;
    }
    void fullListTakesNoNewDay()
    {
        QFETCH(QString, firstDay);
        QFETCH(QString, lastDay);
        QFETCH(HolidayRequestStatus, status);
        RegisterMonth month;
        for (int i = 0; i < HolidaySlots; ++i)
            month.HolidayList[i] = {qint16(i < 30 ? i + 1 : 5), u"行事"_s, u"行"_s};
        month.HolidayCount = HolidaySlots;
        const RegisterMonth before = month;
        QCOMPARE(addHolidays(month, {firstDay, lastDay, u"運動会"_s, u"運"_s}, 31).status, status);
        QCOMPARE(month.HolidayCount, HolidaySlots);
        QCOMPARE(month == before, status == HolidayRequestStatus::ListFull);
    }

    void typedTextsFollowTheFileRules()
    {
        RegisterMonth month;
        QCOMPARE(addHolidays(month, {u"8"_s, {}, u" \"秋\"祭り \u301C "_s, u"祭\u2212り"_s}, 31).status,
                 HolidayRequestStatus::Added);
        QCOMPARE(month.HolidayList[0], (HolidayEntry{8, u"＂秋＂祭り ～"_s, u"祭－り"_s}));
    }
};

VELTRA_TEST(HolidayRequestTest)
#include "holidayrequest_test.moc"

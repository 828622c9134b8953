#include "data/marktable.h"
#include "data/reasoncategories.h"
#include "school/classday.h"
#include "school/schoolday.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The day every case looks at: Wednesday 9 December 2026, day index 8.
const QDate Day{2026, 12, 9};
constexpr int DayIndex = 8;

// Pupils as "mark" or "mark 入N" / "mark 転N" (joining or leaving on day
// index N); "-" is no mark.
RegisterMonth monthOf(const QStringList &pupils, const QStringList &holidays = {}, int monthOff = 0)
{
    RegisterMonth month;
    month.MonthOffFlag = qint16(monthOff);
    for (const QString &holiday : holidays) {
        HolidayEntry &entry = month.HolidayList[month.HolidayCount++];
        entry.Day = qint16(holiday.section(u':', 0, 0).toInt());
        entry.Reason = holiday.section(u':', 1);
    }
    for (const QString &layout : pupils) {
        PupilRecord &pupil = month.Pupils[month.PupilCount];
        pupil.Name = u"児童%1"_s.arg(month.PupilCount + 1);
        pupil.Sex = u"女"_s;
        const QStringList parts = layout.split(u' ');
        pupil.Marks[DayIndex] = parts[0] == u"-"_s ? QString() : parts[0];
        for (const QString &change : parts.mid(1)) {
            const QString kind = change.left(1);
            const qint16 day = qint16(change.mid(1).toInt());
            if (kind == u"入"_s || kind == u"編"_s) {
                pupil.InKind = kind;
                pupil.InDay = day;
            } else if (kind == u"@"_s) {
                pupil.InDay = day; // a joining day without a joining kind
            } else {
                pupil.OutKind = kind;
                pupil.OutDay = day;
            }
        }
        ++month.PupilCount;
    }
    return month;
}

ClassEntry ordinaryClass(int grade = 1)
{
    return {OrdinaryClass, qint16(grade), 0, u"2"_s, {}, u"%1年2組"_s.arg(grade)};
}

// "enrolled present absent sick other suspended infectious mourning special late leftEarly | rate"
QString figuresOf(const ClassDay &day)
{
    const DayCounts &c = day.counts;
    const std::optional<int> rate = closureRateTenths(c);
    return u"%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 | %12"_s.arg(c.enrolled())
        .arg(c.present)
        .arg(c.absent())
        .arg(c.sick)
        .arg(c.other)
        .arg(c.suspended)
        .arg(c.infectious)
        .arg(c.mourning)
        .arg(c.special)
        .arg(c.late)
        .arg(c.leftEarly)
        .arg(rate ? tenthsText(*rate) : QString());
}

} // namespace

// The figures of one class on one day, from a month already in memory.
class ClassDayTest : public QObject
{
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<QStringList>("pupils");
        QTest::addColumn<QStringList>("holidays");
        QTest::addColumn<int>("monthOff");
        QTest::addColumn<QString>("figures"); // "day off" for a day off

        QTest::newRow("all present") << QStringList{u"-"_s, u"-"_s, u"-"_s} << QStringList() << 0
                                     << u"3 3 0 0 0 0 0 0 0 0 0 | 0.0"_s;
        QTest::newRow("every day mark") << QStringList{u"病"_s, u"事"_s, u"遅"_s, u"テ"_s, u"ホ"_s,
                                                       u"キ"_s, u"ト"_s, u"ソ"_s, u"ﾁ"_s}
                                        << QStringList() << 0 << u"9 3 2 1 1 1 1 1 1 2 2 | 33.3"_s;
        QTest::newRow("出 and unknown texts are left out")
            << QStringList{u"出"_s, u"X"_s, u"　"_s, u"入"_s, u"チ"_s, u"病"_s, u"-"_s} << QStringList() << 0
            << u"2 1 1 1 0 0 0 0 0 0 0 | 50.0"_s;
        QTest::newRow("joined that day or before")
            << QStringList{u"病 入8"_s, u"- 編0"_s, u"-"_s} << QStringList() << 0 << u"3 2 1 1 0 0 0 0 0 0 0 | 33.3"_s;
        QTest::newRow("joins the next day: its mark is outside")
            << QStringList{u"病 入9"_s, u"-"_s} << QStringList() << 0 << u"1 1 0 0 0 0 0 0 0 0 0 | 0.0"_s;
        QTest::newRow("a joining day without a kind is no joining")
            << QStringList{u"病 @20"_s, u"-"_s} << QStringList() << 0 << u"2 1 1 1 0 0 0 0 0 0 0 | 50.0"_s;
        QTest::newRow("leaves that day: still enrolled")
            << QStringList{u"ホ 転8"_s, u"-"_s} << QStringList() << 0 << u"2 1 0 0 0 0 1 0 0 0 0 | 50.0"_s;
        QTest::newRow("left the day before")
            << QStringList{u"病 転7"_s, u"- 退0"_s, u"-"_s} << QStringList() << 0 << u"1 1 0 0 0 0 0 0 0 0 0 | 0.0"_s;
        QTest::newRow("nobody enrolled: no rate")
            << QStringList{u"病 転1"_s, u"出"_s} << QStringList() << 0 << u"0 0 0 0 0 0 0 0 0 0 0 | "_s;
        QTest::newRow("holiday of the list")
            << QStringList{u"病"_s} << QStringList{u"9:冬季休業日"_s} << 0 << u"day off"_s;
        QTest::newRow("another day's holiday")
            << QStringList{u"病"_s, u"-"_s} << QStringList{u"8:創立記念日"_s, u"10:土"_s} << 0
            << u"2 1 1 1 0 0 0 0 0 0 0 | 50.0"_s;
        QTest::newRow("graduation day itself is a school day")
            << QStringList{u"病"_s} << QStringList{u"9:卒業"_s} << 0 << u"1 0 1 1 0 0 0 0 0 0 0 | 100.0"_s;
        QTest::newRow("after graduation") << QStringList{u"-"_s} << QStringList{u"8:卒業"_s} << 0 << u"day off"_s;
        QTest::newRow("only the first graduation counts")
            << QStringList{u"-"_s} << QStringList{u"5:卒業"_s, u"20:卒業"_s} << 0 << u"day off"_s;
        QTest::newRow("month off") << QStringList{u"-"_s} << QStringList() << 1 << u"day off"_s;
        QTest::newRow("month off flag 2 is no month off")
            << QStringList{u"-"_s} << QStringList() << 2 << u"1 1 0 0 0 0 0 0 0 0 0 | 0.0"_s;
    }

    void figures()
    {
        QFETCH(QStringList, pupils);
        QFETCH(QStringList, holidays);
        QFETCH(int, monthOff);
        const ClassDay day = classDayOf(ordinaryClass(), monthOf(pupils, holidays, monthOff), Day, {});
        QTEST(day.status == ClassDayStatus::DayOff ? u"day off"_s : figuresOf(day), "figures");
        if (day.status == ClassDayStatus::DayOff)
            QVERIFY(day.pupils.isEmpty());
    }

    // Rounded half up to one decimal, computed without floating point.
    void closureRate_data()
    {
        QTest::addColumn<int>("closed"); // absent (病)
        QTest::addColumn<int>("infectious");
        QTest::addColumn<int>("present");
        QTest::addColumn<QString>("rate");
        QTest::newRow("6.25 rounds up") << 1 << 0 << 15 << u"6.3"_s;
        QTest::newRow("1.25 rounds up") << 0 << 1 << 79 << u"1.3"_s;
        QTest::newRow("16.67") << 1 << 0 << 5 << u"16.7"_s;
        QTest::newRow("2 of 3") << 1 << 1 << 1 << u"66.7"_s;
    }

    void closureRate()
    {
        QFETCH(int, closed);
        QFETCH(int, infectious);
        QFETCH(int, present);
        QStringList pupils;
        pupils += QStringList(closed, u"病"_s);
        pupils += QStringList(infectious, u"ホ"_s);
        pupils += QStringList(present, u"-"_s);
        // More pupils than the month's rows hold are counted over several classes.
        SchoolDay school{Day, 200, {}, {}};
        for (qsizetype first = 0; first < pupils.size(); first += PupilSlots)
            school.classes.append(classDayOf(ordinaryClass(), monthOf(pupils.mid(first, PupilSlots)), Day, {}));
        QTEST(tenthsText(closureRateTenths(school.school()).value_or(-1)), "rate");
    }

    void threshold_data()
    {
        QTest::addColumn<QStringList>("pupils");
        QTest::addColumn<int>("thresholdTenths");
        QTest::addColumn<bool>("over");
        const QStringList oneInFive{u"病"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s};
        QTest::newRow("reaches exactly") << oneInFive << 200 << true;
        QTest::newRow("just below") << oneInFive << 201 << false;
        QTest::newRow("suspension for discipline does not close")
            << QStringList{u"テ"_s, u"キ"_s, u"ト"_s, u"-"_s} << 1 << false;
        QTest::newRow("infectious counts") << QStringList{u"ホ"_s, u"-"_s, u"-"_s, u"-"_s} << 250 << true;
    }

    void threshold()
    {
        QFETCH(QStringList, pupils);
        QFETCH(int, thresholdTenths);
        QTEST(classDayOf(ordinaryClass(), monthOf(pupils), Day, {}).overThreshold(thresholdTenths), "over");
    }

    // An ordinary class's pupils take its grade; the pupils of a special-support
    // or multi-grade class their own.
    void grades_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("sums"); // "grade:enrolled/present/absent/suspended" by grade
        QTest::newRow("ordinary") << int(OrdinaryClass) << u"3:4/1/1/2"_s;
        QTest::newRow("special support") << int(SpecialSupportClass) << u"1:2/0/1/1 2:1/1/0/0 5:1/0/0/1"_s;
        QTest::newRow("multi-grade") << int(MultiGradeClass) << u"1:2/0/1/1 2:1/1/0/0 5:1/0/0/1"_s;
    }

    void grades()
    {
        QFETCH(int, kind);
        RegisterMonth month = monthOf({u"病"_s, u"テ"_s, u"-"_s, u"ホ"_s, u"出"_s});
        const std::array<qint16, 5> ownGrades{1, 1, 2, 5, 2};
        for (int i = 0; i < 5; ++i)
            month.Pupils[i].Grade = ownGrades[i];
        ClassEntry classEntry = ordinaryClass(3);
        classEntry.Kind = qint16(kind);
        const SchoolDay school{Day, 200, {classDayOf(classEntry, month, Day, {})}, {}};
        QStringList sums;
        for (const auto &[grade, counts] : school.grades())
            sums.append(u"%1:%2/%3/%4/%5"_s.arg(grade)
                            .arg(counts.enrolled())
                            .arg(counts.present)
                            .arg(counts.absent())
                            .arg(counts.suspendedAll()));
        QTEST(sums.join(u' '), "sums");
        QCOMPARE(school.school().enrolled(), 4);
        QCOMPARE(school.classes[0].pupils.size(), 3); // 出 is not listed
    }

    // Pupils by mark and category, in the order of the marks and of each
    // mark's list; a category the list no longer holds comes last.
    void byCategory()
    {
        RegisterMonth month = monthOf({u"病"_s, u"病"_s, u"病"_s, u"ホ"_s, u"遅"_s, u"事"_s, u"-"_s});
        const auto give = [&](int row, const QStringList &categories) {
            month.Pupils[row].Reasons.append({qint16(DayIndex), month.Pupils[row].Marks[DayIndex], categories, {}});
        };
        give(0, {u"頭痛"_s, u"発熱"_s});
        give(1, {u"歯の治療"_s, u"発熱"_s});
        give(3, {u"インフルエンザ"_s});
        give(4, {u"通院"_s});
        give(5, {u"旧い分類"_s});
        month.Pupils[2].Reasons.append({qint16(DayIndex + 1), u"病"_s, {u"腹痛"_s}, {}}); // another day
        ReasonCategories categories;
        QVERIFY(categories.add(MarkCode::Sick, u"歯の治療"_s).isEmpty());

        const ClassDay day = classDayOf(ordinaryClass(), month, Day, categories);
        QStringList counted;
        for (const CategoryCount &count : day.byCategory)
            counted.append(u"%1:%2:%3"_s.arg(count.mark, count.category).arg(count.pupils));
        QCOMPARE(counted, (QStringList{u"病:発熱:2"_s, u"病:頭痛:1"_s, u"病:歯の治療:1"_s, u"事:旧い分類:1"_s,
                                       u"遅:通院:1"_s, u"ホ:インフルエンザ:1"_s}));
        QCOMPARE(day.pupils.size(), 6);
        QVERIFY(!day.pupils[2].reason);
        QCOMPARE(day.pupils[3].number, 4);
        QCOMPARE(day.pupils[3].reason->Categories, QStringList{u"インフルエンザ"_s});
    }
};

VELTRA_TEST(ClassDayTest)
#include "classday_test.moc"

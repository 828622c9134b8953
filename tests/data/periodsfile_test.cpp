#include "data/cp932.h"
#include "data/periodsfile.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "name first-last; …" with days as M/D, for example "前期 4/1-10/9; 後期 10/10-3/31".
SchoolPeriods ownPeriods(const QString &layout)
{
    SchoolPeriods periods{SchoolPeriods::Scheme::OwnPeriods, {}};
    for (const QString &item : layout.split(u';', Qt::SkipEmptyParts)) {
        const QString name = item.trimmed().section(u' ', 0, 0);
        const QString days = item.trimmed().section(u' ', 1);
        periods.periods.append({name == u"-"_s ? QString() : name,
                                *SchoolPeriodRules::parseDay(days.section(u'-', 0, 0)),
                                *SchoolPeriodRules::parseDay(days.section(u'-', 1))});
    }
    return periods;
}

} // namespace

// The school's periods: what is refused where they are entered, and
// PERIODS.CSD, which every computer of the school reads the same way.
class PeriodsFileTest : public QObject
{
    Q_OBJECT

private slots:
    void refusals_data()
    {
        QTest::addColumn<QString>("periods");
        QTest::addColumn<QString>("refusal"); // empty: taken

        QTest::newRow("two terms") << u"前期 4/1-10/9; 後期 10/10-3/31"_s << QString();
        QTest::newRow("a period ending on 2月29日") << u"一 4/1-2/29; 二 3/1-3/31"_s << QString();
        QTest::newRow("a year in one") << u"通年 4/1-3/31"_s << QString();
        QTest::newRow("a gap") << u"前期 4/1-10/9; 後期 10/12-3/31"_s
                               << u"「後期」は「前期」の次の日（10月10日）から始めてください"_s;
        QTest::newRow("an overlap") << u"前期 4/1-10/9; 後期 10/9-3/31"_s
                                    << u"「後期」は「前期」の次の日（10月10日）から始めてください"_s;
        QTest::newRow("2月28日 then 3月1日 leaves out 2月29日")
            << u"一 4/1-2/28; 二 3/1-3/31"_s << u"「二」は「一」の次の日（2月29日）から始めてください"_s;
        QTest::newRow("not from 4月1日") << u"前期 4/2-10/9; 後期 10/10-3/31"_s
                                         << u"最初の期間「前期」は4月1日から始めてください"_s;
        QTest::newRow("not to 3月31日") << u"前期 4/1-10/9; 後期 10/10-3/30"_s
                                        << u"最後の期間「後期」は3月31日で終えてください"_s;
        QTest::newRow("a period after the whole year")
            << u"前期 4/1-3/31; 後期 4/1-3/31"_s << u"「前期」が3月31日で終わるため、「後期」の入る日がありません"_s;
        QTest::newRow("backwards") << u"前期 4/1-10/9; 後期 3/31-10/10"_s
                                   << u"「後期」は始まり（3月31日）が終わり（10月10日）より後です"_s;
        QTest::newRow("no such day") << u"前期 4/1-9/31; 後期 10/1-3/31"_s
                                     << u"「前期」の終わりの日（9月31日）はありません"_s;
        QTest::newRow("no name") << u"前期 4/1-10/9; - 10/10-3/31"_s << u"2番目の期間の名前を入力してください"_s;
        QTest::newRow("one name twice") << u"前期 4/1-10/9; 前期 10/10-3/31"_s << u"期間の名前「前期」が二つあります"_s;
        QTest::newRow("four periods") << u"一 4/1-6/30; 二 7/1-9/30; 三 10/1-12/31; 四 1/1-3/31"_s
                                      << u"期間は3つまでです"_s;
        QTest::newRow("a name Shift_JIS lacks")
            << u"前期😀 4/1-10/9; 後期 10/10-3/31"_s << u"期間の名前「前期😀」: "_s + Cp932::unencodableMessage(U'😀');
    }
    void refusals()
    {
        QFETCH(QString, periods);
        QFETCH(QString, refusal);
        QCOMPARE(SchoolPeriodRules::refusal(ownPeriods(periods)).value_or(QString()), refusal);
    }

    // A period's dates in a school year with and without a 29 February.
    void datesOfASchoolYear_data()
    {
        QTest::addColumn<int>("schoolYear");
        QTest::addColumn<QDate>("firstEnds");
        QTest::addColumn<QDate>("secondStarts");
        QTest::newRow("2027, a leap year's February") << 2027 << QDate(2028, 2, 29) << QDate(2028, 3, 1);
        QTest::newRow("2026") << 2026 << QDate(2027, 2, 28) << QDate(2027, 3, 1);
    }
    void datesOfASchoolYear()
    {
        QFETCH(int, schoolYear);
        QFETCH(QDate, firstEnds);
        QFETCH(QDate, secondStarts);
        const SchoolPeriods periods = ownPeriods(u"一 4/1-2/29; 二 3/1-3/31"_s);
        QCOMPARE(SchoolPeriodRules::firstDate(periods.periods[0], schoolYear), QDate(schoolYear, 4, 1));
        QCOMPARE(SchoolPeriodRules::lastDate(periods.periods[0], schoolYear), firstEnds);
        QCOMPARE(SchoolPeriodRules::firstDate(periods.periods[1], schoolYear), secondStarts);
        QCOMPARE(SchoolPeriodRules::lastDate(periods.periods[1], schoolYear), QDate(schoolYear + 1, 3, 31));
    }

    // Written and read back through the work folder; no file means three terms.
    void sharedThroughTheWorkFolder()
    {
        QTemporaryDir work;
        SchoolPeriods read = SchoolPeriods::twoTerms({10, 9});
        QVERIFY(PeriodsFile::load(work.path(), read).missing());
        QCOMPARE(read, SchoolPeriods::threeTerms());

        const SchoolPeriods twoTerms = SchoolPeriods::twoTerms({10, 9});
        QVERIFY(PeriodsFile::save(work.path(), twoTerms).ok);
        QFile file(PeriodsFile::filePath(work.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), Cp932::encode(u"1,2\r\n\"前期\",4,1,10,9\r\n\"後期\",10,10,3,31\r\n"_s));
        QVERIFY(PeriodsFile::load(work.path(), read).ok());
        QCOMPARE(read, twoTerms);

        const SchoolPeriods own = ownPeriods(u"前半 4/1-9/30; 後半 10/1-3/31"_s);
        QVERIFY(PeriodsFile::save(work.path(), own).ok);
        QVERIFY(PeriodsFile::load(work.path(), read).ok());
        QCOMPARE(read, own);

        const SaveResult refused = PeriodsFile::save(work.path(), ownPeriods(u"前期 4/1-10/9"_s));
        QVERIFY(!refused.ok);
        QCOMPARE(refused.error, u"最後の期間「前期」は3月31日で終えてください"_s);
        QVERIFY(PeriodsFile::load(work.path(), read).ok());
        QCOMPARE(read, own);
    }

    // A file another tool wrote wrongly is not read as some other choice.
    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("a gap") << u"2,2\r\n\"前期\",4,1,10,9\r\n\"後期\",10,12,3,31\r\n"_s;
        QTest::newRow("three terms that are not") << u"0,3\r\n\"１学期\",4,1,7,31\r\n\"２学期\",8,1,12,31\r\n"
                                                     u"\"３学期\",1,1,3,31\r\n"_s;
        QTest::newRow("a missing period line") << u"1,2\r\n\"前期\",4,1,10,9\r\n"_s;
        QTest::newRow("month 13") << u"2,1\r\n\"通年\",4,1,13,31\r\n"_s;
        QTest::newRow("unknown scheme") << u"3,1\r\n\"通年\",4,1,3,31\r\n"_s;
        QTest::newRow("no periods") << u"2,0\r\n"_s;
    }
    void unreadableFiles()
    {
        QFETCH(QString, text);
        SchoolPeriods read;
        const LoadResult result = PeriodsFile::fromBytes(Cp932::encode(text), read);
        QVERIFY(result.unreadable());
        QVERIFY(!result.detail.isEmpty());
        QCOMPARE(read, SchoolPeriods::threeTerms());
    }
};

VELTRA_TEST(PeriodsFileTest)
#include "periodsfile_test.moc"

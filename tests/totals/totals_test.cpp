#include "classyear.h"
#include "testregistry.h"
#include "totals/totals.h"
#include "totals/totalstext.h"

#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int SchoolYear = 2004; // Heisei 16

// "YEAR-MONTH[!]|HOLIDAYS|PUPIL|PUPIL…"; "!" marks the month as 一ヶ月間休み.
void writeFiles(const ClassYear &year, const QStringList &files)
{
    for (const QString &file : files) {
        const QStringList parts = file.split(u'|');
        const QString when = parts[0];
        const bool monthOff = when.endsWith(u'!');
        year.writeMonth(when.section(u'-', 0, 0).toInt(), QString(when.section(u'-', 1)).remove(u'!').toInt(),
                        parts.mid(2), parts.value(1), monthOff);
    }
}

QString zeros(int from)
{
    QStringList counters;
    for (int c = from; c < StatColumn::Count; ++c)
        counters.append(u"0"_s);
    return counters.join(u',');
}

} // namespace

class TotalsTest : public QObject
{
    Q_OBJECT

private slots:
    void monthsOfTerm_data()
    {
        QTest::addColumn<int>("term");
        QTest::addColumn<QStringList>("fileNames");
        QTest::newRow("１学期") << 0
                                << QStringList{u"2004_4.ROD"_s, u"2004_5.ROD"_s, u"2004_6.ROD"_s, u"2004_7.ROD"_s,
                                               u"2004_8.ROD"_s};
        QTest::newRow("２学期") << 1
                                << QStringList{u"2004_9.ROD"_s, u"2004_10.ROD"_s, u"2004_11.ROD"_s, u"2004_12.ROD"_s};
        QTest::newRow("３学期") << 2 << QStringList{u"2005_1.ROD"_s, u"2005_2.ROD"_s, u"2005_3.ROD"_s};
        QTest::newRow("１年間") << 3
                                << QStringList{u"2004_4.ROD"_s,  u"2004_5.ROD"_s, u"2004_6.ROD"_s,  u"2004_7.ROD"_s,
                                               u"2004_8.ROD"_s,  u"2004_9.ROD"_s, u"2004_10.ROD"_s, u"2004_11.ROD"_s,
                                               u"2004_12.ROD"_s, u"2005_1.ROD"_s, u"2005_2.ROD"_s,  u"2005_3.ROD"_s};
    }

    // Every month of the term is looked for in the one class folder; with no
    // files at all there are no rows and every month is reported missing.
    void monthsOfTerm()
    {
        QFETCH(int, term);
        QFETCH(QStringList, fileNames);
        const ClassYear year;
        const Totals totals = ComputeTotals(year.folder(), SchoolYear, term);
        QStringList names;
        for (const TotalsMonth &month : totals.months) {
            names.append(QFileInfo(month.path).fileName());
            QCOMPARE(QFileInfo(month.path).absolutePath(), QFileInfo(year.folder()).absoluteFilePath());
            QCOMPARE(month.reading, MonthReading::Missing);
        }
        QCOMPARE(names, fileNames);
        QVERIFY(totals.rows.isEmpty());
    }

    void rows_data()
    {
        QTest::addColumn<int>("term");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("rows");

        QTest::newRow("present every school day of two months")
            << 0 << QStringList{u"2004-4||甲 男"_s, u"2004-5|1:休日 2:休日|甲 男"_s}
            << QStringList{u"甲:59,"_s + zeros(1)};
        QTest::newRow("a June joiner follows the April pupils and counts from the 10th")
            << 0 << QStringList{u"2004-4||甲 男"_s, u"2004-6||乙 女 in=入@9|甲 男"_s}
            << QStringList{u"甲:60,"_s + zeros(1), u"乙:21,"_s + zeros(1)};
        QTest::newRow("absences in May and July add up")
            << 0 << QStringList{u"2004-5||甲 男 3:病 4:病"_s, u"2004-7||甲 男 5:事"_s}
            << QStringList{u"甲:59,2,1,3,"_s + zeros(4)};
        QTest::newRow("every counter adds up, 出 on a day off too")
            << 1
            << QStringList{u"2004-9|5:日曜日|甲 男 1:遅 2:ソ 3:ﾁ 4:テ 5:出 6:ホ 7:キ 8:ト"_s,
                           u"2004-10|5:日曜日|甲 男 1:遅 5:出"_s}
            << QStringList{u"甲:55,0,0,0,2,1,1,4,3,2,2"_s};
        QTest::newRow("a renamed pupil gives two rows")
            << 0 << QStringList{u"2004-4||甲 男"_s, u"2004-5||甲野 男"_s}
            << QStringList{u"甲:30,"_s + zeros(1), u"甲野:31,"_s + zeros(1)};
        QTest::newRow("the same name, sex and grade twice keeps two rows")
            << 0 << QStringList{u"2004-4||甲 男 1:病|甲 男"_s, u"2004-5||甲 男|甲 男 2:事"_s}
            << QStringList{u"甲:60,1,0,1,"_s + zeros(4), u"甲:60,0,1,1,"_s + zeros(4)};
        QTest::newRow("a different grade is another pupil")
            << 0 << QStringList{u"2004-4||甲 男 g=1"_s, u"2004-5||甲 男 g=2"_s}
            << QStringList{u"甲:30,"_s + zeros(1), u"甲:31,"_s + zeros(1)};
        QTest::newRow("a month off counts by its holiday list")
            << 0 << QStringList{u"2004-8!|1:夏休み 2:夏休み|甲 男"_s} << QStringList{u"甲:29,"_s + zeros(1)};
        QTest::newRow("nothing after graduation on 20 March counts")
            << 2 << QStringList{u"2005-3|20:卒業 13:土曜日|甲 男 25:病 26:出"_s} << QStringList{u"甲:19,"_s + zeros(1)};
        QTest::newRow("a pupil who left in April stops nobody in May")
            << 0 << QStringList{u"2004-4||甲 男 out=転@14|乙 女"_s, u"2004-5||乙 女"_s}
            << QStringList{u"甲:15,"_s + zeros(1), u"乙:61,"_s + zeros(1)};
        QTest::newRow("a pupil who comes back keeps the months before")
            << 0 << QStringList{u"2004-4||甲 男"_s, u"2004-6||甲 男 in=入@9"_s} << QStringList{u"甲:51,"_s + zeros(1)};
        QTest::newRow("a term without its first month builds the rows from the others")
            << 0 << QStringList{u"2004-5||乙 女|甲 男"_s, u"2004-6||甲 男|丙 女"_s}
            << QStringList{u"乙:31,"_s + zeros(1), u"甲:61,"_s + zeros(1), u"丙:30,"_s + zeros(1)};
    }

    void rows()
    {
        QFETCH(int, term);
        QFETCH(QStringList, files);
        QFETCH(QStringList, rows);
        const ClassYear year;
        writeFiles(year, files);
        QCOMPARE(rowTexts(ComputeTotals(year.folder(), SchoolYear, term)), rows);
    }

    // A file that exists but cannot be read is reported, and the totals come
    // from the other months.
    void unreadableMonthIsReported()
    {
        const ClassYear year;
        writeFiles(year, {u"2004-4||甲 男"_s, u"2004-7||甲 男"_s});
        year.writeBytes(2004, 6, "0,\"\",0,999,\"\"\r\n");
        const Totals totals = ComputeTotals(year.folder(), SchoolYear, 0);

        QList<MonthReading> readings;
        for (const TotalsMonth &month : totals.months)
            readings.append(month.reading);
        QCOMPARE(readings, (QList<MonthReading>{MonthReading::Read, MonthReading::Missing, MonthReading::Unreadable,
                                                MonthReading::Read, MonthReading::Missing}));
        QCOMPARE(totals.months[2].path, year.path(2004, 6));
        QVERIFY(!totals.months[2].detail.isEmpty());
        QCOMPARE(rowTexts(totals), QStringList{u"甲:61,"_s + zeros(1)});
        QCOMPARE(TotalsText::monthsLine(totals), u"集計した月: 4 7月　ファイルのない月: 5 8月　読めなかった月: 6月"_s);
        QVERIFY(TotalsText::unreadableMessage(totals).endsWith(u'\n' + QDir::toNativeSeparators(year.path(2004, 6))));
    }

    // Two full classes with no pupil in common: all 92 pupils keep their rows.
    void noPupilIsDropped()
    {
        const ClassYear year;
        QStringList april, may;
        for (int i = 0; i < PupilWorkingLimit; ++i) {
            april.append(u"甲%1 男"_s.arg(i));
            may.append(u"乙%1 女"_s.arg(i));
        }
        year.writeMonth(2004, 4, april);
        year.writeMonth(2004, 5, may);
        const Totals totals = ComputeTotals(year.folder(), SchoolYear, 0);
        QCOMPARE(totals.rows.size(), 2 * PupilWorkingLimit);
        QCOMPARE(totals.rows.last().Name, u"乙45"_s);
        QCOMPARE(totals.rows.last().Stat[StatColumn::Present], 31);
    }

    void longAbsence()
    {
        Totals totals;
        totals.rows.resize(3);
        totals.rows[0].Stat[StatColumn::AbsentTotal] = 29;
        totals.rows[1].Stat[StatColumn::AbsentTotal] = 30;
        totals.rows[2].Stat[StatColumn::AbsentTotal] = 120;
        totals.rows[0].Stat[StatColumn::ExcusedTotal] = 40;
        QCOMPARE(longAbsenceCount(totals), 2);
        QVERIFY(!isLongAbsence(totals.rows[0]));
    }
};

VELTRA_TEST(TotalsTest)
#include "totals_test.moc"

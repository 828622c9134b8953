#include "data/monthfile.h"
#include "goldenfile.h"
#include "register/monthstatistics.h"
#include "register/openmonth.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray header(int holidays, int pupils)
{
    return QByteArray("0,\"\",") + QByteArray::number(holidays) + ',' + QByteArray::number(pupils)
           + ",\"\",\"\",\"\"\r\n";
}

QByteArray holidayLine(int day)
{
    return QByteArray::number(day) + ",\"r\",\"p\",\"\",\"\"\r\n";
}

QByteArray pupilLine(const QByteArray &name)
{
    QByteArray line = '"' + name + "\",\"\x92\x6A\",0,0,0,\"\",0,\"\""; // sex 男
    for (int i = 0; i < 5 + 31; ++i)
        line += ",\"\"";
    return line + "\r\n";
}

AppState mayOfHeisei16In(const QString &folder)
{
    AppState state;
    state.HeiseiYear = 16;
    state.Month = 5;
    state.MonthFolder = folder;
    return state;
}

} // namespace

class MonthFileTest : public QObject
{
    Q_OBJECT

private slots:
    void goldenFileFillsEveryField()
    {
        RegisterMonth month;
        const LoadResult result = MonthFile::fromBytes(goldenFile(u"2004_5.ROD"_s), month);
        QVERIFY2(result.ok(), qPrintable(result.describe()));
        QCOMPARE(month.MonthOffFlag, 0);
        QCOMPARE(month.MonthOffText, u"夏季休業"_s);
        QCOMPARE(month.HolidayCount, 2);
        QCOMPARE(month.PupilCount, 2);
        QCOMPARE(month.TeacherName, u"髙﨑　一郎"_s);
        QCOMPARE(month.HolidayList[0], (HolidayEntry{3, u"憲法記念日"_s, u"祝"_s}));
        QCOMPARE(month.HolidayList[1], (HolidayEntry{1, u"土曜日"_s, u"土"_s}));

        const PupilRecord &first = month.Pupils[0];
        QCOMPARE(first.Name, u"青空　①太"_s);
        QCOMPARE(first.Sex, u"男"_s);
        QCOMPARE(first.RosterNo, 7);
        QCOMPARE(first.Grade, 2);
        QCOMPARE(first.InDay, 4);
        QCOMPARE(first.InKind, u"入"_s);
        QCOMPARE(first.OutDay, 0);
        QCOMPARE(first.OutKind, QString());
        QCOMPARE(first.Marks[0], u"病"_s);
        QCOMPARE(first.Marks[1], u"ﾁ"_s);
        QCOMPARE(first.Marks[4], u"出"_s);
        QCOMPARE(first.Marks[30], u"遅"_s);
        QCOMPARE(first.Marks[2], QString());

        const PupilRecord &second = month.Pupils[1];
        QCOMPARE(second.Name, u"若葉　花子～"_s);
        QCOMPARE(second.Sex, u"女"_s);
        QCOMPARE(second.RosterNo, -3);
        QCOMPARE(second.OutDay, 19);
        QCOMPARE(second.OutKind, u"転"_s);
        QCOMPARE(second.Marks[9], u"キ"_s);
        QCOMPARE(month.Pupils[2], PupilRecord{});
    }

    void savedMonthLoadsBackByteForByte()
    {
        const QByteArray original = goldenFile(u"2004_5.ROD"_s);
        RegisterMonth month;
        QVERIFY(MonthFile::fromBytes(original, month).ok());
        QCOMPARE(MonthFile::toBytes(month), original);
    }

    void emptyMonthIsOneHeaderLine()
    {
        RegisterMonth month;
        month.TeacherName = u"担任"_s;
        month.MonthOffFlag = 1;
        month.MonthOffText = u"夏季休業"_s;
        const QByteArray bytes = MonthFile::toBytes(month);
        QCOMPARE(bytes.count("\r\n"), 1);
        RegisterMonth loaded;
        QVERIFY(MonthFile::fromBytes(bytes, loaded).ok());
        QCOMPARE(loaded, month);
    }

    void textsAreNormalizedWhenWritten()
    {
        RegisterMonth month;
        month.PupilCount = 1;
        month.Pupils[0].Name = u"山\"田\r\n太郎"_s;
        RegisterMonth loaded;
        QVERIFY(MonthFile::fromBytes(MonthFile::toBytes(month), loaded).ok());
        QCOMPARE(loaded.Pupils[0].Name, u"山＂田 太郎"_s);
    }

    void unencodableNameRefusesTheSave()
    {
        RegisterMonth month;
        month.PupilCount = 1;
        month.Pupils[0].Name = u"𠮷田"_s;
        QString error;
        QVERIFY(MonthFile::toBytes(month, &error).isEmpty());
        QVERIFY(error.contains(u"U+20BB7"_s));
    }

    void malformedFilesFail_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("holidaysKept");
        QTest::addColumn<int>("pupilsKept");
        QTest::addColumn<int>("line");

        QByteArray holidays32 = header(32, 0);
        for (int d = 1; d <= 32; ++d)
            holidays32 += holidayLine(d % 31 + 1);
        QByteArray pupils52 = header(0, 52);
        for (int i = 0; i < 52; ++i)
            pupils52 += pupilLine("p");

        QTest::newRow("empty file") << QByteArray() << 0 << 0 << 1;
        QTest::newRow("short header") << QByteArray("0,\"\",0\r\n") << 0 << 0 << 1;
        QTest::newRow("header fails after a count") << QByteArray("0,\"\",32,x,\"\",\"\",\"\"\r\n") << 0 << 0 << 1;
        QTest::newRow("count not a number") << QByteArray("0,\"\",x,0,\"\",\"\",\"\"\r\n") << 0 << 0 << 1;
        QTest::newRow("missing holiday line") << header(2, 0) + holidayLine(3) << 1 << 0 << 3;
        QTest::newRow("holiday fails before the pupils") << header(2, 300) + holidayLine(3) << 1 << 0 << 3;
        QTest::newRow("missing pupil line") << header(0, 2) + pupilLine("a") << 0 << 1 << 3;
        QByteArray holidays3Pupils52 = header(3, 52) + holidayLine(1) + holidayLine(2) + holidayLine(3);
        for (int i = 0; i < 52; ++i)
            holidays3Pupils52 += pupilLine("p");
        // A count beyond the table fails at the first line without a slot,
        // counted in the file from the header on.
        QTest::newRow("32 holidays") << holidays32 << 31 << 0 << 33;
        QTest::newRow("52 pupils") << pupils52 << 0 << 51 << 53;
        QTest::newRow("3 holidays and 52 pupils") << holidays3Pupils52 << 3 << 51 << 56;
        QTest::newRow("short pupil line") << header(0, 1) + QByteArray("\"a\",\"男\",0\r\n") << 0 << 0 << 2;
        QTest::newRow("unterminated quote") << header(0, 1) + QByteArray("\"abc,\"男\"\r\n") << 0 << 0 << 2;
        QTest::newRow("invalid code page byte") << header(0, 1) + pupilLine("\x80") << 0 << 0 << 2;
        QTest::newRow("pupil line failing after its name")
            << header(0, 2) + pupilLine("a") + pupilLine("b").replace(",0,0,0,", ",0,x,0,") << 0 << 1 << 3;
        QTest::newRow("holiday line failing after its day")
            << header(2, 0) + holidayLine(3) + QByteArray("4,\"\x80\",\"p\",\"\",\"\"\r\n") << 1 << 0 << 3;
        QTest::newRow("day beyond 16 bits")
            << header(1, 0) + QByteArray("99999,\"\",\"\",\"\",\"\"\r\n") << 0 << 0 << 2;
        QTest::newRow("binary garbage") << QByteArray("\x00\xff\x01\x02,\x7f\"\xfe", 8) << 0 << 0 << 1;
        QTest::newRow("very long line") << QByteArray(200000, '9') + "\r\n" << 0 << 0 << 1;
    }
    void malformedFilesFail()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, holidaysKept);
        QFETCH(int, pupilsKept);
        QFETCH(int, line);
        RegisterMonth month;
        const LoadResult result = MonthFile::fromBytes(bytes, month);
        QVERIFY(result.unreadable());
        QCOMPARE(result.line, line);
        QCOMPARE(month.HolidayCount, holidaysKept);
        QCOMPARE(month.PupilCount, pupilsKept);
        // The slot of the line that failed holds nothing read from it.
        if (holidaysKept < HolidaySlots)
            QCOMPARE(month.HolidayList[holidaysKept], HolidayEntry{});
        if (pupilsKept < PupilSlots)
            QCOMPARE(month.Pupils[pupilsKept], PupilRecord{});
    }

    void negativeCountsReadNoLines()
    {
        RegisterMonth month;
        QVERIFY(MonthFile::fromBytes(QByteArray("0,\"\",-2,-1,\"\",\"\",\"\"\r\n"), month).ok());
        QCOMPARE(month.HolidayCount, 0);
        QCOMPARE(month.PupilCount, 0);
    }

    void fiftyOnePupilsLoadAndCompute()
    {
        QByteArray bytes = header(0, 51);
        for (int i = 0; i < 51; ++i)
            bytes += pupilLine("p");
        RegisterMonth month;
        QVERIFY(MonthFile::fromBytes(bytes, month).ok());
        QCOMPARE(month.PupilCount, 51);
        MonthStatistics stats;
        computeMonthStatistics(month, 16, 5, stats);
        QCOMPARE(stats.PupilStat[50][0], 31);
        QCOMPARE(stats.DayPresent[0], 51);
        QCOMPARE(stats.EndBoys, 51);
    }

    void namesAndPaths_data()
    {
        QTest::addColumn<int>("heiseiYear");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("name");
        QTest::newRow("April Heisei 16") << 16 << 4 << u"2004_4.ROD"_s;
        QTest::newRow("January Heisei 17") << 17 << 1 << u"2005_1.ROD"_s;
        QTest::newRow("December 2026") << 38 << 12 << u"2026_12.ROD"_s;
    }
    void namesAndPaths()
    {
        QFETCH(int, heiseiYear);
        QFETCH(int, month);
        QFETCH(QString, name);
        AppState state;
        state.HeiseiYear = qint16(heiseiYear);
        state.Month = qint16(month);
        state.MonthFolder = u"/data/2004/1年2組"_s;
        QCOMPARE(openMonthPath(state), u"/data/2004/1年2組/"_s + name);
    }

    void loadTellsMissingFromUnreadable()
    {
        QTemporaryDir dir;
        AppState state = mayOfHeisei16In(dir.path());
        RegisterMonth month;
        month.PupilCount = 3;

        LoadResult result = MonthFile::load(openMonthPath(state), month);
        QVERIFY(result.missing());
        QCOMPARE(month.PupilCount, 0);

        QFile file(openMonthPath(state));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("garbage");
        file.close();
        result = MonthFile::load(openMonthPath(state), month);
        QVERIFY(result.unreadable());
        QCOMPARE(result.path, openMonthPath(state));
    }

    void failedSaveKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        AppState state = mayOfHeisei16In(dir.path());
        RegisterMonth month;
        month.TeacherName = u"前"_s;
        QVERIFY(MonthFile::save(openMonthPath(state), month).ok);
        QFile saved(openMonthPath(state));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray previous = saved.readAll();
        saved.close();

        month.TeacherName = u"😀"_s;
        const SaveResult refused = MonthFile::save(openMonthPath(state), month);
        QVERIFY(!refused.ok);
        QVERIFY(refused.error.contains(u"U+1F600"_s));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), previous);
        saved.close();

        state.MonthFolder = dir.filePath(u"no/such/folder"_s);
        month.TeacherName = u"後"_s;
        const SaveResult failed = MonthFile::save(openMonthPath(state), month);
        QVERIFY(!failed.ok);
        QVERIFY(!failed.error.isEmpty());
    }
};

VELTRA_TEST(MonthFileTest)
#include "monthfile_test.moc"

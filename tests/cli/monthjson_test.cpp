#include "cli/monthjson.h"
#include "clitestfiles.h"
#include "data/monthfile.h"
#include "demo/demoschoolyear.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class MonthJsonTest : public QObject
{
    Q_OBJECT

private slots:
    void registerFileSurvivesJson_data()
    {
        QTest::addColumn<QByteArray>("registerFile");
        QTest::newRow("golden 2004_5") << readFile(goldenPath(u"2004_5.ROD"_s));
        QTest::newRow("backslash in texts")
            << QByteArray("0,\"C:\\x y\",1,0,\"\\\\\",\"\",\"\"\r\n9,\"a\\\",\"\\\",\"\",\"\"\r\n");
        QTest::newRow("empty month") << QByteArray("0,\"\",0,0,\"\",\"\",\"\"\r\n");
        for (const DemoSchoolYear::Month &month : DemoSchoolYear::months()) {
            const QByteArray name =
                "demo " + QByteArray::number(month.gregorianYear) + '_' + QByteArray::number(month.month);
            QTest::newRow(name.constData()) << MonthFile::toBytes(month.data);
        }
    }
    void registerFileSurvivesJson()
    {
        QFETCH(QByteArray, registerFile);
        RegisterMonth month;
        QVERIFY(MonthFile::fromBytes(registerFile, month).ok());
        RegisterMonth fromJson;
        const LoadResult parsed = MonthJson::fromJson(MonthJson::toJson(month), fromJson);
        QVERIFY2(parsed.ok(), qPrintable(parsed.describe()));
        QCOMPARE(MonthFile::toBytes(fromJson), registerFile);
    }

    // A register file an older tool wrote with control characters goes out to
    // JSON as it is; coming back in, such a text is refused like any entry.
    void controlCharactersGoOutButNotBackIn()
    {
        RegisterMonth month;
        QVERIFY(MonthFile::fromBytes("0,\"\x01\tx\",0,0,\"\",\"\",\"\"\r\n", month).ok());
        const QByteArray json = MonthJson::toJson(month);
        QVERIFY(json.contains(R"("monthOffText":"\u0001\tx")"));
        RegisterMonth back;
        bool refusedText = false;
        const LoadResult parsed = MonthJson::fromJson(json, back, &refusedText);
        QVERIFY(parsed.unreadable());
        QVERIFY(refusedText);
        QCOMPARE(parsed.detail, u"monthOffText: 制御文字(U+0001)は使えません"_s);
    }

    void jsonHasEveryItemInFileOrder()
    {
        RegisterMonth month;
        month.MonthOffFlag = 1;
        month.MonthOffText = u"夏季休業"_s;
        month.TeacherName = u"森野　みどり"_s;
        month.HolidayCount = 1;
        month.HolidayList[0] = {3, u"憲法記念日"_s, u"祝"_s};
        month.PupilCount = 1;
        PupilRecord &pupil = month.Pupils[0];
        pupil = {7, u"青葉　陽太"_s, u"男"_s, 2, 4, u"入"_s, 20, u"転"_s, {}, {}};
        pupil.Marks[0] = u"病"_s;
        pupil.Marks[30] = u"ﾁ"_s;

        QByteArray marks = "\"病\"";
        for (int d = 1; d < 30; ++d)
            marks += ",\"\"";
        marks += ",\"ﾁ\"";
        const QByteArray expected =
            "{\"monthOffFlag\":1,\"monthOffText\":\"夏季休業\",\"teacherName\":\"森野　みどり\","
            "\"holidays\":[{\"day\":3,\"reason\":\"憲法記念日\",\"printText\":\"祝\"}],"
            "\"pupils\":[{\"name\":\"青葉　陽太\",\"sex\":\"男\",\"rosterNo\":7,\"grade\":2,\"inDay\":4,"
            "\"inKind\":\"入\",\"outDay\":20,\"outKind\":\"転\",\"marks\":["
            + marks + "]}]}\n";
        QCOMPARE(MonthJson::toJson(month), expected);
    }

    void omittedItemsStayEmpty()
    {
        RegisterMonth month;
        const LoadResult parsed =
            MonthJson::fromJson(R"({"teacherName":"森野","pupils":[{"name":"青葉","marks":["遅"]}]})", month);
        QVERIFY2(parsed.ok(), qPrintable(parsed.describe()));
        RegisterMonth expected;
        expected.TeacherName = u"森野"_s;
        expected.PupilCount = 1;
        expected.Pupils[0].Name = u"青葉"_s;
        expected.Pupils[0].Marks[0] = u"遅"_s;
        QVERIFY(month == expected);
    }

    void malformedJsonIsRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("detail");
        const QByteArray tooManyMarks = R"({"pupils":[{"marks":[)" + QByteArray(",\"\"").repeated(32).mid(1) + "]}]}";
        const QByteArray tooManyHolidays = R"({"holidays":[)" + QByteArray(",{}").repeated(32).mid(1) + "]}";
        const QByteArray tooManyPupils = R"({"pupils":[)" + QByteArray(",{}").repeated(52).mid(1) + "]}";
        QTest::newRow("syntax error on line 3")
            << QByteArray("{\n\"teacherName\":\"a\",\n\"pupils\":[}\n") << 3 << u"JSON の構文エラー: "_s;
        QTest::newRow("array at the top") << QByteArray("[]") << 0 << u"(JSON): オブジェクトではありません"_s;
        QTest::newRow("misspelt key") << QByteArray(R"({"teacherNmae":""})") << 0 << u"teacherNmae: 未知の項目です"_s;
        QTest::newRow("flag as text") << QByteArray(R"({"monthOffFlag":"1"})") << 0
                                      << u"monthOffFlag: -32768 から 32767 までの整数ではありません"_s;
        QTest::newRow("fractional day") << QByteArray(R"({"holidays":[{"day":1.5}]})") << 0
                                        << u"holidays[0].day: -32768 から 32767 までの整数ではありません"_s;
        QTest::newRow("grade beyond 16 bits") << QByteArray(R"({"pupils":[{"grade":32768}]})") << 0
                                              << u"pupils[0].grade: -32768 から 32767 までの整数ではありません"_s;
        QTest::newRow("number as mark") << QByteArray(R"({"pupils":[{"marks":["",1]}]})") << 0
                                        << u"pupils[0].marks[1]: 文字列ではありません"_s;
        QTest::newRow("pupil as number") << QByteArray(R"({"pupils":[{},1]})") << 0
                                         << u"pupils[1]: オブジェクトではありません"_s;
        QTest::newRow("holidays as object")
            << QByteArray(R"({"holidays":{}})") << 0 << u"holidays: 配列ではありません"_s;
        QTest::newRow("32 marks") << tooManyMarks << 0 << u"pupils[0].marks: 要素が 31 個を超えています"_s;
        QTest::newRow("32 holidays") << tooManyHolidays << 0 << u"holidays: 要素が 31 個を超えています"_s;
        QTest::newRow("52 pupils") << tooManyPupils << 0 << u"pupils: 要素が 51 個を超えています"_s;
    }
    void malformedJsonIsRefused()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, line);
        QFETCH(QString, detail);
        RegisterMonth month;
        const LoadResult parsed = MonthJson::fromJson(json, month);
        QVERIFY(parsed.unreadable());
        QCOMPARE(parsed.line, line);
        QVERIFY2(parsed.detail.startsWith(detail), qPrintable(parsed.detail));
        QVERIFY(month == RegisterMonth{});
    }

    void fullTablesAreAccepted()
    {
        const QByteArray json = R"({"holidays":[)" + QByteArray(",{}").repeated(31).mid(1) + R"(],"pupils":[)"
                                + QByteArray(",{}").repeated(51).mid(1) + "]}";
        RegisterMonth month;
        QVERIFY(MonthJson::fromJson(json, month).ok());
        QCOMPARE(month.HolidayCount, HolidaySlots);
        QCOMPARE(month.PupilCount, PupilSlots);
    }
};

VELTRA_TEST(MonthJsonTest)
#include "monthjson_test.moc"

#include "cli/commands.h"
#include "cli/statsjson.h"
#include "clitestfiles.h"
#include "data/monthfile.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// June 2004 with days 5 and 6 off and four pupils: one with every kind of mark,
// one joining on the 15th, one leaving on the 10th and one of no stated sex.
RegisterMonth handMadeMonth()
{
    RegisterMonth month;
    month.HolidayCount = 2;
    month.HolidayList[0] = {5, u"土曜日"_s, u"土"_s};
    month.HolidayList[1] = {6, u"日曜日"_s, u"日"_s};
    month.PupilCount = 4;
    PupilRecord &marked = month.Pupils[0];
    marked.Name = u"甲"_s;
    marked.Sex = u"男"_s;
    const QStringList marks = {u"病"_s, u"事"_s, u"遅"_s, u"テ"_s, u"出"_s, {},
                               u"ホ"_s, u"キ"_s, u"ト"_s, u"ソ"_s, u"ﾁ"_s};
    std::copy(marks.cbegin(), marks.cend(), marked.Marks.begin());
    PupilRecord &joiner = month.Pupils[1];
    joiner.Name = u"乙"_s;
    joiner.Sex = u"女"_s;
    joiner.Grade = 2;
    joiner.InKind = u"入"_s;
    joiner.InDay = 14;
    joiner.Marks[20] = u"遅"_s;
    PupilRecord &leaver = month.Pupils[2];
    leaver.Name = u"丙"_s;
    leaver.Sex = u"男"_s;
    leaver.OutKind = u"転"_s;
    leaver.OutDay = 9;
    month.Pupils[3].Name = u"丁"_s;
    return month;
}

} // namespace

class StatsCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void figuresInTheirPlaces()
    {
        const QByteArray expected =
            "{\"year\":2004,\"month\":6,\"countedDays\":30,\"schoolDays\":28,\"pupils\":["
            "{\"no\":1,\"name\":\"甲\",\"sex\":\"男\",\"grade\":0,\"stat\":[22,1,1,2,2,1,1,4,2,2,1]},"
            "{\"no\":2,\"name\":\"乙\",\"sex\":\"女\",\"grade\":2,\"stat\":[16,0,0,0,0,0,0,0,1,0,0]},"
            "{\"no\":3,\"name\":\"丙\",\"sex\":\"男\",\"grade\":0,\"stat\":[8,0,0,0,0,0,0,0,0,0,0]},"
            "{\"no\":4,\"name\":\"丁\",\"sex\":\"\",\"grade\":0,\"stat\":[28,0,0,0,0,0,0,0,0,0,0]}],"
            "\"dayPresent\":[2,2,3,2,0,0,2,2,2,3,2,2,2,2,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,0],"
            "\"dayAbsent\":[1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0],"
            "\"present\":74,\"absent\":2,\"rate\":\"97.3\","
            "\"start\":{\"boys\":2,\"girls\":0},\"end\":{\"boys\":1,\"girls\":1},"
            "\"changes\":[1,0,1,0,0,0,0,0]}\n";
        QCOMPARE(statisticsJson(handMadeMonth(), 2004, 6), expected);
    }

    void noRateIsNull()
    {
        const QByteArray json = statisticsJson(RegisterMonth{}, 2004, 6);
        QVERIFY2(json.contains(",\"present\":0,\"absent\":0,\"rate\":null,"), json.constData());
    }

    void yearAndMonthFromNameOrOptions_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<ExitStatus>("status");
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("from the file name") << u"2004_2.ROD"_s << QStringList{} << ExitStatus::Success
                                            << QByteArray(R"({"year":2004,"month":2,"countedDays":29,)");
        QTest::newRow("lower-case extension") << u"2004_12.rod"_s << QStringList{} << ExitStatus::Success
                                              << QByteArray(R"({"year":2004,"month":12,"countedDays":31,)");
        QTest::newRow("options win over the name")
            << u"2004_2.ROD"_s << QStringList{u"--year"_s, u"2005"_s, u"--month"_s, u"2"_s} << ExitStatus::Success
            << QByteArray(R"({"year":2005,"month":2,"countedDays":28,)");
        QTest::newRow("options in any order")
            << u"june.ROD"_s << QStringList{u"--month"_s, u"6"_s, u"--year"_s, u"2004"_s} << ExitStatus::Success
            << QByteArray(R"({"year":2004,"month":6,)");
        QTest::newRow("name without year") << u"june.ROD"_s << QStringList{} << ExitStatus::UsageError << QByteArray();
        QTest::newRow("month 13 in the name")
            << u"2004_13.ROD"_s << QStringList{} << ExitStatus::UsageError << QByteArray();
        QTest::newRow("year alone") << u"2004_2.ROD"_s << QStringList{u"--year"_s, u"2004"_s} << ExitStatus::UsageError
                                    << QByteArray();
        QTest::newRow("month 0") << u"2004_2.ROD"_s << QStringList{u"--year"_s, u"2004"_s, u"--month"_s, u"0"_s}
                                 << ExitStatus::UsageError << QByteArray();
        QTest::newRow("year not a number")
            << u"2004_2.ROD"_s << QStringList{u"--year"_s, u"H16"_s, u"--month"_s, u"2"_s} << ExitStatus::UsageError
            << QByteArray();
        QTest::newRow("option without value")
            << u"2004_2.ROD"_s << QStringList{u"--month"_s} << ExitStatus::UsageError << QByteArray();
        QTest::newRow("second file") << u"2004_2.ROD"_s << QStringList{u"2004_3.ROD"_s} << ExitStatus::UsageError
                                     << QByteArray();
    }
    void yearAndMonthFromNameOrOptions()
    {
        QFETCH(QString, fileName);
        QFETCH(QStringList, options);
        QFETCH(ExitStatus, status);
        QFETCH(QByteArray, head);
        const QString path = m_folder.filePath(fileName);
        QVERIFY(MonthFile::save(path, handMadeMonth()).ok);
        CommandOutput output;
        QCOMPARE(runStats(QStringList{path} + options, output), status);
        QVERIFY2(output.out.startsWith(head), output.out.constData());
        QCOMPARE(output.err.isEmpty(), status == ExitStatus::Success);
    }

    void unreadableInputIsNamed_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << u"2004_6.ROD: ファイルがありません"_s;
        QTest::newRow("holiday line cut short")
            << QByteArray("0,\"\",1,0,\"\",\"\",\"\"\r\n5,\"x\"\r\n") << u"2004_6.ROD:2: 項目が足りません"_s;
        QTest::newRow("header count not a number")
            << QByteArray("0,\"\",x,0,\"\",\"\",\"\"\r\n") << u"2004_6.ROD:1: 3 番目の項目が数値ではありません"_s;
    }
    void unreadableInputIsNamed()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString path = m_folder.filePath(u"2004_6.ROD"_s);
        QFile::remove(path);
        if (!content.isEmpty())
            QVERIFY(writeFile(path, content));
        CommandOutput output;
        QCOMPARE(runStats({path}, output), ExitStatus::InputError);
        QVERIFY2(output.err.contains(message), qPrintable(output.err));
        QVERIFY(output.out.isEmpty());
    }

private:
    QTemporaryDir m_folder;
};

VELTRA_TEST(StatsCommandTest)
#include "statscommand_test.moc"

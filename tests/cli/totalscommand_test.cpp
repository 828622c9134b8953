#include "cli/commands.h"
#include "clitestfiles.h"
#include "data/classlistfile.h"
#include "data/cp932.h"
#include "data/monthfile.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TotalsCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no folder") << QStringList{u"--school-year"_s, u"2004"_s, u"--term"_s, u"1"_s};
        QTest::newRow("term 5") << QStringList{u"--folder"_s, u"."_s,      u"--school-year"_s,
                                               u"2004"_s,     u"--term"_s, u"5"_s};
        QTest::newRow("unknown layout") << QStringList{u"--folder"_s, u"."_s, u"--school-year"_s, u"2004"_s,
                                                       u"--term"_s,   u"1"_s, u"--csv-layout"_s,  u"yearly"_s};
        QTest::newRow("option without value")
            << QStringList{u"--folder"_s, u"."_s, u"--school-year"_s, u"2004"_s, u"--term"_s};
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        CommandOutput output;
        QCOMPARE(runCommand(QStringList{u"totals"_s} + arguments, output), ExitStatus::UsageError);
        QVERIFY(output.err.contains(u"veltra-cli totals"_s));
    }

    // An unreadable month is named on stderr and in the months; the totals
    // of the other months are still printed and saved, and the command succeeds.
    void unreadableMonthStillGivesTotals()
    {
        QTemporaryDir folder;
        RegisterMonth april;
        april.PupilCount = 1;
        april.Pupils[0].Name = u"甲"_s;
        april.Pupils[0].Sex = u"男"_s;
        QVERIFY(MonthFile::save(folder.filePath(u"2004_4.ROD"_s), april).ok);
        QVERIFY(writeFile(folder.filePath(u"2004_6.ROD"_s), "garbage"));
        const QString csv = folder.filePath(u"records.csv"_s);

        CommandOutput output;
        QCOMPARE(runCommand({u"totals"_s, u"--folder"_s, folder.path(), u"--school-year"_s, u"2004"_s, u"--term"_s,
                             u"1"_s, u"--csv"_s, csv, u"--csv-layout"_s, u"records"_s},
                            output),
                 ExitStatus::Success);
        QCOMPARE(output.out,
                 u"{\"schoolYear\":2004,\"term\":1,\"months\":[{\"year\":2004,\"month\":4,\"status\":\"read\"},"
                 u"{\"year\":2004,\"month\":5,\"status\":\"missing\"},"
                 u"{\"year\":2004,\"month\":6,\"status\":\"unreadable\"},"
                 u"{\"year\":2004,\"month\":7,\"status\":\"missing\"},"
                 u"{\"year\":2004,\"month\":8,\"status\":\"missing\"}],"
                 u"\"rows\":[{\"no\":1,\"name\":\"甲\",\"sex\":\"男\",\"grade\":0,\"schoolDays\":30,"
                 u"\"stat\":[30,0,0,0,0,0,0,0,0,0,0]}]}\n"_s.toUtf8());
        QVERIFY(output.err.contains(folder.filePath(u"2004_6.ROD"_s)));
        QCOMPARE(Cp932::decode(readFile(csv)).value_or(QString()).section(u"\r\n"_s, 1),
                 u"1,,甲,男,30,0,30,0,30\r\n"_s);
    }

    // The printout's class comes from the work folder's class list by the
    // folder's name; a folder the list does not know cannot be printed.
    void traceOfThePrintout()
    {
        QTemporaryDir work;
        ClassList classes;
        classes.ClassCount = 1;
        classes.Entries[0] = {OrdinaryClass, 1, 0, u"2"_s, {}, u"1年2組"_s};
        QVERIFY(ClassListFile::save(work.path(), classes).ok);
        const QString folder = work.filePath(u"data/2004/1年2組"_s);
        QVERIFY(QDir().mkpath(folder));
        RegisterMonth april;
        april.PupilCount = 1;
        april.Pupils[0].Name = u"甲"_s;
        QVERIFY(MonthFile::save(QDir(folder).filePath(u"2004_4.ROD"_s), april).ok);

        const QString trace = work.filePath(u"trace.json"_s);
        CommandOutput output;
        const QStringList arguments{u"totals"_s, u"--folder"_s, folder, u"--school-year"_s, u"2004"_s,  u"--term"_s,
                                    u"1"_s,      u"--trace"_s,  trace,  u"--work-folder"_s, work.path()};
        QCOMPARE(runCommand(arguments, output), ExitStatus::Success);
        QVERIFY(readFile(trace).contains(u"平成16年度 １学期 出席簿の集計 1年2組"_s.toUtf8()));

        classes.Entries[0].Title = u"1年3組"_s;
        QVERIFY(ClassListFile::save(work.path(), classes).ok);
        CommandOutput refused;
        QCOMPARE(runCommand(arguments, refused), ExitStatus::InputError);
        QVERIFY(refused.err.contains(u"1年2組"_s));
    }

    // Every input is checked before any output is written: a class the list
    // does not know, a class list that holds one title twice, or nothing to
    // print leave neither the CSV nor the PDF behind.
    void inputsAreCheckedBeforeAnyOutput_data()
    {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<int>("pupils");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown class") << QStringList{u"1年3組"_s} << 1 << u"学級がありません: 1年2組"_s;
        QTest::newRow("one title twice") << QStringList{u"1年2組"_s, u"1年2組 "_s} << 1
                                         << u"CLASS.CSD: クラスファイルに同じ名前のクラス「1年2組」が複数あります"_s;
        QTest::newRow("nothing to print") << QStringList{u"1年2組"_s} << 0 << u"印刷データが有りません"_s;
    }
    void inputsAreCheckedBeforeAnyOutput()
    {
        QFETCH(QStringList, titles);
        QFETCH(int, pupils);
        QFETCH(QString, message);
        QTemporaryDir work;
        ClassList classes;
        for (const QString &title : titles)
            classes.Entries[classes.ClassCount++] = {OrdinaryClass, 1, 0, u"2"_s, {}, title};
        QVERIFY(ClassListFile::save(work.path(), classes).ok);
        const QString folder = work.filePath(u"data/2004/1年2組"_s);
        QVERIFY(QDir().mkpath(folder));
        RegisterMonth april;
        april.PupilCount = qint16(pupils);
        QVERIFY(MonthFile::save(QDir(folder).filePath(u"2004_4.ROD"_s), april).ok);

        const QString csv = work.filePath(u"totals.csv"_s);
        const QString pdf = work.filePath(u"totals.pdf"_s);
        CommandOutput output;
        QCOMPARE(runCommand({u"totals"_s, u"--folder"_s, folder, u"--school-year"_s, u"2004"_s, u"--term"_s, u"1"_s,
                             u"--csv"_s, csv, u"--pdf"_s, pdf, u"--work-folder"_s, work.path()},
                            output),
                 ExitStatus::InputError);
        QVERIFY2(output.err.contains(message), qPrintable(output.err));
        QVERIFY(!QFile::exists(csv));
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(output.out.isEmpty());
    }

    void missingFolderIsAnInputError()
    {
        QTemporaryDir folder;
        CommandOutput output;
        QCOMPARE(runCommand({u"totals"_s, u"--folder"_s, folder.filePath(u"none"_s), u"--school-year"_s, u"2004"_s,
                             u"--term"_s, u"4"_s},
                            output),
                 ExitStatus::InputError);
        QVERIFY(output.out.isEmpty());
    }
};

VELTRA_TEST(TotalsCommandTest)
#include "totalscommand_test.moc"

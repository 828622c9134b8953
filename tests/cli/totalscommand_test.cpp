#include "../editor/recordingcanvas.h"
#include "../totals/classyear.h"
#include "cli/commands.h"
#include "clitestfiles.h"
#include "data/classlistfile.h"
#include "data/cp932.h"
#include "data/monthfile.h"
#include "data/settingsfile.h"
#include "register/monthstatistics.h"
#include "testregistry.h"
#include "totals/totalstable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
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
        april.Pupils[0].Marks[5] = u"ホ"_s;
        QVERIFY(MonthFile::save(folder.filePath(u"2004_4.ROD"_s), april).ok);
        QVERIFY(writeFile(folder.filePath(u"2004_4.RSN"_s),
                          Cp932::encode(u"6,1,\"甲\",\"ホ\",\"インフルエンザ\",\"\"\r\n"_s)));
        QVERIFY(writeFile(folder.filePath(u"2004_6.ROD"_s), "garbage"));
        const QString csv = folder.filePath(u"records.csv"_s);

        CommandOutput output;
        QCOMPARE(runCommand({u"totals"_s, u"--folder"_s, folder.path(), u"--school-year"_s, u"2004"_s, u"--term"_s,
                             u"1"_s, u"--csv"_s, csv, u"--csv-layout"_s, u"records"_s},
                            output),
                 ExitStatus::Success);
        QCOMPARE(output.out,
                 u"{\"schoolYear\":2004,\"term\":1,\"period\":\"１学期\",\"from\":\"2004-04-01\",\"to\":\"2004-08-31\","
                 u"\"months\":[{\"year\":2004,\"month\":4,\"status\":\"read\"},"
                 u"{\"year\":2004,\"month\":5,\"status\":\"missing\"},"
                 u"{\"year\":2004,\"month\":6,\"status\":\"unreadable\"},"
                 u"{\"year\":2004,\"month\":7,\"status\":\"missing\"},"
                 u"{\"year\":2004,\"month\":8,\"status\":\"missing\"}],"
                 u"\"rows\":[{\"no\":1,\"name\":\"甲\",\"sex\":\"男\",\"grade\":0,\"schoolDays\":30,"
                 u"\"stat\":[29,0,0,0,1,0,0,1,0,0,0]}],"
                 u"\"reasons\":[{\"mark\":\"ホ\",\"category\":\"インフルエンザ\",\"days\":1}]}\n"_s.toUtf8());
        QVERIFY(output.err.contains(folder.filePath(u"2004_6.ROD"_s)));
        QCOMPARE(Cp932::decode(readFile(csv)).value_or(QString()).section(u"\r\n"_s, 1),
                 u"1,,甲,男,30,1,29,0,29\r\n"_s);
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

    // 授業日数 is days present, absent and excused alike in the window's table,
    // the printout, both CSV layouts and the JSON; for pupils enrolled all
    // term it is the sum of the month sheets' school days.
    void schoolDaysAgreeEverywhere()
    {
        QTemporaryDir work;
        const ClassYear year;
        ClassList classes;
        classes.ClassCount = 1;
        classes.Entries[0] = {OrdinaryClass, 1, 0, u"2"_s, {}, QDir(year.folder()).dirName()};
        QVERIFY(ClassListFile::save(work.path(), classes).ok);
        // 忌引 twice, both kinds of 出席停止, 特欠, 病気 and a late day; the second pupil has no marks.
        const QStringList pupils{u"甲 男 6:キ 7:キ 10:テ 11:ホ 12:ト 17:病 18:遅"_s, u"乙 女"_s};
        year.writeMonth(2004, 4, pupils, u"3:土曜日 4:日曜日 29:昭和の日"_s);
        year.writeMonth(2004, 5, pupils, u"3:憲法記念日 4:国民の休日 5:こどもの日"_s);
        int monthSchoolDays = 0;
        for (const int month : {4, 5}) {
            RegisterMonth loaded;
            QVERIFY(MonthFile::load(year.path(2004, month), loaded).ok());
            MonthStatistics stats;
            computeMonthStatistics(loaded, 16, month, stats);
            monthSchoolDays += stats.SchoolDays;
        }
        QCOMPARE(monthSchoolDays, 27 + 28);

        const QString totalsCsv = work.filePath(u"totals.csv"_s);
        const QString recordsCsv = work.filePath(u"records.csv"_s);
        const QString trace = work.filePath(u"trace.json"_s);
        const QStringList common{u"totals"_s, u"--folder"_s, year.folder(),      u"--school-year"_s, u"2004"_s,
                                 u"--term"_s, u"1"_s,        u"--work-folder"_s, work.path()};
        CommandOutput output;
        QCOMPARE(runCommand(common + QStringList{u"--csv"_s, totalsCsv, u"--trace"_s, trace}, output),
                 ExitStatus::Success);
        CommandOutput records;
        QCOMPARE(runCommand(common + QStringList{u"--csv"_s, recordsCsv, u"--csv-layout"_s, u"records"_s}, records),
                 ExitStatus::Success);

        const QJsonArray rows = QJsonDocument::fromJson(output.out).object()[u"rows"_s].toArray();
        QCOMPARE(rows.size(), 2);
        const QJsonArray stat = rows[0].toObject()[u"stat"_s].toArray();
        QCOMPARE(stat[StatColumn::ExcusedTotal].toInt(), 10);
        QCOMPARE(stat[StatColumn::Present].toInt() + stat[StatColumn::AbsentTotal].toInt()
                     + stat[StatColumn::ExcusedTotal].toInt(),
                 monthSchoolDays);

        const QStringList totalsLines = Cp932::decode(readFile(totalsCsv)).value_or(QString()).split(u"\r\n"_s);
        const QStringList recordsLines = Cp932::decode(readFile(recordsCsv)).value_or(QString()).split(u"\r\n"_s);
        const QJsonArray printed = QJsonDocument::fromJson(readFile(trace)).object()[u"pages"_s].toArray()[0].toArray();
        Totals totals;
        for (const QJsonValue &row : rows) {
            TotalsRow &shown = totals.rows.emplace_back();
            for (int c = 0; c < StatColumn::Count; ++c)
                shown.Stat[c] = row[u"stat"_s][c].toInt();
        }
        RecordingCanvas window;
        TotalsTable::drawRows(window, {totals, false});
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QString days = QString::number(monthSchoolDays);
            QCOMPARE(rows[r].toObject()[u"schoolDays"_s].toInt(), monthSchoolDays);
            QCOMPARE(totalsLines.value(r + 1).section(u',', 4, 4), days);
            QCOMPARE(recordsLines.value(r + 1).section(u',', 4, 4), days);
            const double y = 31 + 5 * double(r);
            const auto cell = std::find_if(printed.begin(), printed.end(), [&](const QJsonValue &item) {
                return item[u"x"_s].toDouble() == 82 && item[u"y"_s].toDouble() == y;
            });
            QVERIFY(cell != printed.end());
            QCOMPARE((*cell)[u"text"_s].toString(), u" "_s + days);
            QCOMPARE(window.textsAt({3180, 240 * int(r) + 30}), QStringList{days});
        }
    }

    // The periods of the work folder's PERIODS.CSD (three terms without one),
    // or any dates of the school year; a class of one pupil present every day
    // of 2004-04-01 to 2005-03-31, so present days are the period's days.
    void periodsOfTheWorkFolder_data()
    {
        QTest::addColumn<QString>("periodsFile"); // empty: none
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("period"); // "term period from to present", or a text of stderr
        const QString twoTerms = u"1,2\r\n\"前期\",4,1,10,9\r\n\"後期\",10,10,3,31\r\n"_s;
        const QStringList term{u"--term"_s};

        QTest::newRow("three terms") << QString() << term + QStringList{u"2"_s} << 0
                                     << u"2 ２学期 2004-09-01 2004-12-31 122"_s;
        QTest::newRow("前期 to 10月9日") << twoTerms << term + QStringList{u"1"_s} << 0
                                         << u"1 前期 2004-04-01 2004-10-09 192"_s;
        QTest::newRow("後期") << twoTerms << term + QStringList{u"2"_s} << 0 << u"2 後期 2004-10-10 2005-03-31 173"_s;
        QTest::newRow("the whole year") << twoTerms << term + QStringList{u"4"_s} << 0
                                        << u"4 １年間 2004-04-01 2005-03-31 365"_s;
        QTest::newRow("no third term in a two-term school")
            << twoTerms << term + QStringList{u"3"_s} << 1 << u"この学校の集計期間は2つです"_s;
        QTest::newRow("any dates") << twoTerms << QStringList{u"--from"_s, u"2004-10-01"_s, u"--to"_s, u"2004-10-09"_s}
                                   << 0 << u"0 10月1日～10月9日 2004-10-01 2004-10-09 9"_s;
        QTest::newRow("the dates of a period take its name")
            << twoTerms << QStringList{u"--from"_s, u"2004-04-01"_s, u"--to"_s, u"2004-10-09"_s} << 0
            << u"0 前期 2004-04-01 2004-10-09 192"_s;
        QTest::newRow("dates outside the school year")
            << QString() << QStringList{u"--from"_s, u"2004-10-01"_s, u"--to"_s, u"2005-04-01"_s} << 1
            << u"2004-04-01 から 2005-03-31 まで"_s;
        QTest::newRow("dates and a term")
            << QString() << QStringList{u"--from"_s, u"2004-10-01"_s, u"--to"_s, u"2004-10-09"_s, u"--term"_s, u"1"_s}
            << 1 << u"使い方"_s;
        QTest::newRow("a PERIODS.CSD with a gap") << u"1,2\r\n\"前期\",4,1,10,9\r\n\"後期\",10,11,3,31\r\n"_s
                                                  << term + QStringList{u"1"_s} << 2 << u"PERIODS.CSD"_s;
    }
    void periodsOfTheWorkFolder()
    {
        QFETCH(QString, periodsFile);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, period);
        QTemporaryDir work;
        if (!periodsFile.isEmpty())
            QVERIFY(writeFile(work.filePath(u"PERIODS.CSD"_s), Cp932::encode(periodsFile)));
        const ClassYear year;
        for (int month = 4; month <= 15; ++month)
            year.writeMonth(month > 12 ? 2005 : 2004, month > 12 ? month - 12 : month, {u"甲 男"_s});

        CommandOutput output;
        QCOMPARE(int(runCommand(QStringList{u"totals"_s, u"--folder"_s, year.folder(), u"--school-year"_s, u"2004"_s,
                                            u"--work-folder"_s, work.path()}
                                    + arguments,
                                output)),
                 status);
        if (status != 0) {
            QVERIFY2(output.err.contains(period), qPrintable(output.err));
            QVERIFY(output.out.isEmpty());
            return;
        }
        const QJsonObject json = QJsonDocument::fromJson(output.out).object();
        QCOMPARE(QStringList({QString::number(json[u"term"_s].toInt()), json[u"period"_s].toString(),
                              json[u"from"_s].toString(), json[u"to"_s].toString(),
                              QString::number(json[u"rows"_s][0][u"stat"_s][0].toInt())})
                     .join(u' '),
                 period);
    }

    // Every class of the class list into one records CSV, a class column
    // first; the classes without months or without a folder name are named.
    void everyClassIntoOneFile_data()
    {
        QTest::addColumn<QStringList>("withMonths"); // the classes with an April
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("csv"); // empty: none written
        QTest::addColumn<QStringList>("named");

        const QString header = u"学級,NO,学年,氏名,性別,授業日数,出席停止・忌引等の日数,出席しなければならない日数,"
                               u"欠席日数,出席日数"_s;
        QTest::newRow("two classes") << QStringList{u"1年1組"_s, u"ひまわり(知的)"_s} << 0
                                     << QStringList{header, u"1年1組,1,,甲,男,30,0,30,1,29"_s,
                                                    u"1年1組,2,,乙,女,30,0,30,0,30"_s,
                                                    u"ひまわり(知的),1,3,丙,女,30,0,30,0,30"_s}
                                     << QStringList{u"2年1組: 月のファイルがありません"_s,
                                                    u"クラス「外/1組」はフォルダー名にできない"_s};
        QTest::newRow("no class with a month")
            << QStringList{} << 2 << QStringList{} << QStringList{u"1年1組: 月のファイルがありません"_s};
    }
    void everyClassIntoOneFile()
    {
        QFETCH(QStringList, withMonths);
        QFETCH(int, status);
        QFETCH(QStringList, csv);
        QFETCH(QStringList, named);
        QTemporaryDir work;
        ProgramSettings settings;
        settings.WorkFolder = work.path();
        settings.DataFolder = work.filePath(u"data"_s);
        QVERIFY(SettingsFile::save(settings).ok);
        ClassList classes;
        classes.Entries[classes.ClassCount++] = {OrdinaryClass, 1, 0, u"1"_s, {}, u"1年1組"_s};
        classes.Entries[classes.ClassCount++] = {OrdinaryClass, 2, 0, u"1"_s, {}, u"2年1組"_s};
        classes.Entries[classes.ClassCount++] = {OrdinaryClass, 3, 0, u"1"_s, {}, u"外/1組"_s};
        classes.Entries[classes.ClassCount++] = {SpecialSupportClass, 0,         0,
                                                 u"ひまわり"_s,       u"知的"_s, u"ひまわり(知的)"_s};
        QVERIFY(ClassListFile::save(work.path(), classes).ok);
        const QMap<QString, QStringList> pupils{{u"1年1組"_s, {u"甲 男 2:病"_s, u"乙 女"_s}},
                                                {u"ひまわり(知的)"_s, {u"丙 女 g=3"_s}}};
        for (const QString &title : withMonths) {
            const QString folder = work.filePath(u"data/2004/"_s + title);
            QVERIFY(QDir().mkpath(folder));
            RegisterMonth april;
            for (const QString &layout : pupils[title]) {
                PupilRecord &pupil = april.Pupils[april.PupilCount++];
                const QStringList parts = layout.split(u' ');
                pupil.Name = parts[0];
                pupil.Sex = parts[1];
                if (parts.value(2) == u"2:病"_s)
                    pupil.Marks[1] = u"病"_s;
                if (parts.value(2) == u"g=3"_s)
                    pupil.Grade = 3;
            }
            QVERIFY(MonthFile::save(QDir(folder).filePath(u"2004_4.ROD"_s), april).ok);
        }

        const QString out = work.filePath(u"records.csv"_s);
        CommandOutput output;
        QCOMPARE(int(runCommand({u"totals"_s, u"--work-folder"_s, work.path(), u"--all-classes"_s, u"--school-year"_s,
                                 u"2004"_s, u"--from"_s, u"2004-04-01"_s, u"--to"_s, u"2004-04-30"_s, u"--csv-layout"_s,
                                 u"records"_s, u"--csv"_s, out},
                                output)),
                 status);
        for (const QString &text : named)
            QVERIFY2(output.err.contains(text), qPrintable(output.err));
        if (csv.isEmpty()) {
            QVERIFY(!QFile::exists(out));
            QVERIFY(output.out.isEmpty());
            return;
        }
        QCOMPARE(Cp932::decode(readFile(out)).value_or(QString()), csv.join(u"\r\n"_s) + u"\r\n"_s);
        const QJsonObject json = QJsonDocument::fromJson(output.out).object();
        QCOMPARE(json[u"period"_s].toString(), u"4月1日～4月30日"_s);
        QCOMPARE(json[u"classes"_s].toArray().size(), 3);
        QCOMPARE(json[u"classes"_s][2][u"class"_s].toString(), u"ひまわり(知的)"_s);
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

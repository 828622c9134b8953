#include "cli/commands.h"
#include "cli/monthjson.h"
#include "clitestfiles.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class ConvertCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_folder.isValid()); }

    void registerFileComesBackByteForByte()
    {
        const QString json = path(u"2004_5.json"_s);
        const QString back = path(u"2004_5.ROD"_s);
        CommandOutput output;
        QCOMPARE(runConvert({goldenPath(u"2004_5.ROD"_s), json}, output), ExitStatus::Success);
        QVERIFY(readFile(json).startsWith(R"({"monthOffFlag":0,"monthOffText":"夏季休業",)"));
        QCOMPARE(runConvert({json, back}, output), ExitStatus::Success);
        QCOMPARE(readFile(back), readFile(goldenPath(u"2004_5.ROD"_s)));
        QCOMPARE(output.err, QString());
    }

    // The JSON form is an entry like any other: a text that a data file cannot
    // store is refused with its item named, and nothing is written.
    void charactersAreCheckedOnTheWayToTheRegisterFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("refusal"); // empty: converted
        QTest::addColumn<QByteArray>("storedTeacher");
        QTest::newRow("teacher outside code page 932")
            << QByteArray(R"({"teacherName":"𠮷田"})") << u"teacherName: 文字「𠮷」(U+20BB7)"_s << QByteArray();
        QTest::newRow("holiday reason outside code page 932")
            << QByteArray(R"({"holidays":[{"day":1,"reason":"休🎌"}]})") << u"holidays[0].reason: 文字「🎌」(U+1F38C)"_s
            << QByteArray();
        QTest::newRow("pupil name outside code page 932")
            << QByteArray(R"({"pupils":[{"name":"青葉　陽太","sex":"男"},{"name":"Łucja"}]})")
            << u"pupils[1].name: 文字「Ł」(U+0141)"_s << QByteArray();
        QTest::newRow("mark outside code page 932") << QByteArray(R"({"pupils":[{"marks":["","☂"]}]})")
                                                    << u"pupils[0].marks[1]: 文字「☂」(U+2602)"_s << QByteArray();
        QTest::newRow("NUL in the teacher's name") << QByteArray(R"({"teacherName":"a\u0000b"})")
                                                   << u"teacherName: 制御文字(U+0000)は使えません"_s << QByteArray();
        QTest::newRow("SUB in a pupil's name") << QByteArray(R"({"pupils":[{"name":"佐藤\u001a花子"}]})")
                                               << u"pupils[0].name: 制御文字(U+001A)は使えません"_s << QByteArray();
        QTest::newRow("BEL in a print text")
            << QByteArray(R"({"holidays":[{"day":1,"printText":"\u0007"}]})")
            << u"holidays[0].printText: 制御文字(U+0007)は使えません"_s << QByteArray();
        QTest::newRow("DEL in the month-off text") << QByteArray(R"({"monthOffText":"夏\u007f"})")
                                                   << u"monthOffText: 制御文字(U+007F)は使えません"_s << QByteArray();
        QTest::newRow("line break becomes a blank")
            << QByteArray(R"({"teacherName":"a\r\nb"})") << QString() << QByteArray("a b");
        QTest::newRow("wave dash becomes fullwidth tilde") << QByteArray("{\"teacherName\":\"a\xE3\x80\x9C"
                                                                         "b\"}")
                                                           << QString()
                                                           << QByteArray("a\x81\x60"
                                                                         "b");
        QTest::newRow("double quote becomes fullwidth") << QByteArray("{\"teacherName\":\"\\\"a\\\"\"}") << QString()
                                                        << QByteArray("\xFA\x57"
                                                                      "a\xFA\x57");
    }
    void charactersAreCheckedOnTheWayToTheRegisterFile()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, refusal);
        QFETCH(QByteArray, storedTeacher);
        const QString input = path(u"in.json"_s);
        const QString output = path(u"2026_4.ROD"_s);
        QVERIFY(writeFile(input, json));
        QFile::remove(output);

        CommandOutput printed;
        const ExitStatus status = runConvert({input, output}, printed);
        if (!refusal.isEmpty()) {
            QCOMPARE(status, ExitStatus::OutputError);
            QVERIFY2(printed.err.contains(u"in.json: "_s + refusal), qPrintable(printed.err));
            QVERIFY(!QFile::exists(output));
        } else {
            QCOMPARE(status, ExitStatus::Success);
            QVERIFY(readFile(output).startsWith("0,\"\",0,0,\"" + storedTeacher + "\","));
        }
    }

    void failuresNameTheFile_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("target");
        QTest::addColumn<ExitStatus>("status");
        QTest::addColumn<QString>("message");
        const QByteArray shortPupil = "0,\"\",0,1,\"\",\"\",\"\"\r\n\"a\",\"男\"\r\n";
        QTest::newRow("missing register file") << u"2004_4.ROD"_s << QByteArray() << u"out.json"_s
                                               << ExitStatus::InputError << u"2004_4.ROD: ファイルがありません"_s;
        QTest::newRow("short pupil line") << u"2004_4.ROD"_s << shortPupil << u"out.json"_s << ExitStatus::InputError
                                          << u"2004_4.ROD:2: 項目が足りません"_s;
        QTest::newRow("JSON syntax error") << u"in.json"_s << QByteArray("{\n\"pupils\":[\n}") << u"out.ROD"_s
                                           << ExitStatus::InputError << u"in.json:3: JSON の構文エラー"_s;
        QTest::newRow("wrong type in JSON") << u"in.json"_s << QByteArray(R"({"holidays":[{"day":"3"}]})")
                                            << u"out.ROD"_s << ExitStatus::InputError << u"in.json: holidays[0].day"_s;
        QTest::newRow("target folder missing") << u"in.json"_s << QByteArray("{}") << u"no/such/out.ROD"_s
                                               << ExitStatus::OutputError << u"out.ROD: 保存できません"_s;
    }
    void failuresNameTheFile()
    {
        QFETCH(QString, input);
        QFETCH(QByteArray, content);
        QFETCH(QString, target);
        QFETCH(ExitStatus, status);
        QFETCH(QString, message);
        if (!content.isEmpty())
            QVERIFY(writeFile(path(input), content));
        CommandOutput output;
        QCOMPARE(runConvert({path(input), path(target)}, output), status);
        QVERIFY2(output.err.contains(message), qPrintable(output.err));
        QVERIFY(output.out.isEmpty());
    }

    // A full disk, made real for a child process by its file-size limit: the
    // month on disk survives byte for byte, and the failure is reported.
    void fullDiskLeavesTheMonthAsItWas()
    {
        RegisterMonth full;
        for (int i = 0; i < PupilWorkingLimit; ++i)
            full.Pupils[i].Name = u"児童%1"_s.arg(i + 1);
        full.PupilCount = PupilWorkingLimit;
        const QString json = path(u"full.json"_s);
        QVERIFY(writeFile(json, MonthJson::toJson(full)));
        const QString month = path(u"2026_6.ROD"_s);
        const QByteArray old = readFile(goldenPath(u"2004_5.ROD"_s)).repeated(10);
        QVERIFY(writeFile(month, old));

        const ProgramRun run = runProgram({u"convert"_s, json, month}, 1024);
        QCOMPARE(run.exitCode, int(ExitStatus::OutputError));
        QVERIFY2(run.err.contains(u"2026_6.ROD: 保存できません: 書き込みの途中でエラーが起きました"_s),
                 qPrintable(run.err));
        QCOMPARE(readFile(month), old);
        QCOMPARE(QDir(m_folder.path()).entryList({u"2026_6.ROD*"_s}, QDir::Files | QDir::Hidden),
                 QStringList{u"2026_6.ROD"_s});
    }

    void formatsComeFromTheExtensions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ExitStatus>("status");
        QTest::newRow("lower-case rod to JSON") << QStringList{u"a.rod"_s, u"b.JSON"_s} << ExitStatus::InputError;
        QTest::newRow("register file to register file")
            << QStringList{u"a.ROD"_s, u"b.ROD"_s} << ExitStatus::UsageError;
        QTest::newRow("JSON to JSON") << QStringList{u"a.json"_s, u"b.json"_s} << ExitStatus::UsageError;
        QTest::newRow("unknown extension") << QStringList{u"a.txt"_s, u"b.ROD"_s} << ExitStatus::UsageError;
        QTest::newRow("one argument") << QStringList{u"a.ROD"_s} << ExitStatus::UsageError;
        QTest::newRow("three arguments") << QStringList{u"a.ROD"_s, u"b.json"_s, u"c.json"_s} << ExitStatus::UsageError;
    }
    void formatsComeFromTheExtensions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(ExitStatus, status);
        for (QString &argument : arguments)
            argument = path(argument);
        CommandOutput output;
        QCOMPARE(runConvert(arguments, output), status);
        QVERIFY(!output.err.isEmpty());
    }

private:
    QString path(const QString &name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

VELTRA_TEST(ConvertCommandTest)
#include "convertcommand_test.moc"

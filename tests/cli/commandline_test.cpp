#include "cli/commands.h"
#include "clitestfiles.h"
#include "testregistry.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void exitStatusOfEachCommand_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ExitStatus>("status");
        QTest::newRow("nothing") << QStringList{} << ExitStatus::UsageError;
        QTest::newRow("unknown command") << QStringList{u"print"_s} << ExitStatus::UsageError;
        QTest::newRow("help") << QStringList{u"--help"_s} << ExitStatus::Success;
        QTest::newRow("version") << QStringList{u"--version"_s} << ExitStatus::Success;
        QTest::newRow("stats without file") << QStringList{u"stats"_s} << ExitStatus::UsageError;
        QTest::newRow("stats on the golden month")
            << QStringList{u"stats"_s, goldenPath(u"2004_5.ROD"_s)} << ExitStatus::Success;
        QTest::newRow("convert without target") << QStringList{u"convert"_s, u"a.ROD"_s} << ExitStatus::UsageError;
        QTest::newRow("demo without folder") << QStringList{u"demo"_s} << ExitStatus::UsageError;
        QTest::newRow("holidays") << QStringList{u"holidays"_s, u"2026"_s, u"1"_s} << ExitStatus::Success;
        QTest::newRow("holidays without month") << QStringList{u"holidays"_s, u"2026"_s} << ExitStatus::UsageError;
        QTest::newRow("holidays in month 13")
            << QStringList{u"holidays"_s, u"2026"_s, u"13"_s} << ExitStatus::UsageError;
        QTest::newRow("holidays in year 0") << QStringList{u"holidays"_s, u"0"_s, u"1"_s} << ExitStatus::UsageError;
    }
    void exitStatusOfEachCommand()
    {
        QFETCH(QStringList, arguments);
        QFETCH(ExitStatus, status);
        CommandOutput output;
        QCOMPARE(runCommand(arguments, output), status);
        QCOMPARE(output.err.isEmpty(), status == ExitStatus::Success);
        QCOMPARE(output.out.isEmpty(), status != ExitStatus::Success);
        if (status == ExitStatus::UsageError)
            QVERIFY(output.err.startsWith(u"使い方:"_s));
    }

    void holidaysAreListedInDayOrder()
    {
        CommandOutput output;
        QCOMPARE(runCommand({u"holidays"_s, u"2026"_s, u"1"_s}, output), ExitStatus::Success);
        QVERIFY2(
            output.out.startsWith(R"({"year":2026,"month":1,"holidays":[{"day":1,"reason":"元旦","printText":"祝"},)"
                                  R"({"day":3,"reason":"土曜日","printText":"土"},)"),
            output.out.constData());
        QVERIFY(output.out.endsWith("]}\n"));
    }

    // The installed tool, run as the shell runs it: its output streams and exit status.
    void toolRunsFromTheShell_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ExitStatus>("status");
        QTest::addColumn<QByteArray>("stdoutHead");
        QTest::addColumn<QByteArray>("stderrHead");
        QTest::newRow("stats") << QStringList{u"stats"_s, goldenPath(u"2004_5.ROD"_s)} << ExitStatus::Success
                               << QByteArray(R"({"year":2004,"month":5,"countedDays":31,)") << QByteArray();
        QTest::newRow("usage") << QStringList{} << ExitStatus::UsageError << QByteArray() << QByteArray("使い方:");
        QTest::newRow("missing input") << QStringList{u"stats"_s, u"/nonexistent/2004_5.ROD"_s}
                                       << ExitStatus::InputError << QByteArray()
                                       << QByteArray("/nonexistent/2004_5.ROD: ");
    }
    void toolRunsFromTheShell()
    {
        QFETCH(QStringList, arguments);
        QFETCH(ExitStatus, status);
        QFETCH(QByteArray, stdoutHead);
        QFETCH(QByteArray, stderrHead);
        const QString tool = QCoreApplication::applicationDirPath() + u"/../src/veltra-cli"_s;
        if (!QFile::exists(tool))
            QSKIP("veltra-cli is not built next to the tests");
        QProcess process;
        process.start(tool, arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), int(status));
        QVERIFY(process.readAllStandardOutput().startsWith(stdoutHead));
        QVERIFY(process.readAllStandardError().startsWith(stderrHead));
    }

    void outputThatCannotBeWrittenIsAnOutputError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("stats") << QStringList{u"stats"_s, goldenPath(u"2004_5.ROD"_s)};
        QTest::newRow("holidays") << QStringList{u"holidays"_s, u"2026"_s, u"5"_s};
        QTest::newRow("help") << QStringList{u"--help"_s};
    }
    void outputThatCannotBeWrittenIsAnOutputError()
    {
        QFETCH(QStringList, arguments);
        const QString tool = QCoreApplication::applicationDirPath() + u"/../src/veltra-cli"_s;
        if (!QFile::exists(tool) || !QFile::exists(u"/dev/full"_s))
            QSKIP("needs veltra-cli next to the tests and /dev/full");
        QProcess process;
        process.setStandardOutputFile(u"/dev/full"_s);
        process.start(tool, arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), int(ExitStatus::OutputError));
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 u"標準出力に書き込めません: ディスクの空き容量が足りません\n"_s);
    }
};

VELTRA_TEST(CommandLineTest)
#include "commandline_test.moc"

#include "cli/commands.h"
#include "clitestfiles.h"
#include "data/cp932.h"
#include "data/monthfile.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// `veltra-cli reasons`: lists a month's reasons, and gives or clears one only
// when it fits the day's mark, under the month's lock.
class ReasonsCommandTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

    QString monthPath() const { return m_folder.filePath(u"2026_12.ROD"_s); }
    QString reasonsPath() const { return m_folder.filePath(u"2026_12.RSN"_s); }

private slots:
    void init()
    {
        RegisterMonth month;
        month.PupilCount = 2;
        month.Pupils[0] = {1, u"山田一郎"_s, u"男"_s, 0, 0, {}, 0, {}, {}, {}};
        month.Pupils[1] = {2, u"佐藤花子"_s, u"女"_s, 0, 0, {}, 0, {}, {}, {}};
        month.Pupils[0].Marks[2] = u"病"_s;
        month.Pupils[1].Marks[4] = u"ﾁ"_s;
        QVERIFY(MonthFile::save(monthPath(), month).ok);
        QVERIFY(writeFile(reasonsPath(), Cp932::encode(u"3,1,\"山田一郎\",\"病\",\"発熱\",\"\"\r\n"_s)));
        QVERIFY(writeFile(m_folder.filePath(u"REASONS.CSD"_s), Cp932::encode(u"病,\"花粉症\"\r\n"_s)));
    }

    void changesOnlyWhatFits_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<ExitStatus>("status");
        QTest::addColumn<QString>("printed"); // stdout, or a part of stderr when refused
        QTest::addColumn<QString>("reasons"); // the .RSN afterwards; "-" when there is none

        const QString sick = u"3,1,\"山田一郎\",\"病\",\"発熱\",\"\"\r\n"_s;
        QTest::newRow("list") << QStringList{} << false << ExitStatus::Success
                              << u"[{\"day\":3,\"no\":1,\"name\":\"山田一郎\",\"mark\":\"病\","
                                 u"\"categories\":[\"発熱\"],\"text\":\"\"}]\n"_s
                              << sick;
        QTest::newRow("set with text") << QStringList{u"--set"_s,     u"5"_s,      u"2"_s,
                                                      u"腹痛,通院"_s, u"--text"_s, u"歯科"_s}
                                       << false << ExitStatus::Success << QString()
                                       << sick + u"5,2,\"佐藤花子\",\"ﾁ\",\"腹痛|通院\",\"歯科\"\r\n"_s;
        QTest::newRow("school's category")
            << QStringList{u"--set"_s, u"3"_s, u"1"_s, u"花粉症"_s} << false << ExitStatus::Success << QString()
            << u"3,1,\"山田一郎\",\"病\",\"花粉症\",\"\"\r\n"_s;
        QTest::newRow("no mark that day")
            << QStringList{u"--set"_s, u"4"_s, u"1"_s, u"発熱"_s} << false << ExitStatus::OutputError
            << u"4日には理由を付けられる記号がありません"_s << sick;
        QTest::newRow("another mark's category")
            << QStringList{u"--set"_s, u"3"_s, u"1"_s, u"インフルエンザ"_s} << false << ExitStatus::OutputError
            << u"「インフルエンザ」は「病」の理由にありません"_s << sick;
        QTest::newRow("no such pupil") << QStringList{u"--set"_s, u"3"_s, u"9"_s, u"発熱"_s} << false
                                       << ExitStatus::OutputError << u"9番の児童はいません"_s << sick;
        QTest::newRow("clear the last") << QStringList{u"--clear"_s, u"3"_s, u"1"_s} << false << ExitStatus::Success
                                        << u"[]\n"_s << u"-"_s;
        QTest::newRow("month open elsewhere") << QStringList{u"--clear"_s, u"3"_s, u"1"_s} << true
                                              << ExitStatus::OutputError << MonthInUseMessage << sick;
        QTest::newRow("text without --set")
            << QStringList{u"--text"_s, u"x"_s} << false << ExitStatus::UsageError << u"使い方"_s << sick;
    }
    void changesOnlyWhatFits()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, locked);
        QFETCH(QString, printed);
        QFETCH(QString, reasons);
        const QByteArray monthBefore = readFile(monthPath());
        MonthLock elsewhere(monthPath());
        if (locked)
            QCOMPARE(elsewhere.take(), MonthLock::Outcome::Taken);

        CommandOutput output;
        QTEST(
            runCommand(QStringList{u"reasons"_s, monthPath(), u"--work-folder"_s, m_folder.path()} + arguments, output),
            "status");
        if (!output.err.isEmpty())
            QVERIFY2(output.err.contains(printed), qPrintable(output.err));
        else if (!printed.isEmpty())
            QCOMPARE(QString::fromUtf8(output.out), printed);
        QCOMPARE(readFile(monthPath()), monthBefore);
        QCOMPARE(QFile::exists(reasonsPath()), reasons != u"-"_s);
        if (reasons != u"-"_s)
            QCOMPARE(readFile(reasonsPath()), Cp932::encode(reasons));
    }
};

VELTRA_TEST(ReasonsCommandTest)
#include "reasonscommand_test.moc"

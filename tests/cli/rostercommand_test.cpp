#include "../roster/rosterfiles.h"
#include "cli/commands.h"
#include "clitestfiles.h"
#include "data/classlistfile.h"
#include "data/monthfile.h"
#include "data/settingsfile.h"
#include "register/monthlock.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

// veltra-cli roster: the class's month filled from a name list or the roster
// program's files, shown as JSON or written into the month file.
class RosterCommandTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString work() const { return m_folder.filePath(u"work"_s); }
    QString monthPath(const QString &title) const
    {
        return m_folder.filePath(u"data/2026/"_s + title + u"/2026_4.ROD"_s);
    }

    ExitStatus run(const QStringList &arguments, CommandOutput &output) const
    {
        return runCommand(
            QStringList{u"roster"_s, u"--work-folder"_s, work(), u"--year"_s, u"2026"_s, u"--month"_s, u"4"_s}
                + arguments,
            output);
    }

    // veltra-cli roster for 1年1組 in April 2026, as another process runs it.
    QStringList programArguments() const
    {
        return {u"roster"_s, u"--work-folder"_s, work(),     u"--year"_s, u"2026"_s, u"--month"_s,
                u"4"_s,      u"--class"_s,       u"1年1組"_s};
    }

    static QStringList names(const RegisterMonth &month)
    {
        QStringList result;
        for (int i = 0; i < month.PupilCount; ++i)
            result.append(month.Pupils[i].Name + u' ' + month.Pupils[i].Sex);
        return result;
    }

private slots:
    void init()
    {
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(work());
        ProgramSettings settings;
        settings.WorkFolder = work();
        settings.SchoolCode = 1234;
        settings.SchoolName = u"ヴェルトラ小学校"_s;
        settings.DataFolder = u"../data"_s;
        QVERIFY(SettingsFile::save(settings).ok);
        ClassList classes;
        classes.Entries[0] = {OrdinaryClass, 1, 0, u"1"_s, {}, u"1年1組"_s};
        classes.Entries[1] = {OrdinaryClass, 2, 0, u"1"_s, {}, u"2年1組"_s};
        classes.ClassCount = 2;
        QVERIFY(ClassListFile::save(work(), classes).ok);
        writeRosterTestFile(m_folder.filePath(u"names.csv"_s),
                            u"氏名,性別\r\n山田　太郎,男\r\n髙橋　花子,女\r\n"_s.toUtf8());
    }

    void showsTheImportWithoutWriting()
    {
        CommandOutput output;
        const QStringList arguments{u"--class"_s,   u"1年1組"_s, u"--from"_s,
                                    u"text"_s,      u"--file"_s, m_folder.filePath(u"names.csv"_s),
                                    u"--with-sex"_s};
        QCOMPARE(run(arguments, output), ExitStatus::Success);
        QCOMPARE(output.out,
                 u"{\"class\":\"1年1組\",\"year\":2026,\"month\":4,\"pupils\":["
                 "{\"name\":\"山田　太郎\",\"sex\":\"男\",\"rosterNo\":0,\"grade\":0},"
                 "{\"name\":\"髙橋　花子\",\"sex\":\"女\",\"rosterNo\":0,\"grade\":0}],\"messages\":[]}\n"_s.toUtf8());
        QVERIFY(!QFile::exists(monthPath(u"1年1組"_s)));
    }

    void writesANewMonthAndReplacesOnlyWhenAsked()
    {
        CommandOutput output;
        const QStringList arguments{u"--class"_s,    u"1年1組"_s, u"--from"_s,
                                    u"text"_s,       u"--file"_s, m_folder.filePath(u"names.csv"_s),
                                    u"--with-sex"_s, u"--write"_s};
        QCOMPARE(run(arguments, output), ExitStatus::Success);
        RegisterMonth month;
        QVERIFY(MonthFile::load(monthPath(u"1年1組"_s), month).ok());
        QCOMPARE(names(month), (QStringList{u"山田　太郎 男"_s, u"髙橋　花子 女"_s}));
        QVERIFY(month.HolidayCount > 0); // April 2026: weekends and 昭和の日

        CommandOutput again;
        QCOMPARE(run(arguments, again), ExitStatus::OutputError);
        QVERIFY(again.err.contains(u"--replace"_s));
        CommandOutput replaced;
        QCOMPARE(run(arguments + QStringList{u"--replace"_s}, replaced), ExitStatus::Success);
        QVERIFY(MonthFile::load(monthPath(u"1年1組"_s), month).ok());
        QCOMPARE(month.PupilCount, 2);
    }

    // A leftover decoded copy goes only when a real import has succeeded.
    void fillsEveryClassFromTheRosterFiles()
    {
        RosterBuilder first;
        first.schoolCode = 1234;
        writeRosterTestFile(m_folder.filePath(u"data/2026/2026_1.STD"_s), first.add(u"一年"_s, u"1"_s, 1, 5).plain());
        RosterBuilder second;
        second.schoolCode = 1234;
        writeRosterTestFile(m_folder.filePath(u"data/2026/2026_2.STD"_s), second.add(u"二年"_s, u"1"_s).plain());
        const QString decodedCopy = QDir(work()).filePath(u"MEIBO_L.STD"_s);
        writeRosterTestFile(decodedCopy, "old names");

        CommandOutput preview;
        QCOMPARE(run({u"--all-classes"_s, u"--from"_s, u"roster"_s}, preview), ExitStatus::Success);
        QVERIFY(QFile::exists(decodedCopy));
        CommandOutput output;
        QCOMPARE(run({u"--all-classes"_s, u"--from"_s, u"roster"_s, u"--write"_s}, output), ExitStatus::Success);
        QCOMPARE(output.out,
                 u"[{\"class\":\"1年1組\",\"year\":2026,\"month\":4,\"pupils\":["
                 "{\"name\":\"一年\",\"sex\":\"女\",\"rosterNo\":5,\"grade\":1}],\"messages\":[]},"
                 "{\"class\":\"2年1組\",\"year\":2026,\"month\":4,\"pupils\":["
                 "{\"name\":\"二年\",\"sex\":\"男\",\"rosterNo\":0,\"grade\":2}],\"messages\":[]}]\n"_s.toUtf8());
        QCOMPARE(output.out, preview.out);
        QVERIFY(!QFile::exists(decodedCopy));

        writeRosterTestFile(m_folder.filePath(u"data/2026/2026_2.STD"_s), "10,1234,\"cut short");
        CommandOutput broken;
        QCOMPARE(run({u"--class"_s, u"2年1組"_s, u"--from"_s, u"roster"_s}, broken), ExitStatus::InputError);
        QVERIFY(broken.err.contains(u"2026_2.STD"_s));
        QVERIFY(broken.out.isEmpty());
    }

    // An import that has nothing to give, is refused, or meets the month open
    // elsewhere leaves the month file byte for byte, whatever --replace says.
    void nothingIsWrittenWhen_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("rosterFile"); // 2026_1.STD, when not empty
        QTest::addColumn<QString>("dataFolder");    // ROLL.SEW's, when not empty
        QTest::addColumn<bool>("monthLocked");
        QTest::addColumn<ExitStatus>("status");
        QTest::addColumn<QString>("message");
        const QString names = m_folder.filePath(u"names.csv"_s);
        const QString refused = m_folder.filePath(u"refused.csv"_s);
        const QStringList text{u"--from"_s, u"text"_s, u"--file"_s};
        RosterBuilder otherSchool;
        otherSchool.schoolCode = 999;
        RosterBuilder otherClass;
        otherClass.schoolCode = 1234;
        QTest::newRow("refused lines") << text + QStringList{refused} << QByteArray() << QString() << false
                                       << ExitStatus::OutputError << u"次の行を読み込めないため"_s;
        QTest::newRow("no such list") << text + QStringList{m_folder.filePath(u"none.csv"_s)} << QByteArray()
                                      << QString() << false << ExitStatus::InputError << u"none.csv"_s;
        QTest::newRow("no last month") << QStringList{u"--from"_s, u"last-month"_s} << QByteArray() << QString()
                                       << false << ExitStatus::InputError << u"先月のデータは、有りません"_s;
        QTest::newRow("no roster file") << QStringList{u"--from"_s, u"roster"_s} << QByteArray() << QString() << false
                                        << ExitStatus::InputError << u"児童・生徒名簿のファイルがありません"_s;
        QTest::newRow("another school's roster")
            << QStringList{u"--from"_s, u"roster"_s} << otherSchool.add(u"他校"_s, u"1"_s).plain() << QString() << false
            << ExitStatus::OutputError << u"名簿データの学校コードが違います"_s;
        QTest::newRow("nobody of the class")
            << QStringList{u"--from"_s, u"roster"_s} << otherClass.add(u"二組"_s, u"2"_s).plain() << QString() << false
            << ExitStatus::InputError << u"読み込める児童がいない"_s;
        QTest::newRow("data folder of a Windows PC")
            << text + QStringList{names, u"--with-sex"_s} << QByteArray() << u"C:\\ROLL\\DATA"_s << false
            << ExitStatus::InputError << u"保存データ用フォルダーが見つかりません: C:\\ROLL\\DATA"_s;
        QTest::newRow("month open elsewhere") << text + QStringList{names, u"--with-sex"_s} << QByteArray() << QString()
                                              << true << ExitStatus::OutputError << MonthInUseMessage;
    }
    void nothingIsWrittenWhen()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, rosterFile);
        QFETCH(QString, dataFolder);
        QFETCH(bool, monthLocked);
        QFETCH(QString, message);
        writeRosterTestFile(m_folder.filePath(u"refused.csv"_s), "山田,男,余分\r\n");
        if (!rosterFile.isEmpty())
            writeRosterTestFile(m_folder.filePath(u"data/2026/2026_1.STD"_s), rosterFile);
        const QString month = monthPath(u"1年1組"_s);
        CommandOutput first;
        QCOMPARE(run({u"--class"_s, u"1年1組"_s, u"--from"_s, u"text"_s, u"--file"_s, m_folder.filePath(u"names.csv"_s),
                      u"--with-sex"_s, u"--write"_s},
                     first),
                 ExitStatus::Success);
        const QByteArray before = readFile(month);
        if (!dataFolder.isEmpty()) {
            ProgramSettings settings;
            settings.WorkFolder = work();
            QVERIFY(SettingsFile::load(settings).ok());
            settings.DataFolder = dataFolder;
            QVERIFY(SettingsFile::save(settings).ok);
        }
        MonthLock elsewhere(month);
        if (monthLocked)
            QCOMPARE(elsewhere.take(), MonthLock::Outcome::Taken);

        const ProgramRun other = runProgram(programArguments() + QStringList{u"--write"_s, u"--replace"_s} + arguments);
        QTEST(ExitStatus(other.exitCode), "status");
        QVERIFY2(other.err.contains(message), qPrintable(other.err));
        QCOMPARE(readFile(month), before);
        QCOMPARE(QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{u"CLASS.CSD"_s, u"ROLL.SEW"_s}));
    }

    // Two imports started together into one new month: the lock lets one in,
    // and the other then finds pupils there and keeps its hands off.
    void concurrentImportsNeverBothSucceed()
    {
        const QStringList arguments =
            programArguments() + QStringList{u"--from"_s,     u"text"_s,
                                             u"--file"_s,     m_folder.filePath(u"names.csv"_s),
                                             u"--with-sex"_s, u"--write"_s};
        for (int round = 0; round < 8; ++round) {
            QFile::remove(monthPath(u"1年1組"_s));
            QProcess first;
            QProcess second;
            startProgram(first, arguments);
            startProgram(second, arguments);
            const ProgramRun one = finishProgram(first);
            const ProgramRun other = finishProgram(second);
            QCOMPARE(QList<int>({one.exitCode, other.exitCode}).count(int(ExitStatus::Success)), 1);
            RegisterMonth month;
            QVERIFY(MonthFile::load(monthPath(u"1年1組"_s), month).ok());
            QCOMPARE(month.PupilCount, 2);
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ExitStatus>("status");
        QTest::newRow("no source") << QStringList{u"--class"_s, u"1年1組"_s} << ExitStatus::UsageError;
        QTest::newRow("text without file")
            << QStringList{u"--class"_s, u"1年1組"_s, u"--from"_s, u"text"_s} << ExitStatus::UsageError;
        QTest::newRow("class and all classes")
            << QStringList{u"--class"_s, u"1年1組"_s, u"--all-classes"_s, u"--from"_s, u"roster"_s}
            << ExitStatus::UsageError;
        QTest::newRow("replace without write")
            << QStringList{u"--class"_s, u"1年1組"_s, u"--from"_s, u"roster"_s, u"--replace"_s}
            << ExitStatus::UsageError;
        QTest::newRow("unknown class") << QStringList{u"--class"_s, u"9年9組"_s, u"--from"_s, u"roster"_s}
                                       << ExitStatus::InputError;
        QTest::newRow("missing list") << QStringList{u"--class"_s, u"1年1組"_s, u"--from"_s,
                                                     u"text"_s,    u"--file"_s, u"/nonexistent/names.txt"_s}
                                      << ExitStatus::InputError;
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        CommandOutput output;
        QTEST(run(arguments, output), "status");
        QVERIFY(output.out.isEmpty());
        QVERIFY(!output.err.isEmpty());
    }
};

VELTRA_TEST(RosterCommandTest)
#include "rostercommand_test.moc"

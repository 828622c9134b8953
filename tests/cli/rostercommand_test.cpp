#include "../roster/rosterfiles.h"
#include "cli/commands.h"
#include "data/classlistfile.h"
#include "data/monthfile.h"
#include "data/settingsfile.h"
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

    void fillsEveryClassFromTheRosterFiles()
    {
        RosterBuilder first;
        first.schoolCode = 1234;
        writeRosterTestFile(m_folder.filePath(u"data/2026/2026_1.STD"_s), first.add(u"一年"_s, u"1"_s, 1, 5).plain());
        RosterBuilder other;
        other.schoolCode = 999;
        writeRosterTestFile(m_folder.filePath(u"data/2026/2026_2.STD"_s), other.add(u"他校"_s, u"1"_s).plain());
        CommandOutput output;
        QCOMPARE(run({u"--all-classes"_s, u"--from"_s, u"roster"_s, u"--write"_s}, output), ExitStatus::Success);
        QCOMPARE(output.out, u"[{\"class\":\"1年1組\",\"year\":2026,\"month\":4,\"pupils\":["
                             "{\"name\":\"一年\",\"sex\":\"女\",\"rosterNo\":5,\"grade\":1}],\"messages\":[]},"
                             "{\"class\":\"2年1組\",\"year\":2026,\"month\":4,\"pupils\":[],"
                             "\"messages\":[\"名簿データの学校コードが違います\"]}]\n"_s.toUtf8());
        RegisterMonth month;
        QVERIFY(MonthFile::load(monthPath(u"2年1組"_s), month).ok());
        QCOMPARE(month.PupilCount, 0);

        writeRosterTestFile(m_folder.filePath(u"data/2026/2026_2.STD"_s), "10,1234,\"cut short");
        CommandOutput broken;
        QCOMPARE(run({u"--class"_s, u"2年1組"_s, u"--from"_s, u"roster"_s}, broken), ExitStatus::InputError);
        QVERIFY(broken.err.contains(u"2026_2.STD"_s));
        QVERIFY(broken.out.isEmpty());
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

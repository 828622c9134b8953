#include "calendar/era.h"
#include "cli/commands.h"
#include "clitestfiles.h"
#include "data/classlistfile.h"
#include "data/monthfile.h"
#include "data/settingsfile.h"
#include "demo/demoschoolyear.h"
#include "demo/demoworkfolder.h"
#include "register/monthstatistics.h"
#include "roster/classlistedit.h"
#include "testregistry.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList namesOf(const RegisterMonth &month)
{
    QStringList names;
    for (int i = 0; i < month.PupilCount; ++i)
        names.append(month.Pupils[i].Name);
    return names;
}

} // namespace

class DemoTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        CommandOutput output;
        QCOMPARE(runDemo({workFolder()}, output), ExitStatus::Success);
        QCOMPARE(output.err, QString());
    }

    void settingsLoadBack()
    {
        ProgramSettings settings;
        settings.WorkFolder = workFolder();
        const LoadResult loaded = SettingsFile::load(settings);
        QVERIFY2(loaded.ok(), qPrintable(loaded.describe()));
        QCOMPARE(settings.DataFolder, QDir(workFolder()).filePath(u"data"_s));
        QVERIFY(settings.SchoolCode > 0);
        QVERIFY(!settings.SchoolName.isEmpty());
    }

    // One ordinary class a grade and a class of each other kind, in the class
    // list window's order, each with a school year of registers, so that the
    // demo goes into a new school year with every part of a plan.
    void classesGoIntoANewSchoolYear()
    {
        ClassList list;
        const LoadResult loaded = ClassListFile::load(workFolder(), list);
        QVERIFY2(loaded.ok(), qPrintable(loaded.describe()));
        QStringList titles;
        for (int i = 0; i < list.ClassCount; ++i) {
            titles.append(list.Entries[i].Title);
            QVERIFY(QFileInfo::exists(workFolder() + u"/data/2026/%1/2027_3.ROD"_s.arg(list.Entries[i].Title)));
        }
        QCOMPARE(titles, (QStringList{u"1年2組"_s, u"2年2組"_s, u"3年2組"_s, u"4年2組"_s, u"5年2組"_s, u"6年2組"_s,
                                      u"3・4年"_s, u"ひまわり(知的)"_s}));
        ClassList sorted = list;
        SortClassList(sorted);
        QCOMPARE(sorted, list);

        CommandOutput output;
        QCOMPARE(runNewYear({u"--work-folder"_s, workFolder(), u"--school-year"_s, u"2026"_s}, output),
                 ExitStatus::Success);
        const QJsonObject plan = QJsonDocument::fromJson(output.out).object();
        QStringList moves;
        for (const QJsonValue &move : plan[u"moves"_s].toArray())
            moves.append(move[u"from"_s].toString() + u'>' + move[u"to"_s].toString() + u' '
                         + QString::number(move[u"pupils"_s].toArray().size()));
        QCOMPARE(moves, (QStringList{u"1年2組>2年2組 30"_s, u"2年2組>3年2組 24"_s, u"3年2組>4年2組 25"_s,
                                     u"4年2組>5年2組 26"_s, u"5年2組>6年2組 27"_s, u"3・4年>3・4年 5"_s,
                                     u"ひまわり(知的)>ひまわり(知的) 4"_s}));
        QCOMPARE(plan[u"graduates"_s].toArray().size(), 2);
        QCOMPARE(plan[u"notPlaced"_s].toArray().size(), 4);
        QCOMPARE(plan[u"skipped"_s].toArray().size(), 0);
    }

    void monthsCountTheClassChanges_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("pupils");
        QTest::addColumn<int>("atStart");
        QTest::addColumn<int>("atEnd");
        QTest::addColumn<int>("transfersIn");
        QTest::addColumn<int>("transfersOut");
        QTest::addColumn<bool>("monthOff");
        const struct
        {
            int year, month, pupils, atStart, atEnd, in, out;
        } months[] = {
            {2026, 4, 30, 30, 30, 0, 0},  {2026, 5, 30, 30, 30, 0, 0},  {2026, 6, 30, 30, 30, 0, 0},
            {2026, 7, 30, 30, 30, 0, 0},  {2026, 8, 30, 30, 30, 0, 0},  {2026, 9, 30, 30, 30, 0, 0},
            {2026, 10, 31, 30, 31, 1, 0}, {2026, 11, 31, 31, 31, 0, 0}, {2026, 12, 31, 31, 31, 0, 0},
            {2027, 1, 31, 31, 30, 0, 1},  {2027, 2, 30, 30, 30, 0, 0},  {2027, 3, 30, 30, 30, 0, 0},
        };
        for (const auto &m : months) {
            const QString name = u"%1_%2.ROD"_s.arg(m.year).arg(m.month);
            QTest::newRow(qPrintable(name))
                << name << m.pupils << m.atStart << m.atEnd << m.in << m.out << (m.month == 8);
        }
    }
    void monthsCountTheClassChanges()
    {
        QFETCH(QString, fileName);
        QFETCH(int, pupils);
        QFETCH(int, atStart);
        QFETCH(int, atEnd);
        QFETCH(int, transfersIn);
        QFETCH(int, transfersOut);
        QFETCH(bool, monthOff);
        RegisterMonth month;
        const LoadResult loaded = MonthFile::load(monthFolder().filePath(fileName), month);
        QVERIFY2(loaded.ok(), qPrintable(loaded.describe()));
        QCOMPARE(month.PupilCount, pupils);
        QVERIFY(!month.TeacherName.isEmpty());

        const int year = fileName.left(4).toInt();
        const int monthNumber = fileName.mid(5).section(u'.', 0, 0).toInt();
        MonthStatistics stats;
        computeMonthStatistics(month, JapaneseEra::heiseiFromGregorian(year), monthNumber, stats);
        QCOMPARE(stats.StartBoys + stats.StartGirls, atStart);
        QCOMPARE(stats.EndBoys + stats.EndGirls, atEnd);
        QCOMPARE(stats.Changes[ChangeKind::TransferIn], transfersIn);
        QCOMPARE(stats.Changes[ChangeKind::TransferOut], transfersOut);
        QCOMPARE(month.MonthOffFlag == 1, monthOff);
        QCOMPARE(stats.SchoolDays == 0, monthOff);
        QVERIFY(stats.totalAbsent() > 0 || monthOff);
    }

    void joinerStaysAndLeaverGoes()
    {
        const QList<DemoSchoolYear::Month> year = DemoSchoolYear::months();
        const auto monthOf = [&](int number) {
            return std::find_if(year.cbegin(), year.cend(), [&](const auto &m) { return m.month == number; })->data;
        };
        const RegisterMonth joining = monthOf(DemoSchoolYear::JoiningMonth);
        const PupilRecord &joiner = joining.Pupils[joining.PupilCount - 1];
        QCOMPARE(joiner.InKind, u"入"_s);
        for (int d = 0; d < joiner.InDay; ++d)
            QVERIFY(joiner.Marks[d].isEmpty());
        const RegisterMonth after = monthOf(DemoSchoolYear::JoiningMonth + 1);
        QCOMPARE(after.Pupils[after.PupilCount - 1].Name, joiner.Name);
        QCOMPARE(after.Pupils[after.PupilCount - 1].InKind, QString());

        const RegisterMonth leaving = monthOf(DemoSchoolYear::LeavingMonth);
        const PupilRecord &leaver = leaving.Pupils[DemoSchoolYear::LeavingPupilIndex];
        QCOMPARE(leaver.OutKind, u"転"_s);
        for (int d = leaver.OutDay + 1; d < DaySlots; ++d)
            QVERIFY(leaver.Marks[d].isEmpty());
        QVERIFY(!namesOf(monthOf(DemoSchoolYear::LeavingMonth + 1)).contains(leaver.Name));
        QVERIFY(namesOf(monthOf(12)).contains(leaver.Name)); // the month before
    }

    void secondRunWritesTheSameFiles()
    {
        QTemporaryDir again;
        QVERIFY(DemoWorkFolder::write(again.path()).ok);
        const QDir first(workFolder() + u"/data"_s);
        QDirIterator files(first.path(), {u"*.ROD"_s}, QDir::Files, QDirIterator::Subdirectories);
        int count = 0;
        for (; files.hasNext(); ++count) {
            const QString file = first.relativeFilePath(files.next());
            QCOMPARE(readFile(again.filePath(u"data/"_s + file)), readFile(first.filePath(file)));
        }
        QCOMPARE(count, 8 * 12);
    }

    // A school's own files are never replaced by the demo's.
    void refusesAFolderInUse_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::newRow("settings") << u"ROLL.SEW"_s;
        QTest::newRow("class list") << u"CLASS.CSD"_s;
        QTest::newRow("data folder") << u"data"_s;
    }
    void refusesAFolderInUse()
    {
        QFETCH(QString, existing);
        QTemporaryDir school;
        const QString path = QDir(school.path()).filePath(existing);
        QVERIFY(existing == u"data"_s ? QDir().mkdir(path) : writeFile(path, "school's own"));
        CommandOutput output;
        QCOMPARE(runDemo({school.path()}, output), ExitStatus::OutputError);
        QVERIFY2(output.err.contains(existing), qPrintable(output.err));
        QCOMPARE(QDir(school.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{existing});
        if (existing != u"data"_s)
            QCOMPARE(readFile(path), QByteArray("school's own"));
    }

    void unwritableFolderIsReported()
    {
        const QString blocker = m_folder.filePath(u"plain-file"_s);
        QVERIFY(writeFile(blocker, "x"));
        CommandOutput output;
        QCOMPARE(runDemo({QDir(blocker).filePath(u"work"_s)}, output), ExitStatus::OutputError);
        QVERIFY2(output.err.contains(u"plain-file"_s), qPrintable(output.err));
    }

private:
    QString workFolder() const { return m_folder.filePath(u"work"_s); }
    QDir monthFolder() const { return QDir(workFolder() + u"/data/2026/1年2組"_s); }

    QTemporaryDir m_folder;
};

VELTRA_TEST(DemoTest)
#include "demo_test.moc"

#include "calendar/nationalholidays.h"
#include "data/monthfile.h"
#include "register/monthlock.h"
#include "roster/newschoolyear.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The new school year: the carrying rules of the plan, and the April registers
// written from it.
class NewSchoolYearTest : public QObject
{
    Q_OBJECT

private:
    // "title;kind;grade;grade2;class name;pupils", pupils as "name/grade" or
    // "name/grade/転" separated by blanks; "-" for a class without a month to read.
    static ClassList classesOf(const QStringList &descriptions, QList<ClassYearEnd> &yearEnds)
    {
        ClassList classes;
        for (const QString &description : descriptions) {
            const QStringList items = description.split(u';');
            ClassEntry &entry = classes.Entries[classes.ClassCount++];
            entry.Title = items[0];
            entry.Kind = qint16(items[1].toInt());
            entry.Grade = qint16(items[2].toInt());
            entry.Grade2 = qint16(items[3].toInt());
            entry.ClassName = items[4];
            ClassYearEnd &yearEnd = yearEnds.emplace_back();
            yearEnd.read = items[5] != u"-"_s;
            for (const QString &pupilSpec : items[5].split(u' ', Qt::SkipEmptyParts)) {
                const QStringList fields = pupilSpec.split(u'/');
                if (fields.size() < 2)
                    continue;
                PupilRecord pupil;
                pupil.Name = fields[0];
                pupil.Grade = qint16(fields[1].toInt());
                pupil.OutKind = fields.value(2);
                pupil.Marks[0] = u"病"_s;
                yearEnd.pupils.append(pupil);
            }
        }
        return classes;
    }

    static QStringList linesOf(const NewYearPlan &plan)
    {
        QStringList lines;
        for (const NewYearMove &item : plan.moves) {
            QStringList pupils;
            for (const PupilRecord &pupil : item.pupils)
                pupils.append(u"%1/%2"_s.arg(pupil.Name).arg(pupil.Grade));
            lines.append(u"move %1>%2: %3"_s.arg(item.from, item.to, pupils.join(u' ')));
        }
        for (const NewYearGraduates &item : plan.graduates)
            lines.append(u"graduates %1: %2"_s.arg(item.classTitle).arg(item.pupils));
        for (const NewYearNotPlaced &item : plan.notPlaced)
            lines.append(u"notPlaced %1: %2/%3"_s.arg(item.classTitle, item.name).arg(item.grade));
        for (const NewYearSkipped &item : plan.skipped)
            lines.append(u"skipped %1: %2"_s.arg(item.classTitle, item.reason));
        return lines;
    }

    static ProgramSettings settingsIn(const QTemporaryDir &work)
    {
        ProgramSettings settings;
        settings.WorkFolder = work.path();
        settings.DataFolder = work.filePath(u"data"_s);
        return settings;
    }

    // The ordinary classes 1年1組 to <top>年1組.
    static ClassList firstClassesUpTo(int top)
    {
        ClassList classes;
        for (int grade = 1; grade <= top; ++grade)
            classes.Entries[classes.ClassCount++] = {OrdinaryClass,          qint16(grade), 0, u"1"_s, {},
                                                     u"%1年1組"_s.arg(grade)};
        return classes;
    }

    static QString writeMonth(const ProgramSettings &settings, int schoolYear, const QString &title, int year,
                              int month, const QStringList &names)
    {
        const QString folder = QDir(settings.DataFolder).filePath(u"%1/%2"_s.arg(schoolYear).arg(title));
        QDir().mkpath(folder);
        RegisterMonth contents;
        contents.TeacherName = u"担任"_s;
        for (const QString &name : names) {
            PupilRecord &pupil = contents.Pupils[contents.PupilCount++];
            pupil.Name = name;
            pupil.Sex = u"女"_s;
            pupil.RosterNo = qint16(contents.PupilCount);
            pupil.Marks[2] = u"欠"_s;
        }
        const QString path = QDir(folder).filePath(MonthFile::fileName(year, month));
        MonthFile::save(path, contents);
        return path;
    }

    static QByteArray readBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void plansByTheCarryingRules_data()
    {
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<QStringList>("aprilsWithPupils");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("ordinary classes move up; leavers stay behind; the top grade graduates")
            << QStringList{u"1年1組;0;1;0;1;山田/0 川口/0/転 佐藤/3"_s, u"2年1組;0;2;0;1;木村/0 森/0"_s}
            << QStringList{} << QStringList{u"move 1年1組>2年1組: 山田/0 佐藤/3"_s, u"graduates 2年1組: 2"_s};
        QTest::newRow("an ordinary class without the class above is skipped")
            << QStringList{u"1年2組;0;1;0;2;山田/0"_s, u"2年1組;0;2;0;1;-"_s, u"6年1組;0;6;0;1;森/0"_s} << QStringList{}
            << QStringList{u"graduates 6年1組: 1"_s, u"skipped 1年2組: 移る先のクラスがありません"_s,
                           u"skipped 2年1組: 読み込める出席簿がありません"_s};
        QTest::newRow("a special-support class keeps its pupils a grade up; top grade 6 without ordinary classes")
            << QStringList{u"ひまわり;1;0;0;ひまわり;山田/1 森/6 谷/0 川口/5/退"_s} << QStringList{}
            << QStringList{u"move ひまわり>ひまわり: 山田/2"_s, u"graduates ひまわり: 1"_s,
                           u"notPlaced ひまわり: 谷/0"_s};
        QTest::newRow("multi-grade classes hand pupils on, in the class list's order of the sources")
            << QStringList{u"3年1組;0;3;0;1;-"_s, u"6年1組;0;6;0;1;-"_s, u"3・4年;2;3;4;1;森/3"_s,
                           u"1・2年;2;1;2;1;山田/1 川口/2"_s}
            << QStringList{}
            << QStringList{u"move 3・4年>3・4年: 森/4"_s, u"move 1・2年>1・2年: 山田/2"_s,
                           u"move 1・2年>3・4年: 川口/3"_s, u"skipped 3年1組: 読み込める出席簿がありません"_s,
                           u"skipped 6年1組: 読み込める出席簿がありません"_s};
        QTest::newRow("a multi-grade pupil with no or two classes of the new grade is not placed")
            << QStringList{u"5年1組;0;5;0;1;-"_s, u"1・2年;2;1;2;1;川口/2"_s, u"3・4年;2;3;4;1;谷/4"_s,
                           u"3年;2;3;0;2;-"_s}
            << QStringList{}
            << QStringList{u"notPlaced 1・2年: 川口/3"_s, u"notPlaced 3・4年: 谷/5"_s,
                           u"skipped 5年1組: 読み込める出席簿がありません"_s,
                           u"skipped 3年: 読み込める出席簿がありません"_s};
        QTest::newRow("a target whose April has pupils is left alone")
            << QStringList{u"1年1組;0;1;0;1;山田/0"_s, u"2年1組;0;2;0;1;森/0"_s, u"3年1組;0;3;0;1;谷/0"_s}
            << QStringList{u"2年1組"_s}
            << QStringList{u"move 2年1組>3年1組: 森/0"_s, u"graduates 3年1組: 1"_s,
                           u"skipped 2年1組: 4月の出席簿に児童がいます"_s};
    }

    void plansByTheCarryingRules()
    {
        QFETCH(QStringList, classes);
        QFETCH(QStringList, aprilsWithPupils);
        QFETCH(QStringList, expected);
        QList<ClassYearEnd> yearEnds;
        const ClassList list = classesOf(classes, yearEnds);
        for (int i = 0; i < list.ClassCount; ++i) {
            if (aprilsWithPupils.contains(list.Entries[i].Title))
                yearEnds[i].aprilRefusal = AprilHasPupilsReason;
        }
        const NewYearPlan plan = planNewSchoolYear(list, yearEnds, 2025);
        QCOMPARE(linesOf(plan), expected);
        for (const NewYearMove &item : plan.moves) {
            for (const PupilRecord &pupil : item.pupils)
                QVERIFY(pupil.Marks[0].isEmpty() && pupil.OutKind.isEmpty());
        }
    }

    void targetTakesItsSourcesInClassListOrder()
    {
        QList<ClassYearEnd> yearEnds;
        const ClassList list = classesOf({u"3・4年;2;3;4;1;森/3"_s, u"1・2年;2;1;2;1;川口/2"_s}, yearEnds);
        const QList<NewYearTarget> targets = planNewSchoolYear(list, yearEnds, 2025).targets();
        QCOMPARE(targets.size(), 1);
        QCOMPARE(targets[0].classTitle, u"3・4年"_s);
        QCOMPARE(targets[0].pupils.size(), 2);
        QCOMPARE(targets[0].pupils[0].Name, u"森"_s);
        QCOMPARE(targets[0].pupils[1].Name, u"川口"_s);
    }

    // March read over an empty February; April written with the calendar's days
    // off; a second plan leaves the filled April alone; a locked target stops the
    // writing with the files before it kept.
    void writesAprilFromTheLastReadableMonth()
    {
        QTemporaryDir work;
        const ProgramSettings settings = settingsIn(work);
        const ClassList classes = firstClassesUpTo(3);
        writeMonth(settings, 2025, u"1年1組"_s, 2026, 2, {u"山田"_s, u"森"_s});
        writeMonth(settings, 2025, u"1年1組"_s, 2026, 3, {});
        writeMonth(settings, 2025, u"2年1組"_s, 2026, 3, {u"谷"_s});

        const NewYearPlan plan = planNewSchoolYear(classes, readClassYearEnds(settings, classes, 2025), 2025);
        QCOMPARE(linesOf(plan), (QStringList{u"move 1年1組>2年1組: 山田/0 森/0"_s, u"move 2年1組>3年1組: 谷/0"_s,
                                             u"skipped 3年1組: 読み込める出席簿がありません"_s}));

        MonthLock other(newYearAprilPath(settings, 2025, u"3年1組"_s));
        QDir().mkpath(QFileInfo(newYearAprilPath(settings, 2025, u"3年1組"_s)).absolutePath());
        QCOMPARE(other.take(), MonthLock::Outcome::Taken);
        const NewYearWriteResult result = writeNewSchoolYear(settings, plan);
        QCOMPARE(result.written.size(), 1);
        QCOMPARE(result.written[0].path, newYearAprilPath(settings, 2025, u"2年1組"_s));
        QCOMPARE(result.notWritten, QStringList{u"3年1組"_s});
        QCOMPARE(result.failure, MonthInUseMessage);

        RegisterMonth april;
        QVERIFY(MonthFile::load(result.written[0].path, april).ok());
        QCOMPARE(int(april.PupilCount), 2);
        QCOMPARE(april.Pupils[1].Name, u"森"_s);
        QCOMPARE(april.Pupils[1].Sex, u"女"_s);
        QCOMPARE(int(april.Pupils[1].RosterNo), 2);
        QVERIFY(april.Pupils[1].Marks[2].isEmpty());
        QVERIFY(april.TeacherName.isEmpty());
        const QList<HolidayEntry> daysOff = nationalHolidays(2026, 4);
        QCOMPARE(int(april.HolidayCount), int(daysOff.size()));
        QCOMPARE(april.HolidayList[0], daysOff[0]);

        const NewYearPlan again = planNewSchoolYear(classes, readClassYearEnds(settings, classes, 2025), 2025);
        QVERIFY(linesOf(again).contains(u"skipped 2年1組: 4月の出席簿に児童がいます"_s));
    }

    // 元に戻す takes back only what is still as written and not open elsewhere;
    // an April that was there without pupils gets its holidays and teacher back.
    void undoTakesBackUnchangedFilesOnly()
    {
        QTemporaryDir work;
        const ProgramSettings settings = settingsIn(work);
        const ClassList classes = firstClassesUpTo(5);
        for (int grade = 1; grade <= 4; ++grade)
            writeMonth(settings, 2025, u"%1年1組"_s.arg(grade), 2026, 3, {u"児童%1"_s.arg(grade)});
        const QString emptyApril = writeMonth(settings, 2026, u"5年1組"_s, 2026, 4, {});
        const QByteArray emptyAprilBytes = readBytes(emptyApril);
        const NewYearPlan plan = planNewSchoolYear(classes, readClassYearEnds(settings, classes, 2025), 2025);
        const NewYearWriteResult result = writeNewSchoolYear(settings, plan);
        QCOMPARE(result.written.size(), 4);
        QCOMPARE(result.written[3].path, emptyApril);

        RegisterMonth changed;
        QVERIFY(MonthFile::load(result.written[1].path, changed).ok());
        changed.TeacherName = u"担任"_s;
        QVERIFY(MonthFile::save(result.written[1].path, changed).ok);
        MonthLock other(result.written[2].path);
        QCOMPARE(other.take(), MonthLock::Outcome::Taken);

        QCOMPARE(undoNewSchoolYear(result.written), (QStringList{result.written[1].path, result.written[2].path}));
        QVERIFY(!QFileInfo::exists(result.written[0].path));
        QVERIFY(QFileInfo::exists(result.written[2].path));
        QCOMPARE(readBytes(emptyApril), emptyAprilBytes);
    }
};

VELTRA_TEST(NewSchoolYearTest)
#include "newschoolyear_test.moc"

#include "data/classlistfile.h"
#include "data/cp932.h"
#include "data/monthfile.h"
#include "data/reasonfile.h"
#include "school/schoolday.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate Day{2026, 12, 9};
constexpr int DayIndex = 8;

} // namespace

// The school's day from the files of a work folder.
class SchoolDayTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    ProgramSettings m_settings;
    ClassList m_classes;

    QString monthPath(int classIndex) const { return classMonthPath(m_settings, m_classes.Entries[classIndex], Day); }

    void writeMonth(int classIndex, const RegisterMonth &month)
    {
        QDir().mkpath(QFileInfo(monthPath(classIndex)).absolutePath());
        QVERIFY(MonthFile::save(monthPath(classIndex), month).ok);
        QVERIFY(ReasonFile::save(monthPath(classIndex), month).ok);
    }

private slots:
    void init()
    {
        m_settings = {};
        m_settings.WorkFolder = m_work.path();
        m_settings.DataFolder = u"data"_s; // relative to the work folder
        m_classes = {};
        const ClassEntry entries[] = {
            {OrdinaryClass, 1, 0, u"1"_s, {}, u"1年1組"_s},
            {OrdinaryClass, 1, 0, u"2"_s, {}, u"1年2組"_s},
            {OrdinaryClass, 2, 0, u"1"_s, {}, u"2年1組"_s},
            {SpecialSupportClass, 0, 0, u"なかよし"_s, u"知的"_s, u"なかよし(知的)"_s},
            {MultiGradeClass, 3, 4, {}, {}, u"3・4年"_s},
        };
        for (const ClassEntry &entry : entries)
            m_classes.Entries[m_classes.ClassCount++] = entry;

        RegisterMonth first;
        first.PupilCount = 4;
        const QStringList marks{u"病"_s, u"ホ"_s, QString(), u"遅"_s};
        for (int i = 0; i < 4; ++i) {
            first.Pupils[i].Name = u"一組%1"_s.arg(i + 1);
            first.Pupils[i].Sex = i % 2 ? u"女"_s : u"男"_s;
            first.Pupils[i].Marks[DayIndex] = marks[i];
        }
        first.Pupils[0].Reasons.append({qint16(DayIndex), u"病"_s, {u"発熱"_s}, u"３８度"_s});
        first.Pupils[1].Reasons.append({qint16(DayIndex), u"ホ"_s, {u"インフルエンザ"_s}, {}});
        writeMonth(0, first);

        QDir().mkpath(QFileInfo(monthPath(2)).absolutePath());
        QFile garbage(monthPath(2));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("1,\"\",99,0,\"\",\"\",\"\"\r\n");
        garbage.close();

        RegisterMonth monthOff;
        monthOff.MonthOffFlag = 1;
        monthOff.PupilCount = 1;
        monthOff.Pupils[0].Name = u"支援一"_s;
        writeMonth(3, monthOff);

        RegisterMonth multi;
        multi.PupilCount = 2;
        for (int i = 0; i < 2; ++i) {
            multi.Pupils[i].Name = u"複式%1"_s.arg(i + 1);
            multi.Pupils[i].Grade = qint16(3 + i);
        }
        multi.Pupils[1].Marks[DayIndex] = u"病"_s;
        writeMonth(4, multi);
    }

    // Each class by its own file; the sums only over the classes read.
    void readsEveryClass()
    {
        QFile first(monthPath(0));
        QVERIFY(first.open(QIODevice::ReadWrite));
        const QDateTime saved(Day, QTime(8, 41));
        QVERIFY(first.setFileTime(saved, QFileDevice::FileModificationTime));
        first.close();

        const SchoolDay school = readSchoolDay(m_settings, m_classes, Day, 200);
        QCOMPARE(school.schoolYear(), 2026);
        QCOMPARE(school.classes.size(), 5);
        const QList<ClassDayStatus> statuses{ClassDayStatus::Read, ClassDayStatus::Missing, ClassDayStatus::Unreadable,
                                             ClassDayStatus::DayOff, ClassDayStatus::Read};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(school.classes[i].status, statuses[i]);
        QCOMPARE(school.classes[0].savedAt, saved);
        QVERIFY(!school.classes[1].savedAt);
        QVERIFY(school.classes[2].savedAt && school.classes[3].savedAt);
        QVERIFY(school.classes[2].detail.contains(u"2026_12.ROD"_s));

        const ClassDay &read = school.classes[0];
        QCOMPARE(read.counts.enrolled(), 4);
        QCOMPARE(closureRateTenths(read.counts), 500);
        QCOMPARE(read.pupils.size(), 3);
        QCOMPARE(read.pupils[0].reason->Text, u"３８度"_s);
        QCOMPARE(read.byCategory, (QList<CategoryCount>{{u"病"_s, u"発熱"_s, 1}, {u"ホ"_s, u"インフルエンザ"_s, 1}}));
        QCOMPARE(school.classesOverThreshold(), 2); // 1年1組 at 50 %, 3・4年 at 50 %

        const std::map<int, DayCounts> grades = school.grades();
        QCOMPARE(grades.size(), size_t(3));
        QCOMPARE(grades.at(1).enrolled(), 4);
        QCOMPARE(grades.at(4).absent(), 1);
        QCOMPARE(school.school().enrolled(), 6);
        QVERIFY(school.notes.isEmpty());
    }

    // A reason whose pupil is gone is dropped and named; the month's figures stay.
    void namesDroppedReasons()
    {
        QFile reasons(ReasonFile::pathFor(monthPath(0)));
        QVERIFY(reasons.open(QIODevice::Append));
        reasons.write(Cp932::encode(u"9,7,\"転出した子\",\"病\",\"発熱\",\"\"\r\nbroken line\r\n"_s));
        reasons.close();
        const SchoolDay school = readSchoolDay(m_settings, m_classes, Day, 200);
        QCOMPARE(school.classes[0].status, ClassDayStatus::Read);
        QCOMPARE(school.classes[0].byCategory.size(), 2);
        QCOMPARE(school.notes.size(), 3);
        QVERIFY(school.notes[0].startsWith(u"1年1組: "_s));
        QVERIFY(school.notes.join(u'\n').contains(u"転出した子"_s));
    }

    // January to March lie in the folder of the school year begun the April before.
    void januaryIsInThePreviousSchoolYear()
    {
        QCOMPARE(QDir(m_work.path()).relativeFilePath(classMonthPath(m_settings, m_classes.Entries[0], {2027, 1, 8})),
                 u"data/2026/1年1組/2027_1.ROD"_s);
        const SchoolDay school = readSchoolDay(m_settings, m_classes, {2027, 1, 8}, 200);
        QCOMPARE(school.schoolYear(), 2026);
        QCOMPARE(school.classes[0].status, ClassDayStatus::Missing);
    }
};

VELTRA_TEST(SchoolDayTest)
#include "schoolday_test.moc"

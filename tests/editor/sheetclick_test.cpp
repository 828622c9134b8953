#include "register/markentry.h"
#include "register/sheetclick.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Target = SheetHit::Target;

Q_DECLARE_METATYPE(SheetHit)

// Which cell a click on the pupil rows reaches, and what a palette entry does
// to the cell it is applied to.
class SheetClickTest : public QObject
{
    Q_OBJECT

private slots:
    void hitTest_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("pupils");
        QTest::addColumn<int>("classKind");
        QTest::addColumn<SheetHit>("hit");
        QTest::newRow("NO column") << 399 << 130 << 3 << 0 << SheetHit{Target::Number, 0};
        QTest::newRow("grade column of an ordinary class is the name")
            << 400 << 250 << 3 << 0 << SheetHit{Target::Name, 1};
        QTest::newRow("grade column of a multi-grade class") << 799 << 250 << 3 << 2 << SheetHit{Target::Grade, 1};
        QTest::newRow("name from 800") << 800 << 479 << 3 << 2 << SheetHit{Target::Name, 1};
        QTest::newRow("name up to 2399") << 2399 << 480 << 3 << 0 << SheetHit{Target::Name, 2};
        QTest::newRow("sex") << 2400 << 0 << 3 << 0 << SheetHit{Target::Sex, 0};
        QTest::newRow("first day") << 2800 << 0 << 3 << 0 << SheetHit{Target::Day, 0, 0};
        QTest::newRow("12th day") << 2800 + 240 * 11 + 239 << 600 << 3 << 0 << SheetHit{Target::Day, 2, 11};
        QTest::newRow("31st day") << 10239 << 0 << 3 << 0 << SheetHit{Target::Day, 0, 30};
        QTest::newRow("counter columns are ignored") << 10240 << 0 << 3 << 0 << SheetHit{};
        QTest::newRow("far right is ignored") << 13000 << 0 << 3 << 0 << SheetHit{};
        QTest::newRow("empty row, name") << 1000 << 720 << 3 << 0 << SheetHit{Target::Name, 3};
        QTest::newRow("empty row, grade") << 500 << 720 << 3 << 1 << SheetHit{Target::Grade, 3};
        QTest::newRow("empty row, NO") << 100 << 720 << 3 << 0 << SheetHit{Target::EmptyRowRest, 3};
        QTest::newRow("empty row, sex") << 2500 << 720 << 3 << 0 << SheetHit{Target::EmptyRowRest, 3};
        QTest::newRow("empty row, day") << 3000 << 720 << 3 << 0 << SheetHit{Target::EmptyRowRest, 3};
        QTest::newRow("two rows below the last pupil") << 1000 << 960 << 3 << 0 << SheetHit{};
        QTest::newRow("empty register, first row") << 1000 << 10 << 0 << 0 << SheetHit{Target::Name, 0};
        QTest::newRow("46th pupil") << 3000 << 240 * 45 << 46 << 0 << SheetHit{Target::Day, 45, 0};
        QTest::newRow("47th row's name with 46 pupils")
            << 1000 << 240 * 46 << 46 << 0 << SheetHit{Target::TableFull, 46};
        QTest::newRow("47th row's day with 46 pupils") << 3000 << 240 * 46 << 46 << 0 << SheetHit{};
        QTest::newRow("47th pupil loaded from a file") << 3000 << 240 * 46 << 51 << 0 << SheetHit{};
        QTest::newRow("above the sheet") << 1000 << -5 << 3 << 0 << SheetHit{};
    }
    void hitTest()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, pupils);
        QFETCH(int, classKind);
        QFETCH(SheetHit, hit);
        const SheetHit found = ::hitTest({x, y}, pupils, classKind);
        QCOMPARE(int(found.target), int(hit.target));
        QCOMPARE(found.row, hit.row);
        QCOMPARE(found.day, hit.day);
    }

    void dayMarks_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty + 病気") << QString() << 0 << u"病"_s;
        QTest::newRow("empty + 事故") << QString() << 1 << u"事"_s;
        QTest::newRow("empty + 休日出席") << QString() << 20 << u"出"_s;
        QTest::newRow("empty + 伝染停止") << QString() << 4 << u"ホ"_s;
        QTest::newRow("blank counts as empty") << u" "_s << 5 << u"キ"_s;
        QTest::newRow("病 + 事故 clears") << u"病"_s << 1 << QString();
        QTest::newRow("病 + 病気 clears") << u"病"_s << 0 << QString();
        QTest::newRow("遅 + 早退 combines") << u"遅"_s << 7 << u"ﾁ"_s;
        QTest::newRow("遅 with blanks + 早退 combines") << u" 遅 "_s << 7 << u"ﾁ"_s;
        QTest::newRow("ソ + 遅刻 clears") << u"ソ"_s << 2 << QString();
        QTest::newRow("遅 + 遅刻 clears") << u"遅"_s << 2 << QString();
        QTest::newRow("ﾁ + 早退 clears") << u"ﾁ"_s << 7 << QString();
        QTest::newRow("ﾁ + 病気 clears") << u"ﾁ"_s << 0 << QString();
        QTest::newRow("unknown text clears") << u"X"_s << 0 << QString();
    }
    void dayMarks()
    {
        QFETCH(QString, before);
        QFETCH(int, code);
        QFETCH(QString, after);
        PupilRecord pupil;
        pupil.Marks[11] = before;
        applyEntry(pupil, code, 11);
        QCOMPARE(pupil.Marks[11], after);
        QVERIFY(pupil.InKind.isEmpty() && pupil.OutKind.isEmpty());
    }

    void enrolmentChanges_data()
    {
        QTest::addColumn<QString>("inKind");
        QTest::addColumn<QString>("outKind");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("inAfter");
        QTest::addColumn<int>("inDayAfter");
        QTest::addColumn<QString>("outAfter");
        QTest::addColumn<int>("outDayAfter");
        // The click is on day index 11; an existing change sits on day index 4.
        QTest::newRow("転入学 recorded") << QString() << QString() << 10 << u"入"_s << 11 << QString() << 0;
        QTest::newRow("編入学 recorded") << QString() << QString() << 11 << u"編"_s << 11 << QString() << 0;
        QTest::newRow("転入学 elsewhere removed") << u"入"_s << QString() << 10 << QString() << 0 << QString() << 0;
        QTest::newRow("編入学 removes a 転入学") << u"入"_s << QString() << 11 << QString() << 0 << QString() << 0;
        QTest::newRow("joining leaves the leaving") << QString() << u"転"_s << 10 << u"入"_s << 11 << u"転"_s << 4;
        QTest::newRow("転学 recorded") << QString() << QString() << 12 << QString() << 0 << u"転"_s << 11;
        QTest::newRow("死亡 recorded") << QString() << QString() << 16 << QString() << 0 << u"死"_s << 11;
        QTest::newRow("退学 removes a 就学猶予") << QString() << u"猶"_s << 13 << QString() << 0 << QString() << 0;
        QTest::newRow("leaving leaves the joining") << u"編"_s << QString() << 15 << u"編"_s << 4 << u"免"_s << 11;
    }
    void enrolmentChanges()
    {
        QFETCH(QString, inKind);
        QFETCH(QString, outKind);
        QFETCH(int, code);
        PupilRecord pupil;
        pupil.InKind = inKind;
        pupil.InDay = inKind.isEmpty() ? 0 : 4;
        pupil.OutKind = outKind;
        pupil.OutDay = outKind.isEmpty() ? 0 : 4;
        pupil.Marks[11] = u"病"_s;
        applyEntry(pupil, code, 11);
        QTEST(pupil.InKind, "inAfter");
        QTEST(int(pupil.InDay), "inDayAfter");
        QTEST(pupil.OutKind, "outAfter");
        QTEST(int(pupil.OutDay), "outDayAfter");
        QCOMPARE(pupil.Marks[11], u"病"_s);
    }
};

VELTRA_TEST(SheetClickTest)
#include "sheetclick_test.moc"

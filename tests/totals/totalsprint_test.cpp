#include "../print/sheetrecording.h"
#include "testregistry.h"
#include "totals/totalsprint.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// `rows` pupils of 2026's first term; the first absent 100 days of illness.
Totals totalsOf(int rows)
{
    Totals totals;
    totals.schoolYear = 2026;
    totals.period = offeredPeriods(SchoolPeriods::threeTerms(), 2026).first();
    for (int r = 0; r < rows; ++r)
        totals.rows.append({u"児童%1"_s.arg(r + 1), r % 2 ? u"女"_s : u"男"_s, 3, {90, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
    totals.rows[0].Stat[StatColumn::AbsentSick] = 100;
    totals.rows[0].Stat[StatColumn::AbsentTotal] = 100;
    return totals;
}

QList<RecordedPage> print(const Totals &totals, qint16 classKind = OrdinaryClass)
{
    RecordingSurface surface;
    const ClassEntry classEntry{classKind, 1, 2, u"2"_s, u"知的"_s, u"1年2組"_s};
    const bool portrait =
        PrintTotals(surface, totals, classEntry) == PrintResult::Printed && surface.paper() == QSizeF(210, 297);
    return portrait ? surface.pages() : QList<RecordedPage>{};
}

constexpr int Thick = TotalsPrint::ThickRule;
constexpr int Thin = TotalsPrint::ThinRule;

} // namespace

class TotalsPrintTest : public QObject
{
    Q_OBJECT

private slots:
    // Every fifth row and the last end with a thick line, the others thin.
    void rowBottoms_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("width");
        QTest::newRow("row 1") << 0 << Thin;
        QTest::newRow("row 5") << 4 << Thick;
        QTest::newRow("row 6") << 5 << Thin;
        QTest::newRow("row 10") << 9 << Thick;
        QTest::newRow("row 12, the last") << 11 << Thick;
    }
    void rowBottoms()
    {
        QFETCH(int, row);
        QFETCH(int, width);
        const RecordedPage page = print(totalsOf(12)).value(0);
        const double bottom = 35 + 5 * row;
        QVERIFY(hasRule(page, PageOperation::Kind::Line, width, {15, bottom}, {179, bottom}));
        QVERIFY(hasRule(page, PageOperation::Kind::Line, Thick, {79, bottom - 5}, {79, bottom}));
    }

    void titleAndCells()
    {
        const RecordedPage page = print(totalsOf(12)).value(0);
        QCOMPARE(textsAt(page, 30, 8), QStringList{u"令和8年度 １学期 出席簿の集計 1年2組"_s});
        QCOMPARE(textsAt(page, 19, 41), QStringList{u" 3"_s});
        QCOMPARE(textsAt(page, 19, 86), QStringList{u"12"_s});
        QCOMPARE(textsAt(page, 82, 31), QStringList{u"190"_s});
        QCOMPARE(textsAt(page, 102, 31), QStringList{u"100"_s}); // whole, in a smaller size
        QVERIFY(findText(page, u"100"_s)->points < 10);
        QCOMPARE(findText(page, u"女"_s)->colour, PageColour::Red);
    }

    void gradeColumn_data()
    {
        QTest::addColumn<int>("classKind");
        QTest::addColumn<bool>("shown");
        QTest::newRow("ordinary") << int(OrdinaryClass) << false;
        QTest::newRow("special-support") << int(SpecialSupportClass) << true;
        QTest::newRow("multi-grade") << int(MultiGradeClass) << true;
    }
    void gradeColumn()
    {
        QFETCH(int, classKind);
        QFETCH(bool, shown);
        const RecordedPage page = print(totalsOf(2), qint16(classKind)).value(0);
        QCOMPARE(textsAt(page, 25, 18), shown ? QStringList{u"学"_s} : QStringList{});
        QCOMPARE(textsAt(page, 25, 31), shown ? QStringList{u"3"_s} : QStringList{});
        QCOMPARE(hasRule(page, PageOperation::Kind::Line, Thin, {31, 30}, {31, 35}), shown);
    }

    // A name too wide for 38 mm at 10 points is printed smaller; the next row is at 10 again.
    void nameSizes()
    {
        Totals totals = totalsOf(2);
        totals.rows[0].Name = u"寿限無寿限無五劫の擦り切れ海砂利水魚の水行末"_s;
        const RecordedPage page = print(totals).value(0);
        const PageOperation *longName = findText(page, totals.rows[0].Name);
        QVERIFY(longName->points < 10 && longName->points >= 5);
        QCOMPARE(findText(page, u"児童2"_s)->points, 10.0);
    }

    // 50 pupils: 47 on the first page, the heading and title again above rows 48 to 50.
    void secondPage()
    {
        const QList<RecordedPage> pages = print(totalsOf(50));
        QCOMPARE(pages.size(), 2);
        QVERIFY(hasRule(pages[0], PageOperation::Kind::Line, Thick, {15, 265}, {179, 265}));
        QCOMPARE(textsAt(pages[1], 30, 8), textsAt(pages[0], 30, 8));
        QCOMPARE(textsAt(pages[1], 17, 20), QStringList{u"NO"_s});
        QCOMPARE(textsAt(pages[1], 19, 31), QStringList{u"48"_s});
        QVERIFY(hasRule(pages[1], PageOperation::Kind::Line, Thick, {15, 45}, {179, 45}));
    }

    // Every vertical rule of the heading block and of a row, by x, width and
    // top: "x/width/top", sorted; and the heading's one horizontal under the groups.
    void ruleColumns_data()
    {
        QTest::addColumn<int>("classKind");
        QTest::addColumn<double>("top");
        QTest::addColumn<QStringList>("rules");
        QStringList heading{u"15/5/15"_s, u"179/5/15"_s, u"79/5/15"_s, u"23/2/15"_s, u"71/2/15"_s, u"89/2/15"_s};
        QStringList row{u"15/5/30"_s, u"179/5/30"_s, u"79/5/30"_s, u"23/2/30"_s, u"71/2/30"_s, u"89/2/30"_s};
        for (int h = 0; h <= 10; ++h) {
            const bool groupEdge = h == 0 || h == 3 || h == 7;
            heading.append(u"%1/2/%2"_s.arg(99 + 8 * h).arg(groupEdge ? 15 : 20));
            row.append(u"%1/2/30"_s.arg(99 + 8 * h));
        }
        QTest::newRow("heading") << int(OrdinaryClass) << 15.0 << heading;
        QTest::newRow("row") << int(OrdinaryClass) << 30.0 << row;
        QTest::newRow("heading with grades") << int(MultiGradeClass) << 15.0 << heading + QStringList{u"31/2/15"_s};
        QTest::newRow("row with grades") << int(SpecialSupportClass) << 30.0 << row + QStringList{u"31/2/30"_s};
    }
    void ruleColumns()
    {
        QFETCH(int, classKind);
        QFETCH(double, top);
        QFETCH(QStringList, rules);
        const RecordedPage page = print(totalsOf(1), qint16(classKind)).value(0);
        const double bottom = top == 15 ? 30 : 35;
        QStringList drawn;
        for (const PageOperation &op : page) {
            const bool box = op.kind == PageOperation::Kind::Box;
            if (box && near(op.from.y(), top) && near(op.to.y(), bottom)) {
                for (const double x : {op.from.x(), op.to.x()})
                    drawn.append(u"%1/%2/%3"_s.arg(x).arg(op.width).arg(op.from.y()));
            }
            const bool vertical = op.kind == PageOperation::Kind::Line && near(op.from.x(), op.to.x());
            if (vertical && op.from.y() >= top - 0.005 && near(op.to.y(), bottom))
                drawn.append(u"%1/%2/%3"_s.arg(op.from.x()).arg(op.width).arg(op.from.y()));
        }
        drawn.sort();
        rules.sort();
        QCOMPARE(drawn, rules);
        if (top == 15)
            QVERIFY(hasRule(page, PageOperation::Kind::Line, Thin, {99, 20}, {179, 20}));
    }
};

VELTRA_TEST(TotalsPrintTest)
#include "totalsprint_test.moc"

#include "../editor/recordingcanvas.h"
#include "testregistry.h"
#include "totals/totalstable.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A boy of grade 3 with a counter of every size, and a girl absent 30 days.
Totals twoRows()
{
    Totals totals;
    totals.rows.append({u"山田太郎"_s, u"男"_s, 3, {150, 100, 0, 100, 0, 0, 0, 0, 7, 0, 2}});
    totals.rows.append({u"鈴木花子"_s, u"女"_s, 4, {120, 0, 30, 30, 0, 0, 0, 0, 0, 0, 0}});
    return totals;
}

} // namespace

class TotalsTableTest : public QObject
{
    Q_OBJECT

private slots:
    void gradeColumn_data()
    {
        QTest::addColumn<bool>("gradeColumn");
        QTest::newRow("ordinary class") << false;
        QTest::newRow("special-support or multi-grade class") << true;
    }

    // The grade, its heading and its boundary at 800 only where classes mix grades.
    void gradeColumn()
    {
        QFETCH(bool, gradeColumn);
        const Totals totals = twoRows();
        RecordingCanvas headings, rows;
        TotalsTable::drawHeadings(headings, gradeColumn, TotalsTable::HeadingHeight);
        TotalsTable::drawRows(rows, {totals, gradeColumn});
        QCOMPARE(headings.countText(u"学年"_s), gradeColumn ? 1 : 0);
        QCOMPARE(rows.verticalsAt(800), gradeColumn ? 1 : 0);
        QCOMPARE(headings.verticalsAt(800), gradeColumn ? 1 : 0);
        QCOMPARE(rows.textsAt({580, 30}), gradeColumn ? QStringList{u"3"_s} : QStringList{});
    }

    void rowFigures()
    {
        const Totals totals = twoRows();
        RecordingCanvas canvas;
        TotalsTable::drawRows(canvas, {totals, false});
        // Right edges: the number in 3 places from 30, 授業日数 and 出席日数 in
        // 4 places from 2820 and 3220, counter n in 2 places from 3410 + 250 n.
        QCOMPARE(canvas.textsAt({300, 30}), QStringList{u"1"_s});
        QCOMPARE(canvas.textsAt({3180, 30}), QStringList{u"250"_s});
        QCOMPARE(canvas.textsAt({3580, 30}), QStringList{u"150"_s});
        QCOMPARE(canvas.textsAt({3840, 30}), QStringList{u"100"_s}); // whole, never cut to two digits
        QCOMPARE(canvas.textsAt({4090, 30}), QStringList{});         // zero stays blank
        QCOMPARE(canvas.textsAt({4090, 270}), QStringList{u"30"_s});
        QCOMPARE(canvas.findText(u"2"_s)->colour, QColor(255, 0, 0)); // 出席 on a day off in red
        QCOMPARE(canvas.findText(u"女"_s)->colour, QColor(255, 0, 0));
        // Both pupils were absent 30 days or more: each carries the red 長.
        QCOMPARE(canvas.countText(u"長"_s), 2);
    }

    // With more pupils than the 50 rows of the grid, the grid goes on under them.
    void gridReachesEveryRow()
    {
        Totals totals;
        totals.rows.resize(60);
        RecordingCanvas canvas;
        TotalsTable::drawRows(canvas, {totals, false});
        QVERIFY(canvas.hasLine({0, 240 * 60}, {TotalsTable::Width, 240 * 60}));
        QCOMPARE(canvas.textsAt({300, 240 * 59 + 30}), QStringList{u"60"_s});
    }
};

VELTRA_TEST(TotalsTableTest)
#include "totalstable_test.moc"

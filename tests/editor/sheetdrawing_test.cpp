#include "recordingcanvas.h"
#include "register/sheetdrawing.h"
#include "testregistry.h"
#include "testsession.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One month's sheet, drawn into recording canvases.
struct DrawnSheet : TestSession
{
    DrawnSheet(int heiseiYear, int month, int classKind = OrdinaryClass)
        : TestSession(classKind, heiseiYear, month)
    {}
    SheetContent content()
    {
        computeStatistics(session);
        return SheetContent::of(session);
    }
    RecordingCanvas header()
    {
        RecordingCanvas canvas;
        drawHeader(canvas, content());
        return canvas;
    }
    RecordingCanvas rows()
    {
        RecordingCanvas canvas;
        drawRows(canvas, content());
        return canvas;
    }
    RecordingCanvas summary()
    {
        RecordingCanvas canvas;
        drawSummary(canvas, content(), 1740);
        return canvas;
    }
};

constexpr int Red = 0xFF0000;

int rgb(const QColor &colour)
{
    return int(colour.rgb() & 0xFFFFFF);
}

} // namespace

// What the three surfaces of the sheet draw, and where, in twips.
class SheetDrawingTest : public QObject
{
    Q_OBJECT

private slots:
    void noPupilsShowOnlyTheGridAndBlankFigures()
    {
        DrawnSheet sheet(16, 4);
        sheet.addHoliday(29, u"祝"_s, u"昭和の日"_s);
        const RecordingCanvas rows = sheet.rows();
        QCOMPARE(rows.fills.size(), 1);
        QCOMPARE(rows.fills.front().first, QRect(0, 0, 2800, 12050));
        QCOMPARE(rows.fills.front().second, QColor(0, 255, 255));
        QCOMPARE(rows.texts.size(), 1);
        QCOMPARE(rows.textsAt({29 * 240 + 2690 - 90, 30}), QStringList{u"祝"_s});
        QCOMPARE(rows.verticalsAt(29 * 240 + 2690), 0); // no pupils: no line under the text
        for (int y = 240; y < 12050; y += 240)
            QVERIFY2(rows.hasLine({0, y}, {13190, y}), qPrintable(QString::number(y)));
        QVERIFY(!rows.hasLine({0, 12240}, {13190, 12240}));
        const RecordingCanvas::Line *present = rows.findLine({10240, 0}, {10240, 12050});
        QVERIFY(present && present->width == 2);
        for (int n = 1; n <= 10; ++n)
            QVERIFY(rows.hasLine({10640 + 250 * n, 0}, {10640 + 250 * n, 12050}));

        const RecordingCanvas summary = sheet.summary();
        for (const auto &text : summary.texts)
            QVERIFY2(!text.text.contains(QRegularExpression(u"\\d"_s)), qPrintable(text.text));
        QVERIFY(!summary.findText(u"日"_s));
    }

    void gradeColumn_data()
    {
        QTest::addColumn<int>("classKind");
        QTest::addColumn<bool>("shown");
        QTest::newRow("ordinary") << int(OrdinaryClass) << false;
        QTest::newRow("special support") << int(SpecialSupportClass) << true;
        QTest::newRow("multi-grade") << int(MultiGradeClass) << true;
    }
    void gradeColumn()
    {
        QFETCH(int, classKind);
        QFETCH(bool, shown);
        DrawnSheet sheet(16, 4, classKind);
        sheet.addPupil(u"青木"_s).Grade = 2;
        const RecordingCanvas rows = sheet.rows();
        QCOMPARE(rows.verticalsAt(800) == 1, shown);
        QCOMPARE(rows.textsAt({580, 30}) == QStringList{u"2"_s}, shown);
        QCOMPARE(rows.textsAt({830, 30}), QStringList{u"青木"_s});
        QCOMPARE(rows.textsAt({330, 30}), QStringList{u"1"_s});
        const RecordingCanvas header = sheet.header();
        QCOMPARE(header.textsAt({410, 400}) == QStringList{u"学年"_s}, shown);
        QCOMPARE(header.verticalsAt(800) == 1, shown);
        QCOMPARE(header.textsAt({1200, 400}), QStringList{u"氏  名"_s});
    }

    void februaryOfACommonYear()
    {
        DrawnSheet sheet(17, 2); // February 2005
        const RecordingCanvas header = sheet.header();
        QCOMPARE(header.textsAt({2840, 500}), QStringList{u"火"_s});
        QCOMPARE(header.textsAt({2840 + 240 * 27, 500}), QStringList{u"月"_s});
        for (int d = 28; d <= 30; ++d) {
            QVERIFY(header.textsAt({2840 + 240 * d, 500}).isEmpty());
            QVERIFY(header.hasLine({2830 + 240 * d, 330}, {3010 + 240 * d, 330}));
        }
        QCOMPARE(header.textsAt({2830 + 240 * 30, 250}), QStringList{u"31"_s});
        QCOMPARE(header.textsAt({2880 + 240 * 8, 250}), QStringList{u"9"_s});
        QCOMPARE(header.textsAt({2830 + 240 * 9, 250}), QStringList{u"10"_s});
    }

    void februaryOfALeapYearHasThe29th()
    {
        const RecordingCanvas header = DrawnSheet(16, 2).header(); // 2004
        QCOMPARE(header.textsAt({2840 + 240 * 28, 500}), QStringList{u"日"_s});
        QVERIFY(!header.hasLine({2830 + 240 * 28, 330}, {3010 + 240 * 28, 330}));
        QVERIFY(header.hasLine({2830 + 240 * 29, 330}, {3010 + 240 * 29, 330}));
    }

    void graduationDayInTheWeekdayRow()
    {
        DrawnSheet sheet(17, 3);
        sheet.addHoliday(18, u"卒業"_s, u"卒業"_s);
        const RecordingCanvas header = sheet.header();
        QCOMPARE(header.textsAt({2840 + 240 * 17, 450}), QStringList{u"卒"_s});
        QCOMPARE(header.textsAt({2840 + 240 * 17, 610}), QStringList{u"業"_s});
        QVERIFY(header.textsAt({2840 + 240 * 17, 500}).isEmpty());
        QCOMPARE(header.textsAt({2840 + 240 * 18, 500}), QStringList{u"土"_s});
    }

    void consecutiveHolidaysWithOnePrintText()
    {
        DrawnSheet sheet(16, 8);
        sheet.addPupils(3);
        for (int day = 3; day <= 6; ++day)
            sheet.addHoliday(day, u"休業"_s);
        const RecordingCanvas rows = sheet.rows();
        QCOMPARE(rows.countText(u"休"_s), 1);
        QCOMPARE(rows.countText(u"業"_s), 1);
        const int first = 3 * 240 + 2690;
        QCOMPARE(rows.textsAt({first - 90, 30}), QStringList{u"休"_s});
        QCOMPARE(rows.textsAt({first - 90, 270}), QStringList{u"業"_s});
        QVERIFY(rows.hasLine({first, 480}, {first, 720}));
        for (int day = 4; day <= 6; ++day) {
            const RecordingCanvas::Line *line = rows.findLine({day * 240 + 2690, 0}, {day * 240 + 2690, 720});
            QVERIFY(line);
            QCOMPARE(rgb(line->colour), Red);
        }
        QVERIFY(sheet.summary().hasLine({first, 0}, {first, 720}));
    }

    void aHolidayBreaksTheRunOfItsText()
    {
        DrawnSheet sheet(16, 8);
        sheet.addPupils(1);
        sheet.addHoliday(3, u"休"_s);
        sheet.addHoliday(5, u"休"_s);
        sheet.addHoliday(6, u"祝"_s);
        sheet.addHoliday(9, u"卒業"_s, u"卒業"_s);
        sheet.addHoliday(10, u"休"_s);
        const RecordingCanvas rows = sheet.rows();
        QCOMPARE(rows.countText(u"休"_s), 2);
        QCOMPARE(rows.countText(u"祝"_s), 1);
        QVERIFY(rows.textsAt({10 * 240 + 2690 - 90, 30}).isEmpty()); // after 卒業: not drawn
    }

    void marks_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("strokes");
        QTest::addColumn<int>("textX");
        QTest::addColumn<int>("colour");
        const int x = 2800 + 240 * 4;
        QTest::newRow("病: stroke and circle") << u"病"_s << QStringList{u"○"_s} << 1 << x + 50 << 0;
        QTest::newRow("事: stroke") << u"事"_s << QStringList{} << 1 << 0 << 0;
        QTest::newRow("遅: cross") << u"遅"_s << QStringList{} << 2 << 0 << 0;
        QTest::newRow("ﾁ: ﾁｿ") << u"ﾁ"_s << QStringList{u"ﾁｿ"_s} << 0 << x + 20 << 0;
        QTest::newRow("テ") << u"テ"_s << QStringList{u"テ"_s} << 0 << x + 40 << 0;
        QTest::newRow("キ with blanks") << u" キ "_s << QStringList{u"キ"_s} << 0 << x + 40 << 0;
        QTest::newRow("ソ") << u"ソ"_s << QStringList{u"ソ"_s} << 0 << x + 40 << 0;
        QTest::newRow("出 in dark blue") << u"出"_s << QStringList{u"出"_s} << 0 << x + 40 << 0x0000C0;
        QTest::newRow("a text with no code") << u"X"_s << QStringList{} << 0 << 0 << 0;
    }
    void marks()
    {
        QFETCH(QString, mark);
        QFETCH(QStringList, texts);
        QFETCH(int, strokes);
        QFETCH(int, textX);
        QFETCH(int, colour);
        DrawnSheet sheet(16, 4);
        sheet.addPupils(1);
        PupilRecord &pupil = sheet.addPupil(u"井上"_s);
        pupil.Marks[4] = mark;
        const RecordingCanvas rows = sheet.rows();
        const int x = 2800 + 240 * 4;
        const int y = 240 + 30;
        QStringList drawn;
        for (const auto &text : rows.texts) {
            if (text.at.y() == y && text.at.x() >= x && text.at.x() < x + 240) {
                drawn.append(text.text);
                QCOMPARE(text.at.x(), textX);
                QCOMPARE(rgb(text.colour), colour);
            }
        }
        QCOMPARE(drawn, texts);
        const bool down = rows.hasLine({x + 240, y - 30}, {x, y + 210});
        const bool up = rows.hasLine({x, y - 30}, {x + 240, y + 210});
        QCOMPARE(int(down) + int(up), strokes);
    }

    void joiningStrikesTheDaysBefore()
    {
        DrawnSheet sheet(16, 4);
        PupilRecord &pupil = sheet.addPupil(u"上田"_s, u"女"_s);
        pupil.InKind = u"入"_s;
        pupil.InDay = 7;
        const RecordingCanvas rows = sheet.rows();
        QCOMPARE(rows.textsAt({2800 + 240 * 7 + 40, 30}), QStringList{u"入"_s});
        const RecordingCanvas::Line *strike = rows.findLine({2800, 130}, {2800 + 240 * 7, 130});
        QVERIFY(strike);
        QCOMPARE(rgb(strike->colour), Red);
        QCOMPARE(rgb(rows.findText(u"女"_s)->colour), Red);
    }

    void pupilLeavingOnThe10th()
    {
        DrawnSheet sheet(16, 4);
        PupilRecord &pupil = sheet.addPupil(u"江藤"_s);
        pupil.OutKind = u"転"_s;
        pupil.OutDay = 9;
        pupil.Marks[3] = u"キ"_s;
        const RecordingCanvas rows = sheet.rows();
        QCOMPARE(rows.textsAt({2800 + 240 * 9 + 40, 30}), QStringList{u"転"_s});
        QVERIFY(rows.hasLine({2800 + 240 * 10, 130}, {2800 + 240 * 30, 130}));
        QCOMPARE(rows.textsAt({10260, 30}), QStringList{u"9"_s}); // present 1st to 10th, less one 忌引
    }

    // Marks before joining or after leaving still count, so they are shown, in grey.
    void marksOutsideTheEnrolmentAreGrey_data()
    {
        QTest::addColumn<QString>("change"); // "入" joins, "転" leaves, on day index 9
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("colour");
        const int grey = 0x969696;
        QTest::newRow("before joining") << u"入"_s << 3 << u"テ"_s << u"テ"_s << grey;
        QTest::newRow("sick before joining") << u"入"_s << 3 << u"病"_s << u"○"_s << grey;
        QTest::newRow("出 before joining") << u"入"_s << 3 << u"出"_s << u"出"_s << grey;
        QTest::newRow("on the joining day") << u"入"_s << 9 << u"病"_s << u"○"_s << 0;
        QTest::newRow("after joining") << u"入"_s << 12 << u"テ"_s << u"テ"_s << 0;
        QTest::newRow("before leaving") << u"転"_s << 3 << u"キ"_s << u"キ"_s << 0;
        QTest::newRow("after leaving") << u"転"_s << 12 << u"テ"_s << u"テ"_s << grey;
        QTest::newRow("sick after leaving") << u"転"_s << 20 << u"病"_s << u"○"_s << grey;
    }
    void marksOutsideTheEnrolmentAreGrey()
    {
        QFETCH(QString, change);
        QFETCH(int, day);
        QFETCH(QString, mark);
        QFETCH(QString, shown);
        QFETCH(int, colour);
        DrawnSheet sheet(16, 4);
        PupilRecord &pupil = sheet.addPupil(u"江藤"_s);
        (change == u"入"_s ? pupil.InKind : pupil.OutKind) = change;
        (change == u"入"_s ? pupil.InDay : pupil.OutDay) = 9;
        pupil.Marks[day] = mark;
        const RecordingCanvas rows = sheet.rows();
        const RecordingCanvas::Text *drawn = rows.findText(shown);
        QVERIFY(drawn);
        QVERIFY(drawn->at.x() > 2800 + 240 * day && drawn->at.x() < 2800 + 240 * (day + 1));
        QCOMPARE(rgb(drawn->colour), colour);
        if (mark == u"病"_s)
            QCOMPARE(rgb(rows.findLine({2800 + 240 * (day + 1), 0}, {2800 + 240 * day, 240})->colour), colour);
    }

    void countersOfAPupil()
    {
        DrawnSheet sheet(16, 4);
        PupilRecord &pupil = sheet.addPupil(u"小川"_s);
        pupil.Marks[0] = u"病"_s;
        pupil.Marks[1] = u"ﾁ"_s;
        sheet.addHoliday(4, u"休"_s);
        pupil.Marks[3] = u"出"_s;
        const RecordingCanvas rows = sheet.rows();
        QCOMPARE(rows.textsAt({10260, 30}), QStringList{u"28"_s});
        QCOMPARE(rows.textsAt({10450 + 250 * 1, 30}), QStringList{u"1"_s});
        QCOMPARE(rows.textsAt({10450 + 250 * 2, 30}), QStringList{});
        QCOMPARE(rows.textsAt({10450 + 250 * 3, 30}), QStringList{u"1"_s});
        QCOMPARE(rows.textsAt({10450 + 250 * 8, 30}), QStringList{u"1"_s});
        QCOMPARE(rows.textsAt({10450 + 250 * 9, 30}), QStringList{u"1"_s});
        const QStringList holidayAttendance = rows.textsAt({10450 + 250 * 10, 30});
        QCOMPARE(holidayAttendance, QStringList{u"1"_s});
    }

    void monthOffNotice()
    {
        DrawnSheet sheet(17, 2);
        sheet.session.Register.MonthOffFlag = 1;
        sheet.session.Register.MonthOffText = u"改修"_s;
        sheet.addHoliday(11, u"祝"_s);
        sheet.addPupil(u"青木"_s).Marks[5] = u"病"_s;
        const RecordingCanvas rows = sheet.rows();
        const RecordingCanvas::Text *month = nullptr;
        for (const auto &text : rows.texts) {
            if (text.at == QPoint(2920, 30))
                month = &text;
        }
        QVERIFY(month);
        QCOMPARE(month->text, u"2"_s);
        QCOMPARE(month->anchor, SheetCanvas::Anchor::Centre);
        QCOMPARE(rows.textsAt({2840, 270}), QStringList{u"月"_s});
        QCOMPARE(rows.textsAt({2920, 510}), QStringList{u"28"_s});
        QCOMPARE(rows.textsAt({2840, 750}), QStringList{u"日"_s});
        const QString notice = u"まで改修のため以下記載省略"_s;
        for (int k = 1; k <= notice.size(); ++k)
            QCOMPARE(rows.textsAt({2840, 750 + 240 * k}), QStringList{notice.at(k - 1)});
        QVERIFY(!rows.findText(u"祝"_s));
        QVERIFY(rows.findText(u"○"_s)); // the pupils' rows are still drawn
    }

    void enrolmentBySex_data()
    {
        QTest::addColumn<bool>("bySex");
        QTest::addColumn<QList<QPoint>>("places");
        QTest::addColumn<QStringList>("figures");
        QTest::newRow("by sex") << true << QList<QPoint>{{3800, 990}, {3800, 1230}, {3800, 1470},
                                                         {9400, 990}, {9400, 1230}, {9400, 1470}}
                                << QStringList{u"2"_s, u"1"_s, u"3"_s, u"1"_s, u"1"_s, u"2"_s};
        QTest::newRow("together") << false << QList<QPoint>{{3600, 1200}, {9200, 1200}} << QStringList{u"3"_s, u"2"_s};
    }
    void enrolmentBySex()
    {
        QFETCH(bool, bySex);
        QFETCH(QList<QPoint>, places);
        QFETCH(QStringList, figures);
        DrawnSheet sheet(16, 4);
        sheet.session.Settings.CountBySex = bySex;
        sheet.addPupil(u"青木"_s);
        sheet.addPupil(u"井上"_s, u"女"_s);
        PupilRecord &leaver = sheet.addPupil(u"上田"_s);
        leaver.OutKind = u"転"_s;
        leaver.OutDay = 14;
        const RecordingCanvas summary = sheet.summary();
        for (int k = 0; k < places.size(); ++k)
            QCOMPARE(summary.textsAt(places[k]), QStringList{figures[k]});
        QCOMPARE(summary.textsAt({3300, 990}) == QStringList{u"男"_s}, bySex);
        QCOMPARE(summary.textsAt({8900, 1470}) == QStringList{u"計"_s}, bySex);
        QCOMPARE(summary.hasLine({3200, 1200}, {4600, 1200}), bySex);
        QCOMPARE(summary.hasLine({9200, 960}, {9200, 1740}), bySex);
        QCOMPARE(summary.textsAt({6300, 1100}), QStringList{u"転学 1名"_s});
    }

    // A caption of the summary never runs into the line on its right.
    void summaryCaptionsStayInTheirCells()
    {
        DrawnSheet sheet(16, 4);
        const RecordingCanvas summary = sheet.summary();
        int captions = 0;
        for (const auto &text : summary.texts) {
            if (text.at.y() != 750)
                continue;
            ++captions;
            int right = 10240;
            for (const auto &line : summary.lines) {
                if (line.from.x() == line.to.x() && line.from.y() <= 750 && line.to.y() > 750
                    && line.from.x() > text.at.x())
                    right = std::min(right, line.from.x());
            }
            const int fullWidth = int(text.text.size()) * 200; // full-width characters at 10 points
            const int drawnWidth = text.maxWidth > 0 ? std::min(fullWidth, text.maxWidth) : fullWidth;
            QVERIFY2(text.at.x() + drawnWidth <= right, qPrintable(text.text));
        }
        QCOMPARE(captions, 7);
    }

    void summaryFigures()
    {
        DrawnSheet sheet(16, 4);
        PupilRecord &pupil = sheet.addPupil(u"青木"_s);
        pupil.Marks[1] = u"病"_s;
        pupil.Marks[2] = u"事"_s;
        PupilRecord &joiner = sheet.addPupil(u"井上"_s);
        joiner.InKind = u"編"_s;
        joiner.InDay = 0;
        PupilRecord &gone = sheet.addPupil(u"江藤"_s);
        gone.OutKind = u"死"_s;
        gone.OutDay = 29;
        sheet.addPupil(u"小川"_s).OutKind = u"免"_s;
        const RecordingCanvas summary = sheet.summary();
        // The 2nd: 井上 and 江藤 present, 青木 absent, 小川 gone since the 1st.
        QCOMPARE(summary.textsAt({2840 + 240, 40}), QStringList{u"2"_s});
        QCOMPARE(summary.textsAt({2840 + 240, 280}), QStringList{u"1"_s});
        QCOMPARE(summary.textsAt({2840 + 240, 520}), QStringList{u"3"_s});
        QCOMPARE(summary.textsAt({10260, 280}), QStringList{u"2"_s});
        QCOMPARE(summary.textsAt({10450 + 250 * 3, 520}), QStringList{u"2"_s});
        QCOMPARE(summary.textsAt({800, 1200}), QStringList{u"30日"_s});
        const QString rate = summary.textsAt({2100, 1200}).value(0);
        QVERIFY2(rate.endsWith(u'%'), qPrintable(rate));
        QCOMPARE(summary.textsAt({4800, 1350}), QStringList{u"編入学 1名"_s});
        QVERIFY(summary.textsAt({4800, 1100}).isEmpty());
        // The other changes close up: 就学免除 first, 死亡 below it.
        QCOMPARE(summary.textsAt({7500, 1050}), QStringList{u"就学免除 1名"_s});
        QCOMPARE(summary.textsAt({7500, 1270}), QStringList{u"　死亡　 1名"_s});
    }

    void selectedRowIsWhite()
    {
        DrawnSheet sheet(16, 4, MultiGradeClass);
        sheet.addPupils(2);
        sheet.session.Register.Pupils[1].Grade = 3;
        computeStatistics(sheet.session);
        RecordingCanvas rows;
        drawRows(rows, SheetContent::of(sheet.session, 1));
        for (const auto &text : rows.texts) {
            if (text.at.y() == 270 && text.at.x() < 2400)
                QCOMPARE(text.colour, QColor(Qt::white));
            if (text.at.y() == 30 && text.at.x() < 2400)
                QCOMPARE(text.colour, QColor(Qt::black));
        }
    }

    void fileWithMoreThan46PupilsIsDrawnWhole()
    {
        DrawnSheet sheet(16, 4);
        sheet.addPupils(PupilSlots);
        const RecordingCanvas rows = sheet.rows();
        QCOMPARE(rows.textsAt({330, 240 * 50 + 30}), QStringList{u"51"_s});
        QVERIFY(rows.hasLine({0, 240 * 50}, {13190, 240 * 50}));
        QVERIFY(rowsDrawable(sheet.session.Register));
    }

    void changeDaysOutsideTheColumnsCannotBeShown_data()
    {
        QTest::addColumn<int>("inDay");
        QTest::addColumn<int>("outDay");
        QTest::addColumn<bool>("drawable");
        QTest::newRow("usual days") << 0 << 30 << true;
        QTest::newRow("joining past the 31st") << 31 << 30 << false;
        QTest::newRow("leaving before the 1st") << 0 << -1 << false;
    }
    void changeDaysOutsideTheColumnsCannotBeShown()
    {
        QFETCH(int, inDay);
        QFETCH(int, outDay);
        DrawnSheet sheet(16, 4);
        sheet.addPupils(2);
        PupilRecord &pupil = sheet.session.Register.Pupils[1];
        pupil.InKind = u"入"_s;
        pupil.InDay = qint16(inDay);
        pupil.OutKind = u"転"_s;
        pupil.OutDay = qint16(outDay);
        QTEST(rowsDrawable(sheet.session.Register), "drawable");
        QCOMPARE(sheet.rows().textsAt({830, 270}), QStringList{u"児童2"_s});
    }
};

VELTRA_TEST(SheetDrawingTest)
#include "sheetdrawing_test.moc"

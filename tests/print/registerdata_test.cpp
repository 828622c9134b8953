#include "print/pagefont.h"
#include "sheetrecording.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Kind = PageOperation::Kind;

namespace {

constexpr double FrontBase = 24;

// Filled boxes of `page` whose left edge is at x.
QList<const PageOperation *> fillsAt(const RecordedPage &page, double x)
{
    QList<const PageOperation *> fills;
    for (const PageOperation &op : page) {
        if (op.kind == Kind::Fill && near(op.from.x(), x))
            fills.append(&op);
    }
    return fills;
}

int textsInRow(const RecordedPage &page, double y, double fromX, double toX)
{
    int n = 0;
    for (const PageOperation &op : page)
        n += op.kind == Kind::Text && near(op.from.y(), y) && op.from.x() >= fromX && op.from.x() < toX;
    return n;
}

// The strokes of the 病, 事 and 遅 marks in the row at y.
int markStrokesInRow(const RecordedPage &page, double y)
{
    int n = 0;
    for (const PageOperation &op : page)
        n += op.kind == Kind::Line && near(op.from.y(), y - 1.5) && near(op.to.y(), y + 4.6);
    return n;
}

} // namespace

class RegisterDataTest : public QObject
{
    Q_OBJECT

private slots:
    // February 2027 has 28 days: its last three day numbers are struck out in
    // red and its weekdays stop at the 28th.
    void februaryOfACommonYear()
    {
        SheetRecording sheet(2027, 2);
        sheet.addPupil();
        const RecordedPage &page = sheet.print(FrontSheet);
        for (int d = 28; d < 31; ++d) {
            const auto fills = fillsAt(page, 66 + 5 * d);
            QCOMPARE(fills.size(), 1);
            QVERIFY(near(fills[0]->from.y(), FrontBase + 12.8));
            QCOMPARE(fills[0]->colour, 255);
        }
        QCOMPARE(textsAt(page, 66 + 5 * 27, FrontBase + 17), QStringList{u"日"_s}); // 28 Feb 2027
        QVERIFY(textsAt(page, 66 + 5 * 28, FrontBase + 17).isEmpty());
        QVERIFY(fillsAt(page, 66 + 5 * 27).isEmpty());
    }

    // Graduation on the 18th: 卒業 in its column instead of the weekday, marks
    // up to the 18th only, and no bar for holidays listed after it.
    void graduationOnThe18th()
    {
        SheetRecording sheet(2005, 3);
        PupilRecord &pupil = sheet.addPupil();
        pupil.Marks[16] = u"事"_s;
        pupil.Marks[18] = u"事"_s;
        sheet.addHoliday(18, u"卒業"_s, u"卒業"_s);
        sheet.addHoliday(21, u"春分の日"_s, u"祝"_s);
        const RecordedPage &page = sheet.print(FullSheet);
        const double x = 66 + 5 * 17;
        QCOMPARE(textsAt(page, x, FrontBase + 15), QStringList{u"卒"_s});
        QCOMPARE(textsAt(page, x, FrontBase + 19), QStringList{u"業"_s});
        QCOMPARE(findText(page, u"卒"_s)->colour, 255);
        QVERIFY(textsAt(page, x, FrontBase + 17).isEmpty());
        QVERIFY(fillsAt(page, 62.4 + 5 * 21).isEmpty());
        QCOMPARE(markStrokesInRow(page, 48.5), 1); // the 17th's stroke, not the 19th's
    }

    // Two days off in a row with the same text: the text once, in the first
    // day's column; the second day a bar over the whole row area.
    void consecutiveHolidaysShareTheirText()
    {
        SheetRecording sheet(2004, 5);
        sheet.addPupils(3);
        sheet.addHoliday(3, u"憲法記念日"_s, u"休"_s);
        sheet.addHoliday(4, u"国民の休日"_s, u"休"_s);
        const RecordedPage &page = sheet.print(FrontSheet);
        QCOMPARE(textsAt(page, 61 + 5 * 3, 48.5), QStringList{u"休"_s});
        QVERIFY(textsAt(page, 61 + 5 * 4, 48.5).isEmpty());
        const auto firstBars = fillsAt(page, 62.4 + 5 * 3);
        QCOMPARE(firstBars.size(), 1);
        QVERIFY(near(firstBars[0]->from.y(), 53.1) && near(firstBars[0]->to.y(), 65.3));
        const auto secondBars = fillsAt(page, 62.4 + 5 * 4);
        QCOMPARE(secondBars.size(), 1);
        QVERIFY(near(secondBars[0]->from.y(), 47) && near(secondBars[0]->to.y(), 65.3));
    }

    // The holiday bars follow the run's options, not any window's state.
    void holidayBarsFollowTheOptions_data()
    {
        QTest::addColumn<int>("options");
        QTest::addColumn<int>("bars");
        QTest::newRow("holidays and colour") << 31 << 2;
        QTest::newRow("holidays off") << 27 << 0;
        QTest::newRow("colour off") << 23 << 0;
    }
    void holidayBarsFollowTheOptions()
    {
        QFETCH(int, options);
        QFETCH(int, bars);
        SheetRecording sheet(2004, 5);
        sheet.addPupils(30);
        sheet.addHoliday(5, u"こどもの日"_s, u"祝"_s);
        sheet.job.PrintOptions = qint16(options);
        const RecordedPage &page = sheet.print(BackSheet);
        QCOMPARE(fillsAt(page, 62.4 + 5 * 5).size(), bars);
    }

    // A month off prints its note down day 1's column and nothing of its days
    // off: no holiday texts, no holiday bars, on any sheet.
    void monthOffPrintsItsNoteAlone_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("dayColumns"); // every text in the pupil rows' day columns, top to bottom
        QTest::newRow("front") << int(FrontSheet) << u"8月31日まで夏季休業のため以下記載省略"_s;
        QTest::newRow("full") << int(FullSheet) << u"8月31日まで夏季休業の為以下記載省略"_s;
        QTest::newRow("back") << int(BackSheet) << QString();
    }
    void monthOffPrintsItsNoteAlone()
    {
        QFETCH(int, side);
        QFETCH(QString, dayColumns);
        SheetRecording sheet(2026, 8);
        sheet.addPupils(side == FullSheet ? 18 : 30);
        sheet.session.Register.MonthOffFlag = 1;
        sheet.session.Register.MonthOffText = u"夏季休業"_s;
        sheet.addHoliday(1, u"土曜日"_s, u"土"_s);
        sheet.addHoliday(2, u"日曜日"_s, u"日"_s);
        sheet.addHoliday(3, u"夏季休業"_s, u"夏季休業"_s);
        sheet.addHoliday(4, u"夏季休業"_s, u"夏季休業"_s);
        sheet.addHoliday(31, u"夏季休業"_s, u"休"_s);
        const RecordedPage &page = sheet.print(qint16(side));

        const double rowsTop = side == BackSheet ? 23 : 47;
        const double rowsBottom = side == FrontSheet ? 199.5 : side == FullSheet ? 156.8 : 151.1;
        QMap<std::pair<double, double>, QString> texts;
        for (const PageOperation &op : page) {
            if (op.kind == Kind::Text && op.from.y() >= rowsTop && op.from.y() < rowsBottom && op.from.x() > 61
                && op.from.x() < 220)
                texts.insert({op.from.y(), op.from.x()}, op.text);
        }
        QCOMPARE(QStringList(texts.values()).join(QString()), dayColumns);
        if (side != BackSheet)
            QCOMPARE(findText(page, u"略"_s)->colour, PageColour::Red);
        for (const int day : {1, 2, 3, 4, 31})
            QVERIFY(fillsAt(page, 62.4 + 5 * day).isEmpty());
    }

    // A pupil who leaves on day index 9: the kind in red in the tenth column,
    // a red line to the end of the shown days, no marks after it, and the
    // counts in black like everyone's.
    void joiningAndLeaving()
    {
        SheetRecording sheet(2004, 6);
        PupilRecord &leaver = sheet.addPupil();
        leaver.OutKind = u"転"_s;
        leaver.OutDay = 9;
        leaver.Marks[2] = u"病"_s;
        leaver.Marks[12] = u"病"_s;
        PupilRecord &joiner = sheet.addPupil(u"女"_s);
        joiner.InKind = u"入"_s;
        joiner.InDay = 4;
        const RecordedPage &page = sheet.print(FrontSheet);

        const PageOperation *out = findText(page, u"転"_s);
        QVERIFY(out && near(out->from.x(), 111) && near(out->from.y(), 48.5));
        QCOMPARE(out->colour, 255);
        QVERIFY(hasRule(page, Kind::Line, 2, {115, 50.05}, {215, 50.05}));
        QCOMPARE(markStrokesInRow(page, 48.5), 1);
        QCOMPARE(textsAt(page, 223, 48.5).size(), 1);
        QCOMPARE(findText(page, u"   9"_s)->colour, 0);

        const PageOperation *in = findText(page, u"入"_s);
        QVERIFY(in && near(in->from.x(), 86) && near(in->from.y(), 54.6));
        QVERIFY(hasRule(page, Kind::Line, 2, {65, 56.15}, {85, 56.15}));
    }

    // Rows 26 to 46 go on the back sheet; pupil 7 prints " 7", pupil 26 "26".
    void rowsOnFrontAndBack()
    {
        SheetRecording front(2004, 6);
        front.addPupils(26);
        const RecordedPage &frontPage = front.print(FrontSheet);
        QCOMPARE(textsAt(frontPage, 19, 48.5 + 6.1 * 6), QStringList{u" 7"_s});
        QVERIFY(!findText(frontPage, u"26"_s) || findText(frontPage, u"26"_s)->from.y() < 47);

        SheetRecording back(2004, 6);
        back.addPupils(26);
        const RecordedPage &backPage = back.print(BackSheet);
        QCOMPARE(textsAt(backPage, 19, 24), QStringList{u"26"_s});
        QCOMPARE(textsInRow(backPage, 24 + 6.1, 14.5, 65), 0);
    }

    void namesAndGrades_data()
    {
        QTest::addColumn<int>("classKind");
        QTest::addColumn<int>("options");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("colour");
        QTest::addColumn<bool>("smaller");
        QTest::addColumn<bool>("grade");

        QTest::newRow("girl in red") << 0 << 31 << u"女"_s << u"花園　咲良"_s << 255 << false << false;
        QTest::newRow("girl in black") << 0 << 15 << u"女"_s << u"花園　咲良"_s << 0 << false << false;
        QTest::newRow("boy") << 0 << 31 << u"男"_s << u"青葉　陽太"_s << 0 << false << false;
        QTest::newRow("long name") << 0 << 31 << u"男"_s << u"長谷川原田ウィリアムズ太郎右衛門"_s << 0 << true << false;
        QTest::newRow("grade of a multi-grade class") << 2 << 31 << u"男"_s << u"青葉"_s << 0 << false << true;
    }
    void namesAndGrades()
    {
        QFETCH(int, classKind);
        QFETCH(int, options);
        QFETCH(QString, sex);
        QFETCH(QString, name);
        QFETCH(int, colour);
        QFETCH(bool, smaller);
        QFETCH(bool, grade);
        SheetRecording sheet(2004, 6, qint16(classKind));
        sheet.job.PrintOptions = qint16(options);
        sheet.addPupil(sex, name).Grade = 3;
        const RecordedPage &page = sheet.print(FrontSheet);
        const PageOperation *printed = findText(page, name);
        QVERIFY(printed && near(printed->from.x(), 26));
        QCOMPARE(printed->colour, colour);
        QCOMPARE(printed->points < 10, smaller);
        QVERIFY(PageFont::textWidth(name, printed->points) < 38);
        QCOMPARE(textsAt(page, 7, 48.5), grade ? QStringList{u"3年"_s} : QStringList());
        QCOMPARE(textsAt(page, 19, 48.5 + 6.1).size(), 0);
    }

    // Without data printing a row has number, grade and name only, and the
    // summary block stays empty.
    void dataOff()
    {
        SheetRecording sheet(2004, 6);
        sheet.addPupil().Marks[1] = u"病"_s;
        sheet.job.PrintOptions = PrintOption::Colour;
        const RecordedPage &page = sheet.print(FullSheet);
        QCOMPARE(textsInRow(page, 48.5, 65, 290), 0);
        QCOMPARE(markStrokesInRow(page, 48.5), 0);
        QCOMPARE(textsInRow(page, 158.5, 60, 290), 0);
    }

    // A counter too wide for its cell is printed whole, smaller.
    void wideCountersKeepTheirDigits()
    {
        SheetRecording sheet(2004, 6);
        sheet.addPupil();
        computeStatistics(sheet.session);
        MonthStatistics figures = sheet.session.Statistics;
        figures.PupilStat[0][StatColumn::Late] = 123;
        const PageOperation *late = findText(sheet.print(FrontSheet, figures), u"123"_s);
        QVERIFY(late && near(late->from.x(), 226 + 5.2 * 8));
        QVERIFY(PageFont::textWidth(u"123"_s, late->points) <= PageFont::textWidth(u"12"_s, 9) + 0.001);
    }

    void summaryFigures_data()
    {
        QTest::addColumn<bool>("countBySex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPointF>("at");
        QTest::newRow("school days") << false << u"26日"_s << QPointF(35, 183.5);
        QTest::newRow("rate") << false << u" 97.6%"_s << QPointF(60, 183.5);
        QTest::newRow("transfer out") << false << u"転学 1名"_s << QPointF(147, 180.5);
        QTest::newRow("start of month") << false << u"2"_s << QPointF(97, 183.5);
        QTest::newRow("start girls by sex") << true << u" 1"_s << QPointF(99, 185.5);
        QTest::newRow("A") << false << u"  42"_s << QPointF(223, 158.5);
    }
    void summaryFigures()
    {
        QFETCH(bool, countBySex);
        QFETCH(QString, text);
        QFETCH(QPointF, at);
        SheetRecording sheet(2004, 6);
        sheet.session.Settings.CountBySex = countBySex;
        sheet.addPupil().Marks[1] = u"病"_s;
        PupilRecord &leaver = sheet.addPupil(u"女"_s);
        leaver.OutKind = u"転"_s;
        leaver.OutDay = 19;
        for (int day : {6, 13, 20, 27})
            sheet.addHoliday(day, u"日曜日"_s, u"日"_s);
        QVERIFY(textsAt(sheet.print(FullSheet), at.x(), at.y()).contains(text));
    }

    // The enrolment changes of the summary, each where the form puts it and
    // only when its count is above 0; 就学猶予, 就学免除 and 死亡 stack down
    // from the first that is printed.
    void enrolmentChangeLines_data()
    {
        QTest::addColumn<QList<int>>("changes"); // by ChangeKind
        QTest::addColumn<QStringList>("lines");  // "TEXT@x,dy" below the summary's base
        QTest::newRow("none") << QList<int>{0, 0, 0, 0, 0, 0, 0} << QStringList{};
        QTest::newRow("転入学") << QList<int>{2, 0, 0, 0, 0, 0, 0} << QStringList{u"転入学 2名@118,22"_s};
        QTest::newRow("編入学") << QList<int>{0, 1, 0, 0, 0, 0, 0} << QStringList{u"編入学 1名@118,27"_s};
        QTest::newRow("転学 and 退学") << QList<int>{0, 0, 3, 1, 0, 0, 0}
                                       << QStringList{u"転学 3名@147,22"_s, u"退学 1名@147,27"_s};
        QTest::newRow("死亡 alone at the top")
            << QList<int>{0, 0, 0, 0, 0, 0, 1} << QStringList{u"　死亡　 1名@176,22"_s};
        QTest::newRow("就学免除 and 死亡")
            << QList<int>{0, 0, 0, 0, 0, 1, 1} << QStringList{u"就学免除 1名@176,22"_s, u"　死亡　 1名@176,27"_s};
        QTest::newRow("every change") << QList<int>{1, 1, 1, 1, 1, 2, 1}
                                      << QStringList{u"転入学 1名@118,22"_s,   u"編入学 1名@118,27"_s,
                                                     u"転学 1名@147,22"_s,     u"退学 1名@147,27"_s,
                                                     u"就学猶予 1名@176,22"_s, u"就学免除 2名@176,27"_s,
                                                     u"　死亡　 1名@176,32"_s};
    }
    void enrolmentChangeLines()
    {
        QFETCH(QList<int>, changes);
        QFETCH(QStringList, lines);
        SheetRecording sheet(2004, 6);
        sheet.addPupil();
        computeStatistics(sheet.session);
        MonthStatistics figures = sheet.session.Statistics;
        for (qsizetype kind = 0; kind < changes.size(); ++kind)
            figures.Changes[kind] = qint16(changes[kind]);

        constexpr double Base = 152.5;
        QStringList printed;
        for (const PageOperation &op : sheet.print(BackSheet, figures)) {
            const double dy = op.from.y() - Base;
            if (op.kind == Kind::Text && op.from.x() > 110 && op.from.x() < 200 && dy > 20 && dy < 35)
                printed.append(u"%1@%2,%3"_s.arg(op.text).arg(op.from.x()).arg(std::round(dy * 100) / 100));
        }
        printed.sort();
        lines.sort();
        QCOMPARE(printed, lines);
    }
};

VELTRA_TEST(RegisterDataTest)

#include "registerdata_test.moc"

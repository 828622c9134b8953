#include "editorwindow.h"
#include "testregistry.h"

#include <QFrame>
#include <QLineEdit>

// Mark entry on D_LIST by clicks at the sheet's twip coordinates: choosing in
// the palette, entering, combining and removing marks, joining and leaving,
// and the rows and columns that do not react.
class MarkClicksTest : public QObject
{
    Q_OBJECT

private slots:
    void firstClickAfterOpeningEntersOtherReasons()
    {
        EditorWindow editor;
        editor.addPupils(3);
        editor.open();
        QCOMPARE(editor.control<QLabel>(u"SETL_1"_s)->frameShape(), QFrame::Box);
        QCOMPARE(editor.control<QLabel>(u"SETL_0"_s)->frameShape(), QFrame::NoFrame);
        editor.clickDay(2, 11);
        QCOMPARE(editor.pupil(2).Marks[11], u"事"_s);
        QCOMPARE(editor.session.Statistics.PupilStat[2][2], 1);
        QCOMPARE(editor.session.Statistics.DayAbsent[11], 1);
        QVERIFY(editor.control(u"U_BAR"_s)->isVisible());
    }

    // Each key hint lies inside its own entry, and no two entries of a row touch.
    void paletteEntriesStandApart()
    {
        EditorWindow editor;
        editor.open();
        const QList<QLabel *> entries = editor.control(u"SETL_0"_s)->parentWidget()->findChildren<QLabel *>();
        QCOMPARE(entries.size(), 16);
        for (const QLabel *entry : entries) {
            QVERIFY(entry->text().contains(u"</span>"_s + entry->accessibleName()));
            for (const QLabel *other : entries) {
                if (other != entry && other->y() == entry->y())
                    QVERIFY2(!entry->geometry().adjusted(-1, 0, 1, 0).intersects(other->geometry()),
                             qPrintable(entry->accessibleName() + u' ' + other->accessibleName()));
            }
        }
    }

    void clicksOnTheSpecifiedCoordinates_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("day");
        QTest::newRow("1st, top left corner") << 2801 << 1 << 0 << 0;
        QTest::newRow("12th of pupil 3") << 2800 + 240 * 11 + 200 << 240 * 2 + 200 << 2 << 11;
        QTest::newRow("31st, bottom right") << 10230 << 240 * 3 + 230 << 3 << 30;
    }
    void clicksOnTheSpecifiedCoordinates()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, row);
        QFETCH(int, day);
        EditorWindow editor;
        editor.addPupils(4);
        editor.open();
        editor.choose(0);
        editor.clickAt(x, y);
        QCOMPARE(editor.pupil(row).Marks[day], u"病"_s);
    }

    void marksCombineAndClear_data()
    {
        QTest::addColumn<QList<int>>("codes"); // palette entry before each click
        QTest::addColumn<QString>("mark");
        QTest::newRow("病 then 事故 clears") << QList<int>{0, 1} << QString();
        QTest::newRow("病, 事故, 事故 replaces in two clicks") << QList<int>{0, 1, 1} << u"事"_s;
        QTest::newRow("遅刻 then 早退 gives ﾁ") << QList<int>{2, 7} << u"ﾁ"_s;
        QTest::newRow("ﾁ then anything clears") << QList<int>{2, 7, 20} << QString();
        QTest::newRow("早退 then 遅刻 clears") << QList<int>{7, 2} << QString();
        QTest::newRow("休日出席") << QList<int>{20} << u"出"_s;
        QTest::newRow("不良停止") << QList<int>{3} << u"テ"_s;
    }
    void marksCombineAndClear()
    {
        QFETCH(QList<int>, codes);
        EditorWindow editor;
        editor.addPupils(2);
        editor.open();
        for (int code : codes) {
            editor.choose(code);
            editor.clickDay(1, 4);
        }
        QTEST(editor.pupil(1).Marks[4], "mark");
        QCOMPARE(editor.control<QLabel>(u"SETL_%1"_s.arg(codes.last()))->frameShape(), QFrame::Box);
    }

    // On a day off only 休日出席 is entered; other marks are refused with a
    // note in the status bar, and marks an older file holds there can still
    // be cleared (or, from "遅", not turned into "ﾁ").
    void dayOffTakesOnlyHolidayAttendance_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("refused");
        QTest::newRow("病 refused") << QString() << 0 << QString() << true;
        QTest::newRow("遅刻 refused") << QString() << 2 << QString() << true;
        QTest::newRow("休日出席 entered") << QString() << 20 << u"出"_s << false;
        QTest::newRow("stored 病 cleared") << u"病"_s << 1 << QString() << false;
        QTest::newRow("stored 遅 not made ﾁ") << u"遅"_s << 7 << u"遅"_s << true;
    }
    void dayOffTakesOnlyHolidayAttendance()
    {
        QFETCH(QString, stored);
        QFETCH(int, code);
        QFETCH(QString, mark);
        QFETCH(bool, refused);
        EditorWindow editor;
        editor.addPupils(1);
        editor.addHoliday(3, u"土"_s, u"土曜日"_s);
        editor.session.Register.Pupils[0].Marks[2] = stored;
        editor.open();
        editor.choose(code);
        editor.clickDay(0, 2);
        QCOMPARE(editor.pupil(0).Marks[2], mark);
        QCOMPARE(editor.test.prompts.statusTexts,
                 refused ? QStringList{u"3日は休日です。休日には「休日出席」だけを入力できます"_s} : QStringList());
        QVERIFY(editor.test.prompts.messages.isEmpty());
    }

    void combinedMarkCountsLateAndEarly()
    {
        EditorWindow editor;
        editor.addPupils(1);
        editor.open();
        editor.choose(2);
        editor.clickDay(0, 6);
        editor.choose(7);
        editor.clickDay(0, 6);
        const auto &counters = editor.session.Statistics.PupilStat[0];
        QCOMPARE(counters[8], 1);
        QCOMPARE(counters[9], 1);
        QCOMPARE(counters[0], 30);
    }

    void joiningMovesInTwoClicks()
    {
        EditorWindow editor;
        editor.addPupils(2);
        PupilRecord &pupil = editor.addPupil(u"転入生"_s);
        pupil.InKind = u"入"_s;
        pupil.InDay = 4;
        pupil.Marks[11] = u"遅"_s;
        editor.open();
        editor.choose(10);
        editor.clickDay(2, 11);
        QCOMPARE(editor.pupil(2).InKind, QString());
        QCOMPARE(editor.pupil(2).InDay, 0);
        editor.clickDay(2, 11);
        QCOMPARE(editor.pupil(2).InKind, u"入"_s);
        QCOMPARE(editor.pupil(2).InDay, 11);
        QCOMPARE(editor.pupil(2).Marks[11], u"遅"_s);
        QCOMPARE(editor.session.Statistics.Changes[0], 1);
    }

    void admissionRemovesATransferIn()
    {
        EditorWindow editor;
        PupilRecord &pupil = editor.addPupil(u"転入生"_s);
        pupil.InKind = u"入"_s;
        pupil.InDay = 4;
        editor.open();
        editor.choose(11);
        editor.clickDay(0, 20);
        QCOMPARE(editor.pupil(0).InKind, QString());
        editor.clickDay(0, 20);
        QCOMPARE(editor.pupil(0).InKind, u"編"_s);
    }

    void leavingMovesInTwoClicks()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.open();
        editor.choose(12);
        editor.clickDay(1, 9);
        QCOMPARE(editor.pupil(1).OutKind, u"転"_s);
        QCOMPARE(editor.pupil(1).OutDay, 9);
        editor.choose(16);
        editor.clickDay(1, 14);
        QCOMPARE(editor.pupil(1).OutKind, QString());
        editor.clickDay(1, 14);
        QCOMPARE(editor.pupil(1).OutKind, u"死"_s);
        QCOMPARE(editor.pupil(1).OutDay, 14);
        QCOMPARE(editor.session.Statistics.Changes[6], 1);
    }

    // A joining or leaving that leaves marks outside the enrolment asks
    // whether to clear them; はい clears them as one step of its own.
    void marksOutsideTheEnrolmentMayBeCleared_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<int>>("markedDays");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QList<int>>("keptDays");
        QTest::addColumn<bool>("asked");
        QTest::newRow("joining, はい") << 10 << QList<int>{3, 12} << true << QList<int>{12} << true;
        QTest::newRow("joining, いいえ") << 10 << QList<int>{3, 12} << false << QList<int>{3, 12} << true;
        QTest::newRow("leaving, はい") << 12 << QList<int>{3, 12, 20} << true << QList<int>{3} << true;
        QTest::newRow("nothing outside") << 10 << QList<int>{9, 12} << true << QList<int>{9, 12} << false;
    }
    void marksOutsideTheEnrolmentMayBeCleared()
    {
        QFETCH(int, code);
        QFETCH(QList<int>, markedDays);
        QFETCH(bool, yes);
        QFETCH(QList<int>, keptDays);
        QFETCH(bool, asked);
        EditorWindow editor;
        PupilRecord &pupil = editor.addPupil(u"転入生"_s);
        for (const int day : markedDays)
            pupil.Marks[day] = u"病"_s;
        const PupilRecord before = pupil;
        editor.open();
        editor.choose(code);
        editor.test.prompts.answers = {yes ? PromptAnswer::Yes : PromptAnswer::No};
        editor.clickDay(0, 9);

        QCOMPARE(editor.test.prompts.messages.size(), asked ? 1 : 0);
        QList<int> kept;
        for (int day = 0; day < DaySlots; ++day) {
            if (!editor.pupil(0).Marks[day].isEmpty())
                kept.append(day);
        }
        QCOMPARE(kept, keptDays);
        QCOMPARE(editor.session.Statistics.PupilStat[0][StatColumn::AbsentSick], keptDays.size());
        editor.key(Qt::Key_Z, Qt::ControlModifier);
        if (yes && asked) {
            QCOMPARE(editor.pupil(0).Marks, before.Marks);
            QVERIFY(editor.pupil(0).InKind + editor.pupil(0).OutKind != QString());
        } else {
            QCOMPARE(editor.pupil(0), before);
        }
    }

    void the47thRowDoesNothing()
    {
        EditorWindow editor;
        editor.addPupils(46);
        editor.open();
        const RegisterMonth before = editor.session.Register;
        auto *scroll = editor.control<QScrollBar>(u"V_SCL"_s);
        scroll->setValue(scroll->maximum());
        editor.clickName(46);
        editor.clickDay(46, 3);
        editor.clickName(47);
        QCOMPARE(editor.session.Register, before);
        QVERIFY(!editor.control(u"ED_BOX2"_s)->isVisible());
        QCOMPARE(editor.test.prompts.texts(), QStringList{u"児童生徒は46名までです"_s});
        editor.clickDay(45, 3);
        QCOMPARE(editor.pupil(45).Marks[3], u"事"_s);
    }

    void rowsBelowTheFirstEmptyRowDoNothing()
    {
        EditorWindow editor;
        editor.addPupils(3);
        editor.open();
        editor.clickName(4);
        editor.clickGrade(5);
        QVERIFY(!editor.control(u"ED_BOX2"_s)->isVisible());
        QCOMPARE(editor.session.Register.PupilCount, 3);
    }

    void emptyRowDayCellHidesTheUnderline()
    {
        EditorWindow editor;
        editor.addPupils(3);
        editor.open();
        editor.clickDay(1, 1);
        QVERIFY(editor.control(u"U_BAR"_s)->isVisible());
        const RegisterMonth before = editor.session.Register;
        editor.clickDay(3, 1);
        QVERIFY(!editor.control(u"U_BAR"_s)->isVisible());
        editor.clickSex(3);
        QCOMPARE(editor.session.Register, before);
    }

    void countersAndRightOfTheDaysAreIgnored()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.open();
        editor.choose(12);
        const RegisterMonth before = editor.session.Register;
        editor.clickAt(10300, 130);
        editor.clickAt(13000, 370);
        QCOMPARE(editor.session.Register, before);
        QVERIFY(!editor.control(u"U_BAR"_s)->isVisible());
    }

    void scrolledRowsKeepTheirPupilIndexes()
    {
        EditorWindow editor;
        editor.addPupils(40);
        editor.open();
        auto *scroll = editor.control<QScrollBar>(u"V_SCL"_s);
        QVERIFY(scroll->maximum() > 0);
        scroll->setValue(5);
        editor.clickDay(30, 2);
        QCOMPARE(editor.pupil(30).Marks[2], u"事"_s);
    }

    void wheelScrollsTheRows()
    {
        EditorWindow editor;
        editor.addPupils(40);
        editor.open();
        auto *rows = editor.rows();
        QWheelEvent wheel(QPointF(100, 100), rows->mapToGlobal(QPointF(100, 100)), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(rows, &wheel);
        QVERIFY(editor.control<QScrollBar>(u"V_SCL"_s)->value() > 0);
        QCOMPARE(rows->origin(), editor.control<QScrollBar>(u"V_SCL"_s)->value() * 240);
    }
};

VELTRA_TEST(MarkClicksTest)
#include "markclicks_test.moc"

#include "editorwindow.h"
#include "testregistry.h"

#include <QFrame>
#include <QLineEdit>

// Entering with the keys (cell cursor, palette keys, Space, Enter, Delete) and
// undoing and redoing every kind of change back to the register as it was.
class KeyboardUndoTest : public QObject
{
    Q_OBJECT

private:
    static void fillRegister(EditorWindow &editor)
    {
        editor.addPupils(5);
        editor.session.Register.TeacherName = u"山田"_s;
        editor.session.Register.Pupils[0].Marks[1] = u"病"_s;
        editor.session.Register.Pupils[3].OutKind = u"転"_s;
        editor.session.Register.Pupils[3].OutDay = 15;
        editor.addHoliday(29, u"祝"_s, u"昭和の日"_s);
    }

    static MonthStatistics statisticsOf(Session session)
    {
        computeStatistics(session);
        return session.Statistics;
    }

    // Presses Ctrl+Z until nothing changes; the number of steps undone.
    static int undoAll(EditorWindow &editor)
    {
        for (int steps = 0;; ++steps) {
            const RegisterMonth before = editor.session.Register;
            QTest::keyClick(editor.rows(), Qt::Key_Z, Qt::ControlModifier);
            if (editor.session.Register == before)
                return steps;
        }
    }

private slots:
    void cursorStartsOnTodayInTheOpenMonth()
    {
        EditorWindow editor(OrdinaryClass, 38, 12); // December 2026, the test clock's month
        editor.addPupils(2);
        editor.open();
        QCOMPARE(editor.focusName(), u"D_LIST"_s);
        editor.key(Qt::Key_Space);
        QCOMPARE(editor.pupil(0).Marks[6], u"事"_s);
    }

    void keysEnterMarksAsClicksDo()
    {
        EditorWindow editor;
        editor.addPupils(3);
        editor.open();
        editor.key(Qt::Key_Right);
        editor.key(Qt::Key_Right);
        editor.key(Qt::Key_1);
        QCOMPARE(editor.control<QLabel>(u"SETL_0"_s)->frameShape(), QFrame::Box);
        editor.key(Qt::Key_Space);
        QCOMPARE(editor.pupil(0).Marks[2], u"病"_s);
        editor.key(Qt::Key_Down);
        editor.key(Qt::Key_4);
        editor.key(Qt::Key_Return);
        editor.key(Qt::Key_R);
        editor.key(Qt::Key_Enter);
        QCOMPARE(editor.pupil(1).Marks[2], u"ﾁ"_s);
        editor.key(Qt::Key_Delete);
        QCOMPARE(editor.pupil(1).Marks[2], QString());
        editor.key(Qt::Key_T);
        editor.key(Qt::Key_End);
        editor.key(Qt::Key_Space);
        QCOMPARE(editor.pupil(1).InKind, u"編"_s);
        QCOMPARE(editor.pupil(1).InDay, 29);
    }

    void keysReachTheNameAndSexColumns()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.open();
        editor.key(Qt::Key_Down);
        editor.key(Qt::Key_Left);
        editor.key(Qt::Key_Space);
        QCOMPARE(editor.pupil(1).Sex, u"男"_s); // was 女
        editor.key(Qt::Key_Down);
        editor.key(Qt::Key_Left);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.focusName(), u"ED_BOX2"_s);
        editor.type(u"三人目"_s);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.session.Register.PupilCount, 3);
        QCOMPARE(editor.pupil(2).Name, u"三人目"_s);
    }

    // A screen reader hears the cell under the cursor: pupil, column and what it holds.
    void theCursorsCellIsAnnounced()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.addHoliday(4, u"日"_s, u"日曜日"_s);
        editor.session.Register.Pupils[1].Marks[1] = u"病"_s;
        editor.open();
        // Keys pressed, then what the reader hears.
        const std::pair<QList<int>, QString> steps[] = {
            {{}, u"1番 児童1 1日 記入なし"_s},
            {{Qt::Key_Down, Qt::Key_Right}, u"2番 児童2 2日 病"_s},
            {{Qt::Key_Right, Qt::Key_Right}, u"2番 児童2 4日 休日"_s},
            {{Qt::Key_Home, Qt::Key_Left}, u"2番 児童2 性別 女"_s},
            {{Qt::Key_Down, Qt::Key_Left}, u"3番 新しい児童 氏名"_s},
            {{Qt::Key_Up, Qt::Key_Right, Qt::Key_Space}, u"2番 児童2 性別 男"_s}, // 女 became 男
        };
        for (const auto &[keys, heard] : steps) {
            for (int key : keys)
                editor.key(key);
            QCOMPARE(editor.rows()->accessibleName(), heard);
        }
    }

    void aClickMovesTheCursor()
    {
        EditorWindow editor;
        editor.addPupils(4);
        editor.open();
        editor.choose(5);
        editor.clickDay(3, 17);
        editor.rows()->setFocus();
        editor.key(Qt::Key_Left);
        editor.key(Qt::Key_Space);
        QCOMPARE(editor.pupil(3).Marks[16], u"キ"_s);
    }

    void undoAndRedoEveryKindOfChange()
    {
        EditorWindow editor;
        fillRegister(editor);
        const RegisterMonth original = editor.session.Register;
        editor.open();

        editor.key(Qt::Key_Right);
        editor.key(Qt::Key_Space);  // clears 病 on the 2nd of pupil 1
        editor.key(Qt::Key_Space);  // 事 there
        editor.key(Qt::Key_Delete); // and away again
        editor.key(Qt::Key_Left);
        editor.key(Qt::Key_Space); // 事 on the 1st
        editor.key(Qt::Key_6);
        editor.key(Qt::Key_Down);
        editor.key(Qt::Key_Space); // pupil 2 leaves
        editor.key(Qt::Key_Left);
        editor.key(Qt::Key_Space); // sex of pupil 2
        editor.clickName(5);
        editor.type(u"新入生"_s);
        editor.key(Qt::Key_Return);
        editor.clickNumber(5);
        editor.clickName(0);
        editor.type(u"改"_s);
        editor.key(Qt::Key_Return);
        editor.clickNumber(0);
        editor.press(u"B_DOWN"_s);
        editor.clickNumber(4);
        editor.press(u"B_DEL"_s);
        auto *teacher = editor.control<QLineEdit>(u"TS_NAME"_s);
        teacher->setFocus();
        teacher->end(false);
        editor.type(u"花子"_s);
        editor.rows()->setFocus();

        const RegisterMonth edited = editor.session.Register;
        QVERIFY(edited != original);
        QCOMPARE(edited.TeacherName, u"山田花子"_s);
        QCOMPARE(edited.PupilCount, 5);

        QCOMPARE(undoAll(editor), 11);
        QCOMPARE(editor.session.Register, original);
        QCOMPARE(editor.session.Statistics, statisticsOf(editor.session));
        QCOMPARE(teacher->text(), u"山田"_s);

        for (int step = 0; step < 6; ++step)
            QTest::keyClick(editor.rows(), Qt::Key_Y, Qt::ControlModifier);
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(editor.rows(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editor.session.Register, edited);
        QCOMPARE(editor.session.Statistics, statisticsOf(editor.session));

        QCOMPARE(undoAll(editor), 11);
        QCOMPARE(editor.session.Register, original);
    }

    void changesFromOtherWindowsAreUndoneToo()
    {
        EditorWindow editor;
        fillRegister(editor);
        const RegisterMonth original = editor.session.Register;
        editor.open();
        editor.session.Register.HolidayList[1] = {3, u"憲法記念日"_s, u"祝"_s};
        editor.session.Register.HolidayCount = 2;
        editor.form->RefreshSheet();
        QCOMPARE(editor.session.Statistics.SchoolDays, 28);
        QTest::keyClick(editor.rows(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.session.Register, original);
        QCOMPARE(editor.session.Statistics.SchoolDays, 29);
    }
};

VELTRA_TEST(KeyboardUndoTest)
#include "keyboardundo_test.moc"

#include "editorwindow.h"
#include "testregistry.h"

#include <QLineEdit>

// The pupil list in the register window: names typed row after row, grades,
// sexes, 削除, 上 and 下, and the teacher's name.
class PupilEntryTest : public QObject
{
    Q_OBJECT

private:
    static QStringList names(const EditorWindow &editor)
    {
        QStringList result;
        for (int i = 0; i < editor.session.Register.PupilCount; ++i)
            result.append(editor.pupil(i).Name);
        return result;
    }

private slots:
    void fiveNamesWithEnter()
    {
        EditorWindow editor;
        editor.open();
        editor.clickName(0);
        auto *box = editor.control<QLineEdit>(u"ED_BOX2"_s);
        QVERIFY(box->isVisible());
        const QStringList typed{u"青木一郎"_s, u"井上二郎"_s, u"上田三郎"_s, u"江藤四郎"_s, u"小川五郎"_s};
        for (const QString &name : typed) {
            editor.type(name);
            editor.key(Qt::Key_Return);
        }
        QCOMPARE(names(editor), typed);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(editor.pupil(i).Sex, u"男"_s);
        QVERIFY(box->isVisible());
        QVERIFY(box->hasFocus());
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->y(), editor.rows()->twipsToY(240 * 5));
        QCOMPARE(editor.session.Statistics.StartBoys, 5);
    }

    void namesScrollTheRowsDown()
    {
        EditorWindow editor;
        editor.addPupils(30);
        editor.open();
        editor.clickName(30);
        for (int i = 0; i < 4; ++i) {
            editor.type(u"新入生%1"_s.arg(i));
            editor.key(Qt::Key_Return);
        }
        QCOMPARE(editor.session.Register.PupilCount, 34);
        auto *box = editor.control<QLineEdit>(u"ED_BOX2"_s);
        QVERIFY(box->geometry().bottom() <= editor.rows()->height());
        QVERIFY(editor.control<QScrollBar>(u"V_SCL"_s)->value() > 0);
    }

    void nameEntryStopsAtThe46thPupil()
    {
        EditorWindow editor;
        editor.addPupils(45);
        editor.open();
        editor.control<QScrollBar>(u"V_SCL"_s)->setValue(20);
        editor.clickName(45);
        editor.type(u"最後"_s);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.session.Register.PupilCount, 46);
        QVERIFY(!editor.control(u"ED_BOX2"_s)->isVisible());
        QCOMPARE(editor.focusName(), u"D_LIST"_s);
        QCOMPARE(editor.test.prompts.texts(), QStringList{u"児童生徒は46名までです"_s});
    }

    // Esc closes either box and keeps what was stored.
    void escapeCancelsAnEntry_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("row");
        QTest::newRow("name of a pupil") << u"ED_BOX2"_s << 0;
        QTest::newRow("name of the empty row") << u"ED_BOX2"_s << 1;
        QTest::newRow("grade of a pupil") << u"ED_BOX1"_s << 0;
        QTest::newRow("grade of the empty row") << u"ED_BOX1"_s << 1;
    }
    void escapeCancelsAnEntry()
    {
        QFETCH(QString, box);
        QFETCH(int, row);
        EditorWindow editor(MultiGradeClass);
        editor.addPupil(u"青木"_s).Grade = 2;
        editor.open();
        const RegisterMonth before = editor.session.Register;
        if (box == u"ED_BOX2"_s)
            editor.clickName(row);
        else
            editor.clickGrade(row);
        editor.type(u"4"_s);
        editor.key(Qt::Key_Escape);
        QVERIFY(!editor.control(box)->isVisible());
        QCOMPARE(editor.session.Register, before);
        QCOMPARE(editor.focusName(), u"D_LIST"_s);
    }

    void renamingEndsTheEntry()
    {
        EditorWindow editor;
        editor.addPupils(3);
        editor.open();
        editor.clickName(1);
        auto *box = editor.control<QLineEdit>(u"ED_BOX2"_s);
        QCOMPARE(box->text(), u"児童2"_s);
        box->selectAll();
        editor.type(u"井上"_s);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.pupil(1).Name, u"井上"_s);
        QVERIFY(!box->isVisible());
        QCOMPARE(editor.session.Register.PupilCount, 3);
    }

    void aNameCannotBeCleared()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.open();
        editor.clickName(0);
        auto *box = editor.control<QLineEdit>(u"ED_BOX2"_s);
        box->clear();
        editor.key(Qt::Key_Return);
        QVERIFY(box->isVisible());
        editor.clickDay(1, 1);
        QCOMPARE(editor.pupil(0).Name, u"児童1"_s);
        QVERIFY(!box->isVisible());
    }

    void leavingTheBoxKeepsTheName()
    {
        EditorWindow editor;
        editor.open();
        editor.clickName(0);
        editor.type(u"青木"_s);
        editor.clickNumber(0);
        QCOMPARE(names(editor), QStringList{u"青木"_s});
    }

    void typedNamesFollowTheTextRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        QTest::newRow("double quote") << u"青\"木"_s << u"青＂木"_s << QString();
        QTest::newRow("wave dash") << u"青〜木"_s << u"青～木"_s << QString();
        QTest::newRow("unencodable") << u"青\u9DD7木"_s << QString()
                                     << u"文字「\u9DD7」(U+9DD7)はシフトJISで保存できません"_s;
        QTest::newRow("NUL") << u"青\u0000木"_s << QString() << u"制御文字(U+0000)は使えません"_s;
        QTest::newRow("SUB") << u"青\u001A木"_s << QString() << u"制御文字(U+001A)は使えません"_s;
        QTest::newRow("DEL") << u"青木\u007F"_s << QString() << u"制御文字(U+007F)は使えません"_s;
    }
    void typedNamesFollowTheTextRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        EditorWindow editor;
        editor.open();
        editor.clickName(0);
        editor.control<QLineEdit>(u"ED_BOX2"_s)->setText(typed);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.test.prompts.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QTEST(editor.pupil(0).Name, "stored");
        QCOMPARE(editor.session.Register.PupilCount, message.isEmpty() ? 1 : 0);
        QCOMPARE(editor.control(u"ED_BOX2"_s)->isVisible(), message.isEmpty()); // a refused name closes the box
    }

    void multiGradeNameThenGrade()
    {
        EditorWindow editor(MultiGradeClass);
        editor.open();
        editor.clickName(0);
        editor.type(u"青木"_s);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.session.Register.PupilCount, 1);
        auto *grade = editor.control<QLineEdit>(u"ED_BOX1"_s);
        QVERIFY(grade->isVisible());
        QVERIFY(grade->hasFocus());
        QVERIFY(!editor.control(u"ED_BOX2"_s)->isVisible());
        editor.type(u"2"_s);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.pupil(0).Grade, 2);
        QVERIFY(!grade->isVisible());
        QCOMPARE(editor.focusName(), u"D_LIST"_s);
    }

    void gradeFirstThenName()
    {
        EditorWindow editor(SpecialSupportClass);
        editor.open();
        editor.clickGrade(0);
        editor.type(u"3"_s);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.session.Register.PupilCount, 1);
        QCOMPARE(editor.pupil(0).Grade, 3);
        auto *name = editor.control<QLineEdit>(u"ED_BOX2"_s);
        QVERIFY(name->hasFocus());
        editor.type(u"井上"_s);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.pupil(0).Name, u"井上"_s);
    }

    void gradesThroughTheBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("grade");
        QTest::addColumn<bool>("refused");
        QTest::newRow("blank then 2") << u" 2"_s << 2 << false;
        QTest::newRow("2.5") << u"2.5"_s << 2 << false;
        QTest::newRow("3.5") << u"3.5"_s << 4 << false;
        QTest::newRow("abc") << u"abc"_s << 0 << false;
        QTest::newRow("negative") << u"-3"_s << 5 << true;
        QTest::newRow("too large") << u"99999"_s << 5 << true;
    }
    void gradesThroughTheBox()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        EditorWindow editor(MultiGradeClass);
        editor.addPupil(u"青木"_s).Grade = 5;
        editor.open();
        editor.clickGrade(0);
        auto *box = editor.control<QLineEdit>(u"ED_BOX1"_s);
        QCOMPARE(box->text(), u"5"_s);
        box->setText(typed);
        editor.key(Qt::Key_Return);
        QTEST(int(editor.pupil(0).Grade), "grade");
        QCOMPARE(box->isVisible(), refused);
        QCOMPARE(editor.test.prompts.texts(),
                 refused ? QStringList{u"学年は0から99までの数で入力してください"_s} : QStringList{});
    }

    void regradingANamelessPupilIsOneStep()
    {
        EditorWindow editor(MultiGradeClass);
        editor.addPupil(QString()).Grade = 5;
        editor.open();
        editor.clickGrade(0);
        editor.control<QLineEdit>(u"ED_BOX1"_s)->setText(u"3"_s);
        editor.key(Qt::Key_Return);
        QCOMPARE(editor.focusName(), u"ED_BOX2"_s);
        QCOMPARE(editor.pupil(0).Grade, 3);
        editor.rows()->setFocus();
        QTest::keyClick(editor.rows(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.pupil(0).Grade, 5);
    }

    void aBlankGradeAddsNoPupil()
    {
        EditorWindow editor(MultiGradeClass);
        editor.open();
        editor.clickGrade(0);
        editor.clickDay(0, 3);
        QCOMPARE(editor.session.Register.PupilCount, 0);
    }

    void sexToggles()
    {
        EditorWindow editor;
        editor.addPupils(1);
        editor.open();
        editor.clickSex(0);
        QCOMPARE(editor.pupil(0).Sex, u"女"_s);
        QCOMPARE(editor.session.Statistics.StartGirls, 1);
        editor.clickSex(0);
        QCOMPARE(editor.pupil(0).Sex, u"男"_s);
    }

    void deleteAsksAndRemoves()
    {
        EditorWindow editor;
        editor.addPupils(3);
        editor.session.Register.Pupils[2].Marks[7] = u"病"_s;
        const PupilRecord third = editor.session.Register.Pupils[2];
        editor.open();
        editor.clickNumber(1);
        editor.test.prompts.answers = {PromptAnswer::No};
        editor.press(u"B_DEL"_s);
        QCOMPARE(editor.session.Register.PupilCount, 3);
        editor.press(u"B_DEL"_s);
        QCOMPARE(names(editor), (QStringList{u"児童1"_s, u"児童3"_s}));
        QCOMPARE(editor.pupil(1), third);
        const PromptMessage question{u"児童2のデータを削除します"_s, u"削除"_s, PromptIcon::Question,
                                     PromptButtons::YesNo};
        QCOMPARE(editor.test.prompts.messages, (QList<PromptMessage>{question, question}));
    }

    // A second 削除 never removes a pupil who is not highlighted.
    void deletingLeavesNothingSelected_data()
    {
        QTest::addColumn<int>("selected");
        QTest::newRow("the last pupil") << 1;
        QTest::newRow("the first pupil") << 0;
    }
    void deletingLeavesNothingSelected()
    {
        QFETCH(int, selected);
        EditorWindow editor;
        editor.addPupils(2);
        editor.open();
        editor.clickNumber(selected);
        editor.press(u"B_DEL"_s);
        editor.press(u"B_DEL"_s);
        QCOMPARE(editor.session.Register.PupilCount, 1);
        QCOMPARE(editor.test.prompts.messages.size(), 1);
    }

    void deleteWithoutSelectionDoesNothing()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.open();
        editor.press(u"B_DEL"_s);
        QCOMPARE(editor.session.Register.PupilCount, 2);
        QVERIFY(editor.test.prompts.messages.isEmpty());
    }

    void upAndDownCarryTheWholeRecord()
    {
        EditorWindow editor;
        editor.addPupils(3);
        PupilRecord &moved = editor.session.Register.Pupils[0];
        moved.Marks[3] = u"キ"_s;
        moved.OutKind = u"転"_s;
        moved.OutDay = 20;
        const PupilRecord record = moved;
        editor.open();
        editor.clickNumber(0);
        editor.press(u"B_DOWN"_s);
        editor.press(u"B_DOWN"_s);
        QCOMPARE(editor.pupil(2), record);
        editor.press(u"B_DOWN"_s);
        QCOMPARE(editor.pupil(2), record);
        editor.press(u"B_UP"_s);
        QCOMPARE(editor.pupil(1), record);
        QCOMPARE(names(editor), (QStringList{u"児童2"_s, u"児童1"_s, u"児童3"_s}));
        editor.clickNumber(0);
        editor.press(u"B_UP"_s);
        QCOMPARE(names(editor), (QStringList{u"児童2"_s, u"児童1"_s, u"児童3"_s}));
    }

    void teacherName()
    {
        EditorWindow editor;
        editor.session.Register.TeacherName = u"山田"_s;
        editor.open();
        auto *box = editor.control<QLineEdit>(u"TS_NAME"_s);
        QCOMPARE(box->text(), u"山田"_s);
        box->setFocus();
        box->end(false);
        editor.type(u"花子\""_s);
        QCOMPARE(editor.session.Register.TeacherName, u"山田花子＂"_s);
        QCOMPARE(box->text(), u"山田花子＂"_s);
        editor.type(u"\u9DD7"_s);
        QCOMPARE(editor.session.Register.TeacherName, u"山田花子＂"_s);
        QCOMPARE(editor.test.prompts.texts(), QStringList{u"文字「\u9DD7」(U+9DD7)はシフトJISで保存できません"_s});
    }

    // A teacher's name typed with a control character is refused; one that a
    // file already holds shows as a blank, so typing on is not refused for it.
    void teacherNameControlCharacters_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("BEL typed") << u"山田"_s << u"\u0007"_s << u"山田"_s << u"制御文字(U+0007)は使えません"_s;
        QTest::newRow("ESC typed") << u"山田"_s << u"\u001B"_s << u"山田"_s << u"制御文字(U+001B)は使えません"_s;
        QTest::newRow("SUB stored") << u"森\u001A野"_s << u"子"_s << u"森 野子"_s << QString();
    }
    void teacherNameControlCharacters()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        EditorWindow editor;
        editor.session.Register.TeacherName = stored;
        editor.open();
        auto *box = editor.control<QLineEdit>(u"TS_NAME"_s);
        box->setFocus();
        box->end(false);
        box->insert(typed); // as a paste: typed keys never carry control characters
        QTEST(editor.session.Register.TeacherName, "result");
        QTEST(box->text(), "result");
        QCOMPARE(editor.test.prompts.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    }
};

VELTRA_TEST(PupilEntryTest)
#include "pupilentry_test.moc"

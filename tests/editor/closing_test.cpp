#include "editorwindow.h"
#include "register/openmonth.h"
#include "testregistry.h"

#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>

// Closing the register editor writes the month file; a write that fails keeps
// the window and the data unless the user lets them go.
class ClosingTest : public QObject
{
    Q_OBJECT

private slots:
    void openingMarksTheSheetOpen()
    {
        EditorWindow editor;
        editor.open();
        QCOMPARE(editor.session.State.OpenSheet, u"FORM"_s);
        QCOMPARE(editor.form->objectName(), u"ROLL_FORM"_s);
    }

    void closingWritesTheMonthFile()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.open();
        editor.choose(0);
        editor.clickDay(1, 8);
        QSignalSpy closed(editor.form.get(), &RollForm::closed);
        QVERIFY(editor.form->close());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(editor.session.State.OpenSheet, QString());

        RegisterMonth loaded;
        QVERIFY(MonthFile::load(openMonthPath(editor.session.State), loaded).ok());
        QCOMPARE(loaded, editor.session.Register);
        QCOMPARE(loaded.Pupils[1].Marks[8], u"病"_s);
    }

    void closingKeepsAnOpenNameEntry()
    {
        EditorWindow editor;
        editor.open();
        editor.clickName(0);
        editor.type(u"青木"_s);
        QVERIFY(editor.form->close());
        RegisterMonth loaded;
        QVERIFY(MonthFile::load(openMonthPath(editor.session.State), loaded).ok());
        QCOMPARE(loaded.PupilCount, 1);
        QCOMPARE(loaded.Pupils[0].Name, u"青木"_s);
    }

    void aFailedWriteKeepsTheWindowAndTheData()
    {
        EditorWindow editor;
        editor.addPupils(1);
        editor.session.State.MonthFolder = editor.test.folder.filePath(u"missing/folder"_s);
        editor.open();
        editor.clickDay(0, 2);
        const RegisterMonth edited = editor.session.Register;
        QSignalSpy closed(editor.form.get(), &RollForm::closed);

        QVERIFY(!editor.form->close());
        QVERIFY(editor.form->isVisible());
        QCOMPARE(closed.size(), 0);
        QCOMPARE(editor.session.Register, edited);
        QCOMPARE(editor.session.State.OpenSheet, u"FORM"_s);
        QCOMPARE(editor.test.prompts.messages.size(), 1);
        const PromptMessage &message = editor.test.prompts.messages.front();
        QVERIFY(message.text.startsWith(u"データの保存に失敗しました\n"_s + editor.monthFile()));
        QCOMPARE(message.title, u"ヴェルトラ"_s);
        QCOMPARE(message.buttons, PromptButtons::YesNo);

        QDir().mkpath(editor.session.State.MonthFolder);
        QVERIFY(editor.form->close());
        QCOMPARE(closed.size(), 1);
        QVERIFY(QFile::exists(editor.monthFile()));
    }

    void closingWithoutSavingIsAnExplicitChoice()
    {
        EditorWindow editor;
        editor.session.State.MonthFolder = editor.test.folder.filePath(u"missing"_s);
        editor.open();
        editor.test.prompts.answers = {PromptAnswer::No};
        QSignalSpy closed(editor.form.get(), &RollForm::closed);
        QVERIFY(editor.form->close());
        QCOMPARE(closed.size(), 1);
        QVERIFY(!QFile::exists(editor.monthFile()));
    }

    void saveMonthTellsAboutAFailure()
    {
        EditorWindow editor;
        editor.session.State.MonthFolder = editor.test.folder.filePath(u"missing"_s);
        editor.open();
        QVERIFY(!editor.form->saveMonth());
        const PromptMessage expected{u"データの保存に失敗しました\n"_s + editor.monthFile(), u"ヴェルトラ"_s,
                                     PromptIcon::Warning, PromptButtons::Ok};
        QCOMPARE(editor.test.prompts.messages.size(), 1);
        QVERIFY(editor.test.prompts.messages.front().text.startsWith(expected.text));
    }

    void undrawableDataIsReportedOnce()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.session.Register.Pupils[1].OutKind = u"転"_s;
        editor.session.Register.Pupils[1].OutDay = 40;
        editor.open();
        QCOMPARE(editor.test.prompts.texts(), QStringList{u"表示出来ないデータが含まれていました"_s});
        editor.clickDay(0, 3);
        QCOMPARE(editor.test.prompts.messages.size(), 1);
        QCOMPARE(editor.pupil(0).Marks[3], u"事"_s);
    }
};

VELTRA_TEST(ClosingTest)
#include "closing_test.moc"

#include "data/reasoncategories.h"
#include "editorwindow.h"
#include "register/monthrecovery.h"
#include "testregistry.h"

#include <QFile>
#include <QLineEdit>

// What the editor does for the month beyond showing it: every change reaches
// the recovery file, and a read-only editor neither changes nor writes.
class KeepingEntriesTest : public QObject
{
    Q_OBJECT

private slots:
    void aChangeReachesTheRecoveryFileWithinASecond()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.open();
        const QString recovery = MonthRecovery::recoveryPath(editor.monthFile());
        editor.choose(0);
        editor.clickDay(1, 8);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recovery), 1000);
        RegisterMonth recovered;
        QString reasonsMessage;
        QVERIFY(MonthRecovery::load(editor.monthFile(), ReasonCategories{}, recovered, reasonsMessage).ok());
        QCOMPARE(recovered, editor.session.Register);
        QCOMPARE(recovered.Pupils[1].Marks[8], u"病"_s);

        QVERIFY(editor.form->close());
        QVERIFY(!QFile::exists(recovery));
        QVERIFY(QFile::exists(editor.monthFile()));
    }

    void closingWithoutSavingLeavesTheEntriesForRecovery()
    {
        EditorWindow editor;
        editor.addPupils(1);
        editor.open();
        editor.clickDay(0, 2);
        QVERIFY(QDir().mkpath(editor.monthFile())); // a folder where the month file should be
        editor.test.prompts.answers = {PromptAnswer::No};
        QVERIFY(editor.form->close());
        RegisterMonth recovered;
        QString reasonsMessage;
        QVERIFY(MonthRecovery::load(editor.monthFile(), ReasonCategories{}, recovered, reasonsMessage).ok());
        QCOMPARE(recovered, editor.session.Register);
    }

    void aReadOnlyEditorChangesAndWritesNothing()
    {
        EditorWindow editor;
        editor.addPupils(2);
        editor.open({nullptr, true});
        const RegisterMonth shown = editor.session.Register;
        editor.clickDay(0, 3);
        editor.clickSex(1);
        editor.clickName(0);
        editor.type(u"青木"_s);
        editor.key(Qt::Key_Delete);
        editor.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(editor.control<QLineEdit>(u"TS_NAME"_s)->isReadOnly());
        for (const QString &button : {u"B_DEL"_s, u"B_UP"_s, u"B_DOWN"_s})
            QVERIFY(!editor.control(button)->isEnabled());
        QCOMPARE(editor.session.Register, shown);
        QVERIFY(!editor.form->saveMonth());
        // It says so in its caption, and answers each click that would change the month.
        const QString note = u"読み取り専用で開いています"_s;
        QCOMPARE(editor.form->windowTitle(), u"1年2組（読み取り専用で開いています）"_s);
        QCOMPARE(editor.test.prompts.statusTexts, (QStringList{note, note, note})); // day, sex, name

        QTest::qWait(700);
        QVERIFY(editor.form->close());
        QVERIFY(QDir(editor.session.State.MonthFolder).isEmpty());
    }
};

VELTRA_TEST(KeepingEntriesTest)
#include "keepingentries_test.moc"

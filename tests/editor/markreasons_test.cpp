#include "data/markreasons.h"
#include "data/reasonfile.h"
#include "editorwindow.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

// A day mark's reason in the editor: given with F4, kept with its pupil
// through moves, deletes, undo and redo, gone with its mark, and saved beside
// the month file, which stays as it would be without reasons.
class MarkReasonsTest : public QObject
{
    Q_OBJECT

    // F4 on the cell under the cursor, the first `checked` categories, the text, ＯＫ.
    static void giveReason(EditorWindow &editor, int checked, const QString &text)
    {
        editor.key(Qt::Key_F4);
        auto *entry = editor.form->findChild<QDialog *>(u"REASON_ENTRY"_s);
        QVERIFY(entry && entry->isVisible());
        for (int i = 0; i < checked; ++i)
            entry->findChild<QCheckBox *>(u"REASON_CATEGORY_%1"_s.arg(i))->setChecked(true);
        entry->findChild<QLineEdit *>(u"REASON_TEXT"_s)->setText(text);
        QTest::mouseClick(entry->findChild<QPushButton *>(u"REASON_OK"_s), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a closed entry goes
    }

    static QString reasonOf(const EditorWindow &editor, int row, int day)
    {
        const MarkReason *reason = MarkReasons::find(editor.pupil(row), day);
        return reason ? MarkReasons::describe(*reason) : QString();
    }

private slots:
    void aReasonStaysWithItsPupil()
    {
        EditorWindow editor;
        editor.addPupils(3);
        editor.open();
        editor.key(Qt::Key_F4); // the cursor's day has no mark: nothing to give a reason for
        QVERIFY(!editor.form->findChild<QDialog *>(u"REASON_ENTRY"_s));
        QCOMPARE(editor.test.prompts.statusTexts.last(),
                 u"欠席理由は、病・事・遅・テ・ホ・キ・ト・ソ・ﾁの日に付けられます"_s);

        editor.choose(0); // 病
        editor.clickDay(0, 4);
        giveReason(editor, 2, u"朝から"_s);
        QCOMPARE(reasonOf(editor, 0, 4), u"発熱・頭痛　朝から"_s);
        QCOMPARE(editor.test.prompts.statusTexts.last(), u"欠席理由: 発熱・頭痛　朝から"_s);

        editor.clickNumber(0);
        editor.press(u"B_DOWN"_s);
        QCOMPARE(editor.pupil(1).Name, u"児童1"_s);
        QCOMPARE(reasonOf(editor, 1, 4), u"発熱・頭痛　朝から"_s);
        QVERIFY(editor.pupil(0).Reasons.isEmpty());

        editor.test.prompts.answers = {PromptAnswer::Yes};
        editor.clickNumber(0);
        editor.press(u"B_DEL"_s); // 児童2 goes; 児童1 moves up with its reason
        QCOMPARE(reasonOf(editor, 0, 4), u"発熱・頭痛　朝から"_s);

        editor.key(Qt::Key_Z, Qt::ControlModifier);
        editor.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(reasonOf(editor, 0, 4), u"発熱・頭痛　朝から"_s); // before the move
        editor.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(reasonOf(editor, 0, 4), QString()); // before the reason
        QCOMPARE(editor.pupil(0).Marks[4], u"病"_s);
        editor.key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(reasonOf(editor, 0, 4), u"発熱・頭痛　朝から"_s);

        editor.clickDay(1, 6);
        giveReason(editor, 1, QString());
        editor.clickDay(0, 4); // 病 again clears the mark, and its reason with it
        QCOMPARE(editor.pupil(0).Marks[4], QString());
        QCOMPARE(reasonOf(editor, 0, 4), QString());

        RegisterMonth withoutReasons = editor.session.Register;
        for (PupilRecord &pupil : withoutReasons.Pupils)
            pupil.Reasons.clear();
        QVERIFY(editor.form->close());
        QFile month(editor.monthFile());
        QVERIFY(month.open(QIODevice::ReadOnly));
        QCOMPARE(month.readAll(), MonthFile::toBytes(withoutReasons));
        QFile reasons(ReasonFile::pathFor(editor.monthFile()));
        QVERIFY(reasons.open(QIODevice::ReadOnly));
        QCOMPARE(reasons.readAll(), ReasonFile::toBytes(editor.session.Register));
        QCOMPARE(editor.session.Register.Pupils[1].Reasons.size(), 1);
    }

    void aTextWithoutCategoryIsRefused()
    {
        EditorWindow editor;
        editor.addPupils(1);
        editor.open();
        editor.choose(5); // キ
        editor.clickDay(0, 2);
        giveReason(editor, 0, u"葬儀"_s);
        auto *entry = editor.form->findChild<QDialog *>(u"REASON_ENTRY"_s);
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->findChild<QLabel *>(u"REASON_REFUSAL"_s)->text(), u"理由を一つ以上選んでください"_s);
        QVERIFY(editor.pupil(0).Reasons.isEmpty());
    }
};

VELTRA_TEST(MarkReasonsTest)
#include "markreasons_test.moc"

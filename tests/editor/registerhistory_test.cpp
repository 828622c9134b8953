#include "register/registerhistory.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Undo and redo over snapshots of the open month.
class RegisterHistoryTest : public QObject
{
    Q_OBJECT

private:
    static RegisterMonth withTeacher(RegisterMonth month, const QString &name)
    {
        month.TeacherName = name;
        return month;
    }

private slots:
    void undoAndRedoRestoreEachStep()
    {
        RegisterMonth month;
        RegisterHistory history(month);
        QVERIFY(!history.canUndo());

        std::vector<RegisterMonth> states{month};
        for (int step = 0; step < 3; ++step) {
            month.Pupils[0].Marks[step] = u"病"_s;
            month.PupilCount = 1;
            history.track(month);
            states.push_back(month);
        }
        for (int step = 2; step >= 0; --step) {
            QVERIFY(history.undo(month));
            QCOMPARE(month, states[step]);
        }
        QVERIFY(!history.undo(month));
        for (int step = 1; step <= 3; ++step) {
            QVERIFY(history.redo(month));
            QCOMPARE(month, states[step]);
        }
        QVERIFY(!history.canRedo());
    }

    void unchangedRegisterMakesNoStep()
    {
        RegisterMonth month;
        RegisterHistory history(month);
        history.track(month);
        QVERIFY(!history.canUndo());
    }

    void aNewChangeDropsTheRedoSteps()
    {
        RegisterMonth month;
        RegisterHistory history(month);
        month.PupilCount = 1;
        history.track(month);
        history.undo(month);
        month.TeacherName = u"山田"_s;
        history.track(month);
        QVERIFY(!history.canRedo());
        QVERIFY(history.undo(month));
        QCOMPARE(month, RegisterMonth{});
    }

    void typingBecomesOneStep()
    {
        RegisterMonth month;
        RegisterHistory history(month);
        for (const QString &typed : {u"山"_s, u"山田"_s, u"山田先生"_s})
            history.track(withTeacher(month, typed), RegisterHistory::StepKind::Typing);
        month = withTeacher(month, u"山田先生"_s);
        QVERIFY(history.undo(month));
        QCOMPARE(month.TeacherName, QString());
        QVERIFY(!history.canUndo());
    }

    void typingAfterAnotherChangeIsAStepOfItsOwn()
    {
        RegisterMonth month;
        RegisterHistory history(month);
        history.track(withTeacher(month, u"山"_s), RegisterHistory::StepKind::Typing);
        month = withTeacher(month, u"山"_s);
        month.PupilCount = 1;
        history.track(month);
        history.track(withTeacher(month, u"山田"_s), RegisterHistory::StepKind::Typing);
        month = withTeacher(month, u"山田"_s);
        QVERIFY(history.undo(month));
        QCOMPARE(month.TeacherName, u"山"_s);
        QCOMPARE(month.PupilCount, 1);
    }

    void depthIsBounded()
    {
        RegisterMonth month;
        RegisterHistory history(month);
        for (std::size_t step = 0; step < RegisterHistory::Depth + 5; ++step) {
            month.TeacherName = QString::number(step);
            history.track(month);
        }
        std::size_t undone = 0;
        while (history.undo(month))
            ++undone;
        QCOMPARE(undone, RegisterHistory::Depth);
        QCOMPARE(month.TeacherName, u"4"_s);
    }
};

VELTRA_TEST(RegisterHistoryTest)
#include "registerhistory_test.moc"

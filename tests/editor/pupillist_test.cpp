#include "register/gradeinput.h"
#include "register/pupillist.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The grade parser and the operations on the pupil list.
class PupilListTest : public QObject
{
    Q_OBJECT

private:
    static RegisterMonth threePupils()
    {
        RegisterMonth month;
        month.PupilCount = 3;
        const QString names[] = {u"青木"_s, u"井上"_s, u"上田"_s};
        for (int i = 0; i < 3; ++i) {
            month.Pupils[i].Name = names[i];
            month.Pupils[i].Sex = u"女"_s;
            month.Pupils[i].Marks[i] = u"病"_s;
        }
        month.Pupils[1].InKind = u"入"_s;
        month.Pupils[1].InDay = 6;
        month.Pupils[2].OutKind = u"転"_s;
        month.Pupils[2].OutDay = 20;
        return month;
    }

    static QStringList names(const RegisterMonth &month)
    {
        QStringList result;
        for (int i = 0; i < month.PupilCount; ++i)
            result.append(month.Pupils[i].Name);
        return result;
    }

private slots:
    void grades_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("grade"); // −1: refused
        QTest::newRow("leading blank") << u" 2"_s << 2;
        QTest::newRow("half to even, down") << u"2.5"_s << 2;
        QTest::newRow("half to even, up") << u"3.5"_s << 4;
        QTest::newRow("rounds up") << u"4.6"_s << 5;
        QTest::newRow("letters give 0") << u"abc"_s << 0;
        QTest::newRow("empty gives 0") << QString() << 0;
        QTest::newRow("stops at a letter") << u"3年"_s << 3;
        QTest::newRow("stops at a second point") << u"1.2.3"_s << 1;
        QTest::newRow("exponent") << u"1e1"_s << 10;
        QTest::newRow("full-width digits") << u"２"_s << 2;
        QTest::newRow("small negative rounds to 0") << u"-0.4"_s << 0;
        QTest::newRow("highest") << u"99"_s << 99;
        QTest::newRow("negative refused") << u"-1"_s << -1;
        QTest::newRow("above 99 refused") << u"100"_s << -1;
        QTest::newRow("beyond 16 bits refused") << u"99999"_s << -1;
        QTest::newRow("overflowing exponent refused") << u"1e400"_s << -1;
    }
    void grades()
    {
        QFETCH(QString, typed);
        QFETCH(int, grade);
        const auto parsed = GradeInput::parse(typed);
        QCOMPARE(parsed.has_value() ? int(*parsed) : -1, grade);
    }

    void admittingOnlyTheFirstEmptyRow()
    {
        RegisterMonth month = threePupils();
        PupilList::admitRow(month, 4);
        QCOMPARE(month.PupilCount, 3);
        PupilList::admitRow(month, 1);
        QCOMPARE(month.Pupils[1].Sex, u"女"_s);
        PupilList::admitRow(month, 3);
        QCOMPARE(month.PupilCount, 4);
        QCOMPARE(month.Pupils[3].Sex, u"男"_s);
    }

    void sexToggles_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("boy") << u"男"_s << u"女"_s;
        QTest::newRow("girl") << u"女"_s << u"男"_s;
        QTest::newRow("unset") << QString() << u"男"_s;
    }
    void sexToggles()
    {
        QFETCH(QString, before);
        PupilRecord pupil;
        pupil.Sex = before;
        PupilList::toggleSex(pupil);
        QTEST(pupil.Sex, "after");
    }

    void removingMovesTheRowsBelowUp()
    {
        RegisterMonth month = threePupils();
        const PupilRecord last = month.Pupils[2];
        QVERIFY(PupilList::remove(month, 1));
        QCOMPARE(names(month), (QStringList{u"青木"_s, u"上田"_s}));
        QCOMPARE(month.Pupils[1], last);
        QCOMPARE(month.Pupils[2], PupilRecord{});
        QVERIFY(!PupilList::remove(month, 2));
        QCOMPARE(month.PupilCount, 2);
    }

    void removingFromAFullTable()
    {
        RegisterMonth month;
        month.PupilCount = PupilSlots;
        for (int i = 0; i < PupilSlots; ++i)
            month.Pupils[i].Name = QString::number(i);
        QVERIFY(PupilList::remove(month, 0));
        QCOMPARE(month.PupilCount, PupilSlots - 1);
        QCOMPARE(month.Pupils[PupilSlots - 2].Name, QString::number(PupilSlots - 1));
        QCOMPARE(month.Pupils[PupilSlots - 1], PupilRecord{});
    }

    void exchangingKeepsWholeRecords()
    {
        RegisterMonth month = threePupils();
        const RegisterMonth before = month;
        QVERIFY(PupilList::exchange(month, 1, 2));
        QCOMPARE(month.Pupils[1], before.Pupils[2]);
        QCOMPARE(month.Pupils[2], before.Pupils[1]);
        QVERIFY(!PupilList::exchange(month, 2, 3));
        QVERIFY(!PupilList::exchange(month, -1, 0));
    }
};

VELTRA_TEST(PupilListTest)
#include "pupillist_test.moc"

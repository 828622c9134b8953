#include "data/cp932.h"
#include "data/monthfile.h"
#include "data/periodsfile.h"
#include "data/session.h"
#include "testplatform.h"
#include "testregistry.h"
#include "totals/windows/periodsform.h"
#include "totals/windows/rolltotal.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

template<class Widget = QWidget> Widget *control(const QWidget &window, const QString &name)
{
    auto *widget = window.findChild<Widget *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

void type(const QWidget &window, const QString &box, const QString &text)
{
    auto *edit = control<QLineEdit>(window, box);
    edit->clear();
    edit->insert(text);
}

// On the button's circle: an option button takes clicks on its circle and caption only.
void choose(const QWidget &window, const QString &option)
{
    auto *button = control<QRadioButton>(window, option);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

QString periodsFile(const QString &workFolder)
{
    QFile file(PeriodsFile::filePath(workFolder));
    return file.open(QIODevice::ReadOnly) ? Cp932::decode(file.readAll()).value_or(QString()) : QString();
}

} // namespace

// 集計期間: the school's choice is refused where it is entered when it leaves
// a gap or an overlap, and otherwise kept in the work folder; the totals
// window then offers those periods and the whole year.
class PeriodsFormTest : public QObject
{
    Q_OBJECT

private slots:
    void choiceIsCheckedThenKept_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("boxes"); // "NAME=TEXT"
        QTest::addColumn<QString>("message");   // empty: saved and closed
        QTest::addColumn<QString>("file");      // PERIODS.CSD afterwards

        const QString twoTerms = u"1,2\r\n\"前期\",4,1,10,9\r\n\"後期\",10,10,3,31\r\n"_s;
        QTest::newRow("two terms to 10月9日")
            << u"OPT_TWO"_s << QStringList{u"T_FIRST_END=10/9"_s} << QString() << twoTerms;
        QTest::newRow("three terms again") << u"OPT_THREE"_s << QStringList{} << QString()
                                           << u"0,3\r\n\"１学期\",4,1,8,31\r\n\"２学期\",9,1,12,31\r\n"
                                              u"\"３学期\",1,1,3,31\r\n"_s;
        QTest::newRow("two terms without the day")
            << u"OPT_TWO"_s << QStringList{u"T_FIRST_END="_s}
            << u"前期の終わりの日を「10月9日」のように入力してください"_s << QString();
        QTest::newRow("two terms ending 3月31日")
            << u"OPT_TWO"_s << QStringList{u"T_FIRST_END=3月31日"_s}
            << u"「前期」が3月31日で終わるため、「後期」の入る日がありません"_s << QString();
        QTest::newRow("own periods") << u"OPT_OWN"_s
                                     << QStringList{u"T_NAME_0=前半"_s, u"T_FIRST_0=4月1日"_s, u"T_LAST_0=9月30日"_s,
                                                    u"T_NAME_1=後半"_s, u"T_FIRST_1=10/1"_s,   u"T_LAST_1=３月３１日"_s}
                                     << QString() << u"2,2\r\n\"前半\",4,1,9,30\r\n\"後半\",10,1,3,31\r\n"_s;
        QTest::newRow("own periods with a gap")
            << u"OPT_OWN"_s << QStringList{u"T_NAME_0=前半"_s, u"T_FIRST_0=4/1"_s,  u"T_LAST_0=9/30"_s,
                                           u"T_NAME_1=後半"_s, u"T_FIRST_1=10/2"_s, u"T_LAST_1=3/31"_s}
            << u"「後半」は「前半」の次の日（10月1日）から始めてください"_s << QString();
        QTest::newRow("own period without its last day")
            << u"OPT_OWN"_s << QStringList{u"T_NAME_0=通年"_s, u"T_FIRST_0=4/1"_s, u"T_LAST_0=3月"_s}
            << u"「通年」の終わりの日を「10月9日」のように入力してください"_s << QString();
    }

    // The window opens on the choice kept before (one period of its own here).
    void choiceIsCheckedThenKept()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        QFETCH(QString, file);
        TestPlatform test;
        Session session;
        session.Settings.WorkFolder = test.folder.path();
        const QString before = u"2,1\r\n\"通年\",4,1,3,31\r\n"_s;
        QVERIFY(
            PeriodsFile::save(test.folder.path(), {SchoolPeriods::Scheme::OwnPeriods, {{u"通年"_s, {4, 1}, {3, 31}}}})
                .ok);

        PeriodsForm form(session, test.platform);
        form.show();
        QVERIFY(control<QRadioButton>(form, u"OPT_OWN"_s)->isChecked());
        QCOMPARE(control<QLineEdit>(form, u"T_LAST_0"_s)->text(), u"3月31日"_s);
        QVERIFY(!control<QLineEdit>(form, u"T_FIRST_END"_s)->isEnabled());
        for (const QString &box : {u"T_NAME_0"_s, u"T_FIRST_0"_s, u"T_LAST_0"_s})
            control<QLineEdit>(form, box)->clear();
        choose(form, option);
        for (const QString &box : boxes)
            type(form, box.section(u'=', 0, 0), box.section(u'=', 1));
        QTest::mouseClick(control<QPushButton>(form, u"OK"_s), Qt::LeftButton);

        QCOMPARE(test.prompts.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(form.isVisible(), !message.isEmpty());
        QCOMPARE(periodsFile(test.folder.path()), file.isEmpty() ? before : file);
    }

    void totalsWindowOffersTheSchoolsPeriods_data()
    {
        QTest::addColumn<QString>("file"); // PERIODS.CSD; empty: none
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("months"); // after the first option
        QTest::addColumn<QString>("proposed");

        QTest::newRow("three terms without a file")
            << QString() << QStringList{u"１学期"_s, u"２学期"_s, u"３学期"_s, u"１年間"_s}
            << u"期間: 4月1日～8月31日　集計した月: 4 5 6 7 8月"_s << u"平成16年度_１学期_1年2組.pdf"_s;
        QTest::newRow("two terms") << u"1,2\r\n\"前期\",4,1,10,9\r\n\"後期\",10,10,3,31\r\n"_s
                                   << QStringList{u"前期"_s, u"後期"_s, u"１年間"_s}
                                   << u"期間: 4月1日～10月9日　集計した月: 4 5 6 7 8 9 10月"_s
                                   << u"平成16年度_前期_1年2組.pdf"_s;
        QTest::newRow("a file with a gap: three terms, and the user is told")
            << u"1,2\r\n\"前期\",4,1,10,9\r\n\"後期\",10,11,3,31\r\n"_s
            << QStringList{u"１学期"_s, u"２学期"_s, u"３学期"_s, u"１年間"_s}
            << u"期間: 4月1日～8月31日　集計した月: 4 5 6 7 8月"_s << u"平成16年度_１学期_1年2組.pdf"_s;
    }
    void totalsWindowOffersTheSchoolsPeriods()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, options);
        QFETCH(QString, months);
        QFETCH(QString, proposed);
        TestPlatform test;
        Session session;
        session.Settings.WorkFolder = test.folder.path();
        session.State.TotalsYear = 16;
        session.State.ClassTitle = u"1年2組"_s;
        session.State.MonthFolder = test.folder.filePath(u"class"_s);
        QDir().mkpath(session.State.MonthFolder);
        if (!file.isEmpty()) {
            QFile periods(PeriodsFile::filePath(test.folder.path()));
            QVERIFY(periods.open(QIODevice::WriteOnly));
            periods.write(Cp932::encode(file));
        }
        RegisterMonth month;
        month.PupilCount = 1;
        month.Pupils[0].Name = u"甲"_s;
        for (int number = 4; number <= 12; ++number)
            MonthFile::save(QDir(session.State.MonthFolder).filePath(MonthFile::fileName(2004, number)), month);

        RollTotal window(session, test.platform);
        window.show();
        QStringList shown;
        for (int term = 0; term < TotalsTerm::Count; ++term) {
            const auto *option = control<QRadioButton>(window, u"OPT1_%1"_s.arg(term));
            if (option->isVisible())
                shown.append(option->text());
        }
        QCOMPARE(shown, options);
        QCOMPARE(test.prompts.messages.size(), file.contains(u"10,11"_s) ? 1 : 0);

        choose(window, u"OPT1_0"_s);
        QCOMPARE(control<QLabel>(window, u"MONTHS"_s)->text(), months);
        QTest::mouseClick(control<QPushButton>(window, u"B_PDF"_s), Qt::LeftButton);
        QCOMPARE(QFileInfo(test.prompts.proposedPaths.value(0)).fileName(), proposed);
    }
};

VELTRA_TEST(PeriodsFormTest)
#include "periodsform_test.moc"

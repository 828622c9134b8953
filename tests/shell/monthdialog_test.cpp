#include "shell/windows/monthdialog.h"

#include "data/monthfile.h"
#include "register/openmonth.h"
#include "shellfixture.h"
#include "testregistry.h"

#include <QComboBox>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QString shownYear(const QObject &dialog)
{
    return named<QComboBox>(dialog, u"ERA"_s)->currentText() + named<QLineEdit>(dialog, u"T_Y"_s)->text() + u"年"_s
           + named<QLineEdit>(dialog, u"T_M"_s)->text() + u"月"_s;
}

void chooseEra(const QObject &dialog, const QString &era)
{
    QComboBox *box = named<QComboBox>(dialog, u"ERA"_s);
    box->setCurrentText(era);
    emit box->activated(box->currentIndex());
}

} // namespace

class MonthDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void proposal_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("openYear"); // AppState.HeiseiYear, 0 = nothing chosen yet
        QTest::addColumn<int>("openMonth");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("5 January: December before") << QDate(2005, 1, 5) << 0 << 0 << u"平成16年12月"_s;
        QTest::newRow("10 January: still December") << QDate(2005, 1, 10) << 0 << 0 << u"平成16年12月"_s;
        QTest::newRow("11 January: January") << QDate(2005, 1, 11) << 0 << 0 << u"平成17年1月"_s;
        QTest::newRow("10 December 2026") << QDate(2026, 12, 10) << 0 << 0 << u"令和8年11月"_s;
        QTest::newRow("11 December 2026") << QDate(2026, 12, 11) << 0 << 0 << u"令和8年12月"_s;
        QTest::newRow("10 May 2019: April of 平成") << QDate(2019, 5, 10) << 0 << 0 << u"平成31年4月"_s;
        QTest::newRow("11 May 2019: 令和 begins") << QDate(2019, 5, 11) << 0 << 0 << u"令和1年5月"_s;
        QTest::newRow("month chosen before") << QDate(2026, 12, 7) << 16 << 4 << u"平成16年4月"_s;
        QTest::newRow("year chosen, month not") << QDate(2026, 12, 7) << 31 << 0 << u"令和1年12月"_s;
    }
    void proposal()
    {
        QFETCH(QDate, today);
        QFETCH(int, openYear);
        QFETCH(int, openMonth);
        QFETCH(QString, proposed);
        ShellFixture fixture;
        fixture.test.clock.date = today;
        fixture.session.State.HeiseiYear = qint16(openYear);
        fixture.session.State.Month = qint16(openMonth);
        MonthDialog dialog(fixture.session, fixture.test.platform);
        QCOMPARE(shownYear(dialog), proposed);
    }

    void upDownWraps_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("shown");
        QTest::newRow("up from December") << u"2004"_s << u"12"_s << u"UP"_s << u"平成17年1月"_s;
        QTest::newRow("down from January") << u"2005"_s << u"1"_s << u"DOWN"_s << u"平成16年12月"_s;
        QTest::newRow("up into 令和") << u"2019"_s << u"4"_s << u"UP"_s << u"令和1年5月"_s;
        QTest::newRow("down into 平成") << u"2019"_s << u"5"_s << u"DOWN"_s << u"平成31年4月"_s;
        QTest::newRow("within a year") << u"2026"_s << u"6"_s << u"UP"_s << u"令和8年7月"_s;
        QTest::newRow("down from month 20") << u"8"_s << u"20"_s << u"DOWN"_s << u"令和8年19月"_s;
        QTest::newRow("up from month 13") << u"8"_s << u"13"_s << u"UP"_s << u"令和9年1月"_s;
    }
    void upDownWraps()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, button);
        QFETCH(QString, shown);
        ShellFixture fixture;
        MonthDialog dialog(fixture.session, fixture.test.platform);
        typeInto(dialog, u"T_M"_s, month);
        typeInto(dialog, u"T_Y"_s, year);
        click(*named(dialog, u"M_UD"_s), button);
        QCOMPARE(shownYear(dialog), shown);
    }

    void eraShownIsTheEraTyped_data()
    {
        QTest::addColumn<QString>("era");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2019 in May") << u"平成"_s << u"2019"_s << u"5"_s << u"令和1年5月"_s;
        QTest::newRow("2019 in April") << u"令和"_s << u"2019"_s << u"4"_s << u"平成31年4月"_s;
        QTest::newRow("short year stays in 令和") << u"令和"_s << u"1"_s << u"4"_s << u"令和1年4月"_s;
        QTest::newRow("short year stays in 平成") << u"平成"_s << u"8"_s << u"4"_s << u"平成8年4月"_s;
    }
    void eraShownIsTheEraTyped()
    {
        QFETCH(QString, era);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, shown);
        ShellFixture fixture;
        MonthDialog dialog(fixture.session, fixture.test.platform);
        chooseEra(dialog, era);
        typeInto(dialog, u"T_M"_s, month);
        typeInto(dialog, u"T_Y"_s, year);
        QCOMPARE(shownYear(dialog), shown);
    }

    // The month box is set without leaving it, as when Enter confirms at once.
    void monthOpensOnlyInItsEra_data()
    {
        QTest::addColumn<QString>("era");
        QTest::addColumn<QString>("monthBefore");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("heiseiYear"); // 0: refused
        QTest::addColumn<QString>("message");
        QTest::newRow("令和元年4月") << u"令和"_s << u"4"_s << u"1"_s << u"4"_s << 0
                                     << u"令和元年4月はありません。\n令和は2019年5月1日からです"_s;
        QTest::newRow("令和 元 typed, April") << u"令和"_s << u"4"_s << u"元"_s << u"4"_s << 0
                                              << u"令和元年4月はありません。\n令和は2019年5月1日からです"_s;
        QTest::newRow("平成31年5月") << u"平成"_s << u"5"_s << u"31"_s << u"5"_s << 0
                                     << u"平成31年5月はありません。\n平成は1989年1月8日から2019年4月30日までです"_s;
        QTest::newRow("令和 元 typed, May") << u"令和"_s << u"4"_s << u"元"_s << u"5"_s << 31 << QString();
        QTest::newRow("平成 chosen: 8 is 1996") << u"平成"_s << u"4"_s << u"8"_s << u"4"_s << 8 << QString();
        QTest::newRow("令和8年") << u"令和"_s << u"4"_s << u"8"_s << u"4"_s << 38 << QString();
        QTest::newRow("平成元年1月") << u"平成"_s << u"1"_s << u"1"_s << u"1"_s << 1 << QString();
        QTest::newRow("2019 typed in May, then April") << u"令和"_s << u"5"_s << u"2019"_s << u"4"_s << 31 << QString();
        QTest::newRow("2019 typed in April, then May") << u"平成"_s << u"4"_s << u"2019"_s << u"5"_s << 31 << QString();
    }
    void monthOpensOnlyInItsEra()
    {
        QFETCH(QString, era);
        QFETCH(QString, monthBefore);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(int, heiseiYear);
        QFETCH(QString, message);
        ShellFixture fixture;
        fixture.addClass(u"1年2組"_s);
        MonthDialog dialog(fixture.session, fixture.test.platform);
        dialog.show();
        chooseEra(dialog, era);
        typeInto(dialog, u"T_M"_s, monthBefore);
        typeInto(dialog, u"T_Y"_s, year);
        named<QLineEdit>(dialog, u"T_M"_s)->setText(month);
        click(dialog, u"OK"_s);
        QCOMPARE(fixture.session.State.HeiseiYear, heiseiYear);
        QCOMPARE(dialog.isVisible(), heiseiYear == 0);
        QCOMPARE(fixture.test.prompts.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    void confirmOpensTheMonthOfTheSchoolYear_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("heiseiYear");
        QTest::addColumn<QString>("schoolYear");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("January") << u"2005"_s << u"1"_s << 17 << u"2004"_s << u"2005_1.ROD"_s;
        QTest::newRow("February") << u"2005"_s << u"2"_s << 17 << u"2004"_s << u"2005_2.ROD"_s;
        QTest::newRow("March") << u"2005"_s << u"3"_s << 17 << u"2004"_s << u"2005_3.ROD"_s;
        QTest::newRow("April") << u"2005"_s << u"4"_s << 17 << u"2005"_s << u"2005_4.ROD"_s;
        QTest::newRow("March of 令和2") << u"2020"_s << u"3"_s << 32 << u"2019"_s << u"2020_3.ROD"_s;
        QTest::newRow("December 2026") << u"2026"_s << u"12"_s << 38 << u"2026"_s << u"2026_12.ROD"_s;
    }
    void confirmOpensTheMonthOfTheSchoolYear()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(int, heiseiYear);
        QFETCH(QString, schoolYear);
        QFETCH(QString, fileName);
        ShellFixture fixture;
        fixture.addClass(u"1年1組"_s, 1, u"1"_s);
        fixture.addClass(u"1年2組"_s, 1, u"2"_s);
        MonthDialog dialog(fixture.session, fixture.test.platform);
        dialog.show();
        typeInto(dialog, u"T_M"_s, month);
        typeInto(dialog, u"T_Y"_s, year);
        named<QComboBox>(dialog, u"CLASS_NAME"_s)->setCurrentIndex(1);
        click(dialog, u"OK"_s);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const AppState &state = fixture.session.State;
        QCOMPARE(state.HeiseiYear, heiseiYear);
        QCOMPARE(state.Month, month.toInt());
        const QString data = fixture.session.Settings.DataFolder;
        QCOMPARE(state.YearFolder, data + u'/' + schoolYear);
        QCOMPARE(state.MonthFolder, data + u'/' + schoolYear + u"/1年2組"_s);
        QVERIFY(QDir(state.MonthFolder).exists());
        QCOMPARE(openMonthPath(state), state.MonthFolder + u'/' + fileName);
        QCOMPARE(state.ClassTitle, u"1年2組"_s);
        QCOMPARE(state.ClassName, u"2"_s);
        QCOMPARE(state.ClassGrade, 1);
        QVERIFY(fixture.test.prompts.messages.isEmpty());
    }

    void outOfRangeIsRefusedSilently_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::newRow("month 13") << u"2026"_s << u"13"_s;
        QTest::newRow("month 0") << u"2026"_s << u"0"_s;
        QTest::newRow("no month") << u"2026"_s << QString();
        QTest::newRow("no year") << QString() << u"4"_s;
        QTest::newRow("before 平成") << u"1988"_s << u"4"_s;
    }
    void outOfRangeIsRefusedSilently()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        ShellFixture fixture;
        fixture.addClass(u"1年2組"_s);
        MonthDialog dialog(fixture.session, fixture.test.platform);
        dialog.show();
        typeInto(dialog, u"T_M"_s, month);
        typeInto(dialog, u"T_Y"_s, year);
        click(dialog, u"OK"_s);
        QVERIFY(dialog.isVisible());
        QCOMPARE(fixture.session.State.HeiseiYear, 0);
        QVERIFY(fixture.test.prompts.messages.isEmpty());
    }

    void aClassMustBeChosen_data()
    {
        QTest::addColumn<QStringList>("classes");
        QTest::newRow("empty class list") << QStringList();
        QTest::newRow("two classes, none chosen") << QStringList{u"1年1組"_s, u"1年2組"_s};
    }
    void aClassMustBeChosen()
    {
        QFETCH(QStringList, classes);
        ShellFixture fixture;
        for (const QString &title : classes)
            fixture.addClass(title);
        MonthDialog dialog(fixture.session, fixture.test.platform);
        dialog.show();
        click(dialog, u"OK"_s);
        QVERIFY(dialog.isVisible());
        QCOMPARE(fixture.test.prompts.messages, (QList<PromptMessage>{{u"クラスを指定してください"_s, u"ヴェルトラ"_s,
                                                                       PromptIcon::None, PromptButtons::Ok}}));
        QCOMPARE(fixture.session.State.HeiseiYear, 0);
    }

    void classBoxOffersOnlyListEntries_data()
    {
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<QString>("openClass");
        QTest::addColumn<int>("selected");
        QTest::newRow("single class is preselected") << QStringList{u"1年2組"_s} << QString() << 0;
        QTest::newRow("no preselection among several") << QStringList{u"1年1組"_s, u"1年2組"_s} << QString() << -1;
        QTest::newRow("open class is preselected") << QStringList{u"1年1組"_s, u"1年2組"_s} << u"1年2組"_s << 1;
    }
    void classBoxOffersOnlyListEntries()
    {
        QFETCH(QStringList, classes);
        QFETCH(QString, openClass);
        QFETCH(int, selected);
        ShellFixture fixture;
        for (const QString &title : classes)
            fixture.addClass(title);
        fixture.session.State.ClassTitle = openClass;
        MonthDialog dialog(fixture.session, fixture.test.platform);
        const QComboBox *box = named<QComboBox>(dialog, u"CLASS_NAME"_s);
        QVERIFY(!box->isEditable());
        QCOMPARE(box->count(), classes.size());
        QCOMPARE(box->currentIndex(), selected);
    }

    void folderThatCannotBeMadeKeepsTheDialogOpen()
    {
        ShellFixture fixture;
        fixture.addClass(u"1年2組"_s);
        QFile blocking(fixture.session.Settings.DataFolder); // a file where the data folder should be
        QVERIFY(blocking.open(QIODevice::WriteOnly));
        blocking.close();
        MonthDialog dialog(fixture.session, fixture.test.platform);
        dialog.show();
        click(dialog, u"OK"_s);
        QVERIFY(dialog.isVisible());
        QCOMPARE(fixture.test.prompts.texts(), QStringList{u"フォルダーが作成できません"_s});
        QCOMPARE(fixture.session.State.HeiseiYear, 0);
        QVERIFY(fixture.session.State.MonthFolder.isEmpty());
    }

    void enterInTheYearBox_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("with a month: confirms") << u"4"_s << true;
        QTest::newRow("without a month: to the month box") << u"13"_s << false;
    }
    void enterInTheYearBox()
    {
        QFETCH(QString, month);
        QFETCH(bool, confirmed);
        ShellFixture fixture;
        fixture.addClass(u"1年2組"_s);
        MonthDialog dialog(fixture.session, fixture.test.platform);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        typeInto(dialog, u"T_M"_s, month);
        QLineEdit *year = named<QLineEdit>(dialog, u"T_Y"_s);
        year->setFocus();
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(dialog.isVisible(), !confirmed);
        QCOMPARE(fixture.session.State.Month != 0, confirmed);
        if (!confirmed)
            QCOMPARE(dialog.focusWidget(), named(dialog, u"T_M"_s));
    }

    void cancelForgetsTheChoiceClosingKeepsIt_data()
    {
        QTest::addColumn<bool>("escButton");
        QTest::addColumn<int>("heiseiYear");
        QTest::newRow("ESC") << true << 0;
        QTest::newRow("window closed") << false << 16;
    }
    void cancelForgetsTheChoiceClosingKeepsIt()
    {
        QFETCH(bool, escButton);
        QFETCH(int, heiseiYear);
        ShellFixture fixture;
        fixture.session.State.HeiseiYear = 16;
        fixture.session.State.Month = 4;
        MonthDialog dialog(fixture.session, fixture.test.platform);
        dialog.show();
        if (escButton)
            click(dialog, u"ESC"_s);
        else
            dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(fixture.session.State.HeiseiYear, heiseiYear);
        QCOMPARE(fixture.session.State.Month, 4);
    }
};

VELTRA_TEST(MonthDialogTest)
#include "monthdialog_test.moc"

#include "shell/windows/mainwindow.h"
#include "shell/windows/totalsdialog.h"

#include "shellfixture.h"
#include "testregistry.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>

using namespace Qt::StringLiterals;

namespace {

QString shownYear(const QObject &dialog)
{
    return named<QComboBox>(dialog, u"ERA"_s)->currentText() + named<QLineEdit>(dialog, u"T_Y"_s)->text()
           + named<QLabel>(dialog, u"Label4"_s)->text();
}

} // namespace

class TotalsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void proposal_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("totalsYear"); // AppState.TotalsYear, 0 = nothing chosen yet
        QTest::addColumn<QString>("proposed");
        QTest::newRow("20 March: the school year of the April before") << QDate(2005, 3, 20) << 0 << u"平成16年度"_s;
        QTest::newRow("1 April: the new school year") << QDate(2005, 4, 1) << 0 << u"平成17年度"_s;
        QTest::newRow("April 2019 belongs to 令和元年度") << QDate(2019, 4, 10) << 0 << u"令和1年度"_s;
        QTest::newRow("31 March 2019: 平成30年度") << QDate(2019, 3, 31) << 0 << u"平成30年度"_s;
        QTest::newRow("year chosen before") << QDate(2026, 12, 7) << 16 << u"平成16年度"_s;
    }
    void proposal()
    {
        QFETCH(QDate, today);
        QFETCH(int, totalsYear);
        QFETCH(QString, proposed);
        ShellFixture fixture;
        fixture.test.clock.date = today;
        fixture.session.State.TotalsYear = qint16(totalsYear);
        TotalsDialog dialog(fixture.session, fixture.test.platform);
        QCOMPARE(shownYear(dialog), proposed);
    }

    // Confirming sets the totals class and folders and leaves the open month;
    // reopening proposes the same year, and after a cancel today's again.
    void confirmAndCancel()
    {
        ShellFixture fixture;
        fixture.addClass(u"1年1組"_s, 1, u"1"_s);
        fixture.addClass(u"1年2組"_s);
        AppState &state = fixture.session.State;
        state.HeiseiYear = 38;
        state.Month = 11;
        {
            TotalsDialog dialog(fixture.session, fixture.test.platform);
            typeInto(dialog, u"T_Y"_s, u"2004"_s);
            QCOMPARE(shownYear(dialog), u"平成16年度"_s);
            named<QComboBox>(dialog, u"CLASS_NAME"_s)->setCurrentIndex(1);
            click(dialog, u"OK"_s);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(state.TotalsYear, 16);
        QCOMPARE(state.ClassTitle, u"1年2組"_s);
        QCOMPARE(state.YearFolder, QDir::toNativeSeparators(fixture.session.Settings.DataFolder + u"/2004"_s));
        QCOMPARE(state.MonthFolder, QDir::toNativeSeparators(fixture.session.Settings.DataFolder + u"/2004/1年2組"_s));
        QVERIFY(!QDir(state.MonthFolder).exists());
        QCOMPARE(state.HeiseiYear, 38);
        QCOMPARE(state.Month, 11);

        TotalsDialog again(fixture.session, fixture.test.platform);
        QCOMPARE(shownYear(again), u"平成16年度"_s);
        QCOMPARE(named<QComboBox>(again, u"CLASS_NAME"_s)->currentIndex(), 1);
        click(again, u"ESC"_s);
        QCOMPARE(state.TotalsYear, 0);
        TotalsDialog afterCancel(fixture.session, fixture.test.platform);
        QCOMPARE(shownYear(afterCancel), u"令和8年度"_s);
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("withClass");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no class") << false << u"16"_s << QStringList{u"クラスを指定してください"_s};
        QTest::newRow("year 0 is refused silently") << true << u"0"_s << QStringList{};
        QTest::newRow("平成 had no 35th school year") << true << u"35"_s << QStringList{u"*"_s};
    }
    void refusals()
    {
        QFETCH(bool, withClass);
        QFETCH(QString, year);
        QFETCH(QStringList, messages);
        ShellFixture fixture;
        if (withClass)
            fixture.addClass(u"1年2組"_s);
        fixture.session.State.TotalsYear = 16;
        TotalsDialog dialog(fixture.session, fixture.test.platform);
        typeInto(dialog, u"T_Y"_s, year);
        click(dialog, u"OK"_s);
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open: never accepted
        QCOMPARE(fixture.test.prompts.messages.size(), messages.size());
        if (messages == QStringList{u"*"_s})
            QVERIFY(fixture.test.prompts.texts().constFirst().contains(u"平成35"_s));
        else
            QCOMPARE(fixture.test.prompts.texts(), messages);
    }

    // 集計 opens the totals window with only 印刷 and 閉じる; closing it
    // leaves no month open.
    void totalsCommandOpensTheTotalsWindow()
    {
        ShellFixture fixture;
        fixture.addClass(u"1年2組"_s);
        fixture.session.State.TotalsYear = 16;
        MainWindow window(fixture.session, fixture.test.platform);
        NextModalDialog handler([](QDialog &dialog) { click(dialog, u"OK"_s); });
        click(window, u"B_TOTAL"_s);
        QVERIFY(window.findChild<QWidget *>(u"ROLL_TOTAL"_s));
        QCOMPARE(named<QLabel>(window, u"Label1"_s)->text(), u"平成16年度"_s);
        QCOMPARE(named<QLabel>(window, u"Label2"_s)->text(), u"1年2組"_s);
        QVERIFY(named(window, u"B_PRT"_s)->isEnabled());
        QVERIFY(!named(window, u"B_HOLIDAY"_s)->isEnabled());
        QCOMPARE(fixture.session.State.OpenSheet, u"TOTAL"_s);

        click(window, u"B_CLOSE"_s);
        QVERIFY(!named(window, u"B_PRT"_s)->isEnabled());
        QCOMPARE(fixture.session.State.OpenSheet, QString());
        QCOMPARE(fixture.session.State.HeiseiYear, 0);
    }
};

VELTRA_TEST(TotalsDialogTest)
#include "totalsdialog_test.moc"

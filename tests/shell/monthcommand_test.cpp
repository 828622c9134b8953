#include "shell/windows/mainwindow.h"

#include "calendar/monthchoice.h"
#include "calendar/nationalholidays.h"
#include "data/monthfile.h"
#include "register/openmonth.h"
#include "shellfixture.h"
#include "testregistry.h"

#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace Qt::StringLiterals;

namespace {

const QString MissingQuestion = u"出席簿データが有りません新規に作成しますか"_s;
const QString HolidayReminder = u"休日設定をしてください"_s;

// Chooses April of Heisei 16 (or the given month) of class 1年2組 as the month dialog does.
void chooseMonth(ShellFixture &fixture, int gregorianYear = 2004, int month = 4)
{
    fixture.addClass(u"1年2組"_s);
    applyMonthChoice(fixture.session.State, fixture.session.Settings, fixture.session.Classes.Entries[0],
                     {gregorianYear, month});
    QDir().mkpath(fixture.session.State.MonthFolder);
}

RegisterMonth monthWithHolidays()
{
    RegisterMonth month;
    month.HolidayCount = 1;
    month.HolidayList[0] = {29, u"昭和の日"_s, u"祝"_s};
    month.PupilCount = 1;
    month.Pupils[0].Name = u"山田 太郎"_s;
    month.Pupils[0].Sex = u"男"_s;
    return month;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int documentCount(const MainWindow &window)
{
    return int(named<QMdiArea>(window, u"MDI"_s)->subWindowList().size());
}

bool enabled(const MainWindow &window, const QString &button)
{
    return named(window, button)->isEnabled();
}

} // namespace

class MonthCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void missingFileIsCreatedOnlyWithConsent_data()
    {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("editorOpen");
        QTest::newRow("OK") << PromptAnswer::Ok << QStringList{MissingQuestion} << true;
        QTest::newRow("Cancel") << PromptAnswer::Cancel << QStringList{MissingQuestion} << false;
    }
    void missingFileIsCreatedOnlyWithConsent()
    {
        QFETCH(PromptAnswer, answer);
        QFETCH(QStringList, messages);
        QFETCH(bool, editorOpen);
        ShellFixture fixture;
        chooseMonth(fixture);
        fixture.test.prompts.answers = {answer};
        MainWindow window(fixture.session, fixture.test.platform);
        window.openMonth();

        QCOMPARE(fixture.test.prompts.texts(), messages);
        QCOMPARE(fixture.test.prompts.messages.first(),
                 (PromptMessage{MissingQuestion, u"ヴェルトラ"_s, PromptIcon::None, PromptButtons::OkCancel}));
        QCOMPARE(documentCount(window), editorOpen ? 1 : 0);
        QCOMPARE(fixture.session.State.OpenSheet, editorOpen ? u"FORM"_s : QString());
        for (const QString &button : {u"B_HOLIDAY"_s, u"B_MEIBO"_s, u"B_PRT"_s, u"B_CLOSE"_s})
            QCOMPARE(enabled(window, button), editorOpen);
        QVERIFY(!QFile::exists(openMonthPath(fixture.session.State)));
    }

    // A new month knows its weekends and national holidays from the start, so
    // its figures are right before anyone opens 休日設定; a stored month whose
    // list is empty is still reminded of it.
    void newMonthStartsWithTheCalendarsDaysOff()
    {
        ShellFixture fixture;
        chooseMonth(fixture, 2026, 5);
        MainWindow window(fixture.session, fixture.test.platform);
        window.openMonth();
        const RegisterMonth &month = fixture.session.Register;
        const QList<HolidayEntry> calendar = nationalHolidays(2026, 5);
        QCOMPARE(QList<HolidayEntry>(month.HolidayList.begin(), month.HolidayList.begin() + month.HolidayCount),
                 calendar);
        QVERIFY(window.closeDocuments());

        RegisterMonth emptyList = monthWithHolidays();
        emptyList.HolidayCount = 0;
        QVERIFY(MonthFile::save(openMonthPath(fixture.session.State), emptyList).ok);
        window.openMonth();
        QCOMPARE(fixture.test.prompts.texts(), (QStringList{MissingQuestion, HolidayReminder}));
    }

    void monthWithHolidaysOpensWithoutQuestions()
    {
        ShellFixture fixture;
        chooseMonth(fixture);
        QVERIFY(MonthFile::save(openMonthPath(fixture.session.State), monthWithHolidays()).ok);
        MainWindow window(fixture.session, fixture.test.platform);
        window.openMonth();
        QVERIFY(fixture.test.prompts.messages.isEmpty());
        QCOMPARE(documentCount(window), 1);
        QVERIFY(named<QMdiArea>(window, u"MDI"_s)->subWindowList().first()->isMaximized());
        QCOMPARE(fixture.session.Register.Pupils[0].Name, u"山田 太郎"_s);
    }

    void labelsNameTheOpenMonthInItsEra_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("period");
        QTest::newRow("平成16年4月") << 2004 << 4 << u"平成16年4月"_s;
        QTest::newRow("last month of 平成") << 2019 << 4 << u"平成31年4月"_s;
        QTest::newRow("first month of 令和") << 2019 << 5 << u"令和元年5月"_s;
        QTest::newRow("January of a school year") << 2027 << 1 << u"令和9年1月"_s;
    }
    void labelsNameTheOpenMonthInItsEra()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QString, period);
        ShellFixture fixture;
        chooseMonth(fixture, year, month);
        MainWindow window(fixture.session, fixture.test.platform);
        window.openMonth();
        QCOMPARE(named<QLabel>(window, u"Label1"_s)->text(), period);
        QCOMPARE(named<QLabel>(window, u"Label2"_s)->text(), u"1年2組"_s);
    }

    void unreadableFileIsNeverTakenForMissing()
    {
        ShellFixture fixture;
        chooseMonth(fixture);
        const QString path = openMonthPath(fixture.session.State);
        const QByteArray damaged("0,\"\",1,\r\nnot a register\r\n");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(damaged);
        }
        MainWindow window(fixture.session, fixture.test.platform);
        window.openMonth();

        QCOMPARE(fixture.test.prompts.messages,
                 (QList<PromptMessage>{{u"データの読込に失敗しました\n"_s + QDir::toNativeSeparators(path),
                                        u"ヴェルトラ"_s, PromptIcon::Warning, PromptButtons::Ok}}));
        QCOMPARE(documentCount(window), 0);
        QVERIFY(!enabled(window, u"B_CLOSE"_s));
        window.close();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), damaged);
    }

    // After a month has been open, choosing one that does not open leaves the
    // register as it was, and the labels name no month: none is open.
    void monthThatDoesNotOpenChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("onDisk"); // empty: no file, and the user declines a new one
        QTest::newRow("unreadable") << QByteArray("0,\"\",1,\r\nnot a register\r\n");
        QTest::newRow("new month declined") << QByteArray();
    }
    void monthThatDoesNotOpenChangesNothing()
    {
        QFETCH(QByteArray, onDisk);
        ShellFixture fixture;
        chooseMonth(fixture);
        QVERIFY(MonthFile::save(openMonthPath(fixture.session.State), monthWithHolidays()).ok);
        MainWindow window(fixture.session, fixture.test.platform);
        window.openMonth();
        QVERIFY(window.closeDocuments());

        fixture.addClass(u"3年1組"_s, 3, u"1"_s);
        applyMonthChoice(fixture.session.State, fixture.session.Settings, fixture.session.Classes.Entries[1],
                         {2004, 5});
        QDir().mkpath(fixture.session.State.MonthFolder);
        const QString path = openMonthPath(fixture.session.State);
        if (!onDisk.isEmpty())
            QVERIFY(writeFile(path, onDisk));
        fixture.test.prompts.answers = {PromptAnswer::Cancel};
        window.openMonth();

        QVERIFY(named<QLabel>(window, u"Label1"_s)->text().isEmpty());
        QVERIFY(named<QLabel>(window, u"Label2"_s)->text().isEmpty());
        QCOMPARE(fixture.session.Register, monthWithHolidays());
        QCOMPARE(documentCount(window), 0);
    }

    void closingTheEditorWritesTheMonth()
    {
        ShellFixture fixture;
        chooseMonth(fixture);
        MainWindow window(fixture.session, fixture.test.platform);
        window.openMonth();
        QCOMPARE(documentCount(window), 1);
        click(window, u"B_CLOSE"_s);
        QTRY_COMPARE(documentCount(window), 0);
        QVERIFY(QFile::exists(openMonthPath(fixture.session.State)));
        QVERIFY(fixture.session.State.OpenSheet.isEmpty());
        for (const QString &button : {u"B_HOLIDAY"_s, u"B_MEIBO"_s, u"B_PRT"_s, u"B_CLOSE"_s})
            QVERIFY2(!enabled(window, button), qPrintable(button));
        QVERIFY(named<QLabel>(window, u"Label1"_s)->text().isEmpty());
        QVERIFY(named<QLabel>(window, u"Label2"_s)->text().isEmpty());
    }

    void holidayButtonOpensTheHolidayWindowOnTheOpenMonth()
    {
        ShellFixture fixture;
        chooseMonth(fixture);
        QVERIFY(MonthFile::save(openMonthPath(fixture.session.State), monthWithHolidays()).ok);
        MainWindow window(fixture.session, fixture.test.platform);
        window.openMonth();
        QString dialogShown;
        NextModalDialog handler([&](QDialog &dialog) {
            dialogShown = dialog.objectName();
            dialog.reject();
        });
        click(window, u"B_HOLIDAY"_s);
        QCOMPARE(dialogShown, u"HOLIDAY"_s);
        QCOMPARE(documentCount(window), 1);
    }

    void monthCommandClosesTheOpenMonthFirst()
    {
        ShellFixture fixture;
        chooseMonth(fixture);
        MainWindow window(fixture.session, fixture.test.platform);
        window.openMonth();
        const QString path = openMonthPath(fixture.session.State);
        QString dialogShown;
        int documentsWhileAsking = -1;
        NextModalDialog handler([&](QDialog &dialog) {
            dialogShown = dialog.objectName();
            documentsWhileAsking = documentCount(window);
            click(dialog, u"ESC"_s);
        });
        click(window, u"B_MONTH"_s);
        QCOMPARE(dialogShown, u"F_SET"_s);
        QCOMPARE(documentsWhileAsking, 0);
        QVERIFY(QFile::exists(path));
        QCOMPARE(documentCount(window), 0);
    }

    void monthCommandOpensTheChosenMonth()
    {
        ShellFixture fixture;
        fixture.addClass(u"1年2組"_s);
        fixture.test.clock.date = QDate(2005, 1, 11);
        MainWindow window(fixture.session, fixture.test.platform);
        NextModalDialog handler([](QDialog &dialog) { click(dialog, u"OK"_s); });
        window.runMonthCommand();
        QCOMPARE(fixture.test.prompts.texts(), QStringList{MissingQuestion});
        QCOMPARE(documentCount(window), 1);
        QCOMPARE(openMonthPath(fixture.session.State),
                 fixture.session.Settings.DataFolder + u"/2004/1年2組/2005_1.ROD"_s);
    }

    void printCommand_data()
    {
        QTest::addColumn<QString>("openSheet");
        QTest::addColumn<QList<PromptMessage>>("messages");
        QTest::newRow("nothing open") << QString() << QList<PromptMessage>();
        QTest::newRow("totals without rows")
            << u"TOTAL"_s
            << QList<PromptMessage>{
                   {u"集計データを印刷します"_s, u"ヴェルトラ"_s, PromptIcon::None, PromptButtons::YesNo},
                   {u"印刷データが有りません"_s, u"ヴェルトラ"_s, PromptIcon::None, PromptButtons::Ok}};
    }
    void printCommand()
    {
        QFETCH(QString, openSheet);
        QFETCH(QList<PromptMessage>, messages);
        ShellFixture fixture;
        MainWindow window(fixture.session, fixture.test.platform);
        fixture.session.State.OpenSheet = openSheet;
        window.runPrintCommand();
        QCOMPARE(fixture.test.prompts.messages, messages);
    }
};

VELTRA_TEST(MonthCommandTest)
#include "monthcommand_test.moc"

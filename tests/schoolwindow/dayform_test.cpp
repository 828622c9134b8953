#include "../shell/shellfixture.h"
#include "data/cp932.h"
#include "data/monthfile.h"
#include "data/reasonfile.h"
#include "print/recordingsurface.h"
#include "school/closurethreshold.h"
#include "school/windows/dayform.h"
#include "shell/windows/mainwindow.h"
#include "testregistry.h"

#include <QAction>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// 1年1組 has five pupils; on Monday 7 December 2026 (the test's today) one is
// 病 (発熱) and one ホ (インフルエンザ), 40 % closed; on the 8th all are present.
// 1年2組 has no month file.
struct DayFixture : ShellFixture
{
    DayFixture()
    {
        addClass(u"1年1組"_s, 1, u"1"_s);
        addClass(u"1年2組"_s, 1, u"2"_s);
        month.PupilCount = 5;
        for (int i = 0; i < 5; ++i) {
            month.Pupils[i].Name = u"児童%1"_s.arg(i + 1);
            month.Pupils[i].Sex = u"男"_s;
        }
        month.Pupils[0].Marks[6] = u"病"_s;
        month.Pupils[0].Reasons.append({6, u"病"_s, {u"発熱"_s}, u"３８度"_s});
        month.Pupils[1].Marks[6] = u"ホ"_s;
        month.Pupils[1].Reasons.append({6, u"ホ"_s, {u"インフルエンザ"_s}, {}});
        saveMonth();
    }

    QString monthPath() const { return session.Settings.DataFolder + u"/2026/1年1組/2026_12.ROD"_s; }
    void saveMonth()
    {
        QDir().mkpath(QFileInfo(monthPath()).absolutePath());
        QVERIFY(MonthFile::save(monthPath(), month).ok);
        QVERIFY(ReasonFile::save(monthPath(), month).ok);
    }

    // The window with a printer that keeps each run it is given.
    std::unique_ptr<DayForm> window()
    {
        return std::make_unique<DayForm>(session, test.platform, [this](const PrintRun &run) { printed.append(run); });
    }

    RegisterMonth month;
    QList<PrintRun> printed;
};

QTreeWidgetItem *classItem(const DayForm &form, int index)
{
    return named<QTreeWidget>(form, u"DAY_LIST"_s)->topLevelItem(index);
}

QStringList childTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

} // namespace

class DayFormTest : public QObject
{
    Q_OBJECT

private slots:
    // Today's day on opening: a line per class with its figures, the absent
    // pupils and their reasons under it, the closure mark and the sums.
    void showsTodayOnOpening()
    {
        DayFixture fixture;
        const auto form = fixture.window();
        QCOMPARE(form->windowTitle(), u"本日の出欠　令和8年12月7日（月）"_s);
        QCOMPARE(named<QDateEdit>(*form, u"T_DATE"_s)->date(), QDate(2026, 12, 7));
        const QTreeWidgetItem *first = classItem(*form, 0);
        QStringList line;
        for (int column = 0; column < 14; ++column)
            line.append(first->text(column));
        QCOMPARE(line.join(u'|'), u"1年1組|5|3|1|1|0|0|1|0|0|0|0|40.0|学級閉鎖の目安"_s);
        QCOMPARE(first->background(0).color(), QColor(255, 220, 220));
        QCOMPARE(childTexts(first), (QStringList{u" 1　児童1　病　発熱　３８度"_s, u" 2　児童2　ホ　インフルエンザ"_s,
                                                 u"理由別　病：発熱 1　／　ホ：インフルエンザ 1"_s}));
        QCOMPARE(classItem(*form, 1)->text(13), u"出席簿なし"_s);
        QCOMPARE(classItem(*form, 1)->text(1), QString());

        const QTableWidget *sums = named<QTableWidget>(*form, u"SUMS"_s);
        QCOMPARE(sums->rowCount(), 2);
        QCOMPARE(sums->item(1, 0)->text(), u"学校全体"_s);
        QCOMPARE(sums->item(1, 4)->text(), u"1"_s); // ホ is 出席停止
        QCOMPARE(named<QLabel>(*form, u"OVER_COUNT"_s)->text(), u"学級閉鎖の目安に達した学級：1"_s);
    }

    void movesThroughDays_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("rate");
        QTest::newRow("翌日") << u"B_NEXT"_s << QDate(2026, 12, 8) << u"0.0"_s;
        QTest::newRow("前日: Sunday") << u"B_PREV"_s << QDate(2026, 12, 6) << QString();
        QTest::newRow("date box") << u"T_DATE"_s << QDate(2027, 1, 12) << QString();
    }

    void movesThroughDays()
    {
        QFETCH(QString, button);
        QFETCH(QDate, date);
        DayFixture fixture;
        fixture.month.HolidayList[0] = {6, u"日曜日"_s, u"日"_s};
        fixture.month.HolidayCount = 1;
        fixture.saveMonth();
        const auto form = fixture.window();
        if (button == u"T_DATE"_s)
            named<QDateEdit>(*form, button)->setDate(date);
        else
            click(*form, button);
        QCOMPARE(form->schoolDay().date, date);
        QCOMPARE(named<QDateEdit>(*form, u"T_DATE"_s)->date(), date);
        QTEST(classItem(*form, 0)->text(12), "rate");
        click(*form, u"B_TODAY"_s);
        QCOMPARE(form->schoolDay().date, QDate(2026, 12, 7));
    }

    // 更新 and the minute's timer read the files again.
    void readsAgain_data()
    {
        QTest::addColumn<bool>("byTimer");
        QTest::newRow("更新") << false;
        QTest::newRow("every minute") << true;
    }

    void readsAgain()
    {
        QFETCH(bool, byTimer);
        DayFixture fixture;
        const auto form = fixture.window();
        fixture.month.Pupils[2].Marks[6] = u"事"_s;
        fixture.saveMonth();
        QCOMPARE(classItem(*form, 0)->text(3), u"1"_s);
        auto *timer = form->findChild<QTimer *>(u"REFRESH_TIMER"_s);
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), DayForm::RefreshMilliseconds);
        if (byTimer)
            timer->setInterval(5);
        else
            click(*form, u"B_REFRESH"_s);
        QTRY_COMPARE(classItem(*form, 0)->text(3), u"2"_s);
    }

    // The threshold is the school's: kept in the work folder, and what the
    // highlight follows at once.
    void thresholdIsKeptInTheWorkFolder_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("over");
        QTest::newRow("40 % reaches") << 40.0 << QByteArray("40.0\r\n") << 1;
        QTest::newRow("40.1 % does not") << 40.1 << QByteArray("40.1\r\n") << 0;
        QTest::newRow("5 %") << 5.0 << QByteArray("5.0\r\n") << 1;
    }

    void thresholdIsKeptInTheWorkFolder()
    {
        QFETCH(double, percent);
        QFETCH(int, over);
        DayFixture fixture;
        const auto form = fixture.window();
        QCOMPARE(named<QDoubleSpinBox>(*form, u"T_LIMIT"_s)->value(), 20.0);
        named<QDoubleSpinBox>(*form, u"T_LIMIT"_s)->setValue(percent);
        QFile file(ClosureThreshold::filePath(fixture.session.Settings.WorkFolder));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTEST(file.readAll(), "file");
        QCOMPARE(form->schoolDay().classesOverThreshold(), over);
        QCOMPARE(classItem(*form, 0)->text(13), over ? u"学級閉鎖の目安"_s : QString());

        const auto again = fixture.window();
        QCOMPARE(named<QDoubleSpinBox>(*again, u"T_LIMIT"_s)->value(), percent);
    }

    // 印刷 hands the printout to the program's printer; PDF保存 and CSV保存
    // write the files the user names.
    void printsAndSaves()
    {
        DayFixture fixture;
        const auto form = fixture.window();
        click(*form, u"B_PRT"_s);
        QCOMPARE(fixture.printed.size(), 1);
        RecordingSurface surface;
        QCOMPARE(fixture.printed[0](surface), PrintResult::Printed);
        QCOMPARE(surface.paper(), QSizeF(210, 297));
        QCOMPARE(surface.pages().size(), 1);

        const QString pdf = fixture.test.folder.filePath(u"day.pdf"_s);
        const QString csv = fixture.test.folder.filePath(u"day.csv"_s);
        fixture.test.prompts.fileNames = {pdf, csv};
        click(*form, u"B_PDF"_s);
        click(*form, u"B_CSV"_s);
        QVERIFY(fixture.test.prompts.proposedPaths.value(0).endsWith(u"本日の出欠_2026-12-07.pdf"_s));
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith("%PDF-"));
        QFile rows(csv);
        QVERIFY(rows.open(QIODevice::ReadOnly));
        QVERIFY(
            Cp932::decode(rows.readAll()).value_or(QString()).contains(u"\r\n1年1組,学級閉鎖の目安,5,3,1,1,0,0,1,"_s));
        QCOMPARE(fixture.test.prompts.statusTexts.size(), 2);
    }

    // The main window opens the one window, from its menu and its button.
    void openedFromTheMainWindow()
    {
        DayFixture fixture;
        MainWindow main(fixture.session, fixture.test.platform);
        named<QAction>(main, u"M0_DAY"_s)->trigger();
        auto *form = main.findChild<DayForm *>(u"DAY_FORM"_s);
        QVERIFY(form && form->isVisible());
        click(main, u"B_DAY"_s);
        QCOMPARE(main.findChildren<DayForm *>().size(), 1);
        QCOMPARE(form->schoolDay().classes.size(), 2);
    }
};

VELTRA_TEST(DayFormTest)
#include "dayform_test.moc"

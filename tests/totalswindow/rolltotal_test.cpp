#include "data/cp932.h"
#include "data/monthfile.h"
#include "data/session.h"
#include "testplatform.h"
#include "testregistry.h"
#include "totals/windows/rolltotal.h"
#include "totals/windows/totalssurface.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The totals of class 1年2組 of Heisei 16 (2004), whose month files lie in a
// temporary folder.
struct TotalsWindowFixture
{
    TotalsWindowFixture()
    {
        AppState &state = session.State;
        state.TotalsYear = 16;
        state.HeiseiYear = 16;
        state.Month = 7;
        state.ClassGrade = 1;
        state.ClassName = u"2"_s;
        state.ClassTitle = u"1年2組"_s;
        state.MonthFolder = test.folder.filePath(u"class"_s);
        QDir().mkpath(state.MonthFolder);
        session.Register.PupilCount = 3;
    }

    // A month of `pupils` boys named 児童1, 児童2, …; the first absent on the first `absent` days.
    void writeMonth(int year, int month, int pupils, int absent = 0)
    {
        RegisterMonth data;
        data.PupilCount = qint16(pupils);
        for (int i = 0; i < pupils; ++i) {
            data.Pupils[i].Name = u"児童%1"_s.arg(i + 1);
            data.Pupils[i].Sex = u"男"_s;
        }
        for (int d = 0; d < absent; ++d)
            data.Pupils[0].Marks[d] = u"病"_s;
        MonthFile::save(monthPath(year, month), data);
    }

    QString monthPath(int year, int month) const
    {
        return QDir(session.State.MonthFolder).filePath(MonthFile::fileName(year, month));
    }

    TestPlatform test;
    Session session;
};

} // namespace

class RollTotalTest : public QObject
{
    Q_OBJECT

private slots:
    // While the window is open no month is open; closing it leaves none open.
    void noMonthStaysOpen()
    {
        TotalsWindowFixture fixture;
        auto *window = new RollTotal(fixture.session, fixture.test.platform);
        const AppState &state = fixture.session.State;
        QCOMPARE(state.OpenSheet, u"TOTAL"_s);
        QCOMPARE(fixture.session.Register.PupilCount, 0);
        QVERIFY(window->totals().rows.isEmpty());
        for (int term = 0; term < TotalsTerm::Count; ++term)
            QVERIFY(!window->findChild<QRadioButton *>(u"OPT1_%1"_s.arg(term))->isChecked());
        QSignalSpy closed(window, &RollTotal::closed);
        window->close();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(state.OpenSheet, QString());
        QCOMPARE(state.HeiseiYear, 0);
        QCOMPARE(state.Month, 0);
        delete window;
    }

    // 30 pupils and room for 20 rows: the scroll bar runs from 0 to 12 and
    // scrolling moves the rows' origin by whole rows.
    void scrollRange()
    {
        TotalsWindowFixture fixture;
        fixture.writeMonth(2004, 4, 30);
        RollTotal window(fixture.session, fixture.test.platform);
        QTest::mouseClick(window.findChild<QRadioButton *>(u"OPT1_0"_s), Qt::LeftButton);
        window.layoutTotals(855 + 800 + 2 * 280 + 20 * 240 + 100);
        QCOMPARE(window.visibleRows(), 20);
        auto *scroll = window.findChild<QScrollBar *>(u"V_SCL"_s);
        QCOMPARE(scroll->minimum(), 0);
        QCOMPARE(scroll->maximum(), 12);
        scroll->setValue(5);
        QCOMPARE(window.findChild<TotalsSurface *>(u"D_LIST"_s)->origin(), 5 * 240);
    }

    // A month file that cannot be read is named; the others are counted and
    // the months line shows which months were read.
    void unreadableMonth()
    {
        TotalsWindowFixture fixture;
        fixture.writeMonth(2004, 4, 2, 30);
        fixture.writeMonth(2004, 5, 2);
        QFile damaged(fixture.monthPath(2004, 6));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("1,\"");
        damaged.close();

        RollTotal window(fixture.session, fixture.test.platform);
        QTest::mouseClick(window.findChild<QRadioButton *>(u"OPT1_0"_s), Qt::LeftButton);
        const QList<PromptMessage> &messages = fixture.test.prompts.messages;
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].text.endsWith(QDir::toNativeSeparators(fixture.monthPath(2004, 6))));
        QCOMPARE(messages[0].icon, PromptIcon::Warning);
        QCOMPARE(window.totals().rows.size(), 2);
        QCOMPARE(window.findChild<QLabel *>(u"MONTHS"_s)->text(),
                 u"期間: 4月1日～8月31日　集計した月: 4 5月　ファイルのない月: 7 8月　読めなかった月: 6月"_s);
        QCOMPARE(window.findChild<QLabel *>(u"LONG_ABSENCE"_s)->text(), u"長期欠席（30日以上）: 1名"_s);
    }

    // CSV保存 proposes a file named after the period, in the folder saved in
    // last, writes the chosen layout there and says where.
    void csvOfTheShownTerm()
    {
        TotalsWindowFixture fixture;
        fixture.writeMonth(2005, 1, 2);
        RollTotal window(fixture.session, fixture.test.platform);
        auto *records = window.findChild<QAction *>(u"CSV_RECORDS"_s);
        records->trigger();
        QCOMPARE(fixture.test.prompts.texts(), QStringList{u"保存するデータが有りません"_s});

        QTest::mouseClick(window.findChild<QRadioButton *>(u"OPT1_2"_s), Qt::LeftButton);
        const QString path = fixture.test.folder.filePath(u"out.csv"_s);
        fixture.test.prompts.fileNames.push_back(path);
        fixture.test.store.setValue(u"SAVE"_s, u"Folder"_s, fixture.test.folder.path());
        records->trigger();
        QCOMPARE(fixture.test.prompts.proposedPaths,
                 QStringList{fixture.test.folder.filePath(u"平成16年度_３学期_1年2組_指導要録用.csv"_s)});
        QCOMPARE(fixture.test.prompts.statusTexts, QStringList{u"保存しました: "_s + QDir::toNativeSeparators(path)});
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().endsWith("2,,\x8E\x99\x93\xB6\x32,\x92\x6A,31,0,31,0,31\r\n"));

        const QString pdf = fixture.test.folder.filePath(u"out.pdf"_s);
        fixture.test.prompts.fileNames.push_back(pdf);
        QTest::mouseClick(window.findChild<QPushButton *>(u"B_PDF"_s), Qt::LeftButton);
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.readAll().startsWith("%PDF"));
    }

    // 全クラスをCSV保存: the period shown, of every class of the list, into one
    // 指導要録用 file with the class first; a class without months is named.
    void schoolCsvOfTheShownPeriod()
    {
        TotalsWindowFixture fixture;
        Session &session = fixture.session;
        session.Settings.WorkFolder = fixture.test.folder.path();
        session.Settings.DataFolder = fixture.test.folder.filePath(u"data"_s);
        session.Classes.Entries[0] = {OrdinaryClass, 1, 0, u"2"_s, {}, u"1年2組"_s};
        session.Classes.Entries[1] = {OrdinaryClass, 2, 0, u"2"_s, {}, u"2年2組"_s};
        session.Classes.ClassCount = 2;
        session.State.MonthFolder = fixture.test.folder.filePath(u"data/2004/1年2組"_s);
        QDir().mkpath(session.State.MonthFolder);
        fixture.writeMonth(2004, 4, 2, 3);
        RollTotal window(session, fixture.test.platform);
        auto *button = window.findChild<QPushButton *>(u"B_CSV_ALL"_s);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(fixture.test.prompts.texts(), QStringList{u"集計する期間を選んでください"_s});

        QTest::mouseClick(window.findChild<QRadioButton *>(u"OPT1_0"_s), Qt::LeftButton);
        const QString path = fixture.test.folder.filePath(u"school.csv"_s);
        fixture.test.prompts.fileNames.push_back(path);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(QFileInfo(fixture.test.prompts.proposedPaths.value(0)).fileName(),
                 u"平成16年度_１学期_全クラス_指導要録用.csv"_s);
        QCOMPARE(fixture.test.prompts.texts().last(), u"月のファイルがないクラス: 2年2組"_s);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(
            Cp932::decode(saved.readAll()).value_or(QString()),
            u"学級,NO,学年,氏名,性別,授業日数,出席停止・忌引等の日数,出席しなければならない日数,欠席日数,出席日数\r\n"
            u"1年2組,1,,児童1,男,30,0,30,3,27\r\n1年2組,2,,児童2,男,30,0,30,0,30\r\n"_s);
    }
};

VELTRA_TEST(RollTotalTest)
#include "rolltotal_test.moc"

#include "calendar/era.h"
#include "holidaywindow.h"

#include "calendar/nationalholidays.h"
#include "data/cp932.h"
#include "testregistry.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>

// Opening and closing the holiday window: the list it starts with, the
// whole-month-off box and text, the warning on a long text, the sheet refresh
// and the remembered position.
class HolidayFormTest : public QObject
{
    Q_OBJECT

private slots:
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("CHK11") << u"CHK11"_s << u"一ヶ月間休み"_s << 360 << 120;
        QTest::newRow("Label6") << u"Label6"_s << u"適用"_s << 240 << 480;
        QTest::newRow("MSG11") << u"MSG11"_s << QString() << 720 << 480;
        QTest::newRow("GRID1") << u"GRID1"_s << QString() << 120 << 840;
        QTest::newRow("B_ESC") << u"B_ESC"_s << u"閉じる"_s << 4440 << 120;
        QTest::newRow("B_DEL") << u"B_DEL"_s << u"休日削除"_s << 4200 << 960;
        QTest::newRow("B_ADD") << u"B_ADD"_s << u"休日の追加"_s << 4200 << 1680;
        QTest::newRow("HOLIDAY") << u"HOLIDAY"_s << QString() << 4200 << 2160;
        QTest::newRow("Label2") << u"Label2"_s << u"日～     日"_s << 4635 << 2160;
        QTest::newRow("HOLIDAY2") << u"HOLIDAY2"_s << QString() << 5160 << 2160;
        QTest::newRow("Label4") << u"Label4"_s << u"適用"_s << 3960 << 2640;
        QTest::newRow("MSG") << u"MSG"_s << QString() << 4680 << 2640;
        QTest::newRow("Label5") << u"Label5"_s << u"印刷内容"_s << 3840 << 3120;
        QTest::newRow("MSG2") << u"MSG2"_s << QString() << 4680 << 3120;
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        HolidayWindow window(2026, 5);
        window.open();
        QCOMPARE(window.form->objectName(), u"HOLIDAY"_s);
        QCOMPARE(window.form->windowTitle(), u"休日設定"_s);
        const QWidget *control = window.control<QWidget>(name);
        QCOMPARE(control->pos(),
                 QPoint(twipsToPixels(left, control->logicalDpiX()), twipsToPixels(top, control->logicalDpiY())));
        if (const auto *label = qobject_cast<const QLabel *>(control))
            QCOMPARE(label->text(), caption);
        if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            QCOMPARE(button->text(), caption);
    }

    void gridAndReasonList()
    {
        HolidayWindow window(2026, 5);
        window.open();
        QTableWidget *grid = window.grid();
        QCOMPARE(grid->rowCount(), 31);
        QStringList headers;
        for (int column = 0; column < grid->columnCount(); ++column)
            headers.append(grid->horizontalHeaderItem(column)->text());
        QCOMPARE(headers, (QStringList{u"日"_s, u"適　用"_s, u"印刷内容"_s}));
        const auto *reasons = window.control<QComboBox>(u"MSG"_s);
        QStringList items;
        for (int i = 0; i < reasons->count(); ++i)
            items.append(reasons->itemText(i));
        QCOMPARE(items, (QStringList{u"春季休業日"_s, u"夏季休業日"_s, u"冬季休業日"_s, u"振替休業日"_s,
                                     u"創立記念日"_s, u"卒業"_s, u"台風のため休業"_s}));
        QVERIFY(reasons->currentText().isEmpty());
    }

    void openingOnAnEmptyListFillsTheCalendarsDaysOff()
    {
        HolidayWindow window(2026, 5);
        window.open();
        RegisterMonth expected;
        CalcNationalHolidays(JapaneseEra::heiseiFromGregorian(2026), 5, expected);
        QCOMPARE(window.session.Register.HolidayList, expected.HolidayList);
        QCOMPARE(window.session.Register.HolidayCount, expected.HolidayCount);
        QCOMPARE(window.gridRows().mid(0, 5), (QStringList{u"2 土曜日 土"_s, u"3 憲法記念日 日"_s, u"4 みどりの日 祝"_s,
                                                           u"5 こどもの日 祝"_s, u"6 振替休日 休日"_s}));
        QCOMPARE(window.gridRows(), window.registerRows());
    }

    void openingOnAListLeavesItAloneAndShowsItInDayOrder()
    {
        HolidayWindow window(2026, 5);
        window.addEntry(20, u"運動会"_s, u"行事"_s);
        window.addEntry(5, u"こどもの日"_s, u"祝"_s);
        window.open();
        QCOMPARE(window.registerRows(), (QStringList{u"5 こどもの日 祝"_s, u"20 運動会 行事"_s}));
        QCOMPARE(window.gridRows(), window.registerRows());
    }

    void monthOffAtOpening_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("list"); // empty, the calendar's days off only, or with a school's own day
        QTest::addColumn<int>("storedFlag");
        QTest::addColumn<QString>("storedText");
        QTest::addColumn<bool>("shownTicked");
        QTest::addColumn<QString>("shownText");
        const QString summer = u"夏季休業"_s;
        QTest::newRow("new August starts as a vacation") << 8 << u"empty"_s << 0 << QString() << true << summer;
        QTest::newRow("August made by the month dialog") << 8 << u"calendar"_s << 0 << QString() << true << summer;
        QTest::newRow("new August keeps a stored closure") << 8 << u"empty"_s << 1 << u"休み"_s << true << u"休み"_s;
        QTest::newRow("set-up August keeps a school month") << 8 << u"own"_s << 0 << QString() << false << QString();
        QTest::newRow("set-up August keeps its own text") << 8 << u"own"_s << 1 << u"夏休み"_s << true << u"夏休み"_s;
        QTest::newRow("new May") << 5 << u"empty"_s << 0 << QString() << false << QString();
        QTest::newRow("new March keeps a stored closure") << 3 << u"empty"_s << 1 << u"休校"_s << true << u"休校"_s;
        QTest::newRow("long stored text shown without a warning")
            << 5 << u"own"_s << 1 << u"体育館改修工事のため休校"_s << true << u"体育館改修工事のため休校"_s;
        QTest::newRow("text kept while not ticked") << 9 << u"own"_s << 0 << u"予備"_s << false << u"予備"_s;
    }
    void monthOffAtOpening()
    {
        QFETCH(int, month);
        QFETCH(QString, list);
        QFETCH(int, storedFlag);
        QFETCH(QString, storedText);
        QFETCH(bool, shownTicked);
        QFETCH(QString, shownText);
        HolidayWindow window(2026, month);
        if (list != u"empty"_s)
            CalcNationalHolidays(window.session.State.HeiseiYear, month, window.session.Register);
        if (list == u"own"_s)
            window.addEntry(10, u"運動会"_s, u"行事"_s);
        window.session.Register.MonthOffFlag = qint16(storedFlag);
        window.session.Register.MonthOffText = storedText;
        window.open();
        QCOMPARE(window.control<QCheckBox>(u"CHK11"_s)->isChecked(), shownTicked);
        QCOMPARE(window.control<QLineEdit>(u"MSG11"_s)->text(), shownText);

        window.click(u"B_ESC"_s);
        QCOMPARE(window.session.Register.MonthOffFlag, qint16(shownTicked ? 1 : 0));
        QCOMPARE(window.session.Register.MonthOffText, shownText);
        QVERIFY(window.test.prompts.messages.isEmpty());
    }

    void closingStoresTheUsersMonthOffAndRefreshesTheSheet_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close button") << false;
        QTest::newRow("Escape key") << true;
    }
    void closingStoresTheUsersMonthOffAndRefreshesTheSheet()
    {
        QFETCH(bool, byEscape);
        HolidayWindow window(2026, 4);
        window.open();
        QTest::mouseClick(window.control<QCheckBox>(u"CHK11"_s), Qt::LeftButton);
        window.type(u"MSG11"_s, u"改修\"工事\""_s);
        QCOMPARE(window.sheetRefreshes, 0);
        if (byEscape)
            QTest::keyClick(window.form.get(), Qt::Key_Escape);
        else
            window.click(u"B_ESC"_s);
        QVERIFY(!window.form->isVisible());
        QCOMPARE(window.session.Register.MonthOffFlag, qint16(1));
        QCOMPARE(window.session.Register.MonthOffText, u"改修＂工事＂"_s);
        QCOMPARE(window.sheetRefreshes, 1);
    }

    void unstorableMonthOffTextKeepsTheWindowOpen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("not in code page 932") << u"𠮷田祭"_s << Cp932::unencodableMessage(0x20BB7);
        QTest::newRow("control character") << u"休\u001F校"_s << u"制御文字(U+001F)は使えません"_s;
    }
    void unstorableMonthOffTextKeepsTheWindowOpen()
    {
        QFETCH(QString, typed);
        HolidayWindow window(2026, 5);
        window.session.Register.MonthOffText = u"休校"_s;
        window.open();
        window.control<QLineEdit>(u"MSG11"_s)->setText(typed);
        window.click(u"B_ESC"_s);
        QVERIFY(window.form->isVisible());
        QFETCH(QString, message);
        QCOMPARE(window.test.prompts.texts(), QStringList{message});
        QCOMPARE(window.session.Register.MonthOffText, u"休校"_s);
        QCOMPARE(window.sheetRefreshes, 0);
    }

    // A month-off text an older tool stored with a control character shows
    // it as a blank, the way the month file will store it, and closes.
    void storedControlCharacterShowsAsABlank()
    {
        HolidayWindow window(2026, 5);
        window.session.Register.MonthOffText = u"休\u001A校"_s;
        window.open();
        QCOMPARE(window.control<QLineEdit>(u"MSG11"_s)->text(), u"休 校"_s);
        window.click(u"B_ESC"_s);
        QVERIFY(!window.form->isVisible());
        QVERIFY(window.test.prompts.messages.isEmpty());
        QCOMPARE(window.session.Register.MonthOffText, u"休 校"_s);
    }

    void longMonthOffTextWarnsOnEveryKeystroke()
    {
        HolidayWindow window(2026, 5);
        window.open();
        auto *text = window.control<QLineEdit>(u"MSG11"_s);
        const PromptMessage warning{u"文字数が多すぎます\n8文字以内にしてください"_s, u"ヴェルトラ"_s};
        window.type(u"MSG11"_s, u"体育館改修工事の"_s);
        QVERIFY(window.test.prompts.messages.isEmpty());
        window.type(u"MSG11"_s, u"ため休"_s); // the 9th, 10th and 11th character
        QCOMPARE(window.test.prompts.messages, QList<PromptMessage>(3, warning));
        QTest::keyClick(text, Qt::Key_Backspace); // 10 characters
        QTest::keyClick(text, Qt::Key_Backspace); // 9
        QTest::keyClick(text, Qt::Key_Backspace); // 8: no warning
        QCOMPARE(window.test.prompts.messages.size(), 5);
        window.type(u"MSG11"_s, u"中"_s);
        QCOMPARE(window.test.prompts.messages.size(), 6);
        window.click(u"B_ESC"_s);
        QCOMPARE(window.session.Register.MonthOffText, u"体育館改修工事の中"_s);
    }

    void opensWhereItWasLastClosed()
    {
        HolidayWindow window(2026, 5);
        window.test.store.setValue(u"Position"_s, u"HOLIDAY Left"_s, u"1500"_s);
        window.test.store.setValue(u"Position"_s, u"HOLIDAY Top"_s, u"3000"_s);
        window.open();
        const double dpiX = window.form->logicalDpiX();
        const double dpiY = window.form->logicalDpiY();
        QCOMPARE(window.form->geometry().topLeft(), QPoint(twipsToPixels(1500, dpiX), twipsToPixels(3000, dpiY)));

        window.form->setGeometry(
            QRect(QPoint(twipsToPixels(4500, dpiX), twipsToPixels(600, dpiY)), window.form->size()));
        window.click(u"B_ESC"_s);
        QCOMPARE(window.test.store.value(u"Position"_s, u"HOLIDAY Left"_s), u"4500"_s);
        QCOMPARE(window.test.store.value(u"Position"_s, u"HOLIDAY Top"_s), u"600"_s);
    }
};

VELTRA_TEST(HolidayFormTest)
#include "holidayform_test.moc"

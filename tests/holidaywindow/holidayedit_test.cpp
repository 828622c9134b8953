#include "holidaywindow.h"

#include "data/cp932.h"
#include "testregistry.h"

#include <QLabel>

// Editing the list through the holiday window: adding days and ranges, the
// preset reasons and their print texts, refusals and deleting selected rows.
class HolidayEditTest : public QObject
{
    Q_OBJECT

private:
    static QStringList inputs(const HolidayWindow &window)
    {
        return {window.control<QLineEdit>(u"HOLIDAY"_s)->text(), window.control<QLineEdit>(u"HOLIDAY2"_s)->text(),
                window.control<QComboBox>(u"MSG"_s)->currentText(), window.control<QLineEdit>(u"MSG2"_s)->text()};
    }

private slots:
    void overwritingANationalHolidayKeepsTheCount()
    {
        HolidayWindow window(2026, 5);
        window.open();
        const qint16 count = window.session.Register.HolidayCount;
        window.type(u"HOLIDAY"_s, u"3"_s);
        window.choosePreset(4);
        window.click(u"B_ADD"_s);
        QCOMPARE(window.session.Register.HolidayCount, count);
        QCOMPARE(window.gridRows().at(1), u"3 創立記念日 創立記念日"_s);
        QCOMPARE(inputs(window), QStringList(4, QString()));
        QVERIFY(window.test.prompts.messages.isEmpty());
    }

    void rangeOverwritesWeekendsAndShowsDayOrder()
    {
        HolidayWindow window(2026, 7);
        window.open();
        window.type(u"HOLIDAY"_s, u"21"_s);
        window.type(u"HOLIDAY2"_s, u"31"_s);
        window.choosePreset(1);
        window.click(u"B_ADD"_s);
        QStringList expected{u"4 土曜日 土"_s,  u"5 日曜日 日"_s,  u"11 土曜日 土"_s, u"12 日曜日 日"_s,
                             u"18 土曜日 土"_s, u"19 日曜日 日"_s, u"20 海の日 祝"_s};
        for (int day = 21; day <= 31; ++day)
            expected.append(u"%1 夏季休業日 夏季休業"_s.arg(day));
        QCOMPARE(window.gridRows(), expected);
        QCOMPARE(window.registerRows(), expected);
    }

    void typedDayAndTextsAreInsertedInOrder()
    {
        HolidayWindow window(2026, 6);
        window.addEntry(6, u"土曜日"_s, u"土"_s);
        window.addEntry(20, u"土曜日"_s, u"土"_s);
        window.open();
        window.type(u"HOLIDAY"_s, u"１２"_s);
        window.typeReason(u"運動会"_s);
        window.type(u"MSG2"_s, u"行事"_s);
        QTest::keyClick(window.control<QLineEdit>(u"MSG2"_s), Qt::Key_Return);
        QVERIFY2(window.form->isVisible(), "Return in a box must not close the window");
        window.click(u"B_ADD"_s);
        QCOMPARE(window.gridRows(), (QStringList{u"6 土曜日 土"_s, u"12 運動会 行事"_s, u"20 土曜日 土"_s}));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("firstDay");
        QTest::addColumn<QString>("lastDay");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("printText");
        QTest::addColumn<QString>("message");
        const QString reason = u"運動会"_s;
        const QString print = u"行事"_s;
        const QString noDate = u"日付を入力してください"_s;
        const QString invalid = u"日付データが不正です"_s;
        // June has 30 days.
        QTest::newRow("nothing typed") << QString() << QString() << QString() << QString() << noDate;
        QTest::newRow("no reason") << u"5"_s << QString() << QString() << print << u"適用を入力してください"_s;
        QTest::newRow("no print text") << u"5"_s << QString() << reason << QString() << u"印刷内容を入力してください"_s;
        QTest::newRow("range backwards") << u"10"_s << u"5"_s << reason << print << invalid;
        QTest::newRow("day after the month") << u"31"_s << QString() << reason << print << invalid;
        QTest::newRow("fractional day") << u"2.5"_s << QString() << reason << print << invalid;
        QTest::newRow("unstorable reason")
            << u"5"_s << QString() << u"𠮷田祭"_s << print << Cp932::unencodableMessage(0x20BB7);
        QTest::newRow("control character in the reason")
            << u"5"_s << QString() << u"運動\u0007会"_s << print << u"制御文字(U+0007)は使えません"_s;
        QTest::newRow("control character in the print text")
            << u"5"_s << QString() << reason << u"行\u001A事"_s << u"制御文字(U+001A)は使えません"_s;
    }
    void refusals()
    {
        QFETCH(QString, firstDay);
        QFETCH(QString, lastDay);
        QFETCH(QString, reason);
        QFETCH(QString, printText);
        QFETCH(QString, message);
        HolidayWindow window(2026, 6);
        window.open();
        const QStringList before = window.registerRows();
        window.control<QLineEdit>(u"HOLIDAY"_s)->setText(firstDay);
        window.control<QLineEdit>(u"HOLIDAY2"_s)->setText(lastDay);
        window.control<QComboBox>(u"MSG"_s)->setEditText(reason);
        window.control<QLineEdit>(u"MSG2"_s)->setText(printText);
        window.click(u"B_ADD"_s);
        QCOMPARE(window.test.prompts.messages, (QList<PromptMessage>{{message, u"ヴェルトラ"_s}}));
        QCOMPARE(window.registerRows(), before);
        QCOMPARE(window.gridRows(), before);
        QCOMPARE(inputs(window), (QStringList{firstDay, lastDay, reason, printText}));
    }

    void fullListSaysSoInsteadOfAdding()
    {
        HolidayWindow window(2026, 5);
        for (int day = 1; day <= HolidaySlots; ++day)
            window.addEntry(day == HolidaySlots ? 5 : day, u"行事"_s, u"行"_s); // day 31 missing
        window.open();
        window.type(u"HOLIDAY"_s, u"31"_s);
        window.typeReason(u"運動会"_s);
        window.type(u"MSG2"_s, u"行事"_s);
        window.click(u"B_ADD"_s);
        QCOMPARE(window.test.prompts.texts(), QStringList{u"休日は31件までです"_s});
        QVERIFY(!window.gridRows().contains(u"31 運動会 行事"_s));
    }

    void presetPrintTexts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("printText");
        QTest::newRow("冬季休業日") << 2 << u"冬季休業"_s;
        QTest::newRow("台風のため休業") << 6 << u"台風のため休業"_s;
    }
    void presetPrintTexts()
    {
        QFETCH(int, index);
        QFETCH(QString, printText);
        HolidayWindow window(2026, 12);
        window.open();
        window.type(u"MSG2"_s, u"前の文字"_s);
        window.choosePreset(index);
        QCOMPARE(window.control<QLineEdit>(u"MSG2"_s)->text(), printText);
    }

    void doubleClickingThePrintTextLabel_data()
    {
        QTest::addColumn<QString>("printText");
        QTest::addColumn<QString>("afterwards");
        QTest::newRow("empty print text takes the reason") << QString() << u"校内研修日"_s;
        QTest::newRow("typed print text stays") << u"研修"_s << u"研修"_s;
    }
    void doubleClickingThePrintTextLabel()
    {
        QFETCH(QString, printText);
        QFETCH(QString, afterwards);
        HolidayWindow window(2026, 10);
        window.open();
        window.typeReason(u"校内研修日"_s);
        window.type(u"MSG2"_s, printText);
        QTest::mouseDClick(window.control<QLabel>(u"Label5"_s), Qt::LeftButton);
        QCOMPARE(window.control<QLineEdit>(u"MSG2"_s)->text(), afterwards);
    }

    void deletingSelectedRows_data()
    {
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<QList<int>>("remainingDays");
        // The list holds the days 3, 10, 17, 24, 31.
        QTest::newRow("one row") << 1 << 1 << QList<int>{3, 17, 24, 31};
        QTest::newRow("a run, later rows move up") << 1 << 3 << QList<int>{3, 31};
        QTest::newRow("selected upwards") << 3 << 1 << QList<int>{3, 31};
        QTest::newRow("past the last entry") << 3 << 20 << QList<int>{3, 10, 17};
        QTest::newRow("only empty rows") << 6 << 9 << QList<int>{3, 10, 17, 24, 31};
    }
    void deletingSelectedRows()
    {
        QFETCH(int, fromRow);
        QFETCH(int, toRow);
        QFETCH(QList<int>, remainingDays);
        HolidayWindow window(2026, 1);
        for (int day : {3, 10, 17, 24, 31})
            window.addEntry(day, u"行事%1"_s.arg(day), u"行"_s);
        window.open();
        window.clickRow(fromRow);
        window.clickRow(toRow, Qt::ShiftModifier);
        window.click(u"B_DEL"_s);
        QStringList expected;
        for (int day : remainingDays)
            expected.append(u"%1 行事%1 行"_s.arg(day));
        QCOMPARE(window.registerRows(), expected);
        QCOMPARE(window.gridRows(), expected);
        QVERIFY(window.grid()->selectedRanges().isEmpty() || remainingDays.size() == 5);
    }

    void deleteWithoutSelectionChangesNothing()
    {
        HolidayWindow window(2026, 5);
        window.open();
        const QStringList before = window.registerRows();
        window.click(u"B_DEL"_s);
        QCOMPARE(window.registerRows(), before);
    }

    void emptiedListIsComputedAgainOnReopening()
    {
        HolidayWindow window(2026, 5);
        window.open();
        const QStringList calendar = window.registerRows();
        window.clickRow(0);
        window.clickRow(30, Qt::ShiftModifier);
        window.click(u"B_DEL"_s);
        QCOMPARE(window.session.Register.HolidayCount, qint16(0));
        QVERIFY(window.gridRows().isEmpty());
        window.click(u"B_ESC"_s);
        window.open();
        QCOMPARE(window.registerRows(), calendar);
    }
};

VELTRA_TEST(HolidayEditTest)
#include "holidayedit_test.moc"

#pragma once

#include "calendar/era.h"
#include "calendar/windows/holidayform.h"
#include "data/session.h"
#include "testplatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The holiday window opened on a test session, driven through its controls by
// their names as a user would.
struct HolidayWindow
{
    TestPlatform test;
    Session session;
    int sheetRefreshes = 0;
    std::unique_ptr<HolidayForm> form;

    HolidayWindow(int gregorianYear, int month)
    {
        session.State.HeiseiYear = qint16(JapaneseEra::heiseiFromGregorian(gregorianYear));
        session.State.Month = qint16(month);
    }

    void open()
    {
        form = std::make_unique<HolidayForm>(session, test.platform, [this] { ++sheetRefreshes; });
        form->show();
    }

    template<class Widget> Widget *control(const QString &name) const
    {
        auto *widget = form->findChild<Widget *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    QTableWidget *grid() const { return control<QTableWidget>(u"GRID1"_s); }

    void click(const QString &button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    void type(const QString &box, const QString &text) { typeInto(control<QLineEdit>(box), text); }

    // Picks a reason from the MSG list with the arrow keys, as from the keyboard.
    void choosePreset(int index)
    {
        auto *reasons = control<QComboBox>(u"MSG"_s);
        while (reasons->currentIndex() < index)
            QTest::keyClick(reasons, Qt::Key_Down);
        while (reasons->currentIndex() > index)
            QTest::keyClick(reasons, Qt::Key_Up);
    }

    void typeReason(const QString &text) { typeInto(control<QComboBox>(u"MSG"_s)->lineEdit(), text); }

    // One key press per character; QTest::keyClicks knows only Latin-1.
    static void typeInto(QWidget *box, const QString &text)
    {
        for (char32_t character : text.toUcs4())
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&character, 1), Qt::NoModifier);
    }

    // Clicks a grid row; with shift, extends the selection to it.
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QModelIndex cell = grid()->model()->index(row, 1);
        grid()->scrollTo(cell);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers, grid()->visualRect(cell).center());
    }

    // The grid's filled rows as "day reason print-text".
    QStringList gridRows() const
    {
        QStringList rows;
        for (int row = 0; row < grid()->rowCount(); ++row) {
            const QTableWidgetItem *day = grid()->item(row, 0);
            if (!day)
                break;
            rows.append(u"%1 %2 %3"_s.arg(day->text(), grid()->item(row, 1)->text(), grid()->item(row, 2)->text()));
        }
        return rows;
    }

    // The register's used entries in the same form.
    QStringList registerRows() const
    {
        QStringList rows;
        for (int i = 0; i < session.Register.HolidayCount; ++i) {
            const HolidayEntry &entry = session.Register.HolidayList[i];
            rows.append(u"%1 %2 %3"_s.arg(entry.Day).arg(entry.Reason, entry.PrintText));
        }
        return rows;
    }

    void addEntry(int day, const QString &reason, const QString &printText)
    {
        session.Register.HolidayList[session.Register.HolidayCount++] = {qint16(day), reason, printText};
    }
};

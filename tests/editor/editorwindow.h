#pragma once

#include "data/monthfile.h"
#include "register/openmonth.h"
#include "register/sheetgeometry.h"
#include "register/windows/rollform.h"
#include "register/windows/sheetsurface.h"
#include "testplatform.h"
#include "testsession.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// A register editor on a test session: April of Heisei 16 (2004) unless told
// otherwise, its month folder in a temporary folder, clicked and typed into by
// control name.
struct EditorWindow : TestSession
{
    explicit EditorWindow(int classKind = OrdinaryClass, int heiseiYear = 16, int month = 4)
        : TestSession(classKind, heiseiYear, month)
    {
        session.State.MonthFolder = test.folder.filePath(u"2004/1年2組"_s);
        QDir().mkpath(session.State.MonthFolder);
    }

    void open(MonthAccess access = {})
    {
        form = std::make_unique<RollForm>(session, test.platform, nullptr, std::move(access));
        form->resize(1000, 760);
        form->show();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the register editor did not become active");
    }

    template<typename T = QWidget> T *control(const QString &name) const
    {
        T *found = form->findChild<T *>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }
    SheetSurface *rows() const { return control<SheetSurface>(u"D_LIST"_s); }

    // A click on D_LIST at sheet twips (the scroll offset included).
    void clickAt(int x, int y) const
    {
        QTest::mouseClick(rows(), Qt::LeftButton, {}, QPoint(rows()->twipsToX(x), rows()->twipsToY(y)));
    }
    void clickDay(int row, int day) const { clickAt(Sheet::dayLeft(day) + 120, Sheet::rowTop(row) + 120); }
    void clickName(int row) const { clickAt(1600, Sheet::rowTop(row) + 120); }
    void clickGrade(int row) const { clickAt(600, Sheet::rowTop(row) + 120); }
    void clickNumber(int row) const { clickAt(200, Sheet::rowTop(row) + 120); }
    void clickSex(int row) const { clickAt(2600, Sheet::rowTop(row) + 120); }

    void choose(int markCode) const { QTest::mouseClick(control<QLabel>(u"SETL_%1"_s.arg(markCode)), Qt::LeftButton); }
    void press(const QString &button) const { QTest::mouseClick(control(button), Qt::LeftButton); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    // Types character by character, as an input method commits Japanese text.
    void type(const QString &text) const
    {
        for (QChar character : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }

    QString focusName() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    const PupilRecord &pupil(int row) const { return session.Register.Pupils[row]; }
    QString monthFile() const { return openMonthPath(session.State); }

    TestPlatform test;
    std::unique_ptr<RollForm> form;
};

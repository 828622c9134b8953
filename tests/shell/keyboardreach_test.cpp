#include "everydialog.h"
#include "testregistry.h"

#include <QAccessible>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

// The control a focused widget belongs to (an editable list's box belongs to the list).
QWidget *controlOf(QWidget *widget, const QWidget &window)
{
    QWidget *control = widget;
    for (QWidget *above = widget ? widget->parentWidget() : nullptr; above && above != &window;
         above = above->parentWidget()) {
        if (above->focusPolicy() & Qt::TabFocus)
            control = above;
    }
    return control;
}

// The controls a user can reach: shown, enabled, taking the focus by Tab.
QList<QWidget *> reachableControls(QWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
            && controlOf(widget, window) == widget)
            controls.append(widget);
    }
    return controls;
}

QRect placeIn(const QWidget &window, const QWidget *control)
{
    return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

} // namespace

// Every dialog can be used with the keyboard alone and read by a screen
// reader: each control has a name, and Tab reaches every one in reading order.
class KeyboardReachTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsNamedAndReachedInReadingOrder_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString &window : RememberedDialogs + QStringList{u"VER_FORM"_s})
            QTest::newRow(qPrintable(window)) << window;
    }
    void everyControlIsNamedAndReachedInReadingOrder()
    {
        QFETCH(QString, window);
        ShellFixture fixture;
        DialogHost host(fixture);
        std::unique_ptr<QDialog> dialog = host.open(window);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        const QList<QWidget *> controls = reachableControls(*dialog);
        QVERIFY(!controls.isEmpty());

        for (QWidget *control : controls) {
            const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->objectName()));
        }

        // One round of Tab from the first control.
        QWidget *first = dialog->nextInFocusChain();
        while (!controls.contains(controlOf(first, *dialog)))
            first = first->nextInFocusChain();
        first->setFocus(Qt::TabFocusReason);
        QList<QWidget *> round;
        for (int press = 0; press <= 2 * controls.size(); ++press) {
            QWidget *focused = controlOf(QApplication::focusWidget(), *dialog);
            if (round.contains(focused))
                break;
            round.append(focused);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget *control : controls) {
            // Of option buttons that exclude one another, Tab stops at the chosen one.
            const auto *option = qobject_cast<QRadioButton *>(control);
            const bool groupReached =
                option && option->autoExclusive() && std::any_of(round.begin(), round.end(), [&](QWidget *reached) {
                    return qobject_cast<QRadioButton *>(reached) && reached->parentWidget() == option->parentWidget();
                });
            QVERIFY2(round.contains(control) || groupReached, qPrintable(control->objectName()));
        }
        for (qsizetype i = 1; i < round.size(); ++i) {
            const QRect before = placeIn(*dialog, round[i - 1]);
            const QRect after = placeIn(*dialog, round[i]);
            QVERIFY2(after.center().y() >= before.top(),
                     qPrintable(round[i - 1]->objectName() + u" → "_s + round[i]->objectName()));
        }
    }
};

VELTRA_TEST(KeyboardReachTest)
#include "keyboardreach_test.moc"

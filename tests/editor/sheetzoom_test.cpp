#include "editorwindow.h"
#include "testregistry.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollArea>

namespace {

// Pixels of a sheet coordinate at `percent`, reckoned apart from the window's code.
int pixels(int twips, double dpi, int percent)
{
    return int(std::lround(twips * dpi / 1440.0 * percent / 100.0));
}

} // namespace

// Zoom of the register sheet: the keys and the wheel set it, drawing, clicks
// and the entry box follow it, the user's choice is kept, and 画面に合わせる
// shows the whole class.
class SheetZoomTest : public QObject
{
    Q_OBJECT

private slots:
    void drawingClicksAndEntryFollowTheZoom_data()
    {
        QTest::addColumn<QList<int>>("keys"); // with Ctrl; 0 is a wheel turn up
        QTest::addColumn<int>("percent");
        QTest::newRow("Ctrl++ three times") << QList<int>{Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Plus} << 150;
        QTest::newRow("Ctrl+- twice") << QList<int>{Qt::Key_Minus, Qt::Key_Minus} << 80;
        QTest::newRow("Ctrl+wheel, then Ctrl+0") << QList<int>{0, Qt::Key_0} << 100;
        QTest::newRow("Ctrl+wheel twice") << QList<int>{0, 0} << 125;
    }
    void drawingClicksAndEntryFollowTheZoom()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, percent);
        EditorWindow editor;
        editor.addPupils(3);
        editor.open();
        SheetSurface *rows = editor.rows();
        for (int key : keys) {
            if (key == 0) {
                QWheelEvent wheel(QPointF(50, 50), rows->mapToGlobal(QPointF(50, 50)), {}, {0, 120}, Qt::NoButton,
                                  Qt::ControlModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(rows, &wheel);
            } else {
                QTest::keyClick(rows, Qt::Key(key), Qt::ControlModifier);
            }
        }
        QCOMPARE(editor.form->zoom(), percent);
        QCOMPARE(editor.test.store.value(u"ROLL_FORM"_s, u"Zoom"_s), QString::number(percent));
        const double dpiX = rows->logicalDpiX(), dpiY = rows->logicalDpiY();

        // The cyan of the name columns ends at the sex column's right edge.
        const QImage shown = rows->grab().toImage();
        const int rowMiddle = pixels(120, dpiY, percent);
        const int cyanEnd = pixels(Sheet::DaysLeft, dpiX, percent);
        QCOMPARE(shown.pixelColor(cyanEnd - 3, rowMiddle), QColor(0, 255, 255));
        QVERIFY(shown.pixelColor(cyanEnd + 3, rowMiddle) != QColor(0, 255, 255));

        // A click in the middle of the 12th of pupil 2 marks that cell.
        editor.choose(0);
        const QPoint cell(pixels(Sheet::dayLeft(11) + 120, dpiX, percent), pixels(240 + 120, dpiY, percent));
        QTest::mouseClick(rows, Qt::LeftButton, {}, cell);
        QCOMPARE(editor.pupil(1).Marks[11], u"病"_s);

        // The name box covers the name column of the row clicked, in the sheet's type size.
        editor.clickName(2);
        auto *box = editor.control<QLineEdit>(u"ED_BOX2"_s);
        QVERIFY(box->isVisible());
        QCOMPARE(box->x(), pixels(Sheet::GradeRight, dpiX, percent));
        QVERIFY(qAbs(box->width() - pixels(Sheet::SexLeft - Sheet::GradeRight, dpiX, percent)) <= 1);
        QCOMPARE(box->font().pointSizeF(), Sheet::TextPoints * percent / 100.0);

        // The next editor opens at the user's zoom.
        editor.form.reset();
        editor.open();
        QCOMPARE(editor.form->zoom(), percent);
    }

    void fitShowsTheWholeClass()
    {
        EditorWindow editor;
        editor.addPupils(30);
        editor.open();
        editor.form->resize(1900, 1000);
        editor.control<QAction>(u"ZOOM_FIT"_s)->trigger();
        const int percent = editor.form->zoom();
        QVERIFY2(percent > 100, qPrintable(QString::number(percent)));
        QCOMPARE(editor.control<QScrollBar>(u"V_SCL"_s)->maximum(), 0);
        const QWidget *page = editor.control(u"PAGE"_s);
        QVERIFY(page->minimumWidth() <= editor.form->findChild<QScrollArea *>()->viewport()->width());
    }
};

VELTRA_TEST(SheetZoomTest)
#include "sheetzoom_test.moc"

#include "everydialog.h"
#include "testregistry.h"
#include "ui/twips.h"

using namespace Qt::StringLiterals;

// The dialogs keep their place under a window manager that frames them: the
// stored place is the frame's, the client area lies inside the frame.
class DialogPlaceTest : public QObject
{
    Q_OBJECT

private slots:
    void placeHoldsOverTenOpenings_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString &window : RememberedDialogs)
            QTest::newRow(qPrintable(window)) << window;
    }
    void placeHoldsOverTenOpenings()
    {
        QFETCH(QString, window);
        ShellFixture fixture;
        fixture.test.screen.frame = QMargins(1, 20, 1, 1); // borders and a title bar
        DialogHost host(fixture);
        host.parent.show();

        std::unique_ptr<QDialog> first = host.open(window);
        first->show();
        const QPoint offCentre = first->geometry().center() - host.parent.geometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, "first opened centred over the main window");
        const QPoint client(300, 200);
        first->setGeometry(QRect(client, first->size()));
        first->reject();

        for (int opening = 1; opening <= 10; ++opening) {
            std::unique_ptr<QDialog> dialog = host.open(window);
            dialog->show();
            QCOMPARE(dialog->geometry().topLeft(), client);
            if (opening % 2)
                dialog->reject();
            else
                dialog->close();
        }
        const double dpiX = first->logicalDpiX(), dpiY = first->logicalDpiY();
        QCOMPARE(fixture.test.store.value(u"Position"_s, window + u" Left"_s).toDouble(), pixelsToTwips(299, dpiX));
        QCOMPARE(fixture.test.store.value(u"Position"_s, window + u" Top"_s).toDouble(), pixelsToTwips(180, dpiY));
    }
};

VELTRA_TEST(DialogPlaceTest)
#include "dialogplace_test.moc"

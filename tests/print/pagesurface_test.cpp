#include "print/pagefont.h"
#include "print/pagetrace.h"
#include "print/painterpagesurface.h"
#include "print/printjob.h"
#include "print/recordingsurface.h"
#include "testregistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class PageSurfaceTest : public QObject
{
    Q_OBJECT

private slots:
    // A line drawn at y = 100 lands on the paper where the form puts it, or
    // higher by what a short printable area lacks below y = 204.
    void marginCorrection_data()
    {
        QTest::addColumn<double>("offsetX");
        QTest::addColumn<double>("offsetY");
        QTest::addColumn<double>("printableHeight"); // < 0: down to the paper's edge
        QTest::addColumn<double>("pageBottom");
        QTest::addColumn<double>("landsAtY");

        QTest::newRow("no offsets") << 0.0 << 0.0 << -1.0 << 210.0 << 100.0;
        QTest::newRow("ends at 203.4") << 0.0 << 0.0 << 203.4 << 203.0 << 99.0;
        QTest::newRow("offsets, ends at 204") << 5.0 << 5.0 << 199.0 << 204.0 << 100.0;
        QTest::newRow("offsets, ends at 200.6") << 4.2 << 3.0 << 197.6 << 200.0 << 96.0;
    }
    void marginCorrection()
    {
        QFETCH(double, offsetX);
        QFETCH(double, offsetY);
        QFETCH(double, printableHeight);
        QFETCH(double, pageBottom);
        QFETCH(double, landsAtY);

        SimulatedMargins margins{offsetX, offsetY, std::nullopt};
        if (printableHeight >= 0)
            margins.printableHeight = printableHeight;
        RecordingSurface surface(margins);
        PrintJob job;
        QVERIFY(prepareLandscapePage(surface, job));
        QCOMPARE(qRound(job.OffsetX * 100), qRound(offsetX * 100));
        QCOMPARE(qRound(job.OffsetY * 100), qRound(offsetY * 100));
        applyMarginCorrection(surface, job);
        QCOMPARE(job.PageBottom, pageBottom);

        surface.line(30, 100, 40, 100);
        const PageOperation &line = surface.pages().last().last();
        QCOMPARE(qRound(line.from.x() * 100), 3000);
        QCOMPARE(qRound(line.from.y() * 100), qRound(landsAtY * 100));
    }

    void runLoop_data()
    {
        QTest::addColumn<int>("blankCopies");
        QTest::addColumn<int>("pages");
        QTest::newRow("data print") << 0 << 1;
        QTest::newRow("one blank") << 1 << 1;
        QTest::newRow("three blanks") << 3 << 3;
    }
    void runLoop()
    {
        QFETCH(int, blankCopies);
        QFETCH(int, pages);
        RecordingSurface surface;
        PrintJob job;
        job.BlankCopies = qint16(blankCopies);
        QVERIFY(prepareLandscapePage(surface, job));
        int drawn = 0;
        QCOMPARE(runPages(surface, job, [&] { ++drawn; }), PrintResult::Printed);
        QCOMPARE(drawn, pages);
        QCOMPARE(surface.pages().size(), pages);
        QCOMPARE(surface.newPageCalls(), pages - 1);
        QCOMPARE(surface.endDocumentCalls(), 1);
    }

    void traceKeepsPrintedTextsInOrder()
    {
        RecordingSurface surface(SimulatedMargins{0, 0, 203.4});
        PrintJob job;
        QVERIFY(prepareLandscapePage(surface, job));
        applyMarginCorrection(surface, job);
        runPages(surface, job, [&] {
            surface.setFont(9);
            surface.moveTo(19, 48.5);
            surface.printText(u" 7"_s);
            surface.setColour(255);
            surface.filledBox(66, 36.8, 69, 37);
            surface.setLineWidth(7);
            surface.box(13, 18, 284, 196.8);
        });

        const QJsonObject trace = QJsonDocument::fromJson(pageTraceJson(surface)).object();
        QCOMPARE(trace[u"paper"_s].toObject()[u"width"_s].toDouble(), 297.0);
        QCOMPARE(trace[u"paper"_s].toObject()[u"height"_s].toDouble(), 210.0);
        const QJsonArray page = trace[u"pages"_s].toArray().first().toArray();
        QCOMPARE(page.size(), 3); // the page reset's blanks are left out
        const QJsonObject text = page[0].toObject();
        QCOMPARE(text[u"kind"_s].toString(), u"text"_s);
        QCOMPARE(text[u"text"_s].toString(), u" 7"_s);
        QCOMPARE(text[u"y"_s].toDouble(), 47.5);
        QCOMPARE(text[u"size"_s].toDouble(), 9.0);
        const QJsonObject fill = page[1].toObject();
        QCOMPARE(fill[u"kind"_s].toString(), u"fill"_s);
        QCOMPARE(fill[u"colour"_s].toInt(), 255);
        QCOMPARE(fill[u"y2"_s].toDouble(), 36.0);
        const QJsonObject box = page[2].toObject();
        QCOMPARE(box[u"width"_s].toInt(), 7);
        QCOMPARE(box[u"x2"_s].toDouble(), 284.0);
    }

    void unwritablePdfIsNotOpened()
    {
        QTemporaryDir folder;
        QPdfWriter writer(folder.filePath(u"missing/folder/sheet.pdf"_s));
        PainterPageSurface surface(writer, SimulatedMargins{});
        PrintJob job;
        QVERIFY(!prepareLandscapePage(surface, job));
        QVERIFY(!surface.newPage());
        QVERIFY(!surface.endDocument());
    }

    // Half-width blanks and digits are half an em, so padded numbers line up.
    void registerFontHasHalfWidthDigits()
    {
        const double em = PageFont::textWidth(u"病"_s, 10);
        QVERIFY(em > 3.4 && em < 3.6);
        QCOMPARE(qRound(PageFont::textWidth(u" "_s, 10) * 1000), qRound(em * 500));
        QCOMPARE(qRound(PageFont::textWidth(u"7"_s, 10) * 1000), qRound(em * 500));
    }
};

VELTRA_TEST(PageSurfaceTest)

#include "pagesurface_test.moc"

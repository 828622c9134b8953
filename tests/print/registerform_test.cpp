#include "print/pagefont.h"
#include "print/pdfdocument.h"
#include "sheetrecording.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Kind = PageOperation::Kind;

class RegisterFormTest : public QObject
{
    Q_OBJECT

private slots:
    // The rules of each blank sheet by width, and the rules that tell the
    // sheets apart: where the side rules end and the 男/女/計 sub-rows.
    void rules_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("countBySex");
        QTest::addColumn<int>("thickLines");
        QTest::addColumn<int>("thinLines");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");

        QTest::newRow("front, side rule to the page bottom")
            << 1 << false << 9 << 70 << 0 << QPointF(13, 18) << QPointF(13, 210);
        QTest::newRow("front ignores count by sex")
            << 1 << true << 9 << 70 << 0 << QPointF(65, 32) << QPointF(65, 199.5);
        QTest::newRow("back, side rule from the printable top")
            << 2 << false << 9 << 89 << 0 << QPointF(13, 0) << QPointF(13, 191);
        QTest::newRow("back by sex") << 2 << true << 9 << 95 << 0 << QPointF(92, 173) << QPointF(92, 189.5);
        QTest::newRow("full") << 3 << false << 6 << 82 << 2 << QPointF(230.5, 167.8) << QPointF(282.5, 156.8);
        QTest::newRow("full by sex") << 3 << true << 6 << 88 << 2 << QPointF(207, 178.8) << QPointF(207, 195.3);
    }
    void rules()
    {
        QFETCH(int, side);
        QFETCH(bool, countBySex);
        QFETCH(int, thickLines);
        QFETCH(int, thinLines);
        QFETCH(int, boxes);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        SheetRecording sheet(2004, 4);
        sheet.session.Settings.CountBySex = countBySex;
        sheet.job.BlankCopies = 1;
        const RecordedPage &page = sheet.print(qint16(side));
        QCOMPARE(count(page, Kind::Line, 7), thickLines);
        QCOMPARE(count(page, Kind::Line, 2), thinLines);
        QCOMPARE(count(page, Kind::Box), boxes);
        const bool thick = from.x() == 13;
        QVERIFY(hasRule(page, Kind::Line, thick ? 7 : 2, from, to));
    }

    // A printable area from 5 mm to 203.4 mm: the back sheet's side rules
    // start at its top, and everything lands 1 mm higher on the paper.
    void backSheetOnAShortPrintableArea()
    {
        SheetRecording sheet(2004, 4, OrdinaryClass, SimulatedMargins{0, 5, 198.4});
        sheet.job.BlankCopies = 1;
        const RecordedPage &page = sheet.print(BackSheet);
        QVERIFY(hasRule(page, Kind::Line, 7, {13, 5}, {13, 190}));
        QVERIFY(hasRule(page, Kind::Line, 7, {14.5, 7}, {282.5, 7}));
    }

    void captions_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("classKind");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("countBySex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPointF>("at"); // (-1, -1): not printed

        QTest::newRow("Heisei month") << 2019 << 4 << 0 << 1 << false << u"平成　 年　 月"_s << QPointF(20, 23);
        QTest::newRow("Reiwa month") << 2019 << 5 << 3 << 3 << false << u"令和　 年　 月"_s << QPointF(20, 23);
        QTest::newRow("ordinary class") << 2004 << 4 << 0 << 1 << false << u"第　 学年　　　 組"_s << QPointF(115, 23);
        QTest::newRow("special-support class")
            << 2004 << 4 << 1 << 3 << false << u"第　 学年　　　 組"_s << QPointF(-1, -1);
        QTest::newRow("multi-grade class")
            << 2004 << 4 << 2 << 1 << false << u"第　 学年　　　 組"_s << QPointF(-1, -1);
        QTest::newRow("teacher caption") << 2004 << 4 << 0 << 3 << false << u"氏　　　名"_s << QPointF(205, 26);
        QTest::newRow("back heading") << 2004 << 4 << 0 << 2 << false << u"欠席日数"_s << QPointF(231.5, 8.5);
        QTest::newRow("full heading") << 2004 << 4 << 0 << 3 << false << u"忌引等日数"_s << QPointF(248, 32.5);
        QTest::newRow("back summary") << 2004 << 4 << 0 << 2 << false << u"授 業 日 数"_s << QPointF(28, 168.5);
        QTest::newRow("full summary") << 2004 << 4 << 0 << 3 << false << u" 校　長　印"_s << QPointF(257, 174.3);
        QTest::newRow("boys by sex") << 2004 << 4 << 0 << 3 << true << u"男"_s << QPointF(87, 179.8);
        QTest::newRow("no boys without") << 2004 << 4 << 0 << 2 << false << u"男"_s << QPointF(-1, -1);
        QTest::newRow("no title on back") << 2004 << 4 << 0 << 2 << false << u"平成　 年　 月"_s << QPointF(-1, -1);
    }
    void captions()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, classKind);
        QFETCH(int, side);
        QFETCH(bool, countBySex);
        QFETCH(QString, text);
        QFETCH(QPointF, at);
        SheetRecording sheet(year, month, qint16(classKind));
        sheet.session.Settings.CountBySex = countBySex;
        sheet.job.BlankCopies = 1;
        const PageOperation *found = findText(sheet.print(qint16(side)), text);
        if (at.x() < 0) {
            QVERIFY(!found);
            return;
        }
        QVERIFY(found);
        QVERIFY2(near(found->from.x(), at.x()) && near(found->from.y(), at.y()),
                 qPrintable(u"%1, %2"_s.arg(found->from.x()).arg(found->from.y())));
    }

    // Day numbers are centred in their columns; all 31 are printed.
    void dayNumbersCentred()
    {
        SheetRecording sheet(2027, 2);
        sheet.job.BlankCopies = 1;
        const RecordedPage &page = sheet.print(FrontSheet);
        const PageOperation *seven = findText(page, u"7"_s);
        const PageOperation *thirtyOne = findText(page, u"31"_s);
        QVERIFY(seven && thirtyOne);
        QVERIFY(near(seven->from.x() + PageFont::textWidth(u"7"_s, 10) / 2, 97.5));
        QVERIFY(near(thirtyOne->from.y(), 35));
    }

    void pdfOfEachSheet_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("front") << 1;
        QTest::newRow("back") << 2;
        QTest::newRow("full") << 3;
    }
    void pdfOfEachSheet()
    {
        QFETCH(int, side);
        SheetRecording sheet(2004, 4);
        sheet.addPupils(12);
        sheet.job.PrintSide = qint16(side);
        PdfDocument pdf(u"出席簿"_s);
        QCOMPARE(PrintRegisterSheets(pdf.surface(), sheet.job, sheet.session, QDate(2026, 12, 7)),
                 PrintResult::Printed);
        const QByteArray &bytes = pdf.bytes();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n"), 1);
        QVERIFY(bytes.contains("/MediaBox [0 0 842.000000 595.000000]"));
        QVERIFY(bytes.contains("/FontFile2")); // embedded
    }
};

VELTRA_TEST(RegisterFormTest)

#include "registerform_test.moc"

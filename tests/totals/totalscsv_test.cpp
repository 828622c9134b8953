#include "testregistry.h"
#include "totals/totalscsv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A pupil whose name holds a comma, with every kind of day, and a girl of
// grade 2 whose name holds the full-width ＂ that the register files use.
Totals twoPupils()
{
    Totals totals;
    totals.rows.append({u"山田,太郎"_s, u"男"_s, 0, {100, 2, 1, 3, 1, 1, 0, 2, 4, 1, 0}});
    totals.rows.append({u"鈴木＂花子"_s, u"女"_s, 2, {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}});
    return totals;
}

} // namespace

class TotalsCsvTest : public QObject
{
    Q_OBJECT

private slots:
    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << u"山田"_s << u"山田"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("comma") << u"a,b"_s << u"\"a,b\""_s;
        QTest::newRow("quote doubled") << u"a\"b"_s << u"\"a\"\"b\""_s;
        QTest::newRow("line break") << u"a\r\nb"_s << u"\"a\r\nb\""_s;
        QTest::newRow("full-width quote needs none") << u"a＂b"_s << u"a＂b"_s;
        QTest::newRow("formula") << u"=HYPERLINK(\"x\")"_s << u"\"'=HYPERLINK(\"\"x\"\")\""_s;
        QTest::newRow("plus") << u"+81"_s << u"'+81"_s;
        QTest::newRow("minus") << u"-1+2"_s << u"'-1+2"_s;
        QTest::newRow("at") << u"@SUM(A1)"_s << u"'@SUM(A1)"_s;
        QTest::newRow("formula sign inside") << u"山田=太郎"_s << u"山田=太郎"_s;
    }

    void field()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(TotalsCsv::field(text), written);
    }

    void layouts_data()
    {
        QTest::addColumn<TotalsCsv::Layout>("layout");
        QTest::addColumn<QString>("text");
        QTest::newRow("totals") << TotalsCsv::Layout::Totals
                                << u"NO,学年,氏名,性別,授業日数,出席日数,病気,事故,欠席計,出席停止,忌引,特欠,忌引等計,"
                                   u"遅刻,早退,出席休業日\r\n"
                                   u"1,,\"山田,太郎\",男,105,100,2,1,3,1,1,0,2,4,1,0\r\n"
                                   u"2,2,鈴木＂花子,女,5,5,0,0,0,0,0,0,0,0,0,1\r\n"_s;
        QTest::newRow("records") << TotalsCsv::Layout::Records
                                 << u"NO,学年,氏名,性別,授業日数,出席停止・忌引等の日数,出席しなければならない日数,"
                                    u"欠席日数,出席日数\r\n"
                                    u"1,,\"山田,太郎\",男,105,2,103,3,100\r\n"
                                    u"2,2,鈴木＂花子,女,5,0,5,0,5\r\n"_s;
    }

    void layouts()
    {
        QFETCH(TotalsCsv::Layout, layout);
        QFETCH(QString, text);
        QCOMPARE(TotalsCsv::toText(twoPupils(), layout), text);
    }

    // The saved file is code page 932: ＂ is FA 57, and nothing is in UTF-8.
    void savedInCodePage932()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"totals.csv"_s);
        QVERIFY(TotalsCsv::save(path, twoPupils(), TotalsCsv::Layout::Totals).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("NO,\x8A\x77\x94\x4E,\x8E\x81\x96\xBC,"));
        QVERIFY(bytes.contains("\r\n2,2,\x97\xE9\x96\xD8\xFA\x57\x89\xD4\x8E\x71,"));
    }

    void unencodableNameIsRefused()
    {
        Totals totals;
        totals.rows.append({u"𠮷田"_s, u"男"_s, 0, {}});
        QString error;
        QVERIFY(TotalsCsv::toBytes(totals, TotalsCsv::Layout::Totals, &error).isEmpty());
        QVERIFY(error.contains(u"𠮷"_s));
    }
};

VELTRA_TEST(TotalsCsvTest)
#include "totalscsv_test.moc"

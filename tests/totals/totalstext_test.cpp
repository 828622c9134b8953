#include "data/records.h"
#include "testregistry.h"
#include "totals/totalstext.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TotalsTextTest : public QObject
{
    Q_OBJECT

private slots:
    void title_data()
    {
        QTest::addColumn<int>("schoolYear");
        QTest::addColumn<int>("term");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("ordinary, 令和") << 2026 << 0 << 0 << u"令和8年度 １学期 出席簿の集計 1年2組"_s;
        QTest::newRow("multi-grade, 元年, year") << 2019 << 3 << 2 << u"令和元年度 出席簿の年間集計 1・2学年"_s;
        QTest::newRow("special, 平成") << 2018 << 2 << 1 << u"平成30年度 ３学期 出席簿の集計 ひまわり(知的)"_s;
    }

    // The school year's era is the one of its 1 May, so April 2019 is 令和元年度.
    void title()
    {
        QFETCH(int, schoolYear);
        QFETCH(int, term);
        QFETCH(int, kind);
        QFETCH(QString, title);
        ClassEntry classEntry{qint16(kind), 1, 2, kind == 1 ? u" ひまわり "_s : u"2"_s, u"知的"_s, {}};
        QCOMPARE(TotalsText::title(schoolYear, term, classEntry), title);
    }
};

VELTRA_TEST(TotalsTextTest)
#include "totalstext_test.moc"

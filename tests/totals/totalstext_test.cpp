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
        QTest::addColumn<bool>("twoTerms");
        QTest::addColumn<int>("period"); // of the school's periods, then the whole year
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("ordinary, 令和") << 2026 << false << 0 << 0 << u"令和8年度 １学期 出席簿の集計 1年2組"_s;
        QTest::newRow("multi-grade, 元年, year")
            << 2019 << false << 3 << 2 << u"令和元年度 出席簿の年間集計 1・2学年"_s;
        QTest::newRow("special, 平成") << 2018 << false << 2 << 1 << u"平成30年度 ３学期 出席簿の集計 ひまわり(知的)"_s;
        QTest::newRow("two terms") << 2026 << true << 0 << 0 << u"令和8年度 前期 出席簿の集計 1年2組"_s;
        QTest::newRow("two terms, year") << 2026 << true << 2 << 0 << u"令和8年度 出席簿の年間集計 1年2組"_s;
    }

    // The school year's era is the one of its 1 May, so April 2019 is 令和元年度.
    void title()
    {
        QFETCH(int, schoolYear);
        QFETCH(bool, twoTerms);
        QFETCH(int, period);
        QFETCH(int, kind);
        QFETCH(QString, title);
        ClassEntry classEntry{qint16(kind), 1, 2, kind == 1 ? u" ひまわり "_s : u"2"_s, u"知的"_s, {}};
        const SchoolPeriods periods = twoTerms ? SchoolPeriods::twoTerms({10, 9}) : SchoolPeriods::threeTerms();
        const TotalsPeriod chosen = offeredPeriods(periods, schoolYear)[period];
        QCOMPARE(TotalsText::title(schoolYear, chosen, classEntry), title);
    }
};

VELTRA_TEST(TotalsTextTest)
#include "totalstext_test.moc"

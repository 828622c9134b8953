#include "print/recordingsurface.h"
#include "school/schooldayprint.h"
#include "school/schooldaytext.h"
#include "testregistry.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate Day{2026, 12, 9};

// `classes` classes of 30 pupils, `absent` of them 病 with a reason, the
// first class over the threshold when `absent` reaches 6.
SchoolDay schoolOf(int classes, int absent)
{
    SchoolDay school{Day, 200, {}, {}};
    for (int c = 0; c < classes; ++c) {
        ClassDay &day = school.classes.emplace_back();
        day.classEntry.Title = u"%1年%2組"_s.arg(c / 4 + 1).arg(c % 4 + 1);
        day.classEntry.Grade = qint16(c / 4 + 1);
        day.status = ClassDayStatus::Read;
        day.savedAt = QDateTime(Day, QTime(8, 41));
        for (int p = 0; p < 30; ++p)
            day.counts.count(p < absent ? u"病"_s : QString());
        day.byGrade[day.classEntry.Grade] = day.counts;
        for (int p = 0; p < absent; ++p)
            day.pupils.append({p + 1, u"児童%1_%2"_s.arg(c).arg(p), u"女"_s, day.classEntry.Grade, u"病"_s,
                               MarkReason{8, u"病"_s, {u"発熱"_s}, {}}});
        if (absent > 0)
            day.byCategory = {{u"病"_s, u"発熱"_s, absent}};
    }
    return school;
}

QList<RecordedPage> print(const SchoolDay &school)
{
    RecordingSurface surface;
    const bool portrait = PrintSchoolDay(surface, school, u"架空市立みどり小学校"_s) == PrintResult::Printed
                          && surface.paper() == QSizeF(210, 297);
    return portrait ? surface.pages() : QList<RecordedPage>{};
}

QStringList textsOf(const RecordedPage &page)
{
    QStringList texts;
    for (const PageOperation &op : page) {
        if (op.kind == PageOperation::Kind::Text && !op.text.trimmed().isEmpty())
            texts.append(op.text.trimmed());
    }
    return texts;
}

} // namespace

class SchoolDayPrintTest : public QObject
{
    Q_OBJECT

private slots:
    // Every pupil is printed once, within the body of some page, and every
    // page carries the title and its number.
    void pages_data()
    {
        QTest::addColumn<int>("classes");
        QTest::addColumn<int>("absent");
        QTest::addColumn<int>("pages");
        QTest::newRow("no classes") << 0 << 0 << 1;
        QTest::newRow("a small school") << 6 << 2 << 1;
        QTest::newRow("thirty classes, nobody absent") << 30 << 0 << 1;
        QTest::newRow("thirty classes, five absent each") << 30 << 5 << 5;
        QTest::newRow("one class longer than a page") << 1 << 60 << 2;
    }

    void pages()
    {
        QFETCH(int, classes);
        QFETCH(int, absent);
        const SchoolDay school = schoolOf(classes, absent);
        const QList<RecordedPage> pages = print(school);
        QTEST(int(pages.size()), "pages");

        QStringList printed;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QStringList texts = textsOf(pages[p]);
            QVERIFY(texts.contains(u"本日の出欠　令和8年12月9日（水）"_s));
            // The class table's heading on every page that holds some of it.
            static const QRegularExpression ClassLine(u"^(\\d+年\\d+組|児童.*)$"_s);
            QCOMPARE(texts.contains(u"閉鎖率"_s), !texts.filter(ClassLine).isEmpty());
            QVERIFY(texts.contains(u"%1 / %2"_s.arg(p + 1).arg(pages.size())));
            for (const PageOperation &op : pages[p]) {
                if (op.kind != PageOperation::Kind::Text || !op.text.startsWith(u"児童"_s))
                    continue;
                QVERIFY2(op.from.y() >= SchoolDayPrint::BodyTop && op.from.y() < SchoolDayPrint::BodyBottom,
                         qPrintable(op.text));
                printed.append(op.text);
            }
        }
        QCOMPARE(printed.size(), classes * absent);
        printed.removeDuplicates();
        QCOMPARE(printed.size(), classes * absent);
        QVERIFY(textsOf(pages.last()).contains(u"学校全体"_s));
    }

    // A class over the threshold: its rate in red and the closure line under it.
    void closureIsMarked()
    {
        const QList<RecordedPage> pages = print(schoolOf(2, 6));
        QCOMPARE(pages.size(), 1);
        int redRates = 0;
        for (const PageOperation &op : pages[0]) {
            if (op.kind == PageOperation::Kind::Text && op.text.trimmed() == u"20.0"_s)
                redRates += op.colour == PageColour::Red ? 1 : -100;
        }
        QCOMPARE(redRates, 2);
        QCOMPARE(textsOf(pages[0]).count(u"「学級閉鎖の目安」（20.0%）に達しています"_s), 2);
        QVERIFY(textsOf(pages[0]).contains(u"学級閉鎖の目安に達した学級　2"_s));
    }
};

VELTRA_TEST(SchoolDayPrintTest)
#include "schooldayprint_test.moc"

#include "data/cp932.h"
#include "data/markreasons.h"
#include "data/marktable.h"
#include "data/monthfile.h"
#include "data/reasoncategories.h"
#include "data/reasonfile.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Three pupils; 山田 has 病 on the 3rd, 佐藤 遅 on the 5th, 鈴木 nothing.
RegisterMonth threePupils()
{
    RegisterMonth month;
    const QStringList names{u"山田一郎"_s, u"佐藤花子"_s, u"鈴木次郎"_s};
    for (int i = 0; i < names.size(); ++i) {
        month.Pupils[i].Name = names[i];
        month.Pupils[i].Sex = u"男"_s;
    }
    month.PupilCount = qint16(names.size());
    month.Pupils[0].Marks[2] = u"病"_s;
    month.Pupils[1].Marks[4] = u"遅"_s;
    return month;
}

QByteArray line(const QString &text)
{
    return Cp932::encode(text + u"\r\n"_s);
}

MarkReason reason(int day, const QString &mark, const QStringList &categories, const QString &text = {})
{
    return MarkReason{qint16(day), mark, categories, text};
}

// Which rows hold a reason after reading, as "row:day:mark:categories".
QStringList held(const RegisterMonth &month)
{
    QStringList found;
    for (int row = 0; row < month.PupilCount; ++row) {
        for (const MarkReason &r : month.Pupils[row].Reasons)
            found.append(u"%1:%2:%3:%4"_s.arg(row).arg(r.Day).arg(r.Mark, r.Categories.join(u'|')));
    }
    return found;
}

} // namespace

class ReasonFileTest : public QObject
{
    Q_OBJECT

private slots:
    // A reason reaches only its own pupil: by row and name, else by a unique
    // name, and only while it fits the day's mark.
    void linesAttachToTheirPupil_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("thirdName");
        QTest::addColumn<QString>("secondMark");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("notes");
        QTest::addColumn<bool>("readable");
        const QString sick = u"3,1,\"山田一郎\",\"病\",\"発熱|頭痛\",\"熱\""_s;
        QTest::newRow("own row") << sick << u"鈴木次郎"_s << u"遅"_s << QStringList{u"0:2:病:発熱|頭痛"_s} << 0 << true;
        QTest::newRow("rows moved: found by name") << u"5,1,\"佐藤花子\",\"遅\",\"腹痛\",\"\""_s << u"鈴木次郎"_s
                                                   << u"遅"_s << QStringList{u"1:4:遅:腹痛"_s} << 0 << true;
        QTest::newRow("name gone") << u"5,2,\"田中三郎\",\"遅\",\"腹痛\",\"\""_s << u"鈴木次郎"_s << u"遅"_s
                                   << QStringList{} << 1 << true;
        QTest::newRow("row of another pupil, name twice")
            << u"5,1,\"佐藤花子\",\"遅\",\"腹痛\",\"\""_s << u"佐藤花子"_s << u"遅"_s << QStringList{} << 1 << true;
        QTest::newRow("late became late and early leave") << u"5,2,\"佐藤花子\",\"遅\",\"腹痛\",\"\""_s << u"鈴木次郎"_s
                                                          << u"ﾁ"_s << QStringList{u"1:4:ﾁ:腹痛"_s} << 0 << true;
        QTest::newRow("mark changed to one without the category")
            << u"5,2,\"佐藤花子\",\"遅\",\"腹痛\",\"\""_s << u"鈴木次郎"_s << u"事"_s << QStringList{} << 1 << true;
        QTest::newRow("mark cleared since")
            << u"5,2,\"佐藤花子\",\"遅\",\"腹痛\",\"\""_s << u"鈴木次郎"_s << QString() << QStringList{} << 1 << true;
        QTest::newRow("school category, same mark") << u"5,2,\"佐藤花子\",\"遅\",\"花粉症\",\"\""_s << u"鈴木次郎"_s
                                                    << u"遅"_s << QStringList{u"1:4:遅:花粉症"_s} << 0 << true;
        QTest::newRow("bad line among good ones")
            << sick + u"\r\nx,1,\"山田一郎\"\r\n5,2,\"佐藤花子\",\"遅\",\"腹痛\",\"\""_s << u"鈴木次郎"_s << u"遅"_s
            << QStringList{u"0:2:病:発熱|頭痛"_s, u"1:4:遅:腹痛"_s} << 1 << false;
        QTest::newRow("day out of range")
            << u"32,1,\"山田一郎\",\"病\",\"発熱\",\"\""_s << u"鈴木次郎"_s << u"遅"_s << QStringList{} << 1 << false;
        QTest::newRow("mark that carries no reasons")
            << u"5,2,\"佐藤花子\",\"出\",\"腹痛\",\"\""_s << u"鈴木次郎"_s << u"出"_s << QStringList{} << 1 << true;
        QTest::newRow("no category") << u"5,2,\"佐藤花子\",\"遅\",\"\",\"熱\""_s << u"鈴木次郎"_s << u"遅"_s
                                     << QStringList{} << 1 << true;
        QTest::newRow("day or row left empty")
            << u",1,\"山田一郎\",\"病\",\"発熱\",\"\"\r\n3,,\"山田一郎\",\"病\",\"発熱\",\"\""_s << u"鈴木次郎"_s
            << u"遅"_s << QStringList{} << 2 << false;
    }
    void linesAttachToTheirPupil()
    {
        QFETCH(QString, lines);
        QFETCH(QString, thirdName);
        QFETCH(QString, secondMark);
        QFETCH(QStringList, expected);
        QFETCH(int, notes);
        QFETCH(bool, readable);
        RegisterMonth month = threePupils();
        month.Pupils[2].Name = thirdName;
        month.Pupils[1].Marks[4] = secondMark;
        QStringList noted;
        const LoadResult result = ReasonFile::attach(line(lines), month, ReasonCategories{}, noted);
        QCOMPARE(held(month), expected);
        QCOMPARE(noted.size(), notes);
        QCOMPARE(result.ok(), readable);
    }

    // What is written reads back to the same pupils, and the month file is
    // the same bytes with and without reasons.
    void writtenReasonsReadBack()
    {
        RegisterMonth month = threePupils();
        const QByteArray plainMonth = MonthFile::toBytes(month);
        MarkReasons::set(month.Pupils[1], reason(4, u"遅"_s, {u"通院"_s}, u"歯科"_s));
        MarkReasons::set(month.Pupils[0], reason(2, u"病"_s, {u"発熱"_s, u"急性呼吸器症状"_s}, u"\"高熱\""_s));
        QCOMPARE(MonthFile::toBytes(month), plainMonth);
        const QByteArray bytes = ReasonFile::toBytes(month);
        QCOMPARE(bytes, line(u"3,1,\"山田一郎\",\"病\",\"発熱|急性呼吸器症状\",\"＂高熱＂\"\r\n"
                             u"5,2,\"佐藤花子\",\"遅\",\"通院\",\"歯科\""_s));

        RegisterMonth reread = threePupils();
        QStringList notes;
        QVERIFY(ReasonFile::attach(bytes, reread, ReasonCategories{}, notes).ok());
        QCOMPARE(held(reread), held(month));
        QCOMPARE(reread.Pupils[0].Reasons.front().Text, u"＂高熱＂"_s);
    }

    void fileGoesWithTheLastReason()
    {
        QTemporaryDir folder;
        const QString monthPath = folder.filePath(u"2026_12.ROD"_s);
        RegisterMonth month = threePupils();
        MarkReasons::set(month.Pupils[0], reason(2, u"病"_s, {u"発熱"_s}));
        QVERIFY(ReasonFile::save(monthPath, month).ok);
        QVERIFY(QFile::exists(folder.filePath(u"2026_12.RSN"_s)));
        MarkReasons::clear(month.Pupils[0], 2);
        QVERIFY(ReasonFile::save(monthPath, month).ok);
        QVERIFY(!QFile::exists(folder.filePath(u"2026_12.RSN"_s)));
        QVERIFY(ReasonFile::save(monthPath, month).ok);
    }

    // Editing keeps a reason only while it fits its day's mark.
    void editsKeepOnlyFittingReasons_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("kept");
        QTest::newRow("unchanged") << u"病"_s << QStringList{u"発熱"_s} << u"病"_s << u"病"_s;
        QTest::newRow("cleared") << u"病"_s << QStringList{u"発熱"_s} << QString() << QString();
        QTest::newRow("late to both") << u"遅"_s << QStringList{u"頭痛"_s} << u"ﾁ"_s << u"ﾁ"_s;
        QTest::newRow("sick to other") << u"病"_s << QStringList{u"発熱"_s} << u"事"_s << QString();
        QTest::newRow("other to special, shared category")
            << u"事"_s << QStringList{u"家庭の事情"_s} << u"ト"_s << u"ト"_s;
        QTest::newRow("partly fitting") << u"病"_s << QStringList{u"発熱"_s, u"インフルエンザ"_s} << u"ホ"_s
                                        << QString();
        QTest::newRow("to a mark without reasons") << u"病"_s << QStringList{u"その他"_s} << u"出"_s << QString();
    }
    void editsKeepOnlyFittingReasons()
    {
        QFETCH(QString, given);
        QFETCH(QStringList, categories);
        QFETCH(QString, now);
        QFETCH(QString, kept);
        RegisterMonth month = threePupils();
        month.Pupils[2].Marks[9] = given;
        MarkReasons::set(month.Pupils[2], reason(9, given, categories));
        month.Pupils[2].Marks[9] = now;
        MarkReasons::dropStale(month, ReasonCategories{});
        const MarkReason *left = MarkReasons::find(month.Pupils[2], 9);
        QCOMPARE(left ? left->Mark : QString(), kept);
    }

    void schoolCategoriesRoundTrip_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("added");
        QTest::newRow("new symptom") << u"病"_s << u"花粉症"_s << true;
        QTest::newRow("already listed") << u"病"_s << u"発熱"_s << false;
        QTest::newRow("separator in name") << u"ホ"_s << u"麻しん|風しん"_s << false;
        QTest::newRow("mark without reasons") << u"出"_s << u"行事"_s << false;
        QTest::newRow("too long") << u"キ"_s << QString(21, u'親') << false;
        QTest::newRow("blank") << u"キ"_s << u"　"_s << false;
    }
    void schoolCategoriesRoundTrip()
    {
        QFETCH(QString, mark);
        QFETCH(QString, name);
        QFETCH(bool, added);
        QTemporaryDir folder;
        ReasonCategories categories;
        QCOMPARE(categories.add(markCodeOf(mark), name).isEmpty(), added);
        QVERIFY(ReasonCategoriesFile::save(folder.path(), categories).ok);
        ReasonCategories reread;
        QVERIFY(ReasonCategoriesFile::load(folder.path(), reread).ok());
        QCOMPARE(reread.additions(), categories.additions());
        QCOMPARE(reread.forMark(markCodeOf(mark)).contains(name), added || name == u"発熱"_s);
        if (added) {
            QFile file(ReasonCategoriesFile::filePath(folder.path()));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), line(mark + u",\""_s + name + u"\""_s));
        }
    }
};

VELTRA_TEST(ReasonFileTest)
#include "reasonfile_test.moc"

#include "roster/classlistedit.h"
#include "roster/classtitle.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The class list as the class list window edits it: titles built from the
// boxes, refusals, deleting rows and the order of the list.
class ClassListEditTest : public QObject
{
    Q_OBJECT

private:
    static ClassEntry ordinary(int grade, const QString &name)
    {
        return classFromInput({OrdinaryClass, QString::number(grade), {}, name, {}}).entry.value();
    }

    static ClassList listOf(const QList<ClassEntry> &entries)
    {
        ClassList list;
        for (const ClassEntry &entry : entries)
            list.Entries[list.ClassCount++] = entry;
        return list;
    }

    static QStringList titles(const ClassList &list)
    {
        QStringList result;
        for (int i = 0; i < list.ClassCount; ++i)
            result.append(list.Entries[i].Title);
        return result;
    }

private slots:
    // A made class gives its title and grades; a refused one the message (and grades -1).
    void boxesMakeTheClass_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("grade2");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("storedGrade");
        QTest::addColumn<int>("storedGrade2");
        QTest::newRow("ordinary") << 0 << u"1"_s << u"9"_s << u"2"_s << u"知的"_s << u"1年2組"_s << 1 << 0;
        QTest::newRow("special") << 1 << u"4"_s << u"5"_s << u"さくら"_s << u"知的"_s << u"さくら(知的)"_s << 0 << 0;
        QTest::newRow("multi-grade") << 2 << u"1"_s << u"2"_s << u"1"_s << QString() << u"1・2年"_s << 1 << 2;
        QTest::newRow("blank before grade")
            << 0 << u" 3"_s << QString() << u"1"_s << QString() << u"3年1組"_s << 3 << 0;
        const QString oneDigit = u"学年は1から9までの数字で入力してください"_s;
        QTest::newRow("decimal grade") << 0 << u"3.4"_s << QString() << u"1"_s << QString() << oneDigit << -1 << -1;
        QTest::newRow("letter grade") << 0 << u"x"_s << QString() << u"3"_s << QString() << oneDigit << -1 << -1;
        QTest::newRow("grade 0") << 2 << u"0"_s << u"1"_s << QString() << QString() << oneDigit << -1 << -1;
        QTest::newRow("full-width") << 2 << u"５"_s << u"６"_s << QString() << QString() << u"５・６年"_s << 5 << 6;

        const QString gradeAndClass = u"学年クラスを設定してください"_s;
        QTest::newRow("ordinary without class")
            << 0 << u"1"_s << QString() << QString() << QString() << gradeAndClass << -1 << -1;
        QTest::newRow("ordinary blank grade")
            << 0 << u"  "_s << QString() << u"2"_s << QString() << gradeAndClass << -1 << -1;
        QTest::newRow("special without category") << 1 << QString() << QString() << u"さくら"_s << QString()
                                                  << u"種別クラス名を設定してください"_s << -1 << -1;
        QTest::newRow("multi-grade with one grade")
            << 2 << u"1"_s << QString() << QString() << QString() << u"学年を設定してください"_s << -1 << -1;
        QTest::newRow("two digits") << 0 << u"10"_s << QString() << u"1"_s << QString() << oneDigit << -1 << -1;
        QTest::newRow("slash") << 0 << u"1"_s << QString() << u"A/B"_s << QString()
                               << u"文字「/」(U+002F)はクラス名に使えません"_s << -1 << -1;
        QTest::newRow("quote") << 1 << QString() << QString() << u"\"a"_s << u"知的"_s
                               << u"文字「\"」(U+0022)はクラス名に使えません"_s << -1 << -1;
        QTest::newRow("not in code page 932") << 1 << QString() << QString() << u"𠮷組"_s << u"情緒"_s
                                              << u"文字「𠮷」(U+20BB7)はシフトJISで保存できません"_s << -1 << -1;
    }

    void boxesMakeTheClass()
    {
        QFETCH(int, kind);
        QFETCH(QString, grade);
        QFETCH(QString, grade2);
        QFETCH(QString, className);
        QFETCH(QString, category);
        QFETCH(int, storedGrade);
        const ClassFromInput made = classFromInput({qint16(kind), grade, grade2, className, category});
        if (storedGrade < 0) {
            QVERIFY(!made.entry);
            QTEST(made.refusal, "result");
            return;
        }
        QVERIFY2(made.entry, qPrintable(made.refusal));
        QCOMPARE(made.entry->Kind, kind);
        QTEST(made.entry->Title, "result");
        QCOMPARE(int(made.entry->Grade), storedGrade);
        QTEST(int(made.entry->Grade2), "storedGrade2");
        QCOMPARE(made.entry->Category, kind == SpecialSupportClass ? category : QString());
    }

    void unsafeTitles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("reason");
        const QString ends = u"クラス名の先頭と末尾には空白も「.」も使えません"_s;
        QTest::newRow("empty") << QString() << u"クラス名がありません"_s;
        QTest::newRow("dot") << u"."_s << u"「.」はフォルダー名に使えません"_s;
        QTest::newRow("dot dot") << u".."_s << u"「..」はフォルダー名に使えません"_s;
        QTest::newRow("parent path") << u"../1年"_s << u"文字「/」(U+002F)はクラス名に使えません"_s;
        QTest::newRow("backslash") << u"..\\1年"_s << u"文字「\\」(U+005C)はクラス名に使えません"_s;
        QTest::newRow("colon") << u"C:組"_s << u"文字「:」(U+003A)はクラス名に使えません"_s;
        QTest::newRow("tab") << u"1年\t2組"_s << u"制御文字(U+0009)は使えません"_s;
        QTest::newRow("SUB") << u"1年\u001A組"_s << u"制御文字(U+001A)は使えません"_s;
        QTest::newRow("leading blank") << u" 1年2組"_s << ends;
        QTest::newRow("trailing full-width blank") << u"1年2組　"_s << ends;
        QTest::newRow("trailing dot") << u"1年2組."_s << ends;
        QTest::newRow("trailing blank") << u"1年2組 "_s << ends;
        const auto device = [](const QString &title) {
            return u"「%1」はWindowsの装置の名前のため、フォルダー名に使えません"_s.arg(title);
        };
        for (const QString &title :
             {u"CON"_s, u"prn"_s, u"Aux"_s, u"NUL.組"_s, u"COM1"_s, u"com9.txt"_s, u"LPT1"_s, u"lpt9"_s, u"NUL .txt"_s})
            QTest::addRow("device %s", qPrintable(title)) << title << device(title);
        QTest::newRow("safe") << u"1年2組"_s << QString();
        QTest::newRow("safe with inner dot") << u"3.4年1組"_s << QString();
        QTest::newRow("safe, a device name inside") << u"CON組"_s << QString();
        QTest::newRow("safe, COM10") << u"COM10"_s << QString();
        QTest::newRow("safe, full-width CON") << u"ＣＯＮ"_s << QString();
    }

    void unsafeTitles()
    {
        QFETCH(QString, title);
        QTEST(ClassTitle::unsafeReason(title).value_or(QString()), "reason");
    }

    // Two classes whose titles name one folder are found, wherever they stand.
    void sharedTitles_data()
    {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("shared");
        QTest::newRow("none") << QStringList{u"1年1組"_s, u"1年2組"_s, u"1・2年"_s} << QString();
        QTest::newRow("the same title") << QStringList{u"1年1組"_s, u"1年2組"_s, u"1年1組"_s} << u"1年1組"_s;
        QTest::newRow("blanks and case") << QStringList{u"A組"_s, u"a組 "_s} << u"A組"_s;
        QTest::newRow("empty list") << QStringList{} << QString();
    }
    void sharedTitles()
    {
        QFETCH(QStringList, titles);
        ClassList list;
        for (const QString &title : titles)
            list.Entries[list.ClassCount++].Title = title;
        QTEST(ClassTitle::sharedTitle(list).value_or(QString()), "shared");
    }

    void sameTitleAndFullListAreRefused()
    {
        ClassList list = listOf({ordinary(1, u"A"_s)});
        QCOMPARE(addClass(list, ordinary(1, u"a"_s)), u"同じ名前のクラスが既にあります"_s);
        for (int i = 1; i < ClassSlots; ++i)
            QCOMPARE(addClass(list, ordinary(2, QString::number(i))), std::nullopt);
        QCOMPARE(list.ClassCount, ClassSlots);
        QCOMPARE(addClass(list, ordinary(3, u"1"_s)), u"クラスは51までしか登録できません"_s);
        QCOMPARE(list.ClassCount, ClassSlots);
    }

    void deletingMovesLaterClassesUp_data()
    {
        QTest::addColumn<int>("classes");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("rows 2 to 4 of five") << 5 << 1 << 3 << QStringList{u"1年1組"_s, u"1年5組"_s};
        QTest::newRow("selected upwards") << 5 << 3 << 1 << QStringList{u"1年1組"_s, u"1年5組"_s};
        QTest::newRow("the only class") << 1 << 0 << 0 << QStringList{};
        QTest::newRow("beyond the list") << 2 << 1 << 9 << QStringList{u"1年1組"_s};
        QTest::newRow("first of a full list") << 51 << 0 << 0 << QStringList{};
    }

    void deletingMovesLaterClassesUp()
    {
        QFETCH(int, classes);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QStringList, left);
        ClassList list;
        for (int i = 1; i <= classes; ++i)
            list.Entries[list.ClassCount++] = ordinary(1, QString::number(i));
        const int deleted = deleteClasses(list, first, last);
        if (classes == ClassSlots) {
            QCOMPARE(list.ClassCount, ClassSlots - 1);
            QCOMPARE(list.Entries[ClassSlots - 2].Title, u"1年51組"_s);
            QCOMPARE(list.Entries[ClassSlots - 1], ClassEntry{});
            return;
        }
        QCOMPARE(deleted, classes - left.size());
        QCOMPARE(titles(list), left);
        QCOMPARE(list.Entries[list.ClassCount], ClassEntry{});
    }

    void sortOrdersKindGradesAndName()
    {
        const ClassEntry special = classFromInput({SpecialSupportClass, {}, {}, u"さくら"_s, u"知的"_s}).entry.value();
        const ClassEntry specialB = classFromInput({SpecialSupportClass, {}, {}, u"あおば"_s, u"情緒"_s}).entry.value();
        const ClassEntry multi34 = classFromInput({MultiGradeClass, u"3"_s, u"4"_s, {}, {}}).entry.value();
        const ClassEntry multi35 = classFromInput({MultiGradeClass, u"3"_s, u"5"_s, {}, {}}).entry.value();
        ClassList list = listOf(
            {special, multi35, ordinary(2, u"1"_s), multi34, ordinary(1, u"2"_s), specialB, ordinary(1, u"1"_s)});
        SortClassList(list);
        QCOMPARE(titles(list), (QStringList{u"1年1組"_s, u"1年2組"_s, u"2年1組"_s, u"3・4年"_s, u"3・5年"_s,
                                            u"あおば(情緒)"_s, u"さくら(知的)"_s}));
    }
};

VELTRA_TEST(ClassListEditTest)
#include "classlistedit_test.moc"

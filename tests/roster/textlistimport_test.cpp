#include "data/cp932.h"
#include "roster/textlistimport.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Lists of names in text files: both encodings, both layouts, spreadsheet
// files, the lines that are refused and the 46-pupil limit.
class TextListImportTest : public QObject
{
    Q_OBJECT

private:
    static QStringList rows(const PupilImport &import)
    {
        QStringList result;
        for (const PupilRecord &pupil : import.pupils)
            result.append(pupil.Name + u' ' + pupil.Sex);
        return result;
    }

    static QByteArray utf8(const QString &text) { return text.toUtf8(); }

private slots:
    void listsAreRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("withSex");
        QTest::addColumn<QStringList>("expected");
        const QString names = u"山田　太郎\n髙橋　花子\n"_s;
        const QStringList boys{u"山田　太郎 男"_s, u"髙橋　花子 男"_s};
        const QStringList pair{u"山田　太郎 男"_s, u"髙橋　花子 女"_s};
        QTest::newRow("UTF-8 names") << utf8(names) << false << boys;
        QTest::newRow("code page 932 names") << Cp932::encode(names) << false << boys;
        QTest::newRow("spreadsheet, code page 932")
            << Cp932::encode(u"氏名,性別\r\n\"山田　太郎\",男\r\n髙橋　花子,女,,\r\n,,\r\n"_s) << true << pair;
        QTest::newRow("spreadsheet, UTF-8 with byte-order mark")
            << QByteArray("\xEF\xBB\xBF") + utf8(u"氏名,性別\r\n山田　太郎,男\r\n髙橋　花子,女\r\n"_s) << true << pair;
        QTest::newRow("tabs, blanks, blank lines")
            << utf8(u"\n  山田　太郎 \t 男\n\n\t\n髙橋　花子\t女"_s) << true << pair;
        QTest::newRow("heading of names") << utf8(u"氏名\n"_s + names) << false << boys;
        QTest::newRow("quote and look-alike")
            << utf8(u"\"山\"\"田\"\n川〜野\n"_s) << false << QStringList{u"山＂田 男"_s, u"川～野 男"_s};
    }

    void listsAreRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, withSex);
        const PupilImport import =
            importTextList(bytes, withSex ? TextLayout::NamesAndSexes : TextLayout::Names, 0, u"list.txt"_s);
        QCOMPARE(import.messages, QList<ImportMessage>{});
        QTEST(rows(import), "expected");
    }

    void anyRefusedLineImportsNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withSex");
        QTest::addColumn<QString>("message");
        const QString head = u"次の行を読み込めないため、名簿を読み込みませんでした\n"_s;
        QTest::newRow("names with sexes read as names")
            << u"山田,男\n髙橋,女\n"_s << false << head + u"1 行目: 項目が多すぎます\n2 行目: 項目が多すぎます"_s;
        QTest::newRow("sex other than 男 or 女")
            << u"山田,男\n髙橋,F\n川野\n"_s << true
            << head + u"2 行目: 性別は「男」か「女」にしてください\n3 行目: 性別は「男」か「女」にしてください"_s;
        QTest::newRow("no name") << u"山田,男\n,女\n"_s << true << head + u"2 行目: 氏名がありません"_s;
        QTest::newRow("not in code page 932")
            << u"山田\n𠮷田\n"_s << false << head + u"2 行目: 文字「𠮷」(U+20BB7)はシフトJISで保存できません"_s;
        QTest::newRow("control characters, lines counted from the heading")
            << u"氏名\n山田\u0000太郎\n佐藤\u001A花子\n\"鈴木\t一郎\"\n"_s << false
            << head
                   + u"2 行目: 制御文字(U+0000)は使えません\n3 行目: 制御文字(U+001A)は使えません\n"
                     u"4 行目: 制御文字(U+0009)は使えません"_s;
        QString many;
        for (int i = 0; i < 8; ++i)
            many += u"a,b,c\n"_s;
        QTest::newRow("first five refusals shown")
            << many << true
            << head
                   + u"1 行目: 項目が多すぎます\n2 行目: 項目が多すぎます\n3 行目: 項目が多すぎます\n"
                     u"4 行目: 項目が多すぎます\n5 行目: 項目が多すぎます\nほか 3 行"_s;
    }

    void anyRefusedLineImportsNothing()
    {
        QFETCH(QString, text);
        QFETCH(bool, withSex);
        const PupilImport import =
            importTextList(utf8(text), withSex ? TextLayout::NamesAndSexes : TextLayout::Names, 0, u"list.txt"_s);
        QVERIFY(import.pupils.isEmpty());
        QCOMPARE(import.messages.size(), 1);
        QTEST(import.messages[0].text, "message");
        QCOMPARE(import.messages[0].kind, ImportMessageKind::Warning);
    }

    void fiftyNamesGiveFortySix()
    {
        QString names;
        for (int i = 1; i <= 50; ++i)
            names += u"児童%1\r\n"_s.arg(i);
        const PupilImport import = importTextList(Cp932::encode(names), TextLayout::Names, 0, u"list.txt"_s);
        QCOMPARE(import.pupils.size(), PupilWorkingLimit);
        QCOMPARE(import.pupils.last().Name, u"児童46"_s);
        QCOMPARE(import.messages, (QList<ImportMessage>{plainMessage(TooManyPupilsMessage)}));
        QVERIFY(!import.replacesList);
    }

    void unreadableListIsNamed()
    {
        const PupilImport undecodable = importTextList("\x81\x20\xFF", TextLayout::Names, 0, u"/tmp/list.txt"_s);
        QCOMPARE(undecodable.unreadableFile, u"/tmp/list.txt"_s);
        QCOMPARE(undecodable.messages.value(0).text, u"データの読込に失敗しました\n/tmp/list.txt"_s);
        QCOMPARE(ImportTextFile(u"/nonexistent/list.txt"_s, TextLayout::Names, 0).unreadableFile,
                 u"/nonexistent/list.txt"_s);
    }
};

VELTRA_TEST(TextListImportTest)
#include "textlistimport_test.moc"

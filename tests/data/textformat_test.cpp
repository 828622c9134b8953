#include "data/cp932.h"
#include "data/recordio.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TextFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void codePageRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("髙 IBM extension") << u"髙"_s << QByteArray("\xFB\xFC");
        QTest::newRow("﨑 IBM extension") << u"﨑"_s << QByteArray("\xFA\xB1");
        QTest::newRow("fullwidth tilde") << u"～"_s << QByteArray("\x81\x60");
        QTest::newRow("fullwidth minus") << u"－"_s << QByteArray("\x81\x7C");
        QTest::newRow("circled one") << u"①"_s << QByteArray("\x87\x40");
        QTest::newRow("half-width chi") << u"ﾁ"_s << QByteArray("\xC1");
        QTest::newRow("ideographic space") << u"　"_s << QByteArray("\x81\x40");
        QTest::newRow("kana and ascii") << u"あA1"_s
                                        << QByteArray("\x82\xA0"
                                                      "A1");
    }
    void codePageRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp932::encode(text), bytes);
        QCOMPARE(Cp932::decode(bytes).value_or(u"<invalid>"_s), text);
    }

    void olderToolsNecSelectedRowsDecode()
    {
        // Some tools write the NEC-selected forms of the IBM extensions.
        QCOMPARE(Cp932::decode(QByteArray("\xEE\xE0")).value_or(QString()), u"髙"_s);
    }

    void invalidBytesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("0x80") << QByteArray("\x80");
        QTest::newRow("0xA0") << QByteArray("a\xA0");
        QTest::newRow("0xFD") << QByteArray("\xFD");
        QTest::newRow("lead byte at end") << QByteArray("a\x82");
        QTest::newRow("lead byte before ascii") << QByteArray("\x82\x20");
    }
    void invalidBytesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!Cp932::decode(bytes).has_value());
    }

    void normalizeText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("double quote") << u"a\"b"_s << u"a＂b"_s;
        QTest::newRow("line breaks") << u"a\r\nb\nc\rd"_s << u"a b c d"_s;
        QTest::newRow("wave dash") << u"1\u301C3"_s << u"1～3"_s;
        QTest::newRow("minus sign") << u"\u22121"_s << u"－1"_s;
        QTest::newRow("double vertical line") << u"\u2016"_s << u"∥"_s;
        QTest::newRow("em dash") << u"\u2014"_s << u"―"_s;
        QTest::newRow("cent pound not") << u"\u00A2\u00A3\u00AC"_s << u"￠￡￢"_s;
    }
    void normalizeText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(Cp932::normalizeText(typed), stored);
        QVERIFY(!Cp932::firstUnencodable(stored));
    }

    void unencodableCharacterIsNamed()
    {
        const QString text = u"吉田𠮷子"_s;
        const auto bad = Cp932::firstUnencodable(text);
        QVERIFY(bad);
        QCOMPARE(*bad, char32_t(0x20BB7));
        QCOMPARE(Cp932::unencodableMessage(*bad), u"文字「𠮷」(U+20BB7)はシフトJISで保存できません"_s);
    }

    void writerRefusesInsteadOfSubstituting()
    {
        RecordWriter writer;
        writer.text(u"😀"_s).endLine();
        QString error;
        QVERIFY(writer.result(&error).isEmpty());
        QVERIFY(error.contains(u"U+1F600"_s));
    }

    void writerFormatsItems()
    {
        RecordWriter writer;
        writer.number(-3).text(u"a\"b"_s).spares(2).endLine();
        writer.number(0).endLine();
        QCOMPARE(writer.result(nullptr), QByteArray("-3,\"a\xFA\x57"
                                                    "b\",\"\",\"\"\r\n0\r\n"));
    }

    void readerSplitsItems_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("plain") << QByteArray("1,\"a\",\"\"") << QStringList{u"1"_s, u"a"_s, u""_s};
        QTest::newRow("comma in quotes") << QByteArray("\"a,b\",2") << QStringList{u"a,b"_s, u"2"_s};
        QTest::newRow("blanks around") << QByteArray(" 5 , \"x\" ") << QStringList{u"5"_s, u"x"_s};
        QTest::newRow("text after quote ignored") << QByteArray("\"a\"zz,3") << QStringList{u"a"_s, u"3"_s};
        QTest::newRow("empty unquoted") << QByteArray(",") << QStringList{u""_s, u""_s};
    }
    void readerSplitsItems()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, items);
        RecordReader reader(line + "\r\n");
        QVERIFY(reader.nextLine(items.size()));
        for (int i = 0; i < items.size(); ++i) {
            QString value;
            QVERIFY(reader.text(i, value));
            QCOMPARE(value, items[i]);
        }
    }

    void readerFailures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("items");
        QTest::newRow("empty file") << QByteArray() << 1;
        QTest::newRow("too few items") << QByteArray("1,2\r\n") << 3;
        QTest::newRow("unterminated quote") << QByteArray("\"abc\r\n") << 1;
        QTest::newRow("not a number") << QByteArray("x1\r\n") << 1;
        QTest::newRow("plus sign") << QByteArray("+1\r\n") << 1;
        QTest::newRow("beyond 16 bits") << QByteArray("40000\r\n") << 1;
    }
    void readerFailures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, items);
        RecordReader reader(bytes);
        qint16 value = 0;
        QVERIFY(!(reader.nextLine(items) && reader.number16(0, value)));
        QVERIFY(!reader.error().isEmpty());
        QCOMPARE(reader.lineNumber(), 1);
    }

    void readerAcceptsLineEndings()
    {
        RecordReader reader(QByteArray("1\n2\r3\r\n"));
        for (qint16 expected = 1; expected <= 3; ++expected) {
            qint16 value = 0;
            QVERIFY(reader.nextLine(1) && reader.number16(0, value));
            QCOMPARE(value, expected);
        }
        QVERIFY(!reader.nextLine(1));
    }
};

VELTRA_TEST(TextFormatTest)
#include "textformat_test.moc"

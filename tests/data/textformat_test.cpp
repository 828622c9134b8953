#include "data/classlistfile.h"
#include "data/cp932.h"
#include "data/monthfile.h"
#include "data/recordio.h"
#include "data/settingsfile.h"
#include "data/storedtext.h"
#include "testregistry.h"

#include <QTest>

#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

enum class DataFile { Month, ClassList, Settings };

// A file's bytes from a template in which <NUL>, <BEL>, <TAB>, <SUB> and <DEL>
// stand for their control characters, or for `replacement` when one is given.
QByteArray withControls(const QString &pattern, std::optional<char> replacement = std::nullopt)
{
    QByteArray bytes = Cp932::encode(pattern);
    const std::pair<const char *, char> marks[] = {
        {"<NUL>", '\x00'}, {"<BEL>", '\x07'}, {"<TAB>", '\t'}, {"<SUB>", '\x1A'}, {"<DEL>", '\x7F'}};
    for (const auto &[mark, control] : marks)
        bytes.replace(mark, QByteArray(1, replacement.value_or(control)));
    return bytes;
}

// Loads `bytes` as the file and writes it again; the first text as loaded.
std::pair<QByteArray, QString> loadAndSave(DataFile file, const QByteArray &bytes)
{
    switch (file) {
    case DataFile::Month: {
        RegisterMonth month;
        if (!MonthFile::fromBytes(bytes, month).ok())
            return {};
        return {MonthFile::toBytes(month), month.MonthOffText};
    }
    case DataFile::ClassList: {
        ClassList list;
        if (!ClassListFile::fromBytes(bytes, list).ok())
            return {};
        return {ClassListFile::toBytes(list), list.Entries[0].ClassName};
    }
    case DataFile::Settings:
        break;
    }
    ProgramSettings settings;
    if (!SettingsFile::fromBytes(bytes, u"/work"_s, settings).ok())
        return {};
    return {SettingsFile::toBytes(settings), settings.SchoolName};
}

} // namespace

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
        // The converter's table swaps these three control bytes; Windows does not.
        QTest::newRow("SUB") << u"\u001A"_s << QByteArray("\x1A");
        QTest::newRow("FS") << u"\u001C"_s << QByteArray("\x1C");
        QTest::newRow("DEL") << u"\u007F"_s << QByteArray("\x7F");
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

    // Where a text is typed or imported, every control character is refused
    // but line breaks, which become blanks; whatever a text holds, a writer
    // stores no control byte.
    void controlCharactersAreRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal"); // empty: the text is taken
        for (char16_t c = 0; c < 0x80; ++c) {
            if (c >= 0x20 && c != 0x7F)
                continue;
            const QString hex = QString::number(c, 16).toUpper().rightJustified(4, u'0');
            const bool lineBreak = c == u'\n' || c == u'\r';
            QTest::addRow("U+%s", qPrintable(hex))
                << u"山田"_s + QChar(c) + u"太郎"_s
                << (lineBreak ? QString() : u"制御文字(U+%1)は使えません"_s.arg(hex));
        }
        QTest::newRow("CR LF") << u"山田\r\n太郎"_s << QString();
        QTest::newRow("blank and ideographic space") << u"山田 太郎　"_s << QString();
        QTest::newRow("wave dash") << u"1〜3"_s << QString();
        QTest::newRow("not in code page 932") << u"𠮷田"_s << u"文字「𠮷」(U+20BB7)はシフトJISで保存できません"_s;
        QTest::newRow("control before unencodable") << u"\u001B𠮷"_s << u"制御文字(U+001B)は使えません"_s;
    }
    void controlCharactersAreRefused()
    {
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        const std::optional<char32_t> refused = StoredText::firstRefused(text);
        QCOMPARE(refused ? StoredText::refusalMessage(*refused) : QString(), refusal);
        RecordWriter writer;
        writer.text(text).endLine();
        QString error;
        const QByteArray bytes = writer.result(&error);
        QCOMPARE(error.isEmpty(), !text.contains(u"𠮷"_s));
        for (const char byte : bytes) // the line's own CR LF apart, no control byte
            QVERIFY2(byte >= 0x20 || byte < 0 || byte == '\r' || byte == '\n', qPrintable(QString::number(byte)));
        QVERIFY(!bytes.contains('\x7F'));
    }

    // A file an older tool wrote with control characters in its texts loads
    // as it is and is written back with a blank for each, without failing.
    void storedControlCharactersSaveAsBlanks_data()
    {
        QTest::addColumn<DataFile>("file");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("firstText");
        QString marks;
        for (int d = 0; d < DaySlots; ++d)
            marks += d == 4 ? u",\"<SUB>\""_s : u",\"\""_s;
        QTest::newRow("month file") << DataFile::Month
                                    << u"1,\"夏<SUB>休\",1,1,\"森<NUL>野\",\"\",\"\"\r\n"
                                       u"3,\"祝<BEL>日\",\"祝<DEL>\",\"\",\"\"\r\n"
                                       u"\"山<TAB>田\",\"男\",0,0,0,\"\",0,\"\",\"\",\"\",\"\",\"\",\"\""_s
                                           + marks + u"\r\n"_s
                                    << u"夏\u001A休"_s;
        QTest::newRow("class list") << DataFile::ClassList
                                    << u"1,\"\",\"\",\"\"\r\n0,1,0,\"<NUL>2\",\"<BEL>\",\"\",\"\",\"1年<SUB>2組\"\r\n"_s
                                    << u"\u00002"_s;
        QTest::newRow("settings") << DataFile::Settings
                                  << u"1234,\"森<DEL>小\",\"\",\"/data<TAB>\",\"\",\"\"\r\n"
                                     u"0,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                                     u"\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"_s
                                  << u"森\u007F小"_s;
    }
    void storedControlCharactersSaveAsBlanks()
    {
        QFETCH(DataFile, file);
        QFETCH(QString, pattern);
        const auto [saved, firstText] = loadAndSave(file, withControls(pattern));
        QTEST(firstText, "firstText");
        QCOMPARE(saved, withControls(pattern, ' '));
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

#include "rosterfile.h"

#include "data/cp932.h"
#include "data/loadfile.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace RosterFile {

namespace {

// Items 4, 5, 7, 10, 12 and 40 of a pupil record (1-based), the ones used.
constexpr int RosterNoA = 3;
constexpr int NumberSelector = 4;
constexpr int RosterNoB = 6;
constexpr int Name = 9;
constexpr int SexCode = 11;
constexpr int ClassName = 39;
constexpr int GirlCode = 1;

// Walks the items of a file in order, across line ends.
class ItemReader
{
public:
    explicit ItemReader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
        skipSeparators(false);
    }

    bool atEnd() const { return m_position >= m_bytes.size(); }
    int lineNumber() const { return m_line; }

    // The next item, unquoted; false at the end of the file or on a quote
    // that is never closed.
    bool next(QByteArray &item)
    {
        if (atEnd())
            return false;
        if (m_bytes[m_position] == '"') {
            const qsizetype close = m_bytes.indexOf('"', m_position + 1);
            if (close < 0) {
                m_unclosedQuote = true;
                return false;
            }
            item = m_bytes.mid(m_position + 1, close - m_position - 1);
            m_line += int(item.count('\n'));
            m_position = close + 1;
            while (!atEnd() && !atSeparator()) // anything between the quote and the separator is ignored
                ++m_position;
        } else {
            const qsizetype start = m_position;
            while (!atEnd() && !atSeparator())
                ++m_position;
            item = m_bytes.mid(start, m_position - start).trimmed();
        }
        skipSeparators(true);
        return true;
    }

    bool unclosedQuote() const { return m_unclosedQuote; }

private:
    bool atSeparator() const
    {
        const char c = m_bytes[m_position];
        return c == ',' || c == '\r' || c == '\n';
    }
    bool atBlank() const { return m_bytes[m_position] == ' ' || m_bytes[m_position] == '\t'; }
    bool atLineEnd() const { return m_bytes[m_position] == '\r' || m_bytes[m_position] == '\n'; }

    // One comma, and any line ends and blanks around it, separate two items;
    // so do line ends alone (a blank line is no item).
    void skipSeparators(bool commaAllowed)
    {
        while (!atEnd() && (atBlank() || atLineEnd())) {
            if (m_bytes[m_position] == '\n')
                ++m_line;
            ++m_position;
        }
        if (commaAllowed && !atEnd() && m_bytes[m_position] == ',') {
            ++m_position;
            skipSeparators(false);
        }
    }

    const QByteArray &m_bytes;
    qsizetype m_position = 0;
    int m_line = 1;
    bool m_unclosedQuote = false;
};

// Reads a record of `count` items; the items a reader uses are handed to `use`.
class RecordParser
{
public:
    explicit RecordParser(const QByteArray &bytes)
        : m_items(bytes)
    {}

    bool atEnd() const { return m_items.atEnd(); }

    bool read(int count, QList<QByteArray> &items)
    {
        items.resize(count);
        for (int i = 0; i < count; ++i) {
            if (!m_items.next(items[i]))
                return fail(m_items.unclosedQuote() ? u"引用符が閉じていません"_s
                                                    : u"ファイルが途中で終わっています"_s);
        }
        return true;
    }

    template<typename Int> bool number(const QList<QByteArray> &items, int index, Int &value)
    {
        const QByteArray &item = items[index];
        if (item.isEmpty()) {
            value = 0;
            return true;
        }
        bool ok = false;
        const qlonglong parsed = item.toLongLong(&ok);
        if (!ok || parsed < std::numeric_limits<Int>::min() || parsed > std::numeric_limits<Int>::max())
            return fail(u"%1 番目の項目が数値ではありません"_s.arg(index + 1));
        value = Int(parsed);
        return true;
    }

    bool text(const QList<QByteArray> &items, int index, QString &value)
    {
        const auto decoded = Cp932::decode(items[index]);
        if (!decoded)
            return fail(u"%1 番目の項目にシフトJISでない文字があります"_s.arg(index + 1));
        value = Cp932::normalizeText(*decoded);
        return true;
    }

    LoadResult failure(const QString &record) const
    {
        LoadResult result;
        result.failure = LoadFailure::Unreadable;
        result.line = m_items.lineNumber();
        result.detail = record + u": "_s + m_error;
        return result;
    }

private:
    bool fail(const QString &message)
    {
        m_error = message;
        return false;
    }

    ItemReader m_items;
    QString m_error;
};

bool readPupil(RecordParser &parser, const QList<QByteArray> &items, RosterPupil &pupil)
{
    qint16 numberA = 0;
    qint16 numberB = 0;
    qint16 sexCode = 0;
    QString selector;
    if (!parser.number(items, RosterNoA, numberA) || !parser.text(items, NumberSelector, selector)
        || !parser.number(items, RosterNoB, numberB) || !parser.text(items, Name, pupil.name)
        || !parser.number(items, SexCode, sexCode) || !parser.text(items, ClassName, pupil.className))
        return false;
    pupil.rosterNo = selector.isEmpty() ? numberA : numberB;
    pupil.sex = sexCode == GirlCode ? u"女"_s : u"男"_s;
    return true;
}

} // namespace

QString fileName(int schoolYear, int grade)
{
    return u"%1_%2.STD"_s.arg(schoolYear).arg(grade);
}

bool isShifted(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '"'))
        ++i;
    qint64 value = 0;
    for (; i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9'; ++i) {
        value = value * 10 + (bytes[i] - '0');
        if (value > PlainMarkerLimit)
            return true;
    }
    return false;
}

QByteArray unshift(const QByteArray &bytes)
{
    QByteArray plain = bytes;
    for (char &byte : plain)
        byte = char(quint8(byte) - 1);
    return plain;
}

LoadResult fromBytes(const QByteArray &bytes, Roster &roster)
{
    roster = Roster{};
    roster.shifted = isShifted(bytes);
    Roster read = roster;
    const QByteArray plain = read.shifted ? unshift(bytes) : bytes;
    RecordParser parser(plain);
    QList<QByteArray> items;
    if (!parser.read(HeaderItems, items) || !parser.number(items, 1, read.schoolCode)
        || !parser.text(items, 2, read.schoolName))
        return parser.failure(u"ヘッダー"_s);
    while (!parser.atEnd()) {
        RosterPupil pupil;
        if (!parser.read(RecordItems, items) || !readPupil(parser, items, pupil))
            return parser.failure(u"%1 人目の記録"_s.arg(read.pupils.size() + 1));
        read.pupils.append(pupil);
    }
    roster = std::move(read);
    return {};
}

LoadResult load(const QString &path, Roster &roster)
{
    roster = Roster{};
    return loadDataFile(path, [&](const QByteArray &bytes) { return fromBytes(bytes, roster); });
}

} // namespace RosterFile

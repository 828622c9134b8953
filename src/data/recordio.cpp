#include "recordio.h"

#include "cp932.h"
#include "storedtext.h"

using namespace Qt::StringLiterals;

RecordWriter &RecordWriter::number(qint64 value)
{
    separate();
    m_bytes += QByteArray::number(value);
    return *this;
}

RecordWriter &RecordWriter::text(const QString &value)
{
    separate();
    m_bytes += '"';
    append(value);
    m_bytes += '"';
    return *this;
}

RecordWriter &RecordWriter::word(const QString &value)
{
    separate();
    append(value);
    return *this;
}

void RecordWriter::append(const QString &value)
{
    const QString normalized = StoredText::asStored(value);
    const auto encoded = Cp932::tryEncode(normalized);
    if (!encoded && m_error.isEmpty())
        m_error = Cp932::unencodableMessage(Cp932::firstUnencodable(normalized).value_or(U'?'));
    m_bytes += encoded.value_or(QByteArray());
}

RecordWriter &RecordWriter::spares(int count)
{
    for (int i = 0; i < count; ++i)
        text(QString());
    return *this;
}

void RecordWriter::endLine()
{
    m_bytes += "\r\n";
    m_lineStarted = false;
}

QByteArray RecordWriter::result(QString *error) const
{
    if (m_error.isEmpty())
        return m_bytes;
    if (error)
        *error = m_error;
    return {};
}

void RecordWriter::separate()
{
    if (m_lineStarted)
        m_bytes += ',';
    m_lineStarted = true;
}

RecordReader::RecordReader(const QByteArray &bytes)
    : m_bytes(bytes)
{}

bool RecordReader::nextLine(int minimumItems)
{
    m_items.clear();
    ++m_lineNumber;
    if (m_position >= m_bytes.size())
        return fail(u"ファイルが途中で終わっています"_s);

    const qsizetype size = m_bytes.size();
    qsizetype i = m_position;
    auto atLineEnd = [&] { return i >= size || m_bytes[i] == '\r' || m_bytes[i] == '\n'; };
    bool unterminated = false;
    while (true) {
        while (i < size && (m_bytes[i] == ' ' || m_bytes[i] == '\t'))
            ++i;
        QByteArray item;
        if (i < size && m_bytes[i] == '"') {
            const qsizetype start = ++i;
            while (!atLineEnd() && m_bytes[i] != '"')
                ++i;
            item = m_bytes.mid(start, i - start);
            if (atLineEnd())
                unterminated = true;
            else
                ++i; // closing quote; anything up to the next comma is ignored
            while (!atLineEnd() && m_bytes[i] != ',')
                ++i;
        } else {
            const qsizetype start = i;
            while (!atLineEnd() && m_bytes[i] != ',')
                ++i;
            item = m_bytes.mid(start, i - start).trimmed();
        }
        m_items.append(item);
        if (atLineEnd())
            break;
        ++i; // comma
    }
    if (i < size && m_bytes[i] == '\r')
        ++i;
    if (i < size && m_bytes[i] == '\n')
        ++i;
    m_position = i;

    if (unterminated)
        return fail(u"引用符が閉じていません"_s);
    if (m_items.size() < minimumItems)
        return fail(u"項目が足りません（%1 個のところ %2 個）"_s.arg(minimumItems).arg(m_items.size()));
    return true;
}

bool RecordReader::number(int index, qint64 minimum, qint64 maximum, qint64 &value)
{
    const QByteArray item = m_items.value(index);
    if (item.isEmpty()) {
        // An empty item is 0, where 0 is allowed.
        if (minimum > 0 || maximum < 0)
            return fail(u"%1 番目の項目が空です"_s.arg(index + 1));
        value = 0;
        return true;
    }
    bool ok = false;
    const qint64 parsed = item.toLongLong(&ok);
    if (!ok || item.startsWith('+'))
        return fail(u"%1 番目の項目が数値ではありません"_s.arg(index + 1));
    if (parsed < minimum || parsed > maximum)
        return fail(u"%1 番目の項目 %2 は範囲外です"_s.arg(index + 1).arg(parsed));
    value = parsed;
    return true;
}

bool RecordReader::text(int index, QString &value)
{
    const auto decoded = Cp932::decode(m_items.value(index));
    if (!decoded)
        return fail(u"%1 番目の項目にシフトJISでない文字があります"_s.arg(index + 1));
    value = *decoded;
    return true;
}

bool RecordReader::fail(const QString &message)
{
    m_error = message;
    return false;
}
